#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QLocale>
#include <QTranslator>

bool installTranslations(QCoreApplication &application, Language language)
{
    auto *catalogue = new QTranslator(&application);
    const bool found = language == Language::French
        // "qtbase_fr.qm": the catalogue of Qt's widgets and dialogs.
        ? catalogue->load(QLocale(QLocale::French), QStringLiteral("qtbase"), QStringLiteral("_"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath))
        // Built into the program from translations/vellane_en.ts.
        : catalogue->load(QStringLiteral(":/i18n/vellane_en.qm"));
    if (!found) {
        delete catalogue;
        return false;
    }
    return QCoreApplication::installTranslator(catalogue);
}
