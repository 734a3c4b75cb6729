#include "app/travail/reponse.h"

#include <algorithm>
#include <cmath>

#include "algebra/factorisation.h"
#include "algebra/fractions.h"
#include "algebra/solutions.h"
#include "algebra/systeme_lineaire.h"
#include "app/travail/regles_nommees.h"
#include "algebra/algebre.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "formula/reponse.h"
#include "formula/sens.h"
#include "formula/valeur.h"

namespace {

constexpr std::size_t SOLUTIONS_NORMALISEES_MAX = 15;
constexpr int AIDES_MAX = 30;

// A file may give any number: the mark never goes up and stays in 0..20.
void retire_points(int points)
{
    partage.note = std::clamp(partage.note - std::max(points, 0), 0, 20);
}

// The kind of statement an answer belongs to: a system's pair even when its
// lines were worked one at a time.
NatureEnonce nature_du_travail(const EnonceLu &enonce)
{
    if (partage.base_systeme)
        return NatureEnonce::systeme;
    return nature_enonce(enonce);
}

// The engine's own solution of a statement, as an answer: the roots of an
// equation, the solution set of an inequation, no solution or every real.
// Nothing when the engine does not find it.
std::optional<std::string> solution_du_moteur(const std::string &texte, NatureEnonce nature)
{
    const EnonceLu enonce(texte);
    if (const std::optional<Conclusion> c = conclusion_sans_racine(enonce))
        return c->texte;
    // The relation solved as "left - right" against 0, written as the
    // engine writes it ('2x+3<5x-1' as '-3*x+4<0').
    static constexpr const char *signes[] = {"", "=", "<", ">", "<=", ">="};
    const std::string ecart = normalise("(" + enonce.membre(0) + ")-(" + enonce.membre(1) + ")");
    const std::string contre_zero = std::string(signes[std::clamp<int>(enonce.nature, 0, 5)]) + "0";
    if (nature == NatureEnonce::inequation) {
        if (std::optional<std::string> ensemble = intervalle_solutions(enonce))
            return ensemble;
        if (std::optional<std::string> ensemble = intervalle_solutions(EnonceLu(ecart + contre_zero)))
            return ensemble;
        // Else the difference as one factored or one quotient, as a pupil would bring it.
        const Issue facteurs = factorise(EnonceLu(ecart), OptionsCalcul{});
        if (facteurs)
            return intervalle_solutions(EnonceLu(facteurs->texte + contre_zero));
        const Issue memes = reduit_au_denominateur(EnonceLu(ecart));
        const Issue quotient = memes ? additionne_numerateurs(EnonceLu(memes->texte)) : memes;
        return quotient ? intervalle_solutions(EnonceLu(quotient->texte + contre_zero)) : std::nullopt;
    }
    const std::optional<Racines> racines = resout(EnonceLu(ecart + contre_zero), {});
    if (!racines)
        return std::nullopt;
    std::string liste;
    for (const std::string &r : *racines)
        liste += (liste.empty() ? "" : "*et*") + r;
    return liste;
}

// The member's value at x (y given as a text), NaN where it has none.
double valeur_membre(const std::string &membre, double x, const std::string &y)
{
    std::string texte;
    for (char c : membre)
        texte += c == 'y' ? "(" + y + ")" : std::string(1, c);
    const Valeur v = valeur_ordinaire(texte, x);
    return v.lecture == Definition::definie ? v.nombre : NAN;
}

// A pair that satisfies every line of the system.
bool couple_solution(const std::string &systeme, const Sens &couple)
{
    const double x = position_reelle(couple.valeurs[0]);
    bool vue = false;
    std::string lignes;
    for (char c : systeme)
        if (c != '{' && c != '}' && c != '\r')
            lignes += c == '@' ? '\n' : c;
    std::size_t debut = 0;
    for (std::size_t fin = 0; fin != std::string::npos; debut = fin + 1) {
        fin = lignes.find('\n', debut);
        const EnonceLu l(lignes.substr(debut, fin == std::string::npos ? fin : fin - debut));
        const double g = valeur_membre(l.membre(0), x, couple.valeurs[1]);
        const double d = valeur_membre(l.membre(1), x, couple.valeurs[1]);
        if (!(std::fabs(g - d) <= 1e-9 * std::max({1.0, std::fabs(g), std::fabs(d)})))
            return false;
        vue = true;
    }
    return vue && !std::isnan(x);
}

// The answer to a statement the pupil typed himself, judged against the
// engine's own solution; an expression must keep the statement's value.
// Nothing is said when the engine does not solve the statement.
void juge_sans_exercice(const std::string &enonce, NatureEnonce nature, const Sens &reponse)
{
    Partage &p = partage;
    std::optional<bool> juste;
    if (nature == NatureEnonce::expression) {
        const Comparaison c = compare_expression_attendue(enonce, reponse.expression);
        juste = c.verdict != Verdict::fausse || c.raison == RAISON_FACTORISEE;
    } else if (nature == NatureEnonce::systeme) {
        if (reponse.genre == Sens::Genre::couple && reponse.valeurs.size() == 2)
            juste = couple_solution(enonce, reponse);
        else if (reponse.genre == Sens::Genre::couple && reponse.valeurs.empty())
            juste = solutions_du_systeme(enonce) ==
                    (reponse.tous_les_reels ? SolutionsSysteme::une_infinite : SolutionsSysteme::aucune);
        else
            juste = false;
    } else if (const auto solution = solution_du_moteur(enonce, nature)) {
        const LectureReponse attendue = lis_reponse(*solution, nature);
        if (attendue.sens)
            juste = compare_sens(*attendue.sens, reponse).verdict != Verdict::fausse;
    }
    // Without an exercise there is no mark to show: the verdict is the comment.
    if (juste)
        p.commentaire_final = *juste ? REPONSE_JUSTE : REPONSE_FAUSSE;
}

// Characters of a UTF-8 text.
std::size_t nombre_caracteres(const std::string &texte)
{
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

bool verifie_reponse(const std::string &reponse, const std::string &enonce, bool noter)
{
    Partage &p = partage;
    if (reponse.empty())
        return false;
    p.commentaire_final = SANS_COMMENTAIRES;
    p.reponse_juste = false;
    // One reading of the statement serves its kind and the naming of a wrong rule.
    const EnonceLu lu(enonce);
    const NatureEnonce nature = nature_du_travail(lu);
    const LectureReponse lue = lis_reponse(reponse, nature);
    if (!lue.sens) {
        // A slip of the keyboard costs nothing: the pupil reads why and answers again.
        p.commentaire_final = lue.message;
        return true;
    }
    if (p.liste_solutions.empty() || !noter) {
        juge_sans_exercice(enonce, nature, *lue.sens);
        return true;
    }
    // The first entry that means the same wins. A right answer in a shape
    // that can still be finished, or given as an approximation, costs one
    // point, unless an entry further on (an anticipated answer) means it as written.
    std::optional<std::string> presque;
    const TDsolu *retenue = nullptr;
    std::size_t i = 1;
    for (const TDsolu &solution : p.liste_solutions) {
        if (i > SOLUTIONS_NORMALISEES_MAX)
            break;
        const std::string &attendue = p.solutions_normalisees[i++];
        if (attendue.empty()) {
            if (!presque)
                retenue = &solution;
            break;
        }
        const LectureReponse a = lis_reponse(attendue, nature);
        const Comparaison c = a.sens ? compare_sens(*a.sens, *lue.sens)
                                     : Comparaison{attendue == reponse ? Verdict::juste : Verdict::fausse, {}};
        const bool juste = solution.penalite == 0;
        if (c.verdict == Verdict::juste || (c.verdict == Verdict::simplifiable && !juste && !presque)) {
            retenue = &solution;
            break;
        }
        if (juste && !presque && (c.verdict == Verdict::simplifiable || c.raison == VALEUR_APPROCHEE))
            presque = c.verdict == Verdict::simplifiable ? std::string(PEUT_ETRE_SIMPLIFIEE) : c.raison;
    }
    if (retenue) {
        p.commentaire_final = retenue->commentaire;
        retire_points(retenue->penalite);
        p.reponse_juste = retenue->penalite == 0;
    } else if (presque) {
        p.commentaire_final = *presque;
        retire_points(1);
    }
    // A wrong answer the teacher did not foresee: the rule it broke, when one explains it.
    if (!p.reponse_juste && !presque && (!retenue || retenue->solution.empty()))
        if (const auto d = nomme_erreur(lu, reponse, tache_de_consigne(p.consigne)))
            p.commentaire_final = d->explication;
    return true;
}

FenetreResultat resultat()
{
    const Partage &p = partage;
    FenetreResultat f;
    f.commentaire = p.commentaire_final;
    f.gauche = p.dx_fenetre + 180;
    f.haut = p.dy_fenetre + 140;
    f.retenues = p.points_retires;
    if (!p.reponse_juste) {
        f.note_provisoire = "Note jusqu'ici : " + std::to_string(p.note) + "/20";
        return f;
    }
    f.note = std::to_string(p.note) + "/20";
    f.note_visible = true;
    if (p.note >= 18)
        f.felicitations = p.nombre_historique != 0
                              ? "REUSSI EN " + std::to_string(p.nombre_historique) + " ETAPES"
                              : "REUSSI DIRECTEMENT,\n\r TRES BIEN !";
    return f;
}

std::string felicitations() { return resultat().felicitations; }

bool bouton_fermer_eclaire(int x, int y) { return x >= 38 && x <= 106 && y >= 128 && y <= 148; }

std::optional<AideOuverte> ouvre_aide(int numero)
{
    Partage &p = partage;
    if (numero < 1 || numero > AIDES_MAX)
        return std::nullopt;
    const auto i = static_cast<std::size_t>(numero);
    AideOuverte aide;
    aide.texte = p.mode_eleve ? p.aides_affichees[i] : p.aides[i];
    retire_points(p.penalites_aides[i]);
    p.penalites_aides[i] = 0;
    const std::size_t longueur = nombre_caracteres(aide.texte);
    aide.taille_police = longueur >= 101 ? 9 : longueur < 86 ? 11 : 10;
    return aide;
}

Confirmation demander_confirmation(const std::string &question, int action, bool sortie)
{
    return {question, action, sortie};
}

Suite oui(const Confirmation &c) { return c.sortie ? Suite::sauver_puis_fermer : Suite::sauver; }

Suite non(const Confirmation &) { return Suite::fermer; }
