#pragma once

#include <optional>
#include <string_view>

// Text to number as the step boxes read it: blanks (space, tab, line breaks)
// are ignored anywhere; the longest leading decimal number (optional sign,
// digits, at most one ".", optional exponent) is read with "." as decimal
// point whatever the locale; text without a leading number reads 0, and a
// comma ends the number ("0,01" reads 0). A number too large for a double
// reads as infinity with its sign.
double lireNombre(std::string_view texte);

// A step typed in `PasX` or `PasT`: a decimal comma is taken as a point (a
// French user types "0,005"), then the text is read as above. The step is
// accepted only if it is a positive number between pasMinimal and
// pasMaximal; otherwise there is no step. The bounds keep every product of
// the scheme (Courant number squared up to 1e240) inside the double range,
// so no entry can bring an infinity or a NaN into the string.
inline constexpr double pasMinimal = 1e-60;
inline constexpr double pasMaximal = 1e60;
std::optional<double> lirePas(std::string_view texte);
