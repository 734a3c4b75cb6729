#pragma once
// TForm3 "Paramètres": the seven exercise options and the factoring of
// trinomials by their discriminant, the action panels the pupil may use in
// the exercise, the folder of the sibling
// geometry program and the teacher password. "OK" applies the options to the
// current exercise; "SAUVEGARDER" also writes them, with the folder and the
// password, to the configuration file as the program's defaults.

#include <array>
#include <functional>

#include <QString>

#include "app/fenetres/couleurs.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;

class TForm3 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm3(QWidget *parent = nullptr);

    // The window disabled while this one is shown.
    void setPrincipale(QWidget *principale) { principale_ = principale; }
    // How a folder is chosen from a starting folder (empty result: cancelled);
    // the system's folder dialog by default.
    void setChoixDossier(std::function<QString(QWidget *, const QString &)> choix)
    {
        choix_dossier_ = std::move(choix);
    }
    // Run once the window is hidden (after any of its three buttons).
    void setRetour(std::function<void()> retour) { retour_ = std::move(retour); }

    void FormActivate();        // fields and boxes from the shared record
    void Image3Click();         // the folder dialog
    void SpeedButton1Click();   // OK
    void SpeedButton2Click();   // SAUVEGARDER
    void SpeedButton3Click();   // ANNULER

    // CheckBox1 .. CheckBox8.
    QCheckBox *CheckBox(int numero) const { return cases_.at(static_cast<std::size_t>(numero - 1)); }
    // The box of action panel k (window order, from 0): the pupil may use it.
    QCheckBox *CasePanneau(int k) const { return panneaux_.at(static_cast<std::size_t>(k)); }
    QLineEdit *Edit1() const { return edit1_; }
    QLineEdit *Edit2() const { return edit2_; }
    // What the window last told the user (a failed save), empty for none.
    const QString &dernier_message() const { return dernier_message_; }

protected:
    void showEvent(QShowEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;

private:
    void prend_options();
    void ferme();

    // Tells the user, in a box over `parent`, and keeps it in dernier_message.
    void previent(const QString &message, QWidget *parent);

    std::array<QCheckBox *, 8> cases_{};
    std::array<QCheckBox *, 12> panneaux_{};
    QString dossier_affiche_;   // the folder as FormActivate showed it
    QLineEdit *edit1_ = nullptr, *edit2_ = nullptr;
    QWidget *principale_ = nullptr;
    std::function<QString(QWidget *, const QString &)> choix_dossier_;
    std::function<void()> retour_;
    QString dernier_message_;
};
