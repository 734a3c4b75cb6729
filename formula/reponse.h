#pragma once
// The reader of a pupil's answer. lis_reponse(texte, nature) turns what a
// pupil writes ("x=-12", "S={2;-3}", "]-∞;2[", "(3;2)", "2x²-5x-12") into
// its meaning, or gives a French message "Réponse illisible : ..." when it
// cannot be read; nature_enonce(enonce) tells which kind of statement the
// answer belongs to; ecrit_sens writes a meaning back in the formula language.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "formula/enonce.h"

enum class NatureEnonce { expression, equation, inequation, systeme };

// An interval of the real line; a bound is an expression text, "-inf" or "inf".
// A single value v is [v ; v].
struct Intervalle {
    std::string bas, haut;
    bool bas_ouvert = true, haut_ouvert = true;

    bool operator==(const Intervalle &) const = default;
};

struct Sens {
    enum class Genre {
        valeurs,      // an equation's solutions; none is "no solution"
        intervalles,  // an inequation's solution set: a union, none is the empty set
        couple,       // a system's pair: valeurs holds x then y; none is "no solution"
        expression,   // an expression (or a vector sum) in the formula language
        autre,        // a statement that is not solved ("2x=4"), kept in expression
    };
    Genre genre = Genre::expression;
    std::vector<std::string> valeurs;
    bool tous_les_reels = false;          // an equation true for every x, a system with infinitely many pairs
    std::vector<Intervalle> intervalles;
    std::string expression;

    bool operator==(const Sens &) const = default;
};

struct LectureReponse {
    std::optional<Sens> sens;
    std::string message;   // why it cannot be read, when sens is empty
};

inline constexpr std::string_view REPONSE_ILLISIBLE = "Réponse illisible : ";

LectureReponse lis_reponse(std::string_view texte, NatureEnonce nature);

// A comma between two digits is a decimal comma ("0,5"), except in the
// program's own interval text and, when couples, in a pair or an interval
// written with a comma and no semicolon ("(3,2)", "[1,4]").
std::string virgules_decimales(std::string texte, bool couples);

// The kind of a statement as it is read: a relation "=" is an equation, the
// others an inequation, "{...}" a system, anything else an expression.
NatureEnonce nature_enonce(const EnonceLu &enonce);
NatureEnonce nature_enonce(std::string_view enonce);

// The program's own writing of a meaning: values joined by "*et*", the
// interval text "domain(x,lower,upper,code)" joined by "or" ("([v])" for a
// single value), "([])" for no solution, "R" for every real, the expression.
std::string ecrit_sens(const Sens &sens);

// Where a bound or a value stands on the real line: "-inf" and "inf" as
// infinities, a text by its value (letters other than x at fixed values);
// NaN when it has none.
double position_reelle(const std::string &borne);
