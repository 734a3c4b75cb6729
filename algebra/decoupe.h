#pragma once
// The small text tools on terms and pieces that the engine shares.

#include <string>
#include <string_view>

// 1-based position of the first c that is not the first character; 0 if none.
int pos_apres_premier(char c, std::string_view t);
// 1-based position of the first c at or after start (1-based); 0 if none.
int pos_depuis(char c, std::string_view t, int debut);
void inverse_signes(std::string &t);
void sans_parentheses(std::string &t);
// Removes the first signed term of a reduced polynomial and returns it.
std::string extrait_terme(std::string &polynome);
// Removes the first term and returns its sign and numeric coefficient.
void extrait_coefficient(std::string &polynome, std::string &signe, std::string &coefficient);
void inverse_operateur(std::string &operateur);
void oppose_termes(std::string &t);
// Puts in parentheses the run of pieces that starts at piece `rang` and
// takes `tour` more pieces; returns the number of operators between the
// pieces, which bounds the runs to try.
int regroupe(std::string &membre, int rang, int tour);
