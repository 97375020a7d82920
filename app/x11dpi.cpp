#include "x11dpi.h"

#include <QByteArray>
#include <QByteArrayList>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <climits>
#include <string>

namespace {

// Qt's options that take the next argument as their value, whatever it looks like.
bool takesValue(const QByteArray &option)
{
    static const QByteArrayList options = {"-qmljsdebugger",
                                           "-plugin",
                                           "-session",
                                           "-style",
                                           "-platformpluginpath",
                                           "-platform",
                                           "-platformtheme",
                                           "-qwindowgeometry",
                                           "-qwindowtitle",
                                           "-qwindowicon",
                                           "-geometry",
                                           "-title",
                                           "-icon",
                                           "-display",
                                           "-name",
                                           "-visual"};
    return options.contains(option);
}

// The X display that Qt 5 will connect to, found as Qt finds it: its platform is the -platform
// option, else QT_QPA_PLATFORM, else the session type's (Wayland first in a Wayland session,
// falling back to xcb); its display the -display option, else DISPLAY. Returns false where Qt will
// use another platform.
bool xcbDisplay(int argc, char *argv[], QByteArray *display, bool *waylandFirst)
{
    QByteArray platforms = qgetenv("QT_QPA_PLATFORM");
    if (platforms.isEmpty())
        platforms = qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    for (int i = 1; i + 1 < argc; ++i) {
        QByteArray option(argv[i]);
        if (option.startsWith("--"))
            option.remove(0, 1);
        if (!takesValue(option))
            continue;
        if (option == "-platform")
            platforms = argv[i + 1];
        else if (option == "-display")
            *display = argv[i + 1];
        ++i;
    }
    // Qt tries each platform in turn; all but xcb and Wayland's always succeed where they load.
    *waylandFirst = false;
    for (const QByteArray &platform : platforms.split(';')) {
        const QByteArray name = platform.split(':').constFirst().toLower();
        if (name == "xcb")
            return true;
        if (!name.startsWith("wayland"))
            return false;
        *waylandFirst = true;
    }
    return false;
}

QByteArray property(Display *display, Window window, Atom name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long length = 0, left = 0;
    unsigned char *value = nullptr;
    QByteArray bytes;
    if (XGetWindowProperty(display, window, name, 0, LONG_MAX / 4, False, type, &actualType,
                           &format, &length, &left, &value) == Success &&
        value && actualType == type && format == 8)
        bytes = QByteArray(reinterpret_cast<const char *>(value), int(length));
    XFree(value);
    return bytes;
}

// The last Xft.dpi among the resources that Qt reads, as Qt parses it.
int resourceDpi(const QByteArray &resources)
{
    int dpi = 0;
    const QByteArray prefix = "Xft.dpi:\t";
    for (const QByteArray &line : resources.split('\n')) {
        if (!line.startsWith(prefix))
            continue;
        bool ok = false;
        const QByteArray value = line.mid(prefix.size());
        const int number = value.toInt(&ok);
        if (ok)
            dpi = number;
        else if (const double fraction = value.toDouble(&ok); ok)
            dpi = qRound(fraction);
    }
    return dpi;
}

// The integer Xft/DPI among an XSETTINGS manager's settings, in 1024ths of a dot per inch: of
// those so named, the first of the latest serial, as Qt keeps them. False if there is none.
bool xsettingsDpi(const QByteArray &settings, int *dpi)
{
    const qint64 size = settings.size();
    if (size < 12 || (settings[0] != LSBFirst && settings[0] != MSBFirst))
        return false;
    const auto number = [&settings](qint64 at, int bytes) {
        quint32 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 |
                    uchar(settings[int(at + (settings[0] == MSBFirst ? i : bytes - 1 - i))]);
        return bytes == 4 ? qint64(qint32(value)) : qint64(value);
    };
    const auto padded = [](qint64 length) {
        return (length + 3) / 4 * 4;
    };
    qint64 latest = -1;
    bool found = false;
    for (qint64 at = 12, count = quint32(number(8, 4)); count > 0 && at + 4 <= size; --count) {
        const int type = uchar(settings[int(at)]);
        const qint64 nameLength = number(at + 2, 2), serialAt = at + 4 + padded(nameLength);
        if (type > 2 || size < serialAt + 8)
            break;
        const qint64 serial = number(serialAt, 4), value = number(serialAt + 4, 4);
        if (serial > latest && settings.mid(int(at + 4), int(nameLength)) == "Xft/DPI") {
            latest = serial;
            found = type == 0;
            *dpi = int(value);
        }
        // An integer, a string of the given length, or a colour of four 16-bit parts.
        if (type == 1 && value < 0)
            break;
        at = serialAt + 4 + (type == 0 ? 4 : type == 1 ? 4 + padded(value) : 8);
    }
    return found;
}

bool desktopSetsDpi(Display *display)
{
    const int screen = DefaultScreen(display);
    int dpi =
        resourceDpi(property(display, RootWindow(display, screen), XA_RESOURCE_MANAGER, XA_STRING));
    const std::string manager = "_XSETTINGS_S" + std::to_string(screen);
    const Atom selection = XInternAtom(display, manager.c_str(), True);
    const Atom settings = XInternAtom(display, "_XSETTINGS_SETTINGS", True);
    const Window owner = selection ? XGetSelectionOwner(display, selection) : None;
    int xsettings = 0;
    if (owner && settings && xsettingsDpi(property(display, owner, settings, settings), &xsettings))
        dpi = xsettings / 1024;
    return dpi > 0;
}

// A settings manager's window may vanish between two requests, as when it restarts.
int ignoreError(Display *, XErrorEvent *)
{
    return 0;
}

} // namespace

// Where the desktop sets no DPI, Qt 5 on X11 takes one from the size that the X server claims for
// its screen, often a nominal one (Xvfb, VNC, Xwayland, remote desktops), and scales the window by
// it: 104 % at 100 dots per inch. Qt 6 takes 96 then, and so does this, through Qt's own
// QT_FONT_DPI. Qt's Wayland platform is at 96 anyway, unless the user has it take another DPI.
void scaleByTheDesktopDpiOnly(int argc, char *argv[])
{
    QByteArray name;
    bool waylandFirst = false;
    if (qEnvironmentVariableIsSet("QT_FONT_DPI") || !xcbDisplay(argc, argv, &name, &waylandFirst) ||
        (waylandFirst && !qEnvironmentVariableIsEmpty("QT_WAYLAND_FORCE_DPI")))
        return;
    Display *display = XOpenDisplay(name.isEmpty() ? nullptr : name.constData());
    if (!display)
        return;
    const auto previous = XSetErrorHandler(ignoreError);
    if (!desktopSetsDpi(display))
        qputenv("QT_FONT_DPI", "96");
    XCloseDisplay(display);
    XSetErrorHandler(previous);
}
