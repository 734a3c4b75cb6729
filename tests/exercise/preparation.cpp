#include "exercise/preparation.h"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

#include "algebra/algebre.h"
#include "core/partage.h"

namespace {

class Preparation : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }

    // The history of the work: expression and action name of each entry.
    void historique(std::initializer_list<std::pair<std::string, std::string>> entrees)
    {
        int i = 0;
        for (const auto &[texte, action] : entrees) {
            partage.historique_expressions[static_cast<std::size_t>(++i)] = texte;
            partage.historique_commentaires[static_cast<std::size_t>(i)] = action;
        }
        partage.nombre_historique = i;
    }
};

TEST_F(Preparation, AidesDesEtapes)
{
    historique({{"2*(x+a)=4", "Expression de base"},
                {"2*x+2*a=4", "Il faut développer."},
                {"2*x+2*a-4=0", "Il faut développer."},
                {"2-a", "La solution est : "}});
    const ExercicePrepare r = preparer_exercice(std::string("ignored"));
    ASSERT_TRUE(r.fait && r.aides_refaites);
    EXPECT_EQ(r.liste_aides, (std::vector<std::string>{"AIDE 1", "Solution ", "AIDE(S)"}));
    EXPECT_EQ(partage.aides[1], "Il faut développer. (2 fois).");
    EXPECT_EQ(partage.penalites_aides[1], 2);
    EXPECT_EQ(partage.aides[2], "La solution est : [2-a]");
    EXPECT_EQ(partage.aides_affichees[2], partage.aides[2]);
    EXPECT_EQ(partage.penalites_aides[2], 4);
    EXPECT_EQ(partage.aides[3], "");
    EXPECT_EQ(partage.expression_base, "2*(x+a)=4");
    EXPECT_EQ(partage.expression_fichier, "2*(x+a)=4");
    EXPECT_EQ(partage.consigne, partage.consigne_initiale);
    EXPECT_EQ(partage.note, 20);

    ASSERT_EQ(partage.liste_solutions.size(), 2u);
    EXPECT_EQ(partage.liste_solutions.front().solution, "2-a");
    EXPECT_EQ(partage.liste_solutions.front().penalite, 0);
    EXPECT_EQ(partage.liste_solutions.front().commentaire, "Bravo, la réponse est juste !");
    EXPECT_EQ(partage.liste_solutions.back().solution, "");
    EXPECT_EQ(partage.liste_solutions.back().penalite, 10);
    EXPECT_EQ(partage.liste_solutions.back().commentaire, "Ce n'est pas la bonne réponse.");
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,3,4,5,6,7,8,9,");
    EXPECT_EQ(partage.lignes_parametres[2], "");
}

TEST_F(Preparation, DerniereActionSansSolution)
{
    historique({{"x+x", "Expression de base"}, {"2*x", "Il faut réduire."}});
    const ExercicePrepare r = preparer_exercice(std::string("x+x+0"));
    EXPECT_EQ(r.liste_aides, (std::vector<std::string>{"AIDE 1", "Solution ", "AIDE(S)"}));
    EXPECT_EQ(partage.aides[1], "Il faut réduire.");
    EXPECT_EQ(partage.aides[2], "La solution est :[2*x]");
    // One or two entries: the starting expression is step 1 of the work.
    EXPECT_EQ(partage.expression_base, "x+x+0");

    historique({{"x+x", "Expression de base"}, {"2*x", "Il faut réduire."}, {"2*x", "Autre"}});
    EXPECT_EQ(preparer_exercice(std::string("x+x+0")).liste_aides,
              (std::vector<std::string>{"AIDE 1", "AIDE 2", "Solution ", "AIDE(S)"}));
    EXPECT_EQ(partage.aides[2], "Autre");
    EXPECT_EQ(partage.expression_base, "x+x");
}

TEST_F(Preparation, AidesLimiteesAuxTrenteEmplacements)
{
    partage.nombre_historique = 40;
    for (int i = 1; i <= 40; ++i) {
        partage.historique_expressions[static_cast<std::size_t>(i)] = "x+" + std::to_string(i);
        partage.historique_commentaires[static_cast<std::size_t>(i)] = "Action " + std::to_string(i);
    }
    const ExercicePrepare r = preparer_exercice();
    ASSERT_EQ(r.liste_aides.size(), 31u);
    EXPECT_EQ(r.liste_aides[27], "AIDE 28");
    EXPECT_EQ(r.liste_aides[28], "AIDE 29");
    EXPECT_EQ(partage.aides[29], "Action 29");
    EXPECT_EQ(partage.aides[30], "La solution est :[x+40]");
    partage.nombre_historique = 1000;   // out of range: read as full
    EXPECT_EQ(preparer_exercice().liste_aides.size(), 31u);
}

TEST_F(Preparation, HistoriqueVide)
{
    partage.lignes_parametres[1] = "c:5,6,,";
    partage.lignes_parametres[2] = "z:1,";
    partage.liste_solutions.emplace_back("7", "0", "garde");
    const ExercicePrepare r = preparer_exercice(std::string("{\r\nc*x+a*y=1\r\nx=2\r\n}"));
    EXPECT_TRUE(r.fait);
    EXPECT_FALSE(r.aides_refaites);
    EXPECT_EQ(partage.expression_base, "{c*x+a*y=1\r\nx=2}");
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,3,4,5,6,7,8,9,");
    EXPECT_EQ(partage.lignes_parametres[2], "c:5,6,,");
    EXPECT_EQ(partage.lignes_parametres[3], "");
    EXPECT_EQ(partage.liste_solutions.size(), 1u);
}

TEST_F(Preparation, LesMotsDuLangageNeSontPasDesVariables)
{
    preparer_exercice(std::string("sqrt(b)+abs(x)+sin(x)+cos(x)+tan(x)+ln(x)+exp(x)+AB..arrow"));
    EXPECT_EQ(partage.lignes_parametres[1], "b:1,2,3,4,5,6,7,8,9,");
    EXPECT_EQ(partage.lignes_parametres[2], "");
}

TEST_F(Preparation, RienEnModeEleve)
{
    historique({{"x", "Expression de base"}, {"x", "a"}});
    partage.mode_eleve = true;
    partage.expression_base = "garde";
    EXPECT_FALSE(preparer_exercice(std::string("y")).fait);
    EXPECT_EQ(partage.expression_base, "garde");
}

TEST(Variables, ValeursOffertes)
{
    struct Cas {
        std::string ligne;
        std::vector<int> valeurs;
    };
    for (const Cas &c : {Cas{"a:1,2,3,", {1, 2}}, Cas{"a:1,2,,", {1, 2}}, Cas{"a:5,", {5}},
                         Cas{"a:-3, 4 ,x,9,", {-3, 4}}, Cas{"a:1,2,3", {1}}, Cas{"a:,", {}}, Cas{"a:", {}},
                         Cas{"", {}}, Cas{"a", {}}, Cas{"a:99999999999,1,", {}}})
        EXPECT_EQ(valeurs_variable(c.ligne), c.valeurs) << c.ligne;
}

TEST(Variables, ValeurEcrite)
{
    EXPECT_EQ(valeur_ecrite(3), "3");
    EXPECT_EQ(valeur_ecrite(12), "12");
    EXPECT_EQ(valeur_ecrite(-4), "(-4)");
    EXPECT_EQ(valeur_ecrite(0), "0");
}

class Instanciation : public Preparation {};

TEST_F(Instanciation, ValeursParDefautEntreUnEtHuit)
{
    std::set<std::string> vues;
    for (unsigned graine = 0; graine < 200; ++graine) {
        partage.lignes_parametres[1] = "a:1,2,3,4,5,6,7,8,9,";
        partage.expression_base = "a";
        partage.option_fractions = false;
        seme_hasard(graine);
        instancier_exercice();
        vues.insert(partage.expression_base);
    }
    EXPECT_EQ(vues, (std::set<std::string>{"1", "2", "3", "4", "5", "6", "7", "8"}));
}

TEST_F(Instanciation, MemeGraineMemesValeurs)
{
    auto tire = [](unsigned graine) {
        partage.lignes_parametres[1] = "a:1,2,3,4,5,6,7,8,9,";
        partage.lignes_parametres[2] = "b:10,20,30,40,";
        partage.expression_base = "a*x+b";
        seme_hasard(graine);
        instancier_exercice();
        return partage.expression_base;
    };
    EXPECT_EQ(tire(42), tire(42));
}

TEST_F(Instanciation, ValeursMisesPartout)
{
    partage.option_fractions = false;
    partage.lignes_parametres[1] = "a:3,,";
    partage.lignes_parametres[2] = "b:x,y,";        // nothing to draw: b stays
    partage.lignes_parametres[3] = "7:1,2,";        // not a letter
    partage.lignes_parametres[4] = "a:5,,";         // a second line for a: the first wins
    partage.expression_base = "a*x+[2*a]+b+[2*a";
    partage.aides[1] = "Calculer [2*a] puis [#2*a] et [] puis [a*et*a";
    partage.aides[2] = "sqrt [sqrt(a*a)] domain(x,a,inf,12)";
    partage.aides[4] = "après un vide";
    partage.liste_solutions.emplace_back("x*et*a", "0", "juste");
    partage.liste_solutions.emplace_back("2*a+x", "0", "juste");
    partage.liste_solutions.emplace_back("", "10", "faux");
    instancier_exercice();

    EXPECT_EQ(partage.expression_base, "3*x+(6)+b+[2*3");
    EXPECT_EQ(partage.aides_affichees[1],
              "Calculer 6 puis " + forme_lisible("2*3") + " et  puis [a*et*a");
    EXPECT_EQ(partage.aides_affichees[2], "sqrt 3 domain(x,a,inf,12)");
    EXPECT_EQ(partage.aides_affichees[4], "");
    EXPECT_EQ(partage.solutions_normalisees[1], "x*et*3");
    EXPECT_EQ(partage.solutions_normalisees[2], "x+6");
    EXPECT_EQ(partage.solutions_normalisees[3], "");
    EXPECT_EQ(partage.solutions_normalisees[4], "");

    partage.option_fractions = true;
    partage.expression_base = "a*x+[2*a]";
    instancier_exercice();
    EXPECT_EQ(partage.expression_base, "3*x+6");
}

// A drawn value enters as a factor, in brackets when negative, and the
// pupil sees the products computed with the terms in the teacher's order.
TEST_F(Instanciation, ValeursEntrentCommeFacteurs)
{
    struct Cas {
        const char *a, *b, *expression, *attendu;
    };
    const Cas cas[] = {
        {"2", "7", "2a(x+b)-ab", "4*(x+7)-14"},   {"-3", "1", "x-a", "x+3"},
        {"-3", "1", "a^2+bx", "9+x"},              {"1", "0", "ax+b", "x"},
        {"2", "5", "a(x+1)(x-b)", "2*(x+1)*(x-5)"}, {"2", "3", "sqrt(a)x+b/a", "sqrt(2)*x+3/2"},
        {"2", "3", "exp(x)+b", "exp(x)+3"},
    };
    for (const Cas &c : cas) {
        partage.option_fractions = false;
        partage.lignes_parametres[1] = std::string("a:") + c.a + ",,";
        partage.lignes_parametres[2] = std::string("b:") + c.b + ",,";
        partage.expression_base = c.expression;
        instancier_exercice();
        EXPECT_EQ(partage.expression_base, c.attendu) << c.expression;
    }
}

// The answers as the file holds them ("=" written "*et*"), drawn and kept by
// their meaning: a solved form becomes its values or its set, a list of
// values joined by "=" stays a list, the teacher's writing stays as written.
TEST_F(Instanciation, ReponsesAttendues)
{
    struct Cas {
        const char *enonce, *solution, *attendue;
    };
    const Cas cas[] = {
        {"2*x=1", "x*et*1/2", "1/2"},                {"2*x=a", "x*et*a/2", "3/2"},
        {"2*x<=4", "x<*et*2", "domain(x,-inf,2,14)"}, {"(x-1)*(x+a)=0", "(1)*et*(-a)", "1*et*-3"},
        {"x^2=2*x", "x^2*et*2*x", "x^2=2*x"},         {"4*x^2-9", "(2*x-3)*(2*x-3)", "(2*x-3)*(2*x-3)"},
        {"7/6+1/3", "9/6", "9/6"},                    {"a*x", "a*x+x", "4*x"},
    };
    for (const Cas &c : cas) {
        partage.liste_solutions.clear();
        partage.lignes_parametres[1] = "a:3,,";
        partage.expression_base = c.enonce;
        partage.liste_solutions.emplace_back(c.solution, "0", "juste");
        instancier_exercice();
        EXPECT_EQ(partage.solutions_normalisees[1], c.attendue) << c.enonce << " " << c.solution;
    }
}

TEST_F(Instanciation, VecteursGardentLeurMarque)
{
    partage.lignes_parametres[1] = "k:2,,";
    partage.expression_base = "k*AB..arrow";
    partage.liste_solutions.emplace_back("k*AB..arrow=CD..arrow", "0", "juste");
    instancier_exercice();
    EXPECT_EQ(partage.expression_base, "2*AB..arrow");
    EXPECT_EQ(partage.solutions_normalisees[1].find("*et*"), std::string::npos);
    EXPECT_NE(partage.solutions_normalisees[1].find("AB..arrow"), std::string::npos);
}

TEST_F(Instanciation, PlusDeQuinzeReponses)
{
    for (int i = 1; i <= 20; ++i)
        partage.liste_solutions.emplace_back(std::to_string(i), "0", "r");
    instancier_exercice();
    EXPECT_EQ(partage.solutions_normalisees[15], "15");
}

TEST_F(Instanciation, TextesQuelconques)
{
    for (const std::string &t : std::vector<std::string>{std::string(100000, '['), std::string(100000, 'a'),
                                                         std::string("[\x00\xff]]a[", 7), "[[[]]]"}) {
        partage.lignes_parametres[1] = "a:1,,";
        partage.expression_base = t;
        partage.aides[1] = t;
        partage.liste_solutions.clear();
        partage.liste_solutions.emplace_back(t, "0", "r");
        instancier_exercice();
    }
    SUCCEED();
}

} // namespace
