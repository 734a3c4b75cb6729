#pragma once
// The interval text of a domain, "domain(x,lower,upper,code)" or two of them
// joined by "or", read into the shared interval bounds.

#include <string_view>

// Sets borne_inf_1, borne_sup_1, crochet_1a, crochet_1b from the first
// interval and the same of the second one (emptied, brackets set, when
// there is none). The code "12", "13", "14" or "15" tells which ends are
// open; any other code leaves the brackets as they were. An interval with
// no "x" or fewer than two commas leaves its bounds as they were.
void lit_domaine(std::string_view texte);
