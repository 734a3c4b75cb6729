#pragma once
// The teacher's settings kept between runs in "Vivezezi.ini" (its place:
// core/emplacements.h): the seven options, the password, the folder of the sibling program
// and the web address. Sections are found by the words "OPTIONS", "PASSE",
// "CONFIG" and "WEB" in a line turned to upper case; values are read by
// position after their header, the value being what follows the first "=".
// Reading is tolerant: a missing or malformed file leaves the defaults.

#include <array>
#include <filesystem>
#include <string>

#include "core/partage.h"

// The seven options in their file order, with their keys.
struct CleOption {
    const char *cle;
    bool Partage::*option;
};
inline constexpr std::array<CleOption, 7> options_par_cle = {{
    {"REDUIRE", &Partage::option_reduire},
    {"FRACTIONS", &Partage::option_fractions},
    {"RACINES", &Partage::option_racines},
    {"KALKUL", &Partage::option_kalkul},
    {"SIMPLIF", &Partage::option_simplif},
    {"FACTORIZ", &Partage::option_factoriz},
    {"DEVELOPPE", &Partage::option_developpe},
}};

inline constexpr const char *DOSSIER_FRERE_DEFAUT = "C:\\KORV96";
// No page is opened when the file gives no address.
inline constexpr const char *ADRESSE_WEB_DEFAUT = "";

// Full path of the running program file (the current folder when unknown).
std::filesystem::path chemin_executable();

// `dossier_programme` := the folder of the running program, `chemin_config`
// := that folder's "Vivezezi.ini".
void calcule_chemins();
// The same from a given program folder.
void fixe_dossier_programme(const std::filesystem::path &dossier);

// The seven options and `mot_de_passe` (upper case). A missing file leaves
// them as they are.
void lit_configuration();

// The folder of the "CONFIG" section, "C:\KORV96" by default.
std::string lit_dossier_frere();

// The address of the "WEB" section, `ADRESSE_WEB_DEFAUT` by default.
std::string lit_adresse_web();

// Rewrite the file through "xxx.ini" beside it (the program folder may be
// read-only when the file lives in the user's folder). False when the
// file is missing or cannot be rewritten; it is then left as it was.
bool ecrit_dossier_frere(const std::string &dossier);
bool ecrit_options();
