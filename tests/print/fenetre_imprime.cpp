#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <regex>
#include <string>

#include <QApplication>
#include <QImage>
#include <QPushButton>
#include <QTest>

#include "core/partage.h"
#include "print/dessin_pages.h"
#include "print/imprime.h"
#include "tests/outils/application_qt.h"

namespace {

namespace fs = std::filesystem;

std::string sortie_de(const std::string &commande)
{
    std::string texte;
    if (FILE *f = popen(commande.c_str(), "r")) {
        char tampon[4096];
        std::size_t n;
        while ((n = fread(tampon, 1, sizeof tampon, f)) > 0)
            texte.append(tampon, n);
        pclose(f);
    }
    return texte;
}

// The pictures go to a folder where a person can look at them.
fs::path dossier_sorties()
{
    const fs::path d = fs::temp_directory_path() / "vivezezi_impression";
    fs::create_directories(d);
    return d;
}

// True when the page surface of the window holds nothing but white.
bool surface_vide(TImprime &w)
{
    const QImage image = w.grab(SURFACE_PAGE.toRect().adjusted(1, 1, -1, -1)).toImage();
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            if (image.pixelColor(x, y) != Qt::white)
                return false;
    return true;
}

// Blanks collapsed and the "fi" ligature spelled out, as text extraction
// gives them their own way.
std::string simplifie(std::string texte)
{
    texte = std::regex_replace(texte, std::regex("\xef\xac\x81"), "fi");
    return std::regex_replace(texte, std::regex("[ \t]+"), " ");
}

// Prints the window's page to a PDF file and checks it is one A4 page;
// returns its text.
std::string imprime_et_lit(TImprime &w, const std::string &nom)
{
    const fs::path pdf = dossier_sorties() / (nom + ".pdf");
    fs::remove(pdf);
    EXPECT_TRUE(w.imprime_pdf(QString::fromStdString(pdf.string())));
    const std::string info = sortie_de("pdfinfo '" + pdf.string() + "' 2>&1");
    EXPECT_TRUE(std::regex_search(info, std::regex("Pages:\\s+1\\n"))) << info;
    EXPECT_NE(info.find("(A4)"), std::string::npos) << info;
    return simplifie(sortie_de("pdftotext '" + pdf.string() + "' - 2>&1"));
}

class FenetreImprime : public ::testing::Test {
protected:
    void SetUp() override
    {
        remet_a_zero_complet();
        partage.dossier_programme = VIVEZEZI_DONNEES;
    }
    TImprime fenetre;
};

TEST_F(FenetreImprime, ResumeSurCinqPages)
{
    partage.consigne = "Développer";
    partage.expression_base = "(x+1)^2";
    partage.aides[1] = "Penser à l'identité remarquable";
    partage.penalites_aides[1] = 2;
    fenetre.montre_resume({"Identité"});
    EXPECT_EQ(fenetre.titre(), "Développer");
    for (int i = 0; i < 8; ++i)
        fenetre.defile(1);
    EXPECT_EQ(fenetre.numero_page(), 5);
    fenetre.defile(-1);
    EXPECT_EQ(fenetre.numero_page(), 4);
    for (int i = 0; i < 8; ++i)
        fenetre.defile(-1);
    EXPECT_EQ(fenetre.numero_page(), 1);
    EXPECT_FALSE(surface_vide(fenetre));

    const std::string texte = imprime_et_lit(fenetre, "resume");
    for (const char *attendu : {"FICHIER : SANS_NOM", "ENONCE : Développer", "Menu simplifier : ACTIF", "PARAMETRES :",
                                "Réduction automatique : VRAI", "ANALYSE DE REPONSES",
                                "Identité : Penser à l'identité remarquable", "NOTE : -2"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
}

TEST_F(FenetreImprime, TableauDeSignes)
{
    fenetre.montre_tableau_de_signes("(x-1)*(x+2)<0");
    EXPECT_EQ(fenetre.titre(), "Tableau de signes");
    fenetre.defile(1);   // no scrolling in a table
    EXPECT_EQ(fenetre.numero_page(), 1);
    fenetre.grab().save(QString::fromStdString((dossier_sorties() / "tableau_signes.png").string()));
    EXPECT_FALSE(surface_vide(fenetre));

    const std::string texte = imprime_et_lit(fenetre, "tableau_signes");
    for (const char *attendu : {"TABLEAU DE SIGNES", "Inéquation", "annule le facteur", "Signe de"})
        EXPECT_NE(texte.find(attendu), std::string::npos) << attendu << "\n" << texte;
}

TEST_F(FenetreImprime, TableauxDeToutesFormes)
{
    const char *inequations[] = {"x*(x-1)*(x+1)<=0", "(x-1)/(x+2)>0", "2*(x-3)>0", "x>0",
                                 "(3*x-1)*(2-x)/(x-7)>=0", "(x-1)^2*(x+3)<0",
                                 "-(x-1)*(x+2)<0"};
    int n = 0;
    for (const char *texte : inequations) {
        fenetre.montre_tableau_de_signes(texte);
        EXPECT_FALSE(surface_vide(fenetre)) << texte;
        fenetre.grab().save(QString::fromStdString(
            (dossier_sorties() / ("tableau_" + std::to_string(++n) + ".png")).string()));
    }
}

// A held arrow steps on by itself, never faster than every 80 ms, and stops
// when released. A loaded machine may step less often, never more.
TEST_F(FenetreImprime, FlecheTenueDefile)
{
    fenetre.montre_aide();
    auto *bas = fenetre.findChild<QWidget *>(QStringLiteral("BAS"));
    ASSERT_NE(bas, nullptr);
    QTest::mousePress(bas, Qt::LeftButton);
    QTest::qWait(400);
    QTest::mouseRelease(bas, Qt::LeftButton);
    const int page = fenetre.numero_page();
    EXPECT_GE(page, 3);   // the press, then at least one step while held
    EXPECT_LE(page, 7);
    QTest::qWait(200);
    EXPECT_EQ(fenetre.numero_page(), page);   // released: no more steps
    auto *haut = fenetre.findChild<QWidget *>(QStringLiteral("Haut"));
    QTest::mouseClick(haut, Qt::LeftButton);
    EXPECT_EQ(fenetre.numero_page(), page - 1);
}

TEST_F(FenetreImprime, TableauDUnEnonceQuiNEstPasUneInequation)
{
    for (const char *texte : {"2*x+1=0", "", "((((", "x^2+1<0"}) {
        fenetre.montre_tableau_de_signes(texte);
        EXPECT_TRUE(surface_vide(fenetre)) << texte;
    }
    const std::string texte = imprime_et_lit(fenetre, "sans_tableau");
    EXPECT_NE(texte.find("TABLEAU DE SIGNES"), std::string::npos);
    EXPECT_EQ(texte.find("Signe de"), std::string::npos);
    // Still usable: a real table shows next.
    fenetre.montre_tableau_de_signes("2*(x-1)>=0");
    EXPECT_FALSE(surface_vide(fenetre));
}

TEST_F(FenetreImprime, PagesDAideEtDefilement)
{
    fenetre.montre_aide();
    EXPECT_EQ(partage.page_aide, "intro_prof.alp");
    EXPECT_TRUE(fenetre.page_aide_trouvee());
    EXPECT_FALSE(fenetre.titre().isEmpty());
    const QString accueil = fenetre.titre();

    // The "Inéquations" "Degré 2" button opens the page with the upper-case I.
    auto *bouton = fenetre.findChild<QPushButton *>(QStringLiteral("SpeedButton7"));
    ASSERT_NE(bouton, nullptr);
    EXPECT_TRUE(bouton->isVisible());
    QTest::mouseClick(bouton, Qt::LeftButton);
    EXPECT_EQ(partage.page_aide, "Inequa2.alp");
    EXPECT_NE(fenetre.titre(), accueil);
    fenetre.grab().save(QString::fromStdString((dossier_sorties() / "aide.png").string()));

    // The teacher's index of the exercise bank has its own button.
    auto *index = fenetre.findChild<QPushButton *>(QStringLiteral("SpeedButton10"));
    ASSERT_NE(index, nullptr);
    QTest::mouseClick(index, Qt::LeftButton);
    EXPECT_EQ(partage.page_aide, "index_exercices.alp");
    EXPECT_TRUE(fenetre.page_aide_trouvee());
    fenetre.grab().save(QString::fromStdString((dossier_sorties() / "index_exercices.png").string()));
    QTest::mouseClick(bouton, Qt::LeftButton);

    // Down past the end: the surface empties and the number stops one past.
    int precedente = 0;
    for (int i = 0; i < 500 && fenetre.numero_page() != precedente; ++i) {
        precedente = fenetre.numero_page();
        fenetre.defile(1);
        fenetre.defile(1);
    }
    EXPECT_TRUE(surface_vide(fenetre));
    fenetre.defile(-1);
    fenetre.defile(-1);
    EXPECT_FALSE(surface_vide(fenetre));

    const std::string texte = imprime_et_lit(fenetre, "aide");
    EXPECT_FALSE(texte.empty());

    // Showing help again starts from the first page and its first line,
    // also when the window is only shown again with the flags set.
    fenetre.montre_aide();
    EXPECT_EQ(fenetre.titre(), accueil);
    EXPECT_EQ(fenetre.numero_page(), 1);
    fenetre.choisit_sujet(9);
    fenetre.defile(1);
    fenetre.hide();
    fenetre.show();
    EXPECT_EQ(fenetre.titre(), accueil);
    EXPECT_EQ(fenetre.numero_page(), 1);
}

TEST_F(FenetreImprime, PageAbsenteOuIllisible)
{
    fenetre.montre_aide();
    const QString titre = fenetre.titre();
    partage.dossier_programme = "/nonexistent/folder";
    fenetre.choisit_sujet(5);
    EXPECT_FALSE(fenetre.page_aide_trouvee());
    EXPECT_EQ(fenetre.titre(), titre);   // the previous title stays
    EXPECT_TRUE(surface_vide(fenetre));
    fenetre.defile(1);
    fenetre.choisit_sujet(0);
    fenetre.choisit_sujet(10);

    const fs::path dossier = dossier_sorties() / "binaire";
    fs::create_directories(dossier);
    std::string octets;
    for (int i = 0; i < 50000; ++i)
        octets += static_cast<char>((i * 2654435761u) >> 24);
    std::ofstream(dossier / "intro_prof.alp", std::ios::binary) << octets;
    partage.dossier_programme = dossier.string();
    fenetre.montre_aide();
    EXPECT_TRUE(fenetre.page_aide_trouvee());
    for (int i = 0; i < 5; ++i)
        fenetre.defile(1);
    (void)fenetre.grab();
    imprime_et_lit(fenetre, "binaire");

    EXPECT_FALSE(fenetre.imprime_pdf(QStringLiteral("/nonexistent/folder/page.pdf")));

    fenetre.Image2Click();
    EXPECT_FALSE(partage.mode_aide);
    EXPECT_FALSE(fenetre.isVisible());
}

}  // namespace
