#pragma once
// The main window drawn at any size: the controls' places and fonts are kept
// as laid out at the design size, and the whole layout is multiplied by one
// factor and centred in the window.

#include <vector>

#include <QFont>
#include <QPointer>
#include <QRect>
#include <QSize>
#include <QWidget>

class Echelle {
public:
    // The factor that fits the design size into `zone`, and the one the
    // window opens with: the design size, larger on a large screen, smaller
    // when the screen is too small for it.
    static qreal pour_zone(QSize dessin, QSize zone);
    static qreal a_l_ouverture(QSize dessin, QSize zone);

    // Remembers the places and fonts of every control of `fenetre`, laid out
    // at the design size `dessin`. Controls marked hors_echelle are left alone.
    void retient(QWidget &fenetre, QSize dessin);
    // Lays the controls out for the window's present size.
    void applique(QWidget &fenetre);
    // Puts the controls back at their design places and fonts.
    void remet();

    qreal facteur() const { return facteur_; }
    QPoint origine() const { return origine_; }
    QSize dessin() const { return dessin_; }
    // A window point in design units, and back.
    QPoint vers_dessin(QPointF point) const;
    QPoint vers_fenetre(QPoint point) const;

private:
    struct Place {
        QPointer<QWidget> controle;
        QRect rect;
        QFont police;
    };
    std::vector<Place> places_;
    QSize dessin_;
    qreal facteur_ = 1;
    QPoint origine_;
};
