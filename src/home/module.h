#pragma once

// The three simulations, in the order of the home screen's option buttons.
enum class Module { DrivenString, Reflection, StringModes };
inline constexpr int moduleCount = 3;
