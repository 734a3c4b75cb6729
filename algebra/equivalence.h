#pragma once
// Numeric equivalence of two expression texts: both are evaluated at several
// values of their single variable and compared within a small tolerance.

#include <string>

// 1 equivalent, 0 not equivalent, -1 not comparable (an upper-case letter,
// more than one variable, or a different variable on each side).
int compare_expressions(std::string a, std::string b);

// True when a and b have the same value at 1.07 (both undefined counts as
// the same value).
bool egal_en_un_point(const std::string &a, const std::string &b);

// Replaces the function names sin, cos, tan, abs, ln and sqrt by the marks
// "&1" to "&6" so that their letters are not taken for variables, and back.
void masque_fonctions(std::string &texte);
void demasque_fonctions(std::string &texte);

// Replaces every occurrence of ancien by nouveau; occurrences that the
// replacement itself creates are replaced too when nouveau is shorter.
void remplace_tout(std::string &texte, const std::string &ancien, const std::string &nouveau);
