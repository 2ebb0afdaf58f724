#pragma once

// Marks a French text of the plain C++ layers that a window shows through
// Qt's translators, as QCoreApplication::translate(context, text): the text
// stays as it stands here, and Qt's lupdate collects it under `context` into
// the catalogues (it reads this mark as QT_TRANSLATE_NOOP).
#define TRANSLATABLE(context, text) text
