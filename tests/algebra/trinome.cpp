#include "algebra/trinome.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/outils/oracle.h"

namespace {

TEST(Trinome, FormeCanonique)
{
    struct Cas {
        std::string trinome;
        std::string forme;
    };
    const std::vector<Cas> table = {
        {"x^2-6x+5", "(x-3)^2-4"},
        {"x^2-2x", "(x-1)^2-1"},
        {"-2x^2+8x", "-2*(x-2)^2+8"},
        {"3x^2+x", "3*(x+1/6)^2-1/12"},
        {"2x^2+4x-1", "2*(x+1)^2-3"},
        {"-x^2+3x+1", "-(x-3/2)^2+13/4"},
        {"5x+x^2", "(x+5/2)^2-25/4"},
        {"x^2+2x+1", "(x+1)^2"},
        // Nothing to complete without an x term, nor without x^2.
        {"x^2+4", ""},
        {"2x+1", ""},
        {"x^3+x", ""},
    };
    for (const Cas &c : table) {
        const std::string forme = forme_canonique_trinome(c.trinome).value_or("");
        EXPECT_EQ(forme, c.forme) << c.trinome;
        if (!forme.empty()) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(c.trinome, forme)) << c.trinome;
        }
    }
}

} // namespace
