// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// A send of four pages (the scrolling mode) to one sign, and to two signs on the same port, each
// sign a pseudo-terminal drained by a thread of its own (in bursts, as a sign's controller takes
// its bytes): the two signs are written at once, so they should take the time of one. And a send
// to a sign that hangs, alone and beside a working one: the working one must not make it longer.
#include <QStringList>
#include <benchmark/benchmark.h>
#include <memory>
#include <vector>

#include "SignPty.h"
#include "show/CaptionFont.h"
#include "wire/DisplayModes.h"
#include "wire/DisplayPacket.h"
#include "wire/SignLink.h"

namespace {

// The shortest caption of `pages` pages in the scrolling mode.
QString CaptionOfPages(TBitmap& frame, const TFont& font, int pages) {
  QString caption;
  do {
    caption += QStringLiteral("字");
    RenderCentred(frame, font, caption);
  } while (DisplayPacketPages(frame, caption, kScrollInFromRightMode) < pages);
  return caption;
}

// Sends a caption of `pages` pages to the signs of port 1, and fails the benchmark unless the
// result is `complete`.
void SendPages(benchmark::State& state, const std::vector<std::unique_ptr<SignPty>>& signs, int pages, bool complete) {
  QStringList devices;
  for (const auto& sign : signs) devices << sign->Device();
  qputenv("LUMETRA_COM1", devices.join(u',').toLocal8Bit());
  const TFont font = InitialCaptionFont();
  TBitmap frame = CreateLedFrame();
  const QString caption = CaptionOfPages(frame, font, pages);
  for (auto _ : state) {
    RenderCentred(frame, font, caption);
    const SignSendResult result = SendToSign(frame, caption, kScrollInFromRightMode, 1);
    if (result.complete != complete || result.pages != pages) state.SkipWithError("the send did not end as it should");
  }
  state.counters["bytes per sign"] = double(signs.back()->Received()) / double(state.iterations());
  qunsetenv("LUMETRA_COM1");
}

void BM_SendFourPagesToSigns(benchmark::State& state) {
  std::vector<std::unique_ptr<SignPty>> signs;
  for (int i = 0; i < state.range(0); ++i) signs.push_back(std::make_unique<SignPty>(SignPty::Reading::InBursts));
  SendPages(state, signs, 4, true);
}
BENCHMARK(BM_SendFourPagesToSigns)->Arg(1)->Arg(2)->ArgName("signs")->UseRealTime()->Unit(benchmark::kMillisecond);

// Sixty pages: more than the terminal holds for a sign that takes nothing. A terminal has no line
// time, so the four-page send above measures only the processor's work; a hanging sign's bounded
// wait stands in for a line's: two of them must take the time of one, not twice it.
void BM_SendToHangingSigns(benchmark::State& state) {
  std::vector<std::unique_ptr<SignPty>> signs;
  for (int i = 0; i < state.range(0); ++i) signs.push_back(std::make_unique<SignPty>(SignPty::Reading::Never));
  for (int i = 0; i < state.range(1); ++i) signs.push_back(std::make_unique<SignPty>(SignPty::Reading::InBursts));
  SendPages(state, signs, 60, false);
}
BENCHMARK(BM_SendToHangingSigns)
    ->Args({1, 0})
    ->Args({1, 1})
    ->Args({2, 0})
    ->ArgNames({"hanging", "working"})
    ->Iterations(2)
    ->UseRealTime()
    ->Unit(benchmark::kMillisecond);

}  // namespace
