#pragma once
// Where the main window's controls stand for a given screen width, and which
// lit picture button of its frame lies under the mouse. Pure geometry, so the
// window and its tests share it.

#include <QPoint>
#include <QRect>
#include <QSize>

// The seven offsets that move groups of controls in the large layout.
struct Decalages {
    int dx_fenetre = 0, dy_fenetre = 0;
    int dx_haut = 0, dy_haut = 0;
    int dx_bas = 0, dy_bas = 0;
    int dy_effacer = 0;
};

// The picture buttons of the frame, each a pair of an unlit and a lit picture.
enum class BoutonCadre {
    aucun,
    sortir,       // Image2 / Image4
    site,         // Image31 / Image32
    resume,       // print / Image7
    recommencer,  // Image18 / Image19
    effacer,      // Image30 / Image17
    visualiser,   // Image20 / Image21
    aide,         // Image22 / Image23
    domaine,      // Image24 / Image25
    charger,      // Image26 / Image27
};
inline constexpr int NB_BOUTONS_CADRE = 9;

// The button's hint, as shown under the mouse ("SORTIR", ...).
const char *indication(BoutonCadre bouton);
// The name of its lit picture ("Image4", ...).
const char *nom_image(BoutonCadre bouton);
// Its keyboard shortcut as the hints show it ("F1"), empty for none.
const char *raccourci(BoutonCadre bouton);
// What a screen reader calls it ("Aide"), and what it does.
const char *nom_lu(BoutonCadre bouton);
const char *description(BoutonCadre bouton);

struct Disposition {
    QSize client;
    Decalages decalages;
    QPoint panel22;  // action panels
    int largeur_panel22 = 184;   // wide enough for the captions at 11 points
    QPoint panel21;  // template buttons
    QPoint panel9;   // result boxes
    QPoint panel2;   // input box
    QPoint panel23;  // size arrows
    QRect panel20;   // help box
    QRect panel18;   // statement box
    QPoint label1;
    QPoint speedbutton1;
    QPoint combobox2;
    QPoint panel24;  // statement editor
    int haut_boutons_bas = 440;   // SpeedButton2 to SpeedButton6
    int gauche_fin = 213;         // SpeedButton3 ("FIN")
    QPoint speedbutton9;
    // Top-left corner of each frame button's pictures, by BoutonCadre.
    QPoint boutons[NB_BOUTONS_CADRE + 1];
    // The lit "SITE VIVEZEZI" picture stands one pixel up and left of its twin.
    QPoint site_eclaire;

    QPoint bouton(BoutonCadre b) const { return boutons[static_cast<int>(b)]; }
};

// The layout for a screen width: exactly 640 keeps the design's 640 by 480
// window, any other width the 760 by 560 one.
Disposition disposition_pour(int largeur_ecran);

// The lit button whose rectangle holds the window point (x, y); "CHARGER UN
// EXERCICE" only when loading is allowed.
BoutonCadre bouton_eclaire(int x, int y, const Decalages &d, bool chargement_permis);

// Size of every frame button picture.
QSize taille_bouton(BoutonCadre bouton);
