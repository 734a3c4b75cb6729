#pragma once
// TImprime, the print window: one page surface that shows the exercise
// summary, the sign table of an inequation or a help page, scrolls it with
// two arrows (held down, they repeat every 80 ms) and prints it on one A4
// page through the system's print dialog or straight into a PDF file.
// What it shows follows the shared flags mode_aide and mode_tableau_signes.

#include <functional>
#include <string>
#include <vector>

#include <QString>
#include <QTimer>
#include <QWidget>

#include "app/fenetres/principale_echelle.h"
#include "print/page_aide.h"
#include "print/resume.h"
#include "algebra/tableau_signes.h"

class QLabel;
class QPainter;
class QPrinter;
class QPushButton;
class QGroupBox;
class ImageSurvol;

class TImprime : public QWidget {
    Q_OBJECT

public:
    explicit TImprime(QWidget *parent = nullptr);
    ~TImprime() override;

    // What the main window calls. Each sets the shared flags, resets the page
    // number and shows the window. Showing the window by itself shows what
    // the shared flags ask for, with the inequation and help titles last given.
    // The sign table of `inequation` (the current step).
    void montre_tableau_de_signes(const std::string &inequation);
    // The summary of the exercise; `titres_aides` are the items of the help list.
    void montre_resume(const std::vector<std::string> &titres_aides = {});
    // The help pages, starting with "intro_prof.alp".
    void montre_aide();

    // Where the pupil's copy comes from. In pupil mode the window shows and
    // prints that copy instead of the summary, which holds the expected
    // answers; without a source it shows nothing there.
    void setCopie(std::function<std::vector<LigneResume>()> copie) { copie_ = std::move(copie); }
    // The copy's file name, proposed when it is printed to a file.
    void setNomCopie(std::function<QString()> nom) { nom_copie_ = std::move(nom); }
    // How many pages the last printing took.
    int pages_imprimees() const { return pages_imprimees_; }

    // The inequation and the help titles the next drawings use.
    void definit_inequation(const std::string &inequation);
    void definit_titres_aides(const std::vector<std::string> &titres) { titres_aides_ = titres; }

    // Prints the page of the current mode through the print dialog.
    void print1Click();
    // Prints the page of the current mode into a PDF file (A4), no dialog;
    // the pupil's copy takes as many pages as it needs.
    // False when the file could not be written.
    bool imprime_pdf(const QString &chemin);
    // Leaves help mode and hides the window.
    void Image2Click();

    // Scrolling by one line or one page: -1 up, +1 down.
    void defile(int pas);
    // Help topic buttons 1 to 9 (the topic table's order); other numbers do nothing.
    void choisit_sujet(int bouton);

    int numero_page() const { return page_; }
    QString titre() const;
    // True when the last drawing of a help page found its file.
    bool page_aide_trouvee() const { return page_trouvee_; }

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    void hideEvent(QHideEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    // Escape closes, the arrows scroll, Ctrl+P prints.
    void keyPressEvent(QKeyEvent *evenement) override;

private:
    void montre();
    void prepare_affichage();
    void charge_page_aide();
    // Draws the page of the current mode with the layout's origin at the top
    // left of the window; on paper the caller scales the painter.
    void dessine_page(QPainter &p, bool impression);
    bool imprime_sur(QPrinter &imprimante);
    bool imprime_copie_sur(QPrinter &imprimante);
    bool copie_montree() const;
    std::vector<LigneResume> lignes_copie() const;
    void repetition();
    // The window at its design size, or smaller to fit a small screen.
    void tient_dans_l_ecran();

    Echelle echelle_;
    QLabel *label1_ = nullptr;
    QWidget *panel1_ = nullptr;
    QWidget *panel2_ = nullptr;
    ImageSurvol *imprimer_ = nullptr;
    ImageSurvol *fermer_ = nullptr;
    ImageSurvol *haut_ = nullptr;
    ImageSurvol *bas_ = nullptr;
    std::vector<QPushButton *> sujets_;
    std::vector<QGroupBox *> groupes_;
    QTimer repetition_;
    int pas_repete_ = 0;
    int page_ = 1;
    bool page_trouvee_ = false;
    PageAide page_aide_;
    double bas_dessin_ = 0;   // lowest y of the last drawing, in layout units
    std::string inequation_;
    TableauSignes tableau_;
    std::vector<std::string> titres_aides_;
    std::function<std::vector<LigneResume>()> copie_;
    std::function<QString()> nom_copie_;
    int pages_imprimees_ = 0;
};
