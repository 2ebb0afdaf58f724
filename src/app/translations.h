#pragma once

#include "language.h"

class QCoreApplication;

// Installs in `application` the catalogues of `language`: in French, Qt's own
// (file dialogs, standard buttons, its error texts), from the catalogue
// installed with Qt; in English, the program's, built in, Qt speaking English
// by itself. Returns whether the catalogue was found: without it those texts
// stay in Qt's or the program's own language.
bool installTranslations(QCoreApplication &application, Language language);
