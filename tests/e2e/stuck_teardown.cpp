// Preloaded into numconst: closing its Wayland connection never returns, as when Qt's Wayland
// client deadlocks while the application is destroyed. It first creates the file named by
// STUCK_TEARDOWN_TRACE, so that the test knows the teardown really blocked.
#include <cstdlib>
#include <fcntl.h>
#include <unistd.h>

extern "C" void wl_display_disconnect(struct wl_display *display);

void wl_display_disconnect(wl_display *)
{
    if (const char *trace = std::getenv("STUCK_TEARDOWN_TRACE"))
        close(open(trace, O_CREAT | O_WRONLY, 0600));
    for (;;)
        pause();
}
