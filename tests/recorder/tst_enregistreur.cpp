// The recorder's window: what it plots of the record, what it reads on it, and its file export.
#include "enregistreur.h"
#include "form.h"
#include "imageprobe.h"
#include "smallfilesystem.h"

#include <QLabel>
#include <QLineSeries>
#include <QPushButton>
#include <QTemporaryDir>
#include <QValueAxis>
#include <QtTest>

#include <cmath>
#include <limits>
#include <optional>

class TestEnregistreur : public QObject
{
    Q_OBJECT

    static constexpr double f = 1.3; // Hz
    static constexpr double retard = 0.5; // s, B behind A
    static constexpr double dt = 0.005; // s, the driven string's time step

public:
    enum Lieu { DossierTemporaire, DossierInexistant, DisquePlein }; // where an export goes
    Q_ENUM(Lieu)

private:
    // A 10 mm sine at A, the same `decalage` s later at B, sampled for `duree` s.
    static double enregistre(Enregistreur &e, double duree, double decalage = retard)
    {
        const double w = 2 * M_PI * f;
        double t = 0;
        for (int i = 0; i * dt <= duree; ++i) {
            t = i * dt;
            e.recording().add(t, 10 * std::sin(w * t), 10 * std::sin(w * (t - decalage)));
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

private slots:
    void traceEtMesures()
    {
        const QLocale fr(QLocale::French);
        QWidget proprietaire;
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"));
        e.setPoint(Recording::A, true, Qt::red, 0.25);
        e.setPoint(Recording::B, true, Qt::blue, 0.25 + 0.5);
        e.show();
        const double tFin = enregistre(e, 12.0);
        e.actualise(); // deferred: the simulations call it on every tick
        QTRY_COMPARE(e.m_axeT->max(), tFin);
        QCOMPARE(e.m_axeT->min(), tFin - 10);
        QVERIFY(e.m_courbes[Recording::A]->count() > 1000
                && e.m_courbes[Recording::B]->isVisible());
        QVERIFY(dansLeCadre(e, tFin - 10));
        QVERIFY(e.m_mesures[Recording::A]->text().contains(fr.toString(1 / f, 'f', 3) + " s"));
        QVERIFY(e.m_mesures[Recording::B]->text().contains(fr.toString(10.0, 'f', 1) + " mm"));
        const QString vitesse = fr.toString(0.5 / retard, 'f', 2) + " m/s";
        QVERIFY(e.m_retard->text().contains(fr.toString(retard, 'f', 3) + " s"));
        QVERIFY(e.m_retard->text().contains(vitesse) && !e.m_retard->text().contains("réglée"));
        e.setVitesseReglee(1.0);
        e.redessine();
        QVERIFY(e.m_retard->text().endsWith("(réglée : " + vitesse + ")"));

        // A reset: only the new trace is plotted, and one second holds no full period yet.
        e.recording().cut();
        const double tCoupe = enregistre(e, 1.0);
        e.redessine();
        QCOMPARE(e.m_axeT->min(), 0.0);
        QCOMPARE(e.m_courbes[Recording::A]->count(), qRound(tCoupe / dt) + 1);
        QVERIFY(dansLeCadre(e, 0.0));
        QVERIFY(e.m_mesures[Recording::A]->text().contains("période —,"));

        e.m_effacer->click();
        QVERIFY(e.recording().samples().empty() && e.m_courbes[Recording::A]->count() == 0);
        QVERIFY(!e.m_courbes[Recording::B]->isVisible());
        QVERIFY(e.m_axeY->max() > e.m_axeY->min() && std::isfinite(e.m_axeY->max()));

        // A and B move together: no wave goes from one to the other, no delay, no speed.
        enregistre(e, 2.0, 0.0);
        e.redessine();
        QVERIFY(e.m_retard->text().contains("retard —")
                && e.m_retard->text().contains("mesurée —"));
    }

    // A simulation gone unstable: the plot keeps up with the largest doubles, in finite ranges.
    void instable()
    {
        QWidget proprietaire;
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"));
        e.setPoint(Recording::A, true, Qt::red, 0.25);
        for (int i = 0; i < 50; ++i)
            e.recording().add(i * dt, (i % 2 ? 1 : -1) * std::numeric_limits<double>::max(), NAN);
        e.redessine();
        QVERIFY(std::isfinite(e.m_axeY->min()) && std::isfinite(e.m_axeY->max()));
        QVERIFY(e.m_axeY->min() < -1e100 && e.m_axeY->max() > 1e100);
    }

    void exporte_data()
    {
        QTest::addColumn<Lieu>("lieu");
        QTest::newRow("dossier temporaire") << DossierTemporaire;
        QTest::newRow("dossier inexistant") << DossierInexistant;
        // Some 50 kB of CSV where 8 kB are left: the disk fills up during the write.
        QTest::newRow("disque plein") << DisquePlein;
    }

    // An export writes every sample; one that fails says where and why, and leaves the earlier
    // file and the record as they were.
    void exporte()
    {
        QFETCH(Lieu, lieu);
        QTemporaryDir temporaire;
        std::optional<SmallFileSystem> disque;
        QString dossier = temporaire.path();
        if (lieu == DossierInexistant)
            dossier += QStringLiteral("/absent");
        if (lieu == DisquePlein) {
            disque.emplace(64);
            if (!disque->refusal().isEmpty())
                QSKIP(qPrintable(disque->refusal()));
            dossier = disque->path();
        }
        const QString chemin = dossier + QStringLiteral("/x.csv");
        QWidget proprietaire;
        Enregistreur &e = *new Enregistreur(&proprietaire, QStringLiteral("essai"));
        enregistre(e, 10.0);
        const std::size_t avant = e.recording().samples().size();
        const QByteArray ancien = "t (s);yA (mm);yB (mm)\n0,000;1,0;2,0\n";
        QFile fichier(chemin);
        if (lieu != DossierInexistant) {
            QVERIFY(fichier.open(QIODevice::WriteOnly) && fichier.write(ancien) > 0);
            fichier.close();
        }
        if (lieu == DisquePlein)
            disque->fill(8192);
        QString message;
        Probe::acceptMessageBox(&e, message);
        const bool possible = lieu == DossierTemporaire;
        QCOMPARE(e.exporte(chemin), possible);
        QCOMPARE(message.contains(dossier), !possible);
        QCOMPARE(message.contains("plein"), lieu == DisquePlein);
        QCOMPARE(e.recording().samples().size(), avant);
        QCOMPARE(fichier.open(QIODevice::ReadOnly), lieu != DossierInexistant);
        const QByteArray contenu = fichier.readAll();
        if (possible) {
            QVERIFY(contenu.startsWith("t (s);yA (mm);yB (mm)\n"));
            QCOMPARE(contenu.count('\n'), qsizetype(avant) + 1);
        } else if (lieu == DisquePlein) {
            QCOMPARE(contenu, ancien);
        }
    }

    // The simulation window owns its recorder: closing it takes the recorder along.
    void proprietaire()
    {
        auto *fenetre = new Form(nullptr, QStringLiteral("Corde"), 6000, 4000, Qt::gray);
        QPointer<Enregistreur> e = new Enregistreur(fenetre, QStringLiteral("essai"));
        fenetre->show();
        e->show();
        fenetre->close();
        QTRY_VERIFY(e.isNull());
    }
};

QTEST_MAIN(TestEnregistreur)
#include "tst_enregistreur.moc"
