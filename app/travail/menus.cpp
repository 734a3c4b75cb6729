#include "app/travail/menus.h"

#include <string_view>

#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/equivalence.h"
#include "algebra/factorisation.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "app/travail/contexte.h"
#include "algebra/algebre.h"
#include "exercise/fichier_exercice.h"
#include "formula/normalise.h"

namespace {

void regle_panneau(Menus &m, Panneau p, std::string libelle, bool actif)
{
    m[p].libelle = std::move(libelle);
    m[p].actif = actif;
}

// An engine operation tried on its own copy, so that the text shown stays as
// it is. It applies when it succeeds and changes the text: an action that
// would record the statement unchanged is not offered.
template <class Operation>
bool applicable(const std::string &texte, Operation operation)
{
    std::string copie = texte;
    return operation(copie) && copie != texte;
}

bool resout_copie(const std::string &texte)
{
    std::string copie = texte, r2, r3, r4;
    return resout(copie, r2, r3, r4, contexte_resolution());
}

// Solving concludes: roots found, or no solution, or every real.
bool conclut(const std::string &texte) { return resout_copie(texte) || conclusion_sans_racine(texte); }

// Kind 0: every panel is set, later rows overriding earlier ones.
void menus_expression(Menus &m, const std::string &t, const TDalgebre &e, const EtatMenus &etat)
{
    const int a = e.membre_gauche.nb_additifs;
    const int b = e.membre_gauche.nb_multiplicatifs;
    const std::string &c = e.texte;
    const bool t_sans_domaine = !contient(t, "domain");
    const bool c_sans_domaine = !contient(c, "domain");

    regle_panneau(m, PANEL10, "Simplifier", t_sans_domaine && partage.option_simplif);
    // Offered only where the action succeeds: a text whose sign is not known
    // cannot go under a root.
    regle_panneau(m, PANEL19, "Mettre sous une racine",
                  t_sans_domaine && applicable(t, [](std::string &s) { return met_sous_racine(s, partage.option_racines); }));
    if (etat.autre_en_cours || a > 1 || b > 1)
        regle_panneau(m, PANEL4, "Autre expression...", true);
    else
        regle_panneau(m, PANEL4, "Ecrire autrement...", compare_expressions(t, "1") != -1);
    // With vectors the panel reduces with Chasles' relation: that is what must change the text.
    const auto reduit_avec_chasles = [](std::string &s) {
        chasles(s);
        return true;
    };
    const bool reductible = partage.mode_vecteurs ? applicable(t, reduit_avec_chasles) : applicable(t, ordonne);
    regle_panneau(m, PANEL7, partage.mode_vecteurs ? "Réduire avec Chasles" : "Réduire et ordonner",
                  a > 0 && reductible);

    if (applicable(c, ecriture_scientifique))
        regle_panneau(m, PANEL7, "Ecriture scientifique", true);
    if (applicable(c, enleve_moins_vecteurs))
        regle_panneau(m, PANEL7, "Enlever les signes \"-\"", true);
    regle_panneau(m, PANEL5, "Développer", applicable(c, developpe));
    if (applicable(c, decompose_racine))
        regle_panneau(m, PANEL5, "Décomposer la racine", true);
    else if (applicable(c, recompose_racine))
        regle_panneau(m, PANEL5, "Recomposer la racine", true);
    regle_panneau(m, PANEL6, "Factoriser",
                  partage.option_factoriz &&
                      applicable(c, [](std::string &s) {
                          std::string indication;
                          s = factorise(s, partage.option_trinomes, indication);
                          return s != "Erreur";
                      }));
    if (est_vecteur_seul(c))
        regle_panneau(m, PANEL6, "Décomposer (Chasles)...", true);
    regle_panneau(m, PANEL3, "Factoriser par...", c_sans_domaine);
    partage.forme_canonique_possible = applicable(c, forme_canonique);
    if (partage.forme_canonique_possible)
        regle_panneau(m, PANEL5, "Forme canonique", true);
    // A bracket shared by the terms is there to be factored, not opened.
    if (!m[PANEL6].actif && applicable(c, enleve_parentheses))
        regle_panneau(m, PANEL6, "Enlever les parenthèses", true);
    if (applicable(c, en_somme))
        regle_panneau(m, PANEL6, "Ecrire comme une somme", true);

    if (applicable(c, additionne_numerateurs))
        regle_panneau(m, PANEL1, "Add. les numérateurs", true);
    else if (est_produit_de_fractions(c))
        regle_panneau(m, PANEL1, "Mult. les fractions", true);
    else
        regle_panneau(m, PANEL1, "Add. les numérateurs", false);

    if (a > 0) {
        regle_panneau(m, PANEL11, "Même dénominateur", partage.option_fractions);
        regle_panneau(m, PANEL12, "Dénominateur commun...", true);
    } else {
        regle_panneau(m, PANEL11, "Multiplier haut et bas...", c_sans_domaine);
        regle_panneau(m, PANEL12, "Diviser haut et bas...", c_sans_domaine);
    }
    regle_panneau(m, PANEL8, "Substituer", partage.etape > 1);
    if (est_calculable(c) && partage.option_kalkul && normalise(t) != t)
        regle_panneau(m, PANEL17, "Calculer", true);
    else
        regle_panneau(m, PANEL17, "Remplacer x par...", contient(c, "x") && c_sans_domaine);
}

// Kinds 1 to 5: operations on both members, solving, and the system walk.
void menus_relation(Menus &m, const std::string &t, const TDalgebre &e, const EtatMenus &etat)
{
    const bool base_systeme = TDalgebre(etat.base).nature == SYSTEME;

    regle_panneau(m, PANEL10, "Add. aux deux membres...", true);
    regle_panneau(m, PANEL11, "Soust. aux deux membres...", true);
    regle_panneau(m, PANEL12, "Mult. deux membres par...", true);
    regle_panneau(m, PANEL1, "Div. deux membres par...", true);

    partage.accepte_inf = false;
    regle_panneau(m, PANEL5, "Solution(s)", conclut(t));
    partage.accepte_inf = true;
    const int nature = partage.nature_expression;
    if (nature >= INFERIEUR && nature <= SUPERIEUR_OU_EGAL && e.membre_droit.texte == "0" &&
        resout_copie(t))
        regle_panneau(m, PANEL6, "Tableau de signes", true);

    if (partage.nature_exercice == SYSTEME && partage.etape >= 2) {
        std::string valeur;
        const int variable = variable_isolee(t, valeur);
        if (variable == 1) {
            regle_panneau(m, PANEL8, "Remplacer x dans (I)", true);
            regle_panneau(m, PANEL4, "Remplacer x dans (II)", true);
        } else if (variable == 2) {
            regle_panneau(m, PANEL8, "Remplacer y dans (I)", true);
            regle_panneau(m, PANEL4, "Remplacer y dans (II)", true);
        }
    }

    if (partage.etape > 1 && etat.partie_source_etape == -1 && base_systeme) {
        if (etat.partie_source_2 != 1)
            regle_panneau(m, PANEL3, "Substituer à (I)", true);
        if (etat.partie_source_2 != 0)
            regle_panneau(m, PANEL7, "Substituer à (II)", true);
    }
}

void menus_systeme(Menus &m, const std::string &t)
{
    regle_panneau(m, PANEL10, "Add. membre à membre...", true);
    regle_panneau(m, PANEL11, "Soust. membre à membre...", true);
    partage.accepte_inf = false;
    regle_panneau(m, PANEL5, "Solution(s)", resout_copie(t));
}

} // namespace

const char *nom_panneau(Panneau p)
{
    return p >= 0 && p < NB_PANNEAUX ? NOMS_PANNEAUX[static_cast<std::size_t>(p)] : "";
}

const char *legende_panneau(Panneau p)
{
    static constexpr const char *legendes[NB_PANNEAUX] = {
        "Simplifier / Add. aux deux membres...",
        "Même dénominateur / Soust. aux deux membres...",
        "Dénominateur commun... / Mult. deux membres par...",
        "Add. les numérateurs / Div. deux membres par...",
        "Développer / Solution(s)",
        "Factoriser / Tableau de signes",
        "Factoriser par... / Substituer à (I)",
        "Réduire et ordonner / Substituer à (II)",
        "Substituer / Remplacer x dans (I)",
        "Ecrire autrement... / Remplacer x dans (II)",
        "Calculer / Remplacer x par...",
        "Mettre sous une racine"};
    return p >= 0 && p < NB_PANNEAUX ? legendes[p] : "";
}

Menus sans_panneaux_retenus(Menus menus, const PanneauxPermis &permis)
{
    for (std::size_t i = 0; i < menus.panneaux.size(); ++i)
        if (!permis[i])
            menus.panneaux[i] = EtatPanneau{};
    return menus;
}

Menus met_a_jour_menus(const std::string &texte, const EtatMenus &etat)
{
    // Panels a family does not name stay empty, and disabled: a blank panel
    // must not run the action of its former caption.
    // A list of solutions ends the work: no transformation reads it.
    Menus m;
    if (texte.empty() || texte.find("*et*") != std::string::npos)
        return m;
    const TDalgebre e(texte);
    partage.nature_expression = e.nature;
    if (partage.etape == 1)
        partage.nature_exercice = partage.nature_expression;
    if (e.nature >= SYSTEME)
        menus_systeme(m, texte);
    else if (e.nature >= EQUATION)
        menus_relation(m, texte, e, etat);
    else
        menus_expression(m, texte, e, etat);
    return m;
}
