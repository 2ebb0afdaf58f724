#include "numberformat.h"

#include <QLocale>

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

bool isBlank(QChar c)
{
    return c == QLatin1Char(' ') || c == QLatin1Char('\t') || c == QLatin1Char('\n')
        || c == QLatin1Char('\r');
}

} // namespace

QString Str(double value) { return formatNumber(value, 15); }

QString Str(int value) { return formatNumber(value, 15); }

QString StrSingle(float value) { return formatNumber(value, 7); }

double Val(QStringView text)
{
    QString compact;
    compact.reserve(text.size());
    for (const QChar c : text) {
        if (!isBlank(c))
            compact.append(c);
    }

    const auto isDigit = [&](qsizetype i) {
        return i < compact.size() && compact.at(i).isDigit() && compact.at(i).unicode() < 128;
    };

    qsizetype i = 0;
    QString sign;
    if (i < compact.size() && (compact.at(i) == QLatin1Char('+') || compact.at(i) == QLatin1Char('-')))
        sign = compact.at(i++);
    QString whole;
    while (isDigit(i))
        whole.append(compact.at(i++));
    QString fraction;
    if (i < compact.size() && compact.at(i) == QLatin1Char('.')) {
        ++i;
        while (isDigit(i))
            fraction.append(compact.at(i++));
    }
    if (whole.isEmpty() && fraction.isEmpty())
        return 0.0;

    QString exponent;
    if (i < compact.size() && (compact.at(i) == QLatin1Char('e') || compact.at(i) == QLatin1Char('E'))) {
        qsizetype j = i + 1;
        QString expSign;
        if (j < compact.size() && (compact.at(j) == QLatin1Char('+') || compact.at(j) == QLatin1Char('-')))
            expSign = compact.at(j++);
        QString expDigits;
        while (isDigit(j))
            expDigits.append(compact.at(j++));
        // An exponent without digits is not part of the number ("2e" reads 2).
        if (!expDigits.isEmpty())
            exponent = QLatin1Char('e') + expSign + expDigits;
    }

    const QString normalised = sign + (whole.isEmpty() ? QStringLiteral("0") : whole)
        + QLatin1Char('.') + (fraction.isEmpty() ? QStringLiteral("0") : fraction) + exponent;
    bool ok = false;
    const double value = QLocale::c().toDouble(normalised, &ok);
    if (ok)
        return value;
    // Out of the range of a double: the caller sees an infinite value and refuses it.
    return sign == QLatin1String("-") ? -HUGE_VAL : HUGE_VAL;
}
