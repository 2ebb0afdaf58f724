#include "application.h"

QString applicationTitle()
{
    return QStringLiteral("Vellane à une dimension");
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
