// The point recorder's measurements on the real simulation models, and its CSV file.
#include "driven_string/drivenstringmodel.h"
#include "recorder/recording.h"
#include "reflection/reflectionmodel.h"
#include "support/fakepanel.h"

#include <QtTest>

#include <cmath>

namespace {

// The driven string with an absorbing end (0.5 /s of damping), recording points a and b (mm,
// upward) every step.
struct Corde : DrivenStringView
{
    SharedVariables shared;
    DrivenStringState state;
    FakePanel panel {{{"Frequence", 13}, {"Amp", 10}, {"HScroll1", 5}, {"celerite", 10}}};
    DrivenStringModel model {shared, state, panel, *this};
    Recording record;
    int a = 0;
    int b = 0;

    Corde() { panel.bout = ExtremiteDroite::Absente; }
    void afficheDepassement() override { }
    void effaceImage() override { }
    void corde(double) override { }
    void apresPas() override
    {
        record.add(model.tempsPropre(), model.hauteur(a), model.hauteur(b));
    }
    void avance(double secondes)
    {
        while (model.tempsPropre() < secondes)
            model.avanceUnPas();
    }
};

} // namespace

class TestRecording : public QObject
{
    Q_OBJECT

private slots:
    void vitesse_data()
    {
        QTest::addColumn<int>("celerite"); // tenths of m/s
        QTest::addColumn<int>("b");
        // λ = c / f = 0.38 m and 0.54 m: B lies more than a wavelength behind A.
        QTest::newRow("0,5 m/s, 1,3 λ") << 5 << 70;
        QTest::newRow("0,7 m/s, 1,5 λ") << 7 << 100;
    }

    // A sine from point 20, B points 0.01 m apart: the delay of B behind A gives the speed set,
    // whichever crest of A's is B's. (A pulse's delay is measured with the modules' windows.)
    void vitesse()
    {
        QFETCH(int, celerite);
        QFETCH(int, b);
        Corde c;
        c.panel["celerite"] = celerite;
        c.a = 20;
        c.b = b;
        const double distance = (c.b - c.a) * 0.01; // m
        const double vitesse = celerite / 10.0; // m/s
        c.model.demarreVibreur();
        c.avance(3 * (0.2 + distance / vitesse));
        const auto retard = c.record.delay(distance / (vitesse * 0.9)); // a set speed 10 % off
        QVERIFY2(retard && std::abs(distance / *retard / vitesse - 1) < 0.03,
                 qPrintable(QString::number(retard ? distance / *retard : 0)));
    }

    // k = 2 on 100 mm: nodes at 0, 50, 100 mm; antinodes at 25, 75, twice the waves' 10 mm.
    void noeudEtVentre()
    {
        SharedVariables shared;
        ReflectionState state;
        const FakePanel panneau {{{"Mode", 2}, {"celerite", 25}}}; // mm/s: T = 4 s
        ReflectionModel model(shared, state, panneau);
        model.calculeConstantes();
        Recording record;
        Recording lobe; // two points between the same nodes
        for (double t = 0; t < 10; t += 0.05) {
            record.add(t, model.hauteur(50, t), model.hauteur(25, t));
            lobe.add(t, model.hauteur(20, t), model.hauteur(40, t));
        }
        QVERIFY(*record.amplitude(Recording::A) < 0.01);
        QVERIFY(std::abs(*record.amplitude(Recording::B) - 2 * 10) < 0.1);
        QVERIFY(std::abs(*record.period(Recording::B) - 4) < 0.05);
        // They move together: no wave goes from one to the other, at the speed set or any.
        QVERIFY(lobe.delay(0.011 / 0.025) == 0.0 && lobe.delay(NAN) == 0.0);
    }

    // A reset starts a new trace: no measurement joins the two.
    void tracesEtCsv()
    {
        Recording record;
        for (int i = 0; i < 100; ++i)
            record.add(i * 0.01, std::sin(i * 0.3), std::nan(""));
        record.add(0.5, 1, 2); // back in time
        QCOMPARE(record.lastTrace(), 100u);
        QVERIFY(!record.period(Recording::A));
        record.cut(); // a reset
        record.add(0.52, 1, 2);
        QCOMPARE(record.lastTrace(), 101u);

        // French decimals, and an empty field for a point not followed.
        QVERIFY(record.toCsv().rfind(
                    "t (s);yA (mm, vers le haut);yB (mm, vers le haut)\n0;0;\n0,01;0,29552020", 0)
                == 0);
    }
};

QTEST_APPLESS_MAIN(TestRecording)
#include "tst_recording.moc"
