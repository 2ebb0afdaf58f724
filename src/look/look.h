#pragma once

#include "labelstyle.h"

#include <QColor>

// The look the module windows share: the colours of their bands, panels and
// button bars, and the styles of the labels placed on them.
namespace Look {

QColor formBackground(); // dark grey behind every module window
QColor leftBand(); // the blue band on the left
QColor panel(); // the light rounded panels
QColor navy(); // text on the panels
QColor buttonBar(); // the grey band of the buttons
QColor captionGrey(); // the captions under the buttons, and the button faces
QColor slate(); // the button pictures
QColor red(); // the strings drawn at rest or moving, and the quit buttons' pictures
QColor white(); // the pictures' paper: drawing in it erases
QColor black(); // outlines, and the dial's hand
QColor buttonFace(); // the grey face of the home screen's and the reflection's buttons

// Labels on the panels and bars are transparent: the panel's colour shows
// through, so a label never shows square corners outside a rounded panel and
// may set its caption into the free space of the panel beside or below it.

// Text on a light panel, in `text` colour.
LabelStyle onPanel(const QColor &text, int fontStyle = 0);
// A bold underlined heading.
LabelStyle heading(const QColor &text);
// The grey caption centred under a graphical button, on the button bar.
LabelStyle buttonCaption();

} // namespace Look
