// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// lumetra-cli check on the 100,000-line show against lumetra-cli show listing the same file: the
// check reads the show, then measures and inspects every line in the caption font; the listing
// (ShowCommandsBench) only copies the text. Each run starts with no character known, as a
// process of the command does.
#include <benchmark/benchmark.h>

#include "BigShow.h"
#include "cli/CheckReport.h"
#include "console/SettingsFile.h"
#include "platform/TextFile.h"

namespace {

void CheckShow(benchmark::State& state, ListingStyle style) {
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(BigShowBytes());
    ReadSettings(reader, show);
    CaptionChecker checker(show.Font);
    std::string report;
    benchmark::DoNotOptimize(AppendShowCheck(report, style, QStringLiteral("big.lw"), show, checker));
    benchmark::DoNotOptimize(report);
  }
  state.SetItemsProcessed(state.iterations() * kBigShowLines);
}
void BM_CheckShow(benchmark::State& state) { CheckShow(state, ListingStyle::Plain); }
BENCHMARK(BM_CheckShow)->Unit(benchmark::kMillisecond);
void BM_CheckShowJson(benchmark::State& state) { CheckShow(state, ListingStyle::Json); }
BENCHMARK(BM_CheckShowJson)->Unit(benchmark::kMillisecond);

}  // namespace
