#include "exercise/fenetres/parametres.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/travail/menus.h"
#include "app/travail/mot_de_passe.h"
#include "core/configuration.h"
#include "core/partage.h"
#include "exercise/fenetres/apparence.h"

namespace {

// The boxes in window order, with the option each one sets.
struct CaseOption {
    const char *legende;
    bool Partage::*option;
};
const CaseOption CASES[8] = {
    {"Réduction systématique", &Partage::option_reduire},
    {"Réduction même dénominateur auto.", &Partage::option_fractions},
    {"Réduction des racines carrées auto.", &Partage::option_racines},
    {"Menu \"simplifier\"  actif", &Partage::option_simplif},
    {"Menu \"factoriser\" actif", &Partage::option_factoriz},
    {"Menu \"développer\" actif", &Partage::option_developpe},
    {"Menu \"calculer\" actif", &Partage::option_kalkul},
    {"Factorisation des trinômes (discriminant)", &Partage::option_trinomes},
};

QString choix_par_dialogue(QWidget *parent, const QString &depart)
{
    return QFileDialog::getExistingDirectory(parent, QStringLiteral("Dossier du logiciel de géométrie"),
                                             depart);
}

} // namespace

TForm3::TForm3(QWidget *parent) : FenetreSansBord(parent), choix_dossier_(choix_par_dialogue)
{
    setObjectName(QStringLiteral("TForm3"));
    setWindowTitle(QStringLiteral("Paramètres"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(feuille_de_style(objectName()));

    auto *colonne = new QVBoxLayout(this);
    colonne->setContentsMargins(16, 10, 16, 14);
    colonne->setSpacing(6);
    auto *titre = etiquette(this, QStringLiteral("Paramètres"), 16, true);
    titre->setAlignment(Qt::AlignCenter);
    colonne->addWidget(titre);

    for (std::size_t i = 0; i < cases_.size(); ++i) {
        cases_[i] = new QCheckBox(QString::fromUtf8(CASES[i].legende), this);
        cases_[i]->setObjectName(QStringLiteral("CheckBox%1").arg(i + 1));
        cases_[i]->setFont(police_fenetre(12, false));
        cases_[i]->setChecked(true);
        colonne->addWidget(cases_[i]);
    }

    // The panels of the exercise: a withheld one does not appear for the pupil.
    colonne->addSpacing(4);
    colonne->addWidget(etiquette(this, QStringLiteral("Panneaux permis à l'élève dans l'exercice"), 12, true));
    auto *grille_panneaux = new QGridLayout;
    grille_panneaux->setHorizontalSpacing(10);
    grille_panneaux->setVerticalSpacing(2);
    for (std::size_t k = 0; k < panneaux_.size(); ++k) {
        panneaux_[k] = new QCheckBox(QString::fromUtf8(legende_panneau(static_cast<Panneau>(k))), this);
        panneaux_[k]->setObjectName(QString::fromUtf8(nom_panneau(static_cast<Panneau>(k))));
        panneaux_[k]->setFont(police_fenetre(11, false));
        panneaux_[k]->setChecked(true);
        grille_panneaux->addWidget(panneaux_[k], static_cast<int>(k / 2), static_cast<int>(k % 2));
    }
    colonne->addLayout(grille_panneaux);

    auto *champs = new QGridLayout;
    champs->setHorizontalSpacing(6);
    champs->addWidget(etiquette(this, QStringLiteral("Dossier du logiciel de géométrie"), 12), 0, 0, 1, 2);
    edit1_ = new QLineEdit(this);
    edit1_->setObjectName(QStringLiteral("Edit1"));
    edit1_->setAccessibleName(QStringLiteral("Dossier du logiciel de géométrie"));
    champs->addWidget(edit1_, 1, 0);
    auto *image3 = bouton_prof(this, "Image3", QStringLiteral("..."));
    image3->setToolTip(QStringLiteral("Choisir le dossier"));
    connect(image3, &QPushButton::clicked, this, [this] { Image3Click(); });
    champs->addWidget(image3, 1, 1);
    champs->addWidget(etiquette(this, QStringLiteral("Mot de passe"), 12), 2, 0, 1, 2);
    edit2_ = new QLineEdit(this);
    edit2_->setObjectName(QStringLiteral("Edit2"));
    edit2_->setAccessibleName(QStringLiteral("Mot de passe"));
    champs->addWidget(edit2_, 3, 0);
    colonne->addSpacing(6);
    colonne->addLayout(champs);

    colonne->addSpacing(6);
    colonne->addWidget(etiquette(this, QStringLiteral("OK pour les paramètres de l'exercice."), 11));
    colonne->addWidget(
        etiquette(this, QStringLiteral("SAUVEGARDER pour les paramètres de Vivezezi."), 11));

    auto *boutons = new QHBoxLayout;
    auto *ok = bouton_prof(this, "SpeedButton1", QStringLiteral("OK"));
    auto *sauvegarder = bouton_prof(this, "SpeedButton2", QStringLiteral("SAUVEGARDER"));
    auto *annuler = bouton_prof(this, "SpeedButton3", QStringLiteral("ANNULER"));
    connect(ok, &QPushButton::clicked, this, [this] { SpeedButton1Click(); });
    connect(sauvegarder, &QPushButton::clicked, this, [this] { SpeedButton2Click(); });
    connect(annuler, &QPushButton::clicked, this, [this] { SpeedButton3Click(); });
    boutons->addWidget(ok);
    boutons->addWidget(sauvegarder);
    boutons->addWidget(annuler);
    colonne->addSpacing(4);
    colonne->addLayout(boutons);
}

void TForm3::showEvent(QShowEvent *evenement)
{
    FormActivate();
    FenetreSansBord::showEvent(evenement);
}

void TForm3::closeEvent(QCloseEvent *evenement)
{
    // Closing the window by its frame is a cancel.
    evenement->ignore();
    if (isVisible())
        SpeedButton3Click();
}

void TForm3::FormActivate()
{
    if (principale_)
        principale_->setEnabled(false);
    edit1_->setText(QString::fromStdString(partage.dossier_frere));
    dossier_affiche_ = edit1_->text();
    edit2_->setText(QString::fromStdString(partage.mot_de_passe));
    for (std::size_t i = 0; i < cases_.size(); ++i)
        cases_[i]->setChecked(partage.*CASES[i].option);
    for (std::size_t k = 0; k < panneaux_.size(); ++k)
        panneaux_[k]->setChecked(partage.panneaux_permis[k]);
}

void TForm3::Image3Click()
{
    // The chosen folder is only shown; "SAUVEGARDER" takes it.
    QString dossier = choix_dossier_ ? choix_dossier_(this, QString::fromStdString(partage.dossier_programme))
                                     : QString();
    if (dossier.isEmpty())
        return;
    while (dossier.size() > 1 && (dossier.endsWith(QLatin1Char('/')) || dossier.endsWith(QLatin1Char('\\'))))
        dossier.chop(1);
    edit1_->setText(QDir::toNativeSeparators(dossier));
}

void TForm3::prend_options()
{
    for (std::size_t i = 0; i < cases_.size(); ++i)
        partage.*CASES[i].option = cases_[i]->isChecked();
    for (std::size_t k = 0; k < panneaux_.size(); ++k)
        partage.panneaux_permis[k] = panneaux_[k]->isChecked();
}

void TForm3::SpeedButton1Click()
{
    prend_options();
    ferme();
}

void TForm3::SpeedButton2Click()
{
    dernier_message_.clear();
    const std::string mot_de_passe = majuscules_ascii(edit2_->text().toStdString());
    if (!mot_de_passe_enregistrable(mot_de_passe)) {
        // A password the file cannot hold would lock the teacher out at the
        // next start: nothing is taken and the window stays open.
        previent(QString::fromUtf8(MESSAGE_MOT_DE_PASSE), this);
        return;
    }
    prend_options();
    partage.mot_de_passe = mot_de_passe;
    // Characters the file cannot hold are replaced only when the teacher agrees.
    const auto enregistre = [this](auto ecrit) {
        Enregistrement r = ecrit(HorsFormat::refuser);
        if (!r && !r.hors_format.empty() &&
            QMessageBox::question(this, windowTitle(), QString::fromStdString(question_hors_format(r.hors_format))) ==
                QMessageBox::Yes)
            r = ecrit(HorsFormat::remplacer);
        return r;
    };
    // The folder is written only when the teacher changed it: a field left as
    // it was shown never replaces what the file holds.
    Enregistrement dossier_ecrit;
    dossier_ecrit.reussi = true;
    if (edit1_->text() != dossier_affiche_) {
        partage.dossier_frere = edit1_->text().toStdString();
        dossier_ecrit = enregistre([](HorsFormat h) { return ecrit_dossier_frere(partage.dossier_frere, h); });
    }
    const Enregistrement options_ecrites = enregistre([](HorsFormat h) { return ecrit_options(h); });
    ferme();
    // The values hold for this run; the user must know that the next one
    // will not find them.
    if (!dossier_ecrit || !options_ecrites)
        previent(QStringLiteral("Les paramètres n'ont pas pu être enregistrés dans le fichier "
                                "de configuration. ") +
                     QString::fromStdString(!dossier_ecrit ? dossier_ecrit.message : options_ecrites.message),
                 principale_ ? principale_ : parentWidget());
}

void TForm3::previent(const QString &message, QWidget *parent)
{
    dernier_message_ = message;
    auto *boite = new QMessageBox(QMessageBox::Warning, windowTitle(), message, QMessageBox::Ok, parent);
    boite->setAttribute(Qt::WA_DeleteOnClose);
    boite->open();
}

void TForm3::SpeedButton3Click()
{
    ferme();
}

void TForm3::ferme()
{
    hide();
    if (principale_)
        principale_->setEnabled(true);
    if (retour_)
        retour_();
}
