// Another X client for the capture tests: a window of one colour that takes the keyboard focus
// and reports every key it receives.
//
//   x11_test_client X Y WIDTH HEIGHT RRGGBB|gradient
//
// Prints "ready <window id>" once the window is mapped and focused, then "key <keysym name>"
// for each key press it gets. "gradient" gives every column of the window a colour of its own
// (on a 24-bit true-colour screen). Ends when its standard input closes.
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <unistd.h>

int main(int argc, char *argv[])
{
    if (argc < 6) {
        std::fprintf(stderr, "usage: %s X Y WIDTH HEIGHT RRGGBB|gradient\n", argv[0]);
        return 2;
    }
    Display *display = XOpenDisplay(nullptr);
    if (!display)
        return 1;
    const int screen = DefaultScreen(display);
    const Window root = RootWindow(display, screen);

    const bool gradient = std::strcmp(argv[5], "gradient") == 0;
    XColor color{};
    const unsigned long rgb = std::strtoul(argv[5], nullptr, 16);
    color.red = static_cast<unsigned short>(((rgb >> 16) & 0xFF) * 0x101);
    color.green = static_cast<unsigned short>(((rgb >> 8) & 0xFF) * 0x101);
    color.blue = static_cast<unsigned short>((rgb & 0xFF) * 0x101);
    XAllocColor(display, DefaultColormap(display, screen), &color);

    XSetWindowAttributes attributes{};
    attributes.background_pixel = color.pixel;
    attributes.event_mask = KeyPressMask | StructureNotifyMask | (gradient ? ExposureMask : 0);
    const Window window = XCreateWindow(
        display, root, std::atoi(argv[1]), std::atoi(argv[2]),
        static_cast<unsigned>(std::atoi(argv[3])), static_cast<unsigned>(std::atoi(argv[4])), 0,
        CopyFromParent, InputOutput, CopyFromParent, CWBackPixel | CWEventMask, &attributes);
    XStoreName(display, window, "x11_test_client");
    XMapRaised(display, window);
    for (XEvent event;
         XWindowEvent(display, window, StructureNotifyMask, &event), event.type != MapNotify;) { }
    XSetInputFocus(display, window, RevertToPointerRoot, CurrentTime);
    XSync(display, False);
    std::printf("ready %lu\n", window);
    std::fflush(stdout);

    const GC gc = XCreateGC(display, window, 0, nullptr);
    pollfd watched[2] = {{ConnectionNumber(display), POLLIN, 0}, {STDIN_FILENO, POLLIN, 0}};
    for (;;) {
        while (XPending(display)) {
            XEvent event;
            XNextEvent(display, &event);
            if (event.type == Expose && gradient) {
                for (int x = event.xexpose.x; x < event.xexpose.x + event.xexpose.width; ++x) {
                    XSetForeground(
                        display, gc,
                        static_cast<unsigned long>(((x & 0xFF) << 16) | (x & 0xF00) | 0x80));
                    XFillRectangle(display, window, gc, x, event.xexpose.y, 1,
                                   static_cast<unsigned>(event.xexpose.height));
                }
            } else if (event.type == KeyPress) {
                const KeySym keysym = XLookupKeysym(&event.xkey, 0);
                const char *name = XKeysymToString(keysym);
                std::printf("key %s\n", name ? name : "?");
                std::fflush(stdout);
            }
        }
        if (poll(watched, 2, -1) < 0)
            return 1;
        if (watched[1].revents) {
            char buffer[64];
            if (read(STDIN_FILENO, buffer, sizeof buffer) <= 0)
                return 0;
        }
    }
}
