// The twelve action panels of the main window and the operations that wait
// for an argument: each computes the next step with the engine and records it
// with the hint that names what was done.

#include <algorithm>
#include <optional>

#include "algebra/denominateurs.h"
#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/equivalence.h"
#include "algebra/factorisation.h"
#include "algebra/fractions.h"
#include "algebra/racines_carrees.h"
#include "algebra/solutions.h"
#include "algebra/vecteurs.h"
#include "app/travail/regles_nommees.h"
#include "app/travail/contexte.h"
#include "app/travail/reponse.h"
#include "app/travail/travail.h"
#include "algebra/algebre.h"
#include "algebra/decoupe.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/valeur.h"

namespace {

std::string crochets(const std::string &a) { return "[" + a + "]"; }

// Multiplying an inequation by a negative number reverses its relation.
int code_signe(const std::string &facteur)
{
    const int nature = partage.nature_expression;
    if (nature < INFERIEUR || nature > SUPERIEUR_OU_EGAL || contient(facteur, "x"))
        return 2;
    const std::optional<double> v = valeur(facteur, 0);
    return v && *v < 0 ? SIGNE_NEGATIF : 2;
}

void simplifie_racines_puis_fusionne(std::string &s)
{
    s = normalise(simplifie_racines(s));
    s = fusionne_racines(s);
}

// One expression: no relation, system, list, interval or set.
bool est_une_expression(const std::string &a)
{
    const std::optional<Arbre> arbre = lis_formule(a);
    if (!arbre)
        return false;
    switch ((*arbre)[arbre->racine].genre) {
    case Genre::relation: case Genre::systeme: case Genre::liste: case Genre::domaine:
    case Genre::reunion: case Genre::ensemble: case Genre::infini:
        return false;
    default:
        return true;
    }
}

// Why the argument typed cannot serve the operation waiting for it (its
// action code), or an empty text when it can. Nothing is recorded for a
// refused argument.
std::string refus_argument(int code, const std::string &a, const std::string &enonce)
{
    if (code == 11)
        return a.size() == 1 && a[0] >= 'A' && a[0] <= 'Z' ? ""
                                                           : "Il faut donner le nom d'un point (une lettre majuscule).";
    // At the points of the equivalence test, whatever the value of its
    // letter: never defined, always zero, or neither.
    if (nulle_part_definie(a))
        return "Cette expression n'a de valeur pour aucun x.";
    if (code == 12)
        return "";
    if (!est_une_expression(a))
        return "Il faut donner une expression (sans signe =, < ou >).";
    // A factor in the unknown that may vanish or change sign would add,
    // lose or reverse solutions.
    if (code == 6 && depend_de_l_inconnue(a))
        return "On ne divise les deux membres que par un nombre non nul.";
    if (code == 4 && depend_de_l_inconnue(a) && !multiplicateur_admis(enonce, a))
        return "On ne multiplie les deux membres que par un nombre non nul, ou par une expression qui garde "
               "son signe sans jamais s'annuler (ou, dans une équation, par un dénominateur).";
    const int face_a_zero = compare_expressions(a, "0");
    if (code == 8 || (face_a_zero != EQUIVALENTES && normalise(a) != "0"))
        return "";
    switch (code) {
    case 1: return "On ne peut pas factoriser par 0.";
    case 2: case 4: return "Multiplier par 0 n'est pas permis : tout deviendrait nul.";
    case 3: case 6: return "On ne peut pas diviser par 0.";
    case 5: case 7: return "Ajouter ou soustraire 0 ne change rien.";
    case 9: return "Un dénominateur ne peut pas être nul.";
    default: return "";
    }
}

} // namespace

void Travail::demande(int code, int haut)
{
    const Partage &p = partage;
    partage.action_en_cours = code;
    demande_argument = DemandeArgument{code, p.dx_fenetre + 26, p.dy_fenetre + haut, {}};
}

bool Travail::clic_panneau(const std::string &nom)
{
    using Clic = void (Travail::*)();
    static constexpr std::pair<Panneau, Clic> clics[] = {
        {PANEL10, &Travail::Panel10Click}, {PANEL11, &Travail::Button6Click},
        {PANEL12, &Travail::Panel12Click}, {PANEL1, &Travail::Panel1Click},
        {PANEL5, &Travail::Panel5Click},   {PANEL6, &Travail::Panel6Click},
        {PANEL3, &Travail::Panel3Click},   {PANEL7, &Travail::Panel7Click},
        {PANEL8, &Travail::Panel8Click},   {PANEL4, &Travail::Panel4Click},
        {PANEL17, &Travail::Panel17Click}, {PANEL19, &Travail::Panel19Click},
    };
    for (const auto &[panneau, clic] : clics) {
        if (nom != nom_panneau(panneau))
            continue;
        // A disabled panel takes no click.
        if (menus[panneau].actif)
            (this->*clic)();
        return true;
    }
    return false;
}

void Travail::Panel10Click()
{
    const std::string &libelle_ = libelle(PANEL10);
    const int nature = partage.nature_expression;
    std::string s = courante();
    if (libelle_ == "Simplifier" && nature == EXPRESSION) {
        vecteur_nul(s);
        groupe_denominateurs(s);
        s = normalise(s);
        simplifie_quotient(s);
        if (partage.option_racines) {
            simplifie_racines_puis_fusionne(s);
            s = normalise(s);
        } else {
            s = fusionne_racines(s);
        }
        enregistrer_etape(s, "Il faut simplifier.", true);
    } else if (libelle_ == "Add. aux deux membres..." && nature >= EQUATION &&
               nature <= SUPERIEUR_OU_EGAL) {
        demande(5, 154);
    } else if (libelle_ == "Add. membre à membre..." && nature >= SYSTEME) {
        combine_systeme(s, "+");
        enregistrer_etape(s, "Il faut additionner membre à membre.", true);
    }
}

void Travail::Button6Click()
{
    const int nature = partage.nature_expression;
    std::string s = courante();
    if (contient(libelle(PANEL11), "dénominateur")) {
        if (reduit_au_denominateur(s, ""))
            enregistrer_etape(s, "Il faut réduire au même dénominateur.", true);
    } else if (nature == EXPRESSION) {
        demande(2, 174);
    } else if (nature <= SUPERIEUR_OU_EGAL) {
        demande(7, 174);
    } else {
        combine_systeme(s, "-");
        enregistrer_etape(s, "Il faut soustraire membre à membre.", true);
    }
}

void Travail::Panel12Click()
{
    if (contient(libelle(PANEL11), "dénominateur"))
        demande(9, 194);
    else if (partage.nature_expression != EXPRESSION)
        demande(4, 194);
    else
        demande(3, 194);
}

void Travail::Panel1Click()
{
    const std::string &libelle_ = libelle(PANEL1);
    std::string s = courante();
    if (contient(libelle_, "numérateur")) {
        additionne_numerateurs(s);
        enregistrer_etape(s, "Il faut additionner les numérateurs.", true);
    } else if (contient(libelle_, "fractions")) {
        enregistrer_etape(normalise(s), "Il faut multiplier les fractions.", true);
    } else {
        demande(6, 214);
    }
}

void Travail::Panel5Click()
{
    const std::string &libelle_ = libelle(PANEL5);
    const int nature = partage.nature_expression;
    std::string s = courante();
    if (contient(libelle_, "Décompo")) {
        decompose_racine(s);
        enregistrer_etape(s, "Il faut décomposer.", true);
    } else if (contient(libelle_, "Recompo")) {
        recompose_racine(s);
        enregistrer_etape(s, "il faut recomposer.", true);
    } else if (nature == EXPRESSION && partage.forme_canonique_possible) {
        forme_canonique(s);
        enregistrer_etape(s, "Il faut demander la forme canonique.", true);
    } else if (nature == EXPRESSION) {
        developpe(s);
        enregistrer_etape(s, "Il faut développer.", true);
    } else {
        resout_etape();
    }
}

void Travail::Panel6Click()
{
    const std::string &libelle_ = libelle(PANEL6);
    std::string s = courante();
    if (contient(libelle_, "Décomposer")) {
        demande(11, 262);
    } else if (contient(libelle_, "Tableau de")) {
        partage.mode_tableau_signes = true;
        partage.accepte_inf = true;
        impression_demandee = true;
    } else if (contient(libelle_, "une somme")) {
        const std::string avant = s;
        en_somme(s);
        enregistrer_etape(s, "Il faut écrire " + crochets(avant) + " sous la forme d'une somme.", true);
    } else if (contient(libelle_, "parenth")) {
        enleve_parentheses(s);
        enregistrer_etape(s, "Il faut supprimer les parenthèses.", true);
    } else {
        // "Erreur" is the engine's word for a failed factoring, not a step.
        std::string indication;
        const std::string r = factorise(s, partage.option_trinomes, indication);
        if (r != "Erreur")
            enregistrer_etape(r, "Il faut factoriser" + indication + ".", true);
    }
}

void Travail::Panel3Click()
{
    if (contient(libelle(PANEL3), "Substituer à"))
        substitue_systeme(1, "Il faut substituer à l'équation (I)");
    else
        demande(1, 286);
}

void Travail::Panel7Click()
{
    const std::string &libelle_ = libelle(PANEL7);
    std::string s = courante();
    if (contient(libelle_, "Substituer à")) {
        substitue_systeme(2, "Il faut substituer à l'équation (II)");
    } else if (contient(libelle_, "scientifique")) {
        ecriture_scientifique(s);
        enregistrer_etape(s, "Il faut demander l'écriture scientifique.", true);
    } else if (contient(libelle_, "Chasles")) {
        chasles(s);
        enregistrer_etape(s, "Il faut réduire avec la propriété de Chasles.", true);
    } else if (contient(libelle_, "signe")) {
        enleve_moins_vecteurs(s);
        enregistrer_etape(s, "Il faut transformer les signes \"-\" en \"+\".", true);
    } else {
        ordonne(s);
        enregistrer_etape(s, "Il faut ordonner.", true);
    }
}

void Travail::Panel8Click()
{
    if (contient(libelle(PANEL8), "Remplacer"))
        remplace_variable(1, PANEL8);
    else
        marche_substitution();
}

void Travail::Panel4Click()
{
    const std::string &libelle_ = libelle(PANEL4);
    if (libelle_ == "Autre expression...")
        autre_expression();
    else if (contient(libelle_, "autrement"))
        demande(12, 171);
    else
        remplace_variable(2, PANEL4);
}

void Travail::Panel17Click()
{
    if (libelle(PANEL17) == "Calculer")
        enregistrer_etape(normalise(courante()), "Il faut calculer.", true);
    else
        demande(8, 192);
}

void Travail::Panel19Click()
{
    std::string s = courante();
    if (!met_sous_racine(s, partage.option_racines)) {
        message = "Le signe de cette expression n'est pas connu : elle ne peut pas être mise sous une racine.";
        return;
    }
    enregistrer_etape(s, "Il faut mettre sous la forme d'une racine carrée.", true);
}

// ---------------------------------------------------------------- argument operations

void Travail::annule_argument() { demande_argument.reset(); }

void Travail::affiche(const std::string &argument)
{
    demande_argument.reset();
    if (argument.empty())
        return;
    if (partage.action_en_cours == 10)
        repond(argument);
    else
        operation_argument(partage.action_en_cours, argument);
}

void Travail::operation_argument(int code, std::string a)
{
    if (std::string refus = refus_argument(code, a, courante()); !refus.empty()) {
        message = std::move(refus);
        return;
    }
    std::string s = courante();
    const std::string ca = crochets(a);
    // An operation that finds nothing to write says why instead of recording a step.
    const auto enregistre_ou_refuse = [this](const std::string &r, const std::string &commentaire,
                                             const std::string &refus) {
        if (r.empty())
            message = refus;
        else
            enregistrer_etape(r, commentaire, true);
    };
    switch (code) {
    case 1:
        enregistre_ou_refuse(factorise_par(s, a), "Il faut factoriser par " + ca + ".",
                             forme_lisible(a) + " ne divise pas l'expression : on ne peut pas factoriser par " +
                                 forme_lisible(a) + ".");
        break;
    case 2:
        enregistre_ou_refuse(multiplie_haut_et_bas(s, a), "Il faut multiplier haut et bas par " + ca + ".",
                             "Multiplier haut et bas par " + forme_lisible(a) + " ne donne pas une autre fraction.");
        break;
    case 3:
        enregistre_ou_refuse(multiplie_haut_et_bas(s, "1/(" + a + ")"), "Il faut diviser haut et bas par " + ca + ".",
                             forme_lisible(a) + " ne divise pas exactement le numérateur et le dénominateur.");
        break;
    case 4:
        multiplie_membres(s, a, code_signe(a));
        enregistrer_etape(s, "Il faut multiplier les deux membres par " + ca + ".", true);
        break;
    case 5:
        ajoute_aux_membres(s, a);
        enregistrer_etape(s, "Il faut additionner " + ca + " aux deux membres.", true);
        break;
    case 6:
        multiplie_membres(s, "1/(" + a + ")", code_signe(a));
        enregistrer_etape(s, "Il faut diviser les deux membres par " + ca + ".", true);
        break;
    case 7:
        ajoute_aux_membres(s, "-(" + a + ")");
        enregistrer_etape(s, "Il faut soustraire " + ca + " aux deux membres.", true);
        break;
    case 8: {
        const std::string d = forme_lisible(a);
        remplace_x(s, a);
        enregistrer_etape(s, a == "non" ? "L'expression est non définie pour x = " + d
                                        : "Il faut remplacer x par " + crochets(d) + ".",
                          true);
        break;
    }
    case 9:
        if (reduit_au_denominateur(s, a))
            enregistrer_etape(s, "Il faut réduire au dénominateur " + ca + ".", true);
        else
            message = "Chaque dénominateur doit diviser " + forme_lisible(a) + ".";
        break;
    case 11:
        decompose_vecteur(s, a);
        enregistrer_etape(s, "Il faut décomposer sur le point " + forme_lisible(a) + ".", true);
        break;
    case 12: {
        const int comparaison = compare_ecritures(s, a);
        if (comparaison == EQUIVALENTES) {
            enregistrer_etape(a, "Il faut écrire autrement (sous la forme : " + ca + ").", true);
            break;
        }
        // The refusal names the rule the rewriting broke, when one explains it.
        const auto d = nomme_erreur(s, a, Tache::aucune);
        if (comparaison == EQUIVALENCE_NON_DEMONTREE && !d)
            message = "Cette écriture n'est pas acceptée : on ne peut pas vérifier qu'elle est équivalente.";
        else
            enregistrer_etape(s, d ? "Ecriture non équivalente. " + d->explication : "Ecriture non équivalente.", true);
        break;
    }
    default: break;
    }
}

// ---------------------------------------------------------------- solving

void Travail::zero_montre(const std::string &r1, const std::string &r2, const std::string &r3,
                          const std::string &r4)
{
    static constexpr const char *annonces[] = {
        "Pas de solution", "La solution est : ", "Les deux solutions sont : ",
        "Les trois solutions sont : ", "Les quatre solutions sont : "};
    std::string texte;
    int n = 0;
    for (const std::string *r : {&r1, &r2, &r3, &r4}) {
        if (r->empty())
            continue;
        texte += (n > 0 ? "*et*" : "") + *r;
        ++n;
    }
    // A system has one solution, the pair of the values of x and y.
    if (TDalgebre(etapes[1]).nature == SYSTEME) {
        enregistrer_etape(texte, "La solution du système est le couple (" + forme_lisible(r1) + " ; " +
                                     forme_lisible(r2) + ").", true);
        partage.derniere_expression = texte;
        return;
    }
    enregistrer_etape(texte, annonces[n], true);
    partage.derniere_expression = texte;
}

void Travail::resout_etape()
{
    Partage &p = partage;
    const std::string s = courante();
    p.accepte_inf = false;
    // The normal form, then the statement as shown (which the menus solved to
    // offer the panel); roots found only in part are never recorded.
    std::string r1 = normalise(s), r2, r3, r4;
    bool trouve = resout(r1, r2, r3, r4, contexte_resolution());
    // No root to find in the statement as shown: no solution, or every real
    // (the normal form may have lost a denominator's zero).
    if (std::string m1 = s, m2, m3, m4; !resout(m1, m2, m3, m4, contexte_resolution())) {
        if (const std::optional<Conclusion> c = conclusion_sans_racine(s)) {
            enregistrer_etape(c->texte, c->annonce, true);
            p.derniere_expression = c->texte;
            return;
        }
    }
    if (!trouve) {
        r1 = s;
        trouve = resout(r1, r2, r3, r4, contexte_resolution());
    }
    if (p.nature_expression == EQUATION) {
        if (!trouve) {
            message = "Les solutions de cette équation ne peuvent pas être trouvées.";
            return;
        }
        zero_montre(r1, r2, r3, r4);
        return;
    }
    if (!r4.empty())
        return;
    // The set is built from the sign of the member sampled between its roots;
    // the table below, which reads one sample only, serves where that cannot
    // decide (a system, roots that do not evaluate).
    std::string texte = intervalle_solutions(s, contexte_resolution());
    if (texte.empty() && !r1.empty()) {
        std::string m1 = r1, m2 = r2, m3 = r3;
        complete_racines(s, m1, m2, m3);
        const TDalgebre enonce(s);
        const std::string &gauche = enonce.membre_gauche.texte;
        // A root or a member without a value counts as 0.
        const auto racine = [](const std::string &r) { return valeur(r, 0).value_or(0); };
        const auto membre = [&](double x) { return valeur(gauche, x).value_or(0); };
        double w;
        if (r2.empty()) {
            w = enonce.membre_droit.texte == "0" ? membre(racine(r1) + 1) : 1;
        } else if (r3.empty()) {
            if (racine(r1) > racine(r2)) {
                echange(r1, r2);
                echange(m1, m2);
            }
            w = membre((racine(r1) + racine(r2)) * 0.5);
        } else {
            ordonne_trois(r1, r2, r3, m1, m2, m3);
            w = membre((racine(r1) + racine(r2)) * 0.5);
            if (w == 0)
                w = membre(racine(r3) + 10);
        }
        const int nature = p.nature_expression;
        if (nature == SUPERIEUR || nature == SUPERIEUR_OU_EGAL)
            w = -w;
        if (r2.empty())
            texte = w > 0 ? texte_intervalle("-inf", r1, "", nature, "", "", m1, "inf", "")
                          : texte_intervalle(r1, "inf", "", nature, "", "", "inf", m1, "");
        else if (r3.empty())
            texte = w > 0 ? texte_intervalle("-inf", r1, r2, nature, "inf", m2, m1, "inf", "inf")
                          : texte_intervalle(r1, r2, "", nature, "", "", m2, m1, "");
        else
            texte = w > 0 ? texte_intervalle("-inf", r1, r2, nature, m3, m2, m1, "inf", r3)
                          : texte_intervalle(r1, r2, r3, nature, "inf", m3, m2, m1, "inf");
    }
    enregistrer_etape(texte, "Il faut demander l'intervalle des solutions.", true);
    p.derniere_expression = texte;
}

// ---------------------------------------------------------------- substitutions

void Travail::marche_substitution()
{
    Partage &p = partage;
    int k = partie_source[std::clamp(p.etape, 1, ETAPES_MAX)];
    // Each fold lowers the step: the walk ends within the number of steps.
    for (int tour = 0; k == -1 && p.etape > 1 && tour < ETAPES_MAX; ++tour) {
        substituer(-1);
        k = p.etape > 1 ? partie_source[p.etape] : 0;
    }
    if (p.etape > 1)
        substituer(k);
}

void Travail::substituer(int k)
{
    Partage &p = partage;
    if (p.etape < 2)
        return;
    const std::string t = etapes[p.etape];
    bool systeme = false;
    if (k == -1 && TDalgebre(etapes[1]).nature == SYSTEME && p.nature_expression > 0) {
        p.etape = 2;
        k = std::max(partie_source[2], 0);
        systeme = true;
    }
    const TDalgebre parent(etapes[p.etape - 1]);
    std::string r = t;
    if (substitue(r, p.etape, 1, etapes[1]) > 0) {
        p.etape = 2;
    } else if (k != -1 || systeme) {
        r = recompose(parent, k, t);
    } else {
        r = t;
    }
    partie_source[p.etape] = -1;
    etapes[p.etape - 1] = r;
    enregistrer_etape(r, k != -1 ? "Il faut substituer." : "", false);
}

std::string Travail::recompose(const TDalgebre &parent, int k, const std::string &t)
{
    if (parent.nature == EXPRESSION) {
        const TDmembre &m = parent.membre_gauche;
        std::array<std::string, 10> morceaux = m.morceaux;
        const int e = m.exposants[1];
        // The part comes back as the parts list shows it, after a blank.
        const std::string partie = sans_blancs(t);
        if (k >= 0 && k < 8)
            morceaux[static_cast<std::size_t>(k) + 1] = partie;
        if (m.morceaux[2].empty() && e >= 2 && e < 1000)
            morceaux[1] = (base_entiere(partie) ? partie : "(" + partie + ")") + "^" + std::to_string(e);
        if (const std::optional<Fonction> f = fonction_du_code(e); f && m.morceaux[2].empty())
            morceaux[1] = std::string(nom_de(*f)) + "(" + partie + ")";
        std::string r, avant;
        for (int i = 1; i <= 8; ++i) {
            if (morceaux[i].empty())
                continue;
            r += piece_ecrite(morceaux[i], avant, m.nb_additifs > 0) + m.operateurs_membre[i];
            avant = m.operateurs_membre[i];
        }
        return r;
    }
    static constexpr const char *relations[] = {"", "=", "<", ">", "<=", ">=", "\r\n"};
    const std::string rel = relations[std::clamp(parent.nature, 0, 6)];
    std::string r = k == 0 ? t + rel + parent.membre_droit.texte : parent.membre_gauche.texte + rel + t;
    if (parent.nature == SYSTEME)
        r = "{" + r + "}";
    return r;
}

void Travail::substitue_systeme(int equation, const std::string &indication)
{
    Partage &p = partage;
    const std::string t = courante();
    p.etape = 2;
    const TDalgebre systeme(etapes[1]);
    const std::string r = equation == 1 ? "{" + t + "\r\n" + systeme.membre_droit.texte + "}"
                                        : "{" + systeme.membre_gauche.texte + "\r\n" + t + "}";
    etapes[1] = r;
    enregistrer_etape(r, indication, false);
}

void Travail::remplace_variable(int cible, Panneau panneau)
{
    Partage &p = partage;
    std::string t = courante();
    if (substitue(t, p.etape, cible, etapes[1]) <= 0)
        return;
    p.etape = 2;
    etapes[1] = t;
    enregistrer_etape(t, "Il faut " + libelle(panneau), false);
}

void Travail::autre_expression()
{
    Partage &p = partage;
    autre_en_cours = true;
    if (autre_texte.empty()) {
        autre_texte = courante();
        p.autre_rang = 1;
        p.autre_tour = 1;
    }
    std::string t = autre_texte;
    --p.etape;
    if (p.autre_rang > 0)
        regroupe(t);
    enregistrer_etape(t, "Il faut demander une autre expression.", true);

    const int a = p.autre_tour;
    const int b = p.autre_rang;
    p.autre_tour = a + 1;
    if ((b == 1 && a + 1 == p.nb_formes) || a + b + 1 >= p.nb_formes + 2 || b == 0) {
        p.autre_tour = 1;
        p.autre_rang = b + 1;
        if (b + 1 >= p.nb_formes + 1) {
            p.autre_rang = 0;
            p.autre_tour = 0;
        }
    }
}
