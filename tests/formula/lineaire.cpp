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
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(forme_lineaire(texte), attendu) << texte;
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
