#pragma once
// The context that the engine's operations take as arguments, read from the
// shared record of the work: the engine itself never reads that record.

#include "algebra/enonces.h"
#include "algebra/options_calcul.h"
#include "algebra/solutions.h"

ContexteResolution contexte_resolution();

// The teacher's options as the actions on the pupil's statement take them.
OptionsCalcul options_calcul();

// Keeps the value a substitution found for x or y, which contexte_resolution
// gives back when the system is solved.
void retient_substitution(const Substitution &substitution);
