#include "reflectionmodel.h"

#include <QtTest>

#include <cmath>
#include <vector>

// The wave constants, the three wave functions and the dial angles of the
// incident-and-reflected-waves window.
class TestReflectionModel : public QObject
{
    Q_OBJECT

private slots:
    void constantsFromScrollBars_data();
    void constantsFromScrollBars();
    void constantsLeaveTimeStepAndStopTimeAlone();
    void sumVanishesAtTheFixedEnds_data();
    void sumVanishesAtTheFixedEnds();
    void curvesAtTimeZero();
    void curvesAtQuarterPeriod();
    void standingWaveHasNodesEveryHalfWavelength_data();
    void standingWaveHasNodesEveryHalfWavelength();
    void incidentCrestsMoveRightReflectedCrestsLeft();
    void speedChangeKeepsThePhase();
    void dialAngles();

private:
    SharedVariables m_shared;
    ReflectionState m_state;
};

void TestReflectionModel::constantsFromScrollBars_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("celerite");
    QTest::addColumn<double>("lambda");
    QTest::addColumn<double>("frequence");
    QTest::addColumn<double>("periode");

    QTest::newRow("load values k=1 c=25") << 1 << 25 << 200.0 << 0.125 << 8.0;
    QTest::newRow("k=10 c=25") << 10 << 25 << 20.0 << 1.25 << 0.8;
    QTest::newRow("k=4 c=100") << 4 << 100 << 50.0 << 2.0 << 0.5;
    QTest::newRow("k=1 c=1") << 1 << 1 << 200.0 << 0.005 << 200.0;
}

void TestReflectionModel::constantsFromScrollBars()
{
    QFETCH(int, mode);
    QFETCH(int, celerite);
    QFETCH(double, lambda);
    QFETCH(double, frequence);
    QFETCH(double, periode);

    m_shared = SharedVariables{};
    m_shared.temps = 3.7;
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(mode, celerite);

    QVERIFY(m_shared.temps == 0.0);
    QCOMPARE(m_state.celeriteOnde, double(celerite));
    QCOMPARE(m_shared.longueurOnde[0], lambda);
    QCOMPARE(m_shared.frequence, frequence);
    QCOMPARE(m_state.periode, periode);
    // The other elements belong to the eigenmode window.
    for (std::size_t i = 1; i < m_shared.longueurOnde.size(); ++i)
        QCOMPARE(m_shared.longueurOnde[i], 0.0);
}

void TestReflectionModel::constantsLeaveTimeStepAndStopTimeAlone()
{
    m_shared.dt = -0.05;
    m_state.tFin = 6.5;
    ReflectionModel(m_shared, m_state).calculeConstantes(3, 40);
    QCOMPARE(m_shared.dt, -0.05);
    QCOMPARE(m_state.tFin, 6.5);
}

void TestReflectionModel::sumVanishesAtTheFixedEnds_data()
{
    QTest::addColumn<int>("mode");
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("k=%d", k) << k;
}

void TestReflectionModel::sumVanishesAtTheFixedEnds()
{
    QFETCH(int, mode);
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(mode, 37);
    for (double t = -3.0; t < 60.0; t += 0.05) {
        QVERIFY(model.OndeResultante(0, t) == 0.0);
        QVERIFY2(std::abs(model.OndeResultante(100, t)) < 2e-4, qPrintable(QString::number(t)));
    }
}

void TestReflectionModel::curvesAtTimeZero()
{
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(1, 25);
    for (int x = 0; x <= 100; ++x) {
        const double c = std::cos(6.2832 * x / 200.0);
        QVERIFY(model.OndeResultante(x, 0) == 0.0);
        QVERIFY(std::abs(model.OndeIncidente(x, 0) - c) < 1e-12);
        QVERIFY(std::abs(model.OndeReflechie(x, 0) + c) < 1e-12);
        // Mirror images about the rest line, the reflected one 0.2 higher.
        QVERIFY(std::abs(model.yIncidente(x, 0) - (25 + 10 * c)) < 1e-11);
        QVERIFY(std::abs(model.yReflechie(x, 0) - (24.8 - 10 * c)) < 1e-11);
        QVERIFY(model.yResultante(x, 0) == 25.0);
    }
}

void TestReflectionModel::curvesAtQuarterPeriod()
{
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(1, 25);
    const double t = m_state.periode / 4;
    for (int x = 0; x <= 100; ++x) {
        const double s = std::sin(6.2832 * x / 200.0);
        QVERIFY(std::abs(model.OndeIncidente(x, t) - s) < 1e-4);
        QVERIFY(std::abs(model.OndeReflechie(x, t) - s) < 1e-4);
        QVERIFY(std::abs(model.yResultante(x, t) - (25 + 20 * s)) < 2e-3);
    }
    // One arch, anti-node in the middle at its largest swing.
    QVERIFY(std::abs(model.OndeResultante(50, t) - 2.0) < 1e-8);
}

void TestReflectionModel::standingWaveHasNodesEveryHalfWavelength_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<double>("t");
    for (int k = 1; k <= 10; ++k) {
        QTest::addRow("k=%d t=0.3", k) << k << 0.3;
        QTest::addRow("k=%d t=4.1", k) << k << 4.1;
    }
}

void TestReflectionModel::standingWaveHasNodesEveryHalfWavelength()
{
    QFETCH(int, mode);
    QFETCH(double, t);
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(mode, 25);
    const double demiLambda = m_shared.longueurOnde[0] / 2;

    // The sum is 0 at every multiple of λ/2, k + 1 of them from 0 to 100 ...
    std::vector<double> noeuds;
    for (int m = 0; m * demiLambda <= 100 + 1e-9; ++m) {
        noeuds.push_back(m * demiLambda);
        QVERIFY(std::abs(model.OndeResultante(m * demiLambda, t)) < 2e-4);
    }
    QCOMPARE(int(noeuds.size()), mode + 1);

    // ... and nowhere else: between two nodes it keeps one sign, the sign
    // alternating from one loop to the next.
    const double amplitude = std::abs(model.OndeResultante(demiLambda / 2, t));
    QVERIFY(amplitude > 0.1);
    for (int m = 0; m < mode; ++m) {
        const double signe = (m % 2 == 0) ? 1.0 : -1.0;
        const double ventre = model.OndeResultante(noeuds[m] + demiLambda / 2, t);
        for (int j = 1; j < 20; ++j) {
            const double v = model.OndeResultante(noeuds[m] + demiLambda * j / 20, t);
            QVERIFY(v * ventre > 0);
            QVERIFY(std::abs(v) <= std::abs(ventre) + 1e-9);
        }
        QVERIFY(ventre * signe * model.OndeResultante(demiLambda / 2, t) > 0);
        QVERIFY(std::abs(std::abs(ventre) - amplitude) < 1e-3);
    }
}

// Position in [0, 100] (0.01 mm grid) of the largest value of a curve.
template <typename Curve>
static double crete(Curve curve)
{
    double best = 0;
    double bestValue = -10;
    for (int j = 0; j <= 10000; ++j) {
        const double v = curve(j / 100.0);
        if (v > bestValue) {
            bestValue = v;
            best = j / 100.0;
        }
    }
    return best;
}

void TestReflectionModel::incidentCrestsMoveRightReflectedCrestsLeft()
{
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(1, 25);
    // With λ = 200 mm each wave shows one crest, carried at c = 25 mm/s.
    for (double t = 0.5; t <= 3.5; t += 1.0) {
        const double xi = crete([&](double x) { return model.OndeIncidente(x, t); });
        const double xr = crete([&](double x) { return model.OndeReflechie(x, t); });
        QVERIFY2(std::abs(xi - 25 * t) < 0.02, qPrintable(QString::number(xi)));
        QVERIFY2(std::abs(xr - (100 - 25 * t)) < 0.02, qPrintable(QString::number(xr)));
    }
}

void TestReflectionModel::speedChangeKeepsThePhase()
{
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(1, 25);
    m_shared.temps = 4;
    m_state.tFin = 2;
    const double avant = model.OndeResultante(30, m_shared.temps);

    model.changeCelerite(1, 50);
    QVERIFY(m_shared.temps == 2.0);
    QCOMPARE(m_shared.frequence, 0.25);
    QCOMPARE(m_state.periode, 4.0);
    QCOMPARE(m_state.celeriteOnde, 50.0);
    QCOMPARE(m_shared.longueurOnde[0], 200.0);
    QCOMPARE(m_state.tFin, 2.0);
    QVERIFY(model.OndeResultante(30, m_shared.temps) == avant);

    // The wavelength stays that of the mode rank when k is not 1 either.
    model.calculeConstantes(5, 25);
    m_shared.temps = 1;
    model.changeCelerite(5, 10);
    QCOMPARE(m_shared.longueurOnde[0], 40.0);
    QCOMPARE(m_shared.frequence, 0.25);
    QCOMPARE(m_shared.temps, 2.5);
}

void TestReflectionModel::dialAngles()
{
    ReflectionModel model(m_shared, m_state);
    model.calculeConstantes(1, 25);
    // Twelve o'clock at 0, three at T/4, six at T/2, nine at 3T/4.
    QVERIFY(model.angleAiguille(0) == -1.5708);
    QVERIFY(std::abs(model.angleAiguille(2)) < 1e-12);
    QVERIFY(std::abs(model.angleAiguille(4) - 1.5708) < 1e-12);
    QVERIFY(std::abs(model.angleAiguille(6) - 3.1416) < 1e-12);
    // Not reduced modulo a turn.
    QVERIFY(std::abs(model.angleAiguille(80) - (10 * 6.2832 - 1.5708)) < 1e-12);
    // One frame of 0.05 s turns it by 2.25 degrees (with the rounded π).
    QVERIFY(std::abs(model.angleAiguille(0.05) - model.angleAiguille(0) - 2.25 * 3.1416 / 180)
            < 1e-12);
    QCOMPARE(ReflectionModel::angleGraduation(0), 0.0);
    QVERIFY(std::abs(ReflectionModel::angleGraduation(90) - 1.5708) < 1e-15);
    QCOMPARE(ReflectionModel::angleGraduation(350), 350 * 3.1416 / 180);
}

QTEST_APPLESS_MAIN(TestReflectionModel)
#include "tst_reflectionmodel.moc"
