#include <gtest/gtest.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <QApplication>
#include <QCheckBox>
#include <QDir>
#include <QHeaderView>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTableWidget>
#include <QTest>

#include "app/fenetres/fenetre_argument.h"
#include "app/travail/travail.h"
#include "core/configuration.h"
#include "core/partage.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "exercise/grilles.h"
#include "formula/widget/mthx.h"
#include "tests/outils/application_qt.h"
#include "tests/outils/dossiers.h"

namespace fs = std::filesystem;

namespace {

std::string texte(const QTableWidget &t, int ligne, int colonne)
{
    const QTableWidgetItem *item = t.item(ligne, colonne);
    return item ? item->text().toStdString() : std::string();
}

void ecrit(QTableWidget &t, int ligne, int colonne, const char *valeur)
{
    t.item(ligne, colonne)->setText(QString::fromUtf8(valeur));
}

void clique(QWidget &fenetre, const char *bouton)
{
    auto *b = fenetre.findChild<QPushButton *>(QString::fromLatin1(bouton));
    ASSERT_NE(b, nullptr) << bouton;
    QTest::mouseClick(b, Qt::LeftButton);
}

// ---------------------------------------------------------------- teacher's tables

class FenetreProfesseur : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        form5.setPrincipale(&principale);
        form5.setListeAides(&liste_aides);
        form5.setRetour([this](bool ok) { retours.push_back(ok); });
    }

    QWidget principale;
    TForm5 form5;
    std::vector<std::string> liste_aides;
    std::vector<bool> retours;
};

TEST_F(FenetreProfesseur, AidesMontreesModifieesEtGardees)
{
    partage.aides[1] = "Il faut développer.";
    partage.penalites_aides[1] = 2;
    partage.aides[2] = "La solution est : [2*a]";
    partage.penalites_aides[2] = 4;
    liste_aides = {"AIDE 1", "Solution ", "AIDE(S)"};
    form5.montre(grille_aides);
    QTableWidget &t = *form5.StringGrid1();
    ASSERT_TRUE(form5.isVisible());
    EXPECT_FALSE(principale.isEnabled());
    EXPECT_TRUE(t.isVisible());
    EXPECT_FALSE(form5.StringGrid2()->isVisible());
    EXPECT_TRUE(form5.SpeedButton3()->isVisible());
    EXPECT_TRUE(form5.SpeedButton4()->isVisible());
    EXPECT_EQ(t.rowCount(), 27);
    EXPECT_EQ(t.columnCount(), 3);
    EXPECT_EQ(t.horizontalHeaderItem(1)->text(), QStringLiteral("TEXTE DE l'AIDE"));
    EXPECT_EQ(t.verticalHeaderItem(1)->text(), QStringLiteral("2"));
    EXPECT_EQ(t.columnWidth(1), 355);
    EXPECT_EQ(texte(t, 0, 0), "AIDE 1");
    EXPECT_EQ(texte(t, 1, 1), "La solution est : [2*a]");
    EXPECT_EQ(texte(t, 1, 2), "-4");

    // A note typed 5; a new help in the third row.
    ecrit(t, 0, 2, "5");
    ecrit(t, 2, 0, "AIDE 2");
    ecrit(t, 2, 1, "Réduire.");
    ecrit(t, 2, 2, "-1");
    clique(form5, "SpeedButton1");
    EXPECT_FALSE(form5.isVisible());
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(retours, std::vector<bool>{true});
    EXPECT_EQ(liste_aides, (std::vector<std::string>{"AIDE 1", "Solution ", "AIDE 2", "AIDE(S)"}));
    EXPECT_EQ(partage.penalites_aides[1], 5);
    EXPECT_EQ(partage.aides[3], "Réduire.");
    EXPECT_EQ(partage.mode_grille, 0);
    EXPECT_TRUE(partage.exercice_modifie);

    // Shown again: the note typed 5 reads -5.
    form5.montre(grille_aides);
    EXPECT_EQ(texte(t, 0, 2), "-5");
    EXPECT_EQ(texte(t, 2, 1), "Réduire.");
}

TEST_F(FenetreProfesseur, CelluleTapeeValideeParOk)
{
    partage.aides[1] = "Il faut développer.";
    liste_aides = {"AIDE 1", "AIDE(S)"};
    form5.montre(grille_aides);
    QTableWidget &t = *form5.StringGrid1();
    t.setCurrentCell(0, 2);
    t.editItem(t.item(0, 2));
    auto *editeur = t.viewport()->findChild<QLineEdit *>();
    ASSERT_NE(editeur, nullptr);
    editeur->clear();
    QTest::keyClicks(editeur, "-7");
    // The buttons never take the focus: "OK" must take the cell being typed.
    clique(form5, "SpeedButton1");
    EXPECT_EQ(partage.penalites_aides[1], 7);
}

TEST_F(FenetreProfesseur, SupprimerEtInserer)
{
    for (int i = 1; i <= 3; ++i) {
        partage.aides[static_cast<std::size_t>(i)] = "texte " + std::to_string(i);
        liste_aides.push_back("AIDE " + std::to_string(i));
    }
    liste_aides.emplace_back("AIDE(S)");
    form5.montre(grille_aides);
    QTableWidget &t = *form5.StringGrid1();

    t.setCurrentCell(0, 1);
    clique(form5, "SpeedButton3");
    EXPECT_EQ(texte(t, 0, 1), "texte 2");
    EXPECT_EQ(texte(t, 1, 1), "texte 3");
    EXPECT_EQ(texte(t, 2, 1), "");
    EXPECT_EQ(t.rowCount(), 27);

    t.setCurrentCell(1, 1);
    clique(form5, "SpeedButton4");
    EXPECT_EQ(texte(t, 0, 1), "texte 2");
    EXPECT_EQ(texte(t, 1, 1), "");
    EXPECT_EQ(texte(t, 2, 1), "texte 3");

    // The empty row goes at "OK": two helps are left.
    clique(form5, "SpeedButton1");
    EXPECT_EQ(liste_aides, (std::vector<std::string>{"AIDE 2", "AIDE 3", "AIDE(S)"}));
    EXPECT_EQ(partage.aides[2], "texte 3");
    EXPECT_EQ(partage.aides[3], "");
}

TEST_F(FenetreProfesseur, AnnulerNeChangeRien)
{
    partage.liste_solutions.emplace_back("x*et*2", "0", "Bravo, la réponse est juste !");
    form5.montre(grille_reponses);
    QTableWidget &t = *form5.StringGrid1();
    ecrit(t, 0, 1, "autre");
    ecrit(t, 0, 2, "-3");
    clique(form5, "SpeedButton2");
    EXPECT_FALSE(form5.isVisible());
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(retours, std::vector<bool>{false});
    EXPECT_EQ(partage.mode_grille, 0);
    EXPECT_FALSE(partage.exercice_modifie);
    ASSERT_EQ(partage.liste_solutions.size(), 1u);
    EXPECT_EQ(partage.liste_solutions.front().commentaire, "Bravo, la réponse est juste !");
    EXPECT_EQ(partage.liste_solutions.front().penalite, 0);

    // Closing by the frame is a cancel too, and showing again starts afresh.
    form5.montre(grille_reponses);
    EXPECT_EQ(texte(t, 0, 1), "Bravo, la réponse est juste !");
    ecrit(t, 0, 1, "autre");
    form5.close();
    EXPECT_FALSE(form5.isVisible());
    EXPECT_EQ(partage.liste_solutions.front().commentaire, "Bravo, la réponse est juste !");
}

TEST_F(FenetreProfesseur, ReponseTapeeDansLaFenetreArgument)
{
    QWidget form2;
    form5.setArgument(&form2);
    partage.nature_exercice = 2;
    partage.liste_solutions.emplace_back("x*et*2", "0", "Bravo, la réponse est juste !");
    partage.liste_solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
    form5.montre(grille_reponses);
    QTableWidget &t = *form5.StringGrid1();
    EXPECT_EQ(texte(t, 0, 0), "x*et*2");
    EXPECT_EQ(t.verticalHeaderItem(0)->text(), QStringLiteral("0"));
    EXPECT_FALSE(t.item(0, 0)->flags() & Qt::ItemIsEditable);
    EXPECT_TRUE(t.item(0, 1)->flags() & Qt::ItemIsEditable);

    // A click on a comment does not open the argument window.
    form5.StringGrid1Click(2, 2);
    EXPECT_FALSE(form2.isVisible());

    QTest::mouseClick(t.viewport(), Qt::LeftButton, {}, t.visualItemRect(t.item(1, 0)).center());
    EXPECT_TRUE(form2.isVisible());
    EXPECT_FALSE(form5.isEnabled());
    EXPECT_TRUE(partage.saisie_depuis_prof);
    EXPECT_TRUE(partage.saisie_inequation);
    EXPECT_EQ(partage.texte_cellule, "");
    EXPECT_EQ(form2.pos(), form5.pos() + QPoint(195, 80));

    form2.hide();
    form5.ecrit_cellule("x<3");
    EXPECT_TRUE(form5.isEnabled());
    EXPECT_EQ(texte(t, 1, 0), "x<3");
    clique(form5, "SpeedButton1");
    ASSERT_EQ(partage.liste_solutions.size(), 2u);
    EXPECT_EQ(partage.liste_solutions.back().solution, "x<3");
    EXPECT_EQ(partage.liste_solutions.back().penalite, 10);
}

TEST_F(FenetreProfesseur, AvecLaFenetreArgumentDuProgramme)
{
    TForm2 form2;
    form2.setOuvreur(&principale);
    form2.setGrille(&form5);
    form2.setEcritCellule([this](const std::string &t) { form5.ecrit_cellule(t); });
    std::vector<std::string> affiches;
    form2.setAffiche([&affiches](const std::string &t) { affiches.push_back(t); });
    form5.setArgument(&form2);
    partage.liste_solutions.emplace_back("x*et*2", "0", "Bravo, la réponse est juste !");
    partage.liste_solutions.emplace_back("", "10", "Ce n'est pas la bonne réponse.");
    form5.montre(grille_reponses);

    form5.StringGrid1Click(1, 1);
    ASSERT_TRUE(form2.isVisible());
    EXPECT_FALSE(form5.isEnabled());
    EXPECT_EQ(form2.boite().texte(), "x*et*2");
    form2.boite().setTexte("x*et*3");
    form2.Terminer();
    EXPECT_FALSE(form2.isVisible());
    EXPECT_TRUE(form5.isEnabled());
    EXPECT_FALSE(principale.isEnabled());
    EXPECT_TRUE(affiches.empty());
    EXPECT_EQ(texte(*form5.StringGrid1(), 0, 0), "x*et*3");

    // Cancelled: the cell keeps its text.
    form5.StringGrid1Click(2, 1);
    form2.boite().setTexte("x*et*9");
    form2.annule();
    EXPECT_TRUE(form5.isEnabled());
    EXPECT_EQ(texte(*form5.StringGrid1(), 1, 0), "");
    clique(form5, "SpeedButton1");
    EXPECT_EQ(partage.liste_solutions.front().solution, "x*et*3");
    EXPECT_EQ(partage.liste_solutions.back().solution, "");
}

TEST_F(FenetreProfesseur, Variables)
{
    partage.lignes_parametres[1] = "a:1,2,3,4,5,6,7,8,9,";
    partage.lignes_parametres[2] = "b:-2,5,,";
    form5.montre(grille_variables);
    QTableWidget &t = *form5.StringGrid2();
    EXPECT_TRUE(t.isVisible());
    EXPECT_FALSE(form5.StringGrid1()->isVisible());
    EXPECT_FALSE(form5.SpeedButton3()->isVisible());
    EXPECT_FALSE(form5.SpeedButton4()->isVisible());
    EXPECT_EQ(t.columnCount(), 21);
    EXPECT_EQ(t.rowCount(), 19);
    EXPECT_EQ(texte(t, 0, 0), "a");
    EXPECT_EQ(texte(t, 0, 8), "8");
    EXPECT_EQ(texte(t, 0, 9), "");
    EXPECT_EQ(texte(t, 1, 2), "5");

    // A third variable with a single value is not stored.
    ecrit(t, 1, 3, "9");
    ecrit(t, 2, 0, "c");
    ecrit(t, 2, 1, "4");
    clique(form5, "SpeedButton1");
    EXPECT_EQ(partage.lignes_parametres[1], "a:1,2,3,4,5,6,7,8,,");
    EXPECT_EQ(partage.lignes_parametres[2], "b:-2,5,9,,");
    EXPECT_EQ(partage.lignes_parametres[3], "");
}

// The picture of a window, kept in the temporary folder to be looked at; it
// must show more than its background.
void verifie_rendu(QWidget &fenetre, const QString &nom)
{
    const QImage image = fenetre.grab().toImage();
    ASSERT_FALSE(image.isNull());
    image.save(QDir::temp().filePath(QStringLiteral("vivezezi_%1.png").arg(nom)));
    int differents = 0;
    const QRgb fond = image.pixel(3, image.height() / 2);
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            differents += image.pixel(x, y) != fond;
    EXPECT_GT(differents, 1000) << nom.toStdString();
}

TEST_F(FenetreProfesseur, Rendu)
{
    partage.aides[1] = "Il faut développer.";
    partage.penalites_aides[1] = 2;
    partage.aides[2] = "Il faut réduire et ordonner. (2 fois).";
    partage.penalites_aides[2] = 2;
    partage.aides[3] = "La solution est : [2*a-4]";
    partage.penalites_aides[3] = 4;
    liste_aides = {"AIDE 1", "AIDE 2", "Solution ", "AIDE(S)"};
    form5.montre(grille_aides);
    EXPECT_GE(form5.width(), 600);
    verifie_rendu(form5, QStringLiteral("grille_professeur"));

    partage.lignes_parametres[1] = "a:1,2,3,4,5,6,7,8,9,";
    partage.lignes_parametres[2] = "b:-2,5,,";
    form5.montre(grille_variables);
    verifie_rendu(form5, QStringLiteral("grille_variables"));
}

// ---------------------------------------------------------------- parameters

class FenetreParametres : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        outils::copie_configuration(dossier);
        fixe_dossier_programme(dossier);
        partage.dossier_frere = "C:\\KORV96";
        partage.mot_de_passe = "SECRET";
        form3.setPrincipale(&principale);
        form3.setRetour([this] { ++retours; });
        form3.show();
    }
    std::string ini() const { return outils::contenu(dossier / "Vivezezi.ini"); }

    outils::DossierTemporaire temporaire{"vivezezi-parametres"};
    fs::path dossier = temporaire.chemin();
    QWidget principale;
    TForm3 form3;
    int retours = 0;
};

TEST_F(FenetreParametres, CasesEtChamps)
{
    EXPECT_FALSE(principale.isEnabled());
    for (int i = 1; i <= 8; ++i)
        EXPECT_TRUE(form3.CheckBox(i)->isChecked());
    EXPECT_EQ(form3.Edit1()->text(), QStringLiteral("C:\\KORV96"));
    EXPECT_EQ(form3.Edit2()->text(), QStringLiteral("SECRET"));

    // Each box shows its own option.
    form3.hide();
    partage.option_kalkul = false;
    partage.option_racines = false;
    form3.show();
    EXPECT_FALSE(form3.CheckBox(7)->isChecked());
    EXPECT_FALSE(form3.CheckBox(3)->isChecked());
    EXPECT_TRUE(form3.CheckBox(4)->isChecked());
    verifie_rendu(form3, QStringLiteral("parametres"));
}

TEST_F(FenetreParametres, OkPourLExerciceSeulement)
{
    const std::string avant = ini();
    form3.CheckBox(1)->setChecked(false);
    form3.CheckBox(6)->setChecked(false);
    form3.Edit1()->setText(QStringLiteral("/ailleurs"));
    form3.Edit2()->setText(QStringLiteral("autre"));
    clique(form3, "SpeedButton1");
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_EQ(retours, 1);
    EXPECT_FALSE(partage.option_reduire);
    EXPECT_FALSE(partage.option_developpe);
    EXPECT_TRUE(partage.option_fractions);
    EXPECT_EQ(partage.dossier_frere, "C:\\KORV96");
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_EQ(ini(), avant);
}

// The panels the pupil may use belong to the exercise, as the options do.
TEST_F(FenetreParametres, PanneauxPermisALEleve)
{
    for (int k = 0; k < 12; ++k)
        EXPECT_TRUE(form3.CasePanneau(k)->isChecked()) << k;
    EXPECT_EQ(form3.CasePanneau(4)->text(), QStringLiteral("Développer / Solution(s)"));
    const std::string avant = ini();
    form3.CasePanneau(4)->setChecked(false);
    clique(form3, "SpeedButton1");
    PanneauxPermis attendu = TOUS_PERMIS;
    attendu[4] = false;
    EXPECT_EQ(partage.panneaux_permis, attendu);
    EXPECT_EQ(ini(), avant);
    form3.show();
    EXPECT_FALSE(form3.CasePanneau(4)->isChecked());
    form3.CasePanneau(4)->setChecked(true);
    clique(form3, "SpeedButton3");   // ANNULER takes nothing
    EXPECT_EQ(partage.panneaux_permis, attendu);
}

TEST_F(FenetreParametres, SauvegarderEcritLaConfiguration)
{
    form3.CheckBox(1)->setChecked(false);
    form3.CheckBox(7)->setChecked(false);
    form3.Edit1()->setText(QStringLiteral("/opt/geometrie"));
    form3.Edit2()->setText(QStringLiteral("secret2"));
    clique(form3, "SpeedButton2");
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_TRUE(form3.dernier_message().isEmpty());
    EXPECT_FALSE(partage.option_reduire);
    EXPECT_FALSE(partage.option_kalkul);
    EXPECT_EQ(partage.dossier_frere, "/opt/geometrie");
    EXPECT_EQ(partage.mot_de_passe, "SECRET2");

    // The next run reads them back.
    remet_a_zero_complet();
    fixe_dossier_programme(dossier);
    lit_configuration();
    EXPECT_FALSE(partage.option_reduire);
    EXPECT_FALSE(partage.option_kalkul);
    EXPECT_TRUE(partage.option_developpe);
    EXPECT_EQ(partage.mot_de_passe, "SECRET2");
    EXPECT_EQ(lit_dossier_frere(), "/opt/geometrie");
}

TEST_F(FenetreParametres, DossierLuAuDemarrageEtGardeSIlNAPasChange)
{
    // The start reads the folder and the window shows it; saving with the
    // field left as shown, or when the field could not be known, keeps the
    // file's folder. The trinomial box is saved with the options.
    form3.hide();
    ASSERT_TRUE(ecrit_dossier_frere("C:\\Geo"));
    for (const bool demarrage : {true, false}) {
        remet_a_zero_complet();
        fixe_dossier_programme(dossier);
        std::optional<Travail> travail;
        if (demarrage)
            travail.emplace();
        form3.show();
        EXPECT_EQ(form3.Edit1()->text(), demarrage ? QStringLiteral("C:\\Geo") : QString());
        form3.CheckBox(8)->setChecked(false);
        clique(form3, "SpeedButton2");
        lit_configuration();
        EXPECT_FALSE(partage.option_trinomes);
        EXPECT_EQ(lit_dossier_frere(), "C:\\Geo");
    }
}

TEST_F(FenetreParametres, MotDePasseQueLeFichierNeGardePasRefuse)
{
    const std::string avant = ini();
    form3.CheckBox(1)->setChecked(false);
    form3.Edit2()->setText(QStringLiteral("пароль"));
    clique(form3, "SpeedButton2");
    EXPECT_TRUE(form3.isVisible());
    EXPECT_TRUE(form3.dernier_message().contains(QStringLiteral("Europe de l'Ouest")));
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_TRUE(partage.option_reduire);
    EXPECT_EQ(ini(), avant);
    QApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QMessageBox"))
            w->close();
}

// A file gone is made again; a read-only one is kept and the teacher told.
TEST_F(FenetreParametres, SauvegarderSansFichierOuEnLectureSeule)
{
    fs::remove(dossier / "Vivezezi.ini");
    form3.CheckBox(2)->setChecked(false);
    clique(form3, "SpeedButton2");
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(form3.dernier_message().isEmpty());
    partage.option_fractions = true;
    lit_configuration();
    EXPECT_FALSE(partage.option_fractions);

    fs::permissions(dossier / "Vivezezi.ini", fs::perms(0444));
    const std::string avant = ini();
    form3.show();
    form3.CheckBox(2)->setChecked(true);
    clique(form3, "SpeedButton2");
    EXPECT_TRUE(form3.dernier_message().contains(QStringLiteral("lecture seule")));
    EXPECT_EQ(ini(), avant);
    QApplication::processEvents();
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->inherits("QMessageBox"))
            w->close();
}

TEST_F(FenetreParametres, AnnulerEtDossierChoisi)
{
    const std::string avant = ini();
    QString depart;
    form3.setChoixDossier([&depart](QWidget *, const QString &d) {
        depart = d;
        return QStringLiteral("/mnt/geo/");
    });
    form3.CheckBox(5)->setChecked(false);
    form3.Edit2()->setText(QStringLiteral("x"));
    form3.Image3Click();
    EXPECT_EQ(depart, QString::fromStdString(dossier.string()));
    EXPECT_EQ(form3.Edit1()->text(), QDir::toNativeSeparators(QStringLiteral("/mnt/geo")));
    clique(form3, "SpeedButton3");
    EXPECT_FALSE(form3.isVisible());
    EXPECT_TRUE(principale.isEnabled());
    EXPECT_TRUE(partage.option_factoriz);
    EXPECT_EQ(partage.dossier_frere, "C:\\KORV96");
    EXPECT_EQ(partage.mot_de_passe, "SECRET");
    EXPECT_EQ(ini(), avant);

    // A cancelled dialog leaves the field as it was.
    form3.show();
    form3.setChoixDossier([](QWidget *, const QString &) { return QString(); });
    form3.Image3Click();
    EXPECT_EQ(form3.Edit1()->text(), QStringLiteral("C:\\KORV96"));
}

} // namespace
