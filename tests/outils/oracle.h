#pragma once

// The value-and-domain check shared by the engine tests. It reads a formula
// with the formula language's reader and computes it by ordinary rules in
// floating point, apart from the program's own evaluator (whose caps and
// conventions would hide faults). A rewrite is sound when, at every sample
// point where the text before is defined, the text after is defined too and
// takes the same value. The text after may be defined where the text before
// is not: simplifying a quotient on its domain is what a teacher does.

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include <gtest/gtest.h>

#include "formula/lecteur.h"

namespace outils {

enum class Lecture { definie, indefinie, illisible };

struct Valeur {
    Lecture lecture = Lecture::illisible;
    double nombre = 0;
};

namespace detail {

// Letters other than x take fixed values, so that teacher letters and y can
// be compared too.
inline double valeur_lettre(char nom, double x)
{
    if (nom == 'x')
        return x;
    return 0.37 + 0.61 * (nom - 'a');
}

inline Valeur calcule(const Arbre &arbre, int indice, double x)
{
    const Noeud &n = arbre[indice];
    const auto definie = [](double v) {
        return std::isfinite(v) ? Valeur{Lecture::definie, v} : Valeur{Lecture::indefinie, 0};
    };
    switch (n.genre) {
    case Genre::nombre:
        return {Lecture::definie, std::strtod(std::string(arbre.mot(n)).c_str(), nullptr)};
    case Genre::lettre:
        return {Lecture::definie, valeur_lettre(arbre.mot(n)[0], x)};
    case Genre::groupe:
        return calcule(arbre, arbre.enfant(n, 0), x);
    case Genre::signe: {
        Valeur v = calcule(arbre, arbre.enfant(n, 0), x);
        if (arbre.mot(n) == "-")
            v.nombre = -v.nombre;
        return v;
    }
    case Genre::fonction: {
        const Valeur a = calcule(arbre, arbre.enfant(n, 0), x);
        if (a.lecture != Lecture::definie)
            return a;
        const std::string_view f = arbre.mot(n);
        const double u = a.nombre;
        if (f == "sqrt")
            return u < 0 ? Valeur{Lecture::indefinie, 0} : definie(std::sqrt(u));
        if (f == "ln")
            return u <= 0 ? Valeur{Lecture::indefinie, 0} : definie(std::log(u));
        if (f == "abs")
            return definie(std::fabs(u));
        if (f == "sin")
            return definie(std::sin(u));
        if (f == "cos")
            return definie(std::cos(u));
        if (f == "tan")
            return definie(std::tan(u));
        if (f == "exp")
            return definie(std::exp(u));
        return {};
    }
    case Genre::puissance: {
        const Valeur b = calcule(arbre, arbre.enfant(n, 0), x);
        const Valeur e = calcule(arbre, arbre.enfant(n, 1), x);
        if (b.lecture != Lecture::definie)
            return b;
        if (e.lecture != Lecture::definie)
            return e;
        if (b.nombre < 0 && e.nombre != std::floor(e.nombre))
            return {Lecture::indefinie, 0};
        if (b.nombre == 0 && e.nombre < 0)
            return {Lecture::indefinie, 0};
        return definie(std::pow(b.nombre, e.nombre));
    }
    case Genre::produit:
    case Genre::somme: {
        double total = n.genre == Genre::produit ? 1 : 0;
        Valeur resultat{Lecture::definie, 0};
        for (int k = 0; k < n.nombre_enfants; ++k) {
            const Valeur v = calcule(arbre, arbre.enfant(n, k), x);
            if (v.lecture == Lecture::illisible)
                return v;
            if (v.lecture == Lecture::indefinie)
                resultat = v;
            const char op = arbre.operateur(n, k);
            if (op == '/') {
                if (v.nombre == 0)
                    resultat = {Lecture::indefinie, 0};
                else
                    total /= v.nombre;
            } else if (op == '-') {
                total -= v.nombre;
            } else if (n.genre == Genre::produit) {
                total *= v.nombre;
            } else {
                total += v.nombre;
            }
        }
        if (resultat.lecture != Lecture::definie)
            return resultat;
        return definie(total);
    }
    default:
        return {};   // relations, lists, vectors, intervals have no number
    }
}

} // namespace detail

// The value of an expression at x by ordinary rules.
inline Valeur valeur_ordinaire(std::string_view texte, double x)
{
    const std::optional<Arbre> arbre = lis_formule(texte);
    if (!arbre || arbre->racine < 0)
        return {};
    return detail::calcule(*arbre, arbre->racine, x);
}

// Sample points from -50 to 50 that avoid the whole numbers and simple
// fractions where pupils' roots and poles sit.
inline const std::vector<double> &points_echantillon()
{
    static const std::vector<double> points = {
        -49.13, -37.71, -23.57, -13.29, -8.61, -5.83, -4.37, -3.19, -2.71, -1.93, -1.37, -0.79,
        -0.41,  -0.13,  0.17,   0.43,   0.77,  1.21,  1.61,  2.33,  2.93,  3.47,  4.71,  6.29,
        7.87,   11.43,  17.93,  29.17,  41.39, 49.57};
    return points;
}

// The rewrite keeps the value and the domain of its input: wherever `avant`
// is defined, `apres` is defined and equal (relative tolerance 1e-7, points
// whose values pass 1e12 skipped), on at least `minimum` points.
inline testing::AssertionResult meme_valeur_et_domaine(const std::string &avant, const std::string &apres,
                                                      int minimum = 5)
{
    int comparees = 0;
    for (double x : points_echantillon()) {
        const Valeur a = valeur_ordinaire(avant, x);
        if (a.lecture == Lecture::illisible)
            return testing::AssertionFailure() << "'" << avant << "' cannot be read";
        const Valeur b = valeur_ordinaire(apres, x);
        if (b.lecture == Lecture::illisible)
            return testing::AssertionFailure() << "'" << avant << "' -> '" << apres << "' cannot be read";
        if (a.lecture != Lecture::definie)
            continue;
        if (b.lecture != Lecture::definie)
            return testing::AssertionFailure() << "'" << avant << "' -> '" << apres
                                               << "' is undefined at x = " << x << " where the input is "
                                               << a.nombre;
        if (std::fabs(a.nombre) > 1e12 || std::fabs(b.nombre) > 1e12)
            continue;
        ++comparees;
        if (std::fabs(a.nombre - b.nombre) > 1e-7 * std::max({1.0, std::fabs(a.nombre), std::fabs(b.nombre)}))
            return testing::AssertionFailure() << "'" << avant << "' -> '" << apres << "' differ at x = " << x
                                               << " (" << a.nombre << " / " << b.nombre << ")";
    }
    if (comparees < minimum)
        return testing::AssertionFailure() << "'" << avant << "' -> '" << apres << "': " << comparees
                                           << " comparable points, " << minimum << " wanted";
    return testing::AssertionSuccess();
}

} // namespace outils
