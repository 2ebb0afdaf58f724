// The driven string: its model's scheme, pulse, vibrator, overflows and ends; its window's
// captions, state machines, frames and ends, steps.
#include "driven_string/vibreur.h"
#include "support/fakepanel.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QtTest>

#include <cmath>
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

const QColor rouge(255, 0, 0);
const QColor orange(255, 200, 100);
const QColor grillePrincipale(180, 180, 255);

using Fenetre = ModuleWindow<Vibreur, DrivenStringState>;

// Both state machines as the user sees them: what runs, shows or is enabled; Label21; temps.
QString etat(const Fenetre &f)
{
    const auto &s = f.state;
    QStringList mots {f.ticking() ? "Timer1" : ""};
    for (const char *nom : {"pause", "Reprise", "Command1", "Command3"})
        mots << (f.shown(nom) ? nom : "");
    mots << (f.find("Command5").isEnabled() ? "Command5" : "") << (s.vibreurActif ? "vibreur" : "")
         << (s.arretDemande ? "arrêt" : "") << (s.impulsionActive ? "impulsion" : "")
         << f.caption("Label21") << QString::number(f.shared.temps);
    return mots.join(' ').simplified();
}

} // namespace

using Depassement = std::tuple<ExtremiteDroite, int, double, int>;
using AllerRetour = std::tuple<ExtremiteDroite, int, double, double, double>;
using Description = std::tuple<ExtremiteDroite, double, double, QString, QString>;

class TestDrivenString : public QObject
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

    void description_data()
    {
        // The right end, the time after the pulse's start (s), where the sentence says its top is
        // (m, NaN for a string at rest) and which way, and the end's words.
        QTest::addColumn<Description>("row");
        const auto fixe = ExtremiteDroite::Fixe;
        // At 1 m/s the pulse's top leaves point 0 at 0.2 s: at 0.4 m at 0.6 s; reflected at 1 m at
        // 1.2 s, it is back at 0.6 m at 1.6 s, inverted by a fixed end, upright from a free one.
        QTest::newRow("at rest") << Description {fixe, 0.0, qQNaN(), "", "extrémité droite fixe"};
        QTest::newRow("on its way")
            << Description {ExtremiteDroite::Absente, 0.6, 0.4, "vers le haut", "pas d'extrémité"};
        QTest::newRow("back, inverted") << Description {fixe, 1.6, 0.6, "vers le bas", "fixe"};
        QTest::newRow("back, upright")
            << Description {ExtremiteDroite::Libre, 1.6, 0.6, "vers le haut", "droite libre"};
    }

    void description()
    {
        QFETCH(Description, row);
        const auto &[extremite, temps, ou, sens, bout] = row;
        Banc b;
        b.panel.bout = extremite;
        b.model.lanceImpulsion();
        for (int i = 0; i < std::lround(temps / b.shared.dt / 10); ++i)
            b.model.Ondule(); // ten steps, then the string drawn
        const QString texte = QString::fromStdString(b.model.description());
        const QString debut = "Corde à t = " + QString::number(temps).replace('.', ',') + " s : ";
        QVERIFY2(texte.startsWith(debut) && texte.contains(bout), qPrintable(texte));
        if (std::isnan(ou))
            QVERIFY2(texte.startsWith(debut + "au repos ;"), qPrintable(texte));
        else
            QVERIFY2(texte.contains("mm " + sens + " à ")
                         && std::fabs(Probe::readout(texte, " à ", "m") - ou) < 0.03,
                     qPrintable(texte));
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

    void legendes()
    {
        Fenetre f;
        f.window->show();
        const double coefA = f.state.coefA;
        QStringList legendes;
        for (const auto &[barre, valeur, legende] : {std::tuple {"Amp", 1, "Label18"},
                                                     {"Frequence", 5, "Label5"},
                                                     {"HScroll1", 5, "Label24"},
                                                     {"célérité", 3, "Label2"}}) {
            f.bar(barre).setValue(f.bar(barre).maximum()); // away first, so that it is a change
            f.state.parametresModifies = false;
            f.bar(barre).setValue(valeur);
            QVERIFY(f.state.parametresModifies);
            legendes << f.caption(legende);
        }
        // The model takes the changes only at its next derivation of the constants.
        QCOMPARE(f.state.coefA, coefA);
        // A positive number reads with a leading blank and no zero before the point; f1 = c / 2,
        // the fundamental of the 1 m string.
        QCOMPARE(legendes.join('|') + '|' + f.caption("Label4"),
                 "A = 1mm|f= .5Hz| .5/s|f1= .15Hz|c= .3m/s");
        QCOMPARE(Probe::captionFaults(*f.window).join("; "), QString());

        // Each step's formula and unit on the baseline of its number, clear of its box's frame.
        QHash<QString, Label *> legende;
        for (Label *l : f.window->findChildren<Label *>())
            legende[l->Caption()] = l;
        for (const auto &[formule, nom, unite] :
             {std::tuple {"dx =", "PasX", "m"}, std::tuple {"dt = ", "PasT", "s"}}) {
            QWidget &pas = f.find(nom);
            QVERIFY(!pas.hasFocus());
            const QImage boite = pas.grab().toImage();
            const QRect chiffres = Probe::matching(
                                       boite, [](QPoint, QRgb p) { return qGray(p) < 128; },
                                       boite.rect().adjusted(2, 2, -2, -2))
                                       .bounds;
            QVERIFY2(chiffres.left() >= 4 && chiffres.right() <= boite.width() - 5, nom);
            const int ligne = pas.y() + chiffres.bottom();
            QCOMPARE(Probe::ink(*legende.value(formule)).bottom(), ligne);
            QCOMPARE(Probe::ink(*legende.value(unite)).bottom(), ligne);
        }
        // The pictures stay inside their buttons' frames.
        for (CommandButton *bouton : f.window->findChildren<CommandButton *>()) {
            const QImage image = bouton->grab().toImage();
            const QRect blanc = Probe::matching(image, Qt::white).bounds;
            QVERIFY2(image.rect().adjusted(2, 2, -2, -2).contains(blanc),
                     qPrintable(bouton->accessibleName()));
        }
    }

    // Each row is named by its clicks, on visible and enabled controls.
    void machines_data()
    {
        QTest::addColumn<QString>("attendu");
        QTest::newRow("pause") << "Reprise Command1 Command5 Reprise 0";
        QTest::newRow("pause Reprise") << "Timer1 pause Command1 Command5 Pause 0";
        QTest::newRow("Command6") << "Reprise Command1 Command5 Reprise 0.025";
        QTest::newRow("Command6 Command1") << "Reprise Command3 vibreur Reprise 0";
        QTest::newRow("Command1 Command3")
            << "Timer1 pause Command1 Command5 vibreur arrêt Pause 0";
        // A right end chosen applies the pending changes at once, the stop among them.
        QTest::newRow("Command1 Command3 Option2") << "Timer1 pause Command1 Command5 Pause 0";
        QTest::newRow("Command1 Command3 Option3") << "Timer1 pause Command1 Command5 Pause 0";
        QTest::newRow("Command1 Command3 Command1") << "Timer1 pause Command3 vibreur Pause 0";
        QTest::newRow("Command1 Command4") << "Timer1 pause Command1 Command5 Pause 0";
        QTest::newRow("Command5 Command6 Command4")
            << "Reprise Command1 Command5 impulsion Reprise 0";
        // "Quitter", then opened again: the module variables, a running sine too, outlive it.
        QTest::newRow("Command6 Command1 Command2")
            << "Timer1 pause Command1 Command5 vibreur Pause 0";
    }

    void machines()
    {
        QFETCH(QString, attendu);
        Fenetre f;
        f.click(QTest::currentDataTag());
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        if (f.closed()) // by "Quitter"
            f.open();
        QCOMPARE(etat(f), attendu);
    }

    void images_data()
    {
        // Named by the clicks before the pulse: the right ends in turn, the trace switch.
        QTest::addColumn<QString>("extremite");
        QTest::newRow("Option2 Option3 Option1") << "fixed";
        QTest::newRow("Option3 Option2 Option1 Label14") << "fixed";
        QTest::newRow("Option3 Option1 Option2 Label14 Label14") << "free";
        QTest::newRow("Option1 Option2 Option3 Label14") << "none";
    }

    // A pulse runs along the string to its right end. Every frame paints the old string over in
    // white (orange with traces) and leaves no red but the new one; each end behaves as chosen.
    void images()
    {
        QFETCH(QString, extremite);
        Fenetre f;
        const QString clics = QString::fromUtf8(QTest::currentDataTag());
        const bool avecTraces = clics.count("Label14") % 2 == 1;
        const bool sansExtremite = extremite == "none";
        const DrawingSurface &p = f.picture();
        f.click(clics);
        // The clamp marks a fixed end only.
        QCOMPARE(f.shown("Shape4"), extremite == "fixed");
        f.click("Command5");
        // Red pixels that yNouveau's string, drawn alone, does not have.
        const auto fantomes = [&] {
            return Probe::ghosts(p, Probe::polyline(f.state.yNouveau, sansExtremite ? 200 : 100),
                                 rouge);
        };
        // At 1 m/s the pulse, at its top at 0.2 s, is at the end from 1.2 s: 48 steps of 0.025 s.
        for (int i = 0; i < 52; ++i) {
            f.click("Command6");
            QCOMPARE(fantomes(), 0);
        }
        // The end held at 0, following point 99, or running on into a zone held at 0 at 200.
        const auto &y = f.state.yNouveau;
        QVERIFY(std::abs(y[99]) > 1);
        const QStringList bouts {y[100] == 0 ? "fixed" : "", y[100] == y[99] ? "free" : "",
                                 y[101] != 0 && y[200] == 0 ? "none" : ""};
        QCOMPARE(bouts.join(' ').simplified(), extremite);
        // The pulse passed points 10 to 20 at about 0.3 s, 2 to 38 mm high.
        QCOMPARE(Probe::countIn(p, 11, -38, 19, -2, orange) > 150, avecTraces);
        // The grid is drawn first at every frame, over the older traces.
        const int hauteur = int(33 * 15 / 31.725); // pixels from −38 to −5 mm
        QVERIFY(Probe::countIn(p, 20, -38, 20, -5, grillePrincipale) > hauteur * 8 / 10);
        QCOMPARE(Probe::countIn(p, 20, -38, 20, -5, orange), 0);
        // Past point 100 only the extension is drawn, and never leaves traces.
        QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, rouge) > 0, sansExtremite);
        QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, orange), 0);

        // "Réinitialiser": the string at rest on the axis, traces cleared and the switch off.
        f.click("Command4");
        QCOMPARE(Probe::matching(p.image(), orange).count, 0);
        QCOMPARE(f.find<CheckBox>("traces").Value(), 0);
        QCOMPARE(fantomes(), 0);
        for (float x : {0.5f, 50.0f, 99.5f})
            QCOMPARE(Probe::pixel(p, x, 0), rouge);
        QCOMPARE(Probe::pixel(p, -5, -60), Qt::white); // no grid left of point 0
    }

    // A refused step (too large too) is marked with the range; the last valid steps stay in use,
    // in the zone too, which reads the boxes at every step. dx comes from PasX, dt from PasT.
    void pasRefuses()
    {
        Fenetre f;
        f.click("Option3 Command1");
        const double dx = f.state.dx;
        const double dt = f.shared.dt;
        for (const char *boite : {"PasX", "PasT"}) {
            for (const char *texte : {"abc", "0", "1e308"}) {
                f.type(boite, texte);
                const auto &pas = f.find<TextBox>(boite);
                QVERIFY(pas.isRefused() && pas.toolTip().contains("1e60"));
                f.click("Command6");
            }
        }
        QVERIFY(f.state.dx == dx && f.shared.dt == dt && std::isfinite(f.state.yNouveau[150]));
        f.type("PasX", "0,005");
        f.type("PasT", "0.001");
        QVERIFY(!f.find<TextBox>("PasX").isRefused() && !f.find<TextBox>("PasT").isRefused());
        // Accepted steps show the stability number: 1 m/s × 0.001 s / 0.005 m.
        QCOMPARE(f.find("PasT").toolTip(), "r = c·dt/dx = 0,2 : le calcul est stable pour r ≤ 1");
        QCOMPARE(f.bar("célérité").toolTip(), f.find("PasX").toolTip());
        QVERIFY(f.state.parametresModifies); // a new time step reaches a running vibrator
        f.click("Option2");
        QVERIFY(f.state.dx == 0.005 && f.shared.dt == 0.001);
        // Courant number 2, accepted: the model's overflow message, shown modal by the window.
        f.type("PasT", "0.01");
        QString texte;
        Probe::acceptMessageBox(this, texte);
        f.click("Option1 Command6");
        QCOMPARE(texte, QString::fromUtf8(DrivenStringModel::messageDepassement));
    }
};

QTEST_MAIN(TestDrivenString)
#include "tst_drivenstring.moc"
