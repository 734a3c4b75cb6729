#include "app/fenetres/fenetre_mot_de_passe.h"

#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "core/partage.h"

namespace {

QPushButton *bouton_rouge(QWidget *parent, const QString &texte, QRect place)
{
    auto *b = new QPushButton(texte, parent);
    b->setFlat(true);
    b->setFocusPolicy(Qt::StrongFocus);
    b->setAutoDefault(true);
    b->setFont(police_fenetre(13));
    b->setGeometry(place);
    b->setCursor(Qt::PointingHandCursor);
    b->setStyleSheet(QStringLiteral(
        "QPushButton { color: #C00000; border: 1px solid #B08040; border-radius: 4px; }"
        "QPushButton:hover { background: #FFF4D0; }"
        "QPushButton:focus { border: 2px solid #C00000; }"));
    return b;
}

} // namespace

TForm6::TForm6(QWidget *parent) : FenetreSansBord(parent)
{
    setObjectName(QStringLiteral("TForm6"));
    setFixedSize(LARGEUR, HAUTEUR);
    setWindowTitle(QStringLiteral("MOT DE PASSE"));

    auto *panel25 = new QFrame(this);
    panel25->setObjectName(QStringLiteral("Panel25"));
    panel25->setGeometry(0, 0, LARGEUR, HAUTEUR);
    panel25->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    panel25->setLineWidth(2);
    panel25->setAutoFillBackground(true);
    QPalette p = panel25->palette();
    p.setColor(QPalette::Window, couleur_palette(palette::CREME));
    panel25->setPalette(p);
    // The panel lets presses through to the window, which is moved by them.
    panel25->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *label5 = new QLabel(QStringLiteral("MOT DE PASSE"), this);
    label5->setObjectName(QStringLiteral("Label5"));
    label5->setFont(police_fenetre(16));
    label5->setGeometry(38, 16, LARGEUR - 2 * 38, 24);
    label5->setAlignment(Qt::AlignCenter);
    label5->setAttribute(Qt::WA_TransparentForMouseEvents);

    edit3_ = new QLineEdit(this);
    edit3_->setObjectName(QStringLiteral("Edit3"));
    edit3_->setFont(police_fenetre(16));
    edit3_->setGeometry(32, 56, 145, 28);
    edit3_->setContextMenuPolicy(Qt::NoContextMenu);
    edit3_->setAcceptDrops(false);
    edit3_->installEventFilter(this);
    setFocusProxy(edit3_);

    message_ = new QLabel(this);
    message_->setObjectName(QStringLiteral("Label6"));
    message_->setFont(police_fenetre(12));
    message_->setGeometry(8, 84, LARGEUR - 16, 14);
    message_->setAlignment(Qt::AlignCenter);
    message_->setStyleSheet(QStringLiteral("color: #C00000;"));
    message_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *ok = bouton_rouge(this, QStringLiteral("OK"), QRect(8, 98, 60, 20));
    ok->setObjectName(QStringLiteral("SpeedButton10"));
    auto *annuler = bouton_rouge(this, QStringLiteral("Annuler"), QRect(136, 98, 70, 20));
    annuler->setObjectName(QStringLiteral("SpeedButton11"));
    edit3_->setAccessibleName(QStringLiteral("Mot de passe"));
    edit3_->setAccessibleDescription(QStringLiteral("Tapez le mot de passe du professeur puis Entrée"));
    ok->setAccessibleDescription(QStringLiteral("Valider le mot de passe"));
    annuler->setAccessibleDescription(QStringLiteral("Continuer en mode élève, sans mot de passe"));
    connect(ok, &QPushButton::clicked, this, &TForm6::valide);
    connect(annuler, &QPushButton::clicked, this, &TForm6::Annuler);
}

void TForm6::showEvent(QShowEvent *e)
{
    tampon_.vide();
    edit3_->clear();
    message_->clear();
    edit3_->setFocus();
    FenetreSansBord::showEvent(e);
}

// Every key of the box goes through the buffer: the box shows stars, and
// pasting or editing in the middle would leave the two apart.
bool TForm6::eventFilter(QObject *objet, QEvent *e)
{
    if (objet != edit3_)
        return FenetreSansBord::eventFilter(objet, e);
    if (e->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent *>(e)->button() == Qt::MiddleButton)
        return true;   // no pasting of the selection either
    if (e->type() != QEvent::KeyPress)
        return FenetreSansBord::eventFilter(objet, e);
    auto *touche = static_cast<QKeyEvent *>(e);
    if (touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter) {
        valide();
        return true;
    }
    if (touche->key() == Qt::Key_Backspace) {
        tampon_.frappe("\b");
        edit3_->backspace();
        return true;
    }
    // Tab goes on to the buttons.
    if (touche->key() == Qt::Key_Tab || touche->key() == Qt::Key_Backtab)
        return false;
    const QString texte = touche->text();
    if (texte.isEmpty() || !texte.at(0).isPrint() ||
        (touche->modifiers() & (Qt::ControlModifier | Qt::MetaModifier)))
        return true;   // moves, pasting and the like would desynchronise the buffer
    for (const char32_t c : texte.toUcs4())
        edit3_->insert(QString::fromStdString(tampon_.frappe(QString::fromUcs4(&c, 1).toStdString())));
    return true;
}

void TForm6::valide() { repond(tampon_.tampon()); }

void TForm6::Annuler() { repond(std::nullopt); }

QString TForm6::message() const { return message_->text(); }

void TForm6::repond(const std::optional<std::string> &tape)
{
    const Passe r = reponse_ ? reponse_(tape)
                    : !tape  ? Passe::annulee
                             : mot_de_passe_correct(*tape, partage.mot_de_passe) ? Passe::acceptee
                                                                                 : Passe::refusee;
    if (r == Passe::refusee) {
        // Typed again from an empty box.
        tampon_.vide();
        edit3_->clear();
        message_->setText(QString::fromUtf8(MOT_DE_PASSE_INCORRECT));
        edit3_->setFocus();
        return;
    }
    hide();
    if (principale_)
        principale_->setEnabled(true);
    if (accepte_)
        accepte_();
}

void TForm6::closeEvent(QCloseEvent *e)
{
    if (isVisible())
        Annuler();
    e->accept();
}
