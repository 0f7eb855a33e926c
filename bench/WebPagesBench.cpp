// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A send with the web pages open: from the send's start until the first byte reaches the
// pseudo-terminal standing in for the sign, with no page, and with 200 pages following the
// console (WebSocket clients in this process, reading as the event loop lets them) plus one page
// that never reads. The pages must not make the first byte later. Also what a send costs the
// console for the pages: the packet's pages rebuilt and the message handed to every page.
#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QTimer>
#include <QWebSocket>
#include <benchmark/benchmark.h>
#include <chrono>
#include <memory>
#include <thread>
#include <vector>

#include "BigShow.h"
#include "ShownConsole.h"
#include "SignPty.h"
#include "console/FormRemoteControl.h"
#include "console/Unit1.h"
#include "remote/WebConsoleWatch.h"
#include "remote/WebServer.h"

namespace {

// A page that takes the upgrade and never reads again.
int DeadPage(quint16 port) {
  const int fd = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(port);
  address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  if (::connect(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0) return fd;
  const QByteArray upgrade =
      "GET /live HTTP/1.1\r\nHost: 127.0.0.1\r\nUpgrade: websocket\r\nConnection: Upgrade\r\n"
      "Sec-WebSocket-Key: dGhlIHNhbXBsZSBub25jZQ==\r\nSec-WebSocket-Version: 13\r\n\r\n";
  (void)::send(fd, upgrade.constData(), size_t(upgrade.size()), 0);
  return fd;
}

struct OpenPages {
  OpenPages(WebServer& server, int count) {
    for (int i = 0; i < count; ++i) {
      auto page = std::make_unique<QWebSocket>();
      page->open(QUrl(QStringLiteral("ws://127.0.0.1:%1/live").arg(server.Port())));
      pages.push_back(std::move(page));
    }
    WaitFor(server, count);
    // Once the others are in: its blocking connect must not wait on a full backlog.
    if (count > 0) dead = DeadPage(server.Port());
    WaitFor(server, count + (count > 0));
  }
  static void WaitFor(const WebServer& server, int count) {
    for (const QDeadlineTimer deadline(20000); server.Counts().pages < count && !deadline.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
  }
  ~OpenPages() {
    if (dead >= 0) ::close(dead);
  }
  std::vector<std::unique_ptr<QWebSocket>> pages;
  int dead = -1;
};

void BM_SendToFirstByteWithPages(benchmark::State& state) {
  ShownConsole console(3);
  auto& [sign, working, form, remote] = console;
  WebControl control(remote, QString());
  WebLimits limits;
  limits.mostPerPeer = limits.mostConnections;  // every page from this one machine
  WebServer server(control, {}, limits);
  QString error;
  if (!server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error)) return state.SkipWithError("no server");
  WebConsoleWatch watch(form, server);
  const OpenPages pages(server, int(state.range(0)));
  constexpr qint64 kPacketBytes = 779;
  qint64 sent = 0;
  for (auto _ : state) {
    for (const QDeadlineTimer quiet(5000); sign.Received() < sent * kPacketBytes && !quiet.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::AllEvents, 1);
    sign.Arm();
    const SignPty::Clock::time_point start = SignPty::Clock::now();
    // Lines 1 and 3: modes 0 and 2, one page each.
    remote.SendLine(sent % 2 == 0 ? 1 : 3, QStringLiteral("bench"));
    for (const QDeadlineTimer deadline(5000); !sign.Fired() && !deadline.hasExpired();) std::this_thread::yield();
    if (!sign.Fired()) return state.SkipWithError("the send reached no sign");
    state.SetIterationTime(std::chrono::duration<double>(sign.FirstByteAt() - start).count());
    ++sent;
    // The pages in this process read while the window is idle, as between a show's cues.
    QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
  }
  state.counters["dropped"] = double(server.Counts().dropped);
}
BENCHMARK(BM_SendToFirstByteWithPages)->Arg(0)->Arg(200)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
