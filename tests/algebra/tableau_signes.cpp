#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "core/partage.h"
#include "formula/valeur.h"
#include "algebra/tableau_signes.h"

namespace {

TableauSignes tableau(const std::string &inequation) { return calcule_tableau_signes(EnonceLu(inequation)); }

std::vector<double> valeurs(const TableauSignes &t)
{
    std::vector<double> v;
    for (const std::string &r : t.racines)
        v.push_back(valeur(r, 0).value_or(NAN));
    return v;
}

// A point inside each interval the columns cut the line into.
std::vector<double> milieux(const std::vector<double> &v)
{
    std::vector<double> m{v.front() - 0.5};
    for (std::size_t i = 1; i < v.size(); ++i)
        m.push_back((v[i - 1] + v[i]) / 2);
    m.push_back(v.back() + 0.5);
    return m;
}

// Every sign of every row agrees with the evaluator between the roots.
void verifie_signes(const TableauSignes &t)
{
    const auto points = milieux(valeurs(t));
    std::vector<const LigneSignes *> lignes{&t.resultat};
    for (const LigneSignes &f : t.facteurs)
        lignes.push_back(&f);
    for (const LigneSignes *l : lignes) {
        ASSERT_EQ(l->signes.size(), points.size()) << l->formule;
        for (std::size_t j = 0; j < points.size(); ++j)
            EXPECT_EQ(l->signes[j], valeur(l->formule, points[j]).value_or(NAN) > 0 ? "+" : "-")
                << l->formule << " near " << points[j];
    }
}

class TableauSignesTest : public ::testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }
};

TEST_F(TableauSignesTest, ProduitDeDeuxFacteurs)
{
    const TableauSignes t = tableau("(x-1)*(x+2)<0");
    ASSERT_TRUE(t.valide);
    EXPECT_EQ(t.nature, 2);
    ASSERT_EQ(t.facteurs.size(), 2u);
    ASSERT_EQ(t.racines.size(), 2u);
    const auto v = valeurs(t);
    EXPECT_DOUBLE_EQ(v[0], -2);
    EXPECT_DOUBLE_EQ(v[1], 1);
    verifie_signes(t);
    EXPECT_EQ(t.resultat.signes, (std::vector<std::string>{"+", "-", "+"}));
    EXPECT_EQ(t.cellules_rouges, (std::vector<bool>{false, true, false}));
    EXPECT_EQ(t.resultat.marques, (std::vector<std::string>{"0", "0"}));
    EXPECT_FALSE(t.zeros_rouges);
    // Each factor row has its zero under its own root only.
    EXPECT_EQ(t.facteurs[0].marques, (std::vector<std::string>{"", "0"}));
    EXPECT_EQ(t.facteurs[1].marques, (std::vector<std::string>{"0", ""}));
}

TEST_F(TableauSignesTest, CellulesRougesSelonLaRelation)
{
    struct Cas {
        const char *inequation;
        std::vector<bool> rouges;
        bool zeros_rouges;
    };
    const Cas cas[] = {
        {"(x-1)*(x+2)<=0", {false, true, false}, true},
        {"(x-1)*(x+2)>0", {true, false, true}, false},
        {"(x-1)*(x+2)>=0", {true, false, true}, true},
        {"(2-x)*(x+2)<0", {true, false, true}, false},
    };
    for (const Cas &c : cas) {
        const TableauSignes t = tableau(c.inequation);
        ASSERT_TRUE(t.valide) << c.inequation;
        EXPECT_EQ(t.cellules_rouges, c.rouges) << c.inequation;
        EXPECT_EQ(t.zeros_rouges, c.zeros_rouges) << c.inequation;
        verifie_signes(t);
    }
}

TEST_F(TableauSignesTest, QuotientDonneUneValeurInterdite)
{
    const TableauSignes t = tableau("(x-1)/(x+2)>0");
    ASSERT_TRUE(t.valide);
    ASSERT_EQ(t.racines.size(), 2u);
    EXPECT_EQ(t.resultat.marques, (std::vector<std::string>{"||", "0"}));
    verifie_signes(t);
}

TEST_F(TableauSignesTest, FormesParticulieres)
{
    // One factor: one column, two cells.
    TableauSignes t = tableau("x>0");
    ASSERT_TRUE(t.valide);
    EXPECT_EQ(t.facteurs.size(), 1u);
    EXPECT_EQ(t.racines, (std::vector<std::string>{"0"}));
    EXPECT_EQ(t.resultat.signes, (std::vector<std::string>{"-", "+"}));
    verifie_signes(t);
    t = tableau("2*(x-3)>0");
    ASSERT_TRUE(t.valide);
    EXPECT_EQ(t.facteurs.size(), 2u);
    EXPECT_EQ(t.racines, (std::vector<std::string>{"3"}));
    verifie_signes(t);

    // Three factors: three columns, four cells.
    t = tableau("x*(x-1)*(x+1)<0");
    ASSERT_TRUE(t.valide);
    EXPECT_EQ(t.racines.size(), 3u);
    verifie_signes(t);

    // A constant factor keeps its row but gives no column.
    t = tableau("-2*(x-1)<0");
    ASSERT_TRUE(t.valide);
    EXPECT_EQ(t.racines.size(), 1u);
    EXPECT_EQ(t.resultat.signes, (std::vector<std::string>{"+", "-"}));

    // Two roots closer than any fixed step still get their own middle cell.
    t = tableau("(x-0.01)*(x-0.02)<0");
    ASSERT_TRUE(t.valide);
    ASSERT_EQ(t.racines.size(), 2u);
    EXPECT_EQ(t.resultat.signes, (std::vector<std::string>{"+", "-", "+"}));
}

TEST_F(TableauSignesTest, ExpressionsSansTableau)
{
    const std::string longue(100000, '(');
    const std::string imbriquee = std::string(10000, '(') + "x" + std::string(10000, ')') + "<0";
    const char binaire[] = {'\x01', '\xff', '<', '\0', '0', '\x80'};
    const std::string textes[] = {"", "2x+1=0", "x^2+1", "(x-1)*(x+2)<3", "x^2+1<0", "(x-1<0",
                                  "x*(x-1)*(x-2)*(x-3)<0", "-2(x-1)(x+2)(x-3)<0", "(x^2+1)(x-1)<0",
                                  "1/x<2", longue, imbriquee,
                                  std::string(binaire, sizeof binaire), "{x+y<0@x-y=0}"};
    for (const std::string &texte : textes) {
        const TableauSignes t = tableau(texte);
        EXPECT_FALSE(t.valide) << texte.substr(0, 40);
    }
}

}  // namespace
