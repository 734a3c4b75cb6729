#pragma once
// Ordering, developing and removing parentheses on a statement read once.
// Every operation also serves as a test: a refusal means the action does not
// apply.

#include <cstddef>
#include <string>
#include <string_view>

#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

// Longer texts are not worked on: no pupil's statement comes near, and every
// operation stays quick on any input.
inline constexpr std::size_t LONGUEUR_MAX_TRAVAIL = 2000;

// A sum of monomials, however many terms, reduced and ordered by decreasing
// degree; refused otherwise.
Issue ordonne(const EnonceLu &enonce);

// A product of at most six factors (powers 2 to 5 expanded) distributed into
// a sum; in a sum of any length, each term that is such a product developed.
// The result is reduced when options.reduire. Refused when nothing was
// distributed, or when options.developpe is off.
Issue developpe(const EnonceLu &enonce, const OptionsCalcul &options);

// The sum of the products of every term of a with every term of b, joined by
// operateur ("*" or "/"), reduced as a whole when `reduire`, else each
// product reduced on its own.
std::string distribue(const std::string &a, const std::string &b, const std::string &operateur, bool reduire);

// The sign of a product of two signs ("+", "-", empty read as "+"); two "."
// give the empty sign.
std::string signe_produit(const std::string &a, const std::string &b);

// Factor i (1-based) of the product that the statement's left member is (the
// member itself when it is no product), its power 2 to 5 of a whole base
// written out by repeated distribution (see distribue for `reduire`); empty
// when there is no such factor.
std::string puissance_developpee(const EnonceLu &enonce, int i, bool reduire);

// Up to three different square roots hidden behind the letters "e", "f", "g"
// (saved in racines[0..2]), and put back.
void masque_racines(std::string &texte, std::string racines[3]);
void demasque_racines(std::string &texte, const std::string racines[3]);

// Opens the parenthesised groups that follow "+" or "-"; refused when none
// was opened or the value would change.
Issue enleve_parentheses(const EnonceLu &enonce);

// A product by a whole number 1 to 15 written as a repeated sum ('3*x' gives
// 'x+x+x'); the hint's complement is the statement in brackets.
Issue en_somme(const EnonceLu &enonce);

// Tools shared with the factoring.

// True when the text (its left member, for a relation) is a sum of terms at
// its top: 'x+1', '(x+1)'; not '2*(x+1)' nor '-(x+1)'.
bool est_somme(std::string_view texte);

// True when b keeps the value and the domain of a, computed by ordinary
// rules at a few sample points: wherever a is defined, b is defined and
// equal, and a is defined at one point at least. Texts that have no number
// (vectors) are compared by the program's evaluator where both have a value;
// a text that is no formula keeps no value.
bool meme_valeur(std::string_view a, std::string_view b);

// True when a power written after this base bears on all of it: a number, a
// single letter, a parenthesised group or a function call.
bool base_entiere(std::string_view base);

// True when a product under the node has x as a factor both of a divisor and
// of another factor ('x^3/x', '2x/(x(x+1))'; not '(x+1)/x'): the normal form
// would cancel them and lose the values where the divisor is zero.
bool simplifie_x(const Arbre &arbre, int noeud);

// The ordered text of a sum of monomials, or the text itself.
std::string ordonne_ou_garde(std::string texte);
