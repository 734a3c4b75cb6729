#pragma once
// A help page (".alp" file, Windows-1252, CR LF): its first line is the
// title; every further line is a formula ("&" then the formula, "@" for a
// line break inside it) or a text line, which may start with a colour code
// "#0" black, "#1" blue or "#2" red that stays in force for the next lines.

#include <cstddef>
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

enum class CouleurAide { noir = 0, bleu = 1, rouge = 2 };

struct LigneAide {
    bool formule = false;
    std::string texte;   // the code or the "&" removed; a formula has CR LF for "@"
    CouleurAide couleur = CouleurAide::noir;
};

struct PageAide {
    bool trouvee = false;
    // Why a page that exists could not be read, in French.
    std::string erreur;
    std::string titre;
    std::vector<LigneAide> lignes;
};

// Pages longer than this are cut: a help page is a few dozen lines.
inline constexpr std::size_t LIGNES_AIDE_MAX = 5000;

// The nine pages in the order of the topic buttons 1 to 9, and the first page shown.
inline constexpr const char *PAGES_AIDE[9] = {"equation1.alp", "inequa1.alp", "ens_def.alp",
                                              "intro_prof.alp", "systeme.alp", "equation2.alp",
                                              "Inequa2.alp", "modif_prof.alp", "vecteur.alp"};
inline constexpr const char *PAGE_AIDE_ACCUEIL = "intro_prof.alp";
// The pupil's page, which stands in pupil mode for the teacher's two pages.
inline constexpr const char *PAGE_AIDE_ELEVE = "eleve.alp";
// The teacher's index of the exercise bank (topic button 10), written from
// the README's table by scripts/index_exercices.
inline constexpr const char *PAGE_AIDE_INDEX = "index_exercices.alp";
inline constexpr int BOUTON_INDEX = 10;

// The page of topic button 1 to 10 (none past them); in pupil mode the
// "Création" button gives the pupil's page.
const char *page_du_sujet(int bouton, bool mode_eleve);

PageAide lit_page_aide(const std::filesystem::path &chemin);

// One line read from a page, the colour in force updated.
LigneAide lit_ligne_aide(std::string_view ligne, CouleurAide &couleur);

// The lines a page shows from page number `page` (the first line shown,
// counted from 1 after the title). Past the end nothing is shown; when even
// the line before the first is missing, `page` steps back by one.
std::size_t premiere_ligne_montree(int &page, std::size_t nombre_lignes);
