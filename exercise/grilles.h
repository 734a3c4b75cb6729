#pragma once
// The teacher's tables of the current exercise, without widgets: the helps
// (title, text, note), the expected answers (answer, comment, note) and the
// variables (letter, values). A table is filled from the shared record, edited
// cell by cell, and stored back when the teacher confirms it.

#include <string>
#include <vector>

// The editing mode `mode_grille`: which table the teacher edits.
enum ModeGrille { grille_aucune = 0, grille_aides = 1, grille_reponses = 2, grille_variables = 3 };

// The table of helps and answers: a header row, then 27 rows of number,
// first text, second text and note.
inline constexpr int LIGNES_TEXTES = 28;
inline constexpr int COLONNES_TEXTES = 4;
// The table of variables: a letter then up to 20 values a row.
inline constexpr int LIGNES_VALEURS = 20;
inline constexpr int COLONNES_VALEURS = 21;
// At most this many answers are stored from the table.
inline constexpr int REPONSES_GRILLE_MAX = 10;

// Text cells by row and column, both from 0; row 0 is the header.
class Grille {
public:
    Grille(int lignes, int colonnes);

    int lignes() const { return lignes_; }
    int colonnes() const { return colonnes_; }
    // Empty outside the table.
    const std::string &cellule(int ligne, int colonne) const;
    // Ignored outside the table.
    void ecrit(int ligne, int colonne, std::string texte);
    // Makes the table at least this large, keeping its cells.
    void agrandit(int lignes, int colonnes);
    bool ligne_vide(int ligne) const;

    // Every row from `ligne` down takes the row below it; the last becomes empty.
    void supprime_ligne(int ligne);
    // An empty row at `ligne`, the rows below move down; a table whose last
    // row holds text grows by one row rather than lose it.
    void insere_ligne(int ligne);
    // The rows whose column 2 is empty are removed; the others move up.
    void compacte();

private:
    int lignes_, colonnes_;
    std::vector<std::string> cellules_;   // row by row
};

// The table of a mode filled from the shared record. `titres` are the items
// of the main window's help list (the help titles, by slot from 1, at index
// slot - 1). Mode 3 gives the table of variables, modes 1 and 2 the other.
Grille remplit_grille(int mode, const std::vector<std::string> &titres);

// What storing a table changed that the main window shows.
struct GrilleEnregistree {
    bool aides_changees = false;               // mode 1: the help list is new
    std::vector<std::string> liste_aides;      // its items, TITRE_LISTE_AIDES last (the one selected)
};

// Stores the confirmed table of a mode into the shared record: the table is
// compacted first (rows without text go), then helps (at most 29), answers
// (at most 10) or variables (those with at least two values) are rewritten.
// Sets the unsaved-changes mark and puts the editing mode back to 0.
GrilleEnregistree enregistre_grille(int mode, Grille &grille);

// A note as the tables and the summary show it: "-" then the points taken
// off, "0" when none are.
std::string note_affichee(int penalite);
// A typed note: its absolute value ("5" and "-5" both give 5); text that is no
// whole number gives 0, and very large numbers are held at 999999.
int note_lue(const std::string &texte);
