// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// From a cue's arrival to the sign: a /lumetra/send datagram sent to the console's OSC port on
// 127.0.0.1 until the first byte of the send reaches the pseudo-terminal standing in for the
// sign. With a short show, with a 100,000-line show, and with that show while its caption list
// is still filling piece by piece (the window busy). Must stay well under a frame (16 ms). Also the cost of
// handing a line to the send log, which a send pays.
//
// And the longest turn of the window's event loop while a cue system fires 300 sends back to back:
// the time the window could neither paint nor take a key. It must stay within one send.
#include <arpa/inet.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QElapsedTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <lo/lo.h>
#include <thread>

#include "BigShow.h"
#include "ShownConsole.h"
#include "SignPty.h"
#include "console/FormRemoteControl.h"
#include "console/Unit1.h"
#include "keeping/SendLog.h"
#include "remote/OscServer.h"

namespace {

QByteArray SendCue(int line) {
  lo_message message = lo_message_new();
  lo_message_add_int32(message, line);
  std::size_t size = 0;
  void* bytes = lo_message_serialise(message, "/lumetra/send", nullptr, &size);
  QByteArray datagram(static_cast<const char*>(bytes), qsizetype(size));
  std::free(bytes);
  lo_message_free(message);
  return datagram;
}

// Starts the server on a free port of 127.0.0.1 and gives a cue system's socket aimed at it; -1
// when the server cannot listen.
int ListenAndAim(OscServer& server, sockaddr_in& to) {
  QString error;
  if (!server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error)) return -1;
  to.sin_family = AF_INET;
  to.sin_port = htons(std::uint16_t(server.Address().section(u':', -1).toInt()));
  to.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
  return ::socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
}

void BM_OscCueToFirstByte(benchmark::State& state) {
  ShownConsole console(int(state.range(0)));
  auto& [sign, working, form, remote] = console;
  // The second argument 1: the caption list goes on filling piece by piece meanwhile.
  if (state.range(1) == 0) form.CaptionLines();
  OscServer server(remote);
  sockaddr_in to{};
  const int client = ListenAndAim(server, to);
  if (client < 0) return state.SkipWithError("no server");
  // Lines 1 and 3: modes 0 and 2, one page each.
  const QByteArray cues[] = {SendCue(1), SendCue(3)};
  constexpr qint64 kPacketBytes = 779;
  qint64 sent = 0;
  for (auto _ : state) {
    // The line is quiet: the previous packet arrived whole.
    for (const QDeadlineTimer quiet(5000); sign.Received() < sent * kPacketBytes && !quiet.hasExpired();)
      std::this_thread::yield();
    sign.Arm();
    const SignPty::Clock::time_point start = SignPty::Clock::now();
    const QByteArray& cue = cues[sent % 2];
    ::sendto(client, cue.constData(), std::size_t(cue.size()), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
    for (const QDeadlineTimer deadline(5000); !sign.Fired() && !deadline.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (!sign.Fired()) return state.SkipWithError("the cue reached no sign");
    state.SetIterationTime(std::chrono::duration<double>(sign.FirstByteAt() - start).count());
    ++sent;
    char reply[512];
    while (::recv(client, reply, sizeof reply, 0) > 0) {
    }
  }
  ::close(client);
}
BENCHMARK(BM_OscCueToFirstByte)
    ->Args({3, 0})
    ->Args({kBigShowLines, 0})
    ->Args({kBigShowLines, 1})
    ->UseManualTime()
    ->Unit(benchmark::kMillisecond);

// The window's event loop turned by hand, one turn a call, while 300 send cues queued at once are
// handled: the longest turn, against the median turn that made a send (one send's time).
void BM_OscBurstLongestTurn(benchmark::State& state) {
  ShownConsole console(3);
  auto& [sign, working, form, remote] = console;
  OscServer server(remote);
  sockaddr_in to{};
  const int client = ListenAndAim(server, to);
  if (client < 0) return state.SkipWithError("no server");
  constexpr int kCues = 300;
  const QByteArray cues[] = {SendCue(1), SendCue(3)};
  double longestMs = 0, longestSendMs = 0, longestOtherMs = 0;
  qint64 mostSendsInATurn = 0;
  std::vector<double> sendTurnsMs;
  for (auto _ : state) {
    const qint64 start = form.SendsMade;
    for (int i = 0; i < kCues; ++i)
      ::sendto(client, cues[i % 2].constData(), std::size_t(cues[i % 2].size()), 0, reinterpret_cast<const sockaddr*>(&to),
               sizeof to);
    for (const QDeadlineTimer deadline(60000); form.SendsMade - start < kCues && !deadline.hasExpired();) {
      const qint64 before = form.SendsMade;
      QElapsedTimer turn;
      turn.start();
      QCoreApplication::processEvents();
      const double ms = turn.nsecsElapsed() / 1e6;
      longestMs = std::max(longestMs, ms);
      mostSendsInATurn = std::max(mostSendsInATurn, form.SendsMade - before);
      if (form.SendsMade > before) sendTurnsMs.push_back(ms);
      double& longestOfKind = form.SendsMade > before ? longestSendMs : longestOtherMs;
      longestOfKind = std::max(longestOfKind, ms);
    }
    if (form.SendsMade - start < kCues) return state.SkipWithError("the burst did not reach the sign whole");
    state.SetIterationTime(longestMs / 1000);
    char reply[512];
    while (::recv(client, reply, sizeof reply, 0) > 0) {
    }
  }
  std::nth_element(sendTurnsMs.begin(), sendTurnsMs.begin() + std::ptrdiff_t(sendTurnsMs.size() / 2), sendTurnsMs.end());
  state.counters["longest_turn_ms"] = longestMs;
  state.counters["median_send_turn_ms"] = sendTurnsMs.empty() ? 0 : sendTurnsMs[sendTurnsMs.size() / 2];
  state.counters["longest_send_turn_ms"] = longestSendMs;
  state.counters["longest_other_turn_ms"] = longestOtherMs;
  state.counters["most_sends_a_turn"] = double(mostSendsInATurn);
  ::close(client);
}
BENCHMARK(BM_OscBurstLongestTurn)->Iterations(3)->UseManualTime()->Unit(benchmark::kMillisecond);

// What a send pays for its line in the log: the line made and handed to the writer.
void BM_SendLogAppend(benchmark::State& state) {
  BigWorkingState working(0);
  SendLog log(working.folder.filePath(QStringLiteral("state")));
  const SendRecord record{QDateTime::currentDateTime(), QStringLiteral("osc 127.0.0.1:53000"), 12, 1, 3, 2325,
                          QStringLiteral("ok"), BigShowCaption(12)};
  for (auto _ : state) log.Append(record);
  log.WaitUntilWritten(10000);
}
BENCHMARK(BM_SendLogAppend)->Unit(benchmark::kMicrosecond);

}  // namespace
