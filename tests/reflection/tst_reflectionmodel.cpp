#include "reflectionmodel.h"

#include <QtTest>

#include <cmath>

// The incident and reflected waves against the standing wave they add up to
// on a string 100 mm long fixed at both ends.
class TestReflectionModel : public QObject
{
    Q_OBJECT

private slots:
    void standingWave_data();
    void standingWave();
    void incidentCrestsMoveTowardTheFixedEnd();

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
    for (double t = -3; t < 60; t += 0.05) {
        QVERIFY(m_model.OndeResultante(0, t) == 0.0);
        QVERIFY2(std::abs(m_model.OndeResultante(100, t)) < 2e-4, qPrintable(QString::number(t)));
    }
    // At a fifth of a period, far from a flat instant: nodes at every multiple
    // of λ/2, k + 1 of them on the string, and the sign changes only there.
    const double t = 0.2 / m_shared.frequence;
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

void TestReflectionModel::incidentCrestsMoveTowardTheFixedEnd()
{
    m_model.calculeConstantes(1, 25);
    // λ = 200 mm: one incident crest on the string, carried at 25 mm/s toward x = 100.
    for (double t = 0.5; t <= 3.5; t += 1.0) {
        double crete = 0;
        for (int j = 0; j <= 10000; ++j) {
            const double x = j / 100.0;
            crete = m_model.OndeIncidente(x, t) > m_model.OndeIncidente(crete, t) ? x : crete;
        }
        QVERIFY2(std::abs(crete - 25 * t) < 0.02, qPrintable(QString::number(crete)));
    }
}

QTEST_APPLESS_MAIN(TestReflectionModel)
#include "tst_reflectionmodel.moc"
