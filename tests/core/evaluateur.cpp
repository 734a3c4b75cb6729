#include "core/evaluateur.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <numbers>
#include <random>
#include <string>

#include "tests/core/evaluation_aleatoire.h"

namespace {

struct Cas {
    const char *texte;
    double x;
    double attendu;
};

void verifie(const Cas &c)
{
    const double v = evalue(c.texte, c.x);
    if (c.attendu == ERREUR_EVALUATION)
        EXPECT_EQ(v, ERREUR_EVALUATION) << c.texte << " at " << c.x;
    else
        EXPECT_NEAR(v, c.attendu, 1e-9 * std::max(1.0, std::fabs(c.attendu))) << c.texte << " at " << c.x;
}

const double E = ERREUR_EVALUATION;

TEST(Evalue, OrdinaryFormulas)
{
    const Cas cas[] = {
        {"2x+1", 3, 7},          {"x(x+1)", 2, 6},          {"(x+1)(x-1)", 3, 8},
        {"3x^2-2x+1", -2, 17},   {"2*(x+1)", 1.07, 4.14},   {"(x+1)/2", 3, 2},
        {"-(3)/(2)", 0, -1.5},   {"0.5x", 4, 2},            {".5+5.", 0, 5.5},
        {"3 x + 1", 2, 7},       {"2 5", 0, 25},            {"((((x))))", 4, 4},
        {"t+1", 2, 3},           {"X+T", 2, 4},             {"7", 99, 7},
        {"(2x+1)(2x-1)-(4x^2-1)", 1.7, 0},
    };
    for (const Cas &c : cas)
        verifie(c);
}

// Operators apply by priority (kind plus parenthesis depth), left to right
// among equals; a sign after an operator is a subtraction from 0 there; a
// function applies to its bracket before anything outside it.
TEST(Evalue, ItsOwnReadingOfPriorities)
{
    const Cas cas[] = {
        {"2*-3", 0, -3},          {"-x^2", 3, -9},         {"2^3^2", 0, 64},
        {"--2", 0, -2},           {"2^-1", 0, 0},          {"8/2/2", 0, 2},
        {"2-3-4", 0, -5},         {"+x", 5, 5},            {"(-x)^2", 3, 9},
        {"sin(x)^2", 1, std::sin(1.0) * std::sin(1.0)}, {"2^sin(x)", 1, std::pow(2.0, std::sin(1.0))},
        {"-cos(x)^2", 1, -std::cos(1.0) * std::cos(1.0)}, {"sqrt(x+3)^3", 1, 8},
        {"sincosx", 1, std::cos(std::sin(1.0))}, {"sin(cos(x))", 1, std::sin(std::cos(1.0))},
        {"sin x*2", 1, 2 * std::sin(1.0)},   {"sin+2", 0, 2},
        {"(2+3", 0, 5},           {"2+3)*4", 0, 20},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Evalue, OperationRules)
{
    const Cas cas[] = {
        // products are capped, whatever their sign
        {"10000000*1", 0, 9999999}, {"(-10000000)*2", 0, 9999999}, {"-10000000*2", 0, -9999999},
        {"9999998*1", 0, 9999999}, {"9999997*1", 0, 9999997},
        {"5000*2000", 0, 10000000},
        // division by a value of magnitude at most 0.00001 fails
        {"3.5/0", 1, E}, {"1/0.00001", 0, E}, {"1/0.00002", 0, 50000}, {"x/x", 0, E},
        // powers
        {"0^2", 0, 0}, {"0^-1", 0, -1}, {"(-0.0009)^0.5", 0, 0}, {"0.0009^0.5", 0, 0.03}, {"(-2)^3", 0, -8},
        {"(-8)^(1/3)", 0, 2}, {"(-2)^2.5", 0, std::pow(2.0, 2.5)}, {"(-2)^40000", 0, E},
        {"(-1)^40001", 0, 1}, {"2^0.5", 0, std::sqrt(2.0)}, {"2^43", 0, 5}, {"2^44", 0, E}, {"2^(-44)", 0, E},
        {"10^7", 0, 10000000},
        // guarded exponential, also inside powers
        {"exp(29)", 0, 5}, {"exp(-29)", 0, std::exp(-29.0)}, {"exp(30)", 0, E}, {"exp(-30)", 0, E},
        {"exp(1)", 0, std::numbers::e},
        // a result above 99 999 999 becomes 5; the intermediate values do not
        {"123456789", 0, 5}, {"99999999", 0, 99999999}, {"123456789-100000000", 0, 23456789},
        {"-123456789", 0, -123456789},
        // functions
        {"ln(0)", 0, E}, {"ln(-1)", 0, E}, {"ln(x)", std::numbers::e, 1},
        {"sqrt(4)", 0, 2}, {"sqrt(-0.1)", 0, E}, {"sqrt(0)", 0, 0}, {"rac(9)", 0, 3},
        {"abs(-2.5)", 0, 2.5}, {"atn(1)", 0, std::numbers::pi / 4}, {"cos(0)", 0, 1},
        {"sin(99999999999999999999)", 0, 0}, {"SQRT(9)", 0, 3},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Evalue, LettersAndNames)
{
    const double racine_de_1_1 = std::sqrt(1.1);
    const Cas cas[] = {
        {"i", 0, racine_de_1_1},       {"2i", 0, 2 * racine_de_1_1},  {"i^2", 0, 1.1},
        {"xi", 2, 2 * racine_de_1_1},  {"expi", 0, std::sqrt(std::exp(1.1))},
        {"pi", 0, std::numbers::pi},   {"2pi", 0, 2 * std::numbers::pi}, {"p", 0, std::numbers::pi},
        {"a+1", 5, 1},                 {"m*b+x", 5, 5},               {"acos(0)", 0, 0},
        {"c os(0)", 0, 1},             {"l n(1)", 0, 0},
        // letters outside the evaluator's alphabet
        {"tan(x)", 1, E}, {"y+1", 1, E}, {"e", 0, E}, {"sinh(1)", 0, E}, {"s in(1)", 0, E},
        {"abs in(1)", 0, E}, {"AB..arrow", 0, E}, {"x=2", 0, E}, {"2,5", 0, E},
    };
    for (const Cas &c : cas)
        verifie(c);
}

TEST(Evalue, BadInputGivesTheErrorValue)
{
    const Cas cas[] = {
        {"", 0, E},    {"   ", 0, E},  {"()", 0, E},     {"-", 0, E},       {"+", 0, E},
        {"2+", 0, E},  {"*2", 0, E},   {"2*/3", 0, E},   {"2()", 0, E},     {"sin", 0, E},
        {"sin()", 0, E}, {"sqrt", 0, E}, {"1.2.3", 0, E}, {".", 0, E},      {"2..5", 0, E},
        {"x x", 2, 4},  {"é", 0, E},    {"2\x01", 0, E},  {"2\t+1", 0, E},
    };
    for (const Cas &c : cas)
        verifie(c);
}

// The number of literals, operators and the depth of parentheses are only
// limited by the length of the text.
TEST(Evalue, LongFormulasAreComputed)
{
    EXPECT_DOUBLE_EQ(evalue("1+2+3+4+5+6+7+8+9+10+11+12", 0), 78);
    std::string somme = "0";
    for (int i = 0; i < 150; ++i)
        somme += "+x";
    EXPECT_DOUBLE_EQ(evalue(somme, 0.5), 75);
    const std::string imbrique = std::string(300, '(') + "x+1" + std::string(300, ')');
    EXPECT_DOUBLE_EQ(evalue(imbrique, 2), 3);
}

TEST(Evalue, HugeOrArbitraryTextReturnsQuickly)
{
    EXPECT_EQ(evalue(std::string(100000, '1'), 0), ERREUR_EVALUATION);
    EXPECT_EQ(evalue(std::string(10000, '(') + "1" + std::string(10000, ')'), 0), ERREUR_EVALUATION);
    EXPECT_EQ(evalue(std::string(300, '9'), 0), 5);
    EXPECT_EQ(evalue(std::string(400, '9'), 0), ERREUR_EVALUATION);   // beyond any real
    EXPECT_EQ(evalue(std::string(1024, '('), 0), ERREUR_EVALUATION);

    std::mt19937 alea(12345);
    const std::string alphabet = "0123456789.+-*/^() xtpmbaisqrtcolnexb\x01\xb4\xff";
    for (int essai = 0; essai < 5000; ++essai) {
        std::string texte(alea() % 60, ' ');
        for (char &c : texte)
            c = (alea() % 4 == 0) ? static_cast<char>(alea()) : alphabet[alea() % alphabet.size()];
        const double v = evalue(texte, 1.5);
        ASSERT_TRUE(std::isfinite(v)) << texte;
        ASSERT_EQ(std::signbit(v) && v == 0, false) << texte;
        ASSERT_EQ(evalue(texte, 1.5), v) << texte;
    }
}

TEST(Ordonne, TwoTextsByValueAtZero)
{
    std::string a = "3", b = "-1/2";
    ordonne_deux(a, b);
    EXPECT_EQ(a, "-1/2");
    EXPECT_EQ(b, "3");
    ordonne_deux(a, b);
    EXPECT_EQ(a, "-1/2");
    std::string c = "2", d = "1+1";   // equal values stay in place
    ordonne_deux(c, d);
    EXPECT_EQ(c, "2");
    std::string e = "1", f = "y";     // the error value is the smallest
    ordonne_deux(e, f);
    EXPECT_EQ(e, "y");
}

TEST(Ordonne, ThreeTextsWithTheirCompanions)
{
    const char *permutations[][3] = {{"1", "2", "3"}, {"3", "2", "1"}, {"2", "3", "1"},
                                     {"3", "1", "2"}, {"1", "3", "2"}, {"2", "1", "3"}};
    for (const auto &p : permutations) {
        std::string a = p[0], b = p[1], c = p[2];
        std::string ca = "c" + a, cb = "c" + b, cc = "c" + c;
        ordonne_trois(a, b, c, ca, cb, cc);
        EXPECT_EQ(a + b + c, "123");
        EXPECT_EQ(ca + cb + cc, "c1c2c3");
    }
    std::string a = "sqrt(2)", b = "-x", c = "1/3", brouillon = "?";
    ordonne_trois(a, b, c, brouillon, brouillon, brouillon);
    EXPECT_EQ(a + " " + b + " " + c, "-x 1/3 sqrt(2)");
    EXPECT_EQ(brouillon, "?");
}

std::string lance_cli(const std::string &arguments)
{
    std::string sortie;
    if (FILE *f = popen((std::string(VIVEZEZI_CLI) + " " + arguments).c_str(), "r")) {
        char tampon[256];
        while (std::fgets(tampon, sizeof tampon, f))
            sortie += tampon;
        pclose(f);
    }
    return sortie;
}

TEST(Evalue, CommandLine)
{
    EXPECT_EQ(lance_cli("evalue '2x+1' 3"), "7\n");
    EXPECT_EQ(lance_cli("evalue 'ln(x)' 0"), "-777777\n");
    EXPECT_EQ(lance_cli("evalue '1/3' 0"), "0.333333333333\n");
    EXPECT_EQ(lance_cli("ordonne_deux 3 -1/2"), "-1/2\t3\n");
    EXPECT_EQ(lance_cli("ordonne_trois 3 x -1"), "-1\tx\t3\n");
}

TEST(Evaluateur, ValeurDesFormesNormalesAleatoires)
{
    essai::Generateur generateur(77, false);
    int echecs = 0;
    for (int i = 0; i < 2000 && echecs < 10; ++i) {
        const std::string texte = generateur.expression(2);
        const std::string probleme = essai::verifie_avec_evalue(texte);
        if (!probleme.empty()) {
            ADD_FAILURE() << texte << ": " << probleme;
            ++echecs;
        }
    }
}

} // namespace
