#pragma once
// The small controls of the main window: the action panels, the template
// buttons, the size arrows and the owner-drawn lists.

#include <array>

#include <QLabel>
#include <QStyledItemDelegate>
#include <QWidget>

#include "app/travail/menus.h"

// One action panel: its caption on a coloured strip; lights up under the
// mouse, answers a click only while enabled.
class PanneauAction : public QLabel {
    Q_OBJECT

public:
    explicit PanneauAction(QWidget *parent = nullptr);
    void montre(const EtatPanneau &etat);
    void eclaire(bool eclaire);
    bool actif() const { return actif_; }
    bool eclaire() const { return eclaire_; }

signals:
    void clique();
    void survole();

protected:
    void enterEvent(QEnterEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;

private:
    void colore();
    bool actif_ = false;
    bool eclaire_ = false;
};

// The four template buttons: "<=", ">=", a square root and a power, lit
// under the mouse.
class BoutonsModeles : public QWidget {
    Q_OBJECT

public:
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

private:
    int allume_ = 0;
    std::array<QPixmap, 5> images_;   // none lit, then each one lit
};

// The size arrows beside the four formula boxes, a pair per box.
class FlechesTaille : public QWidget {
    Q_OBJECT

public:
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
