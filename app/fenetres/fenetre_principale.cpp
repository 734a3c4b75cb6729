#include "app/fenetres/fenetre_principale.h"

#include <algorithm>
#include <optional>

#include <QApplication>
#include <QComboBox>
#include <QDesktopServices>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QGuiApplication>
#include <QHeaderView>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QListView>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPropertyAnimation>
#include <QPushButton>
#include <QScreen>
#include <QShortcut>
#include <QSizeGrip>
#include <QToolTip>
#include <QTreeView>
#include <QUrl>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "app/fenetres/principale_boites.h"
#include "app/fenetres/principale_images.h"
#include "app/fenetres/principale_panneaux.h"
#include "app/travail/copie.h"
#include "app/travail/reponse.h"
#include "app/travail/travail.h"
#include "core/configuration.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "exercise/preparation.h"
#include "print/imprime.h"

namespace {

constexpr Couleur COULEUR_TABLEAU = 0x02005200;   // the boards behind the formulas
constexpr Couleur COULEUR_PANNEAU = 0x02665E56;
constexpr Couleur COULEUR_EDITEUR = 0x02A0E0FF;
constexpr int HAUT_PANNEAUX[NB_PANNEAUX] = {33, 53, 73, 94, 123, 143, 163, 182, 214, 233, 253, 284};
constexpr int HAUT_BOITES[NB_BOITES] = {0, 23, 104, 184};   // in their panels
constexpr int LARGEUR_BOITE = 358;

const char *const NOMS_BOITES[NB_BOITES] = {"MthX1", "MthX3", "MthX4", "MthX2"};
const char *const NOMS_BADGES[NB_BOITES] = {"Panel13", "Panel14", "Panel15", "Panel16"};
const char *const NOMS_COMMENTAIRES[NB_BOITES] = {"", "Label10", "Label11", "Label2"};

QString qt(const std::string &t) { return QString::fromStdString(t); }

// Where the file dialogs open: the exercises' folder beside the program.
QString dossier_exercices()
{
    return QDir(qt(partage.dossier_programme)).filePath(QStringLiteral("exercices"));
}

// An exercise file chosen in the file dialog (empty: cancelled), large
// enough for its columns when Qt draws it itself.
QString choisit_exercice(QWidget *parent, const QString &titre, const QString &depart, bool sauvegarde)
{
    QFileDialog dialogue(parent, titre, depart, QStringLiteral("algebre (*.alg)"));
    dialogue.setAcceptMode(sauvegarde ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    dialogue.setFileMode(sauvegarde ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialogue.resize(760, 480);
    // Every column wide enough for what it shows.
    for (QTreeView *vue : dialogue.findChildren<QTreeView *>())
        vue->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    if (dialogue.exec() != QDialog::Accepted || dialogue.selectedFiles().isEmpty())
        return {};
    return dialogue.selectedFiles().constFirst();
}

void colore_fond(QWidget *w, Couleur fond, std::optional<Couleur> texte = std::nullopt)
{
    QPalette p = w->palette();
    p.setColor(QPalette::Window, couleur_qt(fond));
    p.setColor(QPalette::Base, couleur_qt(fond));
    if (texte)
        p.setColor(QPalette::WindowText, couleur_qt(*texte));
    w->setPalette(p);
    w->setAutoFillBackground(true);
}

void colore_texte(QLabel *l, Couleur texte)
{
    QPalette p = l->palette();
    const QColor c = couleur_qt(texte);
    if (p.color(QPalette::WindowText) == c)
        return;
    p.setColor(QPalette::WindowText, c);
    l->setPalette(p);
}

// A control's name and description for screen readers, told again only when they change.
void nomme(QWidget *w, const QString &nom, const QString &description)
{
    if (w->accessibleName() != nom)
        w->setAccessibleName(nom);
    if (w->accessibleDescription() != description)
        w->setAccessibleDescription(description);
}

void montre_texte(QLabel *l, const std::string &t)
{
    const QString q = qt(t);
    if (l->text() != q)
        l->setText(q);
}

// A flat bold button of the bottom row or of the statement editor.
QPushButton *bouton_plat(QWidget *parent, const char *nom, const QString &libelle, const char *couleur)
{
    auto *b = new QPushButton(libelle, parent);
    b->setObjectName(QString::fromLatin1(nom));
    b->setFlat(true);
    // Tab reaches it; a click leaves the keyboard where it was.
    b->setFocusPolicy(Qt::TabFocus);
    b->setCursor(Qt::PointingHandCursor);
    QFont police(QStringLiteral("DejaVu Sans"));
    police.setPixelSize(11);
    police.setBold(true);
    b->setFont(police);
    b->setStyleSheet(QStringLiteral("QPushButton { color: %1;"
                                    " border: 1px solid rgba(255,255,255,70); border-radius: 4px;"
                                    " background: rgba(0,0,0,45); padding: 0px; }"
                                    "QPushButton:hover { background: rgba(255,255,255,45); }"
                                    "QPushButton:focus { border: 2px solid #ffd000; }")
                         .arg(QString::fromLatin1(couleur)));
    return b;
}

// The message the keyboard rules see for a key press, none when the box
// itself must deal with it (selection keys, shortcuts, Enter).
std::optional<Message> message_de(const QKeyEvent &k)
{
    const auto modificateurs = k.modifiers();
    if (modificateurs & (Qt::ControlModifier | Qt::MetaModifier)) {
        if (k.key() == Qt::Key_R)
            return Message{GenreMessage::caractere, CARACTERE_RACINE};
        if (k.key() == Qt::Key_V)
            return Message{GenreMessage::caractere, CARACTERE_VECTEUR};
        return std::nullopt;
    }
    const bool majuscule = modificateurs & Qt::ShiftModifier;
    switch (k.key()) {
    case Qt::Key_Left: return majuscule ? std::nullopt : std::optional(Message{GenreMessage::touche, TOUCHE_GAUCHE});
    case Qt::Key_Right: return majuscule ? std::nullopt : std::optional(Message{GenreMessage::touche, TOUCHE_DROITE});
    case Qt::Key_Home: return majuscule ? std::nullopt : std::optional(Message{GenreMessage::touche, TOUCHE_DEBUT});
    case Qt::Key_End: return majuscule ? std::nullopt : std::optional(Message{GenreMessage::touche, TOUCHE_FIN});
    case Qt::Key_Backspace: return Message{GenreMessage::touche, TOUCHE_EFFACE_ARRIERE};
    case Qt::Key_Delete: return Message{GenreMessage::touche, TOUCHE_SUPPRIME};
    default: break;
    }
    const QString texte = k.text();
    if (texte.size() != 1)
        return std::nullopt;
    const char16_t c = texte.at(0).unicode();
    if (c == u'²')
        return Message{GenreMessage::touche, TOUCHE_CARRE};
    if (c == CARACTERE_RACINE || c == CARACTERE_RACINE_PRODUIT || c == CARACTERE_VECTEUR ||
        (c >= 32 && c < 127))
        return Message{GenreMessage::caractere, static_cast<int>(c)};
    return std::nullopt;
}

// Keys a result box lets through: those that only move its caret, and Tab
// to the next control; the rest would edit it.
bool touche_de_lecture(const QKeyEvent &k)
{
    switch (k.key()) {
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        return true;
    default:
        return false;
    }
}

} // namespace

TForm1::TForm1(const std::string &argument, QWidget *parent)
    : QWidget(parent, Qt::Window | Qt::FramelessWindowHint), travail_(std::make_unique<Travail>()),
      argument_(argument), confirmation_(std::make_unique<Confirmation>()),
      question_([](QWidget *fenetre, const QString &question) {
          return QMessageBox::question(fenetre, QStringLiteral("Vivezezi"), question) == QMessageBox::Yes;
      }),
      choix_sauvegarde_([](QWidget *fenetre, const QString &depart) {
          return choisit_exercice(fenetre, QStringLiteral("Sauver l'exercice"), depart, true);
      })
{
    setObjectName(QStringLiteral("Form1"));
    setWindowTitle(QStringLiteral("Vivezezi"));
    setMouseTracking(true);
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setPixelSize(11);
    setFont(f);
    construit();
    // The mouse may leave a lit frame button straight onto a control, which
    // the window is not told of otherwise.
    for (QWidget *controle : findChildren<QWidget *>())
        controle->installEventFilter(this);
    const QScreen *ecran = QGuiApplication::primaryScreen();
    recale(ecran ? ecran->size().width() : 640);
    rafraichit();
}

TForm1::~TForm1() = default;

void TForm1::attache(const FenetresSecondaires &f)
{
    fenetres_ = f;
    if (f.form2) {
        f.form2->setOuvreur(this);
        f.form2->setAffiche([this](const std::string &a) { affiche(a); });
        f.form2->setAnnule([this] { annule_argument(); });
        f.form2->setGrille(f.form5);
        if (f.form5)
            f.form2->setEcritCellule([form5 = f.form5](const std::string &t) { form5->ecrit_cellule(t); });
    }
    if (f.form5) {
        f.form5->setPrincipale(this);
        f.form5->setArgument(f.form2);
        f.form5->setListeAides(&travail_->liste_aides);
        f.form5->setRetour([this](bool ok) {
            agit([this, ok] {
                if (ok)
                    travail_->grille_validee(grille_ouverte_);
                else
                    travail_->affiche_exercice();
            });
        });
    }
    if (f.form3) {
        f.form3->setPrincipale(this);
        f.form3->setRetour([this] { agit([this] { travail_->options_changees(); }); });
    }
    if (f.form6) {
        f.form6->setPrincipale(this);
        f.form6->setReponse([this](const std::optional<std::string> &tape) {
            Passe r = Passe::refusee;
            agit([this, &tape, &r] { r = travail_->mot_de_passe(tape); });
            return r;
        });
        f.form6->setAccepte([this] { mot_de_passe_accepte(); });
    }
    if (f.imprime) {
        f.imprime->setCopie([this] { return copie_eleve(*travail_, date_du_jour()); });
        f.imprime->setNomCopie([] {
            return QDir::home().filePath(QString::fromStdString(nom_copie(partage.fichier_exercice)));
        });
    }
    if (f.form7) {
        f.form7->setPrincipale(this);
        f.form7->setReponse([this](bool oui_) { reponse_question(oui_); });
    }
}

// ---------------------------------------------------------------- building

void TForm1::construit()
{
    construit_panneaux();
    construit_boites();
    construit_boutons_bas();
    construit_editeur();

    panel18_ = new QLabel(this);
    panel18_->setObjectName(QStringLiteral("Panel18"));
    panel20_ = new QLabel(this);
    panel20_->setObjectName(QStringLiteral("Panel20"));
    for (QLabel *l : {panel18_, panel20_}) {
        colore_fond(l, COULEUR_PANNEAU);
        l->setAlignment(Qt::AlignCenter);
        l->setWordWrap(true);
        l->setFrameShape(QFrame::Panel);
        l->setFrameShadow(QFrame::Sunken);
        l->setMargin(3);
    }
    QFont gras = font();
    gras.setPixelSize(12);
    gras.setBold(true);
    panel18_->setFont(gras);

    label1_ = new QLabel(this);
    label1_->setObjectName(QStringLiteral("Label1"));
    label1_->setFont(gras);
    label1_->resize(85, 18);
    colore_texte(label1_, 0x0200FFFF);

    speedbutton1_ = bouton_plat(this, "SpeedButton1", QStringLiteral("ENONCE"), "#ffffff");
    speedbutton1_->resize(85, 20);
    connect(speedbutton1_, &QPushButton::clicked, this, [this] {
        agit([this] { travail_->SpeedButton1Click(); });
        if (travail_->editeur_consigne_visible) {
            // The editor takes the keyboard, its caret after the statement.
            memo1_->setPlainText(qt(partage.consigne));
            memo1_->moveCursor(QTextCursor::End);
            memo1_->setFocus(Qt::OtherFocusReason);
        }
    });

    combobox2_ = new QComboBox(this);
    combobox2_->setObjectName(QStringLiteral("ComboBox2"));
    combobox2_->setItemDelegate(new DelegueListe(DelegueListe::aides, combobox2_));
    combobox2_->setMaxVisibleItems(9);
    combobox2_->resize(85, 22);
    combobox2_->setFocusPolicy(Qt::TabFocus);
    connect(combobox2_, &QComboBox::activated, this, [this](int i) {
        agit([this, i] { travail_->ComboBox2Click(i); });
    });

    panel21_ = new BoutonsModeles(this);
    panel21_->setObjectName(QStringLiteral("Panel21"));
    connect(panel21_, &BoutonsModeles::clique, this, [this](int numero) {
        MthX &b = *boites_[MTHX1];
        const Saisie avant{formule::texte(b), formule::curseur_droit(b)};
        Saisie apres;
        travail_->boite_active = MTHX1;
        switch (numero) {
        case 8: apres = travail_->Image8Click(avant); break;
        case 9: apres = travail_->Image9Click(avant); break;
        case 29: apres = travail_->Image29Click(avant); break;
        default: apres = travail_->Image6Click(avant); break;
        }
        synchronise_ = true;
        formule::ecrit(b, apres.texte);
        formule::place_curseur(b, apres.curseur);
        synchronise_ = false;
        rafraichit();
        // From the keyboard, the typing goes on in the input box.
        if (panel21_->hasFocus())
            formule::widget(b)->setFocus(Qt::OtherFocusReason);
    });

    fleches_ = new FlechesTaille(this);
    fleches_->setObjectName(QStringLiteral("Panel23"));
    connect(fleches_, &FlechesTaille::clique, this,
            [this](int b, int pas) { agit([this, b, pas] { travail_->change_taille(Boite(b), pas); }); });

    panel18_->setAccessibleName(QStringLiteral("Énoncé"));
    panel18_->setAccessibleDescription(QStringLiteral("Ce qu'il faut faire"));
    panel20_->setAccessibleName(QStringLiteral("Aide"));
    panel20_->setAccessibleDescription(QStringLiteral("Le texte de l'aide choisie"));
    label1_->setAccessibleDescription(QStringLiteral("Le mode de travail"));
    speedbutton1_->setAccessibleDescription(QStringLiteral("Écrire l'énoncé, ou donner la réponse en mode élève (F5)"));
    speedbutton1_->setToolTip(speedbutton1_->accessibleDescription());
    combobox2_->setAccessibleName(QStringLiteral("Aides"));
    combobox2_->setAccessibleDescription(QStringLiteral("Chaque aide ouverte coûte des points"));
    construit_clavier();
}

void TForm1::construit_panneaux()
{
    panel22_ = new QWidget(this);
    panel22_->setObjectName(QStringLiteral("Panel22"));
    panel22_->resize(184, 314);
    colore_fond(panel22_, COULEUR_PANNEAU);
    combobox1_ = new QComboBox(panel22_);
    combobox1_->setObjectName(QStringLiteral("ComboBox1"));
    combobox1_->setGeometry(8, 4, 168, 22);
    combobox1_->setItemDelegate(new DelegueListe(DelegueListe::parties, combobox1_));
    combobox1_->setMaxVisibleItems(7);
    combobox1_->setFocusPolicy(Qt::TabFocus);
    combobox1_->setAccessibleName(QStringLiteral("Parties de l'étape"));
    combobox1_->setAccessibleDescription(
        QStringLiteral("Choisir une partie pour travailler sur elle seule : flèche bas ouvre la liste, Entrée choisit"));
    connect(combobox1_, &QComboBox::activated, this, [this](int i) {
        agit([this, i] { travail_->ComboBox1Click(i); });
    });
    for (int i = 0; i < NB_PANNEAUX; ++i) {
        auto *p = new PanneauAction(panel22_);
        p->setObjectName(QString::fromLatin1(nom_panneau(Panneau(i))));
        p->setGeometry(8, HAUT_PANNEAUX[i], 168, 19);
        panneaux_[i] = p;
        connect(p, &PanneauAction::survole, this, [this, i] { eclaire_panneau(i); });
        connect(p, &PanneauAction::voisin, this, [this, i](int pas) { panneau_voisin(i, pas); });
        connect(p, &PanneauAction::clique, this,
                [this, i] { agit([this, i] { travail_->clic_panneau(nom_panneau(Panneau(i))); }); });
    }
}

void TForm1::construit_boites()
{
    panel2_ = new QWidget(this);
    panel2_->setObjectName(QStringLiteral("Panel2"));
    panel2_->resize(361, 82);
    colore_fond(panel2_, COULEUR_TABLEAU);
    cadre9_ = new QWidget(this);   // clips the result panel while it slides
    cadre9_->resize(361, 250);
    panel9_ = new QWidget(cadre9_);
    panel9_->setObjectName(QStringLiteral("Panel9"));
    panel9_->resize(361, 250);
    colore_fond(panel9_, COULEUR_TABLEAU);
    glissement_ = new QPropertyAnimation(panel9_, "pos", this);
    glissement_->setDuration(160);
    glissement_->setEasingCurve(QEasingCurve::OutCubic);

    QFont petit = font();
    petit.setPixelSize(11);
    petit.setBold(true);
    for (int b = 0; b < NB_BOITES; ++b) {
        QWidget *parent = b == MTHX1 ? panel2_ : panel9_;
        MthX *boite = formule::cree(parent, QString::fromLatin1(NOMS_BOITES[b]));
        QWidget *w = formule::widget(*boite);
        if (b == MTHX1)
            w->setGeometry(0, 0, 361, 82);
        else
            w->setGeometry(1, HAUT_BOITES[b], LARGEUR_BOITE, 54);
        colore_fond(w, COULEUR_TABLEAU);
        boites_[b] = boite;
        formule::filtre(*boite, [this, b, boite](QKeyEvent &k) {
            return b == MTHX1 ? filtre_saisie(*boite, k) : !touche_de_lecture(k);
        });
        w->installEventFilter(this);
        formule::relie(*boite, this, [this, b] { change_boite(b); }, [this, b] { clic_boite(b); });

        auto *badge = new QLabel(parent);
        badge->setObjectName(QString::fromLatin1(NOMS_BADGES[b]));
        badge->setFont(petit);
        badge->setAlignment(Qt::AlignCenter);
        badge->setGeometry(333, b == MTHX1 ? 3 : HAUT_BOITES[b] - 20, 24, 17);
        colore_fond(badge, COULEUR_PANNEAU, COULEUR_BLANC);
        badge->setFrameShape(QFrame::Panel);
        badge->setFrameShadow(QFrame::Raised);
        badges_[b] = badge;
        if (b == MTHX1) {
            badge->setText(QStringLiteral("1"));
            continue;
        }
        badge->hide();
        auto *commentaire = new QLabel(parent);
        commentaire->setObjectName(QString::fromLatin1(NOMS_COMMENTAIRES[b]));
        commentaire->setGeometry(6, HAUT_BOITES[b] - 22, 322, 21);
        commentaire->setFont(petit);
        commentaires_[b] = commentaire;
    }
}

void TForm1::construit_boutons_bas()
{
    speedbutton2_ = bouton_plat(this, "SpeedButton2", QStringLiteral("SAUVER"), "#ffffff");
    speedbutton3_ = bouton_plat(this, "SpeedButton3", QStringLiteral("FIN"), "#ffff00");
    speedbutton4_ = bouton_plat(this, "SpeedButton4", QStringLiteral("AIDES"), "#00ffff");
    speedbutton5_ = bouton_plat(this, "SpeedButton5", QStringLiteral("REPONSES"), "#00ffff");
    speedbutton6_ = bouton_plat(this, "SpeedButton6", QStringLiteral("VALEURS"), "#00ffff");
    speedbutton9_ = bouton_plat(this, "SpeedButton9", QStringLiteral("ELEVE"), "#ff4040");
    const struct {
        QPushButton *bouton;
        const char *description;
        const char *touche;
    } aides_boutons[] = {
        {speedbutton2_, "Sauver l'exercice dans un fichier", "Ctrl+S"},
        {speedbutton3_, "Terminer : l'exercice est préparé à partir des étapes", "F6"},
        {speedbutton4_, "Modifier les aides de l'exercice", ""},
        {speedbutton5_, "Modifier les réponses attendues", ""},
        {speedbutton6_, "Modifier les valeurs des variables", ""},
        {speedbutton9_, "Passer du mode professeur au mode élève et retour", "F7"},
    };
    for (const auto &a : aides_boutons) {
        const QString touche = QString::fromLatin1(a.touche);
        a.bouton->setAccessibleDescription(QString::fromUtf8(a.description) +
                                           (touche.isEmpty() ? QString() : QStringLiteral(" (") + touche + QLatin1Char(')')));
        a.bouton->setToolTip(a.bouton->accessibleDescription());
    }
    connect(speedbutton2_, &QPushButton::clicked, this, [this] { save_as(false); });
    connect(speedbutton3_, &QPushButton::clicked, this, [this] { agit([this] { travail_->SpeedButton3Click(); }); });
    connect(speedbutton9_, &QPushButton::clicked, this, [this] { agit([this] { travail_->SpeedButton9Click(); }); });
    int grille = 1;
    for (QPushButton *b : {speedbutton4_, speedbutton5_, speedbutton6_}) {
        connect(b, &QPushButton::clicked, this, [this, grille] {
            // The teacher's tables hold the answers: never in pupil mode.
            if (!travail_->boutons_prof_montres())
                return;
            partage.mode_grille = grille_ouverte_ = grille;
            if (fenetres_.form5)
                fenetres_.form5->montre(grille);
        });
        ++grille;
    }
}

void TForm1::construit_editeur()
{
    panel24_ = new QWidget(this);
    panel24_->setObjectName(QStringLiteral("Panel24"));
    panel24_->resize(215, 125);
    colore_fond(panel24_, COULEUR_EDITEUR);
    memo1_ = new QPlainTextEdit(panel24_);
    memo1_->setObjectName(QStringLiteral("Memo1"));
    memo1_->setGeometry(6, 6, 203, 84);
    memo1_->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    memo1_->setTabChangesFocus(true);
    memo1_->setAccessibleName(QStringLiteral("Consigne"));
    memo1_->setAccessibleDescription(QStringLiteral("La consigne donnée à l'élève"));
    QPalette p = memo1_->palette();
    p.setColor(QPalette::Base, Qt::white);
    p.setColor(QPalette::Text, Qt::black);
    memo1_->setPalette(p);
    auto *ok = bouton_plat(panel24_, "SpeedButton7", QStringLiteral("OK"), "#c00000");
    auto *annuler = bouton_plat(panel24_, "SpeedButton8", QStringLiteral("Annuler"), "#c00000");
    ok->setGeometry(6, 98, 60, 20);
    annuler->setGeometry(139, 98, 70, 20);
    ok->setAccessibleDescription(QStringLiteral("Garder cette consigne"));
    annuler->setAccessibleDescription(QStringLiteral("Laisser la consigne comme elle était"));
    connect(ok, &QPushButton::clicked, this, [this] {
        agit([this] { travail_->SpeedButton7Click(memo1_->toPlainText().toStdString()); });
    });
    connect(annuler, &QPushButton::clicked, this, [this] { agit([this] { travail_->SpeedButton8Click(); }); });
    panel24_->hide();
}

void TForm1::construit_clavier()
{
    for (int i = 1; i <= NB_BOUTONS_CADRE; ++i) {
        const BoutonCadre b = BoutonCadre(i);
        auto *bouton = new BoutonClavier(b, this);
        boutons_clavier_[i] = bouton;
        connect(bouton, &QAbstractButton::clicked, this, [this, b] { clic_bouton(b); });
        // The picture lights up while the keyboard is on its button.
        connect(bouton, &BoutonClavier::focus, this, [this, b](bool entre) {
            allume_ = entre ? b : BoutonCadre::aucun;
            update();
        });
    }

    // Reading order: the input box and its templates, the parts and the
    // panels from the top, the steps, the buttons below, the frame's buttons.
    std::vector<QWidget *> ordre = {formule::widget(*boites_[MTHX1]), panel21_, combobox1_};
    for (PanneauAction *p : panneaux_)
        ordre.push_back(p);
    for (const int b : {MTHX3, MTHX4, MTHX2})
        ordre.push_back(formule::widget(*boites_[b]));
    for (QWidget *w : std::initializer_list<QWidget *>{speedbutton1_, memo1_, panel24_->findChild<QWidget *>(QStringLiteral("SpeedButton7")),
                                                       panel24_->findChild<QWidget *>(QStringLiteral("SpeedButton8")), combobox2_,
                                                       speedbutton3_, speedbutton4_, speedbutton5_, speedbutton6_,
                                                       speedbutton2_, speedbutton9_})
        ordre.push_back(w);
    for (const BoutonCadre b : {BoutonCadre::visualiser, BoutonCadre::domaine, BoutonCadre::aide, BoutonCadre::charger,
                                BoutonCadre::sortir, BoutonCadre::site, BoutonCadre::resume, BoutonCadre::recommencer,
                                BoutonCadre::effacer})
        ordre.push_back(boutons_clavier_[static_cast<int>(b)]);
    for (std::size_t i = 1; i < ordre.size(); ++i)
        setTabOrder(ordre[i - 1], ordre[i]);

    auto touche_vers = [this](const QKeySequence &touches, auto action) {
        connect(new QShortcut(touches, this), &QShortcut::activated, this, action);
    };
    for (int i = 1; i <= NB_BOUTONS_CADRE; ++i)
        if (const QString touche = QString::fromLatin1(raccourci(BoutonCadre(i))); !touche.isEmpty())
            touche_vers(QKeySequence(touche), [this, i] { clic_bouton(BoutonCadre(i)); });
    touche_vers(QKeySequence(Qt::Key_F5), [this] { speedbutton1_->click(); });
    touche_vers(QKeySequence(Qt::Key_F6), [this] { speedbutton3_->click(); });
    touche_vers(QKeySequence(Qt::Key_F7), [this] { speedbutton9_->click(); });
    touche_vers(QKeySequence::Save, [this] { speedbutton2_->click(); });
    const std::pair<QKeySequence, int> tailles[] = {
        {QKeySequence::ZoomIn, 1}, {QKeySequence(Qt::CTRL | Qt::Key_Equal), 1}, {QKeySequence::ZoomOut, -1}};
    for (const auto &[touches, pas] : tailles)
        touche_vers(touches, [this, pas] { agit([this, pas] { travail_->change_taille(travail_->boite_active, pas); }); });
    touche_vers(QKeySequence(Qt::Key_F11), [this] { isMaximized() ? showNormal() : showMaximized(); });

    poignee_ = new QSizeGrip(this);
    poignee_->setProperty("hors_echelle", true);
    poignee_->setAccessibleName(QStringLiteral("Taille de la fenêtre"));
    poignee_->setAccessibleDescription(QStringLiteral("Tirer pour agrandir la fenêtre ; F11 la met en plein écran"));
}

void TForm1::panneau_voisin(int indice, int pas)
{
    // Up and down go round the panels, past those that are disabled.
    for (int k = 1; k <= NB_PANNEAUX; ++k) {
        PanneauAction *p = panneaux_[(indice + pas * k + NB_PANNEAUX * NB_PANNEAUX) % NB_PANNEAUX];
        if (p->actif()) {
            p->setFocus(Qt::TabFocusReason);
            return;
        }
    }
}

void TForm1::dessine_images()
{
    const qreal densite = devicePixelRatioF() * echelle_.facteur();
    fond_ = dessine_fond(disposition_, densite);
    for (int i = 1; i <= NB_BOUTONS_CADRE; ++i) {
        eteints_[i] = dessine_bouton(BoutonCadre(i), false, densite);
        allumes_[i] = dessine_bouton(BoutonCadre(i), true, densite);
    }
}

// ---------------------------------------------------------------- layout

void TForm1::recale(int largeur_ecran)
{
    const Disposition &d = disposition_ = disposition_pour(largeur_ecran);
    Partage &p = partage;
    p.largeur_ecran = largeur_ecran;
    p.dx_fenetre = d.decalages.dx_fenetre;
    p.dy_fenetre = d.decalages.dy_fenetre;
    p.dx_haut = d.decalages.dx_haut;
    p.dy_haut = d.decalages.dy_haut;
    p.dx_bas = d.decalages.dx_bas;
    p.dy_bas = d.decalages.dy_bas;
    p.dy_effacer = d.decalages.dy_effacer;

    // Laid out at the design size first, then scaled to the window's size.
    echelle_.remet();
    panel22_->setGeometry(QRect(d.panel22, QSize(d.largeur_panel22, panel22_->height())));
    combobox1_->resize(d.largeur_panel22 - 16, combobox1_->height());
    for (PanneauAction *panneau : panneaux_)
        panneau->resize(d.largeur_panel22 - 16, panneau->height());
    panel21_->move(d.panel21);
    cadre9_->move(d.panel9);
    panel2_->move(d.panel2);
    fleches_->move(d.panel23);
    panel20_->setGeometry(d.panel20);
    panel18_->setGeometry(d.panel18);
    label1_->move(d.label1);
    speedbutton1_->move(d.speedbutton1);
    combobox2_->move(d.combobox2);
    panel24_->move(d.panel24);
    const int h = d.haut_boutons_bas;
    speedbutton2_->setGeometry(512, h, 60, 20);
    speedbutton3_->setGeometry(d.gauche_fin, h, 40, 20);
    speedbutton4_->setGeometry(255, h, 50, 20);
    speedbutton5_->setGeometry(307, h, 75, 20);
    speedbutton6_->setGeometry(383, h, 64, 20);
    speedbutton9_->setGeometry(d.speedbutton9.x(), d.speedbutton9.y(), 42, 20);
    for (int i = 1; i <= NB_BOUTONS_CADRE; ++i) {
        const BoutonCadre b = BoutonCadre(i);
        boutons_clavier_[i]->setGeometry(QRect(disposition_.bouton(b), taille_bouton(b)));
    }
    echelle_.retient(*this, d.client);

    const QScreen *ecran = screen();
    const QRect zone = ecran ? ecran->availableGeometry() : QRect(QPoint(), d.client);
    const qreal ouverture = Echelle::a_l_ouverture(d.client, zone.size());
    setMinimumSize((QSizeF(d.client) * std::min(0.5, ouverture)).toSize());
    setMaximumSize(QWIDGETSIZE_MAX, QWIDGETSIZE_MAX);
    resize((QSizeF(d.client) * ouverture).toSize());
    applique_echelle();
    move(zone.center() - rect().center());
}

void TForm1::applique_echelle()
{
    echelle_.applique(*this);
    for (MthX *boite : boites_)
        formule::zoom(*boite, echelle_.facteur());
    poignee_->setGeometry(width() - 16, height() - 16, 16, 16);
    ajuste_polices();
    dessine_images();
    update();
}

void TForm1::ajuste_polices()
{
    const qreal e = echelle_.facteur();
    for (auto [boite, points] : {std::pair{panel18_, 9.0}, std::pair{panel20_, qreal(travail_->taille_label7)}}) {
        QFont f = boite->font();
        qreal taille = points * e;
        f.setPointSizeF(taille);
        const QRect place = boite->contentsRect().adjusted(boite->margin(), boite->margin(), -boite->margin(), -boite->margin());
        const int largeur = place.width(), hauteur = place.height();
        while (taille > 4 && QFontMetrics(f).boundingRect(QRect(0, 0, largeur, 10000), Qt::TextWordWrap, boite->text()).height() > hauteur)
            f.setPointSizeF(taille -= 0.5);
        if (f != boite->font())
            boite->setFont(f);
    }
}

void TForm1::resizeEvent(QResizeEvent *evenement)
{
    QWidget::resizeEvent(evenement);
    applique_echelle();
}

// ---------------------------------------------------------------- showing the work

void TForm1::agit(const std::function<void()> &action)
{
    action();
    rafraichit();
}

void TForm1::rafraichit()
{
    synchronise_ = true;
    rafraichit_boites();
    rafraichit_parties();
    rafraichit_panneaux();
    montre_texte(panel18_, travail_->label3);
    colore_texte(panel18_, travail_->couleur_label3);
    montre_texte(panel20_, aide_lisible(travail_->label7));
    colore_texte(panel20_, travail_->couleur_label7);
    ajuste_polices();
    montre_texte(label1_, travail_->libelle_label1);
    speedbutton1_->setText(qt(travail_->libelle_speedbutton1));
    speedbutton9_->setText(qt(travail_->libelle_speedbutton9));
    for (QPushButton *b : {speedbutton4_, speedbutton5_, speedbutton6_})
        b->setVisible(travail_->boutons_prof_montres());
    panel24_->setVisible(travail_->editeur_consigne_visible);
    if (boutons_clavier_[static_cast<int>(BoutonCadre::charger)])
        boutons_clavier_[static_cast<int>(BoutonCadre::charger)]->setVisible(travail_->bouton_charger_visible);
    if (isEnabled() && !panel24_->isVisible()) {
        // The caret goes back to the box of the work, unless the keyboard
        // was taken to another control (a panel, a button...).
        QWidget *active = formule::widget(*boites_[travail_->boite_active]);
        QWidget *focus = dernier_focus_;
        bool ailleurs = focus && focus != active && focus->isVisible() && focus->isEnabled();
        for (MthX *boite : boites_)
            ailleurs &= focus != formule::widget(*boite);
        if (ailleurs && !focus->hasFocus())
            focus->setFocus(Qt::OtherFocusReason);
        else if (!ailleurs && !active->hasFocus())
            active->setFocus(Qt::OtherFocusReason);
    }
    synchronise_ = false;

    for (const int sens : travail_->glissements)
        glisse(sens);
    travail_->glissements.clear();
    if (const auto demande = travail_->demande_argument) {
        travail_->demande_argument.reset();
        ouvre(fenetres_.form2, QPoint(demande->gauche, demande->haut), false);
    }
    if (travail_->impression_demandee) {
        travail_->impression_demandee = false;
        if (fenetres_.imprime)
            fenetres_.imprime->montre_tableau_de_signes(travail_->etapes[std::clamp(partage.etape, 1, ETAPES_MAX)]);
    }
    if (travail_->mot_de_passe_demande) {
        travail_->mot_de_passe_demande = false;
        ouvre(fenetres_.form6, {}, true);
    }
    if (travail_->question_recommencer) {
        travail_->question_recommencer = false;
        pose_question(demander_confirmation(QUESTION_RECOMMENCER, ACTION_RECOMMENCER, false));
    }
    if (!travail_->message.empty()) {
        avertit(qt(travail_->message));
        travail_->message.clear();
    }
}

void TForm1::rafraichit_boites()
{
    for (int b = 0; b < NB_BOITES; ++b) {
        const AffichageBoite &a = travail_->boites[b];
        MthX &m = *boites_[b];
        formule::taille(m, a.taille);
        formule::ecrit(m, a.texte);
        formule::couleur(m, couleur_qt(a.couleur));
        fleches_->montre(b, b == MTHX1 || a.fleches_visibles);
        QWidget *w = formule::widget(m);
        if (b == MTHX1) {
            nomme(w, QStringLiteral("Saisie, étape 1"),
                  QStringLiteral("Tapez une expression, une équation, une inéquation ou un système"));
            continue;
        }
        // A step box is named by its step and described by its hint.
        nomme(w, a.badge_visible ? QStringLiteral("Étape %1").arg(a.badge) : QStringLiteral("Étape vide"),
              a.commentaire.empty() ? QStringLiteral("Sans indication") : qt(aide_lisible(a.commentaire)));
        badges_[b]->setVisible(a.badge_visible);
        badges_[b]->setText(QString::number(a.badge));
        montre_texte(commentaires_[b], aide_lisible(a.commentaire));
        colore_texte(commentaires_[b], a.couleur_commentaire);
    }
}

void TForm1::rafraichit_parties()
{
    const std::vector<std::string> &parties = travail_->parties;
    bool memes = combobox1_->count() == static_cast<int>(parties.size());
    for (int i = 0; memes && i < combobox1_->count(); ++i)
        memes = combobox1_->itemText(i) == qt(parties[static_cast<std::size_t>(i)]);
    if (!memes) {
        combobox1_->clear();
        for (const std::string &t : parties)
            combobox1_->addItem(qt(t));
    }
    if (combobox1_->currentIndex() != travail_->partie_affichee)
        combobox1_->setCurrentIndex(travail_->partie_affichee);

    const std::vector<std::string> &aides = travail_->liste_aides;
    memes = combobox2_->count() == static_cast<int>(aides.size());
    for (int i = 0; memes && i < combobox2_->count(); ++i)
        memes = combobox2_->itemText(i) == qt(aides[static_cast<std::size_t>(i)]);
    if (!memes) {
        combobox2_->clear();
        for (const std::string &t : aides)
            combobox2_->addItem(qt(t));
    }
    combobox2_->setCurrentIndex(combobox2_->count() - 1);
    combobox2_->setVisible(travail_->liste_aides_visible);
}

void TForm1::rafraichit_panneaux()
{
    for (int i = 0; i < NB_PANNEAUX; ++i)
        panneaux_[i]->montre(travail_->menus[Panneau(i)]);
}

void TForm1::glisse(int direction)
{
    glissement_->stop();
    const int pas = static_cast<int>(80 * echelle_.facteur());
    glissement_->setStartValue(QPoint(0, direction > 0 ? pas : -pas));
    glissement_->setEndValue(QPoint(0, 0));
    glissement_->start();
}

void TForm1::eclaire_panneau(int indice)
{
    for (int i = 0; i < NB_PANNEAUX; ++i)
        panneaux_[i]->eclaire(i == indice);
}

void TForm1::ouvre(QWidget *fenetre, QPoint decalage, bool desactive)
{
    if (!fenetre)
        return;
    if (!decalage.isNull())
        fenetre->move(pos() + echelle_.vers_fenetre(decalage));
    if (desactive)
        setEnabled(false);
    fenetre->show();
    fenetre->raise();
    fenetre->activateWindow();
}

void TForm1::avertit(const QString &message)
{
    dernier_message_ = message;
    auto *boite = new QMessageBox(QMessageBox::Information, QStringLiteral("Vivezezi"), message,
                                  QMessageBox::Ok, this);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}

// ---------------------------------------------------------------- formula boxes

bool TForm1::filtre_saisie(MthX &boite, QKeyEvent &touche)
{
    // Several characters at once (an input method) that would make the text
    // too long for any operation are refused before the box takes them.
    if (touche.text().size() > 1 && texte_trop_long(formule::texte(boite) + touche.text().toStdString())) {
        avertit(qt(MESSAGE_TEXTE_TROP_LONG));
        return true;
    }
    if (formule::curseur_gauche(boite) != formule::curseur_droit(boite))
        return false;
    const std::optional<Message> message = message_de(touche);
    if (!message)
        return false;
    const bool edite = message->genre == GenreMessage::caractere || message->code == TOUCHE_EFFACE_ARRIERE ||
                       message->code == TOUCHE_SUPPRIME;
    if (entree_au_clavier_ && edite) {
        entree_au_clavier_ = false;
        agit([this] { travail_->MthX1Enter(); });
    }
    const Saisie apres = travail_->AppMessage({formule::texte(boite), formule::curseur_droit(boite)}, *message);
    synchronise_ = true;
    formule::ecrit(boite, apres.texte);
    formule::place_curseur(boite, apres.curseur);
    synchronise_ = false;
    rafraichit();
    return true;
}

void TForm1::change_boite(int b)
{
    if (synchronise_)
        return;
    const std::string texte = formule::texte(*boites_[b]);
    if (b == MTHX1 && texte_trop_long(texte)) {
        // A paste too long for any operation is taken back at once.
        synchronise_ = true;
        formule::ecrit(*boites_[b], travail_->boites[MTHX1].texte);
        synchronise_ = false;
        avertit(qt(MESSAGE_TEXTE_TROP_LONG));
        return;
    }
    agit([this, b, &texte] {
        if (b == MTHX1) {
            travail_->MthX1Change(texte);
            return;
        }
        if (b == MTHX2)
            travail_->MthX2Change(texte);
        else if (b == MTHX3)
            travail_->MthX3Change(texte);
        else
            travail_->MthX4Change(texte);
    });
}

void TForm1::clic_boite(int b)
{
    const int g = formule::curseur_gauche(*boites_[b]), d = formule::curseur_droit(*boites_[b]);
    agit([this, b, g, d] {
        switch (b) {
        case MTHX1: travail_->MthX1LMouseClicked(g, d); break;
        case MTHX2: travail_->MthX2LMouseClicked(g, d); break;
        case MTHX3: travail_->MthX3LMouseClicked(g, d); break;
        default: travail_->MthX4LMouseClicked(g, d); break;
        }
    });
}

// ---------------------------------------------------------------- secondary windows

void TForm1::affiche(const std::string &argument)
{
    const bool reponse = partage.action_en_cours == 10 && !argument.empty();
    setEnabled(true);
    agit([this, &argument] { travail_->affiche(argument); });
    if (reponse)
        ouvre(fenetres_.form4, QPoint(partage.dx_fenetre + 180, partage.dy_fenetre + 140), false);
}

void TForm1::annule_argument()
{
    setEnabled(true);
    agit([this] { travail_->annule_argument(); });
}

void TForm1::reponse_question(bool oui_)
{
    setEnabled(true);
    if (confirmation_->action == ACTION_RECOMMENCER) {
        agit([this, oui_] { travail_->recommence(oui_); });
        return;
    }
    switch (oui_ ? oui(*confirmation_) : non(*confirmation_)) {
    case Suite::sauver: save_as(false); break;
    case Suite::sauver_puis_fermer: save_as(true); break;
    case Suite::fermer: on_ferme(); break;
    }
}

void TForm1::mot_de_passe_accepte()
{
    setEnabled(true);
    activateWindow();
    formule::widget(*boites_[MTHX1])->setFocus(Qt::OtherFocusReason);
}

// ---------------------------------------------------------------- frame buttons

void TForm1::clic_bouton(BoutonCadre bouton)
{
    Partage &p = partage;
    switch (bouton) {
    case BoutonCadre::sortir:
        if (travail_->Image4Click() == Sortie::fermer) {
            on_ferme();
            return;
        }
        pose_question(demander_confirmation(QUESTION_SAUVEGARDE, 1, true));
        return;
    case BoutonCadre::resume:
        p.mode_tableau_signes = false;
        if (fenetres_.imprime) {
            fenetres_.imprime->montre_resume(titres_des_aides(travail_->liste_aides));
        }
        return;
    case BoutonCadre::site: {
        const QUrl adresse(qt(lit_adresse_web()), QUrl::StrictMode);
        const QString schema = adresse.scheme().toLower();
        if (adresse.isValid() && !adresse.host().isEmpty() &&
            (schema == QLatin1String("http") || schema == QLatin1String("https")))
            QDesktopServices::openUrl(adresse);
        else
            avertit(QStringLiteral("Aucune adresse web (http ou https) n'est configurée."));
        return;
    }
    case BoutonCadre::recommencer:
        agit([this] { travail_->Image19Click(); });
        return;
    case BoutonCadre::effacer:
        agit([this] { travail_->Image17Click(); });
        return;
    case BoutonCadre::visualiser:
        // The parameters show the password and the panels: the teacher's.
        if (!p.mode_eleve)
            ouvre(fenetres_.form3, {}, false);
        return;
    case BoutonCadre::aide:
        p.mode_tableau_signes = false;
        p.mode_aide = true;
        if (fenetres_.imprime)
            fenetres_.imprime->montre_aide();
        return;
    case BoutonCadre::domaine:
        p.saisie_domaine = true;
        p.saisie_inequation = true;
        ouvre(fenetres_.form2, QPoint(104, 24), false);
        return;
    case BoutonCadre::charger:
        charge();
        return;
    case BoutonCadre::aucun:
        return;
    }
}

void TForm1::pose_question(const Confirmation &question)
{
    *confirmation_ = question;
    if (fenetres_.form7) {
        setEnabled(false);
        fenetres_.form7->demande(confirmation_->question);
    } else {
        const auto r = QMessageBox::question(this, QStringLiteral("Vivezezi"), qt(confirmation_->question));
        reponse_question(r == QMessageBox::Yes);
    }
}

void TForm1::survol(QPoint point)
{
    const BoutonCadre b = bouton_eclaire(point.x(), point.y(), disposition_.decalages, travail_->bouton_charger_visible);
    panel21_->eteint();
    if (point.x() > 200 && point.y() > 83)
        eclaire_panneau(-1);
    if (b != allume_) {
        allume_ = b;
        update();
    }
}

void TForm1::save_as(bool sortie)
{
    const QString depart = partage.fichier_exercice.empty() ? dossier_exercices() + QStringLiteral("/sans_titre.alg")
                                                            : qt(partage.fichier_exercice);
    QString nom = choix_sauvegarde_ ? choix_sauvegarde_(this, depart) : QString();
    // A cancelled dialog cancels the leaving too: the work is still unsaved.
    if (nom.isEmpty())
        return;
    if (!nom.endsWith(QLatin1String(".alg"), Qt::CaseInsensitive))
        nom += QLatin1String(".alg");
    // The path is taken whole; one the system refuses is reported by the work's message.
    bool sauve = false;
    agit([this, &nom, &sauve] {
        sauve = travail_->sauve_exercice(nom.toStdString());
        if (!travail_->caracteres_hors_format.empty())
            travail_->message.clear();   // asked below instead
    });
    if (!sauve && !travail_->caracteres_hors_format.empty() &&
        question_(this, qt(question_hors_format(travail_->caracteres_hors_format))))
        agit([this, &nom, &sauve] { sauve = travail_->sauve_exercice(nom.toStdString(), HorsFormat::remplacer); });
    if (sauve && sortie)
        on_ferme();
}

void TForm1::charge()
{
    if (!travail_->bouton_charger_visible)
        return;
    const QString nom = choisit_exercice(this, QStringLiteral("Charger un exercice"), dossier_exercices(), false);
    if (nom.isEmpty())
        return;
    bool ouvert = false;
    agit([this, &nom, &ouvert] { ouvert = travail_->charge_exercice(nom.toStdString()); });
    if (ouvert)
        nomme_exercice(nom);
}

void TForm1::nomme_exercice(const QString &chemin)
{
    setWindowTitle(QStringLiteral("Vivezezi - ") + QFileInfo(chemin).fileName());
}

void TForm1::ouvre_exercice(const QString &chemin)
{
    bool ouvert = false;
    agit([this, &chemin, &ouvert] { ouvert = travail_->ouvre_exercice(chemin.toStdString()); });
    if (ouvert)
        nomme_exercice(chemin);
}

void TForm1::on_ferme()
{
    fermeture_ = true;
    close();
    QCoreApplication::quit();
}

// ---------------------------------------------------------------- events

void TForm1::paintEvent(QPaintEvent *)
{
    QPainter p(this);
    p.fillRect(rect(), couleur_qt(0x025A4242));
    p.translate(echelle_.origine());
    p.scale(echelle_.facteur(), echelle_.facteur());
    p.drawPixmap(0, 0, fond_);
    for (int i = 1; i <= NB_BOUTONS_CADRE; ++i) {
        const BoutonCadre b = BoutonCadre(i);
        if (b == BoutonCadre::charger && !travail_->bouton_charger_visible)
            continue;
        QPoint coin = disposition_.bouton(b);
        if (b == allume_ && b == BoutonCadre::site)
            coin = disposition_.site_eclaire;
        p.drawPixmap(coin, b == allume_ ? allumes_[i] : eteints_[i]);
    }
}

void TForm1::mousePressEvent(QMouseEvent *evenement)
{
    if (evenement->button() != Qt::LeftButton)
        return;
    survol(echelle_.vers_dessin(evenement->position()));
    if (allume_ != BoutonCadre::aucun) {
        clic_bouton(allume_);
        return;
    }
    deplacement_ = true;
    prise_ = evenement->globalPosition().toPoint() - frameGeometry().topLeft();
}

void TForm1::mouseMoveEvent(QMouseEvent *evenement)
{
    if (deplacement_ && (evenement->buttons() & Qt::LeftButton)) {
        move(evenement->globalPosition().toPoint() - prise_);
        return;
    }
    survol(echelle_.vers_dessin(evenement->position()));
}

void TForm1::mouseReleaseEvent(QMouseEvent *)
{
    deplacement_ = false;
}

void TForm1::leaveEvent(QEvent *) { eteint_bouton(); }

void TForm1::eteint_bouton()
{
    if (allume_ != BoutonCadre::aucun) {
        allume_ = BoutonCadre::aucun;
        update();
    }
}

bool TForm1::event(QEvent *evenement)
{
    if (evenement->type() == QEvent::ToolTip) {
        auto *aide = static_cast<QHelpEvent *>(evenement);
        const QPoint point = echelle_.vers_dessin(aide->pos());
        const BoutonCadre b = bouton_eclaire(point.x(), point.y(), disposition_.decalages,
                                             travail_->bouton_charger_visible);
        // The hint names the shortcut too: "AIDE (F1)".
        const QString touche = QString::fromLatin1(raccourci(b));
        if (b != BoutonCadre::aucun)
            QToolTip::showText(aide->globalPos(),
                               QString::fromUtf8(indication(b)) +
                                   (touche.isEmpty() ? QString() : QStringLiteral(" (") + touche + QLatin1Char(')')),
                               this);
        else
            QToolTip::hideText();
        return true;
    }
    return QWidget::event(evenement);
}

bool TForm1::eventFilter(QObject *objet, QEvent *evenement)
{
    if (evenement->type() == QEvent::Enter && objet != this)
        eteint_bouton();
    if (evenement->type() == QEvent::FocusIn && objet != this)
        dernier_focus_ = qobject_cast<QWidget *>(objet);
    if (evenement->type() == QEvent::KeyPress) {
        const auto *touche = static_cast<QKeyEvent *>(evenement);
        const bool entree = touche->key() == Qt::Key_Return || touche->key() == Qt::Key_Enter;
        // A list opens on the arrows instead of choosing at each step: a
        // part chosen is a step made.
        if ((objet == combobox1_ || objet == combobox2_) && touche->modifiers() == Qt::NoModifier &&
            (touche->key() == Qt::Key_Down || touche->key() == Qt::Key_Up || entree)) {
            static_cast<QComboBox *>(objet)->showPopup();
            return true;
        }
        if (entree && qobject_cast<QPushButton *>(objet)) {
            static_cast<QPushButton *>(objet)->click();
            return true;
        }
    }
    // Entering the input box by the user's hand starts the work again from
    // step 1: at once with the mouse; with Tab, which passes through the box
    // on its way round the window, only once the text is edited.
    if (objet == formule::widget(*boites_[MTHX1]) && evenement->type() == QEvent::FocusIn && !synchronise_) {
        const Qt::FocusReason raison = static_cast<QFocusEvent *>(evenement)->reason();
        entree_au_clavier_ = raison == Qt::TabFocusReason || raison == Qt::BacktabFocusReason;
        if (raison == Qt::MouseFocusReason)
            agit([this] { travail_->MthX1Enter(); });
    }
    return QWidget::eventFilter(objet, evenement);
}

void TForm1::showEvent(QShowEvent *evenement)
{
    QWidget::showEvent(evenement);
    if (!travail_->premiere_activation)
        return;
    if (fenetres_.form2)
        fenetres_.form2->hide();
    agit([this] { travail_->FormActivate(argument_); });
}

void TForm1::closeEvent(QCloseEvent *evenement)
{
    if (fermeture_) {
        evenement->accept();
        return;
    }
    evenement->ignore();
    clic_bouton(BoutonCadre::sortir);
}

QWidget *TForm1::controle(const QString &nom) const
{
    return findChild<QWidget *>(nom);
}
