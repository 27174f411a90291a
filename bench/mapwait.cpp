/* mapwait: when top-level windows with given names are mapped, from the X server's own
 * MapNotify events (SubstructureNotify on the root window), without polling.
 *
 *   mapwait --now
 *       prints the monotonic clock in ms (the clock the events are stamped with).
 *   mapwait [--timeout S] [--all] NAME...
 *       prints "ready" once it listens, then "map MS NAME" when a child of the root window
 *       whose name (_NET_WM_NAME, else WM_NAME) is exactly one of NAMEs is mapped. MS is the
 *       monotonic time in ms at which the MapNotify arrived. Without --all it ends (status 0)
 *       after the first such line; with --all it goes on and also prints "unmap MS NAME"
 *       until the timeout (default 30 s). Status 1 when nothing matched in time.
 *
 * A window named only after it was mapped still counts, with the time of its MapNotify.
 * Only children of the root window are watched: a window manager reparents clients into
 * its frames, so run it in a display without one (as bench/run does).
 * Build: c++ -O2 -std=c++20 -o mapwait mapwait.cpp -lX11 (Debian: libx11-dev).
 */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <poll.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

/* steady_clock is CLOCK_MONOTONIC on Linux */
static double now_ms() {
  using namespace std::chrono;
  return duration<double, std::milli>(steady_clock::now().time_since_epoch()).count();
}

/* Windows come and go while we look at them; a BadWindow is not an error here. */
static int ignore_errors(Display* dpy, XErrorEvent* e) {
  (void)dpy;
  (void)e;
  return 0;
}

static Atom net_wm_name;
static char** names;
static int name_count;

/* The window's name if it is one of NAMEs, else null. */
static const char* matching_name(Display* dpy, Window w) {
  Atom props[2] = {net_wm_name, XA_WM_NAME};
  for (int p = 0; p < 2; p++) {
    Atom type;
    int format;
    unsigned long count, after;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(dpy, w, props[p], 0, 1024, False, AnyPropertyType, &type, &format, &count, &after,
                           &data) != Success || !data) {
      continue;
    }
    const char* found = nullptr;
    if (format == 8) {
      for (int i = 0; i < name_count; i++) {
        if (strlen(names[i]) == count && memcmp(names[i], data, count) == 0) found = names[i];
      }
    }
    XFree(data);
    if (found || type != None) return found; /* _NET_WM_NAME, when set, decides */
  }
  return nullptr;
}

/* What we know of each top-level window seen since we started. */
struct Seen {
  Window w;
  double map_ms;    /* time of its last MapNotify, < 0 while unmapped */
  const char* name; /* matching name it was reported under, or null */
};
static std::vector<Seen> seen;

static Seen* find_seen(Window w, bool add) {
  for (Seen& s : seen) {
    if (s.w == w) return &s;
  }
  if (!add) return nullptr;
  seen.push_back({w, -1.0, nullptr});
  return &seen.back();
}

static void forget(Window w) {
  for (size_t i = 0; i < seen.size(); i++) {
    if (seen[i].w == w) {
      seen[i] = seen.back();
      seen.pop_back();
      return;
    }
  }
}

int main(int argc, char** argv) {
  double timeout_s = 30;
  bool all = false;
  int i = 1;
  if (argc == 2 && strcmp(argv[1], "--now") == 0) {
    printf("%.3f\n", now_ms());
    return 0;
  }
  for (; i < argc && strncmp(argv[i], "--", 2) == 0; i++) {
    if (strcmp(argv[i], "--all") == 0) {
      all = true;
    } else if (strcmp(argv[i], "--timeout") == 0 && i + 1 < argc) {
      timeout_s = atof(argv[++i]);
    } else if (strcmp(argv[i], "--") == 0) {
      i++;
      break;
    } else {
      fprintf(stderr, "mapwait: unknown option %s\n", argv[i]);
      return 2;
    }
  }
  if (i >= argc) {
    fprintf(stderr, "usage: mapwait --now | mapwait [--timeout S] [--all] NAME...\n");
    return 2;
  }
  names = argv + i;
  name_count = argc - i;

  Display* dpy = XOpenDisplay(nullptr);
  if (!dpy) {
    fprintf(stderr, "mapwait: cannot open display %s\n", getenv("DISPLAY") ? getenv("DISPLAY") : "(unset)");
    return 2;
  }
  XSetErrorHandler(ignore_errors);
  net_wm_name = XInternAtom(dpy, "_NET_WM_NAME", False);
  Window root = DefaultRootWindow(dpy);
  XSelectInput(dpy, root, SubstructureNotifyMask);
  XSync(dpy, False);
  printf("ready\n");
  fflush(stdout);

  double deadline = now_ms() + timeout_s * 1000.0;
  bool matched = false;
  pollfd pfd = {ConnectionNumber(dpy), POLLIN, 0};
  for (;;) {
    while (XPending(dpy)) {
      XEvent ev;
      XNextEvent(dpy, &ev);
      double t = now_ms();
      if (ev.type == CreateNotify && ev.xcreatewindow.parent == root) {
        /* to notice a name given after the window was mapped */
        XSelectInput(dpy, ev.xcreatewindow.window, PropertyChangeMask);
        find_seen(ev.xcreatewindow.window, true);
      } else if (ev.type == MapNotify && ev.xmap.event == root) {
        Seen* s = find_seen(ev.xmap.window, true);
        s->map_ms = t;
        s->name = matching_name(dpy, s->w);
        if (s->name) {
          printf("map %.3f %s\n", s->map_ms, s->name);
          matched = true;
        }
      } else if (ev.type == PropertyNotify && (ev.xproperty.atom == net_wm_name || ev.xproperty.atom == XA_WM_NAME)) {
        Seen* s = find_seen(ev.xproperty.window, false);
        if (s && s->map_ms >= 0 && !s->name) {
          s->name = matching_name(dpy, s->w);
          if (s->name) {
            printf("map %.3f %s\n", s->map_ms, s->name);
            matched = true;
          }
        }
      } else if (ev.type == UnmapNotify && ev.xunmap.event == root) {
        Seen* s = find_seen(ev.xunmap.window, false);
        if (s) {
          if (s->name && all) printf("unmap %.3f %s\n", t, s->name);
          s->map_ms = -1.0;
          s->name = nullptr;
        }
      } else if (ev.type == DestroyNotify && ev.xdestroywindow.event == root) {
        forget(ev.xdestroywindow.window);
      }
      fflush(stdout);
      if (matched && !all) return 0;
    }
    double left = deadline - now_ms();
    if (left <= 0) break;
    poll(&pfd, 1, left > 1000 ? 1000 : (int)left + 1);
  }
  XCloseDisplay(dpy);
  return matched && all ? 0 : 1;
}
