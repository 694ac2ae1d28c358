// SPDX-License-Identifier: GPL-3.0-or-later
// perf_probe: starts a program that reports its first paint (ARCADE_REPORT_PAINT) and measures
// it from outside, through /proc:
//
//   perf_probe [--settle MS] [--idle SECONDS] PROGRAM [ARGS...]
//
// Prints one line:
//   startup_ms=<fork until the first window was painted, on CLOCK_MONOTONIC>
//   proc_ms=<the same as the program saw it, from its /proc start time, 10 ms resolution>
//   hwm_kb=<VmHWM> rss_kb=<VmRSS>, read MS milliseconds after the first paint (default 500)
//   idle_cpu_pct=<CPU time of all its threads over SECONDS left alone, in % of one core>
// then ends the program. Exits non-zero when the program does not report within 30 s or dies.
#include <cerrno>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <dirent.h>
#include <fstream>
#include <poll.h>
#include <sstream>
#include <string>
#include <sys/wait.h>
#include <unistd.h>

namespace {

long long monotonicNs()
{
    timespec t{};
    clock_gettime(CLOCK_MONOTONIC, &t);
    return (long long)t.tv_sec * 1'000'000'000LL + t.tv_nsec;
}

void sleepMs(long ms)
{
    timespec t{ms / 1000, (ms % 1000) * 1'000'000};
    while (nanosleep(&t, &t) != 0 && errno == EINTR) {
    }
}

// A "Vm...:  1234 kB" line of /proc/PID/status, in kB.
long statusKb(pid_t pid, const std::string &key)
{
    std::ifstream file("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(file, line))
        if (line.rfind(key + ":", 0) == 0) return std::atol(line.c_str() + key.size() + 1);
    return -1;
}

// CPU time of every thread of the process, in ns: the first field of each task's schedstat
// (nanosecond resolution); utime + stime of /proc/PID/stat where schedstat is missing.
long long cpuNs(pid_t pid)
{
    const std::string base = "/proc/" + std::to_string(pid);
    long long total = 0;
    bool found = false;
    if (DIR *dir = opendir((base + "/task").c_str())) {
        while (dirent *e = readdir(dir)) {
            if (e->d_name[0] == '.') continue;
            std::ifstream file(base + "/task/" + e->d_name + "/schedstat");
            long long ns = 0;
            if (file >> ns) {
                total += ns;
                found = true;
            }
        }
        closedir(dir);
    }
    if (found) return total;
    std::ifstream file(base + "/stat");
    std::string stat;
    std::getline(file, stat);
    std::istringstream fields(stat.substr(stat.rfind(')') + 2));
    std::string field;
    long long ticks = 0;
    for (int i = 3; i <= 15; ++i) {
        fields >> field;
        if (i >= 14) ticks += std::atoll(field.c_str()); // utime, stime
    }
    return ticks * 1'000'000'000LL / sysconf(_SC_CLK_TCK);
}

int usage()
{
    std::fprintf(stderr, "usage: perf_probe [--settle MS] [--idle SECONDS] PROGRAM [ARGS...]\n");
    return 2;
}

} // namespace

int main(int argc, char *argv[])
{
    long settleMs = 500;
    double idleSeconds = 0;
    int first = 1;
    for (; first + 1 < argc && argv[first][0] == '-'; first += 2) {
        if (std::strcmp(argv[first], "--settle") == 0)
            settleMs = std::atol(argv[first + 1]);
        else if (std::strcmp(argv[first], "--idle") == 0)
            idleSeconds = std::atof(argv[first + 1]);
        else
            return usage();
    }
    if (first >= argc) return usage();

    int out[2];
    if (pipe(out) != 0) return 1;
    setenv("ARCADE_REPORT_PAINT", "1", 1);
    const long long started = monotonicNs();
    const pid_t pid = fork();
    if (pid < 0) return 1;
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[first], argv + first);
        std::perror(argv[first]);
        _exit(127);
    }
    close(out[1]);

    const auto fail = [pid](const char *why) {
        std::fprintf(stderr, "perf_probe: %s\n", why);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    };

    // Read until the report line; the pipe stays open so that later output cannot hurt it.
    std::string text;
    std::size_t at = std::string::npos;
    const long long deadline = started + 30'000'000'000LL;
    while ((at = text.find("first-paint ")) == std::string::npos ||
           text.find('\n', at) == std::string::npos) {
        const long long left = (deadline - monotonicNs()) / 1'000'000;
        if (left <= 0) return fail("no first-paint report within 30 s");
        pollfd p{out[0], POLLIN, 0};
        if (poll(&p, 1, int(left)) <= 0) continue;
        char buffer[512];
        const ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) return fail("the program ended before its first paint");
        text.append(buffer, std::size_t(n));
    }
    double procMs = 0;
    long long paintedNs = 0;
    std::istringstream(text.substr(at + 12)) >> procMs >> paintedNs;

    sleepMs(settleMs);
    const long hwm = statusKb(pid, "VmHWM");
    const long rss = statusKb(pid, "VmRSS");

    double idlePct = -1;
    if (idleSeconds > 0) {
        const long long cpu0 = cpuNs(pid), wall0 = monotonicNs();
        sleepMs(long(idleSeconds * 1000));
        const long long cpu1 = cpuNs(pid), wall1 = monotonicNs();
        idlePct = 100.0 * double(cpu1 - cpu0) / double(wall1 - wall0);
    }
    if (waitpid(pid, nullptr, WNOHANG) != 0) return fail("the program ended while measured");

    std::printf("startup_ms=%.2f proc_ms=%.1f hwm_kb=%ld rss_kb=%ld",
                double(paintedNs - started) / 1e6, procMs, hwm, rss);
    if (idlePct >= 0) std::printf(" idle_cpu_pct=%.3f", idlePct);
    std::printf("\n");
    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    close(out[0]);
    return 0;
}
