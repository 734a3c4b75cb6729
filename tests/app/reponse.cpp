#include "app/travail/reponse.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>

#include "algebra/solutions.h"
#include "core/partage.h"
#include "exercise/preparation.h"
#include "formula/normalise.h"

namespace {

class Reponse : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        partage.note = 20;
    }

    // Expected answers as the instantiation leaves them: text, penalty, comment.
    void attendues(std::initializer_list<std::tuple<std::string, std::string, std::string>> liste)
    {
        std::size_t i = 1;
        for (const auto &[texte, penalite, commentaire] : liste) {
            partage.liste_solutions.emplace_back(texte, penalite, commentaire);
            partage.solutions_normalisees[i++] = texte;
        }
    }
    void juste_ou_faux() { attendues({{"3", "0", "Bravo"}, {"", "10", "Faux"}}); }
    bool verifie(const std::string &reponse) { return verifie_reponse(reponse, enonce); }

    std::string enonce = "1+2";
};

TEST_F(Reponse, ReussiDirectement)
{
    juste_ou_faux();
    ASSERT_TRUE(verifie("3"));
    EXPECT_TRUE(partage.reponse_juste);
    const FenetreResultat f = resultat();
    EXPECT_EQ(f.commentaire, "Bravo");
    EXPECT_EQ(f.note, "20/20");
    EXPECT_TRUE(f.note_visible);
    EXPECT_EQ(f.felicitations, "REUSSI DIRECTEMENT,\n\r TRES BIEN !");
}

TEST_F(Reponse, FelicitationsSelonLaNoteEtLesEtapes)
{
    struct Cas {
        int note, historique;
        std::string note_lue, felicitations;
    };
    for (const Cas &c : {Cas{20, 4, "20/20", "REUSSI EN 4 ETAPES"}, Cas{18, 1, "18/20", "REUSSI EN 1 ETAPES"},
                         Cas{17, 0, "17/20", ""}, Cas{17, 3, "17/20", ""}}) {
        SetUp();
        juste_ou_faux();
        partage.note = c.note;
        partage.nombre_historique = c.historique;
        verifie("3");
        const FenetreResultat f = resultat();
        EXPECT_EQ(f.note, c.note_lue) << c.note;
        EXPECT_EQ(f.felicitations, c.felicitations) << c.note << ' ' << c.historique;
        EXPECT_EQ(felicitations(), c.felicitations);
    }
}

TEST_F(Reponse, SimplifiableCouteUnPointSansNote)
{
    juste_ou_faux();
    verifie("1+2");
    EXPECT_EQ(partage.commentaire_final, "Peut encore être simplifiée");
    EXPECT_EQ(partage.note, 19);
    EXPECT_FALSE(resultat().note_visible);
    EXPECT_EQ(resultat().felicitations, "");
    partage.note = 0;
    verifie("1+2");
    EXPECT_EQ(partage.note, 0);
}

TEST_F(Reponse, UneReponseFausseNonSimplifieeEstFausse)
{
    juste_ou_faux();
    verifie("2+3");
    EXPECT_EQ(partage.commentaire_final, "Faux");
    EXPECT_EQ(partage.note, 10);
}

TEST_F(Reponse, EntreeFourreToutEtPenalitesRepayees)
{
    juste_ou_faux();
    verifie("4");
    EXPECT_EQ(partage.commentaire_final, "Faux");
    EXPECT_FALSE(partage.reponse_juste);
    EXPECT_EQ(partage.note, 10);
    EXPECT_FALSE(resultat().note_visible);
    verifie("4");
    EXPECT_EQ(partage.note, 0);
    verifie("4");
    EXPECT_EQ(partage.note, 0) << "never below 0";
}

TEST_F(Reponse, LaPremiereEntreeQuiConvientGagne)
{
    attendues({{"3", "2", "Presque"}, {"3", "0", "Bravo"}, {"", "10", "Faux"}});
    verifie("3");
    EXPECT_EQ(partage.commentaire_final, "Presque");
    EXPECT_FALSE(partage.reponse_juste);
    EXPECT_EQ(partage.note, 18);
}

TEST_F(Reponse, SansEntreeQuiConvient)
{
    attendues({{"3", "0", "Bravo"}});
    verifie("5");
    EXPECT_EQ(partage.commentaire_final, "Sans commentaires.");
    EXPECT_EQ(partage.note, 20);
    EXPECT_FALSE(resultat().note_visible);
}

// The teacher's anticipated answers keep their comments; a wrong answer they
// do not cover gets the rule it broke, at the catch-all's cost.
TEST_F(Reponse, UneErreurNonPrevueNommeLaRegle)
{
    partage.dossier_programme = VIVEZEZI_DONNEES;
    enonce = "(x+3)^2";
    partage.consigne = "Développer l'expression.";
    attendues({{"x^2+6*x+9", "0", "Bravo"}, {"x^2+9", "5", "Prévu"}, {"", "10", "Faux"}});
    verifie("x^2+9");
    EXPECT_EQ(partage.commentaire_final, "Prévu");
    EXPECT_EQ(partage.note, 15);
    verifie("x^2+3x+9");
    EXPECT_TRUE(partage.commentaire_final.starts_with("Le double produit vaut 2ab")) << partage.commentaire_final;
    EXPECT_TRUE(partage.commentaire_final.ends_with("Pour x = 1 : (1 + 3)² = 16, mais 1² + 1 × 3 + 3² = 13."))
        << partage.commentaire_final;
    EXPECT_EQ(partage.note, 5);
    verifie("x^2+6x+8");
    EXPECT_EQ(partage.commentaire_final, "Faux");
    EXPECT_EQ(partage.regles_nommees, std::vector<std::string>{"double_produit_sans_2"});
}

TEST_F(Reponse, ReponseVideIgnoree)
{
    juste_ou_faux();
    partage.commentaire_final = "avant";
    EXPECT_FALSE(verifie(""));
    EXPECT_EQ(partage.commentaire_final, "avant");
    EXPECT_EQ(partage.note, 20);
}

TEST_F(Reponse, UnTexteIllisibleNeCouteRien)
{
    juste_ou_faux();
    verifie("3+");
    EXPECT_EQ(partage.commentaire_final.rfind("Réponse illisible : ", 0), 0u) << partage.commentaire_final;
    EXPECT_EQ(partage.note, 20);
    EXPECT_FALSE(partage.reponse_juste);
}

TEST_F(Reponse, UneValeurApprocheeCouteUnPoint)
{
    attendues({{"1/3", "0", "Bravo"}, {"", "10", "Faux"}});
    enonce = "3*x=1";
    verifie("x=0.33");
    EXPECT_EQ(partage.commentaire_final, "Valeur approchée : la valeur exacte est attendue.");
    EXPECT_EQ(partage.note, 19);
    verifie("x=0.5");
    EXPECT_EQ(partage.commentaire_final, "Faux");
}

TEST_F(Reponse, LaReponseAttendueGagneSurLaFormeInachevee)
{
    // The anticipated '(x-3)*(x-3)' is met as written before the unfinished
    // shape of the right answer costs its point; a wrong answer in another
    // writing gets the comment the file has for it.
    attendues({{"(x-3)^2", "0", "Bravo"}, {"(x-3)*(x-3)", "1", "Puissance"}, {"-2", "5", "Signe"},
               {"", "10", "Faux"}});
    const struct {
        const char *reponse, *commentaire;
        int note;
    } cas[] = {{"(x-3)(x-3)", "Puissance", 19}, {"(3-x)^2", "Bravo", 20}, {"(x-3)*(x-3)^1", PEUT_ETRE_SIMPLIFIEE, 19},
               {"-4/2", "Signe", 15}, {"x^2-6x+9", "Faux", 10}};
    for (const auto &c : cas) {
        partage.note = 20;
        verifie(c.reponse);
        EXPECT_EQ(partage.commentaire_final, c.commentaire) << c.reponse;
        EXPECT_EQ(partage.note, c.note) << c.reponse;
    }
}

TEST_F(Reponse, SansExerciceLaSolutionDuMoteurJuge)
{
    const struct {
        const char *enonce, *reponse;
        bool juste;
    } cas[] = {
        {"3*x+5=2*x-7", "x=-12", true},       {"3*x+5=2*x-7", "-2", false},
        {"(x-2)*(x+3)=0", "-3 ou 2", true},   {"(x-2)*(x+3)=0", "2", false},
        {"2*x-4<0", "x<2", true},             {"2*x-4<0", "]2;+∞[", false},
        {"{x+y=5\r\nx-y=1}", "(3;2)", true}, {"{x+y=5\r\nx-y=1}", "x=2 et y=3", false},
        {"2*(x+1)", "2x+2", true},            {"2*(x+1)", "2x+1", false},
        {"x^2=-4", "pas de solution", true},  {"x^2=-4", "x=2", false},
        {"x^2+1>0", "ℝ", true},               {"x^2+1>0", "∅", false},
        {"3*x+1=3*x+4", "∅", true},           {"2*(x+1)=2*x+2", "tout réel", true},
        {"(2*x+6)/(x+3)=0", "x=-3", false},   {"(x^2+1)*(x-2)=0", "x=2", true},
        {"{x+y=3\r\n2*x+2*y=5}", "aucune solution", true}, {"{x+y=3\r\n2*x+2*y=5}", "une infinité de solutions", false},
        {"{x+y=3\r\n2*x+2*y=6}", "une infinité de solutions", true}, {"{x+y=3\r\n2*x+2*y=6}", "S=∅", false},
        {"{x+y=5\r\nx-y=1}", "aucune solution", false},
        // A factor free of x gives no root; a root where the member has no value is none.
        {"2(x-1)(x+3)=0", "x=1 ou x=-3", true}, {"2(x-1)(x+3)=0", "x=1", false},
        {"sqrt(x-2)*(2x+1)=0", "x=2", true},   {"sqrt(x-2)*(2x+1)=0", "x=2 ou x=-1/2", false},
        {"(x-1)^2>=0", "ℝ", true},             {"(x-1)^2>0", "ℝ", false},
        // An inequation as the pupil typed it, not set against 0.
        {"2x+3<5x-1", "x>4/3", true},          {"2x+3<5x-1", "x<4/3", false},
        {"x^2>=3x+4", "]-∞;-1] ∪ [4;+∞[", true}, {"x^2>=3x+4", "x>=4", false},
        {"1/x<2", "]-∞;0[ ∪ ]1/2;+∞[", true},  {"1/x<2", "x>1/2", false},
    };
    for (const auto &c : cas) {
        SetUp();
        partage.base_systeme = std::string(c.enonce).front() == '{';
        enonce = c.enonce;
        verifie(c.reponse);
        EXPECT_EQ(partage.commentaire_final, c.juste ? REPONSE_JUSTE : REPONSE_FAUSSE) << c.enonce << " " << c.reponse;
        EXPECT_FALSE(resultat().note_visible) << "no exercise, no mark";
    }
}

TEST_F(Reponse, LesSolutionsDUneEquationDansNImporteQuelOrdre)
{
    // As typed through the answer window or given whole; a system's values are x then y.
    const struct {
        std::string reponse;
        bool systeme;
        const char *commentaire;
    } cas[] = {
        {"-2*et*-1", false, "Bravo"},
        {"-1*et*-2", false, "Bravo"},
        {"-1 et -2", false, "Bravo"},
        {"-1et-2", false, "Bravo"},
        {"(-1)*et*(-2)", false, "Bravo"},
        {"-1*et*-2*et*-2", false, "Bravo"},   // a value given twice counts once
        {"-1*et*-3", false, "Faux"},
        {"-1*et*-4/2", false, PEUT_ETRE_SIMPLIFIEE},
        {"-2*et*-1", true, "Bravo"},
        {"-1*et*-2", true, "Inversées"},
    };
    for (const auto &c : cas) {
        SetUp();
        attendues({{"-2*et*-1", "0", "Bravo"}, {"-1*et*-2", "4", "Inversées"}, {"", "10", "Faux"}});
        partage.base_systeme = c.systeme;
        enonce = c.systeme ? "{x+y=-3\r\nx-y=-1}" : "(x+1)*(x+2)=0";
        verifie(c.reponse);
        EXPECT_EQ(partage.commentaire_final, c.commentaire) << c.reponse << (c.systeme ? " (system)" : "");
    }
}

TEST_F(Reponse, LEnsembleQueLeProgrammeEcritEstAccepte)
{
    for (const char *inequation : {"(x+3)*(x-2)>0", "(2*x+1)*(x-2)<=0", "(x+1)^2>0", "(x-1)*(x+1)>=0", "(x-1)/(x+3)>0"}) {
        SetUp();
        const std::string ensemble = intervalle_solutions(EnonceLu(inequation)).value_or("");
        ASSERT_FALSE(ensemble.empty()) << inequation;
        attendues({{normalise(ensemble), "0", "Bravo"}, {"", "10", "Faux"}});
        enonce = inequation;
        verifie(ensemble);
        EXPECT_EQ(partage.note, 20) << inequation << " -> " << ensemble << ": " << partage.commentaire_final;
    }
}

TEST_F(Reponse, AuDelaDeQuinzeReponsesRienNeConvient)
{
    for (int i = 1; i <= 15; ++i)
        partage.liste_solutions.emplace_back(std::to_string(i), "1", "r" + std::to_string(i)),
            partage.solutions_normalisees[static_cast<std::size_t>(i)] = std::to_string(i);
    partage.liste_solutions.emplace_back("", "10", "Faux");
    verifie("15");
    EXPECT_EQ(partage.commentaire_final, "r15");
    verifie("99");
    EXPECT_EQ(partage.commentaire_final, "Sans commentaires.");
}

TEST_F(Reponse, AidePayeeUneFois)
{
    partage.aides[1] = "Développer";
    partage.aides_affichees[1] = "Développer 3";
    partage.penalites_aides[1] = 2;
    std::optional<AideOuverte> aide = ouvre_aide(1);
    ASSERT_TRUE(aide);
    EXPECT_EQ(aide->texte, "Développer");
    EXPECT_EQ(partage.note, 18);
    partage.mode_eleve = true;
    aide = ouvre_aide(1);
    EXPECT_EQ(aide->texte, "Développer 3");
    EXPECT_EQ(partage.note, 18);
    EXPECT_FALSE(ouvre_aide(0));
    EXPECT_FALSE(ouvre_aide(31));
    EXPECT_EQ(partage.note, 18);
}

TEST_F(Reponse, TaillePoliceDeLAide)
{
    struct Cas {
        std::string texte;
        int taille;
    };
    for (const Cas &c : {Cas{"", 11}, Cas{std::string(85, 'a'), 11}, Cas{std::string(86, 'a'), 10},
                         Cas{std::string(100, 'a'), 10}, Cas{std::string(101, 'a'), 9}}) {
        partage.aides[2] = c.texte;
        EXPECT_EQ(ouvre_aide(2)->taille_police, c.taille) << c.texte.size();
    }
    // Characters are counted, not bytes.
    std::string accents;
    for (int i = 0; i < 90; ++i)
        accents += "é";
    partage.aides[2] = accents;
    EXPECT_EQ(ouvre_aide(2)->taille_police, 10);
}

TEST_F(Reponse, LaReponseDUnExerciceInstancieConvient)
{
    // The teacher's road, then the pupil gives the instantiated last step.
    partage.historique_expressions[1] = "a*x+a*x";
    partage.historique_commentaires[1] = "Expression de base";
    partage.historique_expressions[2] = "2*a*x";
    partage.historique_commentaires[2] = "Il faut réduire.";
    partage.nombre_historique = 2;
    preparer_exercice(std::string("a*x+a*x"));
    seme_hasard(3);
    instancier_exercice();
    const std::string attendue = partage.solutions_normalisees[1];
    ASSERT_NE(attendue.find("*x"), std::string::npos) << attendue;
    EXPECT_EQ(attendue.find('a'), std::string::npos);

    partage.note = 20;
    enonce = partage.expression_base;
    verifie(attendue);
    EXPECT_EQ(partage.commentaire_final, "Bravo, la réponse est juste !");
    EXPECT_TRUE(partage.reponse_juste);
    verifie("x");
    EXPECT_EQ(partage.commentaire_final, "Ce n'est pas la bonne réponse.");
    EXPECT_EQ(partage.note, 10);
}

} // namespace
