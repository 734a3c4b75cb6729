#include "formula/rationnel.h"

#include <gtest/gtest.h>

#include <string>
#include <string_view>

namespace {

// A literal, with an optional leading "-".
Rationnel lu(std::string_view t)
{
    if (!t.empty() && t[0] == '-')
        return -lu(t.substr(1));
    return Rationnel::depuis_decimal(t).value();
}

TEST(Rationnel, LectureEtEcriture)
{
    const struct {
        const char *lu;
        const char *texte;
        const char *decimal;
    } cas[] = {
        {"0.500000", "1/2", "0.5"},    {"2.000000", "2", "2"},     {"0.125", "1/8", "0.125"},
        {".5", "1/2", "0.5"},          {"5.", "5", "5"},           {"0012", "12", "12"},
        {"0.0001", "1/10000", "0.0001"},
        {"123456789012345678901234567890", "123456789012345678901234567890", "123456789012345678901234567890"},
        {"0.000000000001", "1/1000000000000", "0.000000000001"},
    };
    for (const auto &c : cas) {
        const Rationnel r = lu(c.lu);
        EXPECT_EQ(r.en_texte(), c.texte) << c.lu;
        EXPECT_EQ(r.en_decimal().value_or("none"), c.decimal) << c.lu;
    }
    for (const char *t : {"", ".", "1.2.3", "1a", "-1", "1e5"})
        EXPECT_FALSE(Rationnel::depuis_decimal(t)) << t;
    EXPECT_FALSE(lu("1").divise(lu("3"))->en_decimal());
    EXPECT_EQ((-*lu("1").divise(lu("40"))).en_decimal().value_or(""), "-0.025");
}

// Arithmetic stays exact across the change from machine integers to GMP.
TEST(Rationnel, ArithmetiqueExacteAuDelaDesEntiersMachine)
{
    const Rationnel grand = lu("2147483647");
    EXPECT_EQ((grand + Rationnel(1)).en_texte(), "2147483648");
    EXPECT_EQ((grand * grand).en_texte(), "4611686014132420609");
    EXPECT_EQ((grand * grand - grand * grand).en_texte(), "0");
    EXPECT_TRUE((grand * grand - grand * grand).est_nul());
    EXPECT_EQ(*(grand * grand).divise(grand), grand);
    EXPECT_EQ((lu("1") - lu("0.1") * Rationnel(10)).en_texte(), "0");
    EXPECT_TRUE(lu("1") < lu("1.0000000001"));
    EXPECT_TRUE(-lu("3") < Rationnel(-2));
    EXPECT_FALSE(Rationnel(3).divise(Rationnel()));
    EXPECT_FALSE(Rationnel().inverse());
    EXPECT_EQ(Rationnel(-7).moitie_entiere().en_texte(), "-3");
    EXPECT_EQ((grand * grand).moitie_entiere().en_texte(), "2305843007066210304");
}

TEST(Rationnel, PuissancesSousLePlafond)
{
    const struct {
        const char *base;
        const char *exposant;
        const char *resultat; // "none" when it stays unevaluated
    } cas[] = {
        {"2", "10", "1024"},
        {"2", "-1", "1/2"},
        {"0.5", "3", "1/8"},
        {"10", "29", "100000000000000000000000000000"},
        {"10", "30", "none"},
        {"2", "99", "633825300114114700748351602688"},
        {"2", "100", "none"},
        {"1", "99999999999999999999", "1"},
        {"0", "5", "0"},
        {"0", "0", "none"},
        {"0", "-1", "none"},
        {"4", "0.5", "none"},
        {"9999999999", "999999", "none"},
    };
    for (const auto &c : cas) {
        const auto r = lu(c.base).puissance(lu(c.exposant));
        EXPECT_EQ(r ? r->en_texte() : "none", c.resultat) << c.base << "^" << c.exposant;
    }
    EXPECT_EQ(lu("-1").puissance(lu("99999999999999999999"))->en_texte(), "-1");
    EXPECT_EQ(lu("-1").puissance(lu("-99999999999999999998"))->en_texte(), "1");
    EXPECT_EQ(lu("-2").puissance(Rationnel(3))->en_texte(), "-8");
    EXPECT_EQ((-*Rationnel(2).divise(Rationnel(3))).puissance(Rationnel(-3))->en_texte(), "-27/8");
}

TEST(Rationnel, RacinesExactes)
{
    EXPECT_EQ(lu("4").racine_carree()->en_texte(), "2");
    EXPECT_EQ(lu("0.25").racine_carree()->en_texte(), "1/2");
    EXPECT_EQ(Rationnel(4).divise(Rationnel(9))->racine_carree()->en_texte(), "2/3");
    EXPECT_EQ(lu("0").racine_carree()->en_texte(), "0");
    EXPECT_EQ(lu("152415787532388367504942236884722755800955129").racine_carree()->en_texte(),
              "12345678901234567890123");
    EXPECT_FALSE(lu("12").racine_carree());
    EXPECT_FALSE((-lu("4")).racine_carree());
    EXPECT_FALSE(Rationnel(2).divise(Rationnel(9))->racine_carree());
}

} // namespace
