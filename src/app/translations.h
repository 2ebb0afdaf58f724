#pragma once

#include <QLocale>

class QCoreApplication;

// Gives Qt's own texts (file dialogs, standard buttons, its error texts) in
// `language`, from the catalogue installed with Qt. Returns whether the
// catalogue was found: without it they stay in English.
bool installQtTranslations(QCoreApplication &application, const QLocale &language);
