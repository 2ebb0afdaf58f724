// The incident and reflected waves: the model's against the standing wave they add up to on a
// string 100 mm long fixed at both ends; the window's two surfaces' pixels, run states, timed runs.
#include "reflection/reflexion.h"
#include "support/fakepanel.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QAccessible>
#include <QtTest>

#include <cmath>

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

struct Fenetre : ModuleWindow<Reflexion, ReflectionState>
{
    Fenetre() { window->show(); }

    Etat etat() const
    {
        if (closed())
            return Etat::Decharge;
        // Exactly one of go and pause is shown, and Label7 names it.
        const bool pauseMontre = shown("pause");
        if (pauseMontre == shown("go") || caption("Label7") != (pauseMontre ? "pause" : "animer"))
            return Etat::Incoherent;
        return ticking() ? (pauseMontre ? Etat::Anime : Etat::Minute)
                         : (pauseMontre ? Etat::Fige : Etat::Arrete);
    }

    // Ticks until a timed run ends.
    void jusquaFin()
    {
        for (int i = 0; i < 200 && ticking(); ++i)
            tick();
    }
};

} // namespace

class TestReflection : public QObject
{
    Q_OBJECT

    // An event from a state: the state it leads to, tFin and temps after it.
    using Transition = std::tuple<Etat, QString, Etat, double, double>;
    using Image = std::tuple<int, QList<double>, int>;

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
        const FakePanel panneau {{{"Mode", mode}, {"celerite", 25}}}; // k, and c in mm/s
        SharedVariables shared;
        ReflectionState state;
        ReflectionModel modele {shared, state, panneau};
        modele.calculeConstantes();
        // k half-wavelengths on the string, f = c / λ; the lesson's 6.2832 for 2π.
        const double lambda = 200.0 / mode;
        const double f = 25 / lambda;
        QVERIFY(std::abs(shared.frequence / f - 1) < 1e-12);
        // The description names k + 1 points from end to end, each still at every instant below.
        const QString texte = QString::fromStdString(modele.descriptionOndes());
        QList<double> noeuds;
        for (const QString &n : texte.section(" nœuds à ", 1)
                                    .section(" mm", 0, 0)
                                    .split(QRegularExpression(" et |, | ; ")))
            noeuds << QLocale(QLocale::French).toDouble(n);
        QVERIFY2(texte.contains(QStringLiteral("rang %1 ").arg(mode)) && noeuds.size() == mode + 1
                     && noeuds.front() == 0 && noeuds.back() == 100
                     && std::is_sorted(noeuds.begin(), noeuds.end(), std::less_equal<>()),
                 qPrintable(texte));
        const auto incidente
            = [&](double x, double t) { return std::cos(6.2832 * (f * t - x / lambda)); };
        const auto reflechie
            = [&](double x, double t) { return -std::cos(6.2832 * (x / lambda + f * t)); };
        // Over a period either side of 0, and ten minutes into a lesson.
        for (int i = -40; i <= 41; ++i) {
            const double t = i <= 40 ? i / (40 * f) : 600;
            const ReflectionModel::Ondes o = modele.ondes(t);
            for (int x = 0; x <= 100; ++x) {
                QVERIFY(std::abs(o.incidente[x] - incidente(x, t)) < 1e-12
                        && std::abs(o.reflechie[x] - reflechie(x, t)) < 1e-12);
                QVERIFY(std::abs(modele.OndeResultante(x, t) - incidente(x, t) - reflechie(x, t))
                        < 1e-12);
            }
            // Both ends are nodes at every instant, and so is every λ/2 between them.
            QVERIFY(modele.OndeResultante(0, t) == 0.0);
            for (int k = 1; k <= mode; ++k)
                QVERIFY(std::abs(modele.OndeResultante(k * lambda / 2, t)) < 2e-4);
            // Within the 0.05 mm of a rounded node the sum, of slope 4π/λ there, stays that small.
            for (double x : noeuds)
                QVERIFY(std::abs(modele.OndeResultante(x, t)) < 0.2 * M_PI / lambda + 2e-4);
        }
    }

    void frames_data()
    {
        // Quarter-period runs, each to its end; each wave as a·cos(2πx/λ) + b·sin(2πx/λ)
        // (incident a, b, reflected a, b), the sum as s·sin(2πx/λ), and the hand in degrees
        // clockwise from three o'clock.
        QTest::addColumn<Image>("image");
        QTest::newRow("0, at load") << Image {0, {1, 0, -1, 0, 0}, 270};
        QTest::newRow("T/4") << Image {1, {0, 1, 0, 1, 2}, 0};
        QTest::newRow("3T/4") << Image {3, {0, -1, 0, -1, -2}, 180};
    }

    void frames()
    {
        QFETCH(Image, image);
        const auto &[quarts, courbes, aiguille] = image;
        Fenetre f;
        for (int i = 0; i < quarts; ++i) {
            f.click("Command1");
            f.jusquaFin();
        }
        // k = 1 at 25 mm/s: T = 8 s; each run stops on the frame exactly at its end.
        QCOMPARE(f.shared.temps, 2.0 * quarts);
        QCOMPARE(directionAiguille(f.picture("pendule")), aiguille);
        // Read as an image, the dial says its phase: a quarter turn each quarter period.
        const QAccessibleInterface *cadran
            = QAccessible::queryAccessibleInterface(&f.picture("pendule"));
        QCOMPARE(cadran->role(), QAccessible::Graphic);
        QVERIFY2(cadran->text(QAccessible::Description)
                     .startsWith(QStringLiteral("Cadran : phase %1°").arg(90 * quarts)),
                 qPrintable(cadran->text(QAccessible::Description)));
        for (double x = 5.5; x < 100; x += 10) {
            const double c = std::cos(M_PI * x / 100);
            const double s = std::sin(M_PI * x / 100);
            const double yi = 25 + 10 * (courbes[0] * c + courbes[1] * s);
            const double yr = 24.8 + 10 * (courbes[2] * c + courbes[3] * s);
            const double ys = 25 + 10 * courbes[4] * s;
            const DrawingSurface &p = f.picture();
            QVERIFY2(Probe::near(p, float(x), float(ys), cramoisi), qPrintable(QString::number(x)));
            QVERIFY(std::abs(yi - ys) < 1 || Probe::near(p, float(x), float(yi), vert, 2));
            QVERIFY(std::abs(yr - ys) < 1 || Probe::near(p, float(x), float(yr), bleu));
        }
        // The speed in cm/s; "image suivante" and "image précédente" each on one line.
        f.bar("celerite").setValue(26);
        QCOMPARE(f.caption("Label6"), QString(" 2.6 cm/s"));
        QCOMPARE(Probe::captionFaults(*f.window).join("; "), QString());
        for (Label *label : f.window->findChildren<Label *>())
            QVERIFY(!label->Caption().startsWith("image")
                    || Probe::ink(*label).height() <= QFontMetrics(label->font()).height());
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
        // Before each event tFin is armed at 2 s (T/4) and temps is 0.85 s, 0 when frozen.
        row(A, "go", N, 2, 0.85);
        row(M, "go", N, 2, 0.85);
        row(N, "pause", A, 2, 0.85);
        row(F, "pause", A, 2, 0);
        row(A, "Command1", M, 2.85, 0.85);
        row(N, "Command1", N, 2.85, 0.85);
        row(M, "Command1", M, 2.85, 0.85);
        row(F, "Command1", N, 2, 0);
        row(A, "Command4", A, 2, 0);
        row(N, "Command4", F, 2, 0);
        row(M, "Command4", A, 2, 0);
        row(F, "Command4", F, 2, 0);
        row(N, "tick", N, 2, 0.9);
        row(M, "tick", M, 2, 0.9);
        row(N, "ticks to tFin", F, 0, 2);
        row(M, "ticks to tFin", A, 0, 2);
        // Once a timed run has ended nothing is armed: "animer" runs on.
        row(M, "ticks to tFin, go, tick", N, 0, 2.05);
        row(A, "pas, Command2", A, 2, 0.85);
        row(A, "Command4, Command2", A, 2, -0.05);
        for (Etat e : {A, N, M, F}) {
            const double temps = e == F ? 0 : 0.85;
            row(e, "pas", A, 2, temps + 0.05);
            row(e, "Command2", A, 2, temps - 0.05);
            row(e, "Mode", e, 2, 0);
            row(e, "celerite", e, 2, temps / 2);
            row(e, "Command3", Etat::Decharge, 2, temps);
        }
    }

    void transitions()
    {
        QFETCH(Transition, transition);
        const auto &[depart, evenement, arrivee, tFin, temps] = transition;
        Fenetre f;
        // A quarter-period run armed at 0, then 0.85 s in seventeen steps, or ticks of that run.
        f.click("Command1");
        if (depart == Etat::Minute)
            f.tick(17);
        else
            f.click(QString("pas ").repeated(17)
                    + QStringList {"", "go", "", "go Command4"}[int(depart)]);
        QCOMPARE(f.etat(), depart);

        for (const QString &e : evenement.split(", ")) {
            if (e == "Mode" || e == "celerite")
                f.bar(e).setValue(e == "Mode" ? 4 : 50);
            else
                e == "tick" ? f.tick() : e == "ticks to tFin" ? f.jusquaFin() : f.click(e);
        }
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCOMPARE(f.etat(), arrivee);
        QCOMPARE(f.state.tFin, tFin);
        QCOMPARE(f.shared.temps, temps);
        if (f.closed())
            return;
        // Whatever the event, the frame at temps as drawn afresh: a tick leaves no ghost; the step
        // back erases other strokes, which may nick the curves at a few pixels.
        // A new speed keeps the phase on display, and the speed it had brings back its own temps
        // (a factor 2 and then ½, both exact).
        const QImage image = f.picture().image();
        const QImage cadran = f.picture("pendule").image();
        const int celerite = f.bar("celerite").Value();
        f.bar("celerite").setValue(celerite == 25 ? 50 : 25);
        f.bar("celerite").setValue(celerite);
        const QImage afresh = f.picture().image();
        int differences = 0;
        for (const QColor &couleur : {vert, bleu, cramoisi})
            differences
                += Probe::extra(afresh, image, couleur) + Probe::extra(image, afresh, couleur);
        QVERIFY(differences <= (evenement.contains("Command2") ? 40 : 0));
        QCOMPARE(f.picture("pendule").image(), cadran);
    }
};

QTEST_MAIN(TestReflection)
#include "tst_reflection.moc"
