// Preloaded into numconst by the end-to-end runs, to make two rare moments happen on demand.
// While the file named by HELD_COPY exists, numconst stops itself as it starts a copy to the
// clipboard, so that another client can take the clipboard at a moment provably before the copy.
// With STUCK_TEARDOWN_TRACE set, destroying the application object never ends, as when Qt's
// Wayland client deadlocks in it; it blocks before Qt's own teardown begins, where that deadlock
// could come first, and first creates the file so named, so that the test knows the teardown
// really blocked.
#include <csignal>
#include <cstdlib>
#include <dlfcn.h>
#include <fcntl.h>
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

void QClipboard::setMimeData(QMimeData *data, Mode mode)
{
    const char *held = std::getenv("HELD_COPY");
    if (held && access(held, F_OK) == 0)
        raise(SIGSTOP);
    using SetMimeData = void (*)(QClipboard *, QMimeData *, Mode);
    reinterpret_cast<SetMimeData>(
        dlsym(RTLD_NEXT, "_ZN10QClipboard11setMimeDataEP9QMimeDataNS_4ModeE"))(this, data, mode);
}

QGuiApplication::~QGuiApplication()
{
    if (const char *trace = std::getenv("STUCK_TEARDOWN_TRACE")) {
        close(open(trace, O_CREAT | O_WRONLY, 0600));
        for (;;)
            pause();
    }
    using Destructor = void (*)(QGuiApplication *);
    reinterpret_cast<Destructor>(dlsym(RTLD_NEXT, "_ZN15QGuiApplicationD2Ev"))(this);
}
