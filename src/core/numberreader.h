#pragma once

#include <string_view>

// Text to number, as the program reads the step boxes: blanks (space, tab,
// line breaks) are ignored anywhere; the longest leading decimal number
// (optional sign, digits, at most one ".", optional exponent) is read with "."
// as decimal point whatever the locale; text without a leading number reads
// 0, and a comma ends the number ("0,01" reads 0). A number too large for a
// double reads as infinity with its sign, one too small as 0.
double Val(std::string_view texte);
