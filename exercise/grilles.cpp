#include "exercise/grilles.h"

#include <algorithm>
#include <cstdlib>

#include "core/partage.h"
#include "exercise/fichier_exercice.h"
#include "exercise/preparation.h"

namespace {

const std::string VIDE;
constexpr int NOTE_MAX = 999999;

std::string sans_blancs_autour(const std::string &texte)
{
    const std::size_t debut = texte.find_first_not_of(" \t");
    if (debut == std::string::npos)
        return {};
    const std::size_t fin = texte.find_last_not_of(" \t");
    return texte.substr(debut, fin - debut + 1);
}

// The first character of a UTF-8 text, whole (a letter may be accented).
std::string premier_caractere(const std::string &texte)
{
    if (texte.empty())
        return {};
    const auto tete = static_cast<unsigned char>(texte[0]);
    std::size_t longueur = 1;
    if (tete >= 0xF0)
        longueur = 4;
    else if (tete >= 0xE0)
        longueur = 3;
    else if (tete >= 0xC0)
        longueur = 2;
    return texte.substr(0, std::min(longueur, texte.size()));
}

// The values a variable line shows: the items after "x:", each ended by ",",
// without the last one (the terminator that is never drawn).
std::vector<std::string> valeurs_montrees(const std::string &ligne)
{
    std::vector<std::string> items;
    std::size_t debut = std::min<std::size_t>(2, ligne.size());
    for (std::size_t virgule = ligne.find(',', debut); virgule != std::string::npos;
         virgule = ligne.find(',', debut)) {
        items.push_back(ligne.substr(debut, virgule - debut));
        debut = virgule + 1;
    }
    if (!items.empty())
        items.pop_back();
    return items;
}

void remplit_variables(Grille &grille)
{
    for (int r = 1; r <= static_cast<int>(LIGNES_PARAMETRES_MAX); ++r) {
        const std::string &ligne = partage.lignes_parametres[static_cast<std::size_t>(r)];
        if (ligne.empty())
            break;
        const std::vector<std::string> valeurs = valeurs_montrees(ligne);
        grille.agrandit(r + 1, static_cast<int>(valeurs.size()) + 1);
        grille.ecrit(r, 0, premier_caractere(ligne));
        for (std::size_t i = 0; i < valeurs.size(); ++i)
            grille.ecrit(r, static_cast<int>(i) + 1, valeurs[i]);
    }
}

// One data row of the helps and answers table.
void ecrit_ligne_texte(Grille &grille, int r, const std::string &numero, const std::string &premier,
                       const std::string &second, int penalite)
{
    grille.agrandit(r + 1, COLONNES_TEXTES);
    grille.ecrit(r, 0, numero);
    grille.ecrit(r, 1, premier);
    grille.ecrit(r, 2, second);
    grille.ecrit(r, 3, note_affichee(penalite));
}

void remplit_aides(Grille &grille, const std::vector<std::string> &titres)
{
    for (std::size_t r = 1; r <= AIDES_MAX && !partage.aides[r].empty(); ++r)
        ecrit_ligne_texte(grille, static_cast<int>(r), std::to_string(r),
                          r - 1 < titres.size() ? titres[r - 1] : VIDE, partage.aides[r],
                          partage.penalites_aides[r]);
}

void remplit_reponses(Grille &grille)
{
    int r = 1;
    for (const TDsolu &solution : partage.liste_solutions) {
        ecrit_ligne_texte(grille, r, std::to_string(r - 1), solution.solution, solution.commentaire,
                          solution.penalite);
        ++r;
    }
}

std::vector<std::string> enregistre_aides(const Grille &grille)
{
    std::fill(partage.aides.begin(), partage.aides.end(), std::string());
    partage.penalites_aides.fill(0);
    std::vector<std::string> liste;
    for (int j = 1; j <= static_cast<int>(AIDES_MAX) && !grille.cellule(j, 2).empty(); ++j) {
        liste.push_back(grille.cellule(j, 1));
        partage.aides[static_cast<std::size_t>(j)] = grille.cellule(j, 2);
        partage.penalites_aides[static_cast<std::size_t>(j)] = note_lue(grille.cellule(j, 3));
    }
    liste.emplace_back(TITRE_LISTE_AIDES);
    return liste;
}

void enregistre_reponses(const Grille &grille)
{
    partage.liste_solutions.clear();
    for (int r = 1; r <= REPONSES_GRILLE_MAX && !grille.cellule(r, 2).empty(); ++r)
        partage.liste_solutions.emplace_back(grille.cellule(r, 1),
                                             std::to_string(note_lue(grille.cellule(r, 3))),
                                             grille.cellule(r, 2));
}

// "x:" and the values of a row, each followed by ",", then the empty
// terminator item: values that would pass the length of a line are left out
// whole rather than cut in the middle.
std::string ligne_variable(const Grille &grille, int r, const std::string &lettre)
{
    std::string ligne = lettre + ":";
    for (int c = 1; c < grille.colonnes(); ++c) {
        const std::string valeur = sans_blancs_autour(grille.cellule(r, c));
        if (valeur.empty())
            continue;
        if (ligne.size() + valeur.size() + 2 > LONGUEUR_LIGNE_PARAMETRE_MAX)
            break;
        ligne += valeur + ",";
    }
    return ligne + ",";
}

void enregistre_variables(const Grille &grille)
{
    std::fill(partage.lignes_parametres.begin(), partage.lignes_parametres.end(), std::string());
    std::size_t entree = 1;
    for (int r = 1; r <= static_cast<int>(LIGNES_PARAMETRES_MAX) && !grille.cellule(r, 2).empty(); ++r) {
        // A row without its letter names no variable: it is left out.
        const std::string lettre = premier_caractere(sans_blancs_autour(grille.cellule(r, 0)));
        if (!lettre.empty())
            partage.lignes_parametres[entree++] = ligne_variable(grille, r, lettre);
    }
}

} // namespace

Grille::Grille(int lignes, int colonnes)
    : lignes_(std::max(lignes, 0)), colonnes_(std::max(colonnes, 0)),
      cellules_(static_cast<std::size_t>(lignes_) * static_cast<std::size_t>(colonnes_))
{
}

const std::string &Grille::cellule(int ligne, int colonne) const
{
    if (ligne < 0 || ligne >= lignes_ || colonne < 0 || colonne >= colonnes_)
        return VIDE;
    return cellules_[static_cast<std::size_t>(ligne * colonnes_ + colonne)];
}

void Grille::ecrit(int ligne, int colonne, std::string texte)
{
    if (ligne < 0 || ligne >= lignes_ || colonne < 0 || colonne >= colonnes_)
        return;
    cellules_[static_cast<std::size_t>(ligne * colonnes_ + colonne)] = std::move(texte);
}

void Grille::agrandit(int lignes, int colonnes)
{
    if (lignes <= lignes_ && colonnes <= colonnes_)
        return;
    Grille plus(std::max(lignes, lignes_), std::max(colonnes, colonnes_));
    for (int l = 0; l < lignes_; ++l)
        for (int c = 0; c < colonnes_; ++c)
            plus.ecrit(l, c, std::move(cellules_[static_cast<std::size_t>(l * colonnes_ + c)]));
    *this = std::move(plus);
}

bool Grille::ligne_vide(int ligne) const
{
    for (int c = 0; c < colonnes_; ++c)
        if (!cellule(ligne, c).empty())
            return false;
    return true;
}

void Grille::supprime_ligne(int ligne)
{
    if (ligne < 1 || ligne >= lignes_)
        return;
    for (int l = ligne; l < lignes_; ++l)
        for (int c = 0; c < colonnes_; ++c)
            ecrit(l, c, cellule(l + 1, c));
}

void Grille::insere_ligne(int ligne)
{
    if (ligne < 1 || ligne >= lignes_)
        return;
    if (!ligne_vide(lignes_ - 1))
        agrandit(lignes_ + 1, colonnes_);
    for (int l = lignes_ - 1; l > ligne; --l)
        for (int c = 0; c < colonnes_; ++c)
            ecrit(l, c, cellule(l - 1, c));
    for (int c = 0; c < colonnes_; ++c)
        ecrit(ligne, c, std::string());
}

void Grille::compacte()
{
    for (int l = lignes_ - 1; l >= 1; --l)
        if (cellule(l, 2).empty())
            supprime_ligne(l);
}

Grille remplit_grille(int mode, const std::vector<std::string> &titres)
{
    if (mode == grille_variables) {
        Grille grille(LIGNES_VALEURS, COLONNES_VALEURS);
        remplit_variables(grille);
        return grille;
    }
    Grille grille(LIGNES_TEXTES, COLONNES_TEXTES);
    if (mode == grille_aides) {
        grille.ecrit(0, 1, TITRE_LISTE_AIDES);
        grille.ecrit(0, 2, "TEXTE DE l'AIDE");
        grille.ecrit(0, 3, "NOTE");
        remplit_aides(grille, titres);
    } else if (mode == grille_reponses) {
        grille.ecrit(0, 1, "REPONSE");
        grille.ecrit(0, 2, "COMMENTAIRE");
        grille.ecrit(0, 3, "NOTE");
        remplit_reponses(grille);
    }
    return grille;
}

GrilleEnregistree enregistre_grille(int mode, Grille &grille)
{
    GrilleEnregistree fait;
    if (mode != grille_variables)
        grille.compacte();
    switch (mode) {
    case grille_aides:
        fait.aides_changees = true;
        fait.liste_aides = enregistre_aides(grille);
        break;
    case grille_reponses: enregistre_reponses(grille); break;
    case grille_variables: enregistre_variables(grille); break;
    default: partage.mode_grille = grille_aucune; return fait;
    }
    partage.mode_grille = grille_aucune;
    partage.exercice_modifie = true;
    return fait;
}

std::string note_affichee(int penalite)
{
    if (penalite == 0)
        return "0";
    return "-" + std::to_string(std::abs(static_cast<long long>(penalite)));
}

int note_lue(const std::string &texte)
{
    const std::string t = sans_blancs_autour(texte);
    std::size_t i = 0;
    if (i < t.size() && (t[i] == '-' || t[i] == '+'))
        ++i;
    if (i == t.size())
        return 0;
    int valeur = 0;
    for (; i < t.size(); ++i) {
        if (t[i] < '0' || t[i] > '9')
            return 0;
        valeur = std::min(NOTE_MAX, valeur * 10 + (t[i] - '0'));
    }
    return valeur;
}
