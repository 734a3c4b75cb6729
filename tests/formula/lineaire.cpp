#include "formula/lineaire.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "formula/lecteur.h"
#include "formula/vocabulaire.h"

namespace {

// A product before a bracket gets its "*", as the input box writes it;
// function brackets, other products and texts that do not read stay as typed.
TEST(FormeLineaire, ProductsBeforeABracket)
{
    const std::pair<std::string, std::string> cas[] = {
        {"3(x-2)", "3*(x-2)"},                 {"(x+1)(x-1)", "(x+1)*(x-1)"},
        {"x(x+1)", "x*(x+1)"},                 {"3(x-2)=x+4", "3*(x-2)=x+4"},
        {"2a(x+b)-a*b", "2a*(x+b)-a*b"},     {"-2(x+1)^2", "-2*(x+1)^2"},
        {"{3(x-y)=1\r\nx+y=2}", "{3*(x-y)=1\r\nx+y=2}"},
        {"sqrt(2)(x+1)", "sqrt(2)*(x+1)"},     {"2 (x+1)", "2 *(x+1)"},
        {"2sqrt(3)", "2sqrt(3)"},              {"sin(x)", "sin(x)"},
        {"2x+1", "2x+1"},                      {"2*(x+1)", "2*(x+1)"},
        {"domain(x,1,inf,12)", "domain(x,1,inf,12)"},
        {"(domain(x,1,2,12))or(domain(x,3,4,12))", "(domain(x,1,2,12))or(domain(x,3,4,12))"},
        {"3(x-", "3(x-"},                      {"/tmp/a(1).alg", "/tmp/a(1).alg"},
        {"", ""},
        // Decimal commas, where the text reads only with points; a set and
        // the domain text keep their commas.
        {"0,5x+1=2", "0.5x+1=2"},               {"2,5(x-1,5)", "2.5*(x-1.5)"},
        {"x^2-0,25", "x^2-0.25"},               {"[1,2]", "[1,2]"},
        {"domain(x,1,2,12)", "domain(x,1,2,12)"},
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(forme_lineaire(texte), attendu) << texte;
}

// One-letter unknowns side by side are a product, as a pupil writes '2ab';
// names that are no product stay as typed, so that they are still refused.
TEST(FormeLineaire, LettersSideBySide)
{
    struct Cas {
        const char *texte, *declarees, *attendu;
        bool lisible;
    };
    const Cas cas[] = {
        {"ab+ac", "", "a*b+a*c", true},
        {"2ab", "", "2a*b", true},
        {"3xy", "", "3x*y", true},
        {"a(b+c)", "", "a*(b+c)", true},
        {"x^2y", "", "x^2y", true},
        {"abc-2ab^2", "", "a*b*c-2a*b^2", true},
        {"xy(x+1)", "", "x*y*(x+1)", true},
        {"ab(a+b)", "ab", "a*b*(a+b)", true},
        {"abcd", "abcd", "a*b*c*d", true},
        {"sqrt(ab)", "", "sqrt(a*b)", true},
        {"2ab(a+b)", "", "2a*b*(a+b)", true},
        {"abcd-a+b+c+d", "", "a*b*c*d-a+b+c+d", true},
        {"domain(x,1,inf,12)", "", "domain(x,1,inf,12)", true},
        {"pi", "", "pi", false},
        {"2pi+1", "", "2pi+1", false},
        {"foo(x)", "", "foo(x)", false},
        {"rac(1)", "", "rac(1)", false},
        {"ab(c+d)", "", "ab(c+d)", false},
        {"rac(1)+a", "", "rac(1)+a", false},
        {"abcd", "", "abcd", false},
        {"sinx", "", "sinx", false},
        {"ab+pi", "", "ab+pi", false},
        {"developper", "", "developper", false},
    };
    for (const Cas &c : cas) {
        const std::string lu = forme_lineaire(c.texte, c.declarees);
        EXPECT_EQ(lu, c.attendu) << c.texte;
        EXPECT_EQ(lis_formule(lu).has_value(), c.lisible) << c.texte;
    }
}

// The reader knows exactly the functions of the one table, each by its name.
TEST(Vocabulaire, OneTableOfFunctionNames)
{
    for (std::size_t k = 0; k < NOMS_DE_FONCTIONS.size(); ++k) {
        const std::string nom(NOMS_DE_FONCTIONS[k]);
        const std::optional<Arbre> arbre = lis_formule(nom + "(1)");
        ASSERT_TRUE(arbre) << nom;
        EXPECT_EQ((*arbre)[arbre->racine].genre, Genre::fonction) << nom;
        EXPECT_EQ(fonction_nommee(nom), static_cast<Fonction>(k)) << nom;
        EXPECT_EQ(fonction_en("2" + nom + "(x)", 1), static_cast<Fonction>(k)) << nom;
    }
    for (const char *mot : {"", "x", "sinx", "2sin", "domain", "SIN"})
        EXPECT_FALSE(fonction_nommee(mot)) << mot;
    for (const char *mot : {"si", "atn", "rac", "pi"})
        EXPECT_FALSE(lis_formule(std::string(mot) + "(1)")) << mot;
    EXPECT_FALSE(fonction_en("x+1", 0));
    EXPECT_FALSE(fonction_en("sin", 3));
}

} // namespace
