#include "enregistreur.h"

#include "controls/filewrite.h"
#include "controls/focusmark.h"
#include "controls/numberformat.h"
#include "controls/savedialog.h"
#include "drawing/picturedescription.h"

#include <QChartView>
#include <QDialogButtonBox>
#include <QDir>
#include <QLabel>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

namespace {

constexpr double fenetreS = 10.0; // the time shown, s: a few periods of the slowest wave
constexpr double yExtreme = 1e300; // mm, see traceCourbes()
constexpr int intervalleMs = 100; // ten redraws a second are as many as an eye follows

// "0,769 s", "11,0 mm", "2,50 cm/s": three significant digits at least, so that rounding hides
// less than 0.5 %, and no more than six decimals, below which a displacement is rounding noise;
// "—" for a value that does not exist yet.
QString mesure(std::optional<double> valeur, const QString &unite)
{
    if (!valeur || !std::isfinite(*valeur))
        return QStringLiteral("—");
    const double taille = std::fabs(*valeur);
    // Only an unstable simulation reaches a million: its order of magnitude is all there is.
    if (taille >= 1e6)
        return frenchLocale().toString(*valeur, 'g', 3) + QLatin1Char(' ') + unite;
    const int decimales
        = taille > 0 ? std::clamp(2 - static_cast<int>(std::floor(std::log10(taille))), 0, 6) : 0;
    return frenchLocale().toString(*valeur, 'f', decimales) + QLatin1Char(' ') + unite;
}

// A round step between ticks (1, 2 or 5 times a power of ten) giving about five of them over
// `etendue`, so that the labels stay short while the time axis scrolls under them.
double pasRond(double etendue)
{
    const double brut = etendue / 5;
    const double puissance = std::pow(10.0, std::floor(std::log10(brut)));
    for (double facteur : {1.0, 2.0, 5.0}) {
        if (facteur * puissance >= brut)
            return facteur * puissance;
    }
    return 10 * puissance;
}

void graduer(QValueAxis *axe, double min, double max)
{
    const double pas = pasRond(max - min);
    // The ticks are laid out again at each change: change first whichever of the range and the
    // step keeps them few, lest the new range meet the old, finer step (or the reverse) and
    // make millions of them.
    if (pas >= axe->tickInterval()) {
        axe->setTickInterval(pas);
        axe->setRange(min, max);
    } else {
        axe->setRange(min, max);
        axe->setTickInterval(pas);
    }
    const int decimales = std::max(0, -static_cast<int>(std::floor(std::log10(pas))));
    // Steps of 100 m and more only come from an unstable simulation: the order of magnitude is
    // all there is to read then.
    axe->setLabelFormat(pas < 1e5 ? QStringLiteral("%.%1f").arg(decimales)
                                  : QStringLiteral("%.3g"));
}

// A button of the window, pressed from the keyboard by Space or Enter, its
// focus marked as on the simulations' buttons.
class Bouton : public QPushButton
{
public:
    Bouton(const QString &texte, QWidget *parent)
        : QPushButton(texte, parent)
    {
        // Only a dialog's buttons take Enter by themselves.
        setAutoDefault(true);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QPushButton::paintEvent(event);
        if (hasFocus())
            FocusMark::paintInsideFrame(this, rect());
    }
};

// The plot, reached by Tab so that a screen reader's user lands on it and
// hears its description; it answers no key, and shows its focus as the
// other controls do.
class Vue : public QChartView
{
public:
    explicit Vue(QWidget *parent)
        : QChartView(parent)
    {
        setFocusPolicy(Qt::TabFocus);
    }

protected:
    void paintEvent(QPaintEvent *event) override
    {
        QChartView::paintEvent(event);
        if (hasFocus()) {
            QPainter painter(viewport());
            FocusMark::paint(painter, viewport()->rect().adjusted(1, 1, -1, -1),
                             FocusMark::onFace());
        }
    }
    void focusInEvent(QFocusEvent *event) override
    {
        QChartView::focusInEvent(event);
        viewport()->update();
    }
    void focusOutEvent(QFocusEvent *event) override
    {
        QChartView::focusOutEvent(event);
        viewport()->update();
    }
};

} // namespace

Enregistreur::Enregistreur(QWidget *owner, const QString &simulation, const Unites &unites)
    : QWidget(owner, Qt::Window)
    , m_simulation(simulation)
    , m_unites(unites)
    , m_vitesseReglee(std::numeric_limits<double>::quiet_NaN())
{
    setWindowTitle(tr("Enregistreur"));
    // Closed from its frame, it goes.
    setAttribute(Qt::WA_DeleteOnClose);
    // Its plot may narrow to the room beside its simulation window; below this width the
    // readouts would wrap onto three lines and the time axis keep too few ticks.
    setMinimumSize(500, 480);
    resize(640, 480);

    m_vue = new Vue(this); // it makes its own chart, which it owns
    m_vue->setObjectName(QStringLiteral("Courbes"));
    m_vue->setRenderHint(QPainter::Antialiasing);
    m_description = new PictureDescription(m_vue, tr("Courbes de l'enregistreur"),
                                           [this] { return description(); });
    QChart *chart = m_vue->chart();
    chart->setLocalizeNumbers(true);
    chart->setLocale(frenchLocale());
    chart->legend()->setAlignment(Qt::AlignTop);

    m_axeT = new QValueAxis(chart);
    m_axeT->setTitleText(QStringLiteral("t (s)"));
    m_axeT->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(m_axeT, Qt::AlignBottom);
    m_axeY = new QValueAxis(chart);
    m_axeY->setTitleText(tr("y (mm, vers le haut)"));
    m_axeY->setTickType(QValueAxis::TicksDynamic);
    chart->addAxis(m_axeY, Qt::AlignLeft);
    for (int p = 0; p < Recording::nbPoints; ++p) {
        m_courbes[p] = new QLineSeries(chart);
        m_courbes[p]->setName(p == Recording::A ? QStringLiteral("A") : QStringLiteral("B"));
        chart->addSeries(m_courbes[p]);
        m_courbes[p]->attachAxis(m_axeT);
        m_courbes[p]->attachAxis(m_axeY);
        m_courbes[p]->setVisible(false);
    }

    auto *fenetre = new QVBoxLayout(this);
    fenetre->addWidget(m_vue, 1);
    // One line per readout, always there: the plot keeps its size when points come and go.
    for (QLabel *&ligne : m_mesures) {
        ligne = new QLabel(this);
        ligne->setWordWrap(true);
        fenetre->addWidget(ligne);
    }
    m_retard = new QLabel(this);
    m_retard->setWordWrap(true);
    fenetre->addWidget(m_retard);

    auto *boutons = new QDialogButtonBox(this);
    m_exporter = new Bouton(tr("Exporter…"), boutons);
    m_effacer = new Bouton(tr("Effacer"), boutons);
    m_exporter->setObjectName(QStringLiteral("Exporter"));
    m_effacer->setObjectName(QStringLiteral("Effacer"));
    boutons->addButton(m_exporter, QDialogButtonBox::ActionRole);
    boutons->addButton(m_effacer, QDialogButtonBox::ActionRole);
    connect(m_exporter, &QPushButton::clicked, this, &Enregistreur::exporter);
    connect(m_effacer, &QPushButton::clicked, this, &Enregistreur::efface);
    fenetre->addWidget(boutons);

    m_minuteur.setSingleShot(true);
    m_minuteur.setInterval(intervalleMs);
    connect(&m_minuteur, &QTimer::timeout, this, &Enregistreur::redessine);
    redessine();
}

void Enregistreur::setPoint(Recording::Point p, bool tracked, const QColor &colour, double xMetres)
{
    m_suivi[p] = tracked;
    m_xMetres[p] = xMetres;
    m_courbes[p]->setPen(QPen(colour, 2));
    m_aRedessiner = true;
    actualise();
}

void Enregistreur::setVitesseReglee(double metresParSeconde)
{
    if (metresParSeconde == m_vitesseReglee)
        return;
    m_vitesseReglee = metresParSeconde;
    m_aRedessiner = true;
    actualise();
}

void Enregistreur::actualise()
{
    // A hidden window draws nothing; showEvent() catches up.
    if (isVisible() && !m_minuteur.isActive())
        m_minuteur.start();
}

void Enregistreur::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    redessine();
}

void Enregistreur::closeEvent(QCloseEvent *event)
{
    emit ferme();
    QWidget::closeEvent(event);
}

Enregistreur::Etat Enregistreur::etat() const
{
    const auto &echantillons = m_recording.samples();
    if (echantillons.empty())
        return {};
    return {echantillons.size(), m_recording.lastTrace(), echantillons.front().t,
            echantillons.back().t};
}

void Enregistreur::redessine()
{
    // A paused simulation still calls actualise() on every tick: nothing to redraw then.
    const Etat maintenant = etat();
    if (!m_aRedessiner && maintenant == m_dessine)
        return;
    m_aRedessiner = false;
    m_dessine = maintenant;
    traceCourbes();
    ecritMesures();
    m_description->changed();
}

void Enregistreur::traceCourbes()
{
    const auto &echantillons = m_recording.samples();
    const auto debut = echantillons.begin() + static_cast<std::ptrdiff_t>(m_recording.lastTrace());
    // An empty record shows the window that the first trace will fill.
    double tMin = 0.0;
    double tMax = fenetreS;
    // The rest position and 1 mm either side are always shown: a string at rest draws a flat
    // line in the middle, not its rounding noise blown up to the full height.
    double yMin = -1.0;
    double yMax = 1.0;
    std::array<QList<QPointF>, Recording::nbPoints> points;
    if (debut != echantillons.end()) {
        tMax = echantillons.back().t;
        tMin = std::max(tMax - fenetreS, debut->t);
        // Times increase within a trace.
        const auto premier = std::partition_point(
            debut, echantillons.end(), [tMin](const Recording::Sample &e) { return e.t < tMin; });
        for (int p = 0; p < Recording::nbPoints; ++p) {
            if (!m_suivi[p])
                continue;
            points[p].reserve(static_cast<qsizetype>(echantillons.end() - premier));
            for (auto e = premier; e != echantillons.end(); ++e) {
                if (std::isfinite(e->y[p])) {
                    // A simulation gone unstable may reach the largest doubles, whose range
                    // and margin would overflow: such a value is drawn against a finite edge.
                    const double y = std::clamp(e->y[p], -yExtreme, yExtreme);
                    points[p].append(QPointF(e->t, y));
                    yMin = std::min(yMin, y);
                    yMax = std::max(yMax, y);
                }
            }
        }
        if (!(tMax > tMin)) // a single sample
            tMax = tMin + fenetreS;
    }
    for (int p = 0; p < Recording::nbPoints; ++p) {
        m_courbes[p]->replace(points[p]);
        m_courbes[p]->setVisible(!points[p].isEmpty());
    }
    const double marge = (yMax - yMin) / 20;
    graduer(m_axeT, tMin, tMax);
    graduer(m_axeY, yMin - marge, yMax + marge);
}

void Enregistreur::ecritMesures()
{
    const QString s = QStringLiteral("s");
    for (int p = 0; p < Recording::nbPoints; ++p) {
        const auto point = static_cast<Recording::Point>(p);
        m_mesures[p]->setText(
            !m_suivi[p] ? QString()
                        : tr("%1 : période %2, amplitude %3")
                              .arg(m_courbes[p]->name(), mesure(m_recording.period(point), s),
                                   mesure(m_recording.amplitude(point), QStringLiteral("mm"))));
    }
    if (!m_suivi[Recording::A] && !m_suivi[Recording::B]) {
        m_mesures[Recording::A]->setText(
            tr("Clic droit sur la corde (ou touche Menu, la corde choisie par Tab), puis "
               "« Suivre ce point » : son mouvement s'enregistre ici."));
    }

    if (!m_suivi[Recording::A] || !m_suivi[Recording::B]) {
        m_retard->clear();
        return;
    }
    const double distance = std::fabs(m_xMetres[Recording::B] - m_xMetres[Recording::A]); // m
    // The set speed tells which crest of A the latest one of B left from, however many periods
    // before. A delay that is not positive is no wave going from A to B: no speed from it.
    std::optional<double> retard = m_recording.delay(distance / m_vitesseReglee);
    if (retard && !(*retard > 0))
        retard.reset();
    std::optional<double> vitesse;
    if (retard)
        vitesse = distance / *retard;
    const auto dans = [](std::optional<double> valeur, const TrackedString::Unite &unite) {
        return mesure(valeur ? std::optional(*valeur * unite.parSI) : std::nullopt,
                      QString::fromUtf8(unite.nom));
    };
    const TrackedString::Unite &enVitesse = m_unites.vitesse;
    QString texte
        = tr("B après A : retard %1, distance %2, vitesse mesurée %3")
              .arg(mesure(retard, s), dans(distance, m_unites.distance), dans(vitesse, enVitesse));
    if (std::isfinite(m_vitesseReglee))
        texte += tr(" (réglée : %1)").arg(dans(m_vitesseReglee, enVitesse));
    m_retard->setText(texte);
}

QString Enregistreur::description() const
{
    if (!m_suivi[Recording::A] && !m_suivi[Recording::B])
        return m_mesures[Recording::A]->text(); // how to follow a point
    QStringList parties {tr("Courbes de t = %1 à %2")
                             .arg(mesure(m_axeT->min(), QStringLiteral("s")),
                                  mesure(m_axeT->max(), QStringLiteral("s")))};
    for (const QLabel *ligne : {m_mesures[Recording::A], m_mesures[Recording::B], m_retard}) {
        if (!ligne->text().isEmpty())
            parties << ligne->text();
    }
    return parties.join(QStringLiteral(" ; "));
}

void Enregistreur::exporter()
{
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString chemin = askSaveFileName(
        this, tr("Exporter l'enregistrement"),
        QDir(dossier).filePath(m_simulation + QStringLiteral("-enregistrement.csv")),
        tr("Fichiers CSV (*.csv)"));
    if (!chemin.isEmpty())
        exporte(chemin);
}

bool Enregistreur::exporte(const QString &path)
{
    return FileWrite::write(this, path, QByteArray::fromStdString(m_recording.toCsv()));
}

void Enregistreur::efface()
{
    m_recording.clear();
    redessine();
}
