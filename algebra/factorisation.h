#pragma once
// Factoring of a member: a common factor of all terms, a difference of two
// squares, a perfect square trinomial. Also the square root of a factor text
// and the sign of an expression over the shared domain.

#include <string>

// The factored text, or "Erreur". The member is reordered on the way. Leaves
// a short comment in partage.indication_factorisation.
std::string factorise(std::string &membre);

// A factor shared by every term: the sum rewritten as factor times cofactor.
bool facteur_commun(std::string &somme, std::string &facteur);

// The factorisation of a - b as (ra+rb)*(ra-rb), or "Erreur".
std::string difference_de_carres(const std::string &a, const std::string &b);

// The square form of an ordered trinomial whose terms have degrees d1, d2,
// d3, or "Erreur".
std::string carre_parfait(const std::string &trinome, int d1, int d2, int d3);

// The square root of a factor text.
std::string racine_de(const std::string &facteur);

// Sign of an expression over the shared domain: 0 changes (or zero at the
// start), 1 constant but different on the two intervals, 2 positive,
// 3 negative.
int signe_sur_domaine(const std::string &expression);
