#pragma once
// Sums of vectors between named points: a vector from A to B is written
// 'AB..arrow', the zero vector "o..arrow". Rewrites by Chasles' relation.

#include <string>

#include "algebra/issue.h"
#include "formula/enonce.h"

// The first vector AB becomes AP+PB; refused, saying why, when point is not
// one capital letter, and silently when there is no vector.
Issue decompose_vecteur(const EnonceLu &enonce, const std::string &point);

// True when the text is one vector alone.
bool est_vecteur_seul(const EnonceLu &enonce);

// Each "-" before a vector (or a product that begins with one, or a
// one-character multiple of one) becomes "+" with the opposite vector;
// refused when there is none to turn or the text does not read.
Issue enleve_moins_vecteurs(const EnonceLu &enonce);

// Merges one pair AB+BC of a member into AC, and a vector AA becomes the
// zero vector (the statement written as its parts are, even when nothing
// merges); refused on a text without vectors or that does not read.
Issue chasles(const EnonceLu &enonce);

// Every zero vector becomes 0; a result "0" becomes the zero vector.
// Refused when there is nothing to change.
Issue vecteur_nul(const EnonceLu &enonce);
