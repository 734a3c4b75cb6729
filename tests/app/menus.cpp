#include "app/travail/menus.h"

#include <gtest/gtest.h>

#include <map>
#include <random>
#include <string>
#include <vector>

#include "core/partage.h"
#include "tests/outils/textes_hostiles.h"

namespace {

class MenusTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        partage.etape = 1;
    }

    Menus menus(const std::string &texte, int etape = 1, const std::string &base = "")
    {
        partage.etape = etape;
        etat.base = base.empty() ? texte : base;
        return met_a_jour_menus(texte, etat);
    }

    EtatMenus etat;
};

// Expected panels: caption and enabled state; panels not listed must be empty.
using Attendus = std::map<Panneau, EtatPanneau>;

void verifie(const Menus &m, const Attendus &attendus, bool autres_vides, const std::string &texte)
{
    for (int i = 0; i < NB_PANNEAUX; ++i) {
        const Panneau p = static_cast<Panneau>(i);
        const auto it = attendus.find(p);
        if (it != attendus.end()) {
            EXPECT_EQ(m[p].libelle, it->second.libelle) << texte << " " << nom_panneau(p);
            EXPECT_EQ(m[p].actif, it->second.actif) << texte << " " << nom_panneau(p);
        } else if (autres_vides) {
            EXPECT_EQ(m[p].libelle, "") << texte << " " << nom_panneau(p);
            EXPECT_FALSE(m[p].actif) << texte << " " << nom_panneau(p);
        }
    }
}

TEST_F(MenusTest, TexteVideNeLaisseQueDesPanneauxVides)
{
    partage.nature_expression = 3;
    partage.nature_exercice = 2;
    verifie(menus(""), {}, true, "");
    EXPECT_EQ(partage.nature_expression, 3);
    EXPECT_EQ(partage.nature_exercice, 2);
}

TEST_F(MenusTest, NomsDesPanneauxDansLOrdreDeLaFenetre)
{
    const char *noms[] = {"Panel10", "Panel11", "Panel12", "Panel1", "Panel5", "Panel6",
                          "Panel3",  "Panel7",  "Panel8",  "Panel4", "Panel17", "Panel19"};
    for (int i = 0; i < NB_PANNEAUX; ++i)
        EXPECT_STREQ(nom_panneau(static_cast<Panneau>(i)), noms[i]);
}

TEST_F(MenusTest, ExpressionsSimples)
{
    const struct {
        const char *texte;
        Attendus attendus;
    } cas[] = {
        {"2x+3",
         {{PANEL10, {"Simplifier", true}},
          {PANEL19, {"Mettre sous une racine", false}},   // its sign is not known
          {PANEL4, {"Ecrire autrement...", true}},
          {PANEL7, {"Réduire et ordonner", true}},
          {PANEL5, {"Développer", false}},
          {PANEL3, {"Factoriser par...", true}},
          {PANEL1, {"Add. les numérateurs", true}},   // a sum over the denominator 1
          {PANEL11, {"Même dénominateur", true}},
          {PANEL12, {"Dénominateur commun...", true}},
          {PANEL8, {"Substituer", false}},
          {PANEL17, {"Remplacer x par...", true}}}},
        {"2*(x+1)",
         {{PANEL5, {"Développer", true}},
          {PANEL11, {"Multiplier haut et bas...", true}},
          {PANEL12, {"Diviser haut et bas...", true}},
          {PANEL17, {"Remplacer x par...", true}}}},
        {"2+3", {{PANEL17, {"Calculer", true}}}},
        {"1500", {{PANEL7, {"Ecriture scientifique", true}}, {PANEL17, {"Remplacer x par...", false}}}},
        {"(1/2)*(3/4)", {{PANEL1, {"Mult. les fractions", true}}}},
        {"2*x", {{PANEL1, {"Add. les numérateurs", false}}}},
        {"x+y+2x+3", {{PANEL4, {"Autre expression...", true}}}},
    };
    for (const auto &c : cas)
        verifie(menus(c.texte), c.attendus, false, c.texte);
    EXPECT_EQ(partage.nature_expression, 0);
}

TEST_F(MenusTest, LesOptionsCommandentLeursPanneaux)
{
    partage.option_fractions = false;
    partage.option_simplif = false;
    partage.option_factoriz = false;
    partage.option_kalkul = false;
    partage.etape = 1;
    etat.base = "x^2-4";
    Menus m = met_a_jour_menus("x^2-4", etat);
    EXPECT_EQ(m[PANEL6].libelle, "Factoriser");
    EXPECT_FALSE(m[PANEL6].actif);
    EXPECT_EQ(m[PANEL11].libelle, "Même dénominateur");
    EXPECT_FALSE(m[PANEL11].actif);
    EXPECT_FALSE(m[PANEL10].actif);

    m = menus("2+3");
    EXPECT_EQ(m[PANEL17].libelle, "Remplacer x par...");
    EXPECT_FALSE(m[PANEL17].actif);

    partage.option_factoriz = true;
    EXPECT_TRUE(menus("x^2-4")[PANEL6].actif);
}

// A panel is offered only where its action succeeds and changes the
// statement: "Mettre sous une racine" needs a known sign and a text that is
// not a root already, "Réduire et ordonner" a text not yet in order,
// "Calculer" a value still to compute.
TEST_F(MenusTest, PanneauOffertSeulementSiSonActionChangeLEnonce)
{
    const struct {
        const char *texte;
        Panneau panneau;
        const char *libelle;
        bool offert;
    } cas[] = {
        {"x-3", PANEL19, "Mettre sous une racine", false},
        {"2x", PANEL19, "Mettre sous une racine", false},
        {"-2*sqrt(3)", PANEL19, "Mettre sous une racine", true},
        {"3*sqrt(2)", PANEL19, "Mettre sous une racine", true},
        {"x^2+1", PANEL19, "Mettre sous une racine", true},
        {"sqrt(12)", PANEL19, "Mettre sous une racine", false},
        {"x-3", PANEL7, "Réduire et ordonner", false},
        {"3+x", PANEL7, "Réduire et ordonner", true},
        {"x^2", PANEL5, "Développer", false},
        {"x^2+x", PANEL5, "Forme canonique", true},
        {"x*(x+1)", PANEL5, "Développer", true},
        {"2*(x+1)-3*(x-1)", PANEL5, "Développer", true},
        {"x^2-4", PANEL6, "Factoriser", true},
        {"x(x+3)+(x+3)", PANEL6, "Factoriser", true},
        {"7(x+1)+4(x+1)", PANEL6, "Factoriser", true},
        {"(x+1)+(2x-3)", PANEL6, "Enlever les parenthèses", true},
        {"7-2", PANEL6, "Factoriser", false},
        {"2+3", PANEL17, "Calculer", true},
        {"3*sqrt(2)", PANEL17, "Remplacer x par...", false},
    };
    for (const auto &c : cas) {
        const Menus m = menus(c.texte);
        EXPECT_EQ(m[c.panneau].libelle, c.libelle) << c.texte;
        EXPECT_EQ(m[c.panneau].actif, c.offert) << c.texte;
    }
}

// A row its condition alone enables still computes its step in the menus,
// and keeps it for the click to record: simplifying, the same denominator,
// multiplying fractions, combining a system's equations, solving.
TEST_F(MenusTest, LesPanneauxGardentLEtapeQuIlsOffrent)
{
    const struct {
        const char *texte;
        Panneau panneau;
        const char *libelle, *etape, *complement;
    } cas[] = {
        {"sqrt(12)+sqrt(27)", PANEL10, "Simplifier", "5*sqrt(3)", ""},
        {"1/x+1/(2x)", PANEL11, "Même dénominateur", "2/(2*x)+1/(2*x)", ""},
        {"(1/2)*(3/4)", PANEL1, "Mult. les fractions", "3/8", ""},
        {"{2x+3y=7\r\nx-y=1}", PANEL10, "Add. membre à membre...", "3*x+2*y=8", ""},
        {"{2x+3y=7\r\nx-y=1}", PANEL11, "Soust. membre à membre...", "x+4*y=6", ""},
        {"(2x+3)(x-1)=0", PANEL5, "Solution(s)", "-3/2*et*1", "Les deux solutions sont : "},
        {"(x-1)*(x+2)<0", PANEL5, "Solution(s)", "domain(x,-2,1,12)", "Il faut demander l'intervalle des solutions."},
        {"x^2+1=0", PANEL5, "Solution(s)", "([])", "Pas de solution"},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.texte);
        const Menus m = menus(c.texte);
        const EtatPanneau &p = m[c.panneau];
        EXPECT_EQ(p.libelle, c.libelle) << c.texte;
        ASSERT_TRUE(p.actif && p.resultat && p.resultat->issue) << c.texte;
        EXPECT_EQ(p.resultat->source, c.texte);
        EXPECT_EQ(p.resultat->issue->texte, c.etape) << c.texte;
        EXPECT_EQ(p.resultat->issue->complement, c.complement) << c.texte;
    }
}

TEST_F(MenusTest, DomaineEteintSesPanneaux)
{
    const Menus m = menus("domain(x,-inf,3,12)");
    EXPECT_FALSE(m[PANEL10].actif);
    EXPECT_FALSE(m[PANEL19].actif);
    EXPECT_FALSE(m[PANEL3].actif);
    EXPECT_FALSE(m[PANEL17].actif);
}

TEST_F(MenusTest, SubstituerApresLaPremiereEtape)
{
    EXPECT_FALSE(menus("2x+3")[PANEL8].actif);
    EXPECT_TRUE(menus("2x+3", 2, "2x+3=5")[PANEL8].actif);
}

TEST_F(MenusTest, CycleAutreExpression)
{
    etat.autre_en_cours = true;
    EXPECT_EQ(menus("2x")[PANEL4].libelle, "Autre expression...");
    EXPECT_TRUE(menus("2x")[PANEL4].actif);
}

TEST_F(MenusTest, VecteursReduitsAvecChasles)
{
    partage.mode_vecteurs = true;
    const Menus m = menus("AB..arrow+BC..arrow");
    EXPECT_EQ(m[PANEL7].libelle, "Réduire avec Chasles");
    EXPECT_EQ(menus("AB..arrow")[PANEL6].libelle, "Décomposer (Chasles)...");
    EXPECT_EQ(menus("AB..arrow-CB..arrow")[PANEL7].libelle, "Enlever les signes \"-\"");
}

TEST_F(MenusTest, EquationsEtInequations)
{
    const Attendus deux_membres = {
        {PANEL10, {"Add. aux deux membres...", true}},
        {PANEL11, {"Soust. aux deux membres...", true}},
        {PANEL12, {"Mult. deux membres par...", true}},
        {PANEL1, {"Div. deux membres par...", true}},
    };
    // The root finder solves a product set to 0, or a variable alone.
    const struct {
        const char *texte;
        int nature;
        bool solutions, tableau;
    } cas[] = {
        {"2x=4", 1, false, false},
        {"x=2", 1, true, false},
        {"(x-1)*(x+2)=0", 1, true, false},
        {"(x-1)*(x+2)<0", 2, true, true},
        {"(x-1)*(x+2)>=0", 5, true, true},
        {"(x-1)*(x+2)>3", 3, false, false},   // no sign table unless the right member is 0
        {"x<3", 2, true, false},
        // As pupils write them.
        {"(2x+3)(x-1)=0", 1, true, false},
        {"x^2=4", 1, false, false},
        {"(x-1)^2>=0", 5, true, true},
        {"1/x<2", 2, false, false},
        {"sqrt(x-2)*(2x+1)=0", 1, true, false},
        {"2x+3<5x-1", 2, false, false},
        {"2(x-1)(x+3)<0", 2, true, true},
        // The sign table is offered where it can be drawn: three linear factors at most.
        {"-2(x-1)(x+2)(x-3)<0", 2, true, false},
        {"(x^2+1)(x-1)<0", 2, true, false},
    };
    for (const auto &c : cas) {
        Attendus attendus = deux_membres;
        attendus[PANEL5] = {"Solution(s)", c.solutions};
        if (c.tableau)
            attendus[PANEL6] = {"Tableau de signes", true};
        verifie(menus(c.texte), attendus, true, c.texte);
        EXPECT_EQ(partage.nature_expression, c.nature) << c.texte;
    }
}

TEST_F(MenusTest, Systemes)
{
    const std::string systeme = "{x+y=2\r\nx-y=0}";
    verifie(menus(systeme),
            {{PANEL10, {"Add. membre à membre...", true}},
             {PANEL11, {"Soust. membre à membre...", true}},
             {PANEL5, {"Solution(s)", false}}},
            true, systeme);
    EXPECT_EQ(partage.nature_expression, 6);
    EXPECT_EQ(partage.nature_exercice, 6);
}

TEST_F(MenusTest, NatureExerciceSeulementALaPremiereEtape)
{
    menus("2x=4");
    EXPECT_EQ(partage.nature_exercice, 1);
    menus("2x+4", 2, "2x=4");
    EXPECT_EQ(partage.nature_expression, 0);
    EXPECT_EQ(partage.nature_exercice, 1);
}

TEST_F(MenusTest, MarcheDansUnSysteme)
{
    const std::string base = "{x+y=2\r\nx-y=0}";
    partage.nature_exercice = 6;

    // A line of the system that gives x: the value can go back into either line.
    etat.partie_source_etape = 0;
    Menus m = menus("x=1", 3, base);
    EXPECT_EQ(m[PANEL8].libelle, "Remplacer x dans (I)");
    EXPECT_EQ(m[PANEL4].libelle, "Remplacer x dans (II)");
    EXPECT_EQ(m[PANEL3].libelle, "");
    m = menus("1=y", 3, base);
    EXPECT_EQ(m[PANEL8].libelle, "Remplacer y dans (I)");
    EXPECT_EQ(m[PANEL4].libelle, "Remplacer y dans (II)");
    EXPECT_EQ(menus("x<1", 3, base)[PANEL8].libelle, "");

    // Not made by selecting a part: substitute back into the line selected at step 2.
    etat.partie_source_etape = -1;
    const std::pair<int, std::pair<const char *, const char *>> selon_ligne[] = {
        {0, {"Substituer à (I)", ""}}, {1, {"", "Substituer à (II)"}}, {-1, {"Substituer à (I)", "Substituer à (II)"}}};
    for (const auto &[ligne, libelles] : selon_ligne) {
        etat.partie_source_2 = ligne;
        m = menus("2x+y=3", 3, base);
        EXPECT_EQ(m[PANEL3].libelle, libelles.first) << ligne;
        EXPECT_EQ(m[PANEL7].libelle, libelles.second) << ligne;
    }
    etat.partie_source_2 = -1;
    EXPECT_EQ(menus("2x+y=3", 3, "2x+y=3")[PANEL3].libelle, "");
}

TEST_F(MenusTest, ToutTexteDonneDesPanneauxNommes)
{
    std::vector<std::string> textes = {"(((((", ")))", "{", "{\r\n}", "=", "<=>", "x=", "=x", "\xff\xfe\x01",
                                       "x=x=x", "{x=1\r\n", "domain(x,-inf,inf,12)", "sqrt(", "..arrow"};
    textes.push_back(std::string(100000, 'x'));
    textes.push_back(outils::entre_parentheses("x"));
    textes.push_back("x=" + std::string(50000, '1'));
    textes.push_back(outils::octets_au_hasard(5000, 5));
    // Whatever the text, a panel that can be clicked names its action.
    for (const std::string &t : textes)
        for (int etape : {1, 3})
            for (const EtatPanneau &panneau : menus(t, etape, t).panneaux)
                EXPECT_TRUE(!panneau.actif || !panneau.libelle.empty()) << t.substr(0, 40);
}

} // namespace
