#include "commandline.h"

#include "application.h"

#include <QCommandLineParser>

namespace {

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

CommandLine refuse(const QString &why)
{
    return {CommandLine::Action::Refuse,
            QStringLiteral("vellane : %1 (vellane --help pour l'aide)").arg(why),
            {},
            1.0};
}

// Qt's own help text is in English; this one lists the same options in French.
QString help(const QList<QCommandLineOption> &options)
{
    QString text = QStringLiteral("Utilisation : vellane [options]\n"
                                  "%1 : ondes mécaniques sur une corde, trois simulations.\n\n"
                                  "Options :\n")
                       .arg(applicationTitle());
    for (const QCommandLineOption &option : options) {
        QStringList names;
        for (const QString &name : option.names())
            names << (name.size() == 1 ? "-" : "--") + name;
        QString left = names.join(QStringLiteral(", "));
        if (!option.valueName().isEmpty())
            left += QLatin1Char(' ') + option.valueName();
        text += QStringLiteral("  %1  %2\n").arg(left, -24).arg(option.description());
    }
    return text;
}

} // namespace

CommandLine readCommandLine(const QStringList &arguments)
{
    const QCommandLineOption aide({QStringLiteral("h"), QStringLiteral("help")},
                                  QStringLiteral("Affiche cette aide et s'arrête."));
    const QCommandLineOption version({QStringLiteral("v"), QStringLiteral("version")},
                                     QStringLiteral("Affiche la version et s'arrête."));
    const QCommandLineOption simulation(
        QStringLiteral("simulation"),
        QStringLiteral("Ouvre aussi la simulation NOM : vibreur, reflexion ou modes."),
        QStringLiteral("NOM"));
    const QCommandLineOption zoom(
        QStringLiteral("zoom"),
        QStringLiteral("Agrandit fenêtres et dessins du FACTEUR, de 1 à 3."),
        QStringLiteral("FACTEUR"));
    const QList<QCommandLineOption> options {aide, version, simulation, zoom};

    QCommandLineParser parser;
    parser.addOptions(options);
    if (!parser.parse(arguments)) {
        const QStringList inconnues = parser.unknownOptionNames();
        if (!inconnues.isEmpty())
            return refuse(QStringLiteral("option inconnue « %1%2 »")
                              .arg(inconnues.first().size() == 1 ? "-" : "--", inconnues.first()));
        return refuse(QStringLiteral("il manque une valeur après --simulation ou --zoom"));
    }
    if (!parser.positionalArguments().isEmpty())
        return refuse(
            QStringLiteral("argument inattendu « %1 »").arg(parser.positionalArguments().first()));
    if (parser.isSet(aide))
        return {CommandLine::Action::Print, help(options), {}, 1.0};
    if (parser.isSet(version))
        return {CommandLine::Action::Print,
                QStringLiteral("vellane %1\n").arg(applicationVersion()),
                {},
                1.0};

    CommandLine run;
    if (parser.isSet(simulation)) {
        const QString nom = parser.value(simulation);
        for (const Simulation &s : simulations) {
            if (nom == QLatin1String(s.name))
                run.simulation = s.module;
        }
        if (!run.simulation)
            return refuse(QStringLiteral("simulation inconnue « %1 » : vibreur, reflexion ou modes")
                              .arg(nom));
    }
    if (parser.isSet(zoom)) {
        // The whole text must be the number, with a decimal point or comma.
        const QString texte = parser.value(zoom).trimmed().replace(QLatin1Char(','), '.');
        bool ok = false;
        run.zoom = texte.toDouble(&ok);
        if (!ok || !(run.zoom >= zoomMinimal && run.zoom <= zoomMaximal))
            return refuse(QStringLiteral("le facteur de --zoom doit être un nombre de 1 à 3, "
                                         "pas « %1 »")
                              .arg(parser.value(zoom)));
    }
    return run;
}
