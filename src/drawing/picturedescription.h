#pragma once

#include <QElapsedTimer>
#include <QObject>
#include <QString>
#include <QTimer>

#include <functional>

class QWidget;

// What a picture tells a screen reader: it is read as an image (AT-SPI "image") with a name, and
// its description, what it shows now, is asked of `describe` whenever a screen reader reads it.
// While the picture keeps changing, screen readers are told of a new description at most once a
// second, and at once when it stops (a pause, a step), so that they are never flooded; nothing is
// computed while no assistive technology listens, so that an animation costs no more then.
class PictureDescription : public QObject
{
    Q_OBJECT

public:
    // Owned by `picture`, which takes `name` as its accessible name.
    PictureDescription(QWidget *picture, const QString &name, std::function<QString()> describe);

    QString text() const { return m_describe(); }
    // The picture changed: after each frame drawn.
    void changed();

    // The description `picture` carries; none for other widgets.
    static const PictureDescription *of(const QObject *picture);

private:
    // ms between two descriptions told while the picture changes.
    static constexpr int intervalleMs = 1000;
    // ms without a change after which the picture is taken as still: longer than the frames of
    // an animation (25 to 50 ms) and their delays on a busy processor.
    static constexpr int calmeMs = 250;

    void annonce();

    QWidget *m_picture;
    const std::function<QString()> m_describe;
    QString m_annonce; // the description screen readers were told last
    QElapsedTimer m_depuisAnnonce;
    QTimer m_calme;
};
