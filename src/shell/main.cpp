#include "accueil.h"
#include "icons.h"
#include "modescorde.h"
#include "modulevariables.h"
#include "reflexion.h"
#include "vibreur.h"

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
    Accueil accueil({
        [&variables](QWidget *parent) -> Form * {
            return new Vibreur(parent, variables.shared, variables.vibreur);
        },
        [&variables](QWidget *parent) -> Form * {
            return new Reflexion(parent, variables.shared, variables.reflexion);
        },
        [&variables](QWidget *parent) -> Form * {
            return new ModesCorde(parent, variables.shared, variables.modes);
        },
    });
    accueil.show();
    return app.exec();
}
