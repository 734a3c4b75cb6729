// Where the program reads its data and keeps the user's configuration, in the
// portable layout (a configuration beside the program) and the installed one.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>

#include "core/configuration.h"
#include "core/emplacements.h"
#include "core/encodage.h"
#include "core/partage.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

class Emplacement : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        fs::create_directories(bin_);
    }
    void donnees_installees()
    {
        fs::create_directories(partagees_);
        outils::copie_configuration(partagees_);
    }

    outils::DossierTemporaire temporaire_{"vivezezi-emplacements"};
    fs::path racine_ = temporaire_.chemin();
    fs::path bin_ = racine_ / "usr" / "bin";
    fs::path partagees_ = racine_ / "usr" / "share" / "vivezezi";
    fs::path utilisateur_ = racine_ / "home" / ".config" / "Vivezezi";
};

TEST_F(Emplacement, LaConfigurationAColeDuProgrammeLEmporte)
{
    struct Cas {
        const char *nom;
        bool configuration_a_cote, installees;
        bool installe;
    };
    const Cas cas[] = {
        {"dossier de compilation", true, false, false},
        {"copie portable dans un préfixe installé", true, true, false},
        {"programme installé", false, true, true},
        {"ni l'un ni l'autre", false, false, false},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.nom);
        fs::remove_all(racine_ / "usr");
        fs::create_directories(bin_);
        if (c.configuration_a_cote)
            std::ofstream(bin_ / "Vivezezi.ini") << "[OPTIONS]\n";
        if (c.installees)
            donnees_installees();
        const Emplacements e = choisit_emplacements(bin_, utilisateur_);
        EXPECT_EQ(e.donnees, c.installe ? partagees_ : bin_);
        EXPECT_EQ(e.configuration, (c.installe ? utilisateur_ : bin_) / "Vivezezi.ini");
    }
}

TEST_F(Emplacement, LePremierLancementCopieLaConfigurationParDefautPuisLaGarde)
{
    donnees_installees();
    fs::permissions(partagees_ / "Vivezezi.ini", fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    const Emplacements e = choisit_emplacements(bin_, utilisateur_);
    ASSERT_TRUE(installe_emplacements(e));
    EXPECT_EQ(partage.dossier_programme, texte_de(partagees_));
    EXPECT_EQ(partage.chemin_config, texte_de(utilisateur_ / "Vivezezi.ini"));
    EXPECT_EQ(outils::contenu(utilisateur_ / "Vivezezi.ini"), outils::contenu(partagees_ / "Vivezezi.ini"));

    // The user's copy is rewritten beside itself, never in the shared folder.
    partage.option_reduire = false;
    partage.mot_de_passe = "CLE";
    fs::remove_all(partagees_);
    ASSERT_TRUE(ecrit_options());
    const std::string ecrit = outils::contenu(utilisateur_ / "Vivezezi.ini");
    EXPECT_NE(ecrit.find("REDUIRE=FAUX"), std::string::npos);
    EXPECT_FALSE(fs::exists(utilisateur_ / "xxx.ini"));

    // The next start keeps the user's file.
    donnees_installees();
    ASSERT_TRUE(installe_emplacements(e));
    EXPECT_EQ(outils::contenu(utilisateur_ / "Vivezezi.ini"), ecrit);

    // Deleted while the program runs, it is made again from the shared default.
    fs::remove(utilisateur_ / "Vivezezi.ini");
    ASSERT_TRUE(ecrit_dossier_frere("/srv/g"));
    std::string attendu = outils::contenu(partagees_ / "Vivezezi.ini");
    attendu.replace(attendu.find("KORV2D="), std::string("KORV2D=C:\\KORV96").size(), "KORV2D=/srv/g");
    EXPECT_EQ(outils::contenu(utilisateur_ / "Vivezezi.ini"), attendu);
}

TEST(FichierExercice, SeulUnNomEnAlgOuvreUnExercice)
{
    const std::pair<const char *, bool> cas[] = {
        {"exo.alg", true},         {"/home/élève/Exo 1.ALG", true}, {"x.Alg", true},
        {"2*(x+1)=4", false},      {"", false},                     {"alg", false},
        {"exo.alg.txt", false},    {"x^2-1", false},
    };
    for (const auto &[argument, exercice] : cas)
        EXPECT_EQ(est_fichier_exercice(argument), exercice) << argument;
}

} // namespace
