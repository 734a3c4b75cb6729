#include "algebra/decoupe.h"

#include <algorithm>
#include <vector>

#include "core/encodage.h"
#include "formula/enonce.h"

int pos_apres_premier(char c, std::string_view t)
{
    const std::size_t p = t.size() < 2 ? std::string_view::npos : t.find(c, 1);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

int pos_depuis(char c, std::string_view t, int debut)
{
    const std::size_t depart = debut < 1 ? 0 : static_cast<std::size_t>(debut) - 1;
    const std::size_t p = depart >= t.size() ? std::string_view::npos : t.find(c, depart);
    return p == std::string_view::npos ? 0 : static_cast<int>(p) + 1;
}

void inverse_signes(std::string &t)
{
    for (char &c : t) {
        if (c == '+')
            c = '-';
        else if (c == '-')
            c = '+';
    }
}

void sans_parentheses(std::string &t)
{
    t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return c == '(' || c == ')'; }),
            t.end());
}

std::string extrait_terme(std::string &polynome)
{
    if (polynome.empty())
        return "0";
    const std::size_t fin = polynome.find_first_of("+-", polynome[0] == '-' ? 1 : 0);
    if (fin == std::string::npos) {
        std::string terme = std::move(polynome);
        polynome.clear();
        return terme;
    }
    std::string terme = polynome.substr(0, fin);
    polynome.erase(0, polynome[fin] == '+' ? fin + 1 : fin);
    return terme;
}

namespace {

// Where the exponent starting at i ends: a run of digits, or else one whole
// character (never half of one).
std::size_t apres_exposant(std::string_view t, std::size_t i)
{
    if (i >= t.size())
        return i;
    if (t[i] >= '0' && t[i] <= '9') {
        while (i < t.size() && t[i] >= '0' && t[i] <= '9')
            ++i;
        return i;
    }
    return i + std::max<std::size_t>(1, longueur_caractere_utf8(t, i));
}

} // namespace

void extrait_coefficient(std::string &polynome, std::string &signe, std::string &coefficient)
{
    coefficient = "1";
    signe = "+";
    if (polynome.empty())
        return;
    std::string lu;
    std::size_t i = 0;
    if (polynome[0] == '-') {
        lu = "-";
        signe = "-";
        i = 1;
    }
    if (i < polynome.size() && polynome[i] == 'x')
        lu += '1';
    while (i < polynome.size() && polynome[i] != '-' && polynome[i] != '+') {
        const char c = polynome[i];
        if (c == '^')
            i = apres_exposant(polynome, i + 1);
        else {
            if (c != 'x' && c != '*')
                lu += c;
            ++i;
        }
    }
    i = std::min(i, polynome.size());
    if (i < polynome.size() && polynome[i] == '+')
        ++i;
    polynome.erase(0, i);
    if (!lu.empty())
        coefficient = std::move(lu);
}

void inverse_operateur(std::string &operateur)
{
    if (operateur == "+")
        operateur = "-";
    else if (operateur == "-")
        operateur = "+";
    else if (operateur == "*")
        operateur = "/";
    else if (operateur == "/")
        operateur = "*";
}

void oppose_termes(std::string &t)
{
    const EnonceLu enonce(t);
    const Membre &m = enonce.membres[0];
    if (!m.termes)
        return;
    std::string r;
    for (const Partie &p : m.parties) {
        r += enonce.ecrit(p.etendue);
        if (p.operateur != '\0')
            r += p.operateur == '+' ? '-' : '+';
    }
    t = std::move(r);
}

int regroupe(std::string &membre, int rang, int tour)
{
    const EnonceLu enonce(membre);
    const std::vector<Partie> &parties = enonce.membres[0].parties;
    const int nb_morceaux = static_cast<int>(parties.size());
    const int nb_formes = std::max(0, nb_morceaux - 1);
    // The run must lie within the pieces, or its parentheses would not close
    // (compared without a sum that could overflow).
    const int a = rang, n = tour;
    if (a <= 0 || n < 0 || a > nb_morceaux || n > nb_morceaux - a)
        return nb_formes;

    // Pieces and the operators after them, counted from 1.
    std::vector<std::string> morceaux(1), operateurs(1);
    for (const Partie &p : parties) {
        morceaux.emplace_back(enonce.ecrit(p.etendue));
        operateurs.push_back(p.operateur == '\0' ? std::string() : std::string(1, p.operateur));
    }
    // Behind a "-" (or a "/") the run's inner operators change, so that the
    // value stays. A parenthesised sum after an inner "+" is opened with its
    // signs changed; after an inner "-" it keeps its parentheses.
    if (a > 1 && (operateurs[a - 1] == "-" || operateurs[a - 1] == "/")) {
        for (int k = a; k < a + n; ++k) {
            const bool plus = operateurs[k] == "+";
            inverse_operateur(operateurs[k]);
            if (plus)
                oppose_termes(morceaux[k + 1]);
        }
    }
    std::string r;
    for (int k = 1; k <= nb_morceaux; ++k) {
        if (k == a)
            r += '(';
        r += morceaux[k];
        if (k == a + n)
            r += ')';
        r += operateurs[k];
    }
    membre = std::move(r);
    return nb_formes;
}
