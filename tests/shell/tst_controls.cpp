// The controls' own rules: when a scroll bar reports a change, what setting a
// value raises, how the indicators show their state, whose name a button
// carries, and how a caption too long for its box is kept whole.
#include "controls.h"
#include "fonts.h"
#include "imageprobe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

LabelStyle plainStyle()
{
    return {Qt::black, Qt::white, Fonts::sans(), Qt::AlignLeft | Qt::AlignTop, false};
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void scrollBarChangesOnlyWhenTheDraggedThumbIsReleased()
    {
        QWidget window;
        ScrollBar bar(&window, 360, 1080, 2415, 255, 0, 100, 13, 1, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy change(&bar, &ScrollBar::Change);
        const QPoint start = Probe::part(bar, QStyle::SC_ScrollBarSlider).center();
        const auto mouse = [&](QEvent::Type type, int dx, Qt::MouseButtons buttons) {
            const QPoint at = start + QPoint(dx, 0);
            QMouseEvent event(type, at, bar.mapToGlobal(at), Qt::LeftButton, buttons, {});
            QApplication::sendEvent(&bar, &event);
        };
        mouse(QEvent::MouseButtonPress, 0, Qt::LeftButton);
        for (int dx = 5; dx <= 60; dx += 5)
            mouse(QEvent::MouseMove, dx, Qt::LeftButton);
        QCOMPARE(change.count(), 0);
        mouse(QEvent::MouseButtonRelease, 60, Qt::NoButton);
        QCOMPARE(change.count(), 1);
        QVERIFY(bar.Value() > 13);
    }

    // Setting Value raises Click at once, as a user's click does; a check box
    // set to the value it has raises nothing. A link label reports its clicks.
    void clicks()
    {
        QWidget window;
        OptionButton a(&window, 0, 0, 2295, 255, QStringLiteral("extrémité fixe"), plainStyle());
        OptionButton b(&window, 0, 240, 2295, 255, QStringLiteral("extrémité libre"), plainStyle());
        CheckBox box(&window, 0, 480, 255, 255, Qt::darkGray);
        LabelStyle link = plainStyle();
        link.clickable = true;
        Label label(&window, 0, 720, 3135, 255, QStringLiteral("la corde laisse des traces"), link);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clickA(&a, &OptionButton::Click);
        QSignalSpy clickB(&b, &OptionButton::Click);
        QSignalSpy clickBox(&box, &CheckBox::Click);
        QSignalSpy clickLabel(&label, &Label::clicked);
        a.setValue(true);
        b.setValue(true);
        box.setValue(1);
        box.setValue(1);
        QVERIFY(!a.Value() && clickA.count() == 1 && clickB.count() == 1 && clickBox.count() == 1);
        QTest::mouseClick(&a, Qt::LeftButton, {}, QPoint(6, a.height() / 2));
        QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
        QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(10, 8));
        QVERIFY(a.Value() && !b.Value() && box.Value() == 0);
        QVERIFY(clickA.count() == 2 && clickBox.count() == 2 && clickLabel.count() == 1);
    }

    void indicatorShowsItsStateOnTheWindowsColours_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("background");
        QTest::newRow("option, white on black") << true << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("check box on dark grey") << false << QColor(Qt::black) << QColor(64, 64, 64);
    }

    void indicatorShowsItsStateOnTheWindowsColours()
    {
        QFETCH(bool, option);
        QFETCH(QColor, ink);
        QFETCH(QColor, background);
        QWidget window;
        QAbstractButton *button = option ? static_cast<QAbstractButton *>(new OptionButton(
                                      &window, 0, 0, 255, 255, QString(),
                                      {ink, background, Fonts::sans(), Qt::AlignLeft, true}))
                                         : new CheckBox(&window, 0, 0, 255, 255, background);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const QImage off = button->grab().toImage();
        QCOMPARE(off.pixelColor(off.width() - 1, 0), background);
        button->click();
        const QImage on = button->grab().toImage();
        // The selected state must stand out: many pixels change by a strong contrast.
        const int changed = Probe::matching(on, [&](QPoint at, QRgb pixel) {
                                return std::abs(qGray(pixel) - qGray(off.pixel(at))) > 100;
                            }).count;
        QVERIFY2(changed >= 12, qPrintable(QString::number(changed)));
    }

    void buttonTakesTheCaptionOfItsLabel()
    {
        QWidget window;
        Label caption(&window, 8160, 8040, 615, 255, QStringLiteral("Pause"), plainStyle());
        CommandButton button(&window, 8160, 7440, 615, 615, QPixmap(20, 20), Qt::lightGray);
        button.setCaptionLabel(&caption);
        caption.setCaption(QStringLiteral(" Reprise "));
        QCOMPARE(button.accessibleName(), QStringLiteral("Reprise"));
        QCOMPARE(button.toolTip(), QStringLiteral("Reprise"));
    }

    void captionIsShownWholeAtItsSize_data()
    {
        QTest::addColumn<QString>("caption");
        QTest::addColumn<int>("width"); // twips
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("centred");
        QTest::addColumn<QString>("next"); // the caption of a label right after it
        QTest::addColumn<QString>("fit"); // how the letters were fitted, if they were
        // In the sans font, this caption is a few pixels wider than its box.
        const QString pas = QStringLiteral("pas du calcul temporel :");
        QTest::newRow("runs on into free space") << pas << 1695 << true << false << ""
                                                 << "";
        QTest::newRow("a caption right after it") << pas << 1695 << true << false << "0.0025"
                                                  << "closer";
        QTest::newRow("opaque") << pas << 1695 << false << false << ""
                                << "closer";
        QTest::newRow("under a button: wraps")
            << "Réinitialiser la corde" << 615 << true << true << ""
            << "";
        // One word space apart it would fit; captions under buttons keep two.
        QTest::newRow("under a button beside another")
            << "Pause" << 615 << true << true << "Reprise"
            << "narrow";
    }

    void captionIsShownWholeAtItsSize()
    {
        QFETCH(QString, caption);
        QFETCH(int, width);
        QFETCH(bool, transparent);
        QFETCH(bool, centred);
        QFETCH(QString, next);
        QFETCH(QString, fit);
        QWidget window;
        window.resize(225, 100);
        LabelStyle style = plainStyle();
        if (transparent)
            style.background = QColor();
        if (centred)
            style.alignment = Qt::AlignHCenter | Qt::AlignTop;
        Label label(&window, 360, 240, width, 255, caption, style);
        Label after(&window, 360 + width, 240, 615, 255, next, style);
        QCOMPARE(Probe::captionFaults(window), QStringList());
        const QRect needed
            = QFontMetrics(label.font())
                  .boundingRect(label.rect(), int(label.alignment()) | Qt::TextWordWrap, caption);
        QVERIFY(label.rect().contains(needed));
        const QFont &font = label.font();
        const bool narrow = font.family() != label.styleFont().family();
        QCOMPARE(QString(font.letterSpacing() < 0 ? "closer" : narrow ? "narrow" : ""), fit);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
