#include "print/dessin_pages.h"

#include <algorithm>
#include <cmath>

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>

#include "formula/widget/mise_en_page.h"
#include "print/mise_en_lignes.h"

namespace {

constexpr double TAILLE_TEXTE = 13;    // pixels: 10 points on a 96-dpi screen
constexpr double TAILLE_SIGNES = 17;   // 13 points
constexpr double FORMULE_RESUME = 16;
const QColor BLEU(0, 0, 0xFF);
const QColor ROUGE(0xFF, 0, 0);

QFont police(double pixels, bool gras = false)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(static_cast<int>(pixels));
    f.setBold(gras);
    return f;
}

QString qt(std::string_view s) { return QString::fromUtf8(s.data(), static_cast<qsizetype>(s.size())); }

double largeur_texte(const QFont &f, std::string_view s) { return QFontMetricsF(f).horizontalAdvance(qt(s)); }

// A text with the top of its line at y.
void texte_haut(QPainter &p, double x, double y, std::string_view s, const QColor &couleur)
{
    p.setPen(couleur);
    p.drawText(QPointF(x, y + QFontMetricsF(p.font()).ascent()), qt(s));
}

// A text whose middle sits on y; `centre` centres it on x.
void texte_milieu(QPainter &p, double x, double y, std::string_view s, const QColor &couleur,
                  bool centre = false)
{
    const QFontMetricsF m(p.font());
    if (centre)
        x -= m.horizontalAdvance(qt(s)) / 2;
    p.setPen(couleur);
    p.drawText(QPointF(x, y + (m.ascent() - m.descent()) / 2), qt(s));
}

// A formula whose middle sits on y, its left edge at x or centred on it;
// returns its size.
QSizeF formule_milieu(QPainter &p, double x, double y, const std::string &f, double hauteur,
                      bool centre = false)
{
    const QSizeF t = taille_formule(f, hauteur);
    if (centre)
        x -= t.width() / 2;
    dessine_formule(p, f, QPointF(x, y - t.height() / 2), hauteur, Qt::black);
    return t;
}

// One wrapped text line with its top at y; returns the y of the next line.
double ligne_texte(QPainter &p, double x, double y, std::string_view s, const QColor &couleur,
                   double interligne)
{
    const QFont f = p.font();
    const LigneCoupee c = coupe_ligne(s, [&f](std::string_view t) { return largeur_texte(f, t); });
    const double h = QFontMetricsF(f).height();
    texte_haut(p, x, y, c.premiere, couleur);
    if (!c.reste.empty()) {
        y += h + 2;
        texte_haut(p, x, y, c.reste, couleur);
    }
    return y + h + interligne;
}

}  // namespace

QColor couleur_aide(CouleurAide c)
{
    switch (c) {
    case CouleurAide::bleu: return BLEU;
    case CouleurAide::rouge: return ROUGE;
    case CouleurAide::noir: break;
    }
    return Qt::black;
}

double dessine_resume(QPainter &p, const std::vector<LigneResume> &lignes)
{
    p.setFont(police(TAILLE_TEXTE));
    double y = 50;
    for (const LigneResume &l : lignes) {
        switch (l.genre) {
        case GenreLigneResume::titre: y = ligne_texte(p, 40, y, l.texte, BLEU, 4); break;
        case GenreLigneResume::texte: y = ligne_texte(p, 50, y, l.texte, Qt::black, 4); break;
        case GenreLigneResume::formule:
            y += dessine_formule(p, l.texte, QPointF(50, y), FORMULE_RESUME, Qt::black).height() + 4;
            break;
        }
    }
    return y;
}

double dessine_aide(QPainter &p, const PageAide &page, std::size_t premiere, bool impression)
{
    double y = 60;
    if (impression) {
        p.setFont(police(TAILLE_TEXTE + 3, true));
        texte_haut(p, 40, 20, page.titre, BLEU);
    }
    p.setFont(police(TAILLE_TEXTE));
    for (std::size_t i = premiere; i < page.lignes.size(); ++i) {
        if (!impression && y > BAS_AIDE_ECRAN)
            break;
        const LigneAide &l = page.lignes[i];
        if (l.formule)
            y += std::round(dessine_formule(p, l.texte, QPointF(90, y), FORMULE_RESUME, Qt::black).height()) + 4;
        else
            y = ligne_texte(p, 40, y, l.texte, couleur_aide(l.couleur), 4);
    }
    return y;
}

namespace {

// Columns of the sign table, in layout units from x0: where the roots stand
// and where the sign cells stand, for 0 to 3 roots.
std::vector<double> colonnes_racines(std::size_t n)
{
    switch (n) {
    case 1: return {270};
    case 2: return {220, 330};
    case 3: return {200, 280, 360};
    default: return {};
    }
}

std::vector<double> colonnes_signes(std::size_t n)
{
    switch (n) {
    case 1: return {200, 350};
    case 2: return {170, 275, 385};
    case 3: return {160, 240, 320, 400};
    default: return {270};
    }
}

constexpr double X0 = 50;
constexpr double GAUCHE = X0 - 20, DROITE = X0 + 460, SEPARATION = X0 + 110;

// The cells and marks of one row centred on y.
void cellules(QPainter &p, const TableauSignes &t, const LigneSignes &ligne, double y, bool resultat)
{
    const auto xs = colonnes_signes(t.racines.size());
    const auto xr = colonnes_racines(t.racines.size());
    p.setFont(police(TAILLE_SIGNES, true));
    for (std::size_t j = 0; j < ligne.signes.size() && j < xs.size(); ++j) {
        const bool rouge = resultat && j < t.cellules_rouges.size() && t.cellules_rouges[j];
        // The sign is drawn as a true minus, as wide as the plus.
        const std::string signe = ligne.signes[j] == "-" ? "\u2212" : ligne.signes[j];
        texte_milieu(p, X0 + xs[j], y, signe, rouge ? ROUGE : Qt::black, true);
    }
    for (std::size_t j = 0; j < ligne.marques.size() && j < xr.size(); ++j) {
        const bool rouge = resultat && t.zeros_rouges && ligne.marques[j] == "0";
        texte_milieu(p, X0 + xr[j], y, ligne.marques[j], rouge ? ROUGE : Qt::black, true);
    }
    p.setFont(police(TAILLE_TEXTE));
}

void trait(QPainter &p, double x1, double y1, double x2, double y2, const QColor &couleur)
{
    p.setPen(QPen(couleur, 1));
    p.drawLine(QPointF(x1, y1), QPointF(x2, y2));
}

}  // namespace

double dessine_tableau(QPainter &p, const TableauSignes &t, bool impression)
{
    double y = 50;
    if (impression) {
        p.setFont(police(TAILLE_TEXTE + 3, true));
        texte_milieu(p, (GAUCHE + DROITE) / 2, 20, "TABLEAU DE SIGNES", BLEU, true);
        y += 20;
    }
    if (!t.valide)
        return y;
    p.setFont(police(TAILLE_TEXTE));
    const double hauteur = t.facteurs.size() == FACTEURS_MAX ? 15 : 17;

    // Header: the inequation, then the value that cancels each factor.
    const QSizeF enonce = taille_formule(t.inequation, hauteur);
    y += enonce.height() / 2;
    texte_milieu(p, X0 + 120, y, "Inéquation ", Qt::black);
    formule_milieu(p, X0 + 200, y, t.inequation, hauteur);
    y += enonce.height() / 2 + 8;
    trait(p, X0 - 24, y, X0 + 490, y, Qt::black);
    y += 6;
    const double annule = largeur_texte(p.font(), " annule le facteur ");
    for (const LigneSignes &f : t.facteurs) {
        if (!f.racine)
            continue;
        const QSizeF r = taille_formule(*f.racine, hauteur), fa = taille_formule(f.formule, hauteur);
        const double h = std::max(r.height(), fa.height());
        y += h / 2 + 2;
        formule_milieu(p, X0, y, *f.racine, hauteur);
        texte_milieu(p, X0 + r.width() + 4, y, " annule le facteur ", Qt::black);
        formule_milieu(p, X0 + r.width() + 8 + annule, y, f.formule, hauteur);
        y += h / 2 + 2;
    }

    // The grid, the row of x first.
    y += 14;
    const double haut_grille = y;
    double b = 20;
    for (const std::string &r : t.racines)
        b = std::max(b, taille_formule(r, hauteur).height());
    y += b / 2 + 4;
    texte_milieu(p, X0 + 20, y, "x", Qt::black);
    formule_milieu(p, X0 + 120, y, "-inf", hauteur);
    formule_milieu(p, X0 + 428, y, "+inf", hauteur);
    const auto xr = colonnes_racines(t.racines.size());
    for (std::size_t j = 0; j < t.racines.size(); ++j)
        formule_milieu(p, X0 + xr[j], y, t.racines[j], hauteur, true);
    y += b / 2 + 4;
    trait(p, GAUCHE, y, DROITE, y, ROUGE);

    const double etiquette = largeur_texte(p.font(), "Signe de ");
    for (const LigneSignes &f : t.facteurs) {
        const double h = taille_formule(f.formule, hauteur).height();
        y += h / 2 + 5;
        texte_milieu(p, GAUCHE, y, "Signe de ", Qt::black);
        formule_milieu(p, GAUCHE + etiquette, y, f.formule, hauteur);
        cellules(p, t, f, y, false);
        y += h / 2 + 5;
        trait(p, GAUCHE, y, DROITE, y, ROUGE);
    }
    y += 2;
    trait(p, GAUCHE, y, DROITE, y, ROUGE);

    // The result row: the member's formula shrinks to the label column; a
    // wide one goes under its label.
    const double place = SEPARATION - GAUCHE - 6;
    double h_membre = hauteur;
    QSizeF m = taille_formule(t.membre, h_membre);
    const bool dessous = etiquette + m.width() > place;
    if (dessous) {
        while (m.width() > place && h_membre > 8)
            m = taille_formule(t.membre, --h_membre);
        const double hl = QFontMetricsF(p.font()).height();
        texte_milieu(p, GAUCHE, y + 4 + hl / 2, "Signe de", Qt::black);
        formule_milieu(p, GAUCHE, y + 6 + hl + m.height() / 2, t.membre, h_membre);
        const double centre = y + (hl + m.height() + 12) / 2;
        cellules(p, t, t.resultat, centre, true);
        y += hl + m.height() + 12;
    } else {
        y += m.height() / 2 + 6;
        texte_milieu(p, GAUCHE, y, "Signe de ", Qt::black);
        formule_milieu(p, GAUCHE + etiquette, y, t.membre, h_membre);
        cellules(p, t, t.resultat, y, true);
        y += m.height() / 2 + 6;
    }
    trait(p, SEPARATION, haut_grille, SEPARATION, y, ROUGE);
    return y;
}
