#include "messagebox.h"

#include "application.h"
#include "formtimer.h"

#include <QMessageBox>

void MsgBox(QWidget *parent, const QString &text)
{
    const HandlerGuard guard;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
