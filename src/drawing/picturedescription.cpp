#include "picturedescription.h"

#include <QAccessible>
#include <QAccessibleWidget>
#include <QWidget>

namespace {

class PictureAccessible : public QAccessibleWidget
{
public:
    explicit PictureAccessible(QWidget *picture)
        : QAccessibleWidget(picture, QAccessible::Graphic)
    { }

    // What an image holds is in its description, not in parts to visit (a chart's scroll bars).
    int childCount() const override { return 0; }
    QAccessibleInterface *child(int) const override { return nullptr; }
    int indexOfChild(const QAccessibleInterface *) const override { return -1; }
    QAccessibleInterface *childAt(int, int) const override { return nullptr; }

    QString text(QAccessible::Text t) const override
    {
        if (t != QAccessible::Description)
            return QAccessibleWidget::text(t);
        const PictureDescription *description = PictureDescription::of(object());
        return description ? description->text() : QString();
    }
};

// Asked first with the most derived class of an object, before Qt's own interfaces (a chart's
// view would be a scroll area).
QAccessibleInterface *pictureInterface(const QString &, QObject *object)
{
    auto *widget = qobject_cast<QWidget *>(object);
    if (!widget || !PictureDescription::of(widget))
        return nullptr;
    // Owned by Qt's accessibility cache, which deletes it with the widget.
    return new PictureAccessible(widget);
}

} // namespace

PictureDescription::PictureDescription(QWidget *picture, const QString &name,
                                       std::function<QString()> describe)
    : QObject(picture)
    , m_picture(picture)
    , m_describe(std::move(describe))
{
    // Qt asks the factories of every object read: installed once, with the first picture.
    [[maybe_unused]] static const bool installee = [] {
        QAccessible::installFactory(pictureInterface);
        return true;
    }();
    m_calme.setSingleShot(true);
    m_calme.setInterval(calmeMs);
    connect(&m_calme, &QTimer::timeout, this, &PictureDescription::annonce);
    picture->setAccessibleName(name);
}

const PictureDescription *PictureDescription::of(const QObject *picture)
{
    return picture->findChild<PictureDescription *>(QString(), Qt::FindDirectChildrenOnly);
}

void PictureDescription::changed()
{
    if (!QAccessible::isActive())
        return;
    if (!m_depuisAnnonce.isValid() || m_depuisAnnonce.elapsed() >= intervalleMs)
        annonce();
    else
        m_calme.start(); // again: it fires once the changes stop
}

void PictureDescription::annonce()
{
    m_calme.stop();
    m_depuisAnnonce.start();
    const QString texte = m_describe();
    if (texte == m_annonce)
        return;
    m_annonce = texte;
    QAccessibleEvent event(m_picture, QAccessible::DescriptionChanged);
    QAccessible::updateAccessibility(&event);
}
