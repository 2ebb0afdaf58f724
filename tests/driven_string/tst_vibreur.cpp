#include "colors.h"
#include "imageprobe.h"
#include "vibreur.h"

#include <QApplication>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

#include <cmath>

namespace {

const QColor rouge = RGB(255, 0, 0);
const QColor orange = RGB(255, 200, 100);
const QColor grillePrincipale = RGB(180, 180, 255);

// A window on fresh module variables; deleted at the end unless it closed.
struct Fenetre
{
    SharedVariables shared;
    DrivenStringState state;
    QPointer<Vibreur> w = new Vibreur(nullptr, shared, state);

    ~Fenetre() { delete w.data(); }
};

// Red pixels of the picture that the current string, drawn alone on a blank
// surface, does not have: what an erase left behind.
int fantomes(const Fenetre &f, int dernierPoint)
{
    DrawingSurface seule(nullptr, 3720, 120, 8175, 6375, Qt::white, DrawingSurface::Border::Flat);
    seule.setScale(f.w->Picture1->scale());
    seule.setDrawWidth(2);
    const auto &y = f.state.yNouveau;
    for (int i = 1; i <= dernierPoint; ++i)
        seule.Line(float(i - 1), float(y[i - 1]), float(i), float(y[i]), rouge);
    return Probe::extra(f.w->Picture1->image(), seule.image(), rouge);
}

// Both state machines as the user sees them: what is running, shown or
// enabled, by name, then the caption under the animation button and temps.
QString etat(const Fenetre &f)
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

using Barre = ScrollBar *Vibreur::*;
using Etiquette = Label *Vibreur::*;

} // namespace

Q_DECLARE_METATYPE(Barre)
Q_DECLARE_METATYPE(Etiquette)

class TestVibreur : public QObject
{
    Q_OBJECT

private slots:
    void legendes_data();
    void legendes();
    void machines_data();
    void machines();
    void effacementEtTraces_data();
    void effacementEtTraces();
    void pasRefuses();
    void depassementModalSansTic();
    void legendesLisibles();
};

void TestVibreur::legendes_data()
{
    QTest::addColumn<Barre>("barre");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<Etiquette>("etiquette");
    QTest::addColumn<QString>("legende");
    QTest::newRow("amplitude 1") << &Vibreur::Amp << 1 << &Vibreur::Label18 << "A = 1mm";
    QTest::newRow("frequency 0.5") << &Vibreur::Frequence << 5 << &Vibreur::Label5 << "f= .5Hz";
    QTest::newRow("frequency 0") << &Vibreur::Frequence << 0 << &Vibreur::Label5 << "f= 0Hz";
    QTest::newRow("damping 0.5") << &Vibreur::HScroll1 << 5 << &Vibreur::Label24 << " .5/s";
    QTest::newRow("fundamental 0.15") << &Vibreur::célérité << 3 << &Vibreur::Label2 << "f1= .15Hz";
    QTest::newRow("fundamental 1") << &Vibreur::célérité << 20 << &Vibreur::Label2 << "f1= 1Hz";
    QTest::newRow("speed 0.3") << &Vibreur::célérité << 3 << &Vibreur::Label4 << "c= .3m/s";
    QTest::newRow("speed 0") << &Vibreur::célérité << 0 << &Vibreur::Label4 << "c= 0m/s";
}

void TestVibreur::legendes()
{
    QFETCH(Barre, barre);
    QFETCH(int, valeur);
    QFETCH(Etiquette, etiquette);
    QFETCH(QString, legende);
    Fenetre f;
    const Vibreur &w = *f.w;
    // The designer captions stay until the first change.
    QCOMPARE((QStringList {w.Label5->Caption(), w.Label18->Caption(), w.Label24->Caption(),
                           w.Label4->Caption(), w.Label2->Caption()}),
             (QStringList {"f = 1.3 Hz", "A = 10 mm", "0.5 /s", "1 m/s", "f1 = 0.5 Hz"}));
    ScrollBar *b = w.*barre;
    // Move away first so that setting the value raises a change.
    b->setValue(valeur == b->maximum() ? b->minimum() : b->maximum());
    f.state.parametresModifies = false;
    b->setValue(valeur);
    QCOMPARE((w.*etiquette)->Caption(), legende);
    QVERIFY(f.state.parametresModifies);
    // The model changes only at its next derivation of the constants.
    QVERIFY(f.shared.frequence == 1.3 && f.state.amortissement == 0.5);
}

// Each row is named by its clicks, on visible and enabled buttons.
void TestVibreur::machines_data()
{
    QTest::addColumn<QString>("attendu");
    QTest::newRow("pause") << "Reprise Command1 Command5 Reprise 0";
    QTest::newRow("pause Reprise") << "Timer1 pause Command1 Command5 Pause 0";
    QTest::newRow("Command6") << "Reprise Command1 Command5 Reprise 0.025";
    QTest::newRow("Command6 Command1") << "Reprise Command3 vibreur Reprise 0";
    QTest::newRow("Command1 Command3") << "Timer1 pause Command1 Command5 vibreur arrêt Pause 0";
    QTest::newRow("Command1 Command3 Command1") << "Timer1 pause Command3 vibreur Pause 0";
    QTest::newRow("Command1 Command4") << "Timer1 pause Command1 Command5 Pause 0";
    QTest::newRow("Command5 Command6 Command4") << "Reprise Command1 Command5 impulsion Reprise 0";
    // "Quitter", then the module opened again: the module variables outlive
    // the window, and a sine running at "Quitter" is still on.
    QTest::newRow("Command6 Command1 Command2") << "Timer1 pause Command1 Command5 vibreur Pause 0";
}

void TestVibreur::machines()
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

void TestVibreur::effacementEtTraces_data()
{
    QTest::addColumn<bool>("avecTraces");
    QTest::addColumn<bool>("sansExtremite");
    QTest::addColumn<int>("pas"); // clicks on "Pas à pas"
    QTest::newRow("erase") << false << false << 30;
    QTest::newRow("traces") << true << false << 12;
    QTest::newRow("no end, traces") << true << true << 52; // the pulse is past point 100
}

// A pulse runs along the string. Every frame paints the old string over in
// white (orange with traces) and leaves no red but the new one.
void TestVibreur::effacementEtTraces()
{
    QFETCH(bool, avecTraces);
    QFETCH(bool, sansExtremite);
    QFETCH(int, pas);
    Fenetre f;
    Vibreur &w = *f.w;
    const DrawingSurface &p = *w.Picture1;
    w.Option3->setValue(sansExtremite);
    // The label toggles the switch: once on, twice off.
    for (int clic = 0; clic < (avecTraces ? 1 : 2); ++clic)
        QTest::mouseClick(w.Label14, Qt::LeftButton);
    QCOMPARE(w.traces->Value(), avecTraces ? 1 : 0);
    w.Command5->click();
    const int dernier = sansExtremite ? 200 : 100;
    for (int i = 0; i < pas; ++i) {
        w.Command6->click();
        QCOMPARE(fantomes(f, dernier), 0);
    }
    // The marker spans from 2.5 mm above point 0 to 1.5 mm below.
    QVERIFY(std::fabs(w.Excitateur->Top() - (f.state.yNouveau[0] - 2.5)) < 0.5);
    // The pulse passed points 10 to 20 at about 0.3 s, 2 to 38 mm high.
    QCOMPARE(Probe::countIn(p, 11, -38, 19, -2, orange) > 150, avecTraces);
    QCOMPARE(Probe::count(p.image(), orange) > 0, avecTraces);
    // The grid is drawn first at every frame, over the older traces.
    const int hauteur = int(33 * 15 / 31.725); // pixels from −38 to −5 mm
    QVERIFY(Probe::countIn(p, 20, -38, 20, -5, grillePrincipale) > hauteur * 8 / 10);
    QCOMPARE(Probe::countIn(p, 20, -38, 20, -5, orange), 0);
    // Past point 100 only the extension is drawn, and never leaves traces.
    QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, rouge) > 0, sansExtremite);
    QCOMPARE(Probe::countIn(p, 101, -100, 105.4f, 100, orange), 0);

    // "Réinitialiser": the string at rest on the axis, as at load, traces
    // cleared and the switch off.
    w.Command4->click();
    QCOMPARE(Probe::count(p.image(), orange), 0);
    QCOMPARE(w.traces->Value(), 0);
    QCOMPARE(fantomes(f, dernier), 0);
    for (float x : {0.5f, 50.0f, 99.5f})
        QCOMPARE(p.pixelAt(x, 0), rouge);
    QCOMPARE(p.pixelAt(-5, -60), Qt::white); // no grid left of point 0
}

void TestVibreur::pasRefuses()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.PasX->selectAll();
    QTest::keyClicks(w.PasX, QStringLiteral("abc"));
    QVERIFY(w.PasX->isRefused());
    const QString attendu = w.PasX->toolTip();
    QVERIFY2(attendu.contains("positif") && attendu.contains("1e60"), qPrintable(attendu));
    // Too large a number is refused with the same help, which names the range.
    w.PasX->setText(QStringLiteral("1e308"));
    QVERIFY(w.PasX->isRefused() && w.PasX->toolTip() == attendu);
    QVERIFY(!f.state.parametresModifies); // the space step has no change handler
    w.PasT->clear();
    QVERIFY(w.PasT->isRefused() && f.state.parametresModifies);
    // The options derive the constants at once; the model keeps its steps.
    w.Option2->setValue(true);
    QVERIFY(w.Shape4->isHidden() && f.state.dx == 0.01 && f.shared.dt == 0.0025);
    // A decimal comma reads as a point; correcting the text clears the mark.
    w.PasX->setText(QStringLiteral("0,005"));
    QVERIFY(!w.PasX->isRefused() && w.PasX->toolTip().isEmpty());
    QTest::keyClicks(w.PasT, QStringLiteral("0.001"));
    QVERIFY(!w.PasT->isRefused());
    w.Option1->setValue(true);
    QVERIFY(!w.Shape4->isHidden() && f.state.dx == 0.005 && f.shared.dt == 0.001);
}

// Courant number 2: the overflow message opens inside Ondule; no tick runs
// while it is open, and the animation goes on afterwards.
void TestVibreur::depassementModalSansTic()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.show();
    w.célérité->setValue(20);
    w.PasT->setText(QStringLiteral("0.01"));
    w.Command1->click();
    int tics = 0;
    int ticsPendant = -1;
    QString texte;
    QCOMPARE(w.Timer1->Interval(), 50);
    connect(w.Timer1, &FormTimer::Timer, this, [&tics] { ++tics; });
    QTimer::singleShot(0, this, [&] {
        if (auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget())) {
            texte = box->text();
            QTest::qWait(300);
            ticsPendant = tics;
            box->accept();
        }
    });
    w.Ondule();
    QCOMPARE(ticsPendant, 0);
    QCOMPARE(texte,
             QStringLiteral("Dépassement de capacité ! Veuillez modifier les paramètres "
                            "de la simulation."));
    QTRY_VERIFY(tics > 2);
    QVERIFY(!f.state.vibreurActif && !w.Command3->isHidden());
}

void TestVibreur::legendesLisibles()
{
    Fenetre f;
    f.w->show();
    QCOMPARE(Probe::captionFaults(*f.w).join("; "), QString());
}

QTEST_MAIN(TestVibreur)
#include "tst_vibreur.moc"
