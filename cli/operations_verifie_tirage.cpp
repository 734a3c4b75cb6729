// A draw that makes the statement degenerate, read on the statement as the
// teacher wrote it and the values drawn for its letters.

#include <string>
#include <string_view>
#include <vector>

#include "cli/operations_verifie.h"
#include "formula/vocabulaire.h"

namespace cli {

namespace {

bool lettre(char c) { return c >= 'a' && c <= 'z'; }

// The positions of the teacher's letters that stand alone, words of the formula language skipped.
std::vector<std::size_t> positions_des_lettres(std::string_view modele)
{
    std::vector<std::size_t> positions;
    for (std::size_t i = 0; i < modele.size();) {
        if (const std::size_t n = mot_en(modele, i)) {
            i += n;
            continue;
        }
        if (lettre(modele[i]) && modele[i] != 'x' && modele[i] != 'y')
            positions.push_back(i);
        ++i;
    }
    return positions;
}

// A letter at i that multiplies something: "a*x", "2a", "a(x+1)", "ax", "x/a".
// A letter alone in a calculation ("[a]*x") is read with its brackets.
bool est_facteur(std::string_view m, std::size_t i)
{
    const bool seule = i > 0 && m[i - 1] == '[' && i + 1 < m.size() && m[i + 1] == ']';
    const std::size_t gauche = seule ? i - 1 : i, droite = seule ? i + 1 : i;
    const char avant = gauche > 0 ? m[gauche - 1] : ' ', apres = droite + 1 < m.size() ? m[droite + 1] : ' ';
    const bool chiffre_avant = avant >= '0' && avant <= '9';
    return avant == '*' || avant == '/' || avant == ')' || chiffre_avant || apres == '*' || apres == '(' ||
           apres == '^' || lettre(apres);
}

// The letter at i comes right after `avant` ("(x-", "(x+").
bool suit(std::string_view m, std::size_t i, std::string_view avant)
{
    return i >= avant.size() && m.substr(i - avant.size(), avant.size()) == avant;
}

} // namespace

std::string defaut_tirage(const std::string &modele, const Valeurs &valeurs)
{
    const auto valeur = [&](char l) { return valeurs[static_cast<std::size_t>(l - 'a')]; };
    const std::vector<std::size_t> positions = positions_des_lettres(modele);
    for (std::size_t i : positions)
        if (valeur(modele[i]) == "0" && est_facteur(modele, i))
            return std::string("le tirage donne 0 à « ") + modele[i] +
                   " », qui multiplie dans l'énoncé : ce terme disparaît.";
    // Two letters whose difference the statement relies on: "a-b", or two roots "(x-a)" and "(x-b)".
    const auto meme_racine = [&](std::size_t i, std::size_t j) {
        return (suit(modele, i, "(x-") && suit(modele, j, "(x-")) || (suit(modele, i, "(x+") && suit(modele, j, "(x+"));
    };
    for (std::size_t i : positions)
        for (std::size_t j : positions) {
            const char a = modele[i], b = modele[j];
            if (a >= b || valeur(a).empty() || valeur(a) != valeur(b))
                continue;
            const bool difference = (j == i + 2 && modele[i + 1] == '-') || (i == j + 2 && modele[j + 1] == '-');
            if (difference || meme_racine(i, j))
                return std::string("le tirage donne la même valeur à « ") + a + " » et « " + b +
                       " », dont l'énoncé prend la différence.";
        }
    return {};
}

} // namespace cli
