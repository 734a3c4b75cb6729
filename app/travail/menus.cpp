#include "app/travail/menus.h"

#include "algebra/enonces.h"
#include "algebra/equivalence.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "app/travail/contexte.h"
#include "algebra/algebre.h"
#include "exercise/fichier_exercice.h"

namespace {

// The row on its panel, enabled or not, with the step it computed if any.
void regle_panneau(Menus &m, ActionPanneau a, bool actif, std::optional<Resultat> resultat = std::nullopt)
{
    const LigneAction &l = ligne_action(a);
    EtatPanneau &panneau = m[l.panneau];
    panneau.libelle = l.libelle;
    panneau.actif = actif;
    panneau.action = a;
    panneau.resultat = std::move(resultat);
}

// The row's operation tried on the text: it applies when it succeeds and
// changes the text (an action that would record the statement unchanged is
// not offered). The step is kept for the click.
std::optional<Resultat> essai(ActionPanneau a, const std::string &texte)
{
    std::optional<Resultat> r = calcule(a, texte);
    if (!r || !r->issue || r->issue->texte == texte)
        return std::nullopt;
    return r;
}

// The row on its panel, enabled when the condition holds and its operation applies.
bool essaie(Menus &m, ActionPanneau a, const std::string &texte, bool condition = true)
{
    std::optional<Resultat> r = condition ? essai(a, texte) : std::nullopt;
    const bool actif = r.has_value();
    regle_panneau(m, a, actif, std::move(r));
    return actif;
}

// The row on its panel only when its operation applies; otherwise the panel
// stays as an earlier row made it.
bool essaie_sinon_rien(Menus &m, ActionPanneau a, const std::string &texte)
{
    std::optional<Resultat> r = essai(a, texte);
    if (!r)
        return false;
    regle_panneau(m, a, true, std::move(r));
    return true;
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
    using enum ActionPanneau;
    const int a = e.membre_gauche.nb_additifs;
    const int b = e.membre_gauche.nb_multiplicatifs;
    const std::string &c = e.texte;
    const bool t_sans_domaine = !contient(t, "domain");
    const bool c_sans_domaine = !contient(c, "domain");

    regle_panneau(m, simplifier, t_sans_domaine && partage.option_simplif);
    // Offered only where the action succeeds: a text whose sign is not known
    // cannot go under a root.
    essaie(m, mettre_sous_racine, t, t_sans_domaine);
    if (etat.autre_en_cours || a > 1 || b > 1)
        regle_panneau(m, autre_expression, true);
    else
        regle_panneau(m, ecrire_autrement, compare_expressions(t, "1") != -1);
    // With vectors the panel reduces with Chasles' relation: that is what must change the text.
    essaie(m, partage.mode_vecteurs ? reduire_avec_chasles : reduire_et_ordonner, t, a > 0);

    essaie_sinon_rien(m, ecriture_scientifique, c);
    essaie_sinon_rien(m, enlever_moins_vecteurs, c);
    essaie(m, developper, c);
    if (!essaie_sinon_rien(m, decomposer_racine, c))
        essaie_sinon_rien(m, recomposer_racine, c);
    essaie(m, factoriser, c, partage.option_factoriz);
    if (est_vecteur_seul(c))
        regle_panneau(m, decomposer_chasles, true);
    regle_panneau(m, factoriser_par, c_sans_domaine);
    partage.forme_canonique_possible = essaie_sinon_rien(m, forme_canonique, c);
    // A bracket shared by the terms is there to be factored, not opened.
    if (!m[PANEL6].actif)
        essaie_sinon_rien(m, enlever_parentheses, c);
    essaie_sinon_rien(m, ecrire_comme_somme, c);

    if (!essaie_sinon_rien(m, additionner_numerateurs, c)) {
        if (est_produit_de_fractions(c))
            regle_panneau(m, multiplier_fractions, true);
        else
            regle_panneau(m, additionner_numerateurs, false);
    }

    if (a > 0) {
        regle_panneau(m, meme_denominateur, partage.option_fractions);
        regle_panneau(m, denominateur_commun, true);
    } else {
        regle_panneau(m, multiplier_haut_et_bas, c_sans_domaine);
        regle_panneau(m, diviser_haut_et_bas, c_sans_domaine);
    }
    regle_panneau(m, substituer, partage.etape > 1);
    if (!(est_calculable(c) && partage.option_kalkul && essaie_sinon_rien(m, calculer, t)))
        regle_panneau(m, remplacer_x_par, contient(c, "x") && c_sans_domaine);
}

// Kinds 1 to 5: operations on both members, solving, and the system walk.
void menus_relation(Menus &m, const std::string &t, const TDalgebre &e, const EtatMenus &etat)
{
    using enum ActionPanneau;
    const bool base_systeme = TDalgebre(etat.base).nature == SYSTEME;

    regle_panneau(m, ajouter_aux_membres, true);
    regle_panneau(m, soustraire_aux_membres, true);
    regle_panneau(m, multiplier_membres, true);
    regle_panneau(m, diviser_membres, true);

    partage.accepte_inf = false;
    regle_panneau(m, solutions, conclut(t));
    partage.accepte_inf = true;
    const int nature = partage.nature_expression;
    if (nature >= INFERIEUR && nature <= SUPERIEUR_OU_EGAL && e.membre_droit.texte == "0" &&
        resout_copie(t))
        regle_panneau(m, tableau_de_signes, true);

    if (partage.nature_exercice == SYSTEME && partage.etape >= 2) {
        std::string valeur;
        const int variable = variable_isolee(t, valeur);
        if (variable == 1) {
            regle_panneau(m, remplacer_x_dans_1, true);
            regle_panneau(m, remplacer_x_dans_2, true);
        } else if (variable == 2) {
            regle_panneau(m, remplacer_y_dans_1, true);
            regle_panneau(m, remplacer_y_dans_2, true);
        }
    }

    if (partage.etape > 1 && etat.partie_source_etape == -1 && base_systeme) {
        if (etat.partie_source_2 != 1)
            regle_panneau(m, substituer_a_1, true);
        if (etat.partie_source_2 != 0)
            regle_panneau(m, substituer_a_2, true);
    }
}

void menus_systeme(Menus &m, const std::string &t)
{
    regle_panneau(m, ActionPanneau::additionner_membre_a_membre, true);
    regle_panneau(m, ActionPanneau::soustraire_membre_a_membre, true);
    partage.accepte_inf = false;
    regle_panneau(m, ActionPanneau::solutions, resout_copie(t));
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
