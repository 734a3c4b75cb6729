#pragma once
// TForm4: the result of the pupil's answer: the comment, the praise (or the
// mark so far after a wrong answer), the mark, what was taken off it, and a
// close button.

#include <QPixmap>
#include <QStringList>

#include "app/fenetres/couleurs.h"

class QLabel;

class TForm4 : public FenetreSansBord {
    Q_OBJECT

public:
    explicit TForm4(QWidget *parent = nullptr);

    // What the window shows (Label1, Label4, Label2).
    QString commentaire() const;
    QString felicitations() const;
    QString note() const;
    bool note_visible() const;
    bool fermer_visible() const;   // Image2
    QStringList retenues() const;  // what was taken off, one line each

    static constexpr int LARGEUR = 320, HAUTEUR = 158;

protected:
    void showEvent(QShowEvent *e) override;   // FormShow
    void paintEvent(QPaintEvent *e) override;
    void mousePressEvent(QMouseEvent *e) override;
    void mouseMoveEvent(QMouseEvent *e) override;
    void leaveEvent(QEvent *e) override;
    void keyPressEvent(QKeyEvent *e) override;   // Enter or Space closes, as Escape does

private:
    QLabel *label1_ = nullptr, *label2_ = nullptr, *label3_ = nullptr, *label4_ = nullptr,
           *retenues_ = nullptr;
    bool fermer_ = false;
    QPixmap fond_, fermer_image_;
};
