#include "algebra/algebre.h"

#include <random>
#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "core/partage.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class Algebre : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

TEST_F(Algebre, RelationKindsAndMembers)
{
    struct Cas {
        std::string texte;
        int nature;
        std::string nettoye, gauche, droit;
        int position;
    };
    const Cas cas[] = {
        {"(x+1)", EXPRESSION, "x+1", "x+1", "", 0},
        {"(x+1)*(x-1)", EXPRESSION, "(x+1)*(x-1)", "(x+1)*(x-1)", "", 0},
        {"()", EXPRESSION, "()", "()", "", 0},
        {"(x", EXPRESSION, "(x", "(x", "", 0},
        {"((x))", EXPRESSION, "(x)", "(x)", "", 0},
        {"2x <= 5", INFERIEUR_OU_EGAL, "2x<=5", "2x", "5", 3},
        {"x>=1", SUPERIEUR_OU_EGAL, "x>=1", "x", "1", 2},
        {"x=>3", SUPERIEUR, "x=>3", "x=", "3", 3},
        {"2x+1=7", EQUATION, "2x+1=7", "2x+1", "7", 5},
        {"a<b<c", INFERIEUR, "a<b<c", "a", "b<c", 2},
        {"x+1=", EQUATION, "x+1=", "x+1", "", 4},
        {"x<=", INFERIEUR_OU_EGAL, "x<=", "x", "", 2},
        {"", EXPRESSION, "", "", "", 0},
    };
    for (const Cas &c : cas) {
        const TDalgebre e(c.texte);
        EXPECT_EQ(e.nature, c.nature) << c.texte;
        EXPECT_EQ(e.texte, c.nettoye) << c.texte;
        EXPECT_EQ(e.membre_gauche.texte, c.gauche) << c.texte;
        EXPECT_EQ(e.membre_droit.texte, c.droit) << c.texte;
        if (c.nature != EXPRESSION) {
            EXPECT_EQ(e.position_relation, c.position) << c.texte;
        }
    }
}

TEST_F(Algebre, Systems)
{
    const TDalgebre e("{\r\nx+y=2\r\nx-y=0\r\n}");
    EXPECT_EQ(e.nature, SYSTEME);
    EXPECT_EQ(e.texte, "x+y=2\r\nx-y=0");
    EXPECT_EQ(e.membre_gauche.texte, "x+y=2");
    EXPECT_EQ(e.membre_droit.texte, "x-y=0");
    EXPECT_EQ(e.position_relation, 6);
    EXPECT_EQ(e.mot_systeme, "équation");

    const TDalgebre compact("{x+y<2\r\nx-y<0}");
    EXPECT_EQ(compact.texte, "x+y<2\r\nx-y<0");
    EXPECT_EQ(compact.membre_droit.texte, "x-y<0");
    EXPECT_EQ(compact.mot_systeme, "inéquation");

    // Without a line break the system is one line; nothing is lost.
    const TDalgebre une_ligne("{x+y=2}");
    EXPECT_EQ(une_ligne.membre_gauche.texte, "x+y=2");
    EXPECT_EQ(une_ligne.membre_droit.texte, "");

    for (const char *court : {"{", "{\r", "{\r\n", "{\r\n}", "{a\r\n}"})
        EXPECT_EQ(TDalgebre(court).nature, SYSTEME) << court;
}

TEST_F(Algebre, EmptyTextGivesEmptyMembers)
{
    const TDalgebre e("");
    EXPECT_EQ(e.nature, EXPRESSION);
    for (const TDmembre *m : {&e.membre_gauche, &e.membre_droit}) {
        EXPECT_EQ(m->libelle, "");
        EXPECT_EQ(m->nb_additifs + m->nb_multiplicatifs + m->degre_total, 0);
        for (int k = 1; k <= 9; ++k)
            EXPECT_TRUE(m->morceaux[k].empty());
    }
}

TEST_F(Algebre, MemberPiecesDegreesAndCounts)
{
    const TDmembre m = TDalgebre("3*x^2-(x+1)*2+4").membre_gauche;
    EXPECT_EQ(m.libelle, "3 termes :");
    EXPECT_EQ(m.morceaux[1], "3*x^2");
    EXPECT_EQ(m.morceaux[2], "(x+1)*2");
    EXPECT_EQ(m.morceaux[3], "4");
    EXPECT_TRUE(m.morceaux[4].empty());
    EXPECT_EQ(m.operateurs_membre[1], "-");
    EXPECT_EQ(m.operateurs_membre[2], "+");
    EXPECT_EQ(m.operateurs_membre[3], "");
    EXPECT_EQ(m.degres[1], 2);
    EXPECT_EQ(m.degres[2], 1);
    EXPECT_EQ(m.degres[3], 0);
    EXPECT_EQ(m.degre_total, 3);
    EXPECT_EQ(m.nb_additifs, 2);
    EXPECT_EQ(m.nb_multiplicatifs, 0);
    EXPECT_EQ(m.exposants[1], 2);
    EXPECT_EQ(m.bases[1], "3*x");
    EXPECT_EQ(m.developpes[1], "3*x*x");
    EXPECT_EQ(m.texte_initial, m.texte);
}

TEST_F(Algebre, FactorsLoseTheirOwnParenthesesOnly)
{
    const TDmembre m = TDalgebre("(x+1)*(x-1)").membre_gauche;
    EXPECT_EQ(m.morceaux[1], "x+1");
    EXPECT_EQ(m.morceaux[2], "x-1");
    EXPECT_EQ(m.bases[1], "(x+1)");
    EXPECT_EQ(m.degres[2], 1);

    const TDmembre p = TDalgebre("(x+1)^2*(a)(b)*3").membre_gauche;
    EXPECT_EQ(p.morceaux[1], "(x+1)^2");
    EXPECT_EQ(p.morceaux[2], "(a)(b)");
}

TEST_F(Algebre, SinglePieceCaptions)
{
    const std::tuple<std::string, std::string, int, std::string, std::string> cas[] = {
        {"(x+1)^2", "Carré de...", 2, "(x+1)", "(x+1)*(x+1)"},
        {"x^3", "Cube de...", 3, "x", "x*x*x"},
        {"x^5", "Puissance 5 de...", 5, "x", "x*x*x*x*x"},
        {"sqrt(x)", "Racine carrée de...", CODE_SQRT, "x", "sqrt(x)"},
        {"sin(2*x)", "Sinus de...", CODE_SIN, "2*x", "sin(2*x)"},
        {"ln(x)", "Log. népérien de...", CODE_LN, "x", "ln(x)"},
        {"abs(x-1)", "Valeur absolue de...", CODE_ABS, "x-1", "abs(x-1)"},
        {"exp(x+1)", "Exponentielle de...", CODE_EXP, "x+1", "exp(x+1)"},
        {"x", "", 1, "x", "x"},
    };
    for (const auto &[texte, libelle, exposant, base, developpe] : cas) {
        const TDmembre m = TDalgebre(texte).membre_gauche;
        EXPECT_EQ(m.libelle, libelle) << texte;
        EXPECT_EQ(m.exposants[1], exposant) << texte;
        EXPECT_EQ(m.bases[1], base) << texte;
        EXPECT_EQ(m.developpes[1], developpe) << texte;
    }
    const TDmembre mille = TDalgebre("x^1000").membre_gauche;
    EXPECT_EQ(mille.libelle, "");
    EXPECT_EQ(mille.exposants[1], 1000);
}

TEST_F(Algebre, LongMembersFoldIntoTheEighthPiece)
{
    const TDmembre produit = TDalgebre("a*b*c*d*e*f*g*h*i*j").membre_gauche;
    EXPECT_EQ(produit.libelle, "10 facteurs :");
    EXPECT_EQ(produit.morceaux[7], "g");
    EXPECT_EQ(produit.morceaux[8], "(h*i*j)");
    EXPECT_TRUE(produit.morceaux[9].empty());
    EXPECT_EQ(produit.operateurs_membre[8], "");
    EXPECT_EQ(produit.nb_multiplicatifs, 7);

    // Behind a "-" the folded terms change sign so that the value stays.
    const TDmembre somme = TDalgebre("a+b+c+d+e+f+g-h+i-j").membre_gauche;
    EXPECT_EQ(somme.morceaux[8], "(h-i+j)");
    EXPECT_EQ(somme.operateurs_membre[7], "-");
    EXPECT_EQ(somme.nb_additifs, 7);
    const TDmembre quotient = TDalgebre("a*b*c*d*e*f*g/h*i/j").membre_gauche;
    EXPECT_EQ(quotient.morceaux[8], "(h/i*j)");

    // Seventeen parenthesised terms are still cut.
    std::string dix_sept = "(a)";
    for (int i = 1; i < 17; ++i)
        dix_sept += "+(a)";
    const TDmembre groupes = TDalgebre(dix_sept).membre_gauche;
    EXPECT_EQ(groupes.libelle, "17 termes :");
    EXPECT_EQ(groupes.morceaux[1], "(a)");
    EXPECT_EQ(groupes.nb_additifs, 7);
}

TEST(OutilsTexte, Degre)
{
    const std::pair<std::string, int> cas[] = {
        {"x^12+x^3", 12}, {"", 0},    {"2*x^2*x^3", 3}, {"y^2", 0},   {"x", 1},
        {"5", 0},         {"x^20", 20}, {"x^1000", 1000}, {"x^10", 10}, {"x^1", 1},
        {"x^", 1},        {"3*x^9-x^11", 11},
    };
    for (const auto &[texte, d] : cas)
        EXPECT_EQ(degre(texte), d) << texte;
    EXPECT_EQ(TDpoly("3*x^2").degre_terme, 2);
}

TEST(OutilsTexte, SeparePuissance)
{
    const std::tuple<std::string, std::string, int, std::string> cas[] = {
        {"3*x^3", "3*x", 3, "3*x*x*x"},
        {"2*(x+1)^2", "2*(x+1)", 2, "2*(x+1)*(x+1)"},
        {"x^2*y", "x*y", 2, "x*x*y"},
        {"x^", "x", 0, "x"},
        {"(x+1)", "(x+1)", 1, "(x+1)"},
        {"", "", 1, ""},
        {"tan(x)", "x", CODE_TAN, "tan(x)"},
        {"cos(x)", "x", CODE_COS, "cos(x)"},
        {"sqrt(2)", "2", CODE_SQRT, "sqrt(2)"},
        // Two calls are no single function piece.
        {"sin(x)*cos(x)", "sin(x)*cos(x)", 1, "sin(x)*cos(x)"},
        {"(x+1)^2)", "(x+1)^2)", 1, "(x+1)^2)"},
        // A function raised to a power is raised whole.
        {"sin(x)^2", "sin(x)", 2, "sin(x)*sin(x)"},
        {"exp(x)^2", "exp(x)", 2, "exp(x)*exp(x)"},
        {"3*sqrt(x+1)^3", "3*sqrt(x+1)", 3, "3*sqrt(x+1)*sqrt(x+1)*sqrt(x+1)"},
        {"2*é^2", "2*é", 2, "2*é*é"},
    };
    for (const auto &[piece, base, exposant, developpe] : cas) {
        const Puissance p = separe_puissance(piece);
        EXPECT_EQ(p.base, base) << piece;
        EXPECT_EQ(p.exposant, exposant) << piece;
        EXPECT_EQ(p.developpe, developpe) << piece;
    }
    // A huge exponent is not written out.
    const Puissance enorme = separe_puissance("x^99999999999");
    EXPECT_EQ(enorme.base, "x");
    EXPECT_EQ(enorme.developpe, "x^99999999999");
}

TEST(OutilsTexte, SmallTools)
{
    const std::pair<std::string, std::string> systemes[] = {
        {"{\r\na\r\nb\r\n}", "{a\r\nb}"},
        {"{a\r\nb}", "{a\r\nb}"},
        {"\r\n", "\r\n"},
        {"{\r\n}", "{}"},
    };
    for (const auto &[avant, apres] : systemes) {
        std::string s = avant;
        compacte_systeme(s);
        EXPECT_EQ(s, apres);
    }

    const std::pair<std::string, int> penalites[] = {
        {"3", 3}, {"-2", -2}, {"abc", 0}, {"", 0}, {"99999999999", 0}, {"4x", 0}};
    for (const auto &[texte, valeur] : penalites)
        EXPECT_EQ(TDsolu("x=1", texte, "bien").penalite, valeur) << texte;
}

TEST_F(Algebre, ParentheseFermanteEtRemplaceChaque)
{
    const std::tuple<std::string, std::size_t, std::size_t> groupes[] = {
        {"(a(b)c)d", 0, 6}, {"(a(b)c)d", 2, 4}, {"((x)", 0, std::string::npos},
        {"a(b)", 0, std::string::npos}, {"", 0, std::string::npos}, {"(", 5, std::string::npos},
    };
    for (const auto &[texte, ouvrante, fermante] : groupes)
        EXPECT_EQ(parenthese_fermante(texte, ouvrante), fermante) << texte << " at " << ouvrante;

    // One pass: what a replacement brings is not replaced again.
    const std::tuple<std::string, std::string, std::string, std::string> remplacements[] = {
        {"a+b+c", "+", "-", "a-b-c"}, {"aaa", "a", "aa", "aaaaaa"}, {"abab", "ab", "b", "bb"},
        {"xx", "x", "", ""},          {"abc", "", "z", "abc"},      {"", "a", "b", ""},
    };
    for (const auto &[avant, ancien, nouveau, apres] : remplacements) {
        std::string t = avant;
        remplace_chaque(t, ancien, nouveau);
        EXPECT_EQ(t, apres) << avant << " " << ancien << " -> " << nouveau;
    }
}

TEST_F(Algebre, GroupeFractionsNumeriques)
{
    const std::pair<std::string, std::string> cas[] = {
        {"1/2*3/4", "(1/2)*(3/4)"},
        {"2/3*x", "(2/3)*x"},
        {"2*x*y", "2*x*y"},
        {"3*x*(x+2)", "3*x*(x+2)"},
        {"-2*x^2*(x-1)^2", "-2*x^2*(x-1)^2"},
        {"x*(-3)*y", "x*(-3)*y"},
        {"2*(x+1)*3/4", "2*(x+1)*(3/4)"},
        {"(x+1)*2/3", "(x+1)*(2/3)"},
        {"2/3", "2/3"},
        {"x+1", "x+1"},
        {"x=1/2*3", "x=1/2*3"},
    };
    for (const auto &[avant, apres] : cas) {
        std::string t = avant;
        groupe_fractions_numeriques(t);
        EXPECT_EQ(t, apres) << avant;
    }
}

TEST_F(Algebre, SepareFraction)
{
    const std::tuple<std::string, std::string, std::string> cas[] = {
        {"(x+1)/(x-1)", "x+1", "x-1"},
        {"x", "x", "1"},
        {"a/b/c", "a/b/c", "1"},
        {"2*x", "2*x", "1"},
    };
    for (const auto &[texte, numerateur, denominateur] : cas) {
        std::string n = texte, d;
        separe_fraction(n, d);
        EXPECT_EQ(n, numerateur) << texte;
        EXPECT_EQ(d, denominateur) << texte;
    }
}

TEST(OutilsTexte, FormeLisible)
{
    const std::pair<std::string, std::string> cas[] = {
        {"AB..arrow", "vecteurAB"},
        {"o..arrow", "vecteurNul"},
        {"2*x^2", "2·x²"},
        {"x^3+(x+1)^2", "x³+(x+1)²"},
        {"x^23-x^2.5", "x^23-x^2.5"},
        {"sqrt(2)", "racine(2)"},
        {"u..arrow", "vecteuru"},
        {"2*AB..arrow+o..arrow", "2·vecteurAB+vecteurNul"},
        {"..arrow", "vecteur"},
        {"", ""},
    };
    for (const auto &[avant, apres] : cas)
        EXPECT_EQ(forme_lisible(avant), apres) << avant;
}

TEST_F(Algebre, BadInputStaysSafe)
{
    std::string somme = "x";
    for (int i = 0; i < 20000; ++i)
        somme += "+x^2";
    const std::string textes[] = {
        std::string(100000, 'x'),
        somme,
        outils::entre_parentheses("x"),
        std::string(10000, '(') + "x",
        "x)" + std::string(10000, ')') + "=(" + std::string(10000, '('),
        "{" + std::string(50000, '\r'),
        "x^999999999*(x+1)^99999",
        outils::octets_au_hasard(100000, 11),
    };
    for (const std::string &t : textes) {
        const TDalgebre e(t);
        EXPECT_LE(e.nature, SYSTEME);
        EXPECT_LE(e.membre_gauche.developpes[1].size(), 200000u);
        std::string copie = t;
        groupe_fractions_numeriques(copie);
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, copie));
        EXPECT_FALSE(forme_lisible(t).empty());
    }
}

} // namespace
