#include "formula/lineaire.h"

#include <algorithm>
#include <optional>
#include <vector>

#include "formula/lecteur.h"

namespace {

// After these a "(" is never a product: an operator, an opening bracket, a
// power, a separator or a line break.
bool termine_un_operande(char c)
{
    return std::string_view("*+-/<=>(^{,\r\n").find(c) == std::string_view::npos;
}

// Quick look before reading: a "(" right after an operand can only be a
// product or a function's bracket.
bool peut_avoir_un_produit_cache(std::string_view texte)
{
    for (std::size_t i = 1; i < texte.size(); ++i)
        if (texte[i] == '(' && termine_un_operande(texte[i - 1]))
            return true;
    return false;
}

// Positions in the read text of the "(" that open a factor written right
// after another one, with no "*".
std::vector<int> produits_caches(const Arbre &arbre, std::string_view texte)
{
    std::vector<int> positions;
    for (const Noeud &n : arbre.noeuds) {
        if (n.genre != Genre::produit)
            continue;
        for (int k = 1; k < n.nombre_enfants; ++k) {
            const Noeud &facteur = arbre[arbre.enfant(n, k)];
            if (arbre.operateur(n, k) == ' ' && texte[static_cast<std::size_t>(facteur.debut)] == '(')
                positions.push_back(facteur.debut);
        }
    }
    return positions;
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
    std::vector<int> positions = produits_caches(*arbre, texte);
    std::sort(positions.begin(), positions.end(), std::greater<>());
    for (int p : positions)
        resultat.insert(static_cast<std::size_t>(p), 1, '*');
    return resultat;
}

bool produit_avant_parenthese(std::string_view avant)
{
    if (avant.empty() || !termine_un_operande(avant.back()))
        return false;
    // The text as it would read with a bracket opened and every bracket closed.
    std::string essai(avant);
    const auto ouvertes = std::count(avant.begin(), avant.end(), '(') - std::count(avant.begin(), avant.end(), ')');
    essai += "(1)";
    essai.append(static_cast<std::size_t>(std::max<std::ptrdiff_t>(0, ouvertes)), ')');
    const std::optional<Arbre> arbre = lis_formule(essai);
    if (!arbre)
        return true;
    const std::vector<int> positions = produits_caches(*arbre, essai);
    return std::find(positions.begin(), positions.end(), static_cast<int>(avant.size())) != positions.end();
}
