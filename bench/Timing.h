#pragma once

#include <algorithm>
#include <chrono>
#include <cstddef>
#include <vector>

using BenchClock = std::chrono::steady_clock;

inline double secondsSince(BenchClock::time_point start)
{
    return std::chrono::duration<double>(BenchClock::now() - start).count();
}

// Seconds taken by one call of f.
template <typename F> double timeOnce(F&& f)
{
    const auto start = BenchClock::now();
    f();
    return secondsSince(start);
}

inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0;
    std::sort(values.begin(), values.end());
    const std::size_t mid = values.size() / 2;
    return values.size() % 2 ? values[mid] : (values[mid - 1] + values[mid]) / 2;
}

struct PerCall
{
    double seconds = 0; // per call
    std::size_t calls = 0;
};

// Calls f(0), f(1), ... up to `calls` times, stopping early once the budget is spent (slow
// operations on the big table would otherwise take minutes), and gives the time per call.
template <typename F> PerCall timePerCall(std::size_t calls, double budgetSeconds, F&& f)
{
    const auto start = BenchClock::now();
    const auto deadline = start + std::chrono::duration<double>(budgetSeconds);
    std::size_t done = 0;
    while (done < calls) {
        f(done++);
        if (done >= 10 && BenchClock::now() > deadline)
            break;
    }
    return {secondsSince(start) / double(done), done};
}
