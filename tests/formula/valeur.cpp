#include "formula/valeur.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

#include "formula/lecteur.h"

namespace {

// The reader's rules, no cap, no value where mathematics gives none.
TEST(Valeur, OrdinaryRules)
{
    struct Cas {
        const char *texte;
        double x;
        std::optional<double> attendu;
    };
    const Cas cas[] = {
        {"2x+1", 3, 7},            {"x(x+1)", 2, 6},             {"2*-x", 3, -6},
        {"-x^2", 3, -9},           {"2^3^2", 0, 512},            {"10^-3", 0, 0.001},
        {"150000000", 0, 1.5e8},   {"10000000*1", 0, 1e7},       {"exp(30)", 0, std::exp(30.0)},
        {"tan(x)", 1, std::tan(1.0)},                            {"sqrt(4)", 0, 2},
        {"0^2", 0, 0},             {"(-2)^3", 0, -8},            {"(-8)^(1/3)", 0, std::nullopt},
        {"ln(0)", 0, std::nullopt}, {"3.5/0", 1, std::nullopt},  {"sqrt(x)", -1, std::nullopt},
        {"0^(-1)", 0, std::nullopt}, {"x+777777", 0, 777777},    {"1/(x-1)", 1, std::nullopt},
        {"x+", 0, std::nullopt},   {"x=1", 1, std::nullopt},     {"AB..arrow", 0, std::nullopt},
    };
    for (const Cas &c : cas) {
        const std::optional<double> v = valeur(c.texte, c.x);
        ASSERT_EQ(v.has_value(), c.attendu.has_value()) << c.texte;
        if (v)
            EXPECT_NEAR(*v, *c.attendu, 1e-12 * std::max(1.0, std::fabs(*c.attendu))) << c.texte;
    }
    EXPECT_EQ(valeur_ordinaire("1/0", 0).lecture, Definition::indefinie);
    EXPECT_EQ(valeur_ordinaire("x=1", 0).lecture, Definition::illisible);
    EXPECT_EQ(valeur_ordinaire("exp(1000)", 0).lecture, Definition::hors_limites);
}

// Exact while the numbers allow: values told apart however close, sums that
// cancel computed without loss.
TEST(Valeur, ExactWhereTheNumbersAllow)
{
    const Rationnel x = *Rationnel(107).divise(Rationnel(100));
    const auto en = [&](const char *texte) { return valeur_exacte(*lis_formule(texte), x); };
    EXPECT_EQ(en("(x+10^5)^2-(x-10^5)^2").exact, Rationnel(428000));
    EXPECT_EQ(en("10^-3").exact, *Rationnel(1).divise(Rationnel(1000)));
    EXPECT_TRUE(meme_nombre(en("sqrt(8)"), en("2*sqrt(2)")));
    EXPECT_FALSE(meme_nombre(en("1/3"), en("0.3333333333333")));
    EXPECT_FALSE(meme_nombre(en("sqrt(2)"), en("1.41421356237")));
    EXPECT_TRUE(meme_nombre(en("sqrt(2)*(x+10^5)^2-sqrt(2)*(x-10^5)^2"), en("400000*sqrt(2)*x")));
    EXPECT_TRUE(vaut_zero(en("sin(x)^2+cos(x)^2-1")));
    EXPECT_FALSE(vaut_zero(en("10^-20")));
    // A long product leaves the exact numbers past their digit cap, at once.
    std::string produit = "x";
    for (int k = 1; k < 3000; ++k)
        produit += "*x";
    EXPECT_TRUE(meme_nombre(en(produit.c_str()), en("x^3000")));
    EXPECT_EQ(valeur_constante("2x"), std::nullopt);
    EXPECT_EQ(valeur_constante("2^10"), 1024);
}

} // namespace
