#pragma once
// The arithmetic of algebraic forms. Every result is already in normal form:
// numbers computed exactly, equal bases of a product merged, factors in the
// teacher's order, the parentheses of a sum inside a sum removed. With
// Reduction::complete like terms are collected and the terms ordered by
// decreasing degree; with Reduction::brute the terms keep their order and
// only zero terms go. An operation without a value (division by zero) gives
// no result.

#include <optional>
#include <string>
#include <vector>

#include "formula/forme.h"

enum class Reduction { complete, brute };

Somme nombre(const Rationnel &valeur, bool decimal);
Somme lettre(char nom);
Somme vecteur(std::string points);

Somme oppose(Somme a);
Somme additionne(std::vector<Somme> termes, Reduction reduction);
// The product of all the factors at once (a quotient multiplies by a power -1).
std::optional<Somme> multiplie(std::vector<Somme> facteurs, Reduction reduction);
std::optional<Somme> eleve(Somme base, const Somme &exposant, Reduction reduction);
// A numeric exponent; decimal tells that a decimal literal took part in it.
std::optional<Somme> eleve(Somme base, const Rationnel &exposant, bool decimal, Reduction reduction);
// sin cos tan abs ln sqrt exp, computed where the value is exact.
Somme applique(const std::string &fonction, Somme argument);
