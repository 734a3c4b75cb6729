#pragma once
// The one shared record of the run: every window and the algebra engine read
// and write these values in place. Arrays are sized so that the program's
// 1-based indices are used as they are (entry 0 unused unless said).

#include <array>
#include <cstdint>
#include <list>
#include <string>
#include <string_view>
#include <vector>

#include "core/bornes_intervalles.h"

// Colours are palette-relative RGB values written 0x02BBGGRR.
using Couleur = std::uint32_t;

// The action panels of the main window, in window order.
inline constexpr std::size_t NB_PANNEAUX_ACTION = 12;
using PanneauxPermis = std::array<bool, NB_PANNEAUX_ACTION>;
inline constexpr PanneauxPermis TOUS_PERMIS{true, true, true, true, true, true,
                                            true, true, true, true, true, true};

// An expected answer of an exercise.
struct TDsolu {
    std::string commentaire;
    std::string solution;
    int penalite = 0;   // points taken off; 0 marks the right answer

    TDsolu(std::string solution_, std::string_view texte_penalite, std::string commentaire_);
};

struct Partage {
    // Work and steps
    int etape = 0;
    int nature_expression = 0;
    int nature_exercice = 0;
    std::string expression_base;
    std::string expression_fichier;
    std::string derniere_expression;
    std::string consigne;
    std::string consigne_initiale =
        "Taper une expression algébrique, une équation, une inéquation ou un système...";
    int action_en_cours = 0;
    std::array<std::string, 41> historique_expressions;
    std::array<std::string, 41> historique_commentaires;
    int nombre_historique = 0;
    Couleur couleur_commentaire = 0;
    std::string libelle_membres;
    bool forme_canonique_possible = false;
    int autre_rang = 0;
    int autre_tour = 0;
    int nb_formes = 0;
    bool mode_vecteurs = false;
    bool base_systeme = false;
    std::string expression_x;
    std::string expression_y;

    // Exercise and marking
    std::list<TDsolu> liste_solutions;
    std::array<std::string, 16> solutions_normalisees;   // 1..15
    std::array<std::string, 31> aides;                   // 1..30
    std::array<std::string, 31> aides_affichees;         // 1..30
    std::array<int, 31> penalites_aides{};               // 1..30
    std::array<std::string, 21> lignes_parametres;       // 1..20, at most 150 characters each
    int note = 0;
    // What was taken off the mark, one line each ("Aide 1 : −2"), in order.
    std::vector<std::string> points_retires;
    bool reponse_juste = false;
    std::string commentaire_final;
    // The wrong rules named during the pupil's work, each once, in order.
    std::vector<std::string> regles_nommees;
    bool aides_a_imprimer = false;
    bool exercice_modifie = false;
    std::string fichier_exercice;
    bool exercice_en_argument = false;
    bool mode_eleve = false;
    int mode_grille = 0;
    std::string texte_cellule;
    // The panels the pupil may use in this exercise; the teacher keeps them all.
    PanneauxPermis panneaux_permis = TOUS_PERMIS;

    // The domain of definition, edited in the argument and interval window
    BornesIntervalles domaine;
    bool saisie_domaine = false, saisie_inequation = false, saisie_depuis_prof = false;

    // Program, options and screen
    std::string dossier_programme;
    std::string chemin_config;
    std::string dossier_frere;
    std::string mot_de_passe;
    bool option_reduire = false, option_fractions = false, option_racines = false,
         option_kalkul = false, option_simplif = false, option_factoriz = false,
         option_developpe = false;
    // Factoring of trinomials with their discriminant, a setting of its own
    // beside the seven options (on unless the configuration turns it off).
    bool option_trinomes = true;
    std::string page_aide;
    bool mode_aide = false, mode_tableau_signes = false;
    int largeur_ecran = 0;
    int dx_fenetre = 0, dy_fenetre = 0, dx_haut = 0, dy_haut = 0, dx_bas = 0, dy_bas = 0,
        dy_effacer = 0;
};

extern Partage partage;

// The reset of the shared values made at start, right after the configuration
// is read. The options and the password are left as they are.
void valeurs_par_defaut();

// Every shared value back to its start value, then the reset above, with the
// seven options on: a clean state for a script or a test.
void remet_a_zero_complet();
