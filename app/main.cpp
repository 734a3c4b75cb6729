// The desktop program: the eight windows are created once, in a fixed order,
// and live until the program ends; they are only shown and hidden.

#include <QApplication>
#include <QDir>
#include <QLibraryInfo>
#include <QStandardPaths>
#include <QTranslator>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "app/travail/travail.h"
#include "core/emplacements.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "print/imprime.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vivezezi"));
    QGuiApplication::setDesktopFileName(QStringLiteral("fr.vivezezi.Vivezezi"));
    // Qt's own dialogs (files, printing, messages) speak French too.
    QTranslator traduction_qt;
    if (traduction_qt.load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                           QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
        QCoreApplication::installTranslator(&traduction_qt);
    // The main window reads the configuration when it is created.
    const QDir dossier_utilisateur(QStandardPaths::writableLocation(QStandardPaths::AppConfigLocation));
    installe_emplacements(choisit_emplacements(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath(),
                                               dossier_utilisateur.filesystemAbsolutePath()));

    // The first argument is a statement for step 1, or an exercise file to open.
    const QStringList arguments = QCoreApplication::arguments();
    const QString argument = arguments.size() > 1 ? arguments.at(1) : QString();
    const bool exercice = est_fichier_exercice(argument.toStdString());

    TForm1 form1(exercice ? std::string() : argument.toStdString());
    TForm2 form2;
    TForm4 form4;
    TImprime imprime;
    TForm3 form3;
    TForm5 form5;
    TForm6 form6;
    TForm7 form7;
    form1.attache({&form2, &form4, &imprime, &form3, &form5, &form6, &form7});
    // A pupil opens his exercise without the teacher's password.
    form1.travail().exercice_au_demarrage = exercice;
    form1.show();
    if (exercice)
        form1.ouvre_exercice(argument);
    return QApplication::exec();
}
