#pragma once

// Value checks shared by the tests of the algebra operations: a rewrite is
// sound when the text before and the text after take the same value.

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <string>

#include <gtest/gtest.h>

#include "core/evaluateur.h"

namespace outils {

// Same value at every point where both texts are defined, and at least
// `minimum` such points.
inline testing::AssertionResult memes_valeurs(const std::string &avant, const std::string &apres,
                                              std::initializer_list<double> points, int minimum)
{
    int comparees = 0;
    for (double x : points) {
        const double a = evalue(avant, x);
        const double b = evalue(apres, x);
        if (a == ERREUR_EVALUATION || b == ERREUR_EVALUATION)
            continue;
        ++comparees;
        if (std::fabs(a - b) > 1e-6 * std::max({1.0, std::fabs(a), std::fabs(b)}))
            return testing::AssertionFailure()
                   << avant << " -> " << apres << " differ at x = " << x << " (" << a << " / " << b << ")";
    }
    if (comparees < minimum)
        return testing::AssertionFailure() << avant << " -> " << apres << ": " << comparees
                                           << " comparable points, " << minimum << " wanted";
    return testing::AssertionSuccess();
}

} // namespace outils
