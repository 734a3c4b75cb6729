#pragma once
// The normal form of the formula language: what a teacher writes after
// reducing, without changing the shape the engine chose. Text that does not
// parse comes back unchanged, blanks removed. Nothing is ever thrown.

#include <string>
#include <string_view>

// Like terms collected, terms in decreasing degree.
std::string normalise(std::string_view texte);

// The same clean-up, but like terms are not collected and terms keep their order.
std::string normalise_brut(std::string_view texte);
