#pragma once
// Polynomials in x with exact rational coefficients, read from the formula
// tree: the exact division that factoring by a given factor and the work on
// fractions need, and the factors of a denominator for the least common
// multiple.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gmpxx.h>

// The coefficients by increasing degree, without zero at the top; empty is zero.
using PolynomeExact = std::vector<mpq_class>;

// The polynomial a text stands for once developed: sums, products and whole
// powers of x, of numbers and of brackets. None for any other text (a
// quotient by x, a root, another letter) or past a modest degree.
std::optional<PolynomeExact> polynome_exact(std::string_view texte);

// The quotient of a by b when b divides a exactly (b not zero), else none.
std::optional<PolynomeExact> quotient_exact(const PolynomeExact &a, const PolynomeExact &b);

// The text of a polynomial, in the normal form.
std::string ecrit_polynome(const PolynomeExact &p);

// A polynomial as a number times irreducible factors over the rationals,
// each with whole coprime coefficients and a positive leading one, and its
// multiplicity; the factors of degree 1 are found by their rational roots,
// what is left stays one factor.
struct Factorisee {
    mpq_class nombre;
    std::vector<std::pair<PolynomeExact, int>> facteurs;
};
Factorisee decompose(PolynomeExact p);
