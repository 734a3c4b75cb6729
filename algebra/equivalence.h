#pragma once
// Numeric equivalence of two expression texts: both are evaluated at several
// values of their single variable and compared within a small tolerance,
// only where both are defined and computed without the evaluator's caps.

#include <string>

inline constexpr int EQUIVALENTES = 1;
inline constexpr int NON_EQUIVALENTES = 0;
// An upper-case letter, more than one variable, or a different variable on
// each side.
inline constexpr int NON_COMPARABLES = -1;
// Too few points where both sides could be trusted to tell either way.
inline constexpr int EQUIVALENCE_NON_DEMONTREE = -2;

// One of the four codes above.
int compare_expressions(std::string a, std::string b);

// Two ways of writing the same expression or statement. Two expressions are
// compared as above. Two relations of the same kind are shown equivalent when
// their members are, member by member, or when the differences of their
// members are (or, for an equation, are opposite); any other pair of
// relations or systems leaves the question open. An expression and a
// relation are not equivalent.
int compare_ecritures(const std::string &a, const std::string &b);

// True when a and b have the same value at 1.07 (both undefined counts as
// the same value).
bool egal_en_un_point(const std::string &a, const std::string &b);

// Replaces the function names of the formula language by the marks "&1",
// "&2"... in the order of its table, so that their letters are not taken for variables, and back.
void masque_fonctions(std::string &texte);
void demasque_fonctions(std::string &texte);

// Replaces every occurrence of ancien by nouveau; occurrences that the
// replacement itself creates are replaced too when nouveau is shorter.
void remplace_tout(std::string &texte, const std::string &ancien, const std::string &nouveau);
