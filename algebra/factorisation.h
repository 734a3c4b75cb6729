#pragma once
// Factoring of a member: a common factor of all terms, a difference of two
// squares, a perfect square trinomial, then (when the setting allows it) any
// second-degree trinomial by its discriminant. Also the square root of a
// factor text and the sign of an expression over the shared domain.

#include <optional>
#include <string>

#include "algebra/intervalle.h"
#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

// "Factoriser": the expression factored, with the comment that names the
// method as the complement of the hint (" (facteur commun : 3)"); refused
// when it cannot be factored. The option trinomes allows the discriminant.
Issue factorise(const EnonceLu &enonce, const OptionsCalcul &options);

// The factor shared by every term of a sum (the greatest common divisor of
// the whole coefficients with every shared base at its lowest power): the
// sum written as factor times cofactor, and the factor ('3', 'x+1').
struct FacteurCommun {
    std::string texte;
    std::string facteur;
};
std::optional<FacteurCommun> facteur_commun(const EnonceLu &somme);

// The factorisation of a - b as (ra+rb)*(ra-rb), none unless both are
// squares for every real x (even powers, positive numbers).
std::optional<std::string> difference_de_carres(const std::string &a, const std::string &b);

// A trinomial in x that is a square or its opposite ('x^2-2x+1', '-x^4-2x^2-1',
// 'x^2+2xy+y^2') written as that square, with the identity used as the
// hint's complement; refused otherwise, and without racines_ajoutees when
// the square needs roots the trinomial does not write ('3x^2-2x+1/3').
Issue carre_parfait(const EnonceLu &trinome, bool racines_ajoutees);

// The square root of a factor text.
std::string racine_de(const std::string &facteur);

// Sign of an expression over a domain: 0 changes (or zero at the start),
// 1 constant on each interval but not the same on all, 2 positive, 3
// negative.
int signe_sur_domaine(const std::string &expression, const BornesIntervalles &domaine);
