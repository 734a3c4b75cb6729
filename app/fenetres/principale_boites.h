#pragma once
// The main window's use of the formula boxes, through functions compiled
// apart: the window's own sources also see the work's types, whose box enum
// would clash with the layout classes that the formula box's header brings.

#include <functional>
#include <string>

#include <QString>

class MthX;
class QColor;
class QKeyEvent;
class QObject;
class QWidget;

namespace formule {

MthX *cree(QWidget *parent, const QString &nom);
QWidget *widget(MthX &boite);
const std::string &texte(const MthX &boite);
// Sets the text only when it differs (the caret goes to its end).
void ecrit(MthX &boite, const std::string &texte);
int curseur_gauche(const MthX &boite);
int curseur_droit(const MthX &boite);
void place_curseur(MthX &boite, int position);
void taille(MthX &boite, int hauteur);
// The window's scale, by which the formula is drawn larger or smaller.
void zoom(MthX &boite, qreal facteur);
void couleur(MthX &boite, const QColor &couleur);
// `changement` runs on each change of the text, `clic` after a left click.
void relie(MthX &boite, QObject *contexte, std::function<void()> changement, std::function<void()> clic);
// The key filter: sees each key press first, true when it dealt with it.
void filtre(MthX &boite, std::function<bool(QKeyEvent &)> filtre);

} // namespace formule
