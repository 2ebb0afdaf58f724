#pragma once

#include "accueil.h"

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
    double zoom = 1.0; // scale of every window and drawing, 1 to 3
};

// Reads the arguments (the program's name first), in French:
// --help, --version, --simulation vibreur|reflexion|modes, --zoom 1..3.
CommandLine readCommandLine(const QStringList &arguments);
