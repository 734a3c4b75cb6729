#include "print/imprime.h"

#include <algorithm>

#include <QGroupBox>
#include <QLabel>
#include <QMouseEvent>
#include <QPainter>
#include <QPicture>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <QScreen>

#include "app/fenetres/couleurs.h"

#include "core/encodage.h"
#include "core/partage.h"
#include "print/dessin_pages.h"
#include "print/image_survol.h"
#include "print/page_aide.h"

namespace {

const QColor FOND(0x42, 0x42, 0x5A);
const QColor PANNEAU(0x30, 0x30, 0x48);
constexpr int REPETITION_MS = 80;

// Horizontal extent of every page in layout units, kept on paper.
constexpr double GAUCHE_PAPIER = 20, DROITE_PAPIER = 560;

QWidget *panneau(QWidget *parent, QRect zone)
{
    auto *w = new QWidget(parent);
    w->setGeometry(zone);
    w->setAutoFillBackground(true);
    QPalette pal = w->palette();
    pal.setColor(QPalette::Window, PANNEAU);
    w->setPalette(pal);
    return w;
}

struct Sujet {
    int numero;   // SpeedButton1 to SpeedButton10, the topic of page_du_sujet
    const char *libelle;
    int groupe;   // 0 none, 1 "Equations", 2 "Inéquations"
    int y;        // in the panel, or in the group's box
};
constexpr Sujet SUJETS[10] = {{4, "Création", 0, 6},        {8, "Modification", 0, 32},
                             {3, "Ens. définition", 0, 58}, {1, "Degré 1", 1, 16},
                             {6, "Degré 2", 1, 38},         {2, "Degré 1", 2, 16},
                             {7, "Degré 2", 2, 38},         {5, "Système", 0, 220},
                             {9, "Vecteurs", 0, 246},       {BOUTON_INDEX, "Exercices", 0, 272}};

std::filesystem::path chemin_page(const std::string &page)
{
    if (partage.dossier_programme.empty())
        return chemin_de(page);
    return chemin_de(partage.dossier_programme) / chemin_de(page);
}

// The window's size as it is laid out.
constexpr QSize TAILLE_DESSIN(637, 458);

}  // namespace

TImprime::TImprime(QWidget *parent) : QWidget(parent, Qt::Window | Qt::FramelessWindowHint)
{
    setObjectName(QStringLiteral("Imprime"));
    setFocusPolicy(Qt::StrongFocus);
    setWindowTitle(QStringLiteral("Aide et impression"));
    setFixedSize(TAILLE_DESSIN);
    setWindowModality(Qt::ApplicationModal);
    setMouseTracking(true);

    QWidget *panel3 = panneau(this, QRect(28, 3, 517, 41));
    label1_ = new QLabel(panel3);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setGeometry(3, 5, 510, 30);
    label1_->setAlignment(Qt::AlignCenter);
    label1_->setWordWrap(true);
    label1_->setStyleSheet(QStringLiteral("color: white; font-weight: bold;"));

    panel1_ = panneau(this, QRect(545, 3, 89, 452));
    panel1_->setMouseTracking(true);
    imprimer_ = new ImageSurvol(QSize(57, 37), dessin_imprimante, panel1_);
    imprimer_->setObjectName(QStringLiteral("print"));
    imprimer_->move(14, 357);
    fermer_ = new ImageSurvol(QSize(32, 47), dessin_fermer, panel1_);
    fermer_->setObjectName(QStringLiteral("Image1"));
    fermer_->move(30, 400);
    imprimer_->setAccessibleName(QStringLiteral("Imprimer"));
    imprimer_->setAccessibleDescription(QStringLiteral("Imprimer la page (Ctrl+P)"));
    fermer_->setAccessibleName(QStringLiteral("Fermer"));
    fermer_->setAccessibleDescription(QStringLiteral("Fermer la fenêtre (Echap)"));
    connect(imprimer_, &ImageSurvol::clique, this, &TImprime::print1Click);
    connect(fermer_, &ImageSurvol::clique, this, &TImprime::Image2Click);

    // Topic buttons down the right panel; those of a group sit in its box.
    const QFont petite(QStringLiteral("DejaVu Sans"), 7);
    for (int g = 0; g < 2; ++g) {
        auto *boite = new QGroupBox(g == 0 ? QStringLiteral("Equations") : QStringLiteral("Inéquations"), panel1_);
        boite->setGeometry(2, 86 + 66 * g, 85, 62);
        boite->setFont(petite);
        boite->setStyleSheet(QStringLiteral("QGroupBox { color: white; }"));
        groupes_.push_back(boite);
    }
    sujets_.resize(std::size(SUJETS));
    for (const Sujet &s : SUJETS) {
        QWidget *conteneur = s.groupe == 0 ? panel1_ : groupes_[static_cast<std::size_t>(s.groupe - 1)];
        auto *bouton = new QPushButton(QString::fromUtf8(s.libelle), conteneur);
        bouton->setObjectName(QStringLiteral("SpeedButton%1").arg(s.numero));
        bouton->setAccessibleDescription(
            QStringLiteral("Page d'aide") +
            (s.groupe == 0 ? QString() : QStringLiteral(" des ") + groupes_[static_cast<std::size_t>(s.groupe - 1)]->title()));
        bouton->setFont(petite);
        bouton->setGeometry(s.groupe == 0 ? QRect(4, s.y, 81, 22) : QRect(4, s.y, 77, 20));
        connect(bouton, &QPushButton::clicked, this, [this, n = s.numero] { choisit_sujet(n); });
        sujets_[static_cast<std::size_t>(s.numero - 1)] = bouton;
    }

    panel2_ = panneau(this, QRect(3, 3, 25, 452));
    panel2_->setMouseTracking(true);
    haut_ = new ImageSurvol(QSize(23, 30), dessin_fleche_haut, panel2_);
    haut_->setObjectName(QStringLiteral("Haut"));
    haut_->move(1, 42);
    bas_ = new ImageSurvol(QSize(23, 30), dessin_fleche_bas, panel2_);
    bas_->setObjectName(QStringLiteral("BAS"));
    haut_->setAccessibleName(QStringLiteral("Remonter"));
    haut_->setAccessibleDescription(QStringLiteral("Remonter d'une ligne (flèche haut)"));
    bas_->setAccessibleName(QStringLiteral("Descendre"));
    bas_->setAccessibleDescription(QStringLiteral("Descendre d'une ligne (flèche bas)"));
    bas_->move(1, 422);
    for (auto [fleche, pas] : {std::pair{haut_, -1}, std::pair{bas_, 1}}) {
        connect(fleche, &ImageSurvol::appuye, this, [this, pas] {
            pas_repete_ = pas;
            defile(pas);
            repetition_.start();
        });
        connect(fleche, &ImageSurvol::relache, this, [this] { repetition_.stop(); });
    }
    repetition_.setInterval(REPETITION_MS);
    connect(&repetition_, &QTimer::timeout, this, &TImprime::repetition);

    echelle_.retient(*this, TAILLE_DESSIN);
    prepare_affichage();
}

TImprime::~TImprime() = default;

void TImprime::tient_dans_l_ecran()
{
    const QScreen *ecran = ecran_de_la_principale();
    const qreal facteur =
        ecran ? std::min<qreal>(1, Echelle::pour_zone(TAILLE_DESSIN, ecran->availableGeometry().size())) : 1;
    setFixedSize((QSizeF(TAILLE_DESSIN) * facteur).toSize());
    echelle_.applique(*this);
}

void TImprime::repetition()
{
    if (pas_repete_ != 0)
        defile(pas_repete_);
}

QString TImprime::titre() const { return label1_->text(); }

void TImprime::prepare_affichage()
{
    page_ = 1;
    repetition_.stop();
    const bool aide = partage.mode_aide;
    const bool tableau = !aide && partage.mode_tableau_signes;
    // The teacher's pages stay with the teacher: in pupil mode the first
    // button opens the pupil's page, "Modification" and "Exercices" are gone.
    const bool eleve = partage.mode_eleve;
    for (QPushButton *b : sujets_)
        b->setVisible(aide);
    sujets_[3]->setText(eleve ? QStringLiteral("Élève") : QStringLiteral("Création"));
    sujets_[7]->setVisible(aide && !eleve);
    sujets_[BOUTON_INDEX - 1]->setVisible(aide && !eleve);
    for (QGroupBox *g : groupes_)
        g->setVisible(aide);
    haut_->setVisible(!tableau);
    bas_->setVisible(!tableau);
    tableau_ = tableau ? calcule_tableau_signes(EnonceLu(inequation_)) : TableauSignes{};
    if (aide) {
        partage.page_aide = page_du_sujet(4, eleve);
        charge_page_aide();
    } else {
        label1_->setText(tableau ? QStringLiteral("Tableau de signes")
                                 : QString::fromStdString(partage.consigne));
    }
    update();
}

void TImprime::charge_page_aide()
{
    page_aide_ = lit_page_aide(chemin_page(partage.page_aide));
    page_trouvee_ = page_aide_.trouvee;
    if (page_aide_.trouvee)
        label1_->setText(QString::fromStdString(page_aide_.titre));
    else if (!page_aide_.erreur.empty())
        label1_->setText(QString::fromStdString(page_aide_.erreur));
}

void TImprime::definit_inequation(const std::string &inequation)
{
    inequation_ = inequation;
    if (isVisible())
        prepare_affichage();
}

void TImprime::montre()
{
    if (isVisible())
        prepare_affichage();
    else
        show();   // showing prepares the page
}

void TImprime::montre_tableau_de_signes(const std::string &inequation)
{
    inequation_ = inequation;
    partage.mode_aide = false;
    partage.mode_tableau_signes = true;
    montre();
}

void TImprime::montre_resume(const std::vector<std::string> &titres_aides)
{
    titres_aides_ = titres_aides;
    partage.mode_aide = false;
    partage.mode_tableau_signes = false;
    montre();
}

void TImprime::montre_aide()
{
    partage.mode_aide = true;
    partage.mode_tableau_signes = false;
    montre();
}

void TImprime::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    tient_dans_l_ecran();
    prepare_affichage();
    if (parentWidget() == nullptr)
        centre_sur_principale(*this);
    // The keyboard scrolls and closes it, once the window is up.
    QTimer::singleShot(0, this, [this] {
        activateWindow();
        setFocus(Qt::ActiveWindowFocusReason);
    });
}

void TImprime::hideEvent(QHideEvent *evenement)
{
    repetition_.stop();
    QWidget::hideEvent(evenement);
    if (QWidget *principale = principale_montree())
        principale->activateWindow();
}

void TImprime::choisit_sujet(int bouton)
{
    const char *page = page_du_sujet(bouton, partage.mode_eleve);
    if (!page)
        return;
    partage.page_aide = page;
    page_ = 1;
    charge_page_aide();
    update();
}

void TImprime::defile(int pas)
{
    if (!partage.mode_aide && partage.mode_tableau_signes)
        return;
    page_ = std::max(1, page_ + pas);
    if (partage.mode_aide)
        premiere_ligne_montree(page_, page_aide_.lignes.size());
    else if (copie_montree())
        page_ = std::min(page_, std::max(1, static_cast<int>(lignes_copie().size()) - 2));
    else
        page_ = std::min(page_, PAGES_RESUME);
    update();
}

void TImprime::keyPressEvent(QKeyEvent *evenement)
{
    switch (evenement->key()) {
    case Qt::Key_Escape: Image2Click(); return;
    case Qt::Key_Up: defile(-1); return;
    case Qt::Key_Down: defile(1); return;
    default: break;
    }
    if (evenement->key() == Qt::Key_P && evenement->modifiers() == Qt::ControlModifier) {
        print1Click();
        return;
    }
    QWidget::keyPressEvent(evenement);
}

void TImprime::Image2Click()
{
    repetition_.stop();
    partage.mode_aide = false;
    hide();
}

void TImprime::dessine_page(QPainter &p, bool impression)
{
    p.setRenderHint(QPainter::Antialiasing);
    p.setRenderHint(QPainter::TextAntialiasing);
    if (partage.mode_aide) {
        int page = page_;
        const std::size_t premiere = premiere_ligne_montree(page, page_aide_.lignes.size());
        bas_dessin_ = dessine_aide(p, page_aide_, premiere, impression);
    } else if (partage.mode_tableau_signes) {
        bas_dessin_ = dessine_tableau(p, tableau_, impression);
    } else if (copie_montree()) {
        // On the window the copy scrolls line by line.
        const std::vector<LigneResume> lignes = lignes_copie();
        const auto premiere = std::min(lignes.size(), static_cast<std::size_t>(impression ? 0 : page_ - 1));
        bas_dessin_ = dessine_resume(p, {lignes.begin() + static_cast<std::ptrdiff_t>(premiere), lignes.end()});
    } else {
        bas_dessin_ = dessine_resume(p, impression ? resume_papier(titres_aides_)
                                                    : resume_ecran(page_, titres_aides_));
    }
}

bool TImprime::copie_montree() const { return partage.mode_eleve && !partage.mode_aide && !partage.mode_tableau_signes; }

std::vector<LigneResume> TImprime::lignes_copie() const { return copie_ ? copie_() : std::vector<LigneResume>{}; }

void TImprime::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), FOND);
    p.translate(echelle_.origine());
    p.scale(echelle_.facteur(), echelle_.facteur());
    p.fillRect(SURFACE_PAGE, Qt::white);
    p.setClipRect(SURFACE_PAGE);
    dessine_page(p, false);
}

bool TImprime::imprime_sur(QPrinter &imprimante)
{
    if (copie_montree())
        return imprime_copie_sur(imprimante);
    pages_imprimees_ = 1;
    // Measure first, then scale the page's layout units so that everything
    // fits the printable area of one page, width and height alike.
    QPicture mesure;
    {
        QPainter p(&mesure);
        dessine_page(p, true);
    }
    const double hauteur = std::max(bas_dessin_ + 20, double(SURFACE_PAGE.bottom()));
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    const QRectF zone = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    const double echelle =
        std::min(zone.width() / (DROITE_PAPIER - GAUCHE_PAPIER), zone.height() / hauteur);
    p.scale(echelle, echelle);
    p.translate(-GAUCHE_PAPIER, 0);
    dessine_page(p, true);
    return p.end();
}

// The copy at the width of the page, cut into as many A4 pages as it needs,
// a line never split between two pages.
bool TImprime::imprime_copie_sur(QPrinter &imprimante)
{
    const std::vector<LigneResume> lignes = lignes_copie();
    QPainter p;
    if (!p.begin(&imprimante))
        return false;
    const QRectF zone = imprimante.pageLayout().paintRectPixels(imprimante.resolution());
    const double echelle = zone.width() / (DROITE_PAPIER - GAUCHE_PAPIER);
    const double bas_page = zone.height() / echelle;
    p.scale(echelle, echelle);
    p.translate(-GAUCHE_PAPIER, 0);
    std::vector<LigneResume> page;
    double y = 0;
    pages_imprimees_ = 1;
    auto imprime_page = [&] {
        p.save();
        // The drawing starts 50 units down; the page keeps only a small margin.
        p.translate(0, -30);
        dessine_resume(p, page);
        p.restore();
        page.clear();
        y = 0;
    };
    for (const LigneResume &ligne : lignes) {
        QPicture mesure;
        double hauteur = 0;
        {
            QPainter m(&mesure);
            hauteur = dessine_resume(m, {ligne}) - 50;
        }
        if (!page.empty() && y + hauteur > bas_page - 40) {
            imprime_page();
            imprimante.newPage();
            ++pages_imprimees_;
        }
        page.push_back(ligne);
        y += hauteur;
    }
    imprime_page();
    return p.end();
}

void TImprime::print1Click()
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    // The pupil's copy is proposed as a PDF file named after the exercise;
    // the dialog still offers the printers.
    if (copie_montree() && nom_copie_)
        imprimante.setOutputFileName(nom_copie_());
    QPrintDialog dialogue(&imprimante, this);
    if (dialogue.exec() == QDialog::Accepted)
        imprime_sur(imprimante);
    update();
}

bool TImprime::imprime_pdf(const QString &chemin)
{
    QPrinter imprimante(QPrinter::HighResolution);
    imprimante.setOutputFormat(QPrinter::PdfFormat);
    imprimante.setOutputFileName(chemin);
    imprimante.setPageSize(QPageSize(QPageSize::A4));
    imprimante.setPageMargins(QMarginsF(15, 15, 15, 15), QPageLayout::Millimeter);
    const bool fait = imprime_sur(imprimante);
    update();
    return fait;
}

void TImprime::mouseMoveEvent(QMouseEvent *evenement)
{
    // Over the free area of the window nothing is lit.
    imprimer_->allume(false);
    fermer_->allume(false);
    haut_->allume(false);
    bas_->allume(false);
    QWidget::mouseMoveEvent(evenement);
}

void TImprime::mouseReleaseEvent(QMouseEvent *evenement)
{
    repetition_.stop();
    QWidget::mouseReleaseEvent(evenement);
}
