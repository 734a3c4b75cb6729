#include "app/fenetres/fenetre_argument.h"

#include <QCloseEvent>
#include <QKeyEvent>
#include <QPainter>
#include <QPainterPath>

#include "core/partage.h"
#include "formula/widget/mthx.h"

namespace {

constexpr int VALIDE = 2, ANNULE = 3, RACINE = 4, PUISSANCE = 5, FRACTION = 6, ET = 7,
              PREMIER_INTERVALLE = 9, INFINI = 13, VIDE = 14, REELS = 15, OU = 16;

const QRect PLACE_BOITE(12, 56, 165, 60);
const QRect PLACE_BARRE(6, 8, 171, 39);

// Where each picture stands in the window (index: picture number).
QRect place(int image)
{
    switch (image) {
    case VALIDE: return {11, 128, 70, 20};
    case ANNULE: return {104, 128, 70, 20};
    case RACINE: case PUISSANCE: case FRACTION: case ET:
        return {22 + 37 * (image - RACINE), 11, 33, 33};
    case VIDE: case REELS: case OU:   // a row under the box, as wide as the bottom one
        return {11 + 56 * (image - VIDE), 126, 52, 22};
    default:
        return {8 + 34 * (image - PREMIER_INTERVALLE), 10, 33, 33};
    }
}

// The template or action picture under a window point, lit by the mouse.
int modele_sous(QPoint p)
{
    const int x = p.x(), y = p.y();
    if (y > 10 && y < 45) {
        if (x > 22 && x < 55) return RACINE;
        if (x >= 60 && x < 92) return PUISSANCE;
        if (x > 96 && x <= 128) return FRACTION;
        if (x > 133 && x < 166) return ET;
    }
    if (y > 128 && y <= 147) {
        if (x > 104 && x < 174) return ANNULE;
        if (x > 10 && x < 80) return VALIDE;
    }
    return 0;
}

// The picture from `premier` to `dernier` under a window point, strictly inside it.
int image_dans(QPoint p, int premier, int dernier)
{
    for (int image = premier; image <= dernier; ++image) {
        const QRect r = place(image);
        if (p.x() > r.left() && p.x() < r.left() + r.width() - 1 && p.y() > r.top() &&
            p.y() < r.top() + r.height() - 1)
            return image;
    }
    return 0;
}

// One square bracket of height h at x, opening to the right or to the left.
void crochet(QPainter &p, qreal x, qreal haut, qreal h, bool vers_droite)
{
    const qreal bec = vers_droite ? 4 : -4;
    QPainterPath c;
    c.moveTo(x + bec, haut);
    c.lineTo(x, haut);
    c.lineTo(x, haut + h);
    c.lineTo(x + bec, haut + h);
    p.drawPath(c);
}

void dessin(QPainter &p, int image, const QRectF &r)
{
    const QPointF c = r.center();
    switch (image) {
    case VALIDE:
    case ANNULE:
        p.setFont(police_fenetre(11));
        p.drawText(r, Qt::AlignCenter, image == VALIDE ? QStringLiteral("VALIDER")
                                                        : QStringLiteral("ANNULER"));
        return;
    case RACINE: {
        QPainterPath signe;
        signe.moveTo(c + QPointF(-11, 1));
        signe.lineTo(c + QPointF(-8, -1));
        signe.lineTo(c + QPointF(-4, 9));
        signe.lineTo(c + QPointF(1, -9));
        signe.lineTo(c + QPointF(12, -9));
        p.drawPath(signe);
        p.setFont(police_fenetre(11, false));
        p.drawText(QRectF(c.x() - 1, c.y() - 8, 13, 16), Qt::AlignCenter, QStringLiteral("x"));
        return;
    }
    case PUISSANCE:
        p.setFont(police_fenetre(16, false));
        p.drawText(QRectF(c.x() - 11, c.y() - 8, 14, 18), Qt::AlignCenter, QStringLiteral("x"));
        p.setFont(police_fenetre(10, false));
        p.drawText(QRectF(c.x() + 2, c.y() - 12, 10, 12), Qt::AlignCenter, QStringLiteral("n"));
        return;
    case FRACTION:
        p.setFont(police_fenetre(11, false));
        p.drawText(QRectF(c.x() - 8, c.y() - 15, 16, 13), Qt::AlignCenter, QStringLiteral("a"));
        p.drawText(QRectF(c.x() - 8, c.y() + 2, 16, 13), Qt::AlignCenter, QStringLiteral("b"));
        p.drawLine(c + QPointF(-8, 0), c + QPointF(8, 0));
        return;
    case ET:
        p.setFont(police_fenetre(11));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("·et·"));
        return;
    case INFINI:
        p.setFont(police_fenetre(22, false));
        p.drawText(r.adjusted(0, -2, 0, 0), Qt::AlignCenter, QStringLiteral("∞"));
        return;
    case VIDE:
    case REELS:
        p.setFont(police_fenetre(15));
        p.drawText(r, Qt::AlignCenter, image == VIDE ? QStringLiteral("∅") : QStringLiteral("ℝ"));
        return;
    case OU:
        p.setFont(police_fenetre(11));
        p.drawText(r, Qt::AlignCenter, QStringLiteral("ou"));
        return;
    default: {
        // [ ], ] [, [ [, ] ]: lower end closed for 9 and 11, upper end closed for 9 and 12.
        const bool bas_ferme = image == 9 || image == 11, haut_ferme = image == 9 || image == 12;
        const qreal haut = c.y() - 8, h = 16, g = r.left() + 7, d = r.right() - 7;
        crochet(p, g, haut, h, bas_ferme);
        crochet(p, d, haut, h, !haut_ferme);
        p.drawLine(QPointF(g + 6, c.y()), QPointF(d - 6, c.y()));
        return;
    }
    }
}

QPixmap dessine_bouton(int image, bool allume, qreal densite)
{
    const QRect r = place(image);
    QPixmap pixmap = toile(r.size(), densite);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    const QRectF zone(QPointF(0, 0), QSizeF(r.size()));
    face_bouton(p, zone, allume);
    dessin(p, image, zone);
    return pixmap;
}

void cuvette(QPainter &p, const QRectF &r, const QColor &dedans)
{
    p.setPen(QPen(QColor(0x72, 0x72, 0x98), 1));
    p.setBrush(dedans);
    p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
}

QPixmap dessine_fond(qreal densite, int hauteur)
{
    QPixmap image = toile(QSize(TForm2::LARGEUR, hauteur), densite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tout(0, 0, TForm2::LARGEUR, hauteur);
    QLinearGradient g(tout.topLeft(), tout.bottomLeft());
    g.setColorAt(0, palette::fond.lighter(118));
    g.setColorAt(0.5, palette::fond);
    g.setColorAt(1, palette::fond.darker(125));
    p.fillRect(tout, g);
    p.setPen(QPen(palette::bord, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRoundedRect(tout.adjusted(1, 1, -1, -1), 8, 8);
    cuvette(p, QRectF(PLACE_BOITE).adjusted(-4, -4, 4, 4), Qt::white);
    return image;
}

QPixmap dessine_barre(qreal densite, const std::array<QPixmap, 17> &eteintes)
{
    QPixmap image = toile(PLACE_BARRE.size(), densite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    cuvette(p, QRectF(QPointF(0, 0), QSizeF(PLACE_BARRE.size())), QColor(0x30, 0x30, 0x44));
    for (int i = PREMIER_INTERVALLE; i <= INFINI; ++i)
        p.drawPixmap(place(i).topLeft() - PLACE_BARRE.topLeft(), eteintes[i]);
    return image;
}

// A key of the box as the keyboard rules see it; nothing for the keys the box
// keeps for itself (selection, shortcuts, characters beyond ASCII).
std::optional<Message> message_de(const QKeyEvent &touche)
{
    const auto mods = touche.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (mods)
        return std::nullopt;
    const bool shift = touche.modifiers() & Qt::ShiftModifier;
    switch (touche.key()) {
    case Qt::Key_Return: case Qt::Key_Enter: return Message{GenreMessage::touche, 13};
    case Qt::Key_Tab: return Message{GenreMessage::touche, TOUCHE_TABULATION};
    case Qt::Key_Backspace: return Message{GenreMessage::touche, TOUCHE_EFFACE_ARRIERE};
    case Qt::Key_Delete: return Message{GenreMessage::touche, TOUCHE_SUPPRIME};
    case Qt::Key_twosuperior: return Message{GenreMessage::touche, TOUCHE_CARRE};
    case Qt::Key_Left: case Qt::Key_Right: case Qt::Key_Home: case Qt::Key_End: {
        if (shift)
            return std::nullopt;
        const int code = touche.key() == Qt::Key_Left ? TOUCHE_GAUCHE
                       : touche.key() == Qt::Key_Right ? TOUCHE_DROITE
                       : touche.key() == Qt::Key_Home ? TOUCHE_DEBUT : TOUCHE_FIN;
        return Message{GenreMessage::touche, code};
    }
    default: break;
    }
    const QString texte = touche.text();
    if (texte.size() != 1)
        return std::nullopt;
    const char16_t c = texte.at(0).unicode();
    if ((c >= 32 && c < 127) || c == CARACTERE_RACINE || c == CARACTERE_VECTEUR || !signe_ensemble(c).empty())
        return Message{GenreMessage::caractere, c};
    return std::nullopt;
}

} // namespace

TForm2::TForm2(QWidget *parent) : FenetreSansBord(parent)
{
    setObjectName(QStringLiteral("TForm2"));
    setFixedSize(LARGEUR, HAUTEUR);
    centree_ = false;   // its opener places it beside what it asks for
    setWindowTitle(QStringLiteral("Saisie"));
    setAccessibleName(QStringLiteral("Saisie"));
    setMouseTracking(true);
    const qreal densite = devicePixelRatioF();
    for (int image = VALIDE; image <= OU; ++image) {
        if (image == 8)
            continue;
        eteintes_[image] = dessine_bouton(image, false, densite);
        allumees_[image] = dessine_bouton(image, true, densite);
    }
    fond_ = dessine_fond(densite, HAUTEUR);
    fond_reponse_ = dessine_fond(densite, HAUTEUR + ECART_REPONSE);
    barre_image_ = dessine_barre(densite, eteintes_);

    mthx1_ = new MthX(this);
    mthx1_->setObjectName(QStringLiteral("MthX1"));
    mthx1_->setGeometry(PLACE_BOITE);
    mthx1_->setHauteurPolice(18);
    mthx1_->setEnabled(false);
    mthx1_->setFiltreTouches([this](MthX &boite, QKeyEvent &touche) { return filtre(boite, touche); });
    mthx1_->setAccessibleName(QStringLiteral("Formule à taper"));
    mthx1_->setAccessibleDescription(QStringLiteral(
        "Entrée valide, Echap annule. Ctrl+E écrit « et » entre deux solutions, Ctrl+R une racine carrée. "
        "Dans une réponse : Ctrl+N écrit ∅ (pas de solution), Ctrl+T ℝ (tout réel), Ctrl+O « ou », "
        "Ctrl+I ∞ (inéquation)."));
    setFocusProxy(mthx1_);
}

void TForm2::showEvent(QShowEvent *e)
{
    QWidget *ouvreur = partage.saisie_depuis_prof ? grille_.data() : principale_.data();
    if (ouvreur && ouvreur != this)
        ouvreur->setEnabled(false);
    const std::string texte = logique_.ouvre(partage.derniere_expression);
    barre_ = logique_.barre_intervalles_visible();
    reponse_ = logique_.boutons_reponse_visibles();
    setFixedSize(LARGEUR, HAUTEUR + (reponse_ ? ECART_REPONSE : 0));
    eclairee_ = 0;
    mthx1_->setTexte(texte);
    if (mthx1_->hauteurPolice() != logique_.taille_police())
        mthx1_->setHauteurPolice(logique_.taille_police());
    mthx1_->setEnabled(true);
    mthx1_->show();
    FenetreSansBord::showEvent(e);
    activateWindow();
    mthx1_->setFocus();
    if (logique_.ouvre_selectionne())
        mthx1_->selectionne(0, static_cast<int>(texte.size()));
    update();
}

void TForm2::Terminer()
{
    const std::string texte = mthx1_->texte();
    const SuiteArgument suite = logique_.terminer(texte);
    rend_la_main(suite);
    if (suite.lance_affiche && affiche_)
        affiche_(texte);
    if (suite.ecrit_cellule && ecrit_cellule_)
        ecrit_cellule_(texte);
}

void TForm2::annule()
{
    rend_la_main(logique_.annule());
    if (annule_)
        annule_();
}

void TForm2::closeEvent(QCloseEvent *e)
{
    if (isVisible())
        annule();
    e->accept();
}

void TForm2::rend_la_main(const SuiteArgument &suite)
{
    hide();
    mthx1_->setEnabled(false);
    QWidget *ouvreur = suite.active_grille ? grille_.data() : principale_.data();
    if (ouvreur) {
        ouvreur->setEnabled(true);
        ouvreur->activateWindow();
    }
}

void TForm2::tape(const Message &message)
{
    const FrappeArgument r =
        frappe_argument(Saisie{mthx1_->texte(), mthx1_->curseurGauche()}, message, partage.mode_vecteurs);
    montre(r.saisie);
    if (r.terminer)
        Terminer();
}

void TForm2::montre(const Saisie &saisie)
{
    if (saisie.texte != mthx1_->texte())
        mthx1_->setTexte(saisie.texte);
    mthx1_->placeCurseur(saisie.curseur);
}

bool TForm2::filtre(MthX &boite, QKeyEvent &touche)
{
    if (touche.key() == Qt::Key_E && touche.modifiers() == Qt::ControlModifier) {
        modele(ET);
        return true;
    }
    if (reponse_ && touche.modifiers() == Qt::ControlModifier) {
        switch (touche.key()) {
        case Qt::Key_N: reponse(VIDE); return true;
        case Qt::Key_T: reponse(REELS); return true;
        case Qt::Key_O: reponse(OU); return true;
        case Qt::Key_I:
            if (barre_)
                intervalle(INFINI);
            return true;
        default: break;
        }
    }
    const std::optional<Message> message = message_de(touche);
    if (!message)
        return false;
    if (boite.curseurGauche() != boite.curseurDroit()) {
        // Keys that erase act on the selection as the box does; a character replaces it.
        if (message->genre == GenreMessage::touche && message->code != 13)
            return false;
        if (message->genre == GenreMessage::caractere)
            boite.efface(true);
    }
    tape(*message);
    return true;
}

// A template or interval button replaces a selection, as a typed character does.
void TForm2::remplace_selection()
{
    mthx1_->setFocus();
    if (mthx1_->curseurGauche() != mthx1_->curseurDroit())
        mthx1_->efface(true);
}

void TForm2::modele(int image)
{
    remplace_selection();
    if (image < RACINE || image > ET)
        return;
    montre(modele_argument(Saisie{mthx1_->texte(), mthx1_->curseurGauche()},
                           static_cast<ModeleArgument>(image - RACINE), partage.mode_vecteurs));
}

void TForm2::intervalle(int image)
{
    remplace_selection();
    if (image == INFINI)
        montre(logique_.infini(Saisie{mthx1_->texte(), mthx1_->curseurGauche()}, partage.mode_vecteurs));
    else if (image >= PREMIER_INTERVALLE && image < INFINI)
        montre(bouton_intervalle(image, Saisie{mthx1_->texte(), mthx1_->curseurGauche()}));
}

void TForm2::reponse(int image)
{
    remplace_selection();
    if (image >= VIDE && image <= OU)
        montre(bouton_reponse(static_cast<SigneReponse>(image - VIDE),
                              Saisie{mthx1_->texte(), mthx1_->curseurGauche()}));
}

int TForm2::image_sous(QPoint point) const
{
    if (barre_ && PLACE_BARRE.contains(point))
        return image_dans(point, PREMIER_INTERVALLE, INFINI);
    if (reponse_) {
        if (const int image = image_dans(point, VIDE, OU))
            return image;
        // Below the answer buttons, the bottom row stands lower.
        if (point.y() >= place(VIDE).top())
            point.ry() -= ECART_REPONSE;
    }
    return modele_sous(point);
}

QPoint TForm2::coin(int image) const
{
    const bool dessous = reponse_ && (image == VALIDE || image == ANNULE);
    return place(image).topLeft() + QPoint(0, dessous ? ECART_REPONSE : 0);
}

void TForm2::eclaire(QPoint point)
{
    const int image = image_sous(point);
    if (image == eclairee_)
        return;
    eclairee_ = image;
    update();
}

void TForm2::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, reponse_ ? fond_reponse_ : fond_);
    for (int image = VALIDE; image <= OU; ++image) {
        const bool montree = image <= ET ? !(barre_ && image >= RACINE) : image >= VIDE && reponse_;
        if (montree)
            p.drawPixmap(coin(image), image == eclairee_ ? allumees_[image] : eteintes_[image]);
    }
    if (barre_) {
        p.drawPixmap(PLACE_BARRE.topLeft(), barre_image_);
        if (eclairee_ >= PREMIER_INTERVALLE && eclairee_ <= INFINI)
            p.drawPixmap(place(eclairee_).topLeft(), allumees_[eclairee_]);
    }
}

void TForm2::mouseMoveEvent(QMouseEvent *e)
{
    eclaire(e->position().toPoint());
    FenetreSansBord::mouseMoveEvent(e);
}

void TForm2::leaveEvent(QEvent *e)
{
    eclairee_ = 0;
    update();
    FenetreSansBord::leaveEvent(e);
}

void TForm2::mousePressEvent(QMouseEvent *e)
{
    const int image = e->button() == Qt::LeftButton ? image_sous(e->position().toPoint()) : 0;
    if (image == VALIDE)
        Terminer();
    else if (image == ANNULE)
        annule();
    else if (image >= RACINE && image <= ET)
        modele(image);
    else if (image >= VIDE)
        reponse(image);
    else if (image >= PREMIER_INTERVALLE)
        intervalle(image);
    else
        FenetreSansBord::mousePressEvent(e);
}
