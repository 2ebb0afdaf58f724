// Number to text, text to number, colours and twips: the small rules every
// caption and position of the program goes through.
#include "colors.h"
#include "numberformat.h"
#include "numberreader.h"
#include "twips.h"
#include "userscale.h"

#include <QLocale>
#include <QTest>

#include <cmath>

class TestTextRules : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        // A French locale must change nothing: "." is the decimal point.
        QLocale::setDefault(QLocale(QLocale::French, QLocale::France));
    }

    void str_data()
    {
        QTest::addColumn<double>("value");
        QTest::addColumn<QString>("text");
        QTest::newRow("half") << 0.5 << " .5";
        QTest::newRow("minus quarter") << -0.25 << "-.25";
        QTest::newRow("minus zero") << -0.0 << " 0";
        QTest::newRow("thousand") << 1000.0 << " 1000";
        QTest::newRow("0.1+0.2 at 15 digits") << 0.1 + 0.2 << " .3";
        QTest::newRow("one third") << 1.0 / 3.0 << " .333333333333333";
        QTest::newRow("minus 12.75") << -12.75 << "-12.75";
        QTest::newRow("tiny") << 1e-20 << " 1E-20";
    }

    void str()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Str(value), text);
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("sign, leading point, exponent") << "-.5e1" << -5.0;
        QTest::newRow("plus sign, capital exponent") << "+2.5E2" << 250.0;
        QTest::newRow("decimal comma ends the number") << "2,5" << 2.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("blanks anywhere") << "\t0 .0\n1 " << 0.01;
        QTest::newRow("number then letters") << "0.0025s" << 0.0025;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("only a sign") << "-" << 0.0;
        QTest::newRow("huge negative") << "-1e400" << -HUGE_VAL;
        QTest::newRow("many digits") << QString(400, QLatin1Char('9')) << HUGE_VAL;
        QTest::newRow("tiny") << "1e-400" << 0.0;
        QTest::newRow("tiny without exponent")
            << "0." + QString(400, QLatin1Char('0')) + "1" << 0.0;
    }

    void val()
    {
        QFETCH(QString, text);
        QFETCH(double, value);
        QCOMPARE(Val(text.toStdString()), value);
    }

    void rgbClampsAt255() { QCOMPARE(RGB(256, 1000, 128), QColor(255, 255, 128)); }

    void twipsRoundToTheNearestPixel()
    {
        QCOMPARE(Twips::toPixels(7), 0);
        QCOMPARE(Twips::toPixels(8), 1);
        QCOMPARE(Twips::toPixels(-8), -1);
    }

    void userScaleMapsCorners()
    {
        // The driven string's picture: 543 × 423 client pixels from
        // (-10, -100) with 70.5653 × 31.725 twips per unit.
        const UserScale scale(-10, -100, 70.5653, 31.725);
        QCOMPARE(scale.toPixels(-10, -100), QPointF(0, 0));
        QVERIFY(std::abs(scale.xToPixels(105.425f) - 543.0f) < 0.01f);
        QVERIFY(std::abs(scale.yToPixels(100) - 423.0f) < 1e-3f);
        const QPointF back = scale.toUser(scale.toPixels(37.0f, -12.5f));
        QVERIFY(std::abs(back.x() - 37.0) < 1e-4 && std::abs(back.y() + 12.5) < 1e-4);
        // The reflection's picture: 100 × 50 units over 573 × 405 pixels.
        const UserScale waves = UserScale::fromExtent(0, 0, 100, 50, 573 * 15, 405 * 15);
        QVERIFY(std::abs(waves.xToPixels(100) - 573.0f) < 1e-3f);
        QVERIFY(std::abs(waves.yToPixels(50) - 405.0f) < 1e-3f);
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
