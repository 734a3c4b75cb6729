#pragma once
// Work on sums of fractions (adding the numerators over a shared denominator,
// rewriting every term over a common denominator, multiplying top and bottom
// by one factor) and writing an expression as a given factor times the
// quotient, with an exact division when the factor is a linear binomial.

#include <string>

#include "algebra/issue.h"
#include "formula/enonce.h"

// "Add. les numérateurs": when every term of the sum has the same
// denominator, the sum becomes its numerators joined over that denominator.
Issue additionne_numerateurs(const EnonceLu &somme);

// "Même dénominateur" (`commun` empty) and "Dénominateur commun...": every
// term of the sum is rewritten over the common denominator: `commun` when it
// is given, else the least common multiple of the denominators (of whole
// numbers, or of polynomials in x factor by factor), else their product.
// Refused when a denominator does not divide it.
Issue reduit_au_denominateur(const EnonceLu &somme, const std::string &commun = {});

// The fraction with its numerator and denominator both multiplied by k, as one
// fraction; where k is a quotient, its denominator must divide both exactly,
// each is divided and simplified ('(2x+4)/(6x)' by 1/2 gives '(x+2)/(3*x)').
// Empty when a division is not exact or nothing would change.
std::string multiplie_haut_et_bas(const std::string &fraction, const std::string &k);

// f times the quotient of the expression by f, reduced; empty when f does
// not divide the expression exactly (a polynomial by the division of
// polynomials, any other text term by term).
std::string factorise_par(const std::string &expression, const std::string &facteur);

// A quotient whose denominator divides its numerator, or whose numerator
// and denominator share a whole factor, simplified ('(3x+6)/3' gives 'x+2');
// false and the text unchanged otherwise.
bool simplifie_quotient(std::string &texte);

// f times the exact quotient of a polynomial of degree 2 or 3 by the linear
// binomial f; empty when the division does not apply or is not exact.
std::string divise_par_binome(const std::string &polynome, const std::string &facteur);
