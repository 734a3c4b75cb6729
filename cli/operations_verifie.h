#pragma once
// What the exercise checker asks of the mathematics: whether an expected
// answer is right for its statement, computed by the numeric evaluator at
// sample points, apart from the engine's own solving.

#include <optional>
#include <string>
#include <vector>

#include "exercise/preparation.h"
#include "formula/reponse.h"

namespace cli {

// Empty when `reponse` is right for `enonce` (both as the pupil meets them,
// values drawn): the values of an equation satisfy it, an inequation's set is
// the set of x where it holds, a system's pair satisfies both equations, an
// expression keeps the statement's value and a vector sum its points.
// Otherwise one French sentence that says what is wrong.
std::string defaut_mathematique(const std::string &enonce, const std::string &reponse);

// Empty when the statement is defined at one sample point at least (for an
// expression; each member for a relation), else the French sentence.
std::string defaut_enonce(const std::string &enonce);

// The writings of one answer that a pupil may give and that must mean it:
// with "x=", "S={...}", "et" and "ou", in another order, with implicit
// products, exact decimals for fractions, interval and relation notations.
std::vector<std::string> ecritures(const std::string &reponse, NatureEnonce nature);

// The answer with its values that have no finite decimal writing rounded to
// the hundredth ("1/3" as "0.33"); nothing when every value has one.
std::optional<std::string> approchee(const std::string &reponse, NatureEnonce nature);

// Empty when the values drawn keep the statement `modele` (as the teacher
// wrote it, with its letters) sound, else the French sentence: a letter drawn
// 0 that multiplies, two letters drawn equal whose difference it relies on.
std::string defaut_tirage(const std::string &modele, const Valeurs &valeurs);

} // namespace cli
