/* Test code only, loaded into the real program with LD_PRELOAD: moves the boot-time clock and
 * the wall clock by the numbers of seconds in the file that LAPMARK_CLOCK_SHIFT names ("BOOT
 * WALL", read afresh at every reading), the way a suspend and a change of the system clock move
 * them. "@MS WALL" instead stops the boot-time clock at exactly MS milliseconds, so a test
 * decides what every reading is. Every other clock is left alone.
 * It can slow the disk too: with LAPMARK_SLOW_FLUSH=MS each fdatasync and fsync takes MS
 * milliseconds, and a clock held still moves on by as much, as the real one would meanwhile; with
 * LAPMARK_FLUSH_LOG=FILE each one adds the size of the file it made durable to FILE, a line each
 * ("folder PATH" for a folder).
 * With LAPMARK_DIE_AFTER_CUT set, the process is killed the moment a file has been cut short.
 * With LAPMARK_GRAB_LOG=FILE each X11 key grab and its undoing adds "grab KEYCODE MODIFIERS" or
 * "ungrab KEYCODE MODIFIERS" to FILE. */
#define _GNU_SOURCE
#include <dlfcn.h>
#include <signal.h>
#include <fcntl.h>
#include <stdio.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

static int (*s_real)(clockid_t, struct timespec*);

/* The two shifts; no allocation, so any caller may read a clock through here. */
static void ReadShifts(long long* boot, long long* wall, int* frozen)
{
    const char* path = getenv("LAPMARK_CLOCK_SHIFT");
    char text[64] = {0};
    int fd = path ? open(path, O_RDONLY | O_CLOEXEC) : -1;
    *boot = *wall = 0;
    *frozen = 0;
    if (fd < 0)
        return;
    ssize_t length = read(fd, text, sizeof text - 1);
    close(fd);
    if (length > 0)
    {
        char* end = NULL;
        *frozen = text[0] == '@';
        *boot = strtoll(text + *frozen, &end, 10);
        *wall = strtoll(end, NULL, 10);
    }
}

int clock_gettime(clockid_t id, struct timespec* now)
{
    if (!s_real)
        s_real = (int (*)(clockid_t, struct timespec*))dlsym(RTLD_NEXT, "clock_gettime");
    int result = s_real(id, now);
    if (result == 0 && (id == CLOCK_BOOTTIME || id == CLOCK_REALTIME))
    {
        long long boot, wall;
        int frozen;
        ReadShifts(&boot, &wall, &frozen);
        if (id == CLOCK_BOOTTIME && frozen)
        {
            now->tv_sec = boot / 1000;
            now->tv_nsec = boot % 1000 * 1000000;
        }
        else
            now->tv_sec += id == CLOCK_BOOTTIME ? boot : wall;
    }
    return result;
}

/* The disk's flush, slowed and logged as the environment asks. */
static int SlowFlush(int fd, int (*real)(int))
{
    const char* slow = getenv("LAPMARK_SLOW_FLUSH");
    const long long ms = slow ? atoll(slow) : 0;
    int result = real(fd);
    if (ms > 0)
    {
        struct timespec pause = {ms / 1000, ms % 1000 * 1000000};
        nanosleep(&pause, NULL);
        long long boot, wall;
        int frozen;
        ReadShifts(&boot, &wall, &frozen);
        const char* path = getenv("LAPMARK_CLOCK_SHIFT");
        if (frozen && path)
        {
            char next[4096];
            snprintf(next, sizeof next, "%s.flush", path);
            FILE* out = fopen(next, "w");
            if (out)
            {
                fprintf(out, "@%lld %lld", boot + ms, wall);
                fclose(out);
                rename(next, path);
            }
        }
    }
    const char* log = getenv("LAPMARK_FLUSH_LOG");
    struct stat file;
    if (log && fstat(fd, &file) == 0 && (S_ISREG(file.st_mode) || S_ISDIR(file.st_mode)))
    {
        FILE* out = fopen(log, "a");
        if (out)
        {
            if (S_ISREG(file.st_mode))
                fprintf(out, "%lld\n", (long long)file.st_size);
            else
            {
                char link[64], folder[4096];
                snprintf(link, sizeof link, "/proc/self/fd/%d", fd);
                const ssize_t length = readlink(link, folder, sizeof folder - 1);
                fprintf(out, "folder %.*s\n", length > 0 ? (int)length : 0, folder);
            }
            fclose(out);
        }
    }
    return result;
}

int fdatasync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "fdatasync");
    return SlowFlush(fd, real);
}

int fsync(int fd)
{
    static int (*real)(int);
    if (!real)
        real = (int (*)(int))dlsym(RTLD_NEXT, "fsync");
    return SlowFlush(fd, real);
}

static int Cut(int fd, long long length, const char* name)
{
    int (*real)(int, long long) = (int (*)(int, long long))dlsym(RTLD_NEXT, name);
    int result = real(fd, length);
    if (result == 0 && getenv("LAPMARK_DIE_AFTER_CUT"))
        raise(SIGKILL);
    return result;
}

/* Both names: a program built with 64-bit file offsets calls the second. */
int ftruncate(int fd, off_t length)
{
    return Cut(fd, length, "ftruncate");
}

int ftruncate64(int fd, off64_t length)
{
    return Cut(fd, length, "ftruncate64");
}

/* X11's key grabs, logged: Xlib's own types are plain integers and pointers underneath. */
static void LogGrab(const char* what, int keycode, unsigned int modifiers)
{
    const char* log = getenv("LAPMARK_GRAB_LOG");
    FILE* out = log ? fopen(log, "a") : NULL;
    if (out)
    {
        fprintf(out, "%s %d %u\n", what, keycode, modifiers);
        fclose(out);
    }
}

int XGrabKey(void* display, int keycode, unsigned int modifiers, unsigned long window, int owner,
             int pointerMode, int keyboardMode)
{
    static int (*real)(void*, int, unsigned int, unsigned long, int, int, int);
    if (!real)
        real = (int (*)(void*, int, unsigned int, unsigned long, int, int, int))dlsym(RTLD_NEXT, "XGrabKey");
    LogGrab("grab", keycode, modifiers);
    return real(display, keycode, modifiers, window, owner, pointerMode, keyboardMode);
}

int XUngrabKey(void* display, int keycode, unsigned int modifiers, unsigned long window)
{
    static int (*real)(void*, int, unsigned int, unsigned long);
    if (!real)
        real = (int (*)(void*, int, unsigned int, unsigned long))dlsym(RTLD_NEXT, "XUngrabKey");
    LogGrab("ungrab", keycode, modifiers);
    return real(display, keycode, modifiers, window);
}
