#include "PeakMemory.h"

#include "SqliteSide.h"
#include "TarvoSide.h"

#include "Memtable.h"

#include <cstdint>
#include <cstdio>
#include <cstring>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace {

const char IdleCommand[] = "--child-idle";
const char LoadSortCommand[] = "--child-load-sort";
const char SqliteReadCommand[] = "--child-sqlite-read";

int g_requests = -1; // to the launcher
int g_answers = -1;  // from it

bool readAll(int fd, void* data, std::size_t size)
{
    auto* p = static_cast<char*>(data);
    while (size > 0) {
        const ssize_t n = ::read(fd, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= std::size_t(n);
    }
    return true;
}

bool writeAll(int fd, const void* data, std::size_t size)
{
    const auto* p = static_cast<const char*>(data);
    while (size > 0) {
        const ssize_t n = ::write(fd, p, size);
        if (n <= 0)
            return false;
        p += n;
        size -= std::size_t(n);
    }
    return true;
}

std::uint64_t spawnAndMeasure(const std::string& self, std::vector<std::string> args)
{
    std::vector<char*> argv;
    std::string program = self;
    argv.push_back(program.data());
    for (std::string& a : args)
        argv.push_back(a.data());
    argv.push_back(nullptr);
    pid_t pid;
    if (posix_spawn(&pid, self.c_str(), nullptr, nullptr, argv.data(), environ) != 0)
        return 0;
    int status = 0;
    rusage usage{};
    if (wait4(pid, &status, 0, &usage) != pid || !WIFEXITED(status) || WEXITSTATUS(status) != 0)
        return 0;
    return std::uint64_t(usage.ru_maxrss) * 1024; // kilobytes on Linux
}

// The launcher: a command is a count of arguments, then each as a length and its bytes; the
// answer is the child's peak in bytes.
[[noreturn]] void serve(int requests, int answers, const std::string& self)
{
    for (;;) {
        std::uint32_t count;
        if (!readAll(requests, &count, sizeof count))
            _exit(0);
        std::vector<std::string> args(count);
        for (std::string& a : args) {
            std::uint32_t length;
            if (!readAll(requests, &length, sizeof length))
                _exit(1);
            a.resize(length);
            if (!readAll(requests, a.data(), length))
                _exit(1);
        }
        const std::uint64_t peak = spawnAndMeasure(self, std::move(args));
        if (!writeAll(answers, &peak, sizeof peak))
            _exit(1);
    }
}

} // namespace

int runChildCommand(int argc, char** argv)
{
    if (argc == 2 && std::strcmp(argv[1], IdleCommand) == 0)
        return 0;
    if (argc == 3 && std::strcmp(argv[1], LoadSortCommand) == 0) {
        const auto table = tarvoside::load(QString::fromLocal8Bit(argv[2]));
        tarvoside::sort(*table);
        return table->RecordCount() > 0 ? 0 : 1;
    }
    if (argc == 3 && std::strcmp(argv[1], SqliteReadCommand) == 0)
        return sqliteside::readOrdered(argv[2]) > 0 ? 0 : 1;
    return -1;
}

std::vector<std::string> idleChild()
{
    return {IdleCommand};
}

std::vector<std::string> loadAndSortChild(const std::string& tableFile)
{
    return {LoadSortCommand, tableFile};
}

std::vector<std::string> sqliteReadChild(const std::string& databaseFile)
{
    return {SqliteReadCommand, databaseFile};
}

void startChildLauncher()
{
    char self[4096];
    const ssize_t n = ::readlink("/proc/self/exe", self, sizeof self - 1);
    if (n <= 0)
        return;
    self[n] = '\0';
    int requests[2], answers[2];
    if (::pipe(requests) != 0 || ::pipe(answers) != 0)
        return;
    const pid_t pid = ::fork();
    if (pid == 0) {
        ::close(requests[1]);
        ::close(answers[0]);
        serve(requests[0], answers[1], self);
    }
    ::close(requests[0]);
    ::close(answers[1]);
    if (pid < 0)
        return;
    g_requests = requests[1];
    g_answers = answers[0];
}

std::size_t childPeakBytes(const std::vector<std::string>& command)
{
    if (g_requests < 0)
        return 0;
    const auto count = std::uint32_t(command.size());
    bool ok = writeAll(g_requests, &count, sizeof count);
    for (const std::string& a : command) {
        const auto length = std::uint32_t(a.size());
        ok = ok && writeAll(g_requests, &length, sizeof length) &&
             writeAll(g_requests, a.data(), a.size());
    }
    std::uint64_t peak = 0;
    if (!ok || !readAll(g_answers, &peak, sizeof peak) || peak == 0)
        std::fprintf(stderr, "bench child %s failed\n", command.front().c_str());
    return std::size_t(peak);
}
