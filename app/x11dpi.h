#ifndef NUMCONST_X11DPI_H
#define NUMCONST_X11DPI_H

// Before the application object exists: on X11 the display's scale is to come from the desktop's
// DPI setting alone, never from the size that the X server claims for its screen.
void scaleByTheDesktopDpiOnly(int argc, char *argv[]);

#endif
