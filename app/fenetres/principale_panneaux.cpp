#include "app/fenetres/principale_panneaux.h"

#include <QMouseEvent>
#include <QPainter>

#include "app/fenetres/principale_images.h"
#include "app/travail/travail.h"
#include "core/algebre.h"

namespace {

constexpr Couleur COULEUR_PANNEAU = 0x02665E56;
constexpr Couleur COULEUR_PANNEAU_ECLAIRE = 0x02503020;
constexpr Couleur COULEUR_ITEM = 0x025A9AF0;
constexpr Couleur COULEUR_ITEM_FOCUS = 0x022A5A90;

QFont police_pixels(int pixels)
{
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(pixels);
    return f;
}

} // namespace

PanneauAction::PanneauAction(QWidget *parent) : QLabel(parent)
{
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(6);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    f.setBold(true);
    f.setStretch(QFont::SemiCondensed);
    setFont(f);
    colore();
}

void PanneauAction::montre(const EtatPanneau &etat)
{
    const QString libelle = QString::fromStdString(etat.libelle);
    if (text() != libelle)
        setText(libelle);
    if (actif_ != etat.actif) {
        actif_ = etat.actif;
        colore();
    }
}

void PanneauAction::eclaire(bool eclaire)
{
    if (eclaire_ == eclaire)
        return;
    eclaire_ = eclaire;
    colore();
}

void PanneauAction::colore()
{
    QPalette p = palette();
    p.setColor(QPalette::Window, couleur_qt(eclaire_ ? COULEUR_PANNEAU_ECLAIRE : COULEUR_PANNEAU));
    p.setColor(QPalette::WindowText, couleur_qt(actif_ ? COULEUR_PANNEAU_ACTIF : COULEUR_PANNEAU_INACTIF));
    setPalette(p);
}

void PanneauAction::enterEvent(QEnterEvent *)
{
    emit survole();
}

void PanneauAction::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() == Qt::LeftButton && actif_)
        emit clique();
}

BoutonsModeles::BoutonsModeles(QWidget *parent) : QWidget(parent)
{
    setFixedSize(73, 76);
    setMouseTracking(true);
    const qreal densite = devicePixelRatioF();
    const int numeros[] = {0, 8, 9, 29, 6};
    for (int i = 0; i < 5; ++i)
        images_[i] = dessine_modeles(numeros[i], densite);
}

void BoutonsModeles::eteint()
{
    if (allume_ != 0) {
        allume_ = 0;
        update();
    }
}

void BoutonsModeles::paintEvent(QPaintEvent *)
{
    const int rangs[] = {8, 9, 29, 6};
    int i = 0;
    while (i < 4 && rangs[i] != allume_)
        ++i;
    QPainter(this).drawPixmap(0, 0, images_[i < 4 ? i + 1 : 0]);
}

void BoutonsModeles::mouseMoveEvent(QMouseEvent *evenement)
{
    const QPoint p = evenement->position().toPoint();
    const int lit = modele_eclaire(p.x(), p.y());
    if (lit != allume_) {
        allume_ = lit;
        update();
    }
}

void BoutonsModeles::mousePressEvent(QMouseEvent *evenement)
{
    const QPoint p = evenement->position().toPoint();
    if (const int n = modele_eclaire(p.x(), p.y()); n != 0 && evenement->button() == Qt::LeftButton)
        emit clique(n);
}

void BoutonsModeles::leaveEvent(QEvent *)
{
    eteint();
}

FlechesTaille::FlechesTaille(QWidget *parent) : QWidget(parent)
{
    setFixedSize(25, 340);
    haut_ = dessine_fleche(true, devicePixelRatioF());
    bas_ = dessine_fleche(false, devicePixelRatioF());
}

int FlechesTaille::haut(int boite)
{
    // The input box stands 2 pixels below this panel, the result boxes at
    // 23, 104 and 184 in theirs, 81 pixels lower.
    static constexpr int hauts[NB_BOITES] = {12, 112, 193, 273};
    return hauts[boite];
}

void FlechesTaille::montre(int boite, bool visible)
{
    if (visibles_[boite] != visible) {
        visibles_[boite] = visible;
        update();
    }
}

void FlechesTaille::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    for (int b = 0; b < NB_BOITES; ++b)
        if (visibles_[b]) {
            p.drawPixmap(2, haut(b), haut_);
            p.drawPixmap(2, haut(b) + 20, bas_);
        }
}

void FlechesTaille::mousePressEvent(QMouseEvent *evenement)
{
    const int y = evenement->position().toPoint().y();
    for (int b = 0; b < NB_BOITES; ++b) {
        const int h = haut(b);
        if (!visibles_[b] || y < h || y >= h + 36)
            continue;
        emit clique(b, y < h + 18 ? 1 : -1);
        return;
    }
}

DelegueListe::DelegueListe(Genre genre, QObject *parent) : QStyledItemDelegate(parent), genre_(genre) {}

QSize DelegueListe::sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QString texte = index.data().toString();
    int hauteur;
    if (genre_ == parties)
        hauteur = texte.startsWith(QLatin1Char(' ')) ? 20 : 0;
    else
        hauteur = texte == QLatin1String("AIDE(S)") ? 0 : 17;
    return {option.rect.width() > 0 ? option.rect.width() : 160, hauteur};
}

void DelegueListe::paint(QPainter *p, const QStyleOptionViewItem &option, const QModelIndex &index) const
{
    const QRect r = option.rect;
    const bool focus = option.state & (QStyle::State_Selected | QStyle::State_HasFocus);
    p->save();
    p->fillRect(r, couleur_qt(focus ? COULEUR_ITEM_FOCUS : COULEUR_ITEM));
    if (r.height() <= 10) {
        p->restore();
        return;
    }
    p->setPen(couleur_qt(COULEUR_ITEM));
    p->drawRect(r.adjusted(0, 0, -1, -1));
    p->setPen(focus ? Qt::white : Qt::black);
    const QString texte = index.data().toString();
    if (genre_ == aides) {
        p->setFont(police_pixels(16));
        p->drawText(r.adjusted(1, 0, 0, 0), Qt::AlignLeft | Qt::AlignTop, texte);
        p->restore();
        return;
    }
    // Character by character, so that a "^" raises the character after it.
    const QString lisible = QString::fromStdString(forme_lisible(texte.toStdString()));
    const QFont normale = police_pixels(16), petite = police_pixels(14);
    const QFontMetrics mn(normale), mp(petite);
    int x = r.left() + 1;
    bool eleve = false;
    for (const QChar c : lisible) {
        if (x > r.right())
            break;
        if (c == QLatin1Char('^')) {
            eleve = true;
            continue;
        }
        const QFontMetrics &m = eleve ? mp : mn;
        p->setFont(eleve ? petite : normale);
        p->drawText(x, r.top() + 2 - (eleve ? 1 : 0) + m.ascent(), QString(c));
        x += m.horizontalAdvance(c) + 1;
        eleve = false;
    }
    p->restore();
}
