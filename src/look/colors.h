#pragma once

#include <QColor>

// 24-bit colour from its components; a component above 255 counts as 255.
QColor RGB(int r, int g, int b);
