#pragma once
// TForm2: the small window where an argument, the pupil's answer, a cell of
// the teacher's grid or the domain of definition is typed. Its logic lives in
// FenetreArgument; the window draws, lights its pictures under the mouse and
// calls its opener back.

#include <array>
#include <functional>
#include <optional>
#include <string>

#include <QPixmap>
#include <QPointer>

#include "app/fenetres/couleurs.h"
#include "app/travail/intervalles.h"

class MthX;
class QKeyEvent;

class TForm2 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm2(QWidget *parent = nullptr);

    // The main window's affiche, run on the typed text when the window is
    // validated outside a domain or grid entry.
    void setAffiche(std::function<void(const std::string &)> affiche) { affiche_ = std::move(affiche); }
    // Told when the window is cancelled (optional).
    void setAnnule(std::function<void()> annule) { annule_ = std::move(annule); }
    // Writes the typed text into the remembered cell of the teacher's grid.
    void setEcritCellule(std::function<void(const std::string &)> ecrit) { ecrit_cellule_ = std::move(ecrit); }
    // The window disabled while this one is shown: the main window, or the
    // teacher's grid window when the entry comes from it.
    void setOuvreur(QWidget *principale) { principale_ = principale; }
    void setGrille(QWidget *grille) { grille_ = grille; }

    MthX &boite() const { return *mthx1_; }

    void Terminer();               // validate (Image2, Enter)
    void annule();                 // Image3
    void modele(int image);        // Image4 .. Image7: root, power, fraction, "et"
    void intervalle(int image);    // Image9 .. Image13
    void reponse(int image);       // Image14 .. Image16: "∅", "ℝ", "ou"
    // The picture lit under the mouse (2 .. 16), 0 for none.
    int image_eclairee() const { return eclairee_; }
    bool barre_visible() const { return barre_; }
    bool boutons_reponse_visibles() const { return reponse_; }

    // The window is taller by ECART_REPONSE when it shows the answer buttons.
    static constexpr int LARGEUR = 186, HAUTEUR = 157, ECART_REPONSE = 26;

protected:
    void showEvent(QShowEvent *e) override;
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;   // closed by the desktop: cancelled
    void echappe() override { annule(); }

private:
    bool filtre(MthX &boite, QKeyEvent &touche);
    void eclaire(QPoint point);
    int image_sous(QPoint point) const;
    QPoint coin(int image) const;   // where a picture is drawn, below the answer buttons or not
    void rend_la_main(const SuiteArgument &suite);
    void tape(const Message &message);
    void montre(const Saisie &saisie);   // the box's text and caret
    void remplace_selection();

    FenetreArgument logique_;
    MthX *mthx1_ = nullptr;
    QPointer<QWidget> principale_, grille_;
    std::function<void(const std::string &)> affiche_, ecrit_cellule_;
    std::function<void()> annule_;
    bool barre_ = false, reponse_ = false;
    int eclairee_ = 0;
    std::array<QPixmap, 17> eteintes_, allumees_;   // by picture number
    QPixmap fond_, fond_reponse_, barre_image_;
};
