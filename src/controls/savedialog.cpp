#include "savedialog.h"

#include "filewrite.h"

#include <QDialogButtonBox>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>

#include <cerrno>
#include <unistd.h>

namespace {

// Whether the system would refuse the name of `path` in its folder: its
// bytes beyond the folder's limit (255 on the usual file systems).
bool nameTooLong(const QString &path)
{
    const QFileInfo file(path);
    const long limit = ::pathconf(QFile::encodeName(file.path()).constData(), _PC_NAME_MAX);
    return limit >= 0 && QFile::encodeName(file.fileName()).size() > limit;
}

class SaveDialog : public QFileDialog
{
public:
    SaveDialog(QWidget *parent, const QString &title, const QString &proposedPath,
               const QString &filter)
        : QFileDialog(parent, title, proposedPath, filter)
    {
        setAcceptMode(AcceptSave);
        // Qt's own dialog, in the program's language, with the name check
        // below; a desktop's native one has neither.
        setOption(DontUseNativeDialog);
        m_name = findChild<QLineEdit *>(QStringLiteral("fileNameEdit"));
        // Connected after the dialog's own check, which greys the button.
        connect(m_name, &QLineEdit::textChanged, this, [this] {
            if (nameTooLong(typed()))
                findChild<QDialogButtonBox *>()->button(QDialogButtonBox::Save)->setEnabled(true);
        });
    }

    void accept() override
    {
        if (nameTooLong(typed()))
            FileWrite::tellFailure(this, typed(), FileWrite::reason(ENAMETOOLONG));
        else
            QFileDialog::accept();
    }

private:
    // The path as typed: for a name the system refuses, selectedFiles() may
    // give the folder instead.
    QString typed() const { return directory().filePath(m_name->text()); }

    QLineEdit *m_name;
};

} // namespace

QString askSaveFileName(QWidget *parent, const QString &title, const QString &proposedPath,
                        const QString &filter)
{
    SaveDialog dialog(parent, title, proposedPath, filter);
    return dialog.exec() == QDialog::Accepted ? dialog.selectedFiles().value(0) : QString();
}
