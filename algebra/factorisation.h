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

// The factor shared by every term (the greatest common divisor of the whole
// coefficients with every shared base at its lowest power): the sum
// rewritten as factor times cofactor.
bool facteur_commun(std::string &somme, std::string &facteur);

// The factorisation of a - b as (ra+rb)*(ra-rb), none unless both are
// squares for every real x (even powers, positive numbers).
std::optional<std::string> difference_de_carres(const std::string &a, const std::string &b);

// The square form of an ordered trinomial whose terms have degrees d1, d2,
// d3, or none.
std::optional<std::string> carre_parfait(const std::string &trinome, int d1, int d2, int d3);

// The square root of a factor text.
std::string racine_de(const std::string &facteur);

// Sign of an expression over a domain: 0 changes (or zero at the start),
// 1 constant on each interval but not the same on all, 2 positive, 3
// negative.
int signe_sur_domaine(const std::string &expression, const BornesIntervalles &domaine);
