#pragma once

#include "home/module.h"
#include "language.h"

#include <QString>
#include <QStringList>

#include <optional>

// What the command line asks of a run. Help, the version and refusals are
// printed and end the run before any window opens.
struct CommandLine
{
    enum class Action { Run, Print, Refuse };
    Action action = Action::Run;
    QString text; // for Print, the text for standard output; for Refuse, the one line for standard
                  // error
    std::optional<Module> simulation; // opened at start, as "Démarrer" would
    double zoom = 1.0; // scale of every window and drawing asked for, 1 to 3
    bool zoomToScreen
        = false; // --zoom auto: the largest factor, up to `zoom`, that fits the screen
    std::optional<Language> language; // asked with --langue, over the environment's
};

// Reads the arguments (the program's name first), in French:
// --help, --version, --simulation vibreur|reflexion|modes, --zoom 1..3|auto,
// --langue fr|en. Its texts go through the installed translators.
// Each option may be given once; a refused argument is quoted short and with
// its control characters escaped.
CommandLine readCommandLine(const QStringList &arguments);
