#pragma once

#include <QString>

// Number to text as every caption built at run time writes it: a leading
// blank for values of zero or more, a minus sign otherwise, no zero before
// the decimal point (" .5", "-.25"), "." whatever the locale, up to 15
// significant digits, trailing zeros dropped.
QString Str(double value);
