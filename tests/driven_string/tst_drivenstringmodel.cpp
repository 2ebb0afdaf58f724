#include "drivenstringmodel.h"
#include "fakepanel.h"
#include "stepreader.h"

#include <QtTest>

#include <cmath>
#include <limits>

namespace {

// A model on fresh module variables, loaded as the window's load handler does.
struct Banc
{
    SharedVariables shared;
    DrivenStringState state;
    FakePanel panel;
    FakeView view{state};
    DrivenStringModel model{shared, state, panel, view};

    Banc()
    {
        state.parametresModifies = true;
        model.ActualiseConstantes();
        model.effaceNiveaux(200);
        shared.temps = 0.0;
    }

    bool toutFini() const
    {
        for (int i = 0; i <= 200; ++i) {
            if (!std::isfinite(state.yNouveau[i]) || !std::isfinite(state.yActuel[i])
                || !std::isfinite(state.yAncien[i]))
                return false;
        }
        return true;
    }
};

// The extreme displacement of one point over a time window, and when it came.
struct Extreme
{
    double valeur = 0.0;
    double temps = 0.0;
};

Extreme extremeEntre(Banc &b, int point, double debut, double fin)
{
    Extreme e;
    while (b.shared.temps < fin) {
        b.model.avanceUnPas();
        const double y = b.state.yNouveau[point];
        if (b.shared.temps >= debut && std::fabs(y) > std::fabs(e.valeur))
            e = {y, b.shared.temps};
    }
    return e;
}

} // namespace

class TestDrivenStringModel : public QObject
{
    Q_OBJECT

private slots:
    void coefficientsInitiaux();
    void sommeDesPoids_data();
    void sommeDesPoids();
    void cordeAuReposResteAuRepos();
    void premiersPasDeLaSinusoide();
    void impulsion();
    void impulsionLEmporteSurLeVibreur();
    void resynchronisationAuPassageMontant();
    void arretAuPassageMontant();
    void actualiseConstantesHonoreLArret();
    void frequenceNulle();
    void depassement_data();
    void depassement();
    void depassementSansExtremiteGardeLaZone();
    void zoneHorsLimite_data();
    void zoneHorsLimite();
    void courantSuperieurAUn();
    void extremites_data();
    void extremites();
    void impulsionAllerRetour_data();
    void impulsionAllerRetour();
    void sansExtremiteAucuneReflexionEn100();
    void sansExtremiteAmortissementNulRevient();
    void sansExtremiteZoneAbsorbe();
    void lirePas_data();
    void lirePas();
    void pasRefuseModeleIntact_data();
    void pasRefuseModeleIntact();
    void pasRefuseDansLaZone();
};

void TestDrivenStringModel::coefficientsInitiaux()
{
    Banc b;
    QCOMPARE(b.shared.frequence, 1.3);
    QCOMPARE(b.state.amortissement, 0.5);
    QCOMPARE(b.state.dx, 0.01);
    QCOMPARE(b.shared.dt, 0.0025);
    QCOMPARE(b.state.amplitude, std::int16_t(10));
    QVERIFY(std::fabs(b.state.coefA - 0.062461) < 5e-7);
    QVERIFY(std::fabs(b.state.coefB - 1.873829) < 5e-7);
    QVERIFY(std::fabs(b.state.coefC + 0.998751) < 5e-7);
    QVERIFY(!b.state.parametresModifies);
}

void TestDrivenStringModel::sommeDesPoids_data()
{
    QTest::addColumn<int>("celerite");
    QTest::addColumn<int>("hScroll1");
    QTest::addColumn<QString>("pasT");
    QTest::newRow("initial") << 10 << 5 << "0.0025";
    QTest::newRow("c 2 m/s, 5 /s") << 20 << 50 << "0.0025";
    QTest::newRow("c 0") << 0 << 5 << "0.0025";
    QTest::newRow("no damping") << 10 << 0 << "0.0025";
    QTest::newRow("Courant 2") << 20 << 5 << "0.01";
}

void TestDrivenStringModel::sommeDesPoids()
{
    QFETCH(int, celerite);
    QFETCH(int, hScroll1);
    QFETCH(QString, pasT);
    Banc b;
    b.panel.celerite = celerite;
    b.panel.hScroll1 = hScroll1;
    b.panel.pasT = pasT.toStdString();
    b.model.ActualiseConstantes();
    const auto &s = b.state;
    QVERIFY(std::fabs(2.0 * s.coefA + s.coefB + s.coefC - 1.0) < 1e-12);
}

void TestDrivenStringModel::cordeAuReposResteAuRepos()
{
    Banc b;
    for (int appel = 0; appel < 100; ++appel)
        b.model.Ondule();
    for (int i = 0; i <= 200; ++i)
        QCOMPARE(b.state.yNouveau[i], 0.0);
    QVERIFY(std::fabs(b.shared.temps - 2.5) < 1e-9);
    QCOMPARE(b.view.cordes.size(), std::size_t(100));
    QCOMPARE(b.view.cordes.back(), b.shared.temps);
}

void TestDrivenStringModel::premiersPasDeLaSinusoide()
{
    Banc b;
    b.model.demarreVibreur();
    QVERIFY(b.state.vibreurActif);
    QCOMPARE(b.shared.temps, 0.0);

    b.model.avanceUnPas();
    QCOMPARE(b.shared.temps, 0.0025);
    const double y0 = 10 * std::sin(6.2832 * 1.3 * 0.0025);
    QVERIFY(std::fabs(b.state.yNouveau[0] - y0) < 1e-12);
    QCOMPARE(b.state.yNouveau[1], 0.0);

    b.model.avanceUnPas();
    QVERIFY(std::fabs(b.state.yNouveau[1] - b.state.coefA * y0) < 1e-12);
    QVERIFY(b.state.yNouveau[1] > 0.0);
    QCOMPARE(b.state.yNouveau[2], 0.0);
}

void TestDrivenStringModel::impulsion()
{
    Banc b;
    b.shared.temps = 3.0;
    b.model.lanceImpulsion();
    QCOMPARE(b.shared.temps, 0.0);

    b.model.avanceUnPas();
    QVERIFY(std::fabs(b.state.yNouveau[0] + 0.425) < 5e-4);
    for (int pas = 2; pas <= 159; ++pas) {
        b.model.avanceUnPas();
        if (pas == 80)
            QVERIFY(std::fabs(b.state.yNouveau[0] + 40.0) < 1e-6);
    }
    const double dernier = b.state.yNouveau[0];
    QVERIFY(std::fabs(dernier + 0.425) < 5e-4);
    QVERIFY(b.state.impulsionActive);

    b.model.avanceUnPas();
    QVERIFY(b.shared.temps == 0.4000000000000003);
    QVERIFY(!b.state.impulsionActive);
    QCOMPARE(b.state.yNouveau[0], dernier);
    b.model.Ondule();
    QCOMPARE(b.state.yNouveau[0], dernier);
}

void TestDrivenStringModel::impulsionLEmporteSurLeVibreur()
{
    Banc b;
    Banc seule;
    b.model.demarreVibreur();
    b.model.lanceImpulsion();
    seule.model.lanceImpulsion();
    for (int pas = 1; pas <= 159; ++pas) {
        b.model.avanceUnPas();
        seule.model.avanceUnPas();
        QCOMPARE(b.state.yNouveau[0], seule.state.yNouveau[0]);
    }
    // Once the pulse is over the sine drives the end again.
    b.model.avanceUnPas();
    b.model.avanceUnPas();
    QVERIFY(std::fabs(b.state.yNouveau[0] - seule.state.yNouveau[0]) > 1.0);
}

void TestDrivenStringModel::resynchronisationAuPassageMontant()
{
    Banc b;
    b.model.demarreVibreur();
    for (int pas = 0; pas < 5; ++pas)
        b.model.avanceUnPas();

    // The frequency scroll bar moves while the end rises.
    b.panel.frequence = 20;
    b.state.parametresModifies = true;
    bool descenteVue = false;
    for (int pas = 0; pas < 400; ++pas) {
        const double avant = b.state.yNouveau[0];
        b.model.avanceUnPas();
        const double y0 = b.state.yNouveau[0];
        descenteVue = descenteVue || (avant > 0.0 && y0 < 0.0);
        if (!(y0 > 0.0 && avant < 0.0)) {
            QCOMPARE(b.shared.frequence, 1.3);
            QVERIFY(b.state.parametresModifies);
            continue;
        }
        QVERIFY(descenteVue);
        QCOMPARE(b.shared.frequence, 2.0);
        QVERIFY(!b.state.parametresModifies);
        QCOMPARE(b.shared.temps, (y0 / 10) / (2.0 * 6.2832));
        QVERIFY(b.shared.temps > 0.0 && b.shared.temps < 0.0025);
        // The new sine goes on from the present position, without a jump.
        b.model.avanceUnPas();
        const double suivant = b.state.yNouveau[0];
        QVERIFY(suivant > y0);
        QVERIFY(suivant - y0 < 10 * 6.2832 * 2.0 * 0.0025 * 1.01);
        return;
    }
    QFAIL("no upward zero crossing within 1 s");
}

void TestDrivenStringModel::arretAuPassageMontant()
{
    Banc b;
    b.model.demarreVibreur();
    for (int pas = 0; pas < 5; ++pas)
        b.model.avanceUnPas();
    b.model.arreteVibreur();
    QVERIFY(b.state.arretDemande);

    int pas = 0;
    while (b.state.vibreurActif && pas < 400) {
        b.model.avanceUnPas();
        ++pas;
    }
    QVERIFY(pas > 200); // not at once, nor at the downward crossing
    QVERIFY(!b.state.arretDemande);
    const double reste = b.state.yNouveau[0];
    QVERIFY(reste > 0.0 && reste < 10 * 6.2832 * 1.3 * 0.0025);
    for (int i = 0; i < 100; ++i)
        b.model.avanceUnPas();
    QCOMPARE(b.state.yNouveau[0], reste);
}

void TestDrivenStringModel::actualiseConstantesHonoreLArret()
{
    Banc b;
    b.model.demarreVibreur();
    b.model.arreteVibreur();
    b.model.ActualiseConstantes();
    QVERIFY(!b.state.vibreurActif);
    QVERIFY(!b.state.arretDemande);
    QVERIFY(!b.state.parametresModifies);
}

void TestDrivenStringModel::frequenceNulle()
{
    Banc b;
    b.panel.frequence = 0;
    b.model.demarreVibreur();
    b.state.parametresModifies = true;
    b.model.avanceUnPas();
    QCOMPARE(b.state.yNouveau[0], 0.0);
    QCOMPARE(b.shared.temps, 0.0);
    QVERIFY(!b.state.parametresModifies);
    b.model.Ondule();
    QVERIFY(b.toutFini());
    QVERIFY(std::fabs(b.shared.temps - 0.025) < 1e-12);
}

void TestDrivenStringModel::depassement_data()
{
    QTest::addColumn<double>("valeur");
    QTest::addColumn<bool>("message");
    QTest::newRow("exactly 100") << 100.0 << false;
    QTest::newRow("exactly -100") << -100.0 << false;
    QTest::newRow("100.000001") << 100.000001 << true;
    QTest::newRow("-100.000001") << -100.000001 << true;
}

void TestDrivenStringModel::depassement()
{
    QFETCH(double, valeur);
    QFETCH(bool, message);
    Banc b;
    b.model.demarreVibreur();
    b.model.lanceImpulsion();
    // Weights that copy each point: point 50 keeps the value put there.
    b.state.coefA = 0.0;
    b.state.coefB = 1.0;
    b.state.coefC = 0.0;
    b.state.yNouveau[50] = valeur;
    b.state.yNouveau[150] = 7.0;
    b.shared.temps = 0.1;

    b.model.avanceUnPas();
    QCOMPARE(b.view.messages, message ? 1 : 0);
    if (!message) {
        QCOMPARE(b.state.yNouveau[50], valeur);
        QVERIFY(b.state.vibreurActif && b.state.impulsionActive);
        QVERIFY(b.view.cordes.empty());
        return;
    }
    // The user saw the message before anything was reset.
    QVERIFY(b.view.etatAuMessage.vibreurActif);
    QCOMPARE(b.view.etatAuMessage.yNouveau[50], valeur);
    // Then excitation off, points 0 to 100 at rest, the picture cleared and
    // redrawn at temps 0; the timer's redraw still follows at the end of Ondule.
    QVERIFY(!b.state.vibreurActif && !b.state.impulsionActive);
    for (int i = 0; i <= 100; ++i) {
        QCOMPARE(b.state.yNouveau[i], 0.0);
        QCOMPARE(b.state.yActuel[i], 0.0);
        QCOMPARE(b.state.yAncien[i], 0.0);
    }
    QCOMPARE(b.state.yActuel[150], 7.0);
    QCOMPARE(b.view.effacements, 1);
    QCOMPARE(b.view.cordes, std::vector<double>{0.0});
    QCOMPARE(b.shared.temps, 0.0);
}

void TestDrivenStringModel::depassementSansExtremiteGardeLaZone()
{
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.state.coefA = 0.0;
    b.state.coefB = 1.0;
    b.state.coefC = 0.0;
    b.state.yNouveau[50] = 150.0;
    b.state.yNouveau[150] = 7.0;
    b.state.yActuel[150] = 7.0;
    b.model.avanceUnPas();
    QCOMPARE(b.view.messages, 1);
    QCOMPARE(b.state.yActuel[150], 7.0);
    QVERIFY(b.state.yNouveau[150] != 0.0);
    QCOMPARE(b.state.yNouveau[200], 0.0);
}

void TestDrivenStringModel::zoneHorsLimite_data()
{
    QTest::addColumn<double>("valeur");
    QTest::newRow("beyond the limit") << 1e6;
    QTest::newRow("infinite") << std::numeric_limits<double>::infinity();
    QTest::newRow("not a number") << std::numeric_limits<double>::quiet_NaN();
}

void TestDrivenStringModel::zoneHorsLimite()
{
    QFETCH(double, valeur);
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.model.ActualiseConstantes();
    b.model.demarreVibreur();
    b.state.yNouveau[150] = valeur;

    b.model.avanceUnPas();
    QCOMPARE(b.view.messages, 1);
    QVERIFY(!b.state.vibreurActif);
    for (int i = 0; i <= 200; ++i) {
        QCOMPARE(b.state.yNouveau[i], 0.0);
        QCOMPARE(b.state.yActuel[i], 0.0);
        QCOMPARE(b.state.yAncien[i], 0.0);
    }
    for (int appel = 0; appel < 20; ++appel)
        b.model.Ondule();
    QCOMPARE(b.view.messages, 1);
}

void TestDrivenStringModel::courantSuperieurAUn()
{
    Banc b;
    b.panel.celerite = 20;
    b.panel.pasT = "0.01";
    b.model.demarreVibreur();
    QCOMPARE(b.shared.dt * 2.0 / b.state.dx, 2.0);
    for (int appel = 0; appel < 20; ++appel)
        b.model.Ondule();
    QCOMPARE(b.view.messages, 1);
    QVERIFY(b.toutFini());
    for (int i = 0; i <= 100; ++i)
        QCOMPARE(b.state.yNouveau[i], 0.0);
}

void TestDrivenStringModel::extremites_data()
{
    QTest::addColumn<int>("extremite");
    QTest::newRow("fixed") << int(ExtremiteDroite::Fixe);
    QTest::newRow("free") << int(ExtremiteDroite::Libre);
}

void TestDrivenStringModel::extremites()
{
    QFETCH(int, extremite);
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite(extremite);
    b.model.lanceImpulsion();
    double plusGrand = 0.0;
    for (int pas = 0; pas < 800; ++pas) {
        b.model.avanceUnPas();
        const double attendu = extremite == int(ExtremiteDroite::Fixe) ? 0.0 : b.state.yNouveau[99];
        QCOMPARE(b.state.yNouveau[100], attendu);
        plusGrand = std::max(plusGrand, std::fabs(b.state.yNouveau[99]));
    }
    QVERIFY(plusGrand > 5.0); // the pulse did reach the end
}

void TestDrivenStringModel::impulsionAllerRetour_data()
{
    QTest::addColumn<int>("extremite");
    QTest::addColumn<double>("signeRetour");
    QTest::newRow("fixed end: inverted") << int(ExtremiteDroite::Fixe) << 1.0;
    QTest::newRow("free end: upright") << int(ExtremiteDroite::Libre) << -1.0;
}

// At c = 1 m/s on 100 intervals of 1 cm the pulse, centred on 0.2 s at the
// vibrator, passes point 90 at 1.1 s, reaches the end at 1.2 s and is back
// at the middle at 1.7 s.
void TestDrivenStringModel::impulsionAllerRetour()
{
    QFETCH(int, extremite);
    QFETCH(double, signeRetour);
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite(extremite);
    b.model.lanceImpulsion();

    const Extreme aller = extremeEntre(b, 90, 0.0, 1.25);
    QVERIFY2(std::fabs(aller.temps - 1.1) < 0.03, qPrintable(QString::number(aller.temps)));
    QVERIFY(aller.valeur < -20.0); // upward, as sent

    const Extreme retour = extremeEntre(b, 50, 1.4, 2.0);
    QVERIFY2(std::fabs(retour.temps - 1.7) < 0.03, qPrintable(QString::number(retour.temps)));
    QVERIFY(retour.valeur * signeRetour > 15.0);
}

void TestDrivenStringModel::sansExtremiteAucuneReflexionEn100()
{
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.panel.hScroll1 = 0;
    b.model.lanceImpulsion();
    const Extreme aller = extremeEntre(b, 50, 0.0, 1.0);
    QVERIFY(aller.valeur < -30.0);
    const Extreme retour = extremeEntre(b, 50, 1.2, 3.0);
    QVERIFY2(std::fabs(retour.valeur) < 1.0, qPrintable(QString::number(retour.valeur)));
}

// Without damping the zone does not absorb: the pulse is reflected, inverted,
// at point 200 and is back at point 50 after 0.2 + 0.5 + 3 m / (1 m/s) s.
void TestDrivenStringModel::sansExtremiteAmortissementNulRevient()
{
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.panel.hScroll1 = 0;
    b.model.lanceImpulsion();
    const Extreme retour = extremeEntre(b, 50, 3.0, 4.2);
    QVERIFY2(std::fabs(retour.temps - 3.7) < 0.05, qPrintable(QString::number(retour.temps)));
    QVERIFY2(retour.valeur > 30.0, qPrintable(QString::number(retour.valeur)));
    QCOMPARE(b.view.messages, 0);
}

// With the string's damping of 0.5 /s alone the reflection at point 200
// would come back at about 40·e^(−0.25·3.5) ≈ 17 mm; the zone's growing
// damping leaves only a small remainder.
void TestDrivenStringModel::sansExtremiteZoneAbsorbe()
{
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.model.lanceImpulsion();
    const Extreme retour = extremeEntre(b, 50, 3.0, 4.2);
    QVERIFY2(std::fabs(retour.valeur) < 3.0, qPrintable(QString::number(retour.valeur)));
}

void TestDrivenStringModel::lirePas_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<bool>("accepte");
    QTest::addColumn<double>("valeur");
    QTest::newRow("point") << "0.005" << true << 0.005;
    QTest::newRow("decimal comma") << "0,005" << true << 0.005;
    QTest::newRow("comma and blanks") << " 0 , 01" << true << 0.01;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("zero") << "0" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("negative") << "-0.01" << false << 0.0;
    QTest::newRow("infinite") << "1e400" << false << 0.0;
    QTest::newRow("underflow") << "1e-400" << false << 0.0;
    QTest::newRow("too large for the scheme") << "1e61" << false << 0.0;
    QTest::newRow("largest") << "1e60" << true << 1e60;
}

void TestDrivenStringModel::lirePas()
{
    QFETCH(QString, texte);
    QFETCH(bool, accepte);
    QFETCH(double, valeur);
    const auto pas = ::lirePas(texte.toStdString());
    QCOMPARE(pas.has_value(), accepte);
    if (accepte)
        QCOMPARE(*pas, valeur);
}

void TestDrivenStringModel::pasRefuseModeleIntact_data()
{
    QTest::addColumn<QString>("texte");
    QTest::newRow("empty") << "";
    QTest::newRow("zero") << "0";
    QTest::newRow("letters") << "abc";
    QTest::newRow("negative") << "-0.01";
    QTest::newRow("comma zero") << "0,0";
}

void TestDrivenStringModel::pasRefuseModeleIntact()
{
    QFETCH(QString, texte);
    Banc b;
    // A valid change first: the model keeps the last valid step, not the initial one.
    b.panel.pasX = "0.02";
    b.panel.pasT = "0.002";
    b.model.ActualiseConstantes();
    const DrivenStringState avant = b.state;

    b.panel.pasX = texte.toStdString();
    b.panel.pasT = texte.toStdString();
    b.model.ActualiseConstantes();
    QCOMPARE(b.state.dx, 0.02);
    QCOMPARE(b.shared.dt, 0.002);
    QCOMPARE(b.state.coefA, avant.coefA);
    QCOMPARE(b.state.coefB, avant.coefB);
    QCOMPARE(b.state.coefC, avant.coefC);

    b.model.demarreVibreur();
    for (int appel = 0; appel < 40; ++appel)
        b.model.Ondule();
    QVERIFY(b.toutFini());
    QCOMPARE(b.view.messages, 0);
}

void TestDrivenStringModel::pasRefuseDansLaZone()
{
    Banc b;
    b.panel.extremiteDroite = ExtremiteDroite::Absente;
    b.model.lanceImpulsion();
    b.panel.pasX = "abc";
    b.panel.pasT = "";
    for (int appel = 0; appel < 80; ++appel)
        b.model.Ondule();
    QCOMPARE(b.state.dx, 0.01);
    QCOMPARE(b.shared.dt, 0.0025);
    QVERIFY(b.toutFini());
    QCOMPARE(b.view.messages, 0);

    // A decimal comma is read as a point, in the zone as in the constants.
    b.panel.pasX = "0,02";
    b.model.Ondule();
    QCOMPARE(b.state.dx, 0.02);
}

QTEST_APPLESS_MAIN(TestDrivenStringModel)
#include "tst_drivenstringmodel.moc"
