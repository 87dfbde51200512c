/* Grabs the X server, so that it serves no other client, puts a mark on the root window, says
   "grabbed" on standard output and holds the grab until its standard input closes. A client
   that connects meanwhile is let in but not set up until the grab ends.
   Usage: grab_display MARK-NAME */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <stdio.h>
#include <string.h>
#include <unistd.h>

int main(int argc, char** argv) {
    if (argc != 2) {
        fprintf(stderr, "usage: %s MARK-NAME\n", argv[0]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display) {
        fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    const char* value = "set before the grab ended";
    XChangeProperty(display, DefaultRootWindow(display), XInternAtom(display, argv[1], False),
                    XA_STRING, 8, PropModeReplace, (const unsigned char*)value, (int)strlen(value));
    XGrabServer(display);
    XSync(display, False);
    printf("grabbed\n");
    fflush(stdout);
    char c;
    while (read(0, &c, 1) > 0) {
    }
    XCloseDisplay(display);
    return 0;
}
