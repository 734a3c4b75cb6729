#pragma once
// The action menus: from the statement being worked on, the row of the
// action table each of the twelve action panels of the main window offers,
// enabled or not, with the step it computes. The window only shows their
// captions; a click runs the row.

#include <array>
#include <optional>
#include <string>

#include "app/travail/table_actions.h"
#include "core/partage.h"

static_assert(NB_PANNEAUX == NB_PANNEAUX_ACTION);

// "Panel10", "Panel11", ... as the window names them.
const char *nom_panneau(Panneau p);
// What a panel offers, by its chief captions, for the teacher choosing the
// panels of an exercise.
const char *legende_panneau(Panneau p);

// Caption colour of an enabled panel and of a disabled one.
inline constexpr Couleur COULEUR_PANNEAU_ACTIF = 0xFFFFFF;
inline constexpr Couleur COULEUR_PANNEAU_INACTIF = 0x02520000;

struct EtatPanneau {
    std::string libelle;
    bool actif = false;
    ActionPanneau action = ActionPanneau::aucune;
    // The step the row computed while choosing the panel (for "Solution(s)"
    // the solutions and their announcement), for the click to record.
    std::optional<Resultat> resultat{};
};

struct Menus {
    std::array<EtatPanneau, NB_PANNEAUX> panneaux;

    const EtatPanneau &operator[](Panneau p) const { return panneaux[p]; }
    EtatPanneau &operator[](Panneau p) { return panneaux[p]; }
};

// What the menus read from the main window (the rest comes from partage:
// etape, the options, mode_vecteurs, nature_exercice).
struct EtatMenus {
    std::string base;               // step 1 of the work, the base statement
    int partie_source_etape = -1;   // part the current step was selected from, -1 for none
    int partie_source_2 = -1;       // part step 2 was selected from (the line of a system)
    bool autre_en_cours = false;    // an "Autre expression" cycle is running
};

// The row of the action table each panel offers for the statement texte,
// read once, with its caption and enabled state, and the step each enabled
// row computes (a row enabled by its condition alone computes it too, and
// "Solution(s)" keeps what solving found), which a click records while
// texte is still the current step. Also sets partage.nature_expression (and
// nature_exercice at step 1) and forme_canonique_possible. An
// empty text, or a list of solutions ("1*et*-2"), gives twelve empty,
// disabled panels and changes no kind.
Menus met_a_jour_menus(const std::string &texte, const EtatMenus &etat);

// The menus without the panels the teacher withholds: those are empty and
// disabled, as a panel that offers nothing.
Menus sans_panneaux_retenus(Menus menus, const PanneauxPermis &permis);
