/* Start-up and idle figures of one program run (a benchmark helper, run by hand).
 *
 *   startcpu [-t TITLE] [-s SERVERPID] [-r SECONDS] [-i SECONDS] -- PROGRAM [ARGS...]
 *
 * Starts the program and watches the X server for the first top-level window whose
 * title contains TITLE to be mapped. At that moment it reads the program's CPU time
 * (every thread, the ended ones too, in nanoseconds), so polling adds no error. It
 * then waits until SECONDS (-r, default 3) after the mapping and reads the resident
 * memory, then measures the CPU time of the program and of the sound server (-s) over
 * the idle window (-i, default 10 s). It ends the program and prints one line:
 *
 *   map_wall_ms=.. map_cpu_ms=.. rss_kib=.. anon_kib=.. idle_cpu_ms=.. server_cpu_ms=..
 */
#define _GNU_SOURCE
#include <X11/Xatom.h>
#include <X11/Xlib.h>

#include <errno.h>
#include <poll.h>
#include <signal.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <sys/wait.h>
#include <time.h>
#include <unistd.h>

static double now_ms(void) {
    struct timespec ts;
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

/* CPU time of a whole process in ms, or -1 when it cannot be read. */
static double cpu_ms(pid_t pid) {
    clockid_t id;
    struct timespec ts;
    if (pid <= 0 || clock_getcpuclockid(pid, &id) != 0 || clock_gettime(id, &ts) != 0) return -1;
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

static long status_kib(pid_t pid, const char* key) {
    char path[64], line[256];
    snprintf(path, sizeof path, "/proc/%d/status", (int)pid);
    FILE* f = fopen(path, "r");
    if (!f) return -1;
    long v = -1;
    const size_t n = strlen(key);
    while (fgets(line, sizeof line, f))
        if (strncmp(line, key, n) == 0 && line[n] == ':') {
            v = strtol(line + n + 1, NULL, 10);
            break;
        }
    fclose(f);
    return v;
}

static int title_matches(Display* d, Window w, const char* want) {
    Atom netName = XInternAtom(d, "_NET_WM_NAME", False), utf8 = XInternAtom(d, "UTF8_STRING", False);
    Atom type;
    int format;
    unsigned long items, after;
    unsigned char* data = NULL;
    int found = 0;
    if (XGetWindowProperty(d, w, netName, 0, 1024, False, utf8, &type, &format, &items, &after, &data) == Success &&
        data) {
        found = strstr((const char*)data, want) != NULL;
        XFree(data);
        if (found) return 1;
    }
    char* name = NULL;
    if (XFetchName(d, w, &name) && name) {
        found = strstr(name, want) != NULL;
        XFree(name);
    }
    return found;
}

static int ignore_errors(Display* d, XErrorEvent* e) {
    (void)d;
    (void)e;
    return 0;  /* a window that is gone again */
}

static void sleep_until(double t) {
    for (double left; (left = t - now_ms()) > 0;) {
        struct timespec ts = {(time_t)(left / 1e3), (long)((left - (time_t)(left / 1e3) * 1e3) * 1e6)};
        nanosleep(&ts, NULL);
    }
}

int main(int argc, char** argv) {
    const char* title = "";
    pid_t server = 0;
    double rssAfter = 3, idle = 10;
    int opt;
    while ((opt = getopt(argc, argv, "t:s:r:i:")) != -1) {
        switch (opt) {
        case 't': title = optarg; break;
        case 's': server = (pid_t)atoi(optarg); break;
        case 'r': rssAfter = atof(optarg); break;
        case 'i': idle = atof(optarg); break;
        default: fprintf(stderr, "usage: startcpu [-t TITLE] [-s PID] [-r S] [-i S] -- PROGRAM [ARGS]\n"); return 2;
        }
    }
    if (optind >= argc) {
        fprintf(stderr, "startcpu: no program\n");
        return 2;
    }
    Display* d = XOpenDisplay(NULL);
    if (!d) {
        fprintf(stderr, "startcpu: no X display\n");
        return 2;
    }
    XSetErrorHandler(ignore_errors);
    /* Watch before the program starts, so that no mapping is missed. */
    XSelectInput(d, DefaultRootWindow(d), SubstructureNotifyMask);
    XSync(d, False);

    const double start = now_ms();
    const pid_t pid = fork();
    if (pid < 0) return 2;
    if (pid == 0) {
        close(ConnectionNumber(d));
        execvp(argv[optind], argv + optind);
        _exit(127);
    }

    double mapWall = -1, mapCpu = -1;
    struct pollfd pfd = {ConnectionNumber(d), POLLIN, 0};
    while (mapCpu < 0) {
        while (XPending(d)) {
            XEvent e;
            XNextEvent(d, &e);
            if (e.type == MapNotify && !e.xmap.override_redirect && title_matches(d, e.xmap.window, title)) {
                mapCpu = cpu_ms(pid);
                mapWall = now_ms() - start;
                break;
            }
        }
        if (mapCpu >= 0) break;
        int status;
        if (waitpid(pid, &status, WNOHANG) == pid) {
            fprintf(stderr, "startcpu: the program ended before its window was mapped\n");
            return 1;
        }
        if (now_ms() - start > 600000) {
            fprintf(stderr, "startcpu: no window within 10 minutes\n");
            kill(pid, SIGKILL);
            waitpid(pid, NULL, 0);
            return 1;
        }
        poll(&pfd, 1, 100);
    }

    const double mapped = now_ms();
    sleep_until(mapped + rssAfter * 1e3);
    const long rss = status_kib(pid, "VmRSS"), anon = status_kib(pid, "RssAnon");
    const double p0 = cpu_ms(pid), s0 = cpu_ms(server), t0 = now_ms();
    sleep_until(t0 + idle * 1e3);
    const double p1 = cpu_ms(pid), s1 = cpu_ms(server);

    kill(pid, SIGTERM);
    for (int i = 0; i < 50 && waitpid(pid, NULL, WNOHANG) == 0; ++i) usleep(100000);
    if (kill(pid, 0) == 0) {
        kill(pid, SIGKILL);
        waitpid(pid, NULL, 0);
    }
    printf("map_wall_ms=%.1f map_cpu_ms=%.1f rss_kib=%ld anon_kib=%ld idle_cpu_ms=%.1f server_cpu_ms=%.1f\n", mapWall,
           mapCpu, rss, anon, p1 - p0, server > 0 && s0 >= 0 ? s1 - s0 : -1.0);
    XCloseDisplay(d);
    return 0;
}
