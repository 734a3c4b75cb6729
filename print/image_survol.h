#pragma once
// A picture button of the print window: it shows its plain picture, or its
// lit twin while the mouse is over it, and reports presses, releases and clicks.
// The picture is drawn at its design size and scaled to the button's size.

#include <functional>

#include <QWidget>

class ImageSurvol : public QWidget {
    Q_OBJECT

public:
    // Draws the picture into a rectangle of the given size, lit or not.
    using Dessin = std::function<void(class QPainter &, QSize, bool allume)>;

    ImageSurvol(QSize taille, Dessin dessin, QWidget *parent = nullptr);

    bool allume() const { return allume_; }
    void allume(bool oui);

signals:
    void appuye();
    void relache();
    void clique();

protected:
    void paintEvent(QPaintEvent *evenement) override;
    void enterEvent(QEnterEvent *evenement) override;
    void leaveEvent(QEvent *evenement) override;
    void mousePressEvent(QMouseEvent *evenement) override;
    void mouseReleaseEvent(QMouseEvent *evenement) override;

private:
    QSize taille_;
    Dessin dessin_;
    bool allume_ = false;
};

// The pictures of the print window.
void dessin_imprimante(QPainter &p, QSize taille, bool allume);
void dessin_fermer(QPainter &p, QSize taille, bool allume);
void dessin_fleche_haut(QPainter &p, QSize taille, bool allume);
void dessin_fleche_bas(QPainter &p, QSize taille, bool allume);
