// The main window driven offscreen as a pupil would: typing in the input box,
// clicking the panels by their names, the lit frame buttons and both layouts.

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <string>

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QEnterEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QLabel>
#include <QPlainTextEdit>
#include <QTest>

#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/principale_disposition.h"
#include "app/fenetres/principale_panneaux.h"
#include "app/travail/travail.h"
#include "exercise/fenetres/parametres.h"
#include "core/configuration.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

class FenetrePrincipale : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        if (!QApplication::instance()) {
            static int argc = 1;
            static char nom[] = "test_fenetre_principale";
            static char *argv[] = {nom, nullptr};
            new QApplication(argc, argv);
        }
    }

    void SetUp() override
    {
        remet_a_zero_complet();
        outils::copie_configuration(dossier_);
        fixe_dossier_programme(dossier_);
    }

    static QWidget *controle(const TForm1 &f, const char *nom)
    {
        QWidget *w = f.controle(QString::fromLatin1(nom));
        EXPECT_NE(w, nullptr) << nom;
        return w;
    }
    static std::string texte(const TForm1 &f, const char *boite)
    {
        return controle(f, boite)->property("Text").toString().toStdString();
    }
    // Each character as a key press carrying its text, as a keyboard sends it.
    static void tape(const TForm1 &f, const QString &touches)
    {
        QWidget *boite = controle(f, "MthX1");
        for (const QChar c : touches) {
            QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
            QApplication::sendEvent(boite, &appui);
        }
    }
    static void clique(const TForm1 &f, const char *panneau)
    {
        QTest::mouseClick(controle(f, panneau), Qt::LeftButton);
    }
    static void choisit_partie(const TForm1 &f, int index)
    {
        emit static_cast<QComboBox *>(controle(f, "ComboBox1"))->activated(index);
    }

    outils::DossierTemporaire temporaire_{"vivezezi-fenetre"};
    fs::path dossier_ = temporaire_.chemin();
};

// ---------------------------------------------------------------- layouts

TEST(Disposition, LaLargeurDeLEcranChoisitLaDisposition)
{
    struct Cas {
        int largeur;
        QSize client;
        Decalages decalages;
        QPoint panel22, panel9, sortir, effacer;
        int gauche_fin;
    };
    const Cas cas[] = {
        {640, {640, 480}, {}, {8, 97}, {224, 183}, {28, 412}, {450, 446}, 213},
        {800, {760, 560}, {30, 53, 10, 15, 30, 70, 80}, {30, 150}, {304, 233}, {58, 482}, {450, 526}, 574},
        {1024, {760, 560}, {30, 53, 10, 15, 30, 70, 80}, {30, 150}, {304, 233}, {58, 482}, {450, 526}, 574},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(c.largeur);
        const Disposition d = disposition_pour(c.largeur);
        EXPECT_EQ(d.client, c.client);
        const Decalages &o = d.decalages;
        EXPECT_EQ(std::tie(o.dx_fenetre, o.dy_fenetre, o.dx_haut, o.dy_haut, o.dx_bas, o.dy_bas, o.dy_effacer),
                  std::tie(c.decalages.dx_fenetre, c.decalages.dy_fenetre, c.decalages.dx_haut,
                           c.decalages.dy_haut, c.decalages.dx_bas, c.decalages.dy_bas, c.decalages.dy_effacer));
        EXPECT_EQ(d.panel22, c.panel22);
        EXPECT_EQ(d.panel9, c.panel9);
        EXPECT_EQ(d.bouton(BoutonCadre::sortir), c.sortir);
        EXPECT_EQ(d.bouton(BoutonCadre::effacer), c.effacer);
        EXPECT_EQ(d.gauche_fin, c.gauche_fin);
    }
}

TEST(Disposition, RectanglesDesBoutonsEclaires)
{
    const Decalages petite{}, grande = disposition_pour(1024).decalages;
    struct Cas {
        int x, y;
        bool grand;
        bool chargement;
        BoutonCadre attendu;
    };
    const Cas cas[] = {
        {59, 483, true, true, BoutonCadre::sortir},
        {89, 526, true, true, BoutonCadre::sortir},
        {58, 500, true, true, BoutonCadre::aucun},     // bounds excluded
        {90, 500, true, true, BoutonCadre::aucun},
        {59, 482, true, true, BoutonCadre::aucun},
        {59, 527, true, true, BoutonCadre::aucun},
        {29, 413, false, true, BoutonCadre::sortir},
        {80, 430, false, true, BoutonCadre::site},
        {120, 430, false, true, BoutonCadre::resume},
        {180, 430, false, true, BoutonCadre::recommencer},
        {451, 450, false, true, BoutonCadre::effacer},
        {512, 450, false, true, BoutonCadre::effacer},  // 512 belongs to it
        {450, 450, false, true, BoutonCadre::aucun},
        {513, 450, false, true, BoutonCadre::aucun},
        {512, 530, true, true, BoutonCadre::effacer},   // its columns do not move
        {40, 40, false, true, BoutonCadre::visualiser},
        {40, 80, false, true, BoutonCadre::aide},
        {70, 40, false, true, BoutonCadre::domaine},
        {70, 80, false, true, BoutonCadre::charger},
        {70, 80, false, false, BoutonCadre::aucun},     // loading refused
        {80, 95, true, true, BoutonCadre::charger},
        {300, 300, false, true, BoutonCadre::aucun},
    };
    for (const Cas &c : cas) {
        SCOPED_TRACE(testing::Message() << c.x << "," << c.y << (c.grand ? " grande" : " petite"));
        EXPECT_EQ(bouton_eclaire(c.x, c.y, c.grand ? grande : petite, c.chargement), c.attendu);
    }
}

TEST_F(FenetrePrincipale, RecaleDonneLaTailleLesPlacesEtLesDecalages)
{
    TForm1 f;
    f.recale(640);
    EXPECT_EQ(f.size(), QSize(640, 480));
    EXPECT_EQ(controle(f, "Panel22")->pos(), QPoint(8, 97));
    EXPECT_EQ(controle(f, "SpeedButton3")->pos(), QPoint(213, 440));
    EXPECT_EQ(partage.dy_bas, 0);
    f.recale(1024);
    EXPECT_EQ(f.size(), QSize(760, 560));
    EXPECT_EQ(controle(f, "Panel22")->pos(), QPoint(30, 150));
    EXPECT_EQ(controle(f, "Panel18")->geometry(), QRect(425, 34, 220, 82));
    EXPECT_EQ(controle(f, "SpeedButton9")->pos(), QPoint(626, 520));
    EXPECT_EQ(partage.largeur_ecran, 1024);
    EXPECT_EQ(std::tie(partage.dx_fenetre, partage.dy_fenetre, partage.dy_effacer), std::make_tuple(30, 53, 80));
}

TEST_F(FenetrePrincipale, LaSourisAllumeLeBoutonSousElle)
{
    TForm1 f;
    f.recale(1024);
    f.show();
    f.survol({70, 60});
    EXPECT_EQ(f.bouton_allume(), BoutonCadre::domaine);
    f.survol({70, 100});
    EXPECT_EQ(f.bouton_allume(), BoutonCadre::charger);
    f.survol({300, 300});
    EXPECT_EQ(f.bouton_allume(), BoutonCadre::aucun);
    // Leaving a lit button straight onto a control puts it out too.
    f.survol({70, 60});
    QEnterEvent entree(QPointF(2, 2), QPointF(2, 2), QPointF(2, 2));
    QApplication::sendEvent(controle(f, "Panel10"), &entree);
    EXPECT_EQ(f.bouton_allume(), BoutonCadre::aucun);
    EXPECT_STREQ(indication(BoutonCadre::domaine), "ENSEMBLE DE DEFINITION");
}

TEST_F(FenetrePrincipale, UnTexteEnArgumentInterditLeChargement)
{
    TForm1 f("x+1");
    f.recale(640);
    f.show();
    EXPECT_EQ(texte(f, "MthX1"), "x+1");
    EXPECT_EQ(f.travail().etapes[1], "x+1");
    f.survol({70, 80});
    EXPECT_EQ(f.bouton_allume(), BoutonCadre::aucun);
}

// ---------------------------------------------------------------- typing

TEST_F(FenetrePrincipale, LaFrappeSuitLesReglesDuClavier)
{
    TForm1 f;
    f.show();
    tape(f, QStringLiteral("2x(x+1"));
    EXPECT_EQ(texte(f, "MthX1"), "2x*(x+1");
    EXPECT_EQ(f.travail().etapes[1], "2x*(x+1");
    QWidget *boite = controle(f, "MthX1");
    QTest::keyClick(boite, Qt::Key_Home);   // the vector key of the box's rules
    tape(f, QStringLiteral("²"));
    EXPECT_NE(texte(f, "MthX1").find("^2"), std::string::npos);
}

TEST_F(FenetrePrincipale, LesPanneauxSuiventLEnonceTape)
{
    TForm1 f;
    f.show();
    tape(f, QStringLiteral("2*(x+1)=4"));
    EXPECT_EQ(partage.nature_expression, 1);
    const PanneauAction &p5 = f.panneau(PANEL5);
    EXPECT_EQ(p5.text().toStdString(), f.travail().menus[PANEL5].libelle);
    EXPECT_EQ(p5.actif(), f.travail().menus[PANEL5].actif);
    auto *parties = static_cast<QComboBox *>(controle(f, "ComboBox1"));
    ASSERT_EQ(parties->count(), 3);
    EXPECT_EQ(parties->itemText(0).toStdString(), " 2*(x+1)");
    EXPECT_EQ(parties->currentIndex(), 2);
}

// The options chosen in "Paramètres" hold as soon as its "OK" closes it.
TEST_F(FenetrePrincipale, LesPanneauxSuiventLesParametres)
{
    TForm1 f;
    TForm3 parametres;
    FenetresSecondaires fenetres;
    fenetres.form3 = &parametres;
    f.attache(fenetres);
    f.show();
    tape(f, QStringLiteral("x^2-4"));
    ASSERT_TRUE(f.panneau(PANEL6).actif());
    parametres.show();
    parametres.CheckBox(5)->setChecked(false);   // Menu "factoriser" actif
    parametres.SpeedButton1Click();
    EXPECT_FALSE(f.panneau(PANEL6).actif());
    EXPECT_FALSE(f.travail().menus[PANEL6].actif);
}

TEST_F(FenetrePrincipale, LaRouteDeLEquationJusquASaSolution)
{
    TForm1 f;
    f.show();
    tape(f, QStringLiteral("2*(x+1)=4"));
    choisit_partie(f, 0);
    EXPECT_EQ(texte(f, "MthX3"), " 2*(x+1)");
    EXPECT_FALSE(controle(f, "Panel14")->isHidden());
    clique(f, "Panel5");
    clique(f, "Panel8");
    EXPECT_EQ(partage.etape, 1);
    EXPECT_EQ(texte(f, "MthX1"), "2*x+2=4");
    clique(f, "Panel11");
    f.affiche("2");
    clique(f, "Panel1");
    f.affiche("2");
    clique(f, "Panel5");
    const Travail &t = f.travail();
    EXPECT_EQ(t.etapes[2], "2*x=2");
    EXPECT_EQ(t.etapes[3], "x=1");
    EXPECT_EQ(t.etapes[4], "1");
    EXPECT_EQ(texte(f, "MthX2"), "1");
    EXPECT_EQ(static_cast<QLabel *>(controle(f, "Label2"))->text().toStdString(), "La solution est : ");
    EXPECT_EQ(static_cast<QLabel *>(controle(f, "Panel16"))->text(), QStringLiteral("4"));
    EXPECT_EQ(texte(f, "MthX4"), "x=1");

    // Erasing the last step brings the previous one back to the bottom.
    f.clic_bouton(BoutonCadre::effacer);
    EXPECT_EQ(partage.etape, 3);
}

TEST_F(FenetrePrincipale, UnSystemeParSubstitution)
{
    TForm1 f;
    f.show();
    f.travail().MthX1Change("{x+y=3\r\nx-y=1}");
    choisit_partie(f, 0);
    clique(f, "Panel11");
    f.affiche("x");
    EXPECT_EQ(partage.etape, 3);
    EXPECT_FALSE(texte(f, "MthX4").empty());
}

TEST_F(FenetrePrincipale, UneSaisieAbsurdeNeBloquePasLaFenetre)
{
    TForm1 f;
    f.show();
    std::mt19937 hasard(7);
    std::uniform_int_distribution<int> caractere(32, 126);
    QString bazar;
    for (int i = 0; i < 2000; ++i)
        bazar += QChar(caractere(hasard));
    const QString essais[] = {bazar, QString(300, QLatin1Char('(')), QStringLiteral("((x+1)*(2-x)=)))/^^"),
                              QStringLiteral("{x+y=\r\n")};
    for (const QString &essai : essais) {
        f.travail().MthX1Change(essai.toStdString());
        f.travail().MthX1Change({});
        tape(f, essai.left(400));
        for (int p = 0; p < NB_PANNEAUX; ++p) {
            if (f.panneau(Panneau(p)).actif())
                clique(f, nom_panneau(Panneau(p)));
            f.annule_argument();
        }
        EXPECT_GE(partage.etape, 1);
        EXPECT_LE(partage.etape, ETAPES_MAX);
    }
}

// ---------------------------------------------------------------- frame buttons and leaving

TEST_F(FenetrePrincipale, LeSiteNOuvreQueDesAdressesWeb)
{
    TForm1 f;
    for (const char *adresse : {"", "file:///etc/passwd", "javascript:alert(1)", "notepad.exe"}) {
        SCOPED_TRACE(adresse);
        std::ofstream(dossier_ / "Vivezezi.ini", std::ios::binary) << "[WEB]\r\nADRESSE=" << adresse << "\r\n";
        f.clic_bouton(BoutonCadre::site);
        EXPECT_FALSE(f.dernier_message().isEmpty());
    }
}

TEST_F(FenetrePrincipale, SortirApresUnChangementPoseLaQuestion)
{
    TForm1 f;
    TForm7 question;
    FenetresSecondaires fenetres;
    fenetres.form7 = &question;
    f.attache(fenetres);
    f.show();
    f.clic_bouton(BoutonCadre::recommencer);
    EXPECT_TRUE(partage.exercice_modifie);
    f.clic_bouton(BoutonCadre::sortir);
    EXPECT_TRUE(question.isVisible());
    EXPECT_FALSE(f.isEnabled());
    f.reponse_question(false);
    EXPECT_FALSE(f.isVisible());
}

TEST_F(FenetrePrincipale, SortirNeFermeQueSiLExerciceEstSauve)
{
    // A cancelled dialog or a save the system refuses keeps the window and
    // the work; a long path is written whole, under its own name.
    const fs::path long_chemin = dossier_ / std::string(120, 'd') / std::string(120, 'e') / "exercice.alg";
    fs::create_directories(long_chemin.parent_path());
    const struct {
        QString nom;
        bool ferme, message;
    } cas[] = {
        {QString(), false, false},
        {QString::fromStdString((dossier_ / "absent" / "ex.alg").string()), false, true},
        {QString::fromStdString((dossier_ / (std::string(300, 'n') + ".alg")).string()), false, true},
        {QString::fromStdString(long_chemin.string()), true, false},
    };
    for (const auto &c : cas) {
        SCOPED_TRACE(c.nom.toStdString());
        TForm1 f;
        TForm7 question;
        FenetresSecondaires fenetres;
        fenetres.form7 = &question;
        f.attache(fenetres);
        f.setChoixSauvegarde([&c](QWidget *, const QString &) { return c.nom; });
        f.show();
        f.clic_bouton(BoutonCadre::recommencer);
        f.clic_bouton(BoutonCadre::sortir);
        f.reponse_question(true);
        EXPECT_EQ(f.isVisible(), !c.ferme);
        EXPECT_EQ(f.dernier_message().startsWith(QStringLiteral("Impossible d'enregistrer")), c.message);
        EXPECT_EQ(partage.exercice_modifie, !c.ferme);
        for (QWidget *w : QApplication::topLevelWidgets())
            if (w->inherits("QMessageBox"))
                w->close();
    }
    EXPECT_TRUE(fs::exists(long_chemin));
}

// Characters the file cannot hold are named, and replaced only when the teacher agrees.
TEST_F(FenetrePrincipale, SauverDemandeAvantDeRemplacerDesCaracteres)
{
    const fs::path chemin = dossier_ / "racine.alg";
    TForm1 f;
    f.setChoixSauvegarde([&chemin](QWidget *, const QString &) { return QString::fromStdString(chemin.string()); });
    f.show();
    f.travail().MthX1Change("x^2=2");
    f.travail().SpeedButton7Click("Résoudre √2 ≤ x");
    for (const bool oui : {false, true}) {
        QString posee;
        f.setQuestion([&](QWidget *, const QString &question) {
            posee = question;
            return oui;
        });
        f.save_as(false);
        EXPECT_TRUE(posee.contains(QStringLiteral("√ ≤"))) << posee.toStdString();
        EXPECT_EQ(fs::exists(chemin), oui);
    }
    EXPECT_TRUE(outils::contenu(chemin).starts_with("R\xE9soudre ?2 ? x\r\n"));
}

TEST_F(FenetrePrincipale, LesFlechesChangentLaTailleDeLaBoite)
{
    TForm1 f;
    f.show();
    tape(f, QStringLiteral("x+1"));
    const int avant = f.travail().boites[MTHX1].taille;
    QTest::mouseClick(controle(f, "Panel23"), Qt::LeftButton, {}, QPoint(10, 15));
    EXPECT_EQ(f.travail().boites[MTHX1].taille, avant + 1);
    EXPECT_EQ(controle(f, "MthX1")->property("FontHeight").toInt(), avant + 1);
}

// ---------------------------------------------------------------- buttons of the work

TEST_F(FenetrePrincipale, LesBoutonsDuBasEtLesModeles)
{
    TForm1 f;
    f.show();
    tape(f, QStringLiteral("x"));
    QTest::mouseClick(controle(f, "Panel21"), Qt::LeftButton, {}, QPoint(20, 20));
    EXPECT_EQ(texte(f, "MthX1"), "x<=");

    // The statement editor takes the keyboard and writes the statement shown above the work.
    QTest::mouseClick(controle(f, "SpeedButton1"), Qt::LeftButton);
    ASSERT_TRUE(controle(f, "Panel24")->isVisible());
    ASSERT_EQ(f.focusWidget(), controle(f, "Memo1"));
    static_cast<QPlainTextEdit *>(controle(f, "Memo1"))->clear();
    for (const QChar c : QStringLiteral("Résoudre.")) {
        QKeyEvent appui(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QApplication::sendEvent(f.focusWidget(), &appui);
    }
    EXPECT_EQ(texte(f, "MthX1"), "x<=");
    QTest::mouseClick(controle(f, "SpeedButton7"), Qt::LeftButton);
    EXPECT_FALSE(controle(f, "Panel24")->isVisible());
    EXPECT_EQ(static_cast<QLabel *>(controle(f, "Panel18"))->text(), QStringLiteral("Résoudre."));
    EXPECT_TRUE(partage.exercice_modifie);
}

TEST_F(FenetrePrincipale, LeChangementDeModeChangeLesLibelles)
{
    TForm1 f;
    TForm6 passe;
    FenetresSecondaires fenetres;
    fenetres.form6 = &passe;
    f.attache(fenetres);
    f.show();
    QTest::keyClick(&passe.boite(), Qt::Key_Return);   // the start-up password, empty here
    tape(f, QStringLiteral("2*x+1=5"));
    auto libelle = [&](const char *nom) { return controle(f, nom)->property("text").toString(); };
    QTest::mouseClick(controle(f, "SpeedButton9"), Qt::LeftButton);
    EXPECT_EQ(libelle("SpeedButton9"), QStringLiteral("PROF"));
    EXPECT_EQ(libelle("SpeedButton1"), QStringLiteral("REPONSE"));
    EXPECT_EQ(libelle("Label1"), QStringLiteral("Mode élève"));
    // Back to teacher mode through the password only.
    QTest::mouseClick(controle(f, "SpeedButton9"), Qt::LeftButton);
    EXPECT_EQ(libelle("SpeedButton9"), QStringLiteral("PROF"));
    ASSERT_TRUE(passe.isVisible());
    QTest::keyClick(&passe.boite(), Qt::Key_Return);
    EXPECT_EQ(libelle("SpeedButton9"), QStringLiteral("ELEVE"));
    EXPECT_EQ(libelle("Label1"), QStringLiteral("Mode prof"));
    EXPECT_EQ(texte(f, "MthX1"), "2*x+1=5");
}

} // namespace
