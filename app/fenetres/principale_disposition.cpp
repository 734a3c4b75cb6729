#include "app/fenetres/principale_disposition.h"

namespace {

int rang(BoutonCadre b) { return static_cast<int>(b); }

// Strict bounds on both sides.
bool entre(int v, int bas, int haut) { return v > bas && v < haut; }

} // namespace

namespace {

// What each frame button says, in the order of BoutonCadre after aucun.
struct TextesBouton {
    const char *indication, *image, *raccourci, *nom_lu, *description;
};
constexpr TextesBouton TEXTES_BOUTONS[NB_BOUTONS_CADRE] = {
    {"SORTIR", "Image4", "Ctrl+Q", "Sortir", "Quitter le programme"},
    {"SITE VIVEZEZI", "Image32", "", "Site de Vivezezi", "Ouvrir la page web du programme"},
    {"RESUME", "Image7", "Ctrl+P", "Résumé", "Voir et imprimer le résumé de l'exercice"},
    {"RECOMMENCER", "Image19", "Ctrl+N", "Recommencer", "Commencer un nouvel exercice"},
    {"EFFACER LE DERNIER", "Image17", "F8", "Effacer le dernier", "Retirer la dernière étape"},
    {"PARAMETRES", "Image21", "F3", "Paramètres", "Options des exercices, dossier et mot de passe"},
    {"AIDE", "Image23", "F1", "Aide", "Ouvrir les pages d'aide"},
    {"ENSEMBLE DE DEFINITION", "Image25", "F2", "Ensemble de définition", "Donner l'ensemble de définition"},
    {"CHARGER UN EXERCICE", "Image27", "Ctrl+O", "Charger un exercice", "Ouvrir un fichier d'exercice"},
};
constexpr TextesBouton AUCUN_TEXTE = {"", "", "", "", ""};

const TextesBouton &textes(BoutonCadre bouton)
{
    return bouton == BoutonCadre::aucun ? AUCUN_TEXTE : TEXTES_BOUTONS[rang(bouton) - 1];
}

} // namespace

const char *indication(BoutonCadre bouton) { return textes(bouton).indication; }
const char *nom_image(BoutonCadre bouton) { return textes(bouton).image; }
const char *raccourci(BoutonCadre bouton) { return textes(bouton).raccourci; }
const char *nom_lu(BoutonCadre bouton) { return textes(bouton).nom_lu; }
const char *description(BoutonCadre bouton) { return textes(bouton).description; }

QSize taille_bouton(BoutonCadre bouton)
{
    switch (bouton) {
    case BoutonCadre::sortir: return {32, 45};
    case BoutonCadre::site: return {40, 39};
    case BoutonCadre::resume: return {57, 39};
    case BoutonCadre::recommencer: return {39, 46};
    case BoutonCadre::effacer: return {62, 20};
    case BoutonCadre::aucun: return {};
    default: return {32, 31};
    }
}

Disposition disposition_pour(int largeur_ecran)
{
    Disposition d;
    const bool petite = largeur_ecran == 640;
    auto choix = [petite](QPoint p640, QPoint grande) { return petite ? p640 : grande; };
    if (!petite)
        d.decalages = {30, 53, 10, 15, 30, 70, 80};
    d.client = petite ? QSize(640, 480) : QSize(760, 560);
    // Positions are written (left, top).
    // The action panels reach further left than the design's 184 pixels, so
    // that their captions are read at 11 points.
    d.panel22 = choix({8, 97}, {30, 150});
    d.largeur_panel22 = petite ? 210 : 244;
    d.panel21 = choix({542, 23}, {655, 38});
    d.panel9 = choix({224, 183}, {304, 233});
    d.panel2 = choix({224, 100}, {304, 150});
    d.panel23 = choix({587, 102}, {667, 152});
    d.panel20 = petite ? QRect(93, 24, 170, 72) : QRect(113, 34, 210, 82);
    d.panel18 = petite ? QRect(355, 24, 180, 72) : QRect(425, 34, 220, 82);
    d.label1 = choix({268, 22}, {334, 31});
    d.speedbutton1 = choix({267, 42}, {333, 56});
    d.combobox2 = choix({267, 68}, {333, 87});
    d.panel24 = choix({320, 96}, {427, 120});
    d.haut_boutons_bas = petite ? 440 : 520;
    d.gauche_fin = petite ? 213 : 574;
    d.speedbutton9 = choix({576, 440}, {626, 520});
    d.boutons[rang(BoutonCadre::domaine)] = choix({58, 26}, {68, 41});
    d.boutons[rang(BoutonCadre::visualiser)] = choix({24, 26}, {34, 41});
    d.boutons[rang(BoutonCadre::aide)] = choix({24, 62}, {34, 77});
    d.boutons[rang(BoutonCadre::charger)] = choix({58, 62}, {68, 77});
    d.boutons[rang(BoutonCadre::sortir)] = choix({28, 412}, {58, 482});
    d.boutons[rang(BoutonCadre::resume)] = choix({106, 418}, {136, 488});
    d.boutons[rang(BoutonCadre::site)] = choix({64, 418}, {94, 488});
    d.site_eclaire = choix({63, 417}, {93, 487});
    d.boutons[rang(BoutonCadre::recommencer)] = choix({168, 413}, {198, 483});
    d.boutons[rang(BoutonCadre::effacer)] = choix({450, 446}, {450, 526});
    return d;
}

BoutonCadre bouton_eclaire(int x, int y, const Decalages &d, bool chargement_permis)
{
    const int xb = x - d.dx_bas, yb = y - d.dy_bas;
    if (entre(xb, 28, 60) && entre(yb, 412, 457))
        return BoutonCadre::sortir;
    if (entre(xb, 64, 104) && entre(yb, 418, 457))
        return BoutonCadre::site;
    if (entre(xb, 106, 163) && entre(yb, 418, 457))
        return BoutonCadre::resume;
    if (entre(xb, 168, 207) && entre(yb, 413, 459))
        return BoutonCadre::recommencer;
    // The erase button keeps its columns in both layouts; 512 belongs to it.
    if (x > 450 && x <= 512 && entre(y - d.dy_effacer, 444, 464))
        return BoutonCadre::effacer;
    const int xh = x - d.dx_haut, yh = y - d.dy_haut;
    const bool gauche = entre(xh, 24, 56), droite = entre(xh, 58, 90);
    if (entre(yh, 26, 57))
        return gauche ? BoutonCadre::visualiser : droite ? BoutonCadre::domaine : BoutonCadre::aucun;
    if (entre(yh, 62, 93)) {
        if (gauche)
            return BoutonCadre::aide;
        if (droite && chargement_permis)
            return BoutonCadre::charger;
    }
    return BoutonCadre::aucun;
}
