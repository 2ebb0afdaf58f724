// What every window goes through: numbers as text, twips and
// user scales, the line rasteriser and the retained drawing surface, the
// controls' own rules, and windows with their animation timers.
#include "controls/application.h"
#include "controls/controls.h"
#include "controls/form.h"
#include "controls/formtimer.h"
#include "controls/messagebox.h"
#include "controls/numberformat.h"
#include "controls/shapecontrol.h"
#include "drawing/drawingsurface.h"
#include "drawing/linerasterizer.h"
#include "drawing/twips.h"
#include "drawing/userscale.h"
#include "look/colors.h"
#include "look/fonts.h"
#include "pictures/pictureexport.h"
#include "support/imageprobe.h"
#include "support/smallfilesystem.h"

#include <QApplication>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>
#include <QtTest>

#include <cmath>
#include <optional>

class TestControls : public QObject
{
    Q_OBJECT

public:
    enum Refusal { Locked, Missing, ReadOnly, Full, Short }; // why a save fails
    Q_ENUM(Refusal)

private:
    static LabelStyle plainStyle()
    {
        return {Qt::black, Qt::white, Fonts::sans(), Qt::AlignLeft | Qt::AlignTop, false};
    }

private slots:
    // A French locale must change nothing: "." is the decimal point.
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::French, QLocale::France)); }

    // Shown: a blank for the sign of a positive number, no leading zero, 15 digits. Then twips
    // and extents.
    void numbersAndUnits()
    {
        for (const auto &[value, text] : {std::pair<double, QString>(-0.25, "-.25"),
                                          {-0.0, " 0"},
                                          {0.1 + 0.2, " .3"},
                                          {1.0 / 3.0, " .333333333333333"},
                                          {1e-20, " 1E-20"}})
            QCOMPARE(Str(value), text);
        // 7.5 twips, half a pixel, rounds away from zero.
        QVERIFY(Twips::toPixels(7) == 0 && Twips::toPixels(8) == 1 && Twips::toPixels(-8) == -1);
        // The reflection's picture: 100 × 50 units over 573 × 405 pixels.
        const UserScale waves = UserScale::fromExtent(0, 0, 100, 50, 573 * 15, 405 * 15);
        QVERIFY(std::abs(waves.xToPixels(100) - 573.0f) < 1e-3f);
        QVERIFY(std::abs(waves.yToPixels(50) - 405.0f) < 1e-3f);
        QVERIFY((waves.toUser(QPointF(573, 405)) - QPointF(100, 50)).manhattanLength() < 1e-3);
    }

    // Each line in device pixels (pixel i covers [i, i + 1)), its pen's width, the bounds of the
    // pixels it covers and their count (−1: every pixel of those bounds).
    void rasterizedLine()
    {
        QImage white(40, 32, QImage::Format_RGB32);
        white.fill(Qt::white);
        const std::tuple<QLineF, int, QRect, int> rows[] = {
            {QLineF(3, 10, 20, 10), 1, QRect(3, 10, 18, 1), -1}, // on a pixel edge
            {QLineF(3, 10, 20, 10), 2, QRect(2, 9, 19, 2), -1}, // astride the edge
            // Vertical, ends 4e-4 pixel either side of an edge.
            {QLineF(10.0004, 2, 9.9997, 30), 1, QRect(10, 2, 1, 29), -1},
            {QLineF(40, 4, 40, 12), 2, QRect(39, 3, 1, 10), -1}, // along the right edge
            // Eight 2 × 2 squares, each overlapping the last by one pixel.
            {QLineF(3.5, 3.5, 10.5, 10.5), 2, QRect(3, 3, 9, 9), 8 * 4 - 7},
            // Three whole squares, then the half of one inside the right edge.
            {QLineF(36.5, 3.5, 44.5, 11.5), 2, QRect(36, 3, 4, 5), 3 * 4 - 2 + 1},
            // Starting in column −1, left of the picture: one step down before column 0.
            {QLineF(-0.7, 0.5, 5.3, 6.5), 1, QRect(0, 1, 6, 6), 6},
            // Far outside (a blown-up value: clipped, not walked), just beside, or no number.
            {QLineF(5.5, 0, 5.5, 3e37), 1, QRect(5, 0, 1, 32), -1},
            {QLineF(-1.5, 0, -1, 31), 1, QRect(), -1},
            {QLineF(qQNaN(), 0, 1, 1), 1, QRect(), -1},
            {QLineF(0, 1, qInf(), 1), 1, QRect(), -1},
        };
        for (const auto &[line, width, covered, count] : rows) {
            QImage image = white;
            drawAliasedLine(image, line.p1(), line.p2(), width, qRgb(255, 0, 0));
            const Probe::Pixels red = Probe::matching(image, Qt::red);
            QCOMPARE(red.bounds, covered);
            QCOMPARE(red.count, count < 0 ? covered.width() * covered.height() : count);
        }
        // Clipped, a line changes the same pixels as whole inside the clip, and none outside.
        const QRect clip(12, 6, 9, 11);
        for (const QLineF &line : {QLineF(3.5, 2.2, 37.1, 29.6), QLineF(15.5, 0, 15.5, 31)}) {
            QImage whole = white;
            QImage clipped = white;
            drawAliasedLine(whole, line.p1(), line.p2(), 2, qRgb(255, 0, 0));
            drawAliasedLine(clipped, line.p1(), line.p2(), 2, qRgb(255, 0, 0), clip);
            const Probe::Pixels red = Probe::matching(clipped, Qt::red);
            QVERIFY(clip.contains(red.bounds) && red.count > 10);
            QCOMPARE(clipped.copy(clip), whole.copy(clip));
        }
        // A line along an axis beside the clip changes nothing, and says so.
        QVERIFY(drawAliasedLine(white, {0, 2.5}, {39, 2.5}, 1, qRgb(255, 0, 0), clip).isEmpty());
        QVERIFY(drawAliasedLine(white, {2.5, 0}, {2.5, 31}, 1, qRgb(255, 0, 0), clip).isEmpty());
    }

    // A segment repaints a small region; a wavy polyline drawn red then erased in white (as the
    // animations do), pens 1 and 2 wide; after overdrawn frames the screen equals the image.
    void drivenStringPicture()
    {
        QWidget window;
        window.resize(560, 440);
        DrawingSurface surface(&window, 0, 0, 8175, 6375, Qt::white, DrawingSurface::Border::Flat);
        surface.setScale(UserScale(-10, -100, 70.5653, 31.725)); // twips per unit
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        struct PaintSpy : QObject
        {
            QRegion painted;
            bool eventFilter(QObject *, QEvent *event) override
            {
                if (event->type() == QEvent::Paint)
                    painted += static_cast<QPaintEvent *>(event)->region();
                return false;
            }
        } spy;
        surface.installEventFilter(&spy);
        surface.setDrawWidth(2);
        surface.Line(40, 0, 41, 2, Qt::red);
        QTRY_VERIFY(!spy.painted.isEmpty());
        const QRect around = spy.painted.boundingRect();
        QVERIFY2(around.width() < 12 && around.height() < 12,
                 qPrintable(QString::number(around.width())));
        // Two segments far apart in the same rows: not the span between them.
        spy.painted = QRegion();
        surface.Line(0, 20, 1, 21, Qt::red);
        surface.Line(99, 20, 100, 21, Qt::red);
        QTRY_VERIFY(spy.painted.contains(Probe::onScreen(surface, 0.5f, 20.5f))
                    && spy.painted.contains(Probe::onScreen(surface, 99.5f, 20.5f)));
        QVERIFY(!spy.painted.contains(Probe::onScreen(surface, 50, 20.5f)));
        // Once repainted, changes are forgotten: the next frame repaints only its own.
        spy.painted = QRegion();
        surface.Line(40, 0, 41, 2, Qt::white);
        QTRY_VERIFY(!spy.painted.isEmpty());
        QVERIFY(!spy.painted.contains(Probe::onScreen(surface, 0.5f, 20.5f)));
        surface.Cls();

        const auto y = [](int i) { return float(60.0 * std::sin(i * 0.37) + 0.3 * i); };
        const auto polyline = [&](const QColor &color) {
            for (int i = 1; i <= 100; ++i)
                surface.Line(float(i - 1), y(i - 1), float(i), y(i), color);
        };
        const QImage &image = surface.image();
        int thinner = 0;
        for (int width : {1, 2}) {
            surface.setDrawWidth(width);
            polyline(Qt::red);
            QCOMPARE(Probe::pixel(surface, 50, y(50)), QColor(Qt::red));
            // Aliased: every pixel is the background or the pen; a pen twice as wide.
            const int red = Probe::matching(image, Qt::red).count;
            QCOMPARE(red + Probe::matching(image, Qt::white).count, image.width() * image.height());
            QVERIFY2(red > 1.8 * thinner && red > 400, qPrintable(QString::number(red)));
            thinner = red;
            polyline(Qt::white);
            QCOMPARE(Probe::matching(image, Qt::red).count, 0);
        }
        for (int frame = 0; frame < 8; ++frame) {
            const auto y = [frame](int i) { return float(50 * std::sin(i * 0.2 + frame)); };
            for (int i = 1; i <= 100; ++i) {
                surface.Line(float(i - 1), y(i - 1) - 1, float(i), y(i) - 1, Qt::white);
                surface.Line(float(i - 1), y(i - 1), float(i), y(i), Qt::red);
            }
            QCoreApplication::processEvents();
        }
        QTest::qWait(50);
        const QPixmap screen = window.screen()->grabWindow(window.winId());
        const QImage shown = screen.toImage().convertToFormat(QImage::Format_RGB32);
        QCOMPARE(shown.copy(QRect(surface.clientRect().topLeft(), image.size())), image);
        // A shape placed in twips of the client area (15 a pixel) moves in user units: 7.5 + 100
        // units of 31.725 twips.
        ShapeControl &marker = *ShapeControl::inPicture(&surface, ShapeControl::Kind::Rectangle,
                                                        150, 3172, 585, 127, Qt::yellow, QColor());
        QCOMPARE(marker.pos(), surface.clientRect().topLeft() + QPoint(10, 211));
        marker.setTop(7.5);
        QCOMPARE(marker.y(), 1 + 227);
    }

    // An outlined rectangle shape is a one-pixel ring of its border round its fill; without a
    // border, the fill leaves its last column and row to what lies under it.
    void rectangleShape_data()
    {
        QTest::addColumn<QColor>("border");
        QTest::newRow("outlined") << QColor(Qt::black);
        QTest::newRow("without a border") << QColor();
    }
    void rectangleShape()
    {
        QFETCH(QColor, border);
        QWidget window;
        window.resize(60, 40);
        QPalette palette;
        palette.setColor(QPalette::Window, Qt::blue);
        window.setPalette(palette);
        window.setAutoFillBackground(true);
        const ShapeControl shape(&window, ShapeControl::Kind::Rectangle, 150, 150, 300, 180,
                                 Qt::yellow, border);
        const QRect r = shape.geometry();
        QCOMPARE(r, QRect(10, 10, 20, 12));
        const QImage shown = window.grab().toImage();
        int wrong = 0;
        for (int y = r.top() - 1; y <= r.bottom() + 1; ++y) {
            for (int x = r.left() - 1; x <= r.right() + 1; ++x) {
                const bool inside = r.contains(x, y);
                const bool ring = inside
                    && (x == r.left() || x == r.right() || y == r.top() || y == r.bottom());
                const bool lastRowOrColumn = x == r.right() || y == r.bottom();
                QColor expected = Qt::yellow;
                if (!inside || (!border.isValid() && lastRowOrColumn))
                    expected = Qt::blue;
                else if (border.isValid() && ring)
                    expected = border;
                wrong += shown.pixelColor(x, y) != expected;
            }
        }
        QCOMPARE(wrong, 0);
    }

    void boxAndCircle()
    {
        QWidget window;
        const QColor lavender = RGB(192, 192, 255);
        DrawingSurface dial(&window, 360, 5640, 2295, 2295, lavender,
                            DrawingSurface::Border::Sunken);
        dial.setScale(UserScale::fromExtent(0, 0, 2, 2, 2235, 2235));
        // A filled box holds both its corners, and no more.
        dial.LineBoxFilled(0, 0, 1, 1, RGB(0, 0, 255));
        QVERIFY(Probe::pixel(dial, 0, 0) == Qt::blue && Probe::pixel(dial, 1, 1) == Qt::blue);
        QCOMPARE(Probe::pixel(dial, 1.03f, 0.5f), lavender);
        dial.Cls();
        dial.setFillColor(Qt::white);
        dial.setFillSolid(true);
        dial.setDrawWidth(2);
        dial.Circle(1, 1, 1, Qt::black);
        QCOMPARE(Probe::pixel(dial, 1, 1), QColor(Qt::white));
        QCOMPARE(Probe::pixel(dial, 1, 0.005f), QColor(Qt::black));
        QCOMPARE(Probe::pixel(dial, 0.05f, 0.05f), lavender);
    }

    // Opaque, the surface paints every pixel (else another window's show through).
    // At 1 or 1.7 device pixels per logical one (--zoom).
    void borderPaintsEveryPixel()
    {
        using Border = DrawingSurface::Border;
        for (const auto &[border, ratio] : {std::pair(Border::None, 1.0),
                                            {Border::Flat, 1.0},
                                            {Border::Sunken, 1.0},
                                            {Border::Flat, 1.7},
                                            {Border::Sunken, 1.7}}) {
            QWidget window;
            DrawingSurface surface(&window, 0, 0, 1500, 900, Qt::white, border);
            QImage shown((QSizeF(surface.size()) * ratio).toSize(), QImage::Format_RGB32);
            shown.setDevicePixelRatio(ratio);
            const QColor sentinel(1, 2, 3);
            shown.fill(sentinel);
            surface.render(&shown, QPoint(), QRegion(), QWidget::RenderFlags());
            const QRect r = shown.rect();
            QCOMPARE(Probe::matching(shown, sentinel).count, 0);
            // Each edge is one colour past its corners (two device pixels at most).
            const auto edge = [&](QPoint from, QPoint step) {
                const QColor c = shown.pixelColor(from + 2 * step);
                for (QPoint at = from + 2 * step; r.contains(at + 2 * step); at += step) {
                    if (shown.pixelColor(at) != c)
                        return QColor();
                }
                return c;
            };
            const QColor top = edge(r.topLeft(), {1, 0});
            const QColor left = edge(r.topLeft(), {0, 1});
            const QColor bottom = edge(r.bottomLeft(), {1, 0});
            const QColor right = edge(r.topRight(), {0, 1});
            QVERIFY(top.isValid() && left.isValid() && bottom.isValid() && right.isValid());
            QCOMPARE(top, left);
            QCOMPARE(bottom, right);
            // A sunken border is lit from the top left.
            if (border == Border::Sunken)
                QVERIFY(right.lightness() > left.lightness());
            else
                QCOMPARE(top, bottom);
        }
    }

    // A scroll bar changes only when its dragged thumb is released, and once a press of a slider's
    // key. A click shows the new state of an option or check box in strong contrast on the
    // window's colours; Value raises Click as a click does, except for a check box set to the
    // value it has. A button is named by its label.
    void controls()
    {
        QWidget window;
        ScrollBar bar(&window, 360, 1080, 2415, 255, 0, 100, 13, 1, 10);
        OptionButton option(&window, 0, 0, 255, 255, QString(),
                            {Qt::white, Qt::black, Fonts::sans(), Qt::AlignLeft, true});
        CheckBox box(&window, 0, 300, 255, 255, Qt::lightGray, QColor(64, 64, 64));
        Label caption(&window, 8160, 8040, 615, 255, QStringLiteral("Pause"), plainStyle());
        CommandButton named(&window, 8160, 7440, 615, 615, QPixmap(20, 20), Qt::lightGray);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy change(&bar, &ScrollBar::Change);
        const QPoint start = Probe::part(bar, QStyle::SC_ScrollBarSlider).center();
        QTest::mousePress(&bar, Qt::LeftButton, {}, start);
        for (int dx = 10; dx <= 60; dx += 10)
            QTest::mouseMove(&bar, start + QPoint(dx, 0));
        QCOMPARE(change.count(), 0);
        QTest::mouseRelease(&bar, Qt::LeftButton, {}, start + QPoint(60, 0));
        QCOMPARE(change.count(), 1);
        QVERIFY(bar.Value() > 13);
        // From the middle: by its small change (1), its large one (10), and to either end.
        const Qt::Key keys[] = {Qt::Key_Right,  Qt::Key_Up,       Qt::Key_Left, Qt::Key_Down,
                                Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
        const int moves[] = {1, 1, -1, -1, 10, -10, -50, 50};
        for (int k = 0; k < 8; ++k) {
            bar.setValue(50);
            change.clear();
            QTest::keyClick(&bar, keys[k]);
            QVERIFY2(bar.Value() == 50 + moves[k] && change.count() == 1,
                     qPrintable(QKeySequence(keys[k]).toString()));
        }

        QSignalSpy clickOption(&option, &OptionButton::Click);
        QSignalSpy clickBox(&box, &CheckBox::Click);
        for (const auto &[button, background] :
             {std::pair<QAbstractButton *, QColor>(&option, Qt::black),
              {&box, QColor(64, 64, 64)}}) {
            const QImage off = button->grab().toImage();
            QCOMPARE(off.pixelColor(off.width() - 1, 0), background);
            button->click();
            const QImage on = button->grab().toImage();
            const int changed = Probe::matching(on, [&](QPoint at, QRgb pixel) {
                                    return std::abs(qGray(pixel) - qGray(off.pixel(at))) > 100;
                                }).count;
            QVERIFY2(changed >= 12, qPrintable(QString::number(changed)));
        }
        option.setValue(true);
        box.setValue(1);
        box.setValue(0);
        QVERIFY(clickOption.count() == 2 && clickBox.count() == 2);

        named.setCaptionLabel(&caption);
        caption.setCaption(QStringLiteral(" Reprise "));
        QCOMPARE(named.accessibleName(), QStringLiteral("Reprise"));
    }

    // Each caption, the width of its box in twips, whether it is transparent and centred (as
    // under a button), the caption of a label right after it, and whether its letters are closer.
    void captionIsShownWholeAtItsSize()
    {
        // In the sans font, this caption is a few pixels wider than its box: it runs on into
        // free space, unless a caption follows or the label is opaque.
        const QString pas = QStringLiteral("pas du calcul temporel :");
        for (const auto &[caption, width, transparent, centred, next, closer] :
             {std::tuple<QString, int, bool, bool, QString, bool>(pas, 1695, true, false, "",
                                                                  false),
              {pas, 1695, true, false, "0.0025", true},
              {pas, 1695, false, false, "", true},
              {"Réinitialiser la corde", 615, true, true, "", false}, // wraps
              // One word space apart it would fit; captions under buttons keep two.
              {"Pause", 615, true, true, "Reprise", true},
              // A box of one line: letters closer rather than a second line.
              {"image suivante", 1215, true, true, "Reprise", true}}) {
            QWidget window;
            window.resize(225, 100);
            LabelStyle style = plainStyle();
            if (transparent)
                style.background = QColor();
            if (centred)
                style.alignment = Qt::AlignHCenter | Qt::AlignTop;
            Label label(&window, 360, 240, width, 255, caption, style);
            Label after(&window, 360 + width, 240, 615, 255, next, style);
            QCOMPARE(Probe::captionFaults(window).join("; "), QString());
            const int flags = int(label.alignment()) | Qt::TextWordWrap;
            const QRect needed
                = QFontMetrics(label.font()).boundingRect(label.rect(), flags, caption);
            QVERIFY(label.rect().contains(needed));
            QCOMPARE(label.font().family(), label.styleFont().family()); // never a narrower font
            QCOMPARE(label.font().letterSpacing() < 0, closer);
        }
    }

    // A window opens centred, never above or left of the screen, and stays
    // where it is put; its timers stop when it unloads.
    void windows()
    {
        Form home(nullptr, QStringLiteral("home"), 10500, 6105, Qt::black);
        auto *module = new Form(&home, QStringLiteral("module"), 12000, 8520, Qt::gray);
        QPointer<FormTimer> timer = new FormTimer(module, 10, true);
        const QRect available = QGuiApplication::primaryScreen()->availableGeometry();
        for (Form *window : {&home, module}) {
            window->show();
            // Within the width of the frame the platform adds around it.
            const int frame = window->geometry().x() - window->frameGeometry().x() + 1;
            const QPoint off = window->geometry().center() - available.center();
            QVERIFY(std::abs(off.x()) <= frame && std::abs(off.y()) <= frame);
            // Moved by the user, then hidden and shown again: it stays there.
            window->move(7, 9);
            window->hide();
            window->show();
            QCOMPARE(window->pos(), QPoint(7, 9));
        }
        QVERIFY(module->close()); // closed from its frame: deleted soon after
        QVERIFY(timer && !timer->Enabled());
        QTRY_VERIFY(timer.isNull());

        // Larger than the screen, its top-left corner and title bar stay on the screen.
        Form large(nullptr, QStringLiteral("large"), (available.width() + 100) * Twips::perPixel,
                   (available.height() + 100) * Twips::perPixel, Qt::black);
        large.show();
        QVERIFY(large.frameGeometry().left() >= available.left()
                && large.frameGeometry().top() >= available.top());
    }

    void noTickWhileAMessageBoxIsOpenInsideATick()
    {
        FormTimer timer(nullptr, 10, true);
        FormTimer other(nullptr, 10, true); // another window's animation
        int ticks = 0;
        int both = 0; // ticks of either timer
        int missed = -1; // of those, while the box was open
        bool boxShown = false;
        connect(&other, &FormTimer::Timer, this, [&] { ++both; });
        connect(&timer, &FormTimer::Timer, this, [&] {
            ++both;
            if (++ticks != 2)
                return;
            const int before = both;
            // Close the box after 150 ms, about 15 intervals of both timers.
            QTimer::singleShot(150, this, [&] {
                auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                boxShown = box && box->windowTitle() == applicationTitle();
                if (box)
                    box->accept();
            });
            MsgBox(nullptr, QStringLiteral("Dépassement de capacité !"));
            missed = both - before;
        });
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 3000);
        QVERIFY(boxShown);
        QCOMPARE(missed, 0);
    }

    // A save the system refuses: the message, shown whole, names the folder and says why in
    // French; an earlier file keeps its bytes and nothing else is left beside it.
    void refusedSave_data()
    {
        QTest::addColumn<Refusal>("refusal");
        QTest::addColumn<QString>("why"); // a word the reason cannot do without
        QTest::newRow("folder not writable") << Locked << "droit";
        QTest::newRow("missing folder") << Missing << "existe pas";
        QTest::newRow("read-only disk") << ReadOnly << "lecture seule";
        QTest::newRow("full disk") << Full << "plein"; // a small picture fits Qt's buffer
        QTest::newRow("full disk during the write") << Short << "plein";
    }

    void refusedSave()
    {
        QFETCH(Refusal, refusal);
        QFETCH(QString, why);
        QTemporaryDir temporary;
        std::optional<SmallFileSystem> disk;
        QString folder = temporary.path() + QStringLiteral("/images");
        if (refusal == ReadOnly || refusal == Full || refusal == Short) {
            disk.emplace(64);
            if (!disk->refusal().isEmpty())
                QSKIP(qPrintable(disk->refusal()));
            folder = disk->path();
        } else if (refusal != Missing) {
            QVERIFY(QDir().mkdir(folder));
        }
        const QString path = folder + QStringLiteral("/corde.png");
        // Noise: a PNG of some 50 kB at 128 pixels, where 8 kB are left for a short write.
        const int side = refusal == Short ? 128 : 16;
        QImage image(side, side, QImage::Format_RGB32);
        QRandomGenerator(1).fillRange(reinterpret_cast<quint32 *>(image.bits()), side * side);
        const QByteArray earlier = "une image enregistrée avant";
        QFile earlierFile(path);
        if (refusal != Missing) {
            QVERIFY(earlierFile.open(QIODevice::WriteOnly) && earlierFile.write(earlier) > 0);
            earlierFile.close();
        }
        const auto readAndEnter = QFile::ReadOwner | QFile::ExeOwner | QFile::ReadGroup
            | QFile::ExeGroup | QFile::ReadOther | QFile::ExeOther;
        if (refusal == Locked) {
            QVERIFY(QFile::setPermissions(temporary.path(), readAndEnter | QFile::WriteOwner));
            QVERIFY(QFile::setPermissions(folder, readAndEnter));
        }
        if (refusal == ReadOnly)
            QVERIFY(disk->makeReadOnly());
        if (refusal == Full || refusal == Short)
            disk->fill(refusal == Short ? 8192 : 0);
        const QStringList before = QDir(folder).entryList(QDir::Files);
        QString message;
        bool whole = false;
        Probe::acceptMessageBox(this, message, &whole);
        {
            std::optional<AsAnotherUser> user;
            if (refusal == Locked)
                user.emplace();
            QVERIFY(!PictureExport::writePng(nullptr, image, path));
        }
        if (refusal == Locked) // for the temporary folder's removal by its owner
            QFile::setPermissions(folder, readAndEnter | QFile::WriteOwner);
        QVERIFY2(message.contains(QDir::toNativeSeparators(folder)) && message.contains(why)
                     && whole,
                 qPrintable(message));
        QCOMPARE(QDir(folder).entryList(QDir::Files), before);
        if (earlierFile.exists()) {
            QVERIFY(earlierFile.open(QIODevice::ReadOnly));
            QCOMPARE(earlierFile.readAll(), earlier);
        }
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
