// The eigenmode window: its run states and handlers as seen in `temps`,
// captions and pixels, and the state that outlives the window.
#include "formtimer.h"
#include "imageprobe.h"
#include "modescorde.h"
#include "shapecontrol.h"

#include <QPointer>
#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QColor rouge(255, 0, 0);

// What an event does to the picture: kept, one new frame, or wiped.
enum Image { Gardee, Neuve, Effacee };

} // namespace

Q_DECLARE_METATYPE(Image)

class TestModesCorde : public QObject
{
    Q_OBJECT

    SharedVariables m_shared;
    StringModesState m_state;
    QPointer<ModesCorde> m_window;

    ModesCorde *ouvre()
    {
        m_window = new ModesCorde(nullptr, m_shared, m_state);
        m_window->show();
        if (!QTest::qWaitForWindowExposed(m_window))
            qWarning("window not exposed");
        return m_window;
    }

    // Whether the red rest line shows at x on screen, the controls over the picture included.
    static bool reposVisible(ModesCorde *w, float x)
    {
        const QPointF p
            = w->Picture1->scale().toPixels(x, 0.002f) + w->Picture1->clientRect().topLeft();
        return w->Picture1->grab().toImage().pixelColor(p.toPoint()) == rouge;
    }

private slots:
    void cleanup()
    {
        delete m_window.data();
        m_shared = SharedVariables();
        m_state = StringModesState();
    }

    // Each row is named by the run state before, then the events, as the user makes them.
    void etats_data()
    {
        QTest::addColumn<bool>("enMarcheApres");
        QTest::addColumn<int>("avance"); // ms
        QTest::addColumn<bool>("constantes");
        QTest::addColumn<Image>("image");
        QTest::newRow("stop Command1") << true << 0 << true << Gardee;
        QTest::newRow("run tick") << true << 10 << false << Neuve;
        QTest::newRow("run Arret") << false << 0 << false << Gardee;
        QTest::newRow("run Command2") << false << 10 << true << Neuve;
        QTest::newRow("stop Command2") << false << 10 << true << Neuve;
        QTest::newRow("run Longueur") << true << 0 << true << Effacee;
        // temps - 5, then a whole next image: frames 5 ms apart at the new length.
        QTest::newRow("stop Longueur") << false << 5 << true << Neuve;
        QTest::newRow("stop Longueur Longueur Longueur") << false << 15 << true << Neuve;
        QTest::newRow("run Masse") << true << 0 << true << Gardee;
        QTest::newRow("stop Masse") << false << 0 << false << Gardee;
        QTest::newRow("run Harmonique") << true << 0 << false << Gardee;
        QTest::newRow("stop Harmonique") << false << 0 << false << Gardee;
    }

    void etats()
    {
        QFETCH(bool, enMarcheApres);
        QFETCH(int, avance);
        QFETCH(bool, constantes);
        QFETCH(Image, image);
        ModesCorde *w = ouvre();
        m_shared.temps = 100;
        w->Command2_Click();
        // Read at each frame: the next frame must show harmonic 3 as well.
        w->Harmonique(3)->setValue(7);
        QStringList evenements = QString::fromUtf8(QTest::currentDataTag()).split(' ');
        if (evenements.takeFirst() == "run")
            w->Command1_Click();
        m_state.masseSolide = 0; // written again only if the constants are recomputed
        // The left arrow of Longueur, the right arrow of Masse.
        const QHash<QString, std::function<void()>> faire {
            {"Command1", [w] { QTest::mouseClick(w->Command1, Qt::LeftButton); }},
            {"Arret", [w] { QTest::mouseClick(w->Arret, Qt::LeftButton); }},
            {"Command2", [w] { QTest::mouseClick(w->Command2, Qt::LeftButton); }},
            {"tick", [w] { emit w->Timer1->Timer(); }},
            {"Longueur", [w] { Probe::click(*w->Longueur, QStyle::SC_ScrollBarSubLine); }},
            {"Masse", [w] { Probe::click(*w->Masse, QStyle::SC_ScrollBarAddLine); }},
            {"Harmonique", [w] { w->Harmonique(2)->setValue(5); }}};
        QImage avant;
        const auto ordonnee = m_state.ordonnee;
        for (const QString &evenement : evenements) {
            avant = w->Picture1->image();
            faire[evenement]();
        }

        QCOMPARE(w->Timer1->Enabled(), enMarcheApres);
        QCOMPARE(w->Command1->isVisible(), !enMarcheApres);
        QCOMPARE(w->Arret->isVisible(), enMarcheApres);
        QCOMPARE(w->Label18->Caption(), QString(enMarcheApres ? "pause" : "animer"));
        QCOMPARE(m_shared.temps, 110.0 + avance);
        QCOMPARE(m_state.masseSolide != 0, constantes);
        // Only the changed control's caption moves: a leading blank, the unit right after.
        const QString longueurs[] = {"100 cm", " 99cm", " 98cm", " 97cm"};
        QCOMPARE(w->Label5->Caption(), longueurs[100 - w->Longueur->Value()]);
        QCOMPARE(w->Label3->Caption(), QString(w->Masse->Value() == 1000 ? "1000 g" : " 1100g"));
        QCOMPARE(Probe::captionFaults(*w).join("; "), QString());
        // The bridge's jaws follow the length.
        QVERIFY(std::abs(w->Shape3(0)->Left() - 10 * w->Longueur->Value()) < 2.2);
        QCOMPARE(w->Shape3(1)->Left(), w->Shape3(0)->Left());
        // On a shorter string the last point is not computed: it keeps its value.
        QVERIFY(w->Longueur->Value() == 100 || m_state.ordonnee[100] == ordonnee[100]);
        if (image == Gardee) {
            QCOMPARE(w->Picture1->image(), avant);
            QCOMPARE(m_state.ordonnee, ordonnee);
        } else if (image == Neuve) {
            QVERIFY(w->Picture1->image() != avant);
            // The frame of the new time up to the bridge, harmonics 1 and 3 at 10 and 7.
            const auto f = EigenModes::FacteursDuTemps({0, 10, 0, 7}, m_state, m_shared.temps);
            for (int i = 1; i <= w->Longueur->Value(); ++i)
                QCOMPARE(m_state.ordonnee[i], EigenModes::Deplacement(f, m_shared, 10.0 * i));
        } else {
            // Wiped up to the bridge, the rest line beyond it; the next tick draws.
            QCOMPARE(Probe::countIn(*w->Picture1, 0, -1, 985, 1, rouge), 0);
            QVERIFY(Probe::near(*w->Picture1, 995, 0, rouge));
        }
    }

    void effacementSansFantome()
    {
        // An arch below the rest line (a quarter period), then the arch above
        // it (three quarters): the first must leave no red pixel behind.
        ModesCorde *w = ouvre();
        m_shared.temps = 638.55 / 4 - 10;
        w->Command2_Click();
        QVERIFY(Probe::countIn(*w->Picture1, 0, 0.05f, 1000, 1, rouge) > 100);
        m_shared.temps = 3 * 638.55 / 4 - 10;
        w->Command2_Click();
        QVERIFY(Probe::near(*w->Picture1, 500, float(m_state.ordonnee[50]), rouge));
        QCOMPARE(Probe::countIn(*w->Picture1, 0, 0.05f, 1000, 1, rouge), 0);
        // On screen the rest line no longer crosses the displaced string.
        QVERIFY(!reposVisible(w, 500));
        QVERIFY(reposVisible(w, 1050));
    }

    void fermeture_data()
    {
        QTest::addColumn<bool>("parQuitter");
        QTest::newRow("Quitter") << true;
        QTest::newRow("frame's close button") << false;
    }

    // The timer stops as the window goes; the run's state is kept for the next one.
    void fermeture()
    {
        QFETCH(bool, parQuitter);
        ModesCorde *w = ouvre();
        w->Longueur->setValue(80);
        w->Command1_Click();
        QTRY_VERIFY(m_shared.temps > 5); // Timer1 ticks on its own
        bool timerALaFermeture = true;
        connect(w, &Form::unloading, this, [&] { timerALaFermeture = w->Timer1->Enabled(); });
        if (parQuitter)
            QTest::mouseClick(w->Command3, Qt::LeftButton);
        else
            w->close();
        QVERIFY(!timerALaFermeture);
        QTRY_VERIFY(m_window.isNull());
        const auto ordonnee = m_state.ordonnee;
        const double temps = m_shared.temps;
        QTest::qWait(80);
        ModesCorde *w2 = ouvre();
        QCOMPARE(m_state.ordonnee, ordonnee);
        QCOMPARE(m_shared.temps, temps);
        QVERIFY(w2->Picture1->isBlank());
        QVERIFY(reposVisible(w2, 500)); // nothing drawn yet: the whole device shows
    }
};

QTEST_MAIN(TestModesCorde)
#include "tst_modescorde.moc"
