// Start-up time and peak memory of the game, side by side with a bare Qt
// Widgets window built the same way.
//
// Both programs are measured from the outside, identically: each run starts
// a fresh process on the X display named by DISPLAY (a bare Xvfb, no window
// manager: run it under xvfb-run) and times it from just before its exec
// until the X server maps its top-level window, which this launcher learns
// from a MapNotify event on the root window, so no polling steals CPU from
// the program being measured. The window is recognised by its _NET_WM_PID
// and its title. The program is then left idle for a moment, its peak
// resident set (VmHWM) is read from /proc and it is terminated.
//
// Runs alternate between the two programs (game, bare, game, bare, ...) so
// that a slow phase of the machine hits both alike; one warm-up run of each
// comes first and is not counted.
#include <xcb/xcb.h>

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <optional>
#include <string>
#include <thread>
#include <vector>

extern char **environ;

namespace {

using SteadyClock = std::chrono::steady_clock;

// The goals, as ratios of the game's median to the bare window's.
constexpr double kStartGoal = 1.3;
constexpr double kMemoryGoal = 1.2;

struct Program {
    std::string label;
    std::string path;
    std::string title;
};

struct Sample {
    double startMs = 0;
    double peakRssMiB = 0; // VmHWM
    double rssMiB = 0;     // VmRSS at the same moment
};

double msBetween(SteadyClock::time_point from, SteadyClock::time_point to)
{
    return std::chrono::duration<double, std::milli>(to - from).count();
}

// The X connection and the few atoms needed to recognise a window.
class XDisplay
{
public:
    bool open(std::string &error)
    {
        int screenNumber = 0;
        m_conn = xcb_connect(nullptr, &screenNumber);
        if (xcb_connection_has_error(m_conn)) {
            error = "cannot connect to the X display (DISPLAY=" + std::string(std::getenv("DISPLAY") ? std::getenv("DISPLAY") : "")
                    + "); run under xvfb-run";
            return false;
        }
        xcb_screen_iterator_t it = xcb_setup_roots_iterator(xcb_get_setup(m_conn));
        for (int i = 0; i < screenNumber && it.rem; ++i)
            xcb_screen_next(&it);
        m_root = it.data->root;
        const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
        xcb_change_window_attributes(m_conn, m_root, XCB_CW_EVENT_MASK, &mask);
        m_netWmPid = intern("_NET_WM_PID");
        m_netWmName = intern("_NET_WM_NAME");
        m_utf8String = intern("UTF8_STRING");
        xcb_flush(m_conn);
        return true;
    }
    ~XDisplay()
    {
        if (m_conn)
            xcb_disconnect(m_conn);
    }

    xcb_connection_t *conn() const { return m_conn; }
    int fd() const { return xcb_get_file_descriptor(m_conn); }

    void drain()
    {
        while (xcb_generic_event_t *event = xcb_poll_for_event(m_conn))
            std::free(event);
    }

    std::optional<uint32_t> pidOf(xcb_window_t window)
    {
        const std::string value = property(window, m_netWmPid, XCB_ATOM_CARDINAL);
        if (value.size() < 4)
            return std::nullopt;
        uint32_t pid = 0;
        std::memcpy(&pid, value.data(), 4);
        return pid;
    }

    std::string titleOf(xcb_window_t window)
    {
        std::string title = property(window, m_netWmName, m_utf8String);
        if (title.empty())
            title = property(window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING);
        return title;
    }

private:
    xcb_atom_t intern(const char *name)
    {
        const auto cookie = xcb_intern_atom(m_conn, 0, uint16_t(std::strlen(name)), name);
        std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
            xcb_intern_atom_reply(m_conn, cookie, nullptr), &std::free);
        return reply ? reply->atom : xcb_atom_t(XCB_ATOM_NONE);
    }

    std::string property(xcb_window_t window, xcb_atom_t name, xcb_atom_t type)
    {
        const auto cookie = xcb_get_property(m_conn, 0, window, name, type, 0, 1024);
        std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
            xcb_get_property_reply(m_conn, cookie, nullptr), &std::free);
        if (!reply || reply->type != type)
            return {};
        const int length = xcb_get_property_value_length(reply.get());
        return std::string(static_cast<const char *>(xcb_get_property_value(reply.get())), size_t(length));
    }

    xcb_connection_t *m_conn = nullptr;
    xcb_window_t m_root = 0;
    xcb_atom_t m_netWmPid = XCB_ATOM_NONE;
    xcb_atom_t m_netWmName = XCB_ATOM_NONE;
    xcb_atom_t m_utf8String = XCB_ATOM_NONE;
};

// Sizes in /proc/PID/status are in kB.
std::optional<double> statusMiB(pid_t pid, const char *field)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(status, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return std::strtod(line.c_str() + key.size(), nullptr) / 1024.0;
    }
    return std::nullopt;
}

void terminate(pid_t pid)
{
    kill(pid, SIGTERM);
    const auto deadline = SteadyClock::now() + std::chrono::seconds(3);
    int status = 0;
    while (waitpid(pid, &status, WNOHANG) == 0) {
        if (SteadyClock::now() > deadline) {
            kill(pid, SIGKILL);
            waitpid(pid, &status, 0);
            return;
        }
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

// The environment of the started program: ours, on the xcb platform.
std::vector<std::string> childEnvironment()
{
    std::vector<std::string> env;
    for (char **entry = environ; *entry; ++entry) {
        if (std::strncmp(*entry, "QT_QPA_PLATFORM=", 16) != 0)
            env.emplace_back(*entry);
    }
    env.emplace_back("QT_QPA_PLATFORM=xcb");
    return env;
}

std::optional<Sample> measure(XDisplay &display, const Program &program, int idleMs, bool quiet,
                              std::string &error)
{
    display.drain();

    std::vector<std::string> envStrings = childEnvironment();
    std::vector<char *> envp;
    for (std::string &entry : envStrings)
        envp.push_back(entry.data());
    envp.push_back(nullptr);
    std::string path = program.path;
    char *argv[] = {path.data(), nullptr};

    // The programs' warnings (no audio device and the like) would only
    // clutter the figures.
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (quiet) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
        posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
    }

    const SteadyClock::time_point begin = SteadyClock::now();
    pid_t pid = 0;
    const int rc = posix_spawn(&pid, path.c_str(), &actions, nullptr, argv, envp.data());
    posix_spawn_file_actions_destroy(&actions);
    if (rc != 0) {
        error = "cannot start " + program.path + ": " + std::strerror(rc);
        return std::nullopt;
    }

    std::optional<SteadyClock::time_point> shownAt;
    std::vector<std::string> otherTitles;
    const auto deadline = begin + std::chrono::seconds(60);
    while (!shownAt) {
        pollfd pfd{display.fd(), POLLIN, 0};
        poll(&pfd, 1, 5);
        while (xcb_generic_event_t *event = xcb_poll_for_event(display.conn())) {
            const SteadyClock::time_point now = SteadyClock::now();
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto *map = reinterpret_cast<const xcb_map_notify_event_t *>(event);
                if (!shownAt && display.pidOf(map->window) == uint32_t(pid)) {
                    const std::string title = display.titleOf(map->window);
                    if (title == program.title)
                        shownAt = now;
                    else
                        otherTitles.push_back(title);
                }
            }
            std::free(event);
        }
        if (xcb_connection_has_error(display.conn())) {
            terminate(pid);
            error = "lost the X connection";
            return std::nullopt;
        }
        int status = 0;
        if (!shownAt && waitpid(pid, &status, WNOHANG) == pid) {
            error = program.path + " ended before showing its window";
            return std::nullopt;
        }
        if (!shownAt && SteadyClock::now() > deadline) {
            terminate(pid);
            error = program.path + " showed no window titled \"" + program.title + "\" within 60 s";
            for (const std::string &title : otherTitles)
                error += "; it mapped \"" + title + "\"";
            return std::nullopt;
        }
    }

    Sample sample;
    sample.startMs = msBetween(begin, *shownAt);

    // Let the program paint and settle, as it would after start-up.
    const auto settled = *shownAt + std::chrono::milliseconds(idleMs);
    while (SteadyClock::now() < settled) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        display.drain();
    }
    const auto peak = statusMiB(pid, "VmHWM");
    const auto rss = statusMiB(pid, "VmRSS");
    terminate(pid);
    if (!peak || !rss) {
        error = program.path + " ended while idle after showing its window";
        return std::nullopt;
    }
    sample.peakRssMiB = *peak;
    sample.rssMiB = *rss;
    return sample;
}

struct Summary {
    double median, min, max;
};

Summary summarise(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    const double median = n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
    return {median, values.front(), values.back()};
}

void usage(const char *argv0)
{
    std::printf("usage: %s [--runs N] [--idle-ms MS] [--game PATH] [--bare PATH] [--verbose]\n"
                "Run under xvfb-run: measures from exec to the main window mapped, and peak RSS.\n"
                "--verbose lets the programs' own output through.\n",
                argv0);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 12;
    int idleMs = 300;
    bool verbose = false;
    Program game{"game", KORUBEL_GAME_PATH, "Korubel Oyunu"};
    Program bare{"bare window", KORUBEL_BARE_PATH, "Korubel Oyunu (bare window)"};

    for (int i = 1; i < argc; ++i) {
        const std::string arg = argv[i];
        const bool hasValue = i + 1 < argc;
        if (arg == "--runs" && hasValue)
            runs = std::atoi(argv[++i]);
        else if (arg == "--idle-ms" && hasValue)
            idleMs = std::atoi(argv[++i]);
        else if (arg == "--game" && hasValue)
            game.path = argv[++i];
        else if (arg == "--bare" && hasValue)
            bare.path = argv[++i];
        else if (arg == "--verbose")
            verbose = true;
        else {
            usage(argv[0]);
            return arg == "--help" || arg == "-h" ? 0 : 2;
        }
    }
    if (runs < 1 || idleMs < 0) {
        usage(argv[0]);
        return 2;
    }

    XDisplay display;
    std::string error;
    if (!display.open(error)) {
        std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
        return 1;
    }

    std::vector<Sample> gameSamples, bareSamples;
    for (int run = 0; run <= runs; ++run) { // run 0 is the warm-up
        Sample pair[2];
        const Program *programs[] = {&game, &bare};
        for (int k = 0; k < 2; ++k) {
            const auto sample = measure(display, *programs[k], idleMs, !verbose, error);
            if (!sample) {
                std::fprintf(stderr, "bench_startup: %s\n", error.c_str());
                return 1;
            }
            pair[k] = *sample;
        }
        {
            const std::string label = run == 0 ? "warm-up" : "run " + std::to_string(run);
            std::printf("%-8s  game %7.1f ms %6.1f MiB | bare %7.1f ms %6.1f MiB\n", label.c_str(),
                        pair[0].startMs, pair[0].peakRssMiB, pair[1].startMs, pair[1].peakRssMiB);
        }
        if (run > 0) {
            gameSamples.push_back(pair[0]);
            bareSamples.push_back(pair[1]);
        }
    }

    const auto column = [](const std::vector<Sample> &samples, double Sample::*field) {
        std::vector<double> values;
        for (const Sample &s : samples)
            values.push_back(s.*field);
        return summarise(values);
    };
    const Summary gameStart = column(gameSamples, &Sample::startMs);
    const Summary bareStart = column(bareSamples, &Sample::startMs);
    const Summary gamePeak = column(gameSamples, &Sample::peakRssMiB);
    const Summary barePeak = column(bareSamples, &Sample::peakRssMiB);
    const Summary gameRss = column(gameSamples, &Sample::rssMiB);
    const Summary bareRss = column(bareSamples, &Sample::rssMiB);

    std::printf("\nStart-up, exec to main window mapped; %d runs each, interleaved, after one warm-up run each;\n"
                "memory read %d ms after the window was mapped.\n\n",
                runs, idleMs);
    std::printf("%-24s %12s %12s %8s\n", "", "game", "bare window", "ratio");
    const auto row = [](const char *name, double g, double b, bool ratio) {
        if (ratio)
            std::printf("%-24s %12.1f %12.1f %7.2fx\n", name, g, b, g / b);
        else
            std::printf("%-24s %12.1f %12.1f\n", name, g, b);
    };
    row("start median (ms)", gameStart.median, bareStart.median, true);
    row("start min (ms)", gameStart.min, bareStart.min, true);
    row("start max (ms)", gameStart.max, bareStart.max, true);
    row("peak RSS median (MiB)", gamePeak.median, barePeak.median, true);
    row("peak RSS min (MiB)", gamePeak.min, barePeak.min, false);
    row("peak RSS max (MiB)", gamePeak.max, barePeak.max, false);
    row("RSS median (MiB)", gameRss.median, bareRss.median, true);

    const double startRatio = gameStart.median / bareStart.median;
    const double memoryRatio = gamePeak.median / barePeak.median;
    std::printf("\ngoal start-up <= %.1fx the bare window: %s (%.2fx)\n", kStartGoal,
                startRatio <= kStartGoal ? "met" : "NOT met", startRatio);
    std::printf("goal peak memory <= %.1fx the bare window: %s (%.2fx)\n", kMemoryGoal,
                memoryRatio <= kMemoryGoal ? "met" : "NOT met", memoryRatio);
    return 0;
}
