#include "algebra/decoupe.h"

#include <algorithm>
#include <vector>

#include "formula/enonce.h"

void sans_parentheses(std::string &t)
{
    t.erase(std::remove_if(t.begin(), t.end(), [](char c) { return c == '(' || c == ')'; }),
            t.end());
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

AutreForme regroupe(const EnonceLu &enonce, int rang, int tour)
{
    const std::vector<Partie> &parties = enonce.membres[0].parties;
    const int nb_morceaux = static_cast<int>(parties.size());
    const int nb_formes = std::max(0, nb_morceaux - 1);
    // The run must lie within the pieces, or its parentheses would not close
    // (compared without a sum that could overflow).
    const int a = rang, n = tour;
    if (a <= 0 || n < 0 || a > nb_morceaux || n > nb_morceaux - a)
        return {enonce.saisi, nb_formes};

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
    return {std::move(r), nb_formes};
}
