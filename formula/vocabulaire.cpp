#include "formula/vocabulaire.h"

#include <algorithm>

std::optional<Fonction> fonction_nommee(std::string_view nom)
{
    for (std::size_t k = 0; k < NOMS_DE_FONCTIONS.size(); ++k)
        if (NOMS_DE_FONCTIONS[k] == nom)
            return static_cast<Fonction>(k);
    return std::nullopt;
}

std::optional<Fonction> fonction_en(std::string_view texte, std::size_t i)
{
    if (i >= texte.size())
        return std::nullopt;
    for (std::size_t k = 0; k < NOMS_DE_FONCTIONS.size(); ++k)
        if (texte.substr(i).starts_with(NOMS_DE_FONCTIONS[k]))
            return static_cast<Fonction>(k);
    return std::nullopt;
}

std::size_t mot_en(std::string_view texte, std::size_t i)
{
    if (const std::optional<Fonction> f = fonction_en(texte, i))
        return nom_de(*f).size();
    for (std::string_view mot : AUTRES_MOTS)
        if (texte.substr(std::min(i, texte.size())).starts_with(mot))
            return mot.size();
    return 0;
}
