#pragma once
// The interval texts of the argument window: the text of the domain of
// definition, the five interval buttons, the window's own keyboard rules, and
// what validating or cancelling the window does next.

#include <string>
#include <string_view>
#include <vector>

#include "algebra/intervalle.h"
#include "app/travail/clavier.h"
#include "formula/reponse.h"

// "domain(x,lower,upper,code)", or "(first)or(second)"; empty when the bounds
// are out of order or the second interval does not follow the first.
std::string texte_domaine(const BornesIntervalles &bornes);
std::string texte_domaine();   // of the shared domain

// The interval buttons Image9 .. Image12 insert at the caret the brackets of
// an interval with empty bounds, "[;]", "];[", "[;[" or "];]", joined by "∪"
// to an interval just before; the caret stands at the lower bound. Typing
// ";" (or Tab) passes to the upper bound, and the closing bracket past it.
Saisie bouton_intervalle(int image, Saisie saisie);
// Image13 types "inf" in the domain and in the teacher's grid, whose files
// cannot hold "∞"; in an answer it inserts "∞" (see bouton_reponse).
inline constexpr std::string_view TEXTE_INFINI = "inf";

// The signs an answer button inserts: "∅" (no solution), "ℝ" (every real),
// "ou" between two solutions or intervals, and "∞".
enum class SigneReponse { vide, reels, ou, infini };
// The sign inserted at the caret, the caret after it; "ou" takes a blank on
// each side where none stands.
Saisie bouton_reponse(SigneReponse signe, Saisie saisie);

// One key press in the argument window's box, with every message it posts.
// Enter is not typed: it asks for the window to be validated.
struct FrappeArgument {
    Saisie saisie;
    bool terminer = false;
};
FrappeArgument frappe_argument(Saisie saisie, Message message, bool mode_vecteurs);
// The same on a box whose whole text is selected: a character replaces the
// text, Backspace or Delete empties it, an arrow ends the selection.
FrappeArgument frappe_sur_selection(Saisie saisie, Message message, bool mode_vecteurs, bool &selection);

// The template buttons of the argument window, Image4 .. Image7.
enum class ModeleArgument { racine, puissance, fraction, et };
// What a template button makes of the box's text and caret: the root, the
// power and the fraction post their key through the window's rules (no root
// while an interval is typed); "et" appends the separator of several answers,
// "*et*", with the caret after it.
Saisie modele_argument(Saisie saisie, ModeleArgument modele, bool mode_vecteurs);

// What happens when the argument window closes.
struct SuiteArgument {
    bool lance_affiche = false;       // run the main window's affiche on the typed text
    bool ecrit_cellule = false;       // write the typed text into the teacher's grid cell
    bool active_grille = false;       // re-enable the teacher's grid window, else the main window
};

// The argument window: its private copy of the interval values while a domain
// is edited, the text it opens with, and its validation and cancel.
class FenetreArgument {
public:
    // FormActivate: the text the box opens with, and its font height.
    std::string ouvre(const std::string &derniere_expression);
    // The answer opens with all its text selected, so that typing replaces it.
    bool ouvre_selectionne() const;
    // The answer buttons "∅", "ℝ" and "ou": for the answer to an equation or
    // an inequation.
    bool boutons_reponse_visibles() const;
    // The "∞" button: "∞" where the answer buttons are shown, else "inf"
    // typed key by key.
    Saisie infini(Saisie saisie, bool mode_vecteurs) const;
    int taille_police() const;
    bool barre_intervalles_visible() const;

    // Terminer (the validate button or Enter) with the box's text.
    SuiteArgument terminer(const std::string &texte);
    // The cancel button.
    SuiteArgument annule();

    void remet_bornes() const;   // Remet_bornes

private:
    BornesIntervalles copie_;
};

// The domain window validated with a text, as "ENSEMBLE DE DEFINITION" then
// validating does: the shared intervals change only when the text is consistent.
void valide_domaine(const std::string &texte);
