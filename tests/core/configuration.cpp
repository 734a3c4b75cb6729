#include "core/configuration.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

#include "core/encodage.h"
#include "core/partage.h"

namespace fs = std::filesystem;

namespace {

// A fresh program folder for each test, removed afterwards.
class Configuration : public ::testing::Test {
protected:
    fs::path dossier;

    void SetUp() override
    {
        remet_a_zero_complet();
        std::random_device alea;
        dossier = fs::temp_directory_path() /
                  ("vivezezi-configuration-" + std::to_string(alea()) + std::to_string(alea()));
        fs::create_directories(dossier);
        fixe_dossier_programme(dossier);
    }
    void TearDown() override
    {
        std::error_code e;
        fs::remove_all(dossier, e);
    }

    fs::path fichier() const { return dossier / "Vivezezi.ini"; }
    void ecrit(const std::string &octets) const { std::ofstream(fichier(), std::ios::binary) << octets; }
    std::string contenu() const
    {
        std::ifstream f(fichier(), std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(f), {});
    }
    static void toutes_les_options(bool valeur)
    {
        for (const CleOption &cle : options_par_cle)
            partage.*cle.option = valeur;
    }
    static std::string options_lues()
    {
        std::string r;
        for (const CleOption &cle : options_par_cle)
            r += partage.*cle.option ? 'V' : 'F';
        return r;
    }
};

const std::string FICHIER_TYPE = "[OPTIONS]\r\n"
                                 "REDUIRE=VRAI\r\nFRACTIONS=FAUX\r\nRACINES=VRAI\r\nKALKUL=FAUX\r\n"
                                 "SIMPLIF=VRAI\r\nFACTORIZ=FAUX\r\nDEVELOPPE=VRAI\r\n"
                                 "[PASSE]\r\nsecret\r\n"
                                 "[CONFIG]\r\nversion=1\r\nKORV2D=/opt/G\xE9om\xE9trie\r\n"
                                 "[WEB]\r\nsite=https://exemple.test/Page.html\r\n";

TEST_F(Configuration, CheminsDuProgramme)
{
    calcule_chemins();
    EXPECT_EQ(chemin_de(partage.dossier_programme), chemin_executable().parent_path());
    EXPECT_EQ(chemin_de(partage.chemin_config), chemin_executable().parent_path() / "Vivezezi.ini");
    EXPECT_TRUE(chemin_de(partage.dossier_programme).is_absolute());
}

TEST_F(Configuration, DossierDePlusDe78Caracteres)
{
    fs::path profond = dossier;
    for (int i = 0; i < 6; ++i)
        profond /= "un dossier au nom assez long numéro " + std::to_string(i);
    fs::create_directories(profond);
    ASSERT_GT(texte_de(profond).size(), 200u);
    fixe_dossier_programme(profond);
    EXPECT_EQ(partage.chemin_config, texte_de(profond / "Vivezezi.ini"));

    std::ofstream(profond / "Vivezezi.ini", std::ios::binary) << FICHIER_TYPE;
    lit_configuration();
    EXPECT_EQ(options_lues(), "VFVFVFV");
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_TRUE(ecrit_options());
    EXPECT_EQ(lit_dossier_frere(), "/opt/Géométrie");
}

TEST_F(Configuration, FichierLivreOuvreLaPorteAvecUnMotDePasseVide)
{
    fixe_dossier_programme(VIVEZEZI_DONNEES);
    toutes_les_options(false);
    partage.mot_de_passe = "AUTRE";
    lit_configuration();
    EXPECT_EQ(options_lues(), "VVVVVVV");
    EXPECT_EQ(partage.mot_de_passe, "");
    EXPECT_EQ(lit_dossier_frere(), DOSSIER_FRERE_DEFAUT);
    EXPECT_EQ(lit_adresse_web(), ADRESSE_WEB_DEFAUT);
}

TEST_F(Configuration, LectureDesQuatreSections)
{
    ecrit(FICHIER_TYPE);
    lit_configuration();
    EXPECT_EQ(options_lues(), "VFVFVFV");
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_EQ(lit_dossier_frere(), "/opt/Géométrie");
    EXPECT_EQ(lit_adresse_web(), "https://exemple.test/Page.html");
}

TEST_F(Configuration, OptionsLuesParPosition)
{
    const struct {
        const char *nom;
        std::string fichier;
        std::string options;
    } cas[] = {
        {"en-tete en minuscules, valeurs en minuscules",
         "[options]\r\nreduire=vrai\r\nFRACTIONS=VRAI\r\n1\r\n2\r\n3\r\n4\r\n5\r\n", "FVFFFFF"},
        {"ordre different", "OPTIONS\r\nFRACTIONS=VRAI\r\nREDUIRE=FAUX\r\nX=VRAI\r\nVRAI\r\n\r\n=VRAI\r\nA=B=VRAI\r\n",
         "VFVVFVF"},
        {"fichier coupe", "OPTIONS\r\nREDUIRE=FAUX\r\nFRACTIONS=VRAI\r\n", "FVVVVVV"},
        {"sans en-tete", "REDUIRE=VRAI\r\nFRACTIONS=VRAI\r\n", "FFFFFFF"},
        {"fichier vide", "", "FFFFFFF"},
        {"en-tete avec des mots autour", "; les options du programme\r\nREDUIRE=VRAI\r\n", "VVVVVVV"},
    };
    for (const auto &c : cas) {
        toutes_les_options(true);
        ecrit(c.fichier);
        lit_configuration();
        EXPECT_EQ(options_lues(), c.options) << c.nom;
    }
}

TEST_F(Configuration, FichierAbsentNeChangeRien)
{
    toutes_les_options(true);
    partage.option_kalkul = false;
    partage.mot_de_passe = "GARDE";
    lit_configuration();
    EXPECT_EQ(options_lues(), "VVVFVVV");
    EXPECT_EQ(partage.mot_de_passe, "GARDE");
    EXPECT_EQ(lit_dossier_frere(), "C:\\KORV96");
    EXPECT_EQ(lit_adresse_web(), ADRESSE_WEB_DEFAUT);
}

TEST_F(Configuration, MotDePasse)
{
    const struct {
        std::string fichier, attendu;
    } cas[] = {
        {"OPTIONS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nPASSE\r\nmot2passe\r\n", "MOT2PASSE"},
        {"OPTIONS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\n[Mot de passe]\r\nd\xE9j\xE0 vu\r\n", "DéJà VU"},
        {"OPTIONS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nPASSE\r\n\r\nCONFIG\r\n", ""},
        // searched only after the seventh option line
        {"PASSE\r\nperdu\r\nOPTIONS\r\n", "ANCIEN"},
        {"OPTIONS\r\n1\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nPASSE", "ANCIEN"},
    };
    for (const auto &c : cas) {
        partage.mot_de_passe = "ancien";
        ecrit(c.fichier);
        lit_configuration();
        EXPECT_EQ(partage.mot_de_passe, c.attendu) << c.fichier;
    }
}

TEST_F(Configuration, DossierFrereEtAdresseWeb)
{
    const struct {
        std::string fichier, dossier, adresse;
    } cas[] = {
        {"CONFIG\r\nx\r\nKORV2D=D:\\geo\r\nWEB\r\nadresse=a=b\r\n", "D:\\geo", "a=b"},
        {"config\r\nx\r\nsans egal\r\n[web]\r\nsans egal\r\n", "sans egal", "sans egal"},
        {"CONFIG\r\nseulement une ligne=1\r\n", "1", ADRESSE_WEB_DEFAUT},
        {"CONFIG\r\n", "C:\\KORV96", ADRESSE_WEB_DEFAUT},
        {"WEB\r\n", "C:\\KORV96", ADRESSE_WEB_DEFAUT},
    };
    for (const auto &c : cas) {
        ecrit(c.fichier);
        EXPECT_EQ(lit_dossier_frere(), c.dossier) << c.fichier;
        EXPECT_EQ(lit_adresse_web(), c.adresse) << c.fichier;
    }
}

TEST_F(Configuration, EcritureDesOptionsEtDuMotDePasse)
{
    ecrit("[options]\r\nREDUIRE=VRAI\r\nFRACTIONS=FAUX\r\nRACINES=VRAI\r\nKALKUL=FAUX\r\n"
          "SIMPLIF=VRAI\r\nFACTORIZ=FAUX\r\nDEVELOPPE=VRAI\r\n"
          "[passe]\r\nancien\r\n"
          "[CONFIG]\r\nversion=1\r\nKORV2D=/opt/G\xE9om\r\n"
          "[WEB]\r\nsite=https://exemple.test/Page.html\r\n");
    toutes_les_options(false);
    partage.option_kalkul = true;
    partage.mot_de_passe = "Nouveau";
    ASSERT_TRUE(ecrit_options());
    EXPECT_EQ(contenu(), "[OPTIONS]\r\nREDUIRE=FAUX\r\nFRACTIONS=FAUX\r\nRACINES=FAUX\r\nKALKUL=VRAI\r\n"
                         "SIMPLIF=FAUX\r\nFACTORIZ=FAUX\r\nDEVELOPPE=FAUX\r\n"
                         "[PASSE]\r\nNOUVEAU\r\n"
                         "[CONFIG]\r\nversion=1\r\nKORV2D=/opt/G\xE9om\r\n"
                         "[WEB]\r\nsite=https://exemple.test/Page.html\r\n");
    EXPECT_FALSE(fs::exists(dossier / "xxx.ini"));

    toutes_les_options(true);
    lit_configuration();
    EXPECT_EQ(options_lues(), "FFFVFFF");
    EXPECT_EQ(partage.mot_de_passe, "NOUVEAU");
}

TEST_F(Configuration, EcritureDuDossierFrere)
{
    ecrit(FICHIER_TYPE);
    ASSERT_TRUE(ecrit_dossier_frere("/srv/Géo"));
    EXPECT_EQ(contenu(), "[OPTIONS]\r\n"
                         "REDUIRE=VRAI\r\nFRACTIONS=FAUX\r\nRACINES=VRAI\r\nKALKUL=FAUX\r\n"
                         "SIMPLIF=VRAI\r\nFACTORIZ=FAUX\r\nDEVELOPPE=VRAI\r\n"
                         "[PASSE]\r\nSECRET\r\n"
                         "[CONFIG]\r\nversion=1\r\nKORV2D=/srv/G\xE9o\r\n"
                         "[WEB]\r\nsite=https://exemple.test/Page.html\r\n");
    EXPECT_EQ(lit_dossier_frere(), "/srv/Géo");
}

TEST_F(Configuration, SansEnTeteToutEstRecopieEnMajusculesSansAjout)
{
    ecrit("rien ici\r\nd\xE9j\xE0\r\n");
    EXPECT_TRUE(ecrit_options());
    EXPECT_EQ(contenu(), "RIEN ICI\r\nD\xE9J\xE0\r\n");
    ecrit("CONFIG\r\n");
    EXPECT_TRUE(ecrit_dossier_frere("x"));
    EXPECT_EQ(contenu(), "CONFIG\r\n");
}

TEST_F(Configuration, FichierAbsentALaSauvegarde)
{
    EXPECT_FALSE(ecrit_options());
    EXPECT_FALSE(ecrit_dossier_frere("x"));
    EXPECT_FALSE(fs::exists(fichier()));
    EXPECT_FALSE(fs::exists(dossier / "xxx.ini"));
}

TEST_F(Configuration, EchecDEcritureGardeLAncienFichier)
{
    ecrit(FICHIER_TYPE);
    fs::create_directory(dossier / "xxx.ini");
    toutes_les_options(false);
    EXPECT_FALSE(ecrit_options());
    EXPECT_FALSE(ecrit_dossier_frere("/ailleurs"));
    EXPECT_EQ(contenu(), FICHIER_TYPE);
}

TEST_F(Configuration, FichierMalFormeNePlantePas)
{
    std::mt19937 alea(7);
    for (int essai = 0; essai < 50; ++essai) {
        std::string octets(alea() % 3000, '\0');
        for (char &c : octets)
            c = static_cast<char>(alea() % 4 == 0 ? '\n' : alea() % 256);
        ecrit(octets);
        lit_configuration();
        lit_dossier_frere();
        lit_adresse_web();
        EXPECT_TRUE(ecrit_options());
        EXPECT_TRUE(ecrit_dossier_frere("d"));
    }
    ecrit("OPTIONS\r\n" + std::string(3 * LONGUEUR_MAX_LIGNE, 'V') + "\r\n2\r\n3\r\n4\r\n5\r\n6\r\n7\r\nPASSE\r\nx\r\n");
    lit_configuration();
    EXPECT_EQ(partage.mot_de_passe, "X");
}

} // namespace
