#pragma once
// The one numeric evaluator: the value of a formula at a point, by the
// reader's ordinary rules ('2^3^2' is 2^9, '-x^2' is -(x^2), '2*-x' is -2x,
// '10^-3' is 1/1000) and with nothing capped. A quotient by zero, the root or
// the logarithm of a number out of their domain, and a non-whole power of a
// negative number have no value.
//
// Numbers stay exact rationals as far as the formula allows (sums, products,
// quotients, whole powers, exact roots), and become doubles beyond (functions,
// other roots, powers past the digit cap of the exact numbers). A double
// carries an estimate of its rounding error, so that two values are told
// apart by what their computation could not have made of them.

#include <optional>
#include <string_view>

#include "formula/arbre.h"
#include "formula/rationnel.h"

// What the evaluation found: a value, no value there (undefined), no number
// at all (a text that does not read, or a relation, a list, a vector, an
// interval), or a value too large for a double.
enum class Definition { definie, indefinie, illisible, hors_limites };

struct Valeur {
    Definition lecture = Definition::illisible;
    double nombre = 0;
    std::optional<Rationnel> exact;   // the exact value, when the numbers allowed it
    double erreur = 0;                // bound of the rounding error of nombre
};

// Letters other than the variable take fixed values of their own, so that
// texts with a teacher's letters or y compare too.
Valeur valeur_ordinaire(std::string_view texte, double x);
Valeur valeur_ordinaire(const Arbre &arbre, double x, char variable = 'x');
// The value of one node of the tree and what it holds.
Valeur valeur_du_noeud(const Arbre &arbre, int noeud, double x);
// The same at a rational point, computed exactly as far as the numbers allow.
Valeur valeur_exacte(const Arbre &arbre, const Rationnel &x, char variable = 'x');

// The value of the text at x, none where it has none or is no number.
std::optional<double> valeur(std::string_view texte, double x);
std::optional<double> valeur(const Arbre &arbre, double x);
// The value of a text that holds no letter (a number written as a
// calculation), none for any other.
std::optional<double> valeur_constante(std::string_view texte);

// Two defined values that stand for the same number: equal when both are
// exact, else within what their rounding errors allow.
bool meme_nombre(const Valeur &a, const Valeur &b);
// A defined value that stands for zero.
bool vaut_zero(const Valeur &v);
