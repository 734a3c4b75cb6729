#pragma once
// The pupil's answer checked against the expected answers, the result
// window, the help list and the yes/no window, without their widgets.

#include <optional>
#include <string>

#include "app/travail/intervalles.h"

inline constexpr const char *SANS_COMMENTAIRES = "Sans commentaires.";
inline constexpr const char *PEUT_ETRE_SIMPLIFIEE = "Peut encore être simplifiée";
inline constexpr const char *REPONSE_JUSTE = "La réponse est juste.";
inline constexpr const char *REPONSE_FAUSSE = "La réponse est fausse.";
inline constexpr const char *QUESTION_SAUVEGARDE = "Voulez-vous sauvegarder l'exercice en cours ?";

// Checks the answer typed in the argument window to the statement of the
// work (its step 1) by its meaning: sets commentaire_final, reponse_juste and
// the mark. Without an exercise the answer is judged against the engine's own
// solution. False (nothing done) for an empty answer.
bool verifie_reponse(const std::string &reponse, const std::string &enonce);

// What the result window shows of the shared values.
struct FenetreResultat {
    std::string commentaire;     // Label1
    std::string felicitations;   // Label4
    std::string note;            // Label2, "17/20"
    bool note_visible = false;   // Label2 and Label3
    int gauche = 0, haut = 0;    // from the main window's top-left corner
};
FenetreResultat resultat();
std::string felicitations();
// The close button of the result window is lit under the mouse at (x, y).
bool bouton_fermer_eclaire(int x, int y);

// A help opened from the help list, by its slot (from 1): the text shown in
// the help box and its font size in points. The help's cost is paid the first
// time only. Nothing for a slot out of range.
struct AideOuverte {
    std::string texte;
    int taille_police = 11;
};
std::optional<AideOuverte> ouvre_aide(int numero);

// The yes/no window and what follows each answer.
enum class Suite { sauver, sauver_puis_fermer, fermer };
struct Confirmation {
    std::string question;
    int action = 0;
    bool sortie = false;
};
Confirmation demander_confirmation(const std::string &question, int action, bool sortie);
Suite oui(const Confirmation &c);
Suite non(const Confirmation &c);
