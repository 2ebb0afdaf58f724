#pragma once

#include <string>
#include <vector>

// Numbers and lists as a French sentence says them, for the pictures' descriptions (UTF-8).

// A decimal comma, at most `decimales` decimals and no trailing zero among them ("50", "33,3",
// "1,25"); a value rounding to zero is "0", never "-0".
std::string nombreFrancais(double valeur, int decimales);

// "a", "a et b", "a, b et c"; terms that hold a decimal comma are parted by semicolons instead
// ("0 ; 33,3 ; 66,7 et 100"), so that each number reads whole.
std::string enumeration(const std::vector<std::string> &termes);
