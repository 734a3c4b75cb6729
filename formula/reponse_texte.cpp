#include "formula/reponse_texte.h"

#include <algorithm>
#include <array>
#include <cctype>

namespace {

using reponse_ecrite::sans_blancs;

constexpr std::array<std::string_view, 5> SANS_SOLUTION = {"pas de solution", "aucune solution", "ensemble vide",
                                                           "vide", "{}"};
constexpr std::array<std::string_view, 8> TOUS_LES_REELS = {"tout réel", "tous les réels", "tout reel",
                                                            "tous les reels", "tout nombre", "tous les nombres",
                                                            "r", "]-inf;inf["};
constexpr std::array<std::string_view, 8> UNE_INFINITE = {"une infinité de solutions", "infinité de solutions",
                                                          "une infinité", "infinité",
                                                          "une infinite de solutions", "infinite de solutions",
                                                          "une infinite", "infinite"};

std::string minuscules(std::string texte)
{
    for (char &c : texte)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return texte;
}

bool est_parmi(const std::string &texte, const auto &mots)
{
    const std::string t = minuscules(sans_blancs(texte));
    return std::any_of(mots.begin(), mots.end(), [&](std::string_view m) { return t == sans_blancs(m); });
}

bool lettre_ou_chiffre(char c) { return std::isalnum(static_cast<unsigned char>(c)) != 0; }

} // namespace

namespace reponse_ecrite {

std::string sans_blancs(std::string_view texte)
{
    std::string r;
    for (char c : texte)
        if (c != ' ' && c != '\t')
            r += c;
    return r;
}

std::string rogne(std::string_view texte)
{
    std::size_t debut = 0, fin = texte.size();
    while (debut < fin && (texte[debut] == ' ' || texte[debut] == '*'))
        ++debut;
    while (fin > debut && (texte[fin - 1] == ' ' || texte[fin - 1] == '*'))
        --fin;
    return std::string(texte.substr(debut, fin - debut));
}

std::string sans_entourage(const std::string &texte, char ouvre, char ferme)
{
    if (texte.size() < 2 || texte.front() != ouvre || texte.back() != ferme)
        return texte;
    int niveau = 0;
    for (std::size_t i = 0; i + 1 < texte.size(); ++i) {
        niveau += texte[i] == ouvre ? 1 : texte[i] == ferme ? -1 : 0;
        if (niveau == 0)
            return texte;
    }
    return rogne(std::string_view(texte).substr(1, texte.size() - 2));
}

std::vector<std::string> decoupe(const std::string &texte, const std::vector<std::string_view> &separateurs)
{
    std::vector<std::string> pieces;
    std::string piece;
    int niveau = 0;
    for (std::size_t i = 0; i < texte.size();) {
        const char c = texte[i];
        if (c == '(' || c == '{')
            ++niveau;
        if (c == ')' || c == '}')
            --niveau;
        std::size_t longueur = 0;
        if (niveau == 0)
            for (std::string_view s : separateurs)
                if (texte.compare(i, s.size(), s) == 0) {
                    const bool mot = std::isalpha(static_cast<unsigned char>(s[0])) != 0;
                    const bool colle = mot && s == "U" &&
                                       ((i > 0 && lettre_ou_chiffre(texte[i - 1])) ||
                                        (i + 1 < texte.size() && lettre_ou_chiffre(texte[i + 1])));
                    if (!colle) {
                        longueur = s.size();
                        break;
                    }
                }
        if (longueur == 0) {
            piece += c;
            ++i;
            continue;
        }
        pieces.push_back(rogne(piece));
        piece.clear();
        i += longueur;
    }
    pieces.push_back(rogne(piece));
    return pieces;
}

bool dit_sans_solution(const std::string &texte)
{
    return est_parmi(texte, SANS_SOLUTION) || sans_blancs(texte) == "([])";
}

bool dit_tous_les_reels(const std::string &texte) { return est_parmi(texte, TOUS_LES_REELS); }

bool dit_une_infinite(const std::string &texte) { return est_parmi(texte, UNE_INFINITE); }

bool est_infini(const std::string &borne) { return borne == "inf" || borne == "-inf"; }

std::string illisible(std::string_view detail) { return std::string(REPONSE_ILLISIBLE) + std::string(detail); }

std::string illisible_formule(const std::string &piece)
{
    return illisible("« " + piece + " » n'est pas une formule.");
}

Sens autre(const std::string &texte)
{
    Sens s;
    s.genre = Sens::Genre::autre;
    s.expression = texte;
    return s;
}

} // namespace reponse_ecrite
