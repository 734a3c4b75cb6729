#include "algebra/polynomes.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace {

std::string ecrit(const Factorisee &f)
{
    std::string t = f.nombre.get_str();
    for (const auto &[facteur, multiplicite] : f.facteurs)
        t += " (" + ecrit_polynome(facteur) + ")^" + std::to_string(multiplicite);
    return t;
}

TEST(Polynomes, LectureEtDivisionExactes)
{
    EXPECT_EQ(ecrit_polynome(*polynome_exact("(x+1)(x-3)+x^2-1")), "2*x^2-2*x-4");
    EXPECT_EQ(ecrit_polynome(*polynome_exact("(x/2+1)^2")), "1/4*x^2+x+1");
    for (const char *t : {"1/x", "sqrt(x)", "x*y", "x^(1/2)", "(x+1)^20", "x=1"})
        EXPECT_FALSE(polynome_exact(t)) << t;
    EXPECT_EQ(ecrit_polynome(*quotient_exact(*polynome_exact("x^3-1"), *polynome_exact("x-1"))), "x^2+x+1");
    EXPECT_FALSE(quotient_exact(*polynome_exact("x^2+1"), *polynome_exact("x-1")));
    EXPECT_FALSE(quotient_exact(*polynome_exact("x"), *polynome_exact("0")));
}

TEST(Polynomes, FacteursIrreductibles)
{
    const std::pair<const char *, const char *> cas[] = {
        {"x^2-1", "1 (x-1)^1 (x+1)^1"},
        {"2x^2+2x", "2 (x)^1 (x+1)^1"},
        {"6x^2-3x", "3 (x)^1 (2*x-1)^1"},
        {"-x^2+4x-4", "-1 (x-2)^2"},
        {"x^3+x", "1 (x)^1 (x^2+1)^1"},
        {"x^2/2-1/2", "1/2 (x-1)^1 (x+1)^1"},
        {"12", "12"},
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(ecrit(decompose(*polynome_exact(texte))), attendu) << texte;
}

} // namespace
