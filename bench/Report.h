#pragma once

#include "Timing.h"

#include <cstdint>
#include <string>
#include <vector>

// Everything measured on one agenda size; times in seconds (medians of the runs).
struct SizeResult
{
    std::size_t appointments = 0;
    std::size_t days = 0;
    int runs = 0;
    std::uint64_t fileBytes = 0;
    std::uint64_t databaseBytes = 0;

    double build = 0;
    double save = 0, insert = 0;
    double load = 0, sort = 0, loadSort = 0, orderedRead = 0;
    PerCall locate, sqlLocate;
    PerCall dayFill, sqlDayFill;
    PerCall month, sqlMonth;
    std::size_t peakIdle = 0, peakLoadSort = 0, peakSqliteRead = 0;

    std::vector<std::string> problems; // disagreements between the two sides
};

void printSize(const SizeResult& r);
// The goals, judged on the smallest and the largest size.
void printGoals(const std::vector<SizeResult>& results);
