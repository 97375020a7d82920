// Preloaded into numconst: closing its Wayland connection never returns, as when Qt's Wayland
// client deadlocks while the application is destroyed.
#include <unistd.h>

extern "C" void wl_display_disconnect(struct wl_display *display);

void wl_display_disconnect(wl_display *)
{
    for (;;)
        pause();
}
