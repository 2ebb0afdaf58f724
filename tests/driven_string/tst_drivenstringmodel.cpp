#include "drivenstringmodel.h"

#include <QtTest>

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>
#include <string>
#include <vector>

namespace {

// A model on fresh module variables, loaded as the window's load handler
// does. The bench plays the window: a panel at its designer settings that
// tests move, and a view that records what the model asks of it.
struct Banc : DrivenStringPanel, DrivenStringView
{
    SharedVariables shared;
    DrivenStringState state;
    DrivenStringModel model {shared, state, *this, *this};
    int frequence = 13; // 1.3 Hz
    int hScroll1 = 5; // 0.5 /s
    std::string pasX = "0.01", pasT = "0.0025";
    ExtremiteDroite bord = ExtremiteDroite::Fixe;
    // The state as the user saw it at each overflow message.
    std::vector<DrivenStringState> messages;
    int effacements = 0;
    std::vector<double> cordes; // temps at each redraw
    bool bordTenu = true; // the right-end condition held after every step

    Banc() { model.ActualiseConstantes(); }

    int frequenceValue() const override { return frequence; }
    int hScroll1Value() const override { return hScroll1; }
    int celeriteValue() const override { return 10; } // 1 m/s
    int ampValue() const override { return 10; } // 10 mm
    std::string pasXText() const override { return pasX; }
    std::string pasTText() const override { return pasT; }
    ExtremiteDroite extremite() const override { return bord; }
    void afficheDepassement() override { messages.push_back(state); }
    void effaceImage() override { ++effacements; }
    void corde(double &temps) override { cordes.push_back(temps); }

    // The extreme displacement of one point over a time window, and when it came.
    std::pair<double, double> extreme(int point, double debut, double fin)
    {
        std::pair<double, double> e;
        while (shared.temps < fin) {
            model.avanceUnPas();
            const auto &yn = state.yNouveau;
            const double bout = bord == ExtremiteDroite::Libre ? yn[99] : 0.0;
            bordTenu = bordTenu && yn[bord == ExtremiteDroite::Absente ? 200 : 100] == bout;
            const double y = yn[point];
            if (shared.temps >= debut && std::fabs(y) > std::fabs(e.first))
                e = {y, shared.temps};
        }
        return e;
    }
};

} // namespace

Q_DECLARE_METATYPE(ExtremiteDroite)

class TestDrivenStringModel : public QObject
{
    Q_OBJECT

private slots:
    void debutDeLaSinusoide();
    void impulsion_data();
    void impulsion();
    void passageMontant_data();
    void passageMontant();
    void depassement_data();
    void depassement();
    void allerRetour_data();
    void allerRetour();
    void pas_data();
    void pas();
};

void TestDrivenStringModel::debutDeLaSinusoide()
{
    Banc b;
    const auto &s = b.state;
    QVERIFY(std::fabs(b.shared.dt * 1.0 / s.dx - 0.25) < 1e-12); // r = dt·c/dx
    QVERIFY(std::fabs(s.coefA - 0.062461) < 5e-7);
    QVERIFY(std::fabs(s.coefB - 1.873829) < 5e-7);
    QVERIFY(std::fabs(s.coefC + 0.998751) < 5e-7);
    QVERIFY(std::fabs(2.0 * s.coefA + s.coefB + s.coefC - 1.0) < 1e-12);
    // Point 0 moves at the first step, point 1 only from the second.
    b.model.demarreVibreur();
    b.model.avanceUnPas();
    QCOMPARE(b.shared.temps, 0.0025);
    const double y0 = 10 * std::sin(6.2832 * 1.3 * 0.0025);
    QVERIFY(std::fabs(s.yNouveau[0] - y0) < 1e-12 && s.yNouveau[1] == 0.0);
    b.model.avanceUnPas();
    QVERIFY(std::fabs(s.yNouveau[1] - s.coefA * y0) < 1e-12 && s.yNouveau[1] > 0.0);
    QCOMPARE(s.yNouveau[2], 0.0);
}

void TestDrivenStringModel::impulsion_data()
{
    QTest::addColumn<bool>("sinusoide");
    QTest::newRow("alone") << false;
    QTest::newRow("over a running sine: the pulse wins") << true;
}

void TestDrivenStringModel::impulsion()
{
    QFETCH(bool, sinusoide);
    Banc b;
    if (sinusoide)
        b.model.demarreVibreur();
    b.shared.temps = 3.0; // the pulse starts temps again
    b.model.lanceImpulsion();
    b.model.avanceUnPas();
    QVERIFY(std::fabs(b.state.yNouveau[0] + 0.425) < 5e-4);
    for (int pas = 2; pas <= 80; ++pas)
        b.model.avanceUnPas();
    QVERIFY(std::fabs(b.state.yNouveau[0] + 40.0) < 1e-6); // 0.2 s
    for (int pas = 81; pas <= 159; ++pas)
        b.model.avanceUnPas();
    const double dernier = b.state.yNouveau[0];
    QVERIFY(std::fabs(dernier + 0.425) < 5e-4 && b.state.impulsionActive);
    b.model.avanceUnPas();
    QVERIFY(b.shared.temps == 0.4000000000000003 && !b.state.impulsionActive);
    b.model.Ondule();
    // Alone, the end stays where the pulse left it; a running sine takes over.
    QCOMPARE(b.state.yNouveau[0] == dernier, !sinusoide);
}

void TestDrivenStringModel::passageMontant_data()
{
    QTest::addColumn<bool>("arret");
    QTest::addColumn<int>("frequence"); // tenths of Hz, set while the sine runs
    QTest::addColumn<int>("sens"); // of point 0 at the following step
    QTest::newRow("1.3 to 2 Hz: goes on rising") << false << 20 << 1;
    QTest::newRow("to 0 Hz: back to 0, no division by 0") << false << 0 << -1;
    QTest::newRow("stop: stays there") << true << 13 << 0;
}

// A stop or a changed setting reaches the running vibrator only when point 0
// next passes zero upward; the phase is then taken from the present position.
void TestDrivenStringModel::passageMontant()
{
    QFETCH(bool, arret);
    QFETCH(int, frequence);
    QFETCH(int, sens);
    Banc b;
    b.model.demarreVibreur();
    b.frequence = frequence;
    b.state.parametresModifies = true;
    if (arret)
        b.model.arreteVibreur();
    // Nothing changes before, not even at the downward crossing.
    int pas = 0;
    for (double avant = 1.0; !(b.state.yNouveau[0] > 0.0 && avant < 0.0) && pas < 400; ++pas) {
        QVERIFY(b.state.vibreurActif && b.shared.frequence == 1.3);
        avant = b.state.yNouveau[0];
        b.model.avanceUnPas();
    }
    QVERIFY(pas < 400);
    const double y0 = b.state.yNouveau[0];
    const double f = frequence / 10.0;
    QCOMPARE(b.state.vibreurActif, !arret);
    QCOMPARE(b.shared.frequence, f);
    QCOMPARE(b.shared.temps, f == 0.0 ? 0.0 : (y0 / 10) / (f * 6.2832));
    b.model.avanceUnPas();
    const double suivant = b.state.yNouveau[0];
    QCOMPARE((suivant > y0) - (suivant < y0), sens);
    QVERIFY(std::fabs(suivant - y0) < 10 * 6.2832 * 2.0 * 0.0025);
}

void TestDrivenStringModel::depassement_data()
{
    QTest::addColumn<ExtremiteDroite>("extremite");
    QTest::addColumn<int>("point");
    QTest::addColumn<double>("valeur");
    QTest::addColumn<int>("dernierEfface"); // −1: no overflow
    const auto fixe = ExtremiteDroite::Fixe;
    const auto absente = ExtremiteDroite::Absente;
    QTest::newRow("100") << fixe << 50 << 100.0 << -1;
    QTest::newRow("100.000001") << fixe << 50 << 100.000001 << 100;
    QTest::newRow("-100.000001") << fixe << 50 << -100.000001 << 100;
    QTest::newRow("interior, no end: zone kept") << absente << 50 << 150.0 << 100;
    // The zone is not held to the picture's limit: only a real blow-up stops it.
    QTest::newRow("zone, finite beyond 100") << absente << 160 << 100.36 << -1;
    QTest::newRow("zone, 1e7") << absente << 160 << 1e7 << 200;
    QTest::newRow("zone NaN") << absente << 160 << std::numeric_limits<double>::quiet_NaN() << 200;
}

void TestDrivenStringModel::depassement()
{
    QFETCH(ExtremiteDroite, extremite);
    QFETCH(int, point);
    QFETCH(double, valeur);
    QFETCH(int, dernierEfface);
    Banc b;
    b.bord = extremite;
    b.model.demarreVibreur();
    b.model.lanceImpulsion();
    // Interior weights that copy each point, so point 50 keeps its value;
    // point 150 shows whether the zone was cleared.
    b.state.coefA = b.state.coefC = 0.0;
    b.state.coefB = 1.0;
    b.state.yNouveau[150] = 7.0;
    b.state.yNouveau[point] = valeur;
    b.shared.temps = 0.1;
    b.model.avanceUnPas();
    // On overflow the user is told first; then the excitation stops, points 0
    // to dernierEfface are cleared, and the picture is cleared and redrawn at temps 0.
    const bool depasse = dernierEfface >= 0;
    QCOMPARE(b.messages.size(), std::size_t(depasse));
    QVERIFY(!depasse || (b.messages[0].vibreurActif && b.messages[0].yActuel[point] != 0.0));
    const auto &s = b.state;
    QCOMPARE(s.vibreurActif || s.impulsionActive, !depasse);
    for (int i = 0; i <= dernierEfface; ++i)
        QVERIFY(s.yNouveau[i] == 0.0 && s.yActuel[i] == 0.0 && s.yAncien[i] == 0.0);
    QCOMPARE(s.yActuel[point], depasse ? 0.0 : valeur);
    QVERIFY(std::all_of(s.yNouveau.begin(), s.yNouveau.end(),
                        [](double v) { return std::isfinite(v); }));
    QCOMPARE(s.yActuel[150], dernierEfface < 150 ? 7.0 : 0.0);
    QCOMPARE(b.effacements, int(depasse));
    QCOMPARE(b.cordes, depasse ? std::vector<double> {0.0} : std::vector<double> {});
    QCOMPARE(b.shared.temps, depasse ? 0.0 : 0.1025);
}

void TestDrivenStringModel::allerRetour_data()
{
    QTest::addColumn<ExtremiteDroite>("extremite");
    QTest::addColumn<int>("hScroll1");
    QTest::addColumn<double>("retour"); // s, when a reflection would be back at point 50
    QTest::addColumn<double>("bas"); // mm, bounds of the extreme displacement there
    QTest::addColumn<double>("haut");
    const auto absente = ExtremiteDroite::Absente;
    QTest::newRow("fixed end: inverted") << ExtremiteDroite::Fixe << 5 << 1.7 << 15.0 << 100.0;
    QTest::newRow("free end: upright") << ExtremiteDroite::Libre << 5 << 1.7 << -100.0 << -15.0;
    QTest::newRow("no end: nothing back from 100") << absente << 0 << 1.7 << -1.0 << 1.0;
    QTest::newRow("no end, damping 0: back from 200") << absente << 0 << 3.7 << 30.0 << 100.0;
    QTest::newRow("no end: the zone absorbs") << absente << 5 << 3.7 << -3.0 << 3.0;
}

// At c = 1 m/s on 100 intervals of 1 cm the pulse, sent upward (negative)
// with its peak at 0.2 s, passes point 90 at 1.1 s and reaches point 100 at
// 1.2 s; reflected there it is back at point 50 at 1.7 s, reflected at
// point 200 at 3.7 s. With 0.5 /s alone that last echo would still be ~17 mm.
void TestDrivenStringModel::allerRetour()
{
    QFETCH(ExtremiteDroite, extremite);
    QFETCH(int, hScroll1);
    QFETCH(double, retour);
    QFETCH(double, bas);
    QFETCH(double, haut);
    Banc b;
    b.bord = extremite;
    b.hScroll1 = hScroll1;
    b.model.lanceImpulsion();
    const auto [aller, tAller] = b.extreme(90, 0.0, 1.25);
    QVERIFY2(std::fabs(tAller - 1.1) < 0.03 && aller < -20.0, qPrintable(QString::number(tAller)));
    const auto [echo, tEcho] = b.extreme(50, retour - 0.3, retour + 0.5);
    QVERIFY2(echo > bas && echo < haut, qPrintable(QString::number(echo)));
    if (bas * haut > 0.0) // an echo is expected: on time
        QVERIFY2(std::fabs(tEcho - retour) < 0.05, qPrintable(QString::number(tEcho)));
    QVERIFY(b.bordTenu);
    QVERIFY(b.messages.empty());
}

void TestDrivenStringModel::pas_data()
{
    QTest::addColumn<QString>("texte");
    QTest::addColumn<double>("valeur"); // 0: refused
    QTest::newRow("point") << "0.005" << 0.005;
    QTest::newRow("decimal comma") << "0,005" << 0.005;
    QTest::newRow("empty") << "" << 0.0;
    QTest::newRow("zero") << "0" << 0.0;
    QTest::newRow("letters") << "abc" << 0.0;
    QTest::newRow("negative") << "-0.01" << 0.0;
    QTest::newRow("infinite") << "1e400" << 0.0;
}

// Both step boxes hold the text. A refused text leaves the last valid steps
// in place, in the constants and in the absorbing zone.
void TestDrivenStringModel::pas()
{
    QFETCH(QString, texte);
    QFETCH(double, valeur);
    Banc b;
    b.pasX = b.pasT = "0.02";
    b.model.ActualiseConstantes();
    b.pasX = b.pasT = texte.toStdString();
    b.model.ActualiseConstantes();
    const double attendu = valeur > 0.0 ? valeur : 0.02;
    QVERIFY(b.state.dx == attendu && b.shared.dt == attendu);
    b.bord = ExtremiteDroite::Absente;
    b.model.demarreVibreur();
    for (int appel = 0; appel < 40; ++appel)
        b.model.Ondule();
    const auto &y = b.state.yNouveau;
    QVERIFY(std::isfinite(std::accumulate(y.begin(), y.end(), 0.0)) && y[1] != 0.0);
    QVERIFY(b.messages.empty());
    QVERIFY(b.state.dx == attendu && b.shared.dt == attendu);
}

QTEST_APPLESS_MAIN(TestDrivenStringModel)
#include "tst_drivenstringmodel.moc"
