#pragma once
// The terms of a sum that share a denominator merged into one fraction over
// it ('a/d-b/d+c' gives '(a+(-b))/(d)+c'); false, and the text only
// normalised, when the text is not a sum.

#include <string>

bool groupe_denominateurs(std::string &t);
