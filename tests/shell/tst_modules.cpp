// The modules on one run's variables: shared time, ghosts, recorder, memory; command line, zoom.
#include "app/commandline.h"
#include "app/modulefactories.h"
#include "app/modulevariables.h"
#include "app/screenzoom.h"
#include "driven_string/vibreur.h"
#include "home/accueil.h"
#include "recorder/enregistreur.h"
#include "reflection/reflexion.h"
#include "string_modes/modescorde.h"
#include "support/imageprobe.h"

#include <QApplication>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPointer>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include <algorithm>
#include <functional>

#include <malloc.h>

namespace {

// Pixels of those colours that `surface` shows and `redraw` on it, cleared, does not: ghosts.
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

CommandButton *button(const QWidget *window, const QString &caption)
{
    for (CommandButton *b : window->findChildren<CommandButton *>()) {
        if (b->isVisible() && b->accessibleName() == caption)
            return b;
    }
    return nullptr;
}

// The pixel of `picture` at user x on its rest line, as a click there gives it.
QPoint pixelAt(const DrawingSurface &picture, double x)
{
    return (picture.scale().toPixels(float(x), 0) + picture.clientRect().topLeft()).toPoint();
}

// Picks `entry` in the picture's right-click menu at that pixel, as a user does; `then` runs in
// the event loop of what the entry opens. Returns the menu's entries.
QStringList pick(DrawingSurface &picture, QPoint pixel, const QString &entry,
                 const std::function<void()> &then = {})
{
    QStringList entries;
    QTimer::singleShot(0, &picture, [&entries, entry, then] {
        auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
        for (QAction *action : menu->actions()) {
            entries << action->text();
            if (action->text() == entry)
                menu->setActiveAction(action);
        }
        if (then)
            QTimer::singleShot(0, qApp, then);
        QTest::keyClick(menu, Qt::Key_Return);
    });
    emit picture.customContextMenuRequested(pixel);
    return entries;
}

// The middle row of the pixels of that colour in the picture's column at user x.
double curveRow(const DrawingSurface &picture, double x, const QColor &color)
{
    const int column = int(picture.scale().xToPixels(float(x)));
    const QRect found
        = Probe::matching(
              picture.image(), [rgb = color.rgb()](QPoint, QRgb p) { return p == rgb; },
              QRect(column, 0, 1, picture.image().height()))
              .bounds;
    return (found.top() + found.bottom()) / 2.0;
}

} // namespace

class TestModules : public QObject
{
    Q_OBJECT

    // The three windows on the variables of one run, the reflection loaded last.
    struct Windows
    {
        ModuleVariables v;
        Vibreur vibreur {nullptr, v.shared, v.vibreur};
        ModesCorde modes {nullptr, v.shared, v.modes};
        Reflexion reflexion {nullptr, v.shared, v.reflexion};

        // The driven string opens animating: paused, it moves no time while the tests wait.
        Windows() { press(0, "pause"); }
        QWidget &window(int m)
        {
            return *std::array<QWidget *, 3> {&vibreur, &reflexion, &modes}[m];
        }
        DrawingSurface &picture(int m)
        {
            return *window(m).findChild<DrawingSurface *>("Picture1");
        }
        void press(int m, const char *name) { window(m).findChild<CommandButton *>(name)->click(); }
        // One frame, as "Pas à pas", "image suivante" give it.
        void step(int m) { press(m, std::array {"Command6", "pas", "Command2"}[m]); }
        Enregistreur &recorder(int m) { return *window(m).findChild<Enregistreur *>(); }
    };

    using Readout = std::pair<double, QString>; // a number and its unit
    using Shown
        = std::tuple<int, std::array<double, 2>, QColor, int, std::array<Readout, 2>, QString>;
    using Measured = std::tuple<int, double, int, double, int>;
    using Read = std::tuple<int, double, QString>;
    using Zoomed = std::tuple<QString, QSize, bool>;

private slots:
    void recorderShowsWhatThePictureShows_data()
    {
        // The module, the user x of A and B, the curve's colour, frames (of ten time steps in the
        // driven string), the distance and the speed set that the readouts show, the picture's
        // file name then.
        QTest::addColumn<Shown>("row");
        // The 40 mm pulse, at its top at 0.2 s, reaches 0.3 m at 1 m/s 0.3 s later, and passed
        // 0.2 m 0.1 s before; 20 frames of ten 2.5 ms steps, a computed point every 1 cm.
        QTest::newRow("driven string, pulse at point 30")
            << Shown {0,
                      {30, 20},
                      QColor(255, 0, 0),
                      20,
                      {Readout {0.1, "m"}, {1, "m/s"}},
                      "corde-vibreur-t0,500s.png"};
        // k = 1 at 25 mm/s: T = 8 s, a quarter of which is forty 0.05 s frames; a quarter of the
        // string shows sin 45° of the antinode's.
        QTest::newRow("reflection, antinode at T/4") << Shown {1,
                                                               {50, 25},
                                                               QColor(200, 50, 100),
                                                               40,
                                                               {Readout {25, "mm"}, {2.5, "cm/s"}},
                                                               "reflexion-t2,000s.png"};
        // The fundamental: T = 2 L / c = 0.639 s with c = √(m g / μ) = 3.13 m/s for 1 kg on
        // 1 kg/m, 4 × 16 frames of 10 ms after the one at rest.
        QTest::newRow("eigenmodes, mid-string at T/4")
            << Shown {2,
                      {500, 250},
                      QColor(255, 0, 0),
                      16,
                      {Readout {25, "cm"}, {std::sqrt(9.81), "m/s"}},
                      "modes-propres-t0,170s.png"};
    }

    // The recorder takes the displacement the picture shows at each point, upward, in mm; the
    // readouts are in the panel's units; a picture is named after the time it shows.
    void recorderShowsWhatThePictureShows()
    {
        QFETCH(Shown, row);
        const auto &[module, x, color, steps, readouts, fileName] = row;
        Windows w;
        DrawingSurface &picture = w.picture(module);
        const UserScale &scale = picture.scale();
        const double pixelsPerMm = module == 2 ? scale.xToPixels(1) - scale.xToPixels(0)
                                               : scale.yToPixels(1) - scale.yToPixels(0);
        if (module == 2) { // a frame of no harmonic, at rest, then the fundamental alone
            ScrollBar *fundamental = w.modes.findChildren<ScrollBar *>("Harmonique").constFirst();
            fundamental->setValue(0);
            w.step(module);
            fundamental->setValue(10);
        }
        std::array<double, 2> rest {};
        for (int p : {0, 1}) {
            rest[p] = curveRow(picture, x[p], color);
            pick(picture, pixelAt(picture, x[p]), "Suivre ce point");
        }
        if (module == 0)
            w.press(module, "Command5");
        for (int i = 0; i < steps; ++i)
            w.step(module);
        const Recording &record = w.recorder(module).recording();
        const auto &y = record.samples().back().y;
        for (int p : {0, 1}) {
            const double shown = (rest[p] - curveRow(picture, x[p], color)) / pixelsPerMm;
            QVERIFY2(
                std::abs(y[p] - shown) < 1.5 / pixelsPerMm,
                qPrintable(QStringLiteral("%1 mm recorded, %2 mm shown").arg(y[p]).arg(shown)));
        }
        QVERIFY(std::abs(y[0]) > 15 && std::abs(y[0] - y[1]) > 3 / pixelsPerMm);

        const QLabel *readout = w.recorder(module).findChildren<QLabel *>().constLast();
        QTRY_VERIFY(readout->text().contains("distance"));
        for (const auto &[before, expected] :
             {std::pair {"distance ", readouts[0]}, {"réglée : ", readouts[1]}}) {
            const auto found = QRegularExpression(before + QString("([0-9,]+) ([^ ,)]+)"))
                                   .match(readout->text());
            const double value = QLocale(QLocale::French).toDouble(found.captured(1));
            QVERIFY2(std::abs(value / expected.first - 1) < 0.02
                         && found.captured(2) == expected.second,
                     qPrintable(readout->text()));
        }

        QString proposed;
        pick(picture, pixelAt(picture, x[0]), "Enregistrer l'image…", [&proposed] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            proposed = dialog->findChild<QLineEdit *>("fileNameEdit")->text();
            dialog->reject();
        });
        QCOMPARE(proposed, fileName);
        // A sample a time step of the driven string, a frame of the others; none while paused.
        QCOMPARE(record.samples().size(), std::size_t(steps * (module == 0 ? 10 : 1)));

        // A new mass or length: a new trace from the next frame on.
        for (const QString &setting :
             module == 2 ? QStringList {"Masse", "Longueur"} : QStringList()) {
            const std::size_t next = record.samples().size();
            ScrollBar *bar = w.modes.findChild<ScrollBar *>(setting);
            bar->setValue(bar->Value() - 1);
            w.step(module);
            QCOMPARE(record.lastTrace(), next);
        }
    }

    // The driven string's picture tools: its menu; a marker over the picture, not in it, and a
    // recorder that leave the panel's captions alone; Ctrl+C copies the picture but in a step box.
    void pictureTools()
    {
        Windows w;
        Vibreur &window = w.vibreur;
        window.show();
        DrawingSurface &picture = w.picture(0);
        const QPoint point30 = pixelAt(picture, 30);
        const auto child
            = [&window](const char *name) { return window.findChild<QWidget *>(name); };
        const QRect captions = child("Label5")->geometry().united(child("Label18")->geometry());
        const auto write = [&] { // the captions, as a change writes them
            for (const char *name : {"Frequence", "Amp"}) {
                auto *bar = window.findChild<ScrollBar *>(name);
                bar->setValue(bar->minimum());
                bar->setValue(bar->minimum() + 2);
            }
            return window.grab(captions).toImage();
        };
        const QImage before = write();
        QCOMPARE(pick(picture, point30, "Suivre ce point").join('|'),
                 "Copier l'image|Enregistrer l'image…||Suivre ce point|Ne plus suivre");
        // The recorder, a window of its own, over those rows: the captions drawn the same.
        w.recorder(0).move(0, captions.top());
        QCOMPARE(write(), before);
        QCOMPARE(picture.grab().toImage().pixelColor(point30.x(), picture.clientRect().top() + 2),
                 QColor(200, 0, 200));
        QCOMPARE(picture.image().pixelColor(point30.x(), 2), Qt::white);

        QApplication::setActiveWindow(&window); // the recorder took the focus
        auto *stepX = window.findChild<QLineEdit *>("PasX");
        stepX->setFocus();
        stepX->selectAll();
        QTest::keyClick(stepX, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->text(), "0.01");
        child("Command6")->setFocus();
        QTest::keyClick(child("Command6"), Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), picture.size());
    }

    void recorderMeasuresWhileAnotherAnimates_data()
    {
        // The module, user x, the other module, the period of a point or B's delay (s), frames.
        QTest::addColumn<Measured>("row");
        // A pulse from point 20 to 70, 0.5 m at 1 m/s.
        QTest::newRow("driven string, a pulse's delay") << Measured {0, 20.0, 1, 0.5, 48};
        // f = k c / 2 L = 1 Hz; the eigenmodes move the time 10 s, whole periods, a frame.
        QTest::newRow("reflection, k = 2") << Measured {1, 25.0, 2, 1.0, 200};
        // T = 2 L / √(m g / μ); the driven string moves the time by 0.025 ms a frame.
        QTest::newRow("eigenmodes, fundamental")
            << Measured {2, 500.0, 0, 2 / std::sqrt(9.81), 200};
    }

    // Another simulation moves the shared time between frames: the recorder keeps its own.
    void recorderMeasuresWhileAnotherAnimates()
    {
        QFETCH(Measured, row);
        const auto &[module, x, other, expected, frames] = row;
        Windows w;
        if (module == 1) {
            w.reflexion.findChild<ScrollBar *>("Mode")->setValue(2);
            w.reflexion.findChild<ScrollBar *>("celerite")->setValue(100);
        } else { // a pulse to follow, or the sine that moves the time
            w.press(0, module == 0 ? "Command5" : "Command1");
        }
        DrawingSurface &picture = w.picture(module);
        pick(picture, pixelAt(picture, x), "Suivre ce point");
        if (module == 0)
            pick(picture, pixelAt(picture, x + 50), "Suivre ce point");
        for (int frame = 0; frame < frames; ++frame) {
            w.step(module);
            w.step(other);
        }
        const Recording &record = w.recorder(module).recording();
        const auto measured = module == 0 ? record.delay(NAN) : record.period(Recording::A);
        QVERIFY2(measured && std::abs(*measured / expected - 1) < (module == 0 ? 0.03 : 0.01),
                 qPrintable(QString::number(measured.value_or(0))));
    }

    void openModulesShareTheTimeAndEachErasesWhatItShows()
    {
        ModuleVariables v;
        Vibreur vibreur(nullptr, v.shared, v.vibreur);
        Reflexion reflexion(nullptr, v.shared, v.reflexion);
        // The reflection, loaded last, set dt = 0.05 s and temps = 0 for both.
        vibreur.Timer1_Timer();
        reflexion.pas_Click();
        QCOMPARE(v.shared.temps, 11 * 0.05);
        // The eigenmodes add 10 ms a frame and keep the reflection's first wavelength.
        ModesCorde modes(nullptr, v.shared, v.modes);
        const double lambda = v.shared.longueurOnde[0];
        modes.Command2_Click();
        QVERIFY(v.shared.temps == 11 * 0.05 + 10 && v.shared.longueurOnde[0] == lambda);

        // All three animate, each moving temps between the others' frames.
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
        const double tModes = v.shared.temps;
        QCOMPARE(ghosts(*modes.Picture1, [&] { modes.corde(tModes); }, {red}), 0);
        QCOMPARE(ghosts(*vibreur.Picture1, [&] { vibreur.corde(v.shared.temps); }, {red}), 0);
        reflexion.Timer1_Timer();
        QCOMPARE(ghosts(*reflexion.Picture1, [&] { reflexion.DessineImage(); },
                        {QColor(0, 200, 150), QColor(0, 0, 255), QColor(200, 50, 100)}),
                 0);
        QCOMPARE(ghosts(*reflexion.pendule, [&] { reflexion.DessineAiguille(); }, {red}), 0);
    }

    // Every value bar of the three windows takes a slider's keys: one change a press.
    void valueBarsFollowTheSliderKeys()
    {
        Windows w;
        int bars = 0;
        for (QWidget *window :
             std::initializer_list<QWidget *> {&w.vibreur, &w.modes, &w.reflexion}) {
            window->show();
            for (ScrollBar *bar : window->findChildren<ScrollBar *>()) {
                // From the middle, where every key has room to move it.
                const int start = (bar->minimum() + bar->maximum()) / 2;
                const int small = bar->singleStep();
                const int large = bar->pageStep();
                for (const auto &[key, expected] : {std::pair {Qt::Key_Right, start + small},
                                                    {Qt::Key_Up, start + small},
                                                    {Qt::Key_Left, start - small},
                                                    {Qt::Key_Down, start - small},
                                                    {Qt::Key_PageUp, start + large},
                                                    {Qt::Key_PageDown, start - large},
                                                    {Qt::Key_Home, bar->minimum()},
                                                    {Qt::Key_End, bar->maximum()}}) {
                    bar->setValue(start);
                    QSignalSpy change(bar, &ScrollBar::Change);
                    bar->setFocus();
                    QTest::keyClick(bar, key);
                    QVERIFY2(bar->Value() == expected && change.count() == 1,
                             qPrintable(QKeySequence(key).toString()));
                }
                ++bars;
            }
        }
        QCOMPARE(bars, 4 + 12 + 2);
    }

    void closedWindowsKeepNoMemory_data()
    {
        QTest::addColumn<int>("module");
        QTest::newRow("driven string") << 0;
        QTest::newRow("reflection") << 1;
        QTest::newRow("eigenmodes") << 2;
    }

    void closedWindowsKeepNoMemory()
    {
        // Opened from the home screen, started and quit over and over: no growth of memory.
        QFETCH(int, module);
        const QString start = module == 0 ? "Excitation sinusoïdale" : "animer";
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps freed memory aside");
#endif
        ModuleVariables v;
        Accueil home(moduleFactories(v));
        const std::array<OptionButton *, 3> options {home.Option1, home.Option2, home.Option3};
        options[module]->setValue(true);
        home.show();
        constexpr int warmUp = 20;
        constexpr int cycles = 200; // windows opened and closed after the warm-up
        std::size_t before = 0;
        for (int i = 0; i < warmUp + cycles; ++i) {
            if (i == warmUp)
                before = mallinfo2().uordblks;
            home.Reprise->click();
            QPointer<Form> window = home.moduleWindow(Module(module));
            QVERIFY(QTest::qWaitForWindowExposed(window));
            button(window, start)->click();
            QCoreApplication::processEvents();
            button(window, QStringLiteral("Quitter"))->click();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!window);
        }
        const auto growth = qint64(mallinfo2().uordblks) - qint64(before);
        QVERIFY2(growth < cycles * 1024, qPrintable(QString::number(growth / cycles) + " B/cycle"));
    }

    void commandLine_data()
    {
        // Simulation (−1: none, −2: refused, status 2), zoom (0: fit the screen), text named.
        QTest::addColumn<QStringList>("arguments");
        QTest::addColumn<Read>("read");
        const auto words = [](const char *text) { return QString(text).split(' '); };
        QTest::newRow("nothing") << QStringList() << Read {-1, 1.0, {}};
        QTest::newRow("simulation and zoom")
            << words("--simulation=modes --zoom 2,5") << Read {2, 2.5, {}};
        QTest::newRow("reflection, zoom 3")
            << words("--zoom 3 --simulation reflexion") << Read {1, 3.0, {}};
        QTest::newRow("zoom auto") << words("--zoom auto") << Read {-1, 0.0, {}};
        for (const char *refus : {"--zoom 3.01", "--zoom 0.5", "--zoom nan", "--zoom 2x",
                                  "--simulation Modes", "--sim vibreur", "-x", "vibreur"})
            QTest::newRow(refus) << words(refus) << Read {-2, 1.0, {}};
        // A missing value, and an option given twice, named.
        for (const auto &[arguments, option] :
             {std::pair {"--zoom", "--zoom"},
              {"--simulation modes --zoom", "--zoom"},
              {"--zoom 2 --simulation", "--simulation"},
              {"--zoom 2 --zoom 2", "--zoom"},
              {"--simulation modes --simulation=modes", "--simulation"},
              {"--version --version", "--version"},
              {"-h --help", "help"}})
            QTest::newRow(arguments) << words(arguments) << Read {-2, 1.0, option};
        // Quoted short, escape codes and line breaks shown rather than obeyed.
        const QString longText(130000, 'x');
        QTest::newRow("long argument") << QStringList {longText} << Read {-2, 1.0, "xxxxxxxxxx"};
        QTest::newRow("long option")
            << QStringList {"--" + longText} << Read {-2, 1.0, "--xxxxxxxx"};
        QTest::newRow("long zoom")
            << QStringList {"--zoom", longText} << Read {-2, 1.0, "xxxxxxxxxx"};
        QTest::newRow("colour escape")
            << QStringList {"--simulation", "\x1b[31mrouge\x1b[0m"} << Read {-2, 1.0, "[31mrouge"};
        QTest::newRow("title escape")
            << QStringList {"--\x1b]0;titre\x07"} << Read {-2, 1.0, "titre"};
        QTest::newRow("line break")
            << QStringList {"ligne\nsuivante"} << Read {-2, 1.0, "suivante"};
        QTest::newRow("reversed text") << QStringList {"--zoom", "\u202e2"} << Read {-2, 1.0, "2"};
    }

    void commandLine()
    {
        QFETCH(QStringList, arguments);
        QFETCH(Read, read);
        const auto &[simulation, zoom, named] = read;
        const CommandLine c = readCommandLine(QStringList {"vellane"} + arguments);
        QCOMPARE(c.action == CommandLine::Action::Refuse, simulation == -2);
        QCOMPARE(c.simulation ? int(*c.simulation) : std::min(simulation, -1), simulation);
        QCOMPARE(c.zoomToScreen, zoom == 0.0);
        QVERIFY(c.zoomToScreen || c.zoom == zoom);
        if (c.action != CommandLine::Action::Refuse)
            return;
        // One line a terminal shows as it is, within two lines of 80 columns.
        QVERIFY2(c.text.startsWith("vellane : ") && c.text.contains(named) && c.text.size() <= 160,
                 qPrintable(c.text));
        for (const char32_t ch : c.text.toUcs4()) {
            const QChar::Category category = QChar::category(ch);
            QVERIFY2(category != QChar::Other_Control && category != QChar::Other_Format
                         && category != QChar::Separator_Line,
                     qPrintable(c.text));
        }
    }

    void zoomKeepsEveryWindowOnTheScreen_data()
    {
        // The zoom asked, the screen's available area in pixels, whether the factor asked fits.
        QTest::addColumn<Zoomed>("row");
        // 3 and "auto" on 1920 × 1080: the end-to-end test of the command line.
        QTest::newRow("1,5 on 1920 × 1080") << Zoomed {"1,5", {1920, 1080}, true};
        QTest::newRow("3 on 3840 × 2160") << Zoomed {"3", {3840, 2160}, true};
        QTest::newRow("auto on 3840 × 2160") << Zoomed {"auto", {3840, 2160}, true};
        QTest::newRow("2 on 1280 × 1024, the width limits") << Zoomed {"2", {1280, 1024}, false};
        QTest::newRow("2 on 1024 × 600, not even 1 fits") << Zoomed {"2", {1024, 600}, false};
    }

    void zoomKeepsEveryWindowOnTheScreen()
    {
        QFETCH(Zoomed, row);
        const auto &[zoom, screen, kept] = row;
        const CommandLine c = readCommandLine({"vellane", "--zoom", zoom});
        const ScreenZoom z = fitZoom(c, screen);
        // The home screen and each simulation opened from it, at factor 1.
        ModuleVariables v;
        Accueil home(moduleFactories(v));
        QList<QSize> windows {home.size()};
        for (int m = 0; m < moduleCount; ++m) {
            home.demarre(Module(m));
            windows << home.moduleWindow(Module(m))->size();
        }
        // Centred, each leaves 24 pixels for a title bar above it, and as much below.
        const auto fits = [&](double factor) {
            return std::all_of(windows.begin(), windows.end(), [&](const QSize &w) {
                return w.width() * factor <= screen.width()
                    && w.height() * factor + 2 * 24 <= screen.height();
            });
        };
        QVERIFY(z.factor >= 1.0 && z.factor <= c.zoom);
        QCOMPARE(z.factor == c.zoom, kept);
        QVERIFY(z.factor == 1.0 || fits(z.factor));
        // Lowered no further than it must: a twentieth more would not fit.
        QVERIFY(kept || !fits(z.factor + 0.05));
        // Lowering a factor asked says so in one line; "auto" is silent.
        QCOMPARE(z.warning.isEmpty(), kept || c.zoomToScreen);
        QVERIFY(z.warning.isEmpty()
                || (z.warning.startsWith("vellane : ") && !z.warning.contains('\n')));
    }
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
