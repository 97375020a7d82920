// Preloaded into numconst: destroying the application object never ends, as when Qt's Wayland
// client deadlocks in it. It blocks before Qt's own teardown begins, where that deadlock could
// come first, and it first creates the file named by STUCK_TEARDOWN_TRACE, so that the test knows
// the teardown really blocked.
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

// Declared only to name the destructor that QApplication's destructor calls.
class QGuiApplication
{
public:
    ~QGuiApplication();
};

QGuiApplication::~QGuiApplication()
{
    if (const char *trace = std::getenv("STUCK_TEARDOWN_TRACE"))
        close(open(trace, O_CREAT | O_WRONLY, 0600));
    for (;;)
        pause();
}
