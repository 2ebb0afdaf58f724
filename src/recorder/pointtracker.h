#pragma once

#include "core/trackedstring.h"
#include "enregistreur.h"
#include "recording.h"

#include <QObject>
#include <QPointer>

#include <array>

class DrawingSurface;
class QMenu;
class QWidget;

// The tools of a simulation's wave picture: its right-click menu ("Copier
// l'image", "Enregistrer l'image…", "Suivre ce point", "Ne plus suivre"),
// also opened from the keyboard at the keyboard's cursor on the string,
// Ctrl+C and Ctrl+S in its window, and the points of the string that the
// student follows: up to two, A and B, each marked by a small coloured tick on
// the top edge of the picture (a control over the picture, so the erase of the
// string by overdrawing never meets it), recorded by the window
// "Enregistreur", which the first point followed opens beside the simulation
// window, which owns it. Closing the recorder ends the following.
class PointTracker : public QObject
{
    Q_OBJECT

public:
    // Installs them on `picture`, whose window is the simulation's; `string`
    // (its model) outlives the picture.
    PointTracker(DrawingSurface *picture, const TrackedString &string);

    // After each time step or frame computed: a sample of the points followed
    // as the picture shows them, at the window's own time.
    void sample();
    // The window's time jumped or restarted: the next sample starts a new trace.
    void cut();
    // After a frame drawn or a change on the panel: the recorder shows what is
    // new, the wave speed set included.
    void refresh();

    // The file name proposed for a picture of this simulation, with the time on
    // display ("corde-vibreur-t1,250s.png"); `suffix` names another picture than
    // the string's ("-cadran").
    QString pictureName(const QString &suffix = {}) const;

private:
    void addMenuEntries(QMenu &menu, QPoint at);
    bool recording() const
    {
        return m_recorder && (m_tracked[Recording::A] || m_tracked[Recording::B]);
    }
    void follow(double x);
    void forget();
    void placeMarker(Recording::Point p);
    // Beside the simulation window, on its screen's available area.
    void placeRecorder();

    DrawingSurface *m_picture;
    const TrackedString &m_string;
    std::array<bool, Recording::nbPoints> m_tracked {};
    std::array<double, Recording::nbPoints> m_x {};
    std::array<QPointer<QWidget>, Recording::nbPoints> m_markers;
    QPointer<Enregistreur> m_recorder;
};
