#pragma once
// The sign table of an inequation whose right member is 0 and whose left
// member is a product or quotient of at most three factors, each linear in x
// or constant: one row per factor and a last row for the whole member, one
// column per distinct root in increasing order. Computed with the engine,
// without drawing anything.

#include <optional>
#include <string>
#include <vector>

#include "formula/enonce.h"

struct LigneSignes {
    std::string formule;              // the factor, or the whole member for the result row
    std::optional<std::string> racine; // root of a factor; none for a factor free of x and the result row
    std::vector<std::string> signes;  // "+" or "-", one per interval (columns + 1)
    std::vector<std::string> marques; // one per column: "0", "||" (result row only) or empty
};

struct TableauSignes {
    bool valide = false;
    std::string inequation;
    int nature = 0;                   // 2 "<", 3 ">", 4 "<=", 5 ">="
    std::string membre;               // the left member
    std::vector<LigneSignes> facteurs;
    std::vector<std::string> racines; // the column roots, in increasing order
    LigneSignes resultat;
    std::vector<bool> cellules_rouges;  // result cells that satisfy the inequation
    bool zeros_rouges = false;          // the result's "0" marks satisfy it too ("<=", ">=")
};

// Most factors and columns a table holds.
inline constexpr std::size_t FACTEURS_MAX = 3;

// The table of the inequation; not valid when it is not an inequation with a
// right member 0 whose roots the engine finds, or when it needs more than
// three factor rows or a factor that is not linear in x.
TableauSignes calcule_tableau_signes(const EnonceLu &inequation);

// The sign written for a value: "+" when it is positive, else "-"; none
// where there is no value.
std::string signe_de(const std::optional<double> &valeur);
