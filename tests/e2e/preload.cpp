// Preloaded into numconst by the end-to-end runs, to make two rare moments happen on demand.
// With STUCK_TEARDOWN_TRACE set, destroying the application object never ends, as when Qt's
// Wayland client deadlocks in it; it blocks before Qt's own teardown begins, where that deadlock
// could come first, and first creates the file so named, so that the test knows the teardown
// really blocked. With HELD_COPY set, each copy to the clipboard waits at its start while the file
// so named exists, for at most 20 seconds, creating that name with ".waiting" added: another
// client can then take the clipboard at a moment provably before numconst's copy.
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
#include <string>
#include <unistd.h>

// Declared only to name the functions that numconst calls.
class QMimeData;
class QClipboard
{
public:
    enum Mode { Clipboard };
    void setMimeData(QMimeData *data, Mode mode);
};
class QGuiApplication
{
public:
    ~QGuiApplication();
};

namespace {
void create(const std::string &file)
{
    close(open(file.c_str(), O_CREAT | O_WRONLY, 0600));
}
} // namespace

void QClipboard::setMimeData(QMimeData *data, Mode mode)
{
    if (const char *held = std::getenv("HELD_COPY"))
        for (int tries = 0; tries < 2000 && access(held, F_OK) == 0; ++tries, usleep(10000))
            create(std::string(held) + ".waiting");
    using SetMimeData = void (*)(QClipboard *, QMimeData *, Mode);
    reinterpret_cast<SetMimeData>(
        dlsym(RTLD_NEXT, "_ZN10QClipboard11setMimeDataEP9QMimeDataNS_4ModeE"))(this, data, mode);
}

QGuiApplication::~QGuiApplication()
{
    if (const char *trace = std::getenv("STUCK_TEARDOWN_TRACE")) {
        create(trace);
        for (;;)
            pause();
    }
    using Destructor = void (*)(QGuiApplication *);
    reinterpret_cast<Destructor>(dlsym(RTLD_NEXT, "_ZN15QGuiApplicationD2Ev"))(this);
}
