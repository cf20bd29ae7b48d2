#pragma once
// An exclusive lock on a file, held by the operating system for as long as this process
// keeps it: a second copy of the program cannot take it, and a crashed copy leaves none.
#include <QString>

namespace minori {

class ProcessLock {
public:
    ProcessLock() = default;
    ~ProcessLock();
    ProcessLock(const ProcessLock &) = delete;
    ProcessLock &operator=(const ProcessLock &) = delete;

    // Creates or truncates the file and locks it; false when another process holds it or
    // the file cannot be written.
    bool acquire(const QString &path);
    void release();
    bool held() const { return handle_ != invalid(); }

private:
    static long long invalid() { return -1; }
    long long handle_ = -1;
};

} // namespace minori
