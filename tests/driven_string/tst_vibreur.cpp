#include "colors.h"
#include "twips.h"
#include "vibreur.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QPointer>
#include <QtTest>

#include <cmath>

namespace {

const QColor rouge = RGB(255, 0, 0);
const QColor orange = RGB(255, 200, 100);

// A window on fresh module variables; deleted at the end unless it closed.
struct Fenetre
{
    SharedVariables shared;
    DrivenStringState state;
    QPointer<Vibreur> w = new Vibreur(nullptr, shared, state);

    ~Fenetre() { delete w.data(); }
};

int compte(const QImage &image, const QColor &couleur)
{
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == couleur;
    }
    return n;
}

// Pixels of a colour in the user box [x1, x2] × [y1, y2] of a surface.
int compteDans(const DrawingSurface &surface, float x1, float x2, float y1, float y2, const QColor &couleur)
{
    const QImage &image = surface.image();
    const QPointF a = surface.scale().toPixels(x1, y1);
    const QPointF b = surface.scale().toPixels(x2, y2);
    int n = 0;
    for (int y = int(a.y()); y <= int(b.y()); ++y) {
        for (int x = int(a.x()); x <= int(b.x()); ++x)
            n += image.pixelColor(x, y) == couleur;
    }
    return n;
}

// Red pixels of the picture that are not on the current string (drawn alone,
// with the same segments, on a blank surface): what an erase left behind.
int rougesFantomes(const Vibreur &w, const DrivenStringState &s, int dernierPoint)
{
    DrawingSurface reference(nullptr, 3720, 120, 8175, 6375, Qt::white, DrawingSurface::Border::Flat);
    reference.setScale(w.Picture1->scale());
    reference.setDrawWidth(2);
    for (int i = 1; i <= dernierPoint; ++i)
        reference.Line(float(i - 1), float(s.yNouveau[i - 1]), float(i), float(s.yNouveau[i]), rouge);
    const QImage &image = w.Picture1->image();
    const QImage &attendu = reference.image();
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x)
            n += image.pixelColor(x, y) == rouge && attendu.pixelColor(x, y) != rouge;
    }
    return n;
}

// The mean user y of the red pixels in the pixel column at user x.
double rougeDansLaColonne(const DrawingSurface &surface, float x)
{
    const QImage &image = surface.image();
    const int colonne = int(std::floor(surface.scale().xToPixels(x)));
    double somme = 0.0;
    int n = 0;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(colonne, y) == rouge) {
            somme += surface.scale().toUser(QPointF(colonne, y + 0.5)).y();
            ++n;
        }
    }
    return n ? somme / n : std::nan("");
}

ScrollBar *barre(Vibreur &w, const QString &nom)
{
    if (nom == "Amp")
        return w.Amp;
    if (nom == "Frequence")
        return w.Frequence;
    if (nom == "HScroll1")
        return w.HScroll1;
    return w.célérité;
}

Label *etiquette(Vibreur &w, const QString &nom)
{
    if (nom == "Label18")
        return w.Label18;
    if (nom == "Label5")
        return w.Label5;
    if (nom == "Label24")
        return w.Label24;
    if (nom == "Label2")
        return w.Label2;
    return w.Label4;
}

} // namespace

class TestVibreur : public QObject
{
    Q_OBJECT

private slots:
    void valeursDeConception();
    void legendes_data();
    void legendes();
    void pasXNeMarquePasLesParametres();
    void optionsDuBordDroit();
    void machineAnimation();
    void machineExcitation();
    void excitationApresDepassement();
    void reinitialiserEnPause();
    void cordeAuReposApresChargement();
    void deplacementsDessines();
    void effacementSansFantome();
    void traces();
    void label14Bascule();
    void sansExtremiteNiTracesADroite();
    void pasRefuses();
    void depassementModalSansTic();
    void quitterPuisRouvrir();
    void fermetureParLeCadre();
};

void TestVibreur::valeursDeConception()
{
    Fenetre f;
    Vibreur &w = *f.w;
    QCOMPARE(w.windowTitle(), QStringLiteral("Vellane à une dimension"));
    QCOMPARE(w.size(), Twips::size(12000, 8520));
    QCOMPARE(w.palette().color(QPalette::Window), RGB(64, 64, 64));
    QCOMPARE(w.Picture1->geometry(), Twips::rect(3720, 120, 8175, 6375));
    QVERIFY(w.Timer1->Enabled());
    QCOMPARE(w.Timer1->Interval(), 50);

    QCOMPARE(w.Frequence->Value(), 13);
    QCOMPARE(w.Amp->minimum(), 1);
    QCOMPARE(w.Amp->Value(), 10);
    QCOMPARE(w.HScroll1->maximum(), 50);
    QCOMPARE(w.célérité->Value(), 10);
    QCOMPARE(w.PasX->Text(), QStringLiteral("0.01"));
    QCOMPARE(w.PasT->Text(), QStringLiteral("0.0025"));
    QVERIFY(w.Option1->Value());
    QCOMPARE(w.traces->Value(), 0);

    // The designer captions stay until the first change.
    QCOMPARE(w.Label5->Caption(), QStringLiteral("f = 1.3 Hz"));
    QCOMPARE(w.Label18->Caption(), QStringLiteral("A = 10 mm"));
    QCOMPARE(w.Label24->Caption(), QStringLiteral("0.5 /s"));
    QCOMPARE(w.Label4->Caption(), QStringLiteral("1 m/s"));
    QCOMPARE(w.Label2->Caption(), QStringLiteral("f1 = 0.5 Hz"));
    QCOMPARE(w.Label21->Caption(), QStringLiteral("Pause"));

    QVERIFY(!w.Shape4->isHidden());
    QVERIFY(!w.Command1->isHidden() && w.Command3->isHidden());
    QVERIFY(!w.pause->isHidden() && w.Reprise->isHidden());
    QCOMPARE(w.Command1->geometry(), w.Command3->geometry());
    QCOMPARE(w.pause->geometry(), w.Reprise->geometry());
    QCOMPARE(w.Command5->accessibleName(), QStringLiteral("Impulsion solitaire"));
    QVERIFY(!f.state.parametresModifies);
}

void TestVibreur::legendes_data()
{
    QTest::addColumn<QString>("barre");
    QTest::addColumn<int>("valeur");
    QTest::addColumn<QString>("etiquette");
    QTest::addColumn<QString>("legende");
    QTest::newRow("amplitude 10") << "Amp" << 10 << "Label18" << "A = 10mm";
    QTest::newRow("amplitude 1") << "Amp" << 1 << "Label18" << "A = 1mm";
    QTest::newRow("frequency 1.3") << "Frequence" << 13 << "Label5" << "f= 1.3Hz";
    QTest::newRow("frequency 0") << "Frequence" << 0 << "Label5" << "f= 0Hz";
    QTest::newRow("frequency 0.5") << "Frequence" << 5 << "Label5" << "f= .5Hz";
    QTest::newRow("damping 0.5") << "HScroll1" << 5 << "Label24" << " .5/s";
    QTest::newRow("damping 0") << "HScroll1" << 0 << "Label24" << " 0/s";
    QTest::newRow("damping 5") << "HScroll1" << 50 << "Label24" << " 5/s";
    QTest::newRow("fundamental 0.15") << "célérité" << 3 << "Label2" << "f1= .15Hz";
    QTest::newRow("speed 0.3") << "célérité" << 3 << "Label4" << "c= .3m/s";
    QTest::newRow("fundamental 1") << "célérité" << 20 << "Label2" << "f1= 1Hz";
    QTest::newRow("speed 0") << "célérité" << 0 << "Label4" << "c= 0m/s";
}

void TestVibreur::legendes()
{
    QFETCH(QString, barre);
    QFETCH(int, valeur);
    QFETCH(QString, etiquette);
    QFETCH(QString, legende);
    Fenetre f;
    ScrollBar *b = ::barre(*f.w, barre);
    // Move away first so that setting the value raises a change.
    b->setValue16(valeur == b->maximum() ? b->minimum() : b->maximum());
    f.state.parametresModifies = false;
    b->setValue16(valeur);
    QCOMPARE(::etiquette(*f.w, etiquette)->Caption(), legende);
    QVERIFY(f.state.parametresModifies);
    // The model itself changes only at its next derivation of the constants.
    QCOMPARE(f.shared.frequence, 1.3);
    QCOMPARE(f.state.amortissement, 0.5);
}

void TestVibreur::pasXNeMarquePasLesParametres()
{
    Fenetre f;
    f.w->PasX->setText(QStringLiteral("0.02"));
    QVERIFY(!f.state.parametresModifies);
    QCOMPARE(f.state.dx, 0.01);
    f.w->PasT->setText(QStringLiteral("0.002"));
    QVERIFY(f.state.parametresModifies);
    QCOMPARE(f.shared.dt, 0.0025);
}

void TestVibreur::optionsDuBordDroit()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.HScroll1->setValue16(20);
    w.Option2->setValue(true);
    QVERIFY(w.Shape4->isHidden());
    QCOMPARE(f.state.amortissement, 2.0); // applied at once
    QVERIFY(!f.state.parametresModifies);
    w.Option3->setValue(true);
    QVERIFY(w.Shape4->isHidden());
    w.Option1->setValue(true);
    QVERIFY(!w.Shape4->isHidden());
}

void TestVibreur::machineAnimation()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.pause->click();
    QVERIFY(!w.Timer1->Enabled());
    QVERIFY(w.pause->isHidden() && !w.Reprise->isHidden());
    QCOMPARE(w.Label21->Caption(), QStringLiteral("Reprise"));
    QCOMPARE(w.Reprise->accessibleName(), QStringLiteral("Reprise"));

    w.Reprise->click();
    QVERIFY(w.Timer1->Enabled());
    QVERIFY(!w.pause->isHidden() && w.Reprise->isHidden());
    QCOMPARE(w.Label21->Caption(), QStringLiteral("Pause"));

    // "Pas à pas" pauses, then advances by one call of Ondule (ten steps).
    w.Command6->click();
    QVERIFY(!w.Timer1->Enabled());
    QCOMPARE(w.Label21->Caption(), QStringLiteral("Reprise"));
    QVERIFY(std::fabs(f.shared.temps - 0.025) < 1e-12);
    w.Command6->click();
    QVERIFY(!w.Timer1->Enabled() && !w.Reprise->isHidden());
    QVERIFY(std::fabs(f.shared.temps - 0.05) < 1e-12);
    w.Reprise->click();
    QVERIFY(w.Timer1->Enabled());
}

void TestVibreur::machineExcitation()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.Command6->click();
    w.Command1->click();
    QVERIFY(f.state.vibreurActif && !f.state.arretDemande);
    QCOMPARE(f.shared.temps, 0.0);
    QVERIFY(w.Command1->isHidden() && !w.Command3->isHidden());
    QVERIFY(!w.Command5->isEnabled());
    QVERIFY(!w.Timer1->Enabled()); // the excitation buttons leave the animation alone

    w.Command6->click();
    w.Command3->click();
    // Stopping: the end goes on until its next upward zero crossing.
    QVERIFY(f.state.vibreurActif && f.state.arretDemande);
    QVERIFY(!w.Command1->isHidden() && w.Command1->isEnabled() && w.Command3->isHidden());
    QVERIFY(w.Command5->isEnabled());
    for (int i = 0; i < 40 && f.state.vibreurActif; ++i)
        w.Command6->click();
    QVERIFY(!f.state.vibreurActif && !f.state.arretDemande);

    w.Command1->click();
    w.Command5->setEnabled(true);
    w.Command5->click();
    QVERIFY(f.state.impulsionActive);
    w.Command4->click();
    QVERIFY(!f.state.vibreurActif);
    QVERIFY(!w.Command1->isHidden() && w.Command3->isHidden() && w.Command5->isEnabled());
}

// After an overflow during the sine the buttons still show the sine running;
// "stop" brings them back to the idle set.
void TestVibreur::excitationApresDepassement()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.pause->click();
    w.célérité->setValue16(20);
    w.PasT->setText(QStringLiteral("0.01"));
    w.Command1->click();
    QTimer::singleShot(0, [] {
        if (auto *box = QApplication::activeModalWidget())
            box->close();
    });
    w.Ondule();
    QVERIFY(!f.state.vibreurActif);
    QVERIFY(w.Command1->isHidden() && !w.Command3->isHidden() && !w.Command5->isEnabled());
    w.Command3->click();
    QVERIFY(!w.Command1->isHidden() && w.Command5->isEnabled());
}

void TestVibreur::reinitialiserEnPause()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.traces->setValue(1);
    w.Command5->click();
    for (int i = 0; i < 6; ++i)
        w.Command6->click();
    QVERIFY(compte(w.Picture1->image(), orange) > 100);

    w.Command4->click();
    QVERIFY(!w.Timer1->Enabled());
    QCOMPARE(w.traces->Value(), 0);
    QCOMPARE(f.shared.temps, 0.0);
    QVERIFY(f.state.impulsionActive); // the pulse starts again from its start
    QCOMPARE(compte(w.Picture1->image(), orange), 0);
    for (float x : {0.5f, 50.0f, 99.5f})
        QCOMPARE(w.Picture1->pixelAt(x, 0), rouge);
    QCOMPARE(w.Picture1->pixelAt(52, -25), Qt::white);
    w.Command6->click();
    QVERIFY(f.state.yNouveau[0] < 0.0);
}

void TestVibreur::cordeAuReposApresChargement()
{
    Fenetre f;
    Vibreur &w = *f.w;
    for (float x : {0.5f, 25.0f, 50.0f, 99.5f})
        QCOMPARE(w.Picture1->pixelAt(x, 0), rouge);
    QVERIFY(std::fabs(rougeDansLaColonne(*w.Picture1, 33.3f)) < 0.5);
    // The band left of the string holds no grid.
    QCOMPARE(w.Picture1->pixelAt(-5, -60), Qt::white);
    QCOMPARE(w.Picture1->pixelAt(20, -60), RGB(180, 180, 255));
    QCOMPARE(w.Picture1->pixelAt(35, -60), RGB(230, 230, 255));
    QCOMPARE(w.Picture1->pixelAt(17, -40), RGB(180, 180, 255));
    QCOMPARE(w.Picture1->pixelAt(17, 50), RGB(230, 230, 255));
    // The vibrator marker spans y = −2.5 to +1.5 (to a pixel).
    QVERIFY(std::fabs(w.Excitateur->Top() + 2.5) < 0.5);
}

void TestVibreur::deplacementsDessines()
{
    Fenetre f;
    Vibreur &w = *f.w;
    // A quarter period of the sine: the end is near +10 mm, drawn below the axis.
    w.Command1->click();
    for (int i = 0; i < 8; ++i)
        w.Command6->click();
    const double y0 = f.state.yNouveau[0];
    QVERIFY(y0 > 9.5);
    QVERIFY(std::fabs(rougeDansLaColonne(*w.Picture1, 0.2f) - y0) < 1.0);
    QVERIFY(std::fabs(w.Excitateur->Top() - (y0 - 2.5)) < 0.5);

    // The pulse (negative displacement) rises above the axis.
    w.Command4->click();
    w.Command5->setEnabled(true);
    w.Command5->click();
    for (int i = 0; i < 8; ++i)
        w.Command6->click();
    QVERIFY(f.state.yNouveau[0] < -39.0);
    QVERIFY(std::fabs(rougeDansLaColonne(*w.Picture1, 0.2f) - f.state.yNouveau[0]) < 1.0);
    QVERIFY(std::fabs(w.Excitateur->Top() - (f.state.yNouveau[0] - 2.5)) < 0.5);
}

void TestVibreur::effacementSansFantome()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.Command5->click();
    for (int i = 0; i < 30; ++i) {
        w.Command6->click();
        QCOMPARE(rougesFantomes(w, f.state, 100), 0);
    }
    QCOMPARE(compte(w.Picture1->image(), orange), 0);
    QVERIFY(compte(w.Picture1->image(), rouge) > 300);
}

void TestVibreur::traces()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.traces->setValue(1);
    w.Command5->click();
    for (int i = 0; i < 12; ++i)
        w.Command6->click();
    QCOMPARE(rougesFantomes(w, f.state, 100), 0);
    // The pulse passed points 10 to 20: its old shapes stay in orange, under
    // the grid, which is drawn first at every redraw (only the last erased
    // shape cuts it).
    QVERIFY(compteDans(*w.Picture1, 11, 19, -38, -2, orange) > 150);
    const int hauteurPixels = int(36 * 15 / 31.725);
    QVERIFY(compteDans(*w.Picture1, 20, 20, -38, -2, RGB(180, 180, 255)) > hauteurPixels * 8 / 10);
    QVERIFY(compteDans(*w.Picture1, 15, 15, -38, -2, RGB(230, 230, 255)) > hauteurPixels * 8 / 10);

    // Unchecking does not remove the traces already drawn.
    const int avant = compte(w.Picture1->image(), orange);
    w.traces->setValue(0);
    w.Command6->click();
    QVERIFY(compte(w.Picture1->image(), orange) > avant / 2);
    QVERIFY(compteDans(*w.Picture1, 11, 19, -38, -2, orange) > 150);
}

void TestVibreur::label14Bascule()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.show();
    QTest::mouseClick(w.Label14, Qt::LeftButton);
    QCOMPARE(w.traces->Value(), 1);
    QTest::mouseClick(w.Label14, Qt::LeftButton);
    QCOMPARE(w.traces->Value(), 0);
}

void TestVibreur::sansExtremiteNiTracesADroite()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.Option3->setValue(true);
    w.traces->setValue(1);
    w.Command5->click();
    // 1.3 s: the pulse has passed point 100 into the extension.
    for (int i = 0; i < 52; ++i)
        w.Command6->click();
    QCOMPARE(rougesFantomes(w, f.state, 200), 0);
    const QImage &image = w.Picture1->image();
    const int debut = int(std::ceil(w.Picture1->scale().xToPixels(101.0f)));
    int orangesADroite = 0;
    int rougesADroite = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = debut; x < image.width(); ++x) {
            orangesADroite += image.pixelColor(x, y) == orange;
            rougesADroite += image.pixelColor(x, y) == rouge;
        }
    }
    QCOMPARE(orangesADroite, 0);
    QVERIFY(rougesADroite > 0); // the string goes on past point 100
    QVERIFY(compte(image, orange) > 100);
}

void TestVibreur::pasRefuses()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.show();
    w.PasX->selectAll();
    QTest::keyClicks(w.PasX, QStringLiteral("abc"));
    QVERIFY(w.PasX->isRefused());
    QCOMPARE(w.PasX->toolTip(), QStringLiteral("Entrez un nombre positif, par exemple 0.01"));
    w.PasT->clear();
    QVERIFY(w.PasT->isRefused());
    QVERIFY(f.state.parametresModifies);

    // The model keeps its last valid steps and goes on unharmed.
    w.Option2->setValue(true);
    QCOMPARE(f.state.dx, 0.01);
    QCOMPARE(f.shared.dt, 0.0025);
    w.Command1->click();
    for (int i = 0; i < 20; ++i)
        w.Command6->click();
    QVERIFY(std::isfinite(f.state.yNouveau[50]) && f.state.yNouveau[1] != 0.0);

    // A decimal comma reads as a point; correcting the text clears the mark.
    w.PasX->setText(QStringLiteral("0,005"));
    QVERIFY(!w.PasX->isRefused());
    QVERIFY(w.PasX->toolTip().isEmpty());
    QTest::keyClicks(w.PasT, QStringLiteral("0.001"));
    QVERIFY(!w.PasT->isRefused());
    w.Option1->setValue(true);
    QCOMPARE(f.state.dx, 0.005);
    QCOMPARE(f.shared.dt, 0.001);
}

// The overflow message opens inside a tick; while it is open no tick runs,
// and the animation goes on once it is closed, with the string at rest.
void TestVibreur::depassementModalSansTic()
{
    Fenetre f;
    Vibreur &w = *f.w;
    w.show();
    w.célérité->setValue16(20);
    w.PasT->setText(QStringLiteral("0.01"));
    w.Command1->click();

    int tics = 0;
    connect(w.Timer1, &FormTimer::Timer, this, [&tics] { ++tics; });
    int ticsALOuverture = -1;
    int ticsALaFermeture = -1;
    QString texte;
    QElapsedTimer ouvert;
    QTimer sonde;
    sonde.setInterval(10);
    connect(&sonde, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box)
            return;
        if (ticsALOuverture < 0) {
            ticsALOuverture = tics;
            texte = box->text();
            QVERIFY(f.state.vibreurActif); // not reset before the user closes it
            ouvert.start();
        } else if (ouvert.elapsed() > 300) {
            ticsALaFermeture = tics;
            box->accept();
            sonde.stop();
        }
    });
    sonde.start();
    QTRY_VERIFY_WITH_TIMEOUT(ticsALaFermeture >= 0, 10000);
    QCOMPARE(ticsALaFermeture, ticsALOuverture);
    QCOMPARE(texte, QStringLiteral("Dépassement de capacité ! Veuillez modifier les paramètres de la simulation."));

    QTRY_VERIFY(tics > ticsALaFermeture + 2);
    QVERIFY(w.Timer1->Enabled());
    QVERIFY(!f.state.vibreurActif);
    for (int i = 0; i <= 100; ++i)
        QCOMPARE(f.state.yNouveau[i], 0.0);
    QVERIFY(!w.Command3->isHidden());
}

void TestVibreur::quitterPuisRouvrir()
{
    SharedVariables shared;
    DrivenStringState state;
    QPointer<Vibreur> w = new Vibreur(nullptr, shared, state);
    w->show();
    w->Frequence->setValue16(20);
    w->Command1->click();
    w->Command6->click();
    w->Command2->click();
    QVERIFY(!w->Timer1->Enabled());
    QTRY_VERIFY(w.isNull());
    QVERIFY(state.vibreurActif);

    // Reopened: designer controls, idle buttons, yet the sine drives the end
    // again from temps 0 at the first tick.
    QPointer<Vibreur> rouvert = new Vibreur(nullptr, shared, state);
    QCOMPARE(rouvert->Frequence->Value(), 13);
    QCOMPARE(rouvert->Label5->Caption(), QStringLiteral("f = 1.3 Hz"));
    QVERIFY(!rouvert->Command1->isHidden() && rouvert->Command3->isHidden());
    QCOMPARE(shared.temps, 0.0);
    QCOMPARE(state.yNouveau[0], 0.0);
    rouvert->Timer1_Timer();
    QVERIFY(std::fabs(state.yNouveau[0] - 10 * std::sin(1.3 * 6.2832 * shared.temps)) < 1e-9);
    delete rouvert.data();
}

void TestVibreur::fermetureParLeCadre()
{
    Fenetre f;
    f.w->show();
    bool minuterieArretee = false;
    connect(f.w, &Form::unloading, this, [&] { minuterieArretee = !f.w->Timer1->Enabled(); });
    f.w->close();
    QVERIFY(minuterieArretee);
    QTRY_VERIFY(f.w.isNull());
}

QTEST_MAIN(TestVibreur)
#include "tst_vibreur.moc"
