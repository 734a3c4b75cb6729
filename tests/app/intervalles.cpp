#include "app/travail/intervalles.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "algebra/algebre.h"
#include "core/partage.h"

namespace {

class Intervalles : public testing::Test {
protected:
    void SetUp() override { remet_a_zero_complet(); }

    // The domain window opened, then validated with `texte`.
    SuiteArgument domaine(const std::string &texte)
    {
        partage.saisie_domaine = true;
        partage.saisie_inequation = true;
        FenetreArgument f;
        f.ouvre("");
        return f.terminer(texte);
    }
};

TEST_F(Intervalles, ParDefautToutR)
{
    EXPECT_EQ(texte_domaine(), "domain(x,-inf,inf,12)");
}

TEST_F(Intervalles, AllerRetour)
{
    for (const bool a : {true, false})
        for (const bool b : {true, false}) {
            const BornesIntervalles un{"-2", "sqrt(2)", "", "", a, b, true, true};
            const BornesIntervalles deux{"-inf", "0", "1/2", "inf", b, a, a, b};
            for (const BornesIntervalles &bornes : {un, deux}) {
                const std::string texte = texte_domaine(bornes);
                ASSERT_FALSE(texte.empty());
                BornesIntervalles lu{"?", "?", "?", "?", !a, !b, !a, !b};
                EXPECT_TRUE(lit_intervalles(texte, lu)) << texte;
                EXPECT_EQ(lu, bornes) << texte;
            }
        }
    EXPECT_EQ(texte_domaine({"-inf", "0", "2", "inf", true, false, false, true}),
              "(domain(x,-inf,0,14))or(domain(x,2,inf,15))");
    EXPECT_EQ(code_intervalle(false, false), "13");
}

TEST_F(Intervalles, IntervallesIncoherentsRefuses)
{
    struct Cas {
        BornesIntervalles bornes;
        bool coherent;
    };
    for (const Cas &c : {
             Cas{{"3", "1", "", ""}, false},
             Cas{{"1", "1", "", ""}, true},
             Cas{{"sqrt(4)", "1.5", "", ""}, false},
             Cas{{"inf", "-inf", "", ""}, false},
             Cas{{"-inf", "2", "1", "inf"}, false},   // overlap
             Cas{{"-inf", "2", "2", "inf"}, true},    // touching
             Cas{{"-inf", "2", "5", "4"}, false},
             Cas{{"3", "5", "-inf", "0"}, false},     // out of order
             Cas{{"-inf", "2", "5", ""}, true},       // no second interval
         })
        EXPECT_EQ(texte_domaine(c.bornes).empty(), !c.coherent)
            << c.bornes.borne_inf_1 << ' ' << c.bornes.borne_sup_1 << ' ' << c.bornes.borne_inf_2;
}

TEST_F(Intervalles, TextesMalFormes)
{
    const BornesIntervalles avant{"1", "2", "3", "4", false, false, false, false};
    for (const std::string &texte : std::vector<std::string>{"", "x", "domain(x,", "domain(x,1", "(domain(x,1,2,13))or(", "or", "domain(x,,",
          std::string("\xff\x00x,\x80", 5), std::string(100000, 'x'), std::string(100000, ',')}) {
        BornesIntervalles b = avant;
        lit_intervalles(texte, b);
        if (texte.find("or") == std::string::npos) {
            EXPECT_EQ(b.borne_inf_2, "");
            EXPECT_TRUE(b.crochet_2a && b.crochet_2b);
        }
    }
    BornesIntervalles b = avant;
    EXPECT_FALSE(lit_intervalles("domain(x,5", b));
    EXPECT_EQ(b.borne_inf_1, "1");
    // A code that is not one of the four leaves the flags as they were.
    EXPECT_TRUE(lit_intervalles("domain(x,1,2,1", b));
    EXPECT_EQ(b.borne_sup_1, "2");
    EXPECT_FALSE(b.crochet_1a || b.crochet_1b);
    EXPECT_TRUE(lit_intervalles(" domain( x , 0 , 9 , 12 ) ", b));
    EXPECT_EQ(b.borne_sup_1, "9");
    EXPECT_TRUE(b.crochet_1a && b.crochet_1b);
}

TEST_F(Intervalles, BoutonsDIntervalle)
{
    // The pupil presses a button, types the lower bound, ";" (or Tab) and the
    // upper bound; a second button joins another interval.
    const auto tape = [](Saisie s, const std::string &touches) {
        for (const char c : touches)
            s = c == '\t' ? frappe_argument(s, {GenreMessage::touche, TOUCHE_TABULATION}, false).saisie
                          : frappe_argument(s, {GenreMessage::caractere, c}, false).saisie;
        return s;
    };
    partage.action_en_cours = 10;
    Saisie s = bouton_intervalle(11, {});
    EXPECT_EQ(s, (Saisie{"[;[", 1}));
    s = tape(s, "-2;1");
    EXPECT_EQ(s.texte, "[-2;1[");
    s = tape(s, "\t");
    s = bouton_intervalle(9, s);
    EXPECT_EQ(s, (Saisie{"[-2;1[∪[;]", static_cast<int>(std::string("[-2;1[∪[").size())}));
    s = tape(s, "3\tinf");
    EXPECT_EQ(s.texte, "[-2;1[∪[3;inf]");
    EXPECT_EQ(tape(bouton_intervalle(12, {}), "1;2]").texte, "]1;2]");
    EXPECT_EQ(tape({"]1;2]", 4}, "]]").texte, "]1;2]]");
    EXPECT_EQ(tape({"x", 1}, " ou x").texte, "x ou x");
    EXPECT_EQ(tape({"{1", 2}, ";2}").texte, "{1;2}");
    EXPECT_EQ(frappe_argument({"x", 1}, {GenreMessage::caractere, 0x2265}, false).saisie, (Saisie{"x≥", 4}));
    EXPECT_EQ(frappe_argument({"S=", 2}, {GenreMessage::caractere, 0x2205}, false).saisie.texte, "S=∅");
    EXPECT_EQ(bouton_intervalle(10, {"x", 0}).texte, "];[x");
    // The "et" template goes in at the caret, not at the end.
    EXPECT_EQ(modele_argument({"13", 1}, ModeleArgument::et, false), (Saisie{"1*et*3", 5}));
    EXPECT_EQ(modele_argument({"1", 1}, ModeleArgument::et, false), (Saisie{"1*et*", 5}));
    partage.action_en_cours = 3;   // the argument of an action takes no blank
    EXPECT_EQ(tape({"x", 1}, " ;").texte, "x");
    EXPECT_EQ(bouton_intervalle(12, {}).texte, "];]");
    EXPECT_EQ(bouton_intervalle(13, {"abc", 3}).texte, "abc");
    // The teacher's grid writes into a Windows-1252 file: the signs go in
    // plain letters the answer reader also reads.
    partage.action_en_cours = 10;
    partage.saisie_depuis_prof = true;
    for (const auto &[code, ecrit] : std::vector<std::pair<int, std::string>>{
             {0x2205, "{}"}, {0x211D, "R"}, {0x2264, "<="}, {0x2265, ">="}, {0x222A, "U"}, {0x221E, "inf"}})
        EXPECT_EQ(frappe_argument({}, {GenreMessage::caractere, code}, false).saisie.texte, ecrit);
    EXPECT_EQ(bouton_intervalle(9, {"]1;2[", 5}).texte, "]1;2[U[;]");
    partage.saisie_depuis_prof = false;
}

TEST_F(Intervalles, BoutonsDeReponse)
{
    const auto fin = [](const std::string &t) { return Saisie{t, static_cast<int>(t.size())}; };
    const struct {
        SigneReponse signe;
        Saisie avant, apres;
    } cas[] = {
        {SigneReponse::vide, {}, fin("∅")},
        {SigneReponse::vide, fin("S="), fin("S=∅")},
        {SigneReponse::reels, fin("S="), fin("S=ℝ")},
        {SigneReponse::reels, {"x", 0}, {"ℝx", 3}},
        {SigneReponse::ou, fin("x=2"), fin("x=2 ou ")},
        {SigneReponse::ou, fin("x=2 "), fin("x=2 ou ")},
        {SigneReponse::ou, {"x=2 x=1", 3}, {"x=2 ou x=1", 6}},
        {SigneReponse::ou, {"x=1", 0}, {"ou x=1", 3}},
        {SigneReponse::infini, {"]-;2]", 2}, {"]-∞;2]", 5}},
        {SigneReponse::infini, {"[1;", 99}, fin("[1;∞")},
    };
    for (const auto &c : cas)
        EXPECT_EQ(bouton_reponse(c.signe, c.avant), c.apres) << c.avant.texte << ' ' << static_cast<int>(c.signe);

    // Shown for the answer to an equation or an inequation only; "∞" is
    // written "inf" where the answer buttons are not shown.
    FenetreArgument f;
    const struct {
        int action, nature;
        bool domaine, prof, visibles;
    } quand[] = {
        {10, EQUATION, false, false, true},      {10, SUPERIEUR_OU_EGAL, false, false, true},
        {10, EXPRESSION, false, false, false},   {10, SYSTEME, false, false, false},
        {3, EQUATION, false, false, false},      {10, INFERIEUR, true, false, false},
        {10, INFERIEUR, false, true, false},
    };
    for (const auto &q : quand) {
        partage.action_en_cours = q.action;
        partage.nature_exercice = q.nature;
        partage.saisie_domaine = q.domaine;
        partage.saisie_depuis_prof = q.prof;
        EXPECT_EQ(f.boutons_reponse_visibles(), q.visibles) << q.action << ' ' << q.nature;
        EXPECT_EQ(f.infini({"]-", 2}, false).texte, q.visibles ? "]-∞" : "]-inf");
    }
}

TEST_F(Intervalles, LaReponseSOuvreSelectionnee)
{
    partage.action_en_cours = 10;
    FenetreArgument f;
    EXPECT_TRUE(f.ouvre_selectionne());
    const struct {
        Message touche;
        std::string apres;
        bool selection;
    } cas[] = {
        {{GenreMessage::caractere, '7'}, "7", false},
        {{GenreMessage::touche, TOUCHE_EFFACE_ARRIERE}, "", false},
        {{GenreMessage::touche, TOUCHE_GAUCHE}, "x=-12", false},
        {{GenreMessage::touche, 13}, "x=-12", true},
    };
    for (const auto &c : cas) {
        bool selection = true;
        const FrappeArgument r = frappe_sur_selection({"x=-12", 5}, c.touche, false, selection);
        EXPECT_EQ(r.saisie.texte, c.apres) << c.touche.code;
        EXPECT_EQ(selection, c.selection) << c.touche.code;
    }
    partage.action_en_cours = 3;
    EXPECT_FALSE(f.ouvre_selectionne());
}

TEST_F(Intervalles, FenetreDuDomaine)
{
    partage.saisie_domaine = true;
    partage.saisie_inequation = true;
    FenetreArgument f;
    EXPECT_EQ(f.ouvre("x+1"), "domain(x,-inf,inf,12)");
    EXPECT_EQ(f.taille_police(), 20);
    EXPECT_TRUE(f.barre_intervalles_visible());
    const SuiteArgument s = f.terminer("(domain(x,-inf,0,14))or(domain(x,2,inf,15))");
    EXPECT_FALSE(s.lance_affiche) << "a domain entry runs no pending operation";
    EXPECT_FALSE(partage.saisie_domaine || partage.saisie_inequation);
    EXPECT_EQ(partage.domaine.borne_sup_1, "0");
    EXPECT_EQ(partage.domaine.borne_inf_2, "2");
    EXPECT_FALSE(partage.domaine.crochet_1b);
    // The same typed with the interval buttons' brackets.
    valide_domaine("]-inf;-1]∪]3;inf[");
    EXPECT_EQ(partage.domaine.borne_sup_1, "-1");
    EXPECT_FALSE(partage.domaine.crochet_1b);
    EXPECT_EQ(partage.domaine.borne_inf_2, "3");
    EXPECT_TRUE(partage.domaine.crochet_2a);
}

TEST_F(Intervalles, DomaineRefuseGardeLePrecedent)
{
    domaine("domain(x,1,5,13)");
    const BornesIntervalles avant = partage.domaine;
    EXPECT_EQ(avant.borne_sup_1, "5");
    for (const std::string texte : {"domain(x,3,1,13)", "(domain(x,0,4,13))or(domain(x,2,9,13))", "x",
                                    "(domain(x,0,4,13))or(nimp", ""}) {
        domaine(texte);
        EXPECT_EQ(partage.domaine, avant) << texte;
    }
    valide_domaine("domain(x,-1,0,12)");
    EXPECT_EQ(partage.domaine.borne_inf_1, "-1");
}

// A domain of three intervals (R minus two values): the third follows the
// shared two, is shown with them, and goes when the domain is typed again.
TEST_F(Intervalles, TroisIntervalles)
{
    const std::string r_sauf = "(domain(x,-inf,-1,12))or(domain(x,-1,0,12))or(domain(x,0,inf,12))";
    valide_domaine("]-inf;-1[∪]-1;0[∪]0;inf[");
    EXPECT_EQ(partage.domaine.borne_sup_2, "0");
    ASSERT_EQ(partage.domaine.suivants.size(), 1u);
    EXPECT_EQ(partage.domaine.suivants[0], (Intervalle{"0", "inf", true, true}));
    EXPECT_EQ(texte_domaine(), r_sauf);
    domaine("(domain(x,-inf,-1,12))or(domain(x,-1,0,12))or(domain(x,-2,inf,12))");   // out of order
    EXPECT_EQ(texte_domaine(), r_sauf);
    valide_domaine("]-inf;2]");
    EXPECT_TRUE(partage.domaine.suivants.empty());
    EXPECT_EQ(texte_domaine(), "domain(x,-inf,2,14)");
}

TEST_F(Intervalles, AnnulerRemetLesBornes)
{
    domaine("domain(x,1,5,13)");
    partage.saisie_domaine = true;
    FenetreArgument f;
    f.ouvre("");
    partage.domaine.borne_inf_1 = "changé";
    f.annule();
    EXPECT_EQ(partage.domaine.borne_inf_1, "1");
    EXPECT_FALSE(partage.saisie_domaine);
}

TEST_F(Intervalles, ArgumentEtReponseEtGrille)
{
    FenetreArgument f;
    partage.action_en_cours = 3;
    EXPECT_EQ(f.ouvre("x+1"), "");
    EXPECT_EQ(f.taille_police(), 18);
    SuiteArgument s = f.terminer("2");
    EXPECT_TRUE(s.lance_affiche);
    EXPECT_FALSE(s.ecrit_cellule || s.active_grille);

    partage.action_en_cours = 10;
    EXPECT_EQ(f.ouvre("x+1"), "x+1");

    partage.saisie_depuis_prof = true;
    partage.mode_grille = 2;
    partage.texte_cellule = "cellule";
    EXPECT_EQ(f.ouvre("x+1"), "cellule");
    s = f.terminer("autre");
    EXPECT_FALSE(s.lance_affiche);
    EXPECT_TRUE(s.ecrit_cellule && s.active_grille);
    EXPECT_FALSE(partage.saisie_depuis_prof);

    partage.saisie_depuis_prof = true;
    s = f.annule();
    EXPECT_TRUE(s.active_grille);
    EXPECT_FALSE(s.lance_affiche || s.ecrit_cellule);
}

TEST(Clavier, ReglesDeLaFenetreDArgument)
{
    const Message parenthese{GenreMessage::caractere, '('};
    struct Cas {
        std::string avant, apres;
    };
    for (const Cas &c : {Cas{"", "("}, Cas{"2", "2*("}, Cas{"x", "x*("}, Cas{")", ")*("}, Cas{"(", "(("},
                         Cas{"]", "]("}, Cas{"-", "-("}, Cas{"x^", "x^("}, Cas{"domain(x,", "domain(x,("},
                         Cas{"x=", "x=("}})
        EXPECT_EQ(frappe_argument({c.avant, static_cast<int>(c.avant.size())}, parenthese, false).saisie.texte,
                  c.apres)
            << c.avant;

    const FrappeArgument entree = frappe_argument({"x+1", 3}, {GenreMessage::touche, 13}, false);
    EXPECT_TRUE(entree.terminer);
    EXPECT_EQ(entree.saisie.texte, "x+1");
    EXPECT_FALSE(frappe_argument({"x", 1}, {GenreMessage::caractere, '1'}, false).terminer);
    // The root-after-a-product key of the input box does nothing here.
    EXPECT_EQ(frappe_argument({"2", 1}, {GenreMessage::caractere, CARACTERE_RACINE_PRODUIT}, false).saisie.texte, "2");
    EXPECT_EQ(frappe_argument({"x", 1}, {GenreMessage::touche, TOUCHE_CARRE}, false).saisie.texte, "x^2");
    EXPECT_EQ(frappe_argument({"AB", 2}, {GenreMessage::caractere, CARACTERE_VECTEUR}, true).saisie.texte, "AB..arrow");
}

} // namespace
