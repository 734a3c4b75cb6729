#pragma once
// The small controls of the main window: the action panels, the template
// buttons, the size arrows and the owner-drawn lists.

#include <array>

#include <QAbstractButton>
#include <QLabel>
#include <QStyledItemDelegate>
#include <QWidget>

#include "app/fenetres/principale_disposition.h"
#include "app/travail/menus.h"

// One action panel: its caption on a coloured strip; lights up under the
// mouse or the keyboard's focus, answers a click, Enter or Space only while
// enabled. The up and down arrows ask for the panel above or below.
class PanneauAction : public QLabel {
    Q_OBJECT

public:
    explicit PanneauAction(QWidget *parent = nullptr);
    void montre(const EtatPanneau &etat);
    void eclaire(bool eclaire);
    bool actif() const { return actif_; }
    bool eclaire() const { return eclaire_; }
    // What a click does, for the keyboard and the screen reader too.
    void active();

signals:
    void clique();
    void survole();
    void voisin(int pas);   // -1 the panel above, +1 the one below

protected:
    void enterEvent(QEnterEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void paintEvent(QPaintEvent *evenement) override;

private:
    void colore();
    bool actif_ = false;
    bool eclaire_ = false;
};

// A picture button of the frame for the keyboard and screen readers: a
// control without picture over the window's drawing, in the tab order, that
// shows a frame while it has the focus. The mouse goes through it to the
// window, which lights the pictures.
class BoutonClavier : public QAbstractButton {
    Q_OBJECT

public:
    BoutonClavier(BoutonCadre bouton, QWidget *parent);
    BoutonCadre bouton() const { return bouton_; }

signals:
    void focus(bool entre);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;   // Enter presses, as Space does
    void focusInEvent(QFocusEvent *evenement) override;
    void focusOutEvent(QFocusEvent *evenement) override;

private:
    BoutonCadre bouton_;
};

// The four template buttons: "<=", ">=", a square root and a power, lit
// under the mouse; from the keyboard the arrows light one and Enter or Space
// presses it.
class BoutonsModeles : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize TAILLE_MODELES{73, 76};   // the drawing's size
    explicit BoutonsModeles(QWidget *parent = nullptr);
    int allume() const { return allume_; }
    void eteint();

signals:
    void clique(int numero);   // 8, 9, 29 or 6

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mouseMoveEvent(QMouseEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void leaveEvent(QEvent *evenement) override;
    void keyPressEvent(QKeyEvent *evenement) override;
    void focusInEvent(QFocusEvent *evenement) override;
    void focusOutEvent(QFocusEvent *evenement) override;

private:
    void allume_modele(int numero);
    QPoint au_dessin(QPointF point) const;   // a point of the widget in the drawing's units

    int allume_ = 0;
    std::array<QPixmap, 5> images_;   // none lit, then each one lit
};

// The size arrows beside the four formula boxes, a pair per box.
class FlechesTaille : public QWidget {
    Q_OBJECT

public:
    static constexpr QSize TAILLE_FLECHES{25, 340};   // the drawing's size
    explicit FlechesTaille(QWidget *parent = nullptr);
    // Boxes from the top: the input box, then the three result boxes.
    void montre(int boite, bool visible);
    // Top of each box's pair in this panel.
    static int haut(int boite);

signals:
    void clique(int boite, int pas);

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;

private:
    std::array<bool, 4> visibles_{};
    QPixmap haut_, bas_;
};

// Items of the parts list and of the help list, drawn by the window: the
// focused item darker, the title item (height 0) not drawn. The parts list
// draws the readable form of each item, a "^" raising the character after it.
class DelegueListe : public QStyledItemDelegate {
public:
    enum Genre { parties, aides };
    DelegueListe(Genre genre, QObject *parent);
    void paint(QPainter *peintre, const QStyleOptionViewItem &option,
               const QModelIndex &index) const override;
    QSize sizeHint(const QStyleOptionViewItem &option, const QModelIndex &index) const override;

private:
    Genre genre_;
};
