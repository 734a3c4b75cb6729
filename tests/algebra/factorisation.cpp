#include "algebra/factorisation.h"

#include <numeric>
#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "algebra/algebre.h"
#include "algebra/developpement.h"
#include "algebra/intervalle.h"
#include "core/partage.h"
#include "tests/outils/oracle.h"
#include "tests/outils/textes_hostiles.h"

namespace {

const std::string FORMULE = " (formule a² - b² = (a - b)(a + b))";
const std::string IDENTITE_SOMME = " (identité remarquable (a + b)²)";
const std::string IDENTITE_DIFFERENCE = " (identité remarquable (a - b)²)";

// Factoring with the discriminant allowed or not, the hint kept here.
bool trinomes = true;
std::string indication;

// The factored text, empty when the member cannot be factored; the hint's
// complement goes to indication.
std::string factorise(const std::string &membre)
{
    const Issue r = ::factorise(EnonceLu(membre), OptionsCalcul{.trinomes = trinomes});
    indication = r ? r->complement : "";
    return r ? r->texte : "";
}

class Factorisation : public ::testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        trinomes = true;
    }
};

struct CasFactorise {
    std::string entree;
    std::string resultat;
    std::string indication;
};

// Each statement factored as expected, with the method named, keeping its
// value and domain.
void verifie(const std::vector<CasFactorise> &table)
{
    for (const CasFactorise &c : table) {
        indication = "reste d'une action";
        std::string t = c.entree;
        const std::string r = factorise(t);
        EXPECT_EQ(r, c.resultat) << c.entree;
        EXPECT_EQ(indication, c.indication) << c.entree;
        if (!r.empty()) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(c.entree, r));
        }
    }
}

TEST_F(Factorisation, FormesQuUnProfesseurEcrirait)
{
    const std::vector<CasFactorise> table = {
        {"x^2-4", "(x+2)*(x-2)", FORMULE},
        {"3x+3y", "3*(x+y)", " (facteur commun : 3)"},
        {"x^2+x", "x*(x+1)", " (facteur commun : x)"},
        {"6x+12", "6*(x+2)", " (facteur commun : 6)"},
        {"12-6x", "6*(-x+2)", " (facteur commun : 6)"},
        {"-6x-12", "-6*(x+2)", " (facteur commun : -6)"},
        {"4x^2+12x", "4*x*(x+3)", " (facteur commun : 4·x)"},
        {"-x^2-x", "-x*(x+1)", " (facteur commun : -x)"},
        {"4x^2+12x+9", "(2*x+3)^2", IDENTITE_SOMME},
        {"x^2-2x+1", "(x-1)^2", IDENTITE_DIFFERENCE},
        {"-x^2-2x-1", "-(x+1)^2", IDENTITE_SOMME},
        {"-x^2+4", "-(x+2)*(x-2)", FORMULE},
        {"4x^2-9", "(2*x+3)*(2*x-3)", FORMULE},
        {"(x+1)^2-4", "(x+3)*(x-1)", FORMULE},
        {"x^2-2", "(x+sqrt(2))*(x-sqrt(2))", FORMULE},
        {"2*(x+1)+x*(x+1)", "(x+1)*(x+2)", " (facteur commun : x+1)"},
        // Second degree by the discriminant, the classic shapes failing.
        {"x^2+3x+2", "(x+2)*(x+1)", " (trinôme : Δ = 1)"},
        {"3x+x^2+2", "(x+2)*(x+1)", " (trinôme : Δ = 1)"},
        {"2x^2+5x+3", "(2*x+3)*(x+1)", " (trinôme : Δ = 1)"},
        {"2x^2-5x-3", "(2*x+1)*(x-3)", " (trinôme : Δ = 49)"},
        {"-x^2-3x-2", "-(x+1)*(x+2)", " (trinôme : Δ = 1)"},
        {"3x^2-2x+1/3", "3*(x-1/3)^2", " (trinôme : Δ = 0)"},
        {"x^2+4x+1", "(x-sqrt(3)+2)*(x+sqrt(3)+2)", " (trinôme : Δ = 12)"},
        {"2x^2-4x-1", "2*(x-1/2*sqrt(6)-1)*(x+1/2*sqrt(6)-1)", " (trinôme : Δ = 24)"},
        {"0.5x^2+1.5x+1", "(x+2)*(x+1)/2", " (trinôme : Δ = 1/4)"},
        // A common factor first; the trinomial on the next click.
        {"2x^2+6x+4", "2*(x^2+3*x+2)", " (facteur commun : 2)"},
        {"x^2+x+1", "", ""},
        {"x^2+4", "", ""},
        // First-degree binomials are no difference of squares.
        {"x+4", "", ""},
        {"x-1", "", ""},
        {"2x-3", "", ""},
        {"x^3+2x+1", "", ""},
        {"x^3+x^2+x+1+x^4", "", ""},
        {"(x+1)*(x-1)+5", "", ""},
        {"x^2-4=0", "", ""},
    };
    verifie(table);
}

TEST_F(Factorisation, FacteurCommunEntreParentheses)
{
    // The bracket a textbook shares between the terms, also written opposite
    // ('2-x' against 'x-2') or hidden in a power; the cofactor is reduced.
    const std::vector<CasFactorise> table = {
        {"x(x+3)+(x+3)", "(x+3)*(x+1)", " (facteur commun : x+3)"},
        {"7(x+1)+4(x+1)", "11*(x+1)", " (facteur commun : x+1)"},
        {"(2x+1)(x-3)+(2x+1)", "(2*x+1)*(x-2)", " (facteur commun : 2·x+1)"},
        {"(x-2)(x+1)+(2-x)(3x+4)", "(x-2)*(-2*x-3)", " (facteur commun : x-2)"},
        {"(x+1)^2+2(x+1)", "(x+1)*(x+3)", " (facteur commun : x+1)"},
        {"(x+1)(x-2)-2(x-2)^2", "(x-2)*(-x+5)", " (facteur commun : x-2)"},
        {"(3-x)^2+(x-3)(x+2)", "(x-3)*(2*x-1)", " (facteur commun : x-3)"},
        {"(x+1)(2x+3)-(x+1)(x-5)", "(x+1)*(x+8)", " (facteur commun : x+1)"},
        {"(2x+4)+6x", "4*(2*x+1)", " (facteur commun : 4)"},
        {"(2-x)^2+(x-2)", "(x-2)*(x-1)", " (facteur commun : x-2)"},
        {"(x-3)^2-(3-x)(2x+1)", "(x-3)*(3*x-2)", " (facteur commun : x-3)"},
        {"(x+2)^2-(x+2)(x-1)", "3*(x+2)", " (facteur commun : x+2)"},
        {"(x+1)(x-1)+5", "", ""},
        // A common factor whose cofactor still shares one takes it too; a
        // sum that reduces to one term is to be reduced, not factored.
        {"x(x-1)+3x(x+1)", "2*x*(2*x+1)", " (facteur commun : 2·x)"},
        {"-(x+1)^2*x+x", "-x^2*(x+2)", " (facteur commun : -x²)"},
        {"-x(x-1)+x^2", "", ""},
        {"x(x-1)-(x-1)*x", "", ""},
        {"(2-x)-(x-2)+2(x+1)", "", ""},
        {"-(x+1)^2+(x+1)^2", "", ""},
        // Cancelling x in a quotient would lose the value where it is zero.
        {"x^3/x+x", "", ""},
        {"2x/x+4", "", ""},
        {"3/x+3", "3*(1+1/x)", " (facteur commun : 3)"},
        {"(x+1)/x+2(x+1)/x", "3*(x+1)/x", " (facteur commun : x+1)"},
        // Numbers are computed, not factored.
        {"7-2", "", ""},
        {"2-sqrt(3)", "", ""},
        {"9-4", "", ""},
        {"sqrt(5)-1", "", ""},
        {"12+18", "", ""},
    };
    verifie(table);
}

TEST_F(Factorisation, TrinomesSelonLOption)
{
    trinomes = false;
    std::string t = "x^2+3x+2";
    EXPECT_EQ(factorise(t), "");
    // Without the discriminant the classic square stays offered, roots and all.
    t = "3x^2-2x+1/3";
    EXPECT_TRUE(outils::meme_valeur_et_domaine("3x^2-2x+1/3", factorise(t)));
    EXPECT_EQ(indication, IDENTITE_DIFFERENCE);
}

// The squares as pupils write them: in brackets, side by side, as a power
// of a product; the member in any order.
TEST_F(Factorisation, CarresEcritsCommeLesEleves)
{
    for (const char *carre : {"4*x^2", "(4)*(x^2)", "4x^2", "(2x)^2", "4*(x^2)", "(4)(x^2)", "(2*x)^2", "x^2*4"}) {
        EXPECT_EQ(difference_de_carres(carre, "9").value_or(""), "(2*x+3)*(2*x-3)") << carre;
        const std::string difference = std::string(carre) + "-9";
        EXPECT_EQ(factorise(difference), "(2*x+3)*(2*x-3)") << difference;
        EXPECT_EQ(indication, FORMULE) << difference;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(difference, "(2*x+3)*(2*x-3)")) << difference;
    }
    const std::vector<CasFactorise> table = {
        {"9+x^2+6x", "(x+3)^2", IDENTITE_SOMME},
        {"-9+(4)(x^2)", "(2*x+3)*(2*x-3)", FORMULE},
        {"x^2/4-1", "(1/2*x+1)*(1/2*x-1)", FORMULE},
    };
    verifie(table);
    // A square only where x >= 0 is no square.
    for (const char *a : {"(4)*(x)", "4x", "(x^3)(4)", "(-4)(x^2)"})
        EXPECT_FALSE(difference_de_carres(a, "9")) << a;
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
        {"x^3-x^2", true, "(x^2)"},
        {"2*x^2+4*x", true, "(2*x)"},
        {"6*x*y+9*x", true, "(3*x)"},
        {"(x+1)*x-(x+1)*3", true, "(x+1)"},
        {"3/x+3", true, "(3)"},
        {"3/x+x", false, ""},                  // x is only a divisor of the first term
        {"3*x+3*y+x*y", false, ""},            // no factor stands in all three terms
        {"x+4", false, ""},                    // 1 is no factor worth taking out
        {"-x-4", false, ""},                   // nor -1
        {"0.5*x+1.5", false, ""},
        {"x*y", false, ""},
        {"x+y=3", false, ""},
        {"x^2+x/-x", false, ""},               // the sign after "/" is no operator between terms
    };
    for (const CasFacteur &c : table) {
        const std::optional<FacteurCommun> commun = facteur_commun(EnonceLu(c.somme));
        EXPECT_EQ(commun.has_value(), c.reussi) << c.somme;
        if (commun) {
            EXPECT_EQ("(" + commun->facteur + ")", c.facteur) << c.somme;
            EXPECT_TRUE(outils::meme_valeur_et_domaine(c.somme, commun->texte));
        }
    }
}

// Sums of more terms than the parts list counts, and signs after an
// operator ('x*-2'): read from the tree, they are factored as any other.
TEST_F(Factorisation, SommesLonguesEtSignesApresUnOperateur)
{
    std::string somme = "x*((x+1))";
    for (int k = 2; k <= 9; ++k)
        somme += "+x*((x+" + std::to_string(k) + "))";
    // x + x^2 + ... + x^18, and its cofactor x^17 + ... + x + 1.
    std::string dix_huit_termes = "x", cofacteur = "x+1";
    for (int k = 2; k <= 18; ++k) {
        dix_huit_termes += "+x^" + std::to_string(k);
        if (k > 2)
            cofacteur = "x^" + std::to_string(k - 1) + "+" + cofacteur;
    }
    const std::optional<FacteurCommun> commun = facteur_commun(EnonceLu(somme));
    ASSERT_TRUE(commun);
    EXPECT_EQ(commun->facteur, "9*x");
    EXPECT_TRUE(outils::meme_valeur_et_domaine(somme, commun->texte));
    const std::vector<CasFactorise> table = {
        {somme, "9*x*(x+5)", " (facteur commun : 9·x)"},
        {dix_huit_termes, "x*(" + cofacteur + ")", " (facteur commun : x)"},
        {"2*(x+1)+3*(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+(x+1)+x*(x+1)",
         "(x+1)*(x+20)", " (facteur commun : x+1)"},
        {"2x*-3+6", "6*(-x+1)", " (facteur commun : 6)"},
        {"x^2+x*-2+1", "(x-1)^2", IDENTITE_DIFFERENCE},
        {"x^2-x/-x", "", ""},
    };
    verifie(table);
}

TEST_F(Factorisation, AucuneIndicationNeResteDUneActionPrecedente)
{
    std::string t = "x^2-4";
    factorise(t);
    t = "x^2+6x+9";
    EXPECT_EQ(factorise(t), "(x+3)^2");
    EXPECT_EQ(indication, IDENTITE_SOMME);
    t = "x+1";
    EXPECT_EQ(factorise(t), "");
    EXPECT_EQ(indication, "");
}

TEST_F(Factorisation, DifferenceDeCarres)
{
    EXPECT_EQ(difference_de_carres("4*x^2", "9").value_or(""), "(2*x+3)*(2*x-3)");
    EXPECT_EQ(difference_de_carres("x^2", "1/4").value_or(""), "(x+1/2)*(x-1/2)");
    EXPECT_EQ(difference_de_carres("(x+1)^2", "x^4").value_or(""), "(x^2+x+1)*(-x^2+x+1)");
    EXPECT_FALSE(difference_de_carres("-x^2", "4"));
    EXPECT_FALSE(difference_de_carres("x^2", "-4"));
    EXPECT_FALSE(difference_de_carres("", "4"));
    // A square root of x, or of a teacher letter, would hold for part of the
    // reals only: whatever the domain, these are no squares.
    for (const auto &[a, b] : {std::pair{"x", "4"}, {"2*x", "6"}, {"x^2", "x"}, {"x^2", "a"}, {"x^3", "1"}})
        EXPECT_FALSE(difference_de_carres(a, b)) << a << " - " << b;
}

TEST_F(Factorisation, CarreParfait)
{
    const std::vector<std::pair<std::string, std::string>> table = {
        {"x^2+2*x+1", "(x+1)^2"},
        {"x^2-2*x+1", "(x-1)^2"},
        {"-x^2-2*x-1", "-(x+1)^2"},
        {"-x^2+2*x-1", "-(x-1)^2"},
        {"1/4*x^2+x+1", "(1/2*x+1)^2"},
        {"x^4+2*x^2+1", "(x^2+1)^2"},
        {"1+x^2+2x", "(x+1)^2"},
        {"x^2+2*x*y+y^2", "(x+y)^2"},
        {"x^2+2*sqrt(3)*x+3", "(x+sqrt(3))^2"},
        {"x^2+3*x+1", ""},
        {"x^2-2*x-1", ""},
        {"x^3+2*x+1", ""},
        {"x^4+2*x+1", ""},
        {"x^2+2*x+1+x", ""},
        {"x^2+2*x*(x+1)+1", ""},
        {"x^2+2x+1=0", ""},
        {"", ""},
    };
    for (const auto &[trinome, carre] : table) {
        const Issue r = carre_parfait(EnonceLu(trinome), true);
        EXPECT_EQ(r ? r->texte : "", carre) << trinome;
        if (r) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(trinome, r->texte)) << trinome;
        }
    }
    // Roots the trinomial does not write are added only when allowed.
    EXPECT_FALSE(carre_parfait(EnonceLu("3*x^2-2*x+1/3"), false));
    EXPECT_TRUE(carre_parfait(EnonceLu("3*x^2-2*x+1/3"), true));
    EXPECT_TRUE(carre_parfait(EnonceLu("x^2+2*sqrt(3)*x+3"), false));
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
    struct Cas {
        const char *domaine, *expression;
        int signe;
    };
    const Cas cas[] = {
        {"", "1", 2},     {"", "-1", 3},   {"", "x", 0},
        {"", "x^2", 2},   // the open ends step over x = 0
        {"", "x^2+1", 2}, {"", "0", 0},
        {"domain(x,1,5,13)", "x", 2},                           {"domain(x,1,5,13)", "x-6", 3},
        {"(domain(x,-5,-1,13))or(domain(x,1,5,13))", "x", 1},   {"(domain(x,-5,-1,13))or(domain(x,1,5,13))", "x^2", 2},
        {"(domain(x,-5,-1,13))or(domain(x,1,5,13))", "x-3", 0}, {"domain(x,-inf,100000000,12)", "x^2+1", 2},
        // A bound without a value tells nothing.
        {"domain(x,sqrt(-1),5,13)", "1", 0},
    };
    for (const Cas &c : cas) {
        BornesIntervalles domaine;
        if (*c.domaine) {
            ASSERT_TRUE(lit_intervalles(c.domaine, domaine)) << c.domaine;
        }
        EXPECT_EQ(signe_sur_domaine(c.expression, domaine), c.signe) << c.domaine << " " << c.expression;
    }
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
    // A term as a pupil writes it: '3x^2', '-x', '+5', sometimes '3*x*x'.
    std::string terme(int coefficient, int degre_x, bool premier)
    {
        std::string r = coefficient < 0 ? "-" : premier ? "" : "+";
        const int a = std::abs(coefficient);
        if (a != 1 || degre_x == 0)
            r += std::to_string(a);
        if (degre_x == 2 && entier(0, 3) == 0)
            return r + (a != 1 ? "*" : "") + "x*x";
        if (degre_x >= 1)
            r += "x";
        if (degre_x >= 2)
            r += "^" + std::to_string(degre_x);
        return r;
    }
    // c2 x^2 + c1 x + c0 without its zero terms, the terms in any order.
    std::string trinome(int c2, int c1, int c0)
    {
        std::vector<std::pair<int, int>> termes;
        for (auto [c, d] : {std::pair{c2, 2}, {c1, 1}, {c0, 0}})
            if (c != 0)
                termes.emplace_back(c, d);
        std::shuffle(termes.begin(), termes.end(), aleatoire_);
        std::string r;
        for (auto [c, d] : termes)
            r += terme(c, d, r.empty());
        return r;
    }

private:
    std::mt19937 aleatoire_;
};

bool sans_racine_de_x(const std::string &t)
{
    for (std::size_t p = t.find("sqrt("); p != std::string::npos; p = t.find("sqrt(", p + 1))
        if (t.find_first_of("abcdefghijklmnopqrstuvwxyz", p + 5) < parenthese_fermante(t, p + 4))
            return false;
    return true;
}

// A product of first-degree factors: no power or root of x anywhere.
bool premier_degre(const std::string &t)
{
    return !contient(t, "x^") && !contient(t, "x*x") && sans_racine_de_x(t);
}

TEST_F(Factorisation, ProprieteCarresParfaitsEtDifferencesDeCarres)
{
    Generateur g(4);
    for (int essai = 0; essai < 200; ++essai) {
        const int a = g.entier(1, 5);
        const int b = g.non_nul(9);
        // A common divisor would come out first.
        if (std::gcd(a, b) != 1)
            continue;
        const std::string carre = g.trinome(a * a, 2 * a * b, b * b);
        std::string t = carre;
        const std::string r = factorise(t);
        ASSERT_FALSE(r.empty()) << carre;
        EXPECT_EQ(r.back(), '2') << carre << " -> " << r;
        EXPECT_NE(r[0], '+') << carre << " -> " << r;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(carre, r));

        const std::string difference = g.trinome(a * a, 0, -b * b);
        t = difference;
        const std::string d = factorise(t);
        ASSERT_FALSE(d.empty()) << difference;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(difference, d));
    }
}

// Trinomials k (q1 x - p1)(q2 x - p2), developed and written as pupils write
// them: first-degree factors with whole coefficients.
TEST_F(Factorisation, ProprieteTrinomesAUxRacinesRationnelles)
{
    Generateur g(7);
    for (int essai = 0; essai < 300; ++essai) {
        const int q1 = g.entier(1, 4), p1 = g.non_nul(7), q2 = g.entier(1, 4), p2 = g.non_nul(7);
        if (std::gcd(q1, p1) != 1 || std::gcd(q2, p2) != 1)
            continue;
        // With a whole number in front, the common factor comes out first.
        const int k = g.entier(0, 1) ? 1 : -1;
        const std::string texte = g.trinome(k * q1 * q2, -k * (q1 * p2 + q2 * p1), k * p1 * p2);
        std::string t = texte;
        const std::string r = factorise(t);
        ASSERT_FALSE(r.empty()) << texte;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(texte, r));
        EXPECT_TRUE(premier_degre(r)) << texte << " -> " << r;
        EXPECT_FALSE(contient(r, "/") || contient(r, ".") || contient(r, "sqrt")) << texte << " -> " << r;
    }
}

TEST_F(Factorisation, ProprieteTrinomesAuxRacinesIrrationnellesOuSansRacine)
{
    Generateur g(9);
    int irrationnels = 0, sans_racine = 0;
    for (int essai = 0; essai < 600; ++essai) {
        const int a = g.non_nul(5), b = g.non_nul(12), c = g.non_nul(12);
        const int delta = b * b - 4 * a * c;
        const int racine = static_cast<int>(std::lround(std::sqrt(std::abs(delta))));
        if (std::gcd(std::gcd(a, b), c) != 1 || racine * racine == delta)
            continue;
        const std::string texte = g.trinome(a, b, c);
        std::string t = texte;
        const std::string r = factorise(t);
        if (delta < 0) {
            ++sans_racine;
            EXPECT_TRUE(r.empty()) << texte;
            continue;
        }
        ++irrationnels;
        ASSERT_FALSE(r.empty()) << texte;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(texte, r));
        EXPECT_TRUE(premier_degre(r)) << texte << " -> " << r;
        EXPECT_EQ(indication, " (trinôme : Δ = " + std::to_string(delta) + ")") << texte;
    }
    EXPECT_GT(irrationnels, 100);
    EXPECT_GT(sans_racine, 50);
}

// Binomials k (m x + n) as pupils write them: the greatest common divisor in
// front, never a root of x; without a common divisor, nothing to factor.
TEST_F(Factorisation, ProprieteBinomesAFacteurNumerique)
{
    Generateur g(13);
    for (int essai = 0; essai < 300; ++essai) {
        const int m = g.non_nul(6), n = g.non_nul(9), degre = g.entier(1, 2);
        if (std::gcd(m, n) != 1)
            continue;
        const int k = g.entier(1, 3) == 1 ? 1 : g.entier(2, 9);
        const std::vector<std::pair<int, int>> termes = {{k * m, degre}, {k * n, degre - 1}};
        const bool inverse = g.entier(0, 1) == 1;
        const std::string texte = g.terme(termes[inverse].first, termes[inverse].second, true) +
                                  g.terme(termes[!inverse].first, termes[!inverse].second, false);
        std::string t = texte;
        const std::string r = factorise(t);
        EXPECT_TRUE(sans_racine_de_x(r)) << texte << " -> " << r;
        if (k == 1 && degre == 1) {
            EXPECT_TRUE(r.empty()) << texte;
            continue;
        }
        ASSERT_FALSE(r.empty()) << texte;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(texte, r));
        const int devant = m < 0 && n < 0 ? -k : k;
        std::string attendu = devant == 1 ? "" : devant == -1 ? "-" : std::to_string(devant) + "*";
        if (degre == 2)
            attendu += "x*";
        EXPECT_EQ(r.substr(0, attendu.size() + 1), attendu + "(") << texte << " -> " << r;
    }
}

// Whatever the text, each operation gives it back, refuses, or keeps its value.
TEST_F(Factorisation, TexteQuelconque)
{
    std::string long_texte;
    for (int i = 0; i < 25000; ++i)
        long_texte += "x^2+";
    const std::vector<std::string> textes = {
        "", "(", ")", "x+", "-", "()-()", "-+", "x^2-", "-x^2+", "(x+1)^99999", "(x+1)^99999-4",
        "x^99999-4", "x^1000+2*x^500+1", "sqrt(-1)^2-4", "1/0-x^2", "{x\r\ny}", "domain(x,1,2,12)",
        outils::entre_parentheses("x"), long_texte, outils::octets_au_hasard(5000, 5)};
    for (const std::string &texte : textes) {
        std::string t = texte;
        const std::string r = factorise(t);
        EXPECT_TRUE(r.empty() || outils::rendu_ou_equivalent(texte, r));
        const std::optional<FacteurCommun> commun = facteur_commun(EnonceLu(texte));
        EXPECT_TRUE(!commun || outils::rendu_ou_equivalent(texte, commun->texte));
        difference_de_carres(texte, texte);
        const Issue carre = carre_parfait(EnonceLu(texte), true);
        EXPECT_TRUE(!carre || outils::rendu_ou_equivalent(texte, carre->texte));
        racine_de(texte);
        BornesIntervalles bornes;
        lit_intervalles(texte, bornes);
        signe_sur_domaine(texte, bornes);
        remet_a_zero_complet();
    }
}

} // namespace
