#include "formula/reponse.h"

#include <gtest/gtest.h>

#include "formula/sens.h"
#include "tests/outils/textes_hostiles.h"

namespace {

struct Cas {
    const char *attendue, *reponse;
    Verdict verdict;
};

constexpr Verdict J = Verdict::juste, S = Verdict::simplifiable, F = Verdict::fausse;

void joue(NatureEnonce nature, std::initializer_list<Cas> cas)
{
    for (const Cas &c : cas)
        EXPECT_EQ(compare_reponses(c.attendue, c.reponse, nature).verdict, c.verdict)
            << c.attendue << " / " << c.reponse << " : " << compare_reponses(c.attendue, c.reponse, nature).raison;
}

TEST(LectureReponse, Equation)
{
    joue(NatureEnonce::equation, {
        {"-12", "-12", J}, {"-12", "x=-12", J}, {"-12", "x = -12", J}, {"-12", "S={-12}", J}, {"-12", "-12=x", J},
        {"-12", "-24/2", S}, {"-12", "-2", F}, {"-12", "x=-12 ou x=2", F}, {"-12", "2x=-24", F},
        {"2*et*-3", "-3 ou 2", J}, {"2*et*-3", "x=2 et x=-3", J}, {"2*et*-3", "S = {2 ; -3}", J},
        {"2*et*-3", "x=2etx=-3", J}, {"2*et*-3", "-3*et*2", J}, {"2*et*-3", "{2,-3}", J}, {"2*et*-3", "2,-3", J}, {"2*et*-3", "x ∈ {-3 ; 2}", J}, {"2*et*-3", "2", F},
        {"1/2", "0.5", J}, {"1/2", "0,5", J}, {"1/2", "{0,5}", J}, {"1/3", "0.33", F}, {"-7/3", "7/(-3)", J},
        {"-7/3", "-2.33", F}, {"2*sqrt(3)", "2sqrt(3)", J}, {"2*sqrt(3)", "sqrt(12)", S}, {"2*sqrt(3)", "3.46", F},
        {"([])", "pas de solution", J}, {"([])", "Aucune solution", J}, {"([])", "S=∅", J}, {"([])", "S = {}", J},
        {"([])", "0", F}, {"R", "tout réel", J}, {"R", "tout reel", J}, {"R", "S=ℝ", J}, {"R", "0", F},
    });
}

TEST(LectureReponse, Inequation)
{
    joue(NatureEnonce::inequation, {
        {"domain(x,-inf,2,12)", "x<2", J}, {"domain(x,-inf,2,12)", "2>x", J}, {"domain(x,-inf,2,12)", "]-∞;2[", J},
        {"domain(x,-inf,2,12)", "]-inf ; 2[", J}, {"domain(x,-inf,2,12)", "S=]-∞;2[", J},
        {"domain(x,-inf,2,12)", "x<=2", F}, {"domain(x,-inf,2,12)", "x>2", F}, {"domain(x,-inf,2,12)", "x<4/2", S},
        {"(domain(x,-inf,2,14))", "x≤2", J}, {"(domain(x,-inf,2,14))", "]-∞ ; 2]", J},
        {"(domain(x,-2,1,13))", "-2<=x<=1", J}, {"(domain(x,-2,1,13))", "[-2;1]", J}, {"(domain(x,-2,1,13))", "[-2,1]", J},
        {"(domain(x,-2,1,13))", "x>=-2 et x<=1", J}, {"(domain(x,-2,1,13))", "]-2;1]", F},
        {"(domain(x,-inf,-3,12))or(domain(x,2,inf,12))", "]2;+∞[ ∪ ]-∞;-3[", J},
        {"(domain(x,-inf,-3,12))or(domain(x,2,inf,12))", "x<-3 ou x>2", J},
        {"(domain(x,-inf,-3,12))or(domain(x,2,inf,12))", "]-inf;-3[U]2;inf[", J},
        {"(domain(x,-inf,-3,12))or(domain(x,2,inf,12))", "]-3;2[", F},
        {"domain(x,-inf,1/2,12)", "x<0,5", J}, {"domain(x,-inf,1/3,12)", "x<0.33", F},
        {"([])", "pas de solution", J}, {"([])", "∅", J}, {"(domain(x,-inf,inf,12))", "ℝ", J},
        {"([2])", "x=2", J}, {"([2])", "{2}", J}, {"domain(x,-inf,2,12)", "x ∈ ]-∞ ; 2[", J},
    });
}

TEST(LectureReponse, Systeme)
{
    // An unnamed pair reads (x ; y): the reversed pair is wrong.
    joue(NatureEnonce::systeme, {
        {"3*et*2", "x=3 et y=2", J}, {"3*et*2", "y=2 et x=3", J}, {"3*et*2", "(3;2)", J}, {"3*et*2", "(3,2)", J},
        {"3*et*2", "S={(3;2)}", J}, {"3*et*2", "3*et*2", J}, {"3*et*2", "{x=3\r\ny=2}", J}, {"3*et*2", "(2;3)", F},
        {"3*et*2", "x=2 et y=3", F}, {"3*et*2", "(6/2;2)", S}, {"3*et*2", "3", F}, {"1/2*et*2", "(0,5;2)", J},
        // No pair, or infinitely many: against each other and against a pair.
        {"([])", "aucune solution", J}, {"([])", "Pas de solution", J}, {"([])", "S=∅", J}, {"([])", "{}", J},
        {"([])", "une infinité de solutions", F}, {"([])", "(3;2)", F}, {"3*et*2", "pas de solution", F},
        {"R", "une infinité de solutions", J}, {"R", "Infinité", J}, {"R", "R", J}, {"R", "aucune solution", F},
        {"R", "x=3 et y=2", F}, {"3*et*2", "une infinité de solutions", F},
    });
    EXPECT_EQ(nature_enonce("{x+y=3\r\nx-y=1}"), NatureEnonce::systeme);
}

TEST(LectureReponse, Expression)
{
    joue(NatureEnonce::expression, {
        {"2*x^2-5*x-12", "2x^2-5x-12", J}, {"2*x^2-5*x-12", "-12-5x+2x²", J}, {"2*x^2-5*x-12", "2x^2-3x-2x-12", S},
        {"2*x^2-5*x-12", "(2x+3)(x-4)", S}, {"2*x^2-5*x-12", "2x^2-5x+12", F},
        {"(x+1)*(3*x+2)", "(3x+2)(x+1)", J}, {"(x+1)*(3*x+2)", "3x^2+5x+2", F}, {"(x+1)*(3*x+2)", "(x+1)(3x+3)", F},
        {"-(x-3)*(x+1)", "(3-x)(x+1)", J}, {"-(x-3)*(x+1)", "(x+1)(-x+3)", J}, {"-(x-3)*(x+1)", "(x-3)(x+1)", F},
        {"(x-3)^2", "(3-x)^2", J}, {"(x-3)^2", "(x-3)(x-3)", S}, {"3*x*(x+2)", "x(3x+6)", S},
        {"3*x*(x+2)", "(x+2)*3x", J}, {"5*sqrt(3)", "5sqrt(3)", J}, {"5*sqrt(3)", "sqrt(3)*5", J},
        {"5*sqrt(3)", "sqrt(75)", S}, {"sqrt(12)", "2sqrt(3)", J}, {"sqrt(12)+1", "1+2*sqrt(3)", J}, {"2*sqrt(3)+4", "4+2sqrt(3)", J}, {"3/2", "9/6", S}, {"3/2", "1,5", J},
        {"1/3", "0.33", F}, {"x+1", "(x^2-1)/(x-1)", F}, {"(5*x+2)/(x*(x+1))", "(5x+2)/(x(x+1))", J},
        {"AC..arrow", "AC..arrow", J}, {"AC..arrow", "CA..arrow", F}, {"AC..arrow", "-CA..arrow", S}, {"o..arrow", "0", J},
    });
}

TEST(LectureReponse, TexteIllisible)
{
    for (const char *texte : {"", "  ", "2+", "x=", "2 et", "]2;[", "(3;"}) {
        const LectureReponse l = lis_reponse(texte, texte[0] == ']' ? NatureEnonce::inequation
                                                             : texte[0] == '(' ? NatureEnonce::systeme
                                                                               : NatureEnonce::equation);
        EXPECT_FALSE(l.sens) << texte;
        EXPECT_EQ(l.message.rfind(REPONSE_ILLISIBLE, 0), 0u) << texte << " : " << l.message;
    }
}

TEST(LectureReponse, LeProgrammeRelitSonEcriture)
{
    for (const auto &[texte, nature] : std::initializer_list<std::pair<const char *, NatureEnonce>>{
             {"2*et*-3", NatureEnonce::equation}, {"([])", NatureEnonce::equation},
             {"(domain(x,-inf,-3,12))or(domain(x,2,inf,15))", NatureEnonce::inequation},
             {"([2])", NatureEnonce::inequation}, {"3*et*2", NatureEnonce::systeme},
             {"([])", NatureEnonce::systeme}, {"une infinité de solutions", NatureEnonce::systeme}}) {
        const LectureReponse l = lis_reponse(texte, nature);
        ASSERT_TRUE(l.sens) << texte;
        EXPECT_EQ(lis_reponse(ecrit_sens(*l.sens), nature).sens, l.sens) << texte << " -> " << ecrit_sens(*l.sens);
    }
}

TEST(LectureReponse, EntreesHostilesSures)
{
    // Read or refused with a message, never a crash nor a long wait.
    std::vector<std::string> textes = {
        outils::entre_parentheses("x"), std::string(100000, 'x'), outils::octets_au_hasard(20000, 7),
        "{{{{", "]]]][[[[", "x<<<2", ";;;;", "et et et", "S=", "S=S=S=", "x∈", "((([]))", "domain(x,",
        "(domain(x,1,2,13))or(", "x=1=2=3", "]-inf;inf[∪", "\xE2\x88", "x^99999=1", "sqrt(" + std::string(3000, '9') + ")",
    };
    std::string liste, reunion;
    for (int i = 0; i < 20000; ++i) {
        liste += std::to_string(i) + ";";
        reunion += "]" + std::to_string(i) + ";" + std::to_string(i + 1) + "[U";
    }
    textes.push_back(liste + "0");
    textes.push_back(reunion + "]0;1[");
    for (const std::string &t : textes)
        for (NatureEnonce nature : {NatureEnonce::expression, NatureEnonce::equation, NatureEnonce::inequation,
                                    NatureEnonce::systeme}) {
            const LectureReponse l = lis_reponse(t, nature);
            EXPECT_TRUE(l.sens || l.message.rfind(REPONSE_ILLISIBLE, 0) == 0) << t.substr(0, 40);
            compare_reponses("2", t, nature);
            compare_reponses(t, t, nature);
        }
}

} // namespace
