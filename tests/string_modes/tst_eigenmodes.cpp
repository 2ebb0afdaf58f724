// The eigenmode model: modal constants from the length and mass scroll bars,
// and the displacement of the string as a sum of standing waves.

#include "eigenmodes.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double vraiPi = 3.14159265358979323846;

// A string set from the scroll bars' length (cm) and mass (g); y in display
// units at x mm and t ms for the given harmonic positions.
struct Corde
{
    Corde(int longueur, int masse)
    {
        shared.longueurOnde.fill(-7.0); // elements 0 and 11 on belong to others
        EigenModes::ConstantesModales(longueur, masse, state, shared);
    }
    double y(const EigenModes::Amplitudes &h, double x, double t) const
    {
        return EigenModes::Deplacement(EigenModes::FacteursDuTemps(h, state, t), shared, x);
    }
    StringModesState state;
    SharedVariables shared;
};

} // namespace

class TestEigenModes : public QObject
{
    Q_OBJECT

private slots:
    void constantes_data()
    {
        QTest::addColumn<int>("longueur");
        QTest::addColumn<int>("masse");
        QTest::addColumn<double>("celerite");
        QTest::addColumn<double>("periode"); // ms, of the fundamental
        QTest::newRow("defaults 100 cm, 1000 g") << 100 << 1000 << 3.13209 << 638.55;
        QTest::newRow("10 cm, 10000 g") << 10 << 10000 << 9.90454 << 20.193;
        QTest::newRow("100 cm, 100 g") << 100 << 100 << 0.990454 << 2019.27;
    }

    void constantes()
    {
        QFETCH(int, longueur);
        QFETCH(int, masse);
        QFETCH(double, celerite);
        QFETCH(double, periode);
        const Corde corde(longueur, masse);
        const double c = corde.state.pulsation[1] * corde.state.longueurCorde / 3.1416;
        QVERIFY(std::abs(c / celerite - 1) < 1e-6);
        QVERIFY(std::abs(2 * vraiPi / corde.state.pulsation[1] - periode) < 0.01);
        // A quarter of the density, twice the speed.
        QVERIFY(std::abs(EigenModes::Celerite(masse / 1000.0, 0.25) - 2 * c) < 1e-12);
        QVERIFY(corde.shared.longueurOnde[0] == -7.0 && corde.shared.longueurOnde[11] == -7.0);
    }

    void harmonique_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 10; ++n)
            QTest::addRow("harmonic %d", n) << n;
    }

    // Harmonic n alone, its scroll bar at 11 − n, on a string of 90 cm.
    void harmonique()
    {
        QFETCH(int, n);
        const Corde corde(90, 1000);
        const double l = corde.state.longueurCorde;
        EigenModes::Amplitudes h {};
        h[n] = 11 - n;
        // n times the fundamental's frequency: at its first antinode, 0.05 H (below
        // the rest line) a quarter of T1 / n in, back at rest after half of T1 / n.
        const double t1 = 2 * vraiPi / corde.state.pulsation[1];
        QVERIFY(std::abs(corde.y(h, l / (2 * n), t1 / (4 * n)) - 0.05 * (11 - n)) < 1e-8);
        QVERIFY(std::abs(corde.y(h, l / (2 * n), t1 / (2 * n))) < 1e-12);
        // The ends: point 0 never moves; sin(3.1416 n) leaves under 1e-4 at the bridge.
        QCOMPARE(corde.y(h, 0, t1 / (4 * n)), 0.0);
        QVERIFY(std::abs(corde.y(h, l, t1 / (4 * n))) < 1e-4);

        // n - 1 sign changes strictly inside the string, each at a node k L / n.
        int noeuds = 0;
        double avant = corde.y(h, 0.5, t1 / (8 * n));
        for (double x = 1.5; x < l; x += 1.0) {
            const double y = corde.y(h, x, t1 / (8 * n));
            if ((y > 0) != (avant > 0)) {
                ++noeuds;
                QVERIFY2(std::abs(x - 0.5 - noeuds * l / n) <= 0.5, qPrintable(QString::number(x)));
            }
            avant = y;
        }
        QCOMPARE(noeuds, n - 1);
    }
};

QTEST_APPLESS_MAIN(TestEigenModes)
#include "tst_eigenmodes.moc"
