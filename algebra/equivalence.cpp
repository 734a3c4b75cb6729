#include "algebra/equivalence.h"

#include <optional>
#include <vector>

#include "algebra/algebre.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

// The values of the variable tried, in hundredths, in order: small ones
// first, then larger ones of both signs, where shifted roots and logarithms
// are defined. None is a simple fraction, and negative values tell 'abs(x)'
// from 'x'.
constexpr int POINTS_EN_CENTIEMES[] = {107,   -73,  231,   37,   -149,  319,   -263,  541,
                                       -487,  893,  -721,  1370, -1230, 2190,  -1970, 3430,
                                       -3110, 4970, -4790, 7710, -7330, 12370, -11930, 100130};
constexpr double POINT_PRINCIPAL = 1.07;
// Points where both sides have a value and agree, needed before two texts
// are called equivalent.
constexpr int POINTS_NECESSAIRES = 4;

Rationnel centiemes(std::int64_t n) { return *Rationnel(n).divise(Rationnel(100)); }

const std::vector<Rationnel> &points()
{
    static const std::vector<Rationnel> valeurs = [] {
        std::vector<Rationnel> r;
        for (int n : POINTS_EN_CENTIEMES)
            r.push_back(centiemes(n));
        return r;
    }();
    return valeurs;
}

// Points close on both sides of a sample point, to tell a value excluded
// there alone from an excluded stretch.
const Rationnel &voisinage()
{
    static const Rationnel ecart = *Rationnel(1).divise(Rationnel(1000));
    return ecart;
}

// A text read for the comparison, with its variable.
struct Formule {
    std::optional<Arbre> arbre;
    bool comparable = false;
    char variable = '\0';   // its one letter, none for a number

    explicit Formule(const std::string &texte) : arbre(lis_formule(texte))
    {
        if (!arbre)
            return;
        comparable = true;
        for (const Noeud &n : arbre->noeuds) {
            if (n.genre == Genre::vecteur)
                comparable = false;
            if (n.genre != Genre::lettre)
                continue;
            const char lettre = arbre->mot(n)[0];
            comparable = comparable && (variable == '\0' || variable == lettre);
            variable = lettre;
        }
    }

    Valeur en(const Rationnel &x, char lettre) const { return valeur_exacte(*arbre, x, lettre); }
};

// Undefined at x alone: defined close by on both sides.
bool exclue_en_un_point(const Formule &f, const Rationnel &x, char lettre)
{
    return f.en(x - voisinage(), lettre).lecture == Definition::definie &&
           f.en(x + voisinage(), lettre).lecture == Definition::definie;
}

// Told apart by one point where both have a value and the values differ, or
// where one has a value and the other is undefined around it; shown
// equivalent by enough points where both agree. Values excluded at a point
// alone, and values too large for a double, prove nothing.
int compare_aux_points(const Formule &a, const Formule &b, char lettre)
{
    int accords = 0;
    for (const Rationnel &x : points()) {
        const Valeur va = a.en(x, lettre), vb = b.en(x, lettre);
        const bool da = va.lecture == Definition::definie, db = vb.lecture == Definition::definie;
        if (da && db) {
            if (!meme_nombre(va, vb))
                return NON_EQUIVALENTES;
            if (++accords == POINTS_NECESSAIRES)
                return EQUIVALENTES;
        } else if (da != db) {
            const Valeur &manquante = da ? vb : va;
            if (manquante.lecture == Definition::indefinie && !exclue_en_un_point(da ? b : a, x, lettre))
                return NON_EQUIVALENTES;
        }
    }
    return EQUIVALENCE_NON_DEMONTREE;
}

} // namespace

int compare_expressions(const std::string &a, const std::string &b)
{
    const Formule fa(a), fb(b);
    if (!fa.comparable || !fb.comparable ||
        (fa.variable != '\0' && fb.variable != '\0' && fa.variable != fb.variable))
        return NON_COMPARABLES;
    return compare_aux_points(fa, fb, fa.variable != '\0' ? fa.variable : fb.variable);
}

int compare_ecritures(const std::string &a, const std::string &b)
{
    const EnonceLu ea(a), eb(b);
    if (ea.nature == EXPRESSION && eb.nature == EXPRESSION)
        return compare_expressions(a, b);
    if (ea.nature == EXPRESSION || eb.nature == EXPRESSION)
        return NON_EQUIVALENTES;
    if (ea.nature != eb.nature || ea.nature == SYSTEME)
        return a == b ? EQUIVALENTES : EQUIVALENCE_NON_DEMONTREE;
    const std::string ga = ea.membre(0), da = ea.membre(1);
    const std::string gb = eb.membre(0), db = eb.membre(1);
    const std::string ecart_a = "(" + ga + ")-(" + da + ")";
    const bool egalite = ea.nature == EQUATION;
    if ((compare_expressions(ga, gb) == EQUIVALENTES && compare_expressions(da, db) == EQUIVALENTES) ||
        compare_expressions(ecart_a, "(" + gb + ")-(" + db + ")") == EQUIVALENTES ||
        (egalite && compare_expressions(ecart_a, "(" + db + ")-(" + gb + ")") == EQUIVALENTES))
        return EQUIVALENTES;
    return EQUIVALENCE_NON_DEMONTREE;
}

bool nulle_part_definie(const std::string &texte)
{
    const Formule f(texte);
    if (!f.arbre)
        return false;
    for (const Rationnel &x : points()) {
        const Definition d = f.en(x, f.variable != '\0' ? f.variable : 'x').lecture;
        if (d == Definition::definie || d == Definition::illisible)
            return false;
    }
    return true;
}

bool egal_en_un_point(const std::string &a, const std::string &b)
{
    const Valeur va = valeur_ordinaire(a, POINT_PRINCIPAL), vb = valeur_ordinaire(b, POINT_PRINCIPAL);
    if (va.lecture != Definition::definie || vb.lecture != Definition::definie)
        return va.lecture != Definition::definie && vb.lecture != Definition::definie;
    return meme_nombre(va, vb);
}
