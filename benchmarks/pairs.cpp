// SPDX-FileCopyrightText: The Unitavo developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Times two programs as whole processes, run by turns so that a change in the machine's load
// touches both alike: fork, exec, wait, with a monotonic clock, and the peak resident memory that
// the kernel reports for each child. Prints "key value" lines for scripts/bench.
//   unitavo_bench_pairs RUNS PROGRAM [ARGS...] -- PROGRAM [ARGS...]
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fcntl.h>
#include <string>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

struct Run {
    double milliseconds = 0.0;
    double cpuMilliseconds = 0.0; // user and system time of the child
    long peakKiB = 0;
};

double milliseconds(const timeval &t)
{
    return double(t.tv_sec) * 1e3 + double(t.tv_usec) / 1e3;
}

Run runOnce(std::vector<char *> &argv)
{
    const auto start = std::chrono::steady_clock::now();
    const pid_t child = fork();
    if (child < 0) {
        std::perror("fork");
        std::exit(2);
    }
    if (child == 0) {
        const int devnull = open("/dev/null", O_WRONLY);
        if (devnull >= 0)
            dup2(devnull, STDOUT_FILENO);
        execv(argv[0], argv.data());
        std::perror(argv[0]);
        _exit(127);
    }
    int status = 0;
    rusage usage{};
    if (wait4(child, &status, 0, &usage) < 0) {
        std::perror("wait4");
        std::exit(2);
    }
    const auto end = std::chrono::steady_clock::now();
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s failed (status %d)\n", argv[0], status);
        std::exit(2);
    }
    return {std::chrono::duration<double, std::milli>(end - start).count(),
        milliseconds(usage.ru_utime) + milliseconds(usage.ru_stime), usage.ru_maxrss};
}

double median(std::vector<double> v)
{
    std::sort(v.begin(), v.end());
    const std::size_t n = v.size();
    return n % 2 ? v[n / 2] : (v[n / 2 - 1] + v[n / 2]) / 2.0;
}

void report(const char *name, const std::vector<Run> &runs)
{
    std::vector<double> ms;
    std::vector<double> cpu;
    std::vector<double> kib;
    for (const Run &r : runs) {
        ms.push_back(r.milliseconds);
        cpu.push_back(r.cpuMilliseconds);
        kib.push_back(double(r.peakKiB));
    }
    std::printf("%s_ms_median %.3f\n%s_ms_min %.3f\n%s_ms_max %.3f\n%s_cpu_ms_median %.3f\n"
                "%s_kib_median %.0f\n",
        name, median(ms), name, *std::min_element(ms.begin(), ms.end()), name,
        *std::max_element(ms.begin(), ms.end()), name, median(cpu), name, median(kib));
}

} // namespace

int main(int argc, char *argv[])
{
    const int runs = argc > 1 ? std::atoi(argv[1]) : 0;
    int split = 2;
    while (split < argc && std::strcmp(argv[split], "--") != 0)
        ++split;
    if (runs < 1 || split == 2 || split + 1 >= argc) {
        std::fprintf(stderr, "usage: %s RUNS PROGRAM [ARGS...] -- PROGRAM [ARGS...]\n", argv[0]);
        return 2;
    }
    std::vector<char *> first(argv + 2, argv + split);
    std::vector<char *> second(argv + split + 1, argv + argc);
    first.push_back(nullptr);
    second.push_back(nullptr);

    for (int i = 0; i < 3; ++i) { // warm the page cache and the font cache
        runOnce(first);
        runOnce(second);
    }
    std::vector<Run> a;
    std::vector<Run> b;
    std::vector<double> timeRatios;
    std::vector<double> cpuRatios;
    std::vector<double> memoryRatios;
    for (int i = 0; i < runs; ++i) {
        // Alternate which goes first, so neither always follows the other.
        const bool firstLeads = i % 2 == 0;
        const Run x = firstLeads ? runOnce(first) : runOnce(second);
        const Run y = firstLeads ? runOnce(second) : runOnce(first);
        a.push_back(firstLeads ? x : y);
        b.push_back(firstLeads ? y : x);
        timeRatios.push_back(a.back().milliseconds / b.back().milliseconds);
        cpuRatios.push_back(a.back().cpuMilliseconds / b.back().cpuMilliseconds);
        memoryRatios.push_back(double(a.back().peakKiB) / double(b.back().peakKiB));
    }
    report("first", a);
    report("second", b);
    std::printf("time_ratio_median %.3f\ncpu_ratio_median %.3f\nmemory_ratio_median %.3f\n",
        median(timeRatios), median(cpuRatios), median(memoryRatios));
    return 0;
}
