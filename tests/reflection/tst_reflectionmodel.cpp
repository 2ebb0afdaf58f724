#include "reflection/reflectionmodel.h"
#include "support/fakepanel.h"

#include <QtTest>

#include <cmath>

// The incident and reflected waves against the standing wave they add up to on a string 100 mm
// long fixed at both ends. The dial's hand and a new speed are seen in the window's pictures.
class TestReflectionModel : public QObject
{
    Q_OBJECT

    FakePanel m_panel {{{"Mode", 1}, {"celerite", 25}}}; // k, and c in mm/s
    SharedVariables m_shared;
    ReflectionState m_state;
    ReflectionModel m_model {m_shared, m_state, m_panel};

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
        m_panel["Mode"] = mode;
        m_model.calculeConstantes();
        // k half-wavelengths on the string, f = c / λ; the lesson's 6.2832 for 2π.
        const double lambda = 200.0 / mode;
        const double f = 25 / lambda;
        QVERIFY(std::abs(m_shared.frequence / f - 1) < 1e-12);
        const auto incidente
            = [&](double x, double t) { return std::cos(6.2832 * (f * t - x / lambda)); };
        const auto reflechie
            = [&](double x, double t) { return -std::cos(6.2832 * (x / lambda + f * t)); };
        // Over a period either side of 0, and ten minutes into a lesson.
        for (int i = -40; i <= 41; ++i) {
            const double t = i <= 40 ? i / (40 * f) : 600;
            const ReflectionModel::Ondes o = m_model.ondes(t);
            for (int x = 0; x <= 100; ++x) {
                QVERIFY(std::abs(o.incidente[x] - incidente(x, t)) < 1e-12
                        && std::abs(o.reflechie[x] - reflechie(x, t)) < 1e-12);
                QVERIFY(std::abs(m_model.OndeResultante(x, t) - incidente(x, t) - reflechie(x, t))
                        < 1e-12);
            }
            // Both ends are nodes at every instant, and so is every λ/2 between them.
            QVERIFY(m_model.OndeResultante(0, t) == 0.0);
            for (int k = 1; k <= mode; ++k)
                QVERIFY(std::abs(m_model.OndeResultante(k * lambda / 2, t)) < 2e-4);
        }
    }
};

QTEST_APPLESS_MAIN(TestReflectionModel)
#include "tst_reflectionmodel.moc"
