#include "core/decoupe.h"

#include <random>
#include <string>
#include <vector>

#include <gtest/gtest.h>

#include <climits>

#include "core/algebre.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "tests/outils/textes_hostiles.h"

namespace {

struct Resultat {
    std::string description;   // last description that was not "..."
    std::vector<std::string> morceaux;
    std::vector<std::string> operateurs;
};

// Runs the split in its fixed order and collects the pieces up to the first
// empty one that no operator announces.
Resultat scinde(const std::string &texte)
{
    isole_groupes(texte);
    Resultat r;
    for (int i = 1; i <= 18; ++i) {
        std::string d = decoupe(i);
        if (d == "...")
            break;
        r.description = d;
    }
    for (int k = 1; k <= 20; ++k) {
        const bool annonce = k > 1 && !partage.table_operateurs[k - 1].empty();
        if (partage.table_morceaux[k].empty() && !annonce)
            break;
        r.morceaux.push_back(partage.table_morceaux[k]);
        if (!partage.table_operateurs[k].empty())
            r.operateurs.push_back(partage.table_operateurs[k]);
    }
    return r;
}

std::string repete(const std::string &motif, int n, const std::string &joint)
{
    std::string r;
    for (int i = 0; i < n; ++i)
        r += (i ? joint : "") + motif;
    return r;
}

class Decoupe : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

struct CasDecoupe {
    std::string texte;
    std::string description;
    std::vector<std::string> morceaux;
    std::vector<std::string> operateurs;
};

TEST_F(Decoupe, PiecesOperatorsAndDescription)
{
    const CasDecoupe cas[] = {
        {"x", "", {"x"}, {}},
        {"-x+1", "2 termes :", {"-x", "1"}, {"+"}},
        {"-x", "", {"-x"}, {}},
        {"2*(x-1)", "2 facteurs :", {"2", "(x-1)"}, {"*"}},
        {"(x+1)", "", {"(x+1)"}, {}},
        {"()", "", {"()"}, {}},
        {"3*x^2-(x+1)*2+4", "3 termes :", {"3*x^2", "(x+1)*2", "4"}, {"-", "+"}},
        {"((a+b)*c)-d", "2 termes :", {"((a+b)*c)", "d"}, {"-"}},
        {" a - b ", "2 termes :", {"a", "b"}, {"-"}},
        {"*a/b", "2 facteurs :", {"a", "b"}, {"/"}},
        {"a+-b", "2 termes :", {"a", "-b"}, {"+"}},
        // A sign right after "*", "/" or "^" belongs to the next factor.
        {"2*-3", "2 facteurs :", {"2", "-3"}, {"*"}},
        {"x/-2+1/3", "2 termes :", {"x/-2", "1/3"}, {"+"}},
        {"x*+2-1", "2 termes :", {"x*+2", "1"}, {"-"}},
        {"x^-1-x", "2 termes :", {"x^-1", "x"}, {"-"}},
        {"a+", "2 termes :", {"a", ""}, {"+"}},
        {"sqrt(x+1)*(x-2)^2/3", "3 facteurs :", {"sqrt(x+1)", "(x-2)^2", "3"}, {"*", "/"}},
        // Points named Y and the group marker byte are ordinary characters.
        {"AY..arrow+YB..arrow", "2 termes :", {"AY..arrow", "YB..arrow"}, {"+"}},
        {std::string("a\x01" "A+(b)"), "2 termes :", {std::string("a\x01" "A"), "(b)"}, {"+"}},
        // Unbalanced parentheses stay in the text as they are.
        {")a+b(", "2 termes :", {")a", "b("}, {"+"}},
        {"(x+1", "2 termes :", {"(x", "1"}, {"+"}},
        {"(a+b))-c", "2 termes :", {"(a+b))", "c"}, {"-"}},
    };
    for (const CasDecoupe &c : cas) {
        const Resultat r = scinde(c.texte);
        EXPECT_EQ(r.description, c.description) << c.texte;
        EXPECT_EQ(r.morceaux, c.morceaux) << c.texte;
        EXPECT_EQ(r.operateurs, c.operateurs) << c.texte;
    }
}

TEST_F(Decoupe, GroupsAreNumberedFromTheInsideOut)
{
    isole_groupes("((a+b)*c)-d");
    EXPECT_EQ(partage.table_groupes[1], "\x01" "A=(a+b)");
    EXPECT_EQ(partage.table_groupes[2], "\x01" "B=(\x01" "A*c)");
    EXPECT_EQ(partage.table_groupes[3], "\x01" "B-d");
    EXPECT_TRUE(partage.table_groupes[4].empty());

    // Visiting a group entry leaves "(" content ")" and no pieces.
    EXPECT_EQ(decoupe(1), "");
    EXPECT_EQ(partage.table_groupes[1], "(a+b)");
    EXPECT_TRUE(partage.table_morceaux[1].empty());

    isole_groupes("()");
    EXPECT_EQ(partage.table_groupes[1], "\x01" "A=( )");
}

TEST_F(Decoupe, EntriesOutsideTheTableAreEmpty)
{
    isole_groupes("a+b");
    EXPECT_EQ(decoupe(0), "...");
    EXPECT_EQ(decoupe(2), "...");
    EXPECT_EQ(decoupe(21), "...");
    isole_groupes("");
    EXPECT_EQ(decoupe(1), "...");
}

TEST_F(Decoupe, SeventeenPiecesAtMost)
{
    const Resultat exact = scinde(repete("a", 17, "+"));
    EXPECT_EQ(exact.description, "17 termes :");
    EXPECT_EQ(exact.morceaux.size(), 17u);

    const Resultat plus = scinde(repete("a", 19, "*"));
    EXPECT_EQ(plus.description, "n facteurs :");
    ASSERT_EQ(plus.morceaux.size(), 17u);
    EXPECT_EQ(plus.morceaux[16], "a*a*a");
    EXPECT_EQ(plus.operateurs.size(), 16u);
}

TEST_F(Decoupe, SeventeenGroupsAtMost)
{
    // Seventeen groups are hidden; the eighteenth stays in the top-level text.
    const std::string imbrique = std::string(18, '(') + "x+1" + std::string(18, ')');
    const Resultat un = scinde(imbrique);
    EXPECT_EQ(un.description, "");
    EXPECT_EQ(un.morceaux, std::vector<std::string>{imbrique});
    const Resultat r = scinde(repete("(a)", 17, "*") + "*(r+s)");
    EXPECT_EQ(r.description, "2 termes :");
    EXPECT_EQ(r.morceaux, (std::vector<std::string>{repete("(a)", 17, "*") + "*(r", "s)"}));

    // Seventeen parenthesised terms: the top-level entry is the eighteenth.
    const Resultat somme = scinde(repete("(a)", 17, "+"));
    EXPECT_EQ(somme.description, "17 termes :");
    EXPECT_EQ(somme.morceaux.front(), "(a)");
}

TEST_F(Decoupe, BadInputStaysWithinTheTables)
{
    const std::string textes[] = {
        std::string(100000, 'x'),
        repete("x", 50000, "+"),
        outils::entre_parentheses("x"),
        std::string(10000, '('),
        std::string(10000, ')'),
        repete("(x)", 30000, "*"),
        outils::octets_au_hasard(100000, 7),
    };
    for (const std::string &t : textes)
        EXPECT_LE(scinde(t).morceaux.size(), 17u);
}

TEST(OutilsTermes, CleaningAndPositions)
{
    std::string t = " / a b";
    nettoie_membre(t);
    EXPECT_EQ(t, "ab");
    t = "**a";
    nettoie_membre(t);
    EXPECT_EQ(t, "*a");

    EXPECT_EQ(pos_apres_premier('-', "-x-1"), 3);
    EXPECT_EQ(pos_apres_premier('-', "-x"), 0);
    EXPECT_EQ(pos_apres_premier('-', ""), 0);
    EXPECT_EQ(pos_depuis('x', "axbx", 3), 4);
    EXPECT_EQ(pos_depuis('x', "axbx", 0), 2);
    EXPECT_EQ(pos_depuis('x', "axbx", 9), 0);

    t = "a+b-(c)";
    inverse_signes(t);
    EXPECT_EQ(t, "a-b+(c)");
    sans_parentheses(t);
    EXPECT_EQ(t, "a-b+c");

    const std::pair<std::string, std::string> operateurs[] = {
        {"+", "-"}, {"-", "+"}, {"*", "/"}, {"/", "*"}, {"^", "^"}, {"", ""}};
    for (const auto &[avant, apres] : operateurs) {
        std::string op = avant;
        inverse_operateur(op);
        EXPECT_EQ(op, apres) << avant;
    }
}

TEST(OutilsTermes, ExtraitTerme)
{
    const std::array<std::string, 3> cas[] = {
        // text, term, rest
        {"-3x+2", "-3x", "2"},
        {"", "0", ""},
        {"3x", "3x", ""},
        {"x-2+x^2", "x", "-2+x^2"},
        {"+3x", "", "3x"},
        {"-", "-", ""},
    };
    for (const auto &[texte, terme, reste] : cas) {
        std::string s = texte;
        EXPECT_EQ(extrait_terme(s), terme) << texte;
        EXPECT_EQ(s, reste) << texte;
    }
}

TEST(OutilsTermes, ExtraitCoefficient)
{
    const std::array<std::string, 4> cas[] = {
        // text, sign, coefficient, rest
        {"-x^2+1", "-", "-1", "1"},
        {"3*x", "+", "3", ""},
        {"-5", "-", "-5", ""},
        {"x", "+", "1", ""},
        {"", "+", "1", ""},
        {"0.5*x-2", "+", "0.5", "-2"},
        {"2*x^12+1", "+", "2", "1"},
        {"3*x^é-1", "+", "3", "-1"},    {"é^2*x", "+", "é", ""},
        {"x^", "+", "1", ""},
    };
    for (const auto &[texte, signe, coefficient, reste] : cas) {
        std::string s = texte, sg, co;
        extrait_coefficient(s, sg, co);
        EXPECT_EQ(sg, signe) << texte;
        EXPECT_EQ(co, coefficient) << texte;
        EXPECT_EQ(s, reste) << texte;
    }
}

TEST_F(Decoupe, OpposeTermes)
{
    const std::pair<std::string, std::string> cas[] = {
        {"a+b-c", "a-b+c"},
        {"-x+1", "-x-1"},
        {"2*x", "2*x"},
        {"(a+b)", "a-b"},
        {"", ""},
    };
    for (const auto &[avant, apres] : cas) {
        std::string t = avant;
        oppose_termes(t);
        EXPECT_EQ(t, apres) << avant;
    }
}

TEST_F(Decoupe, RegroupeKeepsTheValue)
{
    struct Cas {
        std::string texte;
        int rang, tour;
        std::string attendu;
    };
    const Cas cas[] = {
        {"a-b+c", 2, 1, "a-(b-c)"},
        {"a+b+c", 1, 1, "(a+b)+c"},
        {"a-b+c", 0, 1, "a-b+c"},
        {"c-a+(x-1)", 2, 1, "c-(a-x+1)"},
        {"c-a-(x-1)", 2, 1, "c-(a+(x-1))"},
        {"2*(x+1)*3", 2, 1, "2*((x+1)*3)"},
        {"2*(x+1)*3", 1, 0, "(2)*(x+1)*3"},
        {"a/b*c", 2, 1, "a/(b/c)"},
        {"sqrt((x))+(x+1)^2+1", 1, 1, "(sqrt((x))+(x+1)^2)+1"},
        {"(x)*sqrt((x))*(x+1)^2", 2, 1, "(x)*(sqrt((x))*(x+1)^2)"},
        {"a+b", 2, 5, "a+b"},   // a run past the last piece changes nothing
        {"a+b", 1, -1, "a+b"},
        {"1-2-3-4", 2, INT_MAX, "1-2-3-4"},   // no sum that overflows
        {"x+1+2+3", INT_MAX, 1, "x+1+2+3"},
    };
    for (const Cas &c : cas) {
        partage.autre_rang = c.rang;
        partage.autre_tour = c.tour;
        std::string t = c.texte;
        regroupe(t);
        EXPECT_EQ(t, c.attendu) << c.texte << " " << c.rang << " " << c.tour;
    }
    std::string t = "a-b+c*d-e";
    partage.autre_rang = 0;
    regroupe(t);
    EXPECT_EQ(partage.nb_formes, 3);
}

} // namespace

namespace {

bool utf8_valide(std::string_view t)
{
    for (std::size_t i = 0; i < t.size();) {
        const std::size_t n = longueur_caractere_utf8(t, i);
        if (n == 0)
            return false;
        i += n;
    }
    return true;
}

// A random text of formula bits and letters outside ASCII, valid UTF-8.
std::string texte_utf8_au_hasard(std::mt19937 &g)
{
    static const char *const bouts[] = {"x", "2", "12", "^", "+", "-", "*", "/", "(", ")",
                                        "é", "ü", "€", "𝑥", "sqrt(", ".", "a"};
    std::uniform_int_distribution<std::size_t> bout(0, std::size(bouts) - 1), longueur(0, 14);
    std::string t;
    for (std::size_t n = longueur(g); n > 0; --n)
        t += bouts[bout(g)];
    return t;
}

} // namespace

// No text tool ever cuts a character in two, whatever the text.
TEST_F(Decoupe, NeverSplitsACharacter)
{
    std::mt19937 g(11);
    for (int essai = 0; essai < 3000; ++essai) {
        const std::string texte = texte_utf8_au_hasard(g);
        std::vector<std::string> sorties;
        std::string t = texte, signe, coefficient;
        extrait_coefficient(t, signe, coefficient);
        sorties.insert(sorties.end(), {t, coefficient});
        t = texte;
        sorties.push_back(extrait_terme(t));
        sorties.push_back(t);
        const Puissance p = separe_puissance(texte);
        sorties.insert(sorties.end(), {p.base, p.developpe});
        for (void (*outil)(std::string &) : {inverse_signes, sans_parentheses, nettoie_membre, oppose_termes}) {
            t = texte;
            outil(t);
            sorties.push_back(t);
        }
        const Resultat r = scinde(texte);
        sorties.insert(sorties.end(), r.morceaux.begin(), r.morceaux.end());
        const TDalgebre enonce(texte);
        for (int k = 1; k <= 8; ++k)
            sorties.insert(sorties.end(), {enonce.membre_gauche.morceaux[k], enonce.membre_gauche.bases[k]});
        for (const std::string &s : sorties)
            ASSERT_TRUE(utf8_valide(s)) << texte << " -> " << s;
    }
}
