#pragma once

#include <QString>
#include <optional>

namespace platform {

struct ProcessHandle
{
    qint64 pid = 0;
};

// Starts a program (the command line is the program's path, no arguments) with the caller's
// environment and current folder. On failure returns nothing and gives the system's own text
// for the error.
std::optional<ProcessHandle> startProgram(const QString& commandLine, QString* errorText);

// Waits up to timeoutMs for the process to end; true when it has ended (and is reaped).
bool waitForExit(const ProcessHandle& process, int timeoutMs);

} // namespace platform
