// The module-level variables as the running program holds them: one object
// for the whole run, shared by the open windows and kept across closing.
#include "modescorde.h"
#include "modulevariables.h"
#include "reflexion.h"
#include "vibreur.h"

#include <QPointer>
#include <QTest>

class TestModules : public QObject
{
    Q_OBJECT

private slots:
    void openModulesAdvanceTheSameTime()
    {
        ModuleVariables variables;
        QPointer<Vibreur> vibreur = new Vibreur(nullptr, variables.shared, variables.vibreur);
        QPointer<Reflexion> reflexion
            = new Reflexion(nullptr, variables.shared, variables.reflexion);
        // The reflection window, loaded last, set the shared step to 0.05 s
        // and the time to 0; the driven string now steps with it.
        QCOMPARE(variables.shared.dt, 0.05);
        QCOMPARE(variables.shared.temps, 0.0);
        vibreur->Timer1_Timer();
        QVERIFY(std::abs(variables.shared.temps - 10 * 0.05) < 1e-12);
        reflexion->pas_Click();
        QVERIFY(std::abs(variables.shared.temps - 11 * 0.05) < 1e-12);

        // The eigenmodes count the same time in milliseconds, 10 per frame.
        QPointer<ModesCorde> modes = new ModesCorde(nullptr, variables.shared, variables.modes);
        modes->Command2_Click();
        QVERIFY(std::abs(variables.shared.temps - (11 * 0.05 + 10)) < 1e-12);
        QCOMPARE(variables.shared.longueurOnde[0], 200.0); // the reflection's λ
        QCOMPARE(variables.shared.longueurOnde[1], 2000.0); // the fundamental's λ

        delete vibreur.data();
        delete reflexion.data();
        delete modes.data();
    }

    void variablesOutliveTheirWindow()
    {
        ModuleVariables variables;
        auto *modes = new ModesCorde(nullptr, variables.shared, variables.modes);
        modes->Command2_Click();
        modes->Command2_Click();
        const double midString = variables.modes.ordonnee[50];
        QVERIFY(midString != 0.0);
        QVERIFY(modes->close()); // deletes the window
        QCOMPARE(variables.shared.temps, 20.0);
        QCOMPARE(variables.modes.ordonnee[50], midString);
    }
};

QTEST_MAIN(TestModules)
#include "tst_modules.moc"
