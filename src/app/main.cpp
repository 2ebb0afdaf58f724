#include "accueil.h"
#include "application.h"
#include "commandline.h"
#include "icons.h"
#include "modulefactories.h"
#include "modulevariables.h"
#include "translations.h"

#include <QApplication>

#include <cstdio>

int main(int argc, char *argv[])
{
    // Read before any window system is touched: --help, --version and a
    // refused option answer in a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    const CommandLine commandLine = readCommandLine(arguments);
    if (commandLine.action == CommandLine::Action::Print) {
        std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
        return 0;
    }
    if (commandLine.action == CommandLine::Action::Refuse) {
        std::fprintf(stderr, "%s\n", commandLine.text.toLocal8Bit().constData());
        return 2;
    }
    // Qt's high-DPI scaling enlarges every window, position and drawing alike;
    // the drawing surfaces paint at the device pixels, so lines stay sharp.
    if (commandLine.zoom != 1.0)
        qputenv("QT_SCALE_FACTOR", QByteArray::number(commandLine.zoom));

    // On X11, a frame changes at most some tens of thousands of pixels: sent
    // with the request they cost less than a shared-memory image, which Qt may paint into
    // again only after a round trip to the server at every frame (two
    // threads woken each time). A value set by the user is kept.
    if (!qEnvironmentVariableIsSet("QT_XCB_NO_MITSHM"))
        qputenv("QT_XCB_NO_MITSHM", "1");

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("vellane"));
    QApplication::setApplicationVersion(applicationVersion());
    // The program speaks French whatever the user's locale: Qt's file dialogs
    // and buttons too.
    installQtTranslations(app, QLocale(QLocale::French));
    // Desktops match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(applicationId());
    // One look on every desktop: the windows are laid out to the pixel.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Drawn once for every window of the run.
    QApplication::setWindowIcon(Icons::programIcon());

    // Declared before the home screen, which owns the module windows that
    // refer to these variables.
    ModuleVariables variables;
    Accueil accueil(moduleFactories(variables));
    accueil.show();
    if (commandLine.simulation)
        accueil.demarre(*commandLine.simulation);
    return app.exec();
}
