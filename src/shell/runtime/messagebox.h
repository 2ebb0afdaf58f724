#pragma once

#include <QString>

class QWidget;

// The application title, the caption of every message box.
QString applicationTitle();

// A modal message box with `text` and an OK button. Returns when the user has
// closed it; no timer tick runs meanwhile.
void MsgBox(QWidget *parent, const QString &text);
