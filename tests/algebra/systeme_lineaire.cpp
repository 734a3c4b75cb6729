#include "algebra/systeme_lineaire.h"

#include <gtest/gtest.h>

namespace {

TEST(SolutionsDuSysteme, UneAucuneOuUneInfinite)
{
    using enum SolutionsSysteme;
    const struct {
        const char *systeme;
        std::optional<SolutionsSysteme> attendu;
    } cas[] = {
        {"{x+y=5@x-y=1}", une},
        {"{2*x+3*y=5\r\n4*x+6*y=7}", aucune},
        {"{x-2*y=3@-3*x+6*y=-9}", une_infinite},
        {"{2(x+y)=6@x=3-y}", une_infinite},          // the same line written another way
        {"{y=2x+1@y=2x-3}", aucune},                 // two parallel lines
        {"{x/2+y/3=1@3x+2y=6}", une_infinite},       // fractional coefficients
        {"{0*x=1@x+y=2}", aucune},                   // one line never holds
        {"{x+y=x+y@x-y=1}", une_infinite},            // one line always holds
        {"{x^2+y=1@x+y=2}", std::nullopt},           // not linear
        {"{x*y=1@x+y=2}", std::nullopt},
        {"{1/x+y=1@x+y=2}", std::nullopt},
        {"x+y=5", std::nullopt},                     // not a system
    };
    for (const auto &c : cas)
        EXPECT_EQ(solutions_du_systeme(c.systeme), c.attendu) << c.systeme;
}

} // namespace
