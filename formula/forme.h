#pragma once
// The algebraic form of an expression, as the normal form builds it: a sum
// of terms, each term a rational coefficient times a product of powers of
// bases. A base is a letter, a vector, a number kept as a power, a function,
// a parenthesised sum, or a power with a non-numeric exponent. A product is
// never distributed over a sum: a sum inside a product is a base.

#include <string>
#include <vector>

#include "formula/rationnel.h"

struct Somme;

struct Base {
    enum class Genre : unsigned char {
        nombre,    // valeur (a power of a number that was not computed)
        lettre,    // nom: "a".."z"
        vecteur,   // nom: the point names, "o" for the zero vector
        fonction,  // nom: the function; arguments: its argument
        groupe,    // arguments: the sum in parentheses
        puissance, // arguments: base and exponent of a power with a non-numeric exponent
    };
    Genre genre = Genre::lettre;
    std::string nom;
    Rationnel valeur;
    bool decimal = false;          // a decimal literal took part in valeur
    std::vector<Somme> arguments;
    std::string cle;               // equal keys mean equal bases
};

struct Facteur {
    Base base;
    Rationnel exposant;
};

struct Terme {
    Rationnel coefficient{1};
    bool decimal = false;          // a decimal literal took part in the coefficient
    std::vector<Facteur> facteurs;

    bool est_nombre() const { return facteurs.empty(); }
};

// The empty sum is zero.
struct Somme {
    std::vector<Terme> termes;

    bool est_nulle() const { return termes.empty(); }
    bool est_nombre() const { return termes.empty() || (termes.size() == 1 && termes.front().est_nombre()); }
    // The value of a sum that est_nombre().
    Rationnel nombre() const { return termes.empty() ? Rationnel() : termes.front().coefficient; }
    bool nombre_decimal() const { return !termes.empty() && termes.front().decimal; }
};
