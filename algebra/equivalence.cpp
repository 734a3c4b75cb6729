#include "algebra/equivalence.h"

#include <optional>

#include "algebra/algebre.h"
#include "formula/confronte.h"
#include "formula/lecteur.h"
#include "formula/valeur.h"

namespace {

constexpr double POINT_PRINCIPAL = 1.07;
// Points where both sides have a value and agree, needed before two texts
// are called equivalent.
constexpr int POINTS_NECESSAIRES = 4;

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
};

} // namespace

int compare_expressions(const std::string &a, const std::string &b)
{
    const Formule fa(a), fb(b);
    if (!fa.comparable || !fb.comparable ||
        (fa.variable != '\0' && fb.variable != '\0' && fa.variable != fb.variable))
        return NON_COMPARABLES;
    // Told apart by one point where the values differ, or where one has a
    // value and the other is undefined around it; shown equivalent by enough
    // points where both agree.
    const Confrontation c =
        confronte(*fa.arbre, *fb.arbre, fa.variable != '\0' ? fa.variable : fb.variable, POINTS_NECESSAIRES);
    if (c.valeurs_differentes || c.domaines_differents)
        return NON_EQUIVALENTES;
    return c.accords >= POINTS_NECESSAIRES ? EQUIVALENTES : EQUIVALENCE_NON_DEMONTREE;
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
    // A formula agrees with itself wherever it has a value.
    const Formule f(texte);
    if (!f.arbre)
        return false;
    const Confrontation c = confronte(*f.arbre, *f.arbre, f.variable != '\0' ? f.variable : 'x', 1);
    return !c.illisible && c.accords == 0;
}

bool egal_en_un_point(const std::string &a, const std::string &b)
{
    const Valeur va = valeur_ordinaire(a, POINT_PRINCIPAL), vb = valeur_ordinaire(b, POINT_PRINCIPAL);
    if (va.lecture != Definition::definie || vb.lecture != Definition::definie)
        return va.lecture != Definition::definie && vb.lecture != Definition::definie;
    return meme_nombre(va, vb);
}
