// The home screen and the modules on one run's variables: shared time, ghosts, recorder, focus,
// memory; the save dialog in French, the command line, the zoom.
#include "app/commandline.h"
#include "app/language.h"
#include "app/modulefactories.h"
#include "app/modulevariables.h"
#include "app/screenzoom.h"
#include "app/translations.h"
#include "driven_string/vibreur.h"
#include "home/accueil.h"
#include "pictures/pictureexport.h"
#include "recorder/enregistreur.h"
#include "reflection/reflexion.h"
#include "string_modes/modescorde.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QAccessible>
#include <QApplication>
#include <QChartView>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QLabel>
#include <QPointer>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTranslator>

#include <algorithm>

#include <malloc.h>

namespace {

// The middle row of the pixels of that colour in the picture's column at user x.
double curveRow(const DrawingSurface &picture, double x, const QColor &color)
{
    const int column = int(picture.scale().xToPixels(float(x)));
    const QRect found
        = Probe::matching(picture.image(), color, QRect(column, 0, 1, picture.image().height()))
              .bounds;
    return (found.top() + found.bottom()) / 2.0;
}

const QColor navy(0, 0, 128); // the focus mark's

// The column of the keyboard's cursor on the focused picture as shown: the navy across the
// middle half of the picture, clear of the focus mark.
int cursorColumn(DrawingSurface &picture)
{
    const QRect client = picture.clientRect();
    const QRect inside = client.adjusted(4, client.height() / 4, -4, -client.height() / 4);
    return Probe::matching(picture.grab().toImage(), navy, inside).bounds.center().x();
}

// Shows `window` and makes it the active one, as a user's click on it does.
bool activate(QWidget *window)
{
    window->show();
    QApplication::setActiveWindow(window);
    return QTest::qWaitForWindowActive(window);
}

// What a screen reader reads of a picture, an image with a name: its description; none otherwise.
QString described(QWidget *picture)
{
    const QAccessibleInterface *read = QAccessible::queryAccessibleInterface(picture);
    return read->role() == QAccessible::Graphic && !read->text(QAccessible::Name).isEmpty()
        ? read->text(QAccessible::Description)
        : QString();
}

} // namespace

class TestModules : public QObject
{
    Q_OBJECT

    // The three windows on the variables of one run, the reflection loaded last.
    struct Windows
    {
        ModuleVariables v;
        Vibreur vibreurWindow {nullptr, v.shared, v.vibreur};
        ModesCorde modesWindow {nullptr, v.shared, v.modes};
        Reflexion reflexionWindow {nullptr, v.shared, v.reflexion};
        WindowDriver vibreur {&vibreurWindow};
        WindowDriver modes {&modesWindow};
        WindowDriver reflexion {&reflexionWindow};

        // The driven string, the reflection, the eigenmodes.
        WindowDriver &module(int module)
        {
            return *std::array {&vibreur, &reflexion, &modes}[module];
        }
        // One frame, as "Pas à pas", "pas", "image suivante" give it.
        void step(int m) { module(m).click(std::array {"Command6", "pas", "Command2"}[m]); }
        Enregistreur &recorder(int m) { return *module(m).window->findChild<Enregistreur *>(); }
    };

    using Readout = std::pair<double, QString>; // a number and its unit
    using Shown = std::tuple<int, std::array<double, 2>, int, Readout, Readout, QString>;
    using Measured = std::tuple<int, double, int, double, int>;
    using Read = std::tuple<int, double, QString>;
    using Zoomed = std::tuple<QString, QSize, bool>;
    using Environment = QMap<QString, QString>;

    // Every text a user meets on the home screen, the three windows, their picture menus and a
    // recorder, in the language whose catalogues are installed; the windows are left open. The
    // controls' names, which no language changes, go to `names`.
    static QStringList textsOfAllWindows(Accueil &home, QStringList &names)
    {
        for (const Module m : {Module::DrivenString, Module::Reflection, Module::StringModes})
            home.demarre(m);
        WindowDriver vibreur {home.findChild<Vibreur *>()};
        vibreur.menu({30, 0}, QCoreApplication::translate("PointTracker", "Suivre ce point"));
        QList<QWidget *> windows {&home, vibreur.window->findChild<Enregistreur *>()};
        for (Form *module : home.findChildren<Form *>(QString(), Qt::FindDirectChildrenOnly))
            windows << module;
        QStringList texts;
        for (QWidget *window : windows) {
            texts << window->windowTitle();
            for (const QWidget *w : window->findChildren<QWidget *>()) {
                texts << w->property("text").toString() << w->toolTip() << w->accessibleName();
                names << w->objectName();
            }
            if (window->findChild<DrawingSurface *>("Picture1"))
                texts << WindowDriver {window}.menu({30, 0}).split('|');
        }
        texts.removeAll(QString());
        texts.removeDuplicates();
        return texts;
    }

private slots:
    void recorderShowsWhatThePictureShows_data()
    {
        // The module, the user x of A and B, frames (of ten time steps in the driven string), the
        // distance and the speed set that the readouts show, the picture's file name then.
        QTest::addColumn<Shown>("row");
        // The 40 mm pulse, at its top at 0.2 s, reaches 0.3 m at 1 m/s 0.3 s later, and passed
        // 0.2 m 0.1 s before; 20 frames of ten 2.5 ms steps, a computed point every 1 cm.
        QTest::newRow("driven string, pulse at point 30")
            << Shown {0, {30, 20}, 20, {0.1, "m"}, {1, "m/s"}, "corde-vibreur-t0,500s.png"};
        // k = 1 at 25 mm/s: T = 8 s, a quarter of which is forty 0.05 s frames; a quarter of the
        // string shows sin 45° of the antinode's.
        QTest::newRow("reflection, antinode at T/4")
            << Shown {1, {50, 25}, 40, {25, "mm"}, {2.5, "cm/s"}, "reflexion-t2,000s.png"};
        // The fundamental: T = 2 L / c = 0.639 s with c = √(m g / μ) = 3.13 m/s for 1 kg on
        // 1 kg/m, 4 × 16 frames of 10 ms after the one at rest.
        QTest::newRow("eigenmodes, mid-string at T/4") << Shown {
            2, {500, 250}, 16, {25, "cm"}, {std::sqrt(9.81), "m/s"}, "modes-propres-t0,170s.png"};
    }

    // The recorder takes the displacement the picture shows at each point, upward, in mm; the
    // readouts are in the panel's units; a picture is named after the time it shows.
    void recorderShowsWhatThePictureShows()
    {
        QFETCH(Shown, row);
        const auto &[module, x, steps, distance, speed, fileName] = row;
        const QColor color = module == 1 ? QColor(200, 50, 100) : QColor(255, 0, 0); // the sum
        Windows w;
        w.vibreur.click("pause"); // it opens animating; paused, it moves no time while menus wait
        WindowDriver &window = w.module(module);
        DrawingSurface &picture = window.picture();
        const UserScale &scale = picture.scale();
        const double pixelsPerMm = module == 2 ? scale.xToPixels(1) - scale.xToPixels(0)
                                               : scale.yToPixels(1) - scale.yToPixels(0);
        if (module == 2) { // a frame of no harmonic, at rest, then the fundamental alone
            window.bar("Harmonique").setValue(0);
            w.step(module);
            window.bar("Harmonique").setValue(10);
        }
        std::array<double, 2> rest {};
        for (int p : {0, 1})
            rest[p] = curveRow(picture, x[p], color);
        window.menu({x[0], 0}, "Suivre ce point");
        // B from the keyboard: the cursor taken to x[1], the menu asked by the menu key, or
        // Shift+F10, placed there.
        QVERIFY(activate(window.window));
        picture.setFocus(Qt::TabFocusReason);
        const int column = Probe::onScreen(picture, float(x[1]), 0).x();
        QTest::keyClick(&picture, Qt::Key_Home);
        for (int i = 0; i < 100 && cursorColumn(picture) < column; ++i)
            QTest::keyClick(&picture, Qt::Key_Right, Qt::ShiftModifier);
        for (int i = 0; i < 100 && cursorColumn(picture) > column; ++i)
            QTest::keyClick(&picture, Qt::Key_Left);
        QCOMPARE(cursorColumn(picture), column);
        const QPoint menu
            = window.keyMenu(module == 0 ? QKeyCombination(Qt::Key_Menu)
                                         : QKeyCombination(Qt::ShiftModifier, Qt::Key_F10),
                             "Suivre ce point");
        QCOMPARE(menu.x(), picture.mapToGlobal(QPoint(column, 0)).x());
        if (module == 0)
            window.click("Command5");
        const QString before = described(&picture);
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
             {std::pair {"distance ", distance}, {"réglée : ", speed}}) {
            const double value = Probe::readout(readout->text(), before, expected.second);
            QVERIFY2(std::abs(value / expected.first - 1) < 0.02, qPrintable(readout->text()));
        }

        QString proposed;
        QTimer dialog; // the save dialog, once open: its proposed name, then cancelled
        connect(&dialog, &QTimer::timeout, this, [&proposed] {
            if (auto *d = qobject_cast<QFileDialog *>(QApplication::activeModalWidget())) {
                proposed = d->findChild<QLineEdit *>("fileNameEdit")->text();
                d->reject();
            }
        });
        dialog.start(10);
        window.menu({x[0], 0}, "Enregistrer l'image…");
        QCOMPARE(proposed, fileName);
        // Read as images, the picture tells the time it is saved at, the plot what it measures.
        const QString now = described(&picture);
        QVERIFY2(now != before
                     && Probe::readout(now, "t = ", "s")
                         == QLocale(QLocale::French).toDouble(fileName.section("-t", 1).chopped(5)),
                 qPrintable(now));
        QVERIFY(described(w.recorder(module).findChild<QChartView *>()).contains(readout->text()));
        // A sample a time step of the driven string, a frame of the others; none while paused.
        QCOMPARE(record.samples().size(), std::size_t(steps * (module == 0 ? 10 : 1)));

        // A new mass or length: a new trace from the next frame on.
        for (const QString &setting :
             module == 2 ? QStringList {"Masse", "Longueur"} : QStringList()) {
            const std::size_t next = record.samples().size();
            ScrollBar &bar = window.bar(setting);
            bar.setValue(bar.Value() - 1);
            w.step(module);
            QCOMPARE(record.lastTrace(), next);
        }
    }

    // The driven string's picture tools: its menu; a marker over the picture, not in it, and a
    // recorder that leave the panel's captions alone; Ctrl+C copies the picture but in a step box.
    void pictureTools()
    {
        Windows w;
        w.vibreur.click("pause");
        QWidget &window = *w.vibreur.window;
        window.show();
        DrawingSurface &picture = w.vibreur.picture();
        const QPoint point30 = Probe::onScreen(picture, 30, 0);
        const QRect captions
            = w.vibreur.find("Label5").geometry() | w.vibreur.find("Label18").geometry();
        const auto write = [&] { // the captions, as a change writes them
            for (const char *name : {"Frequence", "Amp"}) {
                ScrollBar &bar = w.vibreur.bar(name);
                bar.setValue(bar.minimum());
                bar.setValue(bar.minimum() + 2);
            }
            return window.grab(captions).toImage();
        };
        const QImage before = write();
        QCOMPARE(w.vibreur.menu({30, 0}, "Suivre ce point"),
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
        QWidget &button = w.vibreur.find("Command6");
        button.setFocus();
        QTest::keyClick(&button, Qt::Key_C, Qt::ControlModifier);
        QCOMPARE(QGuiApplication::clipboard()->image().size(), picture.size());
    }

    // The program's save dialog, with Qt's catalogue loaded as the program loads it, is French;
    // a name longer than a folder takes gets a refused save's message, shown whole; the dialog
    // stays.
    void saveDialog()
    {
        QVERIFY2(installTranslations(*qApp, Language::French),
                 "Qt's French catalogue (Debian: qt6-translations-l10n) is missing");
        QTemporaryDir folder;
        QWidget picture;
        QString buttons;
        QString message;
        bool whole = false;
        bool stays = false;
        QTimer::singleShot(0, this, [&] {
            auto *dialog = qobject_cast<QFileDialog *>(QApplication::activeModalWidget());
            if (!dialog)
                return;
            auto *box = dialog->findChild<QDialogButtonBox *>();
            buttons = box->button(QDialogButtonBox::Save)->text() + '/'
                + box->button(QDialogButtonBox::Cancel)->text();
            dialog->setDirectory(folder.path());
            auto *name = dialog->findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
            name->clear();
            QTest::keyClicks(name, QString(300, 'x'));
            Probe::acceptMessageBox(this, message, &whole);
            box->button(QDialogButtonBox::Save)->click();
            stays = dialog->isVisible();
            dialog->reject();
        });
        QVERIFY(!PictureExport::save(&picture, QStringLiteral("corde.png")));
        QCOMPARE(buttons.remove('&'), QStringLiteral("Enregistrer/Annuler"));
        QVERIFY2(message.contains(folder.path()) && message.contains("trop long") && whole,
                 qPrintable(message));
        QVERIFY(stays);
        QVERIFY(QDir(folder.path()).isEmpty());
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
        w.vibreur.click("pause");
        if (module == 1) {
            w.reflexion.bar("Mode").setValue(2);
            w.reflexion.bar("celerite").setValue(100);
        } else { // a pulse to follow, or the sine that moves the time
            w.vibreur.click(module == 0 ? "Command5" : "Command1");
        }
        w.module(module).menu({x, 0}, "Suivre ce point");
        if (module == 0)
            w.module(module).menu({x + 50, 0}, "Suivre ce point");
        double drawn = 0; // s, the shared time at the module's last frame
        for (int frame = 0; frame < frames; ++frame) {
            w.step(module);
            drawn = w.v.shared.temps / (module == 2 ? 1000 : 1);
            w.step(other);
        }
        // Its picture is said at the time it shows, not at the one the other moved to.
        const QString said = described(&w.module(module).picture());
        QVERIFY2(std::abs(Probe::readout(said, "t = ", "s") - drawn) < 6e-4, qPrintable(said));
        const Recording &record = w.recorder(module).recording();
        const auto measured = module == 0 ? record.delay(NAN) : record.period(Recording::A);
        QVERIFY2(measured && std::abs(*measured / expected - 1) < (module == 0 ? 0.03 : 0.01),
                 qPrintable(QString::number(measured.value_or(0))));
    }

    void openModulesShareTheTimeAndEachErasesWhatItShows()
    {
        Windows w;
        ModuleVariables &v = w.v;
        // The reflection, loaded last, set dt = 0.05 s and temps = 0 for both.
        w.vibreur.tick();
        w.reflexion.click("pas");
        QCOMPARE(v.shared.temps, 11 * 0.05);
        // The eigenmodes add 10 ms a frame and keep the reflection's first wavelength.
        const double lambda = v.shared.longueurOnde[0];
        w.modes.click("Command2");
        QVERIFY(v.shared.temps == 11 * 0.05 + 10 && v.shared.longueurOnde[0] == lambda);

        // All three animate, each moving temps between the others' frames.
        w.vibreur.click("Command1");
        w.modes.click("Command1");
        w.reflexion.click("go");
        for (int tick = 0; tick < 160; ++tick) { // 4 s at the 25 ms ticks
            if (tick % 2 == 0)
                w.vibreur.tick();
            w.reflexion.tick();
            w.modes.tick();
        }
        const QColor red(255, 0, 0);
        QCOMPARE(Probe::ghosts(w.modes.picture(), Probe::polyline(v.modes.ordonnee, 100, 10), red),
                 0);
        QCOMPARE(
            Probe::ghosts(w.vibreur.picture(), Probe::polyline(v.vibreur.yNouveau, 100, 1), red),
            0);
        // One hand on the dial, a turn a period from twelve o'clock, at the reflection's frame.
        w.reflexion.tick();
        const double angle = 2 * M_PI * v.shared.temps / v.reflexion.periode - M_PI / 2;
        const double length = ReflectionModel::longueurAiguille;
        const QList<QPointF> hand {{1, 1}, {1 + length * cos(angle), 1 + length * sin(angle)}};
        QCOMPARE(Probe::ghosts(w.reflexion.picture("pendule"), hand, red), 0);
        // The same frame drawn afresh, as a new speed and the old one again draw it: at most the
        // nicks of the previous frame's erasing differ.
        const QImage shown = w.reflexion.picture().image();
        w.reflexion.bar("celerite").setValue(50);
        w.reflexion.bar("celerite").setValue(25);
        const QImage afresh = w.reflexion.picture().image();
        int ghosts = 0;
        for (const QColor &color : {QColor(0, 200, 150), QColor(0, 0, 255), QColor(200, 50, 100)})
            ghosts += Probe::extra(shown, afresh, color);
        QVERIFY2(ghosts <= 40, qPrintable(QString::number(ghosts)));
    }

    // A title selects its module, whatever was selected; "Démarrer" opens it beside the others,
    // and clicked again brings it to the front, no new window made.
    void homeScreenOpensEachModuleOnce()
    {
        ModuleVariables v;
        Accueil home(moduleFactories(v));
        WindowDriver accueil {&home};
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        QCOMPARE(Probe::captionFaults(home).join("; "), QString());
        // The load selects the driven string over the designer's choice.
        QVERIFY(accueil.find<OptionButton>("Option1").Value());
        // The reflection's title, the eigenmodes', the driven string's.
        const QStringList titles {"Label12", "Label11", "Label10"};
        for (int i = 0; i < titles.size(); ++i) {
            accueil.click(titles[i] + " Reprise Reprise");
            const QList<qsizetype> opened {home.findChildren<Reflexion *>().size(),
                                           home.findChildren<ModesCorde *>().size(),
                                           home.findChildren<Vibreur *>().size()};
            QCOMPARE(opened, QList<qsizetype>({1, i >= 1, i >= 2}));
        }
        for (const Form *module : home.findChildren<Form *>(QString(), Qt::FindDirectChildrenOnly))
            QVERIFY(module->isVisible());
    }

    // "Quitter", or the frame's close button, ends the event loop at once with 0: every window
    // hidden, none closed.
    void quitEndsTheProgram()
    {
        for (const bool byQuitter : {true, false}) {
            ModuleVariables v;
            Accueil home(moduleFactories(v));
            WindowDriver accueil {&home};
            home.show();
            accueil.click("Reprise");
            const QPointer<Form> module
                = home.findChild<Form *>(QString(), Qt::FindDirectChildrenOnly);
            QTimer::singleShot(0, &home,
                               [&] { byQuitter ? accueil.click("Command1") : void(home.close()); });
            QTimer::singleShot(2000, &home, [] { QCoreApplication::exit(1); }); // too late
            QCOMPARE(QCoreApplication::exec(), 0);
            QVERIFY(!home.isVisible() && module && !module->isVisible());
        }
    }

    // The focused control is marked in navy on a light face, else in its caption's colour: on the
    // driven string's panel, picture and button bar, the dial, the recorder's buttons, and alone
    // on the home screen's black. The mark goes with the focus, and a picture keeps none.
    void focusMark()
    {
        Windows w;
        Accueil home(moduleFactories(w.v));
        w.vibreur.click("pause");
        QWidget *vibreur = w.vibreur.window;
        w.vibreur.menu({30, 0}, "Suivre ce point");
        for (const auto &[window, name, mark] :
             {std::tuple<QWidget *, QString, QColor>(vibreur, "HScroll1", navy),
              {vibreur, "Command1", navy},
              {vibreur, "PasX", navy},
              {vibreur, "traces", QColor(224, 224, 224)},
              {vibreur, "Option2", QColor(0, 0, 192)},
              {vibreur, "Picture1", navy},
              {w.reflexion.window, "pendule", navy},
              {&w.recorder(0), "Effacer", navy},
              {&w.recorder(0), "Courbes", navy},
              {&home, "Option2", Qt::white}}) {
            QVERIFY(activate(window));
            QWidget &control = WindowDriver {window}.find(name);
            control.clearFocus();
            const QImage without = control.grab().toImage();
            // Not by Tab, which selects a text box's text in the same navy.
            control.setFocus(Qt::OtherFocusReason);
            const int dots = Probe::extra(control.grab().toImage(), without, mark);
            QVERIFY2(dots >= 12, qPrintable(name + ": " + QString::number(dots)));
            if (qobject_cast<DrawingSurface *>(&control))
                QCOMPARE(PictureExport::shown(&control), without);
            control.clearFocus();
            QCOMPARE(control.grab().toImage(), without);
        }
    }

    void tabGoesAsOneReads_data()
    {
        QTest::addColumn<int>("window"); // the driven string, the reflection, the eigenmodes
        QTest::newRow("home screen") << -1;
        QTest::newRow("driven string") << 0;
        QTest::newRow("reflection") << 1;
        QTest::newRow("eigenmodes") << 2;
        QTest::newRow("recorder") << 3;
    }

    // Tab goes down the panel left of the picture, then on as one reads a page, top to bottom
    // and left to right: the picture, the buttons; and round again. A button that gives way to
    // another at its place leaves the focus there.
    void tabGoesAsOneReads()
    {
        QFETCH(int, window);
        Windows w;
        Accueil home(moduleFactories(w.v));
        w.vibreur.click("pause");
        if (window == 3)
            w.vibreur.menu({30, 0}, "Suivre ce point");
        QWidget *shown
            = std::array<QWidget *, 5> {&home, w.vibreur.window, w.reflexion.window, w.modes.window,
                                        w.vibreur.window->findChild<Enregistreur *>()}[window + 1];
        QVERIFY(activate(shown));
        const auto place
            = [shown](const QWidget *c) { return QRect(c->mapTo(shown, QPoint(0, 0)), c->size()); };
        const QWidget *picture = shown->findChild<DrawingSurface *>("Picture1");
        const auto order = [&](const QWidget *c) {
            const bool panel = picture && place(c).right() < place(picture).left();
            return std::tuple(!panel, place(c).top(), place(c).left());
        };
        QList<QWidget *> expected;
        for (QWidget *c : shown->findChildren<QWidget *>()) {
            // A group of option buttons is one stop, at the one selected (arrows move in it).
            const auto *option = qobject_cast<QRadioButton *>(c);
            if (c->window() == shown && c->isVisibleTo(shown) && c->isEnabled() && !c->focusProxy()
                && (c->focusPolicy() & Qt::TabFocus) && !(option && !option->isChecked()))
                expected << c;
        }
        // Every picture a screen reader describes is a stop.
        for (QWidget *c : shown->findChildren<QWidget *>()) {
            if (c->isVisibleTo(shown)
                && (qobject_cast<DrawingSurface *>(c) || qobject_cast<QChartView *>(c)))
                QVERIFY2(expected.contains(c), qPrintable(c->objectName()));
        }
        std::sort(expected.begin(), expected.end(),
                  [&](const QWidget *a, const QWidget *b) { return order(a) < order(b); });
        expected << expected.first();
        QStringList visited;
        expected.first()->setFocus(Qt::TabFocusReason);
        for (int i = 0; i < expected.size(); ++i) {
            visited << QApplication::focusWidget()->objectName() + ' '
                    + QApplication::focusWidget()->accessibleName();
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        }
        QStringList names;
        for (const QWidget *c : expected)
            names << c->objectName() + ' ' + c->accessibleName();
        QCOMPARE(visited, names);

        if (window != 0)
            return;
        // Space on "Reprise", then on "Pause" in its place: the focus stays there.
        w.vibreur.find("Reprise").setFocus(Qt::TabFocusReason);
        for (const char *next : {"pause", "Reprise"}) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
            QCOMPARE(QApplication::focusWidget()->objectName(), next);
        }
    }

    void closedWindowsKeepNoMemory_data()
    {
        // The option on the home screen; the clicks that start and quit the module.
        QTest::addColumn<QString>("clicks");
        QTest::newRow("driven string") << "Option1 Command1 Command2";
        QTest::newRow("reflection") << "Option2 go Command3";
        QTest::newRow("eigenmodes") << "Option3 Command1 Command3";
    }

    // Opened from the home screen, started and quit over and over: no growth of memory.
    void closedWindowsKeepNoMemory()
    {
        QFETCH(QString, clicks);
#if defined(__SANITIZE_ADDRESS__)
        QSKIP("the sanitizer's allocator keeps freed memory aside");
#endif
        ModuleVariables v;
        Accueil home(moduleFactories(v));
        WindowDriver driver {&home};
        home.show();
        driver.click(clicks.section(' ', 0, 0));
        constexpr int warmUp = 20;
        constexpr int cycles = 200; // windows opened and closed after the warm-up
        std::size_t before = 0;
        for (int i = 0; i < warmUp + cycles; ++i) {
            if (i == warmUp)
                before = mallinfo2().uordblks;
            driver.click("Reprise");
            WindowDriver window {home.findChild<Form *>(QString(), Qt::FindDirectChildrenOnly)};
            QVERIFY(QTest::qWaitForWindowExposed(window.window));
            window.click(clicks.section(' ', 1, 1));
            QCoreApplication::processEvents();
            window.click(clicks.section(' ', 2, 2));
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            QVERIFY(!window.window);
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

    // LANGUAGE's first entry the program speaks, else the first of LC_ALL, LC_MESSAGES, LANG set.
    void languageOfTheEnvironment_data()
    {
        QTest::addColumn<Environment>("environment");
        QTest::addColumn<bool>("english");
        QTest::newRow("nothing set") << Environment {} << false;
        QTest::newRow("LANG English") << Environment {{"LANG", "en_GB.UTF-8"}} << true;
        QTest::newRow("LANG C") << Environment {{"LANG", "C.UTF-8"}} << false;
        QTest::newRow("LANG Greek") << Environment {{"LANG", "el_GR.UTF-8"}} << false;
        QTest::newRow("LC_ALL over LANG")
            << Environment {{"LC_ALL", "fr_FR.UTF-8"}, {"LANG", "en_US.UTF-8"}} << false;
        QTest::newRow("LC_MESSAGES over LANG")
            << Environment {{"LC_MESSAGES", "en_US"}, {"LANG", "fr_FR"}} << true;
        QTest::newRow("LANGUAGE over LC_ALL")
            << Environment {{"LANGUAGE", "en"}, {"LC_ALL", "fr_FR.UTF-8"}} << true;
        QTest::newRow("LANGUAGE by preference")
            << Environment {{"LANGUAGE", "de:en_GB:fr"}, {"LANG", "fr_FR"}} << true;
        QTest::newRow("LANGUAGE French first")
            << Environment {{"LANGUAGE", "fr:en"}, {"LANG", "en_US"}} << false;
        QTest::newRow("LANGUAGE spoken by neither")
            << Environment {{"LANGUAGE", "de"}, {"LANG", "en_US"}} << true;
        QTest::newRow("\"english\" is no language name")
            << Environment {{"LANG", "english"}} << false;
    }

    void languageOfTheEnvironment()
    {
        QFETCH(Environment, environment);
        QFETCH(bool, english);
        const Language language = languageOfEnvironment(
            [&](const char *name) { return environment.value(QString::fromLatin1(name)); });
        QCOMPARE(language == Language::English, english);
    }

    // --langue over the environment, carried by help and refusals alike, so that they are said
    // again in it.
    void languageOnTheCommandLine()
    {
        const auto asked = [](const char *arguments) {
            const std::optional<Language> l
                = readCommandLine(QString("vellane ").append(arguments).split(' ')).language;
            return l ? int(*l) : -1;
        };
        QCOMPARE(asked("--langue en"), int(Language::English));
        QCOMPARE(asked("--langue=fr --simulation modes"), int(Language::French));
        QCOMPARE(asked("--zoom 9 --langue en"), int(Language::English));
        QCOMPARE(asked("--help --langue en"), int(Language::English));
        QCOMPARE(asked("--simulation modes"), -1);
        const CommandLine refused = readCommandLine({"vellane", "--langue", "de"});
        QVERIFY(refused.action == CommandLine::Action::Refuse && refused.text.contains("« de »"));
    }

    // Every window, its menus and a recorder in English: no French text left, the controls' names
    // unchanged, and the English captions fit their places as the French ones do.
    void englishEdition()
    {
        QStringList french;
        QStringList frenchNames;
        {
            ModuleVariables v;
            Accueil home(moduleFactories(v));
            french = textsOfAllWindows(home, frenchNames);
        }
        QVERIFY2(installTranslations(*qApp, Language::English), "the English catalogue is missing");
        ModuleVariables v;
        Accueil home(moduleFactories(v));
        QStringList englishNames;
        const QStringList english = textsOfAllWindows(home, englishNames);
        QCOMPARE(englishNames, frenchNames);
        for (QTranslator *catalogue : qApp->findChildren<QTranslator *>()) {
            if (catalogue->language() == "en")
                delete catalogue; // the other tests speak French
        }
        // Words both languages spell alike; a number, unit or symbol has no word.
        const QRegularExpression word("[A-Za-zÀ-ÿ]{3,}");
        const QStringList alike {"Pause", "pause", "version"};
        for (const QString &text : english) {
            QStringList words;
            for (const auto &m : word.globalMatch(text))
                words << m.captured();
            const bool shared = std::all_of(words.begin(), words.end(),
                                            [&](const QString &w) { return alike.contains(w); });
            QVERIFY2(!french.contains(text) || words.isEmpty() || shared, qPrintable(text));
        }
        QList<Form *> windows = home.findChildren<Form *>();
        windows << &home;
        for (Form *window : windows) {
            window->show();
            QCOMPARE(Probe::captionFaults(*window).join("; "), QString());
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
        for (int m = 0; m < moduleCount; ++m)
            home.demarre(Module(m));
        for (const Form *module : home.findChildren<Form *>(QString(), Qt::FindDirectChildrenOnly))
            windows << module->size();
        QCOMPARE(windows.size(), 1 + moduleCount);
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
