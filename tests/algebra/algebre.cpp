#include "algebra/algebre.h"

#include <random>
#include <string>
#include <tuple>
#include <vector>

#include <gtest/gtest.h>

#include "core/partage.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class Algebre : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

// A member's parts as the list of parts shows them, joined by "|", and the
// operators after them.
std::string pieces(const EnonceLu &e, const Membre &m)
{
    const std::vector<std::string> ecrits = morceaux_du_membre(e, m);
    std::string r;
    for (std::size_t k = 0; k < ecrits.size(); ++k)
        r += (k ? "|" : "") + std::string(morceau_sans_parentheses(m, k, ecrits[k])) + operateur_apres(m, k);
    return r;
}

TEST(PartiesDuMembre, PiecesOperatorsAndCaption)
{
    std::string dix_sept = "(a)";
    for (int i = 1; i < 17; ++i)
        dix_sept += "+(a)";
    const std::tuple<std::string, std::string, std::string> cas[] = {
        {"3*x^2-(x+1)*2+4", "3*x^2-|(x+1)*2+|4", "3 termes :"},
        // A product's factors lose their own brackets only.
        {"(x+1)*(x-1)", "x+1*|x-1", "2 facteurs :"},
        {"(x+1)^2*(a)(b)*3", "(x+1)^2*|(a)(b)*|3", "3 facteurs :"},
        // Parts 8 onwards fold into the eighth piece; behind a "-" or a "/"
        // the folded operators change so that the value stays.
        {"a*b*c*d*e*f*g*h*i*j", "a*|b*|c*|d*|e*|f*|g*|(h*i*j)", "10 facteurs :"},
        {"a+b+c+d+e+f+g-h+i-j", "a+|b+|c+|d+|e+|f+|g-|(h-i+j)", "10 termes :"},
        {"a*b*c*d*e*f*g/h*i/j", "a*|b*|c*|d*|e*|f*|g/|(h/i*j)", "10 facteurs :"},
        {dix_sept, "(a)+|(a)+|(a)+|(a)+|(a)+|(a)+|(a)+|((a)+(a)+(a)+(a)+(a)+(a)+(a)+(a)+(a)+(a))", "17 termes :"},
        // One piece under a power or a function is named by it.
        {"(x+1)^2", "(x+1)^2", "Carré de..."},
        {"x^3", "x^3", "Cube de..."},
        {"x^5", "x^5", "Puissance 5 de..."},
        {"x^1000", "x^1000", ""},
        {"sqrt(x)", "sqrt(x)", "Racine carrée de..."},
        {"sin(2*x)", "sin(2*x)", "Sinus de..."},
        {"ln(x)", "ln(x)", "Log. népérien de..."},
        {"abs(x-1)", "abs(x-1)", "Valeur absolue de..."},
        {"exp(x+1)", "exp(x+1)", "Exponentielle de..."},
        {"x", "x", ""},
        {"", "", ""},
    };
    for (const auto &[texte, attendues, libelle] : cas) {
        const EnonceLu e(texte);
        EXPECT_EQ(pieces(e, e.membres[0]), attendues) << texte;
        EXPECT_EQ(libelle_des_parties(e, e.membres[0]), libelle) << texte;
    }
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
        const EnonceLu e(t);
        EXPECT_LE(e.nature, SYSTEME);
        for (const std::string &piece : morceaux_du_membre(e, e.membres[0]))
            EXPECT_LE(separe_puissance(piece).developpe.size(), 200000u);
        std::string copie = t;
        groupe_fractions_numeriques(copie);
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, copie));
        EXPECT_FALSE(forme_lisible(t).empty());
    }
}

} // namespace
