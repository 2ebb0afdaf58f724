#include "commandline.h"
#include "controls/application.h"
#include "controls/windowaccessible.h"
#include "home/accueil.h"
#include "language.h"
#include "look/icons.h"
#include "modulefactories.h"
#include "modulevariables.h"
#include "screenzoom.h"
#include "startupmessages.h"
#include "translations.h"

#include <QApplication>
#include <QScreen>

#include <cstdio>

namespace {

// Qt reads its scale factor once, when the application starts, and only a
// started application knows the screen: a first, short-lived one measures the
// available area at factor 1 before the program's own starts at the factor
// that fits.
ScreenZoom measureZoom(const CommandLine &commandLine, Language language, int argc, char *argv[])
{
    // The factor asked replaces any the environment gives.
    qunsetenv("QT_SCALE_FACTOR");
    QGuiApplication measure(argc, argv);
    installProgramTranslations(measure, language);
    const QScreen *screen = QGuiApplication::primaryScreen();
    return fitZoom(commandLine, screen ? screen->availableGeometry().size() : QSize());
}

QString environmentVariable(const char *name)
{
    return qEnvironmentVariable(name);
}

} // namespace

int main(int argc, char *argv[])
{
    // Read before any window system is touched: --help, --version and a
    // refused option answer in a terminal without a display.
    QStringList arguments;
    for (int i = 0; i < argc; ++i)
        arguments << QString::fromLocal8Bit(argv[i]);
    // --langue first, over the environment; then the whole command line again,
    // its texts in the language chosen (translators need an application).
    const Language language
        = readCommandLine(arguments).language.value_or(languageOfEnvironment(environmentVariable));
    CommandLine commandLine;
    {
        QCoreApplication reading(argc, argv);
        installProgramTranslations(reading, language);
        commandLine = readCommandLine(arguments);
        if (commandLine.action == CommandLine::Action::Print) {
            std::fputs(commandLine.text.toLocal8Bit().constData(), stdout);
            return 0;
        }
        if (commandLine.action == CommandLine::Action::Refuse) {
            std::fprintf(stderr, "%s\n", commandLine.text.toLocal8Bit().constData());
            return 2;
        }
        // Without a display, one line and status 1 rather than Qt's abort.
        holdStartupMessages();
    }
    // Qt's high-DPI scaling enlarges every window, position and drawing alike;
    // the drawing surfaces paint at the device pixels, so lines stay sharp.
    if (commandLine.zoom != 1.0) {
        const ScreenZoom zoom = measureZoom(commandLine, language, argc, argv);
        if (!zoom.warning.isEmpty())
            std::fprintf(stderr, "%s\n", zoom.warning.toLocal8Bit().constData());
        qputenv("QT_SCALE_FACTOR", QByteArray::number(zoom.factor));
    }

    // Qt's own event loop rather than GLib's: the animations wake it a
    // hundred times a second, and GLib's bookkeeping around each wake-up cost
    // about a fifteenth of the three simulations' processor. Nothing here
    // needs GLib's loop: the dialogs are Qt's, accessibility goes over Qt's
    // D-Bus.
    qputenv("QT_NO_GLIB", "1");
    QApplication app(argc, argv);
    releaseStartupMessages();
    // Before any window: Qt names the windows' X11 class after it.
    QApplication::setApplicationName(applicationName());
    QApplication::setApplicationVersion(applicationVersion());
    // Qt's file dialogs and buttons speak the program's language.
    installTranslations(app, language);
    // Desktops match the windows with the menu entry and its icon.
    QGuiApplication::setDesktopFileName(applicationId());
    // One look on every desktop: the windows are laid out to the pixel.
    QApplication::setStyle(QStringLiteral("Fusion"));
    // Drawn once for every window of the run.
    QApplication::setWindowIcon(Icons::programIcon());
    // Screen readers announce each window as a window with its title.
    installWindowAccessibility();

    // Declared before the home screen, which owns the module windows that
    // refer to these variables.
    ModuleVariables variables;
    Accueil accueil(moduleFactories(variables));
    accueil.show();
    if (commandLine.simulation)
        accueil.demarre(*commandLine.simulation);
    return app.exec();
}
