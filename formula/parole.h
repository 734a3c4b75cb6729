#pragma once
// A formula said in French words, as a screen reader speaks it:
// 'x^2+2x+1' is "x au carré plus deux x plus un", 'sqrt(12)' "racine carrée
// de douze", '(x+1)/2' "fraction : x plus un sur deux". Read from the
// formula's tree; a text that does not read as a formula is spelt out sign
// by sign. UTF-8.

#include <string>
#include <string_view>

std::string parole(std::string_view formule);

// A whole number written in French words ("quatre-vingt-onze"); numbers of
// more than nine digits are said digit by digit.
std::string nombre_en_lettres(std::string_view chiffres);
