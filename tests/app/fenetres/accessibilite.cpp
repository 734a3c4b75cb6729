#include <gtest/gtest.h>

#include <string>
#include <vector>

#include <QAccessible>
#include <QComboBox>
#include <QKeyEvent>
#include <QTest>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "core/partage.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "print/imprime.h"
#include "tests/outils/application_qt.h"

namespace {

// The controls a screen reader lets the user act on.
bool se_manipule(QAccessible::Role role)
{
    switch (role) {
    case QAccessible::Button:
    case QAccessible::CheckBox:
    case QAccessible::ComboBox:
    case QAccessible::EditableText:
    case QAccessible::RadioButton:
    case QAccessible::Table:
        return true;
    default:
        return false;
    }
}

// Each control of the tree without a name, by its object name.
void sans_nom(QAccessibleInterface *acces, std::vector<std::string> &manquants)
{
    if (!acces || !acces->isValid() || acces->state().invisible)
        return;
    if (se_manipule(acces->role()) && acces->text(QAccessible::Name).trimmed().isEmpty())
        manquants.push_back(acces->object() ? acces->object()->objectName().toStdString() : "?");
    for (int i = 0; i < acces->childCount(); ++i)
        sans_nom(acces->child(i), manquants);
}

void tape(TForm1 &fenetre, const std::string &texte)
{
    QWidget *saisie = fenetre.controle(QStringLiteral("MthX1"));
    for (const char c : texte)
        QTest::keyClick(saisie, c);
}

class Accessibilite : public testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        form1.attache({&form2, &form4, &imprime, &form3, &form5, &form6, &form7});
        form1.show();
        // Past the password window, which disables the main window.
        form6.hide();
        form1.mot_de_passe_accepte();
    }

    void verifie(QWidget &fenetre)
    {
        fenetre.show();
        QCoreApplication::processEvents();
        std::vector<std::string> manquants;
        sans_nom(QAccessible::queryAccessibleInterface(&fenetre), manquants);
        for (const std::string &nom : manquants)
            ADD_FAILURE() << fenetre.objectName().toStdString() << " : " << nom << " n'a pas de nom";
    }

    TForm1 form1;
    TForm2 form2;
    TForm4 form4;
    TImprime imprime;
    TForm3 form3;
    TForm5 form5;
    TForm6 form6;
    TForm7 form7;
};

TEST_F(Accessibilite, ChaqueControleDeChaqueFenetreANomEnFrancais)
{
    verifie(form1);
    tape(form1, "x^2+2x+1");
    verifie(form1);
    verifie(form2);
    verifie(form4);
    partage.mode_aide = true;
    verifie(imprime);
    verifie(form3);
    for (const int grille : {1, 2, 3}) {
        form5.montre(grille);
        verifie(form5);
    }
    verifie(form6);
    form6.hide();
    form7.demande("Voulez-vous sauvegarder l'exercice en cours ?");
    verifie(form7);
}

TEST_F(Accessibilite, LaSaisieDitSaFormule)
{
    tape(form1, "x^2+2x+1");
    QWidget *saisie = form1.controle(QStringLiteral("MthX1"));
    QAccessibleInterface *acces = QAccessible::queryAccessibleInterface(saisie);
    EXPECT_EQ(acces->role(), QAccessible::EditableText);
    EXPECT_EQ(acces->text(QAccessible::Name), QStringLiteral("Saisie, étape 1"));
    EXPECT_EQ(acces->text(QAccessible::Value), QStringLiteral("x au carré plus deux x plus un"));
}

TEST_F(Accessibilite, LeResultatAnnonceLeVerdictEtLaNote)
{
    partage.note = 18;
    partage.reponse_juste = true;
    partage.commentaire_final = "Bravo, la réponse est juste !";
    form4.show();
    const QString annonce = QAccessible::queryAccessibleInterface(&form4)->text(QAccessible::Description);
    EXPECT_TRUE(annonce.contains(QStringLiteral("Bravo"))) << annonce.toStdString();
    EXPECT_TRUE(annonce.contains(QStringLiteral("Note"))) << annonce.toStdString();
}

TEST_F(Accessibilite, TabParcourtLaFenetreDansLOrdreDeLecture)
{
    tape(form1, "3(x-2)=2x+5");
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    form1.controle(QStringLiteral("MthX1"))->setFocus();
    std::vector<QString> ordre;
    for (int i = 0; i < 40; ++i) {
        QWidget *focus = QApplication::focusWidget();
        ASSERT_NE(focus, nullptr) << i;
        ordre.push_back(focus->objectName());
        QTest::keyClick(focus, Qt::Key_Tab);
    }
    auto rang = [&ordre](const char *nom) {
        return std::find(ordre.begin(), ordre.end(), QString::fromLatin1(nom)) - ordre.begin();
    };
    // Input box, parts, panels from the top, steps, bottom buttons, frame buttons.
    const char *const attendus[] = {"MthX1", "ComboBox1", "Panel10", "Panel11", "MthX3", "MthX2",
                                    "SpeedButton3", "SpeedButton9", "ClavierImage21", "ClavierImage7"};
    for (std::size_t k = 1; k < std::size(attendus); ++k)
        EXPECT_LT(rang(attendus[k - 1]), rang(attendus[k])) << attendus[k - 1] << " puis " << attendus[k];
    EXPECT_LT(rang("ClavierImage7"), static_cast<long>(ordre.size()));
}

TEST_F(Accessibilite, EchapFermeLesPetitesFenetres)
{
    // The question answers "NON", the argument window is cancelled, the
    // others close as their closing button does.
    bool repondu_oui = true;
    form7.setReponse([&repondu_oui](bool oui) { repondu_oui = oui; });
    bool annule = false;
    form2.setAnnule([&annule] { annule = true; });
    form7.demande("Voulez-vous sauvegarder l'exercice en cours ?");
    form2.show();
    form4.show();
    form3.show();
    imprime.montre_aide();
    for (QWidget *fenetre : std::initializer_list<QWidget *>{&form7, &form2, &form4, &form3, &imprime}) {
        QTest::keyClick(fenetre, Qt::Key_Escape);
        EXPECT_FALSE(fenetre->isVisible()) << fenetre->objectName().toStdString();
    }
    EXPECT_FALSE(repondu_oui);
    EXPECT_TRUE(annule);
    EXPECT_TRUE(form1.isEnabled());
}

TEST_F(Accessibilite, LesRaccourcisOuvrentCeQueMontrentLesIndications)
{
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    QTest::keyClick(&form1, Qt::Key_F1);
    EXPECT_TRUE(imprime.isVisible());
    EXPECT_TRUE(partage.mode_aide);
    imprime.hide();
    QTest::keyClick(&form1, Qt::Key_F3);
    EXPECT_TRUE(form3.isVisible());
    form3.hide();
    form1.setEnabled(true);
    // "ELEVE" from the keyboard turns to pupil mode.
    tape(form1, "2x=4");
    QTest::keyClick(&form1, Qt::Key_F7);
    EXPECT_TRUE(partage.mode_eleve);
}

TEST_F(Accessibilite, TabPasseParLaSaisieSansEffacerLesEtapes)
{
    tape(form1, "2x=4");
    auto *parties = qobject_cast<QComboBox *>(form1.controle(QStringLiteral("ComboBox1")));
    ASSERT_NE(parties, nullptr);
    emit parties->activated(0);
    ASSERT_EQ(partage.etape, 2);
    form1.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form1));
    QWidget *saisie = form1.controle(QStringLiteral("MthX1"));
    saisie->setFocus(Qt::TabFocusReason);
    QTest::keyClick(saisie, Qt::Key_Left);
    EXPECT_EQ(partage.etape, 2);
    // Editing the statement starts the work again, as a click in the box does.
    QTest::keyClick(saisie, Qt::Key_Backspace);
    EXPECT_EQ(partage.etape, 1);
}

} // namespace
