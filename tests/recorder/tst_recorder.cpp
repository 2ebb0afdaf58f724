// The point recorder: its measurements, on the reflection's model too, and its CSV file; its
// window's plot, readouts and export, and where it opens beside a simulation.
#include "controls/form.h"
#include "drawing/drawingsurface.h"
#include "recorder/enregistreur.h"
#include "recorder/placement.h"
#include "recorder/pointtracker.h"
#include "reflection/reflectionmodel.h"
#include "support/fakepanel.h"
#include "support/imageprobe.h"

#include <QApplication>
#include <QChartView>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QScreen>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>

namespace {

using Unites = Enregistreur::Unites;
const Unites enMetres {{"m", 1}, {"m/s", 1}};

// A string at rest along the user x, in metres.
struct CordeAuRepos : TrackedString
{
    const char *simulation() const override { return "essai"; }
    Unites unites() const override { return enMetres; }
    double snap(double x) const override { return x; }
    double metres(double x) const override { return x; }
    double upwardMm(double) const override { return 0; }
    double tempsPropre() const override { return 0; }
    double tempsAffiche() const override { return 0; }
    double vitesseReglee() const override { return 1; }
};

// Units shown; A and B `distance` m apart, B `retard` s behind; the speed set, m/s.
using Mesure = std::tuple<Unites, double, double, double>;

// The window as its user sees it: the plot's axes and the curves of A and B, and the readouts of
// A, of B and of the delay, one a line.
struct Vue
{
    explicit Vue(QWidget &proprietaire, const Unites &unites = enMetres)
        : e(*new Enregistreur(&proprietaire, QStringLiteral("essai"), unites))
    {
        QChart *graphe = e.findChild<QChartView *>()->chart();
        axeT = qobject_cast<QValueAxis *>(graphe->axes(Qt::Horizontal).constFirst());
        axeY = qobject_cast<QValueAxis *>(graphe->axes(Qt::Vertical).constFirst());
        for (QAbstractSeries *courbe : graphe->series())
            courbes << qobject_cast<QLineSeries *>(courbe);
        lignes = e.findChildren<QLabel *>(QString(), Qt::FindDirectChildrenOnly);
        e.show();
    }

    Enregistreur &e;
    QValueAxis *axeT, *axeY;
    QList<QLineSeries *> courbes;
    QList<QLabel *> lignes;
};

} // namespace

class TestRecorder : public QObject
{
    Q_OBJECT

    static constexpr double f = 1.3; // Hz
    static constexpr double dt = 0.005; // s, the driven string's time step

    // A 10 mm sine at A, `decalage` s later and `gainB` times as large at B, for `duree` s; the
    // window shows it at its next redraw.
    static double enregistre(Enregistreur &e, double duree, double decalage, double gainB = 1)
    {
        const double w = 2 * M_PI * f;
        double t = 0;
        for (int i = 0; i * dt <= duree; ++i) {
            t = i * dt;
            e.recording().add(t, 10 * std::sin(w * t), gainB * 10 * std::sin(w * (t - decalage)));
        }
        e.actualise();
        return t;
    }

    // Whether every point of both series lies in the axes' ranges, and only from `tMin` on.
    static bool dansLeCadre(const Vue &v, double tMin)
    {
        for (QLineSeries *courbe : v.courbes) {
            for (const QPointF &p : courbe->points()) {
                if (p.x() < tMin || p.x() < v.axeT->min() || p.x() > v.axeT->max()
                    || !(p.y() > v.axeY->min() && p.y() < v.axeY->max()))
                    return false;
            }
        }
        return true;
    }

    // Whether a readout shows `attendu` within 1 %, after `avant` and before `unite`.
    static bool lit(const QLabel *ligne, const char *avant, const QString &unite, double attendu)
    {
        return std::abs(Probe::readout(ligne->text(), avant, unite) / attendu - 1) < 0.01;
    }

private slots:
    // k = 2 on 100 mm: nodes at 0, 50, 100 mm; antinodes at 25, 75, twice the waves' 10 mm.
    void noeudEtVentre()
    {
        SharedVariables shared;
        ReflectionState state;
        const FakePanel panneau {{{"Mode", 2}, {"celerite", 25}}}; // mm/s: T = 4 s
        ReflectionModel model(shared, state, panneau);
        model.calculeConstantes();
        Recording record;
        Recording lobe; // two points between the same nodes
        for (double t = 0; t < 10; t += 0.05) {
            record.add(t, model.hauteur(50, t), model.hauteur(25, t));
            lobe.add(t, model.hauteur(20, t), model.hauteur(40, t));
        }
        QVERIFY(*record.amplitude(Recording::A) < 0.01);
        QVERIFY(std::abs(*record.amplitude(Recording::B) - 2 * 10) < 0.1);
        QVERIFY(std::abs(*record.period(Recording::B) - 4) < 0.05);
        // They move together: no wave goes from one to the other, at the speed set or any.
        QVERIFY(lobe.delay(0.011 / 0.025) == 0.0 && lobe.delay(NAN) == 0.0);
    }

    // A reset starts a new trace: no measurement joins the two.
    void tracesEtCsv()
    {
        Recording record;
        for (int i = 0; i < 100; ++i)
            record.add(i * 0.01, std::sin(i * 0.3), std::nan(""));
        record.add(0.5, 1, 2); // back in time
        QCOMPARE(record.lastTrace(), 100u);
        QVERIFY(!record.period(Recording::A));
        record.cut(); // a reset
        record.add(0.52, 1, 2);
        QCOMPARE(record.lastTrace(), 101u);

        // French decimals, and an empty field for a point not followed.
        QVERIFY(record.toCsv().rfind(
                    "t (s);yA (mm, vers le haut);yB (mm, vers le haut)\n0;0;\n0,01;0,29552020", 0)
                == 0);
    }

    void traceEtMesures_data()
    {
        QTest::addColumn<Mesure>("mesure");
        // A set speed 10 % off the wave's: it only says which crest of A is B's.
        QTest::newRow("corde, dans une période") << Mesure {enMetres, 0.5, 0.5, 1.1};
        QTest::newRow("corde, plus d'une période") << Mesure {enMetres, 1.2, 1.2, 0.9};
        QTest::newRow("réflexion, en mm et cm/s")
            << Mesure {{{"mm", 1000}, {"cm/s", 100}}, 0.011, 0.44, 0.025};
    }

    void traceEtMesures()
    {
        QFETCH(Mesure, mesure);
        const auto &[unites, distance, retard, reglee] = mesure;
        QWidget proprietaire;
        Vue v(proprietaire, unites);
        Enregistreur &e = v.e;
        e.setPoint(Recording::A, true, Qt::red, 0.25);
        e.setPoint(Recording::B, true, Qt::blue, 0.25 + distance);
        e.setVitesseReglee(reglee);
        const double tFin = enregistre(e, 12.0, retard);
        QTRY_COMPARE(v.axeT->max(), tFin); // deferred: the simulations call it on every tick
        QCOMPARE(v.axeT->min(), tFin - 10);
        QVERIFY(v.courbes[Recording::A]->count() > 1000 && v.courbes[Recording::B]->isVisible());
        QVERIFY(dansLeCadre(v, tFin - 10));
        QVERIFY(lit(v.lignes[Recording::A], "période ", "s", 1 / f));
        QVERIFY(lit(v.lignes[Recording::B], "amplitude ", "mm", 10));
        const QLabel *ligne = v.lignes[2];
        const auto &[enDistance, enVitesse] = unites;
        QVERIFY2(lit(ligne, "retard ", "s", retard), qPrintable(ligne->text()));
        QVERIFY(lit(ligne, "distance ", enDistance.nom, distance * enDistance.parSI));
        QVERIFY(lit(ligne, "mesurée ", enVitesse.nom, distance / retard * enVitesse.parSI));

        // A reset: only the new trace is plotted, and one second holds no full period yet.
        e.recording().cut();
        const double tCoupe = enregistre(e, 1.0, retard);
        QTRY_COMPARE(v.axeT->min(), 0.0);
        QCOMPARE(v.courbes[Recording::A]->count(), qRound(tCoupe / dt) + 1);
        QVERIFY(dansLeCadre(v, 0.0));
        QVERIFY(v.lignes[Recording::A]->text().contains("période —,"));

        QTest::keyClick(e.findChild<QPushButton *>("Effacer"), Qt::Key_Return);
        QVERIFY(e.recording().samples().empty() && v.courbes[Recording::A]->count() == 0);
        QVERIFY(!v.courbes[Recording::B]->isVisible());
        QVERIFY(v.axeY->max() > v.axeY->min() && std::isfinite(v.axeY->max()));

        // A and B moving together, as in a standing wave: no wave goes from one to the other.
        enregistre(e, 2.0, 0.0, 0.9);
        QTRY_VERIFY(v.courbes[Recording::A]->count() > 0); // redrawn
        QVERIFY(ligne->text().contains("retard —") && ligne->text().contains("mesurée —"));

        // A simulation gone unstable: the plot keeps up with the largest doubles, in finite ranges.
        for (int i = 0; i < 50; ++i) {
            const double y = (i % 2 ? 1 : -1) * std::numeric_limits<double>::max();
            e.recording().add(2.5 + i * dt, y, y);
        }
        e.actualise();
        QTRY_VERIFY(v.axeY->min() < -1e100 && v.axeY->max() > 1e100);
        QVERIFY(std::isfinite(v.axeY->min()) && std::isfinite(v.axeY->max()));
    }

    // An export writes every sample, whole; one refused says where, and the record stays.
    void exporte()
    {
        QTemporaryDir temporaire;
        QWidget proprietaire;
        Enregistreur &e = Vue(proprietaire).e;
        enregistre(e, 10.0, 0.5);
        const std::size_t avant = e.recording().samples().size();
        QString message;
        Probe::acceptMessageBox(&e, message);
        QVERIFY(!e.exporte(temporaire.path() + QStringLiteral("/absent/x.csv")));
        QVERIFY(message.contains(temporaire.path() + QStringLiteral("/absent")));
        QFile fichier(temporaire.path() + QStringLiteral("/x.csv"));
        QVERIFY(e.exporte(fichier.fileName()) && fichier.open(QIODevice::ReadOnly));
        const QByteArray contenu = fichier.readAll();
        QVERIFY(contenu.startsWith("t (s);yA (mm, vers le haut);"));
        QCOMPARE(contenu.count('\n'), qsizetype(avant) + 1);
        QCOMPARE(e.recording().samples().size(), avant);
    }

    void placeACote_data()
    {
        // The screen, the window, the picture's corner in the window (545 × 425).
        QTest::addColumn<std::tuple<QRect, QRect, QPoint>>("cas");
        const QRect qhd(0, 0, 2560, 1440);
        const QPoint droite(250, 10);
        QTest::newRow("place à droite") << std::tuple {qhd, QRect(880, 436, 804, 572), droite};
        QTest::newRow("place à gauche seulement")
            << std::tuple {qhd, QRect(1700, 100, 804, 572), droite};
        QTest::newRow("pas de place")
            << std::tuple {QRect(0, 0, 1280, 1024), QRect(238, 226, 804, 572), droite};
        // Less of the window covered on the left, less of the picture on the right.
        QTest::newRow("pas de place, image à gauche")
            << std::tuple {QRect(0, 0, 1400, 1024), QRect(300, 226, 804, 572), QPoint(10, 10)};
        QTest::newRow("décalé, plus petit")
            << std::tuple {QRect(100, 30, 640, 600), QRect(100, 30, 804, 572), droite};
    }

    // Beside the window, or over as little of its picture as can be, then of the window itself,
    // as a search through every place on the screen finds; never off the screen.
    void placeACote()
    {
        using Cas = std::tuple<QRect, QRect, QPoint>;
        QFETCH(Cas, cas);
        const auto &[ecran, fenetre, image] = cas;
        const QSize taille(644, 484);
        const QRect dessin(fenetre.topLeft() + image, QSize(545, 425));
        const QRect place(placeBeside(taille, fenetre, dessin, ecran), taille);
        const auto cout = [&](const QRect &r) { // the areas of the picture and the window covered
            const QRect a = r & dessin;
            const QRect b = r & fenetre;
            return std::pair(qint64(a.width()) * a.height(), qint64(b.width()) * b.height());
        };
        auto meilleur = cout(place);
        for (int y = ecran.top(); y + taille.height() <= ecran.bottom() + 1; ++y) {
            for (int x = ecran.left(); x + taille.width() <= ecran.right() + 1; ++x)
                meilleur = std::min(meilleur, cout(QRect(QPoint(x, y), taille)));
        }
        QCOMPARE(cout(place), meilleur);
        // On the screen, or from its left edge when wider.
        QVERIFY(ecran.contains(place.topLeft()) && place.bottom() <= ecran.bottom()
                && (place.right() <= ecran.right() || place.left() == ecran.left()));
    }

    // The recorder opens beside the window, narrower if it must; closed, it ends the following.
    void suivi()
    {
        const CordeAuRepos corde;
        // 1900 pixels from x = 100: 560 left on the right, 100 on the left.
        auto *fenetre = new Form(nullptr, QStringLiteral("Corde"), 28500, 8520, Qt::gray);
        auto *image = new DrawingSurface(fenetre, 3720, 120, 8175, 6375, Qt::white,
                                         DrawingSurface::Border::Flat);
        image->setScale(UserScale(0, 0, 15, 15)); // user x in pixels
        new PointTracker(image, corde);
        fenetre->show();
        QVERIFY(QTest::qWaitForWindowExposed(fenetre));
        fenetre->move(100, 0);
        QTimer::singleShot(0, this, [] {
            auto *menu = qobject_cast<QMenu *>(QApplication::activePopupWidget());
            menu->setActiveAction(menu->actions().at(3)); // after the picture's and a separator
            QTest::keyClick(menu, Qt::Key_Return);
        });
        emit image->customContextMenuRequested({100, 100});
        QPointer<Enregistreur> e = fenetre->findChild<Enregistreur *>();
        QVERIFY(QTest::qWaitForWindowExposed(e));
        const QRect cadre = fenetre->frameGeometry();
        QVERIFY(fenetre->screen()->availableGeometry().contains(e->frameGeometry()));
        QCOMPARE(e->frameGeometry().left(), cadre.right() + 1);
        QCOMPARE(image->findChildren<QWidget *>().size(), 1); // the marker
        e->close();
        QTRY_VERIFY(e.isNull());
        QVERIFY(image->findChildren<QWidget *>().isEmpty());
        delete fenetre;
    }
};

QTEST_MAIN(TestRecorder)
#include "tst_recorder.moc"
