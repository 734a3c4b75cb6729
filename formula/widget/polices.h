#pragma once
// The fonts of the drawn formulas and the measures the layout takes from
// them. DejaVu Sans has every symbol needed (∞ ∪ ∅ ≤ ≥ × −); other sans fonts
// stand in when it is missing. Kerning is off, so that the width of a text is
// the sum of the widths of its characters and a caret can stand between any two.

#include <map>
#include <unordered_map>

#include <QFont>
#include <QFontMetricsF>

namespace dessin {

struct Style {
    QFont police;
    QFontMetricsF metriques;
    qreal em;            // the font height
    qreal axe;           // height of the math axis (middle of "+" and of fraction bars)
    qreal epaisseur;     // thickness of rules: fraction bars, radicals, arrows
    qreal hauteur_capitale;

    explicit Style(const QFont &police);
    // The ink rectangle of a text, remembered: formulas repeat few texts.
    QRectF encre(const QString &texte) const;

private:
    mutable std::unordered_map<QString, QRectF> encres_;
};

class Polices {
public:
    // The styles shared by every layout of this thread.
    static Polices &communes();

    // The style of one size, upright or italic; the reference stays valid as
    // long as this object.
    const Style &style(qreal taille, bool italique = false);

private:
    std::map<int, Style> styles_;
};

// The smallest size scripts shrink to, in units.
inline constexpr qreal TAILLE_MINIMALE = 6.0;

} // namespace dessin
