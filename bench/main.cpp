// tarvo-bench: the record store on agendas of 100,000 and 1,000,000 appointments, each figure
// beside SQLite's doing the same work, with the goals the store is held to.
//
//   tarvo-bench [--sizes 100000,1000000]

#include "AgendaData.h"
#include "PeakMemory.h"
#include "Report.h"
#include "SqliteSide.h"
#include "TarvoSide.h"

#include "Memtable.h"

#include <QDir>
#include <QFileInfo>
#include <QStringList>
#include <QTemporaryDir>
#include <cstdio>
#include <cstring>
#include <random>
#include <thread>

namespace {

PerCall medianOf(const std::vector<PerCall>& runs)
{
    std::vector<double> seconds;
    for (const PerCall& r : runs)
        seconds.push_back(r.seconds);
    return {median(seconds), runs.empty() ? 0 : runs.front().calls};
}

// Days picked at random among those that have appointments.
std::vector<std::int32_t> randomDays(const Agenda& agenda, std::size_t n, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    std::vector<std::int32_t> days;
    for (std::size_t i = 0; i < n; ++i)
        days.push_back(agenda.days[rng() % agenda.days.size()]);
    return days;
}

std::vector<std::int32_t> randomMonthStarts(const Agenda& agenda, std::size_t n, std::uint64_t seed)
{
    std::mt19937_64 rng(seed);
    const std::size_t span = agenda.days.size() > 30 ? agenda.days.size() - 30 : 1;
    std::vector<std::int32_t> starts;
    for (std::size_t i = 0; i < n; ++i)
        starts.push_back(agenda.days[rng() % span]);
    return starts;
}

void agree(SizeResult& r, const char* what, std::size_t ours, std::size_t theirs)
{
    if (ours != theirs)
        r.problems.push_back(std::string(what) + ": Tarvo " + std::to_string(ours) + ", SQLite " +
                             std::to_string(theirs));
}

SizeResult measure(std::size_t appointments, const QString& folder)
{
    SizeResult r;
    r.appointments = appointments;
    r.runs = appointments > 200000 ? 3 : 5;
    // Slow searches on the big table stop after this much time per run.
    const double budget = 2.0;
    const std::string tablePath = QDir(folder).filePath("Agenda.dat").toStdString();
    const std::string dbPath = QDir(folder).filePath("agenda.sqlite").toStdString();

    std::fprintf(stderr, "%zu appointments: generating", appointments);
    const Agenda agenda = makeAgenda(appointments, 20041225 + appointments);
    r.days = agenda.days.size();

    std::fprintf(stderr, ", Tarvo");
    std::unique_ptr<TMemTable> table;
    r.build = timeOnce([&] { table = tarvoside::makeTable(agenda); });
    std::vector<double> saves, loads, sorts, loadSorts;
    for (int run = 0; run < r.runs; ++run)
        saves.push_back(
            timeOnce([&] { tarvoside::save(*table, QString::fromStdString(tablePath)); }));
    table.reset();
    r.save = median(saves);
    r.fileBytes = std::uint64_t(QFileInfo(QString::fromStdString(tablePath)).size());
    for (int run = 0; run < r.runs; ++run) {
        table.reset();
        const double load =
            timeOnce([&] { table = tarvoside::load(QString::fromStdString(tablePath)); });
        const double sort = timeOnce([&] { tarvoside::sort(*table); });
        loads.push_back(load);
        sorts.push_back(sort);
        loadSorts.push_back(load + sort);
    }
    r.load = median(loads);
    r.sort = median(sorts);
    r.loadSort = median(loadSorts);
    if (std::size_t(table->RecordCount()) != appointments)
        r.problems.push_back("the loaded table holds " + std::to_string(table->RecordCount()) +
                             " records");

    std::vector<PerCall> locates, fills, months;
    std::size_t misses = 0, fillRecords = 0, monthRecords = 0;
    for (int run = 0; run < r.runs; ++run) {
        locates.push_back(tarvoside::locate(*table, agenda, 10000, budget, run, &misses));
        fills.push_back(
            tarvoside::fillDays(*table, randomDays(agenda, 1000, run), budget, &fillRecords));
        months.push_back(tarvoside::countMonths(*table, randomMonthStarts(agenda, 50, run), budget,
                                                &monthRecords));
    }
    r.locate = medianOf(locates);
    r.dayFill = medianOf(fills);
    r.month = medianOf(months);
    if (misses)
        r.problems.push_back(std::to_string(misses) + " existing keys not found by Locate");
    table.reset();

    std::fprintf(stderr, ", memory");
    r.peakIdle = childPeakBytes(idleChild());
    r.peakLoadSort = childPeakBytes(loadAndSortChild(tablePath));

    std::fprintf(stderr, ", SQLite");
    std::vector<double> inserts, reads;
    for (int run = 0; run < r.runs; ++run)
        inserts.push_back(timeOnce([&] { sqliteside::insert(agenda, dbPath); }));
    r.insert = median(inserts);
    r.databaseBytes = std::uint64_t(QFileInfo(QString::fromStdString(dbPath)).size());
    for (int run = 0; run < r.runs; ++run)
        reads.push_back(timeOnce([&] { (void)sqliteside::readOrdered(dbPath); }));
    r.orderedRead = median(reads);
    {
        sqliteside::Connection db(dbPath);
        std::vector<PerCall> sqlLocates, sqlFills, sqlMonths;
        std::size_t sqlMisses = 0, sqlFillRecords = 0, sqlMonthRecords = 0;
        // The same seeds as above: the same keys, days and months on both sides.
        for (int run = 0; run < r.runs; ++run) {
            sqlLocates.push_back(db.locate(agenda, 10000, budget, run, &sqlMisses));
            sqlFills.push_back(db.fillDays(randomDays(agenda, 1000, run), budget, &sqlFillRecords));
            sqlMonths.push_back(
                db.countMonths(randomMonthStarts(agenda, 50, run), budget, &sqlMonthRecords));
        }
        r.sqlLocate = medianOf(sqlLocates);
        r.sqlDayFill = medianOf(sqlFills);
        r.sqlMonth = medianOf(sqlMonths);
        if (sqlMisses)
            r.problems.push_back(std::to_string(sqlMisses) + " keys not found by SQLite");
        // Compared only when both sides got through the same calls in the last run.
        if (fills.back().calls == sqlFills.back().calls)
            agree(r, "records in the day lists", fillRecords, sqlFillRecords);
        if (months.back().calls == sqlMonths.back().calls)
            agree(r, "records counted in the months", monthRecords, sqlMonthRecords);
    }
    r.peakSqliteRead = childPeakBytes(sqliteReadChild(dbPath));
    std::fprintf(stderr, ", done\n");
    return r;
}

std::vector<std::size_t> parseSizes(int argc, char** argv)
{
    std::vector<std::size_t> sizes = {100000, 1000000};
    for (int i = 1; i + 1 < argc; ++i) {
        if (std::strcmp(argv[i], "--sizes") != 0)
            continue;
        sizes.clear();
        for (const QString& s : QString::fromLocal8Bit(argv[i + 1]).split(u','))
            if (s.toULongLong() > 0)
                sizes.push_back(std::size_t(s.toULongLong()));
    }
    return sizes;
}

} // namespace

int main(int argc, char** argv)
{
    const int child = runChildCommand(argc, argv);
    if (child >= 0)
        return child;
    startChildLauncher();
    const std::vector<std::size_t> sizes = parseSizes(argc, argv);
    if (sizes.empty()) {
        std::fprintf(stderr, "usage: tarvo-bench [--sizes 100000,1000000]\n");
        return 2;
    }

    QTemporaryDir folder;
    if (!folder.isValid()) {
        std::fprintf(stderr, "cannot create a temporary folder\n");
        return 1;
    }
    const auto start = BenchClock::now();
    std::vector<SizeResult> results;
    for (std::size_t n : sizes)
        results.push_back(measure(n, folder.path()));

    std::printf("Tarvo record store against SQLite %s (steady clock, %u cores)\n",
                sqliteside::version().c_str(), std::thread::hardware_concurrency());
    for (const SizeResult& r : results)
        printSize(r);
    printGoals(results);
    std::printf("\nWhole run %.0f s\n", secondsSince(start));
    return 0;
}
