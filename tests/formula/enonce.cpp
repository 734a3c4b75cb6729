#include "formula/enonce.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

#include "tests/outils/textes_hostiles.h"

namespace {

// The parts of a member written as "part op part op part".
std::string parties(const EnonceLu &e, const Membre &m)
{
    std::string r;
    for (const Partie &p : m.parties) {
        r += e.ecrit(p.etendue);
        if (p.operateur != '\0')
            r += std::string(" ") + p.operateur + " ";
    }
    return r;
}

TEST(EnonceLu, PartsOfTheMembers)
{
    struct Cas {
        std::string texte;
        Nature nature;
        std::vector<std::string> membres;   // each member's parts
        bool termes;                        // of the first member
    };
    const Cas cas[] = {
        {"x", EXPRESSION, {"x"}, false},
        {"-x+1", EXPRESSION, {"-x + 1"}, true},
        {"2*(x-1)", EXPRESSION, {"2 * (x-1)"}, false},
        {"(x+1)", EXPRESSION, {"x + 1"}, true},
        {"((x+1))", EXPRESSION, {"(x+1)"}, false},
        {"3*x^2-(x+1)*2+4", EXPRESSION, {"3*x^2 - (x+1)*2 + 4"}, true},
        {" a - b ", EXPRESSION, {"a - b"}, true},
        {"a+-b", EXPRESSION, {"a + -b"}, true},
        // A sign after "*", "/" or "^" belongs to the next factor; a sign in
        // front of a product to its first factor.
        {"2*-3", EXPRESSION, {"2 * -3"}, false},
        {"-2*x/3", EXPRESSION, {"-2 * x / 3"}, false},
        {"x/-2+1/3", EXPRESSION, {"x/-2 + 1/3"}, true},
        {"x^-1-x", EXPRESSION, {"x^-1 - x"}, true},
        {"-x^2", EXPRESSION, {"-x^2"}, false},
        // Factors written side by side are one part.
        {"2x+3(x-1)", EXPRESSION, {"2x + 3(x-1)"}, true},
        {"2x*3sqrt(2)", EXPRESSION, {"2x * 3sqrt(2)"}, false},
        {"(x+1)(x-1)", EXPRESSION, {"(x+1)(x-1)"}, false},
        {"sqrt(x+1)*(x-2)^2/3", EXPRESSION, {"sqrt(x+1) * (x-2)^2 / 3"}, false},
        {"AB..arrow+BC..arrow", EXPRESSION, {"AB..arrow + BC..arrow"}, true},
        {"2x+1=7", EQUATION, {"2x + 1", "7"}, true},
        {"x-1 <= 2*x", INFERIEUR_OU_EGAL, {"x - 1", "2 * x"}, true},
        {"(x-2)(x+3)>0", SUPERIEUR, {"(x-2)(x+3)", "0"}, false},
        {"x>=-1", SUPERIEUR_OU_EGAL, {"x", "-1"}, false},
        {"1<x", INFERIEUR, {"1", "x"}, false},
        // A statement that does not read keeps its text, one part a member.
        {"a+", EXPRESSION, {"a+"}, false},
        {"x=>3", SUPERIEUR, {"x=", "3"}, false},
        {"x+1=", EQUATION, {"x+1", ""}, false},
        {"(x", EXPRESSION, {"(x"}, false},
        {"", EXPRESSION, {""}, false},
        // The lines of a system are its members, whole.
        {"{\r\nx+y=2\r\nx-y=0\r\n}", SYSTEME, {"x+y=2", "x-y=0"}, false},
        {"{x+y<2\r\nx-y<0}", SYSTEME, {"x+y<2", "x-y<0"}, false},
        {"{x+y=2}", SYSTEME, {"x+y=2"}, false},
    };
    for (const Cas &c : cas) {
        const EnonceLu e(c.texte);
        EXPECT_EQ(e.nature, c.nature) << c.texte;
        ASSERT_EQ(e.membres.size(), c.membres.size()) << c.texte;
        for (std::size_t k = 0; k < c.membres.size(); ++k)
            EXPECT_EQ(parties(e, e.membres[k]), c.membres[k]) << c.texte;
        EXPECT_EQ(e.membres[0].termes, c.termes) << c.texte;
    }
}

TEST(EnonceLu, RelationSystemAndDomain)
{
    const EnonceLu equation("2x + 1 = 7");
    EXPECT_EQ(equation.texte, "2x+1=7");
    EXPECT_EQ(equation.position_relation, 5);
    ASSERT_TRUE(equation.arbre);
    EXPECT_EQ((*equation.arbre)[equation.membres[1].noeud].genre, Genre::nombre);

    const EnonceLu systeme("{\r\n2x+3y=7\r\nx-y=1\r\n}");
    EXPECT_EQ(systeme.texte, "2x+3y=7\r\nx-y=1");
    EXPECT_EQ(systeme.position_relation, 8);
    EXPECT_EQ(systeme.mot_systeme, "équation");
    EXPECT_EQ(systeme.equations.size(), 2u);
    EXPECT_EQ(systeme.membres[1].noeud, systeme.equations[1]);
    EXPECT_EQ(EnonceLu("{x+y<4\r\n2x-y>1}").mot_systeme, "inéquation");

    EXPECT_EQ(EnonceLu("2x+1").domaine, -1);

    // Each part's node, when it is one node as written.
    const std::pair<std::string, std::vector<int>> genres[] = {
        {"x^2+3(x-1)", {static_cast<int>(Genre::puissance), static_cast<int>(Genre::produit)}},
        {"-2*x/3", {-1, static_cast<int>(Genre::lettre), static_cast<int>(Genre::nombre)}},
        {"2x*3", {-1, static_cast<int>(Genre::nombre)}},
        {"sqrt(x)", {static_cast<int>(Genre::fonction)}},
        {"2x+", {-1}},
    };
    for (const auto &[texte, attendus] : genres) {
        const EnonceLu e(texte);
        std::vector<int> lus;
        for (const Partie &p : e.membres.front().parties)
            lus.push_back(p.noeud < 0 ? -1 : static_cast<int>((*e.arbre)[p.noeud].genre));
        EXPECT_EQ(lus, attendus) << texte;
    }
    const EnonceLu domaine("domain(x,-inf,3,12)");
    ASSERT_TRUE(domaine.arbre);
    EXPECT_EQ(domaine.domaine, domaine.arbre->racine);
}

// Whatever the text, every part lies within the statement's text.
TEST(EnonceLu, HostileTextsStayWithinTheText)
{
    std::string longue = "x";
    for (int i = 0; i < 30000; ++i)
        longue += "+x";
    const std::string textes[] = {
        longue,
        std::string(100000, 'x'),
        outils::entre_parentheses("x"),
        std::string(10000, '('),
        outils::octets_au_hasard(100000, 7),
        "{",
        "{\r",
        "{\r\n}",
    };
    for (const std::string &t : textes) {
        const EnonceLu e(t);
        for (const Membre &m : e.membres)
            for (const Partie &p : m.parties)
                EXPECT_LE(p.etendue.debut, p.etendue.fin);
        for (const Membre &m : e.membres)
            EXPECT_LE(m.etendue.fin, e.texte.size());
    }
    EXPECT_EQ(EnonceLu(longue).membres[0].parties.size(), 30001u);
}

} // namespace
