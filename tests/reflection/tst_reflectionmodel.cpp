#include "reflection/reflectionmodel.h"

#include <QtTest>

#include <cmath>

// The incident and reflected waves against the standing wave they add up to
// on a string 100 mm long fixed at both ends, and the dial's hand.
class TestReflectionModel : public QObject, private ReflectionPanel
{
    Q_OBJECT

    int modeValue() const override { return m_mode; }
    int celeriteValue() const override { return m_celerite; }

    int m_mode = 1;
    int m_celerite = 25; // mm/s, the speed of the first rows
    SharedVariables m_shared;
    ReflectionState m_state;
    ReflectionModel m_model {m_shared, m_state, *this};

private slots:
    void standingWave_data()
    {
        QTest::addColumn<int>("mode");
        for (int k = 1; k <= 10; ++k)
            QTest::addRow("k=%d", k) << k;
    }

    void standingWave()
    {
        QFETCH(int, mode);
        m_mode = mode;
        m_model.calculeConstantes();
        const double periode = 1 / m_shared.frequence;
        // The sum of the incident wave and of the reflected one, inverted; both
        // ends are nodes at every instant of a period.
        for (double t = -periode; t < periode; t += periode / 40) {
            for (double x = 0; x <= 100; x += 12.5) {
                const double somme = m_model.OndeIncidente(x, t) + m_model.OndeReflechie(x, t);
                QVERIFY(std::abs(m_model.OndeResultante(x, t) - somme) < 1e-12);
            }
            QVERIFY(m_model.OndeResultante(0, t) == 0.0);
            QVERIFY(std::abs(m_model.OndeResultante(100, t)) < 2e-4);
        }
        // The curves of a frame, by angle addition along the string, are the
        // waves' formulas.
        for (const double t : {0.0, 0.37 * periode, 600.0}) {
            const ReflectionModel::Ondes o = m_model.ondes(t);
            for (int x = 0; x <= 100; ++x)
                QVERIFY(std::abs(o.incidente[x] - m_model.OndeIncidente(x, t)) < 1e-12
                        && std::abs(o.reflechie[x] - m_model.OndeReflechie(x, t)) < 1e-12);
        }
        // Nodes every λ/2 inside the string, at any instant.
        for (int k = 1; k < mode; ++k)
            QVERIFY(
                std::abs(m_model.OndeResultante(k * m_shared.longueurOnde[0] / 2, 0.2 * periode))
                < 2e-4);
    }

    // k = 1, c = 25 mm/s: λ = 200 mm, one crest of each wave on the string,
    // carried at 25 mm/s, and T = 8 s for a turn of the hand.
    void travellingCrestsAndTheDial()
    {
        m_mode = 1;
        m_model.calculeConstantes();
        for (double t = 0; t <= 4; t += 0.5) {
            QVERIFY(std::abs(m_model.OndeIncidente(25 * t, t) - 1) < 1e-12); // toward x = 100
            QVERIFY(std::abs(m_model.OndeReflechie(100 - 25 * t, t) - 1) < 1e-9); // from x = 100
        }
        // Twelve o'clock at 0, three o'clock at T/4 (y grows downward on the dial).
        QVERIFY(std::abs(m_model.angleAiguille(0) + pi / 2) < 1e-12);
        QVERIFY(std::abs(m_model.angleAiguille(2)) < 1e-4);
        // A new speed keeps the phase f·temps of the frame on display.
        m_shared.temps = 2;
        m_celerite = 50;
        m_model.changeCelerite();
        QVERIFY(std::abs(m_shared.temps - 1) < 1e-12 && std::abs(m_model.angleAiguille(1)) < 1e-4);
    }
};

QTEST_APPLESS_MAIN(TestReflectionModel)
#include "tst_reflectionmodel.moc"
