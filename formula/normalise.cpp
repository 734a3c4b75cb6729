#include "formula/normalise.h"

#include <algorithm>

#include "formula/forme_normale.h"
#include "formula/lecteur.h"

namespace {

std::string sans_espaces(std::string_view texte)
{
    std::string r(texte);
    std::erase_if(r, [](char c) { return c == ' ' || c == '\t'; });
    return r;
}

std::string normalise_avec(std::string_view texte, Reduction reduction)
{
    const auto arbre = lis_formule(texte);
    if (!arbre)
        return sans_espaces(texte);
    const auto resultat = ecrit_forme_normale(*arbre, reduction);
    return resultat ? *resultat : sans_espaces(texte);
}

} // namespace

std::string normalise(std::string_view texte) { return normalise_avec(texte, Reduction::complete); }
std::string normalise_brut(std::string_view texte) { return normalise_avec(texte, Reduction::brute); }
