#pragma once
// The layout of one formula text at one font height: the formula in 2D when
// it parses, else the plain linear text. Besides its extent it answers where
// the caret of a text position is drawn and which text position a point falls
// on, so that the formula box can be edited through its 2D picture.
//
// Sizes are in the painter's logical units: pixels on screens and images
// (sharp on high-density screens, Qt scales them); on a printer the caller
// scales the painter first. Text positions count bytes before the caret
// (0 = start of the text), which is also the 1-based position of the
// character just before it.

#include <memory>
#include <string>
#include <vector>

#include <QColor>
#include <QLineF>
#include <QPointF>
#include <QRectF>

class QPainter;

// How a text that does not parse is shown.
enum class Lecture {
    stricte,    // as plain linear text
    tolerante,  // completed while it is being typed ("2*(x+" is drawn with its
                // missing operand and parenthesis greyed), else linear text
};

class MiseEnPage {
public:
    MiseEnPage(const std::string &texte, qreal hauteur_police, Lecture lecture = Lecture::stricte);
    ~MiseEnPage();
    MiseEnPage(MiseEnPage &&) noexcept;
    MiseEnPage &operator=(MiseEnPage &&) noexcept;

    qreal largeur() const;
    qreal hauteur() const;
    // Distance from the top of the extent to the baseline of the formula.
    qreal ligne_de_base() const;
    // True when the text did not parse and is shown as linear text.
    bool est_lineaire() const;

    // Draws with the top-left corner of the extent at `coin`; when `visible`
    // is not null, only what meets it (in the painter's coordinates).
    void dessine(QPainter &p, QPointF coin, const QColor &couleur, const QRectF &visible = QRectF()) const;

    // The caret at a text position, as a vertical segment relative to the
    // top-left corner of the extent.
    QLineF curseur(int position) const;
    // The text position whose caret is nearest to a point (relative to the corner).
    int position_sous(QPointF point) const;
    // The rectangles to highlight for the text between two positions.
    std::vector<QRectF> zones_selection(int debut, int fin) const;

    struct Arret;  // a place where the caret may stand

private:
    struct Donnees;
    std::unique_ptr<Donnees> d_;
};

// Draws a formula text on any painter (box, image, printer) with the top-left
// corner of its extent at `coin`, and returns that extent. A text that does
// not parse is drawn as linear text.
QRectF dessine_formule(QPainter &p, const std::string &texte, QPointF coin, qreal hauteur_police,
                       const QColor &couleur);
// The extent a formula text would take, without drawing it.
QSizeF taille_formule(const std::string &texte, qreal hauteur_police);
