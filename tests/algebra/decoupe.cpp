#include "algebra/decoupe.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <climits>

#include "algebra/algebre.h"
#include "core/encodage.h"

namespace {

TEST(OutilsTermes, ParenthesesEtOperateurs)
{
    std::string t = "a-b+(c)";
    sans_parentheses(t);
    EXPECT_EQ(t, "a-b+c");

    const std::pair<std::string, std::string> operateurs[] = {
        {"+", "-"}, {"-", "+"}, {"*", "/"}, {"/", "*"}, {"^", "^"}, {"", ""}};
    for (const auto &[avant, apres] : operateurs) {
        std::string op = avant;
        inverse_operateur(op);
        EXPECT_EQ(op, apres) << avant;
    }
}

TEST(Decoupe, OpposeTermes)
{
    const std::pair<std::string, std::string> cas[] = {
        {"a+b-c", "a-b+c"},
        {"-x+1", "-x-1"},
        {"2*x", "2*x"},
        {"(a+b)", "a-b"},
        {"", ""},
        {"a+b+c+d+e+f+g+h-i", "a-b-c-d-e-f-g-h+i"},
    };
    for (const auto &[avant, apres] : cas) {
        std::string t = avant;
        oppose_termes(t);
        EXPECT_EQ(t, apres) << avant;
    }
}

TEST(Decoupe, RegroupeKeepsTheValue)
{
    struct Cas {
        std::string texte;
        int rang, tour;
        std::string attendu;
    };
    const Cas cas[] = {
        {"a-b+c", 2, 1, "a-(b-c)"},
        {"a+b+c", 1, 1, "(a+b)+c"},
        {"a-b+c", 0, 1, "a-b+c"},
        {"c-a+(x-1)", 2, 1, "c-(a-x+1)"},
        {"c-a-(x-1)", 2, 1, "c-(a+(x-1))"},
        {"2*(x+1)*3", 2, 1, "2*((x+1)*3)"},
        {"2*(x+1)*3", 1, 0, "(2)*(x+1)*3"},
        {"a/b*c", 2, 1, "a/(b/c)"},
        {"sqrt((x))+(x+1)^2+1", 1, 1, "(sqrt((x))+(x+1)^2)+1"},
        {"(x)*sqrt((x))*(x+1)^2", 2, 1, "(x)*(sqrt((x))*(x+1)^2)"},
        {"a+b", 2, 5, "a+b"},   // a run past the last piece changes nothing
        {"a+b", 1, -1, "a+b"},
        {"1-2-3-4", 2, INT_MAX, "1-2-3-4"},   // no sum that overflows
        {"x+1+2+3", INT_MAX, 1, "x+1+2+3"},
        // However many pieces.
        {"1+2+3+4+5+6+7-8+9", 8, 1, "1+2+3+4+5+6+7-(8-9)"},
    };
    for (const Cas &c : cas)
        EXPECT_EQ(regroupe(EnonceLu(c.texte), c.rang, c.tour).texte, c.attendu)
            << c.texte << " " << c.rang << " " << c.tour;
    EXPECT_EQ(regroupe(EnonceLu("a-b+c*d-e"), 0, 0).nb_formes, 3);
}

} // namespace

namespace {

bool utf8_valide(std::string_view t)
{
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t n = longueur_caractere_utf8(t, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// A random text of formula bits and letters outside ASCII, valid UTF-8.
std::string texte_utf8_au_hasard(std::mt19937 &g)
{
    static const char *const bouts[] = {"x", "2", "12", "^", "+", "-", "*", "/", "(", ")",
                                        "é", "ü", "€", "𝑥", "sqrt(", ".", "a"};
    std::uniform_int_distribution<std::size_t> bout(0, std::size(bouts) - 1), longueur(0, 14);
    std::string t;
    for (std::size_t n = longueur(g); n > 0; --n)
        t += bouts[bout(g)];
    return t;
}

} // namespace

// No text tool ever cuts a character in two, whatever the text.
TEST(Decoupe, NeverSplitsACharacter)
{
    std::mt19937 g(11);
    for (int essai = 0; essai < 3000; ++essai) {
        const std::string texte = texte_utf8_au_hasard(g);
        std::vector<std::string> sorties;
        std::string t;
        const Puissance p = separe_puissance(texte);
        sorties.insert(sorties.end(), {p.base, p.developpe});
        for (void (*outil)(std::string &) : {sans_parentheses, oppose_termes}) {
            t = texte;
            outil(t);
            sorties.push_back(t);
        }
        sorties.push_back(regroupe(EnonceLu(texte), 1, 1).texte);
        for (const std::string &s : sorties)
            ASSERT_TRUE(utf8_valide(s)) << texte << " -> " << s;
    }
}
