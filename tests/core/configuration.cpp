#include "core/configuration.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <fstream>
#include <iterator>
#include <random>

#include "core/encodage.h"
#include "core/partage.h"

namespace fs = std::filesystem;

namespace {

class Configuration : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() /
                       ("vivezezi-configuration-" + std::to_string(std::random_device{}()));

    void SetUp() override
    {
        remet_a_zero_complet();
        fs::create_directories(dossier);
        fixe_dossier_programme(dossier);
    }
    void TearDown() override { fs::remove_all(dossier); }
    void ecrit(const std::string &octets) const
    {
        std::ofstream(chemin_de(partage.chemin_config), std::ios::binary) << octets;
    }
    std::string contenu() const
    {
        std::ifstream f(chemin_de(partage.chemin_config), std::ios::binary);
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

const std::string FICHIER = "[options]\r\nREDUIRE=VRAI\r\nFRACTIONS=FAUX\r\nRACINES=VRAI\r\nKALKUL=FAUX\r\n"
                            "SIMPLIF=VRAI\r\nFACTORIZ=FAUX\r\nDEVELOPPE=VRAI\r\n[passe]\r\nsecret\r\n"
                            "[CONFIG]\r\nversion=1\r\nKORV2D=/opt/G\xE9om\r\n[WEB]\r\nsite=https://ex.test/Page\r\n";

TEST_F(Configuration, DossierDuProgrammeDeToutesLongueurs)
{
    calcule_chemins();
    EXPECT_EQ(chemin_de(partage.chemin_config), chemin_executable().parent_path() / "Vivezezi.ini");

    fs::path profond = dossier;
    for (int i = 0; i < 5; ++i)
        profond /= "un dossier au nom assez long numéro " + std::to_string(i);
    fs::create_directories(profond);
    fixe_dossier_programme(profond);
    EXPECT_EQ(partage.chemin_config, texte_de(profond / "Vivezezi.ini"));
    ecrit(FICHIER);
    lit_configuration();
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_EQ(lit_dossier_frere(), "/opt/Géom");
    EXPECT_EQ(lit_adresse_web(), "https://ex.test/Page");
}

TEST_F(Configuration, FichierLivreOuvreLaPorteAvecUnMotDePasseVide)
{
    fixe_dossier_programme(VIVEZEZI_DONNEES);
    toutes_les_options(false);
    partage.mot_de_passe = "AUTRE";
    lit_configuration();
    EXPECT_EQ(options_lues(), "VVVVVVV");
    EXPECT_EQ(partage.mot_de_passe, "");
}

TEST_F(Configuration, OptionsEtMotDePasseLusParPosition)
{
    const struct {
        std::string fichier, options, mot_de_passe;
    } cas[] = {
        {FICHIER, "VFVFVFV", "SECRET"},
        {"[options]\r\nreduire=vrai\r\nFRACTIONS=VRAI\r\n1\r\n2\r\n3\r\n4\r\n5\r\nPASSE\r\nd\xE9j\xE0 Vu\r\n",
         "FVFFFFF", "DéJà VU"},
        {"OPTIONS\r\nFRACTIONS=VRAI\r\nA=B=VRAI\r\n=VRAI\r\nVRAI\r\n", "VFVVVVV", "ANCIEN"},   // cut short
        {"PASSE\r\nperdu\r\nREDUIRE=VRAI\r\n", "FFFFFFF", "PERDU"},   // no options header
        {"[PASSE]\r\nSECRET\r\n", "FFFFFFF", "SECRET"},
        {"[PASSE]\r\nMOTDEPASSE WEB\r\n[OPTIONS]\r\nREDUIRE=VRAI\r\n", "VVVVVVV", "MOTDEPASSE WEB"},
        {"\xEF\xBB\xBF[PASSE]\r\nÉLÈVE\r\n", "FFFFFFF", "ÉLÈVE"},   // UTF-8 from another editor
        {"", "FFFFFFF", "ANCIEN"},
    };
    for (const auto &c : cas) {
        toutes_les_options(true);
        partage.mot_de_passe = "ancien";
        ecrit(c.fichier);
        lit_configuration();
        EXPECT_EQ(options_lues(), c.options) << c.fichier;
        EXPECT_EQ(partage.mot_de_passe, c.mot_de_passe) << c.fichier;
    }
}

TEST_F(Configuration, DossierFrereEtAdresseWeb)
{
    const struct {
        std::string fichier, dossier, adresse;
    } cas[] = {
        {"config\r\nx\r\nsans egal\r\n[web]\r\nadresse=a=b\r\n", "sans egal", "a=b"},
        {"CONFIG\r\nune seule ligne=1\r\n", "1", ADRESSE_WEB_DEFAUT},
        {"[CONFIG]\r\n", "C:\\KORV96", ADRESSE_WEB_DEFAUT},
    };
    for (const auto &c : cas) {
        ecrit(c.fichier);
        EXPECT_EQ(lit_dossier_frere(), c.dossier) << c.fichier;
        EXPECT_EQ(lit_adresse_web(), c.adresse) << c.fichier;
    }
}

TEST_F(Configuration, FichierAbsent)
{
    partage.mot_de_passe = "GARDE";
    lit_configuration();
    EXPECT_EQ(options_lues(), "VVVVVVV");
    EXPECT_EQ(partage.mot_de_passe, "GARDE");
    EXPECT_EQ(lit_dossier_frere(), DOSSIER_FRERE_DEFAUT);
    EXPECT_EQ(lit_adresse_web(), ADRESSE_WEB_DEFAUT);
    // A save makes the file again, from the shipped lines when no shared
    // default can be copied.
    partage.option_racines = false;
    ASSERT_TRUE(ecrit_options());
    ASSERT_TRUE(ecrit_dossier_frere("x"));
    toutes_les_options(false);
    lit_configuration();
    EXPECT_EQ(options_lues(), "VVFVVVV");
    EXPECT_EQ(partage.mot_de_passe, "GARDE");
    EXPECT_EQ(lit_dossier_frere(), "x");
    EXPECT_NE(contenu().find("[WEB]\r\nADRESSE=\r\n"), std::string::npos);
}

TEST_F(Configuration, EcrituresGardentLesAutresLignes)
{
    ecrit(FICHIER);
    toutes_les_options(false);
    partage.option_kalkul = true;
    partage.mot_de_passe = "Nouveau";
    ASSERT_TRUE(ecrit_dossier_frere("/srv/Géo"));
    ASSERT_TRUE(ecrit_options());
    ASSERT_TRUE(ecrit_options());   // the second save finds its own section
    EXPECT_EQ(contenu(), "[options]\r\nREDUIRE=FAUX\r\nFRACTIONS=FAUX\r\nRACINES=FAUX\r\nKALKUL=VRAI\r\n"
                         "SIMPLIF=FAUX\r\nFACTORIZ=FAUX\r\nDEVELOPPE=FAUX\r\n[passe]\r\nNOUVEAU\r\n"
                         "[CONFIG]\r\nversion=1\r\nKORV2D=/srv/G\xE9o\r\n[WEB]\r\nsite=https://ex.test/Page\r\n"
                         "[SECOND DEGRE]\r\nTRINOMES=VRAI\r\n");
    EXPECT_FALSE(fs::exists(dossier / "xxx.ini"));
}

TEST_F(Configuration, SectionsManquantesAjoutees)
{
    // Whatever sections the file lacks, what was saved is read back, and the
    // lines that were there stay.
    const std::string fichiers[] = {
        "",
        "sans en-t\xEAte\r\n",
        "[OPTIONS]\r\n",
        "[OPTIONS]\r\nREDUIRE=VRAI\r\n[CONFIG]\r\n",
        "[PASSE]\r\nancien\r\n[WEB]\r\nsite=https://ex.test/Page\r\n",
        FICHIER,
    };
    for (const std::string &fichier : fichiers) {
        ecrit(fichier);
        toutes_les_options(false);
        partage.option_fractions = true;
        partage.option_trinomes = false;
        partage.mot_de_passe = "Nouveau";
        ASSERT_TRUE(ecrit_dossier_frere("/srv/Géo")) << fichier;
        ASSERT_TRUE(ecrit_options()) << fichier;
        toutes_les_options(true);
        partage.option_trinomes = true;
        partage.mot_de_passe.clear();
        lit_configuration();
        EXPECT_EQ(options_lues(), "FVFFFFF") << fichier;
        EXPECT_FALSE(partage.option_trinomes) << fichier;
        EXPECT_EQ(partage.mot_de_passe, "NOUVEAU") << fichier;
        EXPECT_EQ(lit_dossier_frere(), "/srv/Géo") << fichier;
        if (fichier.find("site=") != std::string::npos) {
            EXPECT_EQ(lit_adresse_web(), "https://ex.test/Page") << fichier;
        }
        if (fichier.rfind("sans", 0) == 0) {
            EXPECT_NE(contenu().find("sans en-t\xEAte\r\n"), std::string::npos);
        }
    }
}

TEST_F(Configuration, TrinomesSansSectionRestentPermis)
{
    // Files written before the setting existed read as on; a section written
    // after the others leaves what older readers find unchanged.
    const struct {
        std::string fin_du_fichier;
        bool trinomes;
    } cas[] = {{"", true}, {"[SECOND DEGRE]\r\n", true}, {"[Second degre]\r\nTRINOMES=FAUX\r\n", false},
               {"[SECOND DEGRE]\r\nTRINOMES=VRAI\r\n", true}};
    for (const auto &c : cas) {
        ecrit(FICHIER + c.fin_du_fichier);
        partage.option_trinomes = !c.trinomes;
        lit_configuration();
        EXPECT_EQ(partage.option_trinomes, c.trinomes) << c.fin_du_fichier;
        EXPECT_EQ(options_lues(), "VFVFVFV");
        EXPECT_EQ(partage.mot_de_passe, "SECRET");
        EXPECT_EQ(lit_adresse_web(), "https://ex.test/Page");
    }
}

TEST_F(Configuration, SeulsLesMotsDePasseQueLeFichierGardeSontEnregistrables)
{
    const struct {
        const char *mot_de_passe;
        bool enregistrable;
    } cas[] = {{"", true}, {"SECRET", true}, {"DéJà VU €", true}, {"пароль", false},
               {"ÉCOLE✓", false}, {"a\tb", false}, {"\xC3", false}};
    for (const auto &c : cas) {
        EXPECT_EQ(mot_de_passe_enregistrable(c.mot_de_passe), c.enregistrable) << c.mot_de_passe;
        if (!c.enregistrable)
            continue;
        ecrit(FICHIER);
        partage.mot_de_passe = c.mot_de_passe;
        ASSERT_TRUE(ecrit_options());
        partage.mot_de_passe.clear();
        lit_configuration();
        std::string attendu = c.mot_de_passe;
        majuscules(attendu);
        EXPECT_EQ(partage.mot_de_passe, attendu);
    }
}

TEST_F(Configuration, FichierEnLectureSeuleOuIllisibleGardeTelQuel)
{
    ecrit(FICHIER);
    fs::permissions(partage.chemin_config, fs::perms(0444));
    EXPECT_FALSE(ecrit_options());
    const Enregistrement r = ecrit_dossier_frere("/ailleurs");
    EXPECT_NE(r.message.find("lecture seule"), std::string::npos) << r.message;
    EXPECT_EQ(contenu(), FICHIER);
    fs::remove(partage.chemin_config);
    fs::create_symlink("/proc/self/mem", partage.chemin_config);
    partage.mot_de_passe = "GARDE";
    EXPECT_NE(lit_configuration().find("n'a pas pu être lu"), std::string::npos);
    EXPECT_EQ(partage.mot_de_passe, "GARDE");
    EXPECT_FALSE(ecrit_options());
    EXPECT_TRUE(fs::is_symlink(partage.chemin_config));
}

// The four sections in each of their 24 orders: read alike, and a save
// changes only what it sets, in place.
TEST_F(Configuration, SectionsDansChaqueOrdre)
{
    std::array<std::string, 4> sections = {
        "[options]\r\nREDUIRE=VRAI\r\nFRACTIONS=FAUX\r\nRACINES=VRAI\r\nKALKUL=FAUX\r\nSIMPLIF=VRAI\r\n"
        "FACTORIZ=FAUX\r\nDEVELOPPE=VRAI\r\n",
        "[passe]\r\nsecret\r\n", "[CONFIG]\r\nversion=1\r\nKORV2D=/opt/g\r\n",
        "[Web]\r\nsite=https://ex.test/Page\r\n"};
    std::sort(sections.begin(), sections.end());
    do {
        const std::string fichier = sections[0] + sections[1] + sections[2] + sections[3];
        ecrit(fichier);
        lit_configuration();
        EXPECT_EQ(options_lues(), "VFVFVFV") << fichier;
        EXPECT_EQ(partage.mot_de_passe, "SECRET") << fichier;
        EXPECT_EQ(lit_dossier_frere(), "/opt/g") << fichier;
        EXPECT_EQ(lit_adresse_web(), "https://ex.test/Page") << fichier;

        partage.option_reduire = false;
        partage.mot_de_passe = "AUTRE";
        ASSERT_TRUE(ecrit_options()) << fichier;
        std::string attendu = fichier;
        attendu.replace(attendu.find("REDUIRE=VRAI"), 12, "REDUIRE=FAUX");
        attendu.replace(attendu.find("secret"), 6, "AUTRE");
        EXPECT_EQ(contenu(), attendu + "[SECOND DEGRE]\r\nTRINOMES=VRAI\r\n") << fichier;
    } while (std::next_permutation(sections.begin(), sections.end()));
}

TEST_F(Configuration, DechetsSansPlantage)
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
}

} // namespace
