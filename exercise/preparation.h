#pragma once
// The teacher's work turned into an exercise (starting expression, variables,
// default answers, one help per step), and the exercise turned into the one
// the pupil solves, with values drawn for its variables.

#include <array>
#include <optional>
#include <string>
#include <vector>

// The last item of an exercise's help list, the one selected while no help
// is open; the teacher's grid of helps has it as its title too.
inline constexpr const char *TITRE_LISTE_AIDES = "AIDE(S)";

// The helps' titles of a help list, without that last item.
inline std::vector<std::string> titres_des_aides(std::vector<std::string> liste)
{
    if (!liste.empty() && liste.back() == TITRE_LISTE_AIDES)
        liste.pop_back();
    return liste;
}

// What the preparation changed that the work window shows.
struct ExercicePrepare {
    bool fait = false;                 // false in pupil mode: nothing was done
    bool aides_refaites = false;       // the help list was rebuilt from the steps
    std::vector<std::string> liste_aides;   // its items, TITRE_LISTE_AIDES last (the one selected)
};

// The empty exercise in the shared record: no base text, answers, helps or
// variables, the mark back to 20, the statement back to the prompt.
void nouvel_exercice();

// Step 1 of the work window is `etape_1` (the input box's text when only one
// step was made); without it the first history entry, else the starting
// expression in hand, stands for it.
ExercicePrepare preparer_exercice(const std::optional<std::string> &etape_1 = std::nullopt);

// Draws the variables' values and fills the instantiated starting expression,
// helps and answers.
void instancier_exercice();

// The values drawn for the letters 'a'..'z' (empty for a letter without one),
// each from its variable line, by the seeded generator.
using Valeurs = std::array<std::string, 26>;
Valeurs tire_valeurs();

// Seeds the generator the values are drawn from, for reproducible runs.
void seme_hasard(unsigned graine);

// The whole numbers a variable line offers ("a:1,2,3,": every item but the
// last); empty for a malformed line.
std::vector<int> valeurs_variable(const std::string &ligne);

// The value of a variable as it is put into a formula: a whole number, in
// brackets when negative ("3", "(-4)").
std::string valeur_ecrite(int valeur);

// A help or a step's hint as the user reads it: each "[calcul]" (worked out
// once the values are drawn) shown as its readable formula, brackets gone.
std::string aide_lisible(const std::string &aide);
