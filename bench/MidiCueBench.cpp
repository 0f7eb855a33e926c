// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// From a MIDI cue's arrival to the sign: a show control GO with a cue number written to the
// pseudo-terminal the console reads as its MIDI device, until the first byte of the send reaches
// the pseudo-terminal standing in for the sign. The median and the longest of the runs; both must
// stay well under a frame (16 ms). The GOs come 300 ms apart, past the double-trigger guard, as
// a desk's operator fires them.
#include <pty.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <benchmark/benchmark.h>
#include <algorithm>
#include <chrono>
#include <thread>
#include <vector>

#include "ShownConsole.h"
#include "remote/MidiInput.h"

namespace {

void BM_MidiGoToFirstByte(benchmark::State& state) {
  ShownConsole console(3);
  auto& [sign, working, form, remote] = console;
  int desk = -1, device = -1;
  char name[256] = {};
  if (openpty(&desk, &device, name, nullptr, nullptr) != 0) return state.SkipWithError("no pseudo-terminal");
  MidiInput input(remote);
  QString error;
  if (!input.Watch(QString::fromLocal8Bit(name), MidiListening{}, error)) return state.SkipWithError("no MIDI device");
  // GO 1 and GO 3: lines of one page each.
  const QByteArray cues[] = {QByteArray::fromHex("F07F0102010131F7"), QByteArray::fromHex("F07F0102010133F7")};
  std::vector<double> runsMs;
  for (auto _ : state) {
    // Past the guard, the line quiet, the previous packet read whole.
    std::this_thread::sleep_for(std::chrono::milliseconds(300));
    QCoreApplication::processEvents();
    sign.Arm();
    const SignPty::Clock::time_point start = SignPty::Clock::now();
    const QByteArray& cue = cues[runsMs.size() % 2];
    if (::write(desk, cue.constData(), std::size_t(cue.size())) != cue.size()) return state.SkipWithError("not written");
    for (const QDeadlineTimer deadline(5000); !sign.Fired() && !deadline.hasExpired();)
      QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    if (!sign.Fired()) return state.SkipWithError("the cue reached no sign");
    const double seconds = std::chrono::duration<double>(sign.FirstByteAt() - start).count();
    state.SetIterationTime(seconds);
    runsMs.push_back(seconds * 1000);
  }
  std::sort(runsMs.begin(), runsMs.end());
  state.counters["median_ms"] = runsMs[runsMs.size() / 2];
  state.counters["longest_ms"] = runsMs.back();
  ::close(device);
  ::close(desk);
}
BENCHMARK(BM_MidiGoToFirstByte)->Iterations(30)->UseManualTime()->Unit(benchmark::kMillisecond);

}  // namespace
