#pragma once
// Exercise files (".alg"): Windows-1252 text with CR LF line ends, one item
// per line: statement, starting expression ("@" for its line breaks), four
// font heights, variable lines, answer blocks, the "options" block, the
// "aide" block, the "ens_def" block of the domain of definition (two
// intervals in eight lines, and four lines more for each further interval),
// and the "panneaux" block of the action panels the pupil may use (written only when
// the teacher withholds one; a file without it allows them all).

#include <array>
#include <filesystem>
#include <string>
#include <vector>

#include "algebra/algebre.h"
#include "core/bornes_intervalles.h"
#include "core/partage.h"
#include "core/encodage.h"

// At most this many helps and answers are kept from a file; extra ones are
// skipped.
inline constexpr std::size_t AIDES_MAX = 29;
inline constexpr std::size_t SOLUTIONS_MAX = 15;
inline constexpr std::size_t LIGNES_PARAMETRES_MAX = 20;
inline constexpr std::size_t LONGUEUR_LIGNE_PARAMETRE_MAX = 150;
inline constexpr int TAILLE_FONTE_DEFAUT = 20;

// The action panels by the window's names, in window order: the keys of the
// "panneaux" block.
inline constexpr std::array<const char *, NB_PANNEAUX_ACTION> NOMS_PANNEAUX = {
    "Panel10", "Panel11", "Panel12", "Panel1", "Panel5", "Panel6",
    "Panel3",  "Panel7",  "Panel8",  "Panel4", "Panel17", "Panel19"};

struct Aide {
    std::string titre;   // the item of the help list
    std::string texte;
    int penalite = 0;
};

// The domain of definition: the two intervals of the shared record.
using DomaineDefinition = BornesIntervalles;

// One exercise as its file holds it.
struct Exercice {
    std::string consigne;
    // Line breaks as CR LF.
    std::string expression_base;
    // The starting expression as last read ("@" kept) or prepared, written back on save.
    std::string expression_fichier;
    // Font heights of steps 1 to 4 (entry 0 unused).
    std::array<int, 5> tailles{TAILLE_FONTE_DEFAUT, TAILLE_FONTE_DEFAUT, TAILLE_FONTE_DEFAUT,
                               TAILLE_FONTE_DEFAUT, TAILLE_FONTE_DEFAUT};
    // Variable lines 1..20, "a:1,2,3,": letter, ":", items each followed by ",".
    std::array<std::string, LIGNES_PARAMETRES_MAX + 1> lignes_parametres;
    // In memory each "=" of an answer is "*et*", except in vector exercises.
    std::vector<TDsolu> solutions;
    // In the order of `options_par_cle`.
    std::array<bool, 7> options{true, true, true, true, true, true, true};
    std::vector<Aide> aides;
    bool liste_aides = false;       // the file had a help block: the help list is shown
    bool aides_a_imprimer = false;  // the file had answers
    DomaineDefinition domaine;
    PanneauxPermis panneaux = TOUS_PERMIS;
};

struct LectureExercice {
    enum Etat { reussie, fichier_illisible, pas_un_exercice };
    Etat etat = reussie;
    // Why the file was not loaded, in French.
    std::string message;
    // The file was written in UTF-8 by another editor, not in the program's
    // Windows-1252; it was read as such.
    bool en_utf8 = false;
    friend bool operator==(const LectureExercice &lecture, Etat etat) { return lecture.etat == etat; }
};

// Loads the file into `exercice`. Options and domain missing from the file
// keep the values they had in `exercice`; everything else comes from the
// file. When the file cannot be read, or is not an exercise (binary, cut
// short, without statement nor starting expression, with a line over `LONGUEUR_TEXTE_MAX`
// characters), `exercice` is left untouched. With the option FRACTIONS on,
// the starting expression is brought to normal form.
LectureExercice lire_exercice(const std::filesystem::path &chemin, Exercice &exercice);

// Writes the whole file (see `ecrit_fichier_texte`): on failure the previous
// file is kept as it was, and characters the file cannot hold stop the save
// unless they are to be replaced.
Enregistrement sauver_exercice(const std::filesystem::path &chemin, const Exercice &exercice,
                               HorsFormat hors_format = HorsFormat::refuser);

// The exercise held in the shared record, with the help titles and the font
// heights that the work window keeps (titles by help slot, from 1).
Exercice exercice_en_cours(const std::vector<std::string> &titres_aides,
                           const std::array<int, 5> &tailles);

// Puts a loaded exercise into the shared record: statement, expressions,
// variables, answers (mark back to 20), helps, options, domain, and the
// pupil mode off. Titles and font heights stay in `exercice` for the window.
void installe_exercice(const Exercice &exercice);

// The letters of the variable lines ("a:1,2,3,,"): unknowns that the
// statement and the answers may write side by side ('2ab').
std::string lettres_des_variables(const std::array<std::string, LIGNES_PARAMETRES_MAX + 1> &lignes);
