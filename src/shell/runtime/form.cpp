#include "form.h"

#include "twips.h"

#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>

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
}

void Form::showEvent(QShowEvent *event)
{
    if (!m_centred) {
        m_centred = true;
        const QScreen *screen
            = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
        if (screen) {
            QRect frame = rect();
            frame.moveCenter(screen->availableGeometry().center());
            move(frame.topLeft());
        }
    }
    QWidget::showEvent(event);
}

void Form::closeEvent(QCloseEvent *event)
{
    emit unloading();
    event->accept();
}
