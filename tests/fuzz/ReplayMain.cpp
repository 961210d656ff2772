// fuzz_tablefile_replay: the table file fuzz target without libFuzzer.
//
//   fuzz_tablefile_replay [--seconds N] [--seed S]   mutate the seed files for N seconds
//   fuzz_tablefile_replay FILE...                    run the given inputs (findings, crashes)
//   fuzz_tablefile_replay --write-corpus DIR          write the seed files, for libFuzzer
//
// The mutations come from a seeded generator, so a run with the same seed tries the same inputs
// in the same order. An input that crashes, trips a sanitizer or fails a check is written to
// "fuzz_tablefile-finding.dat" in the working folder.

#include "SeedCorpus.h"
#include "TableFileTarget.h"

#include <QDir>
#include <QFile>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <map>
#include <random>
#include <unistd.h>

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_UNDEFINED__)
#define TARVO_SANITIZED 1
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(undefined_behavior_sanitizer)
#define TARVO_SANITIZED 1
#endif
#endif
#ifdef TARVO_SANITIZED
#include <sanitizer/common_interface_defs.h>
#endif

namespace {

const char FindingFile[] = "fuzz_tablefile-finding.dat";

// The input being checked, for the crash handlers (which may only make plain system calls).
const QByteArray* g_current = nullptr;

void saveCurrentInput()
{
    if (!g_current)
        return;
    const int fd = ::open(FindingFile, O_WRONLY | O_CREAT | O_TRUNC, 0644);
    if (fd < 0)
        return;
    const char* data = g_current->constData();
    std::size_t left = std::size_t(g_current->size());
    while (left > 0) {
        const ssize_t n = ::write(fd, data, left);
        if (n <= 0)
            break;
        data += n;
        left -= std::size_t(n);
    }
    ::close(fd);
    const char note[] = "fuzz_tablefile_replay: input written to fuzz_tablefile-finding.dat\n";
    (void)!::write(2, note, sizeof note - 1);
}

void onFatalSignal(int signal)
{
    saveCurrentInput();
    std::signal(signal, SIG_DFL);
    std::raise(signal);
}

void installCrashHandlers()
{
#ifdef TARVO_SANITIZED
    __sanitizer_set_death_callback(saveCurrentInput);
#endif
    for (int s : {SIGSEGV, SIGBUS, SIGFPE, SIGILL, SIGABRT})
        std::signal(s, onFatalSignal);
}

// Runs one input; a finding is reported and ends the program.
CheckOutcome check(const QByteArray& input, const char* what)
{
    g_current = &input;
    try {
        const CheckOutcome outcome = checkTableFile(
            reinterpret_cast<const std::uint8_t*>(input.constData()), std::size_t(input.size()));
        g_current = nullptr;
        return outcome;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "fuzz_tablefile_replay: %s: %s\n", what, e.what());
    } catch (...) {
        std::fprintf(stderr, "fuzz_tablefile_replay: %s: an exception of an unknown type\n", what);
    }
    saveCurrentInput();
    std::exit(1);
}

class Mutator
{
public:
    explicit Mutator(std::uint64_t seed) : m_rng(seed) {}

    QByteArray mutate(QByteArray data, const std::vector<QByteArray>& pool)
    {
        const int steps = 1 + below(4);
        for (int i = 0; i < steps; ++i)
            step(data, pool);
        return data;
    }

private:
    int below(std::size_t n) { return n == 0 ? 0 : int(m_rng() % n); }
    qsizetype position(const QByteArray& d) { return qsizetype(below(std::size_t(d.size()))); }

    void step(QByteArray& d, const std::vector<QByteArray>& pool)
    {
        // Tag bytes and boundary values: the reader branches on these.
        static const char interesting[] = {0x00, 0x01, 0x02, 0x03, 0x04, 0x05,       0x06,
                                           0x07, 0x08, 0x09, 0x0C, 0x7F, char(0x80), char(0xFF)};
        static const std::int32_t wide[] = {0,
                                            -1,
                                            1,
                                            255,
                                            256,
                                            0x7fff,
                                            0x8000,
                                            0xffff,
                                            0x10000,
                                            0x7fffffff,
                                            std::int32_t(0x80000000)};
        switch (below(10)) {
        case 0:
            if (!d.isEmpty())
                d[position(d)] ^= char(1 << below(8));
            break;
        case 1:
            if (!d.isEmpty())
                d[position(d)] = char(m_rng());
            break;
        case 2:
            if (!d.isEmpty())
                d[position(d)] = interesting[below(sizeof interesting)];
            break;
        case 3:
            if (!d.isEmpty())
                d.remove(position(d), 1 + below(16));
            break;
        case 4: {
            QByteArray extra;
            for (int n = 1 + below(8); n > 0; --n)
                extra += char(m_rng());
            d.insert(d.isEmpty() ? 0 : position(d), extra);
            break;
        }
        case 5:
            if (!d.isEmpty()) {
                const qsizetype from = position(d);
                d.insert(position(d), d.mid(from, 1 + below(64)));
            }
            break;
        case 6:
            d.truncate(position(d));
            break;
        case 7:
            if (d.size() >= 4) {
                const std::int32_t v = wide[below(std::size(wide))];
                const qsizetype at = qsizetype(below(std::size_t(d.size() - 3)));
                for (int i = 0; i < 4; ++i)
                    d[at + i] = char((std::uint32_t(v) >> (8 * i)) & 0xff);
            }
            break;
        case 8: { // the head of this input with the tail of another
            const QByteArray& other = pool[std::size_t(below(pool.size()))];
            d = d.left(position(d)) + other.mid(position(other));
            break;
        }
        default: { // one tag replaced by another where a tag byte stands
            for (int tries = 0; tries < 8 && !d.isEmpty(); ++tries) {
                const qsizetype at = position(d);
                if (std::strchr("\x01\x02\x03\x04\x05\x06\x08\x09\x0C", d[at]) && d[at] != 0) {
                    d[at] = interesting[below(12)];
                    break;
                }
            }
            break;
        }
        }
    }

    std::mt19937_64 m_rng;
};

int writeCorpus(const QString& folder)
{
    QDir().mkpath(folder);
    for (const SeedFile& seed : seedFiles()) {
        QFile file(QDir(folder).filePath(seed.name));
        if (!file.open(QIODevice::WriteOnly) || file.write(seed.bytes) != seed.bytes.size()) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(file.fileName()));
            return 1;
        }
    }
    return 0;
}

int replayFiles(const QStringList& paths)
{
    for (const QString& path : paths) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
            return 1;
        }
        const QByteArray input = file.readAll();
        const CheckOutcome outcome = check(input, qPrintable(path));
        std::printf("%s: %s\n", qPrintable(path),
                    outcome.loaded ? "loaded" : ("refused: " + outcome.refusal).c_str());
    }
    return 0;
}

int mutateSeeds(double seconds, std::uint64_t seed)
{
    std::vector<QByteArray> pool;
    for (const SeedFile& s : seedFiles()) {
        if (!check(s.bytes, qPrintable(s.name)).loaded) {
            std::fprintf(stderr, "fuzz_tablefile_replay: seed %s does not load\n",
                         qPrintable(s.name));
            return 1;
        }
        pool.push_back(s.bytes);
    }
    const std::size_t seedCount = pool.size();
    // Inputs that still load are kept as starting points too, up to a bound.
    constexpr std::size_t PoolLimit = 512;

    Mutator mutator(seed);
    std::mt19937_64 pick(seed ^ 0x5eed);
    std::map<std::string, long> refusals;
    long runs = 0, loaded = 0;
    const auto start = std::chrono::steady_clock::now();
    const auto deadline = start + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        const QByteArray& parent = pool[pick() % pool.size()];
        const QByteArray input = mutator.mutate(parent, pool);
        const std::string label =
            "input " + std::to_string(runs) + " of seed " + std::to_string(seed);
        const CheckOutcome outcome = check(input, label.c_str());
        ++runs;
        if (outcome.loaded) {
            ++loaded;
            if (pool.size() < PoolLimit)
                pool.push_back(input);
            else
                pool[seedCount + pick() % (PoolLimit - seedCount)] = input;
        } else {
            // Grouped by the fixed part of the message, before the name or value it quotes.
            ++refusals[outcome.refusal.substr(0, outcome.refusal.find_first_of("('"))];
        }
    }
    const double took =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    std::printf("%ld inputs in %.1f s from %zu seeds (seed %llu): %ld loaded\n", runs, took,
                seedCount, static_cast<unsigned long long>(seed), loaded);
    for (const auto& [message, count] : refusals)
        std::printf("  %7ld refused: %s\n", count, message.c_str());
    return 0;
}

} // namespace

// UBSan reports end the program through abort(), so that the signal handler saves the input
// (GCC's UBSan runtime does not call the sanitizers' death callback).
extern "C" const char* __ubsan_default_options()
{
    return "abort_on_error=1:print_stacktrace=1";
}

int main(int argc, char** argv)
{
    installCrashHandlers();
    double seconds = 4;
    std::uint64_t seed = 1;
    QStringList files;
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        const bool hasValue = i + 1 < argc;
        if (arg == QLatin1String("--seconds") && hasValue)
            seconds = QString::fromLocal8Bit(argv[++i]).toDouble();
        else if (arg == QLatin1String("--seed") && hasValue)
            seed = QString::fromLocal8Bit(argv[++i]).toULongLong();
        else if (arg == QLatin1String("--write-corpus") && hasValue)
            return writeCorpus(QString::fromLocal8Bit(argv[++i]));
        else if (arg.startsWith(QLatin1Char('-'))) {
            std::fprintf(stderr, "usage: fuzz_tablefile_replay [--seconds N] [--seed S] | "
                                 "FILE... | --write-corpus DIR\n");
            return 2;
        } else
            files << arg;
    }
    return files.isEmpty() ? mutateSeeds(seconds, seed) : replayFiles(files);
}
