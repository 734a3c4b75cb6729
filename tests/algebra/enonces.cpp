#include "algebra/enonces.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "formula/enonce.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "formula/valeur.h"
#include "tests/outils/oracle.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class Enonces : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

// Every "y" given a value, so that the evaluator can read a line of a system.
std::string avec_y(const std::string &t, double y)
{
    std::string r;
    for (char c : t)
        r += c == 'y' ? "(" + std::to_string(y) + ")" : std::string(1, c);
    return r;
}

// Value of left - right of a statement at x (y given too), or nothing.
bool difference(const std::string &enonce, double x, double y, double &valeur)
{
    const EnonceLu e(enonce);
    const std::optional<double> g = ::valeur(avec_y(e.membre(0), y), x);
    const std::optional<double> d = ::valeur(avec_y(e.membre(1), y), x);
    if (!g || !d)
        return false;
    valeur = *g - *d;
    return true;
}

// Truth of a relation given left - right.
bool vraie(int nature, double diff)
{
    switch (nature) {
    case EQUATION: return std::fabs(diff) < 1e-9;
    case INFERIEUR: return diff < 0;
    case SUPERIEUR: return diff > 0;
    case INFERIEUR_OU_EGAL: return diff <= 0;
    case SUPERIEUR_OU_EGAL: return diff >= 0;
    default: return false;
    }
}

const char *const relations[] = {"=", "<", ">", "<=", ">="};

// The new statement, or the one given when the operation refuses.
std::string apres(const Issue &issue, const std::string &donne) { return issue ? issue->texte : donne; }

std::string ajoute(const std::string &s, const std::string &t, const OptionsCalcul &options = {})
{
    return apres(ajoute_aux_membres(EnonceLu(s), t, options), s);
}

std::string multiplie(const std::string &s, const std::string &k, const OptionsCalcul &options = {})
{
    return apres(multiplie_membres(EnonceLu(s), k, options), s);
}

TEST_F(Enonces, AjouteAuxMembresAjouteLeTexteDeChaqueCote)
{
    EXPECT_EQ(ajoute("2x+3=7", "-(3)"), normalise("2x+3+(-(3))") + "=" + normalise("7+(-(3))"));

    for (int nature = EQUATION; nature <= SUPERIEUR_OU_EGAL; ++nature) {
        const std::string r = ajoute(std::string("x") + relations[nature - 1] + "1", "2");
        EXPECT_EQ(EnonceLu(r).nature, nature) << r;
        EXPECT_EQ(r, normalise("x+(2)") + relations[nature - 1] + normalise("1+(2)"));
    }
}

TEST_F(Enonces, AjouteAuxMembresLaisseCeQuiNEstPasUneRelation)
{
    for (const char *s : {"2x+3", "{x+y=2\r\nx-y=0}", "", "2x=", "=3"})
        EXPECT_FALSE(ajoute_aux_membres(EnonceLu(s), "5", OptionsCalcul{})) << s;
    EXPECT_FALSE(ajoute_aux_membres(EnonceLu("x=1"), "  ", OptionsCalcul{}));
}

TEST_F(Enonces, MultiplieMembresSuitLeSigneDuFacteur)
{
    struct Cas {
        const char *enonce, *facteur;
        int nature_attendue;
    };
    const Cas cas[] = {
        {"x<3", "2", INFERIEUR},          {"x<3", "x^2+1", INFERIEUR},   // a factor in x by the sign it keeps
        {"x<3", "-(x-1)^2-2", SUPERIEUR}, {"x<3", "-2", SUPERIEUR},       {"x<3", "-3/2", SUPERIEUR},
        {"x<=3", "1/(-4)", SUPERIEUR_OU_EGAL}, {"x>=3", "-1", INFERIEUR_OU_EGAL}, {"x>3", "-0.5", INFERIEUR},
        {"2x=4", "-3", EQUATION},         {"a*x=4", "a", EQUATION},
    };
    for (const Cas &c : cas) {
        const Issue issue = multiplie_membres(EnonceLu(c.enonce), c.facteur, OptionsCalcul{});
        ASSERT_TRUE(issue) << c.enonce << " * " << c.facteur;
        EXPECT_EQ(EnonceLu(issue->texte).nature, c.nature_attendue) << c.enonce << " * " << c.facteur;
    }
}

// The refusals say why, in the pupil's words.
TEST_F(Enonces, LesMembresRefusentEnDisantPourquoi)
{
    const std::string produit_interdit = "On ne multiplie les deux membres que par un nombre non nul, ou par une "
                                         "expression qui garde son signe sans jamais s'annuler (ou, dans une "
                                         "équation, par un dénominateur).";
    const struct {
        Issue (*operation)(const EnonceLu &, const std::string &, const OptionsCalcul &);
        const char *enonce, *argument;
        std::string refus;
    } cas[] = {
        {ajoute_aux_membres, "2x+1=5", "0", "Ajouter ou soustraire 0 ne change rien."},
        {ajoute_aux_membres, "2x+1<5", "x-x", "Ajouter ou soustraire 0 ne change rien."},
        {multiplie_membres, "2x+1=5", "0", "Multiplier par 0 n'est pas permis : tout deviendrait nul."},
        {multiplie_membres, "x^2=1", "x^2", produit_interdit},
        {multiplie_membres, "1/x<2", "x", produit_interdit},
        // The sign of a teacher's letter is unknown: which way would the relation turn?
        {multiplie_membres, "a*x<4", "a", produit_interdit},
        {divise_membres, "x^2=3x", "x", "On ne divise les deux membres que par un nombre non nul."},
        {divise_membres, "2x^2<8x", "2x", "On ne divise les deux membres que par un nombre non nul."},
        {divise_membres, "2x+1=5", "0", "On ne peut pas diviser par 0."},
        {divise_membres, "a*x=4", "a-a", "On ne peut pas diviser par 0."},
        {divise_membres, "a*x<4", "a", "On ne divise les deux membres que par un nombre non nul."},
    };
    for (const auto &c : cas) {
        const Issue issue = c.operation(EnonceLu(c.enonce), c.argument, OptionsCalcul{});
        EXPECT_FALSE(issue) << c.enonce << " / " << c.argument;
        EXPECT_EQ(issue.refus(), c.refus) << c.enonce << " / " << c.argument;
    }
}

// Dividing both members as pupils write the divisor: "-3", "1/2", "0.5".
TEST_F(Enonces, DiviseMembres)
{
    const struct {
        const char *enonce, *diviseur, *attendu;
    } cas[] = {
        {"-3x<6", "-3", "x>-2"}, {"x/2=4", "1/2", "x=8"}, {"0.5x>=2", "0.5", "x>=4"}, {"2x+4=0", "2", "x+2=0"},
    };
    for (const auto &c : cas) {
        const Issue issue = divise_membres(EnonceLu(c.enonce), c.diviseur, OptionsCalcul{});
        ASSERT_TRUE(issue) << c.enonce << " / " << c.diviseur;
        EXPECT_EQ(issue->texte, c.attendu) << c.enonce << " / " << c.diviseur;
    }
}

TEST_F(Enonces, MultiplieMembresRefuseZeroEtLeNonDefini)
{
    for (const char *facteur : {"0", "1/(0)", "2-2", "", "x", "1/x", "x^2", "x-1", "1/(x^2-1)"})
        EXPECT_FALSE(multiplie_membres(EnonceLu("2x=4"), facteur, OptionsCalcul{})) << facteur;
    for (const char *s : {"2x+1", "{x+y=2\r\nx-y=0}"})
        EXPECT_FALSE(multiplie_membres(EnonceLu(s), "2", OptionsCalcul{})) << s;
}

// Vector work and the teacher's options change what the members become: a
// member that cancels is the zero vector; the product is developed and
// reduced, developed only, or left as a product when developing is closed.
TEST_F(Enonces, LesOptionsChangentLesDeuxMembres)
{
    struct Cas {
        const char *enonce, *argument;
        bool produit;   // multiplie_membres, else ajoute_aux_membres
        OptionsCalcul options;
        const char *attendu;
    };
    const Cas table[] = {
        {"AB..arrow=AC..arrow", "-(AB..arrow)", false, {.vecteurs = true}, "o..arrow=AC..arrow-AB..arrow"},
        {"2x+1=3", "3", true, {}, "6*x+3=9"},
        {"2x+1=3", "3", true, {.reduire = false}, "(6*x)+(3)=(9)"},
        {"2x+1=3", "3", true, {.reduire = false, .developpe = false}, "(2x+1)*(3)=(3)*(3)"},
    };
    for (const Cas &c : table) {
        const std::string s =
            c.produit ? multiplie(c.enonce, c.argument, c.options) : ajoute(c.enonce, c.argument, c.options);
        EXPECT_EQ(s, c.attendu) << c.enonce << " " << c.argument;
    }
}

// Adding a constant or a polynomial to both members, or multiplying them by a
// non-zero constant, keeps the truth of the relation at every point.
TEST_F(Enonces, LesDeuxMembresGardentLesSolutions)
{
    std::mt19937 hasard(12345);
    std::uniform_int_distribution<int> entier(-9, 9);
    auto nombre = [&] {
        int n = entier(hasard);
        return n < 0 ? "(" + std::to_string(n) + ")" : std::to_string(n);
    };
    for (int essai = 0; essai < 300; ++essai) {
        const int nature = 1 + essai % 5;
        const std::string enonce = nombre() + "*x^2+" + nombre() + "*x+" + nombre() +
                                   relations[nature - 1] + nombre() + "*x+" + nombre();
        const std::string t = nombre() + "*x+" + nombre();
        int k = entier(hasard);
        if (k == 0)
            k = 7;
        for (const std::string &transforme : {ajoute(enonce, t), multiplie(enonce, "(" + std::to_string(k) + ")")}) {
            const int nouvelle = EnonceLu(transforme).nature;
            for (double x = -4.75; x < 5; x += 0.5) {
                double avant = 0, apres = 0;
                ASSERT_TRUE(difference(enonce, x, 0, avant)) << enonce;
                ASSERT_TRUE(difference(transforme, x, 0, apres)) << transforme;
                if (std::fabs(avant) < 1e-6)
                    continue;
                EXPECT_EQ(vraie(nature, avant), vraie(nouvelle, apres))
                    << enonce << " -> " << transforme << " at " << x;
            }
        }
    }
}

TEST_F(Enonces, CombineSystemeAjouteOuSoustraitLesEquations)
{
    const Issue s = combine_systeme(EnonceLu("{x+y=2\r\nx-y=0}"), '+');
    ASSERT_TRUE(s);
    EXPECT_EQ(s->texte, normalise("(x+y)+(x-y)") + "=" + normalise("(2)+(0)"));

    std::mt19937 hasard(7);
    std::uniform_int_distribution<int> entier(1, 9);
    for (int essai = 0; essai < 100; ++essai) {
        const std::string a = std::to_string(entier(hasard)), b = std::to_string(entier(hasard));
        const std::string systeme = "{" + a + "x+y=" + b + "\r\nx-" + b + "y=" + a + "}";
        for (const char op : {'+', '-'}) {
            const Issue issue = combine_systeme(EnonceLu(systeme), op);
            ASSERT_TRUE(issue) << systeme;
            const std::string &combine = issue->texte;
            ASSERT_EQ(EnonceLu(combine).nature, EQUATION) << combine;
            // The combined equation is the sum (or difference) of the two lines.
            const EnonceLu e(systeme);
            for (double x : {-1.5, 0.25, 2.0})
                for (double y : {-2.0, 0.5, 3.0}) {
                    double d1 = 0, d2 = 0, d = 0;
                    ASSERT_TRUE(difference(e.membre(0), x, y, d1));
                    ASSERT_TRUE(difference(e.membre(1), x, y, d2));
                    ASSERT_TRUE(difference(combine, x, y, d)) << combine;
                    EXPECT_NEAR(d, op == '+' ? d1 + d2 : d1 - d2, 1e-9) << combine;
                }
        }
    }
}

TEST_F(Enonces, CombineSystemeRefuseLeReste)
{
    const std::pair<const char *, char> cas[] = {
        {"2x+1", '+'}, {"x=1", '+'}, {"{x+y<2\r\nx-y>0}", '+'}, {"{x+y=2\r\nx-y<0}", '-'},
        {"{x+y=2\r\nx-y=0}", '*'}, {"{x+y=2}", '+'}, {"", '+'}};
    for (const auto &[texte, op] : cas)
        EXPECT_FALSE(combine_systeme(EnonceLu(texte), op)) << texte;
}

TEST_F(Enonces, SubstitueReecritLeSystemeDeBase)
{
    const EnonceLu base("{2x+y=5\r\nx-y=1}");
    const std::optional<Substitution> y = substitue(EnonceLu("y=2x+1"), 3, 1, base);
    ASSERT_TRUE(y);
    EXPECT_EQ(y->isolee.variable, 2);
    EXPECT_EQ(y->isolee.valeur, "2x+1");
    EXPECT_EQ(y->systeme, "{" + normalise("2x+(2x+1)=5") + "\r\n" + normalise("x-y=1") + "}");

    // The letter on the right is taken as well.
    const std::optional<Substitution> x = substitue(EnonceLu("3=x"), 2, 2, base);
    ASSERT_TRUE(x);
    EXPECT_EQ(x->isolee.variable, 1);
    EXPECT_EQ(x->isolee.valeur, "3");
    EXPECT_EQ(x->systeme, "{" + normalise("2x+y=5") + "\r\n" + normalise("(3)-y=1") + "}");

    const std::optional<Substitution> a = substitue(EnonceLu("a=4"), 2, 1, EnonceLu("{tan(a)+b=3\r\na-b=1}"));
    ASSERT_TRUE(a);
    EXPECT_EQ(a->isolee.variable, 1);
    EXPECT_EQ(a->systeme, "{" + normalise("tan((4))+b=3") + "\r\n" + normalise("a-b=1") + "}");
}

TEST_F(Enonces, SubstitueGardeLaValeurDesEquations)
{
    // A negative value and a sum keep their meaning in a product.
    const EnonceLu base("{3x-2y=1\r\nx+y=4}");
    for (const char *equation : {"y=-3", "y=x-1", "y=1/2"}) {
        const std::optional<Substitution> s = substitue(EnonceLu(equation), 2, 1, base);
        ASSERT_TRUE(s && s->isolee.variable == 2) << equation;
        const std::string valeur = EnonceLu(equation).membre(1);
        const EnonceLu systeme(s->systeme);
        for (double x : {-2.0, 0.5, 3.0}) {
            double attendu = 0, obtenu = 0;
            ASSERT_TRUE(difference("3x-2*(" + valeur + ")=1", x, 0, attendu));
            ASSERT_TRUE(difference(systeme.membre(0), x, 0, obtenu)) << s->systeme;
            EXPECT_NEAR(obtenu, attendu, 1e-9) << s->systeme;
        }
    }
}

TEST_F(Enonces, SubstitueNeFaitRienSansValeurDeVariable)
{
    const struct {
        const char *equation;
        int etape;
        const char *base;
    } cas[] = {
        {"x=3", 1, "{x+y=2\r\nx-y=0}"},   // at step 1 there is nothing to put back
        {"x<3", 2, "{x+y=2\r\nx-y=0}"},   // an inequation gives no value
        {"2x=3", 2, "{x+y=2\r\nx-y=0}"},
        {"x=", 2, "{x+y=2\r\nx-y=0}"},
        {"z=1", 2, "{x+y=2\r\nx-y=0}"},
        {"x", 2, "{x+y=2\r\nx-y=0}"},
        {"x=3", 2, "2x+1=0"},             // the base is no system
        {"", 2, ""},
    };
    for (const auto &c : cas)
        EXPECT_FALSE(substitue(EnonceLu(c.equation), c.etape, 1, EnonceLu(c.base)).has_value()) << c.equation;
}

TEST_F(Enonces, SubstitueTermineQuandLaValeurContientSaLettre)
{
    const std::optional<Substitution> s = substitue(EnonceLu("x=2x-3"), 2, 1, EnonceLu("{x+y=2\r\nx-y=0}"));
    ASSERT_TRUE(s);
    EXPECT_EQ(s->systeme, "{" + normalise("(2x-3)+y=2") + "\r\n" + normalise("x-y=0") + "}");
    const std::optional<VariableIsolee> v = variable_isolee(EnonceLu("x=2x-3"));
    ASSERT_TRUE(v);
    EXPECT_EQ(v->variable, 1);
    EXPECT_EQ(v->valeur, "2x-3");
}

TEST_F(Enonces, RemplaceXDonneLaValeurOuRefuse)
{
    struct Cas {
        const char *texte, *valeur;
        std::optional<double> attendu;   // none: undefined, text kept
    };
    const Cas cas[] = {
        {"2x+1", "3", 7},      {"x^2", "-3", 9},          {"2x", "1/2", 1},
        {"exp(x)", "0", 1},    {"x+1", "x", 1},           {"1/(x-2)", "2", std::nullopt},
        {"sqrt(x)", "-1", std::nullopt},                  {"x+777777", "0", 777777},
    };
    for (const Cas &c : cas) {
        const Issue t = remplace_x(EnonceLu(c.texte), c.valeur);
        ASSERT_EQ(static_cast<bool>(t), c.attendu.has_value()) << c.texte;
        if (t) {
            EXPECT_NEAR(::valeur(t->texte, 0).value_or(NAN), *c.attendu, 1e-9) << c.texte << " -> " << t->texte;
        }
    }
    // The value as the pupil reads it, in the hint or in the refusal.
    EXPECT_EQ(remplace_x(EnonceLu("x+1"), "x^2*3")->complement, "x²·3");
    EXPECT_EQ(remplace_x(EnonceLu("1/x"), "0").refus(), "L'expression est non définie pour x = 0");
}

// The mantissa holds the significant digits, not the zeros that end a whole
// number; a value without a finite decimal writing keeps its exact form.
TEST_F(Enonces, EcritureScientifique)
{
    const std::pair<const char *, const char *> reussis[] = {
        {"32000000", "3.2*10^(7)"},
        {"5000", "5*10^(3)"},
        {"1500", "1.5*10^(3)"},
        {"-1500", "-1.5*10^(3)"},
        {"0.0025", "2.5*10^(-3)"},
        {"20", "2*10^(1)"},
        {"0.00008628", "8.628*10^(-5)"},
        {"-0.000000123456789012345", "-1.23456789012345*10^(-7)"},
        {"1/8", "1.25*10^(-1)"},
        {"2^10", "1.024*10^(3)"},
        // Numbers from 10^8 up, and powers with a signed exponent.
        {"150000000", "1.5*10^(8)"},
        {"123456789", "1.23456789*10^(8)"},
        {"6*10^23", "6*10^(23)"},
        {"10^-3", "1*10^(-3)"},
    };
    for (const auto &[texte, attendu] : reussis) {
        const Issue t = ecriture_scientifique(EnonceLu(texte));
        ASSERT_TRUE(t) << texte;
        EXPECT_EQ(t->texte, attendu);
    }
    for (const char *texte : {"5", "0", "2x", "pi", "1/0", "", "9.99", "x=2", "1/2+1/3", "1/3", "100*sqrt(2)"})
        EXPECT_FALSE(ecriture_scientifique(EnonceLu(texte))) << texte;
}

// Small decimals as pupils write them: every digit written stays.
TEST_F(Enonces, EcritureScientifiqueGardeLaValeur)
{
    std::mt19937 hasard(11);
    std::uniform_int_distribution<int> chiffres(1, 99999), puissance(-12, 1);
    for (int essai = 0; essai < 300; ++essai) {
        const double valeur = chiffres(hasard) * std::pow(10.0, puissance(hasard));
        char texte[64];
        std::snprintf(texte, sizeof texte, "%.12g", essai % 2 ? valeur : -valeur);
        const Issue t = ecriture_scientifique(EnonceLu(texte));
        if (!t)
            continue;
        const double avant = std::strtod(texte, nullptr);
        EXPECT_NEAR(outils::valeur_ordinaire(t->texte, 0).nombre, avant, std::fabs(avant) * 1e-12)
            << texte << " -> " << t->texte;
    }
}

TEST_F(Enonces, ContientI)
{
    const std::pair<const char *, int> cas[] = {
        {"sin(x)", 0}, {"pi", 2}, {"sin(i)", 2}, {"", 0}, {"2x+1", 0}, {"ssinin", 2}};
    for (const auto &[texte, position] : cas)
        EXPECT_EQ(contient_i(texte), position) << texte;
}

TEST_F(Enonces, EstCalculable)
{
    const std::pair<const char *, bool> cas[] = {
        {"2+3", true},    {"2*3", true},       {"2/3", true},      {"sqrt(2)+1", true},
        {"2x+3", false},  {"y+1", false},      {"2+3+4", false},   {"2*(3+1)", false},
        {"2=3", false},   {"5", false},        {"", false},
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(est_calculable(EnonceLu(texte)), attendu) << texte;
}

TEST_F(Enonces, EstProduitDeFractions)
{
    const std::pair<const char *, bool> cas[] = {
        {"(1/2)*(3/4)", true}, {"(1/2)*x", true},       {"x*(2/3)", true},
        {"(1/2)*(x+1)", false}, {"(1/2)+(3/4)", false}, {"(1/2)/(3/4)", false},
        {"x*y", false},         {"1/2", false},         {"", false},
    };
    for (const auto &[texte, attendu] : cas)
        EXPECT_EQ(est_produit_de_fractions(EnonceLu(texte)), attendu) << texte;
}

// Whatever the text, an operation that refuses leaves it unchanged, and none breaks.
TEST_F(Enonces, TexteQuelconque)
{
    std::vector<std::string> textes = {"", "(((((", ")))", "{", "{\r\n}", "=", "<=>", "x=", "=x",
                                       "\xff\xfe\x01", "x=x=x", "{x=1\r\n", "domain(x,-inf,inf,12)"};
    textes.push_back(std::string(100000, 'x'));
    textes.push_back(outils::entre_parentheses("x") + "=1");
    textes.push_back("x=" + std::string(50000, '1'));
    textes.push_back(outils::octets_au_hasard(5000, 3));

    for (const std::string &texte : textes) {
        const EnonceLu lu(texte);
        ajoute_aux_membres(lu, texte, OptionsCalcul{});
        multiplie_membres(lu, texte, OptionsCalcul{});
        divise_membres(lu, texte, OptionsCalcul{});
        combine_systeme(lu, '+');
        substitue(lu, 2, 1, lu);
        remplace_x(lu, texte);
        ecriture_scientifique(lu);
        contient_i(texte);
        est_calculable(lu);
        est_produit_de_fractions(lu);
    }
}

} // namespace
