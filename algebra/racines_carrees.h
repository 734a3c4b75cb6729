#pragma once
// Transformations on square roots, written "sqrt(" + argument + ")" in the
// text: taking a square factor out of an integer root, merging the roots of a
// product, splitting a root of a product into a product of roots and back.
// Also the reading of a member as a list of pieces, which the fraction work
// shares.

#include <string>
#include <string_view>
#include <vector>

#include "algebra/algebre.h"

// "sqrt(N)" becomes k + "*sqrt(" + m + ")" with k^2 * m = N, taking the first
// square of 4, 9, 25, 49, 121, 169, 289 that divides N; "fin" when none does
// (or when the text is not a root of a whole number).
void simplifie_entier(std::string &racine);

// The member with one square factor taken out of each integer root.
std::string simplifie_racines(const std::string &membre);

// The member with the roots of each term merged into one root and the powers
// of roots put under the root. The caller normalises the result.
std::string fusionne_racines(const std::string &membre);

// A root of a product becomes the product of the roots of its factors.
bool decompose_racine(std::string &membre);

// A product (or quotient) of roots becomes one root.
bool recompose_racine(std::string &membre);

// "Mettre sous une racine": a text known to be positive becomes the root of
// its square, one known to be negative minus the root of its opposite's
// square; false (text unchanged) where the sign is not known, as for 'x-3'.
// With reduire_racines the roots inside the square are simplified and merged.
bool met_sous_racine(std::string &texte, bool reduire_racines);

// The pieces of a member with the operators between them.
struct Morceaux {
    std::vector<std::string> textes;
    std::vector<std::string> operateurs;   // operateurs[i] stands between textes[i] and textes[i + 1]
};

// Reads the pieces of a member. False for an empty member and for a member
// that its pieces cannot rebuild: an empty piece before another piece, an
// operator left dangling after the last one (as in 'x*'), or a piece whose
// parentheses do not balance (a text with more groups than the split hides).
bool lit_morceaux(const TDmembre &membre, Morceaux &morceaux);

// Every piece written avant + piece + apres, joined by the operators.
std::string joint(const Morceaux &morceaux, std::string_view avant = "(", std::string_view apres = ")");
