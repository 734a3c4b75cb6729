#pragma once
// Drawing of the print window's pages on any QPainter, in layout units (the
// window's pixels: the page surface spans (29, 45) to (543, 455)). On paper
// the caller scales the painter; formulas are drawn as vectors by the
// formula painting function. Each function returns the lowest y it drew at.

#include <vector>

#include <QColor>
#include <QRectF>

#include "print/page_aide.h"
#include "print/resume.h"
#include "algebra/tableau_signes.h"

class QPainter;

// The page surface of the window.
inline const QRectF SURFACE_PAGE(29, 45, 514, 410);
// On the window, help lines are drawn while y stays at or above this line.
inline constexpr double BAS_AIDE_ECRAN = 400;

double dessine_resume(QPainter &p, const std::vector<LigneResume> &lignes);

// The lines of a help page from `premiere` (0-based); on paper every line,
// with the title on top.
double dessine_aide(QPainter &p, const PageAide &page, std::size_t premiere, bool impression);

// The sign table; on paper with its title on top. An invalid table draws
// nothing but that title.
double dessine_tableau(QPainter &p, const TableauSignes &t, bool impression);

QColor couleur_aide(CouleurAide c);
