#include "smallfilesystem.h"

#include <QFile>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <sys/fsuid.h>
#include <sys/mount.h>
#include <unistd.h>

constexpr uid_t nobody = 65534; // Debian's "nobody" and "nogroup"

SmallFileSystem::SmallFileSystem(int kib)
{
    const QByteArray options = "size=" + QByteArray::number(kib) + 'k';
    if (::mount("vellane-test", QFile::encodeName(path()).constData(), "tmpfs",
                MS_NOSUID | MS_NODEV, options.constData())
        != 0)
        m_refusal = QStringLiteral("cannot mount a tmpfs (%1): run as root").arg(strerror(errno));
}

SmallFileSystem::~SmallFileSystem()
{
    if (m_refusal.isEmpty())
        ::umount2(QFile::encodeName(path()).constData(), MNT_DETACH);
}

void SmallFileSystem::fill(qint64 leftBytes)
{
    QFile filler(path() + QStringLiteral("/remplissage"));
    filler.open(QIODevice::WriteOnly | QIODevice::Unbuffered);
    const QByteArray block(4096, 'f');
    while (filler.write(block) == block.size()) { }
    // tmpfs frees whole pages: give back at least `leftBytes`.
    filler.resize(std::max<qint64>(0, filler.size() - leftBytes));
}

bool SmallFileSystem::makeReadOnly()
{
    return ::mount(nullptr, QFile::encodeName(path()).constData(), nullptr,
                   MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr)
        == 0;
}

AsAnotherUser::AsAnotherUser()
    : m_switched(geteuid() == 0)
{
    if (m_switched) {
        setfsgid(nobody);
        setfsuid(nobody);
    }
}

AsAnotherUser::~AsAnotherUser()
{
    if (m_switched) {
        setfsuid(0);
        setfsgid(0);
    }
}
