#include "application.h"

#include <QCoreApplication>

QString applicationTitle()
{
    return QCoreApplication::translate("Application", "Vellane à une dimension");
}

QString applicationVersion()
{
    return QStringLiteral(VELLANE_VERSION);
}

QString applicationId()
{
    return QStringLiteral(VELLANE_APP_ID);
}

QString applicationName()
{
    return QStringLiteral(VELLANE_COMMAND);
}
