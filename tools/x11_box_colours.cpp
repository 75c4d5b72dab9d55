// What a user sees of the panel's status boxes, read from the X screen, and a
// way to close the panel as its window's close button would. Used by
// scripts/soak.sh; built with `g++ -O2 tools/x11_box_colours.cpp -lX11`.
//   x11_box_colours colours TITLE X,Y,W,H...  one word per box: green, red or other
//   x11_box_colours close TITLE               asks the window to close
// Box rectangles are relative to the window's top-left corner. A box is the
// colour that covers most of its pixels (the caption text covers fewer).
#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <cstdio>
#include <cstring>
#include <optional>
#include <string>

namespace {

std::optional<Window> findWindow(Display* display, Window parent, const char* title)
{
    char* name = nullptr;
    if (XFetchName(display, parent, &name) && name) {
        const bool found = std::strcmp(name, title) == 0;
        XFree(name);
        if (found)
            return parent;
    }
    Window root = 0;
    Window up = 0;
    Window* children = nullptr;
    unsigned count = 0;
    if (!XQueryTree(display, parent, &root, &up, &children, &count))
        return std::nullopt;
    std::optional<Window> found;
    for (unsigned i = 0; i < count && !found; ++i)
        found = findWindow(display, children[i], title);
    if (children)
        XFree(children);
    return found;
}

const char* boxColour(Display* display, Window window, int x, int y, int width, int height)
{
    const Window root = DefaultRootWindow(display);
    int rootX = 0;
    int rootY = 0;
    Window child = 0;
    XTranslateCoordinates(display, window, root, x, y, &rootX, &rootY, &child);
    XImage* image = XGetImage(display, root, rootX, rootY, width, height, AllPlanes, ZPixmap);
    if (!image)
        return "other";
    long green = 0;
    long red = 0;
    for (int row = 0; row < height; ++row)
        for (int column = 0; column < width; ++column) {
            const unsigned long pixel = XGetPixel(image, column, row) & 0xFFFFFF;
            green += pixel == 0x00FF00;
            red += pixel == 0xFF0000;
        }
    XDestroyImage(image);
    const long half = long(width) * height / 2;
    return green > half ? "green" : red > half ? "red" : "other";
}

void askToClose(Display* display, Window window)
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = static_cast<long>(XInternAtom(display, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    XSendEvent(display, window, False, NoEventMask, &event);
    XFlush(display);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s colours TITLE X,Y,W,H... | close TITLE\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(nullptr);
    if (!display) {
        std::fprintf(stderr, "cannot open the X display\n");
        return 2;
    }
    const std::optional<Window> window = findWindow(display, DefaultRootWindow(display), argv[2]);
    if (!window) {
        std::fprintf(stderr, "no window titled \"%s\"\n", argv[2]);
        return 1;
    }
    if (std::string(argv[1]) == "close") {
        askToClose(display, *window);
    } else {
        for (int i = 3; i < argc; ++i) {
            int x = 0, y = 0, width = 0, height = 0;
            if (std::sscanf(argv[i], "%d,%d,%d,%d", &x, &y, &width, &height) != 4 || width <= 0
                || height <= 0)
                return 2;
            std::printf("%s%s", i > 3 ? " " : "", boxColour(display, *window, x, y, width, height));
        }
        std::printf("\n");
    }
    XCloseDisplay(display);
    return 0;
}
