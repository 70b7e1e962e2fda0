// Starts a program several times and reports, for each run, the time from the start to the
// mapping of its first top-level window, and its resident memory a second later.
//
//   startup_probe RUNS SETTLE_MS -- program [arguments...]
//
// Prints one line per run: "<map ms> <resident KiB>".
#include <X11/Xlib.h>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <string>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

namespace {

long residentKiB(pid_t pid)
{
    std::ifstream status("/proc/" + std::to_string(pid) + "/status");
    std::string line;
    while (std::getline(status, line)) {
        if (line.rfind("VmRSS:", 0) == 0)
            return std::strtol(line.c_str() + 6, nullptr, 10);
    }
    return -1;
}

double waitForMap(Display *display, std::chrono::steady_clock::time_point start)
{
    const int fd = ConnectionNumber(display);
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == MapNotify) {
                const auto now = std::chrono::steady_clock::now();
                return std::chrono::duration<double, std::milli>(now - start).count();
            }
        }
        fd_set fds;
        FD_ZERO(&fds);
        FD_SET(fd, &fds);
        timeval timeout{10, 0};
        if (select(fd + 1, &fds, nullptr, nullptr, &timeout) <= 0)
            return -1;
    }
}

} // namespace

int main(int argc, char *argv[])
{
    if (argc < 5 || std::strcmp(argv[3], "--") != 0) {
        std::fprintf(stderr, "usage: %s RUNS SETTLE_MS -- program [arguments...]\n", argv[0]);
        return 2;
    }
    const int runs = std::atoi(argv[1]);
    const int settleMs = std::atoi(argv[2]);
    Display *display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "no X display\n");
        return 1;
    }
    XSelectInput(display, DefaultRootWindow(display), SubstructureNotifyMask);
    XSync(display, True);

    for (int run = 0; run < runs; ++run) {
        const auto start = std::chrono::steady_clock::now();
        const pid_t pid = fork();
        if (pid == 0) {
            execvp(argv[4], argv + 4);
            _exit(127);
        }
        const double mapMs = waitForMap(display, start);
        std::this_thread::sleep_for(std::chrono::milliseconds(settleMs));
        const long rss = residentKiB(pid);
        kill(pid, SIGKILL);
        waitpid(pid, nullptr, 0);
        XSync(display, True);
        std::printf("%.1f %ld\n", mapMs, rss);
        std::fflush(stdout);
    }
    XCloseDisplay(display);
    return 0;
}
