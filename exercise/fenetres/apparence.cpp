#include "exercise/fenetres/apparence.h"

namespace {

QString rgb(const QColor &c)
{
    return c.name(QColor::HexRgb);
}

} // namespace

QString feuille_de_style(const QString &nom)
{
    return QStringLiteral(
               "QWidget#%9 { background: %1; border: 1px solid %2; }"
               "QLabel { color: %3; background: transparent; }"
               "QCheckBox { color: %3; spacing: 8px; }"
               "QCheckBox::indicator { width: 9px; height: 9px; padding: 2px; border: 1px solid %2;"
               " background: white; }"
               "QCheckBox::indicator:checked { background: %8; background-clip: content; }"
               "QLineEdit { background: white; color: black; border: 1px solid %2; padding: 2px; }"
               "QTableWidget { background: white; color: black; gridline-color: #b8b8c8;"
               " selection-background-color: %4; selection-color: black; }"
               "QHeaderView::section { background: #d8d8e4; color: #202040; border: 0;"
               " border-right: 1px solid #a0a0b8; border-bottom: 1px solid #a0a0b8; padding: 0 3px; }"
               "QTableCornerButton::section { background: #d8d8e4; border: 0; }"
               "QPushButton { color: %3; border: 1px solid #8080a4; border-radius: 6px; padding: 4px 12px;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %5, stop:1 %6); }"
               "QPushButton:focus, QCheckBox:focus { border: 2px solid #ffd000; }"
               "QPushButton:hover { color: %7; border-color: #fff4d0;"
               " background: qlineargradient(x1:0, y1:0, x2:0, y2:1, stop:0 %4, stop:1 %8); }")
        .arg(rgb(palette::fond), rgb(palette::bord), rgb(palette::trait), rgb(palette::allume_haut),
             rgb(palette::bouton_haut), rgb(palette::bouton_bas), rgb(palette::trait_allume),
             rgb(palette::allume_bas), nom);
}

QPushButton *bouton_prof(QWidget *parent, const char *nom, const QString &legende)
{
    auto *bouton = new QPushButton(legende, parent);
    bouton->setObjectName(QString::fromLatin1(nom));
    bouton->setFont(police_fenetre(12));
    bouton->setCursor(Qt::PointingHandCursor);
    // Tab reaches it and Enter presses it; a click leaves the keyboard where it was.
    bouton->setFocusPolicy(Qt::TabFocus);
    bouton->setAutoDefault(true);
    return bouton;
}

QLabel *etiquette(QWidget *parent, const QString &texte, int pixels, bool gras)
{
    auto *label = new QLabel(texte, parent);
    label->setFont(police_fenetre(pixels, gras));
    return label;
}
