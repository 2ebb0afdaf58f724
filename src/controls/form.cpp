#include "form.h"

#include "drawing/twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QPixmapCache>
#include <QScreen>

#include <algorithm>
#include <cstdint>

namespace {

// The X server's DestroyNotify event as the X11 protocol lays it out. The
// toolkit hands the events of a window to that window as they come from the
// server ("xcb_generic_event_t").
struct DestroyNotify
{
    std::uint8_t code; // 17; the high bit marks an event sent by a client
    std::uint8_t unused;
    std::uint16_t sequence;
    std::uint32_t event; // the window that asked to be told
    std::uint32_t window; // the window destroyed
};
constexpr std::uint8_t destroyNotifyCode = 17;

bool destroys(const QByteArray &eventType, const void *message, WId window)
{
    if (eventType != "xcb_generic_event_t" || window == 0)
        return false;
    const auto *event = static_cast<const DestroyNotify *>(message);
    return event->code == destroyNotifyCode && event->window == window;
}

} // namespace

Form::Form(QWidget *parent, const QString &title, int widthTwips, int heightTwips,
           const QColor &background)
    : QWidget(parent, Qt::Window | Qt::MSWindowsFixedSizeDialogHint)
{
    setWindowTitle(title);
    setFixedSize(Twips::size(widthTwips, heightTwips));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, background);
    setPalette(palette);
    setAutoFillBackground(true);
    setAttribute(Qt::WA_DeleteOnClose);
    // The style caches the pictures of controls (button faces, scroll bar
    // parts, radio indicators, greyed icons) under names that include the
    // palette's serial number, and every window gets new palettes: nothing a
    // closed window left there is found again, and the cache keeps the names
    // even once their pictures are dropped. Each opening of a window would
    // keep memory for the rest of the run, so the cache is not used; a control
    // is drawn afresh on each of its rare repaints.
    QPixmapCache::setCacheLimit(0);
}

void Form::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        const QScreen *screen
            = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            const QRect available = screen->availableGeometry();
            QRect frame = rect();
            frame.moveCenter(available.center());
            // A window larger than the screen keeps its top-left corner, and
            // so its title bar, on the screen.
            move(std::max(frame.left(), available.left()), std::max(frame.top(), available.top()));
        }
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    emit unloading();
    event->accept();
}

bool Form::nativeEvent(const QByteArray &eventType, void *message, qintptr *result)
{
    // The toolkit still takes the window for shown and would only raise the
    // dead X window again. Closed once the event is handled, like any close.
    if (destroys(eventType, message, internalWinId()))
        QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
    return QWidget::nativeEvent(eventType, message, result);
}
