#pragma once
// The pupil's copy: what he hands in or keeps of his work, as lines to draw
// or print: the exercise and its instruction, the statement, every step with
// its comment, the helps read, each answer given with its verdict and cost,
// the mark and the date. Never the expected answers.

#include <string>
#include <vector>

class Travail;

enum class GenreLigne { titre, texte, formule };

struct LignePage {
    GenreLigne genre;
    std::string texte;
};

// `date` as it is printed ("08/12/2026").
std::vector<LignePage> copie_eleve(const Travail &travail, const std::string &date);

// Today's date, day/month/year.
std::string date_du_jour();

// The copy's file name: the exercise's file name with ".pdf", or "copie.pdf".
std::string nom_copie(const std::string &fichier_exercice);
