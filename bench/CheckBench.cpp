// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli check on the 100,000-line show against lumetra-cli show listing the same file: the
// check reads the show, then measures and inspects every line in the caption font; the listing
// (ShowCommandsBench) only copies the text. Each run starts with no character known, as a
// process of the command does. The floor beside them reads the show and only measures its lines,
// with one set of font metrics held for the run: what no check can do without.
#include <benchmark/benchmark.h>

#include <QFontMetrics>

#include "BigShow.h"
#include "cli/CheckReport.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"

namespace {

void CheckShow(benchmark::State& state, ListingStyle style) {
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(BigShowBytes());
    ReadSettings(reader, show);
    CaptionChecker checker(show.Font);
    std::string report;
    benchmark::DoNotOptimize(AppendShowCheck(report, style, QStringLiteral("big.lw"), show, checker, CheckRun::Enter));
    benchmark::DoNotOptimize(report);
  }
  state.SetItemsProcessed(state.iterations() * kBigShowLines);
}
void BM_CheckShow(benchmark::State& state) { CheckShow(state, ListingStyle::Plain); }
BENCHMARK(BM_CheckShow)->Unit(benchmark::kMillisecond);
void BM_CheckShowJson(benchmark::State& state) { CheckShow(state, ListingStyle::Json); }
BENCHMARK(BM_CheckShowJson)->Unit(benchmark::kMillisecond);

void BM_MeasureShowLines(benchmark::State& state) {
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(BigShowBytes());
    ReadSettings(reader, show);
    TBitmap frame = CreateLedFrame();
    PrepareFrame(frame, show.Font);
    const QFontMetrics metrics(frame.Canvas.Font.ToQFont());
    qint64 width = 0;
    for (const QString& line : show.Lines) width += metrics.horizontalAdvance(line);
    benchmark::DoNotOptimize(width);
  }
  state.SetItemsProcessed(state.iterations() * kBigShowLines);
}
BENCHMARK(BM_MeasureShowLines)->Unit(benchmark::kMillisecond);

}  // namespace
