/* A small X11 helper for the smoke test of the real game window:
 *   x11_probe wait NAME SECONDS     waits until a window of that name is mapped with a picture
 *                                   that is not blank; prints the milliseconds it took
 *   x11_probe shot NAME FILE.ppm    writes the window's picture; prints how many colours it has
 *   x11_probe close NAME            asks the window to close, as its close box does
 *   x11_probe change NAME X Y W H SECONDS
 *                                   waits until the window's rectangle changes; prints the wall
 *                                   clock time it was seen, in milliseconds since the epoch
 * Exit code 0 on success, 1 otherwise. */
#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <time.h>
#include <unistd.h>

static Window find_window(Display* d, Window w, const char* name) {
  char* wname = NULL;
  if (XFetchName(d, w, &wname) && wname) {
    int same = strcmp(wname, name) == 0;
    XFree(wname);
    if (same) return w;
  }
  Window root, parent, *children = NULL;
  unsigned int n = 0;
  if (!XQueryTree(d, w, &root, &parent, &children, &n)) return 0;
  Window found = 0;
  for (unsigned int i = 0; i < n && !found; ++i) found = find_window(d, children[i], name);
  if (children) XFree(children);
  return found;
}

/* Counts distinct colours (up to a cap) and optionally writes a PPM. */
static long picture(Display* d, Window w, const char* ppm) {
  XWindowAttributes a;
  if (!XGetWindowAttributes(d, w, &a) || a.map_state != IsViewable) return -1;
  XImage* img = XGetImage(d, w, 0, 0, (unsigned)a.width, (unsigned)a.height, AllPlanes, ZPixmap);
  if (!img) return -1;
  FILE* f = ppm ? fopen(ppm, "wb") : NULL;
  if (f) fprintf(f, "P6\n%d %d\n255\n", a.width, a.height);
  static unsigned char seen[1 << 21];
  memset(seen, 0, sizeof seen);
  long colours = 0;
  for (int y = 0; y < a.height; ++y) {
    for (int x = 0; x < a.width; ++x) {
      unsigned long p = XGetPixel(img, x, y);
      unsigned char rgb[3] = {(unsigned char)(p >> 16), (unsigned char)(p >> 8), (unsigned char)p};
      unsigned long key = ((p >> 16 & 0xFF) >> 1 << 14) | ((p >> 8 & 0xFF) >> 1 << 7) | ((p & 0xFF) >> 1);
      if (!(seen[key >> 3] & (1 << (key & 7)))) {
        seen[key >> 3] |= (unsigned char)(1 << (key & 7));
        ++colours;
      }
      if (f) fwrite(rgb, 1, 3, f);
    }
  }
  if (f) fclose(f);
  XDestroyImage(img);
  return colours;
}

static long now_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_MONOTONIC, &t);
  return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

static long wall_ms(void) {
  struct timespec t;
  clock_gettime(CLOCK_REALTIME, &t);
  return t.tv_sec * 1000L + t.tv_nsec / 1000000L;
}

/* The rectangle's pixels, or NULL when the window cannot be read. */
static XImage* region(Display* d, Window w, char** argv) {
  return XGetImage(d, w, atoi(argv[3]), atoi(argv[4]), (unsigned)atoi(argv[5]),
                   (unsigned)atoi(argv[6]), AllPlanes, ZPixmap);
}

static int same_image(XImage* a, XImage* b) {
  return a->height == b->height && a->bytes_per_line == b->bytes_per_line &&
         memcmp(a->data, b->data, (size_t)a->height * (size_t)a->bytes_per_line) == 0;
}

static int run(Display* d, int argc, char** argv) {
  const char* cmd = argv[1];
  const char* name = argv[2];
  if (strcmp(cmd, "wait") == 0 && argc >= 4) {
    long start = now_ms(), limit = start + 1000L * atol(argv[3]);
    while (now_ms() < limit) {
      Window w = find_window(d, DefaultRootWindow(d), name);
      if (w && picture(d, w, NULL) > 16) {
        printf("%ld\n", now_ms() - start);
        return 0;
      }
      usleep(20000);
    }
    return 1;
  }
  Window w = find_window(d, DefaultRootWindow(d), name);
  if (!w) return 1;
  if (strcmp(cmd, "change") == 0 && argc >= 8) {
    XImage* before = region(d, w, argv);
    if (!before) return 1;
    printf("ready\n");
    fflush(stdout);
    long limit = now_ms() + 1000L * atol(argv[7]);
    int changed = 0;
    while (!changed && now_ms() < limit) {
      usleep(250);
      XImage* now = region(d, w, argv);
      if (!now) break;
      changed = !same_image(before, now);
      XDestroyImage(now);
    }
    XDestroyImage(before);
    if (changed) printf("%ld\n", wall_ms());
    return changed ? 0 : 1;
  }
  if (strcmp(cmd, "shot") == 0 && argc >= 4) {
    long colours = picture(d, w, argv[3]);
    printf("%ld\n", colours);
    return colours > 0 ? 0 : 1;
  }
  if (strcmp(cmd, "close") == 0) {
    XEvent e;
    memset(&e, 0, sizeof e);
    e.xclient.type = ClientMessage;
    e.xclient.window = w;
    e.xclient.message_type = XInternAtom(d, "WM_PROTOCOLS", False);
    e.xclient.format = 32;
    e.xclient.data.l[0] = (long)XInternAtom(d, "WM_DELETE_WINDOW", False);
    e.xclient.data.l[1] = CurrentTime;
    XSendEvent(d, w, False, NoEventMask, &e);
    XFlush(d);
    return 0;
  }
  return 1;
}

int main(int argc, char** argv) {
  if (argc < 3) return 1;
  Display* d = XOpenDisplay(NULL);
  if (!d) {
    fprintf(stderr, "x11_probe: no display\n");
    return 1;
  }
  int rc = run(d, argc, argv);
  // Closed on every path, so a leak checker in a sanitizer build has nothing to report.
  XCloseDisplay(d);
  return rc;
}
