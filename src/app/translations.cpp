#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installProgramTranslations(QCoreApplication &application, Language language)
{
    if (language == Language::French)
        return true;
    // Built into the program from translations/vellane_en.ts; a catalogue not
    // found is left uninstalled, with the application.
    auto *catalogue = new QTranslator(&application);
    return catalogue->load(QStringLiteral(":/i18n/vellane_en.qm"))
        && QCoreApplication::installTranslator(catalogue);
}

bool installTranslations(QCoreApplication &application, Language language)
{
    if (!installProgramTranslations(application, language))
        return false;
    if (language != Language::French)
        return true;
    // "qtbase_fr.qm": the catalogue of Qt's widgets and dialogs.
    auto *qt = new QTranslator(&application);
    return qt->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                    QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        && QCoreApplication::installTranslator(qt);
}
