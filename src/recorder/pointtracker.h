#pragma once

#include "enregistreur.h"
#include "recording.h"

#include <QObject>
#include <QPointer>

#include <array>
#include <functional>

class DrawingSurface;
class QMenu;
class QWidget;

// What a simulation window offers the recorder about its string, along the
// picture's user x.
struct TrackedString
{
    // A short name used in file names ("corde-vibreur").
    QString simulation;
    // The user x of the point followed for a click at user x (the nearest
    // computed point).
    std::function<double(double)> snap;
    // A user x in metres along the string.
    std::function<double(double)> metres;
    // The displacement that the picture shows at a user x, mm, upward.
    std::function<double(double)> upwardMm;
    // The units of the simulation's panel, for the readouts.
    Enregistreur::Unites units;
};

// The points of a simulation's string that the student follows: up to two,
// A and B, each marked by a small coloured tick on the top edge of the wave
// picture (a control over the picture, so the erase of the string by
// overdrawing never meets it), recorded by the window "Enregistreur", which
// the first tracked point opens beside the simulation window, which owns it.
// Closing the recorder ends the following.
class PointTracker : public QObject
{
    Q_OBJECT

public:
    PointTracker(DrawingSurface *picture, TrackedString string);

    // "Suivre ce point" (at the picture's pixel `at`) and "Ne plus suivre".
    void addMenuEntries(QMenu &menu, QPoint at);

    // Whether a recorder takes samples: the simulations skip computing the
    // points' displacements at every step or frame otherwise.
    bool recording() const
    {
        return m_recorder && (m_tracked[Recording::A] || m_tracked[Recording::B]);
    }

    // A sample of the tracked points as the picture shows them now, at the
    // window's own simulation time t (s), which no other window moves.
    void sample(double t);
    // The next sample starts a new trace (a reset or a jump in time).
    void cut();
    // After a tick or a step: the recorder redraws what is new.
    void refresh();
    // The wave speed set on the panel, m/s, shown beside the measured one.
    void setVitesseReglee(double metresParSeconde);

    Enregistreur *recorder() const { return m_recorder; }

private:
    void follow(double x);
    void forget();
    void placeMarker(Recording::Point p);
    // Beside the simulation window, on its screen's available area.
    void placeRecorder();

    DrawingSurface *m_picture;
    const TrackedString m_string;
    double m_vitesse;
    std::array<bool, Recording::nbPoints> m_tracked {};
    std::array<double, Recording::nbPoints> m_x {};
    std::array<QPointer<QWidget>, Recording::nbPoints> m_markers;
    QPointer<Enregistreur> m_recorder;
};
