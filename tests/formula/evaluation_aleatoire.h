#pragma once
// The engine's evaluator checked against the tests' own ordinary rules on
// random formulas and on their normal forms, for the property benchmark.

#include <cmath>
#include <string>

#include "formula/valeur.h"
#include "tests/formula/expressions_aleatoires.h"

namespace essai {

// Wherever the tests' rules give a value, the engine gives the same one, or
// tells that a step passed what a double holds; its letters other than x
// take the values 0.37 for a and 15.01 for y.
inline std::string verifie_avec_valeur(const std::string &texte)
{
    const std::string forme = normalise(texte);
    for (double x : {0.37, -1.29, 2.71}) {
        const Valeurs lettres = {{'x', x}, {'y', 15.01}, {'a', 0.37}};
        for (const std::string &t : {texte, forme}) {
            const double attendu = valeur(t, lettres);
            if (!std::isfinite(attendu) || std::fabs(attendu) > 1e12)
                continue;
            const Valeur obtenu = valeur_ordinaire(t, x);
            if (obtenu.lecture == Definition::hors_limites)
                continue;   // a step of the computation passed what a double holds
            if (obtenu.lecture != Definition::definie)
                return "valeur(" + t + ") has no value at " + std::to_string(x);
            if (!proches(attendu, obtenu.nombre))
                return "valeur(" + t + ") is " + std::to_string(obtenu.nombre) + ", not " + std::to_string(attendu);
        }
    }
    return {};
}

} // namespace essai
