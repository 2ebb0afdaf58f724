// The eigenmodes' window: run states and handlers seen in `temps`, the standing waves of each
// frame, whose periods follow from the length and the hanging mass, pixels, what outlives it.
#include "string_modes/modescorde.h"
#include "support/fakepanel.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QtTest>

#include <cmath>

namespace {

const QColor rouge(255, 0, 0);

// What an event does to the picture: kept, one new frame, or wiped.
enum Image { Gardee, Neuve, Effacee };

// Running after the events; ms added to temps; the picture.
using Apres = std::tuple<bool, int, Image>;

struct Fenetre : ModuleWindow<ModesCorde, StringModesState>
{
    Fenetre() { window->show(); }

    // Whether the red rest line shows at x on screen, the controls over the picture included.
    bool reposVisible(float x)
    {
        return picture().grab().toImage().pixelColor(Probe::onScreen(picture(), x, 0.002f))
            == rouge;
    }

    // Whether the frame, and the displacement the recorder reads apart from it, show harmonics 1
    // and 10 at 10 and 7 up to the bridge, at temps: 0.05 H_n sin(n pi c t / L) sin(n pi x / L),
    // c = sqrt(m g) in mm/ms; on a shorter string point 100 keeps its last value.
    bool imageAttendue(double ordonnee100)
    {
        FakePanel panneau({{"Longueur", bar("Longueur").Value()}, {"Masse", bar("Masse").Value()}});
        for (int n = 1; n <= 10; ++n)
            panneau["Harmonique" + std::to_string(n)] = bar("Harmonique", n - 1).Value();
        const StringModesModel modele(shared, state, panneau);
        const auto facteurs = modele.FacteursDuTemps(shared.temps);
        const double l = 10.0 * bar("Longueur").Value();
        const double c = std::sqrt(bar("Masse").Value() / 1000.0 * 9.81);
        const auto terme = [&](int n, double h, double x) {
            return 0.05 * h * std::sin(n * 3.1416 * c * shared.temps / l)
                * std::sin(n * 3.1416 * x / l);
        };
        for (int i = 1; 10 * i <= l; ++i) {
            const double y = terme(1, 10, 10.0 * i) + terme(10, 7, 10.0 * i);
            if (std::abs(state.ordonnee[i] - y) > 1e-9
                || std::abs(modele.Deplacement(facteurs, 10.0 * i) - y) > 1e-9)
                return false;
        }
        // Said to a screen reader: harmonics 1 to 10 summed, at the time of the frame in s,
        // whatever another window does to the shared time since.
        const double image = shared.temps;
        shared.temps += 1000;
        const QString dit = QString::fromStdString(modele.description());
        shared.temps = image;
        if (!dit.contains(" g : harmoniques 1")
            || Probe::readout(dit, " et 10 ; t = ", "s") != image / 1000)
            return false;
        return l == 1000 || state.ordonnee[100] == ordonnee100;
    }
};

} // namespace

class TestStringModes : public QObject
{
    Q_OBJECT

private slots:
    // Each row is named by the run state before, then the events, as the user makes them.
    void etats_data()
    {
        QTest::addColumn<Apres>("apres");
        QTest::newRow("stop Command1") << Apres {true, 0, Gardee};
        QTest::newRow("run tick") << Apres {true, 10, Neuve};
        QTest::newRow("run Arret") << Apres {false, 0, Gardee};
        QTest::newRow("run Command2") << Apres {false, 10, Neuve};
        QTest::newRow("stop Command2") << Apres {false, 10, Neuve};
        QTest::newRow("run Longueur") << Apres {true, 0, Effacee};
        // temps - 5, then a whole next image: frames 5 ms apart at the new length.
        QTest::newRow("stop Longueur") << Apres {false, 5, Neuve};
        QTest::newRow("stop Longueur Longueur Longueur") << Apres {false, 15, Neuve};
        QTest::newRow("run Masse") << Apres {true, 0, Gardee};
        QTest::newRow("stop Masse") << Apres {false, 0, Gardee};
        QTest::newRow("stop Harmonique") << Apres {false, 0, Gardee};
    }

    void etats()
    {
        QFETCH(Apres, apres);
        const auto &[enMarcheApres, avance, image] = apres;
        Fenetre f;
        f.shared.temps = 100; // moved by another module
        f.click("Command2");
        // Read at each frame: the next frame must show harmonic 10 as well.
        f.bar("Harmonique", 9).setValue(7);
        QStringList evenements = QString::fromUtf8(QTest::currentDataTag()).split(' ');
        if (evenements.takeFirst() == "run")
            f.click("Command1");
        QImage avant;
        const auto ordonnee = f.state.ordonnee;
        for (const QString &e : evenements) {
            avant = f.picture().image();
            // Longueur one step down, Masse one up, by the keys.
            if (e == "Longueur" || e == "Masse")
                QTest::keyClick(&f.bar(e), e == "Masse" ? Qt::Key_Right : Qt::Key_Left);
            else
                e == "tick" ? f.tick() : e == "Harmonique" ? f.bar(e, 1).setValue(5) : f.click(e);
        }

        QCOMPARE(f.ticking() && f.shown("Arret") && !f.shown("Command1"), enMarcheApres);
        QCOMPARE(f.caption("Label18"), QString(enMarcheApres ? "pause" : "animer"));
        QCOMPARE(f.shared.temps, 110.0 + avance);
        QCOMPARE(Probe::captionFaults(*f.window).join("; "), QString());
        // The bridge's jaws follow the length.
        const auto &machoire = f.find("Shape3");
        const QPointF bas = machoire.pos() - f.picture().clientRect().topLeft();
        QVERIFY(std::abs(f.picture().scale().toUser(bas).x() - 10 * f.bar("Longueur").Value())
                < 2.2);
        QCOMPARE(f.find("Shape3", 1).x(), machoire.x());
        if (image == Gardee) {
            QCOMPARE(f.picture().image(), avant);
            QCOMPARE(f.state.ordonnee, ordonnee);
        } else if (image == Neuve) {
            QVERIFY(f.imageAttendue(ordonnee[100]));
        } else {
            // Wiped up to the bridge, the rest line beyond it.
            QCOMPARE(Probe::countIn(f.picture(), 0, -1, 985, 1, rouge), 0);
            QVERIFY(Probe::near(f.picture(), 995, 0, rouge));
        }
        // Running, the next tick draws at the length and the mass set now.
        if (enMarcheApres) {
            f.tick();
            QVERIFY(f.imageAttendue(ordonnee[100]));
        }
    }

    // An arch below the rest line, then above it: no red left behind, and on screen the rest line
    // no longer crosses the string. Quitter stops the timer; the run's state outlives the window.
    void effacementEtFermeture()
    {
        Fenetre f;
        f.shared.temps = 638.55 / 4 - 10;
        f.click("Command2");
        QVERIFY(Probe::countIn(f.picture(), 0, 0.05f, 1000, 1, rouge) > 100);
        f.shared.temps = 3 * 638.55 / 4 - 10;
        f.click("Command2");
        QCOMPARE(Probe::countIn(f.picture(), 0, 0.05f, 1000, 1, rouge), 0);
        QVERIFY(!f.reposVisible(500) && f.reposVisible(1050));

        f.click("Command1");
        const double depart = f.shared.temps;
        QTRY_VERIFY(f.shared.temps > depart); // Timer1 ticks on its own
        f.click("Command3");
        QTRY_VERIFY(f.closed());
        const auto ordonnee = f.state.ordonnee;
        const double temps = f.shared.temps;
        QTest::qWait(80);
        f.open();
        f.window->show();
        QVERIFY(f.state.ordonnee == ordonnee && f.shared.temps == temps);
        QCOMPARE(Probe::countIn(f.picture(), 0, -1, 1200, 1, rouge), 0);
        QVERIFY(f.reposVisible(500)); // nothing drawn yet: the whole device shows
    }
};

QTEST_MAIN(TestStringModes)
#include "tst_stringmodes.moc"
