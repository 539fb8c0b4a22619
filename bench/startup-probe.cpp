// Measures how long programs take from process start until their first
// top-level window is mapped and until its first paint is complete, and their
// peak resident memory after that paint, on the X display in DISPLAY. The
// programs run in turn, so all see the same machine state.
//
//   startup-probe RUNS PROGRAM [FLOOR...]
//
// Each run: fork and exec the program; every top-level window it creates gets
// an X DAMAGE object before it is mapped, so each drawing request is reported.
// The first paint is complete when, after the map, nothing has been drawn for
// 150 ms; its time is that of the last drawing. Then the program is stopped
// and its peak resident set read from wait4(); STARTUP_PROBE_AFTER_RUN, when
// set, is a shell command run then, outside the timing (the Wine benchmark
// ends the Wine session with it). One warm-up round is left out.
// Prints the medians of each program and the ratios of the first to each
// floor.

#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <poll.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto QuietAfterPaint = std::chrono::milliseconds(150);
constexpr auto Timeout = std::chrono::seconds(20);

struct Sample {
    double mapMs;
    double paintMs;
    long peakKb;
};

struct Connection {
    xcb_connection_t *xcb;
    xcb_window_t root;
    std::uint8_t damageEvent; // the DAMAGE extension's first event code
};

double msSince(Clock::time_point start, Clock::time_point at)
{
    return std::chrono::duration<double, std::milli>(at - start).count();
}

// Follows the windows of one run: damage objects for new top-level windows,
// the time of the map and of the last drawing. False on timeout.
bool watchFirstPaint(const Connection &connection, Clock::time_point start, Sample &sample)
{
    std::vector<xcb_damage_damage_t> damages;
    Clock::time_point mappedAt{};
    Clock::time_point lastDrawing{};
    bool mapped = false;
    bool drawn = false;
    pollfd fd{xcb_get_file_descriptor(connection.xcb), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection.xcb)) {
            const auto now = Clock::now();
            const std::uint8_t type = event->response_type & 0x7F;
            if (type == XCB_CREATE_NOTIFY) {
                const auto *created = reinterpret_cast<xcb_create_notify_event_t *>(event);
                if (created->override_redirect == 0) {
                    damages.push_back(xcb_generate_id(connection.xcb));
                    xcb_damage_create(connection.xcb, damages.back(), created->window,
                                      XCB_DAMAGE_REPORT_LEVEL_RAW_RECTANGLES);
                    xcb_flush(connection.xcb);
                }
            } else if (type == XCB_MAP_NOTIFY && !mapped &&
                       reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect == 0) {
                mapped = true;
                mappedAt = now;
            } else if (type == connection.damageEvent + XCB_DAMAGE_NOTIFY && mapped) {
                drawn = true;
                lastDrawing = now;
            }
            std::free(event);
        }
        const auto now = Clock::now();
        if (drawn && now - lastDrawing >= QuietAfterPaint)
            break;
        if (now - start > Timeout)
            return false;
        const auto wait = drawn ? QuietAfterPaint - (now - lastDrawing) : QuietAfterPaint;
        poll(&fd, 1, static_cast<int>(std::chrono::ceil<std::chrono::milliseconds>(wait).count()));
    }
    for (const xcb_damage_damage_t damage : damages)
        xcb_damage_destroy(connection.xcb, damage);
    xcb_flush(connection.xcb);
    sample.mapMs = msSince(start, mappedAt);
    sample.paintMs = msSince(start, lastDrawing);
    return true;
}

bool runOnce(const Connection &connection, const char *program, Sample &sample)
{
    while (xcb_generic_event_t *event = xcb_poll_for_event(connection.xcb))
        std::free(event);
    const auto start = Clock::now();
    const pid_t pid = fork();
    if (pid == 0) {
        execl(program, program, static_cast<char *>(nullptr));
        _exit(127);
    }
    const bool painted = watchFirstPaint(connection, start, sample);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample.peakKb = usage.ru_maxrss;
    if (const char *afterRun = std::getenv("STARTUP_PROBE_AFTER_RUN"))
        (void)std::system(afterRun);
    return painted;
}

template <typename T> T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-probe RUNS PROGRAM [FLOOR...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<const char *> programs(argv + 2, argv + argc);

    Connection connection{xcb_connect(nullptr, nullptr), 0, 0};
    if (xcb_connection_has_error(connection.xcb) != 0) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return 1;
    }
    const xcb_query_extension_reply_t *damage =
        xcb_get_extension_data(connection.xcb, &xcb_damage_id);
    if (damage == nullptr || damage->present == 0) {
        std::fprintf(stderr, "startup-probe: the X server has no DAMAGE extension\n");
        return 1;
    }
    connection.damageEvent = damage->first_event;
    std::free(xcb_damage_query_version_reply(
        connection.xcb, xcb_damage_query_version(connection.xcb, 1, 1), nullptr));
    connection.root = xcb_setup_roots_iterator(xcb_get_setup(connection.xcb)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.xcb, connection.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.xcb);

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            Sample sample{};
            if (!runOnce(connection, programs[p], sample)) {
                std::fprintf(stderr, "startup-probe: %s painted no window\n", programs[p]);
                return 1;
            }
            if (run > 0) // the first round warms the caches
                samples[p].push_back(sample);
        }
    }

    struct Medians {
        double map, paint, peakKb;
    };
    std::vector<Medians> medians;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> maps;
        std::vector<double> paints;
        std::vector<double> peaks;
        for (const Sample &sample : samples[p]) {
            maps.push_back(sample.mapMs);
            paints.push_back(sample.paintMs);
            peaks.push_back(static_cast<double>(sample.peakKb));
        }
        medians.push_back({median(maps), median(paints), median(peaks)});
        std::printf("%-32s map %6.1f ms   first paint %6.1f ms   peak memory %7.1f MB   "
                    "(median of %d)\n",
                    programs[p], medians.back().map, medians.back().paint,
                    medians.back().peakKb / 1024.0, runs);
    }
    for (std::size_t p = 1; p < programs.size(); ++p)
        std::printf("ratio to %-23s map %.2f   first paint %.2f   peak memory %.2f\n", programs[p],
                    medians[0].map / medians[p].map, medians[0].paint / medians[p].paint,
                    medians[0].peakKb / medians[p].peakKb);
    xcb_disconnect(connection.xcb);
    return 0;
}
