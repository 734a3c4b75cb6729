#pragma once
// The formula box of the windows: shows a formula in 2D and lets the user edit
// its linear text with a caret. The windows' property names map as follows:
//   Text        texte() / setTexte()            (also the Qt property "Text")
//   FontHeight  hauteurPolice() / setHauteurPolice()   (20 by default; the
//               formula is drawn that high times zoom(), 1 by default)
//   ForeColor   couleur() / setCouleur()
//   Enabled     QWidget::isEnabled() / setEnabled()
//   LeftCaret   curseurGauche()    RightCaret   curseurDroit()
//   RectRight   rectDroite()       RectBottom   rectBas()
//   OnChange          signal changement()
//   OnLMouseClicked   signal clicGauche()
// Caret positions count the bytes of Text before the caret, which is the
// 1-based position of the character just before it (0 at the start); they
// are equal when nothing is selected, else LeftCaret < RightCaret.
//
// A left click puts the caret under the mouse (a drag selects).
// Keys: characters, Left/Right/Home/End (with Shift to select), Backspace,
// Delete, Enter inside an open "{" system, Ctrl+Z (undo) and Ctrl+Shift+Z or
// Ctrl+Y (redo) over the changes of the text. The box shows a frame while it
// has the keyboard, and tells screen readers its formula in French words. A key event whose text is the
// character CODE_TOUCHE_RACINE (or Ctrl+R) inserts "sqrt()" with the caret
// inside. A window may set a key filter that sees every key press first
// (Tab included) and returns true when it has dealt with it.

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include <QBasicTimer>
#include <QColor>
#include <QImage>
#include <QWidget>

#include "formula/widget/mise_en_page.h"

class QKeyEvent;

class MthX : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ texteQt WRITE setTexteQt NOTIFY changement)
    Q_PROPERTY(int FontHeight READ hauteurPolice WRITE setHauteurPolice)
    Q_PROPERTY(QColor ForeColor READ couleur WRITE setCouleur)
    Q_PROPERTY(int LeftCaret READ curseurGauche)
    Q_PROPERTY(int RightCaret READ curseurDroit)
    Q_PROPERTY(int RectRight READ rectDroite)
    Q_PROPERTY(int RectBottom READ rectBas)

public:
    // The character the windows post for the square-root key.
    static constexpr char16_t CODE_TOUCHE_RACINE = 18;
    // Space between the widget's edges and the drawn formula.
    static constexpr int MARGE = 4;

    using FiltreTouches = std::function<bool(MthX &, QKeyEvent &)>;

    explicit MthX(QWidget *parent = nullptr);
    ~MthX() override;

    const std::string &texte() const { return texte_; }
    // Replaces the text, puts the caret at its end and emits changement()
    // (not again from inside a changement() handler of this box).
    void setTexte(const std::string &texte);
    QString texteQt() const;
    void setTexteQt(const QString &texte);

    int hauteurPolice() const { return hauteur_police_; }
    void setHauteurPolice(int hauteur);
    // The window's scale: the formula is drawn zoom times its font height.
    qreal zoom() const { return zoom_; }
    void setZoom(qreal zoom);
    // The formula in French words, as a screen reader says it.
    QString parole() const;
    QColor couleur() const { return couleur_; }
    void setCouleur(const QColor &couleur);

    int curseurGauche() const;
    int curseurDroit() const;
    // Puts the caret at a position (clamped to the text, never inside a character).
    void placeCurseur(int position);
    // Selects from `ancre` to `position`; the caret stands at `position`.
    void selectionne(int ancre, int position);
    // Moves the caret by a number of characters; `etend` keeps the selection anchor.
    void deplaceCurseur(int pas, bool etend = false);
    // Replaces the selection (or inserts at the caret) and puts the caret after it.
    void insereTexte(const std::string &texte);
    // Deletes the selection, or the character before (arriere) or after the caret.
    void efface(bool arriere);

    // Extent of the drawn formula in widget coordinates.
    int rectDroite() const;
    int rectBas() const;

    // The formula alone as a picture, `echelle` device pixels per unit.
    QImage image(qreal echelle = 2.0) const;

    void setFiltreTouches(FiltreTouches filtre) { filtre_ = std::move(filtre); }

    QSize sizeHint() const override;

public slots:
    void insereRacine();
    // Puts the formula as a picture on the clipboard (context menu "Copier l'image").
    void copieImage();

signals:
    void changement();
    void clicGauche();

protected:
    bool event(QEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void contextMenuEvent(QContextMenuEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void focusOutEvent(QFocusEvent *evenement) override;
    void timerEvent(QTimerEvent *evenement) override;
    void resizeEvent(QResizeEvent *evenement) override;

private:
    bool traiteTouche(QKeyEvent &touche);
    void texteModifie();
    void curseurDeplace();
    const MiseEnPage &miseEnPage() const;
    int hauteurDessinee() const;
    QPointF coinFormule() const;
    void rendVisibleCurseur();
    void relanceClignotement();

    // A text and its caret, as undo brings them back.
    struct EtatTexte {
        std::string texte;
        int curseur = 0;
    };
    static constexpr std::size_t ANNULATIONS_MAX = 100;
    // Takes the last state of `depuis` back, keeping the current one in `vers`.
    void reprend(std::vector<EtatTexte> &depuis, std::vector<EtatTexte> &vers);

    std::string texte_;
    EtatTexte precedent_;   // the text before its last change
    std::vector<EtatTexte> annulations_, retablissements_;
    bool reprise_ = false;  // undo or redo is setting the text
    int hauteur_police_ = 20;
    qreal zoom_ = 1;
    QColor couleur_ = Qt::black;
    int curseur_ = 0;  // byte position of the caret
    int ancre_ = 0;    // other end of the selection
    qreal decalage_ = 0; // horizontal scroll of a formula wider than the box
    bool curseur_visible_ = true;
    bool dans_changement_ = false;
    QBasicTimer clignotement_;
    FiltreTouches filtre_;
    mutable std::unique_ptr<MiseEnPage> mise_en_page_;
};
