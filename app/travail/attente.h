#pragma once
// Temporary: the answer check and the exercise preparation are being written
// alongside; until their sources exist these stand in for them and do nothing.
#if __has_include("app/travail/reponse.cpp") && __has_include("exercise/preparation.cpp")
#include "app/travail/intervalles.h"
#include "app/travail/reponse.h"
#include "exercise/preparation.h"
#else
#include <optional>
#include <string>
#include <vector>
inline bool verifie_reponse(const std::string &) { return false; }
inline std::string felicitations() { return {}; }
struct AideOuverte {
    std::string texte;
    int taille_police = 11;
};
inline std::optional<AideOuverte> ouvre_aide(int) { return std::nullopt; }
inline void valide_domaine(const std::string &) {}
inline void seme_hasard(unsigned) {}
struct ExercicePrepare {
    bool fait = false;
    bool aides_refaites = false;
    std::vector<std::string> liste_aides;
};
inline ExercicePrepare preparer_exercice(const std::optional<std::string> & = std::nullopt) { return {}; }
inline void instancier_exercice() {}
#endif
