#include <gtest/gtest.h>

#include <string>

#include "formula/parole.h"

namespace {

struct Cas {
    const char *formule;
    const char *dite;
};

TEST(Parole, FormulesDitesEnFrancais)
{
    const Cas cas[] = {
        {"x^2+2x+1", "x au carré plus deux x plus un"},
        {"sqrt(12)", "racine carrée de douze"},
        {"(x+1)/2", "fraction : x plus un sur deux"},
        {"2x+3", "deux x plus trois"},
        {"3(x-2)=2x+5", "trois ouvrez la parenthèse x moins deux fermez la parenthèse égale deux x plus cinq"},
        {"-x+4", "moins x plus quatre"},
        {"x^3-1", "x au cube moins un"},
        {"x^4", "x puissance quatre"},
        {"2^(n+1)", "deux puissance n plus un, fin de l'exposant"},
        {"(x+1)^2", "ouvrez la parenthèse x plus un fermez la parenthèse au carré"},
        {"(x+1)(x-1)", "ouvrez la parenthèse x plus un fermez la parenthèse ouvrez la parenthèse x moins un fermez la parenthèse"},
        {"2*3", "deux fois trois"},
        {"1/x", "fraction : un sur x"},
        {"(2x+1)/(x-3)", "fraction : deux x plus un sur x moins trois"},
        {"sqrt(x+1)", "racine carrée de x plus un, fin de la racine"},
        {"3sqrt(2)", "trois racine carrée de deux"},
        {"abs(x-2)", "valeur absolue de x moins deux, fin de la valeur absolue"},
        {"sin(x)", "sinus de x"},
        {"cos(x)", "cosinus de x"},
        {"ln(x)", "logarithme népérien de x"},
        {"x<3", "x inférieur à trois"},
        {"x>=-1", "x supérieur ou égal à moins un"},
        {"2x-5<=7", "deux x moins cinq inférieur ou égal à sept"},
        {"x>0", "x supérieur à zéro"},
        {"{x+y=2\r\nx-y=0}", "système : x plus y égale deux ; puis x moins y égale zéro"},
        {"x=1*et*x=2", "x égale un et x égale deux"},
        {"domain(x,-inf,3,14)", "intervalle de moins l'infini à trois inclus"},
        {"domain(x,1,5,12)", "intervalle de un exclu à cinq exclu"},
        {"domain(x,2,inf,15)", "intervalle de deux inclus à l'infini"},
        {"(domain(x,-inf,1,12))or(domain(x,2,inf,12))",
         "intervalle de moins l'infini à un exclu union intervalle de deux exclu à l'infini"},
        {"0.5", "zéro virgule cinq"},
        {"2.05", "deux virgule zéro cinq"},
        {"12.75", "douze virgule soixante-quinze"},
        {"21", "vingt et un"},
        {"71", "soixante et onze"},
        {"80", "quatre-vingts"},
        {"81", "quatre-vingt-un"},
        {"99", "quatre-vingt-dix-neuf"},
        {"200", "deux cents"},
        {"201", "deux cent un"},
        {"1000", "mille"},
        {"2080", "deux mille quatre-vingts"},
        {"80000", "quatre-vingt mille"},
        {"1000000", "un million"},
        {"AB..arrow+BC..arrow", "vecteur AB plus vecteur BC"},
        {"o..arrow", "vecteur nul"},
        {"-3x^2", "moins trois x au carré"},
    };
    for (const Cas &c : cas)
        EXPECT_EQ(parole(c.formule), c.dite) << c.formule;
}

TEST(Parole, TexteQuiNestPasUneFormuleEpele)
{
    const Cas cas[] = {
        {"2x+(3", "deux x plus ouvrez la parenthèse trois"},
        {"x+y=5x-y=1", "x plus y égale cinq x moins y égale un"},
        {"", ""},
    };
    for (const Cas &c : cas)
        EXPECT_EQ(parole(c.formule), c.dite) << c.formule;
}

TEST(Parole, GrandsNombresChiffreParChiffre)
{
    EXPECT_EQ(nombre_en_lettres("1234567890"), "un deux trois quatre cinq six sept huit neuf zéro");
    EXPECT_EQ(nombre_en_lettres("007"), "sept");
}

} // namespace
