#pragma once

#include <optional>
#include <string_view>

// A step typed in `PasX` or `PasT`: a decimal comma is taken as a point (a
// French user types "0,005"), then the text is read by `Val`. The step is
// accepted only if it is a positive number between pasMinimal and
// pasMaximal; otherwise there is no step. The bounds keep every product of
// the scheme (Courant number squared up to 1e240) inside the double range,
// so no entry can bring an infinity or a NaN into the string.
inline constexpr double pasMinimal = 1e-60;
inline constexpr double pasMaximal = 1e60;
std::optional<double> lirePas(std::string_view texte);
