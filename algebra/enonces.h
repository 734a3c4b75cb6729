#pragma once
// Operations on a whole statement: adding a text to both members, multiplying
// both members, combining the two equations of a system, putting the value
// found for one variable back into the base system. Operations on number
// values: replacing x by a value, scientific notation. And the two tests the
// action menus use to offer "Calculer" and "Mult. les fractions".

#include <optional>
#include <string>
#include <string_view>

#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

// True when the text is zero for every x: written 0, or equivalent to it.
bool est_zero(const std::string &texte);

// Each member m becomes m+(t), normalised (a member that cancels becomes the
// zero vector in vector work); a relation keeps its sign. Subtracting is the
// same call with t written "-(" + t + ")". Refused for a zero t, and
// silently for a statement that is no relation.
Issue ajoute_aux_membres(const EnonceLu &enonce, const std::string &t, const OptionsCalcul &options);

// Each member m becomes (m)*(k), developed when k is a single term, then
// reduced when options.reduire; a negative factor reverses an inequation.
// Refused for a zero factor, and for a factor in letters that may vanish or
// change sign (an equation may still be multiplied by one of its
// denominators, which vanishes only where it has no value), or whose sign
// is unknown in an inequation.
Issue multiplie_membres(const EnonceLu &enonce, const std::string &facteur, const OptionsCalcul &options);

// Both members multiplied by 1/(d); refused for a divisor that is zero or
// holds the unknown.
Issue divise_membres(const EnonceLu &enonce, const std::string &diviseur, const OptionsCalcul &options);

// A system of two equations becomes the one equation (left 1 op left 2) =
// (right 1 op right 2), op being '+' or '-'; refused for anything else.
Issue combine_systeme(const EnonceLu &systeme, char operateur);

// An equation that gives x or y alone on one side: the variable (1 for x or
// a, 2 for y or b) and the other side, its value.
struct VariableIsolee {
    int variable = 0;
    std::string valeur;
};
std::optional<VariableIsolee> variable_isolee(const EnonceLu &equation);

// A substitution done: the variable and the value the equation gave it,
// which solving the system later needs (the work keeps it), and the base
// system rewritten.
struct Substitution {
    VariableIsolee isolee;
    std::string systeme;
};

// When the equation gives x or y alone (see variable_isolee) at a step after
// the first, the base system with that value in place of the letter in its
// equation cible (1 or 2); none otherwise.
std::optional<Substitution> substitue(const EnonceLu &equation, int etape, int cible, const EnonceLu &base);

// The statement with every "x" replaced by valeur, normalised, the value
// as it is shown for complement; refused when the result has no value (the
// value lies outside the domain) or would be too long.
Issue remplace_x(const EnonceLu &enonce, const std::string &valeur);

// Writes a constant as mantissa*10^(exponent), the mantissa holding the
// significant digits only ('5000' gives 5*10^(3), '0.0250' gives
// 2.50*10^(-2)); refused when the statement is not a non-zero constant with
// a finite decimal writing, or needs no power of ten.
Issue ecriture_scientifique(const EnonceLu &enonce);

// 1-based position of the first "i" once every "sin" is removed; 0 if none.
int contient_i(std::string_view texte);

// A sum or a product of two plain numbers: "Calculer" applies.
bool est_calculable(const EnonceLu &enonce);

// A product of a single quotient by a factor with no sum in it.
bool est_produit_de_fractions(const EnonceLu &enonce);

// True when the text holds the unknown x or y (not a letter of a function name).
bool depend_de_l_inconnue(std::string_view texte);
