#include "screenzoom.h"

#include "drawing/twips.h"
#include "driven_string/vibreur.h"
#include "home/accueil.h"
#include "reflection/reflexion.h"
#include "string_modes/modescorde.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace {

// Room in pixels that a window manager's frame takes beside the client area:
// a title bar above it, and as much below since windows are centred; a border
// on the left and on the right.
constexpr int titleBar = 30;
constexpr int border = 4;

// The widest and the tallest client area of the windows of a run, in pixels at
// factor 1.
QSize largestWindow()
{
    QSize largest;
    for (const QSize &twips :
         {Accueil::sizeTwips, Vibreur::sizeTwips, Reflexion::sizeTwips, ModesCorde::sizeTwips})
        largest = largest.expandedTo(Twips::size(twips.width(), twips.height()));
    return largest;
}

QString decimal(double x)
{
    return QString::number(x).replace(QLatin1Char('.'), QLatin1Char(','));
}

} // namespace

ScreenZoom fitZoom(const CommandLine &commandLine, const QSize &available)
{
    const QSize window = largestWindow();
    const double fitting = std::min(double(available.width() - 2 * border) / window.width(),
                                    double(available.height() - 2 * titleBar) / window.height());
    // Rounded down to hundredths, so that the warning gives a short number;
    // the margin keeps an exact quotient such as 1.7 from falling to 1.69.
    const double largest = std::max(1.0, std::floor(fitting * 100 + 1e-9) / 100);
    ScreenZoom zoom;
    zoom.factor = std::min(commandLine.zoom, largest);
    if (zoom.factor < commandLine.zoom && !commandLine.zoomToScreen)
        zoom.warning
            = QCoreApplication::translate("ScreenZoom",
                                          "vellane : --zoom %1 ferait sortir les fenêtres de "
                                          "l'écran (%2 × %3 pixels) ; facteur ramené à %4")
                  .arg(decimal(commandLine.zoom), QString::number(available.width()),
                       QString::number(available.height()), decimal(zoom.factor));
    return zoom;
}
