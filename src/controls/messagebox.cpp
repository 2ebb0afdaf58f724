#include "messagebox.h"

#include "application.h"
#include "formtimer.h"

#include <QMessageBox>
#include <QScreen>
#include <QTextBoundaryFinder>

#include <algorithm>

namespace {

// Qt's box wraps a long text at word breaks, lines being at most half the
// screen wide and 500 pixels; a longer word (a long file name) would be cut
// off at the box's edge. Such a word may break anywhere: zero-width spaces
// go between its letters.
QString breakable(const QString &text, const QFontMetrics &metrics, int widest)
{
    QString result;
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, text);
    qsizetype start = 0;
    for (qsizetype end = breaks.toNextBoundary(); end != -1; end = breaks.toNextBoundary()) {
        const QString word = text.mid(start, end - start);
        start = end;
        if (metrics.horizontalAdvance(word) <= widest) {
            result += word;
            continue;
        }
        QTextBoundaryFinder letters(QTextBoundaryFinder::Grapheme, word);
        qsizetype from = 0;
        for (qsizetype to = letters.toNextBoundary(); to != -1; to = letters.toNextBoundary()) {
            if (from > 0)
                result += QChar(0x200B);
            result += word.mid(from, to - from);
            from = to;
        }
    }
    return result;
}

} // namespace

void MsgBox(QWidget *parent, const QString &text)
{
    const HandlerGuard guard;
    QMessageBox box(QMessageBox::NoIcon, applicationTitle(), QString(), QMessageBox::Ok, parent);
    const int widest = std::min(box.screen()->availableGeometry().width() / 2, 500);
    box.setText(breakable(text, box.fontMetrics(), widest));
    box.setWindowModality(Qt::ApplicationModal);
    box.exec();
}
