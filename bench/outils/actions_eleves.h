#pragma once

// Every engine action a pupil can start from the main window, each with the
// statements it is tried on (drawn from the pupil-like generators) and the
// way the window calls it. Shared by the property run, which checks the
// results, and by the speed measure, which times them.

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "algebra/denominateurs.h"
#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/factorisation.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/simplification.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "app/travail/contexte.h"
#include "app/travail/menus.h"
#include "algebra/algebre.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "formula/valeur.h"
#include "tests/outils/generateurs.h"

namespace outils {

struct Entree {
    Texte enonce;
    std::string argument;   // what the pupil types in the argument window, if asked
};

struct Sortie {
    std::string texte;
    bool refus = false;   // the action declined (no result, a false flag, not offered)
};

// What a result must keep.
enum class Controle {
    valeur,        // an expression: its value and domain
    solutions,     // roots joined by "*et*": each a root, each once, none missed
    intervalle,    // the solution set of an inequation
    ajout,         // each member m became m+(argument)
    produit,       // each member m became m*(argument)
    systeme,       // the two lines combined by the argument ("+" or "-")
    vecteurs,      // the same sum of vectors
    remplace,      // the value of the expression at x = argument
};

struct Action {
    std::string nom;
    Controle controle;
    std::function<Entree(Generateurs &)> genere;
    std::function<Sortie(const Entree &)> applique;
};

namespace detail {

using Generateur = Texte (Generateurs::*)();

// One of the generators, chosen at random.
inline std::function<Entree(Generateurs &)> parmi_generateurs(std::vector<Generateur> generateurs,
                                                               bool avec_argument = false)
{
    return [generateurs, avec_argument](Generateurs &g) {
        Entree e{(g.*g.parmi(generateurs))(), {}};
        if (avec_argument)
            e.argument = g.argument();
        return e;
    };
}

inline Sortie sur_drapeau(bool (*operation)(std::string &), const Entree &e)
{
    std::string t = e.enonce.texte;
    const bool fait = operation(t);
    return {t, !fait};
}

// An operation on the statement: its new text, or the statement when it declines.
inline Sortie sur_issue(const Issue &issue, const Entree &e)
{
    return issue ? Sortie{issue->texte, false} : Sortie{e.enonce.texte, true};
}

inline Sortie sur_issue(Issue (*operation)(const EnonceLu &), const Entree &e)
{
    return sur_issue(operation(EnonceLu(e.enonce.texte)), e);
}

inline Sortie sans_erreur(const std::optional<std::string> &t) { return {t.value_or(""), !t || t->empty()}; }

// A statement action that leaves the text as it was has declined.
inline Sortie si_change(const std::string &avant, std::string apres) { return {apres, apres.empty() || apres == avant}; }

// The panel "Solution(s)" as the window runs it: offered when the menus
// say so, it records the step the menus found; the roots joined by "*et*"
// (none for "no solution"), or the solution set of an inequation.
inline Sortie solutions_du_panneau(const Entree &e)
{
    partage.etape = 1;
    EtatMenus etat;
    etat.base = e.enonce.texte;
    const Menus m = met_a_jour_menus(e.enonce.texte, etat);
    const EtatPanneau &panneau = m[PANEL5];
    if (panneau.action != ActionPanneau::solutions || !panneau.actif || !panneau.resultat ||
        !panneau.resultat->issue)
        return {"", true};
    const std::string &texte = panneau.resultat->issue->texte;
    if (texte == "([])" && partage.nature_expression == EQUATION)
        return {"", false};
    return {texte, texte.empty()};
}

} // namespace detail

inline std::vector<Action> actions_eleves()
{
    using G = Generateurs;
    using namespace detail;
    const auto expressions = parmi_generateurs({&G::produit, &G::somme_de_produits, &G::polynome, &G::a_factoriser,
                                                &G::avec_lettres, &G::trinome});
    const auto fractions = parmi_generateurs({&G::fraction});
    const auto racines = parmi_generateurs({&G::racine});
    const auto enonces = parmi_generateurs({&G::equation_premier_degre, &G::inequation_premier_degre,
                                            &G::produit_nul, &G::produit_signe},
                                           true);
    const auto racine_carree = [](const Entree &e, bool option_racines) {
        return sur_issue(met_sous_racine(EnonceLu(e.enonce.texte), OptionsCalcul{.racines = option_racines}), e);
    };
    const auto simplifie = [](const Entree &e, bool option_racines) {
        const Issue issue = ::simplifie(EnonceLu(e.enonce.texte), OptionsCalcul{.racines = option_racines});
        return Sortie{normalise(issue->texte), false};
    };
    const auto multiplie = [](const Entree &e) {
        return sur_issue(multiplie_membres(EnonceLu(e.enonce.texte), e.argument, options_calcul()), e);
    };
    return {
        {"developpe", Controle::valeur, expressions,
         [](const Entree &e) {
             return sur_issue(developpe(EnonceLu(e.enonce.texte), options_calcul()), e);
         }},
        {"ordonne", Controle::valeur, expressions, [](const Entree &e) { return sur_issue(ordonne(EnonceLu(e.enonce.texte)), e); }},
        {"enleve_parentheses", Controle::valeur, expressions,
         [](const Entree &e) { return sur_issue(enleve_parentheses(EnonceLu(e.enonce.texte)), e); }},
        {"en_somme", Controle::valeur, expressions, [](const Entree &e) { return sur_issue(en_somme(EnonceLu(e.enonce.texte)), e); }},
        {"factorise", Controle::valeur, expressions,
         [](const Entree &e) { return sur_issue(factorise(EnonceLu(e.enonce.texte), options_calcul()), e); }},
        {"facteur_commun", Controle::valeur, expressions,
         [](const Entree &e) {
             const std::optional<FacteurCommun> commun = facteur_commun(EnonceLu(e.enonce.texte));
             return Sortie{commun ? commun->texte : e.enonce.texte, !commun};
         }},
        {"factorise_par", Controle::valeur, parmi_generateurs({&G::a_factoriser, &G::polynome, &G::trinome}, true),
         [](const Entree &e) { return sur_issue(factorise_par(EnonceLu(e.enonce.texte), e.argument), e); }},
        {"divise_par_binome", Controle::valeur, parmi_generateurs({&G::trinome, &G::polynome}, true),
         [](const Entree &e) { return sur_issue(divise_par_binome(EnonceLu(e.enonce.texte), e.argument), e); }},
        {"forme_canonique", Controle::valeur, parmi_generateurs({&G::trinome, &G::polynome}),
         [](const Entree &e) { return sur_issue(forme_canonique, e); }},
        {"simplifier", Controle::valeur, parmi_generateurs({&G::racine, &G::fraction, &G::polynome}),
         [simplifie](const Entree &e) { return simplifie(e, false); }},
        {"simplifier_racines", Controle::valeur, racines, [simplifie](const Entree &e) { return simplifie(e, true); }},
        {"simplifie_racines", Controle::valeur, racines,
         [](const Entree &e) { return sans_erreur(simplifie_racines(e.enonce.texte)); }},
        {"fusionne_racines", Controle::valeur, racines,
         [](const Entree &e) { return sans_erreur(normalise(fusionne_racines(e.enonce.texte))); }},
        {"decompose_racine", Controle::valeur, racines,
         [](const Entree &e) { return sur_issue(decompose_racine(EnonceLu(e.enonce.texte)), e); }},
        {"recompose_racine", Controle::valeur, racines,
         [](const Entree &e) { return sur_issue(recompose_racine(EnonceLu(e.enonce.texte)), e); }},
        {"mettre_sous_racine", Controle::valeur, parmi_generateurs({&G::racine, &G::produit, &G::polynome}),
         [racine_carree](const Entree &e) { return racine_carree(e, false); }},
        {"mettre_sous_racine_option", Controle::valeur, racines,
         [racine_carree](const Entree &e) { return racine_carree(e, true); }},
        {"additionne_numerateurs", Controle::valeur, fractions,
         [](const Entree &e) { return sur_issue(additionne_numerateurs(EnonceLu(e.enonce.texte)), e); }},
        {"reduit_au_denominateur", Controle::valeur, fractions,
         [](const Entree &e) { return sur_issue(reduit_au_denominateur(EnonceLu(e.enonce.texte)), e); }},
        {"multiplie_haut_et_bas", Controle::valeur, parmi_generateurs({&G::fraction}, true),
         [](const Entree &e) { return sur_issue(multiplie_haut_et_bas(EnonceLu(e.enonce.texte), e.argument), e); }},
        {"divise_haut_et_bas", Controle::valeur, parmi_generateurs({&G::fraction}, true),
         [](const Entree &e) { return sur_issue(divise_haut_et_bas(EnonceLu(e.enonce.texte), e.argument), e); }},
        {"ecriture_scientifique", Controle::valeur, parmi_generateurs({&G::nombre}),
         [](const Entree &e) { return sur_issue(ecriture_scientifique, e); }},
        {"remplace_x", Controle::remplace,
         [](Generateurs &g) {
             const auto texte = g.parmi(std::vector<Generateur>{&G::produit, &G::polynome, &G::fraction});
             return Entree{(g.*texte)(), g.valeur()};
         },
         [](const Entree &e) {
             const Issue issue = remplace_x(EnonceLu(e.enonce.texte), e.argument);
             return Sortie{issue ? issue->texte : e.enonce.texte, !issue};
         }},
        {"solutions_equation", Controle::solutions,
         parmi_generateurs({&G::equation_premier_degre, &G::produit_nul, &G::quotient_nul, &G::trinome_nul}),
         solutions_du_panneau},
        {"solutions_inequation", Controle::intervalle,
         parmi_generateurs({&G::inequation_premier_degre, &G::produit_signe}), solutions_du_panneau},
        {"ajoute_aux_membres", Controle::ajout, enonces,
         [](const Entree &e) {
             return sur_issue(ajoute_aux_membres(EnonceLu(e.enonce.texte), e.argument, options_calcul()), e);
         }},
        {"multiplie_membres", Controle::produit, enonces, multiplie},
        {"divise_membres", Controle::produit,
         [enonces](Generateurs &g) {
             Entree e = enonces(g);
             e.argument = "1/(" + e.argument + ")";
             return e;
         },
         multiplie},
        {"combine_systeme", Controle::systeme, parmi_generateurs({&G::systeme}),
         [](const Entree &e) {
             const Issue issue = combine_systeme(EnonceLu(e.enonce.texte), '+');
             return si_change(e.enonce.texte, issue ? issue->texte : e.enonce.texte);
         }},
        {"chasles", Controle::vecteurs, parmi_generateurs({&G::vecteurs}),
         [](const Entree &e) {
             const Issue issue = chasles(EnonceLu(e.enonce.texte));
             return si_change(e.enonce.texte, issue ? issue->texte : e.enonce.texte);
         }},
        {"enleve_moins_vecteurs", Controle::vecteurs, parmi_generateurs({&G::vecteurs}),
         [](const Entree &e) { return sur_issue(enleve_moins_vecteurs, e); }},
        {"decompose_vecteur", Controle::vecteurs,
         [](Generateurs &g) { return Entree{g.vecteurs(), g.point()}; },
         [](const Entree &e) {
             return sur_issue(decompose_vecteur(EnonceLu(e.enonce.texte), e.argument), e);
         }},
    };
}

} // namespace outils
