// tarvo-table: the organiser's table files from the command line.
//
//   tarvo-table dump FILE [--sort FIELDS] [--case-insensitive]
//   tarvo-table resave IN OUT
//   tarvo-table csv IN OUT
//
// Exit status 0 on success, 1 when the record store refuses (its message alone on standard
// error), 2 on wrong usage.

#include "Commands.h"
#include "StoreErrors.h"

#include <QFile>
#include <QStringList>
#include <cstdio>
#include <cstring>
#include <new>
#include <optional>

namespace {

constexpr int ExitFailure = 1;
constexpr int ExitUsage = 2;

const char UsageText[] =
    "usage: tarvo-table dump FILE [--sort FIELDS] [--case-insensitive]\n"
    "       tarvo-table resave IN OUT\n"
    "       tarvo-table csv IN OUT\n"
    "\n"
    "  dump    print the table in FILE as JSON: fields, indexes and records in file order,\n"
    "          or sorted on FIELDS (names separated by ';'), ignoring case if asked\n"
    "  resave  read IN and write the same table to OUT in the table file format\n"
    "  csv     read IN and write it to OUT as the organiser's CSV export\n";

int usage()
{
    std::fputs(UsageText, stderr);
    return ExitUsage;
}

void printError(const QString& message)
{
    const QByteArray text = message.toLocal8Bit();
    std::fwrite(text.constData(), 1, std::size_t(text.size()), stderr);
    std::fputc('\n', stderr);
}

std::optional<DumpRequest> parseDump(const QStringList& args)
{
    DumpRequest request;
    bool haveFile = false;
    for (qsizetype i = 0; i < args.size(); ++i) {
        const QString& arg = args[i];
        if (arg == QLatin1String("--sort")) {
            if (request.sort || ++i >= args.size())
                return std::nullopt;
            request.sort = true;
            request.sortFields = args[i];
        } else if (arg.startsWith(QLatin1String("--sort="))) {
            if (request.sort)
                return std::nullopt;
            request.sort = true;
            request.sortFields = arg.mid(7);
        } else if (arg == QLatin1String("--case-insensitive")) {
            request.caseInsensitive = true;
        } else if (arg.startsWith(QLatin1Char('-')) && arg.size() > 1) {
            return std::nullopt;
        } else if (!haveFile) {
            request.file = arg;
            haveFile = true;
        } else {
            return std::nullopt;
        }
    }
    // Ignoring case only means something for a sort.
    if (!haveFile || (request.caseInsensitive && !request.sort))
        return std::nullopt;
    return request;
}

int run(const QString& command, const QStringList& args)
{
    if (command == QLatin1String("dump")) {
        const auto request = parseDump(args);
        if (!request)
            return usage();
        if (!dumpTable(*request)) {
            std::fputs("Cannot write to standard output\n", stderr);
            return ExitFailure;
        }
        return 0;
    }
    if (command == QLatin1String("resave") || command == QLatin1String("csv")) {
        if (args.size() != 2)
            return usage();
        if (command == QLatin1String("resave"))
            resaveTable(args[0], args[1]);
        else
            exportCsv(args[0], args[1]);
        return 0;
    }
    return usage();
}

} // namespace

int main(int argc, char** argv)
{
    if (argc == 2 && (std::strcmp(argv[1], "--help") == 0 || std::strcmp(argv[1], "-h") == 0)) {
        std::fputs(UsageText, stdout);
        return 0;
    }
    if (argc < 2)
        return usage();
    QStringList args;
    for (int i = 2; i < argc; ++i)
        args << QFile::decodeName(argv[i]);
    try {
        return run(QString::fromLocal8Bit(argv[1]), args);
    } catch (const EStoreError& e) {
        printError(e.Message());
    } catch (const std::bad_alloc&) {
        printError(QStringLiteral("Out of memory"));
    }
    return ExitFailure;
}
