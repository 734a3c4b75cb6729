#include "exercise/fenetres/professeur.h"

#include <algorithm>

#include <QCloseEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTableWidget>
#include <QVBoxLayout>

#include "core/partage.h"
#include "exercise/fenetres/apparence.h"
#include "exercise/grilles.h"

namespace {

// A table whose cell being typed can be taken at once, even when the button
// that confirms it never takes the focus.
class Tableau : public QTableWidget {
public:
    using QTableWidget::QTableWidget;

    void valide_saisie()
    {
        if (state() != EditingState)
            return;
        // Leaving the cell takes what its editor holds.
        const QModelIndex ici = currentIndex();
        setCurrentIndex(QModelIndex());
        setCurrentIndex(ici);
    }
};

constexpr int LARGEURS_TEXTES[COLONNES_TEXTES] = {30, 143, 355, 60};
constexpr int HAUTEUR_LIGNE_TEXTES = 20, HAUTEUR_LIGNE_VALEURS = 18, LARGEUR_VALEUR = 27;
// Where the argument window opens, from this window's top-left corner.
const QPoint DECALAGE_ARGUMENT(195, 80);

QString qt(const std::string &texte)
{
    return QString::fromStdString(texte);
}

// The table of helps and answers keeps its header row and number column in
// the headers of the widget; the table of variables shows every column.
int colonnes_fixes(const QTableWidget &tableau, const QTableWidget *grille1)
{
    return &tableau == grille1 ? 1 : 0;
}

Tableau *nouveau_tableau(QWidget *parent, const char *nom, int hauteur_ligne)
{
    auto *tableau = new Tableau(parent);
    tableau->setObjectName(QString::fromLatin1(nom));
    tableau->setFont(police_fenetre(12, false));
    tableau->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->verticalHeader()->setDefaultSectionSize(hauteur_ligne);
    tableau->verticalHeader()->setMinimumSectionSize(hauteur_ligne);
    tableau->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tableau->horizontalHeader()->setFont(police_fenetre(12));
    tableau->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    tableau->setSelectionMode(QAbstractItemView::SingleSelection);
    tableau->setEditTriggers(QAbstractItemView::DoubleClicked | QAbstractItemView::EditKeyPressed |
                             QAbstractItemView::AnyKeyPressed | QAbstractItemView::SelectedClicked);
    return tableau;
}

} // namespace

TForm5::TForm5(QWidget *parent) : FenetreSansBord(parent)
{
    setObjectName(QStringLiteral("TForm5"));
    setWindowTitle(QStringLiteral("MODE PROFESSEUR"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(feuille_de_style(objectName()));

    titre_ = etiquette(this, QStringLiteral("MODE PROFESSEUR"), 16, true);
    titre_->setAlignment(Qt::AlignCenter);

    auto *tableau1 = nouveau_tableau(this, "StringGrid1", HAUTEUR_LIGNE_TEXTES);
    tableau1->verticalHeader()->setFixedWidth(LARGEURS_TEXTES[0]);
    tableau1->verticalHeader()->setDefaultAlignment(Qt::AlignCenter);
    tableau1->horizontalHeader()->setFixedHeight(HAUTEUR_LIGNE_TEXTES);
    grille1_ = tableau1;
    auto *tableau2 = nouveau_tableau(this, "StringGrid2", HAUTEUR_LIGNE_VALEURS);
    tableau2->horizontalHeader()->setDefaultSectionSize(LARGEUR_VALEUR);
    tableau2->horizontalHeader()->setMinimumSectionSize(LARGEUR_VALEUR);
    tableau2->horizontalHeader()->hide();
    tableau2->verticalHeader()->hide();
    tableau2->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    grille2_ = tableau2;
    int largeur = LARGEURS_TEXTES[0] + 2 + grille1_->verticalScrollBar()->sizeHint().width();
    for (int c = 1; c < COLONNES_TEXTES; ++c)
        largeur += LARGEURS_TEXTES[c];
    hauteur_grille1_ = HAUTEUR_LIGNE_TEXTES * 16 + 2;
    hauteur_grille2_ = HAUTEUR_LIGNE_VALEURS * 17 + 2 + grille2_->horizontalScrollBar()->sizeHint().height();
    grille1_->setFixedSize(largeur, hauteur_grille1_);
    grille2_->setFixedSize(largeur, hauteur_grille2_);

    ok_ = bouton_prof(this, "SpeedButton1", QStringLiteral("OK"));
    annuler_ = bouton_prof(this, "SpeedButton2", QStringLiteral("ANNULER"));
    supprimer_ = bouton_prof(this, "SpeedButton3", QStringLiteral("SUPPRIMER"));
    inserer_ = bouton_prof(this, "SpeedButton4", QStringLiteral("INSERER"));
    connect(ok_, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(annuler_, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(supprimer_, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
    connect(inserer_, &QPushButton::clicked, this, [this] { SpeedButton4Click(); });
    connect(grille1_, &QTableWidget::cellClicked, this,
            [this](int ligne, int colonne) { StringGrid1Click(ligne + 1, colonne + 1); });

    auto *boutons = new QHBoxLayout;
    boutons->addWidget(supprimer_);
    boutons->addWidget(inserer_);
    boutons->addStretch();
    boutons->addWidget(annuler_);
    boutons->addWidget(ok_);
    auto *colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(12, 8, 12, 12);
    colonne->setSpacing(8);
    colonne->addWidget(titre_);
    colonne->addWidget(grille1_);
    colonne->addWidget(grille2_);
    colonne->addLayout(boutons);
    grille2_->hide();
}

void TForm5::montre(int mode)
{
    partage.mode_grille = mode;
    if (isVisible())
        FormShow();
    show();
    raise();
    activateWindow();
}

void TForm5::showEvent(QShowEvent *evenement)
{
    FormShow();
    tient_dans_l_ecran();
    FenetreSansBord::showEvent(evenement);
}

void TForm5::tient_dans_l_ecran()
{
    grille1_->setFixedHeight(hauteur_grille1_);
    grille2_->setFixedHeight(hauteur_grille2_);
    layout()->activate();
    const QScreen *ecran = ecran_de_la_principale();
    const int exces = ecran ? sizeHint().height() - ecran->availableGeometry().height() : 0;
    if (exces > 0) {
        // Four rows stay in view at least.
        grille1_->setFixedHeight(std::max(HAUTEUR_LIGNE_TEXTES * 5, hauteur_grille1_ - exces));
        grille2_->setFixedHeight(std::max(HAUTEUR_LIGNE_VALEURS * 6, hauteur_grille2_ - exces));
        layout()->activate();
    }
    adjustSize();
}

void TForm5::closeEvent(QCloseEvent *evenement)
{
    // Closing the window by its frame is a cancel.
    evenement->ignore();
    if (isVisible())
        SpeedButton2Click();
}

void TForm5::FormShow()
{
    if (principale_)
        principale_->setEnabled(false);
    setEnabled(true);
    ligne_cellule_ = colonne_cellule_ = -1;
    const int mode = partage.mode_grille;
    const bool variables = mode == grille_variables;
    // The title names the table shown, as the main window's button does.
    const QString titre = QStringLiteral("MODE PROFESSEUR : ") +
                          (mode == grille_aides ? QStringLiteral("AIDES")
                           : variables          ? QStringLiteral("VALEURS")
                                                : QStringLiteral("REPONSES"));
    titre_->setText(titre);
    setWindowTitle(titre);
    grille1_->setAccessibleName(mode == grille_aides ? QStringLiteral("Tableau des aides") : QStringLiteral("Tableau des réponses"));
    grille2_->setAccessibleName(QStringLiteral("Tableau des valeurs des variables"));
    supprimer_->setVisible(!variables);
    inserer_->setVisible(!variables);
    grille1_->setVisible(!variables);
    grille2_->setVisible(variables);
    const std::vector<std::string> titres = liste_aides_ ? *liste_aides_ : std::vector<std::string>();
    // Both tables start empty; only the one of the mode is filled.
    vers_tableau(remplit_grille(variables ? grille_aucune : mode, titres), *grille1_);
    vers_tableau(remplit_grille(variables ? grille_variables : grille_aucune, titres), *grille2_);
    adjustSize();
}

void TForm5::vers_tableau(const Grille &grille, QTableWidget &tableau)
{
    const int fixes = colonnes_fixes(tableau, grille1_);
    const bool reponses = &tableau == grille1_ && partage.mode_grille == grille_reponses && form2_;
    tableau.clear();
    tableau.setRowCount(grille.lignes() - 1);
    tableau.setColumnCount(grille.colonnes() - fixes);
    for (int c = fixes; c < grille.colonnes(); ++c) {
        if (fixes) {
            tableau.setHorizontalHeaderItem(c - fixes, new QTableWidgetItem(qt(grille.cellule(0, c))));
            tableau.setColumnWidth(c - fixes, LARGEURS_TEXTES[c]);
        }
        for (int l = 1; l < grille.lignes(); ++l) {
            auto *item = new QTableWidgetItem(qt(grille.cellule(l, c)));
            // An answer is typed in the argument window, not in the cell.
            if (reponses && c == 1)
                item->setFlags(item->flags() & ~Qt::ItemIsEditable);
            if (!fixes && c == 0)
                item->setBackground(QColor(0xFF, 0xF4, 0xD0));
            // Notes, letters and values read best centred.
            if (!fixes || c == COLONNES_TEXTES - 1)
                item->setTextAlignment(Qt::AlignCenter);
            tableau.setItem(l - 1, c - fixes, item);
        }
    }
    for (int l = 1; fixes && l < grille.lignes(); ++l)
        tableau.setVerticalHeaderItem(l - 1, new QTableWidgetItem(qt(grille.cellule(l, 0))));
}

Grille TForm5::depuis_tableau(const QTableWidget &tableau) const
{
    const int fixes = colonnes_fixes(tableau, grille1_);
    Grille grille(tableau.rowCount() + 1, tableau.columnCount() + fixes);
    for (int c = 0; c < tableau.columnCount(); ++c) {
        if (const QTableWidgetItem *entete = tableau.horizontalHeaderItem(c); fixes && entete)
            grille.ecrit(0, c + fixes, entete->text().toStdString());
        for (int l = 0; l < tableau.rowCount(); ++l)
            if (const QTableWidgetItem *item = tableau.item(l, c))
                grille.ecrit(l + 1, c + fixes, item->text().toStdString());
    }
    for (int l = 0; fixes && l < tableau.rowCount(); ++l)
        if (const QTableWidgetItem *numero = tableau.verticalHeaderItem(l))
            grille.ecrit(l + 1, 0, numero->text().toStdString());
    return grille;
}

void TForm5::SpeedButton1Click()
{
    const bool variables = partage.mode_grille == grille_variables;
    auto &tableau = static_cast<Tableau &>(variables ? *grille2_ : *grille1_);
    tableau.valide_saisie();
    Grille grille = depuis_tableau(tableau);
    const GrilleEnregistree fait = enregistre_grille(partage.mode_grille, grille);
    if (fait.aides_changees && liste_aides_)
        *liste_aides_ = fait.liste_aides;
    ferme(true);
}

void TForm5::SpeedButton2Click()
{
    partage.mode_grille = grille_aucune;
    ferme(false);
}

void TForm5::SpeedButton3Click()
{
    static_cast<Tableau *>(grille1_)->valide_saisie();
    const int ligne = grille1_->currentRow() + 1;
    Grille grille = depuis_tableau(*grille1_);
    grille.supprime_ligne(ligne);
    vers_tableau(grille, *grille1_);
    grille1_->setCurrentCell(ligne - 1, 0);
}

void TForm5::SpeedButton4Click()
{
    static_cast<Tableau *>(grille1_)->valide_saisie();
    const int ligne = grille1_->currentRow() + 1;
    Grille grille = depuis_tableau(*grille1_);
    grille.insere_ligne(ligne);
    vers_tableau(grille, *grille1_);
    grille1_->setCurrentCell(ligne - 1, 0);
}

void TForm5::StringGrid1Click(int ligne, int colonne)
{
    if (partage.mode_grille != grille_reponses || colonne != 1 || !form2_)
        return;
    if (partage.nature_exercice >= 2 && partage.nature_exercice <= 5)
        partage.saisie_inequation = true;
    partage.saisie_depuis_prof = true;
    const QTableWidgetItem *item = grille1_->item(ligne - 1, colonne - 1);
    partage.texte_cellule = item ? item->text().toStdString() : std::string();
    ligne_cellule_ = ligne;
    colonne_cellule_ = colonne;
    form2_->move(pos() + DECALAGE_ARGUMENT);
    setEnabled(false);
    form2_->show();
    form2_->raise();
    form2_->activateWindow();
}

void TForm5::ecrit_cellule(const std::string &texte)
{
    setEnabled(true);
    if (ligne_cellule_ < 1 || ligne_cellule_ > grille1_->rowCount() || colonne_cellule_ < 1)
        return;
    QTableWidgetItem *item = grille1_->item(ligne_cellule_ - 1, colonne_cellule_ - 1);
    if (item)
        item->setText(qt(texte));
}

void TForm5::ferme(bool ok)
{
    hide();
    ligne_cellule_ = colonne_cellule_ = -1;
    if (principale_)
        principale_->setEnabled(true);
    if (retour_)
        retour_(ok);
}
