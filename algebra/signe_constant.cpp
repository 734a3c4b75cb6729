#include "algebra/signe_constant.h"

#include <optional>

#include "formula/calcul.h"
#include "formula/forme_normale.h"
#include "formula/lecteur.h"

namespace {

// What is known of a value: nothing, >= 0, or > 0.
enum class Minoration { aucune, positive, stricte };

Minoration moins_bonne(Minoration a, Minoration b) { return a < b ? a : b; }

Minoration minoration(const Somme &s);

Minoration minoration(const Facteur &f)
{
    const Base &b = f.base;
    const bool pair = f.exposant.est_entier() && f.exposant.moitie_entiere() + f.exposant.moitie_entiere() == f.exposant;
    Minoration base = Minoration::aucune;
    switch (b.genre) {
    case Base::Genre::nombre:
        base = b.valeur.signe() > 0 ? Minoration::stricte : Minoration::aucune;
        break;
    case Base::Genre::fonction:
        if (b.nom == "exp")
            base = Minoration::stricte;
        else if (b.nom == "sqrt" || b.nom == "abs")
            base = Minoration::positive;
        break;
    case Base::Genre::groupe:
        base = minoration(b.arguments.front());
        break;
    default:
        break;
    }
    // An even power of anything real is >= 0, of a non-zero value > 0.
    if (pair && base == Minoration::aucune)
        return Minoration::positive;
    return base;
}

Minoration minoration(const Terme &t)
{
    if (t.coefficient.signe() <= 0)
        return Minoration::aucune;
    Minoration m = Minoration::stricte;
    for (const Facteur &f : t.facteurs)
        m = moins_bonne(m, minoration(f));
    return m;
}

// a*x^2+b*x+c with a > 0 and b^2-4ac < 0.
bool trinome_sans_racine(const Somme &s)
{
    Rationnel a, b, c;
    for (const Terme &t : s.termes) {
        if (t.facteurs.empty()) {
            c = t.coefficient;
            continue;
        }
        const Facteur &f = t.facteurs.front();
        if (t.facteurs.size() != 1 || f.base.genre != Base::Genre::lettre || f.base.nom != "x")
            return false;
        if (f.exposant == Rationnel(2))
            a = t.coefficient;
        else if (f.exposant.est_un())
            b = t.coefficient;
        else
            return false;
    }
    return a.signe() > 0 && (b * b - Rationnel(4) * a * c).signe() < 0;
}

Minoration minoration(const Somme &s)
{
    if (s.est_nulle())
        return Minoration::aucune;
    if (trinome_sans_racine(s))
        return Minoration::stricte;
    bool une_stricte = false;
    for (const Terme &t : s.termes) {
        const Minoration m = minoration(t);
        if (m == Minoration::aucune)
            return Minoration::aucune;
        une_stricte = une_stricte || m == Minoration::stricte;
    }
    return une_stricte ? Minoration::stricte : Minoration::positive;
}

} // namespace

SigneConstant signe_constant(std::string_view expression)
{
    const std::optional<Arbre> arbre = lis_formule(expression);
    if (!arbre)
        return SigneConstant::inconnu;
    const std::optional<Somme> forme = forme_algebrique(*arbre, arbre->racine, Reduction::complete);
    if (!forme)
        return SigneConstant::inconnu;
    if (minoration(*forme) == Minoration::stricte)
        return SigneConstant::positif;
    if (minoration(oppose(*forme)) == Minoration::stricte)
        return SigneConstant::negatif;
    return SigneConstant::inconnu;
}
