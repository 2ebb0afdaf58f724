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

// The points of a simulation's string that the student follows: up to two,
// A and B, each marked by a small coloured tick on the top edge of the wave
// picture (a control over the picture, so the erase of the string by
// overdrawing never meets it), recorded by the window "Enregistreur", which
// the first tracked point opens and the simulation window owns.
class PointTracker : public QObject
{
    Q_OBJECT

public:
    // `snap` turns the user x of a click into the x of the point followed (the
    // nearest computed point); `metres` gives a user x in metres along the string.
    PointTracker(DrawingSurface *picture, const QString &simulation,
                 std::function<double(double)> snap, std::function<double(double)> metres);

    // "Suivre ce point" (at the picture's pixel `at`) and "Ne plus suivre".
    void addMenuEntries(QMenu &menu, QPoint at);

    bool tracking(Recording::Point p) const { return m_tracked[p]; }
    // Whether a recorder takes samples: the simulations skip computing the
    // points' displacements at every step or frame otherwise.
    bool recording() const
    {
        return m_recorder && (m_tracked[Recording::A] || m_tracked[Recording::B]);
    }
    // The user x of a tracked point.
    double x(Recording::Point p) const { return m_x[p]; }

    // A sample of the tracked points' displacements (mm) at the simulation's
    // time t (s), one simulation step after the last (see Recording::add).
    void sample(double t, double yA, double yB, double step);
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

    DrawingSurface *m_picture;
    QString m_simulation;
    std::function<double(double)> m_snap;
    std::function<double(double)> m_metres;
    double m_vitesse;
    std::array<bool, Recording::nbPoints> m_tracked {};
    std::array<double, Recording::nbPoints> m_x {};
    std::array<QPointer<QWidget>, Recording::nbPoints> m_markers;
    QPointer<Enregistreur> m_recorder;
};
