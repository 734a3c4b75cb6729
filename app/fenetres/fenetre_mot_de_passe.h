#pragma once
// TForm6: the teacher password, asked at start and on the way back from
// pupil mode. The box shows a star for each character; a wrong password says
// "Mot de passe incorrect." and may be typed again; "Annuler" closes the window.

#include <functional>
#include <optional>
#include <string>

#include <QPointer>

#include "app/fenetres/couleurs.h"
#include "app/travail/mot_de_passe.h"
#include "app/travail/travail.h"

class QLabel;
class QLineEdit;
class QPushButton;

class TForm6 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm6(QWidget *parent = nullptr);

    // The main window, enabled again once the password is given.
    void setPrincipale(QWidget *principale) { principale_ = principale; }
    // Who judges what was typed (nothing for "Annuler"); by default the
    // stored password.
    void setReponse(std::function<Passe(const std::optional<std::string> &)> reponse)
    {
        reponse_ = std::move(reponse);
    }
    // Run once the window is closed, the password accepted or cancelled: the
    // main window puts the caret into its input box.
    void setAccepte(std::function<void()> accepte) { accepte_ = std::move(accepte); }
    // The message under the box, empty until a wrong password.
    QString message() const;

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
    void repond(const std::optional<std::string> &tape);

    TamponMotDePasse tampon_;
    QLineEdit *edit3_ = nullptr;
    QLabel *message_ = nullptr;
    QPointer<QWidget> principale_;
    std::function<Passe(const std::optional<std::string> &)> reponse_;
    std::function<void()> accepte_;
};
