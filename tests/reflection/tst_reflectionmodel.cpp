#include "reflectionmodel.h"

#include <QtTest>

#include <cmath>

// The incident and reflected waves against the standing wave they add up to
// on a string 100 mm long fixed at both ends, and the dial's hand.
class TestReflectionModel : public QObject
{
    Q_OBJECT

private slots:
    void standingWave_data();
    void standingWave();
    void travellingCrestsAndTheDial();

private:
    SharedVariables m_shared;
    ReflectionState m_state;
    ReflectionModel m_model {m_shared, m_state};
};

void TestReflectionModel::standingWave_data()
{
    QTest::addColumn<int>("mode");
    for (int k = 1; k <= 10; ++k)
        QTest::addRow("k=%d", k) << k;
}

void TestReflectionModel::standingWave()
{
    QFETCH(int, mode);
    m_model.calculeConstantes(mode, 37);
    const double periode = 1 / m_shared.frequence;
    // The sum of the incident wave and of the reflected one, inverted; both
    // ends are nodes at every instant of a period.
    for (double t = -periode; t < periode; t += periode / 40) {
        for (double x = 0; x <= 100; x += 12.5) {
            const double somme = m_model.OndeIncidente(x, t) + m_model.OndeReflechie(x, t);
            QVERIFY(std::abs(m_model.OndeResultante(x, t) - somme) < 1e-12);
        }
        QVERIFY(m_model.OndeResultante(0, t) == 0.0);
        QVERIFY2(std::abs(m_model.OndeResultante(100, t)) < 2e-4, qPrintable(QString::number(t)));
    }
    // At a fifth of a period, far from a flat instant: nodes at every multiple
    // of λ/2, k + 1 of them on the string, and the sign changes only there.
    const double t = 0.2 * periode;
    const double demiLambda = m_shared.longueurOnde[0] / 2;
    int noeuds = 0;
    for (; noeuds * demiLambda <= 100 + 1e-9; ++noeuds)
        QVERIFY(std::abs(m_model.OndeResultante(noeuds * demiLambda, t)) < 2e-4);
    QCOMPARE(noeuds, mode + 1);
    int changements = 0;
    for (double x = 0.75; x < 100; x += 0.5)
        changements
            += (m_model.OndeResultante(x, t) > 0) != (m_model.OndeResultante(x - 0.5, t) > 0);
    QCOMPARE(changements, mode - 1);
}

// k = 1, c = 25 mm/s: λ = 200 mm, one crest of each wave on the string,
// carried at 25 mm/s, and T = 8 s for a turn of the hand.
void TestReflectionModel::travellingCrestsAndTheDial()
{
    m_model.calculeConstantes(1, 25);
    for (double t = 0; t <= 4; t += 0.5) {
        QVERIFY(std::abs(m_model.OndeIncidente(25 * t, t) - 1) < 1e-12); // toward x = 100
        QVERIFY(std::abs(m_model.OndeReflechie(100 - 25 * t, t) - 1) < 1e-9); // from x = 100
    }
    // Twelve o'clock at 0, three o'clock at T/4 (y grows downward on the dial).
    QVERIFY(std::abs(m_model.angleAiguille(0) + ReflectionModel::pi / 2) < 1e-12);
    QVERIFY(std::abs(m_model.angleAiguille(2)) < 1e-4);
    // A new speed keeps the phase f·temps of the frame on display.
    m_shared.temps = 2;
    m_model.changeCelerite(1, 50);
    QVERIFY(std::abs(m_shared.temps - 1) < 1e-12 && std::abs(m_model.angleAiguille(1)) < 1e-4);
}

QTEST_APPLESS_MAIN(TestReflectionModel)
#include "tst_reflectionmodel.moc"
