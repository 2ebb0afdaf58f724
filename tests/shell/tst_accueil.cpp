// The home screen: the module a title selects, the window "Démarrer" opens,
// one window per module, and "Quitter" or the frame ending the program.
#include "accueil.h"
#include "imageprobe.h"

#include <QPointer>
#include <QTest>
#include <QTimer>

namespace {

// Counts the windows each module's factory creates.
struct FakeModules
{
    std::array<int, moduleCount> created {};

    ModuleFactories factories()
    {
        ModuleFactories result;
        for (int m = 0; m < moduleCount; ++m) {
            result[m] = [this, m](QWidget *parent) -> Form * {
                ++created[m];
                return new Form(parent, QString::number(m), 12000, 9000, Qt::gray);
            };
        }
        return result;
    }
};

} // namespace

class TestAccueil : public QObject
{
    Q_OBJECT

private slots:
    void titlesSelectTheirModule_data()
    {
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("module");
        QTest::newRow("Label10: driven string") << 10 << int(Module::DrivenString);
        QTest::newRow("Label12: reflection") << 12 << int(Module::Reflection);
        QTest::newRow("Label11: eigenmodes") << 11 << int(Module::StringModes);
    }

    void titlesSelectTheirModule()
    {
        QFETCH(int, title);
        QFETCH(int, module);
        FakeModules modules;
        Accueil home(modules.factories());
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        QCOMPARE(Probe::captionFaults(home).join("; "), QString());
        const std::array<OptionButton *, moduleCount> options {home.Option1, home.Option2,
                                                               home.Option3};
        // The load selects the driven string over the designer's choice; start
        // from another selection, then click the title itself.
        QVERIFY(home.Option1->Value());
        options[(module + 1) % moduleCount]->setValue(true);
        Label *label = title == 10 ? home.Label10 : title == 11 ? home.Label11 : home.Label12;
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(20, 8));
        for (int m = 0; m < moduleCount; ++m)
            QCOMPARE(options[m]->Value(), m == module);
        QTest::mouseClick(home.Reprise, Qt::LeftButton);
        for (int m = 0; m < moduleCount; ++m)
            QCOMPARE(modules.created[m], m == module ? 1 : 0);
        QVERIFY(home.moduleWindow(Module(module))->isVisible());
    }

    // "Démarrer" brings an open window to the front unchanged; modules open
    // side by side, and one closed opens afresh, the selection kept.
    void oneWindowPerModule()
    {
        FakeModules modules;
        Accueil home(modules.factories());
        home.Reprise_Click();
        Form *first = home.moduleWindow(Module::DrivenString);
        home.Reprise_Click();
        QCOMPARE(home.moduleWindow(Module::DrivenString), first);
        home.Label11_Click();
        home.Reprise_Click();
        QVERIFY(first->isVisible() && home.moduleWindow(Module::StringModes)->isVisible());
        home.moduleWindow(Module::StringModes)->close(); // deletes itself
        QTRY_VERIFY(!home.moduleWindow(Module::StringModes));
        home.Reprise_Click();
        QCOMPARE(modules.created, (std::array<int, moduleCount> {1, 0, 2}));
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
        FakeModules modules;
        Accueil home(modules.factories());
        home.show();
        home.Reprise_Click();
        const QPointer<Form> module = home.moduleWindow(Module::DrivenString);
        QTimer::singleShot(0, &home,
                           [&] { byQuitter ? home.Command1->click() : void(home.close()); });
        QTimer tooLate;
        tooLate.callOnTimeout([] { QCoreApplication::exit(1); });
        tooLate.start(2000);
        QCOMPARE(QCoreApplication::exec(), 0);
        QVERIFY(!home.isVisible() && module && !module->isVisible());
    }
};

QTEST_MAIN(TestAccueil)
#include "tst_accueil.moc"
