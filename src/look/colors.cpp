#include "colors.h"

#include <algorithm>

QColor RGB(int r, int g, int b)
{
    const auto clamp = [](int c) { return std::clamp(c, 0, 255); };
    return QColor(clamp(r), clamp(g), clamp(b));
}
