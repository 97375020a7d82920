#include "x11dpi.h"

#include <QByteArray>

#include <X11/Xlib.h>
#include <climits>
#include <cstring>
#include <string>

namespace {

// Whether the desktop gives X11 programs a DPI: Xft.dpi among the server's resources, or Xft/DPI
// among the settings of an XSETTINGS manager (GNOME's, Xfce's, xsettingsd).
bool desktopSetsDpi(Display *display)
{
    const char *resources = XResourceManagerString(display);
    if (resources &&
        (std::strncmp(resources, "Xft.dpi:", 8) == 0 || std::strstr(resources, "\nXft.dpi:")))
        return true;
    const std::string manager = "_XSETTINGS_S" + std::to_string(DefaultScreen(display));
    const Window owner = XGetSelectionOwner(display, XInternAtom(display, manager.c_str(), False));
    Atom type = None;
    int format = 0;
    unsigned long length = 0, left = 0;
    unsigned char *settings = nullptr;
    if (owner == None ||
        XGetWindowProperty(display, owner, XInternAtom(display, "_XSETTINGS_SETTINGS", False), 0,
                           LONG_MAX / 4, False, AnyPropertyType, &type, &format, &length, &left,
                           &settings) != Success)
        return false;
    const bool found =
        settings && QByteArray::fromRawData(reinterpret_cast<const char *>(settings), int(length))
                        .contains("Xft/DPI");
    XFree(settings);
    return found;
}

} // namespace

// Where the desktop sets no DPI, Qt 5 on X11 takes one from the size that the X server claims for
// its screen, often a nominal one (Xvfb, VNC, remote desktops), and scales the window by it: 104 %
// at 100 dots per inch. Qt 6 takes 96 then, and so does this, through Qt's own QT_FONT_DPI. A
// Wayland session is left alone, so that no X server is started for it.
void scaleByTheDesktopDpiOnly()
{
    if (qEnvironmentVariableIsSet("QT_FONT_DPI") || qgetenv("XDG_SESSION_TYPE") == "wayland")
        return;
    if (Display *display = XOpenDisplay(nullptr)) {
        if (!desktopSetsDpi(display))
            qputenv("QT_FONT_DPI", "96");
        XCloseDisplay(display);
    }
}
