#include "accueil.h"
#include "icons.h"
#include "modulefactories.h"
#include "modulevariables.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    // One look on every desktop: the windows are laid out to the pixel.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Drawn once for every window of the run.
    QApplication::setWindowIcon(Icons::programIcon());

    // Declared before the home screen, which owns the module windows that
    // refer to these variables.
    ModuleVariables variables;
    Accueil accueil(moduleFactories(variables));
    accueil.show();
    return app.exec();
}
