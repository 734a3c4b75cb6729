#pragma once
// The value of a formula at a point by ordinary rules, in floating point:
// f(x)^n is (f(x))^n, a negative number has no root, nothing is capped. It
// tells "no value there" (undefined) apart from "no number at all" (a text
// that does not read, or a relation, a list, a vector, an interval).

#include <string_view>

enum class Definition { definie, indefinie, illisible };

struct Valeur {
    Definition lecture = Definition::illisible;
    double nombre = 0;
};

// Letters other than x take fixed values of their own, so that texts with a
// teacher's letters or y compare too.
Valeur valeur_ordinaire(std::string_view texte, double x);
