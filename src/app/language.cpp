#include "language.h"

#include <QRegularExpression>
#include <QStringList>

std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String("fr"))
        return Language::French;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

namespace {

// The language of a locale or language name such as "en_GB.UTF-8", "fr" or
// "de@euro", when the program speaks it.
std::optional<Language> languageOf(const QString &name)
{
    // Where the language part ends: territory, encoding or modifier. Compiled
    // once for the few names read at start-up.
    static const QRegularExpression partEnd(QStringLiteral("[_.@]"));
    return languageNamed(name.left(name.indexOf(partEnd)));
}

} // namespace

Language languageOfEnvironment(const std::function<QString(const char *)> &variable)
{
    // LANGUAGE is a list by preference; gettext skips what it has no catalogue for.
    for (const QString &entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (const std::optional<Language> language = languageOf(entry))
            return *language;
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (!value.isEmpty())
            return languageOf(value).value_or(Language::French);
    }
    return Language::French;
}
