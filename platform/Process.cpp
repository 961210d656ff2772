#include "Process.h"

#include <QElapsedTimer>
#include <QFile>

#ifdef Q_OS_UNIX
#include <cerrno>
#include <cstring>
#include <ctime>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;
#else
#include <QProcess>
#endif
#ifdef Q_OS_WIN
#include <qt_windows.h>
#endif

namespace platform {

#ifdef Q_OS_UNIX

namespace {

QString systemErrorText(int error)
{
    return QString::fromLocal8Bit(std::strerror(error));
}

void sleepMsecs(int msecs)
{
    const timespec pause{msecs / 1000, long(msecs % 1000) * 1000000L};
    nanosleep(&pause, nullptr);
}

} // namespace

std::optional<ProcessHandle> startProgram(const QString& commandLine, QString* errorText)
{
    const QByteArray path = QFile::encodeName(commandLine);
    // posix_spawn may only see a failed exec through the child's exit status; asking first
    // gives the caller the system's own reason for the usual failures.
    if (::access(path.constData(), X_OK) != 0) {
        const int error = errno;
        if (errorText)
            *errorText = systemErrorText(error);
        return std::nullopt;
    }
    pid_t pid = 0;
    char* argv[] = {const_cast<char*>(path.constData()), nullptr};
    const int error = posix_spawn(&pid, path.constData(), nullptr, nullptr, argv, environ);
    if (error != 0) {
        if (errorText)
            *errorText = systemErrorText(error);
        return std::nullopt;
    }
    return ProcessHandle{pid};
}

bool waitForExit(const ProcessHandle& process, int timeoutMs)
{
    if (process.pid <= 0)
        return false;
    QElapsedTimer elapsed;
    elapsed.start();
    for (;;) {
        int status = 0;
        const pid_t done = waitpid(pid_t(process.pid), &status, timeoutMs < 0 ? 0 : WNOHANG);
        if (done == pid_t(process.pid))
            return true;
        if (done < 0) {
            if (errno == EINTR)
                continue;
            return errno == ECHILD; // reaped before: it has ended
        }
        const qint64 left = timeoutMs - elapsed.elapsed();
        if (left <= 0)
            return false;
        sleepMsecs(int(qMin<qint64>(left, 5)));
    }
}

#else

std::optional<ProcessHandle> startProgram(const QString& commandLine, QString* errorText)
{
    QProcess process;
    process.setProgram(commandLine);
    qint64 pid = 0;
    if (!process.startDetached(&pid)) {
        if (errorText)
            *errorText = process.errorString();
        return std::nullopt;
    }
    return ProcessHandle{pid};
}

bool waitForExit(const ProcessHandle& process, int timeoutMs)
{
    if (process.pid <= 0)
        return false;
#ifdef Q_OS_WIN
    const HANDLE handle = OpenProcess(SYNCHRONIZE, FALSE, DWORD(process.pid));
    if (!handle)
        return true; // gone already
    const DWORD result = WaitForSingleObject(handle, timeoutMs < 0 ? INFINITE : DWORD(timeoutMs));
    CloseHandle(handle);
    return result == WAIT_OBJECT_0;
#else
    Q_UNUSED(timeoutMs);
    return true;
#endif
}

#endif

} // namespace platform
