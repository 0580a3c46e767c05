/* Test code only: writes down every _NET_WM_STATE an X client sets on a window, as the client
 * sent it (a window manager may change the property right after), one line a request: the window
 * and the states' names, "0x1200003 _NET_WM_STATE_ABOVE _NET_WM_STATE_MODAL". Creates READY once
 * it is listening; runs until it is ended. Needs the X server's RECORD extension.
 *   x11_state_recorder OUT READY */
#include <X11/Xlib.h>
#include <X11/Xproto.h>
#include <X11/extensions/record.h>
#include <stdio.h>
#include <sys/select.h>

static Display* s_control;
static Atom s_state;
static FILE* s_out;
static const char* s_ready;

static void OnRecorded(XPointer closure, XRecordInterceptData* data)
{
    (void)closure;
    if (data->category == XRecordStartOfData)
    {
        FILE* ready = fopen(s_ready, "w");
        if (ready)
            fclose(ready);
    }
    else if (data->category == XRecordFromClient)
    {
        const xChangePropertyReq* request = (const xChangePropertyReq*)data->data;
        if (request->reqType == X_ChangeProperty && request->property == s_state && request->format == 32)
        {
            const CARD32* states = (const CARD32*)(request + 1);
            fprintf(s_out, "0x%lx", (unsigned long)request->window);
            for (CARD32 i = 0; i < request->nUnits; ++i)
            {
                char* name = XGetAtomName(s_control, states[i]);
                fprintf(s_out, " %s", name ? name : "?");
                if (name)
                    XFree(name);
            }
            fputc('\n', s_out);
            fflush(s_out);
        }
    }
    XRecordFreeData(data);
}

int main(int argc, char** argv)
{
    if (argc != 3)
    {
        fputs("usage: x11_state_recorder OUT READY\n", stderr);
        return 2;
    }
    s_control = XOpenDisplay(NULL);
    Display* data = XOpenDisplay(NULL);
    s_out = fopen(argv[1], "a");
    s_ready = argv[2];
    int major, minor;
    if (!s_control || !data || !s_out || !XRecordQueryVersion(s_control, &major, &minor))
    {
        fputs("x11_state_recorder: no display, no output file or no RECORD extension\n", stderr);
        return 1;
    }
    s_state = XInternAtom(s_control, "_NET_WM_STATE", False);
    XRecordRange* range = XRecordAllocRange();
    range->core_requests.first = X_ChangeProperty;
    range->core_requests.last = X_ChangeProperty;
    XRecordClientSpec clients = XRecordAllClients;
    XRecordContext context = XRecordCreateContext(s_control, 0, &clients, 1, &range, 1);
    XSync(s_control, False);
    if (!context || !XRecordEnableContextAsync(data, context, OnRecorded, NULL))
        return 1;
    for (;;)
    {
        XRecordProcessReplies(data);
        fd_set readable;
        FD_ZERO(&readable);
        FD_SET(ConnectionNumber(data), &readable);
        select(ConnectionNumber(data) + 1, &readable, NULL, NULL, NULL);
    }
}
