// One start of a program, measured for bench/startup:
//   startup-probe <idle seconds> <program> [arguments…]
// starts the program (which must report its first paint: TEZZLE_REPORT_FIRST_PAINT), waits until
// it has painted its first window, lets it settle, then counts its main thread's wake-ups over
// the idle seconds and reads its resident memory, and ends it. Prints one line:
//   first-paint-ms <ms> cpu-ms <ms> rss-kib <KiB> wakeups <main thread> all-threads <every thread>
//   window <name>
// where cpu-ms is the processor time the program had used by its first paint.
// Plain POSIX and Linux /proc, so that it measures the same way whatever it starts.

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <sstream>
#include <string>

namespace {

double monotonicSeconds() {
    timespec now{};
    clock_gettime(CLOCK_MONOTONIC, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

// A number field ("VmRSS:", "voluntary_ctxt_switches:") of a /proc status file, or -1.
long statusField(const std::string& file, const std::string& field) {
    std::ifstream status(file);
    std::string line;
    while (std::getline(status, line))
        if (line.rfind(field, 0) == 0)
            return std::strtol(line.c_str() + field.size(), nullptr, 10);
    return -1;
}

// Voluntary context switches of every thread: each one is the thread going to sleep, so over an
// idle stretch each is a wake-up.
long allThreadsSwitches(pid_t pid) {
    const std::string tasks = "/proc/" + std::to_string(pid) + "/task";
    long sum = 0;
    if (DIR* dir = opendir(tasks.c_str())) {
        while (const dirent* entry = readdir(dir))
            if (entry->d_name[0] != '.')
                sum += statusField(tasks + "/" + entry->d_name + "/status",
                                   "voluntary_ctxt_switches:");
        closedir(dir);
    }
    return sum;
}

void sleepFor(double seconds) {
    timespec span{static_cast<time_t>(seconds),
                  static_cast<long>((seconds - static_cast<long>(seconds)) * 1e9)};
    while (nanosleep(&span, &span) != 0) {
    }
}

} // namespace

int main(int argc, char** argv) {
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-probe <idle seconds> <program> [arguments...]\n");
        return 2;
    }
    const double idle = std::atof(argv[1]);
    int out[2];
    if (pipe(out) != 0)
        return 1;
    const double start = monotonicSeconds();
    const pid_t pid = fork();
    if (pid == 0) {
        dup2(out[1], STDOUT_FILENO);
        close(out[0]);
        close(out[1]);
        execv(argv[2], argv + 2);
        std::perror("startup-probe: exec");
        _exit(127);
    }
    close(out[1]);

    // The report line: "first-paint <seconds> <window> <processor seconds>".
    std::string line;
    char c = 0;
    while (read(out[0], &c, 1) == 1 && c != '\n')
        line += c;
    double painted = 0;
    double used = 0;
    std::string window;
    std::istringstream words(line);
    std::string tag;
    if (!(words >> tag >> painted >> window >> used) || tag != "first-paint") {
        std::fprintf(stderr, "startup-probe: %s reported no first paint\n", argv[2]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }

    // Settled: whatever the program defers until after its first paint has run.
    sleepFor(2.0);
    const std::string main =
        "/proc/" + std::to_string(pid) + "/task/" + std::to_string(pid) + "/status";
    const long before = statusField(main, "voluntary_ctxt_switches:");
    const long allBefore = allThreadsSwitches(pid);
    sleepFor(idle);
    const long wakeups = statusField(main, "voluntary_ctxt_switches:") - before;
    const long allWakeups = allThreadsSwitches(pid) - allBefore;
    const long rss = statusField("/proc/" + std::to_string(pid) + "/status", "VmRSS:");

    kill(pid, SIGTERM);
    waitpid(pid, nullptr, 0);
    std::printf(
        "first-paint-ms %.1f cpu-ms %.1f rss-kib %ld wakeups %ld all-threads %ld window %s\n",
        (painted - start) * 1000.0, used * 1000.0, rss, wakeups, allWakeups, window.c_str());
    return 0;
}
