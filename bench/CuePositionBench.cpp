// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// What a cue's answer waits for: where the show stands, written safely (temporary file, flush,
// rename, folder flush) before the cue system hears that the show moved on. The small position
// file alone, as the recovery writer's thread writes it and the window waits; and a whole GO of a
// 300-line show through the window, position included, against a pty as the sign.
#include <QDir>
#include <benchmark/benchmark.h>

#include "BigShow.h"
#include "ShownConsole.h"
#include "keeping/RecoveryWriter.h"

namespace {

void BM_PositionWrittenAndWaitedFor(benchmark::State& state) {
  QTemporaryDir folder;
  RecoveryWriter writer(folder.filePath(QStringLiteral("recovery.lw")), folder.filePath(QStringLiteral("recovery.pos")));
  RecoveryState show;
  show.lines = QStringList(300, QStringLiteral("第一幕 字幕"));
  writer.WriteState(show, ShowPosition{});
  if (!writer.WaitUntilIdle(std::chrono::seconds(10))) return state.SkipWithError("the state was not written");
  int line = 0;
  for (auto _ : state) {
    writer.WritePosition(ShowPosition{line, line, line + 1, {}});
    if (!writer.WaitUntilIdle(std::chrono::seconds(10))) return state.SkipWithError("the position was not written");
    line = (line + 1) % 300;
  }
}
BENCHMARK(BM_PositionWrittenAndWaitedFor)->Unit(benchmark::kMillisecond);

// The window's GO of a one-page line, from the call to its return: the send to the pty and the
// position on disk.
void BM_GoOfAShowLine(benchmark::State& state) {
  ShownConsole console(300);
  auto& [sign, working, form, remote] = console;
  form.CaptionLines();
  remote.InputOn();
  QCoreApplication::processEvents();  // the recovery copy is taken up once the window is up
  if (!form.Recovery.Active()) return state.SkipWithError("no recovery copy kept");
  for (auto _ : state) {
    if (remote.Go(RemoteClock::now(), QStringLiteral("bench")).sends.size() != 1)
      return state.SkipWithError("the go sent nothing");
  }
}
BENCHMARK(BM_GoOfAShowLine)->Unit(benchmark::kMillisecond);

}  // namespace
