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
// Refused when a denominator does not divide it (saying why when `commun`
// is given).
Issue reduit_au_denominateur(const EnonceLu &somme, const std::string &commun = {});

// The fraction with its numerator and denominator both multiplied by k, as one
// fraction; where k is a quotient, its denominator must divide both exactly,
// each is divided and simplified ('(2x+4)/(6x)' by 1/2 gives '(x+2)/(3*x)').
// Refused, saying why, when k is zero, when a division is not exact or when
// nothing would change.
Issue multiplie_haut_et_bas(const EnonceLu &fraction, const std::string &k);

// The same by 1/(d): d must divide the numerator and the denominator exactly.
Issue divise_haut_et_bas(const EnonceLu &fraction, const std::string &d);

// f times the quotient of the expression by f, reduced; refused, saying why,
// when f is zero or does not divide the expression exactly (a polynomial by
// the division of polynomials, any other text term by term).
Issue factorise_par(const EnonceLu &expression, const std::string &facteur);

// A quotient whose denominator divides its numerator, or whose numerator
// and denominator share a whole factor, simplified ('(3x+6)/3' gives 'x+2');
// false and the text unchanged otherwise.
bool simplifie_quotient(std::string &texte);

// f times the exact quotient of a polynomial of degree 2 or 3 by the linear
// binomial f; refused when the division does not apply or is not exact.
Issue divise_par_binome(const EnonceLu &polynome, const std::string &facteur);
