#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "app/travail/clavier.h"
#include "formula/lineaire.h"

namespace {

constexpr Message caractere(int code) { return {GenreMessage::caractere, code}; }
constexpr Message touche(int code) { return {GenreMessage::touche, code}; }

struct CasFrappe {
    const char *nom;
    Saisie avant;
    Message message;
    bool mode_vecteurs;
    Saisie apres;
};

class Frappe : public testing::TestWithParam<CasFrappe> {};

TEST_P(Frappe, DonneLeTexteEtLeCurseurAttendus)
{
    const CasFrappe &c = GetParam();
    const Saisie s = frappe(c.avant, c.message, c.mode_vecteurs);
    EXPECT_EQ(s.texte, c.apres.texte);
    EXPECT_EQ(s.curseur, c.apres.curseur);
}

INSTANTIATE_TEST_SUITE_P(
    Clavier, Frappe,
    testing::Values(
        CasFrappe{"ChiffreInsere", {"x+", 2}, caractere('3'), false, {"x+3", 3}},
        CasFrappe{"InsereAuCurseur", {"x+3", 1}, caractere('2'), false, {"x2+3", 2}},
        CasFrappe{"ParentheseApresOperandeDonneProduit", {"x", 1}, caractere('('), false, {"x*(", 3}},
        CasFrappe{"ParentheseApresChiffre", {"2", 1}, caractere('('), false, {"2*(", 3}},
        CasFrappe{"ParentheseApresPlusSeule", {"x+", 2}, caractere('('), false, {"x+(", 3}},
        CasFrappe{"ParentheseApresEgal", {"x=", 2}, caractere('('), false, {"x=(", 3}},
        CasFrappe{"ParentheseApresParenthese", {"x*(", 3}, caractere('('), false, {"x*((", 4}},
        CasFrappe{"ParentheseApresPuissance", {"x^", 2}, caractere('('), false, {"x^(", 3}},
        CasFrappe{"ParentheseEnTete", {"", 0}, caractere('('), false, {"(", 1}},
        CasFrappe{"ParentheseEnTeteDeTexte", {"x", 0}, caractere('('), false, {"(x", 1}},
        CasFrappe{"TabulationAvanceLeCurseur", {"x+1", 1}, touche(TOUCHE_TABULATION), false, {"x+1", 2}},
        CasFrappe{"TabulationEnFinDeTexte", {"x+1", 3}, touche(TOUCHE_TABULATION), false, {"x+1", 3}},
        CasFrappe{"ToucheCarreEcritUnCarre", {"x", 1}, touche(TOUCHE_CARRE), false, {"x^2", 3}},
        CasFrappe{"ProduitParUneRacine", {"2", 1}, caractere(CARACTERE_RACINE_PRODUIT), false,
                  {"2*sqrt()", 7}},
        CasFrappe{"ToucheRacine", {"", 0}, caractere(CARACTERE_RACINE), false, {"sqrt()", 5}},
        CasFrappe{"VecteurApresDeuxPoints", {"AB", 2}, caractere(CARACTERE_VECTEUR), false,
                  {"AB..arrow", 9}},
        CasFrappe{"VecteurSansLEtoileEntreLesPoints", {"A*B", 3}, caractere(CARACTERE_VECTEUR), false,
                  {"AB..arrow", 9}},
        CasFrappe{"VecteurLoinDuDebutReculeDUnCran", {"A+B+CD", 6}, caractere(CARACTERE_VECTEUR), false,
                  {"A+B+CD..arrow", 12}},
        CasFrappe{"VecteurPresDuDebutGardeLeCurseurEnFin", {"AB+CD", 5}, caractere(CARACTERE_VECTEUR),
                  false, {"AB+CD..arrow", 12}},
        CasFrappe{"VecteurSurTexteVide", {"", 0}, caractere(CARACTERE_VECTEUR), false, {"", 0}},
        CasFrappe{"ZeroEnModeVecteursDonneLeVecteurNul", {"AB+", 3}, caractere('0'), true,
                  {"AB+o..arrow", 0}},
        CasFrappe{"ZeroHorsModeVecteurs", {"1", 1}, caractere('0'), false, {"10", 2}},
        CasFrappe{"EffaceArriere", {"x+1", 2}, touche(TOUCHE_EFFACE_ARRIERE), false, {"x1", 1}},
        CasFrappe{"EffaceArriereEnTete", {"x", 0}, touche(TOUCHE_EFFACE_ARRIERE), false, {"x", 0}},
        CasFrappe{"EffaceUneRacineVideEntiere", {"2*sqrt()", 7}, touche(TOUCHE_EFFACE_ARRIERE), false, {"2*", 2}},
        CasFrappe{"EffaceLeNomDUneFonction", {"sqrt(12)+sqrt(", 14}, touche(TOUCHE_EFFACE_ARRIERE), false,
                  {"sqrt(12)+", 9}},
        CasFrappe{"EffaceUneParentheseSansFonction", {"2*(", 3}, touche(TOUCHE_EFFACE_ARRIERE), false, {"2*", 2}},
        CasFrappe{"PasDeSigneDEnsembleDansLEnonce", {"x", 1}, caractere(0x2264), false, {"x", 1}},
        CasFrappe{"PasDePointVirguleDansLEnonce", {"{1", 2}, caractere(';'), false, {"{1", 2}},
        CasFrappe{"Supprime", {"x+1", 1}, touche(TOUCHE_SUPPRIME), false, {"x1", 1}},
        CasFrappe{"GaucheEnTete", {"x", 0}, touche(TOUCHE_GAUCHE), false, {"x", 0}},
        CasFrappe{"Fin", {"x+1", 0}, touche(TOUCHE_FIN), false, {"x+1", 3}},
        CasFrappe{"CaractereHorsFormuleIgnore", {"x", 1}, caractere('\''), false, {"x", 1}},
        CasFrappe{"CurseurHorsDuTexteRamene", {"x", 40}, caractere('+'), false, {"x+", 2}},
        CasFrappe{"CurseurNegatifRamene", {"x", -3}, caractere('2'), false, {"2x", 1}}),
    [](const testing::TestParamInfo<CasFrappe> &cas) { return std::string(cas.param.nom); });

TEST(Clavier, DesParenthesesSuccessivesRestentSeules)
{
    Saisie s{"x", 1};
    for (int i = 0; i < 100; ++i)
        s = frappe(s, caractere('('), false);
    EXPECT_EQ(s.texte, "x*" + std::string(100, '('));
}

// Typed one key at a time, a text comes out in the linear form the engine
// reads: "*" before a bracket that follows an operand, none before a
// function's bracket.
TEST(Clavier, TaperUnTexteDonneSaFormeLineaire)
{
    const std::pair<std::string, std::string> cas[] = {
        {"sin(x)", "sin(x)"},           {"cos(2x)+tan(x)", "cos(2x)+tan(x)"},
        {"abs(x-1)", "abs(x-1)"},       {"ln(x)*exp(x)", "ln(x)*exp(x)"},
        {"sqrt(x)", "sqrt(x)"},         {"2sin(x)", "2sin(x)"},
        {"x(x+1)", "x*(x+1)"},          {"3(x-2)=x+4", "3*(x-2)=x+4"},
        {"(x+1)(x-1)", "(x+1)*(x-1)"},  {"sqrt(2)(x+1)", "sqrt(2)*(x+1)"},
        {"2(x(x+1))", "2*(x*(x+1))"},   {"a(x+b)", "a*(x+b)"},
    };
    for (const auto &[tape, attendu] : cas) {
        Saisie s;
        for (char c : tape)
            s = frappe(s, caractere(c), false);
        EXPECT_EQ(s.texte, attendu) << tape;
        EXPECT_EQ(s.texte, forme_lineaire(tape)) << tape;
    }
}

TEST(Clavier, LeCurseurNeCoupeJamaisUnCaractere)
{
    Saisie s{"x\xC2\xB2", 3};   // "x²"
    s = frappe(s, touche(TOUCHE_GAUCHE), false);
    EXPECT_EQ(s.curseur, 1);
    s = frappe(s, touche(TOUCHE_DROITE), false);
    EXPECT_EQ(s.curseur, 3);
    s = frappe(s, touche(TOUCHE_EFFACE_ARRIERE), false);
    EXPECT_EQ(s.texte, "x");
}

TEST(Clavier, LeFiltreSignaleCeQuIlPoste)
{
    Saisie s{"x", 1};
    std::vector<Message> postes;
    const Message m = filtre_message(s, touche(TOUCHE_CARRE), false, postes);
    EXPECT_EQ(m, touche(TOUCHE_CARRE));
    const std::vector<Message> attendus{caractere('^'), caractere('2'), touche(TOUCHE_DROITE)};
    EXPECT_EQ(postes, attendus);
}

} // namespace
