#pragma once
// The interval text of a domain, "domain(x,lower,upper,code)" or two of them
// joined by "or", read into interval bounds.

#include <string>
#include <string_view>

#include "core/bornes_intervalles.h"

// The code of an interval from its two flags: "12", "14", "15" or "13".
std::string code_intervalle(bool ouvert_bas, bool ouvert_haut);

// Reads a domain text over `bornes`: "domain(x,lower,upper,code)" or several
// of them joined by "or" (the second interval emptied when the text has none,
// the further ones in `suivants`).
// A code other than "12", "13", "14", "15" leaves the flags as they were.
// False when an interval has no "x" or misses a bound: its bounds are then
// left as they were.
bool lit_intervalles(std::string_view texte, BornesIntervalles &bornes);
