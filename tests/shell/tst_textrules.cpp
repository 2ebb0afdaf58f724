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
        QTest::newRow("minus half") << -0.5 << "-.5";
        QTest::newRow("minus quarter") << -0.25 << "-.25";
        QTest::newRow("zero") << 0.0 << " 0";
        QTest::newRow("minus zero") << -0.0 << " 0";
        QTest::newRow("thousand") << 1000.0 << " 1000";
        QTest::newRow("2.6") << 26 / 10.0 << " 2.6";
        QTest::newRow("0.1+0.2 at 15 digits") << 0.1 + 0.2 << " .3";
        QTest::newRow("1.3") << 13 / 10.0 << " 1.3";
        QTest::newRow("one third") << 1.0 / 3.0 << " .333333333333333";
        QTest::newRow("ten") << 100 / 10.0 << " 10";
        QTest::newRow("minus 12.75") << -12.75 << "-12.75";
        QTest::newRow("tiny") << 1e-20 << " 1E-20";
    }

    void str()
    {
        QFETCH(double, value);
        QFETCH(QString, text);
        QCOMPARE(Str(value), text);
    }

    void strOfIntegersAndSingles()
    {
        QCOMPARE(Str(99), QStringLiteral(" 99"));
        QCOMPARE(Str(-3), QStringLiteral("-3"));
        QCOMPARE(Str(0), QStringLiteral(" 0"));
        QCOMPARE(StrSingle(0.1f + 0.2f), QStringLiteral(" .3"));
        QCOMPARE(StrSingle(2.5f), QStringLiteral(" 2.5"));
    }

    void val_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<double>("value");
        QTest::newRow("plain") << "0.01" << 0.01;
        QTest::newRow("leading point") << ".5" << 0.5;
        QTest::newRow("negative leading point") << "-.5" << -0.5;
        QTest::newRow("decimal comma ends the number") << "0,01" << 0.0;
        QTest::newRow("comma after digits") << "2,5" << 2.0;
        QTest::newRow("blanks inside") << " 1 2" << 12.0;
        QTest::newRow("exponent") << "1e-3" << 0.001;
        QTest::newRow("exponent with capital") << "2.5E2" << 250.0;
        QTest::newRow("negative exponent mantissa") << "-.5e1" << -5.0;
        QTest::newRow("letters") << "abc" << 0.0;
        QTest::newRow("empty") << "" << 0.0;
        QTest::newRow("number then letters") << "0.0025s" << 0.0025;
        QTest::newRow("exponent without digits") << "3e" << 3.0;
        QTest::newRow("plus sign") << "+4" << 4.0;
        QTest::newRow("second point ends") << "1.2.3" << 1.2;
        QTest::newRow("tab and newline") << "\t0.\n5" << 0.5;
        QTest::newRow("only a sign") << "-" << 0.0;
        QTest::newRow("blanks between digits") << " 0 .0 1 " << 0.01;
        QTest::newRow("huge") << "1e400" << HUGE_VAL;
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

    void rgbClamps_data()
    {
        QTest::addColumn<int>("r");
        QTest::addColumn<int>("g");
        QTest::addColumn<int>("b");
        QTest::addColumn<QColor>("color");
        QTest::newRow("in range") << 128 << 128 << 255 << QColor(128, 128, 255);
        QTest::newRow("256 is 255") << 256 << 0 << 0 << QColor(255, 0, 0);
        QTest::newRow("all above") << 300 << 1000 << 256 << QColor(255, 255, 255);
    }

    void rgbClamps()
    {
        QFETCH(int, r);
        QFETCH(int, g);
        QFETCH(int, b);
        QFETCH(QColor, color);
        QCOMPARE(RGB(r, g, b), color);
    }

    void twips_data()
    {
        QTest::addColumn<int>("twips");
        QTest::addColumn<int>("pixels");
        QTest::newRow("home width") << 10500 << 700;
        QTest::newRow("home height") << 6105 << 407;
        QTest::newRow("module width") << 12000 << 800;
        QTest::newRow("driven height") << 8520 << 568;
        QTest::newRow("one pixel") << 15 << 1;
        QTest::newRow("rounds up from half") << 127 << 8;
        QTest::newRow("rounds down") << 7 << 0;
        QTest::newRow("zero") << 0 << 0;
    }

    void twips()
    {
        QFETCH(int, twips);
        QFETCH(int, pixels);
        QCOMPARE(Twips::toPixels(twips), pixels);
    }

    void userScaleMapsCorners()
    {
        // The driven string's picture: 543 × 423 client pixels from
        // (-10, -100) with 70.5653 × 31.725 twips per unit.
        const UserScale scale(-10, -100, 70.5653, 31.725);
        QCOMPARE(scale.toPixels(-10, -100), QPointF(0, 0));
        QVERIFY(std::abs(scale.yToPixels(100) - 423.0f) < 1e-3f);
        QVERIFY(std::abs(scale.xToPixels(105.425f) - 543.0f) < 0.01f);
        QVERIFY(std::abs(scale.yToPixels(0) - 211.5f) < 1e-3f);
        const QPointF back = scale.toUser(scale.toPixels(37.0f, -12.5f));
        QVERIFY(std::abs(back.x() - 37.0) < 1e-4);
        QVERIFY(std::abs(back.y() + 12.5) < 1e-4);

        const UserScale dial = UserScale::fromExtent(0, 0, 2, 2, 2235, 2235);
        QVERIFY(std::abs(dial.xToPixels(1) - 74.5f) < 1e-4f);
        QVERIFY(std::abs(dial.widthToPixels(0.8f) - 59.6f) < 1e-3f);
    }
};

QTEST_APPLESS_MAIN(TestTextRules)
#include "tst_textrules.moc"
