#include "x11dpi.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonObject>
#include <QPluginLoader>
#include <QStringList>

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <algorithm>
#include <climits>
#include <dlfcn.h>
#include <string>

namespace {

// What Qt 5.15 reads before it loads a platform plugin: the plugins to try, in turn, and the folder
// given for them, from the session type, QT_QPA_PLATFORM, QT_QPA_PLATFORM_PLUGIN_PATH and its own
// options; then, from the options left, the X display that its xcb plugin connects to.
struct PlatformChoice
{
    QStringList platforms;
    QString pluginFolder;
    QByteArray display;
};

// Debian's Qt takes Wayland first in any Wayland session. Upstream's Qt 5.15 skips it under GNOME,
// where this then leaves Qt's X11 alone; GNOME gives X11 its DPI through XSETTINGS anyway.
PlatformChoice platformChoice(int argc, char *argv[])
{
    QByteArray platforms = qgetenv("XDG_SESSION_TYPE") == "wayland" ? "wayland;xcb" : "xcb";
    if (!qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        platforms = qgetenv("QT_QPA_PLATFORM");
    PlatformChoice choice;
    choice.pluginFolder = QString::fromLocal8Bit(qgetenv("QT_QPA_PLATFORM_PLUGIN_PATH"));
    const auto option = [](const char *argument) {
        const QByteArray name(argument);
        return name.startsWith("--") ? name.mid(1) : name;
    };
    // Qt's own options take the next argument whatever it is; X11's old ones only where xcb is
    // the first platform named so far.
    QByteArrayList left;
    for (int i = 1; i < argc; ++i) {
        const QByteArray name = option(argv[i]);
        if (name == "-platformpluginpath") {
            if (++i < argc)
                choice.pluginFolder = QString::fromLocal8Bit(argv[i]);
        } else if (name == "-platform") {
            if (++i < argc)
                platforms = argv[i];
        } else if (name == "-platformtheme" || name == "-qwindowgeometry" ||
                   name == "-qwindowtitle" || name == "-qwindowicon" ||
                   (platforms.startsWith("xcb") &&
                    (name == "-geometry" || name == "-title" || name == "-icon"))) {
            ++i;
        } else {
            left.append(argv[i]);
        }
    }
    for (int i = 0; i + 1 < left.size(); ++i) {
        const QByteArray name = option(left.at(i).constData());
        if (name == "-display")
            choice.display = left.at(i + 1);
        if (name == "-display" || name == "-name" || name == "-visual")
            ++i;
    }
    for (const QByteArray &platform : platforms.split(';'))
        choice.platforms.append(QString::fromLocal8Bit(platform.split(':').constFirst()).toLower());
    return choice;
}

// The platform plugins that Qt finds, by the keys that they declare, in the order it tries them: in
// each plugin folder's platforms/, and where a folder is given for them, in that folder and in each
// plugin folder itself. Qt adds the application's own folder to the plugin folders once the
// application object exists.
QHash<QString, QStringList> platformPlugins(const QString &givenFolder,
                                            const QString &applicationFolder)
{
    QStringList folders = QCoreApplication::libraryPaths() << applicationFolder;
    QStringList searched;
    if (!givenFolder.isEmpty())
        searched = folders = QStringList(givenFolder) << folders;
    for (const QString &folder : qAsConst(folders))
        searched << folder + QLatin1String("/platforms");
    QHash<QString, QStringList> plugins;
    for (const QString &folder : qAsConst(searched)) {
        const QDir directory(folder);
        for (const QString &file : directory.entryList(QDir::Files)) {
            const QString path = directory.filePath(file);
            const QJsonObject data = QPluginLoader(path).metaData();
            if (data.value(QLatin1String("IID")).toString() ==
                QLatin1String("org.qt-project.Qt.QPA.QPlatformIntegrationFactoryInterface.5.3"))
                for (const QJsonValue key : data.value(QLatin1String("MetaData"))
                                                .toObject()
                                                .value(QLatin1String("Keys"))
                                                .toArray())
                    plugins[key.toString().toLower()].append(path);
        }
    }
    return plugins;
}

// Whether Qt's Wayland plugin, which needs libwayland-client, connects, by that library's own
// rule. A connection handed over in WAYLAND_SOCKET serves once, and is left to Qt.
bool waylandConnects()
{
    if (qEnvironmentVariableIsSet("WAYLAND_SOCKET"))
        return true;
    void *library = dlopen("libwayland-client.so.0", RTLD_LAZY | RTLD_LOCAL);
    if (!library)
        return false;
    const auto connect =
        reinterpret_cast<void *(*)(const char *)>(dlsym(library, "wl_display_connect"));
    const auto disconnect =
        reinterpret_cast<void (*)(void *)>(dlsym(library, "wl_display_disconnect"));
    void *display = connect && disconnect ? connect(nullptr) : nullptr;
    if (display)
        disconnect(display);
    dlclose(library);
    return display;
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

// Whether Qt will use xcb: the first platform that has a plugin that loads, and that starts. All
// start where they load, but for xcb's and Wayland's, which must connect. A plugin loaded here
// stays loaded, and is the one that Qt then takes.
bool qtTakesXcb(const PlatformChoice &choice, const QString &applicationFolder)
{
    const QHash<QString, QStringList> found =
        platformPlugins(choice.pluginFolder, applicationFolder);
    for (const QString &name : choice.platforms) {
        const QStringList files = found.value(name);
        if (std::none_of(files.cbegin(), files.cend(),
                         [](const QString &file) { return QPluginLoader(file).load(); }))
            continue;
        if (name == QLatin1String("xcb"))
            return true;
        if (!name.startsWith(QLatin1String("wayland")) || waylandConnects())
            return false;
    }
    return false;
}

} // namespace

// Where the desktop sets no DPI, Qt 5 on X11 takes one from the size that the X server claims for
// its screen, often a nominal one (Xvfb, VNC, Xwayland, remote desktops), and scales the window by
// it: 104 % at 100 dots per inch. Qt 6 takes 96 then, and so does this, through Qt's own
// QT_FONT_DPI. A QT_FONT_DPI above 0 is the user's own, which Qt applies. A qt.conf beside the
// program may name other plugin folders, which Qt reads only once the application object exists;
// then Qt's choice is left as it is.
void scaleByTheDesktopDpiOnly(int argc, char *argv[])
{
    const QString applicationFolder = QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
    if (qEnvironmentVariableIntValue("QT_FONT_DPI") > 0 ||
        QFileInfo::exists(applicationFolder + QLatin1String("/qt.conf")))
        return;
    const PlatformChoice choice = platformChoice(argc, argv);
    if (!qtTakesXcb(choice, applicationFolder))
        return;
    Display *display =
        XOpenDisplay(choice.display.isEmpty() ? nullptr : choice.display.constData());
    if (!display)
        return;
    const auto previous = XSetErrorHandler(ignoreError);
    if (!desktopSetsDpi(display))
        qputenv("QT_FONT_DPI", "96");
    XCloseDisplay(display);
    XSetErrorHandler(previous);
}
