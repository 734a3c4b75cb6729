#pragma once
// Names the pupil's mistake: each wrong rule of the library is applied where
// it applies in the statement (one rule at one place, or two rules that the
// library says go together), and a rule is named only when its result means
// exactly what the pupil wrote. The explanation states the right rule and a
// counter-example computed on the pupil's own statement.

#include <optional>
#include <string>

#include "algebra/regles_erronees.h"

struct Diagnostic {
    std::string identifiant;
    std::string explication;
};

// The statement (or the step being rewritten), the task (none: every rule of
// the statement's kind), the pupil's text. Nothing when the text is right,
// when it does not read, or when no rule explains it. The statement is taken
// as already read, or read from its text.
std::optional<Diagnostic> diagnostique(EnonceLu enonce, const std::string &reponse, Tache tache,
                                       const BibliothequeRegles &bibliotheque);
std::optional<Diagnostic> diagnostique(const std::string &enonce, const std::string &reponse, Tache tache,
                                       const BibliothequeRegles &bibliotheque);
