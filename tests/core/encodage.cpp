#include "core/encodage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

class Fichiers : public ::testing::Test {
protected:
    fs::path dossier = fs::temp_directory_path() /
                       ("vivezezi-encodage-" + std::to_string(std::random_device{}()));
    fs::path f = dossier / "f.txt";

    void SetUp() override { fs::create_directories(dossier); }
    void TearDown() override { fs::remove_all(dossier); }
    void ecrit(const std::string &octets) const { std::ofstream(f, std::ios::binary) << octets; }
    std::string contenu() const
    {
        std::ifstream l(f, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(l), {});
    }
};

TEST(Encodage, ConversionsDansLesDeuxSens)
{
    const std::pair<std::string, std::string> cas[] = {
        {"Développer 2x+1", "D\xE9velopper 2x+1"}, {"€œŸ’", "\x80\x9C\x9F\x92"}, {"²·ÿ\r\n", "\xB2\xB7\xFF\r\n"}};
    for (const auto &[utf8, octets] : cas) {
        EXPECT_EQ(vers_windows_1252(utf8), octets);
        EXPECT_EQ(depuis_windows_1252(octets), utf8);
    }
    // No Windows-1252 byte, or not UTF-8 at all (cut, overlong, surrogate, stray bytes).
    const std::pair<std::string, std::string> sans_octet[] = {
        {"→", "?"}, {"x😀y", "x?y"}, {"\xFF", "?"}, {"a\xC3", "a?"}, {"\xC0\xAF", "??"},
        {"\xED\xA0\x80", "???"}, {"\xE2\x82", "??"}, {"\x80z", "?z"}};
    for (const auto &[utf8, octets] : sans_octet)
        EXPECT_EQ(vers_windows_1252(utf8), octets);
}

TEST(Encodage, ChaqueOctetRevientIntact)
{
    std::string tous;
    for (int b = 0; b < 256; ++b)
        tous += static_cast<char>(b);
    const std::string utf8 = depuis_windows_1252(tous);
    EXPECT_EQ(vers_windows_1252(utf8), tous);
    for (std::size_t i = 0; i < utf8.size(); i += longueur_caractere_utf8(utf8, i))
        ASSERT_NE(longueur_caractere_utf8(utf8, i), 0u) << "invalid UTF-8 at " << i;
}

TEST_F(Fichiers, LignesTermineesParCrLfOuLf)
{
    ecrit("un\r\ndeux\n\r\nd\xE9j\xE0\r\nfin sans retour");
    LecteurLignes l(f);
    ASSERT_TRUE(l.ouvert());
    for (const char *attendu : {"un", "deux", "", "déjà", "fin sans retour"}) {
        ASSERT_FALSE(l.fin());
        EXPECT_EQ(l.lit(), attendu);
    }
    EXPECT_TRUE(l.fin());
    EXPECT_EQ(l.lit(), "");

    ecrit("a\r\n");   // a last line end gives no empty line after it
    LecteurLignes une(f);
    EXPECT_EQ(une.lit(), "a");
    EXPECT_TRUE(une.fin());
}

TEST_F(Fichiers, LigneEnormeCoupeeEtFichiersNonOrdinairesRefuses)
{
    ecrit(std::string(3 * LONGUEUR_MAX_LIGNE, 'x') + "\r\nsuite\r\n");
    LecteurLignes l(f);
    EXPECT_EQ(l.lit().size(), LONGUEUR_MAX_LIGNE);
    EXPECT_EQ(l.lit(), "suite");

    for (const fs::path &chemin : {dossier, dossier / "absent.txt", fs::path("/dev/zero")}) {
        LecteurLignes refuse(chemin);
        EXPECT_FALSE(refuse.ouvert()) << chemin;
        EXPECT_TRUE(refuse.fin());
    }
}

TEST_F(Fichiers, EcritureSureRemplaceLaCibleALaFin)
{
    ecrit("ancien\r\n");
    {
        EcritureSure abandon(f);
        abandon.ecrit_ligne("à moitié");
    }
    EXPECT_EQ(contenu(), "ancien\r\n");

    EcritureSure e(f);
    e.ecrit_ligne("é");
    e.ecrit_ligne("deux\r\nlignes\n");
    EXPECT_EQ(contenu(), "ancien\r\n");
    ASSERT_TRUE(e.termine());
    EXPECT_EQ(contenu(), "\xE9\r\ndeux  lignes \r\n");
    EXPECT_FALSE(fs::exists(dossier / "f.txt.tmp"));
}

TEST_F(Fichiers, EchecDEcritureGardeLAncienFichier)
{
    ecrit("ancien\r\n");
    fs::create_directory(dossier / "f.txt.tmp");   // the temporary file cannot be made
    EcritureSure e(f);
    EXPECT_FALSE(e.ouverte());
    e.ecrit_ligne("nouveau");
    EXPECT_FALSE(e.termine());
    EXPECT_EQ(contenu(), "ancien\r\n");

    const fs::path plein = dossier / "plein";   // the rename fails over a folder
    fs::create_directory(plein);
    std::ofstream(plein / "dedans") << "x";
    EcritureSure sur_dossier(plein, dossier / "autre.tmp");
    sur_dossier.ecrit_ligne("nouveau");
    EXPECT_FALSE(sur_dossier.termine());
    EXPECT_TRUE(fs::exists(plein / "dedans"));
    EXPECT_FALSE(fs::exists(dossier / "autre.tmp"));
}

} // namespace
