#pragma once

#include <QString>
#include <QStringView>

// Number to text as every caption built at run time writes it: a leading
// blank for values of zero or more, a minus sign otherwise, no zero before
// the decimal point (" .5", "-.25"), "." whatever the locale, up to 15
// significant digits for doubles (7 for singles), trailing zeros dropped.
QString Str(double value);
QString Str(int value);
QString StrSingle(float value);

// Text to number: blanks are ignored anywhere; the longest leading decimal
// number (sign, digits, one ".", optional exponent) is read with "." as the
// decimal point in every locale; no leading number reads 0; a decimal comma
// ends the number ("0,01" reads 0).
double Val(QStringView text);
