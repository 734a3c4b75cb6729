#pragma once
// The box model of a drawn formula, in the manner of TeX: every box has a
// width, an ascent above its baseline and a descent below it, and places its
// children relative to its own baseline origin. One class per construct.
// Boxes are built bottom-up and laid out in their constructors.

#include <functional>
#include <memory>
#include <vector>

#include <QColor>
#include <QFont>
#include <QPointF>
#include <QRectF>
#include <QString>

#include "formula/widget/polices.h"

class QPainter;

namespace dessin {

struct Etendue {
    qreal largeur = 0;
    qreal montee = 0;
    qreal descente = 0;
};

class Boite {
public:
    virtual ~Boite();
    Boite() = default;
    Boite(const Boite &) = delete;
    Boite &operator=(const Boite &) = delete;

    const Etendue &etendue() const { return etendue_; }

    // The span of the text this box was read from, or -1 for what the text
    // does not hold (an implicit "×", a dropped parenthesis).
    int debut = -1;
    int fin = -1;
    // Drawn lighter: a part the text does not hold yet (completion while typing).
    bool estompee = false;

    // Draws the box and its children with the baseline origin at `origine`;
    // only what meets `visible` when it is not null.
    void dessine(QPainter &p, QPointF origine, const QColor &couleur, const QRectF &visible = QRectF()) const;
    // Visits this box with its baseline origin, then the boxes below it when
    // the visitor answers true.
    void parcourt(QPointF origine, const std::function<bool(const Boite &, QPointF)> &visite) const;
    // For a text whose characters map to the bytes of its span: the x of each
    // byte boundary from debut to fin (empty for other boxes).
    virtual std::vector<qreal> bords_octets() const { return {}; }

protected:
    struct Enfant {
        std::unique_ptr<Boite> boite;
        QPointF decalage;
    };
    virtual void dessine_decor(QPainter &, QPointF, const QRectF & /*visible*/) const {}
    void ajoute_enfant(std::unique_ptr<Boite> enfant, QPointF decalage);

    std::vector<Enfant> enfants_;
    Etendue etendue_;
};

using BoitePtr = std::unique_ptr<Boite>;

// A run of characters in one font: a number, a letter, a word, an operator.
class BoiteTexte : public Boite {
public:
    // `octets`: the byte offset (from debut) of each character boundary, one
    // more than the characters; empty when the text does not map to its span.
    BoiteTexte(const QString &texte, const Style &style, qreal marge_gauche = 0, qreal marge_droite = 0,
               std::vector<int> octets = {});
    std::vector<qreal> bords_octets() const override;
    // The same with every character one byte of the span.
    static std::unique_ptr<BoiteTexte> directe(const QString &texte, const Style &style, int debut);

private:
    void dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const override;
    QString texte_;
    QFont police_;
    qreal marge_gauche_;
    std::vector<qreal> avances_; // x of each character boundary
    std::vector<int> octets_;
};

// Boxes side by side on one baseline, with a space before each.
class BoiteLigne : public Boite {
public:
    void ajoute(BoitePtr boite, qreal espace_avant = 0);
};

// Numerator over denominator, the bar on the math axis.
class BoiteFraction : public Boite {
public:
    BoiteFraction(BoitePtr numerateur, BoitePtr denominateur, const Style &style);

private:
    void dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const override;
    qreal barre_; // height of the bar's top above the baseline
    qreal epaisseur_;
    qreal debord_;
};

// A base with its exponent raised in a smaller size.
class BoitePuissance : public Boite {
public:
    BoitePuissance(BoitePtr base, BoitePtr exposant, const Style &style);
};

// The radical sign with its bar over the argument.
class BoiteRacine : public Boite {
public:
    BoiteRacine(BoitePtr argument, const Style &style);

private:
    void dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const override;
    qreal em_;
    qreal epaisseur_;
    qreal haut_;     // y of the bar (negative: above the baseline)
    qreal bas_;      // y of the bottom of the sign
    qreal signe_;    // width of the sign before the argument
};

// Delimiters on both sides of a content, scaled to it and centred on the axis.
enum class Delimiteur : unsigned char {
    aucun,
    parenthese_gauche,
    parenthese_droite,
    crochet_gauche,
    crochet_droit,
    barre,
    accolade_gauche,
    accolade_droite,
};

class BoiteDelimiteurs : public Boite {
public:
    BoiteDelimiteurs(Delimiteur gauche, BoitePtr contenu, Delimiteur droite, const Style &style,
                     bool droite_estompee = false);

private:
    void dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const override;
    void dessine_delimiteur(QPainter &p, Delimiteur genre, qreal x, qreal largeur) const;
    Delimiteur gauche_;
    Delimiteur droite_;
    qreal largeur_gauche_;
    qreal largeur_droite_;
    qreal haut_;
    qreal bas_;
    qreal em_;
    qreal epaisseur_;
    bool droite_estompee_;
};

// Point names under an arrow.
class BoiteVecteur : public Boite {
public:
    BoiteVecteur(BoitePtr points, const Style &style);

private:
    void dessine_decor(QPainter &p, QPointF origine, const QRectF &visible) const override;
    qreal hauteur_fleche_; // y of the arrow (negative: above the baseline)
    qreal pointe_;
    qreal epaisseur_;
};

// Lines stacked and aligned on the left, the whole centred on the axis.
class BoitePile : public Boite {
public:
    BoitePile(std::vector<BoitePtr> lignes, qreal interligne, qreal axe);
};

} // namespace dessin
