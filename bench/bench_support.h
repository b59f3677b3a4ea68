#pragma once

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <functional>
#include <malloc.h>
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

// Two pieces of work timed in turns, each run on its own, until each has run for at
// least the given total time: the best run of each. Taking turns lets a busy moment of the
// machine fall on both sides alike, and many runs make the ratio of short work steady.
struct SideBySide {
    double work = 0;
    double reference = 0;
};

inline SideBySide bestSideBySide(const std::function<void()>& work, const std::function<void()>& reference,
                                 double totalSecondsEach = 0.1)
{
    SideBySide best{1e100, 1e100};
    double workTotal = 0;
    double referenceTotal = 0;
    for (int turn = 0; turn < 5 || workTotal < totalSecondsEach || referenceTotal < totalSecondsEach; ++turn) {
        const double workRun = bestSeconds(1, work);
        const double referenceRun = bestSeconds(1, reference);
        workTotal += workRun;
        referenceTotal += referenceRun;
        best.work = std::min(best.work, workRun);
        best.reference = std::min(best.reference, referenceRun);
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

// How far the resident memory of a child process grows above what it starts with while
// it runs the work, in bytes: the peak is reset at the start (Linux clear_refs), so what
// the child inherits from this process does not count. -1 where that is not possible.
inline long peakGrowthInChild(const std::function<void()>& work)
{
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0)
        return -1;
    const auto statusKilobytes = [](const char* key) {
        long value = -1;
        if (std::FILE* status = std::fopen("/proc/self/status", "r")) {
            char line[256];
            while (std::fgets(line, sizeof line, status)) {
                if (std::string(line).rfind(key, 0) == 0)
                    value = std::strtol(line + std::string(key).size(), nullptr, 10);
            }
            std::fclose(status);
        }
        return value;
    };
    const pid_t child = ::fork();
    if (child == 0) {
        long growth = -1;
        ::malloc_trim(0);  // free memory kept from this process would hide the growth
        if (std::FILE* clear = std::fopen("/proc/self/clear_refs", "w")) {
            std::fputs("5", clear);
            std::fclose(clear);
            const long start = statusKilobytes("VmRSS:");
            work();
            growth = (statusKilobytes("VmHWM:") - start) * 1024L;
        }
        [[maybe_unused]] const auto written = ::write(pipeEnds[1], &growth, sizeof growth);
        ::_exit(0);
    }
    long growth = -1;
    [[maybe_unused]] const auto read = ::read(pipeEnds[0], &growth, sizeof growth);
    ::waitpid(child, nullptr, 0);
    ::close(pipeEnds[0]);
    ::close(pipeEnds[1]);
    return growth;
}

inline void printRatio(const char* what, double value, double reference, const char* target)
{
    std::printf("%-44s %9.4f s  vs %9.4f s   ratio %5.2fx  (target %s)\n", what, value, reference,
                value / reference, target);
}

} // namespace vexa::bench
