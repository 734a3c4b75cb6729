#include "formula/widget/mthx.h"

#include <algorithm>
#include <cmath>

#include <QAccessible>
#include <QAccessibleWidget>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QMenu>
#include <QPaintEvent>
#include <QPainter>
#include <QTimerEvent>

#include "formula/parole.h"

namespace {

constexpr int HAUTEUR_MINIMALE = 4;
constexpr int HAUTEUR_MAXIMALE = 400;

bool suite_utf8(const std::string &t, int i)
{
    return i > 0 && i < static_cast<int>(t.size()) && (static_cast<unsigned char>(t[static_cast<std::size_t>(i)]) & 0xC0) == 0x80;
}

bool dans_fin_de_ligne(const std::string &t, int i)
{
    return i > 0 && i < static_cast<int>(t.size()) && t[static_cast<std::size_t>(i - 1)] == '\r' &&
           t[static_cast<std::size_t>(i)] == '\n';
}

// A position brought back to a character boundary.
int borne_position(const std::string &t, int position)
{
    int p = std::clamp(position, 0, static_cast<int>(t.size()));
    while (suite_utf8(t, p) || dans_fin_de_ligne(t, p))
        --p;
    return p;
}

// The boundary one character before or after a position.
int voisin(const std::string &t, int position, int sens)
{
    int p = position + sens;
    while (p > 0 && p < static_cast<int>(t.size()) && (suite_utf8(t, p) || dans_fin_de_ligne(t, p)))
        p += sens;
    return std::clamp(p, 0, static_cast<int>(t.size()));
}

// Enter starts a new line only inside a system whose brace is still open.
bool accolade_ouverte(const std::string &t, int position)
{
    int ouvertes = 0;
    for (int i = 0; i < position; ++i) {
        const char c = t[static_cast<std::size_t>(i)];
        ouvertes += c == '{' ? 1 : c == '}' ? -1 : 0;
    }
    return ouvertes > 0;
}

bool imprimable(const QString &texte)
{
    return !texte.isEmpty() &&
           std::all_of(texte.begin(), texte.end(), [](QChar c) { return c.isPrint() || c.isSurrogate(); });
}

// A key the box handles itself, which a window's shortcut must not take.
bool touche_d_edition(const QKeyEvent &touche)
{
    switch (touche.key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        return true;
    default:
        if (touche.matches(QKeySequence::Undo) || touche.matches(QKeySequence::Redo))
            return true;
        return !(touche.modifiers() & (Qt::ControlModifier | Qt::MetaModifier)) && imprimable(touche.text());
    }
}

} // namespace

namespace {

// What a screen reader is told of a formula box: an editable text whose
// value is the formula in French words.
class AccesFormule : public QAccessibleWidget {
public:
    explicit AccesFormule(MthX *boite) : QAccessibleWidget(boite, QAccessible::EditableText) {}
    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Value)
            return static_cast<const MthX *>(widget())->parole();
        return QAccessibleWidget::text(t);
    }
};

QAccessibleInterface *acces_formule(const QString &classe, QObject *objet)
{
    if (classe == QLatin1String("MthX") && objet && objet->isWidgetType())
        return new AccesFormule(static_cast<MthX *>(objet));
    return nullptr;
}

} // namespace

MthX::MthX(QWidget *parent) : QWidget(parent)
{
    static const bool acces_installe = (QAccessible::installFactory(acces_formule), true);
    (void)acces_installe;
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
    setAttribute(Qt::WA_InputMethodEnabled);
}

MthX::~MthX() = default;

void MthX::setTexte(const std::string &texte)
{
    texte_ = texte;
    curseur_ = ancre_ = static_cast<int>(texte_.size());
    texteModifie();
}

QString MthX::texteQt() const { return QString::fromStdString(texte_); }
void MthX::setTexteQt(const QString &texte) { setTexte(texte.toStdString()); }

void MthX::setHauteurPolice(int hauteur)
{
    hauteur = std::clamp(hauteur, HAUTEUR_MINIMALE, HAUTEUR_MAXIMALE);
    if (hauteur == hauteur_police_)
        return;
    hauteur_police_ = hauteur;
    mise_en_page_.reset();
    updateGeometry();
    curseurDeplace();
}

void MthX::setZoom(qreal zoom)
{
    if (zoom <= 0 || zoom == zoom_)
        return;
    zoom_ = zoom;
    mise_en_page_.reset();
    updateGeometry();
    curseurDeplace();
}

int MthX::hauteurDessinee() const { return std::max(1, static_cast<int>(std::lround(hauteur_police_ * zoom_))); }

QString MthX::parole() const { return QString::fromStdString(::parole(texte_)); }

void MthX::setCouleur(const QColor &couleur)
{
    couleur_ = couleur;
    update();
}

int MthX::curseurGauche() const { return std::min(curseur_, ancre_); }
int MthX::curseurDroit() const { return std::max(curseur_, ancre_); }

void MthX::placeCurseur(int position) { selectionne(position, position); }

void MthX::selectionne(int ancre, int position)
{
    ancre_ = borne_position(texte_, ancre);
    curseur_ = borne_position(texte_, position);
    curseurDeplace();
}

void MthX::deplaceCurseur(int pas, bool etend)
{
    int p = curseur_;
    if (!etend && curseur_ != ancre_ && pas != 0) {
        // A move without Shift first closes the selection on its side.
        p = pas < 0 ? curseurGauche() : curseurDroit();
        pas -= pas < 0 ? -1 : 1;
    }
    for (; pas < 0 && p > 0; ++pas)
        p = voisin(texte_, p, -1);
    for (; pas > 0 && p < static_cast<int>(texte_.size()); --pas)
        p = voisin(texte_, p, +1);
    selectionne(etend ? ancre_ : p, p);
}

void MthX::insereTexte(const std::string &texte)
{
    const int gauche = curseurGauche();
    texte_.replace(static_cast<std::size_t>(gauche), static_cast<std::size_t>(curseurDroit() - gauche), texte);
    curseur_ = ancre_ = borne_position(texte_, gauche + static_cast<int>(texte.size()));
    texteModifie();
}

void MthX::efface(bool arriere)
{
    int gauche = curseurGauche();
    int droite = curseurDroit();
    if (gauche == droite) {
        if (arriere)
            gauche = voisin(texte_, gauche, -1);
        else
            droite = voisin(texte_, droite, +1);
    }
    if (gauche == droite)
        return;
    texte_.erase(static_cast<std::size_t>(gauche), static_cast<std::size_t>(droite - gauche));
    curseur_ = ancre_ = gauche;
    texteModifie();
}

void MthX::insereRacine()
{
    const int gauche = curseurGauche();
    const std::string argument = texte_.substr(static_cast<std::size_t>(gauche),
                                               static_cast<std::size_t>(curseurDroit() - gauche));
    insereTexte("sqrt(" + argument + ")");
    placeCurseur(curseur_ - 1);
}

int MthX::rectDroite() const { return MARGE + static_cast<int>(miseEnPage().largeur()); }
int MthX::rectBas() const { return MARGE + static_cast<int>(miseEnPage().hauteur()); }

QImage MthX::image(qreal echelle) const
{
    echelle = std::clamp(echelle, 0.25, 8.0);
    const MiseEnPage mise_en_page(texte_, hauteur_police_);
    const QSizeF taille(mise_en_page.largeur() + 2 * MARGE, mise_en_page.hauteur() + 2 * MARGE);
    QImage image((taille * echelle).toSize(), QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(echelle);
    image.fill(Qt::white);
    // A light colour (the input box writes in white) would vanish on paper.
    const QColor couleur = couleur_.lightness() >= 200 ? QColor(Qt::black) : couleur_;
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    mise_en_page.dessine(p, QPointF(MARGE, MARGE), couleur);
    return image;
}

void MthX::copieImage()
{
    if (QClipboard *presse_papiers = QApplication::clipboard())
        presse_papiers->setImage(image(std::max<qreal>(2.0, devicePixelRatioF())));
}

QSize MthX::sizeHint() const
{
    return QSize(std::max(120, rectDroite() + MARGE), std::max(rectBas() + MARGE, 2 * hauteurDessinee()));
}

bool MthX::event(QEvent *evenement)
{
    if (evenement->type() == QEvent::ShortcutOverride && touche_d_edition(*static_cast<QKeyEvent *>(evenement))) {
        evenement->accept();
        return true;
    }
    if (evenement->type() == QEvent::KeyPress && isEnabled()) {
        auto *touche = static_cast<QKeyEvent *>(evenement);
        if (traiteTouche(*touche)) {
            touche->accept();
            relanceClignotement();
            return true;
        }
    }
    return QWidget::event(evenement);
}

bool MthX::traiteTouche(QKeyEvent &touche)
{
    if (filtre_ && filtre_(*this, touche))
        return true;
    if (touche.matches(QKeySequence::Undo) || touche.matches(QKeySequence::Redo)) {
        reprend(touche.matches(QKeySequence::Undo) ? annulations_ : retablissements_,
                touche.matches(QKeySequence::Undo) ? retablissements_ : annulations_);
        return true;
    }
    const bool etend = touche.modifiers() & Qt::ShiftModifier;
    const QString texte = touche.text();
    if ((texte.size() == 1 && texte.at(0) == QChar(CODE_TOUCHE_RACINE)) ||
        (touche.key() == Qt::Key_R && (touche.modifiers() & Qt::ControlModifier))) {
        insereRacine();
        return true;
    }
    switch (touche.key()) {
    case Qt::Key_Left:
        deplaceCurseur(-1, etend);
        return true;
    case Qt::Key_Right:
        deplaceCurseur(+1, etend);
        return true;
    case Qt::Key_Home:
        selectionne(etend ? ancre_ : 0, 0);
        return true;
    case Qt::Key_End:
        selectionne(etend ? ancre_ : static_cast<int>(texte_.size()), static_cast<int>(texte_.size()));
        return true;
    case Qt::Key_Backspace:
        efface(true);
        return true;
    case Qt::Key_Delete:
        efface(false);
        return true;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (!accolade_ouverte(texte_, curseurGauche()))
            return false;
        insereTexte("\r\n");
        return true;
    default:
        break;
    }
    if (touche.modifiers() & (Qt::ControlModifier | Qt::MetaModifier))
        return false;
    if (!imprimable(texte))
        return false;
    insereTexte(texte.toStdString());
    return true;
}

void MthX::reprend(std::vector<EtatTexte> &depuis, std::vector<EtatTexte> &vers)
{
    if (depuis.empty())
        return;
    vers.push_back({texte_, curseur_});
    const EtatTexte etat = std::move(depuis.back());
    depuis.pop_back();
    reprise_ = true;
    texte_ = etat.texte;
    curseur_ = ancre_ = std::min(etat.curseur, static_cast<int>(texte_.size()));
    texteModifie();
    reprise_ = false;
}

void MthX::texteModifie()
{
    // Every change of the text can be undone, whoever made it; a new change
    // forgets what was undone.
    if (texte_ != precedent_.texte) {
        if (!reprise_) {
            annulations_.push_back(std::move(precedent_));
            if (annulations_.size() > ANNULATIONS_MAX)
                annulations_.erase(annulations_.begin());
            retablissements_.clear();
        }
        precedent_ = {texte_, curseur_};
    }
    mise_en_page_.reset();
    updateGeometry();
    curseurDeplace();
    if (QAccessible::isActive()) {
        QAccessibleValueChangeEvent valeur(this, parole());
        QAccessible::updateAccessibility(&valeur);
    }
    if (dans_changement_)
        return;
    dans_changement_ = true;
    emit changement();
    dans_changement_ = false;
}

void MthX::curseurDeplace()
{
    rendVisibleCurseur();
    relanceClignotement();
    update();
}

const MiseEnPage &MthX::miseEnPage() const
{
    if (!mise_en_page_)
        mise_en_page_ = std::make_unique<MiseEnPage>(texte_, hauteurDessinee(), Lecture::tolerante);
    return *mise_en_page_;
}

QPointF MthX::coinFormule() const { return QPointF(MARGE - decalage_, MARGE); }

// Scrolls a formula wider than the box so that the caret stays in view.
void MthX::rendVisibleCurseur()
{
    const MiseEnPage &m = miseEnPage();
    const qreal visible = width() - 2 * MARGE;
    if (m.largeur() <= visible) {
        decalage_ = 0;
        return;
    }
    const qreal x = m.curseur(curseur_).x1();
    if (x - decalage_ > visible)
        decalage_ = x - visible + 2;
    else if (x - decalage_ < 0)
        decalage_ = std::max<qreal>(0, x - 2);
    decalage_ = std::clamp<qreal>(decalage_, 0, m.largeur() - visible + 2);
}

void MthX::relanceClignotement()
{
    curseur_visible_ = true;
    const int periode = QApplication::cursorFlashTime() / 2;
    if (hasFocus() && periode > 0)
        clignotement_.start(periode, this);
    else
        clignotement_.stop();
}

void MthX::timerEvent(QTimerEvent *evenement)
{
    if (evenement->timerId() != clignotement_.timerId()) {
        QWidget::timerEvent(evenement);
        return;
    }
    curseur_visible_ = !curseur_visible_;
    update();
}

void MthX::focusInEvent(QFocusEvent *evenement)
{
    QWidget::focusInEvent(evenement);
    relanceClignotement();
    update();
}

void MthX::focusOutEvent(QFocusEvent *evenement)
{
    QWidget::focusOutEvent(evenement);
    clignotement_.stop();
    update();
}

void MthX::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    rendVisibleCurseur();
}

void MthX::paintEvent(QPaintEvent *evenement)
{
    QPainter p(this);
    p.setRenderHint(QPainter::Antialiasing);
    const MiseEnPage &m = miseEnPage();
    const QPointF coin = coinFormule();
    if (curseur_ != ancre_ && hasFocus()) {
        QColor surlignage = palette().color(QPalette::Highlight);
        surlignage.setAlpha(110);
        for (const QRectF &zone : m.zones_selection(curseurGauche(), curseurDroit()))
            p.fillRect(zone.translated(coin), surlignage);
    }
    m.dessine(p, coin, couleur_, QRectF(evenement->rect()));
    if (hasFocus() && curseur_visible_) {
        const QLineF trait = m.curseur(curseur_).translated(coin);
        p.setPen(QPen(couleur_, std::max(1.0, hauteurDessinee() / 16.0)));
        p.drawLine(trait);
    }
    if (hasFocus()) {
        p.setPen(QPen(QColor(0xFF, 0xD0, 0x00), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
    }
}

void MthX::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton) {
        QWidget::mousePressEvent(evenement);
        return;
    }
    setFocus(Qt::MouseFocusReason);
    const int position = miseEnPage().position_sous(evenement->position() - coinFormule());
    selectionne((evenement->modifiers() & Qt::ShiftModifier) ? ancre_ : position, position);
    emit clicGauche();
}

void MthX::mouseMoveEvent(QMouseEvent *evenement)
{
    if (!(evenement->buttons() & Qt::LeftButton)) {
        QWidget::mouseMoveEvent(evenement);
        return;
    }
    selectionne(ancre_, miseEnPage().position_sous(evenement->position() - coinFormule()));
}

void MthX::contextMenuEvent(QContextMenuEvent *evenement)
{
    QMenu menu(this);
    menu.addAction(QStringLiteral("Copier l'image"), this, &MthX::copieImage);
    menu.exec(evenement->globalPos());
}
