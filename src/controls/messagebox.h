#pragma once

#include <QString>

class QWidget;

// A modal message box with `text` and an OK button. Returns when the user has
// closed it; no timer tick runs meanwhile.
void MsgBox(QWidget *parent, const QString &text);
