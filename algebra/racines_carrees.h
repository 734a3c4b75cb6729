#pragma once
// Transformations on square roots, written "sqrt(" + argument + ")" in the
// text: taking a square factor out of an integer root, merging the roots of a
// product, splitting a root of a product into a product of roots and back.
// Also the reading of a member as a list of pieces, which the fraction work
// shares.

#include <string>
#include <string_view>
#include <vector>

#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

// "sqrt(N)" becomes k + "*sqrt(" + m + ")" with k^2 * m = N, k the smallest
// whole number from 2 to 1000 whose square divides N; "fin" when none does
// (or when the text is not a root of a whole number).
void simplifie_entier(std::string &racine);

// The member with one square factor taken out of each integer root.
std::string simplifie_racines(const std::string &membre);

// The member with the roots of each term merged into one root and the powers
// of roots put under the root. The caller normalises the result.
std::string fusionne_racines(const std::string &membre);

// "Décomposer la racine": a root of a product, first factor of an
// expression, becomes the product of the roots of its factors, where that
// keeps the domain (every factor but one known to be positive).
Issue decompose_racine(const EnonceLu &enonce);

// "Recomposer la racine": a product (or quotient) of roots becomes one root.
Issue recompose_racine(const EnonceLu &enonce);

// "Mettre sous une racine": an expression known to be positive becomes the
// root of its square, one known to be negative minus the root of its
// opposite's square; refused, with the reason, where the sign is not known,
// as for 'x-3'. With the option racines the roots inside the square are
// simplified and merged.
Issue met_sous_racine(const EnonceLu &enonce, const OptionsCalcul &options);

// The pieces of a member with the operators between them.
struct Morceaux {
    std::vector<std::string> textes;
    std::vector<std::string> operateurs;   // operateurs[i] stands between textes[i] and textes[i + 1]
};

// Reads the parts of a member of a statement as its tree gives them: the
// terms of a sum or the factors of a product, each as written. False for an
// empty member and for a statement that does not read.
bool lit_morceaux(const EnonceLu &enonce, const Membre &membre, Morceaux &morceaux);

// Every piece written avant + piece + apres, joined by the operators.
std::string joint(const Morceaux &morceaux, std::string_view avant = "(", std::string_view apres = ")");
