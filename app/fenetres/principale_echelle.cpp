#include "app/fenetres/principale_echelle.h"

#include <algorithm>
#include <cmath>

#include <QAbstractScrollArea>
#include <QComboBox>

namespace {

// The inner parts of a list or of a text box are laid out by their owner.
bool place_par_son_proprietaire(const QWidget &w, const QWidget &fenetre)
{
    for (const QWidget *p = w.parentWidget(); p && p != &fenetre; p = p->parentWidget())
        if (qobject_cast<const QComboBox *>(p) || qobject_cast<const QAbstractScrollArea *>(p))
            return true;
    return false;
}

QFont police_mise_a_l_echelle(QFont police, qreal facteur)
{
    if (police.pixelSize() > 0)
        police.setPixelSize(std::max(1, static_cast<int>(std::lround(police.pixelSize() * facteur))));
    else
        police.setPointSizeF(std::max(1.0, police.pointSizeF() * facteur));
    return police;
}

} // namespace

qreal Echelle::pour_zone(QSize dessin, QSize zone)
{
    if (dessin.isEmpty() || zone.isEmpty())
        return 1;
    return std::min(zone.width() / qreal(dessin.width()), zone.height() / qreal(dessin.height()));
}

qreal Echelle::a_l_ouverture(QSize dessin, QSize zone)
{
    const qreal tient = pour_zone(dessin, zone);
    // A large screen shows the window larger, leaving room around it.
    return std::min(tient, std::max(1.0, 0.75 * tient));
}

void Echelle::retient(QWidget &fenetre, QSize dessin)
{
    dessin_ = dessin;
    places_.clear();
    for (QWidget *w : fenetre.findChildren<QWidget *>()) {
        if (w->window() != &fenetre || w->property("hors_echelle").toBool() || place_par_son_proprietaire(*w, fenetre))
            continue;
        places_.push_back({w, w->geometry(), w->font()});
    }
}

void Echelle::applique(QWidget &fenetre)
{
    facteur_ = pour_zone(dessin_, fenetre.size());
    origine_ = QPoint(static_cast<int>((fenetre.width() - dessin_.width() * facteur_) / 2),
                      static_cast<int>((fenetre.height() - dessin_.height() * facteur_) / 2));
    for (const Place &p : places_) {
        if (!p.controle)
            continue;
        // Children of a scaled control are placed in its scaled frame: only
        // the window's own children move by the origin.
        const QPoint decalage = p.controle->parentWidget() == &fenetre ? origine_ : QPoint();
        const QPoint coin(static_cast<int>(std::lround(p.rect.x() * facteur_)),
                          static_cast<int>(std::lround(p.rect.y() * facteur_)));
        const QPoint fin(static_cast<int>(std::lround((p.rect.x() + p.rect.width()) * facteur_)),
                         static_cast<int>(std::lround((p.rect.y() + p.rect.height()) * facteur_)));
        p.controle->setGeometry(QRect(coin + decalage, fin + decalage - QPoint(1, 1)));
        p.controle->setFont(police_mise_a_l_echelle(p.police, facteur_));
    }
}

void Echelle::remet()
{
    for (const Place &p : places_)
        if (p.controle) {
            p.controle->setGeometry(p.rect);
            p.controle->setFont(p.police);
        }
    facteur_ = 1;
    origine_ = QPoint();
}

QPoint Echelle::vers_dessin(QPointF point) const
{
    return ((point - QPointF(origine_)) / facteur_).toPoint();
}

QPoint Echelle::vers_fenetre(QPoint point) const
{
    return (QPointF(point) * facteur_).toPoint() + origine_;
}
