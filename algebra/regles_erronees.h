#pragma once
// The wrong rules ("règles erronées") pupils apply in algebra. Their texts
// (French name, right rule, explanation) come from a library file that a
// teacher can read and correct; their mechanics are code on the formula tree:
// each rule, applied at one place of a statement, gives the wrong result a
// pupil who follows it writes.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "algebra/ensembles.h"
#include "formula/arbre.h"
#include "formula/enonce.h"

enum class Tache { aucune, developper, factoriser, reduire, resoudre, simplifier };

// "developper", "factoriser", "reduire", "resoudre", "simplifier" (accents
// allowed); no task for any other word.
std::optional<Tache> tache_de(std::string_view mot);

// What a teacher reads of a rule.
struct TexteRegle {
    std::string identifiant;
    std::string nom;           // the name a teacher uses
    std::string juste;         // the right rule
    std::string explication;   // what the pupil is told
    std::vector<std::string> avec;   // rules it may go with in one answer
};

struct BibliothequeRegles {
    std::vector<TexteRegle> regles;
    const TexteRegle *trouve(std::string_view identifiant) const;
};

// Reads the library from the lines of its file: blocks opened by
// "[identifiant]", then lines "NOM=", "JUSTE=", "EXPLICATION=", "AVEC=" (identifiers
// separated by blanks); lines starting with ";" are comments.
BibliothequeRegles lis_bibliotheque(const std::vector<std::string> &lignes);

// The statement a rule is applied to, taken from its reading: its tree, its
// kind, the nodes of a relation's two members or of a system's lines, and
// what solves a relation or a system. Nothing for a statement that does not
// read or that is a list or a set.
struct Enonce {
    Arbre arbre;
    Nature nature = EXPRESSION;
    std::vector<int> membres;             // of a relation
    std::vector<int> lignes;              // of a system
    std::optional<Ensemble> solutions;   // of an equation or inequation
    std::optional<Couple> couple;        // of a system
};
std::optional<Enonce> lis_enonce(EnonceLu lu);
std::optional<Enonce> lis_enonce(const std::string &texte);

// A rule applied at one place: for an expression the whole statement
// rewritten with the place before and after (linear texts); for a relation
// the set (or the pair) the pupil then gives.
struct Application {
    std::string resultat;
    std::string avant, apres;
    std::optional<Ensemble> ensemble;
    std::optional<Couple> couple;
};

struct Mecanique {
    std::string_view identifiant;
    // The tasks where pupils meet it; none for a rule met in every task of its kind.
    std::vector<Tache> taches;
    void (*applique)(const Enonce &enonce, std::vector<Application> &resultats);
};

// Every rule the program knows, in the order the diagnosis tries them (the
// more particular first).
const std::vector<Mecanique> &mecaniques();
const Mecanique *mecanique(std::string_view identifiant);
