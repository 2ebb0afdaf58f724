// The home screen: the module a title selects, the window "Démarrer" opens,
// one window per module, and "Quitter" or the frame ending the program.
#include "home/accueil.h"
#include "support/imageprobe.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestAccueil : public QObject
{
    Q_OBJECT

    std::array<int, moduleCount> created {}; // windows each module's factory made

    ModuleFactories factories()
    {
        ModuleFactories result;
        for (int m = 0; m < moduleCount; ++m)
            result[m] = [this, m](QWidget *parent) {
                ++created[m];
                return new Form(parent, QString::number(m), 12000, 9000, Qt::gray);
            };
        return result;
    }

private slots:
    // A title selects its module, whatever was selected; "Démarrer" opens it
    // beside the others, and clicked again brings it to the front unchanged.
    void titlesSelectTheirModule()
    {
        Accueil home(factories());
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        QCOMPARE(Probe::captionFaults(home).join("; "), QString());
        // The load selects the driven string over the designer's choice.
        QVERIFY(home.Option1->Value());
        const std::pair<Label *, Module> titles[] = {{home.Label12, Module::Reflection},
                                                     {home.Label11, Module::StringModes},
                                                     {home.Label10, Module::DrivenString}};
        for (const auto &[title, module] : titles) {
            const auto before = created;
            QTest::mouseClick(title, Qt::LeftButton, {}, QPoint(20, 8));
            QTest::mouseClick(home.Reprise, Qt::LeftButton);
            QTest::mouseClick(home.Reprise, Qt::LeftButton);
            for (int m = 0; m < moduleCount; ++m)
                QCOMPARE(created[m] - before[m], m == int(module) ? 1 : 0);
        }
        for (int m = 0; m < moduleCount; ++m)
            QVERIFY(home.moduleWindow(Module(m))->isVisible());
    }

    void quitEndsTheProgram_data()
    {
        QTest::addColumn<bool>("byQuitter");
        QTest::newRow("Quitter") << true;
        QTest::newRow("frame's close button") << false;
    }

    // The event loop ends at once with 0: every window hidden, none closed.
    void quitEndsTheProgram()
    {
        QFETCH(bool, byQuitter);
        Accueil home(factories());
        home.show();
        home.Reprise_Click();
        const QPointer<Form> module = home.moduleWindow(Module::DrivenString);
        QTimer::singleShot(0, &home,
                           [&] { byQuitter ? home.Command1->click() : void(home.close()); });
        QTimer::singleShot(2000, &home, [] { QCoreApplication::exit(1); }); // too late
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!home.isVisible() && module && !module->isVisible());
    }
};

QTEST_MAIN(TestAccueil)
#include "tst_accueil.moc"
