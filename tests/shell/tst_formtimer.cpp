// The animation timers: they tick while enabled, never run a tick inside
// another one, and stay silent while a message box is open.
#include "form.h"
#include "formtimer.h"
#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QTest>
#include <QTimer>

class TestFormTimer : public QObject
{
    Q_OBJECT

private slots:
    void ticksOnlyWhileEnabled()
    {
        FormTimer timer(nullptr, 10, false);
        int ticks = 0;
        connect(&timer, &FormTimer::Timer, this, [&] { ++ticks; });
        QTest::qWait(60);
        QCOMPARE(ticks, 0);
        timer.setEnabled(true);
        QVERIFY(timer.Enabled());
        QTRY_VERIFY(ticks >= 3);
        timer.setEnabled(false);
        const int stopped = ticks;
        QTest::qWait(60);
        QCOMPARE(ticks, stopped);
    }

    void stopsWhenItsWindowUnloads()
    {
        auto *window = new Form(nullptr, QStringLiteral("module"), 1500, 1500, Qt::gray);
        QPointer<FormTimer> timer = new FormTimer(window, 10, true);
        window->show();
        QVERIFY(window->close()); // closed from its frame: deleted soon after
        QVERIFY(timer && !timer->Enabled());
        QTRY_VERIFY(timer.isNull());
    }

    void noTickWhileAMessageBoxIsOpenInsideATick()
    {
        FormTimer timer(nullptr, 10, true);
        FormTimer other(nullptr, 10, true); // another window's animation
        int ticks = 0;
        int otherTicks = 0;
        int depth = 0;
        int deepest = 0;
        int otherTicksWhileOpen = -1;
        int ticksWhileOpen = -1;
        bool boxShown = false;
        connect(&other, &FormTimer::Timer, this, [&] { ++otherTicks; });
        connect(&timer, &FormTimer::Timer, this, [&] {
            ++ticks;
            ++depth;
            deepest = std::max(deepest, depth);
            if (ticks == 2) {
                const int before = ticks;
                const int otherBefore = otherTicks;
                // Close the box after 150 ms, about 15 intervals of both timers.
                QTimer::singleShot(150, this, [&] {
                    if (auto *box
                        = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
                        boxShown = box->windowTitle() == applicationTitle();
                        box->accept();
                    }
                });
                MsgBox(nullptr, QStringLiteral("Dépassement de capacité !"));
                ticksWhileOpen = ticks - before;
                otherTicksWhileOpen = otherTicks - otherBefore;
            }
            --depth;
        });
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 3000);
        QVERIFY(boxShown);
        QCOMPARE(ticksWhileOpen, 0);
        QCOMPARE(otherTicksWhileOpen, 0);
        QCOMPARE(deepest, 1);
        QVERIFY(!HandlerGuard::active());
    }
};

QTEST_MAIN(TestFormTimer)
#include "tst_formtimer.moc"
