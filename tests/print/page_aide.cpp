#include <gtest/gtest.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <set>
#include <string>
#include <string_view>
#include <vector>

#include "print/mise_en_lignes.h"
#include "print/page_aide.h"

namespace {

namespace fs = std::filesystem;

fs::path ecrit_fichier(const std::string &nom, const std::string &octets)
{
    const fs::path chemin = fs::temp_directory_path() / ("vivezezi_aide_" + nom);
    std::ofstream(chemin, std::ios::binary) << octets;
    return chemin;
}

TEST(PageAide, CodesDeCouleurEtFormules)
{
    // "é" in Windows-1252 is the byte 0xE9.
    const fs::path chemin = ecrit_fichier(
        "couleurs.alp",
        "Le titre\r\nnoir\r\n#2rouge\r\nencore rouge\r\n&2*x+1=0@x=-1/2\r\n#1bleu\r\n#9inconnu\r\n#0d\xe9j\xe0 noir\r\n");
    const PageAide page = lit_page_aide(chemin);
    ASSERT_TRUE(page.trouvee);
    EXPECT_EQ(page.titre, "Le titre");
    ASSERT_EQ(page.lignes.size(), 7u);
    struct Attendu {
        bool formule;
        const char *texte;
        CouleurAide couleur;
    };
    const Attendu attendus[] = {
        {false, "noir", CouleurAide::noir},
        {false, "rouge", CouleurAide::rouge},
        {false, "encore rouge", CouleurAide::rouge},
        {true, "2*x+1=0\r\nx=-1/2", CouleurAide::rouge},
        {false, "bleu", CouleurAide::bleu},
        {false, "inconnu", CouleurAide::bleu},   // an unknown code keeps the colour
        {false, "déjà noir", CouleurAide::noir},
    };
    for (std::size_t i = 0; i < page.lignes.size(); ++i) {
        EXPECT_EQ(page.lignes[i].formule, attendus[i].formule) << i;
        EXPECT_EQ(page.lignes[i].texte, attendus[i].texte) << i;
        EXPECT_EQ(page.lignes[i].couleur, attendus[i].couleur) << i;
    }
    fs::remove(chemin);
}

TEST(PageAide, FichiersAbsentsOuAbimes)
{
    EXPECT_FALSE(lit_page_aide("/nonexistent/folder/page.alp").trouvee);
    EXPECT_FALSE(lit_page_aide(fs::temp_directory_path()).trouvee);
    // A page on a failing medium says so instead of stopping the program.
    const fs::path memoire = fs::temp_directory_path() / ("vivezezi-memoire-" + std::to_string(::getpid()) + ".alp");
    fs::create_symlink("/proc/self/mem", memoire);
    const PageAide illisible = lit_page_aide(memoire);
    fs::remove(memoire);
    EXPECT_FALSE(illisible.trouvee);
    EXPECT_NE(illisible.erreur.find("n'a pas pu être lu"), std::string::npos) << illisible.erreur;

    std::string octets;
    for (int i = 0; i < 20000; ++i)
        octets += static_cast<char>((i * 7919) % 256);
    const fs::path chemin = ecrit_fichier("binaire.alp", octets);
    const PageAide page = lit_page_aide(chemin);
    EXPECT_TRUE(page.trouvee);
    EXPECT_LE(page.lignes.size(), LIGNES_AIDE_MAX);
    fs::remove(chemin);

    CouleurAide c = CouleurAide::bleu;
    EXPECT_EQ(lit_ligne_aide("#", c).texte, "#");
    EXPECT_EQ(lit_ligne_aide("#é suite", c).texte, " suite");
    EXPECT_EQ(c, CouleurAide::bleu);
    EXPECT_EQ(lit_ligne_aide("&", c).texte, "");
}

TEST(PageAide, DefilementApresLaFin)
{
    // page: first line shown counted from 1; three lines in the page.
    struct Cas {
        int page;
        std::size_t premiere;
        int page_apres;
    };
    const Cas cas[] = {{1, 0, 1}, {3, 2, 3}, {4, 3, 4}, {5, 3, 4}, {0, 0, 1}, {-7, 0, 1}};
    for (const Cas &c : cas) {
        int page = c.page;
        EXPECT_EQ(premiere_ligne_montree(page, 3), c.premiere) << c.page;
        EXPECT_EQ(page, c.page_apres) << c.page;
    }
}

TEST(PageAide, LesPagesDuDossier)
{
    std::vector<const char *> pages(std::begin(PAGES_AIDE), std::end(PAGES_AIDE));
    pages.push_back(PAGE_AIDE_ELEVE);
    for (const char *nom : pages) {
        const fs::path chemin = fs::path(VIVEZEZI_DONNEES) / nom;
        std::ifstream flux(chemin, std::ios::binary);
        const std::string octets((std::istreambuf_iterator<char>(flux)), std::istreambuf_iterator<char>());
        ASSERT_FALSE(octets.empty()) << nom;
        // CR LF line ends only, and Windows-1252 rather than UTF-8 accents.
        for (std::size_t i = 0; i < octets.size(); ++i) {
            if (octets[i] == '\n') {
                ASSERT_TRUE(i > 0 && octets[i - 1] == '\r') << nom << " byte " << i;
            }
        }
        EXPECT_EQ(octets.find("\xc3\xa9"), std::string::npos) << nom;

        const PageAide page = lit_page_aide(chemin);
        EXPECT_FALSE(page.titre.empty()) << nom;
        int formules = 0, couleurs = 0;
        for (const LigneAide &l : page.lignes) {
            formules += l.formule;
            couleurs += l.couleur != CouleurAide::noir;
        }
        EXPECT_GE(formules, 3) << nom;
        EXPECT_GE(couleurs, 1) << nom;
    }
}

TEST(PageAide, LEleveAUnePageASaPlace)
{
    for (int bouton = 1; bouton <= 9; ++bouton) {
        const std::string_view page = page_du_sujet(bouton, true);
        EXPECT_NE(page, "intro_prof.alp");
        EXPECT_EQ(page == PAGE_AIDE_ELEVE, bouton == 4);
        EXPECT_EQ(std::string_view(page_du_sujet(bouton, false)), PAGES_AIDE[bouton - 1]);
    }
    EXPECT_EQ(page_du_sujet(0, true), nullptr);
    EXPECT_EQ(std::string_view(page_du_sujet(BOUTON_INDEX, false)), PAGE_AIDE_INDEX);
    EXPECT_EQ(page_du_sujet(11, false), nullptr);
}

// The index page says what the README's table says, exercise by exercise,
// and both name every file of the bank: run scripts/index_exercices after
// editing the table.
TEST(PageAide, LIndexDesExercicesSuitLeReadme)
{
    // The table's rows "| `nom` | thème | niveau | compétence |" as the page
    // writes them: a blue heading for each new topic, then "nom (niveau) : compétence".
    std::ifstream readme(fs::path(VIVEZEZI_DONNEES) / ".." / "README.md");
    std::vector<std::pair<CouleurAide, std::string>> attendues;
    std::set<std::string> noms;
    std::string theme;
    bool table = false;
    for (std::string ligne; std::getline(readme, ligne);) {
        table = ligne.rfind("| Exercice | Th", 0) == 0 || (table && ligne.rfind("|", 0) == 0);
        if (!table || ligne.rfind("| `", 0) != 0)
            continue;
        std::vector<std::string> champs;
        for (std::size_t debut = 2, fin; (fin = ligne.find(" |", debut)) != std::string::npos; debut = fin + 3)
            champs.push_back(ligne.substr(debut, fin - debut));
        ASSERT_EQ(champs.size(), 4u) << ligne;
        const std::string nom = champs[0].substr(1, champs[0].size() - 2);
        noms.insert(nom);
        if (champs[1] != theme)
            attendues.emplace_back(CouleurAide::bleu, theme = champs[1]);
        attendues.emplace_back(CouleurAide::noir, nom + " (" + champs[2] + ") : " + champs[3]);
    }
    std::set<std::string> fichiers;
    for (const auto &f : fs::directory_iterator(fs::path(VIVEZEZI_DONNEES) / "exercices"))
        if (f.path().extension() == ".alg")
            fichiers.insert(f.path().stem().string());
    EXPECT_EQ(noms, fichiers);

    const PageAide page = lit_page_aide(fs::path(VIVEZEZI_DONNEES) / PAGE_AIDE_INDEX);
    std::vector<std::pair<CouleurAide, std::string>> lues;
    for (const LigneAide &l : page.lignes)
        if (!lues.empty() || l.couleur == CouleurAide::bleu)
            lues.emplace_back(l.couleur, l.texte);
    EXPECT_EQ(lues, attendues);
}

TEST(CoupeLigne, UneSeuleCoupure)
{
    // Every character is 10 units wide: the limit 430 is reached after 43.
    const MesureTexte largeur = [](std::string_view s) { return 10.0 * double(s.size()); };
    EXPECT_EQ(coupe_ligne("court", largeur).reste, "");
    const std::string mots = std::string(40, 'a') + " bbbbbbbbbb cc dd";
    LigneCoupee c = coupe_ligne(mots, largeur);
    EXPECT_EQ(c.premiere, std::string(40, 'a') + " bbbbbbbbbb ");
    EXPECT_EQ(c.reste, "cc dd");
    // A very long rest is not wrapped again.
    const std::string longue = std::string(50, 'a') + " " + std::string(200, 'b');
    c = coupe_ligne(longue, largeur);
    EXPECT_EQ(c.premiere, std::string(50, 'a') + " ");
    EXPECT_EQ(c.reste, std::string(200, 'b'));
    // No blank after the limit: the whole line stays one.
    EXPECT_EQ(coupe_ligne(std::string(60, 'z'), largeur).reste, "");
    // Multi-byte characters are never cut.
    std::string accents;
    for (int i = 0; i < 60; ++i)
        accents += "é";
    c = coupe_ligne(accents + " fin", largeur);
    EXPECT_EQ(c.premiere + c.reste, accents + " fin");
    EXPECT_EQ(c.reste, "fin");
}

}  // namespace
