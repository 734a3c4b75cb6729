// The operations that wait for an argument refuse one that has no meaning
// for them, with a message to the pupil, and record nothing.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app/travail/travail.h"
#include "core/partage.h"

namespace {

struct Cas {
    const char *enonce;
    int code;
    const char *argument;
};

class Arguments : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        t.FormActivate("");
    }

    void donne(const Cas &c)
    {
        t.MthX1Change(c.enonce);
        t.enregistrer_etape(c.enonce, "c", true);
        t.message.clear();
        partage.action_en_cours = c.code;
        t.affiche(c.argument);
    }

    Travail t;
};

TEST_F(Arguments, MeaninglessArgumentsAreRefused)
{
    const Cas cas[] = {
        {"2*x+4", 1, "0"},           {"2*x+4", 1, "x-x"},        {"2/(x+1)", 2, "0"},
        {"2/(x+1)", 3, "0"},         {"2/(x+1)", 3, "0*x"},      {"2*x+1=5", 4, "0"},
        {"2*x+1=5", 6, "0"},         {"2*x+1=5", 5, "x=1"},      {"2*x+1=5", 7, "x<1"},
        {"2*x+1=5", 5, "0"},         {"2*x+1=5", 4, "2+"},       {"1/x+1/2", 9, "0"},
        {"2*x+1=5", 8, "x=2"},       {"AB..arrow+BC..arrow", 11, "AB"},
        {"AB..arrow+BC..arrow", 11, "2"},  {"2*x+4", 1, "1*et*2"},        {"a*x=4", 6, "a-a"},
        {"2*x+1=5", 4, "1/0"},       {"2/(x+1)", 2, "sqrt(-1)"},  {"2*x+1=5", 8, "1/(x-x)"},
        {"sqrt(x-3)", 12, "sqrt(x-4)*0+sqrt(x-3)+sqrt(-x-1)"},
        // A factor, a divisor or a denominator that does not divide.
        {"x^2+3*x+5", 1, "x"},       {"x^2-1+(x+1)*(x-3)", 1, "x-1"}, {"(x+1)/(x+2)", 3, "x"},
        {"1/(x^2-1)+1/(x-1)", 9, "x+1"}, {"5/12+7/18", 9, "30"},
    };
    for (const Cas &c : cas) {
        donne(c);
        EXPECT_EQ(partage.etape, 2) << c.enonce << " / " << c.argument;
        EXPECT_FALSE(t.message.empty()) << c.enonce << " / " << c.argument;
    }
}

// Both members divided by an expression in x, or multiplied by one that may
// vanish or change sign, would lose, add or reverse solutions.
TEST_F(Arguments, FacteursEnXQuiChangentLesSolutions)
{
    const Cas cas[] = {
        {"x^2=3*x", 6, "x"},         {"x^2<3*x", 6, "x"},       {"2*x^2=8*x", 6, "2x"},
        {"x^2+x=0", 6, "x+1"},       {"x^2<4", 6, "x^2+1"},     {"1/x<2", 4, "x"},
        {"x/(x-1)<2", 4, "x-1"},     {"x^2=1", 4, "x^2"},       {"x^2=1", 4, "-x"},
    };
    for (const Cas &c : cas) {
        donne(c);
        EXPECT_EQ(partage.etape, 2) << c.enonce << " / " << c.argument;
        EXPECT_EQ(t.message, c.code == 6 ? "On ne divise les deux membres que par un nombre non nul."
                                         : "On ne multiplie les deux membres que par un nombre non nul, ou par une "
                                           "expression qui garde son signe sans jamais s'annuler (ou, dans une équation, par un "
                                           "dénominateur).")
            << c.enonce << " / " << c.argument;
    }
    // A factor that keeps one sign, and never vanishes, may multiply (a
    // negative one reverses the inequation), and so may an equation's denominator.
    const std::pair<Cas, char> signes[] = {
        {{"x/(x^2+1)<2", 4, "x^2+1"}, '<'}, {{"x<1", 4, "-x^2-1"}, '>'}, {{"x=1", 4, "(x-1)^2+2"}, '='},
        {{"3/(x-1)=2", 4, "x-1"}, '='}};
    for (const auto &[c, relation] : signes) {
        donne(c);
        EXPECT_EQ(partage.etape, 3) << c.enonce << " / " << c.argument;
        EXPECT_NE(t.etapes[3].find(relation), std::string::npos) << c.enonce << " -> " << t.etapes[3];
    }
}

TEST_F(Arguments, SoundArgumentsAreRecorded)
{
    const Cas cas[] = {
        {"2*x+4", 1, "2"},           {"2/(x+1)", 3, "2"},        {"2*x+1=5", 5, "-1"},
        {"2*x+1=5", 6, "2"},         {"2*x+1=5", 8, "2"},        {"a*x=4", 6, "a"},        {"AB..arrow+BC..arrow", 11, "C"},
        {"x^2-1+(x+1)*(x-3)", 1, "x+1"}, {"(x^2+x)/x", 3, "x"},  {"1/(x^2-1)+1/(x-1)", 9, "x^2-1"},
        {"2*(x+1)", 12, "2*x+2"},    {"2*x+1=5", 12, "2*x=4"},   {"sqrt(x-3)", 12, "sqrt(x-4)"},
    };
    for (const Cas &c : cas) {
        donne(c);
        EXPECT_EQ(partage.etape, 3) << c.enonce << " / " << c.argument;
        EXPECT_TRUE(t.message.empty()) << c.enonce << " / " << c.argument << " : " << t.message;
    }
    EXPECT_EQ(t.commentaires[3], "Ecriture non équivalente.");
}

// Arguments as pupils type them: a decimal comma, a negative number that
// turns an inequation, an implicit product; the hint shows what was typed.
TEST_F(Arguments, ArgumentsEcritsParLesEleves)
{
    const struct {
        Cas cas;
        const char *etape, *indication;
    } cas[] = {
        {{"0.5*x>=2", 6, "0,5"}, "x>=4", "Il faut diviser les deux membres par [0,5]."},
        {{"-3*x+1<7", 4, "-3"}, "9*x-3>-21", "Il faut multiplier les deux membres par [-3]."},
        {{"4*x^2+2*x", 1, "2x"}, "2*x*(2*x+1)", "Il faut factoriser par [2x]."},
        {{"x-3>2*x", 7, "2x"}, "-x-3>0", "Il faut soustraire [2x] aux deux membres."},
        {{"2*x^2+1", 8, "-3"}, "19", "Il faut remplacer x par [-3]."},
        {{"1/x", 8, "0"}, "1/x", "L'expression est non définie pour x = 0"},
    };
    for (const auto &c : cas) {
        donne(c.cas);
        EXPECT_EQ(t.etapes[3], c.etape) << c.cas.enonce << " / " << c.cas.argument;
        EXPECT_EQ(t.commentaires[3], c.indication) << c.cas.enonce << " / " << c.cas.argument;
    }
    // The sign of a teacher's letter is unknown: an inequation is not divided by it.
    donne({"a*x<4", 6, "a"});
    EXPECT_EQ(partage.etape, 2);
    EXPECT_EQ(t.message, "On ne divise les deux membres que par un nombre non nul.");
}

// A rewriting refused by "Ecrire autrement..." names the rule it broke, for
// an expression and for an equation alike.
TEST_F(Arguments, TheRefusedRewritingNamesTheRule)
{
    partage.dossier_programme = VIVEZEZI_DONNEES;
    const struct {
        Cas cas;
        const char *explication;
    } refus[] = {
        {{"2*(x-3)", 12, "2*x-3"}, "Le facteur multiplie chaque terme de la parenthèse"},
        {{"3*x=12", 12, "x=9"}, "Dans ax = b, a multiplie x"},
        {{"2*x+3=11", 12, "2*x=14"}, "Un terme qui change de membre change de signe"},
    };
    for (const auto &r : refus) {
        donne(r.cas);
        EXPECT_EQ(partage.etape, 3) << r.cas.argument;
        EXPECT_TRUE(t.commentaires[3].starts_with(std::string("Ecriture non équivalente. ") + r.explication))
            << t.commentaires[3];
    }
    EXPECT_EQ(partage.regles_nommees, (std::vector<std::string>{"distributivite_partielle", "coefficient_soustrait",
                                                                 "transposition_sans_changement_signe"}));
}

} // namespace
