#include <gtest/gtest.h>

#include <chrono>
#include <cmath>
#include <random>
#include <string>
#include <vector>

#include "algebra/racines_carrees.h"
#include "core/evaluateur.h"
#include "core/partage.h"
#include "formula/normalise.h"

namespace {

// Same value at every sample point where both texts are defined, and at
// least one point where they are.
testing::AssertionResult meme_valeur(const std::string &avant, const std::string &apres)
{
    int comparees = 0;
    for (double x : {0.37, 1.3, 2.9, 4.1, 7.3}) {
        const double a = evalue(avant, x), b = evalue(apres, x);
        if (a == ERREUR_EVALUATION || b == ERREUR_EVALUATION)
            continue;
        ++comparees;
        if (std::fabs(a - b) > 1e-6 * std::max(1.0, std::fabs(a)))
            return testing::AssertionFailure() << avant << " = " << a << " but " << apres << " = " << b
                                               << " at x = " << x;
    }
    if (comparees == 0)
        return testing::AssertionFailure() << "no point where both " << avant << " and " << apres
                                           << " are defined";
    return testing::AssertionSuccess();
}

class RacinesCarrees : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
    std::mt19937 hasard{20261208};
    int tire(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); }
};

std::string apres_simplifie_entier(std::string t)
{
    simplifie_entier(t);
    return t;
}

TEST_F(RacinesCarrees, SimplifieEntierTakesTheFirstSquareOfTheTable)
{
    const std::pair<const char *, const char *> cas[] = {
        {"sqrt(12)", "2*sqrt(3)"},  {"sqrt(50)", "5*sqrt(2)"},   {"sqrt(7)", "fin"},
        {"sqrt(36)", "2*sqrt(9)"},  {"sqrt(867)", "17*sqrt(3)"}, {"sqrt(1)", "fin"},
        {"sqrt(012)", "2*sqrt(3)"}, {"sqrt(0.5)", "fin"},        {"sqrt(x)", "fin"},
        {"sqrt()", "fin"},          {"sqrt(12", "fin"},          {"12", "fin"},
        {"", "fin"},                {"sqrt(-12)", "fin"},
    };
    for (const auto &[entree, attendu] : cas)
        EXPECT_EQ(apres_simplifie_entier(entree), attendu) << entree;
}

TEST_F(RacinesCarrees, SimplifieEntierKeepsTheValueOfEveryWholeNumber)
{
    const unsigned carres[] = {4, 9, 25, 49, 121, 169, 289};
    for (unsigned n = 1; n <= 3000; ++n) {
        const std::string r = apres_simplifie_entier("sqrt(" + std::to_string(n) + ")");
        unsigned premier = 0;
        for (unsigned c : carres)
            if (premier == 0 && n % c == 0)
                premier = c;
        if (premier == 0) {
            EXPECT_EQ(r, "fin") << n;
            continue;
        }
        const unsigned k = static_cast<unsigned>(std::lround(std::sqrt(premier)));
        EXPECT_EQ(r, std::to_string(k) + "*sqrt(" + std::to_string(n / premier) + ")") << n;
    }
}

TEST_F(RacinesCarrees, SimplifieEntierReadsNumbersOfAnyLength)
{
    EXPECT_EQ(apres_simplifie_entier("sqrt(400000000000000000000000000000000000000012)"),
              "2*sqrt(100000000000000000000000000000000000000003)");
    EXPECT_EQ(apres_simplifie_entier("sqrt(" + std::string(100000, '7') + "00)").substr(0, 10), "2*sqrt(194");
}

TEST_F(RacinesCarrees, SimplifieRacinesTakesOneSquareOutPerCall)
{
    EXPECT_EQ(normalise(simplifie_racines("sqrt(12)")), "2*sqrt(3)");
    const std::string une_fois = normalise(simplifie_racines("sqrt(48)"));
    EXPECT_EQ(une_fois, "2*sqrt(12)");
    EXPECT_EQ(normalise(simplifie_racines(une_fois)), "4*sqrt(3)");
    EXPECT_EQ(normalise(simplifie_racines("sqrt(8)+3*sqrt(50)")), "17*sqrt(2)");
}

TEST_F(RacinesCarrees, SimplifieRacinesLeavesRootsWithLettersOrSigns)
{
    for (const char *t : {"sqrt(12*x)", "sqrt(x+12)", "sqrt(12-x)", "sqrt(7)"})
        EXPECT_EQ(normalise(simplifie_racines(t)), normalise(t)) << t;
    // A relation is not a member: it comes back whole.
    EXPECT_EQ(simplifie_racines("sqrt(12)=x"), "sqrt(12)=x");
}

TEST_F(RacinesCarrees, SimplifieRacinesKeepsTheValueOfGeneratedSums)
{
    for (int essai = 0; essai < 300; ++essai) {
        std::string somme;
        const int termes = tire(1, 5);
        for (int i = 0; i < termes; ++i) {
            const int c = tire(1, 9);
            somme += (i > 0 || tire(0, 1) ? (tire(0, 1) ? "+" : "-") : "") + std::to_string(c) + "*sqrt("
                     + std::to_string(tire(2, 700)) + ")" + (tire(0, 2) == 0 ? "*x" : "");
        }
        EXPECT_TRUE(meme_valeur(somme, simplifie_racines(somme)));
    }
}

TEST_F(RacinesCarrees, FusionneRacinesMergesTheRootsOfAProduct)
{
    const std::pair<const char *, const char *> cas[] = {
        {"sqrt(2)*sqrt(3)", "sqrt(6)"},
        {"(sqrt(3))^2", "3"},
        {"sqrt(2)*sqrt(3)+sqrt(5)*sqrt(5)", "sqrt(6)+5"},
        {"sqrt(x)", "sqrt(x)"},
    };
    for (const auto &[entree, attendu] : cas)
        EXPECT_EQ(normalise(fusionne_racines(entree)), attendu) << entree;
}

TEST_F(RacinesCarrees, FusionneRacinesConsultsTheOperatorsBetweenTheRoots)
{
    // Roots on either side of a "/" do not multiply, and a sum under a power
    // keeps its parentheses.
    for (const char *t : {"sqrt(2)/sqrt(3)", "sqrt(2)/x*sqrt(3)", "x/sqrt(2)*sqrt(8)", "1/sqrt(2)/sqrt(3)",
                          "sqrt(x+1)^3", "sqrt(x+1)*sqrt(x)", "2*sqrt(3)*sqrt(x)/sqrt(5)*sqrt(7)"}) {
        const std::string r = fusionne_racines(t);
        EXPECT_EQ(r.find("sqrt") , r.rfind("sqrt")) << t << " -> " << r;
        EXPECT_TRUE(meme_valeur(t, r)) << t;
    }
}

TEST_F(RacinesCarrees, FusionneRacinesLeavesAPowerOfASumAlone)
{
    EXPECT_EQ(fusionne_racines("(x+1)^2*sqrt(2)*sqrt(3)"), "(x+1)^2*sqrt(2)*sqrt(3)");
    EXPECT_EQ(fusionne_racines("sqrt(2)=sqrt(3)*sqrt(5)"), "sqrt(2)=sqrt(3)*sqrt(5)");
}

TEST_F(RacinesCarrees, FusionneRacinesKeepsTheValueOfGeneratedProducts)
{
    const char *facteurs[] = {"sqrt(2)", "sqrt(x)", "sqrt(x+1)", "sqrt(3*x)", "x", "3", "sqrt(5)^3", "(sqrt(x))^2"};
    for (int essai = 0; essai < 300; ++essai) {
        std::string produit = facteurs[tire(0, 7)];
        for (int i = tire(1, 5); i > 0; --i)
            produit += std::string(tire(0, 2) ? "*" : "/") + facteurs[tire(0, 7)];
        if (tire(0, 3) == 0)
            produit += "+sqrt(7)*sqrt(x)";
        EXPECT_TRUE(meme_valeur(produit, fusionne_racines(produit)));
    }
}

TEST_F(RacinesCarrees, DecomposeRacineSplitsARootOfAProduct)
{
    std::string t = "sqrt(6*x)";
    ASSERT_TRUE(decompose_racine(t));
    EXPECT_EQ(t, "sqrt(6)*sqrt(x)");
    t = "sqrt(2*x/(x+1))";
    ASSERT_TRUE(decompose_racine(t));
    EXPECT_TRUE(meme_valeur("sqrt(2*x/(x+1))", t));
    // The other factors of the member stay.
    t = "sqrt(6*x)/2";
    ASSERT_TRUE(decompose_racine(t));
    EXPECT_TRUE(meme_valeur("sqrt(6*x)/2", t)) << t;
}

TEST_F(RacinesCarrees, DecomposeRacineRefusesOtherShapes)
{
    for (const char *t : {"sqrt(x+1)", "sqrt(6)", "2*sqrt(6*x)", "sqrt(6*x)+1", "sqrt(6*x)=2", "sqrt(2)*sqrt(3)",
                          "(sqrt(2)*sqrt(3))*x", "", "sqrt(", "sqrt(6*x)*"}) {
        std::string s = t;
        EXPECT_FALSE(decompose_racine(s)) << t;
        EXPECT_EQ(s, t);
    }
}

TEST_F(RacinesCarrees, RecomposeRacineWritesOneRoot)
{
    std::string t = "sqrt(2)/sqrt(3)";
    ASSERT_TRUE(recompose_racine(t));
    EXPECT_EQ(t, "sqrt((2)/(3))");
    t = "sqrt(2)*sqrt(x)";
    ASSERT_TRUE(recompose_racine(t));
    EXPECT_EQ(t, "sqrt(2*x)");
    // Arguments of any length are kept whole.
    const std::string long_argument = "x+1+2+3+4+5+6+7+8+9+10+11+12+13+14";
    t = "sqrt(" + long_argument + ")*sqrt(x)";
    ASSERT_TRUE(recompose_racine(t));
    EXPECT_TRUE(meme_valeur("sqrt(" + long_argument + ")*sqrt(x)", t));
}

TEST_F(RacinesCarrees, RecomposeRacineRefusesOtherShapes)
{
    for (const char *t : {"sqrt(2)", "sqrt(2)*x", "sqrt(2)+sqrt(3)", "-sqrt(2)*sqrt(3)", "sqrt(2)^2*sqrt(3)",
                          "sqrt(2)*sqrt(3)=1", "(sqrt(2)+sqrt(3))*sqrt(5)", "*sqrt(2)"}) {
        std::string s = t;
        EXPECT_FALSE(recompose_racine(s)) << t;
        EXPECT_EQ(s, t);
    }
}

TEST_F(RacinesCarrees, DecomposeThenRecomposeKeepsTheValue)
{
    const char *arguments[] = {"2", "x", "3*x", "x+1", "x^2", "5"};
    for (int essai = 0; essai < 200; ++essai) {
        std::string argument = arguments[tire(0, 5)];
        for (int i = tire(1, 4); i > 0; --i)
            argument += std::string(tire(0, 3) ? "*" : "/") + "(" + arguments[tire(0, 5)] + ")";
        const std::string racine = "sqrt(" + argument + ")";
        std::string t = racine;
        if (decompose_racine(t)) {
            EXPECT_TRUE(meme_valeur(racine, t)) << t;
        }
        std::string u = t;
        if (recompose_racine(u)) {
            EXPECT_TRUE(meme_valeur(racine, u)) << t << " -> " << u;
        }
    }
}

TEST_F(RacinesCarrees, AnyTextReturnsQuickly)
{
    std::vector<std::string> textes = {
        "", "(", ")", "sqrt(", "sqrt(((", "sqrt(2)*", "*sqrt(2)", "sqrt(2)^", "^^^", "()*()", "x+-1", "Y",
        "(x+1)^99999", "sqrt(x)^99999", std::string(100000, 'x'), std::string(100000, '('),
        std::string(10000, '(') + "sqrt(12)" + std::string(10000, ')'), "\xff\xfe\x01sqrt(\x80)",
    };
    std::string produit = "sqrt(2)";
    for (int i = 0; i < 60; ++i)
        produit += "*sqrt(" + std::to_string(i) + ")";
    textes.push_back(produit);
    const auto debut = std::chrono::steady_clock::now();
    for (const std::string &t : textes) {
        std::string a = t, b = t, c = t;
        simplifie_entier(a);
        simplifie_racines(t);
        fusionne_racines(t);
        decompose_racine(b);
        recompose_racine(c);
    }
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(5));
}

} // namespace
