#include "formula/widget/completion.h"

#include <vector>

namespace dessin {

namespace {

bool attend_operande(char c)
{
    return std::string_view("+-*/^=<>([{,;\n").find(c) != std::string_view::npos;
}

} // namespace

std::optional<std::string> complete_saisie(std::string_view texte)
{
    std::vector<char> fermantes;
    char dernier = '\0';
    for (char c : texte) {
        if (c == '(')
            fermantes.push_back(')');
        else if (c == '[')
            fermantes.push_back(']');
        else if (c == '{')
            fermantes.push_back('}');
        else if (c == ')' || c == ']' || c == '}') {
            if (fermantes.empty() || fermantes.back() != c)
                return std::nullopt;
            fermantes.pop_back();
        }
        if (c != ' ' && c != '\t' && c != '\r')
            dernier = c;
    }
    std::string complet(texte);
    if (attend_operande(dernier))
        complet += LETTRE_A_COMPLETER;
    complet.append(fermantes.rbegin(), fermantes.rend());
    if (complet.size() == texte.size())
        return std::nullopt;
    return complet;
}

} // namespace dessin
