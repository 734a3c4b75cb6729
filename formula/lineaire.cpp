#include "formula/lineaire.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "formula/lecteur.h"

namespace {

// Quick look before reading: a "(" right after an operand can only be a
// product or a function's bracket.
bool peut_avoir_un_produit_cache(std::string_view texte)
{
    for (std::size_t i = 1; i < texte.size(); ++i)
        if (texte[i] == '(' && std::string_view("*+-/<=>(^{,\r\n").find(texte[i - 1]) == std::string_view::npos)
            return true;
    return false;
}

} // namespace

std::string forme_lineaire(std::string_view texte)
{
    std::string resultat(texte);
    if (!peut_avoir_un_produit_cache(texte))
        return resultat;
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre)
        return resultat;
    std::vector<int> positions;
    for (const Noeud &n : arbre->noeuds) {
        if (n.genre != Genre::produit)
            continue;
        for (int k = 1; k < n.nombre_enfants; ++k) {
            const Noeud &facteur = (*arbre)[arbre->enfant(n, k)];
            if (arbre->operateur(n, k) == ' ' && texte[static_cast<std::size_t>(facteur.debut)] == '(')
                positions.push_back(facteur.debut);
        }
    }
    std::sort(positions.begin(), positions.end(), std::greater<>());
    for (int p : positions)
        resultat.insert(static_cast<std::size_t>(p), 1, '*');
    return resultat;
}
