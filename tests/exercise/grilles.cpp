#include "exercise/grilles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "core/partage.h"
#include "exercise/preparation.h"

namespace {

class Grilles : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }

    static void ligne(Grille &g, int r, std::vector<std::string> cellules)
    {
        for (std::size_t c = 0; c < cellules.size(); ++c)
            g.ecrit(r, static_cast<int>(c), cellules[c]);
    }
    static std::vector<std::string> ligne_de(const Grille &g, int r)
    {
        std::vector<std::string> cellules;
        for (int c = 0; c < g.colonnes(); ++c)
            cellules.push_back(g.cellule(r, c));
        return cellules;
    }
    static std::vector<std::string> solutions()
    {
        std::vector<std::string> s;
        for (const TDsolu &d : partage.liste_solutions)
            s.push_back(d.solution + "|" + d.commentaire + "|" + std::to_string(d.penalite));
        return s;
    }
};

TEST_F(Grilles, NotesLuesEtMontrees)
{
    const struct {
        const char *tape;
        int note;
    } cas[] = {{"5", 5},   {"-5", 5},   {" -5 ", 5}, {"+3", 3},   {"", 0},    {"-", 0},
               {"abc", 0}, {"5a", 0},   {"-0", 0},   {"12", 12},  {"99999999999999", 999999}};
    for (const auto &c : cas)
        EXPECT_EQ(note_lue(c.tape), c.note) << c.tape;
    EXPECT_EQ(note_affichee(5), "-5");
    EXPECT_EQ(note_affichee(0), "0");
    // A note read from a file with a sign shows once, and is stored again as its absolute value.
    EXPECT_EQ(note_affichee(-3), "-3");
}

TEST_F(Grilles, LignesSupprimeesEtInserees)
{
    Grille g(4, 3);
    ligne(g, 0, {"", "h", "h"});
    ligne(g, 1, {"1", "a", "A"});
    ligne(g, 2, {"2", "b", "B"});
    ligne(g, 3, {"3", "c", "C"});
    g.supprime_ligne(1);
    EXPECT_EQ(ligne_de(g, 1), (std::vector<std::string>{"2", "b", "B"}));
    EXPECT_EQ(ligne_de(g, 2), (std::vector<std::string>{"3", "c", "C"}));
    EXPECT_TRUE(g.ligne_vide(3));

    g.insere_ligne(1);
    EXPECT_TRUE(g.ligne_vide(1));
    EXPECT_EQ(ligne_de(g, 2), (std::vector<std::string>{"2", "b", "B"}));
    EXPECT_EQ(ligne_de(g, 3), (std::vector<std::string>{"3", "c", "C"}));
    EXPECT_EQ(g.lignes(), 4);

    // A full table grows instead of losing its last row.
    g.insere_ligne(2);
    EXPECT_EQ(g.lignes(), 5);
    EXPECT_EQ(ligne_de(g, 4), (std::vector<std::string>{"3", "c", "C"}));

    // The header row and rows outside the table are never moved.
    g.supprime_ligne(0);
    g.insere_ligne(0);
    g.supprime_ligne(99);
    g.insere_ligne(-1);
    EXPECT_EQ(ligne_de(g, 0), (std::vector<std::string>{"", "h", "h"}));
    EXPECT_EQ(g.cellule(-1, 0), "");
    EXPECT_EQ(g.cellule(0, 99), "");
}

TEST_F(Grilles, AidesAllerRetour)
{
    partage.aides[1] = "Il faut développer.";
    partage.penalites_aides[1] = 2;
    partage.aides[2] = "La solution est : [2*a]";
    partage.penalites_aides[2] = 4;
    const std::vector<std::string> titres{"AIDE 1", "Solution ", "AIDE(S)"};

    Grille g = remplit_grille(grille_aides, titres);
    EXPECT_EQ(g.lignes(), LIGNES_TEXTES);
    EXPECT_EQ(g.colonnes(), COLONNES_TEXTES);
    EXPECT_EQ(ligne_de(g, 0), (std::vector<std::string>{"", "AIDE(S)", "TEXTE DE l'AIDE", "NOTE"}));
    EXPECT_EQ(ligne_de(g, 1), (std::vector<std::string>{"1", "AIDE 1", "Il faut développer.", "-2"}));
    EXPECT_EQ(ligne_de(g, 2), (std::vector<std::string>{"2", "Solution ", "La solution est : [2*a]", "-4"}));
    EXPECT_TRUE(g.ligne_vide(3));

    // A note typed without its sign; a row with a title but no text goes, the
    // rows after it move up.
    g.ecrit(1, 3, "5");
    ligne(g, 3, {"", "titre seul", "", "-1"});
    ligne(g, 4, {"", "AIDE 3", "Réduire.", "-1"});
    partage.mode_grille = grille_aides;
    const GrilleEnregistree r = enregistre_grille(grille_aides, g);
    EXPECT_TRUE(r.aides_changees);
    EXPECT_EQ(r.liste_aides, (std::vector<std::string>{"AIDE 1", "Solution ", "AIDE 3", "AIDE(S)"}));
    EXPECT_EQ(partage.aides[1], "Il faut développer.");
    EXPECT_EQ(partage.penalites_aides[1], 5);
    EXPECT_EQ(partage.aides[3], "Réduire.");
    EXPECT_EQ(partage.penalites_aides[3], 1);
    EXPECT_EQ(partage.aides[4], "");
    EXPECT_EQ(partage.mode_grille, grille_aucune);
    EXPECT_TRUE(partage.exercice_modifie);

    // Shown again: the note typed 5 reads -5.
    EXPECT_EQ(remplit_grille(grille_aides, r.liste_aides).cellule(1, 3), "-5");
}

TEST_F(Grilles, VingtNeufAidesAuPlus)
{
    Grille g = remplit_grille(grille_aides, {});
    for (int r = 1; r <= 31; ++r) {
        g.agrandit(r + 1, COLONNES_TEXTES);
        ligne(g, r, {std::to_string(r), "AIDE " + std::to_string(r), "texte " + std::to_string(r), "-1"});
    }
    const GrilleEnregistree e = enregistre_grille(grille_aides, g);
    EXPECT_EQ(e.liste_aides.size(), 30u);
    EXPECT_EQ(e.liste_aides.back(), "AIDE(S)");
    EXPECT_EQ(partage.aides[29], "texte 29");
    EXPECT_EQ(partage.aides[30], "");

    // Twenty-nine helps (more than the table's 27 rows) are all shown and kept.
    Grille encore = remplit_grille(grille_aides, e.liste_aides);
    EXPECT_EQ(encore.lignes(), 30);
    EXPECT_EQ(encore.cellule(29, 2), "texte 29");
    enregistre_grille(grille_aides, encore);
    EXPECT_EQ(partage.aides[29], "texte 29");
}

TEST_F(Grilles, ReponsesAllerRetour)
{
    partage.liste_solutions.emplace_back("x*et*2", "0", "Bravo, la réponse est juste !");
    partage.liste_solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
    Grille g = remplit_grille(grille_reponses, {});
    EXPECT_EQ(ligne_de(g, 0), (std::vector<std::string>{"", "REPONSE", "COMMENTAIRE", "NOTE"}));
    EXPECT_EQ(ligne_de(g, 1), (std::vector<std::string>{"0", "x*et*2", "Bravo, la réponse est juste !", "0"}));
    EXPECT_EQ(ligne_de(g, 2), (std::vector<std::string>{"1", "", "Ce n'est pas la bonne réponse.", "-10"}));

    // An answer without comment goes; an empty answer with a comment stays.
    g.insere_ligne(2);
    ligne(g, 2, {"", "x*et*3", "", "-2"});
    g.ecrit(3, 3, "-5");
    enregistre_grille(grille_reponses, g);
    EXPECT_EQ(solutions(), (std::vector<std::string>{"x*et*2|Bravo, la réponse est juste !|0",
                                                     "|Ce n'est pas la bonne réponse.|5"}));
}

TEST_F(Grilles, DixReponsesAuPlus)
{
    for (int i = 0; i < 15; ++i)
        partage.liste_solutions.emplace_back("x*et*" + std::to_string(i), "1", "c" + std::to_string(i));
    Grille g = remplit_grille(grille_reponses, {});
    EXPECT_EQ(g.cellule(15, 0), "14");
    enregistre_grille(grille_reponses, g);
    ASSERT_EQ(partage.liste_solutions.size(), 10u);
    EXPECT_EQ(partage.liste_solutions.back().solution, "x*et*9");
}

TEST_F(Grilles, VariablesAllerRetour)
{
    partage.lignes_parametres[1] = "a:1,2,3,4,5,6,7,8,9,";
    partage.lignes_parametres[2] = "b:-2,5,,";
    partage.lignes_parametres[4] = "d:1,2,,";   // after the first empty entry: not shown
    Grille g = remplit_grille(grille_variables, {});
    EXPECT_EQ(g.lignes(), LIGNES_VALEURS);
    EXPECT_EQ(g.colonnes(), COLONNES_VALEURS);
    EXPECT_EQ(g.cellule(1, 0), "a");
    EXPECT_EQ(g.cellule(1, 8), "8");
    EXPECT_EQ(g.cellule(1, 9), "");
    EXPECT_EQ(g.cellule(2, 1), "-2");
    EXPECT_EQ(g.cellule(2, 2), "5");
    EXPECT_TRUE(g.ligne_vide(3));

    enregistre_grille(grille_variables, g);
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,3,4,5,6,7,8,,");
    EXPECT_EQ(partage.lignes_parametres[2], "b:-2,5,,");
    EXPECT_EQ(partage.lignes_parametres[3], "");
    EXPECT_EQ(partage.lignes_parametres[4], "");
    // The stored line still offers the values 1 to 8.
    EXPECT_EQ(valeurs_variable(partage.lignes_parametres[1]), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8}));

    // Shown and stored again without change: the same lines.
    Grille encore = remplit_grille(grille_variables, {});
    enregistre_grille(grille_variables, encore);
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,3,4,5,6,7,8,,");
    EXPECT_EQ(partage.lignes_parametres[2], "b:-2,5,,");
}

TEST_F(Grilles, VariablesAMoinsDeDeuxValeurs)
{
    Grille g = remplit_grille(grille_variables, {});
    ligne(g, 1, {"a", "1", "2"});
    ligne(g, 2, {"b", "7"});          // one value: the table ends here
    ligne(g, 3, {"c", "1", "2"});
    enregistre_grille(grille_variables, g);
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,,");
    EXPECT_EQ(partage.lignes_parametres[2], "");
    EXPECT_EQ(partage.lignes_parametres[3], "");

    // Blanks around cells are dropped, gaps skipped; a row without its letter
    // is left out; only the first character names the variable.
    Grille h = remplit_grille(grille_variables, {});
    ligne(h, 1, {" ab", " 1 ", "3", "", "5"});
    ligne(h, 2, {"", "4", "5"});
    ligne(h, 3, {"c", "6", "7"});
    enregistre_grille(grille_variables, h);
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,3,5,,");
    EXPECT_EQ(partage.lignes_parametres[2], "c:6,7,,");
    EXPECT_EQ(partage.lignes_parametres[3], "");
}

TEST_F(Grilles, VariablesLonguesEtNombreuses)
{
    // Twenty variables are all shown and kept; a line of many values keeps
    // whole values within its 150 characters, and its terminator.
    std::string longue = "z:";
    for (int v = 100; v < 160; ++v)
        longue += std::to_string(v) + ",";
    longue += ",";
    for (int r = 1; r <= 20; ++r)
        partage.lignes_parametres[static_cast<std::size_t>(r)] =
            std::string(1, static_cast<char>('a' + r - 1)) + ":1,2,,";
    partage.lignes_parametres[20] = longue;
    Grille g = remplit_grille(grille_variables, {});
    EXPECT_EQ(g.lignes(), 21);
    EXPECT_EQ(g.colonnes(), 61);
    EXPECT_EQ(g.cellule(20, 60), "159");
    enregistre_grille(grille_variables, g);
    EXPECT_EQ(partage.lignes_parametres[19], "s:1,2,,");
    const std::string &z = partage.lignes_parametres[20];
    EXPECT_LE(z.size(), 150u);
    EXPECT_EQ(z.substr(z.size() - 2), ",,");
    EXPECT_EQ(z.substr(0, 10), "z:100,101,");
    EXPECT_EQ(valeurs_variable(z).back(), 135);
}

TEST_F(Grilles, ModeInconnuNeChangeRien)
{
    partage.aides[1] = "garde";
    Grille g = remplit_grille(grille_aucune, {});
    EXPECT_TRUE(g.ligne_vide(1));
    enregistre_grille(grille_aucune, g);
    EXPECT_EQ(partage.aides[1], "garde");
    EXPECT_FALSE(partage.exercice_modifie);
}

} // namespace
