// The desktop program: the windows are created once, in a fixed order, and
// live until the program ends; they are only shown and hidden.

#include <QApplication>
#include <QDir>

#include "app/fenetres/fenetre_principale.h"
#include "core/configuration.h"

int main(int argc, char *argv[])
{
    QApplication application(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Vivezezi"));
    // The configuration file lives beside the program; the main window reads it.
    fixe_dossier_programme(QDir(QCoreApplication::applicationDirPath()).filesystemAbsolutePath());

    const QStringList arguments = QCoreApplication::arguments();
    const std::string expression = arguments.size() > 1 ? arguments.at(1).toStdString() : std::string();

    TForm1 form1(expression);
    FenetresSecondaires fenetres;
    form1.attache(fenetres);
    form1.show();
    return QApplication::exec();
}
