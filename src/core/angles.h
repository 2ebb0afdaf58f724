#pragma once

// 2π and π as the program writes them, with four decimals: the driven
// string's phase, the eigenmodes' constants, the reflection's waves and its
// dial all turn by these values, so their periods agree with one another
// (and differ from the exact ones by 3 parts in 100 000).
inline constexpr double deuxPi = 6.2832;
inline constexpr double pi = 3.1416;
