// The point recorder's measurements on the real simulation models, and its
// CSV file.
#include "drivenstringmodel.h"
#include "recording.h"
#include "reflectionmodel.h"
#include "stringmodesmodel.h"

#include <QtTest>

#include <cmath>

namespace {

// The driven string with an absorbing end (nothing comes back), recording
// points a and b (mm) at every time step.
struct Corde : DrivenStringPanel, DrivenStringView
{
    SharedVariables shared;
    DrivenStringState state;
    DrivenStringModel model {shared, state, *this, *this};
    Recording record;
    int celerite = 10; // tenths of m/s
    int a = 0;
    int b = 0;

    int frequenceValue() const override { return 13; } // 1.3 Hz
    int hScroll1Value() const override { return 5; } // 0.5 /s: the zone absorbs
    int celeriteValue() const override { return celerite; }
    int ampValue() const override { return 10; }
    std::string pasXText() const override { return "0.01"; }
    std::string pasTText() const override { return "0.0025"; }
    ExtremiteDroite extremite() const override { return ExtremiteDroite::Absente; }
    void afficheDepassement() override { }
    void effaceImage() override { }
    void corde(double &) override { }
    void apresPas() override
    {
        record.add(shared.temps, state.yNouveau[a], state.yNouveau[b], shared.dt);
    }
    void avance(double secondes)
    {
        while (shared.temps < secondes)
            model.avanceUnPas();
    }
};

struct Panneaux : ReflectionPanel, StringModesPanel
{
    int modeValue() const override { return 2; }
    int celeriteValue() const override { return 25; } // mm/s: T = 4 s
    int longueurValue() const override { return 100; }
    int masseValue() const override { return 1000; }
    int harmoniqueValue(int n) const override { return n == harmonique ? 10 : 0; }
    int harmonique = 1;
};

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void periodeDuVibreur()
    {
        Corde c;
        c.a = 30;
        c.model.ActualiseConstantes();
        c.model.demarreVibreur();
        c.avance(0.25);
        QVERIFY(!c.record.period(Recording::A)); // the wave has not arrived
        c.avance(5);
        QVERIFY(std::abs(*c.record.period(Recording::A) - 1 / 1.3) <= c.shared.dt);
        // 10 mm at the vibrator, damped by exp(−γx / 2c) = 0.93 on the way.
        QVERIFY(std::abs(*c.record.amplitude(Recording::A) - 9.3) < 0.3);
    }

    void vitesseDUneImpulsion_data()
    {
        QTest::addColumn<int>("celerite");
        QTest::newRow("1 m/s") << 10;
        QTest::newRow("2 m/s") << 20;
    }

    // Points 20 and 70, 0.5 m apart: the pulse's delay gives the speed set.
    void vitesseDUneImpulsion()
    {
        QFETCH(int, celerite);
        Corde c;
        c.celerite = celerite;
        c.a = 20;
        c.b = 70;
        c.model.lanceImpulsion();
        c.avance(0.4 + 0.5 / (celerite / 10.0) + 0.2);
        const double vitesse = 0.5 / *c.record.delay();
        QVERIFY2(std::abs(vitesse / (celerite / 10.0) - 1) < 0.03,
                 qPrintable(QString::number(vitesse)));
        QVERIFY(!c.record.period(Recording::A));
    }

    // k = 2 on 100 mm: nodes at 0, 50 and 100 mm, antinodes at 25 and 75, where
    // the standing wave reaches twice the travelling waves' 10 mm.
    void noeudEtVentre()
    {
        SharedVariables shared;
        ReflectionState state;
        Panneaux panneaux;
        ReflectionModel model(shared, state, panneaux);
        model.calculeConstantes();
        Recording record;
        for (double t = 0; t < 10; t += 0.05)
            record.add(t, model.deplacement(50, t), model.deplacement(25, t));
        QVERIFY(*record.amplitude(Recording::A) < 0.01);
        QVERIFY(std::abs(*record.amplitude(Recording::B) - 2 * 10) < 0.1);
        QVERIFY(std::abs(*record.period(Recording::B) - 4) < 0.05);
    }

    // Harmonic n alone, recorded at its first antinode every 10 ms frame.
    void harmoniques()
    {
        SharedVariables shared;
        StringModesState state;
        Panneaux panneaux;
        StringModesModel model(shared, state, panneaux);
        model.ConstantesModales();
        const double t1 = 2 * M_PI / state.pulsation[1] / 1000; // s
        for (int n : {1, 3, 7}) {
            panneaux.harmonique = n;
            Recording record;
            for (double t = 0; t < 2.5; t += 0.01) {
                const auto facteurs = model.FacteursDuTemps(t * 1000);
                record.add(t, model.Deplacement(facteurs, 1000.0 / (2 * n)), 0);
            }
            QVERIFY2(std::abs(*record.period(Recording::A) / (t1 / n) - 1) < 0.02,
                     qPrintable(QString::number(n)));
        }
    }

    // A reset starts a new trace: no measurement joins the two.
    void tracesEtCsv()
    {
        Recording record;
        for (int i = 0; i < 100; ++i)
            record.add(i * 0.01, std::sin(i * 0.3), std::nan(""), 0.01);
        record.add(0.5, 1, 2, 0.01); // back in time
        QCOMPARE(record.lastTrace(), 100u);
        QVERIFY(!record.period(Recording::A));
        record.add(0.52, 1, 2, 0.01); // a jump: another window moved the time
        QCOMPARE(record.lastTrace(), 101u);

        const std::string csv = record.toCsv();
        QVERIFY(csv.rfind("t (s);yA (mm);yB (mm)\n0;0;\n0,01;0,29552020", 0) == 0);
        const auto relu = Recording::fromCsv(csv);
        QVERIFY(relu && relu->size() == record.samples().size());
        for (std::size_t i = 0; i < relu->size(); ++i) {
            const Recording::Sample &s = record.samples()[i];
            QVERIFY(std::abs((*relu)[i].t - s.t) < 1e-9
                    && std::abs((*relu)[i].y[0] - s.y[0]) < 1e-9);
            QCOMPARE(std::isnan((*relu)[i].y[1]), std::isnan(s.y[1]));
        }
        QVERIFY(!Recording::fromCsv("t;y\n1;2\n"));
    }
};

QTEST_APPLESS_MAIN(TestRecording)
#include "tst_recording.moc"
