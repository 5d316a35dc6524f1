// Start-up time and memory of the game, side by side with a bare Qt
// Widgets window built the same way.
//
// Both programs are measured from the outside, identically: each run starts
// a fresh process on the X display named by DISPLAY (a bare Xvfb, no window
// manager: run it under xvfb-run) and times it from just before its exec
// until the X server maps its top-level window, which this launcher learns
// from a MapNotify event on the root window, so no polling steals CPU from
// the program being measured. The window is recognised by its _NET_WM_PID
// and its title. Memory is read from /proc twice: once the program has
// been idle for a moment after its window showed, and again after xdotool
// has clicked "Oyuna Başla" and "Başlat" and the question has run for a
// moment (the bare window gets the same clicks, on nothing). Then the
// program is terminated.
//
// Memory is read two ways: the peak resident set (VmHWM), which counts
// every page of every shared library the program maps, and the
// proportional set (Pss), which charges each shared page in part to every
// process that maps it.
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

// The guards, as ratios of the game's median to the bare window's.
constexpr double kStartGuard = 1.3;
constexpr double kPeakRssGuard = 1.5;

struct Program {
    std::string label;
    std::string path;
    std::string title;
};

struct Memory {
    double peakRssMiB = 0; // VmHWM
    double pssMiB = 0;
};

struct Sample {
    double startMs = 0;
    Memory atStart, inQuestion;
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

// The field of a /proc file of the process, in MiB (the file gives kB).
std::optional<double> procMiB(pid_t pid, const char *file, const char *field)
{
    std::ifstream in("/proc/" + std::to_string(pid) + "/" + file);
    std::string line;
    const std::string key = std::string(field) + ":";
    while (std::getline(in, line)) {
        if (line.compare(0, key.size(), key) == 0)
            return std::strtod(line.c_str() + key.size(), nullptr) / 1024.0;
    }
    return std::nullopt;
}

std::optional<Memory> memoryOf(pid_t pid)
{
    const auto peak = procMiB(pid, "status", "VmHWM");
    const auto pss = procMiB(pid, "smaps_rollup", "Pss");
    if (!peak || !pss)
        return std::nullopt;
    return Memory{*peak, *pss};
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

// Runs a command to its end, its output discarded; false if it failed.
bool run(std::vector<std::string> args)
{
    std::vector<char *> argv;
    for (std::string &arg : args)
        argv.push_back(arg.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    const int rc = posix_spawnp(&pid, argv[0], &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    int status = 0;
    return rc == 0 && waitpid(pid, &status, 0) == pid && WIFEXITED(status) && WEXITSTATUS(status) == 0;
}

// A left click at a point of the window, as a user's.
bool click(xcb_window_t window, int x, int y)
{
    return run({"xdotool", "mousemove", "--window", std::to_string(window), std::to_string(x), std::to_string(y),
                "click", "1"});
}

// Waits, answering the X server's events meanwhile.
void idle(XDisplay &display, int ms)
{
    const auto until = SteadyClock::now() + std::chrono::milliseconds(ms);
    while (SteadyClock::now() < until) {
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
        display.drain();
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

struct Started {
    pid_t pid = 0;
    xcb_window_t window = 0;
    SteadyClock::time_point begin, shownAt;
};

// Starts the program and waits until its window is mapped.
std::optional<Started> start(XDisplay &display, const Program &program, bool quiet, std::string &error)
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
    Started started;
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
                    if (title == program.title) {
                        shownAt = now;
                        started.window = map->window;
                    } else {
                        otherTitles.push_back(title);
                    }
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

    started.pid = pid;
    started.begin = begin;
    started.shownAt = *shownAt;
    return started;
}

// "Oyuna Başla", and once the game panel shows, "Başlat".
bool startQuestion(XDisplay &display, const Started &started, std::string &error)
{
    const bool clicked = click(started.window, 260, 84) && (idle(display, 500), click(started.window, 356, 172));
    if (!clicked)
        error = "xdotool could not click in a window";
    return clicked;
}

std::optional<Sample> measure(XDisplay &display, const Program &program, int idleMs, bool quiet,
                              std::string &error)
{
    const auto started = start(display, program, quiet, error);
    if (!started)
        return std::nullopt;
    Sample sample;
    sample.startMs = msBetween(started->begin, started->shownAt);

    // Let the program paint and settle, as it would after start-up.
    idle(display, int(idleMs - msBetween(started->shownAt, SteadyClock::now())));
    const auto atStart = memoryOf(started->pid);
    const bool clicked = startQuestion(display, *started, error);
    idle(display, idleMs);
    const auto inQuestion = memoryOf(started->pid);
    terminate(started->pid);
    if (!clicked)
        return std::nullopt;
    if (!atStart || !inQuestion) {
        error = program.path + " ended after showing its window";
        return std::nullopt;
    }
    sample.atStart = *atStart;
    sample.inQuestion = *inQuestion;
    return sample;
}

double medianOf(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

void usage(const char *argv0)
{
    std::printf("usage: %s [--runs N] [--idle-ms MS] [--game PATH] [--bare PATH] [--verbose]\n"
                "Run under xvfb-run, with a sound server and a session bus: measures from exec to the main\n"
                "window mapped, and memory MS (default 1500) after that and MS into a question.\n"
                "--verbose lets the programs' own output through.\n",
                argv0);
}

} // namespace

int main(int argc, char *argv[])
{
    int runs = 12;
    int idleMs = 1500;
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

    std::printf("%-8s  %-34s | %-34s\n", "", "game: start, peak RSS at start / in question",
                "bare window: the same");
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
        const std::string label = run == 0 ? "warm-up" : "run " + std::to_string(run);
        std::printf("%-8s  %7.1f ms %5.2f / %5.2f MiB          | %7.1f ms %5.2f / %5.2f MiB\n", label.c_str(),
                    pair[0].startMs, pair[0].atStart.peakRssMiB, pair[0].inQuestion.peakRssMiB, pair[1].startMs,
                    pair[1].atStart.peakRssMiB, pair[1].inQuestion.peakRssMiB);
        if (run > 0) {
            gameSamples.push_back(pair[0]);
            bareSamples.push_back(pair[1]);
        }
    }

    // The median of a figure over the runs.
    const auto median = [](const std::vector<Sample> &samples, const auto &figure) {
        std::vector<double> values;
        for (const Sample &s : samples)
            values.push_back(figure(s));
        return medianOf(values);
    };
    const auto row = [&](const char *name, const auto &figure) {
        const double g = median(gameSamples, figure), b = median(bareSamples, figure);
        std::printf("  %-28s %10.2f %12.2f %+10.2f %7.2fx\n", name, g, b, g - b, g / b);
    };
    const auto memoryRows = [&](Memory Sample::*moment) {
        row("peak RSS (MiB)", [&](const Sample &s) { return (s.*moment).peakRssMiB; });
        row("PSS (MiB)", [&](const Sample &s) { return (s.*moment).pssMiB; });
    };

    std::printf("\nMedians of %d runs each, interleaved, after one warm-up run each.\n\n", runs);
    std::printf("  %-28s %10s %12s %10s %8s\n", "", "game", "bare window", "game-bare", "ratio");
    row("start, exec to mapped (ms)", [](const Sample &s) { return s.startMs; });
    std::printf("at start, %d ms after the window is mapped:\n", idleMs);
    memoryRows(&Sample::atStart);
    std::printf("%d ms into a question (game mode, with the sound server):\n", idleMs);
    memoryRows(&Sample::inQuestion);

    const auto ratio = [&](const auto &figure) { return median(gameSamples, figure) / median(bareSamples, figure); };
    const double startRatio = ratio([](const Sample &s) { return s.startMs; });
    // The peak over the whole run: the resident set never shrinks below it.
    const double peakRatio = ratio([](const Sample &s) { return s.inQuestion.peakRssMiB; });
    std::printf("\nguard start-up <= %.1fx the bare window's: %s (%.2fx)\n", kStartGuard,
                startRatio <= kStartGuard ? "held" : "NOT held", startRatio);
    std::printf("guard peak RSS <= %.1fx the bare window's: %s (%.2fx)\n", kPeakRssGuard,
                peakRatio <= kPeakRssGuard ? "held" : "NOT held", peakRatio);
    return 0;
}
