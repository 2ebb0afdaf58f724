#include "driven_string/drivenstringmodel.h"
#include "support/fakepanel.h"

#include <QtTest>

#include <cmath>
#include <string>
#include <vector>

namespace {

// The model on fresh variables; the bench plays the window: its panel at the designer settings,
// which tests move, and a view recording what the model asks of it.
struct Banc : DrivenStringView
{
    SharedVariables shared;
    DrivenStringState state;
    FakePanel panel {{{"Frequence", 13}, {"Amp", 10}, {"HScroll1", 5}, {"celerite", 10}}};
    DrivenStringModel model {shared, state, panel, *this};
    // The state as the user saw it at each overflow message.
    std::vector<DrivenStringState> messages;
    std::vector<double> dessins; // at each clear −1, at each redraw its temps

    Banc() { model.ActualiseConstantes(); }

    void afficheDepassement() override { messages.push_back(state); }
    void effaceImage() override { dessins.push_back(-1); }
    void corde(double temps) override { dessins.push_back(temps); }

    // Point 0 after that many more steps.
    double avance(int pas)
    {
        for (int i = 0; i < pas; ++i)
            model.avanceUnPas();
        return state.yNouveau[0];
    }
};

// The largest pulse in y (one value a step of dt, the first at dt) between two times, and when it
// came: each value less the mean of those 0.2 s before and after, so that a slow swell is none.
std::pair<double, double> pic(const std::vector<double> &y, double dt, double debut, double fin)
{
    const int d = int(std::lround(0.2 / dt));
    std::pair<double, double> p;
    for (int k = d; k + d < int(y.size()); ++k) {
        const double t = (k + 1) * dt;
        const double v = y[k] - (y[k - d] + y[k + d]) / 2;
        if (t >= debut && t <= fin && std::fabs(v) > std::fabs(p.first))
            p = {v, t};
    }
    return p;
}

} // namespace

using Depassement = std::tuple<ExtremiteDroite, int, double, int>;
using AllerRetour = std::tuple<ExtremiteDroite, int, double, double, double>;

class TestDrivenStringModel : public QObject
{
    Q_OBJECT

private slots:
    void debutDeLaSinusoide()
    {
        Banc b;
        const auto &s = b.state;
        // The initial panel: r = 0.25 and the weights of a string at rest staying at rest.
        QVERIFY(std::fabs(s.coefA - 0.062461) < 5e-7 && std::fabs(s.coefB - 1.873829) < 5e-7
                && std::fabs(s.coefC + 0.998751) < 5e-7);
        // Point 0 moves at the first step, point 1 only from the second.
        b.model.demarreVibreur();
        const double y0 = 10 * std::sin(6.2832 * 1.3 * 0.0025);
        QVERIFY(std::fabs(b.avance(1) - y0) < 1e-12 && s.yNouveau[1] == 0.0);
        QCOMPARE(b.shared.temps, 0.0025);
        b.avance(1);
        QVERIFY(std::fabs(s.yNouveau[1] - s.coefA * y0) < 1e-12 && s.yNouveau[2] == 0.0);
    }

    // The pulse, started over a running sine, wins over it while it lasts and starts temps again.
    void impulsion()
    {
        Banc b;
        b.model.demarreVibreur();
        b.shared.temps = 3.0;
        b.model.lanceImpulsion();
        QVERIFY(std::fabs(b.avance(1) + 0.425) < 5e-4);
        QVERIFY(std::fabs(b.avance(79) + 40.0) < 1e-6); // 0.2 s
        QVERIFY(std::fabs(b.avance(79) + 0.425) < 5e-4 && b.state.impulsionActive);
        b.avance(1);
        QVERIFY(b.shared.temps == 0.4000000000000003 && !b.state.impulsionActive);
    }

    void passageMontant_data()
    {
        // A stop; the frequency set while the sine runs, tenths of Hz; where point 0 goes next.
        QTest::addColumn<std::tuple<bool, int, int>>("row");
        QTest::newRow("1.3 to 2 Hz: goes on rising") << std::tuple {false, 20, 1};
        QTest::newRow("to 0 Hz: back to 0, no division by 0") << std::tuple {false, 0, -1};
        QTest::newRow("stop: stays there") << std::tuple {true, 13, 0};
    }

    // A stop or a changed setting reaches the running vibrator only when point 0 next passes zero
    // upward; the phase is then taken from the present position.
    void passageMontant()
    {
        using Row = std::tuple<bool, int, int>;
        QFETCH(Row, row);
        const auto [arret, frequence, sens] = row;
        Banc b;
        b.model.demarreVibreur();
        b.panel["Frequence"] = frequence;
        b.state.parametresModifies = true;
        if (arret)
            b.model.arreteVibreur();
        // Nothing changes before, not even at the downward crossing.
        int pas = 0;
        for (double avant = 1.0; !(b.state.yNouveau[0] > 0.0 && avant < 0.0) && pas < 400; ++pas) {
            QVERIFY(b.state.vibreurActif && b.shared.frequence == 1.3);
            avant = b.state.yNouveau[0];
            b.avance(1);
        }
        QVERIFY(pas < 400);
        const double y0 = b.state.yNouveau[0];
        const double f = frequence / 10.0;
        QCOMPARE(b.state.vibreurActif, !arret);
        QCOMPARE(b.shared.frequence, f);
        QCOMPARE(b.shared.temps, f == 0.0 ? 0.0 : (y0 / 10) / (f * 6.2832));
        const double suivant = b.avance(1);
        QCOMPARE((suivant > y0) - (suivant < y0), sens);
        QVERIFY(std::fabs(suivant - y0) < 10 * 6.2832 * 2.0 * 0.0025);
    }

    void depassement_data()
    {
        // The right end, the point set and its value, the last point cleared (−1: no overflow).
        QTest::addColumn<Depassement>("row");
        const auto fixe = ExtremiteDroite::Fixe;
        const auto absente = ExtremiteDroite::Absente;
        QTest::newRow("100") << Depassement {fixe, 50, 100.0, -1};
        QTest::newRow("100.000001") << Depassement {fixe, 50, 100.000001, 100};
        QTest::newRow("interior, no end: zone kept") << Depassement {absente, 50, 150.0, 100};
        // The zone is not held to the picture's limit: only a real blow-up stops it.
        QTest::newRow("zone, finite beyond 100") << Depassement {absente, 160, 100.36, -1};
        QTest::newRow("zone, 1e7") << Depassement {absente, 160, 1e7, 200};
        QTest::newRow("zone NaN") << Depassement {absente, 160, qQNaN(), 200};
    }

    void depassement()
    {
        QFETCH(Depassement, row);
        const auto [extremite, point, valeur, dernierEfface] = row;
        Banc b;
        b.panel.bout = extremite;
        b.model.demarreVibreur();
        b.model.lanceImpulsion();
        // Interior weights that copy each point: point 50 keeps its value. Point 150 shows
        // whether the zone was cleared.
        b.state.coefA = b.state.coefC = 0.0;
        b.state.coefB = 1.0;
        b.state.yNouveau[150] = 7.0;
        b.state.yNouveau[point] = valeur;
        b.shared.temps = 0.1;
        b.model.avanceUnPas();
        // On overflow the user is told first; then the excitation stops, points 0 to dernierEfface
        // are cleared, and the picture is cleared and redrawn at temps 0.
        const bool depasse = dernierEfface >= 0;
        QCOMPARE(b.messages.size(), std::size_t(depasse));
        QVERIFY(!depasse || (b.messages[0].vibreurActif && b.messages[0].yActuel[point] != 0.0));
        const auto &s = b.state;
        QCOMPARE(s.vibreurActif || s.impulsionActive, !depasse);
        for (int i = 0; i <= dernierEfface; ++i)
            QVERIFY(s.yNouveau[i] == 0.0 && s.yActuel[i] == 0.0 && s.yAncien[i] == 0.0);
        QCOMPARE(s.yActuel[point], depasse ? 0.0 : valeur);
        QCOMPARE(s.yActuel[150], dernierEfface < 150 ? 7.0 : 0.0);
        QCOMPARE(b.dessins.size(), depasse ? 2u : 0u); // cleared, then redrawn at 0
        QVERIFY(!depasse || (b.dessins[0] == -1 && b.dessins[1] == 0.0));
        QCOMPARE(b.shared.temps, depasse ? 0.0 : 0.1025);
    }

    void allerRetour_data()
    {
        // The right end, the damping in tenths of 1/s, when a reflection would be back at point 50
        // (s), and bounds of the pulse there as a fraction of the pulse there on its way out.
        QTest::addColumn<AllerRetour>("row");
        const auto absente = ExtremiteDroite::Absente;
        QTest::newRow("fixed end: inverted")
            << AllerRetour {ExtremiteDroite::Fixe, 5, 1.7, -1, -0.5};
        QTest::newRow("free end: upright") << AllerRetour {ExtremiteDroite::Libre, 5, 1.7, 0.5, 1};
        QTest::newRow("no end: nothing back from 100")
            << AllerRetour {absente, 0, 1.7, -0.02, 0.02};
        QTest::newRow("no end, damping 0: back from 200")
            << AllerRetour {absente, 0, 3.7, -1, -0.5};
        // Through the zone and back, its damping (0.5 /s at point 110 rising to 49 /s at point
        // 199) leaves exp(−½∮γ dt) ≈ e^−17 of the pulse. What the onset of the damping sends back
        // is a slow swell, not a pulse.
        QTest::newRow("no end: the zone absorbs") << AllerRetour {absente, 5, 3.7, -0.02, 0.02};
    }

    // At c = 1 m/s on 100 intervals of 1 cm the pulse, sent upward (negative) with its peak at
    // 0.2 s, passes point 50 at 0.7 s and reaches point 100 at 1.2 s; reflected there it is back
    // at point 50 at 1.7 s, reflected at point 200 at 3.7 s.
    void allerRetour()
    {
        QFETCH(AllerRetour, row);
        const auto [extremite, hScroll1, retour, bas, haut] = row;
        Banc b;
        b.panel.bout = extremite;
        b.panel["HScroll1"] = hScroll1;
        b.model.lanceImpulsion();
        std::vector<double> y50;
        const auto &y = b.state.yNouveau;
        while (b.shared.temps < retour + 0.5) {
            b.model.avanceUnPas();
            const double bout = extremite == ExtremiteDroite::Libre ? y[99] : 0.0;
            QCOMPARE(y[extremite == ExtremiteDroite::Absente ? 200 : 100], bout);
            y50.push_back(y[50]);
        }
        const double dt = b.shared.dt;
        const auto [aller, tAller] = pic(y50, dt, 0.0, 1.0);
        QVERIFY2(std::fabs(tAller - 0.7) < 0.03 && aller < -20.0,
                 qPrintable(QString::number(tAller)));
        const auto [echo, tEcho] = pic(y50, dt, retour - 0.2, retour + 0.2);
        QVERIFY2(echo / aller > bas && echo / aller < haut,
                 qPrintable(QString::number(echo / aller)));
        if (bas * haut > 0.0) // an echo is expected: on time
            QVERIFY2(std::fabs(tEcho - retour) < 0.05, qPrintable(QString::number(tEcho)));
        QVERIFY(b.messages.empty());
    }

    // A straight string, every point at one speed: a step multiplies it by (2 − γ·dt) / (2 + γ·dt)
    // with γ the string's up to point 110, then (1 + (i − 110) / 10)² times it, 98.01 at 199.
    void amortissementDeLaZone()
    {
        Banc b;
        b.panel.bout = ExtremiteDroite::Absente;
        b.state.yNouveau.fill(1.0); // 1 mm in one step, from rest
        b.model.avanceUnPas();
        const double dt = b.shared.dt;
        for (int i = 1; i < 199; ++i) { // point 199 has the fixed point 200 beside it
            const double vitesse = b.state.yNouveau[i] - 1.0; // mm per step
            const double gamma = 2.0 / dt * (1.0 - vitesse) / (1.0 + vitesse);
            const double profil = std::max(1.0, 1.0 + (i - 110) / 10.0);
            QVERIFY2(std::fabs(gamma / (0.5 * profil * profil) - 1.0) < 1e-9,
                     qPrintable(QString::number(i)));
        }
    }
};

QTEST_APPLESS_MAIN(TestDrivenStringModel)
#include "tst_drivenstringmodel.moc"
