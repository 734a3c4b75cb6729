#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "core/partage.h"
#include "print/resume.h"

namespace {

std::vector<std::string> titres(const std::vector<LigneResume> &lignes)
{
    std::vector<std::string> t;
    for (const LigneResume &l : lignes)
        if (l.genre == GenreLigneResume::titre)
            t.push_back(l.texte);
    return t;
}

bool contient(const std::vector<LigneResume> &lignes, const std::string &texte)
{
    return std::any_of(lignes.begin(), lignes.end(), [&](const LigneResume &l) { return l.texte == texte; });
}

class ResumeTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        partage.consigne = "Résoudre";
        partage.expression_base = "2*x+1=0";
        partage.lignes_parametres[1] = "a:1,2,3,";
        partage.lignes_parametres[3] = "b:4,5,";
        partage.liste_solutions.emplace_back("x=-1/2", "0", "Bien");
        partage.liste_solutions.emplace_back("x=1/2", "3", "Erreur de signe");
        for (int i = 1; i <= 12; ++i) {
            partage.aides[i] = "aide " + std::to_string(i);
            partage.penalites_aides[i] = i;
        }
    }
};

TEST_F(ResumeTest, ChaquePageCommenceUneSectionPlusLoin)
{
    const std::vector<std::vector<std::string>> attendus = {
        {"FICHIER : SANS_NOM", "ENONCE  : Résoudre", "LES VARIABLES", "PARAMETRES :",
         "ANALYSE DE REPONSES", "LES AIDES"},
        {"LES VARIABLES", "PARAMETRES :", "ANALYSE DE REPONSES", "LES AIDES"},
        {"PARAMETRES :", "ANALYSE DE REPONSES", "LES AIDES"},
        {"ANALYSE DE REPONSES", "LES AIDES"},
        {"LES AIDES"},
    };
    for (int page = 1; page <= PAGES_RESUME; ++page)
        EXPECT_EQ(titres(resume_ecran(page, {})), attendus[static_cast<std::size_t>(page - 1)]) << page;
    // Out of range pages stay within the five.
    EXPECT_EQ(titres(resume_ecran(9, {})), attendus[4]);
    EXPECT_EQ(titres(resume_ecran(0, {})), attendus[0]);
}

TEST_F(ResumeTest, ContenuDesSections)
{
    partage.fichier_exercice = "exo.alg";
    partage.option_fractions = false;
    partage.option_simplif = false;
    const auto lignes = resume_ecran(1, {"Première", "Deuxième"});
    EXPECT_EQ(lignes.front().texte, "FICHIER : exo.alg");
    EXPECT_EQ(lignes[2].genre, GenreLigneResume::formule);
    EXPECT_EQ(lignes[2].texte, "2*x+1=0");
    EXPECT_TRUE(contient(lignes, "a:1,2,3,"));
    EXPECT_TRUE(contient(lignes, "b:4,5,"));
    EXPECT_TRUE(contient(lignes, "Réduction automatique : VRAI"));
    EXPECT_TRUE(contient(lignes, "Même dénominateur automatique : FAUX"));
    EXPECT_TRUE(contient(lignes, "Menu simplifier : DESACTIVE"));
    EXPECT_TRUE(contient(lignes, "Menu factoriser : ACTIF"));
    EXPECT_TRUE(contient(lignes, "Première : aide 1"));
    EXPECT_TRUE(contient(lignes, " : aide 3"));   // no title for it
    EXPECT_TRUE(contient(lignes, "NOTE : -2"));
}

TEST_F(ResumeTest, DixAidesAuPlusEtArretALaPremiereVide)
{
    auto compte_aides = [](const std::vector<LigneResume> &l) {
        return std::count_if(l.begin(), l.end(),
                             [](const LigneResume &x) { return x.texte.find(" : aide ") != std::string::npos; });
    };
    EXPECT_EQ(compte_aides(resume_ecran(5, {})), AIDES_RESUMEES);
    EXPECT_EQ(compte_aides(resume_papier({})), AIDES_RESUMEES);
    partage.aides[4].clear();
    EXPECT_EQ(compte_aides(resume_ecran(5, {})), 3);
}

TEST_F(ResumeTest, ReponsesSurLEcranSeulementAvecUnFichier)
{
    partage.aides_a_imprimer = false;
    EXPECT_FALSE(contient(resume_ecran(4, {}), "COMMENT : Bien"));
    const auto papier = resume_papier({});
    EXPECT_TRUE(contient(papier, "COMMENT : Bien"));
    EXPECT_TRUE(contient(papier, "NOTE : -3"));
    partage.aides_a_imprimer = true;
    const auto ecran = resume_ecran(4, {});
    EXPECT_TRUE(contient(ecran, "x=1/2"));
    EXPECT_TRUE(contient(ecran, "COMMENT : Erreur de signe"));
}

}  // namespace

namespace {

// The mistakes named during the pupil's work, by their names and right rules.
TEST_F(ResumeTest, LesErreursReconnuesSontListees)
{
    partage.dossier_programme = VIVEZEZI_DONNEES;
    partage.regles_nommees = {"carre_somme_sans_double_produit", "coefficient_soustrait"};
    for (const std::vector<LigneResume> &lignes : {resume_ecran(4, {}), resume_papier({})}) {
        EXPECT_EQ(titres(lignes)[titres(lignes).size() - 2], "ERREURS RECONNUES");
        EXPECT_TRUE(contient(lignes, "Carré d'une somme sans le double produit : (a + b)² = a² + 2ab + b²"));
        EXPECT_TRUE(contient(lignes, "Coefficient de x soustrait au lieu de diviser : ax = b donne x = b/a"));
    }
    EXPECT_EQ(titres(resume_ecran(5, {})), std::vector<std::string>{"LES AIDES"});
}

} // namespace
