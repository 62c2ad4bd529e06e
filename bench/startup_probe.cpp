// One start of a program, measured for bench/startup:
//   startup-probe <idle seconds> <program> [arguments…]
// starts the program (which must report its first paint: TEZZLE_REPORT_FIRST_PAINT), waits until
// it has painted its first window, lets it settle, then counts its main thread's wake-ups over
// the idle seconds and reads its resident memory, and ends it. Prints one line:
//   first-paint-ms <ms> cpu-ms <ms> rss-kib <KiB> wakeups <main thread> all-threads <every thread>
//   window <name> reported-ms <ms> size <width>x<height>
// where cpu-ms is the processor time the program had used by its own report of its first paint.
// Built with the X DAMAGE extension (xcb-damage), first-paint-ms is the moment the X server first
// drew most of a new window, which is when the player sees it; the program's own report, which
// comes before its frame has reached the screen, is reported-ms. Without it both are the report,
// and size is 0x0. Plain POSIX and Linux /proc besides, so that it measures the same way whatever
// it starts.

#include <dirent.h>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>

#ifdef TEZZLE_X_DAMAGE
#include <poll.h>
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <map>
#include <memory>
#endif

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

#ifdef TEZZLE_X_DAMAGE
// Watches the display for new top-level windows and the server's drawing into them.
class DamageWatch {
public:
    struct Paint {
        double at = 0; // monotonic seconds
        int width = 0;
        int height = 0;
    };

    // Before the program starts, so that no window of its escapes; false without the extension.
    bool open() {
        // A busy server now and then refuses a connection; it takes the next.
        for (int tries = 0; tries < 20; ++tries) {
            if (connection_ != nullptr)
                xcb_disconnect(connection_);
            connection_ = xcb_connect(nullptr, nullptr);
            if (xcb_connection_has_error(connection_) == 0)
                break;
            sleepFor(0.05);
        }
        if (xcb_connection_has_error(connection_) != 0)
            return false;
        const xcb_query_extension_reply_t* damage =
            xcb_get_extension_data(connection_, &xcb_damage_id);
        if (damage == nullptr || damage->present == 0)
            return false;
        firstEvent_ = damage->first_event;
        std::free(xcb_damage_query_version_reply(
            connection_, xcb_damage_query_version(connection_, 1, 1), nullptr));
        root_ = xcb_setup_roots_iterator(xcb_get_setup(connection_)).data->root;
        const std::uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(connection_, root_, XCB_CW_EVENT_MASK, &mask);
        xcb_flush(connection_);
        return true;
    }

    ~DamageWatch() {
        if (connection_ != nullptr)
            xcb_disconnect(connection_);
    }

    // The first drawing that covers at least a quarter of a new window of at least 100 x 100
    // pixels, within `seconds`; none if there was none.
    std::optional<Paint> firstPaint(double seconds) {
        const double until = monotonicSeconds() + seconds;
        pollfd fd{xcb_get_file_descriptor(connection_), POLLIN, 0};
        while (true) {
            while (xcb_generic_event_t* raw = xcb_poll_for_event(connection_)) {
                const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> event(raw,
                                                                                       &std::free);
                if (const std::optional<Paint> paint = handle(*event))
                    return paint;
            }
            const double left = until - monotonicSeconds();
            if (left <= 0 || xcb_connection_has_error(connection_) != 0)
                return std::nullopt;
            poll(&fd, 1, static_cast<int>(left * 1000) + 1);
        }
    }

private:
    std::optional<Paint> handle(const xcb_generic_event_t& event) {
        const int type = event.response_type & 0x7f;
        if (type == XCB_CREATE_NOTIFY) {
            const auto& created = reinterpret_cast<const xcb_create_notify_event_t&>(event);
            if (created.parent == root_ && created.width >= 100 && created.height >= 100) {
                const xcb_damage_damage_t damage = xcb_generate_id(connection_);
                xcb_damage_create(connection_, damage, created.window,
                                  XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                xcb_flush(connection_);
            }
        } else if (type == firstEvent_ + XCB_DAMAGE_NOTIFY) {
            const auto& drawn = reinterpret_cast<const xcb_damage_notify_event_t&>(event);
            const double at = monotonicSeconds();
            const int area = drawn.area.width * drawn.area.height;
            if (4 * area >= drawn.geometry.width * drawn.geometry.height)
                return Paint{at, drawn.geometry.width, drawn.geometry.height};
        }
        return std::nullopt;
    }

    xcb_connection_t* connection_ = nullptr;
    xcb_window_t root_ = 0;
    int firstEvent_ = 0;
};
#endif

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
#ifdef TEZZLE_X_DAMAGE
    DamageWatch watch;
    if (!watch.open()) {
        std::fprintf(stderr, "startup-probe: no display with the DAMAGE extension\n");
        return 2;
    }
#endif
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
    double screenPaint = 0;
    int width = 0;
    int height = 0;
#ifdef TEZZLE_X_DAMAGE
    if (const std::optional<DamageWatch::Paint> paint = watch.firstPaint(30)) {
        screenPaint = paint->at;
        width = paint->width;
        height = paint->height;
    }
#endif

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

#ifdef TEZZLE_X_DAMAGE
    if (screenPaint == 0) {
        std::fprintf(stderr, "startup-probe: the server drew no window of %s\n", argv[2]);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        return 1;
    }
#endif

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
#ifndef TEZZLE_X_DAMAGE
    screenPaint = painted;
#endif
    std::printf("first-paint-ms %.1f cpu-ms %.1f rss-kib %ld wakeups %ld all-threads %ld window %s "
                "reported-ms %.1f size %dx%d\n",
                (screenPaint - start) * 1000.0, used * 1000.0, rss, wakeups, allWakeups,
                window.c_str(), (painted - start) * 1000.0, width, height);
    return 0;
}
