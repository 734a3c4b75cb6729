#pragma once
// Sums of vectors between named points: a vector from A to B is written
// 'AB..arrow', the zero vector "o..arrow". Rewrites by Chasles' relation.

#include <string>
#include <string_view>

// The first vector AB becomes AP+PB, when point is one capital letter.
void decompose_vecteur(std::string &texte, std::string_view point);

// True when the text is one vector alone.
bool est_vecteur_seul(std::string_view texte);

// Each "-" before a vector becomes "+" with the opposite vector; true when
// something changed.
bool enleve_moins_vecteurs(std::string &texte);

// Merges one pair AB+BC into AC; a vector AA becomes the zero vector.
void chasles(std::string &texte);

// Every zero vector becomes 0; a result "0" becomes the zero vector.
void vecteur_nul(std::string &texte);
