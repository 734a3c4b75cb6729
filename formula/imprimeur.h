#pragma once
// Writes an algebraic form back as linear text: every product with an
// explicit "*", the coefficient first, a quotient as numerator/denominator,
// no sign right after an operator, and powers of powers or of signed numbers
// in parentheses, so that the text reads the same under any usual rules.

#include <string>

#include "formula/forme.h"

std::string imprime(const Somme &somme);
std::string imprime_terme(const Terme &terme);
// A base as written inside a product; also its identity key.
std::string imprime_base(const Base &base);
// An integer, else a finite decimal when a decimal took part, else p/q.
std::string imprime_nombre(const Rationnel &valeur, bool decimal);
