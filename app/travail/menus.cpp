#include "app/travail/menus.h"

#include "algebra/enonces.h"
#include "algebra/equivalence.h"
#include "algebra/solutions.h"
#include "algebra/tableau_signes.h"
#include "algebra/vecteurs.h"
#include "app/travail/contexte.h"
#include "algebra/algebre.h"
#include "formula/enonce.h"
#include "exercise/fichier_exercice.h"

namespace {

// The statement the menus are set for, read once, and the options its rows
// are computed under.
struct Lecture {
    const EnonceLu &enonce;   // as given: the step a click records from
    // As its parts are written (EnonceLu::texte): the same reading unless
    // blanks or outer brackets went.
    const EnonceLu &ecrit;
    OptionsCalcul options;

    const std::string &texte() const { return enonce.saisi; }
};

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

// The row's operation on one reading of the statement: the step the click
// records while the statement is still the current one.
Resultat resultat(ActionPanneau a, const Lecture &l, const EnonceLu &sur)
{
    return {l.texte(), l.options, ligne_action(a).calcul(sur, l.options)};
}

// The row's step when its operation applies and changes the text (an action
// that would record the statement unchanged is not offered).
std::optional<Resultat> essai(ActionPanneau a, const Lecture &l, const EnonceLu &sur)
{
    Resultat r = resultat(a, l, sur);
    if (!r.issue || r.issue->texte == sur.saisi)
        return std::nullopt;
    return r;
}

// The row on its panel, enabled when the condition holds and its operation applies.
bool essaie(Menus &m, ActionPanneau a, const Lecture &l, const EnonceLu &sur, bool condition = true)
{
    std::optional<Resultat> r = condition ? essai(a, l, sur) : std::nullopt;
    const bool actif = r.has_value();
    regle_panneau(m, a, actif, std::move(r));
    return actif;
}

// The row on its panel only when its operation applies; otherwise the panel
// stays as an earlier row made it.
bool essaie_sinon_rien(Menus &m, ActionPanneau a, const Lecture &l, const EnonceLu &sur)
{
    std::optional<Resultat> r = essai(a, l, sur);
    if (!r)
        return false;
    regle_panneau(m, a, true, std::move(r));
    return true;
}

// The row on its panel, enabled by its condition alone, with the step its
// operation computes on the statement as given when it is enabled.
void propose(Menus &m, ActionPanneau a, const Lecture &l, bool condition)
{
    regle_panneau(m, a, condition, condition ? std::optional(resultat(a, l, l.enonce)) : std::nullopt);
}

// "Solution(s)", offered where solving concludes, with the step it states.
void propose_solutions(Menus &m, const Lecture &l)
{
    Resolution r = resolution(l.enonce, contexte_resolution());
    std::optional<Resultat> etape;
    if (r.conclut)
        etape = Resultat{l.texte(), l.options, std::move(r.etape)};
    regle_panneau(m, ActionPanneau::solutions, r.conclut, std::move(etape));
}

// Kind 0: every panel is set, later rows overriding earlier ones.
void menus_expression(Menus &m, const Lecture &l, const EtatMenus &etat)
{
    using enum ActionPanneau;
    const EnonceLu &t = l.enonce, &c = l.ecrit;
    const Membre &membre = c.membres.front();
    const std::size_t parties = membre.parties.size();
    const bool somme = membre.termes;
    const bool t_sans_domaine = !contient(t.saisi, "domain");
    const bool c_sans_domaine = !contient(c.saisi, "domain");

    propose(m, simplifier, l, t_sans_domaine && partage.option_simplif);
    // Offered only where the action succeeds: a text whose sign is not known
    // cannot go under a root.
    essaie(m, mettre_sous_racine, l, t, t_sans_domaine);
    if (etat.autre_en_cours || parties > 2)
        regle_panneau(m, autre_expression, true);
    else
        regle_panneau(m, ecrire_autrement, compare_expressions(t.saisi, "1") != -1);
    // With vectors the panel reduces with Chasles' relation: that is what must change the text.
    essaie(m, partage.mode_vecteurs ? reduire_avec_chasles : reduire_et_ordonner, l, t, somme);

    essaie_sinon_rien(m, ecriture_scientifique, l, c);
    essaie_sinon_rien(m, enlever_moins_vecteurs, l, c);
    essaie(m, developper, l, c);
    if (!essaie_sinon_rien(m, decomposer_racine, l, c))
        essaie_sinon_rien(m, recomposer_racine, l, c);
    essaie(m, factoriser, l, c, partage.option_factoriz);
    if (est_vecteur_seul(c))
        regle_panneau(m, decomposer_chasles, true);
    regle_panneau(m, factoriser_par, c_sans_domaine);
    partage.forme_canonique_possible = essaie_sinon_rien(m, forme_canonique, l, c);
    // A bracket shared by the terms is there to be factored, not opened.
    if (!m[PANEL6].actif)
        essaie_sinon_rien(m, enlever_parentheses, l, c);
    essaie_sinon_rien(m, ecrire_comme_somme, l, c);

    if (!essaie_sinon_rien(m, additionner_numerateurs, l, c)) {
        if (est_produit_de_fractions(c))
            propose(m, multiplier_fractions, l, true);
        else
            regle_panneau(m, additionner_numerateurs, false);
    }

    if (somme) {
        propose(m, meme_denominateur, l, partage.option_fractions);
        regle_panneau(m, denominateur_commun, true);
    } else {
        regle_panneau(m, multiplier_haut_et_bas, c_sans_domaine);
        regle_panneau(m, diviser_haut_et_bas, c_sans_domaine);
    }
    regle_panneau(m, substituer, partage.etape > 1);
    if (!(est_calculable(c) && partage.option_kalkul && essaie_sinon_rien(m, calculer, l, t)))
        regle_panneau(m, remplacer_x_par, contient(c.saisi, "x") && c_sans_domaine);
}

// Kinds 1 to 5: operations on both members, solving, and the system walk.
void menus_relation(Menus &m, const Lecture &l, const EtatMenus &etat)
{
    using enum ActionPanneau;
    const EnonceLu &t = l.enonce;
    const bool base_systeme = EnonceLu(etat.base).nature == SYSTEME;

    regle_panneau(m, ajouter_aux_membres, true);
    regle_panneau(m, soustraire_aux_membres, true);
    regle_panneau(m, multiplier_membres, true);
    regle_panneau(m, diviser_membres, true);

    propose_solutions(m, l);
    if (calcule_tableau_signes(t).valide)
        regle_panneau(m, tableau_de_signes, true);

    if (partage.nature_exercice == SYSTEME && partage.etape >= 2) {
        const int variable = variable_isolee(t).value_or(VariableIsolee{}).variable;
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

void menus_systeme(Menus &m, const Lecture &l)
{
    propose(m, ActionPanneau::additionner_membre_a_membre, l, true);
    propose(m, ActionPanneau::soustraire_membre_a_membre, l, true);
    propose_solutions(m, l);
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
    const EnonceLu enonce(texte);
    partage.nature_expression = enonce.nature;
    if (partage.etape == 1)
        partage.nature_exercice = partage.nature_expression;
    // The rows that work on the parts as written read that text only when it differs.
    const std::optional<EnonceLu> ecrit =
        enonce.texte != texte ? std::optional<EnonceLu>(std::in_place, enonce.texte) : std::nullopt;
    const Lecture lecture{enonce, ecrit ? *ecrit : enonce, options_calcul()};
    if (enonce.nature >= SYSTEME)
        menus_systeme(m, lecture);
    else if (enonce.nature >= EQUATION)
        menus_relation(m, lecture, etat);
    else
        menus_expression(m, lecture, etat);
    return m;
}
