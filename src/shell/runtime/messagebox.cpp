#include "messagebox.h"

#include "formtimer.h"

#include <QMessageBox>

QString applicationTitle()
{
    return QStringLiteral("Vellane à une dimension");
}

void MsgBox(QWidget *parent, const QString &text)
{
    const HandlerGuard guard;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), text, QMessageBox::Ok, parent);
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
