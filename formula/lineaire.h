#pragma once
// The linear form in which a typed text enters the engine, the one the
// formula input box gives as the pupil types: a product before an opening
// bracket is written with "*" ('3(x-2)' gives '3*(x-2)', '(x+1)(x-1)' gives
// '(x+1)*(x-1)'). Function brackets and every other character stay as typed.
// A text that does not read as a formula is returned unchanged.

#include <string>
#include <string_view>

std::string forme_lineaire(std::string_view texte);
