#include "language.h"

#include <QStringList>

namespace {

// A locale or language name such as "en_GB.UTF-8" or "fr": English when its
// language part is "en".
bool namesEnglish(const QString &name)
{
    return name == QLatin1String("en") || name.startsWith(QLatin1String("en_"))
        || name.startsWith(QLatin1String("en."));
}

bool namesFrench(const QString &name)
{
    return name == QLatin1String("fr") || name.startsWith(QLatin1String("fr_"))
        || name.startsWith(QLatin1String("fr."));
}

} // namespace

std::optional<Language> languageNamed(const QString &name)
{
    if (name == QLatin1String("fr"))
        return Language::French;
    if (name == QLatin1String("en"))
        return Language::English;
    return std::nullopt;
}

Language languageOfEnvironment(const std::function<QString(const char *)> &variable)
{
    // LANGUAGE is a list by preference; gettext skips what it has no catalogue for.
    for (const QString &entry : variable("LANGUAGE").split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
        if (namesEnglish(entry))
            return Language::English;
        if (namesFrench(entry))
            return Language::French;
    }
    for (const char *name : {"LC_ALL", "LC_MESSAGES", "LANG"}) {
        const QString value = variable(name);
        if (!value.isEmpty())
            return namesEnglish(value) ? Language::English : Language::French;
    }
    return Language::French;
}
