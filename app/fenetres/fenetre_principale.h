#pragma once
// The main window TForm1: a borderless window drawn as one background picture
// with the formula boxes, the action panels, the lists and the lit picture
// buttons laid over it. It holds no work logic: every handler forwards to
// Travail and the window then shows what Travail holds.

#include <array>
#include <functional>
#include <memory>
#include <string>

#include <QLabel>
#include <QPixmap>
#include <QPointer>
#include <QWidget>

#include "app/fenetres/principale_disposition.h"
#include "app/fenetres/principale_echelle.h"
#include "app/travail/menus.h"

class MthX;
class QComboBox;
class QPlainTextEdit;
class QPushButton;
class QPropertyAnimation;
class PanneauAction;
class BoutonsModeles;
class FlechesTaille;
class BoutonClavier;
class QSizeGrip;
class Travail;
struct Confirmation;

// The secondary windows the main window opens; any may be missing (null), and
// the main window then does without it. They read what they show from the
// shared record and call the main window back.
class TForm2;
class TForm3;
class TForm4;
class TForm5;
class TForm6;
class TForm7;
class TImprime;
struct FenetresSecondaires {
    TForm2 *form2 = nullptr;       // argument, interval and domain
    TForm4 *form4 = nullptr;       // result of the answer
    TImprime *imprime = nullptr;   // summary, sign table, help pages
    TForm3 *form3 = nullptr;       // parameters
    TForm5 *form5 = nullptr;       // teacher's tables
    TForm6 *form6 = nullptr;       // password
    TForm7 *form7 = nullptr;       // yes/no question
};

// The window's sources never see the formula box's class and the work's
// types together (their names clash): the boxes are reached through
// principale_boites.h and counted here by their own constant.
inline constexpr int NB_FORMULES = 4;   // MthX1, MthX3, MthX4, MthX2

class TForm1 : public QWidget {
    Q_OBJECT

public:
    // `argument` is the first command-line argument, empty when there is none.
    explicit TForm1(const std::string &argument = {}, QWidget *parent = nullptr);
    ~TForm1() override;

    // Connects the secondary windows to this one and to each other.
    void attache(const FenetresSecondaires &fenetres);

    // The layout for a screen width: sizes, positions and the seven offsets.
    // The window opens at a size that fits the screen's available area and
    // can be resized; the whole layout and its text follow its size.
    void recale(int largeur_ecran);
    // How many times the design size the layout is drawn.
    qreal facteur_echelle() const { return echelle_.facteur(); }

    Travail &travail() { return *travail_; }
    PanneauAction &panneau(Panneau p) const { return *panneaux_[p]; }
    // A control by its name ("Panel10", "MthX1", "ComboBox1", "Image4", ...), null if unknown.
    QWidget *controle(const QString &nom) const;
    // The lit picture currently shown, `aucun` for none.
    BoutonCadre bouton_allume() const { return allume_; }

    // Called back by the secondary windows.
    void affiche(const std::string &argument);   // TForm2 validated
    void annule_argument();                      // TForm2 cancelled
    void reponse_question(bool oui);             // TForm7
    void mot_de_passe_accepte();                 // TForm6: back to the input box

    // Frame buttons, by what they do.
    void clic_bouton(BoutonCadre bouton);
    // Lights the frame button under the point (in design units), as the mouse does.
    void survol(QPoint point);

    // Opens an exercise file named on the command line: loaded as by "CHARGER
    // UN EXERCICE", then turned to pupil mode with its values drawn. The
    // window title names the file. An unreadable file is reported and the
    // work stays as it was (empty at start); when the program started on it,
    // the start-up password is asked.
    void ouvre_exercice(const QString &chemin);

    // Saving and loading through the file dialogs; `sortie` closes afterwards,
    // once the exercise is saved. A cancelled dialog or a failed save keeps
    // the window open (the failure is told).
    void save_as(bool sortie);
    // How the file to save is chosen from a starting name (empty: cancelled);
    // the system's save dialog by default.
    void setChoixSauvegarde(std::function<QString(QWidget *, const QString &)> choix)
    {
        choix_sauvegarde_ = std::move(choix);
    }
    // How a yes/no question is asked; a modal box by default.
    void setQuestion(std::function<bool(QWidget *, const QString &)> question) { question_ = std::move(question); }
    void on_ferme();
    // The last short message shown to the user, empty for none.
    const QString &dernier_message() const { return dernier_message_; }

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;
    void leaveEvent(QEvent *evenement) override;
    bool event(QEvent *evenement) override;
    bool eventFilter(QObject *objet, QEvent *evenement) override;
    void showEvent(QShowEvent *evenement) override;
    void closeEvent(QCloseEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    void construit();
    void construit_boites();
    void construit_panneaux();
    void construit_boutons_bas();
    void construit_editeur();
    void construit_clavier();   // frame buttons for the keyboard, tab order, shortcuts
    void applique_echelle();
    // The statement and help boxes' fonts: the help's follows its length,
    // and both shrink until their text fits the box.
    void ajuste_polices();
    void panneau_voisin(int indice, int pas);
    void dessine_images();
    // Runs a handler of the work, then shows what it left.
    void agit(const std::function<void()> &action);
    void rafraichit();
    void rafraichit_boites();
    void rafraichit_parties();
    void rafraichit_panneaux();
    void glisse(int direction);
    void ouvre(QWidget *fenetre, QPoint decalage, bool desactive);
    bool filtre_saisie(MthX &boite, class QKeyEvent &touche);
    void change_boite(int b);
    void clic_boite(int b);
    void eclaire_panneau(int indice);
    void charge();
    void nomme_exercice(const QString &chemin);   // the window title names it
    void pose_question(const Confirmation &question);   // the yes/no window
    void avertit(const QString &message);
    void eteint_bouton();   // no frame button lit

    std::unique_ptr<Travail> travail_;
    std::string argument_;
    FenetresSecondaires fenetres_;
    Disposition disposition_;
    Echelle echelle_;
    BoutonCadre allume_ = BoutonCadre::aucun;
    bool synchronise_ = false;   // the window is setting its widgets from the work
    bool fermeture_ = false;
    QPoint prise_;               // where the background was grabbed to move the window
    bool deplacement_ = false;
    QString dernier_message_;
    std::unique_ptr<Confirmation> confirmation_;
    std::function<bool(QWidget *, const QString &)> question_;
    std::function<QString(QWidget *, const QString &)> choix_sauvegarde_;
    int grille_ouverte_ = 0;   // the teacher's table last opened

    QPixmap fond_;
    std::array<QPixmap, NB_BOUTONS_CADRE + 1> eteints_, allumes_;

    std::array<MthX *, NB_FORMULES> boites_{};
    std::array<QLabel *, NB_FORMULES> badges_{};
    std::array<QLabel *, NB_FORMULES> commentaires_{};
    std::array<PanneauAction *, NB_PANNEAUX> panneaux_{};
    QWidget *panel2_ = nullptr, *panel9_ = nullptr, *cadre9_ = nullptr, *panel22_ = nullptr,
            *panel23_ = nullptr, *panel24_ = nullptr;
    QLabel *panel18_ = nullptr, *panel20_ = nullptr, *label1_ = nullptr;
    QComboBox *combobox1_ = nullptr, *combobox2_ = nullptr;
    QPlainTextEdit *memo1_ = nullptr;
    QPushButton *speedbutton1_ = nullptr, *speedbutton2_ = nullptr, *speedbutton3_ = nullptr,
                *speedbutton4_ = nullptr, *speedbutton5_ = nullptr, *speedbutton6_ = nullptr,
                *speedbutton9_ = nullptr;
    BoutonsModeles *panel21_ = nullptr;
    FlechesTaille *fleches_ = nullptr;
    std::array<BoutonClavier *, NB_BOUTONS_CADRE + 1> boutons_clavier_{};
    QSizeGrip *poignee_ = nullptr;   // enlarges the borderless window
    // The control that last had the keyboard: it gets it back when the
    // window is usable again after a small window.
    QPointer<QWidget> dernier_focus_;
    bool entree_au_clavier_ = false;   // the input box was entered with Tab, nothing typed yet
    QPropertyAnimation *glissement_ = nullptr;
};
