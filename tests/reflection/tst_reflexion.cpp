// The incident and reflected waves' window: its two surfaces' pixels, run states, timed runs.
#include "reflection/reflexion.h"

#include "controls/controls.h"
#include "controls/formtimer.h"
#include "support/imageprobe.h"

#include <QtTest>

#include <cmath>
#include <functional>

namespace {

const QColor vert(0, 200, 150);
const QColor bleu(0, 0, 255);
const QColor cramoisi(200, 50, 100);
const QColor rouge(255, 0, 0);

enum class Etat { Arrete, Anime, Minute, Fige, Decharge, Incoherent };

// Where the red hand points, in degrees clockwise from three o'clock, read from the bar it draws
// (a hand along an axis is two pixels thick); −1 if none.
int directionAiguille(const DrawingSurface &pendule)
{
    const QRect barre = Probe::matching(pendule.image(), rouge).bounds;
    const QPointF vers = QRectF(barre).center() - QRectF(pendule.image().rect()).center();
    if (std::min(barre.width(), barre.height()) != 2)
        return -1;
    return int(std::lround(std::atan2(vers.y(), vers.x()) * 2 / M_PI) + 4) % 4 * 90;
}

} // namespace

class TestReflexion : public QObject
{
    Q_OBJECT

    SharedVariables m_shared;
    ReflectionState m_state;
    QPointer<Reflexion> w;
    // An event from a state: the state it leads to, tFin and temps after it.
    using Transition = std::tuple<Etat, QString, Etat, double, double>;

    Etat etat() const
    {
        if (w.isNull())
            return Etat::Decharge;
        // Exactly one of go and pause is shown, and Label7 names it.
        const bool pauseMontre = !w->pause->isHidden();
        if (pauseMontre == !w->go->isHidden()
            || w->Label7->Caption() != (pauseMontre ? "pause" : "animer"))
            return Etat::Incoherent;
        if (w->Timer1->Enabled())
            return pauseMontre ? Etat::Anime : Etat::Minute;
        return pauseMontre ? Etat::Fige : Etat::Arrete;
    }

    void redessine(double temps)
    {
        m_shared.temps = temps;
        w->EffaceDessins();
        w->DessineImage();
    }

private slots:
    void init()
    {
        m_shared = SharedVariables {};
        m_state = ReflectionState {};
        w = new Reflexion(nullptr, m_shared, m_state);
        w->show();
    }

    void cleanup() { delete w; }

    void frames_data()
    {
        // Each wave as a·cos(2πx/λ) + b·sin(2πx/λ) (incident a, b, reflected a, b), the sum as
        // s·sin(2πx/λ), and the hand in degrees clockwise from three o'clock.
        QTest::addColumn<double>("temps");
        QTest::addColumn<QList<double>>("courbes");
        QTest::addColumn<int>("aiguille");
        QTest::newRow("0, at load") << 0.0 << QList<double> {1, 0, -1, 0, 0} << 270;
        QTest::newRow("T/4") << 2.0 << QList<double> {0, 1, 0, 1, 2} << 0;
        QTest::newRow("3T/4") << 6.0 << QList<double> {0, -1, 0, -1, -2} << 180;
    }

    void frames()
    {
        QFETCH(double, temps);
        QFETCH(QList<double>, courbes);
        QFETCH(int, aiguille);
        if (temps != 0)
            redessine(temps);
        QCOMPARE(directionAiguille(*w->pendule), aiguille);
        for (double x = 5.5; x < 100; x += 10) {
            const double c = std::cos(M_PI * x / 100);
            const double s = std::sin(M_PI * x / 100);
            const double yi = 25 + 10 * (courbes[0] * c + courbes[1] * s);
            const double yr = 24.8 + 10 * (courbes[2] * c + courbes[3] * s);
            const double ys = 25 + 10 * courbes[4] * s;
            QVERIFY2(Probe::near(*w->Picture1, float(x), float(ys), cramoisi),
                     qPrintable(QString::number(x)));
            QVERIFY(std::abs(yi - ys) < 1
                    || Probe::near(*w->Picture1, float(x), float(yi), vert, 2));
            QVERIFY(std::abs(yr - ys) < 1 || Probe::near(*w->Picture1, float(x), float(yr), bleu));
        }
    }

    void transitions_data()
    {
        QTest::addColumn<Transition>("transition");
        const auto row
            = [](Etat depart, const char *evenement, Etat arrivee, double tFin, double temps) {
                  const char *const noms[] = {"stopped", "animating", "timed run", "frozen"};
                  QTest::addRow("%s, %s", noms[int(depart)], evenement)
                      << Transition {depart, evenement, arrivee, tFin, temps};
              };
        const Etat A = Etat::Arrete, N = Etat::Anime, M = Etat::Minute, F = Etat::Fige;
        // Before each event temps is 0.85 s and tFin is armed at 0.95 s.
        row(A, "go", N, 0.95, 0.85);
        row(M, "go", N, 0.95, 0.85);
        row(N, "pause", A, 0.95, 0.85);
        row(F, "pause", A, 0.95, 0.85);
        row(A, "Command1", M, 2.85, 0.85);
        row(N, "Command1", N, 2.85, 0.85);
        row(M, "Command1", M, 2.85, 0.85);
        row(F, "Command1", N, 2.85, 0.85);
        row(A, "Command4", A, 0.95, 0);
        row(N, "Command4", F, 0.95, 0);
        row(M, "Command4", A, 0.95, 0);
        row(F, "Command4", F, 0.95, 0);
        row(N, "tick", N, 0.95, 0.9);
        row(M, "tick", M, 0.95, 0.9);
        row(N, "ticks to tFin", F, 0, 0.95);
        row(M, "ticks to tFin", A, 0, 0.95);
        // Once a timed run has ended nothing is armed: "animer" runs on.
        row(M, "ticks to tFin, go, tick", N, 0, 1);
        row(A, "pas, Command2", A, 0.95, 0.85);
        row(A, "Command4, Command2", A, 0.95, -0.05);
        for (Etat e : {A, N, M, F}) {
            row(e, "pas", A, 0.95, 0.9);
            row(e, "Command2", A, 0.95, 0.8);
            row(e, "Mode", e, 0.95, 0);
            row(e, "celerite", e, 0.95, 0.425);
            row(e, "Command3", Etat::Decharge, 0.95, 0.85);
        }
    }

    void transitions()
    {
        QFETCH(Transition, transition);
        const auto &[depart, evenement, arrivee, tFin, temps] = transition;
        const QHash<QString, std::function<void()>> evenements {
            {"go", [this] { w->go->click(); }},
            {"pause", [this] { w->pause->click(); }},
            {"pas", [this] { w->pas->click(); }},
            {"Command2", [this] { w->Command2->click(); }},
            {"Command1", [this] { w->Command1->click(); }},
            {"Command4", [this] { w->Command4->click(); }},
            {"Command3", [this] { w->Command3->click(); }},
            {"Mode", [this] { w->Mode->setValue(4); }},
            {"celerite", [this] { w->celerite->setValue(50); }},
            {"tick", [this] { w->Timer1_Timer(); }},
            // The second tick reaches tFin and stops the timer.
            {"ticks to tFin", [this] { w->Timer1_Timer(), w->Timer1_Timer(); }},
        };
        const QStringList entrees {"", "go", "Command1", "go, Command4"};
        for (const QString &e : entrees[int(depart)].split(", ", Qt::SkipEmptyParts))
            evenements[e]();
        QCOMPARE(etat(), depart);
        redessine(0.85);
        m_state.tFin = 0.95;

        for (const QString &e : evenement.split(", "))
            evenements[e]();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(etat(), arrivee);
        QCOMPARE(m_state.tFin, tFin);
        QCOMPARE(m_shared.temps, temps);
        if (w.isNull())
            return;
        // Whatever the event, the frame at temps as drawn afresh: a tick leaves no ghost; the step
        // back erases other strokes, which may nick the curves at a few pixels.
        const QImage image = w->Picture1->image();
        const QImage cadran = w->pendule->image();
        redessine(m_shared.temps);
        int differences = 0;
        for (const QColor &couleur : {vert, bleu, cramoisi})
            differences += Probe::extra(w->Picture1->image(), image, couleur)
                + Probe::extra(image, w->Picture1->image(), couleur);
        QVERIFY(differences <= (evenement.contains("Command2") ? 40 : 0));
        QCOMPARE(w->pendule->image(), cadran);
    }

    // The speed caption in cm/s; "image suivante" and "image précédente" each on one line.
    void captions()
    {
        w->celerite->setValue(26);
        QCOMPARE(w->Label6->Caption(), QString(" 2.6 cm/s"));
        QCOMPARE(Probe::captionFaults(*w).join("; "), QString());
        for (Label *label : w->findChildren<Label *>()) {
            if (label->Caption().startsWith("image"))
                QVERIFY2(Probe::ink(*label).height() <= QFontMetrics(label->font()).height(),
                         qPrintable(label->Caption()));
        }
    }
};

QTEST_MAIN(TestReflexion)
#include "tst_reflexion.moc"
