#pragma once

#include "language.h"

class QCoreApplication;

// Installs in `application` the program's catalogue of `language`: none in
// French, its own language; the English one built in. What the run says
// before its windows open (help, refusals, warnings) needs no more. Returns
// whether the catalogue was found.
bool installProgramTranslations(QCoreApplication &application, Language language);

// The program's catalogue and Qt's own (file dialogs, standard buttons, its
// error texts): in French from the catalogue installed with Qt, Qt speaking
// English by itself. Returns whether they were found: without them those
// texts stay in Qt's or the program's own language.
bool installTranslations(QCoreApplication &application, Language language);
