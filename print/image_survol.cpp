#include "print/image_survol.h"

#include <utility>

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

namespace {

QColor couleur_trait(bool allume) { return allume ? QColor(0xFF, 0xD0, 0x40) : QColor(0xD8, 0xDC, 0xE8); }

void fleche(QPainter &p, QSize taille, bool allume, bool vers_le_haut)
{
    const qreal l = taille.width(), h = taille.height();
    QPainterPath triangle;
    if (vers_le_haut) {
        triangle.moveTo(l / 2, 3);
        triangle.lineTo(l - 2, h - 4);
        triangle.lineTo(2, h - 4);
    } else {
        triangle.moveTo(2, 4);
        triangle.lineTo(l - 2, 4);
        triangle.lineTo(l / 2, h - 3);
    }
    triangle.closeSubpath();
    p.setPen(QPen(Qt::black, 1));
    p.setBrush(allume ? QColor(0xF0, 0xA8, 0x30) : QColor(0x9A, 0x9A, 0xC0));
    p.drawPath(triangle);
}

}  // namespace

ImageSurvol::ImageSurvol(QSize taille, Dessin dessin, QWidget *parent)
    : QWidget(parent), taille_(taille), dessin_(std::move(dessin))
{
    resize(taille);
    setCursor(Qt::PointingHandCursor);
}

void ImageSurvol::allume(bool oui)
{
    if (allume_ != oui) {
        allume_ = oui;
        update();
    }
}

void ImageSurvol::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(width() / qreal(taille_.width()), height() / qreal(taille_.height()));
    dessin_(p, taille_, allume_);
}

void ImageSurvol::enterEvent(QEnterEvent *) { allume(true); }
void ImageSurvol::leaveEvent(QEvent *) { allume(false); }

void ImageSurvol::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton)
        emit appuye();
}

void ImageSurvol::mouseReleaseEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton)
        return;
    emit relache();
    if (rect().contains(evenement->position().toPoint()))
        emit clique();
}

void dessin_imprimante(QPainter &p, QSize taille, bool allume)
{
    const qreal l = taille.width(), h = taille.height();
    p.setPen(QPen(couleur_trait(allume), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRectF(l * 0.28, 2, l * 0.44, h * 0.35));             // paper in
    p.setBrush(allume ? QColor(0x80, 0x60, 0x20) : QColor(0x50, 0x50, 0x70));
    p.drawRoundedRect(QRectF(3, h * 0.35, l - 6, h * 0.42), 4, 4);   // body
    p.setBrush(Qt::white);
    p.drawRect(QRectF(l * 0.28, h * 0.62, l * 0.44, h * 0.34));      // paper out
}

void dessin_fermer(QPainter &p, QSize taille, bool allume)
{
    const qreal l = taille.width(), h = taille.height();
    p.setPen(QPen(couleur_trait(allume), 2));
    p.setBrush(allume ? QColor(0x80, 0x60, 0x20) : QColor(0x50, 0x50, 0x70));
    p.drawRect(QRectF(3, 3, l - 6, h - 6));                          // door
    p.setPen(QPen(couleur_trait(allume), 3));
    const qreal m = l * 0.3, haut = h / 2 - (l / 2 - m), bas = h / 2 + (l / 2 - m);
    p.drawLine(QPointF(m, haut), QPointF(l - m, bas));
    p.drawLine(QPointF(l - m, haut), QPointF(m, bas));
}

void dessin_fleche_haut(QPainter &p, QSize taille, bool allume) { fleche(p, taille, allume, true); }
void dessin_fleche_bas(QPainter &p, QSize taille, bool allume) { fleche(p, taille, allume, false); }
