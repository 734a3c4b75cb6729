#include "algebra/equivalence.h"

#include <algorithm>
#include <cmath>
#include <optional>
#include <string_view>
#include <vector>

#include "core/algebre.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"
#include "formula/vocabulaire.h"

namespace {

// The values of the variable tried, in hundredths, in order: small ones
// first, then larger ones of both signs, where shifted roots and logarithms
// are defined. None is a simple fraction, and negative values tell 'abs(x)'
// from 'x'.
constexpr int POINTS_EN_CENTIEMES[] = {107,  -73,  231,  37,    -149,  319,   -263,  541,
                                       -487, 893,  -721, 1370,  -1230, 2190,  -1970, 3430,
                                       -3110, 4970, -4790, 7710, -7330, 12370, -11930, 100130};
constexpr double POINT_PRINCIPAL = 1.07;

const std::vector<Rationnel> &points()
{
    static const std::vector<Rationnel> valeurs = [] {
        std::vector<Rationnel> r;
        for (int centiemes : POINTS_EN_CENTIEMES)
            r.push_back(*Rationnel(centiemes).divise(Rationnel(100)));
        return r;
    }();
    return valeurs;
}

// Points where both sides have a trusted value and agree, needed before two
// texts are called equivalent.
constexpr int POINTS_NECESSAIRES = 4;

// The mark of the k-th function name: "&1" for the first.
std::string marque(std::size_t k) { return {'&', static_cast<char>('1' + k)}; }

// The letters of a text, with function names masked.
struct Lettres {
    bool majuscule = false;
    int nb_minuscules = 0;
    char minuscule = '\0';   // the last in alphabetical order
};

Lettres lettres(const std::string &texte)
{
    bool vue[26] = {};
    Lettres l;
    for (char c : texte) {
        if (c >= 'A' && c <= 'Z')
            l.majuscule = true;
        if (c >= 'a' && c <= 'z' && !vue[c - 'a']) {
            vue[c - 'a'] = true;
            ++l.nb_minuscules;
            if (c > l.minuscule)
                l.minuscule = c;
        }
    }
    return l;
}

// Two texts are told apart by one point where both have a value and the
// values differ; they are shown equivalent by enough points where both
// agree. A point where either side has no value proves nothing.
int compare_aux_points(const std::string &a, const std::string &b)
{
    const std::optional<Arbre> arbre_a = lis_formule(a), arbre_b = lis_formule(b);
    if (!arbre_a || !arbre_b)
        return EQUIVALENCE_NON_DEMONTREE;
    int accords = 0;
    for (const Rationnel &x : points()) {
        const Valeur va = valeur_exacte(*arbre_a, x), vb = valeur_exacte(*arbre_b, x);
        if (va.lecture != Definition::definie || vb.lecture != Definition::definie)
            continue;
        if (!meme_nombre(va, vb))
            return NON_EQUIVALENTES;
        if (++accords == POINTS_NECESSAIRES)
            return EQUIVALENTES;
    }
    return EQUIVALENCE_NON_DEMONTREE;
}

} // namespace

int compare_expressions(std::string a, std::string b)
{
    if (a.empty())
        return NON_COMPARABLES;
    masque_fonctions(a);
    masque_fonctions(b);
    const Lettres la = lettres(a), lb = lettres(b);
    if (la.majuscule || lb.majuscule || la.nb_minuscules > 1 || lb.nb_minuscules > 1)
        return NON_COMPARABLES;
    if (la.minuscule != '\0' && lb.minuscule != '\0' && la.minuscule != lb.minuscule)
        return NON_COMPARABLES;
    if (la.minuscule != '\0')
        remplace_tout(a, std::string(1, la.minuscule), "x");
    if (lb.minuscule != '\0')
        remplace_tout(b, std::string(1, lb.minuscule), "x");
    demasque_fonctions(a);
    demasque_fonctions(b);
    return compare_aux_points(a, b);
}

int compare_ecritures(const std::string &a, const std::string &b)
{
    const TDalgebre ea(a), eb(b);
    if (ea.nature == EXPRESSION && eb.nature == EXPRESSION)
        return compare_expressions(a, b);
    if (ea.nature == EXPRESSION || eb.nature == EXPRESSION)
        return NON_EQUIVALENTES;
    if (ea.nature != eb.nature || ea.nature == SYSTEME)
        return a == b ? EQUIVALENTES : EQUIVALENCE_NON_DEMONTREE;
    const std::string &ga = ea.membre_gauche.texte, &da = ea.membre_droit.texte;
    const std::string &gb = eb.membre_gauche.texte, &db = eb.membre_droit.texte;
    const std::string ecart_a = "(" + ga + ")-(" + da + ")";
    const bool egalite = ea.nature == EQUATION;
    if ((compare_expressions(ga, gb) == EQUIVALENTES && compare_expressions(da, db) == EQUIVALENTES) ||
        compare_expressions(ecart_a, "(" + gb + ")-(" + db + ")") == EQUIVALENTES ||
        (egalite && compare_expressions(ecart_a, "(" + db + ")-(" + gb + ")") == EQUIVALENTES))
        return EQUIVALENTES;
    return EQUIVALENCE_NON_DEMONTREE;
}

bool egal_en_un_point(const std::string &a, const std::string &b)
{
    const Valeur va = valeur_ordinaire(a, POINT_PRINCIPAL), vb = valeur_ordinaire(b, POINT_PRINCIPAL);
    if (va.lecture != Definition::definie || vb.lecture != Definition::definie)
        return va.lecture != Definition::definie && vb.lecture != Definition::definie;
    return meme_nombre(va, vb);
}

void masque_fonctions(std::string &texte)
{
    for (std::size_t k = 0; k < NOMS_DE_FONCTIONS.size(); ++k)
        remplace_tout(texte, std::string(NOMS_DE_FONCTIONS[k]), marque(k));
}

void demasque_fonctions(std::string &texte)
{
    for (std::size_t k = 0; k < NOMS_DE_FONCTIONS.size(); ++k)
        remplace_tout(texte, marque(k), std::string(NOMS_DE_FONCTIONS[k]));
}

void remplace_tout(std::string &texte, const std::string &ancien, const std::string &nouveau)
{
    if (ancien.empty() || texte.find(ancien) == std::string::npos)
        return;
    if (nouveau.size() >= ancien.size()) {
        // One pass from left to right: repeating could go on for ever when
        // the replacement brings old back.
        remplace_chaque(texte, ancien, nouveau);
        return;
    }
    // A shorter replacement can bring old back around it, and that one is
    // replaced too, as if the first occurrence were replaced again and again.
    // Characters still to read are kept reversed, so that the replacement
    // goes back in front of them to be read again.
    std::string resultat;
    resultat.reserve(texte.size());
    std::string a_lire(texte.rbegin(), texte.rend());
    while (!a_lire.empty()) {
        resultat += a_lire.back();
        a_lire.pop_back();
        if (resultat.ends_with(ancien)) {
            resultat.resize(resultat.size() - ancien.size());
            a_lire.append(nouveau.rbegin(), nouveau.rend());
        }
    }
    texte = std::move(resultat);
}
