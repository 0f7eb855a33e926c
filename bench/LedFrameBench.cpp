// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The send path's CPU work: drawing one caption page and packing it to 384 bytes.
#include <benchmark/benchmark.h>

#include "show/CaptionFont.h"
#include "wire/DisplayPacket.h"
#include "wire/LedFrame.h"

namespace {

class CountingSink : public ByteSink {
 public:
  bool WriteByte(std::uint8_t byte) override {
    sum += byte;
    return true;
  }
  unsigned sum = 0;
};

void RenderAndPackOnePage(benchmark::State& state) {
  TBitmap frame = CreateLedFrame();
  const TFont font = InitialCaptionFont();
  const QString caption = QStringLiteral("第一幕 第二场 Act One");
  CountingSink sink;
  for (auto _ : state) {
    RenderCentred(frame, font, caption);
    PackFrame(frame, sink);
  }
  benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(RenderAndPackOnePage)->Unit(benchmark::kMicrosecond);

void PackOnePage(benchmark::State& state) {
  TBitmap frame = CreateLedFrame();
  RenderCentred(frame, InitialCaptionFont(), QStringLiteral("第一幕"));
  CountingSink sink;
  for (auto _ : state) PackFrame(frame, sink);
  benchmark::DoNotOptimize(sink.sum);
}
BENCHMARK(PackOnePage)->Unit(benchmark::kMicrosecond);

void BuildThreePagePacket(benchmark::State& state) {
  const TFont font = InitialCaptionFont();
  const QString caption = QStringLiteral("这是一个很长的字幕，它在滚动模式下需要三页才能送完");
  for (auto _ : state) benchmark::DoNotOptimize(BuildDisplayPacket(caption, font, 1));
}
BENCHMARK(BuildThreePagePacket)->Unit(benchmark::kMicrosecond);

}  // namespace
