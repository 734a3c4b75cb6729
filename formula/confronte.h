#pragma once
// Two formulas compared as functions of one letter, at sample values of it:
// the one way the program decides that two texts are the same number or the
// same function. Other letters keep the evaluator's fixed values.
//
// The sample values are exact rationals of both signs: small ones first, none
// a simple fraction, then the simple values where a denominator often
// vanishes (0, 1, -1, 2, ...). A value excluded at one point alone (x/x at 0)
// is a forbidden value, not a difference of domain: it is told by the values
// close by on both sides, and reported apart.

#include "formula/arbre.h"

struct Confrontation {
    int accords = 0;                   // points where both have a value, the same
    bool valeurs_differentes = false;  // a point where both have a value, not the same
    bool approchee = true;             // where both have a value, always within 5 % of each other
    bool domaines_differents = false;  // a point where one has a value and the other none around it
    bool valeur_interdite = false;     // a point where one has a value and the other none there alone
    bool illisible = false;            // one of them is no number (a relation, a list, ...)
};

// With accords_suffisants > 0 the sampling stops once the question is
// settled: at the first difference of values or of domain, or when that many
// points agree. With 0 every point is visited, so that `approchee` speaks
// for all of them.
Confrontation confronte(const Arbre &a, const Arbre &b, char variable = 'x', int accords_suffisants = 0);
