#pragma once
// TForm5 "MODE PROFESSEUR": the teacher edits the helps, the expected answers
// or the variables of the current exercise as a table. The main window sets
// `mode_grille` (1 helps, 2 answers, 3 variables) and shows the window; it is
// disabled until "OK" or "ANNULER" closes this one. An answer cell is typed in
// the argument window, which writes it back through `ecrit_cellule`.

#include <functional>
#include <string>
#include <vector>

#include "app/fenetres/couleurs.h"

class Grille;
class QLabel;
class QPushButton;
class QTableWidget;

class TForm5 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm5(QWidget *parent = nullptr);

    // The window disabled while this one is shown.
    void setPrincipale(QWidget *principale) { principale_ = principale; }
    // The argument window that edits an answer cell; it disables this window
    // while it is shown and calls `ecrit_cellule` when validated.
    void setArgument(QWidget *form2) { form2_ = form2; }
    // The items of the main window's help list: the help titles by slot, then
    // "AIDE(S)"; "OK" in the helps mode rewrites them.
    void setListeAides(std::vector<std::string> *liste) { liste_aides_ = liste; }
    // Run after "OK" (true) or "ANNULER" (false), once the window is hidden,
    // so that the main window shows what changed.
    void setRetour(std::function<void(bool ok)> retour) { retour_ = std::move(retour); }

    // Sets the editing mode and shows the window.
    void montre(int mode);
    // The text typed in the argument window goes into the remembered cell.
    void ecrit_cellule(const std::string &texte);

    void SpeedButton1Click();   // OK
    void SpeedButton2Click();   // ANNULER
    void SpeedButton3Click();   // SUPPRIMER
    void SpeedButton4Click();   // INSERER
    // A click on a cell of the helps and answers table.
    void StringGrid1Click(int ligne, int colonne);

    QTableWidget *StringGrid1() const { return grille1_; }
    QTableWidget *StringGrid2() const { return grille2_; }
    QPushButton *SpeedButton3() const { return supprimer_; }
    QPushButton *SpeedButton4() const { return inserer_; }

protected:
    void showEvent(QShowEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;

private:
    void FormShow();
    void ferme(bool ok);
    void vers_tableau(const Grille &grille, QTableWidget &tableau);
    Grille depuis_tableau(const QTableWidget &tableau) const;

    QTableWidget *grille1_ = nullptr, *grille2_ = nullptr;
    // The grids' heights as laid out, every row in view.
    int hauteur_grille1_ = 0, hauteur_grille2_ = 0;
    // The grids shortened, their rows scrolled, when the screen is too low
    // for the whole window.
    void tient_dans_l_ecran();
    QPushButton *ok_ = nullptr, *annuler_ = nullptr, *supprimer_ = nullptr, *inserer_ = nullptr;
    QLabel *titre_ = nullptr;
    QWidget *principale_ = nullptr, *form2_ = nullptr;
    std::vector<std::string> *liste_aides_ = nullptr;
    std::function<void(bool)> retour_;
    int ligne_cellule_ = -1, colonne_cellule_ = -1;   // the answer cell being typed
};
