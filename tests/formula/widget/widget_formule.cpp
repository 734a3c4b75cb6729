#include <gtest/gtest.h>

#include <cctype>
#include <functional>
#include <string>
#include <vector>

#include <QApplication>
#include <QClipboard>
#include <QImage>
#include <QPainter>
#include <QSignalSpy>
#include <QTest>

#include "formula/widget/completion.h"
#include "formula/widget/mise_en_page.h"
#include "formula/widget/mthx.h"
#include "tests/outils/application_qt.h"

using dessin::complete_saisie;

namespace {

// One formula of each construct the boxes draw.
const std::vector<std::string> CONSTRUCTIONS = {
    "2x+1",
    "0,5x^2-2,25=0",   // decimal commas, as French pupils type them
    "3/4",
    "(x+1)/(x-1)",
    "x^2",
    "x^(n+1)",
    "sqrt(2)",
    "abs(x-1)",
    "(x+1)(x-1)",
    "2*sqrt(3)",
    "sin(x)+ln(2)",
    "-x^2",
    "2*-3",
    "AB..arrow+BC..arrow",
    "o..arrow",
    "domain(x,-inf,3,12)",
    "domain(x,1,inf,13)",
    "(domain(x,-inf,0,13))or(domain(x,1,inf,12))",
    "([])",
    "([1;2])",
    "{2x+y=3\r\nx-y=1}",
    "x<=3",
    "x>=3",
    "1*et*2",
    "((1/2)/(3/4))^2",
};

int pixels_dessines(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += image.pixel(x, y) != qRgb(255, 255, 255);
    return n;
}

QImage peint(const std::string &texte, qreal hauteur = 20)
{
    QImage image(400, 160, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    dessine_formule(p, texte, QPointF(5, 5), hauteur, Qt::black);
    return image;
}

std::string texte_long(std::size_t longueur)
{
    std::string t;
    while (t.size() < longueur)
        t += "2x+3*(x-1)/4-";
    return t.substr(0, longueur);
}

} // namespace

// --- layout and painting

TEST(MiseEnPage, ChaqueConstructionSeLitEtPrendDeLaPlace)
{
    for (const std::string &texte : CONSTRUCTIONS) {
        SCOPED_TRACE(texte);
        const MiseEnPage m(texte, 20);
        EXPECT_FALSE(m.est_lineaire());
        EXPECT_GT(m.largeur(), 5);
        EXPECT_GT(m.hauteur(), 10);
        EXPECT_GT(m.ligne_de_base(), 0);
        EXPECT_LE(m.ligne_de_base(), m.hauteur());
        EXPECT_GT(pixels_dessines(peint(texte)), 20);
    }
}

TEST(MiseEnPage, LesFormesEnDeuxDimensionsOntLaBonneHauteur)
{
    const qreal ligne = taille_formule("x+1", 20).height();
    EXPECT_GT(taille_formule("1/2", 20).height(), 1.5 * ligne);
    EXPECT_GT(taille_formule("(1/2)/(3/4)", 20).height(), taille_formule("1/2", 20).height() * 1.4);
    EXPECT_GT(taille_formule("x^2", 20).height(), ligne);
    EXPECT_GT(taille_formule("{x=1\r\ny=2}", 20).height(), 1.8 * ligne);
    EXPECT_GT(taille_formule("AB..arrow", 20).height(), taille_formule("AB", 20).height());
    // An exponent is smaller than the base.
    EXPECT_LT(taille_formule("x^22", 20).width(), taille_formule("x*22", 20).width());
}

TEST(MiseEnPage, LEtendueGranditAvecLeContenuEtLaTaille)
{
    EXPECT_LT(taille_formule("2x+1", 20).width(), taille_formule("2x+1+3x", 20).width());
    EXPECT_LT(taille_formule("2x+1", 20).width(), taille_formule("2x+1", 30).width());
    EXPECT_LT(taille_formule("2x+1", 20).height(), taille_formule("2x+1", 30).height());
}

TEST(MiseEnPage, ProduitsEcritsCommeUnProfesseur)
{
    // "2*x" reads "2x"; between two numbers a "×" is drawn.
    EXPECT_EQ(taille_formule("2*x", 20), taille_formule("2x", 20));
    EXPECT_EQ(taille_formule("3*(x+1)", 20), taille_formule("3(x+1)", 20));
    EXPECT_EQ(taille_formule("2*sqrt(3)", 20), taille_formule("2sqrt(3)", 20));
    EXPECT_GT(taille_formule("2*3", 20).width(), taille_formule("23", 20).width() + 5);
    EXPECT_GT(taille_formule("x*2", 20).width(), taille_formule("x2", 20).width() - 1);
}

TEST(MiseEnPage, TexteIllisibleDessineEnLigne)
{
    for (const std::string texte : {"2x+", "((x", "x)", "bonjour", "@#!", "1..2"}) {
        SCOPED_TRACE(texte);
        const MiseEnPage m(texte, 20);
        EXPECT_TRUE(m.est_lineaire());
        EXPECT_GT(m.largeur(), 5);
        EXPECT_GT(pixels_dessines(peint(texte)), 10);
    }
    const MiseEnPage vide("", 20);
    EXPECT_EQ(vide.largeur(), 0);
    EXPECT_GT(vide.curseur(0).length(), 5);
}

TEST(MiseEnPage, SaisieIncompleteCompleteeEnClair)
{
    EXPECT_EQ(complete_saisie("2*(x+"), "2*(x+x)");
    EXPECT_EQ(complete_saisie("sqrt("), "sqrt(x)");
    EXPECT_EQ(complete_saisie("{2x+y=3"), "{2x+y=3}");
    EXPECT_EQ(complete_saisie("x^ "), "x^ x");
    EXPECT_EQ(complete_saisie("([1;"), "([1;x])");
    EXPECT_EQ(complete_saisie("x)"), std::nullopt);
    EXPECT_EQ(complete_saisie("(x]"), std::nullopt);
    EXPECT_EQ(complete_saisie("2x"), std::nullopt);
    EXPECT_EQ(complete_saisie(""), std::nullopt);

    EXPECT_TRUE(MiseEnPage("2*(x+", 20).est_lineaire());
    const MiseEnPage tolerante("2*(x+", 20, Lecture::tolerante);
    EXPECT_FALSE(tolerante.est_lineaire());
    // The caret never goes past the text typed.
    EXPECT_LT(tolerante.curseur(5).x1(), tolerante.largeur() - 10);
}

TEST(MiseEnPage, CurseurSuitLeTexte)
{
    const std::string texte = "2x+13-y";
    const MiseEnPage m(texte, 20);
    for (int p = 1; p <= static_cast<int>(texte.size()); ++p)
        EXPECT_GT(m.curseur(p).x1(), m.curseur(p - 1).x1()) << p;
    // A click on the caret of a position gives that position back.
    for (int p = 0; p <= static_cast<int>(texte.size()); ++p)
        EXPECT_EQ(m.position_sous(m.curseur(p).center()), p) << p;
    // Positions outside the text stand at its ends.
    EXPECT_EQ(m.curseur(-5).x1(), m.curseur(0).x1());
    EXPECT_EQ(m.curseur(99).x1(), m.curseur(static_cast<int>(texte.size())).x1());
}

TEST(MiseEnPage, CurseurDansLesFormesEnDeuxDimensions)
{
    const MiseEnPage fraction("12/34", 20);
    // Numerator above the denominator, both centred.
    EXPECT_LT(fraction.curseur(1).y2(), fraction.curseur(4).y1() + 2);
    const MiseEnPage puissance("x^2+1", 20);
    // The exponent's caret is shorter and higher than the base's.
    EXPECT_LT(puissance.curseur(3).length(), puissance.curseur(1).length());
    EXPECT_LT(puissance.curseur(3).y1(), puissance.curseur(1).y1());
    const MiseEnPage racine("sqrt(x)", 20);
    EXPECT_GT(racine.curseur(5).x1(), racine.curseur(0).x1());
    EXPECT_LT(racine.curseur(5).x1(), racine.curseur(6).x1());
    for (const std::string &texte : CONSTRUCTIONS) {
        const MiseEnPage m(texte, 20);
        for (int p = 0; p <= static_cast<int>(texte.size()); ++p) {
            const QLineF c = m.curseur(p);
            EXPECT_TRUE(c.x1() >= 0 && c.x1() <= m.largeur() && c.y1() >= -1 && c.y2() <= m.hauteur() + 1)
                << texte << " " << p;
        }
    }
}

TEST(MiseEnPage, SelectionCouvreLesCaracteresChoisis)
{
    const MiseEnPage m("2x+13", 20);
    const std::vector<QRectF> zones = m.zones_selection(3, 5);
    ASSERT_EQ(zones.size(), 1U);
    EXPECT_NEAR(zones[0].left(), m.curseur(3).x1(), 0.01);
    EXPECT_NEAR(zones[0].right(), m.curseur(5).x1(), 0.01);
    EXPECT_TRUE(m.zones_selection(2, 2).empty());
    EXPECT_FALSE(MiseEnPage("1/(x+1)", 20).zones_selection(0, 7).empty());
}

TEST(MiseEnPage, TextesHostilesSansPlantage)
{
    std::string octets;
    for (int c = 0; c < 256; ++c)
        octets += static_cast<char>(c);
    const std::vector<std::string> textes = {
        std::string(10000, '('), std::string(10000, ')'), std::string(300, '(') + "x" + std::string(300, ')'),
        texte_long(2000),        texte_long(100000),      octets,
        "\xC3",                  "\xE2\x82",              std::string("a\0b", 3),
        "\r\n\r\n",              "{",                     "}",
        "x^^^^",                 std::string(5000, '-') + "x", "sqrt(sqrt(sqrt(sqrt(sqrt(x)))))",
    };
    for (const std::string &texte : textes) {
        for (Lecture lecture : {Lecture::stricte, Lecture::tolerante}) {
            const MiseEnPage m(texte, 20, lecture);
            EXPECT_GE(m.largeur(), 0);
            QImage image(200, 50, QImage::Format_RGB32);
            QPainter p(&image);
            m.dessine(p, QPointF(0, 0), Qt::black, QRectF(image.rect()));
            m.curseur(static_cast<int>(texte.size() / 2));
            m.position_sous(QPointF(30, 10));
            m.zones_selection(0, static_cast<int>(texte.size()));
        }
    }
    // Absurd sizes are bounded.
    EXPECT_GT(taille_formule("x", -4).width(), 0);
    EXPECT_LT(taille_formule("x", 1e9).width(), 5000);
}

TEST(MiseEnPage, SeulLeVisibleEstDessineALIdentique)
{
    for (const std::string &texte : {"bonjour tout le monde, " + texte_long(300) + "?", texte_long(300) + "x"}) {
        const MiseEnPage m(texte, 20);
        QImage entier(300, 400, QImage::Format_RGB32);
        QImage partiel(300, 400, QImage::Format_RGB32);
        for (QImage *image : {&entier, &partiel}) {
            image->fill(Qt::white);
            QPainter p(image);
            const QRectF visible = image == &partiel ? QRectF(image->rect()) : QRectF();
            m.dessine(p, QPointF(-1000.5, 100), Qt::black, visible);
        }
        EXPECT_GT(pixels_dessines(partiel), 100);
        EXPECT_EQ(entier, partiel);
    }
}

// --- the formula box

class BoiteFormule : public ::testing::Test {
protected:
    MthX boite;
    QSignalSpy changements{&boite, &MthX::changement};

    void SetUp() override
    {
        boite.resize(361, 82);
        boite.show();
        boite.activateWindow();
        boite.setFocus();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&boite));
        changements.clear();
    }
};

TEST_F(BoiteFormule, FrappeEtExtent)
{
    const int droite_vide = boite.rectDroite();
    QTest::keyClicks(&boite, "2x+1");
    EXPECT_EQ(boite.texte(), "2x+1");
    EXPECT_EQ(changements.count(), 4);
    EXPECT_EQ(boite.curseurDroit(), 4);
    EXPECT_GT(boite.rectDroite(), droite_vide + 20);
    const int bas = boite.rectBas();
    QTest::keyClicks(&boite, "/2");
    EXPECT_GT(boite.rectBas(), bas + 10);
    EXPECT_EQ(boite.property("Text").toString(), QStringLiteral("2x+1/2"));
}

TEST_F(BoiteFormule, AnnulerEtRetablir)
{
    // Each change is undone in turn, whoever made it; redo comes back; a new
    // change forgets what was undone.
    const auto annule = [this] { QTest::keyClick(&boite, Qt::Key_Z, Qt::ControlModifier); };
    const auto retablit = [this] { QTest::keyClick(&boite, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier); };
    QTest::keyClicks(&boite, "x+1");
    boite.setTexte("2*(x+1)");
    const struct {
        std::function<void()> touche;
        std::string texte;
    } pas[] = {{annule, "x+1"}, {annule, "x+"}, {retablit, "x+1"}, {annule, "x+"}, {annule, "x"},
               {annule, ""},    {annule, ""},   {retablit, "x"},  {[this] { QTest::keyClicks(&boite, "y"); }, "xy"},
               {retablit, "xy"}, {annule, "x"}};
    for (const auto &p : pas) {
        p.touche();
        EXPECT_EQ(boite.texte(), p.texte);
    }
    EXPECT_EQ(boite.curseurDroit(), 1);
}

TEST_F(BoiteFormule, DeplacementsEtSelection)
{
    boite.setTexte("2x+13");
    EXPECT_EQ(boite.curseurDroit(), 5);
    QTest::keyClick(&boite, Qt::Key_Left);
    QTest::keyClick(&boite, Qt::Key_Left);
    EXPECT_EQ(boite.curseurGauche(), 3);
    EXPECT_EQ(boite.curseurDroit(), 3);
    QTest::keyClick(&boite, Qt::Key_Left, Qt::ShiftModifier);
    EXPECT_EQ(boite.curseurGauche(), 2);
    EXPECT_EQ(boite.curseurDroit(), 3);
    QTest::keyClick(&boite, Qt::Key_Home, Qt::ShiftModifier);
    EXPECT_EQ(boite.curseurGauche(), 0);
    EXPECT_EQ(boite.curseurDroit(), 3);
    QTest::keyClick(&boite, Qt::Key_Right);
    EXPECT_EQ(boite.curseurGauche(), 3);
    EXPECT_EQ(boite.curseurDroit(), 3);
    QTest::keyClick(&boite, Qt::Key_Home);
    EXPECT_EQ(boite.curseurDroit(), 0);
    QTest::keyClick(&boite, Qt::Key_Left);
    EXPECT_EQ(boite.curseurDroit(), 0);
    QTest::keyClick(&boite, Qt::Key_End);
    QTest::keyClick(&boite, Qt::Key_Right);
    EXPECT_EQ(boite.curseurDroit(), 5);
    EXPECT_EQ(boite.property("LeftCaret").toInt(), 5);
}

TEST_F(BoiteFormule, EffacementsEtRemplacement)
{
    boite.setTexte("2x+13");
    changements.clear();
    QTest::keyClick(&boite, Qt::Key_Backspace);
    EXPECT_EQ(boite.texte(), "2x+1");
    QTest::keyClick(&boite, Qt::Key_Home);
    QTest::keyClick(&boite, Qt::Key_Delete);
    EXPECT_EQ(boite.texte(), "x+1");
    QTest::keyClick(&boite, Qt::Key_Backspace); // nothing before the caret
    EXPECT_EQ(boite.texte(), "x+1");
    EXPECT_EQ(changements.count(), 2);
    boite.selectionne(1, 3);
    QTest::keyClicks(&boite, "-5");
    EXPECT_EQ(boite.texte(), "x-5");
    boite.selectionne(0, 3);
    QTest::keyClick(&boite, Qt::Key_Delete);
    EXPECT_EQ(boite.texte(), "");
}

TEST_F(BoiteFormule, CaracteresSurPlusieursOctets)
{
    boite.setTexte("x\xC2\xB2");  // x²
    QTest::keyClick(&boite, Qt::Key_Left);
    EXPECT_EQ(boite.curseurDroit(), 1);
    boite.placeCurseur(2);  // inside the character: back to its start
    EXPECT_EQ(boite.curseurDroit(), 1);
    QTest::keyClick(&boite, Qt::Key_Delete);
    EXPECT_EQ(boite.texte(), "x");
    boite.setTexte("{x=1\r\ny=2}");
    boite.placeCurseur(5);  // between CR and LF
    EXPECT_EQ(boite.curseurDroit(), 4);
    QTest::keyClick(&boite, Qt::Key_Right);
    EXPECT_EQ(boite.curseurDroit(), 6);
    QTest::keyClick(&boite, Qt::Key_Backspace);
    EXPECT_EQ(boite.texte(), "{x=1y=2}");
}

TEST_F(BoiteFormule, EntreeOuvreUneLigneDansUnSysteme)
{
    QTest::keyClicks(&boite, "{x+y=2");
    QTest::keyClick(&boite, Qt::Key_Return);
    QTest::keyClicks(&boite, "x-y=0}");
    EXPECT_EQ(boite.texte(), "{x+y=2\r\nx-y=0}");
    boite.setTexte("x+1");
    QTest::keyClick(&boite, Qt::Key_Return);
    EXPECT_EQ(boite.texte(), "x+1");
}

TEST_F(BoiteFormule, ToucheRacine)
{
    QTest::keyClicks(&boite, "2");
    QKeyEvent racine(QEvent::KeyPress, 0, Qt::NoModifier, QString(QChar(MthX::CODE_TOUCHE_RACINE)));
    QApplication::sendEvent(&boite, &racine);
    EXPECT_EQ(boite.texte(), "2sqrt()");
    EXPECT_EQ(boite.curseurDroit(), 6);
    QTest::keyClicks(&boite, "3");
    EXPECT_EQ(boite.texte(), "2sqrt(3)");
    boite.selectionne(0, 1);
    boite.insereRacine();
    EXPECT_EQ(boite.texte(), "sqrt(2)sqrt(3)");
    EXPECT_EQ(boite.curseurDroit(), 6);
    QTest::keyClick(&boite, Qt::Key_R, Qt::ControlModifier);
    EXPECT_EQ(boite.texte(), "sqrt(2sqrt())sqrt(3)");
}

TEST_F(BoiteFormule, FiltreDesTouches)
{
    // A window's rules: "(" after an operand types "*(", Tab moves the caret.
    boite.setFiltreTouches([](MthX &b, QKeyEvent &touche) {
        if (touche.text() == "(" && b.curseurDroit() > 0 && std::isalnum(static_cast<unsigned char>(
                                                                 b.texte()[static_cast<std::size_t>(b.curseurDroit() - 1)]))) {
            b.insereTexte("*(");
            return true;
        }
        if (touche.key() == Qt::Key_Tab) {
            b.deplaceCurseur(1);
            return true;
        }
        return false;
    });
    QTest::keyClicks(&boite, "x(1+(");
    EXPECT_EQ(boite.texte(), "x*(1+(");
    boite.placeCurseur(0);
    QTest::keyClick(&boite, Qt::Key_Tab);
    EXPECT_EQ(boite.curseurDroit(), 1);
    EXPECT_TRUE(boite.hasFocus());
}

TEST_F(BoiteFormule, TexteEcritParLesFenetres)
{
    boite.setTexte("2*(x+1)=4");
    EXPECT_EQ(changements.count(), 1);
    EXPECT_EQ(boite.curseurGauche(), 9);
    // Writing from inside a change handler does not call it again.
    int appels = 0;
    QObject::connect(&boite, &MthX::changement, [&] {
        ++appels;
        boite.setTexte("1");
    });
    boite.setTexte("x");
    EXPECT_EQ(appels, 1);
    EXPECT_EQ(boite.texte(), "1");
}

TEST_F(BoiteFormule, ProprietesDAffichage)
{
    boite.setTexte("x^2+1");
    const int bas = boite.rectBas();
    const int droite = boite.rectDroite();
    boite.setHauteurPolice(30);
    EXPECT_EQ(boite.hauteurPolice(), 30);
    EXPECT_GT(boite.rectBas(), bas);
    EXPECT_GT(boite.rectDroite(), droite);
    boite.setHauteurPolice(-3);
    EXPECT_GT(boite.hauteurPolice(), 0);
    boite.setCouleur(QColor(0, 0x52, 0));
    EXPECT_EQ(boite.property("ForeColor").value<QColor>(), QColor(0, 0x52, 0));
}

TEST_F(BoiteFormule, ClicPlaceLeCurseur)
{
    QSignalSpy clics(&boite, &MthX::clicGauche);
    boite.setTexte("2x+13=5");
    QTest::mouseClick(&boite, Qt::LeftButton, Qt::NoModifier, QPoint(MthX::MARGE + 1, 15));
    EXPECT_EQ(clics.count(), 1);
    EXPECT_EQ(boite.curseurDroit(), 0);
    QTest::mouseClick(&boite, Qt::LeftButton, Qt::NoModifier, QPoint(boite.rectDroite() + 30, 15));
    EXPECT_EQ(boite.curseurDroit(), 7);
    QTest::mouseClick(&boite, Qt::RightButton, Qt::NoModifier, QPoint(10, 10));
    EXPECT_EQ(clics.count(), 2);
    // A drag from the start to past the end selects everything.
    QTest::mousePress(&boite, Qt::LeftButton, Qt::NoModifier, QPoint(MthX::MARGE + 1, 15));
    QMouseEvent glisse(QEvent::MouseMove, QPointF(boite.rectDroite() + 30, 15), boite.mapToGlobal(QPointF(0, 0)),
                       Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(&boite, &glisse);
    QTest::mouseRelease(&boite, Qt::LeftButton, Qt::NoModifier, QPoint(boite.rectDroite() + 30, 15));
    EXPECT_EQ(boite.curseurGauche(), 0);
    EXPECT_EQ(boite.curseurDroit(), 7);
}

TEST_F(BoiteFormule, DessinDeLaBoite)
{
    boite.setTexte("(x+1)/(x-1)");
    boite.setCouleur(Qt::blue);
    const QImage image = boite.grab().toImage();
    int bleus = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            bleus += qBlue(image.pixel(x, y)) > 150 && qRed(image.pixel(x, y)) < 100;
    EXPECT_GT(bleus, 30);
}

TEST_F(BoiteFormule, ImageDeLaFormule)
{
    boite.setTexte("sqrt(2)/2");
    boite.setCouleur(Qt::white);  // drawn black on the picture
    const QImage image = boite.image(2);
    EXPECT_GT(image.width(), boite.rectDroite());
    EXPECT_GT(pixels_dessines(image.convertToFormat(QImage::Format_RGB32)), 30);
    boite.copieImage();
    EXPECT_FALSE(QApplication::clipboard()->image().isNull());
}

TEST_F(BoiteFormule, SaisieHostileSansPlantage)
{
    boite.setTexte(texte_long(2000));
    QTest::keyClicks(&boite, "((((");
    QTest::keyClick(&boite, Qt::Key_Home);
    QTest::keyClick(&boite, Qt::Key_Right, Qt::ShiftModifier);
    QTest::keyClick(&boite, Qt::Key_Backspace);
    EXPECT_EQ(boite.texte().size(), 2003U);
    boite.setTexte(std::string(10000, '('));
    QTest::keyClicks(&boite, "x+");
    boite.setTexte(std::string("\xFF\xFE\x01\x7F", 4));
    QTest::keyClick(&boite, Qt::Key_Left);
    QTest::keyClick(&boite, Qt::Key_Backspace);
    boite.grab();
    EXPECT_EQ(boite.texte().size(), 3U);
}
