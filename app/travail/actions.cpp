// The clicks of the twelve action panels, which run the row of the action
// table each panel offers, and the operations that wait for an argument:
// each records the next step with the hint that names what was done.

#include <algorithm>
#include <optional>

#include "algebra/developpement.h"
#include "algebra/enonces.h"
#include "algebra/equivalence.h"
#include "algebra/solutions.h"
#include "app/travail/regles_nommees.h"
#include "app/travail/contexte.h"
#include "app/travail/reponse.h"
#include "app/travail/travail.h"
#include "algebra/algebre.h"
#include "algebra/decoupe.h"
#include "formula/lecteur.h"
#include "formula/normalise.h"
#include "formula/lineaire.h"
#include "formula/reponse.h"

namespace {

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

// Why the argument typed cannot serve an operation that expects that, or an
// empty text when it can (the operation says what else it refuses). Nothing
// is recorded for a refused argument.
std::string refus_argument(Attendu attendu, const std::string &a)
{
    if (attendu == Attendu::point)
        return "";
    // At the points of the equivalence test, whatever the value of its
    // letter: never defined, always zero, or neither.
    if (nulle_part_definie(a))
        return "Cette expression n'a de valeur pour aucun x.";
    if (attendu == Attendu::expression && !est_une_expression(a))
        return "Il faut donner une expression (sans signe =, < ou >).";
    return "";
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
    for (int i = 0; i < NB_PANNEAUX; ++i) {
        const Panneau panneau = static_cast<Panneau>(i);
        if (nom != nom_panneau(panneau))
            continue;
        // A disabled panel takes no click.
        if (menus[panneau].actif)
            agit(panneau);
        return true;
    }
    return false;
}

void Travail::agit(Panneau panneau)
{
    const EtatPanneau &etat = menus[panneau];
    const LigneAction &ligne = ligne_action(etat.action);
    switch (ligne.effet) {
    case Effet::rien:
        break;
    case Effet::argument:
        demande(ligne.code_argument, ligne.haut);
        break;
    case Effet::etape: {
        // The step the menus computed, unless the work moved to another
        // statement, or the options changed, since.
        const std::string &s = courante();
        const std::optional<Resultat> r =
            etat.resultat && vaut_pour(*etat.resultat, s) ? etat.resultat : calcule(etat.action, s);
        if (r && r->issue)
            enregistrer_etape(r->issue->texte, indication(ligne, *r->issue), true);
        else if (r && !r->issue.refus().empty())
            message = r->issue.refus();
        break;
    }
    case Effet::travail:
        travaille(etat);
        break;
    }
}

void Travail::travaille(const EtatPanneau &etat)
{
    const LigneAction &ligne = ligne_action(etat.action);
    switch (etat.action) {
    case ActionPanneau::solutions:
        resout_etape(etat.resultat);
        break;
    case ActionPanneau::tableau_de_signes:
        partage.mode_tableau_signes = true;
        impression_demandee = true;
        break;
    case ActionPanneau::substituer_a_1:
        substitue_systeme(1, ligne.indication);
        break;
    case ActionPanneau::substituer_a_2:
        substitue_systeme(2, ligne.indication);
        break;
    case ActionPanneau::substituer:
        marche_substitution();
        break;
    case ActionPanneau::remplacer_x_dans_1: case ActionPanneau::remplacer_y_dans_1:
        remplace_variable(1, ligne.indication);
        break;
    case ActionPanneau::remplacer_x_dans_2: case ActionPanneau::remplacer_y_dans_2:
        remplace_variable(2, ligne.indication);
        break;
    case ActionPanneau::autre_expression:
        autre_expression(ligne.indication);
        break;
    default:
        break;
    }
}

void Travail::Panel10Click() { agit(PANEL10); }
void Travail::Button6Click() { agit(PANEL11); }
void Travail::Panel12Click() { agit(PANEL12); }
void Travail::Panel1Click() { agit(PANEL1); }
void Travail::Panel5Click() { agit(PANEL5); }
void Travail::Panel6Click() { agit(PANEL6); }
void Travail::Panel3Click() { agit(PANEL3); }
void Travail::Panel7Click() { agit(PANEL7); }
void Travail::Panel8Click() { agit(PANEL8); }
void Travail::Panel4Click() { agit(PANEL4); }
void Travail::Panel17Click() { agit(PANEL17); }
void Travail::Panel19Click() { agit(PANEL19); }

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

void Travail::operation_argument(int code, const std::string &tape)
{
    const LigneAction *ligne = ligne_argument(code);
    if (!ligne)
        return;
    // A pupil writes "0,5" for 0.5 and "2x" for 2*x; the hint shows what he typed.
    const std::string a = forme_lineaire(tape);
    if (std::string refus = refus_argument(ligne->attendu, a); !refus.empty()) {
        message = std::move(refus);
        return;
    }
    const std::string s = courante();
    if (!ligne->calcul_argument) {
        ecrit_autrement(s, a, tape);
        return;
    }
    const Issue issue = ligne->calcul_argument(EnonceLu(s), a, options_calcul());
    if (issue)
        enregistrer_etape(issue->texte, indication(*ligne, tape, *issue), true);
    else if (ligne->refus_en_etape)
        enregistrer_etape(s, issue.refus(), true);
    else if (!issue.refus().empty())
        message = issue.refus();
}

void Travail::ecrit_autrement(const std::string &s, const std::string &a, const std::string &tape)
{
    const int comparaison = compare_ecritures(s, a);
    if (comparaison == EQUIVALENTES) {
        enregistrer_etape(a, indication(ligne_action(ActionPanneau::ecrire_autrement), tape, Transformation{}), true);
        return;
    }
    // The refusal names the rule the rewriting broke, when one explains it.
    const auto d = nomme_erreur(s, a, Tache::aucune);
    if (comparaison == EQUIVALENCE_NON_DEMONTREE && !d)
        message = "Cette écriture n'est pas acceptée : on ne peut pas vérifier qu'elle est équivalente.";
    else
        enregistrer_etape(s, d ? "Ecriture non équivalente. " + d->explication : "Ecriture non équivalente.", true);
}

// ---------------------------------------------------------------- solving

void Travail::resout_etape(const std::optional<Resultat> &calcule)
{
    // What the menus found, unless the work moved to another statement since.
    const std::string &s = courante();
    const Issue etape =
        calcule && vaut_pour(*calcule, s) ? calcule->issue : resolution(EnonceLu(s), contexte_resolution()).etape;
    if (etape)
        enregistrer_etape(etape->texte, etape->complement, true, GenreEtape::solution);
    else if (!etape.refus().empty())
        message = etape.refus();
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
    if (k == -1 && EnonceLu(etapes[1]).nature == SYSTEME && p.nature_expression > 0) {
        p.etape = 2;
        k = std::max(partie_source[2], 0);
        systeme = true;
    }
    const EnonceLu parent(etapes[p.etape - 1]);
    std::string r = t;
    if (const std::optional<Substitution> s = substitue(EnonceLu(t), p.etape, 1, EnonceLu(etapes[1]))) {
        retient_substitution(*s);
        r = s->systeme;
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

std::string Travail::recompose(const EnonceLu &parent, int k, const std::string &t)
{
    if (parent.nature == EXPRESSION) {
        const Membre &m = parent.membres.front();
        std::vector<std::string> morceaux = pieces_affichees(parent, m);
        // The part comes back as the parts list shows it, after a blank.
        const std::string partie = sans_blancs(t);
        if (k >= 0 && static_cast<std::size_t>(k) < morceaux.size())
            morceaux[static_cast<std::size_t>(k)] = partie;
        // A piece under a power or a function was shown by what stands under it.
        if (const std::optional<PieceSeule> seule = piece_seule(parent, m)) {
            if (seule->fonction)
                morceaux[0] = std::string(nom_de(*seule->fonction)) + "(" + partie + ")";
            else if (seule->exposant < 1000)
                morceaux[0] = (base_entiere(partie) ? partie : "(" + partie + ")") + "^" +
                              std::to_string(seule->exposant);
        }
        // A piece alone needs no brackets.
        if (morceaux.size() == 1)
            return morceaux[0];
        std::string r, avant;
        for (std::size_t i = 0; i < morceaux.size(); ++i) {
            const std::string apres = operateur_apres(m, i);
            r += piece_ecrite(morceaux[i], avant, m.termes) + apres;
            avant = apres;
        }
        return r;
    }
    static constexpr const char *relations[] = {"", "=", "<", ">", "<=", ">=", "\r\n"};
    const std::string rel = relations[std::clamp(static_cast<int>(parent.nature), 0, 6)];
    std::string r = k == 0 ? t + rel + parent.membre(1) : parent.membre(0) + rel + t;
    if (parent.nature == SYSTEME)
        r = "{" + r + "}";
    return r;
}

void Travail::substitue_systeme(int equation, const std::string &indication)
{
    Partage &p = partage;
    const std::string t = courante();
    p.etape = 2;
    const EnonceLu systeme(etapes[1]);
    const std::string r = equation == 1 ? "{" + t + "\r\n" + systeme.membre(1) + "}"
                                        : "{" + systeme.membre(0) + "\r\n" + t + "}";
    etapes[1] = r;
    enregistrer_etape(r, indication, false);
}

void Travail::remplace_variable(int cible, const std::string &indication)
{
    Partage &p = partage;
    const std::optional<Substitution> s = substitue(EnonceLu(courante()), p.etape, cible, EnonceLu(etapes[1]));
    if (!s)
        return;
    retient_substitution(*s);
    p.etape = 2;
    etapes[1] = s->systeme;
    enregistrer_etape(s->systeme, indication, false);
}

void Travail::autre_expression(const std::string &indication)
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
    if (p.autre_rang > 0) {
        AutreForme forme = regroupe(EnonceLu(t), p.autre_rang, p.autre_tour);
        t = std::move(forme.texte);
        p.nb_formes = forme.nb_formes;
    }
    enregistrer_etape(t, indication, true, GenreEtape::autre_forme);

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
