#include "app/fenetres/principale_panneaux.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

#include "app/fenetres/principale_images.h"
#include "app/travail/travail.h"
#include "exercise/preparation.h"
#include "algebra/algebre.h"

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

// The frame that shows where the keyboard is.
void dessine_focus(QWidget &w)
{
    QPainter p(&w);
    p.setPen(QPen(QColor(0xFF, 0xD0, 0x00), 2));
    p.drawRect(QRectF(w.rect()).adjusted(1, 1, -1, -1));
}

// What a screen reader is told of an action panel: a button, unavailable
// while the action does not apply.
class AccesPanneau : public QAccessibleWidget {
public:
    explicit AccesPanneau(PanneauAction *panneau) : QAccessibleWidget(panneau, QAccessible::Button) {}

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return panneau()->text().isEmpty() ? QStringLiteral("Aucune action") : panneau()->text();
        return QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override
    {
        QAccessible::State etat = QAccessibleWidget::state();
        etat.disabled = !panneau()->actif();
        return etat;
    }
    QStringList actionNames() const override { return {pressAction()}; }
    void doAction(const QString &action) override
    {
        if (action == pressAction())
            panneau()->active();
    }

private:
    PanneauAction *panneau() const { return static_cast<PanneauAction *>(widget()); }
};

QAccessibleInterface *acces_panneau(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("PanneauAction") && objet && objet->isWidgetType())
        return new AccesPanneau(static_cast<PanneauAction *>(objet));
    return nullptr;
}

// The template buttons in their keyboard order, with what each one writes.
constexpr int ORDRE_MODELES[4] = {8, 9, 6, 29};
const char *nom_modele(int numero)
{
    switch (numero) {
    case 8: return "inférieur ou égal";
    case 9: return "supérieur ou égal";
    case 6: return "racine carrée";
    default: return "puissance";
    }
}

} // namespace

PanneauAction::PanneauAction(QWidget *parent) : QLabel(parent)
{
    static const bool acces_installe = (QAccessible::installFactory(acces_panneau), true);
    (void)acces_installe;
    setFocusPolicy(Qt::TabFocus);
    setAccessibleDescription(QStringLiteral("Action sur l'étape en cours : Entrée l'applique, les flèches passent aux autres actions"));
    setAutoFillBackground(true);
    setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    setIndent(6);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPointSize(11);
    f.setBold(true);
    f.setStretch(QFont::SemiCondensed);
    setFont(f);
    colore();
}

void PanneauAction::active()
{
    if (actif_)
        emit clique();
}

void PanneauAction::keyPressEvent(QKeyEvent *evenement)
{
    switch (evenement->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space: active(); return;
    case Qt::Key_Up: emit voisin(-1); return;
    case Qt::Key_Down: emit voisin(1); return;
    default: QLabel::keyPressEvent(evenement);
    }
}

void PanneauAction::focusInEvent(QFocusEvent *evenement)
{
    QLabel::focusInEvent(evenement);
    emit survole();
}

void PanneauAction::paintEvent(QPaintEvent *)
{
    // The caption, its font narrowed only if it would not fit otherwise.
    QPainter p(this);
    QFont f = font();
    const QRect place = contentsRect().adjusted(indent(), 0, -2, 0);
    const int largeur = QFontMetrics(f).horizontalAdvance(text());
    if (largeur > place.width() && largeur > 0)
        f.setPointSizeF(std::max(1.0, f.pointSizeF() * place.width() / largeur));
    p.setFont(f);
    p.setPen(palette().color(QPalette::WindowText));
    p.drawText(place, Qt::AlignLeft | Qt::AlignVCenter, text());
    p.end();
    if (hasFocus())
        dessine_focus(*this);
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
    if (evenement->button() == Qt::LeftButton)
        active();
}

BoutonClavier::BoutonClavier(BoutonCadre bouton, QWidget *parent) : QAbstractButton(parent), bouton_(bouton)
{
    setObjectName(QStringLiteral("Clavier") + QString::fromLatin1(nom_image(bouton)));
    setAttribute(Qt::WA_TransparentForMouseEvents);
    setFocusPolicy(Qt::TabFocus);
    setText(QString::fromUtf8(nom_lu(bouton)));
    const QString touche = QString::fromLatin1(raccourci(bouton));
    setAccessibleDescription(QString::fromUtf8(description(bouton)) +
                             (touche.isEmpty() ? QString() : QStringLiteral(" (") + touche + QLatin1Char(')')));
}

void BoutonClavier::paintEvent(QPaintEvent *)
{
    if (hasFocus())
        dessine_focus(*this);
}

void BoutonClavier::keyPressEvent(QKeyEvent *evenement)
{
    if (evenement->key() == Qt::Key_Return || evenement->key() == Qt::Key_Enter) {
        click();
        return;
    }
    QAbstractButton::keyPressEvent(evenement);
}

void BoutonClavier::focusInEvent(QFocusEvent *evenement)
{
    QAbstractButton::focusInEvent(evenement);
    emit focus(true);
}

void BoutonClavier::focusOutEvent(QFocusEvent *evenement)
{
    QAbstractButton::focusOutEvent(evenement);
    emit focus(false);
}

BoutonsModeles::BoutonsModeles(QWidget *parent) : QWidget(parent)
{
    resize(TAILLE_MODELES);
    setMouseTracking(true);
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Modèles de formule"));
    setAccessibleDescription(QStringLiteral("Les flèches choisissent un modèle, Entrée l'écrit dans la saisie"));
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
    QPainter p(this);
    p.scale(width() / qreal(TAILLE_MODELES.width()), height() / qreal(TAILLE_MODELES.height()));
    p.drawPixmap(0, 0, images_[i < 4 ? i + 1 : 0]);
    p.end();
    if (hasFocus())
        dessine_focus(*this);
}

void BoutonsModeles::allume_modele(int numero)
{
    allume_ = numero;
    if (numero != 0)
        setAccessibleName(QStringLiteral("Modèle ") + QString::fromUtf8(nom_modele(numero)));
    update();
}

void BoutonsModeles::keyPressEvent(QKeyEvent *evenement)
{
    int rang = 0;
    while (rang < 4 && ORDRE_MODELES[rang] != allume_)
        ++rang;
    switch (evenement->key()) {
    case Qt::Key_Left:
    case Qt::Key_Up: allume_modele(ORDRE_MODELES[(rang + 3) % 4]); return;
    case Qt::Key_Right:
    case Qt::Key_Down: allume_modele(ORDRE_MODELES[(rang + 1) % 4]); return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        if (allume_ != 0)
            emit clique(allume_);
        return;
    default: QWidget::keyPressEvent(evenement);
    }
}

void BoutonsModeles::focusInEvent(QFocusEvent *)
{
    if (allume_ == 0)
        allume_modele(ORDRE_MODELES[0]);
    update();
}

void BoutonsModeles::focusOutEvent(QFocusEvent *)
{
    eteint();
}

QPoint BoutonsModeles::au_dessin(QPointF point) const
{
    return QPointF(point.x() * TAILLE_MODELES.width() / width(), point.y() * TAILLE_MODELES.height() / height())
        .toPoint();
}

void BoutonsModeles::mouseMoveEvent(QMouseEvent *evenement)
{
    const QPoint p = au_dessin(evenement->position());
    const int lit = modele_eclaire(p.x(), p.y());
    if (lit != allume_) {
        allume_ = lit;
        update();
    }
}

void BoutonsModeles::mousePressEvent(QMouseEvent *evenement)
{
    const QPoint p = au_dessin(evenement->position());
    if (const int n = modele_eclaire(p.x(), p.y()); n != 0 && evenement->button() == Qt::LeftButton)
        emit clique(n);
}

void BoutonsModeles::leaveEvent(QEvent *)
{
    eteint();
}

FlechesTaille::FlechesTaille(QWidget *parent) : QWidget(parent)
{
    resize(TAILLE_FLECHES);
    setAccessibleName(QStringLiteral("Taille des formules"));
    setAccessibleDescription(QStringLiteral("Ctrl+plus et Ctrl+moins agrandissent ou réduisent la formule de l'étape active"));
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
    p.scale(width() / qreal(TAILLE_FLECHES.width()), height() / qreal(TAILLE_FLECHES.height()));
    for (int b = 0; b < NB_BOITES; ++b)
        if (visibles_[b]) {
            p.drawPixmap(2, haut(b), haut_);
            p.drawPixmap(2, haut(b) + 20, bas_);
        }
}

void FlechesTaille::mousePressEvent(QMouseEvent *evenement)
{
    const int y = static_cast<int>(evenement->position().y() * TAILLE_FLECHES.height() / height());
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
        hauteur = texte == QLatin1String(TITRE_LISTE_AIDES) ? 0 : 17;
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
