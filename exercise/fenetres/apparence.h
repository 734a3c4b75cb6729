#pragma once
// The look shared by the teacher's windows: the dark frame of the small
// windows, a bold title, light entry fields and rounded buttons that light up
// under the mouse.

#include <QLabel>
#include <QPushButton>
#include <QString>
#include <QWidget>

#include "app/fenetres/couleurs.h"

// The style sheet of a teacher's window named `nom`: frame, labels, fields,
// tables, boxes.
QString feuille_de_style(const QString &nom);

// A rounded button with its caption, named after its control.
QPushButton *bouton_prof(QWidget *parent, const char *nom, const QString &legende);

// A label in the window's font, `pixels` high.
QLabel *etiquette(QWidget *parent, const QString &texte, int pixels, bool gras = false);
