// The home screen: which module is selected, which window "Démarrer" opens,
// one window per module, and "Quitter" ending everything.
#include "accueil.h"
#include "imageprobe.h"

#include <QSignalSpy>
#include <QTest>

namespace {

// Counts the windows each module's factory creates.
struct FakeModules
{
    std::array<int, 3> created {};

    std::array<ModuleFactory, 3> factories()
    {
        std::array<ModuleFactory, 3> result;
        for (int m = 0; m < 3; ++m) {
            result[m] = [this, m](QWidget *parent) -> Form * {
                ++created[m];
                return new Form(parent, QStringLiteral("module %1").arg(m), 12000, 9000, Qt::gray);
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
    void layoutAndDefaults()
    {
        FakeModules modules;
        Accueil home(modules.factories());
        QCOMPARE(home.size(), QSize(700, 407));
        QCOMPARE(home.windowTitle(), QStringLiteral("Vellane à une dimension"));
        QVERIFY(home.Option1->Value());
        QVERIFY(!home.Option2->Value());
        QVERIFY(!home.Option3->Value());
        QCOMPARE(
            home.Label11->Caption(),
            QStringLiteral("Modes propres de vibration d'une corde  tendue entre 2 points fixes"));
        QCOMPARE(home.Label12->Caption(),
                 QStringLiteral("Superposition d'une onde incidente et d'une onde réflchie"));
        QCOMPARE(home.Reprise->text(), QStringLiteral("Démarrer"));
        QCOMPARE(home.Command1->text(), QStringLiteral("Quitter"));
        QCOMPARE(home.Label10->cursor().shape(), Qt::PointingHandCursor);
        QCOMPARE(Probe::captionFaults(home).join("; "), QString());
    }

    void titlesSelectTheirModule_data()
    {
        QTest::addColumn<int>("title");
        QTest::addColumn<int>("module");
        QTest::newRow("Label10: driven string") << 10 << 0;
        QTest::newRow("Label12: reflection") << 12 << 1;
        QTest::newRow("Label11: eigenmodes") << 11 << 2;
    }

    void titlesSelectTheirModule()
    {
        QFETCH(int, title);
        QFETCH(int, module);
        FakeModules modules;
        Accueil home(modules.factories());
        home.show();
        QVERIFY(QTest::qWaitForWindowExposed(&home));
        // Start from another selection, then click the title itself.
        (module == 1 ? home.Option3 : home.Option2)->setValue(true);
        Label *label = title == 10 ? home.Label10 : title == 11 ? home.Label11 : home.Label12;
        QTest::mouseClick(label, Qt::LeftButton, {}, QPoint(20, 8));
        const std::array<OptionButton *, 3> options {home.Option1, home.Option2, home.Option3};
        // The selected button looks unlike the others.
        const QImage selected = options[module]->grab().toImage();
        for (int m = 0; m < 3; ++m) {
            QCOMPARE(options[m]->Value(), m == module);
            QCOMPARE(options[m]->grab().toImage() == selected, m == module);
        }

        QTest::mouseClick(home.Reprise, Qt::LeftButton);
        for (int m = 0; m < 3; ++m)
            QCOMPARE(modules.created[m], m == module ? 1 : 0);
        QVERIFY(home.moduleWindow(module)->isVisible());
    }

    void startTwiceKeepsOneWindowUntouched()
    {
        FakeModules modules;
        Accueil home(modules.factories());
        home.Reprise_Click();
        Form *first = home.moduleWindow(0);
        QVERIFY(first);
        first->setProperty("state", 42);
        home.Reprise_Click();
        QCOMPARE(modules.created[0], 1);
        QCOMPARE(home.moduleWindow(0), first);
        QCOMPARE(first->property("state").toInt(), 42);
    }

    void modulesOpenSideBySideAndReopenAfterClosing()
    {
        FakeModules modules;
        Accueil home(modules.factories());
        home.Reprise_Click();
        home.Label11_Click();
        home.Reprise_Click();
        QVERIFY(home.moduleWindow(0) && home.moduleWindow(0)->isVisible());
        QVERIFY(home.moduleWindow(2) && home.moduleWindow(2)->isVisible());

        home.moduleWindow(2)->close(); // deletes itself
        QTRY_VERIFY(!home.moduleWindow(2));
        QVERIFY(home.Option3->Value()); // the selection is kept
        home.Reprise_Click();
        QCOMPARE(modules.created[2], 2);
    }

    void unbuiltModuleOpensNothing()
    {
        std::array<ModuleFactory, 3> factories;
        Accueil home(factories);
        home.Reprise_Click();
        QVERIFY(!home.moduleWindow(0));
    }

    void quitHidesEveryWindow()
    {
        FakeModules modules;
        Accueil home(modules.factories());
        home.show();
        home.Reprise_Click();
        QVERIFY(home.moduleWindow(0)->isVisible());
        home.Command1_Click();
        QVERIFY(!home.isVisible());
        QVERIFY(!home.moduleWindow(0)->isVisible());
    }
};

QTEST_MAIN(TestAccueil)
#include "tst_accueil.moc"
