#pragma once
// Equivalence of two expression texts, on the formula tree and the numeric
// evaluator: both are computed at sample values of their single variable.
// They are equivalent when they agree wherever both are defined and are
// defined at the same points; a value excluded at an isolated point (x/x at
// 0) is a forbidden value, not a difference.

#include <string>

inline constexpr int EQUIVALENTES = 1;
inline constexpr int NON_EQUIVALENTES = 0;
// A text that does not read as a formula, an upper-case letter (a vector),
// more than one variable, or a different variable on each side.
inline constexpr int NON_COMPARABLES = -1;
// Too few points of evidence to tell either way.
inline constexpr int EQUIVALENCE_NON_DEMONTREE = -2;

// One of the four codes above.
int compare_expressions(const std::string &a, const std::string &b);

// Two ways of writing the same expression or statement. Two expressions are
// compared as above. Two relations of the same kind are shown equivalent when
// their members are, member by member, or when the differences of their
// members are (or, for an equation, are opposite); any other pair of
// relations or systems leaves the question open. An expression and a
// relation are not equivalent.
int compare_ecritures(const std::string &a, const std::string &b);

// True when the text is a formula of numbers that has a value at none of
// the sample values of its variable.
bool nulle_part_definie(const std::string &texte);

// True when a and b have the same value at 1.07 (both undefined counts as
// the same value).
bool egal_en_un_point(const std::string &a, const std::string &b);
