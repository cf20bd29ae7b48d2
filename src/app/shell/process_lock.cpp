#include "process_lock.h"

// The one place that speaks to the operating system about file locks.
#ifdef Q_OS_WIN
#include <windows.h>
#else
#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>
#endif

#include <QFile>

namespace minori {

ProcessLock::~ProcessLock() { release(); }

bool ProcessLock::acquire(const QString &path)
{
    release();
#ifdef Q_OS_WIN
    HANDLE h = CreateFileW(reinterpret_cast<LPCWSTR>(path.utf16()), GENERIC_WRITE, 0 /* no sharing */, nullptr,
                           OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (h == INVALID_HANDLE_VALUE)
        return false;
    SetEndOfFile(h);
    handle_ = reinterpret_cast<long long>(h);
    return true;
#else
    const QByteArray name = QFile::encodeName(path);
    int fd = ::open(name.constData(), O_WRONLY | O_CREAT | O_CLOEXEC, 0644);
    if (fd < 0)
        return false;
    if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
        ::close(fd);
        return false;
    }
    if (::ftruncate(fd, 0) != 0) {
        // An empty lock file is only tidier; the lock is what counts.
    }
    handle_ = fd;
    return true;
#endif
}

void ProcessLock::release()
{
    if (handle_ == invalid())
        return;
#ifdef Q_OS_WIN
    CloseHandle(reinterpret_cast<HANDLE>(handle_));
#else
    ::flock(static_cast<int>(handle_), LOCK_UN);
    ::close(static_cast<int>(handle_));
#endif
    handle_ = invalid();
}

} // namespace minori
