#include "core/encodage.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <fstream>
#include <iterator>
#include <random>

#include "tests/outils/dossiers.h"

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

// A file that cannot be read, whatever the reason, gives a message and no line.
TEST_F(Fichiers, EchecsDeLecture)
{
    const fs::path memoire = dossier / "memoire.alg";   // reading it fails with an I/O error
    fs::create_symlink("/proc/self/mem", memoire);
    ecrit(std::string(TAILLE_FICHIER_MAX + 1, 'x'));
    const std::pair<fs::path, EtatLecture> cas[] = {
        {dossier, EtatLecture::introuvable},          {dossier / "absent.txt", EtatLecture::introuvable},
        {fs::path("/dev/zero"), EtatLecture::introuvable}, {memoire, EtatLecture::illisible},
        {f, EtatLecture::trop_grand},
    };
    for (const auto &[chemin, etat] : cas) {
        LecteurLignes l(chemin);
        EXPECT_EQ(l.etat(), etat) << chemin;
        EXPECT_FALSE(l.ouvert());
        EXPECT_TRUE(l.fin());
        EXPECT_NE(l.message().find(texte_de(chemin)), std::string::npos) << l.message();
    }
}

// Windows-1252 unless the bytes are valid UTF-8 with a mark or with non-ASCII characters.
TEST_F(Fichiers, EncodagesLus)
{
    const struct {
        std::string octets, ligne;
        bool utf8;
    } cas[] = {
        {"d\xE9j\xE0\r\n", "déjà", false},
        {"\xEF\xBB\xBF" "déjà\r\n", "déjà", true},
        {"déjà √\r\n", "déjà √", true},
        {"\xEF\xBB\xBF" "abc", "abc", true},
        {"abc\n", "abc", false},
        {"\xC3\xA9\xE9", "Ã©é", false},   // not UTF-8 throughout
    };
    for (const auto &c : cas) {
        ecrit(c.octets);
        LecteurLignes l(f);
        EXPECT_EQ(l.lit(), c.ligne) << c.octets;
        EXPECT_EQ(l.en_utf8(), c.utf8) << c.octets;
        EXPECT_TRUE(l.fin());
    }
    ecrit("texte\r\nun\x01" "deux\r\n");
    EXPECT_EQ(LecteurLignes(f).ligne_binaire(), 2u);
}

TEST_F(Fichiers, EcritureRemplaceLaCibleSansRienLaisser)
{
    ecrit("ancien\r\n");
    // Names a fixed temporary scheme would use are left alone.
    for (const char *autre : {"f.txt.tmp", "xxx.ini"})
        std::ofstream(dossier / autre) << "autre";
    fs::permissions(f, fs::perms(0640));
    // The owner too, where the system lets the program give it (as root).
    const bool proprietaire = ::geteuid() == 0 && ::chown(f.c_str(), 1234, 1234) == 0;
    ASSERT_TRUE(ecrit_fichier_texte(f, {"é", "deux\r\nlignes\n"}));
    EXPECT_EQ(contenu(), "\xE9\r\ndeux  lignes \r\n");
    EXPECT_EQ(fs::status(f).permissions(), fs::perms(0640));
    struct stat apres {};
    ASSERT_EQ(::stat(f.c_str(), &apres), 0);
    if (proprietaire)
        EXPECT_EQ(apres.st_uid, 1234u);
    std::size_t fichiers = 0;
    for (const auto &entree : fs::directory_iterator(dossier))
        fichiers += entree.is_regular_file();
    EXPECT_EQ(fichiers, 3u);   // the target and the two others: no temporary file left

    // A temporary file a killed save left goes at the next save; one of a
    // save that may be under way stays.
    const fs::path abandonne = dossier / ".vivezezi-AbCd12", en_cours = dossier / ".vivezezi-EfGh34";
    std::ofstream(abandonne) << "moitié";
    std::ofstream(en_cours) << "en cours";
    fs::last_write_time(abandonne, fs::file_time_type::clock::now() - std::chrono::hours(2));
    ASSERT_TRUE(ecrit_fichier_texte(f, {"encore"}));
    EXPECT_FALSE(fs::exists(abandonne));
    EXPECT_TRUE(fs::exists(en_cours));
    fs::remove(en_cours);
    EXPECT_EQ(outils::contenu(dossier / "xxx.ini"), "autre");

    // Through a symbolic link the linked file is replaced and the link stays.
    const fs::path lien = dossier / "lien.txt";
    fs::create_symlink("f.txt", lien);
    ASSERT_TRUE(ecrit_fichier_texte(lien, {"par le lien"}));
    EXPECT_TRUE(fs::is_symlink(lien));
    EXPECT_EQ(contenu(), "par le lien\r\n");

    // The longest name the system allows.
    const fs::path long_nom = dossier / std::string(255, 'n');
    EXPECT_TRUE(ecrit_fichier_texte(long_nom, {"x"}));
    EXPECT_TRUE(fs::exists(long_nom));
}

TEST_F(Fichiers, EcritureRefuseeGardeLAncienFichier)
{
    ecrit("ancien\r\n");
    fs::permissions(f, fs::perms(0444));
    const fs::path plein = dossier / "plein";
    fs::create_directory(plein);
    const std::pair<fs::path, const char *> cas[] = {
        {f, "lecture seule"}, {plein, "pas un fichier"}, {dossier / "absent" / "x.txt", "n'existe pas"}};
    for (const auto &[cible, raison] : cas) {
        const Enregistrement r = ecrit_fichier_texte(cible, {"nouveau"});
        EXPECT_FALSE(r) << cible;
        EXPECT_NE(r.message.find(raison), std::string::npos) << r.message;
    }
    EXPECT_EQ(contenu(), "ancien\r\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(dossier), fs::directory_iterator()), 2);
}

TEST_F(Fichiers, CaracteresHorsDuCodageNommesPuisRemplacesSurDemande)
{
    ecrit("ancien\r\n");
    const Enregistrement refuse = ecrit_fichier_texte(f, {"Résoudre √2 ≤ x", "√ encore"});
    EXPECT_FALSE(refuse);
    EXPECT_EQ(refuse.hors_format, (std::vector<std::string>{"√", "≤"}));
    EXPECT_EQ(contenu(), "ancien\r\n");
    ASSERT_TRUE(ecrit_fichier_texte(f, {"Résoudre √2 ≤ x"}, HorsFormat::remplacer));
    EXPECT_EQ(contenu(), "R\xE9soudre ?2 ? x\r\n");
    EXPECT_EQ(caracteres_hors_windows_1252("a\xFF€?"), std::vector<std::string>{"\uFFFD"});
}

TEST(Encodage, MajusculesDesLettresAsciiSeulement)
{
    std::string t = "az é1";
    majuscules(t);
    EXPECT_EQ(t, "AZ é1");
}

} // namespace
