#pragma once
// The summary of the exercise: its file, statement, starting expression,
// variables, options, expected answers, the mistakes named during the
// pupil's work, and helps, as a list of lines to draw. The window shows it
// in five pages, each starting one section later; paper gets all of it.

#include <string>
#include <vector>

#include "app/travail/copie.h"

// The summary's lines are those of the pupil's copy.
using GenreLigneResume = GenreLigne;
using LigneResume = LignePage;

inline constexpr int PAGES_RESUME = 5;
// Helps 1 to 10 are summarised.
inline constexpr int AIDES_RESUMEES = 10;

// The lines of window page `page` (1 to 5) from the shared record. The
// answers are listed only when the exercise came with answers (aides_a_imprimer).
// `titres_aides` are the items of the help list, in order.
std::vector<LigneResume> resume_ecran(int page, const std::vector<std::string> &titres_aides);

// Every line, answers always listed, for the printed summary.
std::vector<LigneResume> resume_papier(const std::vector<std::string> &titres_aides);
