#pragma once
// The linear form in which a typed text enters the engine, the one the
// formula input box gives as the pupil types: a product before an opening
// bracket is written with "*" ('3(x-2)' gives '3*(x-2)', '(x+1)(x-1)' gives
// '(x+1)*(x-1)'), one-letter unknowns written side by side are a product
// ('2ab' gives '2a*b'), and a decimal comma is a point ('0,5x' gives
// '0.5x'). Function brackets and every other character stay as typed. A text
// that does not read as a formula is returned unchanged.

#include <string>
#include <string_view>

// A run of letters that holds no word of the language is written as one-letter
// factors when each of its letters is declared (x, y, the letters of
// `lettres_declarees` and those standing alone elsewhere in the text), or when
// it has at most three letters, is not "pi" (the name a pupil may type for the
// number) and is not followed by "(" (there an undeclared name is a
// function's, known or not, like 'rac(1)').
std::string forme_lineaire(std::string_view texte, std::string_view lettres_declarees = {});

// Every comma between two digits written as a decimal point ("0,5" gives
// "0.5"), as French pupils write numbers.
std::string virgules_en_points(std::string texte);

// True when a "(" typed right after this text stands for a product, so that
// the linear form writes "*(" there: after an operand ('x', '2', '(x+1)'),
// not after an operator nor after a function's name ('sin', '2sqrt'). A text
// that does not read once the bracket is closed is judged by its last
// character alone.
bool produit_avant_parenthese(std::string_view avant);
