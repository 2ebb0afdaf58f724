#include "commandline.h"

#include "controls/application.h"

#include <QCoreApplication>

#include <array>
#include <iterator>

namespace {

struct Option
{
    const char *name; // after "--"
    char letter; // after "-", or 0 when the option has no short form
    const char *valueName; // null for an option that takes no value; translated
    const char *description; // UTF-8, translated; a line break continues under the first line
};
// In the order of the help; `Index` names them.
constexpr Option options[] = {
    {"help", 'h', nullptr, QT_TRANSLATE_NOOP("CommandLine", "Affiche cette aide et s'arrête.")},
    {"version", 'v', nullptr, QT_TRANSLATE_NOOP("CommandLine", "Affiche la version et s'arrête.")},
    {"simulation", 0, QT_TRANSLATE_NOOP("CommandLine", "NOM"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Ouvre aussi la simulation NOM : vibreur, reflexion\n"
                       "ou modes.")},
    {"zoom", 0, QT_TRANSLATE_NOOP("CommandLine", "FACTEUR"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Agrandit fenêtres et dessins du FACTEUR, de 1 à 3\n"
                       "(2 ou 1,5 par exemple), ou du plus grand qui tient\n"
                       "sur l'écran avec « auto ». Un facteur trop grand\n"
                       "pour l'écran est ramené au plus grand qui tient.")},
    {"langue", 0, QT_TRANSLATE_NOOP("CommandLine", "LANGUE"),
     QT_TRANSLATE_NOOP("CommandLine",
                       "Parle la LANGUE : fr (français) ou en (anglais),\n"
                       "au lieu de celle de l'environnement.")},
};
enum Index { Help, Version, SimulationOption, Zoom, LanguageOption };
constexpr int helpColumn = 28; // where the descriptions start in the help

struct Simulation
{
    const char *name;
    Module module;
};
constexpr Simulation simulations[] = {{"vibreur", Module::DrivenString},
                                      {"reflexion", Module::Reflection},
                                      {"modes", Module::StringModes}};

constexpr double zoomMinimal = 1.0;
constexpr double zoomMaximal = 3.0;

// An argument as a refusal quotes it: control, invisible and line-breaking
// characters written as escapes, so that a terminal shows them rather than
// obeys them, and no more than fits in one line with the explanation.
QString quote(const QString &argument)
{
    constexpr qsizetype longest = 40; // characters, escapes included
    QString text;
    for (const char32_t c : argument.toUcs4()) {
        if (text.size() >= longest)
            return text + QStringLiteral("…");
        switch (QChar::category(c)) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            text += c <= 0xff ? QStringLiteral("\\x%1").arg(uint(c), 2, 16, QLatin1Char('0'))
                : c <= 0xffff ? QStringLiteral("\\u%1").arg(uint(c), 4, 16, QLatin1Char('0'))
                              : QStringLiteral("\\U%1").arg(uint(c), 8, 16, QLatin1Char('0'));
            break;
        default:
            // A backslash of the argument itself, doubled, never reads as an escape.
            text += c == '\\' ? QStringLiteral("\\\\") : QString::fromUcs4(&c, 1);
        }
    }
    return text;
}

CommandLine refuse(const QString &why)
{
    CommandLine refusal;
    refusal.action = CommandLine::Action::Refuse;
    refusal.text
        = QCoreApplication::translate("CommandLine", "vellane : %1 (vellane --help pour l'aide)")
              .arg(why);
    return refusal;
}

CommandLine print(const QString &text)
{
    CommandLine printing;
    printing.action = CommandLine::Action::Print;
    printing.text = text;
    return printing;
}

// The help, one option after another.
QString help()
{
    QString text
        = QCoreApplication::translate("CommandLine",
                                      "Utilisation : vellane [options]\n"
                                      "%1 : ondes mécaniques sur une corde, trois simulations.\n\n"
                                      "Options :\n")
              .arg(applicationTitle());
    for (const Option &option : options) {
        QString left = QStringLiteral("--") + QLatin1String(option.name);
        if (option.letter)
            left = QStringLiteral("-%1, %2").arg(QString(QLatin1Char(option.letter)), left);
        if (option.valueName)
            left += QLatin1Char(' ') + QCoreApplication::translate("CommandLine", option.valueName);
        const QString description
            = QCoreApplication::translate("CommandLine", option.description)
                  .replace(QLatin1Char('\n'), QLatin1Char('\n') + QString(helpColumn, ' '));
        // Two spaces before the names and two after their column.
        text += QStringLiteral("  %1  %2\n").arg(left, 4 - helpColumn).arg(description);
    }
    return text;
}

// The option an argument names ("--zoom" or "-h"), or -1.
int optionNamed(const QString &name)
{
    for (int i = 0; i < int(std::size(options)); ++i) {
        if (name == QStringLiteral("--") + QLatin1String(options[i].name)
            || (options[i].letter
                && name == QStringLiteral("-%1").arg(QLatin1Char(options[i].letter))))
            return i;
    }
    return -1;
}

// The value of each option given; empty for an option that takes none.
using Given = std::array<std::optional<QString>, std::size(options)>;

// What the options given ask, each value checked.
CommandLine interpret(const Given &given)
{
    CommandLine run;
    if (given[Help])
        return print(help());
    if (given[Version])
        return print(QStringLiteral("vellane %1\n").arg(applicationVersion()));

    if (const std::optional<QString> &nom = given[SimulationOption]) {
        for (const Simulation &s : simulations) {
            if (*nom == QLatin1String(s.name))
                run.simulation = s.module;
        }
        if (!run.simulation)
            return refuse(
                QCoreApplication::translate(
                    "CommandLine", "simulation inconnue « %1 » : vibreur, reflexion ou modes")
                    .arg(quote(*nom)));
    }
    if (const std::optional<QString> &facteur = given[Zoom]) {
        // The whole text must be the number, with a decimal point or comma.
        QString texte = facteur->trimmed();
        if (texte == QLatin1String("auto")) {
            // Lowered to what the screen takes once it is known.
            run.zoom = zoomMaximal;
            run.zoomToScreen = true;
        } else {
            bool ok = false;
            run.zoom = texte.replace(QLatin1Char(','), '.').toDouble(&ok);
            if (!ok || !(run.zoom >= zoomMinimal && run.zoom <= zoomMaximal))
                return refuse(
                    QCoreApplication::translate("CommandLine",
                                                "le facteur de --zoom doit être un nombre de 1 à 3 "
                                                "ou auto, pas « %1 »")
                        .arg(quote(*facteur)));
        }
    }
    return run;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    Given given;
    for (qsizetype i = 1; i < arguments.size(); ++i) {
        const QString &argument = arguments[i];
        if (!argument.startsWith(QLatin1Char('-')) || argument.size() == 1)
            return refuse(QCoreApplication::translate("CommandLine", "argument inattendu « %1 »")
                              .arg(quote(argument)));
        // "--zoom=2" as well as "--zoom 2".
        const qsizetype equals = argument.indexOf(QLatin1Char('='));
        const QString name = argument.left(equals);
        const int index = optionNamed(name);
        if (index < 0)
            return refuse(QCoreApplication::translate("CommandLine", "option inconnue « %1 »")
                              .arg(quote(name)));
        if (given[index])
            return refuse(
                QCoreApplication::translate("CommandLine", "l'option %1 est donnée deux fois")
                    .arg(name));
        if (!options[index].valueName) {
            if (equals >= 0)
                return refuse(
                    QCoreApplication::translate("CommandLine", "l'option %1 ne prend pas de valeur")
                        .arg(name));
            given[index] = QString();
        } else if (equals >= 0) {
            given[index] = argument.mid(equals + 1);
        } else if (i + 1 < arguments.size()) {
            given[index] = arguments[++i];
        } else {
            return refuse(
                QCoreApplication::translate("CommandLine", "il manque une valeur après %1")
                    .arg(name));
        }
    }
    // The language travels with every answer, help and refusals included:
    // they are said again in it.
    std::optional<Language> language;
    if (const std::optional<QString> &langue = given[LanguageOption]) {
        language = languageNamed(*langue);
        if (!language)
            return refuse(
                QCoreApplication::translate("CommandLine", "langue inconnue « %1 » : fr ou en")
                    .arg(quote(*langue)));
    }
    CommandLine read = interpret(given);
    read.language = language;
    return read;
}
