#include "algebra/vecteurs.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "core/partage.h"

namespace {

using Cas = std::pair<const char *, const char *>;

class Vecteurs : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

TEST_F(Vecteurs, DecomposeParUnPoint)
{
    const struct {
        const char *texte, *point, *attendu;
    } cas[] = {
        {"AB..arrow", "C", "AC..arrow+CB..arrow"},
        {"2*AB..arrow+CD..arrow", "E", "2*(AE..arrow+EB..arrow)+CD..arrow"},
        {"-AB..arrow", "C", "-AC..arrow-CB..arrow"},
        {"-AB..arrow+CD..arrow", "E", "-AE..arrow-EB..arrow+CD..arrow"},
        {"AB..arrow/2", "C", "(AC..arrow+CB..arrow)/2"},
        {"(AB..arrow)*2", "C", "(AC..arrow+CB..arrow)*2"},
        {"o..arrow+AB..arrow", "M", "o..arrow+AM..arrow+MB..arrow"},   // the zero vector has no points
        {"AB..arrow", "c", "AB..arrow"},
        {"AB..arrow", "CD", "AB..arrow"},
        {"AB..arrow", "", "AB..arrow"},
        {"x+1", "C", "x+1"},
        {"..arrow", "C", "..arrow"},
    };
    for (const auto &c : cas) {
        const Issue issue = decompose_vecteur(EnonceLu(c.texte), c.point);
        EXPECT_EQ(issue ? issue->texte : c.texte, c.attendu) << c.texte << " by " << c.point;
    }
    // Only a point's name says why it is refused.
    for (const char *point : {"c", "CD", "", "2"})
        EXPECT_EQ(decompose_vecteur(EnonceLu("AB..arrow"), point).refus(),
                  "Il faut donner le nom d'un point (une lettre majuscule).")
            << point;
}

TEST_F(Vecteurs, VecteurSeul)
{
    EXPECT_TRUE(est_vecteur_seul(EnonceLu("AB..arrow")));
    EXPECT_TRUE(est_vecteur_seul(EnonceLu("-AB..arrow")));
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("o..arrow")));   // 8 characters
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("AB..arrow+BC..arrow")));
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("2*AB..arrow")));
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("AB..arrow=CD..arrow")));
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("xxxxxxxxxx")));
    EXPECT_FALSE(est_vecteur_seul(EnonceLu("")));
}

TEST_F(Vecteurs, EnleveLesMoins)
{
    const Cas cas[] = {
        {"-AB..arrow", "BA..arrow"},
        {"AB..arrow-CD..arrow", "AB..arrow+DC..arrow"},
        {"AB..arrow-3*CD..arrow", "AB..arrow+3*DC..arrow"},
        {"-AB..arrow-BC..arrow", "BA..arrow+CB..arrow"},
        {"x-AB..arrow*3", "x+3*BA..arrow"},
        {"AB..arrow=-CD..arrow", "AB..arrow=DC..arrow"},
        {"2*(CD..arrow-AB..arrow)", "2*(CD..arrow+BA..arrow)"},
    };
    for (const auto &[entree, attendu] : cas) {
        const Issue t = enleve_moins_vecteurs(EnonceLu(entree));
        ASSERT_TRUE(t) << entree;
        EXPECT_EQ(t->texte, attendu) << entree;
    }
    // Nothing to turn: a sum of vectors, a multiple by more than one
    // character, a text without vectors.
    for (const char *texte : {"AB..arrow+CD..arrow", "AB..arrow-12*CD..arrow", "x-1", "-o..arrow"})
        EXPECT_FALSE(enleve_moins_vecteurs(EnonceLu(texte))) << texte;
}

TEST_F(Vecteurs, Chasles)
{
    const Cas cas[] = {
        {"AB..arrow+BC..arrow", "AC..arrow"},
        {"BC..arrow+AB..arrow", "AC..arrow"},
        {"AB..arrow+BA..arrow", "o..arrow"},
        {"AA..arrow", "o..arrow"},
        {"AB..arrow+CD..arrow", "AB..arrow+CD..arrow"},
        {"AB..arrow + BC..arrow + CD..arrow", "AC..arrow+CD..arrow"},   // one pair per call
        {"AB..arrow-BC..arrow", "AB..arrow-BC..arrow"},                 // a subtracted vector waits
        {"BC..arrow-x+AB..arrow", "-x+AC..arrow"},
        // Each member on its own: a vector never crosses the relation sign.
        {"AB..arrow+u=v+BC..arrow", "AB..arrow+u=v+BC..arrow"},
        {"AB..arrow+BC..arrow=AA..arrow", "AC..arrow=o..arrow"},
        // Two vectors multiplied by the same number merge: 2AB+2BC = 2AC.
        {"2AB..arrow+2BC..arrow", "2AC..arrow"},
        {"3*AB..arrow+x+3*BC..arrow", "3*AC..arrow+x"},
        {"2AB..arrow+2BA..arrow", "2o..arrow"},
        // Otherwise a vector multiplied or divided is not merged as it stands.
        {"AB..arrow*2+BC..arrow", "AB..arrow*2+BC..arrow"},
        {"2*AB..arrow+BC..arrow", "2*AB..arrow+BC..arrow"},
        {"2AB..arrow+3BC..arrow", "2AB..arrow+3BC..arrow"},
        {"AB..arrow+BC..arrow/3", "AB..arrow+BC..arrow/3"},
    };
    for (const auto &[entree, attendu] : cas) {
        const Issue t = chasles(EnonceLu(entree));
        ASSERT_TRUE(t) << entree;
        EXPECT_EQ(t->texte, attendu) << entree;
    }
    // No vector, or the working marker already there: nothing to merge.
    for (const char *texte : {"x+1", "AB~+BC..arrow"})
        EXPECT_FALSE(chasles(EnonceLu(texte))) << texte;
}

// Repeated merges with the sign turned first bring a closed path to zero.
TEST_F(Vecteurs, CheminFermeDonneLeVecteurNul)
{
    const Issue plus = enleve_moins_vecteurs(EnonceLu("AB..arrow+BC..arrow+CD..arrow-AD..arrow"));
    ASSERT_TRUE(plus);
    std::string t = plus->texte;
    for (int i = 0; i < 5; ++i) t = chasles(EnonceLu(t))->texte;
    EXPECT_EQ(t, "o..arrow");
}

TEST_F(Vecteurs, VecteurNul)
{
    const Cas cas[] = {
        {"AB..arrow+o..arrow", "AB..arrow"},
        {"o..arrow", "o..arrow"},
        {"2*o..arrow", "o..arrow"},
        {"0", "o..arrow"},
        {"AB..arrow", "AB..arrow"},
        {"x+1", "x+1"},
    };
    for (const auto &[entree, attendu] : cas) {
        const Issue issue = vecteur_nul(EnonceLu(entree));
        EXPECT_EQ(issue ? issue->texte : entree, attendu) << entree;
    }
}

TEST_F(Vecteurs, TexteQuelconqueSansPanne)
{
    std::vector<std::string> textes = {"", "~", "~..arrow", "A~B..arrow", "..arrow..arrow", "-", "AB..arrow~",
                                       "o..arrowo..arrow", "\xff..arrow", "A..arrow", "-..arrow", "*..arrow"};
    std::string longue;
    for (int i = 0; i < 5000; ++i) longue += std::string(1, static_cast<char>('A' + i % 26)) +
                                             static_cast<char>('A' + (i + 1) % 26) + "..arrow+";
    textes.push_back(longue + "AA..arrow");
    textes.push_back(std::string(10000, '(') + "AB..arrow");
    std::string bytes;
    for (int c = 1; c < 256; ++c) bytes += static_cast<char>(c);
    textes.push_back(bytes + "..arrow");

    for (const std::string &texte : textes) {
        const EnonceLu lu(texte);
        decompose_vecteur(lu, "P");
        est_vecteur_seul(lu);
        enleve_moins_vecteurs(lu);
        chasles(lu);
        vecteur_nul(lu);
    }
}

} // namespace
