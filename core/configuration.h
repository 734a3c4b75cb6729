#pragma once
// The teacher's settings kept between runs in "Vivezezi.ini" (its place:
// core/emplacements.h): the seven options, the password, the folder of the sibling program
// and the web address. A section starts at a line without "=" that holds one
// of the words "OPTIONS", "PASSE", "CONFIG", "WEB" or "SECOND DEGRE" once
// turned to upper case; the sections may come in any order. Values are read
// by position after their header, the value being what follows the first
// "="; the line after the "PASSE" header is the password, whatever it holds.
// Reading is tolerant: a missing or malformed file leaves the defaults.

#include <array>
#include <filesystem>
#include <string>
#include <string_view>

#include "core/encodage.h"
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

// The factoring of trinomials by their discriminant has a section of its own
// after the others, "[SECOND DEGRE]" then "TRINOMES=VRAI" or "FAUX", so that
// readers that know only the first four never meet it. Without it the
// setting is on.
inline constexpr const char *SECTION_TRINOMES = "SECOND DEGRE";
inline constexpr const char *CLE_TRINOMES = "TRINOMES";

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

// The seven options, `mot_de_passe` (upper case) and the trinomial setting.
// A missing or unreadable file leaves them as they are; for an unreadable
// one the French message that says why, empty otherwise.
std::string lit_configuration();

// The folder of the "CONFIG" section, "C:\KORV96" by default.
std::string lit_dossier_frere();

// The address of the "WEB" section, `ADRESSE_WEB_DEFAUT` by default.
std::string lit_adresse_web();

// The password can be written to the file and read back as it is: the file
// holds Windows-1252 characters only, and no control characters.
bool mot_de_passe_enregistrable(std::string_view mot_de_passe);
inline constexpr const char *MESSAGE_MOT_DE_PASSE =
    "Le mot de passe ne peut contenir que des caractères de l'alphabet latin d'Europe de l'Ouest "
    "(lettres avec ou sans accent, chiffres, ponctuation et signes courants) : le fichier de "
    "configuration ne peut pas en garder d'autres.";

// Rewrite the lines they set, and only those, adding the sections the file
// lacks: `ecrit_dossier_frere` the folder line of "CONFIG", `ecrit_options`
// the option lines, the password and the trinomial setting. A missing file
// is first made again from the shared default. On failure the file is left
// as it was and the result says why.
Enregistrement ecrit_dossier_frere(const std::string &dossier, HorsFormat hors_format = HorsFormat::refuser);
Enregistrement ecrit_options(HorsFormat hors_format = HorsFormat::refuser);
