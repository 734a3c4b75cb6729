#include "app/fenetres/principale_boites.h"

#include "formula/widget/mthx.h"

namespace formule {

MthX *cree(QWidget *parent, const QString &nom)
{
    auto *boite = new MthX(parent);
    boite->setObjectName(nom);
    return boite;
}

QWidget *widget(MthX &boite) { return &boite; }
const std::string &texte(const MthX &boite) { return boite.texte(); }

void ecrit(MthX &boite, const std::string &t)
{
    if (boite.texte() != t)
        boite.setTexte(t);
}

int curseur_gauche(const MthX &boite) { return boite.curseurGauche(); }
int curseur_droit(const MthX &boite) { return boite.curseurDroit(); }
void place_curseur(MthX &boite, int position) { boite.placeCurseur(position); }

void zoom(MthX &boite, qreal facteur) { boite.setZoom(facteur); }

void taille(MthX &boite, int hauteur)
{
    if (boite.hauteurPolice() != hauteur)
        boite.setHauteurPolice(hauteur);
}

void couleur(MthX &boite, const QColor &c)
{
    if (boite.couleur() != c)
        boite.setCouleur(c);
}

void relie(MthX &boite, QObject *contexte, std::function<void()> changement, std::function<void()> clic)
{
    QObject::connect(&boite, &MthX::changement, contexte, std::move(changement));
    QObject::connect(&boite, &MthX::clicGauche, contexte, std::move(clic));
}

void filtre(MthX &boite, std::function<bool(QKeyEvent &)> f)
{
    boite.setFiltreTouches([f = std::move(f)](MthX &, QKeyEvent &touche) { return f(touche); });
}

} // namespace formule
