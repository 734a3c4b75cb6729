#pragma once
// TForm7: the yes/no window. It shows a question, and tells its answer back.

#include <functional>
#include <string>

#include <QPointer>

#include "app/fenetres/couleurs.h"

class QLabel;

class TForm7 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm7(QWidget *parent = nullptr);

    // Receives the answer (true for "OUI") after the window has hidden and
    // re-enabled the main window.
    void setReponse(std::function<void(bool oui)> reponse) { reponse_ = std::move(reponse); }
    void setPrincipale(QWidget *principale) { principale_ = principale; }

    // Puts the question, disables the main window and shows the window centred.
    void demande(const std::string &question);
    QString question() const;

    void OUI();
    void NON();

    static constexpr int LARGEUR = 258, HAUTEUR = 131;

protected:
    // Closed by the desktop: the main window comes back and nothing is done.
    void closeEvent(QCloseEvent *e) override;
    void echappe() override { NON(); }

private:
    void repond(bool oui);

    QLabel *label1_ = nullptr;
    QPointer<QWidget> principale_;
    std::function<void(bool)> reponse_;
};
