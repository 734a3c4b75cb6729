#include "exercise/preparation.h"

ExercicePrepare preparer_exercice(const std::optional<std::string> &) { return {}; }

void instancier_exercice() {}

void seme_hasard(unsigned) {}

std::vector<int> valeurs_variable(const std::string &) { return {}; }

std::string valeur_ecrite(int) { return {}; }
