#include "formula/widget/boites.h"

#include <algorithm>
#include <cmath>

#include <QPainter>
#include <QPainterPath>

namespace dessin {

namespace {

// Vertical offsets fall on whole units, so that bars and text sit on the
// pixel grid of an ordinary screen.
qreal arrondi(qreal y) { return std::round(y); }

QPen plume(const QPainter &p, qreal largeur, Qt::PenCapStyle bout = Qt::FlatCap)
{
    return QPen(p.pen().color(), largeur, Qt::SolidLine, bout, Qt::MiterJoin);
}

qreal largeur_delimiteur(Delimiteur genre, const Style &style, qreal demi_hauteur)
{
    const qreal em = style.em;
    switch (genre) {
    case Delimiteur::aucun:
        return 0;
    case Delimiteur::parenthese_gauche:
    case Delimiteur::parenthese_droite:
        return std::min(0.33 * em + 0.08 * std::max<qreal>(0, demi_hauteur - 0.62 * em), 0.7 * em);
    case Delimiteur::crochet_gauche:
    case Delimiteur::crochet_droit:
        return 0.32 * em;
    case Delimiteur::barre:
        return 0.24 * em;
    case Delimiteur::accolade_gauche:
    case Delimiteur::accolade_droite:
        return std::min(0.45 * em + 0.05 * std::max<qreal>(0, demi_hauteur - 0.62 * em), 0.8 * em);
    }
    return 0;
}

bool a_gauche(Delimiteur genre)
{
    return genre == Delimiteur::parenthese_gauche || genre == Delimiteur::crochet_gauche ||
           genre == Delimiteur::accolade_gauche;
}

} // namespace

Boite::~Boite() = default;

void Boite::ajoute_enfant(std::unique_ptr<Boite> enfant, QPointF decalage)
{
    enfants_.push_back({std::move(enfant), decalage});
}

void Boite::dessine(QPainter &p, QPointF origine, const QColor &couleur, const QRectF &visible) const
{
    const qreal debord = etendue_.montee + etendue_.descente; // italic overhangs, strokes
    if (!visible.isNull() &&
        !QRectF(origine.x() - debord, origine.y() - etendue_.montee - debord, etendue_.largeur + 2 * debord, 3 * debord)
             .intersects(visible))
        return;
    QColor c = couleur;
    if (estompee)
        c.setAlphaF(c.alphaF() * 0.35f);
    p.setPen(QPen(c));
    p.setBrush(Qt::NoBrush);
    dessine_decor(p, origine, visible);
    for (const Enfant &e : enfants_)
        e.boite->dessine(p, origine + e.decalage, c, visible);
}

void Boite::parcourt(QPointF origine, const std::function<bool(const Boite &, QPointF)> &visite) const
{
    if (!visite(*this, origine))
        return;
    for (const Enfant &e : enfants_)
        e.boite->parcourt(origine + e.decalage, visite);
}

// --- text

BoiteTexte::BoiteTexte(const QString &texte, const Style &style, qreal marge_gauche, qreal marge_droite,
                       std::vector<int> octets)
    : texte_(texte), police_(style.police), marge_gauche_(marge_gauche), octets_(std::move(octets))
{
    avances_.reserve(static_cast<std::size_t>(texte.size()) + 1);
    qreal x = marge_gauche;
    avances_.push_back(x);
    for (QChar c : texte) {
        x += c.isSurrogate() ? 0 : style.metriques.horizontalAdvance(c);
        avances_.push_back(x);
    }
    // Characters outside the basic plane are measured as a whole at the end.
    if (std::any_of(texte.begin(), texte.end(), [](QChar c) { return c.isSurrogate(); })) {
        x = marge_gauche + style.metriques.horizontalAdvance(texte);
        avances_.back() = x;
    }
    const QRectF encre = texte.isEmpty() ? QRectF() : style.encre(texte);
    const qreal debord = std::max<qreal>(0, marge_gauche + encre.right() - x);
    etendue_.largeur = x + debord + marge_droite;
    etendue_.montee = std::max(-encre.top(), style.hauteur_capitale);
    etendue_.descente = std::max<qreal>(encre.bottom(), 0);
    if (octets_.size() != avances_.size())
        octets_.clear();
}

std::unique_ptr<BoiteTexte> BoiteTexte::directe(const QString &texte, const Style &style, int debut)
{
    std::vector<int> octets(static_cast<std::size_t>(texte.size()) + 1);
    for (std::size_t i = 0; i < octets.size(); ++i)
        octets[i] = static_cast<int>(i);
    auto boite = std::make_unique<BoiteTexte>(texte, style, 0, 0, std::move(octets));
    boite->debut = debut;
    boite->fin = debut + static_cast<int>(texte.size());
    return boite;
}

std::vector<qreal> BoiteTexte::bords_octets() const
{
    if (octets_.empty() || debut < 0)
        return {};
    const std::size_t taille = static_cast<std::size_t>(std::max(0, fin - debut)) + 1;
    std::vector<qreal> bords(taille, avances_.back());
    std::vector<bool> limite(taille, false);
    for (std::size_t i = 0; i < octets_.size(); ++i) {
        const auto o = static_cast<std::size_t>(std::clamp(octets_[i], 0, fin - debut));
        bords[o] = avances_[i];
        limite[o] = true;
    }
    // A byte inside a character takes the boundary after it.
    for (std::size_t o = taille - 1; o-- > 0;)
        if (!limite[o])
            bords[o] = bords[o + 1];
    return bords;
}

void BoiteTexte::dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const
{
    p.setFont(police_);
    if (visible.isNull()) {
        p.drawText(QPointF(origine.x() + marge_gauche_, origine.y()), texte_);
        return;
    }
    // A long line is drawn from the first visible character to the last.
    const qreal marge = etendue_.montee + etendue_.descente;
    const auto premier = std::upper_bound(avances_.begin(), avances_.end(), visible.left() - origine.x() - marge);
    const auto dernier = std::lower_bound(avances_.begin(), avances_.end(), visible.right() - origine.x() + marge);
    const auto debut = static_cast<qsizetype>(std::max<std::ptrdiff_t>(0, premier - avances_.begin() - 1));
    const auto fin = std::min<qsizetype>(texte_.size(), dernier - avances_.begin());
    if (fin > debut)
        p.drawText(QPointF(origine.x() + avances_[static_cast<std::size_t>(debut)], origine.y()),
                   texte_.mid(debut, fin - debut));
}

// --- line

void BoiteLigne::ajoute(BoitePtr boite, qreal espace_avant)
{
    const Etendue e = boite->etendue();
    const qreal x = etendue_.largeur + espace_avant;
    ajoute_enfant(std::move(boite), QPointF(x, 0));
    etendue_.largeur = x + e.largeur;
    etendue_.montee = std::max(etendue_.montee, e.montee);
    etendue_.descente = std::max(etendue_.descente, e.descente);
}

// --- fraction

BoiteFraction::BoiteFraction(BoitePtr numerateur, BoitePtr denominateur, const Style &style)
    : epaisseur_(style.epaisseur), debord_(0.1 * style.em)
{
    const Etendue n = numerateur->etendue();
    const Etendue d = denominateur->etendue();
    const qreal ecart = std::max(1.5 * epaisseur_, 0.12 * style.em);
    barre_ = arrondi(style.axe + epaisseur_ / 2);
    const qreal montee_num = arrondi(barre_ + ecart + n.descente);
    const qreal descente_den = arrondi(d.montee + ecart + epaisseur_ - barre_);
    const qreal largeur = std::max(n.largeur, d.largeur) + 2 * debord_;
    ajoute_enfant(std::move(numerateur), QPointF((largeur - n.largeur) / 2, -montee_num));
    ajoute_enfant(std::move(denominateur), QPointF((largeur - d.largeur) / 2, descente_den));
    etendue_.largeur = largeur;
    etendue_.montee = montee_num + n.montee;
    etendue_.descente = descente_den + d.descente;
}

void BoiteFraction::dessine_decor(QPainter &p, QPointF origine, const QRectF &) const
{
    p.fillRect(QRectF(origine.x() + debord_ / 2, origine.y() - barre_, etendue_.largeur - debord_, epaisseur_),
               p.pen().color());
}

// --- power

BoitePuissance::BoitePuissance(BoitePtr base, BoitePtr exposant, const Style &style)
{
    const Etendue b = base->etendue();
    const Etendue e = exposant->etendue();
    const qreal em = style.em;
    const qreal montee = arrondi(std::max({b.montee - 0.22 * em, 0.42 * em, e.descente + 0.12 * em}));
    const qreal x = b.largeur + 0.04 * em;
    ajoute_enfant(std::move(base), QPointF(0, 0));
    ajoute_enfant(std::move(exposant), QPointF(x, -montee));
    etendue_.largeur = x + e.largeur;
    etendue_.montee = std::max(b.montee, montee + e.montee);
    etendue_.descente = std::max(b.descente, e.descente - montee);
}

// --- radical

BoiteRacine::BoiteRacine(BoitePtr argument, const Style &style)
    : em_(style.em), epaisseur_(style.epaisseur)
{
    const Etendue a = argument->etendue();
    const qreal ecart = epaisseur_ + 0.1 * em_;
    haut_ = -arrondi(a.montee + ecart + epaisseur_ / 2);
    bas_ = a.descente + 0.1 * em_;
    signe_ = 0.58 * em_ + 0.08 * std::max<qreal>(0, bas_ - haut_ - 1.2 * em_);
    ajoute_enfant(std::move(argument), QPointF(signe_ + 0.06 * em_, 0));
    etendue_.largeur = signe_ + 0.06 * em_ + a.largeur + 0.12 * em_;
    etendue_.montee = -haut_ + epaisseur_;
    etendue_.descente = bas_ + epaisseur_ / 2;
}

void BoiteRacine::dessine_decor(QPainter &p, QPointF o, const QRectF &) const
{
    const qreal hauteur = bas_ - haut_;
    const QPointF a(o.x() + 0.03 * em_, o.y() + bas_ - std::min(0.5 * em_, 0.55 * hauteur));
    const QPointF b(o.x() + 0.15 * em_, a.y() - 0.08 * em_);
    const QPointF c(o.x() + 0.5 * signe_, o.y() + bas_);
    const QPointF d(o.x() + signe_, o.y() + haut_);
    const QPointF e(o.x() + etendue_.largeur - 0.02 * em_, o.y() + haut_);
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(plume(p, epaisseur_, Qt::RoundCap));
    p.drawLine(a, b);
    p.setPen(plume(p, 2 * epaisseur_));
    p.drawLine(b, c);
    p.setPen(plume(p, epaisseur_));
    const QPointF trace[] = {c, d, e};
    p.drawPolyline(trace, 3);
    p.restore();
}

// --- delimiters

BoiteDelimiteurs::BoiteDelimiteurs(Delimiteur gauche, BoitePtr contenu, Delimiteur droite, const Style &style,
                                   bool droite_estompee)
    : gauche_(gauche), droite_(droite), em_(style.em), epaisseur_(style.epaisseur),
      droite_estompee_(droite_estompee)
{
    const Etendue c = contenu->etendue();
    const qreal axe = style.axe;
    const qreal demi = std::max({c.montee - axe, c.descente + axe, 0.55 * em_}) + 0.08 * em_;
    haut_ = -arrondi(axe + demi);
    bas_ = arrondi(demi - axe);
    largeur_gauche_ = largeur_delimiteur(gauche, style, demi);
    largeur_droite_ = largeur_delimiteur(droite, style, demi);
    const qreal ecart = 0.04 * em_;
    const qreal x = largeur_gauche_ + (gauche == Delimiteur::aucun ? 0 : ecart);
    ajoute_enfant(std::move(contenu), QPointF(x, 0));
    etendue_.largeur = x + c.largeur + (droite == Delimiteur::aucun ? 0 : ecart) + largeur_droite_;
    etendue_.montee = std::max(c.montee, -haut_);
    etendue_.descente = std::max(c.descente, bas_);
}

void BoiteDelimiteurs::dessine_decor(QPainter &p, QPointF o, const QRectF &) const
{
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(o);
    dessine_delimiteur(p, gauche_, 0, largeur_gauche_);
    if (droite_estompee_) {
        QColor c = p.pen().color();
        c.setAlphaF(c.alphaF() * 0.35f);
        p.setPen(QPen(c));
    }
    dessine_delimiteur(p, droite_, etendue_.largeur - largeur_droite_, largeur_droite_);
    p.restore();
}

// Draws one delimiter in [x, x + largeur] between haut_ and bas_, drawing the
// left-hand shape and mirroring it for the right-hand kinds.
void BoiteDelimiteurs::dessine_delimiteur(QPainter &p, Delimiteur genre, qreal x, qreal largeur) const
{
    if (genre == Delimiteur::aucun)
        return;
    p.save();
    if (!a_gauche(genre) && genre != Delimiteur::barre) {
        p.translate(2 * x + largeur, 0);
        p.scale(-1, 1);
    }
    const qreal milieu = (haut_ + bas_) / 2;
    const QColor couleur = p.pen().color();
    switch (genre) {
    case Delimiteur::parenthese_gauche:
    case Delimiteur::parenthese_droite: {
        // A crescent: thick in the middle, thin at the ends.
        const qreal droite = x + 0.82 * largeur;
        const qreal gauche = x + 0.14 * largeur;
        const qreal epais = std::max(1.3 * epaisseur_, 0.075 * em_);
        QPainterPath chemin;
        chemin.moveTo(droite, haut_);
        chemin.quadTo(2 * gauche - droite, milieu, droite, bas_);
        chemin.quadTo(2 * (gauche + epais) - droite, milieu, droite, haut_);
        chemin.closeSubpath();
        p.setPen(QPen(couleur, 0.6 * epaisseur_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.setBrush(couleur);
        p.drawPath(chemin);
        break;
    }
    case Delimiteur::crochet_gauche:
    case Delimiteur::crochet_droit: {
        const qreal trait = 1.2 * epaisseur_;
        const qreal gauche = x + 0.25 * largeur + trait / 2;
        const qreal droite = x + 0.85 * largeur;
        const QPointF trace[] = {{droite, haut_ + trait / 2}, {gauche, haut_ + trait / 2},
                                 {gauche, bas_ - trait / 2}, {droite, bas_ - trait / 2}};
        p.setPen(plume(p, trait, Qt::SquareCap));
        p.drawPolyline(trace, 4);
        break;
    }
    case Delimiteur::barre: {
        p.setPen(plume(p, 1.1 * epaisseur_));
        p.drawLine(QPointF(x + largeur / 2, haut_), QPointF(x + largeur / 2, bas_));
        break;
    }
    case Delimiteur::accolade_gauche:
    case Delimiteur::accolade_droite: {
        const qreal pointe = x + 0.1 * largeur;
        const qreal tige = x + 0.5 * largeur;
        const qreal bout = x + 0.9 * largeur;
        const qreal r = std::min(0.4 * largeur, (bas_ - haut_) / 4);
        QPainterPath chemin;
        chemin.moveTo(bout, haut_);
        chemin.quadTo(tige, haut_, tige, haut_ + r);
        chemin.lineTo(tige, milieu - r);
        chemin.quadTo(tige, milieu, pointe, milieu);
        chemin.quadTo(tige, milieu, tige, milieu + r);
        chemin.lineTo(tige, bas_ - r);
        chemin.quadTo(tige, bas_, bout, bas_);
        p.setPen(QPen(couleur, 1.3 * epaisseur_, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(chemin);
        break;
    }
    case Delimiteur::aucun:
        break;
    }
    p.restore();
}

// --- vector

BoiteVecteur::BoiteVecteur(BoitePtr points, const Style &style)
    : pointe_(0.16 * style.em), epaisseur_(style.epaisseur)
{
    const Etendue e = points->etendue();
    hauteur_fleche_ = -arrondi(e.montee + 0.1 * style.em + pointe_ / 2);
    ajoute_enfant(std::move(points), QPointF(0.04 * style.em, 0));
    etendue_.largeur = e.largeur + 0.1 * style.em;
    etendue_.montee = -hauteur_fleche_ + pointe_ / 2 + epaisseur_;
    etendue_.descente = e.descente;
}

void BoiteVecteur::dessine_decor(QPainter &p, QPointF o, const QRectF &) const
{
    const qreal y = o.y() + hauteur_fleche_ + epaisseur_ / 2;
    const qreal debut = o.x() + 0.5 * pointe_;
    const qreal bout = o.x() + etendue_.largeur - 0.3 * pointe_;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(plume(p, epaisseur_, Qt::RoundCap));
    p.drawLine(QPointF(debut, y), QPointF(bout, y));
    p.drawLine(QPointF(bout, y), QPointF(bout - pointe_, y - 0.55 * pointe_));
    p.drawLine(QPointF(bout, y), QPointF(bout - pointe_, y + 0.55 * pointe_));
    p.restore();
}

// --- stack

BoitePile::BoitePile(std::vector<BoitePtr> lignes, qreal interligne, qreal axe)
{
    qreal hauteur = 0;
    for (const BoitePtr &l : lignes)
        hauteur += l->etendue().montee + l->etendue().descente;
    if (!lignes.empty())
        hauteur += interligne * static_cast<qreal>(lignes.size() - 1);
    const qreal haut = -arrondi(axe + hauteur / 2);
    qreal y = haut;
    for (BoitePtr &l : lignes) {
        const Etendue e = l->etendue();
        ajoute_enfant(std::move(l), QPointF(0, arrondi(y + e.montee)));
        y += e.montee + e.descente + interligne;
        etendue_.largeur = std::max(etendue_.largeur, e.largeur);
    }
    etendue_.montee = -haut;
    etendue_.descente = hauteur + haut;
}

} // namespace dessin
