#pragma once
// The text tools the answer reader shares between its readers of values and
// of intervals: blanks, surrounding brackets, separators, the words a pupil
// writes for no solution or every real, and the messages of a text that
// cannot be read.

#include <string>
#include <string_view>
#include <vector>

#include "formula/reponse.h"

namespace reponse_ecrite {

// No statement of the program has more solutions or intervals than this;
// comparing two longer lists would take time for nothing.
inline constexpr std::size_t PARTIES_MAX = 40;

std::string sans_blancs(std::string_view texte);
// Without blanks and stars at either end.
std::string rogne(std::string_view texte);
// The text without one pair of brackets that enclose all of it.
std::string sans_entourage(const std::string &texte, char ouvre, char ferme);
// The pieces of a text between the given separators, outside brackets. The
// separator "U" counts only standing apart from letters and digits.
std::vector<std::string> decoupe(const std::string &texte, const std::vector<std::string_view> &separateurs);

// "pas de solution", "aucune solution", "∅" (read "{}"), "([])"...
bool dit_sans_solution(const std::string &texte);
// "tout réel", "ℝ" (read "R")...
bool dit_tous_les_reels(const std::string &texte);
// "une infinité de solutions", "infinité"...
bool dit_une_infinite(const std::string &texte);
bool est_infini(const std::string &borne);

// "Réponse illisible : " and the detail.
std::string illisible(std::string_view detail);
std::string illisible_formule(const std::string &piece);
// A statement read but not solved.
Sens autre(const std::string &texte);

// The solution set of an inequation as the pupil writes it.
LectureReponse lis_intervalles(const std::string &texte);

} // namespace reponse_ecrite
