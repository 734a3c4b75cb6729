#include "formula/confronte.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "formula/valeur.h"

namespace {

// In hundredths, in the order they are tried: small values first, then larger
// ones of both signs, where shifted roots and logarithms are defined, none a
// simple fraction, and negative values tell 'abs(x)' from 'x'. Last, the
// simple values where a forbidden value is often found.
constexpr int POINTS_EN_CENTIEMES[] = {107,   -73,  231,   37,   -149,  319,   -263,  541,   -487, 893,
                                       -721,  1370, -1230, 2190,  -1970, 3430,  -3110, 4970,  -4790, 7710,
                                       -7330, 12370, -11930, 100130, 0,   100,   -100,  200,   -200, 300,
                                       -300,  50,   -50};

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

const Rationnel &voisinage()
{
    static const Rationnel ecart = *Rationnel(1).divise(Rationnel(1000));
    return ecart;
}

bool definie(const Valeur &v) { return v.lecture == Definition::definie; }

// Undefined at x alone: defined close by on both sides.
bool exclue_en_un_point(const Arbre &f, const Rationnel &x, char variable)
{
    return definie(valeur_exacte(f, x - voisinage(), variable)) && definie(valeur_exacte(f, x + voisinage(), variable));
}

bool a_la_lettre(const Arbre &f, char variable)
{
    return std::any_of(f.noeuds.begin(), f.noeuds.end(),
                       [&](const Noeud &n) { return n.genre == Genre::lettre && f.mot(n)[0] == variable; });
}

bool proches(double a, double b) { return std::fabs(a - b) <= 0.05 * std::max({1.0, std::fabs(a), std::fabs(b)}); }

} // namespace

Confrontation confronte(const Arbre &a, const Arbre &b, char variable, int accords_suffisants)
{
    Confrontation c;
    // Formulas without the letter have one value: one point tells all.
    const bool une_valeur = !a_la_lettre(a, variable) && !a_la_lettre(b, variable);
    const bool arret = accords_suffisants > 0;
    for (const Rationnel &x : points()) {
        const Valeur va = valeur_exacte(a, x, variable), vb = valeur_exacte(b, x, variable);
        if (va.lecture == Definition::illisible || vb.lecture == Definition::illisible) {
            c.illisible = true;
            return c;
        }
        if (definie(va) && definie(vb)) {
            if (meme_nombre(va, vb)) {
                ++c.accords;
                if (arret && c.accords == accords_suffisants)
                    return c;
            } else {
                c.valeurs_differentes = true;
                c.approchee = c.approchee && proches(va.nombre, vb.nombre);
                if (arret)
                    return c;
            }
        } else if (definie(va) != definie(vb)) {
            // A value too large for a double proves nothing.
            const Valeur &manquante = definie(va) ? vb : va;
            if (manquante.lecture == Definition::indefinie) {
                if (exclue_en_un_point(definie(va) ? b : a, x, variable)) {
                    c.valeur_interdite = true;
                } else {
                    c.domaines_differents = true;
                    if (arret)
                        return c;
                }
            }
        }
        if (une_valeur) {
            // The one value stands for every point.
            if (c.accords == 1)
                c.accords = static_cast<int>(points().size());
            break;
        }
    }
    return c;
}
