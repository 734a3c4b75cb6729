#include <gtest/gtest.h>

#include <cmath>
#include <random>
#include <string>
#include <tuple>
#include <vector>

#include "algebra/racines_carrees.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "tests/outils/oracle.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class RacinesCarrees : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
    std::mt19937 hasard{20261208};
    int tire(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); }
};

const OptionsCalcul RACINES{.racines = true};

std::string apres_simplifie_entier(std::string t)
{
    simplifie_entier(t);
    return t;
}

TEST_F(RacinesCarrees, SimplifieEntier)
{
    const std::pair<std::string, std::string> cas[] = {
        {"sqrt(12)", "2*sqrt(3)"}, {"sqrt(50)", "5*sqrt(2)"}, {"sqrt(7)", "fin"}, {"sqrt(36)", "2*sqrt(9)"},
        {"sqrt(867)", "17*sqrt(3)"}, {"sqrt(722)", "19*sqrt(2)"}, {"sqrt(2209)", "47*sqrt(1)"}, {"sqrt(0.5)", "fin"}, {"sqrt(x)", "fin"}, {"sqrt()", "fin"},
        {"sqrt(12", "fin"}, {"", "fin"}, {"sqrt(-12)", "fin"},
        {"sqrt(400000000000000000000000000000000000000012)", "2*sqrt(100000000000000000000000000000000000000003)"},
    };
    for (const auto &[entree, attendu] : cas)
        EXPECT_EQ(apres_simplifie_entier(entree), attendu) << entree;
    // Every whole number: the smallest square that divides it, however large.
    for (unsigned n = 1; n <= 3000; ++n) {
        std::string attendu = "fin";
        for (unsigned k = 2; attendu == "fin" && k * k <= n; ++k)
            if (n % (k * k) == 0)
                attendu = std::to_string(k) + "*sqrt(" + std::to_string(n / (k * k)) + ")";
        EXPECT_EQ(apres_simplifie_entier("sqrt(" + std::to_string(n) + ")"), attendu);
    }
}

TEST_F(RacinesCarrees, SimplifieRacinesTakesOneSquareOutOfEachIntegerRoot)
{
    EXPECT_EQ(normalise(simplifie_racines("sqrt(48)")), "2*sqrt(12)");
    EXPECT_EQ(normalise(simplifie_racines("2*sqrt(12)")), "4*sqrt(3)");
    EXPECT_EQ(normalise(simplifie_racines("sqrt(8)+3*sqrt(50)")), "17*sqrt(2)");
    for (const char *t : {"sqrt(12*x)", "sqrt(x+12)", "sqrt(12-x)", "sqrt(7)"})
        EXPECT_EQ(normalise(simplifie_racines(t)), normalise(t)) << t;
    EXPECT_EQ(simplifie_racines("sqrt(12)=x"), "sqrt(12)=x");
    for (int essai = 0; essai < 300; ++essai) {
        std::string somme;
        for (int i = tire(1, 5); i > 0; --i)
            somme += (tire(0, 1) ? "+" : "-") + std::to_string(tire(1, 9)) + "*sqrt(" + std::to_string(tire(2, 700))
                     + ")" + (tire(0, 2) ? "" : "*x");
        EXPECT_TRUE(outils::meme_valeur_et_domaine(somme, simplifie_racines(somme)));
    }
}

// A root in a negative term or behind a factor is simplified too.
TEST_F(RacinesCarrees, SimplifieLesRacinesDesTermesNegatifs)
{
    const std::pair<const char *, const char *> cas[] = {
        {"1-sqrt(12)", "-2*sqrt(3)+1"}, {"-sqrt(50)", "-5*sqrt(2)"}, {"x-3*sqrt(8)", "x-6*sqrt(2)"},
        {"-sqrt(12)*x+1", "-2*sqrt(3)*x+1"},
    };
    for (const auto &[texte, attendu] : cas) {
        const std::string r = normalise(simplifie_racines(normalise(texte)));
        EXPECT_EQ(r, attendu) << texte;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(texte, r)) << texte;
    }
}

// The sign is kept; a text whose sign is not known is refused with the
// reason, a relation without one.
TEST_F(RacinesCarrees, MetSousRacineGardeLeSigne)
{
    const std::string inconnu =
        "Le signe de cette expression n'est pas connu : elle ne peut pas être mise sous une racine.";
    const std::tuple<const char *, const char *, std::string> cas[] = {
        {"-2*sqrt(3)", "-sqrt(12)", ""}, {"5*sqrt(3)", "sqrt(75)", ""}, {"-3", "-sqrt(9)", ""},
        {"x^2+1", "sqrt((x^2+1)^2)", ""}, {"-(x-3)^2", "-sqrt((x-3)^4)", ""}, {"x-3", "", inconnu},
        {"2x", "", inconnu}, {"(x-1)^3", "", inconnu}, {"sqrt(x)-1", "", inconnu},
        {"-sqrt(x)-1", "-sqrt((sqrt(x)+1)^2)", ""}, {"x^2=4", "", ""}, {"", "", ""},
    };
    for (const auto &[texte, attendu, refus] : cas) {
        const Issue r = met_sous_racine(EnonceLu(texte), RACINES);
        EXPECT_EQ(r ? r->texte : "", attendu) << texte;
        EXPECT_EQ(r.refus(), refus) << texte;
        if (r) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(texte, r->texte)) << texte << " -> " << r->texte;
        }
    }
    for (int essai = 0; essai < 200; ++essai) {
        const std::string t = (tire(0, 1) ? "-" : "") + std::to_string(tire(1, 9)) + "*sqrt(" +
                              std::to_string(tire(2, 99)) + ")";
        const Issue r = met_sous_racine(EnonceLu(t), OptionsCalcul{.racines = tire(0, 1) == 1});
        ASSERT_TRUE(r) << t;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(t, r->texte)) << t << " -> " << r->texte;
    }
}

TEST_F(RacinesCarrees, FusionneRacinesMergesTheRootsOfEachProduct)
{
    EXPECT_EQ(normalise(fusionne_racines("sqrt(2)*sqrt(3)")), "sqrt(6)");
    EXPECT_EQ(normalise(fusionne_racines("(sqrt(3))^2")), "3");
    EXPECT_EQ(normalise(fusionne_racines("sqrt(2)*sqrt(3)+sqrt(5)*sqrt(5)")), "sqrt(6)+5");
    EXPECT_EQ(fusionne_racines("(x+1)^2*sqrt(2)*sqrt(3)"), "(x+1)^2*sqrt(2)*sqrt(3)");
    EXPECT_EQ(fusionne_racines("sqrt(2)=sqrt(3)*sqrt(5)"), "sqrt(2)=sqrt(3)*sqrt(5)");
    // Roots on either side of a "/" do not multiply; a sum under a power
    // keeps its parentheses.
    for (const char *t : {"sqrt(2)/sqrt(3)", "sqrt(2)/x*sqrt(3)", "x/sqrt(2)*sqrt(8)", "1/sqrt(2)/sqrt(3)",
                          "sqrt(x+1)^3", "2*sqrt(3)*sqrt(x)/sqrt(5)*sqrt(7)"}) {
        const std::string r = fusionne_racines(t);
        EXPECT_EQ(r.find("sqrt"), r.rfind("sqrt")) << r;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(t, r));
    }
    const char *facteurs[] = {"sqrt(2)", "sqrt(x)", "sqrt(x+1)", "sqrt(3*x)", "x", "3", "sqrt(5)^3", "(sqrt(x))^2"};
    for (int essai = 0; essai < 300; ++essai) {
        std::string produit = facteurs[tire(0, 7)];
        for (int i = tire(1, 5); i > 0; --i)
            produit += std::string(tire(0, 2) ? "*" : "/") + facteurs[tire(0, 7)];
        if (tire(0, 3) == 0)
            produit += "+sqrt(7)*sqrt(x)";
        EXPECT_TRUE(outils::meme_valeur_et_domaine(produit, fusionne_racines(produit)));
    }
}

// The text an operation gives, the statement itself when it refuses.
std::string apres(Issue (*operation)(const EnonceLu &), const std::string &texte)
{
    const Issue r = operation(EnonceLu(texte));
    return r ? r->texte : texte;
}

TEST_F(RacinesCarrees, DecomposeAndRecomposeRacine)
{
    // Products as pupils write them: implicit, in brackets, over a number.
    const std::pair<const char *, const char *> decompositions[] = {
        {"sqrt(6*x)", "sqrt(6)*sqrt(x)"}, {"sqrt(6x)", "sqrt(6)*sqrt(x)"}, {"(sqrt(6x))", "sqrt(6)*sqrt(x)"},
        {"sqrt((2)(x^2+1))", "sqrt(2)*sqrt(x^2+1)"}, {"sqrt(x/3)", "sqrt(x)/sqrt(3)"},
        {"sqrt((x^2+1)*(x-1))", "sqrt(x^2+1)*sqrt(x-1)"}, {"sqrt(exp(x)*(x-3))", "sqrt(exp(x))*sqrt(x-3)"},
        {"sqrt(x^2*y^2)", "sqrt(x^2)*sqrt(y^2)"},
    };
    for (const auto &[racine, attendu] : decompositions) {
        EXPECT_EQ(apres(decompose_racine, racine), attendu) << racine;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(racine, attendu)) << racine;
    }
    const std::pair<const char *, const char *> recompositions[] = {
        {"sqrt(2)/sqrt(3)", "sqrt((2)/(3))"}, {"sqrt(2)*sqrt(3)", "sqrt(6)"}, {"sqrt(2)sqrt(x)", "sqrt(2*x)"},
        {"(sqrt(2))*(sqrt(3))", "sqrt(6)"},
    };
    for (const auto &[produit, attendu] : recompositions)
        EXPECT_EQ(apres(recompose_racine, produit), attendu) << produit;
    // The other factors of the member stay; long arguments stay whole.
    for (std::string u : {"sqrt(6*x)/2", "sqrt(x+1+2+3+4+5+6+7+8+9+10+11+12+13+14)*sqrt(x)"}) {
        const Issue v = decompose_racine(EnonceLu(u)) ? decompose_racine(EnonceLu(u)) : recompose_racine(EnonceLu(u));
        ASSERT_TRUE(v) << u;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(u, v->texte));
    }
    const auto refuse = [](Issue (*operation)(const EnonceLu &), const char *t) {
        const Issue r = operation(EnonceLu(t));
        EXPECT_FALSE(r) << t;
        EXPECT_EQ(r.refus(), "") << t;
    };
    // Two factors of unknown sign: sqrt(x)*sqrt(x+1) is undefined for x < -1;
    // beside one, a factor that can be zero: sqrt(x^2)*sqrt(x-1) is undefined at 0.
    for (const char *t : {"sqrt(x^2*(x-1))", "sqrt(abs(x)*(x-1))", "sqrt(sqrt(x)*(3-x))", "sqrt(x*(x+1))", "sqrt(x*x*(x+1))", "sqrt(x(x+1))", "sqrt(x+1)", "sqrt(6)",
                          "2*sqrt(6*x)", "-sqrt(6x)", "sqrt(6*x)+1", "sqrt(6*x)=2", "sqrt(2)*sqrt(3)", "", "sqrt(",
                          "sqrt(6*x)*"})
        refuse(decompose_racine, t);
    for (const char *t : {"sqrt(2)", "sqrt(2)*x", "sqrt(2)+sqrt(3)", "-sqrt(2)*sqrt(3)", "sqrt(2)^2*sqrt(3)",
                          "sqrt(2)*sqrt(3)=1", "(sqrt(2)+sqrt(3))*sqrt(5)", "*sqrt(2)"})
        refuse(recompose_racine, t);
    const char *arguments[] = {"2", "x", "3*x", "x+1", "x^2", "5"};
    for (int essai = 0; essai < 200; ++essai) {
        std::string argument = "(" + std::string(arguments[tire(0, 5)]) + ")";
        for (int i = tire(1, 4); i > 0; --i)
            argument += std::string(tire(0, 3) ? "*" : "/") + "(" + arguments[tire(0, 5)] + ")";
        const std::string racine = "sqrt(" + argument + ")";
        const Issue u = decompose_racine(EnonceLu(racine));
        if (!u)
            continue;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(racine, u->texte));
        if (const Issue v = recompose_racine(EnonceLu(u->texte))) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(racine, v->texte));
        }
    }
}

// Whatever the text, each operation gives it back, refuses, or keeps its value.
TEST_F(RacinesCarrees, TexteQuelconque)
{
    std::vector<std::string> textes = {
        "", "(", ")", "sqrt(((", "sqrt(2)^", "^^^", "()*()", "x+-1", "Y", "(x+1)^99999", "sqrt(x)^99999",
        std::string(100000, 'x'), std::string(100000, '('), outils::entre_parentheses("sqrt(12)"),
        "\xff\xfe\x01sqrt(\x80)", outils::octets_au_hasard(5000, 8),
    };
    std::string produit = "sqrt(2)";
    for (int i = 0; i < 60; ++i)
        produit += "*sqrt(" + std::to_string(i) + ")";
    textes.push_back(produit);
    for (const std::string &t : textes) {
        std::string a = t;
        simplifie_entier(a);
        EXPECT_TRUE(a == "fin" || outils::rendu_ou_equivalent(t, a));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, simplifie_racines(t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, fusionne_racines(t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, apres(decompose_racine, t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, apres(recompose_racine, t)));
        const Issue m = met_sous_racine(EnonceLu(t), RACINES);
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, m ? m->texte : t));
    }
}

} // namespace
