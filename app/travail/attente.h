#pragma once
// Temporary: the answer check and the exercise preparation are being written
// alongside; until their headers exist these do nothing.
#if __has_include("app/travail/reponse.h") && __has_include("exercise/preparation.h")
#include "app/travail/reponse.h"
#include "exercise/preparation.h"
#else
#include <string>
inline void verifie_reponse(const std::string &) {}
inline std::string felicitations() { return {}; }
inline void ouvre_aide(int) {}
inline void valide_domaine(const std::string &) {}
inline void seme_hasard(unsigned) {}
inline void preparer_exercice() {}
inline void instancier_exercice() {}
#endif
