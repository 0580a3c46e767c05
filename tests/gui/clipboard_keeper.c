/* A clipboard manager as far as a test needs one: it owns CLIPBOARD_MANAGER and, when a program
 * asks it to keep the clipboard (SAVE_TARGETS, as a program does before it ends), takes the
 * clipboard's text from that program and writes it to FILE. It returns once it is the manager,
 * printing the process id that goes on serving in the background (for at most 600 s).
 *   clipboard_keeper FILE    (on $DISPLAY) */
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <stdio.h>
#include <string.h>
#include <sys/types.h>
#include <unistd.h>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        fprintf(stderr, "usage: clipboard_keeper FILE\n");
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display)
    {
        fprintf(stderr, "clipboard_keeper: no display\n");
        return 1;
    }
    const Window self = XCreateSimpleWindow(display, DefaultRootWindow(display), 0, 0, 1, 1, 0, 0, 0);
    const Atom manager = XInternAtom(display, "CLIPBOARD_MANAGER", False);
    const Atom saveTargets = XInternAtom(display, "SAVE_TARGETS", False);
    const Atom clipboard = XInternAtom(display, "CLIPBOARD", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    const Atom kept = XInternAtom(display, "LAPMARK_KEPT", False);
    XSetSelectionOwner(display, manager, self, CurrentTime);
    if (XGetSelectionOwner(display, manager) != self)
    {
        fprintf(stderr, "clipboard_keeper: another clipboard manager runs\n");
        return 1;
    }
    /* The caller goes on only now, so nothing it copies can miss the manager. */
    fflush(stdout);
    const pid_t serving = fork();
    if (serving < 0)
        return 1;
    if (serving > 0)
    {
        printf("%d\n", (int)serving);
        fflush(stdout);
        _exit(0);
    }
    /* The caller reads the id until its output closes: the background keeps none of it. */
    if (!freopen("/dev/null", "w", stdout) || !freopen("/dev/null", "w", stderr))
        return 1;
    alarm(600); /* only against a hang */

    XSelectionRequestEvent pending = {0};
    for (;;)
    {
        XEvent event;
        XNextEvent(display, &event);
        if (event.type == SelectionRequest && event.xselectionrequest.selection == manager)
        {
            const XSelectionRequestEvent* request = &event.xselectionrequest;
            if (request->target == saveTargets && !pending.requestor)
            {
                /* Answered once the text is here: the program serves it meanwhile. */
                pending = *request;
                XConvertSelection(display, clipboard, utf8, kept, self, request->time);
                continue;
            }
            XSelectionEvent refusal = {SelectionNotify, 0, True, display, request->requestor,
                                       request->selection, request->target, None, request->time};
            XSendEvent(display, request->requestor, False, 0, (XEvent*)&refusal);
        }
        else if (event.type == SelectionNotify && pending.requestor)
        {
            Atom type = None;
            int format = 0;
            unsigned long count = 0, after = 0;
            unsigned char* text = NULL;
            if (event.xselection.property == kept &&
                XGetWindowProperty(display, self, kept, 0, 1 << 20, True, AnyPropertyType, &type,
                                   &format, &count, &after, &text) == Success && text)
            {
                FILE* out = fopen(argv[1], "wb");
                if (out)
                {
                    fwrite(text, 1, count, out);
                    fclose(out);
                }
                XFree(text);
            }
            XSelectionEvent done = {SelectionNotify, 0, True, display, pending.requestor,
                                    pending.selection, pending.target, pending.property, pending.time};
            XSendEvent(display, pending.requestor, False, 0, (XEvent*)&done);
            XFlush(display);
            memset(&pending, 0, sizeof pending);
        }
    }
}
