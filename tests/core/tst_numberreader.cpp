// The number reader: up to the first character that is no part of a number, blanks skipped.
#include "core/numberreader.h"

#include <QtTest>

#include <cmath>
#include <string>

class TestNumberReader : public QObject
{
    Q_OBJECT

private slots:
    void reads()
    {
        using namespace std::string_literals;
        for (const auto &[text, value] : {std::pair("-.5e1"s, -5.0),
                                          {"+2.5E2s", 250.0},
                                          {"2,5", 2.0}, // a decimal comma ends the number
                                          {"\t0 .0\n1 ", 0.01},
                                          {"-1e400", -HUGE_VAL},
                                          {std::string(400, '9'), HUGE_VAL},
                                          {"1e-400", 0.0},
                                          {"0." + std::string(400, '0') + "1", 0.0}})
            QCOMPARE(Val(text), value);
    }
};

QTEST_APPLESS_MAIN(TestNumberReader)
#include "tst_numberreader.moc"
