#pragma once
// Factoring a second-degree trinomial a x^2 + b x + c with its discriminant,
// in exact rational arithmetic: no real root gives no factorisation, a double
// root gives a(x - x0)^2, rational roots give first-degree factors with whole
// coefficients, irrational roots are written with the square root of a whole
// number, simplified.

#include <optional>
#include <string>
#include <string_view>

#include <gmpxx.h>

#include "formula/rationnel.h"

// The GMP value of a rational of the formula language.
mpq_class valeur_exacte(const Rationnel &r);

// The factored text, none when the text is not a trinomial of degree 2 in x
// or has no real root. discriminant receives the text of b^2 - 4ac
// whenever the text is such a trinomial, and is emptied otherwise.
std::optional<std::string> factorise_trinome(std::string_view trinome, std::string &discriminant);

// The canonical form a(x - alpha)^2 + beta of a trinomial a x^2 + b x + c
// with b not zero (c may be), or none.
std::optional<std::string> forme_canonique_trinome(std::string_view trinome);
