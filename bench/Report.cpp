#include "Report.h"

#include <cmath>
#include <cstdio>

namespace {

std::string timeText(double seconds)
{
    char text[32];
    if (seconds >= 1)
        std::snprintf(text, sizeof text, "%.2f s", seconds);
    else if (seconds >= 1e-3)
        std::snprintf(text, sizeof text, "%.1f ms", seconds * 1e3);
    else if (seconds >= 1e-6)
        std::snprintf(text, sizeof text, "%.2f us", seconds * 1e6);
    else
        std::snprintf(text, sizeof text, "%.0f ns", seconds * 1e9);
    return text;
}

std::string megabytes(std::uint64_t bytes)
{
    char text[32];
    std::snprintf(text, sizeof text, "%.1f MB", double(bytes) / 1e6);
    return text;
}

std::string count(std::size_t n)
{
    const std::string digits = std::to_string(n);
    std::string grouped;
    for (std::size_t i = 0; i < digits.size(); ++i) {
        if (i > 0 && (digits.size() - i) % 3 == 0)
            grouped += ',';
        grouped += digits[i];
    }
    return grouped;
}

void row(const char* what, double ours, double theirs, const std::string& note = {})
{
    if (theirs > 0)
        std::printf("  %-34s %12s %12s %8.2f  %s\n", what, timeText(ours).c_str(),
                    timeText(theirs).c_str(), ours / theirs, note.c_str());
    else
        std::printf("  %-34s %12s\n", what, timeText(ours).c_str());
}

const char* verdict(bool pass)
{
    return pass ? "PASS" : "MISS";
}

std::string callsNote(const PerCall& ours, const PerCall& theirs)
{
    return count(ours.calls) + " / " + count(theirs.calls) + " calls per run";
}

// The memory that the table itself needs: the child's peak less that of an idle child.
double netMemoryRatio(const SizeResult& r, std::size_t peak, std::uint64_t fileBytes)
{
    return double(peak > r.peakIdle ? peak - r.peakIdle : 0) / double(fileBytes);
}

} // namespace

void printSize(const SizeResult& r)
{
    std::printf("\nAgenda of %s appointments over %s days, median of %d runs\n",
                count(r.appointments).c_str(), count(r.days).c_str(), r.runs);
    std::printf("  table file %s, SQLite database %s; table filled in memory in %s\n",
                megabytes(r.fileBytes).c_str(), megabytes(r.databaseBytes).c_str(),
                timeText(r.build).c_str());
    std::printf("  %-34s %12s %12s %8s\n", "", "Tarvo", "SQLite", "ratio");
    row("save / insert in one transaction", r.save, r.insert);
    row("load", r.load, 0);
    row("sort on Giorno;Ora", r.sort, 0);
    row("load + sort / ordered read", r.loadSort, r.orderedRead);
    row("locate Giorno;Ora, per call", r.locate.seconds, r.sqlLocate.seconds,
        callsNote(r.locate, r.sqlLocate));
    row("day list, per day", r.dayFill.seconds, r.sqlDayFill.seconds,
        callsNote(r.dayFill, r.sqlDayFill));
    row("month of counts, per month", r.month.seconds, r.sqlMonth.seconds,
        callsNote(r.month, r.sqlMonth));
    std::printf("  %-34s %12s %12s %8.2f  idle process %s\n", "peak memory (load+sort / read)",
                megabytes(r.peakLoadSort).c_str(), megabytes(r.peakSqliteRead).c_str(),
                double(r.peakLoadSort) / double(r.peakSqliteRead), megabytes(r.peakIdle).c_str());
    std::printf("  %-34s %11.2fx %11.2fx\n", "  net of idle, per file size",
                netMemoryRatio(r, r.peakLoadSort, r.fileBytes),
                netMemoryRatio(r, r.peakSqliteRead, r.databaseBytes));
    for (const std::string& p : r.problems)
        std::printf("  PROBLEM: %s\n", p.c_str());
}

void goal(const char* what, const std::string& scope, double value, double limit)
{
    std::printf("  %-48s %-24s %7.2f %7.2f  %s\n", what, scope.c_str(), value, limit,
                verdict(value <= limit));
}

void printGoals(const std::vector<SizeResult>& results)
{
    const SizeResult& small = results.front();
    const SizeResult& big = results.back();
    std::printf("\nGoals\n  %-48s %-24s %7s %7s\n", "", "", "value", "limit");
    for (const SizeResult* r : {&small, &big})
        goal("load+sort / SQLite ordered read", count(r->appointments),
             r->loadSort / r->orderedRead, 0.5);
    for (const SizeResult* r : {&small, &big})
        goal("save / SQLite insert", count(r->appointments), r->save / r->insert, 0.5);
    if (results.size() > 1) {
        // Logarithmic growth gives about log(big)/log(small); a linear scan gives big/small.
        // The limit leaves room for cache misses, which grow with the table too.
        const double ideal =
            std::log(double(big.appointments)) / std::log(double(small.appointments));
        const double linear = double(big.appointments) / double(small.appointments);
        const std::string scope = count(big.appointments) + " vs " + count(small.appointments);
        char what[96];
        std::snprintf(what, sizeof what, "locate, growth per call (log %.2f, linear %.0f)", ideal,
                      linear);
        goal(what, scope, big.locate.seconds / small.locate.seconds, 1 + (linear - 1) / 4);
        std::snprintf(what, sizeof what, "day list, growth per day (log %.2f, linear %.0f)", ideal,
                      linear);
        goal(what, scope, big.dayFill.seconds / small.dayFill.seconds, 1 + (linear - 1) / 4);
    }
    for (const SizeResult* r : {&small, &big})
        goal("peak memory of load+sort / file size", count(r->appointments) + " (net of idle)",
             netMemoryRatio(*r, r->peakLoadSort, r->fileBytes), 2);
}
