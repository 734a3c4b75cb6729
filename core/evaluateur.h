#pragma once
// The numeric evaluator: the value of a formula text at a given x, or
// ERREUR_EVALUATION when it cannot be computed. It never reports anything else.

#include <optional>
#include <string>
#include <string_view>

inline constexpr double ERREUR_EVALUATION = -777777.0;

double evalue(std::string_view texte, double x);

// The value of the text at x when it is defined there and no cap of the
// evaluator acted (a product past 9,999,999 or a result past 99,999,999):
// a value that can be trusted as the formula's own.
std::optional<double> valeur_sans_plafond(std::string_view texte, double x);

// Exchanges a and b when b is worth less than a at 0, so that they end in
// increasing order of value.
void ordonne_deux(std::string &a, std::string &b);

// Sorts a, b, c into increasing order of value at 0; every exchange of two
// values also exchanges their companions.
void ordonne_trois(std::string &a, std::string &b, std::string &c,
                   std::string &compagnon_a, std::string &compagnon_b, std::string &compagnon_c);
