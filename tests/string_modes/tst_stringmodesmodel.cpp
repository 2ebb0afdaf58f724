// The eigenmode model: the displacement of the string as a sum of standing waves whose periods
// follow from the length and the hanging mass.
#include "string_modes/stringmodesmodel.h"
#include "support/fakepanel.h"

#include <QtTest>

#include <cmath>

class TestStringModesModel : public QObject
{
    Q_OBJECT

private slots:
    void harmonique_data()
    {
        QTest::addColumn<int>("n");
        for (int n = 1; n <= 10; ++n)
            QTest::addRow("harmonic %d", n) << n;
    }

    // Harmonic n alone, its scroll bar at 11 − n, on a string of 90 cm stretched by 1000 g.
    void harmonique()
    {
        QFETCH(int, n);
        FakePanel panel {{{"Longueur", 90}, {"Masse", 1000}}};
        for (int k = 1; k <= 10; ++k)
            panel["Harmonique" + std::to_string(k)] = k == n ? 11 - n : 0;
        SharedVariables shared;
        StringModesState state;
        StringModesModel model {shared, state, panel};
        model.ConstantesModales();
        // y in display units at x mm and t ms.
        const auto y
            = [&](double x, double t) { return model.Deplacement(model.FacteursDuTemps(t), x); };
        // The fundamental's period T1 = 2L / c in ms, c = sqrt(m g / mu) in mm/ms, with the
        // lesson's 3.1416 for pi in w_n = n pi c / L.
        const double l = 900;
        const double t1 = 2 * M_PI * l / (3.1416 * std::sqrt(1.0 * 9.81));
        // n times the fundamental's frequency: at its first antinode, 0.05 H (below the rest line)
        // a quarter of T1 / n in, back at rest after half of T1 / n.
        QVERIFY(std::abs(y(l / (2 * n), t1 / (4 * n)) - 0.05 * (11 - n)) < 1e-8);
        QVERIFY(std::abs(y(l / (2 * n), t1 / (2 * n))) < 1e-12);
        // Nodes at k L / n: point 0 never moves; sin(3.1416 n) leaves under 1e-4 at the bridge.
        QCOMPARE(y(0, t1 / (4 * n)), 0.0);
        for (int k = 1; k <= n; ++k)
            QVERIFY(std::abs(y(k * l / n, t1 / (4 * n))) < 1e-4);
    }
};

QTEST_APPLESS_MAIN(TestStringModesModel)
#include "tst_stringmodesmodel.moc"
