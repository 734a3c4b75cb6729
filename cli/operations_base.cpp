// Operations of the statement model, the split and the small text tools.

#include <array>
#include <cstdio>
#include <string>
#include <string_view>

#include "algebra/denominateurs.h"
#include "cli/registre.h"
#include "algebra/algebre.h"
#include "algebra/decoupe.h"
#include "core/partage.h"

namespace cli {

namespace {

// Length of the valid UTF-8 sequence at s[i], or 0 when the byte there does
// not begin one.
std::size_t longueur_utf8(std::string_view s, std::size_t i)
{
    const auto octet = [&](std::size_t k) { return static_cast<unsigned char>(s[k]); };
    const unsigned char c = octet(i);
    if (c < 0x80)
        return 1;
    std::size_t n = 0;
    unsigned char min = 0x80, max = 0xBF;   // bounds of the second byte
    if (c >= 0xC2 && c <= 0xDF)
        n = 2;
    else if (c >= 0xE0 && c <= 0xEF) {
        n = 3;
        if (c == 0xE0)
            min = 0xA0;
        else if (c == 0xED)
            max = 0x9F;
    } else if (c >= 0xF0 && c <= 0xF4) {
        n = 4;
        if (c == 0xF0)
            min = 0x90;
        else if (c == 0xF4)
            max = 0x8F;
    } else
        return 0;
    if (i + n > s.size() || octet(i + 1) < min || octet(i + 1) > max)
        return 0;
    for (std::size_t k = 2; k < n; ++k)
        if (octet(i + k) < 0x80 || octet(i + k) > 0xBF)
            return 0;
    return n;
}

std::string chaine_json(std::string_view s)
{
    std::string r = "\"";
    for (std::size_t i = 0; i < s.size();) {
        const unsigned char c = static_cast<unsigned char>(s[i]);
        const std::size_t n = longueur_utf8(s, i);
        if (n > 1) {
            r.append(s.substr(i, n));
            i += n;
            continue;
        }
        switch (c) {
        case '"': r += "\\\""; break;
        case '\\': r += "\\\\"; break;
        case '\n': r += "\\n"; break;
        case '\r': r += "\\r"; break;
        case '\t': r += "\\t"; break;
        default:
            if (c < 0x20 || n == 0) {
                char code[8];
                std::snprintf(code, sizeof code, "\\u%04x", c);
                r += code;
            } else {
                r += static_cast<char>(c);
            }
        }
        ++i;
    }
    return r + "\"";
}

template <typename T, typename Ecrit>
std::string tableau_json(const std::array<T, 8> &valeurs, Ecrit ecrit)
{
    std::string r = "[";
    for (std::size_t k = 0; k < valeurs.size(); ++k) {
        if (k > 0)
            r += ',';
        r += ecrit(valeurs[k]);
    }
    return r + "]";
}

// A member as the program's first statement model described it: its eight
// pieces (a product's factors without their brackets), the operators after
// them, each piece's exponent or function code, base, power written out and
// degree, and the counts of additive and multiplicative operators.
std::string membre_json(const EnonceLu &enonce, std::size_t rang)
{
    std::array<std::string, 8> morceaux, operateurs, bases, developpes;
    std::array<int, 8> exposants{}, degres{};
    int nb_additifs = 0, nb_multiplicatifs = 0, degre_total = 0;
    std::string libelle;
    if (rang < enonce.membres.size()) {
        const Membre &membre = enonce.membres[rang];
        libelle = libelle_des_parties(enonce, membre);
        exposants.fill(1);   // an empty piece of a member has exponent 1
        const std::vector<std::string> ecrits = morceaux_du_membre(enonce, membre);
        for (std::size_t k = 0; k < ecrits.size(); ++k) {
            morceaux[k] = morceau_sans_parentheses(membre, k, ecrits[k]);
            operateurs[k] = operateur_apres(membre, k);
            Puissance puissance = separe_puissance(ecrits[k]);
            bases[k] = std::move(puissance.base);
            exposants[k] = puissance.exposant;
            developpes[k] = std::move(puissance.developpe);
            degres[k] = degre(ecrits[k]);
            if (k < 7)
                degre_total += degres[k];
            nb_additifs += operateurs[k] == "+" || operateurs[k] == "-";
            nb_multiplicatifs += operateurs[k] == "*" || operateurs[k] == "/";
        }
    }
    const auto texte = [](const std::string &s) { return chaine_json(s); };
    const auto entier = [](int v) { return std::to_string(v); };
    return "{\"texte\":" + chaine_json(enonce.membre(rang)) + ",\"libelle\":" + chaine_json(libelle) +
           ",\"morceaux\":" + tableau_json(morceaux, texte) +
           ",\"operateurs_membre\":" + tableau_json(operateurs, texte) +
           ",\"exposants\":" + tableau_json(exposants, entier) +
           ",\"bases\":" + tableau_json(bases, texte) +
           ",\"developpes\":" + tableau_json(developpes, texte) +
           ",\"degres\":" + tableau_json(degres, entier) +
           ",\"nb_additifs\":" + entier(nb_additifs) +
           ",\"nb_multiplicatifs\":" + entier(nb_multiplicatifs) +
           ",\"degre_total\":" + entier(degre_total) + "}";
}

std::string algebre_json(const EnonceLu &e)
{
    return "{\"nature\":" + std::to_string(e.nature) + ",\"texte\":" + chaine_json(e.texte) +
           ",\"membre_gauche\":" + membre_json(e, 0) +
           ",\"membre_droit\":" + membre_json(e, 1) + "}";
}

} // namespace

void enregistre_base(Registre &r)
{
    r.operation("TDalgebre", {"TEXTE"},
                [](const Arguments &a) { return algebre_json(EnonceLu(a[0])); });
    r.operation("degre", {"TEXTE"}, [](const Arguments &a) { return std::to_string(degre(a[0])); });
    r.operation("forme_lisible", {"TEXTE"}, [](const Arguments &a) { return forme_lisible(a[0]); });
    r.operation("groupe_fractions_numeriques", {"TEXTE"}, sur_le_texte(groupe_fractions_numeriques));
    r.operation("groupe_denominateurs", {"TEXTE"}, sur_le_texte(groupe_denominateurs));
    r.operation("oppose_termes", {"TEXTE"}, sur_le_texte(oppose_termes));
    r.operation("separe_puissance", {"TEXTE"}, [](const Arguments &a) {
        const Puissance p = separe_puissance(a[0]);
        return champs({p.base, std::to_string(p.exposant), p.developpe});
    });
    r.operation("regroupe", {"TEXTE", "RANG", "TOUR"}, [](const Arguments &a) {
        return regroupe(EnonceLu(a[0]), entier(a[1]), entier(a[2])).texte;
    });
}

} // namespace cli
