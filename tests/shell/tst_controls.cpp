// The controls' event rules: when a scroll bar reports a change, option
// groups, check boxes, clickable labels and refused text.
#include "controls.h"
#include "fonts.h"
#include "imageprobe.h"

#include <QApplication>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

namespace {

void sendMouse(QWidget *widget, QEvent::Type type, QPoint at, Qt::MouseButtons buttons)
{
    QMouseEvent event(type, at, widget->mapToGlobal(at), Qt::LeftButton, buttons, Qt::NoModifier);
    QApplication::sendEvent(widget, &event);
}

LabelStyle plainStyle()
{
    return {Qt::black, Qt::white, Fonts::sans(), Qt::AlignLeft | Qt::AlignTop, false};
}

} // namespace

class TestControls : public QObject
{
    Q_OBJECT

private slots:
    void scrollBarChangesOnArrowAndTrough()
    {
        QWidget window;
        ScrollBar bar(&window, 360, 1080, 2415, 255, 0, 100, 13, 1, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy change(&bar, &ScrollBar::Change);

        Probe::click(bar, QStyle::SC_ScrollBarSubLine);
        QCOMPARE(bar.Value(), 12);
        QCOMPARE(change.count(), 1);

        Probe::click(bar, QStyle::SC_ScrollBarAddLine);
        QCOMPARE(bar.Value(), 13);
        QCOMPARE(change.count(), 2);

        Probe::click(bar, QStyle::SC_ScrollBarAddPage);
        QCOMPARE(bar.Value(), 23);
        QCOMPARE(change.count(), 3);
    }

    void scrollBarChangesOnlyWhenTheDraggedThumbIsReleased()
    {
        QWidget window;
        ScrollBar bar(&window, 360, 1080, 2415, 255, 0, 100, 13, 1, 10);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy change(&bar, &ScrollBar::Change);

        const QPoint start = Probe::part(bar, QStyle::SC_ScrollBarSlider).center();
        sendMouse(&bar, QEvent::MouseButtonPress, start, Qt::LeftButton);
        for (int dx = 5; dx <= 60; dx += 5)
            sendMouse(&bar, QEvent::MouseMove, start + QPoint(dx, 0), Qt::LeftButton);
        QVERIFY(bar.sliderPosition() > 13);
        QCOMPARE(change.count(), 0);
        QCOMPARE(bar.Value(), 13);

        sendMouse(&bar, QEvent::MouseButtonRelease, start + QPoint(60, 0), Qt::NoButton);
        QCOMPARE(change.count(), 1);
        QVERIFY(bar.Value() > 13);
    }

    void scrollBarChangesWhenTheProgramSetsValue()
    {
        QWidget window;
        ScrollBar bar(&window, 0, 0, 2415, 255, 1, 20, 10, 1, 2);
        QSignalSpy change(&bar, &ScrollBar::Change);
        bar.setValue(5);
        QCOMPARE(change.count(), 1);
        bar.setValue(5);
        QCOMPARE(change.count(), 1);
        bar.setValue(0); // below Min: held at Min
        QCOMPARE(bar.Value(), 1);
    }

    void optionGroupKeepsExactlyOneSelected()
    {
        QWidget window;
        OptionButton a(&window, 0, 0, 2295, 255, QStringLiteral("extrémité fixe"), plainStyle());
        OptionButton b(&window, 0, 240, 2295, 255, QStringLiteral("extrémité libre"), plainStyle());
        OptionButton c(&window, 0, 480, 2295, 255, QStringLiteral("pas d'extrémité"), plainStyle());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clickA(&a, &OptionButton::Click);
        QSignalSpy clickB(&b, &OptionButton::Click);
        QSignalSpy clickC(&c, &OptionButton::Click);

        a.setValue(true);
        QCOMPARE(clickA.count(), 1);
        b.setValue(true);
        QCOMPARE(clickB.count(), 1);
        QVERIFY(!a.Value());
        QVERIFY(b.Value());

        QTest::mouseClick(&c, Qt::LeftButton, {}, QPoint(6, c.height() / 2));
        QCOMPARE(clickC.count(), 1);
        QVERIFY(c.Value());
        QCOMPARE(int(a.Value()) + int(b.Value()) + int(c.Value()), 1);
    }

    void checkBoxValueAndClick()
    {
        QWidget window;
        CheckBox box(&window, 3720, 6600, 255, 255, Qt::darkGray);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy click(&box, &CheckBox::Click);
        QCOMPARE(box.Value(), 0);
        box.setValue(1);
        QCOMPARE(box.Value(), 1);
        QCOMPARE(click.count(), 1);
        box.setValue(1);
        QCOMPARE(click.count(), 1);
        QTest::mouseClick(&box, Qt::LeftButton, {}, box.rect().center());
        QCOMPARE(box.Value(), 0);
        QCOMPARE(click.count(), 2);
    }

    void indicatorShowsItsStateOnTheWindowsColours_data()
    {
        QTest::addColumn<bool>("option");
        QTest::addColumn<QColor>("ink");
        QTest::addColumn<QColor>("background");
        QTest::newRow("option, white on black") << true << QColor(Qt::white) << QColor(Qt::black);
        QTest::newRow("option, navy on lavender")
            << true << QColor(0, 0, 128) << QColor(192, 192, 255);
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
        int changed = 0;
        for (int y = 0; y < on.height(); ++y) {
            for (int x = 0; x < on.width(); ++x)
                changed
                    += std::abs(on.pixelColor(x, y).lightness() - off.pixelColor(x, y).lightness())
                    > 100;
        }
        QVERIFY2(changed >= 12, qPrintable(QString::number(changed)));
    }

    void clickableLabelReportsClicks()
    {
        QWidget window;
        LabelStyle style = plainStyle();
        style.clickable = true;
        Label link(&window, 3960, 6600, 3135, 255, QStringLiteral("la corde laisse des traces"),
                   style);
        Label plain(&window, 0, 0, 3135, 255, QStringLiteral("texte"), plainStyle());
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        QSignalSpy clicked(&link, &Label::clicked);
        QTest::mouseClick(&link, Qt::LeftButton, {}, QPoint(10, 8));
        QCOMPARE(clicked.count(), 1);
        QCOMPARE(link.cursor().shape(), Qt::PointingHandCursor);
        QVERIFY(plain.testAttribute(Qt::WA_TransparentForMouseEvents));
    }

    void longCaptionIsShownWhole()
    {
        QWidget window;
        Label label(&window, 360, 840, 1935, 255, QStringLiteral("fréquence de l'excitation : "),
                    plainStyle());
        label.setCaption(
            QStringLiteral("Un texte bien trop long pour tenir sur une ligne de ce label"));
        const QFontMetrics metrics(label.font());
        const QRect needed
            = metrics.boundingRect(QRect(0, 0, label.width(), 1000),
                                   int(label.alignment()) | Qt::TextWordWrap, label.Caption());
        QVERIFY(needed.height() <= label.height());
        QVERIFY(needed.width() <= label.width());
    }

    void slightlyLongCaptionKeepsItsSize_data()
    {
        // In the sans font, this caption is a few pixels wider than its box.
        QTest::addColumn<bool>("transparent");
        QTest::addColumn<bool>("neighbour");
        QTest::addColumn<bool>("tighter");
        QTest::newRow("transparent, free space after it") << true << false << false;
        QTest::newRow("transparent, a caption right after it") << true << true << true;
        QTest::newRow("opaque") << false << false << true;
    }

    void slightlyLongCaptionKeepsItsSize()
    {
        QFETCH(bool, transparent);
        QFETCH(bool, neighbour);
        QFETCH(bool, tighter);
        QWidget window;
        window.resize(225, 100);
        LabelStyle style = plainStyle();
        if (transparent)
            style.background = QColor();
        const QString caption = QStringLiteral("pas du calcul temporel :");
        Label label(&window, 360, 240, 1695, 255, caption, style);
        Label next(&window, 2055, 240, 615, 255, neighbour ? QStringLiteral("0.0025") : QString(),
                   style);
        window.ensurePolished();
        const QFontMetricsF metrics(label.font());
        const double end = label.x() + metrics.horizontalAdvance(caption);
        QCOMPARE(label.font().pixelSize(), label.styleFont().pixelSize());
        QCOMPARE(label.font().letterSpacing() < 0, tighter);
        QVERIFY(end <= label.x() + label.width());
        if (neighbour)
            QVERIFY(end + metrics.horizontalAdvance(QLatin1Char(' ')) <= next.x());
    }

    void refusedTextIsMarkedAndCleared()
    {
        QWidget window;
        TextBox box(&window, 720, 7080, 615, 285, QStringLiteral("0.01"));
        QSignalSpy change(&box, &TextBox::Change);
        box.setText(QStringLiteral("abc"));
        QCOMPARE(change.count(), 1);
        box.setRefused(true, QStringLiteral("Entrez un nombre positif, par exemple 0.01"));
        QVERIFY(box.isRefused());
        QCOMPARE(box.toolTip(), QStringLiteral("Entrez un nombre positif, par exemple 0.01"));
        box.setRefused(false);
        QVERIFY(!box.isRefused());
        QVERIFY(box.toolTip().isEmpty());
    }

    void buttonTakesTheCaptionOfItsLabel()
    {
        QWidget window;
        Label caption(&window, 8160, 8040, 615, 255, QStringLiteral("Pause"), plainStyle());
        CommandButton button(&window, 8160, 7440, 615, 615, QPixmap(20, 20), Qt::lightGray);
        button.setCaptionLabel(&caption);
        QCOMPARE(button.accessibleName(), QStringLiteral("Pause"));
        caption.setCaption(QStringLiteral("Reprise"));
        QCOMPARE(button.accessibleName(), QStringLiteral("Reprise"));
        QCOMPARE(button.toolTip(), QStringLiteral("Reprise"));
        QVERIFY(button.focusPolicy() & Qt::TabFocus);
    }
};

QTEST_MAIN(TestControls)
#include "tst_controls.moc"
