#include "translations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool installQtTranslations(QCoreApplication &application, const QLocale &language)
{
    auto *qt = new QTranslator(&application);
    // "qtbase_fr.qm" for French: the catalogue of Qt's widgets and dialogs.
    if (!qt->load(language, QStringLiteral("qtbase"), QStringLiteral("_"),
                  QLibraryInfo::path(QLibraryInfo::TranslationsPath))) {
        delete qt;
        return false;
    }
    return QCoreApplication::installTranslator(qt);
}
