#include "algebra/denominateurs.h"

#include <string>
#include <utility>

#include <gtest/gtest.h>

#include "formula/normalise.h"
#include "tests/outils/oracle.h"

namespace {

TEST(Denominateurs, GroupeLesTermesDeMemeDenominateur)
{
    std::string t = "x/2";
    EXPECT_FALSE(groupe_denominateurs(t));

    // The merged text depends on the normal form; check it where the normal
    // form leaves the sum as it is.
    const std::pair<std::string, std::string> cas[] = {
        {"a/d-b/d+c", "(a+(-b))/(d)+c"},
        {"c-a/d+b/d", "c+(-a+(b))/(d)"},
        {"x/(x+1)+1/(x+1)", "(x+(1))/(x+1)"},
    };
    for (const auto &[avant, apres] : cas) {
        if (normalise(avant) != avant)
            continue;
        t = avant;
        EXPECT_TRUE(groupe_denominateurs(t));
        EXPECT_EQ(t, apres);
    }
    // However many terms stand between them.
    const std::string longue = "x/(x+1)+1+x^2+x^3+x^4+x^5+x^6+x^7-2/(x+1)";
    t = longue;
    EXPECT_TRUE(groupe_denominateurs(t));
    EXPECT_EQ(t.find("/(x+1)"), t.rfind("/(x+1)")) << t;
    EXPECT_TRUE(outils::meme_valeur_et_domaine(longue, t)) << t;
}

} // namespace
