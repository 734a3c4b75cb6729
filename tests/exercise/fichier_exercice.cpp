#include "exercise/fichier_exercice.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "core/configuration.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace fs = std::filesystem;

namespace {

class FichierExercice : public ::testing::Test {
protected:
    fs::path dossier;

    void SetUp() override
    {
        remet_a_zero_complet();
        std::random_device alea;
        dossier = fs::temp_directory_path() /
                  ("vivezezi-exercice-" + std::to_string(alea()) + std::to_string(alea()));
        fs::create_directories(dossier);
    }
    void TearDown() override
    {
        std::error_code e;
        fs::remove_all(dossier, e);
    }

    fs::path fichier() const { return dossier / "exercice.alg"; }
    void ecrit(const std::string &octets) const { std::ofstream(fichier(), std::ios::binary) << octets; }
    std::string contenu() const
    {
        std::ifstream f(fichier(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    Exercice lu() const
    {
        Exercice e;
        EXPECT_EQ(lire_exercice(fichier(), e), LectureExercice::reussie);
        return e;
    }
};

// An exercise that uses every field, FRACTIONS off so that the starting
// expression comes back as written.
Exercice exercice_complet()
{
    Exercice e;
    e.consigne = "Résoudre le système · ²";
    e.expression_fichier = "{\r\na*x+y=2\r\nx-y=b\r\n}";
    e.expression_base = "{a*x+y=2\r\nx-y=b}";
    e.tailles = {0, 24, 18, 20, 30};
    e.lignes_parametres[1] = "a:1,2,3,,";
    e.lignes_parametres[2] = "b:5,-7,";
    e.solutions.emplace_back("x*et*1*et*y*et*2", "3", "Presque");
    e.solutions.emplace_back("x*et*[a]*et*y*et*1", "0", "Bravo, la réponse est juste !");
    e.solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
    e.options = {true, false, true, false, false, true, true};
    e.aides = {{"AIDE 1", "Substituer (2 fois).", 2}, {"Solution ", "La solution est :[x=1]", 4}};
    e.liste_aides = true;
    e.aides_a_imprimer = true;
    e.domaine = {"-3", "inf", "[a]", "12", false, true, true, false};
    return e;
}

void compare(const Exercice &a, const Exercice &b)
{
    EXPECT_EQ(a.consigne, b.consigne);
    EXPECT_EQ(a.expression_base, b.expression_base);
    for (std::size_t i = 1; i <= 4; ++i)
        EXPECT_EQ(a.tailles[i], b.tailles[i]) << i;
    EXPECT_EQ(a.lignes_parametres, b.lignes_parametres);
    ASSERT_EQ(a.solutions.size(), b.solutions.size());
    for (std::size_t i = 0; i < a.solutions.size(); ++i) {
        EXPECT_EQ(a.solutions[i].solution, b.solutions[i].solution);
        EXPECT_EQ(a.solutions[i].commentaire, b.solutions[i].commentaire);
        EXPECT_EQ(a.solutions[i].penalite, b.solutions[i].penalite);
    }
    EXPECT_EQ(a.options, b.options);
    ASSERT_EQ(a.aides.size(), b.aides.size());
    for (std::size_t i = 0; i < a.aides.size(); ++i) {
        EXPECT_EQ(a.aides[i].titre, b.aides[i].titre);
        EXPECT_EQ(a.aides[i].texte, b.aides[i].texte);
        EXPECT_EQ(a.aides[i].penalite, b.aides[i].penalite);
    }
    EXPECT_EQ(a.liste_aides, b.liste_aides);
    EXPECT_EQ(a.aides_a_imprimer, b.aides_a_imprimer);
    const DomaineDefinition &x = a.domaine, &y = b.domaine;
    EXPECT_EQ(std::tie(x.borne_inf_1, x.borne_sup_1, x.borne_inf_2, x.borne_sup_2),
              std::tie(y.borne_inf_1, y.borne_sup_1, y.borne_inf_2, y.borne_sup_2));
    EXPECT_EQ(std::tie(x.crochet_1a, x.crochet_1b, x.crochet_2a, x.crochet_2b),
              std::tie(y.crochet_1a, y.crochet_1b, y.crochet_2a, y.crochet_2b));
}

const std::string FICHIER_COMPLET = "R\xE9soudre le syst\xE8me \xB7 \xB2\r\n"
                                    "{a*x+y=2@x-y=b}\r\n"
                                    "fonte:24\r\nfonte:18\r\nfonte:20\r\nfonte:30\r\n"
                                    "a:1,2,3,,\r\nb:5,-7,\r\n"
                                    "solution:x=1=y=2\r\ncomment:Presque\r\nnote:3\r\n"
                                    "solution:x=[a]=y=1\r\ncomment:Bravo, la r\xE9ponse est juste !\r\nnote:0\r\n"
                                    "solution:\r\ncomment:Ce n'est pas la bonne r\xE9ponse.\r\nnote:10\r\n"
                                    "options\r\nREDUIRE:VRAI\r\nFRACTIONS:FAUX\r\nRACINES:VRAI\r\nKALKUL:FAUX\r\n"
                                    "SIMPLIF:FAUX\r\nFACTORIZ:VRAI\r\nDEVELOPPE:VRAI\r\nfinoptions\r\n"
                                    "aide\r\nAIDE 1:Substituer (2 fois).\r\nnote:2\r\n"
                                    "Solution :La solution est :[x=1]\r\nnote:4\r\nfinaide\r\n"
                                    "ens_def\r\n-3\r\nFAUX\r\ninf\r\nVRAI\r\n[a]\r\nVRAI\r\n12\r\nFAUX\r\nfinens_def\r\n";

TEST_F(FichierExercice, EcritureLigneParLigneEnWindows1252)
{
    ASSERT_TRUE(sauver_exercice(fichier(), exercice_complet()));
    EXPECT_EQ(contenu(), FICHIER_COMPLET);
    EXPECT_FALSE(fs::exists(dossier / "exercice.alg.tmp"));
}

TEST_F(FichierExercice, AllerRetourDeChaqueChamp)
{
    ASSERT_TRUE(sauver_exercice(fichier(), exercice_complet()));
    const Exercice e = lu();
    compare(e, exercice_complet());
    // The saved copy keeps the "@" of the file.
    EXPECT_EQ(e.expression_fichier, "{a*x+y=2@x-y=b}");
    ASSERT_TRUE(sauver_exercice(fichier(), e));
    EXPECT_EQ(contenu(), FICHIER_COMPLET);
}

TEST_F(FichierExercice, AllerRetourParLeRegistrePartage)
{
    const Exercice e = exercice_complet();
    installe_exercice(e);
    EXPECT_EQ(partage.note, 20);
    EXPECT_EQ(partage.aides[2], "La solution est :[x=1]");
    EXPECT_EQ(partage.penalites_aides[2], 4);
    EXPECT_TRUE(partage.option_factoriz);
    EXPECT_FALSE(partage.option_kalkul);
    EXPECT_EQ(partage.borne_inf_2, "[a]");
    EXPECT_EQ(partage.liste_solutions.size(), 3u);
    compare(exercice_en_cours({"AIDE 1", "Solution "}, e.tailles), e);
}

TEST_F(FichierExercice, VecteursGardentLeSigneEgal)
{
    Exercice e;
    e.expression_fichier = e.expression_base = "AB..arrow+BC..arrow";
    e.solutions.emplace_back("AB..arrow+BC..arrow=AC..arrow", "0", "Bien");
    ASSERT_TRUE(sauver_exercice(fichier(), e));
    EXPECT_NE(contenu().find("solution:AB..arrow+BC..arrow=AC..arrow\r\n"), std::string::npos);
    EXPECT_EQ(lu().solutions.at(0).solution, "AB..arrow+BC..arrow=AC..arrow");
}

TEST_F(FichierExercice, LectureDUnFichierEcritALaMain)
{
    ecrit("Consigne\r\n2x+1=3\r\nfonte:abc\r\nfonte:-4\r\nfonte:\r\nfonte: 22 \r\n"
          "solution:$x=1\r\ncomment:oui\r\nnote:zero\r\n"
          "Solution:x=2\r\ncomment:non\r\nnote:5\r\n"
          "options\r\nreduire:VRAI\r\nFRACTIONS:vrai\r\nRACINES:VRAI\r\nINCONNU:VRAI\r\nKALKUL:\r\nfinoptions\r\n"
          "aide\r\nsans deux points\r\nnote:x\r\nT:a:b\r\nnote:+3\r\nfinaide\r\n"
          "ens_def\r\n1\r\nVRAI\r\n2\r\nvrai\r\n\r\nFAUX\r\n\r\nVRAI\r\nfinens_def\r\n");
    Exercice e;
    e.options = {true, true, false, true, true, true, true};
    ASSERT_EQ(lire_exercice(fichier(), e), LectureExercice::reussie);
    EXPECT_EQ(e.tailles, (std::array<int, 5>{20, 20, 20, 20, 22}));
    ASSERT_EQ(e.solutions.size(), 2u);
    EXPECT_EQ(e.solutions[0].solution, "x*et*1");
    EXPECT_EQ(e.solutions[0].penalite, 0);
    EXPECT_EQ(e.solutions[1].solution, "x*et*2");
    EXPECT_EQ(e.solutions[1].penalite, 5);
    // reduire: matches no key (case counts) and keeps its value; KALKUL without VRAI is false.
    EXPECT_EQ(e.options, (std::array<bool, 7>{true, false, true, false, true, true, true}));
    ASSERT_EQ(e.aides.size(), 2u);
    EXPECT_EQ(e.aides[0].titre, "");
    EXPECT_EQ(e.aides[0].texte, "sans deux points");
    EXPECT_EQ(e.aides[0].penalite, 0);
    EXPECT_EQ(e.aides[1].titre, "T");
    EXPECT_EQ(e.aides[1].texte, "a:b");
    EXPECT_EQ(e.aides[1].penalite, 3);
    EXPECT_EQ(e.domaine.borne_sup_1, "2");
    EXPECT_TRUE(e.domaine.crochet_1a);
    EXPECT_FALSE(e.domaine.crochet_1b);
    EXPECT_TRUE(e.domaine.crochet_2b);
}

TEST_F(FichierExercice, OptionFractionsDonneLaFormeNormale)
{
    ecrit("c\r\n{ x + y = 2 @x-y=0}\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n"
          "options\r\nFRACTIONS:VRAI\r\nfinoptions\r\n");
    const Exercice e = lu();
    EXPECT_EQ(e.expression_base, normalise("{ x + y = 2 \r\nx-y=0}"));
    EXPECT_EQ(e.expression_fichier, "{ x + y = 2 @x-y=0}");
}

TEST_F(FichierExercice, FichierIllisibleGardeLExerciceEnMain)
{
    const Exercice avant = exercice_complet();
    for (const fs::path &chemin : {dossier / "absent.alg", dossier}) {
        Exercice e = avant;
        EXPECT_EQ(lire_exercice(chemin, e), LectureExercice::fichier_illisible);
        compare(e, avant);
    }
}

TEST_F(FichierExercice, EchecDeSauvegardeGardeLAncienFichier)
{
    ecrit("ancien\r\n");
    fs::create_directory(dossier / "exercice.alg.tmp");
    EXPECT_FALSE(sauver_exercice(fichier(), exercice_complet()));
    EXPECT_EQ(contenu(), "ancien\r\n");
    EXPECT_FALSE(sauver_exercice(dossier / "pas de dossier" / "x.alg", exercice_complet()));
}

TEST_F(FichierExercice, CheminDePlusDe78Caracteres)
{
    fs::path profond = dossier;
    for (int i = 0; i < 5; ++i)
        profond /= "dossier des exercices de la classe numéro " + std::to_string(i);
    fs::create_directories(profond);
    const fs::path chemin = profond / "équations.alg";
    ASSERT_TRUE(sauver_exercice(chemin, exercice_complet()));
    Exercice e;
    ASSERT_EQ(lire_exercice(chemin, e), LectureExercice::reussie);
    compare(e, exercice_complet());
}

TEST_F(FichierExercice, SansReponseLesBlocsSuivantsSontLus)
{
    Exercice e = exercice_complet();
    e.solutions.clear();
    e.aides_a_imprimer = false;
    ASSERT_TRUE(sauver_exercice(fichier(), e));
    compare(lu(), e);
}

TEST_F(FichierExercice, SansBlocOptionsLesAidesSontLues)
{
    ecrit("c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n"
          "solution:x\r\ncomment:c\r\nnote:0\r\n"
          "aide\r\nA:texte\r\nnote:1\r\nfinaide\r\n");
    EXPECT_EQ(lu().aides.size(), 1u);
}

TEST_F(FichierExercice, TropDeReponsesDAidesEtDeVariables)
{
    std::string f = "c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n";
    for (int i = 1; i <= 25; ++i)
        f += "a:" + std::string(200, '1') + "\r\n";
    for (int i = 1; i <= 20; ++i)
        f += "solution:x=" + std::to_string(i) + "\r\ncomment:c\r\nnote:" + std::to_string(i) + "\r\n";
    f += "options\r\nfinoptions\r\naide\r\n";
    for (int i = 1; i <= 40; ++i)
        f += "AIDE " + std::to_string(i) + ":texte " + std::to_string(i) + "\r\nnote:" + std::to_string(i) + "\r\n";
    f += "finaide\r\nens_def\r\n0\r\nVRAI\r\n1\r\nVRAI\r\n\r\nVRAI\r\n\r\nVRAI\r\n";
    ecrit(f);
    const Exercice e = lu();
    for (std::size_t i = 1; i <= LIGNES_PARAMETRES_MAX; ++i)
        EXPECT_EQ(e.lignes_parametres[i], "a:" + std::string(148, '1'));
    ASSERT_EQ(e.solutions.size(), SOLUTIONS_MAX);
    EXPECT_EQ(e.solutions.back().solution, "x*et*15");
    ASSERT_EQ(e.aides.size(), AIDES_MAX);
    EXPECT_EQ(e.aides.back().titre, "AIDE 29");
    EXPECT_EQ(e.aides.back().texte, "texte 29");
    EXPECT_EQ(e.aides.back().penalite, 29);
    EXPECT_EQ(e.domaine.borne_inf_1, "0");
}

TEST_F(FichierExercice, FichiersCoupesChargentCeQuiPeutLEtre)
{
    // A last "solution:" line without its comment and note is not an answer.
    ecrit("c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nsolution:x=1\r\ncomment:c\r\nnote:0\r\n"
          "solution:x=2\r\n");
    EXPECT_EQ(lu().solutions.size(), 1u);
    ecrit("c\r\nx\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\nsolution:x=1\r\ncomment:c\r\n");
    EXPECT_TRUE(lu().solutions.empty());

    // Every prefix of a complete file loads without fault, and never more
    // than the whole file gives.
    for (std::size_t n = 0; n <= FICHIER_COMPLET.size(); ++n) {
        ecrit(FICHIER_COMPLET.substr(0, n));
        Exercice e;
        ASSERT_EQ(lire_exercice(fichier(), e), LectureExercice::reussie);
        EXPECT_LE(e.solutions.size(), 3u);
        EXPECT_LE(e.aides.size(), 2u);
        for (const TDsolu &s : e.solutions)
            EXPECT_NE(s.commentaire, "");
    }
}

TEST_F(FichierExercice, DechetsEtLignesEnormes)
{
    std::mt19937 alea(11);
    for (int essai = 0; essai < 200; ++essai) {
        std::string octets(alea() % 4000, '\0');
        for (char &c : octets)
            c = static_cast<char>(alea() % 5 == 0 ? '\n' : alea() % 256);
        if (essai % 2)   // garbage inside a real file
            octets = FICHIER_COMPLET.substr(0, alea() % FICHIER_COMPLET.size()) + octets;
        ecrit(octets);
        Exercice e;
        ASSERT_EQ(lire_exercice(fichier(), e), LectureExercice::reussie);
        EXPECT_LE(e.solutions.size(), SOLUTIONS_MAX);
        EXPECT_LE(e.aides.size(), AIDES_MAX);
        EXPECT_TRUE(sauver_exercice(dossier / "copie.alg", e));
    }
    ecrit(std::string(3 * LONGUEUR_MAX_LIGNE, 'x') + "\r\nexpression\r\n");
    const Exercice e = lu();
    EXPECT_EQ(e.consigne.size(), LONGUEUR_MAX_LIGNE);
    EXPECT_EQ(e.expression_base, "expression");
}

TEST_F(FichierExercice, TexteSurPlusieursLignesNeCassePasLeFichier)
{
    Exercice e = exercice_complet();
    e.consigne = "deux\r\nlignes";
    e.aides[0].titre = "titre:avec deux points";
    ASSERT_TRUE(sauver_exercice(fichier(), e));
    const Exercice relu = lu();
    EXPECT_EQ(relu.consigne, "deux@lignes");
    EXPECT_EQ(relu.aides[0].titre, "titre avec deux points");
    EXPECT_EQ(relu.aides[0].texte, e.aides[0].texte);
    EXPECT_EQ(relu.solutions.size(), e.solutions.size());
}

} // namespace
