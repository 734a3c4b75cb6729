#include "exercise/fichier_exercice.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "core/algebre.h"
#include "core/configuration.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "formula/lineaire.h"
#include "formula/normalise.h"

namespace {

constexpr std::string_view MARQUE_VECTEUR = "..arrow";

constexpr std::size_t rang_option(std::string_view cle)
{
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        if (options_par_cle[i].cle == cle)
            return i;
    return options_par_cle.size();
}
constexpr std::size_t OPTION_FRACTIONS = rang_option("FRACTIONS");

// The line without its first n characters (a key such as "solution:").
std::string sans_debut(std::string ligne, std::size_t n)
{
    std::string debut = ligne;
    coupe_caracteres(debut, n);
    return ligne.substr(debut.size());
}

// A whole number, blanks around allowed; `defaut` when the text is not one.
int lit_entier(std::string_view texte, int defaut)
{
    const std::size_t premier = texte.find_first_not_of(' ');
    if (premier == std::string_view::npos)
        return defaut;
    texte = texte.substr(premier, texte.find_last_not_of(' ') + 1 - premier);
    if (texte.front() == '+')
        texte.remove_prefix(1);
    int valeur = 0;
    const auto [fin, erreur] = std::from_chars(texte.data(), texte.data() + texte.size(), valeur);
    return erreur == std::errc{} && fin == texte.data() + texte.size() ? valeur : defaut;
}

int lit_taille_fonte(const std::string &ligne)
{
    const int taille = lit_entier(sans_debut(ligne, 6), TAILLE_FONTE_DEFAUT);
    return taille >= 1 && taille <= 1000 ? taille : TAILLE_FONTE_DEFAUT;
}

// A text stored on one line: each line break becomes "@".
std::string sur_une_ligne(const std::string &texte)
{
    std::string r = texte;
    remplace_chaque(r, "\r\n", "@");
    for (char &c : r)
        if (c == '\r' || c == '\n')
            c = '@';
    return r;
}

const char *booleen(bool valeur) { return valeur ? "VRAI" : "FAUX"; }

bool est_mot_de_bloc(const std::string &ligne)
{
    return ligne == "options" || ligne == "aide" || ligne == "ens_def";
}

// Lines 1 to 6: statement, starting expression, four font heights.
void lit_en_tete(LecteurLignes &lecteur, Exercice &lu)
{
    lu.consigne = lecteur.lit();
    lu.expression_fichier = lecteur.lit();
    lu.expression_base = lu.expression_fichier;
    remplace_chaque(lu.expression_base, "@", "\r\n");
    lu.expression_base = forme_lineaire(lu.expression_base);
    for (std::size_t i = 1; i <= 4; ++i)
        lu.tailles[i] = lit_taille_fonte(lecteur.lit());
}

// The variable lines up to the first answer or block; gives the line that
// stopped them.
std::string lit_parametres(LecteurLignes &lecteur, Exercice &lu)
{
    std::size_t n = 0;
    std::string ligne = lecteur.lit();
    while (!contient(ligne, "olution") && !est_mot_de_bloc(ligne) && !lecteur.fin()) {
        if (n < LIGNES_PARAMETRES_MAX) {
            coupe_caracteres(ligne, LONGUEUR_LIGNE_PARAMETRE_MAX);
            lu.lignes_parametres[++n] = std::move(ligne);
        }
        ligne = lecteur.lit();
    }
    return ligne;
}

// Answer blocks of three lines from `ligne`; gives the line after them. A
// block cut short by the end of the file is not kept.
std::string lit_solutions(LecteurLignes &lecteur, std::string ligne, Exercice &lu)
{
    const bool vecteurs = contient(lu.expression_base, MARQUE_VECTEUR);
    while (contient(ligne, "olution") && !lecteur.fin()) {
        std::string solution = sans_debut(std::move(ligne), 9);
        if (!solution.empty() && solution.front() == '$')
            solution.erase(0, 1);
        solution = forme_lineaire(solution);
        if (!vecteurs)
            remplace_chaque(solution, "=", "*et*");
        std::string commentaire = sans_debut(lecteur.lit(), 8);
        if (lecteur.fin())
            return {};
        const std::string note = sans_debut(lecteur.lit(), 5);
        if (lu.solutions.size() < SOLUTIONS_MAX)
            lu.solutions.emplace_back(std::move(solution), note, std::move(commentaire));
        lu.aides_a_imprimer = true;
        ligne = lecteur.lit();
    }
    return ligne;
}

void lit_options(LecteurLignes &lecteur, Exercice &lu)
{
    while (!lecteur.fin()) {
        const std::string ligne = lecteur.lit();
        if (ligne == "finoptions")
            return;
        for (std::size_t i = 0; i < options_par_cle.size(); ++i) {
            const std::string_view cle = options_par_cle[i].cle;
            if (contient(ligne, cle)) {
                lu.options[i] = sans_debut(ligne, cle.size() + 1) == "VRAI";
                break;
            }
        }
    }
}

// Help blocks of two lines, "title:text" then "note:n", up to "finaide".
void lit_aides(LecteurLignes &lecteur, Exercice &lu)
{
    lu.liste_aides = true;
    std::string ligne = lecteur.lit();
    while (ligne != "finaide" && !lecteur.fin()) {
        const std::size_t deux_points = ligne.find(':');
        Aide aide;
        if (deux_points == std::string::npos) {
            aide.texte = std::move(ligne);
        } else {
            aide.titre = ligne.substr(0, deux_points);
            aide.texte = ligne.substr(deux_points + 1);
        }
        aide.penalite = lit_entier(sans_debut(lecteur.lit(), 5), 0);
        if (lu.aides.size() < AIDES_MAX)
            lu.aides.push_back(std::move(aide));
        ligne = lecteur.lit();
    }
}

// The eight domain lines; a domain cut short by the end of the file is not kept.
void lit_domaine(LecteurLignes &lecteur, Exercice &lu)
{
    std::array<std::string, 8> l;
    for (std::string &ligne : l) {
        if (lecteur.fin())
            return;
        ligne = lecteur.lit();
    }
    lu.domaine = {l[0], l[2], l[4], l[6], l[1] == "VRAI", l[3] == "VRAI", l[5] == "VRAI", l[7] == "VRAI"};
}

std::string ligne_suivante(LecteurLignes &lecteur) { return lecteur.fin() ? std::string() : lecteur.lit(); }

// The blocks after the domain: the panels the pupil may use, "Panel5:FAUX"
// withholding one. Blocks this reader does not know are passed over.
void lit_fin(LecteurLignes &lecteur, Exercice &lu)
{
    while (!lecteur.fin()) {
        if (lecteur.lit() != "panneaux")
            continue;
        for (std::string ligne = ligne_suivante(lecteur); ligne != "finpanneaux" && !ligne.empty();
             ligne = ligne_suivante(lecteur))
            for (std::size_t i = 0; i < NOMS_PANNEAUX.size(); ++i)
                if (ligne.starts_with(std::string(NOMS_PANNEAUX[i]) + ":"))
                    lu.panneaux[i] = sans_debut(ligne, std::string_view(NOMS_PANNEAUX[i]).size() + 1) != "FAUX";
    }
}

} // namespace

LectureExercice lire_exercice(const std::filesystem::path &chemin, Exercice &exercice)
{
    LecteurLignes lecteur(chemin);
    if (!lecteur.ouvert())
        return LectureExercice::fichier_illisible;
    Exercice lu;
    lu.options = exercice.options;
    lu.domaine = exercice.domaine;
    lit_en_tete(lecteur, lu);
    std::string ligne = lit_parametres(lecteur, lu);
    ligne = lit_solutions(lecteur, std::move(ligne), lu);
    if (ligne == "options") {
        lit_options(lecteur, lu);
        ligne = ligne_suivante(lecteur);
    }
    if (ligne == "aide") {
        lit_aides(lecteur, lu);
        ligne = ligne_suivante(lecteur);
    }
    if (ligne == "ens_def")
        lit_domaine(lecteur, lu);
    lit_fin(lecteur, lu);
    if (lu.options[OPTION_FRACTIONS])
        lu.expression_base = normalise(lu.expression_base);
    exercice = std::move(lu);
    return LectureExercice::reussie;
}

bool sauver_exercice(const std::filesystem::path &chemin, const Exercice &exercice)
{
    EcritureSure fichier(chemin);
    if (!fichier.ouverte())
        return false;
    fichier.ecrit_ligne(sur_une_ligne(exercice.consigne));
    std::string expression = exercice.expression_fichier;
    compacte_systeme(expression);
    fichier.ecrit_ligne(sur_une_ligne(expression));
    for (std::size_t i = 1; i <= 4; ++i)
        fichier.ecrit_ligne("fonte:" + std::to_string(exercice.tailles[i]));
    for (std::size_t i = 1; i <= LIGNES_PARAMETRES_MAX && !exercice.lignes_parametres[i].empty(); ++i)
        fichier.ecrit_ligne(sur_une_ligne(exercice.lignes_parametres[i]));
    for (const TDsolu &s : exercice.solutions) {
        std::string solution = s.solution;
        remplace_chaque(solution, "*et*", "=");
        fichier.ecrit_ligne("solution:" + sur_une_ligne(solution));
        fichier.ecrit_ligne("comment:" + sur_une_ligne(s.commentaire));
        fichier.ecrit_ligne("note:" + std::to_string(s.penalite));
    }
    fichier.ecrit_ligne("options");
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        fichier.ecrit_ligne(std::string(options_par_cle[i].cle) + ":" + booleen(exercice.options[i]));
    fichier.ecrit_ligne("finoptions");
    fichier.ecrit_ligne("aide");
    for (std::size_t i = 0; i < exercice.aides.size() && i < AIDES_MAX && !exercice.aides[i].texte.empty();
         ++i) {
        // The title ends at the first ":" of the line.
        std::string titre = sur_une_ligne(exercice.aides[i].titre);
        for (char &c : titre)
            if (c == ':')
                c = ' ';
        fichier.ecrit_ligne(titre + ":" + sur_une_ligne(exercice.aides[i].texte));
        fichier.ecrit_ligne("note:" + std::to_string(exercice.aides[i].penalite));
    }
    fichier.ecrit_ligne("finaide");
    const DomaineDefinition &d = exercice.domaine;
    fichier.ecrit_ligne("ens_def");
    for (const std::string &ligne :
         {sur_une_ligne(d.borne_inf_1), std::string(booleen(d.crochet_1a)), sur_une_ligne(d.borne_sup_1),
          std::string(booleen(d.crochet_1b)), sur_une_ligne(d.borne_inf_2), std::string(booleen(d.crochet_2a)),
          sur_une_ligne(d.borne_sup_2), std::string(booleen(d.crochet_2b))})
        fichier.ecrit_ligne(ligne);
    fichier.ecrit_ligne("finens_def");
    if (exercice.panneaux != TOUS_PERMIS) {
        fichier.ecrit_ligne("panneaux");
        for (std::size_t i = 0; i < NOMS_PANNEAUX.size(); ++i)
            fichier.ecrit_ligne(std::string(NOMS_PANNEAUX[i]) + ":" + booleen(exercice.panneaux[i]));
        fichier.ecrit_ligne("finpanneaux");
    }
    return fichier.termine();
}

Exercice exercice_en_cours(const std::vector<std::string> &titres_aides, const std::array<int, 5> &tailles)
{
    const Partage &p = partage;
    Exercice e;
    e.consigne = p.consigne;
    e.expression_base = p.expression_base;
    e.expression_fichier = p.expression_fichier;
    e.tailles = tailles;
    e.lignes_parametres = p.lignes_parametres;
    e.solutions.assign(p.liste_solutions.begin(), p.liste_solutions.end());
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        e.options[i] = p.*options_par_cle[i].option;
    for (std::size_t i = 1; i <= AIDES_MAX && !p.aides[i].empty(); ++i)
        e.aides.push_back({i <= titres_aides.size() ? titres_aides[i - 1] : std::string(), p.aides[i],
                           p.penalites_aides[i]});
    e.liste_aides = !e.aides.empty();
    e.aides_a_imprimer = p.aides_a_imprimer;
    e.domaine = bornes_partagees();
    e.panneaux = p.panneaux_permis;
    return e;
}

void installe_exercice(const Exercice &e)
{
    Partage &p = partage;
    p.consigne = e.consigne;
    p.expression_base = e.expression_base;
    p.expression_fichier = e.expression_fichier;
    p.lignes_parametres = e.lignes_parametres;
    p.liste_solutions.assign(e.solutions.begin(), e.solutions.end());
    p.note = 20;
    p.points_retires.clear();
    for (std::size_t i = 1; i < p.aides.size(); ++i) {
        const bool lue = i <= e.aides.size();
        p.aides[i] = lue ? e.aides[i - 1].texte : std::string();
        p.penalites_aides[i] = lue ? e.aides[i - 1].penalite : 0;
    }
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        p.*options_par_cle[i].option = e.options[i];
    p.aides_a_imprimer = e.aides_a_imprimer;
    pose_bornes(e.domaine);
    p.panneaux_permis = e.panneaux;
    p.mode_eleve = false;
}
