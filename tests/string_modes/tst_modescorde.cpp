// The eigenmode window: run states and handlers seen in `temps`, pixels, what outlives it.
#include "controls/formtimer.h"
#include "controls/shapecontrol.h"
#include "string_modes/modescorde.h"
#include "support/imageprobe.h"

#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QColor rouge(255, 0, 0);

// What an event does to the picture: kept, one new frame, or wiped.
enum Image { Gardee, Neuve, Effacee };

// Running after the events; ms added to temps; constants recomputed; the picture.
using Apres = std::tuple<bool, int, bool, Image>;

} // namespace

class TestModesCorde : public QObject
{
    Q_OBJECT

    SharedVariables m_shared;
    StringModesState m_state;
    QPointer<ModesCorde> w;

    void ouvre()
    {
        w = new ModesCorde(nullptr, m_shared, m_state);
        w->show();
        QVERIFY(QTest::qWaitForWindowExposed(w));
    }

    // Whether the red rest line shows at x on screen, the controls over the picture included.
    bool reposVisible(float x) const
    {
        const QPointF p
            = w->Picture1->scale().toPixels(x, 0.002f) + w->Picture1->clientRect().topLeft();
        return w->Picture1->grab().toImage().pixelColor(p.toPoint()) == rouge;
    }

private slots:
    void cleanup()
    {
        delete w.data();
        m_shared = SharedVariables();
        m_state = StringModesState();
    }

    // Each row is named by the run state before, then the events, as the user makes them.
    void etats_data()
    {
        QTest::addColumn<Apres>("apres");
        QTest::newRow("stop Command1") << Apres {true, 0, true, Gardee};
        QTest::newRow("run tick") << Apres {true, 10, false, Neuve};
        QTest::newRow("run Arret") << Apres {false, 0, false, Gardee};
        QTest::newRow("run Command2") << Apres {false, 10, true, Neuve};
        QTest::newRow("stop Command2") << Apres {false, 10, true, Neuve};
        QTest::newRow("run Longueur") << Apres {true, 0, true, Effacee};
        // temps - 5, then a whole next image: frames 5 ms apart at the new length.
        QTest::newRow("stop Longueur") << Apres {false, 5, true, Neuve};
        QTest::newRow("stop Longueur Longueur Longueur") << Apres {false, 15, true, Neuve};
        QTest::newRow("run Masse") << Apres {true, 0, true, Gardee};
        QTest::newRow("stop Masse") << Apres {false, 0, false, Gardee};
        QTest::newRow("stop Harmonique") << Apres {false, 0, false, Gardee};
    }

    void etats()
    {
        QFETCH(Apres, apres);
        const auto &[enMarcheApres, avance, constantes, image] = apres;
        ouvre();
        m_shared.temps = 100;
        w->Command2_Click();
        // Read at each frame: the next frame must show harmonic 10 as well.
        w->Harmonique(10)->setValue(7);
        QStringList evenements = QString::fromUtf8(QTest::currentDataTag()).split(' ');
        if (evenements.takeFirst() == "run")
            w->Command1_Click();
        m_state.masseSolide = 0; // written again only if the constants are recomputed
        // The left arrow of Longueur, the right arrow of Masse.
        const QHash<QString, std::function<void()>> faire {
            {"Command1", [this] { QTest::mouseClick(w->Command1, Qt::LeftButton); }},
            {"Arret", [this] { QTest::mouseClick(w->Arret, Qt::LeftButton); }},
            {"Command2", [this] { QTest::mouseClick(w->Command2, Qt::LeftButton); }},
            {"tick", [this] { emit w->Timer1->Timer(); }},
            {"Longueur", [this] { Probe::click(*w->Longueur, QStyle::SC_ScrollBarSubLine); }},
            {"Masse", [this] { Probe::click(*w->Masse, QStyle::SC_ScrollBarAddLine); }},
            {"Harmonique", [this] { w->Harmonique(2)->setValue(5); }}};
        QImage avant;
        const auto ordonnee = m_state.ordonnee;
        for (const QString &evenement : evenements) {
            avant = w->Picture1->image();
            faire[evenement]();
        }

        QCOMPARE(w->Timer1->Enabled() && w->Arret->isVisible() && !w->Command1->isVisible(),
                 enMarcheApres);
        QCOMPARE(w->Label18->Caption(), QString(enMarcheApres ? "pause" : "animer"));
        QCOMPARE(m_shared.temps, 110.0 + avance);
        QCOMPARE(m_state.masseSolide != 0, constantes);
        QCOMPARE(Probe::captionFaults(*w).join("; "), QString());
        // The bridge's jaws follow the length.
        QVERIFY(std::abs(w->Shape3(0)->Left() - 10 * w->Longueur->Value()) < 2.2);
        QCOMPARE(w->Shape3(1)->Left(), w->Shape3(0)->Left());
        if (image == Gardee) {
            QCOMPARE(w->Picture1->image(), avant);
            QCOMPARE(m_state.ordonnee, ordonnee);
        } else if (image == Neuve) {
            // Harmonics 1 and 10 at 10 and 7 up to the bridge: 0.05 H_n sin(n pi c t / L)
            // sin(n pi x / L), c = sqrt(m g) in mm/ms; on a shorter string point 100 is kept.
            const double l = 10.0 * w->Longueur->Value();
            const double c = std::sqrt(w->Masse->Value() / 1000.0 * 9.81);
            const auto terme = [&](int n, double h, double x) {
                return 0.05 * h * std::sin(n * 3.1416 * c * m_shared.temps / l)
                    * std::sin(n * 3.1416 * x / l);
            };
            for (int i = 1; 10 * i <= l; ++i) {
                const double y = terme(1, 10, 10.0 * i) + terme(10, 7, 10.0 * i);
                QVERIFY(std::abs(m_state.ordonnee[i] - y) < 1e-9);
            }
            QVERIFY(l == 1000 || m_state.ordonnee[100] == ordonnee[100]);
        } else {
            // Wiped up to the bridge, the rest line beyond it; the next tick draws.
            QCOMPARE(Probe::countIn(*w->Picture1, 0, -1, 985, 1, rouge), 0);
            QVERIFY(Probe::near(*w->Picture1, 995, 0, rouge));
        }
    }

    // An arch below the rest line, then above it: no red left behind, and on screen the rest line
    // no longer crosses the string. Quitter stops the timer; the run's state outlives the window.
    void effacementEtFermeture()
    {
        ouvre();
        m_shared.temps = 638.55 / 4 - 10;
        w->Command2_Click();
        QVERIFY(Probe::countIn(*w->Picture1, 0, 0.05f, 1000, 1, rouge) > 100);
        m_shared.temps = 3 * 638.55 / 4 - 10;
        w->Command2_Click();
        QCOMPARE(Probe::countIn(*w->Picture1, 0, 0.05f, 1000, 1, rouge), 0);
        QVERIFY(!reposVisible(500) && reposVisible(1050));

        w->Command1_Click();
        const double depart = m_shared.temps;
        QTRY_VERIFY(m_shared.temps > depart); // Timer1 ticks on its own
        QTest::mouseClick(w->Command3, Qt::LeftButton);
        QTRY_VERIFY(w.isNull());
        const auto ordonnee = m_state.ordonnee;
        const double temps = m_shared.temps;
        QTest::qWait(80);
        ouvre();
        QVERIFY(m_state.ordonnee == ordonnee && m_shared.temps == temps);
        QVERIFY(w->Picture1->isBlank());
        QVERIFY(reposVisible(500)); // nothing drawn yet: the whole device shows
    }
};

QTEST_MAIN(TestModesCorde)
#include "tst_modescorde.moc"
