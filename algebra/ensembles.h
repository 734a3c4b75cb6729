#pragma once
// What a statement or an answer means, computed numerically on the formula
// tree: the values of an expression at sample points, the solution set of an
// equation or inequation in x (roots of factors of degree at most 2, then the
// sign of each piece between them), the pair solving a linear system.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "formula/arbre.h"

// One piece of a set of reals; bas = -inf or haut = +inf for an open end.
struct Intervalle {
    double bas = 0, haut = 0;
    bool bas_inclus = true, haut_inclus = true;
};

// A union of disjoint pieces in increasing order (a value alone is [v ; v]).
struct Ensemble {
    std::vector<Intervalle> parties;

    bool contient(double x) const;
    friend bool operator==(const Ensemble &a, const Ensemble &b);
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
    friend bool operator==(const Couple &a, const Couple &b);
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

// Values of an expression at the comparison points (letters and points get
// values of their own at each), nothing where it is undefined.
std::vector<std::optional<double>> valeurs_aux_points(const Arbre &arbre, int noeud);
std::vector<std::optional<double>> valeurs_aux_points(const std::string &lineaire);
// Both lists agree wherever both are defined, at three points at least.
bool memes_valeurs(const std::vector<std::optional<double>> &a, const std::vector<std::optional<double>> &b);
bool proches(double a, double b);

// What a pupil's answer means for a statement of this kind (1 to 5 a
// relation, 6 a system): a set of x, or a pair.
std::optional<Ensemble> ensemble_reponse(const std::string &reponse);
std::optional<Couple> couple_reponse(const std::string &reponse);
// The text of an answer as the reader takes it: decimals with ",", the words
// "et" and "ou" between values, blanks.
std::string reponse_lisible_par_le_lecteur(const std::string &reponse);
