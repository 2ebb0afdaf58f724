// The eigenmode window: designer values, run states, the handlers' order as
// seen in `temps`, captions and pixels, and the state that outlives the window.

#include "controls.h"
#include "drawingsurface.h"
#include "formtimer.h"
#include "modescorde.h"
#include "shapecontrol.h"

#include <QPointer>
#include <QStyle>
#include <QStyleOptionSlider>
#include <QtTest>

#include <cmath>

namespace {

constexpr double vraiPi = 3.14159265358979323846;

bool estRouge(const QColor &c) { return c == QColor(255, 0, 0); }
bool estBlanc(const QColor &c) { return c == QColor(255, 255, 255); }

int compteRouges(const QImage &image)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            n += estRouge(image.pixelColor(x, y)) ? 1 : 0;
    return n;
}

// Red pixels of `image` with no red pixel of `reference` within `marge` pixels.
int rougesIsoles(const QImage &image, const QImage &reference, int marge)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            if (!estRouge(image.pixelColor(x, y)))
                continue;
            bool proche = false;
            for (int dy = -marge; dy <= marge && !proche; ++dy)
                for (int dx = -marge; dx <= marge && !proche; ++dx) {
                    const QPoint p(x + dx, y + dy);
                    proche = reference.valid(p) && estRouge(reference.pixelColor(p));
                }
            n += proche ? 0 : 1;
        }
    return n;
}

// A left-arrow click on a scroll bar, as the user makes it.
void clicFlecheGauche(ScrollBar *bar)
{
    QStyleOptionSlider option;
    option.initFrom(bar);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    option.minimum = bar->minimum();
    option.maximum = bar->maximum();
    option.sliderPosition = bar->sliderPosition();
    option.sliderValue = bar->value();
    option.singleStep = bar->singleStep();
    option.pageStep = bar->pageStep();
    option.subControls = QStyle::SC_All;
    const QRect fleche = bar->style()->subControlRect(QStyle::CC_ScrollBar, &option,
                                                      QStyle::SC_ScrollBarSubLine, bar);
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, fleche.center());
}

} // namespace

class TestModesCorde : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void ouverture();
    void animerPuisArreter();
    void ticksDuTimer();
    void imageSuivanteEnMarche();
    void imageSuivanteALArret();
    void longueurALArretTroisClics();
    void effaceCordeEpaisseurDuTrait();
    void longueurEnMarche();
    void masseALArret();
    void masseEnMarche();
    void harmoniqueALArret();
    void cordePlate();
    void effacementSansFantome();
    void quitterEnMarche();
    void fermetureParLeCadre();
    void reouverture();

private:
    ModesCorde *ouvre();
    double deplacement(int i, double t) const;

    SharedVariables m_shared;
    StringModesState m_state;
    QPointer<ModesCorde> m_window;
};

void TestModesCorde::init()
{
    m_shared = SharedVariables();
    m_state = StringModesState();
}

void TestModesCorde::cleanup()
{
    delete m_window.data();
}

ModesCorde *TestModesCorde::ouvre()
{
    m_window = new ModesCorde(nullptr, m_shared, m_state);
    m_window->show();
    if (!QTest::qWaitForWindowExposed(m_window))
        qWarning("window not exposed");
    return m_window;
}

// The displacement that the window should have stored for point i at time t.
double TestModesCorde::deplacement(int i, double t) const
{
    EigenModes::Amplitudes h{};
    for (int n = 1; n <= 10; ++n)
        h[n] = m_window->Harmonique(n)->Value();
    return EigenModes::Deplacement(EigenModes::FacteursDuTemps(h, m_state, t), m_shared, 10.0 * i);
}

void TestModesCorde::ouverture()
{
    m_shared.temps = 1234;
    ModesCorde *w = ouvre();
    QCOMPARE(w->windowTitle(), QStringLiteral("Simulation d'une corde vibrante"));
    QCOMPARE(w->Label5->Caption(), QStringLiteral("100 cm"));
    QCOMPARE(w->Label3->Caption(), QStringLiteral("1000 g"));
    QCOMPARE(w->Label18->Caption(), QStringLiteral("animer"));
    QVERIFY(w->Command1->isVisible());
    QVERIFY(!w->Arret->isVisible());
    QVERIFY(!w->Timer1->Enabled());
    QCOMPARE(w->Timer1->Interval(), 25);
    QCOMPARE(w->Longueur->Value(), 100);
    QCOMPARE(w->Masse->Value(), 1000);
    QCOMPARE(w->Harmonique(1)->Value(), 10);
    for (int k = 2; k <= 10; ++k)
        QCOMPARE(w->Harmonique(k)->Value(), 0);
    const Label *numeros[] = {w->Label7,  w->Label8,  w->Label9,  w->Label10, w->Label11,
                              w->Label12, w->Label13, w->Label14, w->Label15, w->Label16};
    for (int k = 1; k <= 10; ++k)
        QCOMPARE(numeros[k - 1]->Caption(), QString::number(k));
    // Nothing drawn: only the device's controls over a white picture.
    QVERIFY(w->Picture1->isBlank());
    QVERIFY(std::abs(w->Shape3(0)->Left() - 1000) < 2.2);
    QVERIFY(std::abs(w->Shape3(1)->Left() - 1000) < 2.2);
    QCOMPARE(m_shared.temps, 1234.0);
}

void TestModesCorde::animerPuisArreter()
{
    ModesCorde *w = ouvre();
    QTest::mouseClick(w->Command1, Qt::LeftButton);
    QVERIFY(w->Timer1->Enabled());
    QVERIFY(!w->Command1->isVisible());
    QVERIFY(w->Arret->isVisible());
    QCOMPARE(w->Label18->Caption(), QStringLiteral("pause"));
    QVERIFY(std::abs(m_state.pulsation[1] - 0.00983978) < 1e-8);
    QCOMPARE(m_shared.longueurOnde[1], 2000.0);
    // The first frame comes with the first tick.
    QVERIFY(w->Picture1->isBlank());
    QCOMPARE(m_shared.temps, 0.0);

    w->Timer1_Timer();
    QCOMPARE(m_shared.temps, 10.0);
    QCOMPARE(m_state.ordonnee[50], deplacement(50, 10.0));
    const QImage dessin = w->Picture1->image();

    QTest::mouseClick(w->Arret, Qt::LeftButton);
    QVERIFY(!w->Timer1->Enabled());
    QVERIFY(w->Command1->isVisible());
    QVERIFY(!w->Arret->isVisible());
    QCOMPARE(w->Label18->Caption(), QStringLiteral("animer"));
    QCOMPARE(m_shared.temps, 10.0);
    QCOMPARE(w->Picture1->image(), dessin);
}

void TestModesCorde::ticksDuTimer()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 3;
    w->Command1_Click();
    QTRY_VERIFY_WITH_TIMEOUT(m_shared.temps >= 33, 2000);
    w->Arret_Click();
    const double t = m_shared.temps;
    // Each tick is 10 ms of model time and draws the frame of that time.
    QCOMPARE(std::fmod(t - 3, 10.0), 0.0);
    QCOMPARE(m_state.ordonnee[30], deplacement(30, t));
    QTest::qWait(100);
    QCOMPARE(m_shared.temps, t);
}

void TestModesCorde::imageSuivanteEnMarche()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 40;
    w->Command1_Click();
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    QVERIFY(!w->Timer1->Enabled());
    QVERIFY(w->Command1->isVisible());
    QVERIFY(!w->Arret->isVisible());
    QCOMPARE(w->Label18->Caption(), QStringLiteral("animer"));
    QCOMPARE(m_shared.temps, 50.0);
    QCOMPARE(m_state.ordonnee[70], deplacement(70, 50.0));
    QVERIFY(!w->Picture1->isBlank());
}

void TestModesCorde::imageSuivanteALArret()
{
    ModesCorde *w = ouvre();
    // The constants come from the controls at each next image.
    w->Masse->setValue(4000);
    QVERIFY(m_state.masseSolide == 0.0);
    QTest::mouseClick(w->Command2, Qt::LeftButton);
    QVERIFY(!w->Timer1->Enabled());
    QCOMPARE(m_shared.temps, 10.0);
    QCOMPARE(m_state.masseSolide, 4.0);
    QCOMPARE(m_state.ordonnee[25], deplacement(25, 10.0));
    QVERIFY(m_state.ordonnee[25] > 0.05);
    QCOMPARE(m_state.ordonnee[0], 0.0);
    // Below the rest line by ordonnee: red on the curve at the middle point.
    QVERIFY(estRouge(w->Picture1->pixelAt(500, float(m_state.ordonnee[50]))));
}

void TestModesCorde::longueurALArretTroisClics()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 100;
    w->Harmonique(3)->setValue(7);
    w->Command2_Click();
    QVERIFY(std::abs(m_state.ordonnee[100]) < 1e-4);
    m_state.ordonnee[100] = 0.25; // marks the point that the shorter string no longer computes

    const QString legendes[] = {QStringLiteral(" 99cm"), QStringLiteral(" 98cm"),
                                QStringLiteral(" 97cm")};
    for (int clic = 1; clic <= 3; ++clic) {
        const double ancienneFin = m_state.ordonnee[101 - clic];
        clicFlecheGauche(w->Longueur);
        const int longueur = 100 - clic;
        QCOMPARE(w->Longueur->Value(), longueur);
        QCOMPARE(w->Label5->Caption(), legendes[clic - 1]);
        QVERIFY(!w->Timer1->Enabled());
        QCOMPARE(w->Label18->Caption(), QStringLiteral("animer"));
        // temps - 5, then + 10: frames 5 ms apart.
        QCOMPARE(m_shared.temps, 110.0 + 5 * clic);
        QCOMPARE(m_state.longueurCorde, 10.0 * longueur);
        QCOMPARE(m_shared.longueurOnde[1], 20.0 * longueur);
        for (int i = 1; i <= longueur; ++i)
            QCOMPARE(m_state.ordonnee[i], deplacement(i, m_shared.temps));
        // The point beyond the new bridge keeps its value and is not drawn.
        QCOMPARE(m_state.ordonnee[longueur + 1], ancienneFin);
        QVERIFY(std::abs(w->Shape3(0)->Left() - 10 * longueur) < 2.2);
        QVERIFY(std::abs(w->Shape3(1)->Left() - 10 * longueur) < 2.2);
        QCOMPARE(w->Shape3(0)->Left(), w->Shape3(1)->Left());
        // The rest line from the bridge to x = 1000.
        QVERIFY(estRouge(w->Picture1->pixelAt(10 * longueur + 3, 0)));
        QVERIFY(std::abs(m_state.ordonnee[longueur]) < 1e-4);
    }
}

void TestModesCorde::effaceCordeEpaisseurDuTrait()
{
    // The rest line beyond the bridge takes the current pen width: 1 pixel
    // before the first frame of this opening, 2 afterwards.
    const auto epaisseur = [](const DrawingSurface *surface, float x) {
        int n = 0;
        for (float y = -0.05f; y <= 0.05f; y += 0.001f)
            n += estRouge(surface->pixelAt(x, y)) ? 1 : 0;
        return n;
    };
    ModesCorde *w = ouvre();
    w->Harmonique(1)->setValue(0);
    w->Longueur->setValue(99);
    // Samples of 1/1000 unit; a pixel is 1/202.5 unit, about 5 samples.
    const int un = epaisseur(w->Picture1, 995);
    w->Longueur->setValue(98);
    const int deux = epaisseur(w->Picture1, 995);
    QVERIFY2(un >= 3 && un <= 6, qPrintable(QString::number(un)));
    QVERIFY2(deux >= 8 && deux <= 11, qPrintable(QString::number(deux)));
}

void TestModesCorde::longueurEnMarche()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 200;
    w->Command2_Click();
    const float ancienY = float(m_state.ordonnee[30]);
    QVERIFY(estRouge(w->Picture1->pixelAt(300, ancienY)));
    w->Command1_Click();
    w->Longueur->setValue(50);
    QCOMPARE(w->Label5->Caption(), QStringLiteral(" 50cm"));
    QVERIFY(w->Timer1->Enabled());
    QCOMPARE(m_shared.temps, 210.0);
    QCOMPARE(m_state.longueurCorde, 500.0);
    QCOMPARE(m_shared.longueurOnde[1], 1000.0);
    // Wiped, the rest line drawn from 500 to 1000; the next tick draws the string.
    QVERIFY(estBlanc(w->Picture1->pixelAt(300, ancienY)));
    QVERIFY(estRouge(w->Picture1->pixelAt(750, 0)));
    QVERIFY(std::abs(w->Shape3(0)->Left() - 500) < 2.2);
    w->Timer1_Timer();
    QCOMPARE(m_state.ordonnee[40], deplacement(40, 220.0));
}

void TestModesCorde::masseALArret()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 70;
    w->Command2_Click();
    const auto pulsation = m_state.pulsation;
    const QImage dessin = w->Picture1->image();
    w->Masse->setValue(1200);
    QCOMPARE(w->Label3->Caption(), QStringLiteral(" 1200g"));
    QCOMPARE(w->Label5->Caption(), QStringLiteral("100 cm"));
    QVERIFY(!w->Timer1->Enabled());
    QCOMPARE(m_state.pulsation, pulsation);
    QCOMPARE(m_state.masseSolide, 1.0);
    QCOMPARE(m_shared.temps, 80.0);
    QCOMPARE(w->Picture1->image(), dessin);
    // The new mass is taken at the next image.
    w->Command2_Click();
    QCOMPARE(m_state.masseSolide, 1.2);
}

void TestModesCorde::masseEnMarche()
{
    ModesCorde *w = ouvre();
    w->Command1_Click();
    w->Masse->setValue(4000);
    QCOMPARE(w->Label3->Caption(), QStringLiteral(" 4000g"));
    QVERIFY(w->Timer1->Enabled());
    QCOMPARE(m_state.masseSolide, 4.0);
    QVERIFY(std::abs(m_state.pulsation[1] - 2 * 0.00983978) < 1e-7);
    QCOMPARE(m_shared.temps, 0.0);
}

void TestModesCorde::harmoniqueALArret()
{
    ModesCorde *w = ouvre();
    m_shared.temps = 150;
    w->Command2_Click();
    const QImage dessin = w->Picture1->image();
    const auto ordonnee = m_state.ordonnee;
    w->Harmonique(2)->setValue(10);
    QCOMPARE(w->Picture1->image(), dessin);
    QCOMPARE(m_state.ordonnee, ordonnee);
    QCOMPARE(m_shared.temps, 160.0);
    w->Command2_Click();
    QCOMPARE(m_state.ordonnee[20], deplacement(20, 170.0));
    w->Harmonique(2)->setValue(0);
    QVERIFY(std::abs(m_state.ordonnee[20] - deplacement(20, 170.0)) > 0.01);
}

void TestModesCorde::cordePlate()
{
    ModesCorde *w = ouvre();
    w->Harmonique(1)->setValue(0);
    m_shared.temps = 320;
    w->Command2_Click();
    for (int i = 0; i <= 100; ++i)
        QCOMPARE(m_state.ordonnee[i], 0.0);
    for (float x = 2; x < 1000; x += 7)
        QVERIFY(estRouge(w->Picture1->pixelAt(x, 0)));
    QVERIFY(estBlanc(w->Picture1->pixelAt(500, 0.05f)));
    QVERIFY(estBlanc(w->Picture1->pixelAt(500, -0.05f)));
}

void TestModesCorde::effacementSansFantome()
{
    // An arch below the rest line (a quarter period), then the arch above it
    // (three quarters): the first must leave no red pixel behind.
    ModesCorde *w = ouvre();
    const double periode = 2 * vraiPi / 0.0098397800;
    m_shared.temps = periode / 4 - 10;
    w->Command2_Click();
    QVERIFY(estRouge(w->Picture1->pixelAt(500, float(m_state.ordonnee[50]))));
    QVERIFY(m_state.ordonnee[50] > 0.49);
    m_shared.temps = 3 * periode / 4 - 10;
    w->Command2_Click();
    QVERIFY(m_state.ordonnee[50] < -0.49);
    QVERIFY(estBlanc(w->Picture1->pixelAt(500, 0.5f)));
    QVERIFY(estBlanc(w->Picture1->pixelAt(250, 0.354f)));
    QVERIFY(estRouge(w->Picture1->pixelAt(500, float(m_state.ordonnee[50]))));

    // The same frame drawn alone on a fresh window.
    SharedVariables shared;
    StringModesState state;
    shared.temps = m_shared.temps - 10;
    QPointer<ModesCorde> seule = new ModesCorde(nullptr, shared, state);
    seule->Command2_Click();
    const QImage reference = seule->Picture1->image();
    const QImage image = w->Picture1->image();
    QCOMPARE(rougesIsoles(image, reference, 2), 0);
    QVERIFY(compteRouges(image) > compteRouges(reference) * 9 / 10);
    delete seule.data();
}

void TestModesCorde::quitterEnMarche()
{
    ModesCorde *w = ouvre();
    w->Command1_Click();
    bool timerALaFermeture = true;
    connect(w, &Form::unloading, this, [&] { timerALaFermeture = w->Timer1->Enabled(); });
    QTest::mouseClick(w->Command3, Qt::LeftButton);
    QVERIFY(!timerALaFermeture);
    QTRY_VERIFY(m_window.isNull());
    const double t = m_shared.temps;
    QTest::qWait(80);
    QCOMPARE(m_shared.temps, t);

    // The next opening is stopped and back at its designer values.
    ModesCorde *nouvelle = ouvre();
    QVERIFY(!nouvelle->Timer1->Enabled());
    QVERIFY(nouvelle->Command1->isVisible());
    QCOMPARE(nouvelle->Label18->Caption(), QStringLiteral("animer"));
}

void TestModesCorde::fermetureParLeCadre()
{
    ModesCorde *w = ouvre();
    w->Command1_Click();
    QTRY_VERIFY(m_shared.temps > 0);
    bool timerALaFermeture = true;
    connect(w, &Form::unloading, this, [&] { timerALaFermeture = w->Timer1->Enabled(); });
    w->close();
    QVERIFY(!timerALaFermeture);
    QTRY_VERIFY(m_window.isNull());
    const double t = m_shared.temps;
    QTest::qWait(80);
    QCOMPARE(m_shared.temps, t);
}

void TestModesCorde::reouverture()
{
    ModesCorde *w = ouvre();
    w->Harmonique(4)->setValue(6);
    w->Longueur->setValue(80);
    w->Masse->setValue(3000);
    w->Command2_Click();
    const auto ordonnee = m_state.ordonnee;
    const double temps = m_shared.temps;
    QCOMPARE(temps, 15.0);
    w->Command3_Click();
    QTRY_VERIFY(m_window.isNull());
    QCOMPARE(m_state.ordonnee, ordonnee);
    QCOMPARE(m_shared.temps, temps);

    ModesCorde *w2 = ouvre();
    QCOMPARE(w2->Label5->Caption(), QStringLiteral("100 cm"));
    QCOMPARE(w2->Harmonique(4)->Value(), 0);
    QVERIFY(w2->Picture1->isBlank());
    QVERIFY(std::abs(w2->Shape3(0)->Left() - 1000) < 2.2);
    w2->Command2_Click();
    QCOMPARE(m_shared.temps, 25.0);

    // The old displacements are painted white on white: the picture is the
    // one that a fresh state draws at the same time.
    SharedVariables shared;
    StringModesState state;
    shared.temps = 15;
    QPointer<ModesCorde> fraiche = new ModesCorde(nullptr, shared, state);
    fraiche->Command2_Click();
    QCOMPARE(w2->Picture1->image(), fraiche->Picture1->image());
    delete fraiche.data();
}

QTEST_MAIN(TestModesCorde)
#include "tst_modescorde.moc"
