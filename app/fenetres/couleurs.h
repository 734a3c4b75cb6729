#pragma once
// What the small windows share of their look: the conversion of the
// program's 0x02BBGGRR colours, the palette that matches the main window, the
// font, button faces, and a borderless window that the user moves by dragging its background.

#include <algorithm>

#include <QColor>
#include <QFont>
#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
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

// The main window when it is shown, else null.
inline QWidget *principale_montree()
{
    for (QWidget *w : QApplication::topLevelWidgets())
        if (w->objectName() == QLatin1String("Form1") && w->isVisible())
            return w;
    return nullptr;
}

// The screen of the main window when it is shown, else the primary screen.
inline const QScreen *ecran_de_la_principale()
{
    const QWidget *principale = principale_montree();
    return principale ? principale->screen() : QGuiApplication::primaryScreen();
}

// Centres a window over the main window when it is shown, else on the
// screen, and keeps it inside the screen's available area.
inline void centre_sur_principale(QWidget &fenetre)
{
    const QWidget *principale = principale_montree();
    const QScreen *ecran = ecran_de_la_principale();
    if (!ecran)
        return;
    const QRect zone = ecran->availableGeometry();
    QPoint coin = (principale ? principale->frameGeometry().center() : zone.center()) - fenetre.rect().center();
    coin.setX(std::clamp(coin.x(), zone.left(), std::max(zone.left(), zone.right() + 1 - fenetre.width())));
    coin.setY(std::clamp(coin.y(), zone.top(), std::max(zone.top(), zone.bottom() + 1 - fenetre.height())));
    fenetre.move(coin);
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
    // Escape does what closing the window does, unless the window says otherwise.
    virtual void echappe() { close(); }
    // Where the window opens: centred over the main window unless it is placed by its opener.
    bool centree_ = true;

    void showEvent(QShowEvent *e) override
    {
        if (centree_)
            centre_sur_principale(*this);
        QWidget::showEvent(e);
    }
    // The keyboard goes back to the main window when it is usable again.
    void hideEvent(QHideEvent *e) override
    {
        QWidget::hideEvent(e);
        if (QWidget *principale = principale_montree(); principale && principale->isEnabled())
            principale->activateWindow();
    }
    void keyPressEvent(QKeyEvent *e) override
    {
        if (e->key() == Qt::Key_Escape && e->modifiers() == Qt::NoModifier) {
            echappe();
            return;
        }
        QWidget::keyPressEvent(e);
    }
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
