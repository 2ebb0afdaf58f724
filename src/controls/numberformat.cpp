#include "numberformat.h"

#include <QLocale>

#include <cmath>

QString Str(double value)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    if (value == 0.0) // also -0.0
        return QStringLiteral(" 0");
    // 'g' drops trailing zeros; QString::number ignores the locale.
    QString text = QString::number(std::fabs(value), 'g', 15).toUpper();
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + text;
}

QLocale frenchLocale()
{
    QLocale french(QLocale::French);
    french.setNumberOptions(QLocale::OmitGroupSeparator);
    return french;
}

QString frenchNumber(double value)
{
    return frenchLocale().toString(value, 'f', QLocale::FloatingPointShortest);
}
