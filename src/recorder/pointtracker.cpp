#include "pointtracker.h"

#include "drawing/drawingsurface.h"
#include "enregistreur.h"
#include "pictures/pictureexport.h"
#include "pictures/picturemenu.h"
#include "placement.h"
#include "stringcursor.h"

#include <QMenu>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

// The markers' colours, unlike every curve of the three pictures.
const QColor couleurs[Recording::nbPoints] = {QColor(200, 0, 200), QColor(230, 120, 0)};
constexpr int largeurMarque = 5; // pixels
constexpr int hauteurMarque = 10; // pixels

} // namespace

PointTracker::PointTracker(DrawingSurface *picture, const TrackedString &string)
    : QObject(picture)
    , m_picture(picture)
    , m_string(string)
{
    const auto name = [this] { return pictureName(); };
    const auto *cursor = new StringCursor(picture, string);
    installPictureMenu(
        picture, name, [this](QMenu &menu, const QPoint &at) { addMenuEntries(menu, at); },
        [cursor] { return cursor->point(); });
    installPictureShortcuts(picture->window(), picture, name);
}

QString PointTracker::pictureName(const QString &suffix) const
{
    return PictureExport::proposedName(QString::fromUtf8(m_string.simulation()) + suffix,
                                       m_string.tempsAffiche());
}

void PointTracker::addMenuEntries(QMenu &menu, QPoint at)
{
    const double x
        = m_string.snap(m_picture->scale().toUser(at - m_picture->clientRect().topLeft()).x());
    QAction *suivre = menu.addAction(tr("Suivre ce point"), this, [this, x] { follow(x); });
    suivre->setEnabled(!m_tracked[Recording::B]);
    QAction *oublier = menu.addAction(tr("Ne plus suivre"), this, [this] { forget(); });
    oublier->setEnabled(m_tracked[Recording::A]);
}

void PointTracker::follow(double x)
{
    const Recording::Point p = m_tracked[Recording::A] ? Recording::B : Recording::A;
    m_tracked[p] = true;
    m_x[p] = x;
    if (!m_recorder) {
        // Owned by the simulation window: it goes with it. Closed on its
        // own, it takes the tracked points with it.
        m_recorder = new Enregistreur(m_picture->window(), QString::fromUtf8(m_string.simulation()),
                                      m_string.unites());
        m_recorder->setVitesseReglee(m_string.vitesseReglee());
        connect(m_recorder, &Enregistreur::ferme, this, &PointTracker::forget);
        placeRecorder();
    }
    m_recorder->recording().cut();
    m_recorder->setPoint(p, true, couleurs[p], m_string.metres(x));
    m_recorder->show();
    m_recorder->raise();
    placeMarker(p);
}

void PointTracker::forget()
{
    for (int p = 0; p < Recording::nbPoints; ++p) {
        m_tracked[p] = false;
        delete m_markers[p];
        if (m_recorder)
            m_recorder->setPoint(Recording::Point(p), false, couleurs[p], 0);
    }
    if (m_recorder) {
        m_recorder->recording().cut();
        m_recorder->actualise(); // shows the change even while the simulation is paused
    }
}

void PointTracker::placeMarker(Recording::Point p)
{
    if (!m_markers[p]) {
        m_markers[p] = new QWidget(m_picture);
        m_markers[p]->setAttribute(Qt::WA_TransparentForMouseEvents);
        m_markers[p]->setAutoFillBackground(true);
        QPalette palette = m_markers[p]->palette();
        palette.setColor(QPalette::Window, couleurs[p]);
        m_markers[p]->setPalette(palette);
    }
    const QRect client = m_picture->clientRect();
    const int centre
        = client.left() + int(std::lround(m_picture->scale().xToPixels(float(m_x[p]))));
    m_markers[p]->setGeometry(centre - largeurMarque / 2, client.top(), largeurMarque,
                              hauteurMarque);
    m_markers[p]->show();
}

void PointTracker::placeRecorder()
{
    const QWidget *window = m_picture->window();
    const QRect frame = window->frameGeometry();
    // Before it is first shown a window's frame is not known: the recorder will have one like
    // its simulation window's, if any.
    const QRect inside = window->geometry();
    const QMargins margins(inside.left() - frame.left(), inside.top() - frame.top(),
                           frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const QRect picture(m_picture->mapToGlobal(QPoint(0, 0)), m_picture->size());
    const QRect area = window->screen()->availableGeometry();
    // Narrower, down to its least width, where that lets it stand beside the window (a
    // 1920-pixel screen leaves 560 pixels on each side of a centred simulation).
    const int beside = std::max(area.right() - frame.right(), frame.left() - area.left())
        - margins.left() - margins.right();
    if (beside < m_recorder->width() && beside >= m_recorder->minimumWidth())
        m_recorder->resize(beside, m_recorder->height());
    m_recorder->move(placeBeside(m_recorder->size().grownBy(margins), frame, picture, area));
}

void PointTracker::sample()
{
    if (!recording())
        return;
    const auto y = [this](Recording::Point p) {
        return m_tracked[p] ? m_string.upwardMm(m_x[p]) : std::numeric_limits<double>::quiet_NaN();
    };
    m_recorder->recording().add(m_string.tempsPropre(), y(Recording::A), y(Recording::B));
}

void PointTracker::cut()
{
    if (m_recorder)
        m_recorder->recording().cut();
}

void PointTracker::refresh()
{
    if (!m_recorder)
        return;
    m_recorder->setVitesseReglee(m_string.vitesseReglee());
    m_recorder->actualise();
}
