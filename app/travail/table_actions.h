#pragma once
// The action table: every action an action panel of the main window can
// offer, with its panel, its caption, its hint and what a click does. The
// menus choose one row for each panel from the statement and keep the step
// that row computes; the click runs the row it finds there. Nothing is ever
// decided from a caption or a hint.

#include <optional>
#include <string>

#include "algebra/issue.h"
#include "algebra/options_calcul.h"
#include "formula/enonce.h"

// The panels, in the order of the window from the top.
enum Panneau : int {
    PANEL10, PANEL11, PANEL12, PANEL1, PANEL5, PANEL6,
    PANEL3, PANEL7, PANEL8, PANEL4, PANEL17, PANEL19,
    NB_PANNEAUX
};

enum class ActionPanneau {
    aucune,
    // Panel10
    simplifier, ajouter_aux_membres, additionner_membre_a_membre,
    // Panel11
    meme_denominateur, multiplier_haut_et_bas, soustraire_aux_membres, soustraire_membre_a_membre,
    // Panel12
    denominateur_commun, multiplier_membres, diviser_haut_et_bas,
    // Panel1
    additionner_numerateurs, multiplier_fractions, diviser_membres,
    // Panel5
    developper, decomposer_racine, recomposer_racine, forme_canonique, solutions,
    // Panel6
    factoriser, decomposer_chasles, tableau_de_signes, ecrire_comme_somme, enlever_parentheses,
    // Panel3
    factoriser_par, substituer_a_1,
    // Panel7
    reduire_et_ordonner, reduire_avec_chasles, ecriture_scientifique, enlever_moins_vecteurs, substituer_a_2,
    // Panel8
    substituer, remplacer_x_dans_1, remplacer_y_dans_1,
    // Panel4
    autre_expression, ecrire_autrement, remplacer_x_dans_2, remplacer_y_dans_2,
    // Panel17
    calculer, remplacer_x_par,
    // Panel19
    mettre_sous_racine,
};

// What an operation of the table gave, with the statement it was computed
// from and the options it was computed under.
struct Resultat {
    std::string source;
    OptionsCalcul options;
    Issue issue;
};

// An operation of the table: the statement as read once, and the teacher's options.
using Calcul = Issue (*)(const EnonceLu &enonce, const OptionsCalcul &options);

// An operation that waits for the argument typed in the argument window.
using CalculArgument = Issue (*)(const EnonceLu &enonce, const std::string &argument, const OptionsCalcul &options);

// What the argument window must hold before the operation is tried: a
// formula with a value somewhere, and no relation, system or set for an
// expression; a point's name is checked by the operation itself.
enum class Attendu { expression, ecriture, point };

// What a click on the row does.
enum class Effet {
    rien,
    etape,      // records the step the operation computes from the current one
    argument,   // asks for an argument first (the argument window opens)
    travail,    // a move of the work itself: solving, substitutions, other forms, the sign table
};

struct LigneAction {
    ActionPanneau action;
    Panneau panneau;
    const char *libelle;
    Effet effet;
    // The hint recorded with the step, "%" standing for the operation's
    // complement (for an argument row, the argument unless the operation
    // gives its own form of it).
    const char *indication = "";
    // Effet::etape: the operation on the current step.
    Calcul calcul = nullptr;
    // Effet::argument: the argument window's code and its offset from the top
    // of the main window, beside the panel; the operation waiting for the
    // argument (none: the work compares the rewriting itself), what it
    // expects, and whether a refusal is kept in the work all the same (the
    // step recorded again with the refusal for hint).
    int code_argument = 0;
    int haut = 0;
    CalculArgument calcul_argument = nullptr;
    Attendu attendu = Attendu::expression;
    bool refus_en_etape = false;
};

const LigneAction &ligne_action(ActionPanneau a);

// The row whose argument window has that code; none for another code.
const LigneAction *ligne_argument(int code);

// The row's operation on s, with its source; nothing for a row that computes no step.
std::optional<Resultat> calcule(ActionPanneau a, const std::string &s);

// The step still holds for the statement s: computed from it, under the
// options set now (the teacher may have changed them since).
bool vaut_pour(const Resultat &r, const std::string &s);

// The hint of the row for that step.
std::string indication(const LigneAction &ligne, const Transformation &t);
// The hint of an argument row for that step.
std::string indication(const LigneAction &ligne, const std::string &argument, const Transformation &t);
