// Windows and their animation timers: a window opens centred on the screen,
// its timers stop when it unloads, and no tick runs inside another one or
// while a message box is open.
#include "application.h"
#include "form.h"
#include "formtimer.h"
#include "messagebox.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QScreen>
#include <QTest>
#include <QTimer>

class TestFormTimer : public QObject
{
    Q_OBJECT

private slots:
    void windowOpensCentredAndStaysWhereItIsPut()
    {
        Form home(nullptr, QStringLiteral("home"), 10500, 6105, Qt::black);
        auto *module = new Form(&home, QStringLiteral("module"), 12000, 8520, Qt::gray);
        const QPoint centre = QGuiApplication::primaryScreen()->availableGeometry().center();
        for (Form *window : {&home, module}) {
            window->show();
            // Within the width of the frame the platform adds around it.
            const int frame = window->geometry().x() - window->frameGeometry().x() + 1;
            QVERIFY(std::abs(window->geometry().center().x() - centre.x()) <= frame);
            QVERIFY(std::abs(window->geometry().center().y() - centre.y()) <= frame);
            // Moved by the user, then hidden and shown again: it stays there.
            window->move(7, 9);
            window->hide();
            window->show();
            QCOMPARE(window->pos(), QPoint(7, 9));
        }
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
        int missed = -1; // ticks of either timer while the box was open
        bool boxShown = false;
        connect(&other, &FormTimer::Timer, this, [&] { ++otherTicks; });
        connect(&timer, &FormTimer::Timer, this, [&] {
            deepest = std::max(deepest, ++depth);
            if (++ticks == 2) {
                const int before = ticks + otherTicks;
                // Close the box after 150 ms, about 15 intervals of both timers.
                QTimer::singleShot(150, this, [&] {
                    auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
                    boxShown = box && box->windowTitle() == applicationTitle();
                    if (box)
                        box->accept();
                });
                MsgBox(nullptr, QStringLiteral("Dépassement de capacité !"));
                missed = ticks + otherTicks - before;
            }
            --depth;
        });
        QTRY_VERIFY_WITH_TIMEOUT(ticks >= 5, 3000);
        QVERIFY(boxShown);
        QCOMPARE(missed, 0);
        QCOMPARE(deepest, 1);
    }
};

QTEST_MAIN(TestFormTimer)
#include "tst_formtimer.moc"
