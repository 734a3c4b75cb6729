#pragma once
// Solving on the formula tree, numerically, what the wrong rules lead to: the
// solution set of an equation or inequation in x (roots of factors of degree
// at most 2, then the sign of each piece between them), the pair solving a
// linear system; and these results as meanings of the answer reader, to be
// compared with what a pupil wrote by the one comparison of meanings.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formula/arbre.h"
#include "formula/reponse.h"

// One piece of a set of reals; bas = -inf or haut = +inf for an open end.
struct Morceau {
    double bas = 0, haut = 0;
    bool bas_inclus = true, haut_inclus = true;
};

// A union of disjoint pieces in increasing order (a value alone is [v ; v]).
struct Ensemble {
    std::vector<Morceau> parties;

    bool contient(double x) const;
};

// The set of the x where `dedans` holds, knowing that it can change only at
// the given points: each point and each piece between them is tested once.
Ensemble ensemble_par_morceaux(std::vector<double> points, const std::function<bool(double)> &dedans);
Ensemble reunion(const Ensemble &a, const Ensemble &b);
Ensemble intersection(const Ensemble &a, const Ensemble &b);
Ensemble valeurs(std::vector<double> v);

// A solution of a system; a pupil may give one unknown only.
struct Couple {
    std::optional<double> x, y;
};

// ax² + bx + c.
struct Polynome {
    double a = 0, b = 0, c = 0;
    int degre() const;
    // The real roots, in increasing order; none for a constant.
    std::vector<double> racines() const;
};

// The value of a linear text at x (other letters at fixed values).
std::optional<double> valeur_en(const std::string &lineaire, double x);
// A linear text in x as a polynomial of degree at most 2, when it is one.
std::optional<Polynome> polynome(const std::string &lineaire);
// ax + by + c for a text in x and y.
struct Lineaire2 {
    double a = 0, b = 0, c = 0;
};
std::optional<Lineaire2> lineaire_xy(const std::string &lineaire);
// The pair solving {a1 x + b1 y + c1 = 0 ; a2 x + b2 y + c2 = 0}, when there is one.
std::optional<Couple> resout_systeme(const Lineaire2 &l1, const Lineaire2 &l2);

// The solutions of a relation node in x (equation or inequation): the
// numerator's and the denominator's factors must be polynomials of degree at
// most 2. No set when they are not, or when every x is a solution of an
// equation.
std::optional<Ensemble> ensemble_solutions(const Arbre &arbre, int relation);
// Roots of the factors of a member written as a product or a quotient
// (numerator factors in `zeros`, denominator ones in `interdites`).
bool racines_facteurs(const Arbre &arbre, int membre, std::vector<double> &zeros, std::vector<double> &interdites);

bool proches(double a, double b);

// The set as the answer reader means it: the values of an equation
// (`equation`), else intervals; a pair, or the one unknown given ("x=3").
Sens sens_de(const Ensemble &e, bool equation);
Sens sens_de(const Couple &c);
// The set of x a pupil's answer means, for the values or intervals it holds.
std::optional<Ensemble> ensemble_de(const Sens &s);
// The value of a number as a pupil writes it: "3", "-2/5", else a decimal.
std::string nombre_lisible(double v);

Sens sens_expression(std::string texte);

// The one comparison of meanings: the same value, whatever the shape.
bool meme_sens(const Sens &a, const Sens &b);
