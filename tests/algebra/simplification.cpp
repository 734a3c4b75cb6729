#include "algebra/simplification.h"

#include <string>
#include <tuple>

#include <gtest/gtest.h>

#include "formula/normalise.h"
#include "tests/outils/oracle.h"

namespace {

// "Simplifier" as pupils meet it, without and with the option that reduces
// the roots (without it the result is left as the roots were merged, in its
// normal form here): the result keeps the value and the domain of the
// statement.
TEST(Simplification, SimplifieSelonLOptionRacines)
{
    const std::tuple<const char *, const char *, const char *> cas[] = {
        // statement, without the option, with it
        {"sqrt(2)*sqrt(3)", "sqrt(6)", "sqrt(6)"},
        {"sqrt(8)*sqrt(2)", "4", "4"},
        {"sqrt(12)+sqrt(3)", "sqrt(12)+sqrt(3)", "3*sqrt(3)"},
        {"sqrt(12)", "sqrt(12)", "2*sqrt(3)"},
        {"(3x+6)/3", "x+2", "x+2"},
        {"x/2+x/2", "x", "x"},
        {"1/x-2/x+3", "3-1/x", "3-1/x"},
        {"(x^2-1)/(x-1)", "x+1", "x+1"},
    };
    for (const auto &[enonce, sans_option, avec_option] : cas) {
        const EnonceLu lu(enonce);
        for (const auto &[racines, attendu] : {std::pair{false, sans_option}, {true, avec_option}}) {
            const Issue r = simplifie(lu, OptionsCalcul{.racines = racines});
            ASSERT_TRUE(r) << enonce;
            EXPECT_EQ(normalise(r->texte), attendu) << enonce << (racines ? " with the option" : "");
            EXPECT_TRUE(outils::meme_valeur_et_domaine(enonce, r->texte)) << enonce << " -> " << r->texte;
        }
    }
}

} // namespace
