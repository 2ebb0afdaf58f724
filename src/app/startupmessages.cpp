#include "startupmessages.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QString>
#include <QtGlobal>

#include <cstdio>
#include <cstdlib>
#include <mutex>
#include <vector>

namespace {

// A message with the context it came with; the context's texts are copied.
struct Held
{
    QtMsgType type;
    QByteArray file;
    int line;
    QByteArray function;
    QByteArray category;
    QString text;
};

// The platform plugin may report from its own threads.
std::mutex heldMutex;
std::vector<Held> held;
// What the run says when no display opens, in its language.
QByteArray noDisplayLine;

void hold(QtMsgType type, const QMessageLogContext &context, const QString &text)
{
    if (type == QtFatalMsg) {
        // Qt aborts after a fatal message; while it starts, one says that
        // no platform could be opened: there is no display to connect to.
        std::fputs(noDisplayLine.constData(), stderr);
        std::_Exit(1);
    }
    const std::lock_guard lock(heldMutex);
    // A measuring application may start before the program's own and say the same.
    for (const Held &h : held) {
        if (h.type == type && h.text == text)
            return;
    }
    held.push_back({type, context.file, context.line, context.function, context.category, text});
}

} // namespace

void holdStartupMessages()
{
    noDisplayLine = QCoreApplication::translate("StartupMessages",
                                                "vellane : aucun affichage graphique n'est "
                                                "accessible, les fenêtres ne peuvent pas s'ouvrir")
                        .toLocal8Bit()
        + '\n';
    qInstallMessageHandler(hold);
}

void releaseStartupMessages()
{
    qInstallMessageHandler(nullptr);
    const std::lock_guard lock(heldMutex);
    for (const Held &h : held)
        qt_message_output(h.type,
                          QMessageLogContext(h.file.constData(), h.line, h.function.constData(),
                                             h.category.constData()),
                          h.text);
    held.clear();
}
