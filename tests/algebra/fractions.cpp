#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <optional>
#include <random>
#include <string>
#include <vector>

#include "algebra/fractions.h"
#include "core/partage.h"
#include "formula/normalise.h"
#include "tests/outils/oracle.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class Fractions : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
    std::mt19937 hasard{8122026};
    int tire(int min, int max) { return std::uniform_int_distribution<int>(min, max)(hasard); }
    std::string signe() { return tire(0, 1) ? "+" : "-"; }
    template <std::size_t N> const char *un_de(const char *const (&liste)[N])
    {
        return liste[tire(0, static_cast<int>(N) - 1)];
    }

    // A sum of n fractions over denominators taken from the list.
    template <std::size_t N> std::string somme_de_fractions(int n, const char *const (&denominateurs)[N])
    {
        static const char *const numerateurs[] = {"1", "x", "2*x+1", "3", "x^2", "x-4"};
        std::string s = tire(0, 1) ? "-" : "";
        for (int i = 0; i < n; ++i)
            s += (i > 0 ? signe() : "") + "(" + un_de(numerateurs) + ")/(" + un_de(denominateurs) + ")";
        return s;
    }
};

// The sum with its numerators added, none when that is refused.
std::optional<std::string> numerateurs_ajoutes(const std::string &somme)
{
    const Issue r = additionne_numerateurs(EnonceLu(somme));
    return r ? std::optional(r->texte) : std::nullopt;
}

// The sum over the common denominator, none when that is refused.
std::optional<std::string> au_denominateur(const std::string &somme, const std::string &commun = {})
{
    const Issue r = reduit_au_denominateur(EnonceLu(somme), commun);
    return r ? std::optional(r->texte) : std::nullopt;
}

// The text an operation on the statement and an argument gives, nothing when it refuses.
template <Issue (*operation)(const EnonceLu &, const std::string &)>
std::string texte(const std::string &enonce, const std::string &argument)
{
    const Issue r = operation(EnonceLu(enonce), argument);
    return r ? r->texte : "";
}
const auto haut_et_bas = texte<multiplie_haut_et_bas>;
const auto divise = texte<divise_haut_et_bas>;
const auto par = texte<factorise_par>;
const auto par_binome = texte<divise_par_binome>;

// a[0]*x^n + ... + a[n], zero terms left out.
std::string polynome(const std::vector<int> &a)
{
    std::string s;
    for (std::size_t i = 0; i < a.size(); ++i) {
        const std::size_t d = a.size() - 1 - i;
        if (a[i] != 0)
            s += (a[i] < 0 ? "-" : s.empty() ? "" : "+") + std::to_string(std::abs(a[i]))
                 + (d == 0 ? "" : d == 1 ? "*x" : "*x^" + std::to_string(d));
    }
    return s;
}

TEST_F(Fractions, AdditionneNumerateurs)
{
    EXPECT_EQ(numerateurs_ajoutes("1/x+2/x"), "3/x");
    EXPECT_EQ(numerateurs_ajoutes("x+1"), "(x+1)/1");
    // However many terms the sum has.
    EXPECT_EQ(numerateurs_ajoutes("1/x+1/x+1/x+1/x+1/x+1/x+1/x+1/x-2/x"), "6/x");
    for (const char *refuse : {"1/x+1/y", "1/x", "1/x+1/x=2", "", "+", "1/x+"})
        EXPECT_FALSE(numerateurs_ajoutes(refuse)) << refuse;
    for (int essai = 0; essai < 200; ++essai) {
        const std::string s = somme_de_fractions(tire(2, 7), {tire(0, 1) ? "x+2" : "3"});
        const auto r = numerateurs_ajoutes(s);
        ASSERT_TRUE(r) << s;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(s, *r));
    }
}

TEST_F(Fractions, ReduitAuDenominateur)
{
    EXPECT_EQ(au_denominateur("1/2+1/3"), "3/6+2/6");
    // A common denominator typed as a sum is taken whole; zero, and a
    // denominator that does not divide it, are refused.
    EXPECT_EQ(au_denominateur("1/(x-1)-1/(x+1)", "x^2-1"), "(x+1)/(x^2-1)-(x-1)/(x^2-1)");
    for (const auto &[somme, commun] : {std::pair{"x", ""}, {"1/x+1/x=1", ""}, {"1/x+1/x", "0"}, {"1/x+1/x", "x-x"},
                                        {"1/2-1/3", "x+1"}, {"5/12+7/18", "30"}, {"1/x+1/(x+1)", "x^2"}})
        EXPECT_FALSE(au_denominateur(somme, commun)) << somme << " over " << commun;
    for (int essai = 0; essai < 200; ++essai) {
        const int n = tire(2, 4);
        const std::string s = somme_de_fractions(n, {"x", "2", "x+1", "3*x", "x-3"});
        const auto r = au_denominateur(s, tire(0, 2) ? "" : "6*x*(x+1)*(x-3)");
        ASSERT_TRUE(r) << s;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(s, *r));
        // Every term over the very same denominator: the numerators can then be added.
        EXPECT_TRUE(numerateurs_ajoutes(*r)) << *r;
    }
}

// The least common multiple, of whole numbers and of the factors of
// polynomial denominators, each at its highest power.
TEST_F(Fractions, MemeDenominateurAuPlusPetitMultiple)
{
    const std::pair<const char *, const char *> cas[] = {
        {"5/12+7/18", "15/36+14/36"},
        {"1/6-1/4+1/3", "2/12-3/12+4/12"},
        {"1/(x^2-1)+1/(x-1)", "1/((x-1)*(x+1))+(x+1)/((x-1)*(x+1))"},
        {"1/x+1/(x+1)", "(x+1)/(x*(x+1))+x/(x*(x+1))"},
        {"2/(x+1)^2-1/(x+1)", "2/(x+1)^2-(x+1)/(x+1)^2"},
        {"1/(2x)+1/(3x)", "3/(6*x)+2/(6*x)"},
        {"1/(2x+2)+x/(x+1)", "1/(2*(x+1))+2*x/(2*(x+1))"},
        {"3/(x^2-4)-1/(x^2+2x)", "3*x/(x*(x-2)*(x+2))-(x-2)/(x*(x-2)*(x+2))"},
    };
    for (const auto &[somme, attendu] : cas) {
        const auto t = au_denominateur(somme);
        ASSERT_TRUE(t) << somme;
        EXPECT_EQ(t, attendu) << somme;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(somme, *t)) << *t;
    }
}

// "Simplifier" divides a quotient exactly, or by the whole factor its
// numerator and denominator share.
TEST_F(Fractions, SimplifieQuotient)
{
    const std::pair<const char *, const char *> cas[] = {
        {"(3x+6)/3", "x+2"},       {"(x^2+x)/x", "x+1"},     {"(x^2-1)/(x-1)", "x+1"},
        {"(2x+4)/(6x)", "(x+2)/(3*x)"}, {"(x^3-8)/(x-2)", "x^2+2*x+4"},
        {"(x+1)/(x+2)", "(x+1)/(x+2)"}, {"x/3", "x/3"}, {"(x+1)/sqrt(2)", "(x+1)/sqrt(2)"},
    };
    for (const auto &[quotient, attendu] : cas) {
        std::string t = quotient;
        EXPECT_EQ(simplifie_quotient(t), std::string(quotient) != attendu) << quotient;
        EXPECT_EQ(t, attendu) << quotient;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(quotient, t)) << t;
    }
}

// Dividing top and bottom gives one fraction, each part simplified; pupils'
// fractions by numbers and by a factor they share.
TEST_F(Fractions, DiviserHautEtBasDonneUneFraction)
{
    const std::pair<const char *, const char *> cas[][2] = {
        {{"(2x+4)/(6x)", "2"}, {"(x+2)/(3*x)", ""}},
        {{"(x+3)/(x^2-9)", "x+3"}, {"1/(x-3)", ""}},
        {{"(3x-6)/(x^2-4)", "x-2"}, {"3/(x+2)", ""}},
        {{"(0.5x+1)/(2x)", "0.5"}, {"(x+2)/(4*x)", ""}},
        {{"(2x+3)/(6x)", "2"}, {"(x+3/2)/(3*x)", ""}},
    };
    for (const auto &c : cas) {
        const std::string r = divise(c[0].first, c[0].second);
        EXPECT_EQ(r, c[1].first) << c[0].first << " by " << c[0].second;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(c[0].first, r)) << r;
    }
    // Generated: (a*k)/(b*k) written as pupils do, divided by k.
    static const char *const facteurs[] = {"x+1", "x-2", "2x+1", "x", "3", "-x+4"};
    static const char *const parties[] = {"x", "2", "x-5", "3x+1", "-x"};
    for (int essai = 0; essai < 200; ++essai) {
        const std::string k = un_de(facteurs);
        const std::string t = "(" + std::string(un_de(parties)) + ")(" + k + ")/((" + un_de(parties) + ")(" + k + "))";
        const std::string r = divise(t, k);
        EXPECT_EQ(std::count(r.begin(), r.end(), '/'), r.find("3/2") == std::string::npos ? 1 : 2) << t << " -> " << r;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(t, r)) << t << " -> " << r;
    }
}

// A sign after "/" or "*" ('x/-2') is read as pupils mean it.
TEST_F(Fractions, SigneApresUnOperateur)
{
    for (const char *s : {"x/-2+1/3", "3*-x/4-1/2", "1/-x+2/(x+1)", "x/-2+1/(x-3)"}) {
        const auto r = au_denominateur(s);
        ASSERT_TRUE(r) << s;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(normalise(s), *r)) << s << " -> " << *r;
        const auto somme = numerateurs_ajoutes(*r);
        ASSERT_TRUE(somme) << *r;
        EXPECT_TRUE(outils::meme_valeur_et_domaine(normalise(s), *somme)) << s << " -> " << *somme;
    }
    EXPECT_EQ(au_denominateur("x/-2+1/3"), "(-3*x)/6+2/6");
}

TEST_F(Fractions, MultiplieHautEtBas)
{
    EXPECT_EQ(haut_et_bas("1/2", "3"), "3/6");
    // Writing the same text again is no step.
    EXPECT_EQ(haut_et_bas("x", "1"), "");
    EXPECT_EQ(haut_et_bas("(x+1)/(x+2)", "1/x"), "");
    for (const char *k : {"", "0"})
        EXPECT_EQ(haut_et_bas("1/x", k), "") << k;
    EXPECT_EQ(haut_et_bas("1/x=2", "3"), "");
    for (const char *k : {"x", "x+1", "-2", "sqrt(2)"})
        for (const char *t : {"(x+1)/x", "3/(x-2)", "x^2+1", "-x/4"})
            EXPECT_TRUE(outils::meme_valeur_et_domaine(t, haut_et_bas(t, k))) << t << " by " << k;
    // Dividing top and bottom needs a divisor of both.
    EXPECT_EQ(divise("(x^2+x)/x", "x"), "x+1");
    for (const char *t : {"(x+1)/x", "3/(x-2)", "x^2+1", "(x^2-1)/(x+2)"})
        EXPECT_EQ(divise(t, "x+1"), "") << t;
}

// The refusals say why, in the pupil's words.
TEST_F(Fractions, LesRefusDisentPourquoi)
{
    const struct {
        Issue (*operation)(const EnonceLu &, const std::string &);
        const char *enonce, *argument, *refus;
    } cas[] = {
        {factorise_par, "2x+4", "0", "On ne peut pas factoriser par 0."},
        {factorise_par, "2x+4", "x-x", "On ne peut pas factoriser par 0."},
        {factorise_par, "x^2+3x+5", "x^2", "x² ne divise pas l'expression : on ne peut pas factoriser par x²."},
        {multiplie_haut_et_bas, "2/(x+1)", "0", "Multiplier par 0 n'est pas permis : tout deviendrait nul."},
        {multiplie_haut_et_bas, "x", "1", "Multiplier haut et bas par 1 ne donne pas une autre fraction."},
        {divise_haut_et_bas, "2/(x+1)", "0*x", "On ne peut pas diviser par 0."},
        {divise_haut_et_bas, "(x+1)/(x+2)", "2*x", "2·x ne divise pas exactement le numérateur et le dénominateur."},
        {reduit_au_denominateur, "1/x+1/2", "0", "Un dénominateur ne peut pas être nul."},
        {reduit_au_denominateur, "5/12+7/18", "30", "Chaque dénominateur doit diviser 30."},
    };
    for (const auto &c : cas) {
        const Issue issue = c.operation(EnonceLu(c.enonce), c.argument);
        EXPECT_FALSE(issue) << c.enonce << " / " << c.argument;
        EXPECT_EQ(issue.refus(), c.refus) << c.enonce << " / " << c.argument;
    }
}

TEST_F(Fractions, FactorisePar)
{
    EXPECT_EQ(normalise(par("2x+4", "2")), "2*(x+2)");
    EXPECT_EQ(normalise(par("x^2+x", "x")), "x*(x+1)");
    for (const char *f : {"", "0"})
        EXPECT_EQ(par("2x+4", f), "") << f;
    EXPECT_EQ(par("2x+4=0", "2"), "");
    // Negative factors, a sum beginning with "-", more than six terms, the
    // division of polynomials; written without brackets around one term.
    const std::pair<const char *, const char *> cas[][2] = {
        {{"2x+4", "-2"}, {"-2*(-x-2)", ""}},
        {{"3x^2-6x+9", "-3"}, {"-3*(-x^2+2*x-3)", ""}},
        {{"-x", "-2"}, {"-2*(1/2*x)", ""}},
        {{"-x+1", "-x+1"}, {"-x+1", ""}},
        {{"x/2-x^2", "-x"}, {"-x*(x-1/2)", ""}},
        {{"2x-3", "sqrt(2)"}, {"sqrt(2)*(2*x/sqrt(2)-3/sqrt(2))", ""}},
        {{"x+2x^2+3x^3+4x^4+5x^5+6x^6+7x^7+8", "2"}, {"2*(7/2*x^7+3*x^6+5/2*x^5+2*x^4+3/2*x^3+x^2+1/2*x+4)", ""}},
        {{"7(x+1)+4(x+1)", "x+1"}, {"11*(x+1)", ""}},
        {{"x^2-1+(x+1)(x-3)", "x+1"}, {"(x+1)*(2*x-4)", ""}},
        {{"x^3-1", "x-1"}, {"(x-1)*(x^2+x+1)", ""}},
        {{"6x^2+9x", "3x"}, {"3*x*(2*x+3)", ""}},
        {{"3x+1", "1/2"}, {"1/2*(6*x+2)", ""}},
        {{"a*b+a*c", "a"}, {"a*(b+c)", ""}},
        // A factor that does not divide is refused.
        {{"x^2+3x+5", "x"}, {"", ""}},
        {{"x^2+1", "-x+2"}, {"", ""}},
        {{"x^2-1+(x+1)(x-3)", "x-1"}, {"", ""}},
        {{"a*b+a*c", "b"}, {"", ""}},
        {{"(x+1)/x+3", "x"}, {"", ""}},
    };
    for (const auto &c : cas) {
        const std::string r = par(c[0].first, c[0].second);
        EXPECT_EQ(r, c[1].first) << c[0].first << " by " << c[0].second;
        if (!r.empty()) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(c[0].first, r)) << r;
        }
    }
    static const char *const facteurs[] = {"2", "-3", "x", "-x", "x+1", "-x+2", "2*x", "1/2"};
    static const char *const termes[] = {"x", "2*x^2", "3", "x^3", "4*x", "1/3"};
    for (int essai = 0; essai < 200; ++essai) {
        std::string s = tire(0, 1) ? "-" : "";
        for (int i = tire(1, 7); i > 0; --i)
            s += un_de(termes) + (i > 1 ? signe() : "");
        const std::string f = un_de(facteurs);
        const std::string r = par(s, f);
        // A number always divides; a factor with x may not.
        if (!r.empty() || f.find('x') == std::string::npos) {
            EXPECT_TRUE(outils::meme_valeur_et_domaine(s, r)) << s << " by " << f;
        }
    }
}

TEST_F(Fractions, DiviseParBinome)
{
    EXPECT_EQ(normalise(par_binome("x^2-1", "x-1")), "(x-1)*(x+1)");
    for (const auto &[t, f] : {std::pair{"x^3-1", "x-1"}, {"2x^2+3x+1", "2x+1"}, {"x^3+x^2", "x+1"},
                               {"x^3-x", "x+1"}, {"x^2-2", "x-sqrt(2)"}})
        EXPECT_TRUE(outils::meme_valeur_et_domaine(t, par_binome(t, f))) << t << " by " << f;
    // Missing powers are read at their own degree, and only a binomial of
    // degree 1 in x divides.
    for (const auto &[t, f] : {std::pair{"x^2+1", "x-1"}, {"x^2-x", "x+1"}, {"x^3+x^2+x", "x+1"},
                               {"x^2-1", "1+sqrt(2)"}, {"x^2-1", "x^2-1"}, {"x+1", "x+1"}, {"x^4-1", "x-1"},
                               {"y^2-1", "y-1"}, {"x^2-1=0", "x-1"}, {"", ""}, {"x^2-1.0000001", "x-1"}})
        EXPECT_EQ(par_binome(t, f), "") << t << " by " << f;
    for (int essai = 0; essai < 200; ++essai) {
        const int alpha = tire(1, 3) * (tire(0, 1) ? 1 : -1), beta = tire(1, 5) * (tire(0, 1) ? 1 : -1);
        std::vector<int> q(static_cast<std::size_t>(tire(2, 3)));
        for (int &c : q)
            c = tire(-4, 4);
        q[0] = tire(1, 4);
        // (alpha*x + beta) * q, plus a remainder one time in three.
        std::vector<int> produit(q.size() + 1, 0);
        for (std::size_t i = 0; i < q.size(); ++i) {
            produit[i] += alpha * q[i];
            produit[i + 1] += beta * q[i];
        }
        const bool reste = tire(0, 2) == 0;
        produit.back() += reste ? tire(1, 3) : 0;
        const std::string t = polynome(produit), f = polynome({alpha, beta});
        const std::string r = par_binome(t, f);
        EXPECT_TRUE(reste ? r.empty() : outils::meme_valeur_et_domaine(t, r)) << t << " by " << f << ": " << r;
    }
}

// Whatever the text, each operation gives it back, refuses, or keeps its value.
TEST_F(Fractions, TexteQuelconque)
{
    const std::vector<std::string> textes = {
        "", "(", ")", "/", "1/", "/x", "x+", "+-+-", "((x)", "Y", "(x+1)^99999", "x^99999-1",
        std::string(100000, 'x'), outils::entre_parentheses("1/x+1/x"), std::string(100000, '/'),
        "\xff\xfe\x01/\x80", outils::octets_au_hasard(5000, 9),
    };
    for (const std::string &t : textes) {
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, numerateurs_ajoutes(t).value_or(t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, au_denominateur(t, t).value_or(t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, haut_et_bas(t, t)));
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, par(t, t)));
        // A factor that is no formula is refused.
        const bool facteur_lisible = outils::valeur_ordinaire(t, 1).lecture != outils::Lecture::illisible;
        EXPECT_TRUE(facteur_lisible || par("x^2-1", t).empty()) << outils::apercu(t);
        EXPECT_TRUE(outils::rendu_ou_equivalent(t, par_binome(t, "x-1")));
    }
}

} // namespace
