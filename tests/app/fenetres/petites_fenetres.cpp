#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include <QLabel>
#include <QApplication>
#include <QDir>
#include <QImage>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "app/travail/intervalles.h"
#include "app/travail/mot_de_passe.h"
#include "app/travail/reponse.h"
#include "algebra/algebre.h"
#include "core/partage.h"
#include "formula/widget/mthx.h"
#include "tests/outils/application_qt.h"

namespace {

// The picture of a window, kept in the temporary folder to be looked at; it
// must not be a plain colour.
void verifie_rendu(QWidget &fenetre, const QString &nom)
{
    const QImage image = fenetre.grab().toImage();
    image.save(QDir::temp().filePath(QStringLiteral("vivezezi_%1.png").arg(nom)));
    ASSERT_FALSE(image.isNull());
    const QRgb premier = image.pixel(image.width() / 2, image.height() / 2);
    int differents = 0;
    for (int y = 0; y < image.height(); y += 3)
        for (int x = 0; x < image.width(); x += 3)
            differents += image.pixel(x, y) != premier;
    EXPECT_GT(differents, 50) << nom.toStdString();
}

// ---------------------------------------------------------------- password

TEST(MotDePasse, TamponEtComparaison)
{
    struct Cas {
        std::vector<std::string> frappes;
        std::string tampon, montre;
    };
    const std::vector<Cas> cas = {
        {{"a", "b", "c"}, "abc", "***"},
        {{"a", "b", "."}, "a", "**."},
        {{"a", "\b", "\b"}, "", "*\b\b"},
        {{".", "x"}, "x", ".*"},
        {{"é", "\b", "z"}, "z", "*\b*"},   // a character of two bytes goes as one
    };
    for (const Cas &c : cas) {
        TamponMotDePasse t;
        std::string montre;
        for (const std::string &f : c.frappes)
            montre += t.frappe(f);
        EXPECT_EQ(t.tampon(), c.tampon);
        EXPECT_EQ(montre, c.montre);
    }
    EXPECT_TRUE(mot_de_passe_correct("secret", "SECRET"));
    EXPECT_TRUE(mot_de_passe_correct("", ""));
    EXPECT_FALSE(mot_de_passe_correct("SECRET", "secret"));   // the stored one is already upper case
    EXPECT_FALSE(mot_de_passe_correct("SECRE", "SECRET"));
    EXPECT_EQ(majuscules_ascii("azAZ09é-"), "AZAZ09é-");
}

struct Porte {
    QWidget principale;
    TForm6 fenetre;
    int fermetures = 0;

    explicit Porte(const std::string &mot_de_passe)
    {
        remet_a_zero_complet();
        partage.mot_de_passe = mot_de_passe;
        fenetre.setPrincipale(&principale);
        fenetre.setAccepte([this] { ++fermetures; });
        principale.setEnabled(false);
        fenetre.show();
    }
};

TEST(FenetreMotDePasse, EntreeAuClavier)
{
    struct Cas {
        std::string stocke;
        QString tape;
        bool accepte;
    };
    const std::vector<Cas> cas = {
        {"SECRET", "SECRET", true},
        {"SECRET", "secret", true},
        {"SECRET", "SeCrEt", true},
        {"SECRET", "SECRE", false},
        {"SECRET", "SECRETS", false},
        {"SECRET", "SECRETX.", true},   // "." takes the last character off
        {"SECRET", "SECRE.ET", true},
        {"SECRET", "SECRE.T", false},
        {"", "", true},
        {"", "a", false},
    };
    for (const Cas &c : cas) {
        Porte porte(c.stocke);
        QTest::keyClicks(&porte.fenetre.boite(), c.tape);
        QTest::keyClick(&porte.fenetre.boite(), Qt::Key_Return);
        SCOPED_TRACE(c.tape.toStdString());
        EXPECT_EQ(porte.fermetures, c.accepte ? 1 : 0);
        EXPECT_EQ(porte.principale.isEnabled(), c.accepte);
        // A wrong password is said, and may be typed again in an empty box.
        EXPECT_EQ(porte.fenetre.isVisible(), !c.accepte);
        EXPECT_EQ(porte.fenetre.message(), c.accepte ? QString() : QStringLiteral("Mot de passe incorrect."));
        if (!c.accepte) {
            EXPECT_EQ(porte.fenetre.tampon(), "");
            QTest::keyClicks(&porte.fenetre.boite(), QString::fromStdString(c.stocke));
            QTest::keyClick(&porte.fenetre.boite(), Qt::Key_Return);
            EXPECT_EQ(porte.fermetures, 1);
            EXPECT_TRUE(porte.principale.isEnabled());
        }
    }
}

TEST(FenetreMotDePasse, EtoilesEffacementEtBoutons)
{
    Porte porte("AB");
    QLineEdit &boite = porte.fenetre.boite();
    QTest::keyClicks(&boite, "ax.b");
    EXPECT_EQ(boite.text(), QStringLiteral("**.*"));
    EXPECT_EQ(porte.fenetre.tampon(), "ab");
    QTest::keyClick(&boite, Qt::Key_Backspace);
    EXPECT_EQ(porte.fenetre.tampon(), "a");
    EXPECT_EQ(boite.text(), QStringLiteral("**."));
    QTest::keyClicks(&boite, "B");
    porte.fenetre.findChild<QPushButton *>(QStringLiteral("SpeedButton10"))->click();
    EXPECT_EQ(porte.fermetures, 1);
    verifie_rendu(porte.fenetre, QStringLiteral("mot_de_passe"));

    // Shown again, the buffer starts empty; "Annuler" closes the window
    // without ending the program.
    porte.principale.setEnabled(false);
    porte.fenetre.show();
    EXPECT_EQ(porte.fenetre.tampon(), "");
    EXPECT_EQ(boite.text(), QString());
    porte.fenetre.findChild<QPushButton *>(QStringLiteral("SpeedButton11"))->click();
    EXPECT_EQ(porte.fermetures, 2);
    EXPECT_FALSE(porte.fenetre.isVisible());
    EXPECT_TRUE(porte.principale.isEnabled());
}

// ---------------------------------------------------------------- argument

struct Argument {
    QWidget principale;
    TForm2 fenetre;
    std::vector<std::string> affiches;
    int annulations = 0;

    Argument()
    {
        remet_a_zero_complet();
        fenetre.setOuvreur(&principale);
        fenetre.setAffiche([this](const std::string &t) { affiches.push_back(t); });
        fenetre.setAnnule([this] { ++annulations; });
    }
    MthX &boite() { return fenetre.boite(); }
    void ouvre(int action)
    {
        partage.action_en_cours = action;
        fenetre.hide();
        fenetre.show();
    }
};

TEST(FenetreArgument, FrappeEtValidation)
{
    Argument a;
    a.ouvre(3);
    EXPECT_FALSE(a.principale.isEnabled());
    EXPECT_FALSE(a.fenetre.barre_visible());
    EXPECT_EQ(a.boite().texte(), "");
    EXPECT_EQ(a.boite().hauteurPolice(), 18);
    QTest::keyClicks(&a.boite(), "2x(");
    EXPECT_EQ(a.boite().texte().substr(0, 4), "2x*(");   // a bracket after an operand is a product
    // The "²" key writes a square and leaves the exponent; Tab moves right.
    a.boite().setTexte("x");
    QTest::keyClick(&a.boite(), Qt::Key_twosuperior);
    QTest::keyClicks(&a.boite(), "+1");
    EXPECT_EQ(a.boite().texte(), "x^2+1");
    a.boite().setTexte("(x)");
    a.boite().placeCurseur(1);
    QTest::keyClick(&a.boite(), Qt::Key_Tab);
    EXPECT_EQ(a.boite().curseurGauche(), 2);
    // A selection is replaced by the character typed.
    a.boite().setTexte("x+2");
    a.boite().selectionne(2, 3);
    QTest::keyClicks(&a.boite(), "3");
    EXPECT_EQ(a.boite().texte(), "x+3");
    a.boite().setTexte("x+1");
    QTest::keyClick(&a.boite(), Qt::Key_Return);
    EXPECT_EQ(a.affiches, std::vector<std::string>{"x+1"});
    EXPECT_FALSE(a.fenetre.isVisible());
    EXPECT_TRUE(a.principale.isEnabled());
    EXPECT_FALSE(a.boite().isEnabled());
}

TEST(FenetreArgument, ReponseOuvreSurLaDerniereEtape)
{
    Argument a;
    partage.derniere_expression = "2*x+2=4";
    a.ouvre(10);
    EXPECT_EQ(a.boite().texte(), "2*x+2=4");
    a.ouvre(3);
    EXPECT_EQ(a.boite().texte(), "");
}

TEST(FenetreArgument, AnnulationEtClics)
{
    Argument a;
    a.ouvre(3);
    a.boite().setTexte("5");
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(140, 138));   // cancel picture
    EXPECT_TRUE(a.affiches.empty());
    EXPECT_EQ(a.annulations, 1);
    EXPECT_FALSE(a.fenetre.isVisible());
    EXPECT_TRUE(a.principale.isEnabled());

    a.ouvre(3);
    a.boite().setTexte("7");
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(40, 138));    // validate picture
    EXPECT_EQ(a.affiches, std::vector<std::string>{"7"});
}

TEST(FenetreArgument, Modeles)
{
    Argument a;
    a.ouvre(3);
    a.boite().setTexte("x");
    a.fenetre.modele(5);
    EXPECT_EQ(a.boite().texte(), "x^");
    a.boite().setTexte("1");
    a.fenetre.modele(6);
    EXPECT_EQ(a.boite().texte(), "1/");
    a.boite().setTexte("");
    a.fenetre.modele(4);
    EXPECT_EQ(a.boite().texte(), "sqrt()");
    EXPECT_EQ(a.boite().curseurGauche(), 5);

    // No square root while intervals are typed.
    partage.saisie_inequation = true;
    a.ouvre(10);
    a.boite().setTexte("");
    a.fenetre.modele(4);
    EXPECT_EQ(a.boite().texte(), "");
}

TEST(FenetreArgument, LeModeleEtDonneUneListeQueLaVerificationAccepte)
{
    // The pupil types 1, presses the "·et·" picture, types 2 and Enter.
    Argument a;
    partage.liste_solutions.emplace_back("1*et*2", "0", "Bravo, la réponse est juste !");
    partage.solutions_normalisees[1] = "1*et*2";
    a.fenetre.setAffiche([](const std::string &t) { verifie_reponse(t, "(x-1)*(x-2)=0"); });
    a.ouvre(10);
    QTest::keyClicks(&a.boite(), "1");
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(149, 27));
    QTest::keyClicks(&a.boite(), "2");
    QTest::keyClick(&a.boite(), Qt::Key_Return);
    EXPECT_EQ(partage.commentaire_final, "Bravo, la réponse est juste !");
    EXPECT_TRUE(partage.reponse_juste);
}

TEST(FenetreArgument, BoutonsIntervalles)
{
    // The pupil answers an inequation with the interval buttons and the
    // keyboard; the answer opens selected, so the first button replaces it.
    Argument a;
    partage.saisie_inequation = true;
    partage.derniere_expression = "x<=1";
    a.ouvre(10);
    EXPECT_TRUE(a.fenetre.barre_visible());
    EXPECT_EQ(a.boite().hauteurPolice(), 20);
    EXPECT_EQ(a.boite().curseurDroit() - a.boite().curseurGauche(), 4);
    a.fenetre.intervalle(11);
    EXPECT_EQ(a.boite().texte(), "[;[");
    QTest::keyClicks(&a.boite(), "-2;1");
    QTest::keyClick(&a.boite(), Qt::Key_End);
    a.fenetre.intervalle(10);
    QTest::keyClicks(&a.boite(), "3");
    QTest::keyClick(&a.boite(), Qt::Key_Tab);
    a.fenetre.intervalle(13);
    EXPECT_EQ(a.boite().texte(), "[-2;1[∪]3;inf[");
    QTest::keyClick(&a.boite(), Qt::Key_Return);
    ASSERT_EQ(a.affiches.size(), 1u);
    EXPECT_EQ(a.affiches[0], "[-2;1[∪]3;inf[");
}

TEST(FenetreArgument, EclairageSousLaSouris)
{
    Argument a;
    a.ouvre(3);
    const std::vector<std::pair<QPoint, int>> sans_barre = {
        {{30, 20}, 4}, {{70, 20}, 5}, {{110, 20}, 6}, {{150, 20}, 7},
        {{40, 138}, 2}, {{140, 138}, 3}, {{90, 138}, 0}, {{90, 80}, 0}};
    for (const auto &[point, image] : sans_barre) {
        QTest::mouseMove(&a.fenetre, point);
        EXPECT_EQ(a.fenetre.image_eclairee(), image) << point.x() << "," << point.y();
    }
    verifie_rendu(a.fenetre, QStringLiteral("argument"));
    a.fenetre.annule();

    partage.saisie_inequation = true;
    a.ouvre(10);
    const std::vector<std::pair<QPoint, int>> avec_barre = {
        {{20, 25}, 9}, {{55, 25}, 10}, {{90, 25}, 11}, {{125, 25}, 12}, {{160, 25}, 13},
        {{41, 25}, 0}, {{40, 138}, 2}};
    for (const auto &[point, image] : avec_barre) {
        QTest::mouseMove(&a.fenetre, point);
        EXPECT_EQ(a.fenetre.image_eclairee(), image) << point.x() << "," << point.y();
    }
    a.boite().setTexte("");
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(160, 25));
    EXPECT_EQ(a.boite().texte(), "inf");
    QTest::mouseMove(&a.fenetre, QPoint(20, 25));
    verifie_rendu(a.fenetre, QStringLiteral("argument_intervalles"));
}

TEST(FenetreArgument, BoutonsDeReponse)
{
    // The answer to an equation: a row of "∅", "ℝ", "ou" under the box, the
    // bottom row lower; each picture is lit at its centre, so none overlaps.
    Argument a;
    partage.nature_exercice = EQUATION;
    partage.derniere_expression = "x^2=-4";
    a.ouvre(10);
    ASSERT_TRUE(a.fenetre.boutons_reponse_visibles());
    EXPECT_EQ(a.fenetre.height(), TForm2::HAUTEUR + TForm2::ECART_REPONSE);
    const std::vector<std::pair<QPoint, int>> centres = {
        {{38, 27}, 4},  {{75, 27}, 5},   {{112, 27}, 6},  {{149, 27}, 7},  {{37, 137}, 14},
        {{93, 137}, 15}, {{149, 137}, 16}, {{46, 164}, 2}, {{139, 164}, 3}, {{65, 137}, 0}, {{90, 90}, 0}};
    for (const auto &[point, image] : centres) {
        QTest::mouseMove(&a.fenetre, point);
        EXPECT_EQ(a.fenetre.image_eclairee(), image) << point.x() << "," << point.y();
    }
    verifie_rendu(a.fenetre, QStringLiteral("argument_reponse"));
    // The answer opens selected: "∅" replaces it.
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(37, 137));
    EXPECT_EQ(a.boite().texte(), "∅");
    a.boite().setTexte("x=2");
    a.boite().placeCurseur(3);
    QTest::keyClick(&a.boite(), Qt::Key_O, Qt::ControlModifier);
    QTest::keyClicks(&a.boite(), "x=1");
    EXPECT_EQ(a.boite().texte(), "x=2 ou x=1");
    QTest::mouseClick(&a.fenetre, Qt::LeftButton, {}, QPoint(46, 164));
    EXPECT_EQ(a.affiches, std::vector<std::string>{"x=2 ou x=1"});

    // An inequation: the interval bar with them; "∞" and "ℝ" are written as such.
    partage.nature_exercice = INFERIEUR;
    partage.saisie_inequation = true;
    a.ouvre(10);
    ASSERT_TRUE(a.fenetre.barre_visible() && a.fenetre.boutons_reponse_visibles());
    verifie_rendu(a.fenetre, QStringLiteral("argument_reponse_intervalles"));
    a.fenetre.intervalle(10);
    QTest::keyClicks(&a.boite(), "-");
    QTest::keyClick(&a.boite(), Qt::Key_I, Qt::ControlModifier);
    QTest::keyClicks(&a.boite(), ";2");
    EXPECT_EQ(a.boite().texte(), "]-∞;2[");
    a.boite().selectionne(0, static_cast<int>(a.boite().texte().size()));
    QTest::keyClick(&a.boite(), Qt::Key_T, Qt::ControlModifier);
    EXPECT_EQ(a.boite().texte(), "ℝ");

    // Outside an answer the window keeps its size and its bottom row.
    a.fenetre.annule();
    a.ouvre(3);
    EXPECT_FALSE(a.fenetre.boutons_reponse_visibles());
    EXPECT_EQ(a.fenetre.height(), TForm2::HAUTEUR);
    QTest::mouseMove(&a.fenetre, QPoint(37, 137));
    EXPECT_EQ(a.fenetre.image_eclairee(), 2);
}

TEST(FenetreArgument, Domaine)
{
    Argument a;
    partage.saisie_domaine = true;
    partage.saisie_inequation = true;
    a.ouvre(0);
    EXPECT_EQ(a.boite().texte(), "domain(x,-inf,inf,12)");

    // Bounds out of order: the previous domain stays, and nothing else runs.
    a.boite().setTexte("domain(x,3,1,13)");
    QTest::keyClick(&a.boite(), Qt::Key_Return);
    EXPECT_EQ(partage.domaine, BornesIntervalles{});
    EXPECT_TRUE(a.affiches.empty());
    EXPECT_FALSE(partage.saisie_domaine);
    EXPECT_TRUE(a.principale.isEnabled());

    partage.saisie_domaine = true;
    partage.saisie_inequation = true;
    a.ouvre(0);
    a.boite().setTexte("domain(x,1,3,13)");
    a.fenetre.Terminer();
    const BornesIntervalles b = partage.domaine;
    EXPECT_EQ(b.borne_inf_1, "1");
    EXPECT_EQ(b.borne_sup_1, "3");
    EXPECT_FALSE(b.crochet_1a);
    EXPECT_FALSE(b.crochet_1b);
    EXPECT_TRUE(a.affiches.empty());

    // Cancelling a domain entry puts the values back.
    partage.saisie_domaine = true;
    partage.saisie_inequation = true;
    a.ouvre(0);
    EXPECT_EQ(a.boite().texte(), "domain(x,1,3,13)");
    a.boite().setTexte("domain(x,-5,5,12)");
    a.fenetre.annule();
    EXPECT_EQ(partage.domaine, b);
}

TEST(FenetreArgument, DepuisLaGrilleDuProfesseur)
{
    Argument a;
    QWidget grille;
    std::vector<std::string> cellules;
    a.fenetre.setGrille(&grille);
    a.fenetre.setEcritCellule([&](const std::string &t) { cellules.push_back(t); });
    partage.saisie_depuis_prof = true;
    partage.mode_grille = 2;
    partage.texte_cellule = "x=3";
    a.ouvre(0);
    EXPECT_FALSE(grille.isEnabled());
    EXPECT_TRUE(a.principale.isEnabled());
    EXPECT_EQ(a.boite().texte(), "x=3");
    a.boite().setTexte("x=4");
    a.fenetre.Terminer();
    EXPECT_EQ(cellules, std::vector<std::string>{"x=4"});
    EXPECT_TRUE(a.affiches.empty());
    EXPECT_TRUE(grille.isEnabled());
}

TEST(FenetreArgument, TexteQuelconque)
{
    Argument a;
    a.ouvre(3);
    a.boite().setTexte(std::string(2000, '('));
    QTest::keyClicks(&a.boite(), "x)+*/^");
    QTest::keyClick(&a.boite(), Qt::Key_Tab);
    QTest::keyClick(&a.boite(), Qt::Key_Backspace);
    a.fenetre.modele(7);
    a.fenetre.intervalle(9);
    QTest::keyClick(&a.boite(), Qt::Key_Return);
    ASSERT_EQ(a.affiches.size(), 1u);
}

// ---------------------------------------------------------------- result

struct Resultat {
    TForm4 fenetre;
    Resultat() { remet_a_zero_complet(); }
    void montre(bool juste, int note, int historique)
    {
        partage.reponse_juste = juste;
        partage.note = note;
        partage.nombre_historique = historique;
        partage.commentaire_final = "Bravo.";
        fenetre.hide();
        fenetre.show();
    }
};

TEST(FenetreResultat, Textes)
{
    struct Cas {
        bool juste;
        int note, historique;
        QString felicitations, note_texte;
    };
    const std::vector<Cas> cas = {
        {true, 20, 0, QStringLiteral("REUSSI DIRECTEMENT,\n\r TRES BIEN !"), QStringLiteral("20/20")},
        {true, 20, 4, QStringLiteral("REUSSI EN 4 ETAPES"), QStringLiteral("20/20")},
        {true, 18, 2, QStringLiteral("REUSSI EN 2 ETAPES"), QStringLiteral("18/20")},
        {true, 17, 0, QString(), QStringLiteral("17/20")},
    };
    Resultat r;
    for (const Cas &c : cas) {
        r.montre(c.juste, c.note, c.historique);
        EXPECT_EQ(r.fenetre.commentaire(), QStringLiteral("Bravo."));
        EXPECT_EQ(r.fenetre.felicitations(), c.felicitations);
        EXPECT_EQ(r.fenetre.note(), c.note_texte);
        EXPECT_TRUE(r.fenetre.note_visible());
    }
    r.montre(true, 20, 0);
    verifie_rendu(r.fenetre, QStringLiteral("resultat"));
    // After a wrong answer the plate shows the mark so far; what was taken
    // off is listed below, the window growing to hold it.
    partage.points_retires = {"Aide 1 : −2", "Réponse 4 : −10"};
    r.montre(false, 8, 0);
    EXPECT_FALSE(r.fenetre.note_visible());
    EXPECT_EQ(r.fenetre.felicitations(), QStringLiteral("Note jusqu'ici : 8/20"));
    EXPECT_EQ(r.fenetre.retenues(), QStringList({QStringLiteral("Aide 1 : −2"), QStringLiteral("Réponse 4 : −10")}));
    EXPECT_GT(r.fenetre.height(), TForm4::HAUTEUR);
    verifie_rendu(r.fenetre, QStringLiteral("resultat_retenues"));
}

TEST(FenetreResultat, ReponseEncoreSimplifiable)
{
    Resultat r;
    partage.note = 20;
    partage.liste_solutions.push_back(TDsolu("5", "0", "Bien."));
    partage.solutions_normalisees[1] = "5";
    ASSERT_TRUE(verifie_reponse("2+3", "1+4"));
    r.fenetre.show();
    EXPECT_EQ(r.fenetre.commentaire(), QString::fromUtf8("Peut encore être simplifiée"));
    EXPECT_FALSE(r.fenetre.note_visible());
    EXPECT_EQ(partage.note, 19);
}

// The road of a mistake named: "(x+3)^2" to develop, "x^2+9" answered; the
// explanation with its counter-example is shown whole.
TEST(FenetreResultat, LErreurNommeeSeLitEnEntier)
{
    Resultat r;
    partage.dossier_programme = VIVEZEZI_DONNEES;
    partage.consigne = "Développer l'expression.";
    partage.note = 20;
    partage.liste_solutions.push_back(TDsolu("x^2+6*x+9", "0", "Bien."));
    partage.liste_solutions.push_back(TDsolu("", "10", "Ce n'est pas la bonne réponse."));
    partage.solutions_normalisees[1] = "x^2+6*x+9";
    ASSERT_TRUE(verifie_reponse("x^2+9", "(x+3)^2"));
    r.fenetre.show();
    const QString texte = r.fenetre.commentaire();
    EXPECT_TRUE(texte.contains(QString::fromUtf8("il manque le double produit 2ab"))) << texte.toStdString();
    EXPECT_TRUE(texte.endsWith(QString::fromUtf8("Pour x = 1 : (1 + 3)² = 16, mais 1² + 3² = 10."))) << texte.toStdString();
    const QLabel *label = r.fenetre.findChild<QLabel *>(QStringLiteral("Label1"));
    const QRect place = label->fontMetrics().boundingRect(label->contentsRect(), Qt::TextWordWrap | Qt::AlignCenter, texte);
    EXPECT_LE(place.height(), label->height());
    EXPECT_EQ(partage.note, 10);
    verifie_rendu(r.fenetre, QStringLiteral("resultat_erreur"));
}

TEST(FenetreResultat, BoutonFermer)
{
    Resultat r;
    r.montre(true, 20, 0);
    // The button is there wherever the mouse is.
    for (const QPoint point : {QPoint(50, 138), QPoint(37, 138), QPoint(200, 60)}) {
        QTest::mouseMove(&r.fenetre, point);
        EXPECT_TRUE(r.fenetre.fermer_visible()) << point.x() << "," << point.y();
    }
    QTest::mouseMove(&r.fenetre, QPoint(50, 138));
    verifie_rendu(r.fenetre, QStringLiteral("resultat_fermer"));
    QTest::mouseClick(&r.fenetre, Qt::LeftButton, {}, QPoint(200, 60));
    EXPECT_TRUE(r.fenetre.isVisible());
    QTest::mouseClick(&r.fenetre, Qt::LeftButton, {}, QPoint(60, 138));
    EXPECT_FALSE(r.fenetre.isVisible());
}

// ---------------------------------------------------------------- yes/no

TEST(FenetreQuestion, OuiEtNon)
{
    QWidget principale;
    TForm7 fenetre;
    std::vector<bool> reponses;
    fenetre.setPrincipale(&principale);
    fenetre.setReponse([&](bool oui) {
        EXPECT_FALSE(fenetre.isVisible());
        EXPECT_TRUE(principale.isEnabled());
        reponses.push_back(oui);
    });
    for (const char *bouton : {"SpeedButton1", "SpeedButton2"}) {
        fenetre.demande(QUESTION_SAUVEGARDE);
        EXPECT_TRUE(fenetre.isVisible());
        EXPECT_FALSE(principale.isEnabled());
        EXPECT_EQ(fenetre.question(), QString::fromUtf8(QUESTION_SAUVEGARDE));
        if (std::string(bouton) == "SpeedButton1")
            verifie_rendu(fenetre, QStringLiteral("question"));
        QTest::mouseClick(fenetre.findChild<QPushButton *>(QString::fromLatin1(bouton)), Qt::LeftButton);
    }
    EXPECT_EQ(reponses, (std::vector<bool>{true, false}));

    // Closed by the desktop: no answer, and the main window is usable again.
    fenetre.demande(QUESTION_SAUVEGARDE);
    fenetre.close();
    EXPECT_EQ(reponses.size(), 2u);
    EXPECT_TRUE(principale.isEnabled());
}

TEST(FenetresFermees, CommeAnnulees)
{
    Argument a;
    a.ouvre(3);
    a.boite().setTexte("5");
    a.fenetre.close();
    EXPECT_TRUE(a.affiches.empty());
    EXPECT_EQ(a.annulations, 1);
    EXPECT_TRUE(a.principale.isEnabled());

    Porte porte("SECRET");
    porte.fenetre.close();
    EXPECT_EQ(porte.fermetures, 1);
    EXPECT_TRUE(porte.principale.isEnabled());
}

// A window without frame follows a drag of its background.
TEST(FenetreSansBord, GlisserLeFond)
{
    TForm7 fenetre;
    fenetre.show();
    fenetre.move(100, 100);
    const QPoint depart = fenetre.pos();
    const QPoint prise(5, 5), global = fenetre.mapToGlobal(prise);
    QMouseEvent appui(QEvent::MouseButtonPress, prise, global, Qt::LeftButton, Qt::LeftButton, {});
    QApplication::sendEvent(&fenetre, &appui);
    QMouseEvent glisse(QEvent::MouseMove, prise + QPoint(30, 20), global + QPoint(30, 20), Qt::NoButton,
                       Qt::LeftButton, {});
    QApplication::sendEvent(&fenetre, &glisse);
    QMouseEvent lache(QEvent::MouseButtonRelease, prise, global + QPoint(30, 20), Qt::LeftButton,
                      Qt::NoButton, {});
    QApplication::sendEvent(&fenetre, &lache);
    EXPECT_EQ(fenetre.pos(), depart + QPoint(30, 20));
}

} // namespace
