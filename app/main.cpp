#include "mainwindow.h"

#include <QApplication>

#include <chrono>
#include <cstdlib>
#include <thread>

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

} // namespace

int main(int argc, char *argv[])
{
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
