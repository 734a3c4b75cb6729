// The desktop program: the eight windows are created once, in a fixed order,
// and live until the program ends; they are only shown and hidden.

#include <QApplication>
#include <QDir>

#include "app/fenetres/fenetre_argument.h"
#include "app/fenetres/fenetre_mot_de_passe.h"
#include "app/fenetres/fenetre_principale.h"
#include "app/fenetres/fenetre_question.h"
#include "app/fenetres/fenetre_resultat.h"
#include "core/configuration.h"
#include "exercise/fenetres/parametres.h"
#include "exercise/fenetres/professeur.h"
#include "print/imprime.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vivezezi"));
    // The configuration file lives beside the program; the main window reads it.
    fixe_dossier_programme(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath());

    const QStringList arguments = QCoreApplication::arguments();
    const std::string expression = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    TForm1 form1(expression);
    TForm2 form2;
    TForm4 form4;
    TImprime imprime;
    TForm3 form3;
    TForm5 form5;
    TForm6 form6;
    TForm7 form7;
    form1.attache({&form2, &form4, &imprime, &form3, &form5, &form6, &form7});
    form1.show();
    return QApplication::exec();
}
