#pragma once
// What the small windows share of their look: the conversion of the
// program's 0x02BBGGRR colours, the palette that matches the main window, the
// font, button faces, and a borderless window that the user moves by dragging its background.

#include <QColor>
#include <QFont>
#include <QGuiApplication>
#include <QLinearGradient>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QScreen>
#include <QWidget>

#include "core/partage.h"

// A colour written 0x02BBGGRR (the high byte is ignored).
inline QColor couleur_palette(Couleur c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

// The colours the small windows are drawn with, close to the main window's.
namespace palette {
inline const QColor fond(0x42, 0x42, 0x5A);
inline const QColor bord(0x9A, 0x9A, 0xC0);
inline const QColor trait(0xD8, 0xDC, 0xE8);
inline const QColor trait_allume(0x3A, 0x22, 0x08);
inline const QColor bouton_haut(0x6A, 0x6A, 0x8C), bouton_bas(0x48, 0x48, 0x64);
inline const QColor allume_haut(0xFF, 0xE6, 0x9A), allume_bas(0xF0, 0xA8, 0x30);
inline constexpr Couleur CREME = 0x02A0E0FF;      // the yes/no and password panels
inline constexpr Couleur SABLE = 0x00A0C0E0;      // the praise panel of the result
}

// The windows' font, `pixels` high.
inline QFont police_fenetre(int pixels, bool gras = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// A transparent picture of `taille` logical pixels, sharp at the density.
inline QPixmap toile(QSize taille, qreal densite)
{
    QPixmap p(taille * densite);
    p.setDevicePixelRatio(densite);
    p.fill(Qt::transparent);
    return p;
}

// The rounded face of a picture button: quiet when unlit, warm when lit; the
// painter's pen is left in the colour of the button's drawing.
inline void face_bouton(QPainter &p, const QRectF &r, bool allume)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, allume ? palette::allume_haut : palette::bouton_haut);
    g.setColorAt(1, allume ? palette::allume_bas : palette::bouton_bas);
    p.setPen(QPen(allume ? QColor(0xFF, 0xF4, 0xD0) : QColor(0x80, 0x80, 0xA4), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(allume ? palette::trait_allume : palette::trait, 1.6));
    p.setBrush(Qt::NoBrush);
}

inline void centre_sur_ecran(QWidget &fenetre)
{
    if (const QScreen *ecran = QGuiApplication::primaryScreen())
        fenetre.move(ecran->availableGeometry().center() - fenetre.rect().center());
}

// A window without frame; a press on its background (not on a child) and a
// drag move it.
class FenetreSansBord : public QWidget {
public:
    explicit FenetreSansBord(QWidget *parent = nullptr)
        : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
    {
    }

protected:
    void mousePressEvent(QMouseEvent *e) override
    {
        if (e->button() == Qt::LeftButton) {
            prise_ = e->globalPosition().toPoint() - frameGeometry().topLeft();
            glisse_ = true;
        }
        QWidget::mousePressEvent(e);
    }
    void mouseMoveEvent(QMouseEvent *e) override
    {
        if (glisse_ && (e->buttons() & Qt::LeftButton))
            move(e->globalPosition().toPoint() - prise_);
        QWidget::mouseMoveEvent(e);
    }
    void mouseReleaseEvent(QMouseEvent *e) override
    {
        glisse_ = false;
        QWidget::mouseReleaseEvent(e);
    }

private:
    QPoint prise_;
    bool glisse_ = false;
};
