// The module-level variables as the running program holds them: one object
// for the whole run, shared by the open windows and kept across closing.
#include "accueil.h"
#include "imageprobe.h"
#include "modescorde.h"
#include "modulevariables.h"
#include "reflexion.h"
#include "vibreur.h"

#include <QPointer>
#include <QTest>

#include <functional>

#if defined(__SANITIZE_ADDRESS__)
extern "C" std::size_t __sanitizer_get_current_allocated_bytes(); // from the sanitizer's runtime
#else
#include <malloc.h>
#endif

namespace {

// Coloured pixels that `surface` shows and that a fresh drawing of the same
// frame, made by `redraw` on the cleared surface, does not: a ghost.
int ghosts(DrawingSurface &surface, const std::function<void()> &redraw,
           std::initializer_list<QColor> colors)
{
    const QImage shown = surface.image();
    surface.Cls();
    redraw();
    int n = 0;
    for (const QColor &color : colors)
        n += Probe::extra(shown, surface.image(), color);
    return n;
}

// Bytes the program holds on its heap (the sanitizer's allocator replaces malloc's).
std::size_t heapInUse()
{
#if defined(__SANITIZE_ADDRESS__)
    return __sanitizer_get_current_allocated_bytes();
#else
    return mallinfo2().uordblks;
#endif
}

CommandButton *button(const QWidget *window, const QString &caption)
{
    for (CommandButton *b : window->findChildren<CommandButton *>()) {
        if (b->isVisible() && b->accessibleName() == caption)
            return b;
    }
    return nullptr;
}

} // namespace

class TestModules : public QObject
{
    Q_OBJECT

private slots:
    void openModulesAdvanceTheSameTime()
    {
        ModuleVariables variables;
        QPointer<Vibreur> vibreur = new Vibreur(nullptr, variables.shared, variables.vibreur);
        QPointer<Reflexion> reflexion
            = new Reflexion(nullptr, variables.shared, variables.reflexion);
        // The reflection window, loaded last, set the shared step to 0.05 s
        // and the time to 0; the driven string now steps with it.
        QCOMPARE(variables.shared.dt, 0.05);
        QCOMPARE(variables.shared.temps, 0.0);
        vibreur->Timer1_Timer();
        QVERIFY(std::abs(variables.shared.temps - 10 * 0.05) < 1e-12);
        reflexion->pas_Click();
        QVERIFY(std::abs(variables.shared.temps - 11 * 0.05) < 1e-12);

        // The eigenmodes count the same time in milliseconds, 10 per frame.
        QPointer<ModesCorde> modes = new ModesCorde(nullptr, variables.shared, variables.modes);
        modes->Command2_Click();
        QVERIFY(std::abs(variables.shared.temps - (11 * 0.05 + 10)) < 1e-12);
        QCOMPARE(variables.shared.longueurOnde[0], 200.0); // the reflection's λ
        QCOMPARE(variables.shared.longueurOnde[1], 2000.0); // the fundamental's λ

        delete vibreur.data();
        delete reflexion.data();
        delete modes.data();
    }

    void eachPictureHoldsOneFrameWhileAllAnimate()
    {
        // The three modules move the shared temps between two frames of each
        // other; each window must still erase exactly what it shows.
        ModuleVariables variables;
        Vibreur vibreur(nullptr, variables.shared, variables.vibreur);
        ModesCorde modes(nullptr, variables.shared, variables.modes);
        Reflexion reflexion(nullptr, variables.shared, variables.reflexion);
        vibreur.Command1_Click();
        modes.Command1_Click();
        reflexion.go_Click();
        for (int tick = 0; tick < 160; ++tick) { // 4 s at the 25 ms ticks
            if (tick % 2 == 0)
                vibreur.Timer1_Timer();
            reflexion.Timer1_Timer();
            modes.Timer1_Timer();
        }
        const QColor red(255, 0, 0);
        const double tModes = variables.shared.temps;
        QCOMPARE(ghosts(*modes.Picture1, [&] { modes.corde(tModes); }, {red}), 0);
        QCOMPARE(ghosts(*vibreur.Picture1, [&] { vibreur.corde(variables.shared.temps); }, {red}),
                 0);
        reflexion.Timer1_Timer();
        QCOMPARE(ghosts(*reflexion.Picture1, [&] { reflexion.DessineImage(); },
                        {QColor(0, 200, 150), QColor(0, 0, 255), QColor(200, 50, 100)}),
                 0);
        QCOMPARE(ghosts(*reflexion.pendule, [&] { reflexion.DessineAiguille(); }, {red}), 0);
    }

    void variablesOutliveTheirWindow()
    {
        ModuleVariables variables;
        auto *modes = new ModesCorde(nullptr, variables.shared, variables.modes);
        modes->Command2_Click();
        modes->Command2_Click();
        const double midString = variables.modes.ordonnee[50];
        QVERIFY(midString != 0.0);
        QVERIFY(modes->close()); // deletes the window
        QCOMPARE(variables.shared.temps, 20.0);
        QCOMPARE(variables.modes.ordonnee[50], midString);
    }

    void closedWindowsKeepNoMemory_data()
    {
        QTest::addColumn<int>("module");
        QTest::addColumn<QString>("start");
        QTest::newRow("driven string") << 0 << QStringLiteral("Excitation sinusoïdale");
        QTest::newRow("reflection") << 1 << QStringLiteral("animer");
        QTest::newRow("eigenmodes") << 2 << QStringLiteral("animer");
    }

    void closedWindowsKeepNoMemory()
    {
        // Opened from the home screen as the program does, shown, started and
        // quit, over and over: what stays allocated must not grow with the
        // number of windows opened.
        QFETCH(int, module);
        QFETCH(QString, start);
        ModuleVariables v;
        Accueil home({
            [&v](QWidget *p) -> Form * { return new Vibreur(p, v.shared, v.vibreur); },
            [&v](QWidget *p) -> Form * { return new Reflexion(p, v.shared, v.reflexion); },
            [&v](QWidget *p) -> Form * { return new ModesCorde(p, v.shared, v.modes); },
        });
        const std::array<OptionButton *, 3> options {home.Option1, home.Option2, home.Option3};
        options[module]->setValue(true);
        home.show();
#if defined(__SANITIZE_ADDRESS__)
        const int cycles = 40; // each cycle is slow under the sanitizer
#else
        const int cycles = 200;
#endif
        constexpr int warmUp = 20;
        std::size_t before = 0;
        for (int i = 0; i < warmUp + cycles; ++i) {
            if (i == warmUp)
                before = heapInUse();
            home.Reprise->click();
            QPointer<Form> window = home.moduleWindow(module);
            QVERIFY(QTest::qWaitForWindowExposed(window));
            button(window, start)->click();
            QCoreApplication::processEvents();
            button(window, QStringLiteral("Quitter"))->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!window);
        }
        const auto growth = qint64(heapInUse()) - qint64(before);
        QVERIFY2(growth < cycles * 1024, qPrintable(QString::number(growth / cycles) + " B/cycle"));
    }
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
