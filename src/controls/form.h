#pragma once

#include <QColor>
#include <QWidget>

// A window of fixed client size given in twips, not resizable, centred on its
// screen when first shown; its icon is the application's. Module windows are
// created with the home screen as parent so that they stay in front of it,
// and are deleted when closed.
class Form : public QWidget
{
    Q_OBJECT

public:
    Form(QWidget *parent, const QString &title, int widthTwips, int heightTwips,
         const QColor &background);

signals:
    // The window is going away (closed from its frame or by its own quit
    // button); handlers stop their timers here.
    void unloading();

protected:
    void showEvent(QShowEvent *event) override;
    void closeEvent(QCloseEvent *event) override;
    // A window whose X window another program destroys (a desktop, a script)
    // closes as if from its frame: its timers stop and it is deleted, so the
    // home screen opens a new one next time.
    bool nativeEvent(const QByteArray &eventType, void *message, qintptr *result) override;

private:
    bool m_centred = false;
};
