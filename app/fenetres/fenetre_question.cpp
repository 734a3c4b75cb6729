#include "app/fenetres/fenetre_question.h"

#include <QCloseEvent>
#include <QLabel>
#include <QPushButton>

TForm7::TForm7(QWidget *parent) : FenetreSansBord(parent)
{
    setObjectName(QStringLiteral("TForm7"));
    setFixedSize(LARGEUR, HAUTEUR);
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, couleur_palette(palette::CREME));
    setPalette(p);
    setStyleSheet(QStringLiteral(
        "TForm7 { border: 2px solid #B08040; }"
        "QPushButton { color: #C00000; background: #FFF8E0; border: 1px solid #B08040;"
        " border-radius: 5px; }"
        "QPushButton:hover { background: #FFE69A; }"));
    setAttribute(Qt::WA_StyledBackground);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(12, 12, LARGEUR - 24, 66);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    label1_->setFont(police_fenetre(15));
    label1_->setStyleSheet(QStringLiteral("color: #C00000;"));
    label1_->setAttribute(Qt::WA_TransparentForMouseEvents);

    auto *oui = new QPushButton(QStringLiteral("OUI"), this);
    oui->setObjectName(QStringLiteral("SpeedButton1"));
    oui->setGeometry(32, 90, 80, 26);
    auto *non = new QPushButton(QStringLiteral("NON"), this);
    non->setObjectName(QStringLiteral("SpeedButton2"));
    non->setGeometry(LARGEUR - 32 - 80, 90, 80, 26);
    setStyleSheet(styleSheet() + QStringLiteral("QPushButton:focus { border: 3px solid #C00000; }"));
    for (QPushButton *b : {oui, non}) {
        b->setFont(police_fenetre(14));
        b->setFocusPolicy(Qt::StrongFocus);
        b->setAutoDefault(true);   // Enter answers with the button that has the focus
        b->setCursor(Qt::PointingHandCursor);
    }
    oui->setAccessibleDescription(QStringLiteral("Répondre oui (Entrée)"));
    non->setAccessibleDescription(QStringLiteral("Répondre non (Echap)"));
    setAccessibleName(QStringLiteral("Question"));
    connect(oui, &QPushButton::clicked, this, &TForm7::OUI);
    connect(non, &QPushButton::clicked, this, &TForm7::NON);
}

void TForm7::demande(const std::string &question)
{
    label1_->setText(QString::fromStdString(question));
    setAccessibleDescription(label1_->text());
    if (principale_)
        principale_->setEnabled(false);
    show();
    raise();
    activateWindow();
    findChild<QPushButton *>(QStringLiteral("SpeedButton1"))->setFocus(Qt::ActiveWindowFocusReason);
}

QString TForm7::question() const { return label1_->text(); }

void TForm7::OUI() { repond(true); }
void TForm7::NON() { repond(false); }

void TForm7::closeEvent(QCloseEvent *e)
{
    if (principale_)
        principale_->setEnabled(true);
    e->accept();
}

void TForm7::repond(bool oui)
{
    if (principale_)
        principale_->setEnabled(true);
    hide();
    if (reponse_)
        reponse_(oui);
}
