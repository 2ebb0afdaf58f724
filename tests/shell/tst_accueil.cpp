// The home screen: the module a title selects, the window "Démarrer" opens,
// one window per module, and "Quitter" or the frame ending the program.
#include "home/accueil.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

class TestAccueil : public QObject
{
    Q_OBJECT

    std::array<QList<QPointer<Form>>, moduleCount> created; // windows each module's factory made

    ModuleFactories factories()
    {
        ModuleFactories result;
        for (int m = 0; m < moduleCount; ++m)
            result[m] = [this, m](QWidget *parent) {
                created[m] << new Form(parent, QString::number(m), 12000, 9000, Qt::gray);
                return created[m].constLast().data();
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
        WindowDriver accueil {&home};
        // The load selects the driven string over the designer's choice.
        QVERIFY(accueil.find<OptionButton>("Option1").Value());
        const std::pair<const char *, Module> titles[] = {{"Label12", Module::Reflection},
                                                          {"Label11", Module::StringModes},
                                                          {"Label10", Module::DrivenString}};
        std::array<int, moduleCount> opened {};
        for (const auto &[title, module] : titles) {
            accueil.click(title + QStringLiteral(" Reprise Reprise"));
            opened[int(module)] = 1;
            for (int m = 0; m < moduleCount; ++m)
                QCOMPARE(created[m].size(), opened[m]);
        }
        for (const auto &windows : created)
            QVERIFY(windows.constFirst()->isVisible());
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
        WindowDriver accueil {&home};
        accueil.click("Reprise");
        const QPointer<Form> module = created[int(Module::DrivenString)].constLast();
        QTimer::singleShot(0, &home,
                           [&] { byQuitter ? accueil.click("Command1") : void(home.close()); });
        QTimer::singleShot(2000, &home, [] { QCoreApplication::exit(1); }); // too late
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!home.isVisible() && module && !module->isVisible());
    }
};

QTEST_MAIN(TestAccueil)
#include "tst_accueil.moc"
