#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace vexa::bench {

// The best of several runs, in seconds: the least disturbed by the rest of the machine.
inline double bestSeconds(int runs, const std::function<void()>& work)
{
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        const auto start = std::chrono::steady_clock::now();
        work();
        best = std::min(best, std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count());
    }
    return best;
}

// The same, with a setup before each run that is not timed.
inline double bestSeconds(int runs, const std::function<void()>& setup, const std::function<void()>& work)
{
    double best = 1e100;
    for (int i = 0; i < runs; ++i) {
        setup();
        best = std::min(best, bestSeconds(1, work));
    }
    return best;
}

// The peak resident memory, in bytes, of a child process that runs the work.
inline long peakBytesInChild(const std::function<void()>& work)
{
    const pid_t child = ::fork();
    if (child == 0) {
        work();
        ::_exit(0);
    }
    int status = 0;
    rusage usage{};
    ::wait4(child, &status, 0, &usage);
    return usage.ru_maxrss * 1024L;
}

inline void printRatio(const char* what, double value, double reference, const char* target)
{
    std::printf("%-44s %9.3f s  vs %9.3f s   ratio %5.2fx  (target %s)\n", what, value, reference,
                value / reference, target);
}

} // namespace vexa::bench
