#pragma once

#include <QString>
#include <QTemporaryDir>

// A tmpfs of `kib` KiB mounted on a temporary folder, where a save meets a
// real full disk or a read-only one. Mounting needs root; `refusal()` says
// why it failed.
class SmallFileSystem
{
public:
    explicit SmallFileSystem(int kib);
    ~SmallFileSystem();
    Q_DISABLE_COPY(SmallFileSystem)

    QString refusal() const { return m_refusal; } // empty once mounted
    QString path() const { return m_folder.path(); }

    // Fills it with a file of its own until no more than `leftBytes` are free.
    void fill(qint64 leftBytes = 0);
    // Mounts it again read-only, the files already there kept.
    bool makeReadOnly();

private:
    QTemporaryDir m_folder;
    QString m_refusal;
};

// While it lives, the files' permissions are checked as user "nobody": a test
// run by root, who may write anywhere, meets them as any user does.
class AsAnotherUser
{
public:
    AsAnotherUser();
    ~AsAnotherUser();
    Q_DISABLE_COPY(AsAnotherUser)

private:
    bool m_switched;
};
