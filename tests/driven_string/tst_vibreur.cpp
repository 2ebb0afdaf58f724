// The driven-string window: captions, state machines, frames and ends, steps, overflow.
#include "driven_string/vibreur.h"
#include "support/imageprobe.h"
#include "support/windowdriver.h"

#include <QtTest>

namespace {

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

class TestVibreur : public QObject
{
    Q_OBJECT

private slots:
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

QTEST_MAIN(TestVibreur)
#include "tst_vibreur.moc"
