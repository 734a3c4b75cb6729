#include "formula/lineaire.h"

#include <gtest/gtest.h>

#include <string>

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

TEST(FormeLineaire, NomsDeFonctions)
{
    for (const char *nom : {"sin", "cos", "tan", "abs", "ln", "sqrt", "exp"})
        EXPECT_TRUE(est_nom_de_fonction(nom)) << nom;
    for (const char *mot : {"", "x", "si", "sinx", "2sin", "domain", "SIN"})
        EXPECT_FALSE(est_nom_de_fonction(mot)) << mot;
}

} // namespace
