#pragma once
// Roots of a product set to zero (each factor solved as a linear equation),
// the canonical form of a trinomial, the rounding of numeric answers and the
// text of the solution set of an inequation, and the order of root texts by
// value.
//
// Interval texts: "domain(x,lower,upper,code)" with the codes "12" (both ends
// open), "13" (both closed), "14" (lower open), "15" (upper open); a union is
// "(A)or(B)", isolated values "([v])", the empty set "([])".

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/issue.h"
#include "formula/enonce.h"

// Rewrites a product or quotient as a product of bracketed factors ("/" read
// as "*": a quotient has the sign and the zeros of that product); a sum
// becomes "1*(sum)".
void mise_en_facteurs(std::string &membre);

// What solving needs besides the statement: when the work started from a
// system, the values of x and y found in one of its lines.
struct ContexteResolution {
    bool base_systeme = false;
    std::string expression_x, expression_y;
};

// The root of a factor linear in x; none for any other factor, a factor
// free of x included.
std::optional<std::string> racine_lineaire(const EnonceLu &facteur);

// The roots of an equation or inequation, each value once, in the order of
// the factors that give them (a system's pair: x, then y).
using Racines = std::vector<std::string>;

// The roots of a product set to 0 (each factor solved as a linear equation;
// one that keeps one sign or is free of x gives none), or the value of the
// unknown alone on one side, with the other unknown of the system from the
// context. None when not every root is found, when there are none or more
// than four, or four for an inequation. For an equation the values where
// the member has none are left out; for an inequation they stay, as bounds.
std::optional<Racines> resout(const EnonceLu &enonce, const ContexteResolution &contexte);

// The text before the last "*" of a term, or "1" ('3*x^2' gives '3').
void coefficient_de_tete(std::string &terme);

// The canonical form a(x - alpha)^2 + beta of a trinomial in x with an x
// term, its number term possibly missing; refused otherwise.
Issue forme_canonique(const EnonceLu &enonce);

// A decimal number written with six decimals, rounded; any other text unchanged.
void arrondit_nombre(std::string &texte);

// Each value of a list separated by "*et*" (kind 1) or "=" (kind 0) rounded by
// arrondit_nombre and normalised, joined by "*et*". A text without its
// separator is left as it is.
void formate_solutions(std::string &liste, int separateur);

// The solution-set text of an inequation of the given kind (2 "<", 3 ">",
// 4 "<=", 5 ">=") from the interval [l1, u1] and, when l2 is not empty,
// [l2, u2]. Each bound has a test text; "inf" there marks an infinite end.
std::string texte_intervalle(std::string_view l1, std::string_view u1, std::string_view l2,
                             int nature, std::string_view test_u2, std::string_view test_l2,
                             std::string_view test_u1, std::string_view test_l1,
                             std::string_view u2);

// The solution set of an inequation whose roots resout finds, as the interval
// text above: the sign of the member is sampled between the roots (no
// solution where it has no value), and a root belongs to the set of a wide
// inequation only where the member is defined. None when it cannot be
// decided (a domain that ends where there is no root).
std::optional<std::string> intervalle_solutions(const EnonceLu &inequation);

// Exchanges a and b when b is worth less than a, so that they end in
// increasing order of value; a text without a value counts as larger than
// every number.
void ordonne_deux(std::string &a, std::string &b);

// Sorts a, b, c into increasing order of value, as above; every exchange of
// two values also exchanges their companions.
void ordonne_trois(std::string &a, std::string &b, std::string &c,
                   std::string &compagnon_a, std::string &compagnon_b, std::string &compagnon_c);

// The conclusion of a statement with no root to find: no solution ("([])",
// "Pas de solution"), or every real ("R", or the intervals between the
// values where a divisor vanishes), for a member free of x, a member that
// keeps one sign, or an equation whose every factor has no root it can take.
// The text is the one the answer check reads; the announcement says why.
struct Conclusion {
    std::string texte, annonce;
};
std::optional<Conclusion> conclusion_sans_racine(const EnonceLu &enonce);

// What the action "Solution(s)" finds for an equation, an inequation or a
// system (x and y then come from the context): whether solving concludes on
// the statement as it is written (roots found, no solution, or every real),
// and, when it does, the step that states the solutions (its complement is
// the announcement recorded beside it: "La solution est : ", "Pas de
// solution", "Il faut demander l'intervalle des solutions."...).
struct Resolution {
    bool conclut = false;
    Issue etape = Refus{};
};
Resolution resolution(const EnonceLu &enonce, const ContexteResolution &contexte);

// True when the factor vanishes only where a member of the statement has no
// value (the zeros of its denominators): multiplying an equation by it
// neither adds nor loses a solution.
bool nul_seulement_hors_du_domaine(const EnonceLu &facteur, const EnonceLu &enonce);
