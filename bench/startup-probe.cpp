// Measures how long programs take from process start until their first
// top-level window is mapped, and their peak resident memory, on the X display
// in DISPLAY. The programs run in turn, so both see the same machine state.
//
//   startup-probe RUNS PROGRAM [PROGRAM...]
//
// Each run: fork and exec the program, wait for a MapNotify of a top-level
// window, let it run 300 ms more (first paint), stop it and read its peak
// resident set from wait4(). One warm-up run of each is left out. Prints the
// median of each program and, for two programs, the ratios first/second.

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

struct Sample {
    double startMs;
    long peakKb;
};

struct Connection {
    xcb_connection_t *xcb;
    xcb_window_t root;
};

// Waits for the map of a top-level window; false after timeoutMs.
bool waitForMap(const Connection &connection, int timeoutMs)
{
    const auto deadline = Clock::now() + std::chrono::milliseconds(timeoutMs);
    pollfd fd{xcb_get_file_descriptor(connection.xcb), POLLIN, 0};
    for (;;) {
        while (xcb_generic_event_t *event = xcb_poll_for_event(connection.xcb)) {
            const bool mapped = (event->response_type & 0x7F) == XCB_MAP_NOTIFY &&
                                reinterpret_cast<xcb_map_notify_event_t *>(event)->override_redirect == 0;
            std::free(event);
            if (mapped)
                return true;
        }
        const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(deadline - Clock::now());
        if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) < 0)
            return false;
    }
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
    const bool mapped = waitForMap(connection, 20000);
    const auto mappedAt = Clock::now();
    usleep(300 * 1000);
    kill(pid, SIGTERM);
    int status = 0;
    rusage usage{};
    wait4(pid, &status, 0, &usage);
    sample = {std::chrono::duration<double, std::milli>(mappedAt - start).count(), usage.ru_maxrss};
    return mapped;
}

template <typename T>
T median(std::vector<T> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 == 1 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: startup-probe RUNS PROGRAM [PROGRAM...]\n");
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const std::vector<const char *> programs(argv + 2, argv + argc);

    Connection connection{xcb_connect(nullptr, nullptr), 0};
    if (xcb_connection_has_error(connection.xcb) != 0) {
        std::fprintf(stderr, "startup-probe: cannot open the display\n");
        return 1;
    }
    connection.root = xcb_setup_roots_iterator(xcb_get_setup(connection.xcb)).data->root;
    const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection.xcb, connection.root, XCB_CW_EVENT_MASK, &mask);
    xcb_flush(connection.xcb);

    std::vector<std::vector<Sample>> samples(programs.size());
    for (int run = 0; run <= runs; ++run) {
        for (std::size_t p = 0; p < programs.size(); ++p) {
            Sample sample{};
            if (!runOnce(connection, programs[p], sample)) {
                std::fprintf(stderr, "startup-probe: %s mapped no window\n", programs[p]);
                return 1;
            }
            if (run > 0) // the first round warms the caches
                samples[p].push_back(sample);
        }
    }

    std::vector<double> startMedians;
    std::vector<double> peakMedians;
    for (std::size_t p = 0; p < programs.size(); ++p) {
        std::vector<double> starts;
        std::vector<double> peaks;
        for (const Sample &sample : samples[p]) {
            starts.push_back(sample.startMs);
            peaks.push_back(static_cast<double>(sample.peakKb));
        }
        startMedians.push_back(median(starts));
        peakMedians.push_back(median(peaks));
        std::printf("%-40s start-up %7.1f ms   peak memory %8.0f KiB   (median of %d)\n", programs[p],
                    startMedians.back(), peakMedians.back(), runs);
    }
    if (programs.size() == 2)
        std::printf("ratio first/second: start-up %.2f   peak memory %.2f\n",
                    startMedians[0] / startMedians[1], peakMedians[0] / peakMedians[1]);
    xcb_disconnect(connection.xcb);
    return 0;
}
