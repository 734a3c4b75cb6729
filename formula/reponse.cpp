#include "formula/reponse.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <cmath>
#include <utility>

#include "formula/lecteur.h"
#include "formula/lineaire.h"
#include "formula/reponse_texte.h"
#include "formula/valeur.h"

using namespace reponse_ecrite;

namespace {

// The signs a pupil types or pastes, in the formula language.
constexpr std::array<std::pair<std::string_view, std::string_view>, 15> SIGNES = {{
    {"≤", "<="}, {"≥", ">="}, {"∞", "inf"}, {"−", "-"}, {"×", "*"}, {"·", "*"}, {"÷", "/"},
    {"²", "^2"}, {"³", "^3"}, {"∪", " U "}, {"ℝ", " R "}, {"∅", "{}"}, {"\xC2\xA0", " "},
    {"\r\n", ";"}, {"@", ";"},
}};

std::string remplace(std::string texte, std::string_view avant, std::string_view apres)
{
    for (std::size_t p = texte.find(avant); p != std::string::npos; p = texte.find(avant, p + apres.size()))
        texte.replace(p, avant.size(), apres);
    return texte;
}

bool chiffre(char c) { return c >= '0' && c <= '9'; }

// The answer in the formula language's signs, without the "S =" or "x ∈"
// before a solution set.
std::string prepare(std::string_view texte)
{
    std::string t(texte);
    for (const auto &[avant, apres] : SIGNES)
        t = remplace(std::move(t), avant, apres);
    t = remplace(std::move(t), "+inf", "inf");
    t = rogne(t);
    // "S =" names the solution set, "x ∈" says where x lies.
    for (const auto &[nom, signe] : {std::pair{'S', std::string_view("=")}, std::pair{'x', std::string_view("∈")}}) {
        if (t.size() < 2 || t[0] != nom)
            continue;
        std::size_t p = 1;
        while (p < t.size() && t[p] == ' ')
            ++p;
        if (t.compare(p, signe.size(), signe) == 0 && t.compare(p, 2, "==") != 0)
            t = rogne(std::string_view(t).substr(p + signe.size()));
    }
    return t;
}

bool contient_lettre(const Arbre &arbre, int i, char nom)
{
    const Noeud &n = arbre[i];
    if (n.genre == Genre::lettre && arbre.mot(n)[0] == nom)
        return true;
    for (int k = 0; k < n.nombre_enfants; ++k)
        if (contient_lettre(arbre, arbre.enfant(n, k), nom))
            return true;
    return false;
}

// One value of a list: "v", "x=v" or "v=x". The name is the letter isolated
// ('\0' when the value is unnamed); no value when it is not a solved form.
struct Valeur_nommee {
    char nom = '\0';
    std::string valeur;
};

std::optional<Valeur_nommee> valeur_nommee(const Arbre &arbre, const std::string &texte)
{
    const Noeud &r = arbre[arbre.racine];
    const auto texte_de = [&](int i) {
        const Noeud &n = arbre[i];
        return texte.substr(static_cast<std::size_t>(n.debut), static_cast<std::size_t>(n.fin - n.debut));
    };
    if (r.genre != Genre::relation) {
        if (contient_lettre(arbre, arbre.racine, 'x') || contient_lettre(arbre, arbre.racine, 'y'))
            return std::nullopt;
        return Valeur_nommee{'\0', arbre.texte};
    }
    if (arbre.mot(r) != "=")
        return std::nullopt;
    for (int cote = 0; cote < 2; ++cote) {
        const Noeud &seul = arbre[arbre.enfant(r, cote)];
        const int autre = arbre.enfant(r, 1 - cote);
        if (seul.genre == Genre::lettre && !contient_lettre(arbre, autre, arbre.mot(seul)[0]))
            return Valeur_nommee{arbre.mot(seul)[0], sans_blancs(texte_de(autre))};
    }
    return std::nullopt;
}

// The values of an equation or the pair of a system.
LectureReponse lis_valeurs(const std::string &texte, NatureEnonce nature)
{
    Sens sens;
    sens.genre = nature == NatureEnonce::systeme ? Sens::Genre::couple : Sens::Genre::valeurs;
    // No solution; every real for an equation; for a system, infinitely many
    // pairs, said in words or as the program writes it ("R").
    if (dit_sans_solution(texte))
        return {sens, {}};
    if (dit_tous_les_reels(texte) || (nature == NatureEnonce::systeme && dit_une_infinite(texte))) {
        sens.tous_les_reels = true;
        return {sens, {}};
    }
    std::string liste = sans_entourage(texte, '{', '}');
    if (nature == NatureEnonce::systeme)
        liste = sans_entourage(liste, '(', ')');
    // A comma left after the decimal ones separates values ("2,-3").
    const std::vector<std::string_view> separateurs = {";", "*et*", "et", "ou", ","};
    std::vector<std::string> pieces = decoupe(liste, separateurs);
    if (pieces.size() == 1 && pieces[0].empty())
        return {std::nullopt, illisible("la réponse est vide.")};
    if (pieces.size() > PARTIES_MAX)
        return {std::nullopt, illisible("elle a trop de valeurs.")};
    std::vector<Valeur_nommee> valeurs;
    for (const std::string &piece : pieces) {
        if (piece.empty())
            return {std::nullopt, illisible("une valeur manque entre deux séparateurs.")};
        const std::optional<Arbre> arbre = lis_formule(piece);
        if (!arbre)
            return {std::nullopt, illisible_formule(piece)};
        const std::optional<Valeur_nommee> v = valeur_nommee(*arbre, piece);
        if (!v)
            return {autre(texte), {}};
        valeurs.push_back(*v);
    }
    if (nature == NatureEnonce::systeme) {
        if (valeurs.size() != 2)
            return {autre(texte), {}};
        // A pair named the other way round ("y=2 et x=3") is put back in order.
        if (valeurs[0].nom == 'y' && valeurs[1].nom == 'x')
            std::swap(valeurs[0], valeurs[1]);
        else if ((valeurs[0].nom != '\0' && valeurs[0].nom != 'x') ||
                 (valeurs[1].nom != '\0' && valeurs[1].nom != 'y'))
            return {autre(texte), {}};
    } else if (std::any_of(valeurs.begin(), valeurs.end(),
                           [](const Valeur_nommee &v) { return v.nom != '\0' && v.nom != 'x'; })) {
        return {autre(texte), {}};
    }
    for (const Valeur_nommee &v : valeurs)
        sens.valeurs.push_back(v.valeur);
    return {sens, {}};
}

} // namespace

std::string virgules_decimales(std::string texte, bool couples)
{
    if (texte.find("domain(") != std::string::npos ||
        (couples && texte.find(';') == std::string::npos && texte.find_first_of("([]") != std::string::npos))
        return texte;
    for (std::size_t i = 1; i + 1 < texte.size(); ++i)
        if (texte[i] == ',' && chiffre(texte[i - 1]) && chiffre(texte[i + 1]))
            texte[i] = '.';
    return texte;
}

LectureReponse lis_reponse(std::string_view texte, NatureEnonce nature)
{
    const bool couples = nature == NatureEnonce::systeme || nature == NatureEnonce::inequation;
    const std::string t = virgules_decimales(prepare(texte), couples);
    if (sans_blancs(t).empty())
        return {std::nullopt, illisible("la réponse est vide.")};
    switch (nature) {
    case NatureEnonce::equation:
    case NatureEnonce::systeme:
        return lis_valeurs(t, nature);
    case NatureEnonce::inequation:
        return lis_intervalles(t);
    case NatureEnonce::expression:
        break;
    }
    const std::string formule = forme_lineaire(sans_blancs(t));
    if (!lis_formule(formule))
        return {std::nullopt, illisible_formule(rogne(t))};
    Sens sens;
    sens.expression = formule;
    return {sens, {}};
}

NatureEnonce nature_enonce(const EnonceLu &enonce)
{
    switch (enonce.nature) {
    case EXPRESSION:
        return NatureEnonce::expression;
    case EQUATION:
        return NatureEnonce::equation;
    case SYSTEME:
        return NatureEnonce::systeme;
    default:
        return NatureEnonce::inequation;
    }
}

NatureEnonce nature_enonce(std::string_view enonce) { return nature_enonce(EnonceLu(enonce)); }

double position_reelle(const std::string &borne)
{
    if (borne == "-inf")
        return -INFINITY;
    if (borne == "inf")
        return INFINITY;
    const Valeur v = valeur_ordinaire(borne, 0);
    return v.lecture == Definition::definie ? v.nombre : NAN;
}

std::string ecrit_sens(const Sens &sens)
{
    std::string r;
    switch (sens.genre) {
    case Sens::Genre::valeurs:
    case Sens::Genre::couple:
        if (sens.tous_les_reels)
            return "R";
        if (sens.valeurs.empty())
            return "([])";
        for (const std::string &v : sens.valeurs)
            r += (r.empty() ? "" : "*et*") + v;
        return r;
    case Sens::Genre::intervalles: {
        if (sens.intervalles.empty())
            return "([])";
        const bool union_ = sens.intervalles.size() > 1;
        for (const Intervalle &i : sens.intervalles) {
            const std::string partie =
                i.bas == i.haut && !est_infini(i.bas)
                    ? "[" + i.bas + "]"
                    : "domain(x," + i.bas + "," + i.haut + "," +
                          (i.bas_ouvert ? (i.haut_ouvert ? "12" : "14") : (i.haut_ouvert ? "15" : "13")) + ")";
            r += (r.empty() ? "" : "or") + (union_ || partie[0] == '[' ? "(" + partie + ")" : partie);
        }
        return r;
    }
    case Sens::Genre::expression:
    case Sens::Genre::autre:
        break;
    }
    return sens.expression;
}
