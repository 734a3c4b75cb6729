#include "core/encodage.h"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <random>

namespace fs = std::filesystem;

namespace {

struct DossierTemporaire {
    fs::path chemin;
    DossierTemporaire()
    {
        std::random_device alea;
        chemin = fs::temp_directory_path() / ("vivezezi-encodage-" + std::to_string(alea()) + std::to_string(alea()));
        fs::create_directories(chemin);
    }
    ~DossierTemporaire()
    {
        std::error_code e;
        fs::remove_all(chemin, e);
    }
};

std::string contenu(const fs::path &chemin)
{
    std::ifstream f(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(f), {});
}

void ecrit(const fs::path &chemin, const std::string &octets)
{
    std::ofstream(chemin, std::ios::binary) << octets;
}

TEST(Encodage, CaracteresConnusDansLesDeuxSens)
{
    const struct {
        std::string utf8, octets;
    } cas[] = {
        {"abc 2x+1=0", "abc 2x+1=0"}, {"é", "\xE9"},     {"Développer", "D\xE9velopper"},
        {"€", "\x80"},                {"œ", "\x9C"},     {"Ÿ", "\x9F"},
        {"²", "\xB2"},                {"·", "\xB7"},     {"ÿ", "\xFF"},
        {"’", "\x92"},                {"\r\n", "\r\n"},  {"", ""},
    };
    for (const auto &c : cas) {
        EXPECT_EQ(vers_windows_1252(c.utf8), c.octets) << c.utf8;
        EXPECT_EQ(depuis_windows_1252(c.octets), c.utf8) << c.utf8;
    }
}

TEST(Encodage, TexteSansEquivalentDevientPointDInterrogation)
{
    const struct {
        std::string utf8, octets;
    } cas[] = {
        {"→", "?"},                 // no Windows-1252 byte
        {"x😀y", "x?y"},            // four-byte character
        {"\xFF", "?"},              // not UTF-8
        {"\xC3", "?"},              // cut character
        {"a\xC3", "a?"},
        {"\xC0\xAF", "??"},         // overlong form
        {"\xED\xA0\x80", "???"},    // surrogate
        {"\xE2\x82", "??"},         // cut three-byte character
        {"\x80z", "?z"},            // stray continuation byte
    };
    for (const auto &c : cas)
        EXPECT_EQ(vers_windows_1252(c.utf8), c.octets);
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

TEST(Encodage, CoupeApresNCaracteres)
{
    std::string t = "éèà123";
    coupe_caracteres(t, 2);
    EXPECT_EQ(t, "éè");
    t = "abc";
    coupe_caracteres(t, 10);
    EXPECT_EQ(t, "abc");
    t = "abc";
    coupe_caracteres(t, 0);
    EXPECT_EQ(t, "");
}

TEST(LecteurLignes, FinsDeLigneCrLfOuLf)
{
    DossierTemporaire d;
    ecrit(d.chemin / "f.txt", "un\r\ndeux\n\r\nd\xE9j\xE0\r\nfin sans retour");
    LecteurLignes l(d.chemin / "f.txt");
    ASSERT_TRUE(l.ouvert());
    for (const char *attendu : {"un", "deux", "", "déjà", "fin sans retour"}) {
        ASSERT_FALSE(l.fin());
        EXPECT_EQ(l.lit(), attendu);
    }
    EXPECT_TRUE(l.fin());
    EXPECT_EQ(l.lit(), "");
}

TEST(LecteurLignes, DerniereLigneTermineeNeDonnePasDeLigneVide)
{
    DossierTemporaire d;
    ecrit(d.chemin / "f.txt", "a\r\n");
    LecteurLignes l(d.chemin / "f.txt");
    EXPECT_EQ(l.lit(), "a");
    EXPECT_TRUE(l.fin());
}

TEST(LecteurLignes, LigneEnormeCoupee)
{
    DossierTemporaire d;
    ecrit(d.chemin / "f.txt", std::string(3 * LONGUEUR_MAX_LIGNE, 'x') + "\r\nsuite\r\n");
    LecteurLignes l(d.chemin / "f.txt");
    EXPECT_EQ(l.lit().size(), LONGUEUR_MAX_LIGNE);
    EXPECT_EQ(l.lit(), "suite");
    EXPECT_TRUE(l.fin());
}

TEST(LecteurLignes, SeulsLesFichiersOrdinairesSOuvrent)
{
    DossierTemporaire d;
    for (const fs::path &chemin : {d.chemin, d.chemin / "absent.txt", fs::path("/dev/zero")}) {
        LecteurLignes l(chemin);
        EXPECT_FALSE(l.ouvert()) << chemin;
        EXPECT_TRUE(l.fin());
        EXPECT_EQ(l.lit(), "");
    }
}

TEST(EcritureSure, EcritEnWindows1252AvecCrLf)
{
    DossierTemporaire d;
    const fs::path cible = d.chemin / "f.txt";
    EcritureSure e(cible);
    ASSERT_TRUE(e.ouverte());
    e.ecrit_ligne("é");
    e.ecrit_ligne("");
    e.ecrit_ligne("deux\r\nlignes\n");
    ASSERT_TRUE(e.termine());
    EXPECT_EQ(contenu(cible), "\xE9\r\n\r\ndeux  lignes \r\n");
    EXPECT_FALSE(fs::exists(d.chemin / "f.txt.tmp"));
}

TEST(EcritureSure, RemplaceLAncienFichier)
{
    DossierTemporaire d;
    const fs::path cible = d.chemin / "f.txt";
    ecrit(cible, "ancien\r\n");
    EcritureSure e(cible);
    e.ecrit_ligne("nouveau");
    EXPECT_EQ(contenu(cible), "ancien\r\n");   // untouched until the end
    ASSERT_TRUE(e.termine());
    EXPECT_EQ(contenu(cible), "nouveau\r\n");
}

TEST(EcritureSure, UnEchecGardeLAncienFichier)
{
    DossierTemporaire d;
    const fs::path cible = d.chemin / "f.txt";
    ecrit(cible, "ancien\r\n");

    // The temporary file cannot be created.
    fs::create_directory(d.chemin / "f.txt.tmp");
    {
        EcritureSure e(cible);
        EXPECT_FALSE(e.ouverte());
        e.ecrit_ligne("nouveau");
        EXPECT_FALSE(e.termine());
    }
    EXPECT_EQ(contenu(cible), "ancien\r\n");
    EXPECT_TRUE(fs::is_directory(d.chemin / "f.txt.tmp"));

    // The rename fails: the target is a folder that is not empty.
    const fs::path dossier = d.chemin / "dossier";
    fs::create_directory(dossier);
    ecrit(dossier / "dedans.txt", "x");
    {
        EcritureSure e(dossier, d.chemin / "autre.tmp");
        e.ecrit_ligne("nouveau");
        EXPECT_FALSE(e.termine());
    }
    EXPECT_EQ(contenu(dossier / "dedans.txt"), "x");
    EXPECT_FALSE(fs::exists(d.chemin / "autre.tmp"));
}

TEST(EcritureSure, AbandonSansTerminerNeToucheRien)
{
    DossierTemporaire d;
    const fs::path cible = d.chemin / "f.txt";
    ecrit(cible, "ancien\r\n");
    {
        EcritureSure e(cible);
        e.ecrit_ligne("à moitié");
    }
    EXPECT_EQ(contenu(cible), "ancien\r\n");
    EXPECT_FALSE(fs::exists(d.chemin / "f.txt.tmp"));
}

TEST(Chemins, TexteUtf8EtCheminSeCorrespondent)
{
    const std::string texte = "/tmp/élèves/exercice €.alg";
    EXPECT_EQ(texte_de(chemin_de(texte)), texte);
    EXPECT_EQ(texte_de(chemin_de(texte).filename()), "exercice €.alg");
}

} // namespace
