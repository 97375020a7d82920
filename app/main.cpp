#include "mainwindow.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <thread>

#ifdef NUMCONST_QT5_X11
#include "x11dpi.h"
#endif

namespace {

// Qt's Wayland client can deadlock while the application object is destroyed: stopping its event
// threads, one of them waits for a read of the display that another has abandoned. The window is
// gone by then and nothing of the user's is left to save, so on Wayland that teardown gets a
// deadline, after which the process ends with the event loop's result all the same. Elsewhere it
// gets none: on X11 it may be handing the clipboard over to a clipboard manager.
void endProcessIfTeardownHangs(int result)
{
    if (!QGuiApplication::platformName().startsWith(QLatin1String("wayland")))
        return;
    std::thread([result] {
        std::this_thread::sleep_for(std::chrono::seconds(2));
        std::_Exit(result);
    }).detach();
}

// Sizes in the desktop's own units at any display scale, as Qt 6 does by default: a 150 % display
// gets a window of 1200 x 900 pixels, not 800 x 600 ones with text 1.5 times as large.
void scaleWithTheDisplay([[maybe_unused]] int argc, [[maybe_unused]] char *argv[])
{
#if QT_VERSION < QT_VERSION_CHECK(6, 0, 0)
    QApplication::setAttribute(Qt::AA_EnableHighDpiScaling);
    QApplication::setAttribute(Qt::AA_UseHighDpiPixmaps);
#if QT_VERSION >= QT_VERSION_CHECK(5, 14, 0)
    // Not rounded to whole numbers: 125 % and 150 % stay what they are.
    QApplication::setHighDpiScaleFactorRoundingPolicy(
        Qt::HighDpiScaleFactorRoundingPolicy::PassThrough);
#endif
#endif
#ifdef NUMCONST_QT5_X11
    scaleByTheDesktopDpiOnly(argc, argv);
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    scaleWithTheDisplay(argc, argv);
    QApplication application(argc, argv);
    int result = 0;
    {
        MainWindow window;
        window.show();
        result = application.exec();
    }
    endProcessIfTeardownHangs(result);
    return result;
}
