#pragma once
// The pictures of the main window, drawn at start for the screen's pixel
// density: the background with its frames, the picture buttons of the frame
// (unlit and lit), the template buttons and the size arrows.

#include <QColor>
#include <QPixmap>

#include "app/fenetres/principale_disposition.h"
#include "core/partage.h"

// A colour written 0x02BBGGRR (the high byte is ignored).
QColor couleur_qt(Couleur couleur);

QPixmap dessine_fond(const Disposition &disposition, qreal densite);
QPixmap dessine_bouton(BoutonCadre bouton, bool allume, qreal densite);
// The template buttons' panel, 73 by 76, with the button `allume` lit (8, 9,
// 29 or 6; 0 for none).
QPixmap dessine_modeles(int allume, qreal densite);
// One size arrow, 20 by 16, pointing up or down.
QPixmap dessine_fleche(bool haut, qreal densite);
