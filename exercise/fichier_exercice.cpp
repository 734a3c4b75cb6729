#include "exercise/fichier_exercice.h"

#include <charconv>
#include <string_view>
#include <utility>

#include "algebra/algebre.h"
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
    for (std::size_t i = 1; i <= 4; ++i)
        lu.tailles[i] = lit_taille_fonte(lecteur.lit());
}

// The variable lines up to the first answer or block; gives the line that
// stopped them. The starting expression is then put in its linear form.
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
    lu.expression_base = forme_lineaire(lu.expression_base, lettres_des_variables(lu.lignes_parametres));
    return ligne;
}

// Answer blocks of three lines from `ligne`; gives the line after them. A
// block cut short by the end of the file is not kept.
std::string lit_solutions(LecteurLignes &lecteur, std::string ligne, Exercice &lu)
{
    const bool vecteurs = contient(lu.expression_base, MARQUE_VECTEUR);
    const std::string lettres = lettres_des_variables(lu.lignes_parametres);
    while (contient(ligne, "olution") && !lecteur.fin()) {
        std::string solution = sans_debut(std::move(ligne), 9);
        if (!solution.empty() && solution.front() == '$')
            solution.erase(0, 1);
        solution = forme_lineaire(solution, lettres);
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

// False when the file ends before "finoptions".
bool lit_options(LecteurLignes &lecteur, Exercice &lu)
{
    while (!lecteur.fin()) {
        const std::string ligne = lecteur.lit();
        if (ligne == "finoptions")
            return true;
        for (std::size_t i = 0; i < options_par_cle.size(); ++i) {
            const std::string_view cle = options_par_cle[i].cle;
            if (contient(ligne, cle)) {
                lu.options[i] = sans_debut(ligne, cle.size() + 1) == "VRAI";
                break;
            }
        }
    }
    return false;
}

// Help blocks of two lines, "title:text" then "note:n", up to "finaide";
// false when the file ends before it.
bool lit_aides(LecteurLignes &lecteur, Exercice &lu)
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
    return ligne == "finaide";
}

std::string ligne_suivante(LecteurLignes &lecteur) { return lecteur.fin() ? std::string() : lecteur.lit(); }

// The eight domain lines, then four for each further interval up to
// "finens_def"; false when the file ends before the eight. `suite` gets the
// line after the block.
bool lit_domaine(LecteurLignes &lecteur, Exercice &lu, std::string &suite)
{
    std::array<std::string, 8> l;
    for (std::string &ligne : l) {
        if (lecteur.fin())
            return false;
        ligne = lecteur.lit();
    }
    lu.domaine = {l[0], l[2], l[4], l[6], l[1] == "VRAI", l[3] == "VRAI", l[5] == "VRAI", l[7] == "VRAI", {}};
    for (suite = ligne_suivante(lecteur); suite != "finens_def" && suite != "panneaux" && !lecteur.fin();
         suite = ligne_suivante(lecteur)) {
        Intervalle i;
        i.bas = suite;
        i.bas_ouvert = lecteur.lit() == "VRAI";
        i.haut = lecteur.lit();
        i.haut_ouvert = lecteur.lit() == "VRAI";
        lu.domaine.suivants.push_back(std::move(i));
    }
    return true;
}

// What makes a file unfit to be an exercise, checked before any line is
// used; empty when nothing does.
std::string defaut_d_exercice(const LecteurLignes &lecteur)
{
    if (lecteur.nombre_lignes() == 0)
        return "le fichier est vide";
    if (const std::size_t n = lecteur.ligne_binaire())
        return "la ligne " + std::to_string(n) + " contient des caractères de contrôle, comme un fichier binaire";
    if (const std::size_t n = lecteur.ligne_trop_longue())
        return "la ligne " + std::to_string(n) + " dépasse 10 000 caractères";
    if (lecteur.nombre_lignes() < 6)
        return "le fichier s'arrête à la ligne " + std::to_string(lecteur.nombre_lignes()) +
               ", avant les quatre lignes « fonte: »";
    return {};
}

LectureExercice refus(LectureExercice::Etat etat, const std::filesystem::path &chemin, const std::string &raison)
{
    LectureExercice r;
    r.etat = etat;
    r.message = etat == LectureExercice::pas_un_exercice
                    ? "Ce fichier n'est pas un exercice : " + raison + " (" + texte_de(chemin) + ")."
                    : raison;
    return r;
}

// The blocks after the domain, from the line `bloc`: the panels the pupil
// may use, "Panel5:FAUX" withholding one. Blocks this reader does not know
// are passed over.
void lit_fin(LecteurLignes &lecteur, std::string bloc, Exercice &lu)
{
    for (; !bloc.empty() || !lecteur.fin(); bloc = ligne_suivante(lecteur)) {
        if (bloc != "panneaux")
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
        return refus(LectureExercice::fichier_illisible, chemin, lecteur.message());
    if (const std::string defaut = defaut_d_exercice(lecteur); !defaut.empty())
        return refus(LectureExercice::pas_un_exercice, chemin, defaut);
    Exercice lu;
    lu.options = exercice.options;
    lu.domaine = exercice.domaine;
    lit_en_tete(lecteur, lu);
    if (lu.consigne.empty() && lu.expression_fichier.empty())
        return refus(LectureExercice::pas_un_exercice, chemin,
                     "il n'a ni énoncé ni expression de départ (lignes 1 et 2 vides)");
    std::string ligne = lit_parametres(lecteur, lu);
    ligne = lit_solutions(lecteur, std::move(ligne), lu);
    const auto bloc_coupe = [&](const char *bloc) {
        return refus(LectureExercice::pas_un_exercice, chemin,
                     std::string("le fichier s'arrête au milieu du bloc « ") + bloc + " »");
    };
    if (ligne == "options") {
        if (!lit_options(lecteur, lu))
            return bloc_coupe("options");
        ligne = ligne_suivante(lecteur);
    }
    if (ligne == "aide") {
        if (!lit_aides(lecteur, lu))
            return bloc_coupe("aide");
        ligne = ligne_suivante(lecteur);
    }
    if (ligne == "ens_def") {
        if (!lit_domaine(lecteur, lu, ligne))
            return bloc_coupe("ens_def");
    }
    lit_fin(lecteur, ligne == "finens_def" ? ligne_suivante(lecteur) : ligne, lu);
    if (lu.options[OPTION_FRACTIONS])
        lu.expression_base = normalise(lu.expression_base);
    exercice = std::move(lu);
    LectureExercice r;
    r.en_utf8 = lecteur.en_utf8();
    return r;
}

Enregistrement sauver_exercice(const std::filesystem::path &chemin, const Exercice &exercice,
                               HorsFormat hors_format)
{
    std::vector<std::string> lignes;
    lignes.push_back(sur_une_ligne(exercice.consigne));
    std::string expression = exercice.expression_fichier;
    compacte_systeme(expression);
    lignes.push_back(sur_une_ligne(expression));
    for (std::size_t i = 1; i <= 4; ++i)
        lignes.push_back("fonte:" + std::to_string(exercice.tailles[i]));
    for (std::size_t i = 1; i <= LIGNES_PARAMETRES_MAX && !exercice.lignes_parametres[i].empty(); ++i)
        lignes.push_back(sur_une_ligne(exercice.lignes_parametres[i]));
    for (const TDsolu &s : exercice.solutions) {
        std::string solution = s.solution;
        remplace_chaque(solution, "*et*", "=");
        lignes.push_back("solution:" + sur_une_ligne(solution));
        lignes.push_back("comment:" + sur_une_ligne(s.commentaire));
        lignes.push_back("note:" + std::to_string(s.penalite));
    }
    lignes.push_back("options");
    for (std::size_t i = 0; i < options_par_cle.size(); ++i)
        lignes.push_back(std::string(options_par_cle[i].cle) + ":" + booleen(exercice.options[i]));
    lignes.push_back("finoptions");
    lignes.push_back("aide");
    for (std::size_t i = 0; i < exercice.aides.size() && i < AIDES_MAX && !exercice.aides[i].texte.empty();
         ++i) {
        // The title ends at the first ":" of the line.
        std::string titre = sur_une_ligne(exercice.aides[i].titre);
        for (char &c : titre)
            if (c == ':')
                c = ' ';
        lignes.push_back(titre + ":" + sur_une_ligne(exercice.aides[i].texte));
        lignes.push_back("note:" + std::to_string(exercice.aides[i].penalite));
    }
    lignes.push_back("finaide");
    const DomaineDefinition &d = exercice.domaine;
    lignes.push_back("ens_def");
    lignes.insert(lignes.end(),
                  {sur_une_ligne(d.borne_inf_1), std::string(booleen(d.crochet_1a)), sur_une_ligne(d.borne_sup_1),
                   std::string(booleen(d.crochet_1b)), sur_une_ligne(d.borne_inf_2),
                   std::string(booleen(d.crochet_2a)), sur_une_ligne(d.borne_sup_2),
                   std::string(booleen(d.crochet_2b))});
    for (const Intervalle &i : d.suivants)
        lignes.insert(lignes.end(), {sur_une_ligne(i.bas), std::string(booleen(i.bas_ouvert)), sur_une_ligne(i.haut),
                                     std::string(booleen(i.haut_ouvert))});
    lignes.push_back("finens_def");
    if (exercice.panneaux != TOUS_PERMIS) {
        lignes.push_back("panneaux");
        for (std::size_t i = 0; i < NOMS_PANNEAUX.size(); ++i)
            lignes.push_back(std::string(NOMS_PANNEAUX[i]) + ":" + booleen(exercice.panneaux[i]));
        lignes.push_back("finpanneaux");
    }
    return ecrit_fichier_texte(chemin, lignes, hors_format);
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
    e.domaine = p.domaine;
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
    p.domaine = e.domaine;
    p.panneaux_permis = e.panneaux;
    p.mode_eleve = false;
}

std::string lettres_des_variables(const std::array<std::string, LIGNES_PARAMETRES_MAX + 1> &lignes)
{
    std::string lettres;
    for (const std::string &ligne : lignes)
        if (!ligne.empty() && ligne[0] >= 'a' && ligne[0] <= 'z')
            lettres += ligne[0];
    return lettres;
}
