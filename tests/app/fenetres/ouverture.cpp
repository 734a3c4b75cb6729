// An exercise file named on the command line, opened by the main window as
// the program does at start: loaded, then in pupil mode with values drawn.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include "app/fenetres/fenetre_principale.h"
#include "core/configuration.h"
#include "core/partage.h"
#include "tests/outils/application_qt.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

// A teacher's exercise whose statement holds the letter "a", drawn from 1 to 9.
constexpr const char *EXERCICE = "R\xE9soudre l'\xE9quation.\r\na*x+1=5\r\n"
                                 "fonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n"
                                 "a:1,2,3,4,5,6,7,8,9,\r\n"
                                 "options\r\nREDUIRE:VRAI\r\nFRACTIONS:VRAI\r\nRACINES:VRAI\r\nKALKUL:VRAI\r\n"
                                 "SIMPLIF:VRAI\r\nFACTORIZ:VRAI\r\nDEVELOPPE:VRAI\r\nfinoptions\r\n"
                                 "aide\r\nfinaide\r\n"
                                 "ens_def\r\n-inf\r\nVRAI\r\ninf\r\nVRAI\r\n\r\nVRAI\r\n\r\nVRAI\r\nfinens_def\r\n";

class Ouverture : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        outils::copie_configuration(dossier_);
        fixe_dossier_programme(dossier_);
        std::ofstream(dossier_ / "exo.alg", std::ios::binary) << EXERCICE;
        fenetre_ = std::make_unique<TForm1>();
        fenetre_->show();
    }
    void TearDown() override { fenetre_.reset(); }

    std::string etape_1() const
    {
        return fenetre_->controle(QStringLiteral("MthX1"))->property("Text").toString().toStdString();
    }

    outils::DossierTemporaire temporaire_{"vivezezi-ouverture"};
    fs::path dossier_ = temporaire_.chemin();
    std::unique_ptr<TForm1> fenetre_;
};

TEST_F(Ouverture, LExerciceSOuvreEnModeEleveAvecSesValeursTirees)
{
    const QString chemin = QString::fromStdString((dossier_ / "exo.alg").string());
    fenetre_->ouvre_exercice(chemin);
    EXPECT_TRUE(partage.mode_eleve);
    EXPECT_EQ(partage.fichier_exercice, chemin.toStdString());
    const std::string enonce = etape_1();
    EXPECT_EQ(enonce.find('a'), std::string::npos) << enonce;
    EXPECT_NE(enonce.find("x+1=5"), std::string::npos) << enonce;
    EXPECT_EQ(fenetre_->windowTitle(), QStringLiteral("Vivezezi - exo.alg"));
    EXPECT_TRUE(fenetre_->dernier_message().isEmpty());
}

// Nothing of a file that cannot be read, or is no exercise, reaches the pupil.
TEST_F(Ouverture, UnFichierIlisibleLeDitEtLaisseUnTravailVide)
{
    fs::create_symlink("/proc/self/mem", dossier_ / "memoire.alg");
    std::ofstream(dossier_ / "binaire.alg", std::ios::binary) << std::string("\x7F" "ELF\x02\x01\0\0\r\n", 10) << EXERCICE;
    const std::pair<const char *, std::string> cas[] = {
        {"absent.alg", "est introuvable."},
        {"memoire.alg", "n'a pas pu être lu : erreur de lecture"},
        {"binaire.alg", "Ce fichier n'est pas un exercice : la ligne 1 contient des caractères de contrôle"},
    };
    for (const auto &[nom, message] : cas) {
        fenetre_->ouvre_exercice(QString::fromStdString((dossier_ / nom).string()));
        EXPECT_NE(fenetre_->dernier_message().toStdString().find(message), std::string::npos)
            << fenetre_->dernier_message().toStdString();
        EXPECT_FALSE(partage.mode_eleve);
        EXPECT_EQ(etape_1(), "");
        EXPECT_EQ(fenetre_->windowTitle(), QStringLiteral("Vivezezi"));
    }
}

} // namespace
