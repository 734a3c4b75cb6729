#include "app/fenetres/fenetre_resultat.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>

#include "app/travail/reponse.h"

namespace {

const QRect PLACE_FERMER(37, 127, 70, 22);
constexpr int HAUTEUR_RETENUE = 17;

// The window grows by one line for each thing taken off the mark.
int hauteur_pour(std::size_t retenues)
{
    return TForm4::HAUTEUR + (retenues == 0 ? 0 : 6 + HAUTEUR_RETENUE * static_cast<int>(retenues));
}

// A warm paper with a frame in the main window's colour.
QPixmap dessine_fond(qreal densite, int hauteur)
{
    QPixmap image = toile(QSize(TForm4::LARGEUR, hauteur), densite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF tout(0, 0, TForm4::LARGEUR, hauteur);
    QLinearGradient g(tout.topLeft(), tout.bottomLeft());
    g.setColorAt(0, QColor(0xFF, 0xF6, 0xDE));
    g.setColorAt(1, QColor(0xF2, 0xDC, 0xB0));
    p.fillRect(tout, g);
    p.setPen(QPen(palette::fond, 3));
    p.setBrush(Qt::NoBrush);
    p.drawRect(tout.adjusted(1.5, 1.5, -1.5, -1.5));
    p.setPen(QPen(palette::bord, 1));
    p.drawRect(tout.adjusted(4.5, 4.5, -4.5, -4.5));
    return image;
}

// The light plate under the mark.
void dessine_plaque(QPainter &p)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(0xB0, 0x80, 0x40), 1));
    p.setBrush(QColor(0xFF, 0xFC, 0xF0));
    p.drawRoundedRect(QRectF(166.5, 121.5, 140, 28), 6, 6);
}

QPixmap dessine_fermer(qreal densite)
{
    QPixmap image = toile(PLACE_FERMER.size(), densite);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QRectF r(0, 0, PLACE_FERMER.width(), PLACE_FERMER.height());
    face_bouton(p, r, true);
    p.setFont(police_fenetre(12));
    p.drawText(r, Qt::AlignCenter, QStringLiteral("FERMER"));
    return image;
}

QLabel *etiquette(QWidget *parent, const char *nom, QRect place, int pixels)
{
    auto *l = new QLabel(parent);
    l->setObjectName(QString::fromLatin1(nom));
    l->setGeometry(place);
    l->setFont(police_fenetre(pixels));
    l->setAttribute(Qt::WA_TransparentForMouseEvents);
    return l;
}

} // namespace

TForm4::TForm4(QWidget *parent) : FenetreSansBord(parent)
{
    setObjectName(QStringLiteral("TForm4"));
    setFixedSize(LARGEUR, HAUTEUR);
    setMouseTracking(true);
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Résultat"));
    setAccessibleName(QStringLiteral("Résultat de la réponse"));
    const qreal densite = devicePixelRatioF();
    fond_ = dessine_fond(densite, HAUTEUR);
    fermer_image_ = dessine_fermer(densite);

    label1_ = etiquette(this, "Label1", QRect(8, 10, 305, 41), 16);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    label1_->setStyleSheet(QStringLiteral("color: #2A2A40;"));

    auto *cadre = new QFrame(this);
    cadre->setObjectName(QStringLiteral("Panel1"));
    cadre->setGeometry(3, 56, 312, 57);
    cadre->setFrameStyle(QFrame::Panel | QFrame::Raised);
    cadre->setLineWidth(2);
    cadre->setAutoFillBackground(true);
    QPalette pal = cadre->palette();
    pal.setColor(QPalette::Window, couleur_palette(palette::SABLE));
    cadre->setPalette(pal);
    cadre->setAttribute(Qt::WA_TransparentForMouseEvents);

    label4_ = etiquette(cadre, "Label4", QRect(4, 4, 304, 49), 16);
    label4_->setAlignment(Qt::AlignCenter);
    label4_->setWordWrap(true);
    label4_->setStyleSheet(QStringLiteral("color: #D00000;"));

    label3_ = etiquette(this, "Label3", QRect(172, 126, 76, 20), 14);
    label3_->setText(QStringLiteral("NOTE : "));
    label3_->setStyleSheet(QStringLiteral("color: #2A2A40;"));
    label2_ = etiquette(this, "Label2", QRect(248, 125, 56, 22), 16);
    label2_->setStyleSheet(QStringLiteral("color: #D00000;"));

    retenues_ = etiquette(this, "Retenues", QRect(40, HAUTEUR, LARGEUR - 80, 0), 13);
    retenues_->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
    retenues_->setStyleSheet(QStringLiteral("color: #2A2A40;"));
}

void TForm4::showEvent(QShowEvent *e)
{
    const FenetreResultat r = resultat();
    label1_->setText(QString::fromStdString(r.commentaire));
    // After a wrong answer the plate holds one line, the mark so far, and a
    // long comment (the explanation of a mistake with its counter-example)
    // takes the room above it, in a smaller font if it must.
    const bool sans_eloge = r.felicitations.empty() && !r.note_visible;
    auto *plaque = findChild<QFrame *>(QStringLiteral("Panel1"));
    plaque->setGeometry(sans_eloge ? QRect(3, 89, 312, 24) : QRect(3, 56, 312, 57));
    label4_->setGeometry(sans_eloge ? QRect(4, 2, 304, 20) : QRect(4, 4, 304, 49));
    label4_->setFont(police_fenetre(sans_eloge ? 14 : 16));
    label1_->setGeometry(sans_eloge ? QRect(8, 10, 305, 76) : QRect(8, 10, 305, 41));
    for (int pixels = 16; pixels >= 10; --pixels) {
        label1_->setFont(police_fenetre(pixels));
        const QRect place = label1_->fontMetrics().boundingRect(label1_->contentsRect(), Qt::TextWordWrap | Qt::AlignCenter,
                                                                 label1_->text());
        if (place.height() <= label1_->height())
            break;
    }
    label4_->setText(QString::fromStdString(r.felicitations.empty() ? r.note_provisoire : r.felicitations));
    label2_->setText(QString::fromStdString(r.note));
    label2_->setVisible(r.note_visible);
    label3_->setVisible(r.note_visible);
    QStringList lignes;
    for (const std::string &l : r.retenues)
        lignes << QString::fromStdString(l);
    retenues_->setText(lignes.join(QLatin1Char('\n')));
    const int hauteur = hauteur_pour(r.retenues.size());
    retenues_->setGeometry(40, HAUTEUR, LARGEUR - 80, hauteur - HAUTEUR - 4);
    if (height() != hauteur) {
        setFixedSize(LARGEUR, hauteur);
        fond_ = dessine_fond(devicePixelRatioF(), hauteur);
    }
    fermer_ = false;
    update();
    // The verdict and the mark are told at once to a screen reader.
    QString annonce = label1_->text() + QLatin1Char(' ') + label4_->text().simplified();
    if (r.note_visible)
        annonce += QStringLiteral(" Note : ") + label2_->text();
    setAccessibleDescription(annonce + QStringLiteral(". Echap ou Entrée pour fermer."));
    FenetreSansBord::showEvent(e);
    activateWindow();
    setFocus(Qt::ActiveWindowFocusReason);
    QAccessibleEvent alerte(this, QAccessible::Alert);
    QAccessible::updateAccessibility(&alerte);
}

void TForm4::keyPressEvent(QKeyEvent *e)
{
    if (e->key() == Qt::Key_Return || e->key() == Qt::Key_Enter || e->key() == Qt::Key_Space) {
        hide();
        return;
    }
    FenetreSansBord::keyPressEvent(e);
}

QString TForm4::commentaire() const { return label1_->text(); }
QString TForm4::felicitations() const { return label4_->text(); }
QString TForm4::note() const { return label2_->text(); }
QStringList TForm4::retenues() const
{
    return retenues_->text().isEmpty() ? QStringList() : retenues_->text().split(QLatin1Char('\n'));
}
bool TForm4::note_visible() const { return !label2_->isHidden(); }
bool TForm4::fermer_visible() const { return isVisible(); }

void TForm4::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.drawPixmap(0, 0, fond_);
    if (!label2_->isHidden())
        dessine_plaque(p);
    // The close button is always drawn; under the mouse it is lit.
    p.drawPixmap(PLACE_FERMER.topLeft(), fermer_image_);
    if (fermer_) {
        p.setPen(QPen(QColor(0xD0, 0, 0), 2));
        p.setBrush(Qt::NoBrush);
        p.drawRoundedRect(QRectF(PLACE_FERMER).adjusted(1, 1, -1, -1), 4, 4);
    }
}

void TForm4::mouseMoveEvent(QMouseEvent *e)
{
    const QPoint point = e->position().toPoint();
    const bool fermer = bouton_fermer_eclaire(point.x(), point.y());
    if (fermer != fermer_) {
        fermer_ = fermer;
        update(PLACE_FERMER);
    }
    FenetreSansBord::mouseMoveEvent(e);
}

void TForm4::leaveEvent(QEvent *e)
{
    if (fermer_) {
        fermer_ = false;
        update(PLACE_FERMER);
    }
    FenetreSansBord::leaveEvent(e);
}

void TForm4::mousePressEvent(QMouseEvent *e)
{
    const QPoint point = e->position().toPoint();
    if (e->button() == Qt::LeftButton && bouton_fermer_eclaire(point.x(), point.y())) {
        hide();
        return;
    }
    FenetreSansBord::mousePressEvent(e);
}
