#pragma once
// The sign an expression keeps for every value of x where it is defined,
// proven on its algebraic form rather than sampled: positive numbers, even
// powers, square roots and absolute values, exponentials, and trinomials
// with a positive leading coefficient and a negative discriminant.

#include <string_view>

enum class SigneConstant { inconnu, positif, negatif };

// positif when the expression is > 0 wherever it is defined, negatif when it
// is < 0 there, inconnu when it may vanish or change sign (or when that
// cannot be shown, as with letters other than x).
SigneConstant signe_constant(std::string_view expression);
