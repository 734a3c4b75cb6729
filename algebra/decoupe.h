#pragma once
// The small text tools on terms and pieces that the engine shares.

#include <string>

void sans_parentheses(std::string &t);
void inverse_operateur(std::string &operateur);
void oppose_termes(std::string &t);
// Puts in parentheses the run of pieces that starts at piece `rang` and
// takes `tour` more pieces; returns the number of operators between the
// pieces, which bounds the runs to try.
int regroupe(std::string &membre, int rang, int tour);
