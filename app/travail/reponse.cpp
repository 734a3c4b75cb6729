#include "app/travail/reponse.h"

#include <algorithm>
#include <string_view>
#include <vector>

#include "algebra/solutions.h"
#include "app/travail/regles_nommees.h"
#include "core/algebre.h"
#include "core/decoupe.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace {

constexpr std::size_t SOLUTIONS_NORMALISEES_MAX = 15;
constexpr int AIDES_MAX = 30;

// A file may give any number: the mark never goes up and stays in 0..20.
void retire_points(int points)
{
    partage.note = std::clamp(partage.note - std::max(points, 0), 0, 20);
}

// The members and values of an answer as typed: the pieces between the
// separators "*et*" and between the relation signs.
std::vector<std::string> membres(const std::string &reponse)
{
    std::vector<std::string> pieces;
    std::string piece;
    for (std::size_t i = 0; i < reponse.size();) {
        const bool et = reponse.compare(i, 4, "*et*") == 0;
        if (et || std::string_view("<=>").find(reponse[i]) != std::string_view::npos) {
            pieces.push_back(piece);
            piece.clear();
            i += et ? 4 : 1;
        } else {
            piece += reponse[i++];
        }
    }
    pieces.push_back(piece);
    return pieces;
}

// Some member or value of the answer is not in its simplest form.
bool simplifiable(const std::string &reponse)
{
    const std::vector<std::string> pieces = membres(reponse);
    return std::any_of(pieces.begin(), pieces.end(),
                       [](const std::string &p) { return !p.empty() && normalise(p) != p; });
}

// The word "et" between two values, typed with blanks or without the
// template's stars ("-1 et -2", "-1et-2"), written "*et*".
std::string separateurs_ecrits(const std::string &reponse)
{
    std::string r;
    for (std::size_t i = 0; i < reponse.size();) {
        std::size_t fin = i;
        while (fin < reponse.size() && (reponse[fin] == ' ' || reponse[fin] == '*'))
            ++fin;
        if (reponse.compare(fin, 2, "et") != 0) {
            r += reponse[i++];
            continue;
        }
        for (fin += 2; fin < reponse.size() && (reponse[fin] == ' ' || reponse[fin] == '*');)
            ++fin;
        r += "*et*";
        i = fin;
    }
    return r;
}

// The values of a list in one order, so that a list of solutions matches
// whatever order the pupil gives them in.
std::string en_ordre(const std::string &liste)
{
    std::vector<std::string> valeurs = membres(liste);
    std::sort(valeurs.begin(), valeurs.end());
    std::string r;
    for (const std::string &v : valeurs)
        r += (r.empty() ? "" : "*et*") + v;
    return r;
}

// Characters of a UTF-8 text.
std::size_t nombre_caracteres(const std::string &texte)
{
    return static_cast<std::size_t>(
        std::count_if(texte.begin(), texte.end(), [](char c) { return (static_cast<unsigned char>(c) & 0xC0) != 0x80; }));
}

} // namespace

bool verifie_reponse(const std::string &reponse)
{
    Partage &p = partage;
    if (reponse.empty())
        return false;
    std::string y = reponse;
    bool a_simplifier = false;
    // The values of an equation's solutions come in any order; those of a
    // system are x then y.
    bool liste_sans_ordre = false;
    if (!contient(reponse, "..arrow")) {
        // A list of values, or an equation, is compared piece by piece as the
        // expected answers were prepared; each piece must be in its simplest form.
        if (contient(reponse, "et")) {
            y = separateurs_ecrits(y);
            sans_parentheses(y);
            a_simplifier = simplifiable(y);
            formate_solutions(y, 1);
            liste_sans_ordre = !p.base_systeme;
        } else {
            a_simplifier = simplifiable(y);
            if (contient(y, "="))
                formate_solutions(y, 0);
            else
                y = normalise(y);
        }
    }

    p.commentaire_final = SANS_COMMENTAIRES;
    p.reponse_juste = false;
    bool prevue = false;   // an anticipated answer, not the catch-all, matched
    std::size_t i = 1;
    for (const TDsolu &solution : p.liste_solutions) {
        if (i > SOLUTIONS_NORMALISEES_MAX)
            break;
        const std::string &attendue = p.solutions_normalisees[i++];
        if (y == attendue || attendue.empty() || (liste_sans_ordre && en_ordre(y) == en_ordre(attendue))) {
            // The right answer not in its simplest form costs one point; an
            // unsimplified wrong answer is marked as the wrong answer it is.
            if (a_simplifier && solution.penalite == 0 && !attendue.empty()) {
                p.commentaire_final = PEUT_ETRE_SIMPLIFIEE;
                retire_points(1);
                return true;
            }
            p.commentaire_final = solution.commentaire;
            retire_points(solution.penalite);
            p.reponse_juste = solution.penalite == 0;
            prevue = !attendue.empty();
            break;
        }
    }
    // A wrong answer the teacher did not foresee: the rule it broke, when one explains it.
    if (!prevue && !p.reponse_juste)
        if (const auto d = nomme_erreur(p.expression_base, reponse, tache_de_consigne(p.consigne)))
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
    if (!p.reponse_juste)
        return f;
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
