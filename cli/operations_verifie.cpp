// "verifie_exercice": plays exercise files as a pupil meets them, for several
// draws of their values, and prints one French line per problem found.
// For each draw: the file loads and its values are drawn; every right answer
// (note 0) is accepted with 20/20 by the answer check in each writing a pupil
// may give of it, but not rounded, and is right for the drawn statement; an
// anticipated answer, given as written, meets its own entry and not an earlier
// one; no letter drawn 0 multiplies and no two letters drawn equal have their
// difference taken in the statement; an instruction is given; no panel the pupil may
// use gives a 20/20 answer in one click, and the statement itself is none. With --routes, the teacher's road
// NAME.route of that folder, played on the draw of seed 1, must end on a step
// that the answer check accepts with 20/20. The file must also come back byte for byte when
// read and written again. An anticipated wrong answer whose comment says less
// than the wrong rule the program would name gets a hint, not a problem.

#include <cctype>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <optional>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "algebra/solutions.h"
#include "app/travail/contexte.h"
#include "app/travail/menus.h"
#include "app/travail/regles_nommees.h"
#include "app/travail/reponse.h"
#include "app/travail/travail.h"
#include "cli/operations_verifie.h"
#include "cli/registre.h"
#include "core/configuration.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "exercise/fichier_exercice.h"
#include "exercise/preparation.h"

namespace fs = std::filesystem;

namespace cli {

namespace {

constexpr int TIRAGES_DEFAUT = 5;

std::string contenu(const fs::path &chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(f), std::istreambuf_iterator<char>()};
}

// The problems of one file, each said once however many draws meet it.
class Rapport {
public:
    explicit Rapport(std::string fichier) : fichier_(std::move(fichier)) {}
    void signale(int tirage, const std::string &probleme)
    {
        if (!deja_vus_.insert(probleme).second)
            return;
        std::cout << fichier_;
        if (tirage > 0)
            std::cout << " (tirage " << tirage << ")";
        std::cout << " : " << probleme << '\n';
        ++nombre_;
    }
    // A hint to the teacher, said once, that is no problem.
    void conseille(const std::string &cle, const std::string &conseil)
    {
        if (deja_vus_.insert(cle).second)
            std::cout << fichier_ << " : conseil : " << conseil << '\n';
    }
    int nombre() const { return nombre_; }

private:
    std::string fichier_;
    std::set<std::string> deja_vus_;
    int nombre_ = 0;
};

// The line where two file contents first differ (from 1).
int premiere_ligne_differente(const std::string &a, const std::string &b)
{
    int ligne = 1;
    for (std::size_t i = 0; i < a.size() && i < b.size() && a[i] == b[i]; ++i)
        ligne += a[i] == '\n';
    return ligne;
}

// False when the file cannot be read at all.
bool verifie_relecture(const fs::path &chemin, Rapport &rapport)
{
    remet_a_zero_complet();
    Exercice e = exercice_en_cours({}, Exercice{}.tailles);
    const LectureExercice lecture = lire_exercice(chemin, e);
    if (lecture != LectureExercice::reussie) {
        rapport.signale(0, lecture.message);
        return false;
    }
    if (lecture.en_utf8)
        rapport.signale(0, "le fichier est écrit en UTF-8 : le programme le lit, mais l'enregistre en "
                           "Windows-1252, le codage des exercices.");
    std::random_device hasard;
    const fs::path copie = fs::temp_directory_path() / ("vivezezi-verifie-" + std::to_string(hasard()) + ".alg");
    const Enregistrement ecrit = sauver_exercice(copie, e);
    const std::string avant = contenu(chemin), apres = ecrit ? contenu(copie) : std::string();
    std::error_code erreur;
    fs::remove(copie, erreur);
    if (!ecrit)
        rapport.signale(0, "le fichier relu ne se réécrit pas : " + ecrit.message);
    else if (avant != apres && !lecture.en_utf8)
        rapport.signale(0, "relu puis réécrit par le programme, le fichier change à la ligne " +
                               std::to_string(premiere_ligne_differente(avant, apres)) +
                               " (codage Windows-1252, fins de ligne CR LF, ordre des blocs).");
    return true;
}

// The answer check on a text as the pupil gives it, from a mark of 20.
bool accepte_a_20(const std::string &texte, const std::string &enonce)
{
    partage.note = 20;
    return verifie_reponse(texte, enonce) && partage.reponse_juste && partage.note == 20;
}

std::string resultat_du_controle()
{
    return "« " + partage.commentaire_final + " », note " + std::to_string(partage.note) + "/20";
}

// A teacher's letter (a to q) standing alone in a drawn statement, 0 for none:
// letters that belong to a word ("sqrt", "domain") or name the zero vector do not count.
char lettre_restante(const std::string &enonce)
{
    for (std::size_t i = 0; i < enonce.size(); ++i) {
        const auto lettre = [&](std::size_t j) { return j < enonce.size() && std::islower(static_cast<unsigned char>(enonce[j])); };
        if (!lettre(i) || (i > 0 && lettre(i - 1)) || lettre(i + 1))
            continue;
        const bool vecteur_nul = enonce.compare(i, 8, "o..arrow") == 0;
        if (enonce[i] <= 'q' && !vecteur_nul)
            return enonce[i];
    }
    return 0;
}

// The exercise loaded in a work made on a clean state, its values drawn as
// the switch to pupil mode does. False when the file does not load.
bool tire(const fs::path &chemin, int tirage, Travail &travail, std::string *modele = nullptr)
{
    travail.FormActivate("");
    if (!travail.charge_exercice(texte_de(chemin)))
        return false;
    if (modele)
        *modele = partage.expression_base;
    travail.seme(static_cast<unsigned>(tirage));
    travail.SpeedButton9Click();
    return true;
}

// The values the switch to pupil mode drew, drawn again from its seed.
Valeurs valeurs_tirees(const Travail &travail)
{
    seme_hasard(travail.graine_eleve());
    return tire_valeurs();
}

// Each anticipated answer, given as written, must meet its own entry: one
// that an earlier entry takes first never shows its comment nor its mark.
void verifie_atteinte(const std::vector<TDsolu> &solutions, const decltype(Partage::solutions_normalisees) &normalisees,
                      const std::string &enonce, int tirage, Rapport &rapport)
{
    for (std::size_t i = 1; i <= solutions.size() && i < normalisees.size(); ++i) {
        const TDsolu &prevue = solutions[i - 1];
        if (normalisees[i].empty())
            continue;
        partage.note = 20;
        verifie_reponse(normalisees[i], enonce);
        if (partage.commentaire_final == prevue.commentaire && partage.note == 20 - prevue.penalite)
            continue;
        std::string par = "le contrôle dit " + resultat_du_controle();
        for (std::size_t j = 1; j < i; ++j)
            if (solutions[j - 1].commentaire == partage.commentaire_final)
                par = "la réponse n°" + std::to_string(j) + " « " + normalisees[j] + " » (note " +
                      std::to_string(solutions[j - 1].penalite) + ") la prend avant : placez-la plus haut";
        rapport.signale(tirage, "la réponse prévue n°" + std::to_string(i) + " « " + normalisees[i] + " » (note " +
                                    std::to_string(prevue.penalite) + ") n'est jamais atteinte : " + par + ".");
    }
}

// Each panel the pupil may use on the statement, clicked once: the step it
// makes must not be an answer the check takes at 20/20, or the mark measures
// nothing. Panels that ask for an argument need the pupil's own thinking.
void verifie_un_clic(const fs::path &chemin, int tirage, Rapport &rapport)
{
    for (int k = 0; k < NB_PANNEAUX; ++k) {
        remet_a_zero_complet();
        Travail travail;
        if (!tire(chemin, tirage, travail))
            return;
        const EtatPanneau panneau = travail.menus[static_cast<Panneau>(k)];
        if (!panneau.actif)
            continue;
        // "Tableau de signes" writes no step: its table marks the solution
        // set, which the pupil only has to copy.
        const bool tableau = k == PANEL6 && panneau.libelle == "Tableau de signes";
        if (!tableau) {
            travail.clic_panneau(nom_panneau(static_cast<Panneau>(k)));
            if (travail.demande_argument || partage.etape < 2)
                continue;
        }
        const std::string pas = tableau ? intervalle_solutions(EnonceLu(travail.etapes[1])).value_or("")
                                        : partage.derniere_expression;
        if (pas.empty())
            continue;
        if (accepte_a_20(pas, travail.etapes[1]))
            rapport.signale(tirage, "le panneau « " + panneau.libelle + " » (" + nom_panneau(static_cast<Panneau>(k)) +
                                        ") donne en un clic « " + pas +
                                        " », accepté à 20/20 : retenez-le dans les paramètres.");
    }
}

// The stems (first five letters, lower case) of the words of five letters or
// more of a text: "changer" and "change" meet on "chang".
std::vector<std::string> mots_de(const std::string &nom)
{
    std::vector<std::string> mots;
    std::string mot;
    for (char c : nom + " ") {
        if (std::isalpha(static_cast<unsigned char>(c)) || (static_cast<unsigned char>(c) & 0x80))
            mot += static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
        else if (!mot.empty()) {
            if (mot.size() >= 5)
                mots.push_back(mot.substr(0, 5));
            mot.clear();
        }
    }
    return mots;
}

// An anticipated wrong answer whose comment uses none of the words of the
// name and explanation of the rule the program would name for it: the
// teacher may say more.
void conseille_commentaire(const std::string &enonce, const TDsolu &solution, const std::string &reponse,
                           const BibliothequeRegles &bibliotheque, Rapport &rapport)
{
    const std::optional<Diagnostic> d =
        diagnostique(enonce, reponse, tache_de_consigne(partage.consigne), bibliotheque);
    const TexteRegle *regle = d ? bibliotheque.trouve(d->identifiant) : nullptr;
    if (!regle)
        return;
    std::string commentaire = solution.commentaire;
    for (char &c : commentaire)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    for (const std::string &mot : mots_de(regle->nom + " " + regle->explication))
        if (commentaire.find(mot) != std::string::npos)
            return;
    rapport.conseille(solution.solution, "la réponse prévue « " + solution.solution + " » a pour commentaire « " +
                                             solution.commentaire + " » ; le programme y reconnaît l'erreur « " +
                                             regle->nom + " » et dirait : « " + d->explication + " »");
}

// One draw: the exercise loaded, its values drawn as the switch to pupil mode does.
void verifie_tirage(const fs::path &chemin, int tirage, const BibliothequeRegles &bibliotheque, Rapport &rapport)
{
    remet_a_zero_complet();
    Travail travail;
    std::string modele;
    if (!tire(chemin, tirage, travail, &modele)) {
        rapport.signale(tirage, "le fichier ne se charge pas.");
        return;
    }
    const std::string enonce = travail.etapes[1];
    if (partage.consigne.empty() || partage.consigne == partage.consigne_initiale)
        rapport.signale(0, "l'exercice n'a pas de consigne : dites quoi faire et comment écrire la réponse.");
    if (const char lettre = lettre_restante(enonce))
        rapport.signale(tirage, std::string("la lettre « ") + lettre + " » reste dans l'énoncé tiré « " + enonce + " ».");
    if (const std::string d = defaut_enonce(enonce); !d.empty())
        rapport.signale(tirage, d);

    // The answers are copied first: the answer check changes the mark.
    const std::vector<TDsolu> solutions(partage.liste_solutions.begin(), partage.liste_solutions.end());
    const auto normalisees = partage.solutions_normalisees;
    const NatureEnonce nature = partage.base_systeme ? NatureEnonce::systeme : nature_enonce(enonce);
    bool une_juste = false;
    for (std::size_t i = 1; i <= solutions.size() && i < normalisees.size(); ++i) {
        const std::string &reponse = normalisees[i];
        if (solutions[i - 1].penalite != 0) {
            if (!reponse.empty())
                conseille_commentaire(enonce, solutions[i - 1], reponse, bibliotheque, rapport);
            continue;
        }
        une_juste = true;
        const std::string numero = "la réponse juste n°" + std::to_string(i);
        if (reponse.empty()) {
            rapport.signale(tirage, numero + " est vide : elle accepte n'importe quoi.");
            continue;
        }
        if (!accepte_a_20(reponse, enonce))
            rapport.signale(tirage, numero + " « " + reponse + " » n'est pas acceptée à 20/20 : " +
                                        resultat_du_controle() + ".");
        // Each writing a pupil may give of it, as the answer check meets it.
        for (const std::string &ecriture : ecritures(reponse, nature))
            if (!accepte_a_20(ecriture, enonce))
                rapport.signale(tirage, numero + " écrite « " + ecriture + " » n'est pas acceptée à 20/20 : " +
                                            resultat_du_controle() + ".");
        if (const auto a = approchee(reponse, nature); a && accepte_a_20(*a, enonce))
            rapport.signale(tirage, numero + " approchée « " + *a + " » est acceptée à 20/20.");
        if (const std::string d = defaut_mathematique(enonce, reponse); !d.empty())
            rapport.signale(tirage, numero + " est fausse pour « " + enonce + " » : " + d);
    }
    if (!une_juste)
        rapport.signale(tirage, "aucune réponse n'a la note 0.");
    // Options that transform the statement at load may leave the answer itself on the board.
    if (accepte_a_20(enonce, enonce))
        rapport.signale(tirage, "l'énoncé tel que l'élève le voit, « " + enonce +
                                    " », est déjà accepté à 20/20 : l'option FRACTIONS le transforme-t-elle au chargement ?");
    verifie_atteinte(solutions, normalisees, enonce, tirage, rapport);
    if (const std::string d = defaut_tirage(modele, valeurs_tirees(travail)); !d.empty())
        rapport.signale(tirage, d);
    verifie_un_clic(chemin, tirage, rapport);
}

// The road of the exercise, played after loading it, drawing with seed 1 and
// switching to pupil mode; its last step is given as the answer.
void verifie_route(const fs::path &chemin, const fs::path &route, Rapport &rapport)
{
    std::ifstream f(route, std::ios::binary);
    if (!f) {
        rapport.signale(0, "pas de route « " + texte_de(route) + " ».");
        return;
    }
    std::ostringstream script;
    // The teacher's road may take any panel.
    script << "charge " << texte_de(fs::absolute(chemin)) << "\npanneaux tous\ngraine 1\neleve\n"
           << f.rdbuf() << "\nreponse\nvalide\n";
    std::istringstream entree(script.str());
    remet_a_zero_complet();
    if (joue_session(entree, "") != 0) {
        rapport.signale(0, "la route s'arrête sur une commande refusée.");
        return;
    }
    if (!partage.reponse_juste || partage.note != 20)
        rapport.signale(0, "la route finit sur « " + partage.derniere_expression +
                               " », que le contrôle de la réponse ne prend pas à 20/20 : " +
                               resultat_du_controle() + ".");
}

struct Demande {
    std::vector<fs::path> fichiers;
    int tirages = TIRAGES_DEFAUT;
    std::optional<fs::path> routes;
};

std::optional<Demande> lit_demande(const Arguments &a)
{
    Demande d;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if ((a[i] == "--tirages" || a[i] == "--routes") && i + 1 >= a.size())
            return std::nullopt;
        if (a[i] == "--tirages") {
            d.tirages = entier(a[++i]);
            if (d.tirages < 1)
                return std::nullopt;
        } else if (a[i] == "--routes") {
            d.routes = chemin_de(a[++i]);
        } else {
            d.fichiers.push_back(chemin_de(a[i]));
        }
    }
    if (d.fichiers.empty())
        return std::nullopt;
    return d;
}

int verifie(const Arguments &a)
{
    const std::optional<Demande> demande = lit_demande(a);
    if (!demande) {
        std::cerr << "vivezezi-cli verifie_exercice : utilisation : verifie_exercice FICHIER... "
                     "[--tirages N] [--routes DOSSIER]\n";
        return 2;
    }
    fixe_dossier_programme(chemin_executable().parent_path());
    const BibliothequeRegles bibliotheque = bibliotheque_regles();
    int problemes = 0;
    for (const fs::path &chemin : demande->fichiers) {
        Rapport rapport(texte_de(chemin.filename()));
        if (!verifie_relecture(chemin, rapport)) {
            problemes += rapport.nombre();
            continue;
        }
        for (int tirage = 1; tirage <= demande->tirages; ++tirage)
            verifie_tirage(chemin, tirage, bibliotheque, rapport);
        if (demande->routes)
            verifie_route(chemin, *demande->routes / chemin.filename().replace_extension(".route"), rapport);
        problemes += rapport.nombre();
    }
    std::cout.flush();
    return problemes == 0 ? 0 : 1;
}

} // namespace

void enregistre_verifie(Registre &r)
{
    r.commande("verifie_exercice", {"FICHIER...", "--tirages?", "N?", "--routes?", "DOSSIER?"}, verifie);
}

} // namespace cli
