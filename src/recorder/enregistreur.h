#pragma once

#include "core/trackedstring.h"
#include "recording.h"

#include <QColor>
#include <QTimer>
#include <QWidget>

#include <array>

class PictureDescription;
class QChartView;
class QLabel;
class QLineSeries;
class QPushButton;
class QValueAxis;

// The recorder's window: y(t) of the tracked points A and B over the last
// 10 s of the current trace, and what a student reads on it (periods,
// amplitudes, the delay of B behind A and the speed it gives).
class Enregistreur : public QWidget
{
    Q_OBJECT

public:
    using Unites = TrackedString::Unites;

    // A window of its own (Qt::Window flag) owned by `owner`, the simulation window: deleted with
    // it, or when closed. `simulation` is a short name used in file names ("corde-vibreur",
    // "reflexion", "modes-propres").
    // `unites` are those of the simulation's panel, for the readouts.
    Enregistreur(QWidget *owner, const QString &simulation, const Unites &unites);

    // The simulations add samples and cut traces here.
    Recording &recording() { return m_recording; }
    // Which points are tracked, with the colour of their marker on the picture, and where they are
    // along the string, in m (for the distance between A and B).
    void setPoint(Recording::Point p, bool tracked, const QColor &colour, double xMetres);
    // The wave speed set on the simulation's panel, m/s (shown next to the measured one); NaN when
    // the simulation has none to compare.
    void setVitesseReglee(double metresParSeconde);
    // Redraws the plot and the readouts from the record; the simulations call it after each tick.
    // Cheap when nothing changed; at most ten redraws a second, the latest data at most 100 ms
    // late.
    void actualise();

    // Writes the record as a CSV file at `path`; on failure says so in a message box and returns
    // false, the record unchanged.
    bool exporte(const QString &path);

signals:
    // Closed from its frame: it goes, and the points followed must go with it.
    void ferme();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;

private:
    // What the last redraw showed, to skip a redraw when the record has not moved.
    struct Etat
    {
        std::size_t nbEchantillons = 0;
        std::size_t debutTrace = 0;
        double tPremier = 0.0;
        double tDernier = 0.0;
        bool operator==(const Etat &o) const
        {
            return nbEchantillons == o.nbEchantillons && debutTrace == o.debutTrace
                && tPremier == o.tPremier && tDernier == o.tDernier;
        }
    };
    Etat etat() const;

    void redessine();
    // What the plot shows, for a screen reader: the time it spans and the readouts under it.
    QString description() const;
    void traceCourbes();
    void ecritMesures();
    void exporter();
    void efface();

    Recording m_recording;
    const QString m_simulation;
    const Unites m_unites;
    std::array<bool, Recording::nbPoints> m_suivi {false, false};
    std::array<double, Recording::nbPoints> m_xMetres {0.0, 0.0};
    double m_vitesseReglee;
    Etat m_dessine;
    bool m_aRedessiner = true; // a setting changed since the last redraw
    QTimer m_minuteur; // spaces the redraws

    QChartView *m_vue;
    PictureDescription *m_description; // the plot's, a child of the view
    QValueAxis *m_axeT;
    QValueAxis *m_axeY;
    std::array<QLineSeries *, Recording::nbPoints> m_courbes;
    std::array<QLabel *, Recording::nbPoints> m_mesures;
    QLabel *m_retard;
    QPushButton *m_exporter;
    QPushButton *m_effacer;
};
