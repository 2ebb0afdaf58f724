// The recorder's window: its plot, readouts and export, and where it opens beside a simulation.
#include "controls/form.h"
#include "drawing/drawingsurface.h"
#include "recorder/enregistreur.h"
#include "recorder/placement.h"
#include "recorder/pointtracker.h"
#include "support/imageprobe.h"

#include <QApplication>
#include <QLabel>
#include <QLineSeries>
#include <QMenu>
#include <QPushButton>
#include <QRegularExpression>
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
struct Corde : TrackedString
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

qint64 aire(const QRect &r)
{
    return r.isEmpty() ? 0 : qint64(r.width()) * r.height();
}

// Units shown; A and B `distance` m apart, B `retard` s behind; the speed set, m/s.
using Mesure = std::tuple<Unites, double, double, double>;

} // namespace

class TestEnregistreur : public QObject
{
    Q_OBJECT

    static constexpr double f = 1.3; // Hz
    static constexpr double dt = 0.005; // s, the driven string's time step

    // A 10 mm sine at A, `decalage` s later and `gainB` times as large at B, for `duree` s.
    static double enregistre(Enregistreur &e, double duree, double decalage, double gainB = 1)
    {
        const double w = 2 * M_PI * f;
        double t = 0;
        for (int i = 0; i * dt <= duree; ++i) {
            t = i * dt;
            e.recording().add(t, 10 * std::sin(w * t), gainB * 10 * std::sin(w * (t - decalage)));
        }
        return t;
    }

    // Whether every point of both series lies in the axes' ranges, and only from `tMin` on.
    static bool dansLeCadre(Enregistreur &e, double tMin)
    {
        for (QLineSeries *courbe : e.m_courbes) {
            for (const QPointF &p : courbe->points()) {
                if (p.x() < tMin || p.x() < e.m_axeT->min() || p.x() > e.m_axeT->max()
                    || !(p.y() > e.m_axeY->min() && p.y() < e.m_axeY->max()))
                    return false;
            }
        }
        return true;
    }

    // The number a readout shows after `avant` and before " unite"; NaN if none.
    static double lu(const QLabel *ligne, const QString &avant, const QString &unite)
    {
        const auto trouve
            = QRegularExpression(QRegularExpression::escape(avant) + "([0-9]+(,[0-9]+)?) "
                                 + QRegularExpression::escape(unite) + "\\b")
                  .match(ligne->text());
        return trouve.hasMatch() ? QLocale(QLocale::French).toDouble(trouve.captured(1)) : NAN;
    }

    static bool aUnPourCent(double lu, double attendu) { return std::abs(lu / attendu - 1) < 0.01; }

private slots:
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
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"), unites);
        e.setPoint(Recording::A, true, Qt::red, 0.25);
        e.setPoint(Recording::B, true, Qt::blue, 0.25 + distance);
        e.setVitesseReglee(reglee);
        e.show();
        const double tFin = enregistre(e, 12.0, retard);
        e.actualise(); // deferred: the simulations call it on every tick
        QTRY_COMPARE(e.m_axeT->max(), tFin);
        QCOMPARE(e.m_axeT->min(), tFin - 10);
        QVERIFY(e.m_courbes[Recording::A]->count() > 1000
                && e.m_courbes[Recording::B]->isVisible());
        QVERIFY(dansLeCadre(e, tFin - 10));
        QVERIFY(aUnPourCent(lu(e.m_mesures[Recording::A], "période ", "s"), 1 / f));
        QVERIFY(aUnPourCent(lu(e.m_mesures[Recording::B], "amplitude ", "mm"), 10));
        const QLabel *ligne = e.m_retard;
        const auto &[enDistance, enVitesse] = unites;
        QVERIFY2(aUnPourCent(lu(ligne, "retard ", "s"), retard), qPrintable(ligne->text()));
        QVERIFY(aUnPourCent(lu(ligne, "distance ", enDistance.nom), distance * enDistance.parSI));
        QVERIFY(
            aUnPourCent(lu(ligne, "mesurée ", enVitesse.nom), distance / retard * enVitesse.parSI));

        // A reset: only the new trace is plotted, and one second holds no full period yet.
        e.recording().cut();
        const double tCoupe = enregistre(e, 1.0, retard);
        e.redessine();
        QCOMPARE(e.m_axeT->min(), 0.0);
        QCOMPARE(e.m_courbes[Recording::A]->count(), qRound(tCoupe / dt) + 1);
        QVERIFY(dansLeCadre(e, 0.0));
        QVERIFY(e.m_mesures[Recording::A]->text().contains("période —,"));

        e.m_effacer->click();
        QVERIFY(e.recording().samples().empty() && e.m_courbes[Recording::A]->count() == 0);
        QVERIFY(!e.m_courbes[Recording::B]->isVisible());
        QVERIFY(e.m_axeY->max() > e.m_axeY->min() && std::isfinite(e.m_axeY->max()));

        // A and B moving together, as in a standing wave: no wave goes from one to the other.
        enregistre(e, 2.0, 0.0, 0.9);
        e.redessine();
        QVERIFY(ligne->text().contains("retard —") && ligne->text().contains("mesurée —"));
    }

    // A simulation gone unstable: the plot keeps up with the largest doubles, in finite ranges.
    void instable()
    {
        QWidget proprietaire;
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"), enMetres);
        e.setPoint(Recording::A, true, Qt::red, 0.25);
        for (int i = 0; i < 50; ++i)
            e.recording().add(i * dt, (i % 2 ? 1 : -1) * std::numeric_limits<double>::max(), NAN);
        e.redessine();
        QVERIFY(std::isfinite(e.m_axeY->min()) && std::isfinite(e.m_axeY->max()));
        QVERIFY(e.m_axeY->min() < -1e100 && e.m_axeY->max() > 1e100);
    }

    // An export writes every sample, whole; one refused says where, and the record stays.
    void exporte()
    {
        QTemporaryDir temporaire;
        QWidget proprietaire;
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"), enMetres);
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
        const auto cout
            = [&](const QRect &r) { return std::pair(aire(r & dessin), aire(r & fenetre)); };
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
        const Corde corde;
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

QTEST_MAIN(TestEnregistreur)
#include "tst_enregistreur.moc"
