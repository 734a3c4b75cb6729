#pragma once
// The linear form in which a typed text enters the engine, the one the
// formula input box gives as the pupil types: a product before an opening
// bracket is written with "*" ('3(x-2)' gives '3*(x-2)', '(x+1)(x-1)' gives
// '(x+1)*(x-1)'). Function brackets and every other character stay as typed.
// A text that does not read as a formula is returned unchanged.

#include <string>
#include <string_view>

std::string forme_lineaire(std::string_view texte);

// True when a "(" typed right after this text stands for a product, so that
// the linear form writes "*(" there: after an operand ('x', '2', '(x+1)'),
// not after an operator nor after a function's name ('sin', '2sqrt'). A text
// that does not read once the bracket is closed is judged by its last
// character alone.
bool produit_avant_parenthese(std::string_view avant);
