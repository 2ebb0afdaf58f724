#pragma once

#include "commandline.h"

#include <QSize>
#include <QString>

// The projector zoom of a run: Qt's scale factor enlarges every window alike,
// and none may leave the screen.
struct ScreenZoom
{
    double factor = 1.0;
    QString warning; // one line for standard error when the factor asked was lowered
};

// The factor for the command line's --zoom on a screen whose available area
// (without panels and docks) is `available` pixels at factor 1: the factor
// asked, lowered if need be to the largest at which every window, centred,
// leaves room for a title bar above it, but never below 1; with "auto", that
// largest factor without a warning.
ScreenZoom fitZoom(const CommandLine &commandLine, const QSize &available);
