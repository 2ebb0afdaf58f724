// The eigenmode model: modal constants from the length and mass scroll bars,
// and the displacement of the string as a sum of standing waves.

#include "eigenmodes.h"

#include <QtTest>

#include <cmath>

namespace {

constexpr double vraiPi = 3.14159265358979323846;

EigenModes::Amplitudes seul(int n, int h = 10)
{
    EigenModes::Amplitudes a{};
    a[n] = h;
    return a;
}

double deplacement(const EigenModes::Amplitudes &h, const StringModesState &state,
                   const SharedVariables &shared, double x, double t)
{
    return EigenModes::Deplacement(EigenModes::FacteursDuTemps(h, state, t), shared, x);
}

EigenModes::Amplitudes tous(int h)
{
    EigenModes::Amplitudes a{};
    for (int n = 1; n <= EigenModes::nombreHarmoniques; ++n)
        a[n] = h;
    return a;
}

} // namespace

class TestEigenModes : public QObject
{
    Q_OBJECT

private slots:
    void constantes_data();
    void constantes();
    void longueursOnde();
    void autresIndicesIntacts();
    void harmoniquesMultiplesDuFondamental();
    void celeriteSuitRacineDeLaTension_data();
    void celeriteSuitRacineDeLaTension();
    void archeFondamentale();
    void cordePlateSansHarmonique();
    void pointZeroImmobile();
    void extremiteChevaletProcheDeZero_data();
    void extremiteChevaletProcheDeZero();
    void noeudsInterieurs_data();
    void noeudsInterieurs();
    void frequenceDeLHarmonique_data();
    void frequenceDeLHarmonique();
    void nombreSegments_data();
    void nombreSegments();
};

void TestEigenModes::constantes_data()
{
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("masse");
    QTest::addColumn<double>("celerite");
    QTest::addColumn<double>("pulsation1");
    QTest::addColumn<double>("periode");

    QTest::newRow("defaults 100 cm, 1000 g") << 100 << 1000 << 3.13209 << 0.00983978 << 638.55;
    QTest::newRow("10 cm, 10000 g") << 10 << 10000 << 9.90454 << 0.311161 << 20.193;
    QTest::newRow("100 cm, 100 g") << 100 << 100 << 0.990454 << 0.00311161 << 2019.27;
}

void TestEigenModes::constantes()
{
    QFETCH(int, longueur);
    QFETCH(int, masse);
    QFETCH(double, celerite);
    QFETCH(double, pulsation1);
    QFETCH(double, periode);

    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(longueur, masse, state, shared);

    QCOMPARE(state.longueurCorde, 10.0 * longueur);
    QCOMPARE(state.masseSolide, masse / 1000.0);
    QCOMPARE(state.masseLineique, 1.0);
    const double c = state.pulsation[1] * state.longueurCorde / 3.1416;
    QVERIFY2(std::abs(c / celerite - 1) < 1e-6, qPrintable(QString::number(c, 'g', 10)));
    QVERIFY2(std::abs(state.pulsation[1] / pulsation1 - 1) < 1e-6,
             qPrintable(QString::number(state.pulsation[1], 'g', 10)));
    const double t1 = 2 * vraiPi / state.pulsation[1];
    QVERIFY2(std::abs(t1 - periode) < 0.01, qPrintable(QString::number(t1, 'g', 10)));
}

void TestEigenModes::longueursOnde()
{
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(37, 2500, state, shared);
    for (int n = 1; n <= 10; ++n)
        QCOMPARE(shared.longueurOnde[n], 740.0 / n);
}

void TestEigenModes::autresIndicesIntacts()
{
    // Element 0 belongs to the reflection window; 11 to 20 are never used.
    StringModesState state;
    SharedVariables shared;
    shared.longueurOnde.fill(-7.0);
    state.pulsation.fill(-7.0);
    EigenModes::ConstantesModales(100, 1000, state, shared);
    QCOMPARE(shared.longueurOnde[0], -7.0);
    QCOMPARE(state.pulsation[0], -7.0);
    for (int n = 11; n <= 20; ++n) {
        QCOMPARE(shared.longueurOnde[n], -7.0);
        QCOMPARE(state.pulsation[n], -7.0);
    }
}

void TestEigenModes::harmoniquesMultiplesDuFondamental()
{
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(64, 4300, state, shared);
    for (int n = 2; n <= 10; ++n)
        QVERIFY(std::abs(state.pulsation[n] / state.pulsation[1] - n) < 1e-12);
}

void TestEigenModes::celeriteSuitRacineDeLaTension_data()
{
    QTest::addColumn<int>("masse");
    QTest::newRow("100 g") << 100;
    QTest::newRow("2500 g") << 2500;
    QTest::newRow("10000 g") << 10000;
}

void TestEigenModes::celeriteSuitRacineDeLaTension()
{
    // c = sqrt(m g / mu): four times the mass, twice the speed and frequencies.
    QFETCH(int, masse);
    StringModesState a;
    StringModesState b;
    SharedVariables shared;
    EigenModes::ConstantesModales(80, masse, a, shared);
    EigenModes::ConstantesModales(80, masse / 4, b, shared);
    QVERIFY(std::abs(a.pulsation[1] / b.pulsation[1] - 2.0) < 1e-12);
    const double c = a.pulsation[1] * a.longueurCorde / 3.1416;
    QVERIFY(std::abs(c - std::sqrt(masse / 1000.0 * 9.81 / 1.0)) < 1e-12);
    QVERIFY(std::abs(EigenModes::Celerite(2.0, 0.5) - std::sqrt(2.0 * 9.81 / 0.5)) < 1e-12);
}

void TestEigenModes::archeFondamentale()
{
    // Defaults: one arch 0.5 sin(w1 t) sin(6.2832 x / 2000), at its top a
    // quarter period in, at the middle of the string.
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(100, 1000, state, shared);
    const double quart = 3.1416 / 2 / state.pulsation[1];
    QVERIFY(std::abs(deplacement(seul(1), state, shared, 500, quart) - 0.5) < 1e-8);
    const double y = deplacement(seul(1), state, shared, 250, 100);
    QVERIFY(std::abs(y - 0.5 * std::sin(state.pulsation[1] * 100) * std::sin(6.2832 * 250 / 2000))
            < 1e-15);
    // Half the slider, half the amplitude; a positive value lies below the rest line.
    QVERIFY(std::abs(deplacement(seul(1, 5), state, shared, 500, quart) - 0.25) < 1e-8);
}

void TestEigenModes::cordePlateSansHarmonique()
{
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(100, 1000, state, shared);
    for (double t : {0.0, 10.0, 333.0, 1e6})
        for (int i = 0; i <= 100; ++i)
            QCOMPARE(deplacement(tous(0), state, shared, 10.0 * i, t), 0.0);
}

void TestEigenModes::pointZeroImmobile()
{
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(55, 7000, state, shared);
    for (double t = 0; t < 2000; t += 7.5)
        QCOMPARE(deplacement(tous(10), state, shared, 0, t), 0.0);
    // At t = 0 every term vanishes, wherever the point.
    for (int i = 0; i <= 55; ++i)
        QCOMPARE(deplacement(tous(10), state, shared, 10.0 * i, 0), 0.0);
}

void TestEigenModes::extremiteChevaletProcheDeZero_data()
{
    QTest::addColumn<int>("longueur");
    QTest::addColumn<int>("masse");
    QTest::newRow("defaults") << 100 << 1000;
    QTest::newRow("short, heavy") << 10 << 10000;
    QTest::newRow("73 cm, 100 g") << 73 << 100;
}

void TestEigenModes::extremiteChevaletProcheDeZero()
{
    // sin(3.1416 n) is not 0: each harmonic at 10 leaves at most 0.5 n 7.35e-6
    // at the bridge, below 1e-4 but not nothing.
    QFETCH(int, longueur);
    QFETCH(int, masse);
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(longueur, masse, state, shared);
    const double l = state.longueurCorde;
    double plusGrand = 0.0;
    for (int n = 1; n <= 10; ++n)
        for (double t = 0; t < 3000; t += 1.0) {
            const double y = deplacement(seul(n), state, shared, l, t);
            QVERIFY2(std::abs(y) < 1e-4, qPrintable(QStringLiteral("n %1 t %2").arg(n).arg(t)));
            plusGrand = std::max(plusGrand, std::abs(y));
        }
    QVERIFY(plusGrand > 1e-6);
}

void TestEigenModes::noeudsInterieurs_data()
{
    QTest::addColumn<int>("n");
    for (int n = 1; n <= 10; ++n)
        QTest::newRow(qPrintable(QStringLiteral("harmonic %1").arg(n))) << n;
}

void TestEigenModes::noeudsInterieurs()
{
    // Harmonic n alone: n - 1 sign changes strictly inside the string, each at
    // a node k L / n.
    QFETCH(int, n);
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(90, 1000, state, shared);
    const double l = state.longueurCorde;
    const double t = 0.3 / state.pulsation[n]; // sin(w t) well away from 0
    int noeuds = 0;
    double precedent = deplacement(seul(n), state, shared, 0.5, t);
    for (double x = 1.5; x < l; x += 1.0) {
        const double y = deplacement(seul(n), state, shared, x, t);
        if ((y > 0) != (precedent > 0)) {
            ++noeuds;
            const double noeud = noeuds * l / n;
            QVERIFY2(std::abs(x - 0.5 - noeud) <= 0.5,
                     qPrintable(QStringLiteral("node near %1, expected %2").arg(x).arg(noeud)));
        }
        precedent = y;
    }
    QCOMPARE(noeuds, n - 1);
}

void TestEigenModes::frequenceDeLHarmonique_data()
{
    noeudsInterieurs_data();
}

void TestEigenModes::frequenceDeLHarmonique()
{
    // Over one period of the fundamental, a point of harmonic n alone crosses
    // the rest line 2 n times: n times the fundamental's frequency.
    QFETCH(int, n);
    StringModesState state;
    SharedVariables shared;
    EigenModes::ConstantesModales(100, 1000, state, shared);
    const double periode = 2 * vraiPi / state.pulsation[1];
    const double x = 1000.0 / (2 * n) + 3.0; // near an antinode
    const double debut = 1.0;
    int passages = 0;
    double precedent = deplacement(seul(n), state, shared, x, debut);
    for (double t = debut + 0.25; t < debut + periode; t += 0.25) {
        const double y = deplacement(seul(n), state, shared, x, t);
        if ((y > 0) != (precedent > 0))
            ++passages;
        precedent = y;
    }
    QCOMPARE(passages, 2 * n);
}

void TestEigenModes::nombreSegments_data()
{
    QTest::addColumn<double>("longueurCorde");
    QTest::addColumn<int>("segments");
    QTest::newRow("before any computation") << 0.0 << 0;
    QTest::newRow("10 cm") << 100.0 << 10;
    QTest::newRow("55 cm") << 550.0 << 55;
    QTest::newRow("100 cm") << 1000.0 << 100;
}

void TestEigenModes::nombreSegments()
{
    QFETCH(double, longueurCorde);
    QFETCH(int, segments);
    StringModesState state;
    state.longueurCorde = longueurCorde;
    QCOMPARE(EigenModes::NombreSegments(state), segments);
}

QTEST_APPLESS_MAIN(TestEigenModes)
#include "tst_eigenmodes.moc"
