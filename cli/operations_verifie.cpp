// "verifie_exercice": plays exercise files as a pupil meets them, for several
// draws of their values, and prints one French line per problem found.
// For each draw: the file loads and its values are drawn; every right answer
// (note 0) is accepted with 20/20 by the answer check and is right for the
// drawn statement. With --routes, the teacher's road NAME.route of that
// folder, played on the draw of seed 1, must end on a step that the answer
// check accepts with 20/20. The file must also come back byte for byte when
// read and written again.

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
bool accepte_a_20(const std::string &texte)
{
    partage.note = 20;
    return verifie_reponse(texte) && partage.reponse_juste && partage.note == 20;
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

// The fraction a pupil writes for a decimal value ("-1.5" gives "-3/2");
// empty for a text that is no decimal number or no fraction of a small denominator.
std::string fraction_de(const std::string &valeur)
{
    char *fin = nullptr;
    const double v = std::strtod(valeur.c_str(), &fin);
    if (valeur.find('.') == std::string::npos || *fin != '\0')
        return {};
    for (long denominateur = 2; denominateur <= 1000; ++denominateur) {
        const double numerateur = v * static_cast<double>(denominateur);
        if (std::abs(numerateur - std::round(numerateur)) < 1e-9)
            return std::to_string(std::lround(numerateur)) + "/" + std::to_string(denominateur);
    }
    return {};
}

// The values of a list answer with every decimal written as the pupil's fraction;
// empty when none is decimal.
std::string en_fractions(const std::string &reponse)
{
    std::string r;
    bool changee = false;
    std::size_t debut = 0;
    for (;;) {
        const std::size_t et = reponse.find("*et*", debut);
        const std::string valeur = reponse.substr(debut, et == std::string::npos ? et : et - debut);
        const std::string fraction = fraction_de(valeur);
        changee = changee || !fraction.empty();
        r += fraction.empty() ? valeur : fraction;
        if (et == std::string::npos)
            return changee ? r : std::string();
        r += "*et*";
        debut = et + 4;
    }
}

// One draw: the exercise loaded, its values drawn as the switch to pupil mode does.
void verifie_tirage(const fs::path &chemin, int tirage, Rapport &rapport)
{
    remet_a_zero_complet();
    Travail travail;
    travail.FormActivate("");
    if (!travail.charge_exercice(texte_de(chemin))) {
        rapport.signale(tirage, "le fichier ne se charge pas.");
        return;
    }
    seme_hasard(static_cast<unsigned>(tirage));
    travail.SpeedButton9Click();
    const std::string enonce = travail.etapes[1];
    if (const char lettre = lettre_restante(enonce))
        rapport.signale(tirage, std::string("la lettre « ") + lettre + " » reste dans l'énoncé tiré « " + enonce + " ».");
    if (const std::string d = defaut_enonce(enonce); !d.empty())
        rapport.signale(tirage, d);

    // The answers are copied first: the answer check changes the mark.
    const std::vector<TDsolu> solutions(partage.liste_solutions.begin(), partage.liste_solutions.end());
    const auto normalisees = partage.solutions_normalisees;
    bool une_juste = false;
    for (std::size_t i = 1; i <= solutions.size() && i < normalisees.size(); ++i) {
        if (solutions[i - 1].penalite != 0)
            continue;
        une_juste = true;
        const std::string &reponse = normalisees[i];
        const std::string numero = "la réponse juste n°" + std::to_string(i);
        if (reponse.empty()) {
            rapport.signale(tirage, numero + " est vide : elle accepte n'importe quoi.");
            continue;
        }
        if (!accepte_a_20(reponse))
            rapport.signale(tirage, numero + " « " + reponse + " » n'est pas acceptée à 20/20 : " +
                                        resultat_du_controle() + ".");
        if (const std::string f = en_fractions(reponse); !f.empty() && !accepte_a_20(f))
            rapport.signale(tirage, numero + " est écrite en décimal, « " + reponse + " » : l'élève qui écrit « " +
                                        f + " » n'est pas reconnu (" + resultat_du_controle() + ").");
        if (const std::string d = defaut_mathematique(enonce, reponse); !d.empty())
            rapport.signale(tirage, numero + " est fausse pour « " + enonce + " » : " + d);
    }
    if (!une_juste)
        rapport.signale(tirage, "aucune réponse n'a la note 0.");
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
    script << "charge " << texte_de(fs::absolute(chemin)) << "\ngraine 1\neleve\n"
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
    int problemes = 0;
    for (const fs::path &chemin : demande->fichiers) {
        Rapport rapport(texte_de(chemin.filename()));
        if (!verifie_relecture(chemin, rapport)) {
            problemes += rapport.nombre();
            continue;
        }
        for (int tirage = 1; tirage <= demande->tirages; ++tirage)
            verifie_tirage(chemin, tirage, rapport);
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
