#pragma once

#include <QLocale>
#include <QString>

// Number to text as every caption built at run time writes it: a leading
// blank for values of zero or more, a minus sign otherwise, no zero before
// the decimal point (" .5", "-.25"), "." whatever the locale, up to 15
// significant digits, trailing zeros dropped.
QString Str(double value);

// The French locale without group separator: "1000,5", not "1 000,5" (a blank
// only adds noise to a measurement and has no place in a file name).
QLocale frenchLocale();

// Number to text as a French reader says it: a decimal comma, no group
// separator, the fewest digits that give the number back ("1,3", "1000").
QString frenchNumber(double value);
