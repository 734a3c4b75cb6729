#pragma once
// The shapes of an expression as the comparison of answers tells them apart.
// The writing key is the tree as typed, blind to what does not change a
// writing for a teacher (blanks, implicit products, the order of terms and
// of factors, parentheses, where a sign stands), nothing computed. The shape
// key is the algebraic form (like terms collected, numbers computed, equal
// bases merged, never distributed), terms and factors sorted, each
// parenthesised sum with its sign taken out.

#include <optional>
#include <string>
#include <string_view>

#include "formula/forme.h"

// No key for a text that does not read.
std::optional<std::string> cle_ecrite(std::string_view texte);

// With `sens_unique`, a vector and its reversed opposite have one key ("-CA" is "AC").
std::string cle_forme(const Somme &forme, bool sens_unique = false);
// The algebraic form with like terms collected; none for a text without one.
std::optional<Somme> forme_complete(std::string_view texte);

// A single product holding a sum: the factored shape.
bool est_factorisee(const Somme &forme);
// The square roots of numbers from which a square can still be taken out.
int racines_a_simplifier(const Somme &forme);
bool a_un_vecteur(const Somme &forme);
