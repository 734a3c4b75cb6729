#pragma once
// The work of the main window without its widgets: the steps of the current
// work, what each formula box, label and action panel must show, and every
// handler of the window that is not drawing. The window forwards its events
// to the methods of the same names and draws the data held here.
//
// A method that changes the text of a formula box also runs that box's change
// handler, as the formula control would: the window sets its widgets from this
// data without forwarding the change notification back.

#include <array>
#include <initializer_list>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "algebra/algebre.h"
#include "app/travail/clavier.h"
#include "app/travail/menus.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "formula/enonce.h"
#include "formula/vocabulaire.h"

inline constexpr int ETAPES_MAX = 20;
inline constexpr int HISTORIQUE_MAX = 40;
inline constexpr int TAILLE_DEFAUT = 20;

inline constexpr Couleur COULEUR_BOITE_VIDE = 0x02005200;
inline constexpr Couleur COULEUR_ANCIENNE = 0x0290C0FF;
inline constexpr Couleur COULEUR_SOLUTION = 0x02F0D0B0;
inline constexpr Couleur COULEUR_NOUVELLE = 0x02B0F0FF;
inline constexpr Couleur COULEUR_BLANC = 0x02FFFFFF;
inline constexpr Couleur COULEUR_CONSIGNE = 0x02A0E0FF;

// The four formula boxes: the input box and the three result boxes, from the
// top of the window.
enum Boite : int { MTHX1, MTHX3, MTHX4, MTHX2, NB_BOITES };

// What one formula box shows, with its step badge, comment label and size arrows.
struct AffichageBoite {
    std::string texte;
    Couleur couleur = COULEUR_BLANC;
    int taille = TAILLE_DEFAUT;
    int badge = 0;
    bool badge_visible = false;
    std::string commentaire;
    Couleur couleur_commentaire = COULEUR_BOITE_VIDE;
    bool fleches_visibles = false;
};

// The argument window must open for this action, placed at these offsets from
// the main window's top-left corner.
struct DemandeArgument {
    int code = 0;
    int gauche = 0;
    int haut = 0;
    std::string texte;   // what it opens with
};

// What a recorded step is, besides its text and its hint.
enum class GenreEtape {
    ordinaire,
    solution,      // states the solutions: shown in the solutions' colour
    autre_forme,   // another form of the same step, from the "Autre expression..." cycle
    annulation,    // "EFFACER LE DERNIER": back to the step before, which keeps its hint
};

// What "SORTIR" asks of the window.
enum class Sortie { fermer, demander_sauvegarde };

// The question "FIN" asks in pupil mode, and the yes/no window's action code for it.
inline constexpr const char *QUESTION_RECOMMENCER = "Voulez-vous recommencer l'exercice ?";
inline constexpr int ACTION_RECOMMENCER = 2;
inline constexpr const char *MOT_DE_PASSE_INCORRECT = "Mot de passe incorrect.";
// The result of an answer to a statement the pupil typed himself.
inline constexpr const char *REPONSE_NON_NOTEE =
    "Cet énoncé n'est pas celui de l'exercice : la réponse n'est pas notée.";

// What the password window gets for what was typed.
enum class Passe { acceptee, refusee, annulee };

// A help the pupil read, and an answer he gave, for his copy.
struct AideLue {
    int numero = 0;   // slot, from 1
    std::string titre;
    std::string texte;
    int cout = 0;
};
struct ReponseDonnee {
    std::string texte;
    std::string verdict;   // the comment of the result window
    int cout = 0;          // points it took off
};

// The template button lit under the mouse at (x, y) of their panel: 8, 9, 29
// or 6 for Image8, Image9, Image29, Image6; 0 for none.
int modele_eclaire(int x, int y);

// What each part of the parts list is, named in the comment of its selection.
struct NomPartie {
    std::string nom = " terme";   // " terme", " facteur", " membre", " équation" or " inéquation"
    bool feminin = false;
};

class Travail {
public:
    // The work record: steps 1..20 (entry 0 unused).
    std::array<std::string, ETAPES_MAX + 1> etapes;
    std::array<int, ETAPES_MAX + 1> tailles{};
    std::array<std::string, ETAPES_MAX + 1> commentaires;
    std::array<bool, ETAPES_MAX + 1> solutions{};   // the step states the solutions
    // Part of the previous step a step was selected from (index from 0), -1 for none; steps 2..21.
    std::array<int, ETAPES_MAX + 2> partie_source{};
    int partie_choisie = -1;
    std::string autre_texte;
    bool autre_en_cours = false;
    bool premier_changement = true;
    bool premiere_activation = true;

    // What the window shows.
    std::array<AffichageBoite, NB_BOITES> boites;
    Boite boite_active = MTHX1;
    std::string label3;                    // the statement
    bool enonce_refuse = false;            // label3 tells why the typed statement cannot be worked
    Couleur couleur_label3 = COULEUR_CONSIGNE;
    std::string label7;                    // the help text
    Couleur couleur_label7 = COULEUR_CONSIGNE;
    int taille_label7 = 11;                // points
    std::vector<std::string> parties;      // items of the parts list, title last
    NomPartie nom_partie;                  // what each part of the list is
    int partie_affichee = -1;              // selected item of the parts list
    Menus menus;                           // the twelve action panels
    std::string libelle_speedbutton9 = "ELEVE";
    std::string libelle_speedbutton1 = "ENONCE";
    std::string libelle_label1 = "Mode prof";
    std::vector<std::string> liste_aides;  // items of the help list
    bool liste_aides_visible = false;
    bool boutons_prof_visibles = false;    // "AIDES", "REPONSES", "VALEURS"
    bool bouton_charger_visible = true;
    bool mot_de_passe_demande = false;     // the password window must open
    bool question_recommencer = false;     // "FIN" in pupil mode: the yes/no window must ask
    // The program was started with an exercise: it opens in pupil mode, and
    // the start-up password is not asked.
    bool exercice_au_demarrage = false;
    // In pupil mode, the statement in hand is one the pupil typed over the
    // exercise's: the exercise's answers do not mark it.
    bool enonce_eleve = false;
    // The pupil's copy: helps read and answers given since the exercise began.
    std::vector<AideLue> aides_lues;
    std::vector<ReponseDonnee> reponses_donnees;
    bool editeur_consigne_visible = false; // the statement editor is shown
    // Each slide of the result panel: +2 up, -2 down; the window animates and clears it.
    std::vector<int> glissements;
    std::optional<DemandeArgument> demande_argument;
    bool impression_demandee = false;      // the sign table must be drawn

    Travail();

    // Program start and resets.
    void a_zero();
    void FormActivate(const std::string &argument_ligne_commande);
    void reprendre_base();
    void nouvel_exercice();
    // Teacher / pupil mode switch; from pupil mode the password window opens,
    // and teacher mode comes back only with the right password.
    void SpeedButton9Click();
    // What the password window was given: the text typed, or nothing for
    // "Annuler". A wrong password may be tried again; "Annuler" at start-up
    // goes on in pupil mode, and from pupil mode stays there.
    Passe mot_de_passe(const std::optional<std::string> &tape);
    // The answer to QUESTION_RECOMMENCER: "OUI" restarts from the exercise's statement.
    void recommence(bool oui);
    // "AIDES", "REPONSES", "VALEURS" are shown: once the exercise is made, in teacher mode only.
    bool boutons_prof_montres() const { return boutons_prof_visibles && !partage.mode_eleve; }
    // The captions of the bottom buttons shown, in window order.
    std::vector<std::string> boutons_bas() const;
    // Seeds the draws of the pupil's values, for reproducible runs.
    void seme(unsigned graine);
    // The seed the pupil's values were drawn with at the last switch to pupil mode.
    unsigned graine_eleve() const { return graine_eleve_; }
    // A teacher's table of the given mode (1 helps, 2 answers, 3 values) was
    // confirmed: what the window shows of the exercise follows it.
    void grille_validee(int mode);
    void SpeedButton3Click();   // "FIN"
    void Image19Click();        // "RECOMMENCER"
    Sortie Image4Click() const; // "SORTIR"
    void SpeedButton1Click();   // "ENONCE" (teacher) or "REPONSE" (pupil)
    void demande_reponse();     // what "REPONSE" does: the argument window opens for the answer
    void SpeedButton7Click(const std::string &texte_memo); // statement editor "OK"
    void SpeedButton8Click();   // statement editor "Annuler"
    // Refreshes what the window shows of the shared exercise (statement,
    // helps) after it was changed elsewhere (file loaded, exercise prepared).
    void affiche_exercice();
    // A help chosen in the help list (index from 0): its text in the help label.
    void ComboBox2Click(int index);

    // Input box and result boxes.
    void MthX1Enter();
    // The input box's text changed by the user: a statement other than step 1
    // starts another work.
    void MthX1Change(const std::string &texte) { change_saisie(texte, true); }
    // A result box's text changed: as held here, or as the user edited it.
    void MthX2Change() { change_resultat(MTHX2); }
    void MthX3Change() { change_resultat(MTHX3); }
    void MthX4Change() { change_resultat(MTHX4); }
    void MthX2Change(const std::string &texte) { change_resultat(MTHX2, texte); }
    void MthX3Change(const std::string &texte) { change_resultat(MTHX3, texte); }
    void MthX4Change(const std::string &texte) { change_resultat(MTHX4, texte); }
    // Carets as the box gives them: bytes before the selection's two ends.
    void MthX1LMouseClicked(int gauche, int droite);
    void MthX2LMouseClicked(int gauche, int droite);
    void MthX3LMouseClicked(int gauche, int droite);
    void MthX4LMouseClicked(int gauche, int droite);
    void ComboBox1Click(int index);
    // The keyboard hook while the input box is active: one key press, the
    // box's text and caret before it; returns them after it.
    Saisie AppMessage(const Saisie &saisie, Message message);
    void Image17Click();        // "EFFACER LE DERNIER"
    // Size arrows of a box: +1 bigger, -1 smaller.
    void change_taille(Boite boite, int pas);
    void Image5Click() { change_taille(MTHX1, 1); }
    void Image10Click() { change_taille(MTHX1, -1); }
    void Image11Click() { change_taille(MTHX3, 1); }
    void Image12Click() { change_taille(MTHX3, -1); }
    void Image13Click() { change_taille(MTHX4, 1); }
    void Image14Click() { change_taille(MTHX4, -1); }
    void Image15Click() { change_taille(MTHX2, 1); }
    void Image16Click() { change_taille(MTHX2, -1); }
    // Template buttons: what they type into the input box, which becomes the
    // active control.
    Saisie Image8Click(const Saisie &saisie);    // "<="
    Saisie Image9Click(const Saisie &saisie);    // ">="
    Saisie Image29Click(const Saisie &saisie);   // a power
    Saisie Image6Click(const Saisie &saisie);    // a square root

    void enregistrer_etape(std::string texte, std::string commentaire, bool avant,
                           GenreEtape genre = GenreEtape::ordinaire);
    int fait_n_box(Boite boite, int gauche, int droite);
    void c_box1(int k);
    void remplit_parties(const std::string &texte);

    // The teacher's options or panels changed ("Paramètres" closed): the
    // panels of the step in hand follow them at once.
    void options_changees();

    // The twelve action panels, by the handler names of the window: each runs
    // the row of the action table its panel offers.
    void Panel10Click();
    void Button6Click();        // Panel11
    void Panel12Click();
    void Panel1Click();
    void Panel5Click();
    void Panel6Click();
    void Panel3Click();
    void Panel7Click();
    void Panel8Click();
    void Panel4Click();
    void Panel17Click();
    void Panel19Click();
    // Clicks the panel by its name ("Panel10" ... "Panel19"); false for an unknown name.
    bool clic_panneau(const std::string &nom);

    // The argument window was validated with `argument` for partage.action_en_cours.
    void affiche(const std::string &argument);
    // The argument window was cancelled.
    void annule_argument();

    void substituer(int k);

    // Exercise files from the main window. Loading an unreadable file keeps
    // the exercise in hand and leaves a message for the user. A save stopped
    // by characters the file cannot hold lists them, for the user to choose.
    bool charge_exercice(const std::string &chemin);
    // An exercise given to the program as it starts: loaded, then in pupil
    // mode with its values drawn. Unreadable, it leaves the start-up
    // password to be asked.
    bool ouvre_exercice(const std::string &chemin);
    bool sauve_exercice(const std::string &chemin, HorsFormat hors_format = HorsFormat::refuser);
    std::string message;   // to show the user, empty for none
    std::vector<std::string> caracteres_hors_format;

private:
    bool selection_en_cours = false;
    bool passage_prof_ = false;    // the password window was opened by "PROF"
    void passe_en_mode_eleve();
    void passe_en_mode_prof();
    void libelles_du_mode();
    void retient(const std::string &quoi, int points);
    void repond(const std::string &reponse);
    std::mt19937 graines_;         // one seed per switch to pupil mode
    unsigned graine_eleve_ = 0;    // the seed of the pupil's values
    // The input box shows `texte`; `tapee` when the user changed it.
    void change_saisie(const std::string &texte, bool tapee);
    void vide_historique();
    // The exercise prepared from the work, and its help list shown.
    void prepare();
    Saisie tape_modele(const Saisie &saisie, std::initializer_list<Message> messages, bool par_les_regles);
    static std::string recompose(const EnonceLu &parent, int k, const std::string &t);
    void change_resultat(Boite boite);
    void change_resultat(Boite boite, const std::string &texte)
    {
        boites[boite].texte = texte;
        change_resultat(boite);
    }
    void clic_resultat(Boite boite, int gauche, int droite);
    void efface_resultats(int n);
    // The box shows the step numero; when it is the step the work is on
    // (en_cours), the panels and the parts follow it.
    void montre(Boite boite, const std::string &texte, int numero, bool en_cours = true);
    void montre_etape(int n, const std::string &texte, const std::string &commentaire, bool avant);
    void met_a_jour_panneaux(const std::string &texte);
    void ajoute_historique(const std::string &texte, const std::string &commentaire);
    void demande(int code, int haut);
    void agit(Panneau panneau);
    void travaille(const EtatPanneau &etat);
    std::string &courante() { return etapes[partage.etape]; }
    void resout_etape(const std::optional<Resultat> &calcule);
    void marche_substitution();
    void substitue_systeme(int equation, const std::string &indication);
    void remplace_variable(int cible, const std::string &indication);
    void autre_expression(const std::string &indication);
    void operation_argument(int code, const std::string &tape);
    // "Ecrire autrement...": a (typed as tape), when it writes s otherwise.
    void ecrit_autrement(const std::string &s, const std::string &a, const std::string &tape);
};
