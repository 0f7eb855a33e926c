// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// What lumetra-cli show and convert do with a 100,000-line settings file: list or resave it while
// reading it, against loading it into a show in memory first; and reading the file itself.
#include <benchmark/benchmark.h>

#include <QTemporaryDir>

#include "BigShow.h"
#include "cli/ShowListing.h"
#include "platform/SafeFileWriter.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "show/SettingsResave.h"

namespace {

void ListAsRead(benchmark::State& state, ListingStyle style) {
  for (auto _ : state) {
    TTextReader reader(BigShowBytes());
    benchmark::DoNotOptimize(ListSettings(reader, style));
  }
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
void BM_ListShowAsRead(benchmark::State& state) { ListAsRead(state, ListingStyle::Plain); }
BENCHMARK(BM_ListShowAsRead)->Unit(benchmark::kMillisecond);
void BM_ListShowAsReadJson(benchmark::State& state) { ListAsRead(state, ListingStyle::Json); }
BENCHMARK(BM_ListShowAsReadJson)->Unit(benchmark::kMillisecond);

// The way round the listing took before: the show loaded into memory, then listed.
void BM_ListShowFromMemory(benchmark::State& state) {
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(BigShowBytes());
    ReadSettings(reader, show);
    std::string out;
    AppendListingHead(out, ListingStyle::Plain, show, ShowFileKind::Settings, show.Lines.size());
    for (int i = 0; i < show.Lines.size(); ++i) AppendListingLine(out, ListingStyle::Plain, i, show.SettingOf(i), show.Lines[i]);
    benchmark::DoNotOptimize(out);
  }
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
BENCHMARK(BM_ListShowFromMemory)->Unit(benchmark::kMillisecond);

void BM_ResaveShowAsRead(benchmark::State& state) {
  for (auto _ : state) {
    TTextReader reader(BigShowBytes());
    benchmark::DoNotOptimize(ResaveSettings(reader));
  }
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
BENCHMARK(BM_ResaveShowAsRead)->Unit(benchmark::kMillisecond);

void BM_ResaveShowFromMemory(benchmark::State& state) {
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(BigShowBytes());
    ReadSettings(reader, show);
    benchmark::DoNotOptimize(show.Encode());
  }
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
BENCHMARK(BM_ResaveShowFromMemory)->Unit(benchmark::kMillisecond);

// The file read whole, and written back as a save writes it (flushed to disk, then renamed).
void BM_ReadShowFileBytes(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("show.lw"));
  WriteFileSafely(path, BigShowBytes());
  int error = 0;
  for (auto _ : state) benchmark::DoNotOptimize(ReadFileBytes(path, error));
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
BENCHMARK(BM_ReadShowFileBytes)->Unit(benchmark::kMillisecond);

void BM_WriteShowFileSafely(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("show.lw"));
  for (auto _ : state) WriteFileSafely(path, BigShowBytes());
  state.SetBytesProcessed(state.iterations() * BigShowBytes().size());
}
BENCHMARK(BM_WriteShowFileSafely)->Unit(benchmark::kMillisecond);

}  // namespace
