#include "algebra/factorisation.h"

#include <chrono>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/developpement.h"
#include "algebra/intervalle.h"
#include "core/evaluateur.h"
#include "core/partage.h"
#include "tests/outils/valeurs.h"
#include "tests/outils/textes_hostiles.h"

namespace {

const std::string FORMULE = " (formule a² - b² = (a - b)(a + b))";

class Factorisation : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

// The evaluator knows x only: y is given a fixed value.
std::string y_fixe(std::string t)
{
    for (std::size_t p = t.find('y'); p != std::string::npos; p = t.find('y', p))
        t.replace(p, 1, "(0.37)");
    return t;
}

// Equal wherever both are defined, and comparable at two points at least
// unless told otherwise (a root of x leaves the negative points out).
void attend_meme_valeur(const std::string &avant, const std::string &apres, int minimum = 2)
{
    EXPECT_TRUE(outils::memes_valeurs(y_fixe(avant), y_fixe(apres), {-3.3, -1.7, -0.45, 0.35, 1.25, 2.6, 4.1},
                                      minimum))
        << avant << " -> " << apres;
}

struct CasFactorise {
    std::string entree;
    std::string resultat;
    std::string indication;
};

TEST_F(Factorisation, FormesQuUnProfesseurEcrirait)
{
    const std::vector<CasFactorise> table = {
        {"x^2-4", "(x+2)*(x-2)", FORMULE},
        {"3x+3y", "3*(x+y)", " (facteur commun : (3))"},
        {"x^2+x", "x*(x+1)", " (facteur commun : (x))"},
        {"4x^2+12x+9", "(2*x+3)^2", ""},
        {"x^2-2x+1", "(x-1)^2", ""},
        {"-x^2+4", "-(x+2)*(x-2)", FORMULE},
        {"4x^2-9", "(2*x+3)*(2*x-3)", FORMULE},
        {"(x+1)^2-4", "(x+3)*(x-1)", FORMULE},
        {"x^2-2", "(x+sqrt(2))*(x-sqrt(2))", FORMULE},
        {"2*(x+1)+x*(x+1)", "(x+1)*(x+2)", " (facteur commun : (x+1))"},
        {"-x^2-2x-1", "-(x+1)^2", ""},
        {"x^2+4", "Erreur", ""},
        {"x+4", "Erreur", ""},
        {"x^2+3x+1", "Erreur", ""},
        {"x^3+2x+1", "Erreur", ""},
        {"x^3+x^2+x+1+x^4", "Erreur", ""},
        {"(x+1)*(x-1)+5", "Erreur", ""},
        {"x^2-4=0", "Erreur", ""},
    };
    for (const CasFactorise &c : table) {
        partage.indication_factorisation.clear();
        std::string t = c.entree;
        const std::string r = factorise(t);
        EXPECT_EQ(r, c.resultat) << c.entree;
        EXPECT_EQ(partage.indication_factorisation, c.indication) << c.entree;
        if (r != "Erreur")
            attend_meme_valeur(c.entree, r);
    }
}

TEST_F(Factorisation, FactoriseLaisseLeMembreOrdonne)
{
    std::string t = "9+x^2+6x";
    EXPECT_EQ(factorise(t), "(x+3)^2");
    EXPECT_EQ(t, "x^2+6*x+9");
}

struct CasFacteur {
    std::string somme;
    bool reussi;
    std::string facteur;
};

TEST_F(Factorisation, FacteurCommun)
{
    const std::vector<CasFacteur> table = {
        {"3*x+3*y", true, "(3)"},
        {"x^2+x", true, "(x)"},
        {"x^3-x^2", true, "(x)"},
        {"2*x^2+4*x", true, "(x)"},
        {"-x^2-x", true, "(x)"},
        {"(x+1)*x-(x+1)*3", true, "(x+1)"},
        {"3/x+3", true, "(3)"},
        {"3/x+x", false, ""},                  // x is only a divisor of the first term
        {"3*x+3*y+x*y", false, ""},            // no factor stands in all three terms
        {"x+4", false, ""},                    // 1 is no factor worth taking out
        {"x*y", false, ""},
        {"x+y=3", false, ""},
        {"x^2+x/-x", false, ""},               // the sign after "/" is no operator between terms
    };
    for (const CasFacteur &c : table) {
        std::string t = c.somme;
        std::string facteur = "reste";
        EXPECT_EQ(facteur_commun(t, facteur), c.reussi) << c.somme;
        EXPECT_EQ(facteur, c.facteur) << c.somme;
        if (c.reussi)
            attend_meme_valeur(c.somme, t);
        else
            EXPECT_EQ(t, c.somme);
    }
}

TEST_F(Factorisation, FacteurCommunAuDelaDesGroupesDuDecoupage)
{
    // Eighteen groups: more than the split hides.
    std::string somme = "x*((x+1))";
    for (int k = 2; k <= 9; ++k)
        somme += "+x*((x+" + std::to_string(k) + "))";
    std::string t = somme;
    std::string facteur;
    if (facteur_commun(t, facteur))
        attend_meme_valeur(somme, t);
    t = somme;
    const std::string r = factorise(t);
    if (r != "Erreur")
        attend_meme_valeur(somme, r);
}

TEST_F(Factorisation, DifferenceDeCarres)
{
    EXPECT_EQ(difference_de_carres("4*x^2", "9"), "(2*x+3)*(2*x-3)");
    EXPECT_EQ(difference_de_carres("x^2", "1/4"), "(x+1/2)*(x-1/2)");
    EXPECT_EQ(difference_de_carres("-x^2", "4"), "Erreur");
    EXPECT_EQ(difference_de_carres("x^2", "-4"), "Erreur");
    EXPECT_EQ(difference_de_carres("", "4"), "Erreur");
    const std::string r = difference_de_carres("x", "4");
    ASSERT_NE(r, "Erreur");
    attend_meme_valeur("x-4", r);

    // x is negative all over this domain: no square.
    lit_bornes("domain(x,-5,-1,13)");
    EXPECT_EQ(difference_de_carres("x", "4"), "Erreur");
}

TEST_F(Factorisation, CarreParfait)
{
    struct Cas {
        std::string trinome;
        int d1, d2, d3;
        std::string resultat;
    };
    const std::vector<Cas> table = {
        {"x^2+2*x+1", 2, 1, 0, "(x+1)^2"},
        {"x^2-2*x+1", 2, 1, 0, "(x-1)^2"},
        {"-x^2-2*x-1", 2, 1, 0, "-(x+1)^2"},
        {"-x^2+2*x-1", 2, 1, 0, "-(x-1)^2"},
        {"1/4*x^2+x+1", 2, 1, 0, "(1/2*x+1)^2"},
        {"x^4+2*x^2+1", 4, 2, 0, "(x^2+1)^2"},
        {"x^2+3*x+1", 2, 1, 0, "Erreur"},
        {"x^2-2*x-1", 2, 1, 0, "Erreur"},
        {"x^3+2*x+1", 3, 1, 0, "Erreur"},
        {"x^2+2*x+1", 4, 2, 0, "Erreur"},
        {"x^2+2*x+1+x", 2, 1, 0, "Erreur"},
        {"", 0, 0, 0, "Erreur"},
    };
    for (const Cas &c : table)
        EXPECT_EQ(carre_parfait(c.trinome, c.d1, c.d2, c.d3), c.resultat) << c.trinome;
}

TEST_F(Factorisation, RacineDe)
{
    const std::vector<std::pair<std::string, std::string>> table = {
        {"x^2", "x"}, {"(x+1)^2", "x+1"}, {"x^4", "x^2"}, {"4", "2"}, {"1/4", "1/2"},
        {"2", "sqrt(2)"}, {"sqrt(3)^2", "sqrt(3)"},
        // The power does not bear on the whole text: the root stays whole.
        {"3*x^2", "sqrt(3*x^2)"}, {"-x^2", "sqrt(-x^2)"}, {"x^2+1", "sqrt(x^2+1)"},
        // A function is no power, whatever its code.
        {"sin(x)", "sqrt(sin(x))"},
    };
    for (const auto &[facteur, racine] : table)
        EXPECT_EQ(racine_de(facteur), racine) << facteur;
}

TEST_F(Factorisation, SigneSurDomaine)
{
    EXPECT_EQ(signe_sur_domaine("1"), 2);
    EXPECT_EQ(signe_sur_domaine("-1"), 3);
    EXPECT_EQ(signe_sur_domaine("x"), 0);
    EXPECT_EQ(signe_sur_domaine("x^2"), 2);    // the open ends step over x = 0
    EXPECT_EQ(signe_sur_domaine("x^2+1"), 2);
    EXPECT_EQ(signe_sur_domaine("0"), 0);

    lit_bornes("domain(x,1,5,13)");
    EXPECT_EQ(signe_sur_domaine("x"), 2);
    EXPECT_EQ(signe_sur_domaine("x-6"), 3);
    lit_bornes("(domain(x,-5,-1,13))or(domain(x,1,5,13))");
    EXPECT_EQ(signe_sur_domaine("x"), 1);
    EXPECT_EQ(signe_sur_domaine("x^2"), 2);
    EXPECT_EQ(signe_sur_domaine("x-3"), 0);

    // A far bound is scanned with a longer step, quickly.
    lit_bornes("domain(x,-inf,100000000,12)");
    const auto debut = std::chrono::steady_clock::now();
    EXPECT_EQ(signe_sur_domaine("x^2+1"), 2);
    EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(1));
}

TEST_F(Factorisation, LitDomaine)
{
    lit_bornes("domain(x,-inf,0,13)");
    EXPECT_EQ(partage.borne_inf_1, "-inf");
    EXPECT_EQ(partage.borne_sup_1, "0");
    EXPECT_FALSE(partage.crochet_1a);
    EXPECT_FALSE(partage.crochet_1b);
    EXPECT_TRUE(partage.borne_inf_2.empty());

    lit_bornes("(domain(x,-inf,0,14))or(domain(x,2,inf,15))");
    EXPECT_EQ(partage.borne_sup_1, "0");
    EXPECT_TRUE(partage.crochet_1a);
    EXPECT_FALSE(partage.crochet_1b);
    EXPECT_EQ(partage.borne_inf_2, "2");
    EXPECT_EQ(partage.borne_sup_2, "inf");
    EXPECT_FALSE(partage.crochet_2a);
    EXPECT_TRUE(partage.crochet_2b);

    // Without commas the bounds stay; the second interval always goes.
    lit_bornes("domain(x");
    EXPECT_EQ(partage.borne_sup_1, "0");
    EXPECT_TRUE(partage.borne_inf_2.empty());
}

class Generateur {
public:
    explicit Generateur(unsigned graine) : aleatoire_(graine) {}
    int entier(int min, int max) { return std::uniform_int_distribution<int>(min, max)(aleatoire_); }
    int non_nul(int max)
    {
        const int n = entier(1, max);
        return entier(0, 1) ? n : -n;
    }
    static std::string terme(int coefficient, int degre_x, bool premier)
    {
        std::string r = coefficient < 0 ? "-" : premier ? "" : "+";
        const int a = std::abs(coefficient);
        if (a != 1 || degre_x == 0)
            r += std::to_string(a) + (degre_x ? "*" : "");
        if (degre_x >= 1)
            r += "x";
        if (degre_x >= 2)
            r += "^" + std::to_string(degre_x);
        return r;
    }
    // c2*x^2 + c1*x + c0 without its zero terms.
    static std::string trinome(int c2, int c1, int c0)
    {
        std::string r;
        for (auto [c, d] : {std::pair{c2, 2}, {c1, 1}, {c0, 0}})
            if (c != 0)
                r += terme(c, d, r.empty());
        return r;
    }

private:
    std::mt19937 aleatoire_;
};

TEST_F(Factorisation, ProprieteCarresParfaitsEtDifferencesDeCarres)
{
    Generateur g(4);
    for (int essai = 0; essai < 200; ++essai) {
        const int a = g.entier(1, 5);
        const int b = g.non_nul(9);
        const std::string carre = Generateur::trinome(a * a, 2 * a * b, b * b);
        std::string t = carre;
        const std::string r = factorise(t);
        ASSERT_NE(r, "Erreur") << carre;
        EXPECT_EQ(r.back(), '2') << carre << " -> " << r;
        EXPECT_NE(r[0], '+') << carre << " -> " << r;
        attend_meme_valeur(carre, r);

        const std::string difference = Generateur::trinome(a * a, 0, -b * b);
        t = difference;
        const std::string d = factorise(t);
        ASSERT_NE(d, "Erreur") << difference;
        attend_meme_valeur(difference, d);
    }
}

TEST_F(Factorisation, ProprieteToutResultatGardeLaValeur)
{
    Generateur g(11);
    int factorises = 0;
    for (int essai = 0; essai < 400; ++essai) {
        std::string texte;
        switch (essai % 4) {
        case 0: texte = Generateur::trinome(g.non_nul(9), g.non_nul(12), g.non_nul(9)); break;
        case 1: {
            // A developed product of binomials.
            const int a = g.non_nul(4), b = g.non_nul(6), c = g.non_nul(4), d = g.non_nul(6);
            texte = Generateur::trinome(a * c, a * d + b * c, b * d);
            break;
        }
        case 2: {
            // Terms sharing x, or a whole number with a letter.
            texte = Generateur::trinome(g.non_nul(9), g.non_nul(9), 0);
            break;
        }
        default: {
            const int k = g.entier(2, 9);
            texte = std::to_string(k) + "*x" + (g.entier(0, 1) ? "+" : "-") + std::to_string(k) + "*y";
            break;
        }
        }
        std::string t = texte;
        const std::string r = factorise(t);
        if (r == "Erreur")
            continue;
        ++factorises;
        attend_meme_valeur(texte, r, 1);
        if (essai % 4 >= 2) {
            EXPECT_NE(r.find(")"), std::string::npos) << texte << " -> " << r;
        }
    }
    EXPECT_GT(factorises, 150);
}

TEST_F(Factorisation, ToutTexteEstRenduVite)
{
    std::string long_texte;
    for (int i = 0; i < 25000; ++i)
        long_texte += "x^2+";
    const std::vector<std::string> textes = {
        "", "(", ")", "x+", "-", "()-()", "-+", "x^2-", "-x^2+", "(x+1)^99999", "(x+1)^99999-4",
        "x^99999-4", "x^1000+2*x^500+1", "sqrt(-1)^2-4", "1/0-x^2", "{x\r\ny}", "domain(x,1,2,12)",
        outils::entre_parentheses("x"), long_texte, outils::octets_au_hasard(5000, 5)};
    for (const std::string &texte : textes) {
        const auto debut = std::chrono::steady_clock::now();
        std::string t = texte;
        const std::string r = factorise(t);
        if (r != "Erreur")
            attend_meme_valeur(texte, r, 0);
        std::string facteur;
        t = texte;
        facteur_commun(t, facteur);
        difference_de_carres(texte, texte);
        carre_parfait(texte, 2, 1, 0);
        racine_de(texte);
        signe_sur_domaine(texte);
        lit_bornes(texte);
        remet_a_zero_complet();
        EXPECT_LT(std::chrono::steady_clock::now() - debut, std::chrono::seconds(2)) << texte.substr(0, 40);
    }
}

} // namespace
