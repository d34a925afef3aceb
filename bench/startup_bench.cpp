// Start-up time and peak memory of the real program against a bare Qt Widgets window.
//
//   tvirdex_startup_bench [rounds=15] [real=<Tvirdex>] [bare=<tvirdex_bare>] [probe=<module>]
//
// Each run is the whole process: the clock starts before fork and stops when the child has
// exited, which the preloaded probe makes it do right after its first complete paint. Runs
// alternate real, bare, real, bare, ... so drifts in machine load hit both alike; the first
// pair only warms the caches and is not counted. Needs a display (run under xvfb-run).

#include "median.h"

#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <ctime>
#include <string>
#include <vector>

#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

struct Run
{
    double ms = 0;
    double cpuMs = 0; // user + system time of the child: less disturbed by other load than ms
    long maxRssKiB = 0;
};

double nowMs()
{
    timespec t {};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

// False when the child did not start, failed, or showed no painted window within 30 s.
bool runOnce(const std::string &exe, const std::string &probe, Run &run)
{
    sigset_t chld;
    sigemptyset(&chld);
    sigaddset(&chld, SIGCHLD);

    const double start = nowMs();
    const pid_t pid = fork();
    if (pid < 0)
        return false;
    if (pid == 0) {
        sigprocmask(SIG_UNBLOCK, &chld, nullptr);
        setenv("TVIRDEX_BENCH_EXIT_AFTER_PAINT", "1", 1);
        setenv("LD_PRELOAD", probe.c_str(), 1);
        execl(exe.c_str(), exe.c_str(), static_cast<char *>(nullptr));
        std::perror(exe.c_str());
        _exit(127);
    }

    const timespec limit {30, 0};
    int status = 0;
    rusage usage {};
    for (;;) {
        const int sig = sigtimedwait(&chld, nullptr, &limit);
        if (sig < 0 && errno == EINTR)
            continue;
        if (sig < 0) {
            kill(pid, SIGKILL);
            wait4(pid, &status, 0, &usage);
            std::fprintf(stderr, "%s: no painted window after 30 s\n", exe.c_str());
            return false;
        }
        if (wait4(pid, &status, WNOHANG, &usage) == pid)
            break;
    }
    run.ms = nowMs() - start;
    run.maxRssKiB = usage.ru_maxrss;
    run.cpuMs = (usage.ru_utime.tv_sec + usage.ru_stime.tv_sec) * 1e3
        + (usage.ru_utime.tv_usec + usage.ru_stime.tv_usec) / 1e3;
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
        std::fprintf(stderr, "%s: ended with status %d\n", exe.c_str(), status);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    const int rounds = argc > 1 ? std::atoi(argv[1]) : 15;
    const std::string real = argc > 2 ? argv[2] : TVIRDEX_BENCH_REAL;
    const std::string bare = argc > 3 ? argv[3] : TVIRDEX_BENCH_BARE;
    const std::string probe = argc > 4 ? argv[4] : TVIRDEX_BENCH_PROBE;
    if (rounds < 1) {
        std::fprintf(stderr, "usage: tvirdex_startup_bench [rounds=15] [real] [bare] [probe]\n");
        return 2;
    }
    if (!std::getenv("DISPLAY") && !std::getenv("QT_QPA_PLATFORM")) {
        std::fprintf(stderr, "tvirdex_startup_bench: no display; run it under xvfb-run\n");
        return 2;
    }

    // SIGCHLD stays blocked so sigtimedwait can collect it without a handler race.
    sigset_t chld;
    sigemptyset(&chld);
    sigaddset(&chld, SIGCHLD);
    sigprocmask(SIG_BLOCK, &chld, nullptr);

    std::vector<double> realMs, bareMs, realCpu, bareCpu, realKiB, bareKiB;
    for (int i = -1; i < rounds; ++i) {
        Run r, b;
        if (!runOnce(real, probe, r) || !runOnce(bare, probe, b))
            return 1;
        if (i < 0)
            continue;
        realMs.push_back(r.ms);
        bareMs.push_back(b.ms);
        realCpu.push_back(r.cpuMs);
        bareCpu.push_back(b.cpuMs);
        realKiB.push_back(r.maxRssKiB);
        bareKiB.push_back(b.maxRssKiB);
        std::printf(
            "run %2d  real %6.1f ms (cpu %5.1f) %6ld KiB   bare %6.1f ms (cpu %5.1f) %6ld KiB\n",
            i + 1, r.ms, r.cpuMs, r.maxRssKiB, b.ms, b.cpuMs, b.maxRssKiB);
    }

    // Rows for the summary table of run-benchmarks: measure, figure, target, verdict. The targets
    // are ratios to the bare window measured alongside, so they hold on any machine; CPU time has
    // none, it shows how much of the wall time is the program's. The runs above show the spread.
    const auto row
        = [rounds](const char *measure, const char *unit, double real, double bare, double limit) {
              std::printf("RESULT\t%s (median, %d runs)\treal %.1f %s / bare %.1f %s = %.3f\t",
                  measure, rounds, real, unit, bare, unit, real / bare);
              if (limit > 0)
                  std::printf("<= %.2f\t%s\n", limit, real / bare <= limit ? "met" : "MISSED");
              else
                  std::printf("-\t-\n");
          };
    row("start-up to first paint", "ms", bench::median(realMs), bench::median(bareMs), 1.25);
    row("cpu time to first paint", "ms", bench::median(realCpu), bench::median(bareCpu), 0);
    row("peak resident memory", "MiB", bench::median(realKiB) / 1024.0,
        bench::median(bareKiB) / 1024.0, 1.10);
    return 0;
}
