// An exercise file named on the command line, opened by the main window as
// the program does at start: loaded, then in pupil mode with values drawn.

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>

#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/travail/travail.h"
#include "core/configuration.h"
#include "core/partage.h"
#include "print/imprime.h"
#include "tests/outils/application_qt.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

// A teacher's exercise whose statement holds the letter "a", drawn from 1 to 9.
constexpr const char *EXERCICE = "R\xE9soudre l'\xE9quation.\r\na*x+1=5\r\n"
                                 "fonte:20\r\nfonte:20\r\nfonte:20\r\nfonte:20\r\n"
                                 "a:1,2,3,4,5,6,7,8,9,\r\n"
                                 "solution:4/a\r\ncomment:Bravo\r\nnote:0\r\n"
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

std::string texte_pdf(const fs::path &pdf)
{
    std::string texte;
    if (FILE *sortie = popen(("pdftotext '" + pdf.string() + "' -").c_str(), "r")) {
        for (int c = std::fgetc(sortie); c != EOF; c = std::fgetc(sortie))
            texte += static_cast<char>(c);
        pclose(sortie);
    }
    return texte;
}

// Started on an exercise, the program opens it for the pupil without the
// teacher's password; the way back to teacher mode asks for it, "FIN" asks
// before dropping the work, and "RESUME" gives the pupil's copy, never the
// expected answers.
TEST_F(Ouverture, LEleveTravailleSansOuvrirLesReponses)
{
    fenetre_.reset();
    TForm1 f;
    partage.mot_de_passe = "SECRET";   // the window read the configuration's
    TForm6 passe;
    TForm7 question;
    TImprime imprime;
    FenetresSecondaires fenetres;
    fenetres.form6 = &passe;
    fenetres.form7 = &question;
    fenetres.imprime = &imprime;
    f.attache(fenetres);
    f.travail().exercice_au_demarrage = true;
    f.show();
    f.ouvre_exercice(QString::fromStdString((dossier_ / "exo.alg").string()));
    EXPECT_FALSE(passe.isVisible());
    EXPECT_TRUE(partage.mode_eleve);
    EXPECT_TRUE(f.isEnabled());
    for (const char *bouton : {"SpeedButton4", "SpeedButton5", "SpeedButton6"})
        EXPECT_FALSE(f.controle(QString::fromLatin1(bouton))->isVisible()) << bouton;

    // "PROF": a wrong password is said and the pupil stays a pupil.
    static_cast<QPushButton *>(f.controle(QStringLiteral("SpeedButton9")))->click();
    ASSERT_TRUE(passe.isVisible());
    QTest::keyClicks(&passe.boite(), QStringLiteral("faux"));
    QTest::keyClick(&passe.boite(), Qt::Key_Return);
    EXPECT_EQ(passe.message(), QStringLiteral("Mot de passe incorrect."));
    passe.Annuler();
    EXPECT_TRUE(partage.mode_eleve);
    EXPECT_TRUE(f.isEnabled());

    // "FIN": the question first; "NON" keeps the work.
    const std::string enonce = partage.expression_base;
    f.travail().clic_panneau("Panel11");
    f.affiche("1");
    ASSERT_EQ(partage.etape, 2);
    static_cast<QPushButton *>(f.controle(QStringLiteral("SpeedButton3")))->click();
    ASSERT_TRUE(question.isVisible());
    f.reponse_question(false);
    EXPECT_EQ(partage.etape, 2);

    // The copy holds the step and the mark, printed to a PDF file.
    f.clic_bouton(BoutonCadre::resume);
    const fs::path pdf = dossier_ / "copie.pdf";
    ASSERT_TRUE(imprime.imprime_pdf(QString::fromStdString(pdf.string())));
    const std::string texte = texte_pdf(pdf);
    for (const char *attendu : {"COPIE DE L'ELEVE", "Exercice : exo", "Etape 2", "NOTE : 20/20"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
    EXPECT_EQ(texte.find("ANALYSE DE REPONSES"), std::string::npos) << texte;
    EXPECT_EQ(imprime.pages_imprimees(), 1);
    imprime.Image2Click();

    // "OUI" starts again from the exercise's statement; the right password opens teacher mode.
    static_cast<QPushButton *>(f.controle(QStringLiteral("SpeedButton3")))->click();
    f.reponse_question(true);
    EXPECT_EQ(partage.etape, 1);
    EXPECT_EQ(f.travail().etapes[1], enonce);
    static_cast<QPushButton *>(f.controle(QStringLiteral("SpeedButton9")))->click();
    QTest::keyClicks(&passe.boite(), QStringLiteral("secret"));
    QTest::keyClick(&passe.boite(), Qt::Key_Return);
    EXPECT_FALSE(passe.isVisible());
    EXPECT_FALSE(partage.mode_eleve);
    EXPECT_TRUE(f.controle(QStringLiteral("SpeedButton5"))->isVisible());
}

TEST_F(Ouverture, UnDemarrageSansExerciceOuSurUnFichierIlisibleGardeLaPorte)
{
    for (const bool exercice : {false, true}) {
        fenetre_.reset();
        TForm1 f;
        TForm6 passe;
        FenetresSecondaires fenetres;
        fenetres.form6 = &passe;
        f.attache(fenetres);
        f.travail().exercice_au_demarrage = exercice;
        f.show();
        if (exercice)
            f.ouvre_exercice(QString::fromStdString((dossier_ / "absent.alg").string()));
        EXPECT_TRUE(passe.isVisible()) << exercice;
        EXPECT_FALSE(f.isEnabled()) << exercice;
        // Turned away, the person goes on as a pupil.
        passe.Annuler();
        EXPECT_TRUE(partage.mode_eleve) << exercice;
        EXPECT_TRUE(f.isEnabled()) << exercice;
    }
}

// A long work is printed on A4 pages, as many as it needs.
TEST_F(Ouverture, LaCopieVaSurPlusieursPages)
{
    TImprime imprime;
    FenetresSecondaires fenetres;
    fenetres.imprime = &imprime;
    fenetre_->attache(fenetres);
    fenetre_->ouvre_exercice(QString::fromStdString((dossier_ / "exo.alg").string()));
    for (int i = 0; i < 18; ++i) {
        fenetre_->travail().clic_panneau("Panel10");
        fenetre_->affiche("1");
    }
    ASSERT_EQ(partage.etape, 19);
    fenetre_->clic_bouton(BoutonCadre::resume);
    const fs::path pdf = dossier_ / "longue.pdf";
    ASSERT_TRUE(imprime.imprime_pdf(QString::fromStdString(pdf.string())));
    EXPECT_GE(imprime.pages_imprimees(), 2);
    const std::string texte = texte_pdf(pdf);
    for (int i = 2; i <= 19; ++i)
        EXPECT_NE(texte.find("Etape " + std::to_string(i) + " :"), std::string::npos) << i;
    EXPECT_NE(texte.find("NOTE : 20/20"), std::string::npos) << texte;
}

} // namespace
