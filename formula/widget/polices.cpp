#include "formula/widget/polices.h"

#include <algorithm>
#include <cmath>

#include <QStringList>

namespace dessin {

namespace {

QFont police_de(qreal taille, bool italique)
{
    QFont police;
    QStringList familles;
    for (const char *nom : {"DejaVu Sans", "Noto Sans", "Liberation Sans", "FreeSans", "Arial"})
        familles << QString::fromLatin1(nom);
    police.setFamilies(familles);
    police.setStyleHint(QFont::SansSerif);
    police.setPixelSize(std::max(1, static_cast<int>(std::lround(taille))));
    police.setItalic(italique);
    police.setKerning(false);
    return police;
}

} // namespace

Style::Style(const QFont &p)
    : police(p), metriques(p), em(p.pixelSize())
{
    const QRectF plus = metriques.tightBoundingRect(QStringLiteral("+"));
    axe = plus.isEmpty() ? 0.3 * em : -(plus.top() + plus.bottom()) / 2;
    epaisseur = std::max<qreal>(1.0, std::round(em * 0.055));
    hauteur_capitale = metriques.capHeight() > 0 ? metriques.capHeight() : 0.72 * em;
}

QRectF Style::encre(const QString &texte) const
{
    if (texte.size() > 16)
        return metriques.tightBoundingRect(texte);
    if (encres_.size() > 4096)
        encres_.clear();
    auto trouve = encres_.find(texte);
    if (trouve == encres_.end())
        trouve = encres_.emplace(texte, metriques.tightBoundingRect(texte)).first;
    return trouve->second;
}

Polices &Polices::communes()
{
    thread_local Polices polices;
    return polices;
}

const Style &Polices::style(qreal taille, bool italique)
{
    const int pixels = std::max(1, static_cast<int>(std::lround(std::max(taille, TAILLE_MINIMALE))));
    const int cle = pixels * 2 + (italique ? 1 : 0);
    auto trouve = styles_.find(cle);
    if (trouve == styles_.end())
        trouve = styles_.emplace(cle, Style(police_de(pixels, italique))).first;
    return trouve->second;
}

} // namespace dessin
