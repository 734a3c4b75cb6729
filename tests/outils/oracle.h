#pragma once

// The value-and-domain check shared by the engine tests. It computes formulas
// by ordinary rules (valeur_ordinaire), apart from the program's own
// evaluator, whose caps and conventions would hide faults. A rewrite is sound
// when, at every sample point where the text before is defined, the text
// after is defined too and takes the same value. The text after may be defined where the text before
// is not: simplifying a quotient on its domain is what a teacher does.

#include <algorithm>
#include <cmath>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "formula/valeur.h"

namespace outils {

using Lecture = Definition;
using Valeur = ::Valeur;
using ::valeur_ordinaire;

// Sample points from -50 to 50 that avoid the whole numbers and simple
// fractions where pupils' roots and poles sit.
inline const std::vector<double> &points_echantillon()
{
    static const std::vector<double> points = {
        -49.13, -37.71, -23.57, -13.29, -8.61, -5.83, -4.37, -3.19, -2.71, -1.93, -1.37, -0.79,
        -0.41,  -0.13,  0.17,   0.43,   0.77,  1.21,  1.61,  2.33,  2.93,  3.47,  4.71,  6.29,
        7.87,   11.43,  17.93,  29.17,  41.39, 49.57};
    return points;
}

// A text as the failure messages show it: whole when short, its start and
// its size when long.
inline std::string apercu(const std::string &texte)
{
    if (texte.size() <= 120)
        return "'" + texte + "'";
    return "'" + texte.substr(0, 100) + "...' (" + std::to_string(texte.size()) + " bytes)";
}

// The rewrite keeps the value and the domain of its input: wherever `avant`
// is defined, `apres` is defined and equal (relative tolerance 1e-7, points
// whose values pass 1e12 skipped), on at least `minimum` points.
inline testing::AssertionResult meme_valeur_et_domaine(const std::string &avant, const std::string &apres,
                                                      int minimum = 5)
{
    int comparees = 0;
    for (double x : points_echantillon()) {
        const Valeur a = valeur_ordinaire(avant, x);
        if (a.lecture == Lecture::illisible)
            return testing::AssertionFailure() << apercu(avant) << " cannot be read";
        const Valeur b = valeur_ordinaire(apres, x);
        if (b.lecture == Lecture::illisible)
            return testing::AssertionFailure() << apercu(avant) << " -> " << apercu(apres) << " cannot be read";
        if (a.lecture != Lecture::definie)
            continue;
        if (b.lecture != Lecture::definie)
            return testing::AssertionFailure() << apercu(avant) << " -> " << apercu(apres)
                                               << " is undefined at x = " << x << " where the input is "
                                               << a.nombre;
        if (std::fabs(a.nombre) > 1e12 || std::fabs(b.nombre) > 1e12)
            continue;
        ++comparees;
        if (std::fabs(a.nombre - b.nombre) > 1e-7 * std::max({1.0, std::fabs(a.nombre), std::fabs(b.nombre)}))
            return testing::AssertionFailure() << apercu(avant) << " -> " << apercu(apres) << " differ at x = " << x
                                               << " (" << a.nombre << " / " << b.nombre << ")";
    }
    if (comparees < minimum)
        return testing::AssertionFailure() << apercu(avant) << " -> " << apercu(apres) << ": " << comparees
                                           << " comparable points, " << minimum << " wanted";
    return testing::AssertionSuccess();
}

} // namespace outils
