#include "app/travail/table_actions.h"

#include <iterator>

#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/factorisation.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/simplification.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "app/travail/contexte.h"
#include "formula/normalise.h"

namespace {

// An operation on the statement that reads no option.
template <Issue (*operation)(const EnonceLu &)>
Issue sans_options(const EnonceLu &enonce, const OptionsCalcul &)
{
    return operation(enonce);
}

Issue au_meme_denominateur(const EnonceLu &enonce, const OptionsCalcul &) { return reduit_au_denominateur(enonce); }

template <char operateur>
Issue membre_a_membre(const EnonceLu &enonce, const OptionsCalcul &) { return combine_systeme(enonce, operateur); }

Issue normalisee(const EnonceLu &enonce, const OptionsCalcul &) { return transforme(normalise(enonce.saisi)); }

// An operation on the statement and the argument that reads no option.
template <Issue (*operation)(const EnonceLu &, const std::string &)>
Issue sans_options(const EnonceLu &enonce, const std::string &argument, const OptionsCalcul &)
{
    return operation(enonce, argument);
}

Issue soustrait_aux_membres(const EnonceLu &enonce, const std::string &t, const OptionsCalcul &options)
{
    return ajoute_aux_membres(enonce, "-(" + t + ")", options);
}

constexpr LigneAction etape_(ActionPanneau a, Panneau p, const char *libelle, const char *indication, Calcul calcul)
{
    return {a, p, libelle, Effet::etape, indication, calcul};
}

constexpr LigneAction argument(ActionPanneau a, Panneau p, const char *libelle, int code, int haut,
                               const char *indication, CalculArgument calcul, Attendu attendu = Attendu::expression,
                               bool refus_en_etape = false)
{
    return {a, p, libelle, Effet::argument, indication, nullptr, code, haut, calcul, attendu, refus_en_etape};
}

constexpr LigneAction travail(ActionPanneau a, Panneau p, const char *libelle, const char *indication = "")
{
    return {a, p, libelle, Effet::travail, indication};
}

using enum ActionPanneau;

constexpr LigneAction LIGNES[] = {
    {aucune, NB_PANNEAUX, "", Effet::rien},

    etape_(simplifier, PANEL10, "Simplifier", "Il faut simplifier.", simplifie),
    argument(ajouter_aux_membres, PANEL10, "Add. aux deux membres...", 5, 154,
             "Il faut additionner [%] aux deux membres.", ajoute_aux_membres),
    etape_(additionner_membre_a_membre, PANEL10, "Add. membre à membre...", "Il faut additionner membre à membre.",
           membre_a_membre<'+'>),

    etape_(meme_denominateur, PANEL11, "Même dénominateur", "Il faut réduire au même dénominateur.",
           au_meme_denominateur),
    argument(multiplier_haut_et_bas, PANEL11, "Multiplier haut et bas...", 2, 174,
             "Il faut multiplier haut et bas par [%].", sans_options<multiplie_haut_et_bas>),
    argument(soustraire_aux_membres, PANEL11, "Soust. aux deux membres...", 7, 174,
             "Il faut soustraire [%] aux deux membres.", soustrait_aux_membres),
    etape_(soustraire_membre_a_membre, PANEL11, "Soust. membre à membre...", "Il faut soustraire membre à membre.",
           membre_a_membre<'-'>),

    argument(denominateur_commun, PANEL12, "Dénominateur commun...", 9, 194, "Il faut réduire au dénominateur [%].",
             sans_options<reduit_au_denominateur>),
    argument(multiplier_membres, PANEL12, "Mult. deux membres par...", 4, 194,
             "Il faut multiplier les deux membres par [%].", multiplie_membres),
    argument(diviser_haut_et_bas, PANEL12, "Diviser haut et bas...", 3, 194, "Il faut diviser haut et bas par [%].",
             sans_options<divise_haut_et_bas>),

    etape_(additionner_numerateurs, PANEL1, "Add. les numérateurs", "Il faut additionner les numérateurs.",
           sans_options<additionne_numerateurs>),
    etape_(multiplier_fractions, PANEL1, "Mult. les fractions", "Il faut multiplier les fractions.", normalisee),
    argument(diviser_membres, PANEL1, "Div. deux membres par...", 6, 214,
             "Il faut diviser les deux membres par [%].", divise_membres),

    etape_(developper, PANEL5, "Développer", "Il faut développer.", developpe),
    etape_(decomposer_racine, PANEL5, "Décomposer la racine", "Il faut décomposer.", sans_options<decompose_racine>),
    etape_(recomposer_racine, PANEL5, "Recomposer la racine", "il faut recomposer.", sans_options<recompose_racine>),
    etape_(forme_canonique, PANEL5, "Forme canonique", "Il faut demander la forme canonique.",
           sans_options<::forme_canonique>),
    travail(solutions, PANEL5, "Solution(s)"),

    etape_(factoriser, PANEL6, "Factoriser", "Il faut factoriser%.", factorise),
    argument(decomposer_chasles, PANEL6, "Décomposer (Chasles)...", 11, 262, "Il faut décomposer sur le point %.",
             sans_options<decompose_vecteur>, Attendu::point),
    travail(tableau_de_signes, PANEL6, "Tableau de signes"),
    etape_(ecrire_comme_somme, PANEL6, "Ecrire comme une somme", "Il faut écrire % sous la forme d'une somme.",
           sans_options<en_somme>),
    etape_(enlever_parentheses, PANEL6, "Enlever les parenthèses", "Il faut supprimer les parenthèses.",
           sans_options<enleve_parentheses>),

    argument(factoriser_par, PANEL3, "Factoriser par...", 1, 286, "Il faut factoriser par [%].",
             sans_options<::factorise_par>),
    travail(substituer_a_1, PANEL3, "Substituer à (I)", "Il faut substituer à l'équation (I)"),

    etape_(reduire_et_ordonner, PANEL7, "Réduire et ordonner", "Il faut ordonner.", sans_options<ordonne>),
    etape_(reduire_avec_chasles, PANEL7, "Réduire avec Chasles", "Il faut réduire avec la propriété de Chasles.",
           sans_options<chasles>),
    etape_(ecriture_scientifique, PANEL7, "Ecriture scientifique", "Il faut demander l'écriture scientifique.",
           sans_options<::ecriture_scientifique>),
    etape_(enlever_moins_vecteurs, PANEL7, "Enlever les signes \"-\"",
           "Il faut transformer les signes \"-\" en \"+\".", sans_options<enleve_moins_vecteurs>),
    travail(substituer_a_2, PANEL7, "Substituer à (II)", "Il faut substituer à l'équation (II)"),

    travail(substituer, PANEL8, "Substituer"),
    travail(remplacer_x_dans_1, PANEL8, "Remplacer x dans (I)", "Il faut Remplacer x dans (I)"),
    travail(remplacer_y_dans_1, PANEL8, "Remplacer y dans (I)", "Il faut Remplacer y dans (I)"),

    travail(autre_expression, PANEL4, "Autre expression...", "Il faut demander une autre expression."),
    argument(ecrire_autrement, PANEL4, "Ecrire autrement...", 12, 171,
             "Il faut écrire autrement (sous la forme : [%]).", nullptr, Attendu::ecriture),
    travail(remplacer_x_dans_2, PANEL4, "Remplacer x dans (II)", "Il faut Remplacer x dans (II)"),
    travail(remplacer_y_dans_2, PANEL4, "Remplacer y dans (II)", "Il faut Remplacer y dans (II)"),

    etape_(calculer, PANEL17, "Calculer", "Il faut calculer.", normalisee),
    argument(remplacer_x_par, PANEL17, "Remplacer x par...", 8, 192, "Il faut remplacer x par [%].",
             sans_options<remplace_x>, Attendu::expression, true),

    etape_(mettre_sous_racine, PANEL19, "Mettre sous une racine", "Il faut mettre sous la forme d'une racine carrée.",
           met_sous_racine),
};

// A row for every action, in the order of the actions: an action finds its row directly.
constexpr bool une_ligne_par_action()
{
    for (std::size_t i = 0; i < std::size(LIGNES); ++i)
        if (LIGNES[i].action != static_cast<ActionPanneau>(i))
            return false;
    return std::size(LIGNES) == static_cast<std::size_t>(mettre_sous_racine) + 1;
}
static_assert(une_ligne_par_action());

} // namespace

const LigneAction &ligne_action(ActionPanneau a)
{
    const auto i = static_cast<std::size_t>(a);
    return i < std::size(LIGNES) ? LIGNES[i] : LIGNES[0];
}

const LigneAction *ligne_argument(int code)
{
    for (const LigneAction &l : LIGNES)
        if (l.effet == Effet::argument && l.code_argument == code)
            return &l;
    return nullptr;
}

std::optional<Resultat> calcule(ActionPanneau a, const std::string &s)
{
    const LigneAction &l = ligne_action(a);
    if (!l.calcul)
        return std::nullopt;
    const OptionsCalcul options = options_calcul();
    return Resultat{s, options, l.calcul(EnonceLu(s), options)};
}

bool vaut_pour(const Resultat &r, const std::string &s) { return r.source == s && r.options == options_calcul(); }

std::string indication(const LigneAction &ligne, const Transformation &t)
{
    std::string texte = ligne.indication;
    if (const std::size_t i = texte.find('%'); i != std::string::npos)
        texte.replace(i, 1, t.complement);
    return texte;
}

std::string indication(const LigneAction &ligne, const std::string &argument, const Transformation &t)
{
    return indication(ligne, Transformation{t.texte, t.complement.empty() ? argument : t.complement});
}
