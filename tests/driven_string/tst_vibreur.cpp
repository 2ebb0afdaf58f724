// The driven-string window: captions, state machines, frames, step boxes, overflow.
#include "driven_string/vibreur.h"
#include "support/imageprobe.h"

#include <QtTest>

namespace {

const QColor rouge(255, 0, 0);
const QColor orange(255, 200, 100);
const QColor grillePrincipale(180, 180, 255);

// A window on fresh module variables; deleted at the end unless it closed.
struct Fenetre
{
    SharedVariables shared;
    DrivenStringState state;
    QPointer<Vibreur> w = new Vibreur(nullptr, shared, state);

    ~Fenetre() { delete w.data(); }
};

} // namespace

class TestVibreur : public QObject
{
    Q_OBJECT

    // Red pixels of the picture that yNouveau's string, drawn alone, does not have: ghosts.
    static int fantomes(const Fenetre &f, int dernierPoint)
    {
        const DrawingSurface &image = *f.w->Picture1;
        DrawingSurface seule(nullptr, 3720, 120, 8175, 6375, Qt::white,
                             DrawingSurface::Border::Flat);
        seule.setScale(image.scale());
        seule.setDrawWidth(2);
        const auto &y = f.state.yNouveau;
        for (int i = 1; i <= dernierPoint; ++i)
            seule.Line(float(i - 1), float(y[i - 1]), float(i), float(y[i]), rouge);
        return Probe::extra(image.image(), seule.image(), rouge);
    }

    // Both state machines as the user sees them: what runs, shows or is enabled; Label21; temps.
    static QString etat(const Fenetre &f)
    {
        const Vibreur &w = *f.w;
        const auto si = [](bool vrai, const char *mot) { return QString(vrai ? mot : ""); };
        return QStringList {
            si(w.Timer1->Enabled(), "Timer1"),        si(!w.pause->isHidden(), "pause"),
            si(!w.Reprise->isHidden(), "Reprise"),    si(!w.Command1->isHidden(), "Command1"),
            si(!w.Command3->isHidden(), "Command3"),  si(w.Command5->isEnabled(), "Command5"),
            si(f.state.vibreurActif, "vibreur"),      si(f.state.arretDemande, "arrêt"),
            si(f.state.impulsionActive, "impulsion"), w.Label21->Caption(),
            QString::number(f.shared.temps)}
            .join(' ')
            .simplified();
    }

private slots:
    void legendes()
    {
        Fenetre f;
        Vibreur &w = *f.w;
        w.show();
        const double coefA = f.state.coefA;
        for (const auto &[barre, valeur] :
             {std::pair {w.Amp, 1}, {w.Frequence, 5}, {w.HScroll1, 5}, {w.célérité, 3}}) {
            barre->setValue(barre->maximum()); // away first, so that the value is a change
            f.state.parametresModifies = false;
            barre->setValue(valeur);
            QVERIFY(f.state.parametresModifies);
        }
        // The model takes the changes only at its next derivation of the constants.
        QCOMPARE(f.state.coefA, coefA);
        // A positive number reads with a leading blank and no zero before the
        // point; f1 = c / 2, the fundamental of the 1 m string.
        const QStringList legendes {w.Label18->Caption(), w.Label5->Caption(), w.Label24->Caption(),
                                    w.Label2->Caption(), w.Label4->Caption()};
        QCOMPARE(legendes.join('|'), "A = 1mm|f= .5Hz| .5/s|f1= .15Hz|c= .3m/s");
        QCOMPARE(Probe::captionFaults(w).join("; "), QString());

        // Each step's formula and unit on the baseline of its number, clear of its box's frame.
        QHash<QString, Label *> legende;
        for (Label *l : w.findChildren<Label *>())
            legende[l->Caption()] = l;
        for (const auto &[formule, pas, unite] :
             {std::tuple {"dx =", w.PasX, "m"}, std::tuple {"dt = ", w.PasT, "s"}}) {
            QVERIFY(!pas->hasFocus());
            const QImage boite = pas->grab().toImage();
            const QRect chiffres = Probe::matching(
                                       boite, [](QPoint, QRgb p) { return qGray(p) < 128; },
                                       boite.rect().adjusted(2, 2, -2, -2))
                                       .bounds;
            QVERIFY2(chiffres.left() >= 4 && chiffres.right() <= boite.width() - 5,
                     qPrintable(pas->Text()));
            const int ligne = pas->y() + chiffres.bottom();
            QCOMPARE(Probe::ink(*legende.value(formule)).bottom(), ligne);
            QCOMPARE(Probe::ink(*legende.value(unite)).bottom(), ligne);
        }
        // The pictures stay inside their buttons' frames.
        for (CommandButton *bouton : w.findChildren<CommandButton *>()) {
            const QImage image = bouton->grab().toImage();
            const QRect blanc = Probe::matching(image, Qt::white).bounds;
            QVERIFY2(image.rect().adjusted(2, 2, -2, -2).contains(blanc),
                     qPrintable(bouton->accessibleName()));
        }
    }

    // Each row is named by its clicks, on visible and enabled buttons.
    void machines_data()
    {
        QTest::addColumn<QString>("attendu");
        QTest::newRow("pause") << "Reprise Command1 Command5 Reprise 0";
        QTest::newRow("pause Reprise") << "Timer1 pause Command1 Command5 Pause 0";
        QTest::newRow("Command6") << "Reprise Command1 Command5 Reprise 0.025";
        QTest::newRow("Command6 Command1") << "Reprise Command3 vibreur Reprise 0";
        QTest::newRow("Command1 Command3")
            << "Timer1 pause Command1 Command5 vibreur arrêt Pause 0";
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
        Vibreur &w = *f.w;
        const QHash<QString, CommandButton *> boutons {
            {"pause", w.pause},       {"Reprise", w.Reprise},   {"Command6", w.Command6},
            {"Command1", w.Command1}, {"Command3", w.Command3}, {"Command5", w.Command5},
            {"Command4", w.Command4}, {"Command2", w.Command2}};
        const QString clics = QString::fromUtf8(QTest::currentDataTag());
        for (const QString &nom : clics.split(' ')) {
            CommandButton *bouton = boutons.value(nom);
            QVERIFY2(!bouton->isHidden() && bouton->isEnabled(), qPrintable(nom));
            bouton->click();
        }
        if (clics.endsWith("Command2")) {
            QTRY_VERIFY(f.w.isNull());
            f.w = new Vibreur(nullptr, f.shared, f.state);
        }
        QCOMPARE(etat(f), attendu);
    }

    void images_data()
    {
        // The end chosen (fixed, free, none), with traces, clicks on "Pas à pas".
        QTest::addColumn<std::tuple<int, bool, int>>("cas");
        QTest::newRow("fixed end") << std::tuple {0, false, 30};
        QTest::newRow("fixed end, traces") << std::tuple {0, true, 12};
        // The pulse comes back from the free end: point 100 moves.
        QTest::newRow("free end") << std::tuple {1, false, 52};
        QTest::newRow("no end, traces") << std::tuple {2, true, 52}; // the pulse is past point 100
    }

    // A pulse runs along the string. Every frame paints the old string over in white (orange
    // with traces) and leaves no red but the new one.
    void images()
    {
        using Cas = std::tuple<int, bool, int>;
        QFETCH(Cas, cas);
        const auto &[extremite, avecTraces, pas] = cas;
        Fenetre f;
        Vibreur &w = *f.w;
        const DrawingSurface &p = *w.Picture1;
        // Each end chosen in turn, the row's last: the clamp marks a fixed end only.
        OptionButton *const bouts[] = {w.Option1, w.Option2, w.Option3};
        for (int k = 1; k <= 3; ++k)
            bouts[(extremite + k) % 3]->setValue(true);
        QCOMPARE(w.Shape4->isHidden(), extremite != 0);
        const bool sansExtremite = extremite == 2;
        // The label toggles the switch: once on, twice off.
        for (int clic = 0; clic < (avecTraces ? 1 : 2); ++clic)
            QTest::mouseClick(w.Label14, Qt::LeftButton);
        w.Command5->click();
        const int dernier = sansExtremite ? 200 : 100;
        for (int i = 0; i < pas; ++i) {
            w.Command6->click();
            QCOMPARE(fantomes(f, dernier), 0);
        }
        // The pulse passed points 10 to 20 at about 0.3 s, 2 to 38 mm high.
        QCOMPARE(Probe::countIn(p, 11, -38, 19, -2, orange) > 150, avecTraces);
        // The grid is drawn first at every frame, over the older traces.
        const int hauteur = int(33 * 15 / 31.725); // pixels from −38 to −5 mm
        QVERIFY(Probe::countIn(p, 20, -38, 20, -5, grillePrincipale) > hauteur * 8 / 10);
        QCOMPARE(Probe::countIn(p, 20, -38, 20, -5, orange), 0);
        // The grid is redrawn where the string went: over the whole grid, the frame is the same.
        double temps = 0;
        w.corde(temps);
        const QImage avant = p.image();
        w.Quadrille();
        w.corde(temps);
        QCOMPARE(p.image(), avant);
        // Past point 100 only the extension is drawn, and never leaves traces.
        QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, rouge) > 0, sansExtremite);
        QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, orange), 0);

        // "Réinitialiser": the string at rest on the axis, traces cleared and the switch off.
        w.Command4->click();
        QCOMPARE(Probe::matching(p.image(), orange).count, 0);
        QCOMPARE(w.traces->Value(), 0);
        QCOMPARE(fantomes(f, dernier), 0);
        for (float x : {0.5f, 50.0f, 99.5f})
            QCOMPARE(p.pixelAt(x, 0), rouge);
        QCOMPARE(p.pixelAt(-5, -60), Qt::white); // no grid left of point 0
    }

    // A refused step (too large too) is marked with the range; the last valid steps stay in use,
    // in the zone too, which reads the boxes at every step. dx comes from PasX, dt from PasT.
    void pasRefuses()
    {
        Fenetre f;
        Vibreur &w = *f.w;
        w.Option3->setValue(true);
        w.Command1->click();
        const double dx = f.state.dx;
        const double dt = f.shared.dt;
        for (TextBox *pas : {w.PasX, w.PasT}) {
            for (const char *texte : {"abc", "0", "1e308"}) {
                pas->setText(texte);
                QVERIFY(pas->isRefused() && pas->toolTip().contains("1e60"));
                w.Ondule();
            }
        }
        QVERIFY(f.state.dx == dx && f.shared.dt == dt && std::isfinite(f.state.yNouveau[150]));
        w.PasX->setText("0,005");
        w.PasT->setText("0.001");
        QVERIFY(!w.PasX->isRefused() && !w.PasT->isRefused());
        // Accepted steps show the stability number: 1 m/s × 0.001 s / 0.005 m.
        QCOMPARE(w.PasT->toolTip(), "r = c·dt/dx = 0,2 : le calcul est stable pour r ≤ 1");
        QCOMPARE(w.célérité->toolTip(), w.PasX->toolTip());
        QVERIFY(f.state.parametresModifies); // a new time step reaches a running vibrator
        w.Option2->setValue(true);
        QVERIFY(f.state.dx == 0.005 && f.shared.dt == 0.001);
    }

    // Courant number 2: the model's overflow message, shown modal by the window.
    void depassement()
    {
        Fenetre f;
        f.w->célérité->setValue(20);
        f.w->PasT->setText(QStringLiteral("0.01"));
        f.w->Command1->click();
        QString texte;
        Probe::acceptMessageBox(this, texte);
        f.w->Ondule();
        QCOMPARE(texte, QString::fromUtf8(DrivenStringModel::messageDepassement));
    }
};

QTEST_MAIN(TestVibreur)
#include "tst_vibreur.moc"
