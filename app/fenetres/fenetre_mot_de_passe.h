#pragma once
// TForm6: the password asked at every start. The box shows a star for each
// character; a wrong password or "Annuler" ends the program.

#include <functional>

#include <QPointer>

#include "app/fenetres/couleurs.h"
#include "app/travail/mot_de_passe.h"

class QLineEdit;
class QPushButton;

class TForm6 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    // The main window, enabled again once the password is given.
    void setPrincipale(QWidget *principale) { principale_ = principale; }
    // Right password: the main window puts the caret into its input box.
    void setAccepte(std::function<void()> accepte) { accepte_ = std::move(accepte); }
    // Wrong password or "Annuler": ends the program (by default the
    // application quits).
    void setTermine(std::function<void()> termine) { termine_ = std::move(termine); }

    const std::string &tampon() const { return tampon_.tampon(); }
    QLineEdit &boite() const { return *edit3_; }

    void valide();    // Enter and "OK"
    void Annuler();   // "Annuler"

    static constexpr int LARGEUR = 216, HAUTEUR = 128;

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    // Escape is no "Annuler": that one ends the program.
    void echappe() override {}
    bool eventFilter(QObject *objet, QEvent *e) override;
    void closeEvent(QCloseEvent *e) override;   // closed by the desktop: as "Annuler"

private:
    void termine();

    TamponMotDePasse tampon_;
    QLineEdit *edit3_ = nullptr;
    QPointer<QWidget> principale_;
    std::function<void()> accepte_, termine_;
};
