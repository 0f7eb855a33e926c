// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-first-paint: starts a program and reports how long it took until its first top-level
// window was created, mapped and first painted on the X display. Painting is seen through the
// DAMAGE extension, watched from the moment the window is created (before it can draw).
//   lumetra-first-paint [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]
// Prints "map_ms=M paint_ms=P" and kills the program outright: one asked to close would save its
// working state on the way out.
// Exit status 2 when nothing was painted within the timeout, 3 when the program ended first.
#include <xcb/damage.h>
#include <xcb/xcb.h>

#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {

using Clock = std::chrono::steady_clock;

double Ms(Clock::time_point from, Clock::time_point to) {
  return std::chrono::duration<double, std::milli>(to - from).count();
}

// A busy X server now and then drops a connection that comes right after another one closed;
// a few spaced tries get through.
xcb_connection_t* Connect() {
  for (int attempt = 0;; ++attempt) {
    xcb_connection_t* c = xcb_connect(nullptr, nullptr);
    if (!xcb_connection_has_error(c) || attempt == 20) return c;
    xcb_disconnect(c);
    usleep(50 * 1000);
  }
}

void Stop(pid_t child) {
  kill(child, SIGKILL);
  waitpid(child, nullptr, 0);
}

}  // namespace

int main(int argc, char** argv) {
  double timeout = 20;
  int first = 1;
  if (first + 1 < argc && std::strcmp(argv[first], "--timeout") == 0) {
    timeout = std::atof(argv[first + 1]);
    first += 2;
  }
  if (first < argc && std::strcmp(argv[first], "--") == 0) ++first;
  if (first >= argc) {
    std::fprintf(stderr, "usage: lumetra-first-paint [--timeout SECONDS] -- PROGRAM [ARGUMENTS...]\n");
    return 1;
  }
  xcb_connection_t* c = Connect();
  if (xcb_connection_has_error(c)) {
    std::fprintf(stderr, "lumetra-first-paint: cannot open the X display\n");
    return 1;
  }
  const xcb_query_extension_reply_t* damage = xcb_get_extension_data(c, &xcb_damage_id);
  if (!damage || !damage->present) {
    std::fprintf(stderr, "lumetra-first-paint: the X server has no DAMAGE extension\n");
    return 1;
  }
  xcb_discard_reply(c, xcb_damage_query_version(c, 1, 1).sequence);
  xcb_screen_t* screen = xcb_setup_roots_iterator(xcb_get_setup(c)).data;
  const uint32_t mask = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
  xcb_change_window_attributes(c, screen->root, XCB_CW_EVENT_MASK, &mask);
  xcb_flush(c);

  const Clock::time_point start = Clock::now();
  const pid_t child = fork();
  if (child == 0) {
    execvp(argv[first], argv + first);
    std::perror("lumetra-first-paint: exec");
    _exit(127);
  }
  double mapMs = -1, paintMs = -1;
  bool ended = false;
  pollfd fd{xcb_get_file_descriptor(c), POLLIN, 0};
  while (paintMs < 0 && !ended && Ms(start, Clock::now()) < timeout * 1000) {
    poll(&fd, 1, 50);
    while (xcb_generic_event_t* event = xcb_poll_for_event(c)) {
      const uint8_t type = event->response_type & 0x7F;
      if (type == XCB_CREATE_NOTIFY) {
        const auto* e = reinterpret_cast<xcb_create_notify_event_t*>(event);
        if (!e->override_redirect) {
          xcb_damage_create(c, xcb_generate_id(c), e->window, XCB_DAMAGE_REPORT_LEVEL_NON_EMPTY);
          xcb_flush(c);
        }
      } else if (type == XCB_MAP_NOTIFY && mapMs < 0) {
        if (!reinterpret_cast<xcb_map_notify_event_t*>(event)->override_redirect) mapMs = Ms(start, Clock::now());
      } else if (type == damage->first_event + XCB_DAMAGE_NOTIFY && mapMs >= 0) {
        paintMs = Ms(start, Clock::now());
      }
      std::free(event);
    }
    ended = waitpid(child, nullptr, WNOHANG) == child;
  }
  if (!ended) Stop(child);
  xcb_disconnect(c);
  if (paintMs < 0 && ended) {
    std::fprintf(stderr, "lumetra-first-paint: %s ended before it painted a window\n", argv[first]);
    return 3;
  }
  if (paintMs < 0) {
    std::fprintf(stderr, "lumetra-first-paint: no window was painted within %.0f s\n", timeout);
    return 2;
  }
  std::printf("map_ms=%.1f paint_ms=%.1f\n", mapMs, paintMs);
  return 0;
}
