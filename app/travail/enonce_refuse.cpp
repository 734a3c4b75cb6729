#include "app/travail/enonce_refuse.h"

#include "formula/lecteur.h"

std::string refus_enonce(const std::string &texte)
{
    if (texte.empty() || lis_formule(texte))
        return {};
    int profondeur = 0, relations = 0;
    bool fermee_en_trop = false;
    for (std::size_t i = 0; i < texte.size(); ++i) {
        const char c = texte[i];
        if (c == '(')
            ++profondeur;
        else if (c == ')')
            fermee_en_trop |= --profondeur < 0;
        // "<=" and ">=" are one sign.
        else if (c == '=' ? i == 0 || (texte[i - 1] != '<' && texte[i - 1] != '>') : c == '<' || c == '>')
            ++relations;
    }
    if (relations >= 2 && texte.front() != '{')
        return MESSAGE_SYSTEME;
    if (fermee_en_trop)
        return MESSAGE_PARENTHESE_FERMEE;
    if (profondeur > 0)
        return MESSAGE_PARENTHESE_OUVERTE;
    return {};
}
