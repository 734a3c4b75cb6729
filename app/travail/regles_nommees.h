#pragma once
// The wrong rules named while the pupil works: the library of their texts,
// read once from the program's folder, the task an exercise asks for, and
// the list of the rules named, kept in the shared record for the summary.

#include <optional>
#include <string>

#include "algebra/diagnostic.h"

inline constexpr const char *FICHIER_REGLES_ERRONEES = "regles_erronees.txt";

// The library of the program's folder (empty when the file is missing).
const BibliothequeRegles &bibliotheque_regles();

// The task a statement's instruction names ("Développer puis réduire...");
// none when it names no task.
Tache tache_de_consigne(const std::string &consigne);

// The rule behind the wrong text a pupil typed on `enonce`, recorded in the
// list of the rules named; the statement already read, or its text.
std::optional<Diagnostic> nomme_erreur(EnonceLu enonce, const std::string &texte, Tache tache);
std::optional<Diagnostic> nomme_erreur(const std::string &enonce, const std::string &texte, Tache tache);
