#include "reflexion.h"

#include "controls.h"
#include "drawingsurface.h"
#include "formtimer.h"

#include <QPointer>
#include <QtTest>

#include <cmath>
#include <memory>

// The incident-and-reflected-waves window: its frames and dial by pixels of
// its two drawing surfaces, its four run states and their transitions, the
// quarter-period run and the speed change. Ticks are driven by calling
// Timer1_Timer directly.

namespace {

const QColor blanc(255, 255, 255);
const QColor vert(0, 200, 150);
const QColor bleu(0, 0, 255);
const QColor cramoisi(200, 50, 100);
const QColor rouge(255, 0, 0);
const QColor noir(0, 0, 0);

// The four run states, and a fifth for buttons and caption that disagree.
enum class Etat { Arrete, Anime, Minute, Fige, Incoherent };

const char *nom(Etat etat)
{
    switch (etat) {
    case Etat::Arrete: return "stopped";
    case Etat::Anime: return "animating";
    case Etat::Minute: return "timed run";
    case Etat::Fige: return "frozen";
    case Etat::Incoherent: return "inconsistent";
    }
    return "";
}

// Whether `couleur` lies within `rayon` pixels of the user point (x, y).
bool couleurPres(const DrawingSurface *surface, double x, double y, const QColor &couleur,
                 int rayon = 1)
{
    const QImage &image = surface->image();
    const QPointF p = surface->scale().toPixels(float(x), float(y)) * image.devicePixelRatio();
    for (int dy = -rayon; dy <= rayon; ++dy) {
        for (int dx = -rayon; dx <= rayon; ++dx) {
            const QPoint q(int(std::floor(p.x())) + dx, int(std::floor(p.y())) + dy);
            if (image.rect().contains(q) && image.pixelColor(q) == couleur)
                return true;
        }
    }
    return false;
}

// Two pictures of one frame reached from different previous frames differ
// only where a white stroke erasing the previous frame nicked the edge of a
// curve at a segment joint: each differing pixel is white in one picture,
// with the other picture's colour within one pixel of it, and they are few.
bool memeImage(const QImage &a, const QImage &b, int maximum = 40)
{
    if (a.size() != b.size())
        return false;
    const QRgb fond = qRgb(255, 255, 255);
    int differences = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            const QRgb pa = a.pixel(x, y) | 0xff000000u;
            const QRgb pb = b.pixel(x, y) | 0xff000000u;
            if (pa == pb)
                continue;
            if (++differences > maximum || (pa != fond && pb != fond))
                return false;
            const QImage &blanche = (pa == fond) ? a : b;
            const QRgb trait = (pa == fond) ? pb : pa;
            bool voisin = false;
            for (int dy = -1; dy <= 1 && !voisin; ++dy) {
                for (int dx = -1; dx <= 1 && !voisin; ++dx) {
                    const QPoint q(x + dx, y + dy);
                    voisin = blanche.rect().contains(q) && (blanche.pixel(q) | 0xff000000u) == trait;
                }
            }
            if (!voisin)
                return false;
        }
    }
    return true;
}

// The dial along the direction `degres` (clockwise from three o'clock) at
// two radii inside the hand's length.
bool aiguilleVers(const DrawingSurface *pendule, double degres, const QColor &couleur)
{
    const double a = degres * M_PI / 180;
    for (double r : {0.3, 0.6}) {
        if (pendule->pixelAt(float(1 + r * std::cos(a)), float(1 + r * std::sin(a))) != couleur)
            return false;
    }
    return true;
}

// The one direction among the four quarters where the hand points.
int directionAiguille(const DrawingSurface *pendule)
{
    int trouvee = -1;
    for (int degres : {0, 90, 180, 270}) {
        if (aiguilleVers(pendule, degres, rouge)) {
            if (trouvee >= 0)
                return -2;
            trouvee = degres;
        } else if (!aiguilleVers(pendule, degres, blanc)) {
            return -3;
        }
    }
    return trouvee;
}

} // namespace

class TestReflexion : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void loadShowsTheFirstFrame();
    void dialFace();
    void curvesAtQuarterPeriod();
    void sumDrawnLastInEachSegment();
    void handAtEachQuarter_data();
    void handAtEachQuarter();
    void stepThenStepBackReturnsToTheFrame();
    void stepBackFromZeroGoesNegative();
    void quarterPeriodRunFromZero();
    void ticksEraseThePreviousFrame();
    void transitions_data();
    void transitions();
    void stopTimeSurvivesPause();
    void stopTimeSurvivesReset();
    void stopTimeSurvivesModeChange();
    void stopTimeAlreadyPassed();
    void stopTimeZeroIsNotArmed();
    void speedChangeKeepsThePicture();
    void captions_data();
    void captions();
    void quitStopsAndCloses();
    void closingFromTheFrameStopsTheTimer();
    void reopeningStartsAfreshButKeepsStopTime();

private:
    Etat etat() const;
    void entre(Etat etat);
    void tickJusquArret(int maximum, int *ticks = nullptr);
    void redessine(double temps);

    std::unique_ptr<SharedVariables> m_shared;
    std::unique_ptr<ReflectionState> m_state;
    QPointer<Reflexion> w;
};

void TestReflexion::init()
{
    m_shared = std::make_unique<SharedVariables>();
    m_state = std::make_unique<ReflectionState>();
    w = new Reflexion(nullptr, *m_shared, *m_state);
    w->show();
}

void TestReflexion::cleanup()
{
    delete w;
}

Etat TestReflexion::etat() const
{
    const bool pauseMontre = !w->pause->isHidden();
    // Exactly one of go and pause is shown, and Label7 names it.
    if (pauseMontre == !w->go->isHidden()
        || w->Label7->Caption() != (pauseMontre ? "pause" : "animer"))
        return Etat::Incoherent;
    if (w->Timer1->Enabled())
        return pauseMontre ? Etat::Anime : Etat::Minute;
    return pauseMontre ? Etat::Fige : Etat::Arrete;
}

void TestReflexion::entre(Etat etat)
{
    switch (etat) {
    case Etat::Arrete:
        break;
    case Etat::Anime:
        w->go->click();
        break;
    case Etat::Minute:
        w->Command1->click();
        break;
    case Etat::Fige:
        w->go->click();
        w->Timer1_Timer();
        w->Command4->click();
        break;
    case Etat::Incoherent:
        QFAIL("not a state of the window");
    }
    QCOMPARE(this->etat(), etat);
}

void TestReflexion::tickJusquArret(int maximum, int *ticks)
{
    int n = 0;
    while (w->Timer1->Enabled() && n < maximum) {
        w->Timer1_Timer();
        ++n;
    }
    if (ticks)
        *ticks = n;
}

void TestReflexion::redessine(double temps)
{
    m_shared->temps = temps;
    w->EffaceDessins();
    w->DessineImage();
}

void TestReflexion::loadShowsTheFirstFrame()
{
    QVERIFY(!w->Timer1->Enabled());
    QCOMPARE(w->Timer1->Interval(), 25);
    QCOMPARE(etat(), Etat::Arrete);
    QVERIFY(m_shared->temps == 0.0);
    QCOMPARE(m_shared->dt, 0.05);
    QCOMPARE(m_state->periode, 8.0);
    QCOMPARE(w->Label3->Caption(), QString("1"));
    QCOMPARE(w->Label6->Caption(), QString("2,5 cm/s"));
    QCOMPARE(w->windowTitle(), QString("Superposition d'une onde incidente et d'une onde rfléchie"));

    // At time 0 the sum is flat on the rest line and the two waves are
    // mirror images, the reflected one 0.2 higher.
    for (int x = 5; x <= 95; x += 10) {
        const double c = std::cos(6.2832 * (x + 0.5) / 200);
        QVERIFY2(couleurPres(w->Picture1, x + 0.5, 25, cramoisi), qPrintable(QString::number(x)));
        if (std::abs(c) > 0.1) {
            QVERIFY(couleurPres(w->Picture1, x + 0.5, 25 + 10 * c, vert));
            QVERIFY(couleurPres(w->Picture1, x + 0.5, 24.8 - 10 * c, bleu));
        }
    }
    // All three cross the rest line in the middle, where the sum, drawn last
    // in each segment, covers the two waves.
    QCOMPARE(w->Picture1->pixelAt(50, 25), cramoisi);
    QCOMPARE(w->Picture1->pixelAt(50.5f, 25), cramoisi);
    // No crimson pixel off the rest line.
    const QImage &image = w->Picture1->image();
    for (int py = 0; py < image.height(); ++py) {
        const double y = w->Picture1->scale().toUser(QPointF(0, py / image.devicePixelRatio())).y();
        for (int px = 0; px < image.width(); ++px) {
            if (image.pixelColor(px, py) == cramoisi)
                QVERIFY2(std::abs(y - 25) < 0.3, qPrintable(QString::number(y)));
        }
    }
    QCOMPARE(directionAiguille(w->pendule), 270);
}

void TestReflexion::dialFace()
{
    // Outside the face: the surface's own colour; rim black; blank centre.
    QCOMPARE(w->pendule->pixelAt(0.05f, 0.05f), QColor(192, 192, 255));
    QCOMPARE(w->pendule->pixelAt(1.0f, 1.98f), noir);
    QCOMPARE(w->pendule->pixelAt(1.5f, 1.4f), blanc);
    // 36 ticks on the rim, one every 10 degrees, nothing in between.
    for (int a = 0; a < 360; a += 10) {
        const double r = a * M_PI / 180;
        QVERIFY2(couleurPres(w->pendule, 1 + 0.9 * std::cos(r), 1 + 0.9 * std::sin(r), noir),
                 qPrintable(QString::number(a)));
        const double m = (a + 5) * M_PI / 180;
        QVERIFY(!couleurPres(w->pendule, 1 + 0.9 * std::cos(m), 1 + 0.9 * std::sin(m), noir, 2));
    }
}

void TestReflexion::curvesAtQuarterPeriod()
{
    redessine(2);
    // Incident and reflected waves coincide (the reflected 0.2 above); the sum
    // swings fully, 2·sin(2πx/λ).
    for (int x = 5; x <= 95; x += 10) {
        const double s = std::sin(6.2832 * (x + 0.5) / 200);
        QVERIFY2(couleurPres(w->Picture1, x + 0.5, 25 + 20 * s, cramoisi),
                 qPrintable(QString::number(x)));
        QVERIFY2(couleurPres(w->Picture1, x + 0.5, 25 + 10 * s, vert, 2), qPrintable(QString::number(x)));
        QVERIFY2(couleurPres(w->Picture1, x + 0.5, 24.8 + 10 * s, bleu, 1), qPrintable(QString::number(x)));
        QVERIFY(!couleurPres(w->Picture1, x + 0.5, 25, cramoisi, 2));
    }
}

void TestReflexion::sumDrawnLastInEachSegment()
{
    // Three loops at an instant where the waves cross the sum in many places.
    w->Mode->setValue16(3);
    redessine(0.7);
    ReflectionModel model(*m_shared, *m_state);
    const DrawingSurface *p = w->Picture1;
    const QImage &image = p->image();
    const qreal ratio = image.devicePixelRatio();
    int verifies = 0;
    for (int i = 1; i <= 100; ++i) {
        // Columns in the middle of segment i, which no other segment reaches:
        // the last stroke there is segment i's sum, so every pixel on its
        // centre line is crimson, wherever the waves cross it.
        const QPointF a = p->scale().toPixels(float(i - 1), float(model.yResultante(i - 1, 0.7)));
        const QPointF b = p->scale().toPixels(float(i), float(model.yResultante(i, 0.7)));
        const QPointF d = b - a;
        const double longueur = std::hypot(d.x(), d.y());
        for (int px = int(std::ceil((a.x() + 0.3 * d.x()) * ratio));
             px <= int(std::floor((a.x() + 0.7 * d.x()) * ratio)); ++px) {
            for (int py = 0; py < image.height(); ++py) {
                const QPointF c = QPointF(px + 0.5, py + 0.5) / ratio - a;
                const double distance = std::abs(c.x() * d.y() - c.y() * d.x()) / longueur;
                if (distance < 0.4) {
                    QVERIFY2(image.pixelColor(px, py) == cramoisi,
                             qPrintable(QString("segment %1 pixel %2,%3").arg(i).arg(px).arg(py)));
                    ++verifies;
                }
            }
        }
    }
    QVERIFY(verifies > 100);
}

void TestReflexion::handAtEachQuarter_data()
{
    QTest::addColumn<double>("temps");
    QTest::addColumn<int>("degres");
    QTest::newRow("0: twelve o'clock") << 0.0 << 270;
    QTest::newRow("T/4: three o'clock") << 2.0 << 0;
    QTest::newRow("T/2: six o'clock") << 4.0 << 90;
    QTest::newRow("3T/4: nine o'clock") << 6.0 << 180;
    QTest::newRow("T: twelve again") << 8.0 << 270;
    QTest::newRow("11T/4: not reduced") << 22.0 << 180;
}

void TestReflexion::handAtEachQuarter()
{
    QFETCH(double, temps);
    QFETCH(int, degres);
    redessine(temps);
    QCOMPARE(directionAiguille(w->pendule), degres);
    // The hand ends short of the ticks.
    const double a = degres * M_PI / 180;
    QCOMPARE(w->pendule->pixelAt(float(1 + 0.76 * std::cos(a)), float(1 + 0.76 * std::sin(a))),
             blanc);
}

void TestReflexion::stepThenStepBackReturnsToTheFrame()
{
    for (int i = 0; i < 7; ++i)
        w->Timer1_Timer();
    w->pas->click();
    const double temps = m_shared->temps;
    const QImage image = w->Picture1->image();
    const QImage cadran = w->pendule->image();

    w->pas->click();
    QVERIFY(!memeImage(w->Picture1->image(), image));
    w->Command2->click();
    QCOMPARE(m_shared->dt, 0.05);
    QVERIFY(std::abs(m_shared->temps - temps) < 1e-12);
    QVERIFY(memeImage(w->Picture1->image(), image));
    QCOMPARE(w->pendule->image(), cadran);
    QCOMPARE(etat(), Etat::Arrete);
}

void TestReflexion::stepBackFromZeroGoesNegative()
{
    w->Command2->click();
    QVERIFY(std::abs(m_shared->temps + 0.05) < 1e-12);
    QCOMPARE(m_shared->dt, 0.05);
    const QImage image = w->Picture1->image();
    const QImage cadran = w->pendule->image();
    // The same frame as drawn afresh at -0.05 s: the hand is back past
    // twelve o'clock and the frame at 0 is gone.
    redessine(m_shared->temps);
    QCOMPARE(w->pendule->image(), cadran);
    QVERIFY(memeImage(w->Picture1->image(), image));
    // At 0.6 above the centre the hand, turned back by 2.25°, passes at
    // x = 1 - 0.6 tan 2.25° ≈ 0.976: red just left of the vertical, none right.
    bool gauche = false;
    for (float x = 0.95f; x <= 1.0f; x += 0.005f)
        gauche = gauche || w->pendule->pixelAt(x, 0.4f) == rouge;
    QVERIFY(gauche);
    QVERIFY(w->pendule->pixelAt(1.03f, 0.4f) != rouge);
}

void TestReflexion::quarterPeriodRunFromZero()
{
    w->Command1->click();
    QVERIFY(m_state->tFin == 2.0);
    QCOMPARE(etat(), Etat::Minute);
    int ticks = 0;
    tickJusquArret(100, &ticks);
    QCOMPARE(ticks, 40);
    QVERIFY(m_shared->temps == 2.0);
    QVERIFY(m_state->tFin == 0.0);
    QCOMPARE(etat(), Etat::Arrete);
    QCOMPARE(directionAiguille(w->pendule), 0);
}

void TestReflexion::ticksEraseThePreviousFrame()
{
    w->Mode->setValue16(3);
    for (int i = 0; i < 37; ++i)
        w->Timer1_Timer();
    const QImage image = w->Picture1->image();
    const QImage cadran = w->pendule->image();
    // Drawn on a cleared picture the same frame gives the same pixels: no
    // trace of the earlier frames is left.
    redessine(m_shared->temps);
    QCOMPARE(w->Picture1->image(), image);
    QCOMPARE(w->pendule->image(), cadran);
    // And the frame is whole: the erasing strokes left every curve in place.
    ReflectionModel model(*m_shared, *m_state);
    const double t = m_shared->temps;
    for (int x = 0; x < 100; ++x) {
        const double m = x + 0.5;
        QVERIFY2(couleurPres(w->Picture1, m, model.yResultante(m, t), cramoisi),
                 qPrintable(QString::number(x)));
        if (std::abs(model.yIncidente(m, t) - model.yResultante(m, t)) > 1)
            QVERIFY(couleurPres(w->Picture1, m, model.yIncidente(m, t), vert));
        if (std::abs(model.yReflechie(m, t) - model.yResultante(m, t)) > 1)
            QVERIFY(couleurPres(w->Picture1, m, model.yReflechie(m, t), bleu));
    }
}

void TestReflexion::transitions_data()
{
    QTest::addColumn<Etat>("depart");
    QTest::addColumn<QString>("evenement");
    QTest::addColumn<Etat>("arrivee");

    const Etat A = Etat::Arrete, N = Etat::Anime, M = Etat::Minute, F = Etat::Fige;
    const auto row = [](Etat depart, const char *evenement, Etat arrivee) {
        QTest::addRow("%s, %s", nom(depart), evenement) << depart << QString(evenement) << arrivee;
    };
    row(A, "go", N);
    row(M, "go", N);
    row(N, "pause", A);
    row(F, "pause", A);
    for (Etat e : {A, N, M, F}) {
        row(e, "pas", A);
        row(e, "Command2", A);
        row(e, "celerite", e);
    }
    row(A, "Command1", M);
    row(N, "Command1", N);
    row(M, "Command1", M);
    row(F, "Command1", N);
    row(A, "Command4", A);
    row(N, "Command4", F);
    row(M, "Command4", A);
    row(F, "Command4", F);
    row(N, "tFin", F);
    row(M, "tFin", A);
    row(A, "Mode", A);
    row(N, "Mode", N);
    row(M, "Mode", M);
    row(F, "Mode", F);
}

void TestReflexion::transitions()
{
    QFETCH(Etat, depart);
    QFETCH(QString, evenement);
    QFETCH(Etat, arrivee);

    entre(depart);
    redessine(0.85);
    if (evenement == "tFin") {
        // Arm the stop two ticks ahead, by the button for a timed run and
        // directly for an animation (Command1 would leave it animating too).
        m_state->tFin = m_shared->temps + 0.1;
    }
    const double temps = m_shared->temps;
    const double tFin = m_state->tFin;

    if (evenement == "go")
        w->go->click();
    else if (evenement == "pause")
        w->pause->click();
    else if (evenement == "pas")
        w->pas->click();
    else if (evenement == "Command2")
        w->Command2->click();
    else if (evenement == "Command1")
        w->Command1->click();
    else if (evenement == "Command4")
        w->Command4->click();
    else if (evenement == "Mode")
        w->Mode->setValue16(4);
    else if (evenement == "celerite")
        w->celerite->setValue16(50);
    else if (evenement == "tFin")
        tickJusquArret(10);

    QCOMPARE(etat(), arrivee);
    if (evenement == "Command1") {
        QCOMPARE(m_state->tFin, temps + 2);
    } else if (evenement == "tFin") {
        QVERIFY(m_shared->temps == tFin);
        QVERIFY(m_state->tFin == 0.0);
    } else {
        QVERIFY(m_state->tFin == tFin);
    }
    if (evenement == "Command4" || evenement == "Mode")
        QVERIFY(m_shared->temps == 0.0);
    if (evenement == "pas")
        QVERIFY(std::abs(m_shared->temps - (temps + 0.05)) < 1e-12);
    if (evenement == "Command2")
        QVERIFY(std::abs(m_shared->temps - (temps - 0.05)) < 1e-12);
    if (evenement == "celerite")
        QVERIFY(std::abs(m_shared->temps - temps / 2) < 1e-12);
}

void TestReflexion::stopTimeSurvivesPause()
{
    w->go->click();
    w->Command1->click();
    for (int i = 0; i < 10; ++i)
        w->Timer1_Timer();
    w->pause->click();
    QVERIFY(m_state->tFin == 2.0);
    w->go->click();
    int ticks = 0;
    tickJusquArret(100, &ticks);
    QCOMPARE(ticks, 30);
    QVERIFY(m_shared->temps == 2.0);
    QCOMPARE(etat(), Etat::Fige);
}

void TestReflexion::stopTimeSurvivesReset()
{
    w->Command1->click();
    for (int i = 0; i < 10; ++i)
        w->Timer1_Timer();
    w->Command4->click();
    QVERIFY(m_shared->temps == 0.0);
    QCOMPARE(etat(), Etat::Arrete);
    QVERIFY(m_state->tFin == 2.0);
    w->go->click();
    int ticks = 0;
    tickJusquArret(100, &ticks);
    QCOMPARE(ticks, 40);
    QVERIFY(m_shared->temps == 2.0);
    QCOMPARE(etat(), Etat::Fige);
}

void TestReflexion::stopTimeSurvivesModeChange()
{
    w->Command1->click();
    for (int i = 0; i < 10; ++i)
        w->Timer1_Timer();
    w->Mode->setValue16(2);
    QVERIFY(m_shared->temps == 0.0);
    QVERIFY(m_state->tFin == 2.0);
    QCOMPARE(etat(), Etat::Minute);
    int ticks = 0;
    tickJusquArret(100, &ticks);
    QCOMPARE(ticks, 40);
    QVERIFY(m_shared->temps == 2.0);
    QCOMPARE(etat(), Etat::Arrete);
    // T = 4 s now: 2 s is half a period, the hand points down.
    QCOMPARE(directionAiguille(w->pendule), 90);
}

void TestReflexion::stopTimeAlreadyPassed()
{
    w->Command1->click();
    for (int i = 0; i < 45; ++i)
        w->pas->click();
    QVERIFY(m_state->tFin == 2.0);
    QVERIFY(m_shared->temps > 2.2);
    w->go->click();
    int ticks = 0;
    tickJusquArret(100, &ticks);
    QCOMPARE(ticks, 1);
    QVERIFY(m_shared->temps == 2.0);
    QCOMPARE(etat(), Etat::Fige);
    QCOMPARE(directionAiguille(w->pendule), 0);
}

void TestReflexion::stopTimeZeroIsNotArmed()
{
    redessine(-2);
    m_shared->temps = -2;
    w->Command1->click();
    QVERIFY(m_state->tFin == 0.0);
    for (int i = 0; i < 100; ++i)
        w->Timer1_Timer();
    QVERIFY(w->Timer1->Enabled());
    QVERIFY(m_shared->temps > 2.9);
}

void TestReflexion::speedChangeKeepsThePicture()
{
    redessine(4);
    const QImage image = w->Picture1->image();
    const QImage cadran = w->pendule->image();
    w->celerite->setValue16(50);
    QVERIFY(m_shared->temps == 2.0);
    QCOMPARE(m_state->periode, 4.0);
    QVERIFY(memeImage(w->Picture1->image(), image));
    QCOMPARE(w->pendule->image(), cadran);
    QCOMPARE(directionAiguille(w->pendule), 90);
    // Twice as fast from now on: 20 frames (1 s) make a quarter period.
    for (int i = 0; i < 20; ++i)
        w->pas->click();
    QCOMPARE(directionAiguille(w->pendule), 180);
}

void TestReflexion::captions_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("celerite");
    QTest::addColumn<QString>("label3");
    QTest::addColumn<QString>("label6");
    QTest::newRow("k=3 c=26") << 3 << 26 << " 3" << " 2.6 cm/s";
    QTest::newRow("k=10 c=5") << 10 << 5 << " 10" << " .5 cm/s";
    QTest::newRow("k=2 c=100") << 2 << 100 << " 2" << " 10 cm/s";
    QTest::newRow("k=1 c=1") << 1 << 1 << "1" << " .1 cm/s";
}

void TestReflexion::captions()
{
    QFETCH(int, mode);
    QFETCH(int, celerite);
    QFETCH(QString, label3);
    QFETCH(QString, label6);
    w->Mode->setValue16(mode);
    w->celerite->setValue16(celerite);
    QCOMPARE(w->Label3->Caption(), label3);
    QCOMPARE(w->Label6->Caption(), label6);
    QCOMPARE(m_shared->longueurOnde[0], 200.0 / mode);
    QCOMPARE(m_shared->frequence, mode * double(celerite) / 200);
}

void TestReflexion::quitStopsAndCloses()
{
    w->go->click();
    w->Command3->click();
    QVERIFY(!w->Timer1->Enabled());
    QVERIFY(!w->isVisible());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

void TestReflexion::closingFromTheFrameStopsTheTimer()
{
    w->go->click();
    w->close();
    QVERIFY(!w->Timer1->Enabled());
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());
}

void TestReflexion::reopeningStartsAfreshButKeepsStopTime()
{
    w->Mode->setValue16(4);
    w->celerite->setValue16(60);
    w->Command1->click();
    for (int i = 0; i < 3; ++i)
        w->Timer1_Timer();
    const double tFin = m_state->tFin;
    m_shared->dt = 0.2;
    w->Command3->click();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(w.isNull());

    w = new Reflexion(nullptr, *m_shared, *m_state);
    QCOMPARE(m_state->tFin, tFin);
    QVERIFY(m_shared->temps == 0.0);
    QCOMPARE(m_shared->dt, 0.05);
    QCOMPARE(w->Mode->Value(), 1);
    QCOMPARE(w->celerite->Value(), 25);
    QCOMPARE(w->Label6->Caption(), QString("2,5 cm/s"));
    QCOMPARE(m_state->periode, 8.0);
    QCOMPARE(etat(), Etat::Arrete);
}

QTEST_MAIN(TestReflexion)
#include "tst_reflexion.moc"
