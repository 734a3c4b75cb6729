#include "app/fenetres/principale_images.h"

#include <cmath>

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>

namespace {

const QColor FOND(0x42, 0x42, 0x5A);       // the window's colour
const QColor TRAIT_ETEINT(0xD8, 0xDC, 0xE8);
const QColor TRAIT_ALLUME(0x3A, 0x22, 0x08);

QFont police(int pixels, bool gras = true)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(pixels);
    f.setBold(gras);
    return f;
}

// A transparent picture of `taille` logical pixels for the density, and a
// painter on it in logical coordinates.
QPixmap toile(QSize taille, qreal densite)
{
    QPixmap p(taille * densite);
    p.setDevicePixelRatio(densite);
    p.fill(Qt::transparent);
    return p;
}

void prepare(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
}

// The rounded face of a button: cool and quiet when unlit, warm when lit.
void face(QPainter &p, const QRectF &r, bool allume)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    if (allume) {
        g.setColorAt(0, QColor(0xFF, 0xE6, 0x9A));
        g.setColorAt(1, QColor(0xF0, 0xA8, 0x30));
    } else {
        g.setColorAt(0, QColor(0x6A, 0x6A, 0x8C));
        g.setColorAt(1, QColor(0x48, 0x48, 0x64));
    }
    p.setPen(QPen(allume ? QColor(0xFF, 0xF4, 0xD0) : QColor(0x80, 0x80, 0xA4), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

void fleche(QPainter &p, QPointF pointe, qreal angle, qreal longueur)
{
    const qreal a1 = angle + 2.6, a2 = angle - 2.6;
    QPainterPath t;
    t.moveTo(pointe);
    t.lineTo(pointe + longueur * QPointF(std::cos(a1), std::sin(a1)));
    t.lineTo(pointe + longueur * QPointF(std::cos(a2), std::sin(a2)));
    t.closeSubpath();
    p.fillPath(t, p.pen().color());
}

void icone_sortir(QPainter &p, const QRectF &r)
{
    const QRectF porte(r.left() + 7, r.top() + 8, 12, r.height() - 16);
    p.drawRect(porte);
    p.drawLine(QPointF(porte.center().x(), porte.center().y()),
               QPointF(r.right() - 5, porte.center().y()));
    fleche(p, QPointF(r.right() - 3, porte.center().y()), 0, 6);
}

void icone_site(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    const qreal ray = std::min(r.width(), r.height()) / 2 - 7;
    p.drawEllipse(c, ray, ray);
    p.drawEllipse(c, ray * 0.45, ray);
    p.drawLine(QPointF(c.x() - ray, c.y()), QPointF(c.x() + ray, c.y()));
    p.drawLine(QPointF(c.x(), c.y() - ray), QPointF(c.x(), c.y() + ray));
}

void icone_resume(QPainter &p, const QRectF &r)
{
    const QRectF page(r.left() + 8, r.top() + 6, 16, r.height() - 12);
    p.drawRect(page);
    for (qreal y = page.top() + 6; y < page.bottom() - 3; y += 5)
        p.drawLine(QPointF(page.left() + 3, y), QPointF(page.right() - 3, y));
    p.setFont(police(10));
    p.drawText(QRectF(page.right() + 2, r.top(), r.right() - page.right() - 4, r.height()),
               Qt::AlignCenter, QStringLiteral("Σ"));
}

void icone_recommencer(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    const qreal ray = std::min(r.width(), r.height()) / 2 - 9;
    const QRectF cercle(c.x() - ray, c.y() - ray, 2 * ray, 2 * ray);
    p.setBrush(Qt::NoBrush);
    p.drawArc(cercle, 60 * 16, 290 * 16);
    const qreal a = -60 * M_PI / 180;
    fleche(p, c + ray * QPointF(std::cos(a), std::sin(a)) + QPointF(1, -2), -0.5, 7);
}

void icone_effacer(QPainter &p, const QRectF &r)
{
    QPainterPath forme;
    const qreal h = r.height() - 6, y = r.top() + 3, g = r.left() + 14, d = r.right() - 14;
    forme.moveTo(g - 7, y + h / 2);
    forme.lineTo(g, y);
    forme.lineTo(d, y);
    forme.lineTo(d, y + h);
    forme.lineTo(g, y + h);
    forme.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(forme);
    const QPointF c((g + d) / 2 + 1, y + h / 2);
    p.drawLine(c + QPointF(-4, -4), c + QPointF(4, 4));
    p.drawLine(c + QPointF(-4, 4), c + QPointF(4, -4));
}

void icone_parametres(QPainter &p, const QRectF &r)
{
    const QPointF c = r.center();
    p.save();
    p.translate(c);
    for (int i = 0; i < 8; ++i) {
        p.drawLine(QPointF(0, -7), QPointF(0, -10));
        p.rotate(45);
    }
    p.restore();
    p.drawEllipse(c, 7, 7);
    p.drawEllipse(c, 2.5, 2.5);
}

void icone_texte(QPainter &p, const QRectF &r, const QString &texte, int taille)
{
    p.setFont(police(taille));
    p.drawText(r, Qt::AlignCenter, texte);
}

void icone_charger(QPainter &p, const QRectF &r)
{
    QPainterPath dossier;
    const qreal g = r.left() + 6, d = r.right() - 6, h = r.top() + 9, b = r.bottom() - 8;
    dossier.moveTo(g, b);
    dossier.lineTo(g, h);
    dossier.lineTo(g + 7, h);
    dossier.lineTo(g + 9, h + 3);
    dossier.lineTo(d, h + 3);
    dossier.lineTo(d, b);
    dossier.closeSubpath();
    p.setBrush(Qt::NoBrush);
    p.drawPath(dossier);
    p.drawLine(QPointF(g, h + 7), QPointF(d, h + 7));
}

// A sunken frame of the background, behind a group of controls.
void cuvette(QPainter &p, const QRectF &r)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(0x30, 0x30, 0x44));
    g.setColorAt(1, QColor(0x3A, 0x3A, 0x52));
    p.setPen(QPen(QColor(0x72, 0x72, 0x98), 1));
    p.setBrush(g);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 8, 8);
}

} // namespace

QColor couleur_qt(Couleur c)
{
    return QColor(static_cast<int>(c & 0xFF), static_cast<int>((c >> 8) & 0xFF),
                  static_cast<int>((c >> 16) & 0xFF));
}

QPixmap dessine_fond(const Disposition &d, qreal densite)
{
    QPixmap image = toile(d.client, densite);
    QPainter p(&image);
    prepare(p);
    const QRectF tout(QPointF(0, 0), QSizeF(d.client));
    QLinearGradient g(tout.topLeft(), tout.bottomLeft());
    g.setColorAt(0, FOND.lighter(118));
    g.setColorAt(0.5, FOND);
    g.setColorAt(1, FOND.darker(125));
    p.fillRect(tout, g);
    p.setPen(QPen(QColor(0x9A, 0x9A, 0xC0), 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tout.adjusted(1, 1, -1, -1), 10, 10);

    // Frames behind the groups of controls.
    const Decalages &o = d.decalages;
    cuvette(p, QRectF(o.dx_haut + 18, o.dy_haut + 20, 74, 80));
    cuvette(p, QRectF(QPointF(d.panel22) - QPointF(4, 4), QSizeF(d.largeur_panel22 + 8, 317)));
    cuvette(p, QRectF(QPointF(d.panel2) - QPointF(4, 4), QSizeF(369 + 34, 342)));
    cuvette(p, QRectF(o.dx_bas + 22, o.dy_bas + 409, 192, 55));
    cuvette(p, QRectF(QPointF(d.panel21) - QPointF(3, 3), QSizeF(79, 82)));

    p.setPen(QColor(0xC8, 0xC8, 0xE0));
    p.setFont(police(10));
    p.drawText(QRectF(o.dx_haut + 18, o.dy_haut + 4, 120, 14), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Vivezezi"));
    return image;
}

QPixmap dessine_bouton(BoutonCadre bouton, bool allume, qreal densite)
{
    const QSize taille = taille_bouton(bouton);
    QPixmap image = toile(taille, densite);
    QPainter p(&image);
    prepare(p);
    const QRectF r(QPointF(0, 0), QSizeF(taille));
    face(p, r, allume);
    p.setPen(QPen(allume ? TRAIT_ALLUME : TRAIT_ETEINT, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (bouton) {
    case BoutonCadre::sortir: icone_sortir(p, r); break;
    case BoutonCadre::site: icone_site(p, r); break;
    case BoutonCadre::resume: icone_resume(p, r); break;
    case BoutonCadre::recommencer: icone_recommencer(p, r); break;
    case BoutonCadre::effacer: icone_effacer(p, r); break;
    case BoutonCadre::visualiser: icone_parametres(p, r); break;
    case BoutonCadre::aide: icone_texte(p, r, QStringLiteral("?"), 20); break;
    case BoutonCadre::domaine: icone_texte(p, r, QStringLiteral("Df"), 13); break;
    case BoutonCadre::charger: icone_charger(p, r); break;
    case BoutonCadre::aucun: break;
    }
    return image;
}

QPixmap dessine_modeles(int allume, qreal densite)
{
    QPixmap image = toile(QSize(73, 76), densite);
    QPainter p(&image);
    prepare(p);
    struct Modele {
        int numero;
        QRectF place;
    };
    const Modele modeles[] = {{8, {4, 5, 32, 33}}, {9, {39, 5, 32, 33}},
                              {6, {4, 40, 32, 33}}, {29, {39, 40, 32, 33}}};
    for (const Modele &m : modeles) {
        const bool lit = m.numero == allume;
        face(p, m.place, lit);
        p.setPen(lit ? TRAIT_ALLUME : TRAIT_ETEINT);
        switch (m.numero) {
        case 8: icone_texte(p, m.place, QStringLiteral("≤"), 18); break;
        case 9: icone_texte(p, m.place, QStringLiteral("≥"), 18); break;
        case 6: icone_texte(p, m.place, QStringLiteral("√"), 18); break;
        default: {
            p.setFont(police(16, false));
            p.drawText(m.place.adjusted(6, 6, -10, 0), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("x"));
            p.setFont(police(10, false));
            p.drawText(m.place.adjusted(17, 4, 0, -12), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("n"));
        }
        }
    }
    return image;
}

QPixmap dessine_fleche(bool haut, qreal densite)
{
    QPixmap image = toile(QSize(20, 16), densite);
    QPainter p(&image);
    prepare(p);
    QPainterPath t;
    if (haut) {
        t.moveTo(10, 2);
        t.lineTo(18, 14);
        t.lineTo(2, 14);
    } else {
        t.moveTo(2, 2);
        t.lineTo(18, 2);
        t.lineTo(10, 14);
    }
    t.closeSubpath();
    QLinearGradient g(0, 0, 0, 16);
    g.setColorAt(0, QColor(0xFF, 0xE6, 0x9A));
    g.setColorAt(1, QColor(0xE0, 0x98, 0x28));
    p.setPen(QPen(QColor(0x5A, 0x3A, 0x10), 1));
    p.setBrush(g);
    p.drawPath(t);
    return image;
}
