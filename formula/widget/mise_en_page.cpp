#include "formula/widget/mise_en_page.h"

#include <algorithm>
#include <cmath>
#include <limits>

#include <QPainter>

#include "formula/lecteur.h"
#include "formula/lineaire.h"
#include "formula/widget/boites.h"
#include "formula/widget/completion.h"
#include "formula/widget/construction.h"

using namespace dessin;

namespace {

constexpr qreal HAUTEUR_MAXIMALE = 1000;

// One line of linear text decoded from UTF-8: each character with the byte
// offset where it starts. A byte that starts no valid character, and a
// control character, are shown as a replacement sign.
struct LigneDecodee {
    QString texte;
    std::vector<int> octets;
};

LigneDecodee decode(std::string_view ligne)
{
    LigneDecodee d;
    std::size_t i = 0;
    while (i < ligne.size()) {
        const auto c = static_cast<unsigned char>(ligne[i]);
        std::size_t longueur = c < 0x80 ? 1 : (c >> 5) == 0x6 ? 2 : (c >> 4) == 0xE ? 3 : (c >> 3) == 0x1E ? 4 : 0;
        bool valide = longueur > 0 && i + longueur <= ligne.size();
        for (std::size_t k = 1; valide && k < longueur; ++k)
            valide = (static_cast<unsigned char>(ligne[i + k]) & 0xC0) == 0x80;
        QString caractere;
        if (valide)
            caractere = QString::fromUtf8(ligne.data() + i, static_cast<qsizetype>(longueur));
        if (!valide || caractere.isEmpty() || caractere.at(0) == QChar::ReplacementCharacter ||
            (longueur == 1 && (c < 0x20 || c == 0x7F))) {
            caractere = QString(QChar::ReplacementCharacter);
            longueur = 1;
        }
        for (QChar q : caractere) {
            d.texte += q;
            d.octets.push_back(static_cast<int>(i));
        }
        i += longueur;
    }
    d.octets.push_back(static_cast<int>(ligne.size()));
    return d;
}

// The linear text, one box per line.
BoitePtr construit_lineaire(std::string_view texte, Polices &polices, qreal taille)
{
    const Style &style = polices.style(taille);
    std::vector<BoitePtr> lignes;
    std::size_t debut = 0;
    while (true) {
        const std::size_t saut = texte.find('\n', debut);
        std::size_t fin = saut == std::string_view::npos ? texte.size() : saut;
        if (fin > debut && texte[fin - 1] == '\r')
            --fin;
        LigneDecodee d = decode(texte.substr(debut, fin - debut));
        auto ligne = std::make_unique<BoiteTexte>(d.texte, style, 0, 0, std::move(d.octets));
        ligne->debut = static_cast<int>(debut);
        ligne->fin = static_cast<int>(fin);
        lignes.push_back(std::move(ligne));
        if (saut == std::string_view::npos)
            break;
        debut = saut + 1;
    }
    if (lignes.size() == 1)
        return std::move(lignes.front());
    return std::make_unique<BoitePile>(std::move(lignes), 0.2 * style.em, style.axe);
}

} // namespace

struct MiseEnPage::Arret {
    int position;
    qreal x;
    qreal haut;
    qreal bas;
    int portee;   // length of the span of the box it comes from: the smallest is the innermost
    bool gauche;  // the left edge of its box
};

struct MiseEnPage::Donnees {
    Polices &polices = Polices::communes();
    BoitePtr racine;
    bool lineaire = false;
    qreal marge_curseur = 0;
    std::vector<Arret> arrets;

    Etendue etendue() const { return racine->etendue(); }
    QPointF origine() const { return QPointF(0, etendue().montee); }
    void releve_arrets(int longueur);
    const Arret *arret(int position) const;
};

void MiseEnPage::Donnees::releve_arrets(int longueur)
{
    racine->parcourt(origine(), [&](const Boite &b, QPointF o) {
        if (b.debut < 0 || b.fin < b.debut)
            return true;
        const Etendue e = b.etendue();
        const qreal haut = o.y() - e.montee;
        const qreal bas = o.y() + e.descente + marge_curseur;
        const int portee = b.fin - b.debut;
        const auto ajoute = [&](int position, qreal x, int p, bool gauche) {
            if (position <= longueur)
                arrets.push_back({position, x, haut, bas, p, gauche});
        };
        const std::vector<qreal> bords = b.bords_octets();
        if (!bords.empty()) {
            for (std::size_t k = 0; k < bords.size(); ++k)
                ajoute(b.debut + static_cast<int>(k), o.x() + bords[k], 0, k + 1 < bords.size());
        } else {
            ajoute(b.debut, o.x(), portee, true);
            ajoute(b.fin, o.x() + e.largeur, portee, false);
        }
        return true;
    });
}

// The stop for a position: one at that position from the innermost box (a
// left edge on a tie), else the nearest before it.
const MiseEnPage::Arret *MiseEnPage::Donnees::arret(int position) const
{
    const Arret *meilleur = nullptr;
    for (const Arret &a : arrets) {
        if (a.position > position)
            continue;
        if (!meilleur || a.position > meilleur->position ||
            (a.position == meilleur->position &&
             (a.portee < meilleur->portee || (a.portee == meilleur->portee && a.gauche && !meilleur->gauche))))
            meilleur = &a;
    }
    return meilleur;
}

MiseEnPage::MiseEnPage(const std::string &texte, qreal hauteur_police, Lecture lecture)
    : d_(std::make_unique<Donnees>())
{
    const qreal taille = std::clamp(std::isfinite(hauteur_police) ? hauteur_police : 20.0, 1.0, HAUTEUR_MAXIMALE);
    const int longueur = static_cast<int>(std::min<std::size_t>(texte.size(), std::numeric_limits<int>::max() / 2));
    std::optional<Arbre> arbre = lis_formule(texte);
    // A number typed with a decimal comma reads as with a point; the spans
    // are the same, so the number is drawn as typed.
    if (!arbre && texte.find(',') != std::string::npos)
        arbre = lis_formule(virgules_en_points(texte));
    std::string complet;
    if (!arbre && lecture == Lecture::tolerante) {
        if (std::optional<std::string> c = complete_saisie(texte)) {
            complet = std::move(*c);
            arbre = lis_formule(complet);
        }
    }
    if (arbre) {
        d_->racine = construit_boites(*arbre, complet.empty() ? std::string_view(texte) : complet, d_->polices,
                                      taille, longueur);
    } else {
        d_->lineaire = true;
        d_->racine = construit_lineaire(texte, d_->polices, taille);
    }
    d_->marge_curseur = 0.12 * d_->polices.style(taille).em;
    d_->releve_arrets(longueur);
}

MiseEnPage::~MiseEnPage() = default;
MiseEnPage::MiseEnPage(MiseEnPage &&) noexcept = default;
MiseEnPage &MiseEnPage::operator=(MiseEnPage &&) noexcept = default;

qreal MiseEnPage::largeur() const { return std::ceil(d_->etendue().largeur); }
qreal MiseEnPage::hauteur() const { return std::ceil(d_->etendue().montee + d_->etendue().descente + d_->marge_curseur); }
qreal MiseEnPage::ligne_de_base() const { return d_->etendue().montee; }
bool MiseEnPage::est_lineaire() const { return d_->lineaire; }

void MiseEnPage::dessine(QPainter &p, QPointF coin, const QColor &couleur, const QRectF &visible) const
{
    p.save();
    d_->racine->dessine(p, coin + d_->origine(), couleur, visible);
    p.restore();
}

QLineF MiseEnPage::curseur(int position) const
{
    if (const Arret *a = d_->arret(position))
        return QLineF(a->x, a->haut, a->x, a->bas);
    return QLineF(0, 0, 0, hauteur());
}

int MiseEnPage::position_sous(QPointF point) const
{
    const Arret *proche = nullptr;
    qreal distance = std::numeric_limits<qreal>::max();
    for (const Arret &a : d_->arrets) {
        const qreal dy = point.y() < a.haut ? a.haut - point.y() : point.y() > a.bas ? point.y() - a.bas : 0;
        const qreal dist = std::abs(point.x() - a.x) + 2 * dy;
        if (dist < distance || (dist == distance && proche && a.portee < proche->portee)) {
            distance = dist;
            proche = &a;
        }
    }
    return proche ? proche->position : 0;
}

std::vector<QRectF> MiseEnPage::zones_selection(int debut, int fin) const
{
    std::vector<QRectF> zones;
    if (fin <= debut)
        return zones;
    d_->racine->parcourt(d_->origine(), [&](const Boite &b, QPointF o) {
        if (b.debut < 0 || b.fin <= debut || b.debut >= fin)
            return true;
        const Etendue e = b.etendue();
        const qreal haut = o.y() - e.montee;
        const qreal hauteur_zone = e.montee + e.descente + d_->marge_curseur;
        if (b.debut >= debut && b.fin <= fin) {
            zones.emplace_back(o.x(), haut, e.largeur, hauteur_zone);
            return false;
        }
        const std::vector<qreal> bords = b.bords_octets();
        if (!bords.empty()) {
            const qreal gauche = bords[static_cast<std::size_t>(std::max(debut, b.debut) - b.debut)];
            const qreal droite = bords[static_cast<std::size_t>(std::min(fin, b.fin) - b.debut)];
            zones.emplace_back(o.x() + gauche, haut, droite - gauche, hauteur_zone);
            return false;
        }
        return true;
    });
    return zones;
}

QRectF dessine_formule(QPainter &p, const std::string &texte, QPointF coin, qreal hauteur_police,
                       const QColor &couleur)
{
    const MiseEnPage mise_en_page(texte, hauteur_police);
    mise_en_page.dessine(p, coin, couleur);
    return QRectF(coin, QSizeF(mise_en_page.largeur(), mise_en_page.hauteur()));
}

QSizeF taille_formule(const std::string &texte, qreal hauteur_police)
{
    const MiseEnPage mise_en_page(texte, hauteur_police);
    return QSizeF(mise_en_page.largeur(), mise_en_page.hauteur());
}
