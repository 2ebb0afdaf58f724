#include "numberformat.h"

#include <cmath>

namespace {

// Writes `value` with `digits` significant digits the way captions show it.
QString formatNumber(double value, int digits)
{
    if (std::isnan(value))
        return QStringLiteral(" NaN");
    if (value == 0.0) // also -0.0
        return QStringLiteral(" 0");
    // 'g' drops trailing zeros; QString::number ignores the locale.
    QString text = QString::number(std::fabs(value), 'g', digits).toUpper();
    if (text.startsWith(QLatin1String("0.")))
        text.remove(0, 1);
    return (value < 0 ? QLatin1Char('-') : QLatin1Char(' ')) + text;
}

} // namespace

QString Str(double value)
{
    return formatNumber(value, 15);
}

QString StrSingle(float value)
{
    return formatNumber(value, 7);
}
