// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Loading and saving a show of 100,000 caption lines.
#include <benchmark/benchmark.h>

#include <QDir>
#include <QTemporaryDir>

#include "platform/TextFile.h"
#include "show/SettingsFile.h"
#include "show/ShowDocument.h"

namespace {

constexpr int kShowLines = 100000;

ShowDocument LargeShow() {
  ShowDocument show;
  for (int i = 0; i < kShowLines; ++i)
    show.Lines << (i % 2 ? QStringLiteral("第%1幕 字幕行").arg(i) : QStringLiteral("Caption line %1").arg(i));
  for (int i = 0; i < kLineSettingCount; ++i) show.Settings[std::size_t(i)] = {i % 7, i % 11, i % 20};
  return show;
}

void BM_EncodeShow(benchmark::State& state) {
  const ShowDocument show = LargeShow();
  for (auto _ : state) benchmark::DoNotOptimize(show.Encode());
}
BENCHMARK(BM_EncodeShow)->Unit(benchmark::kMillisecond);

void BM_SaveShowToFile(benchmark::State& state) {
  const ShowDocument show = LargeShow();
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("show.lw"));
  for (auto _ : state) show.Save(path);
}
BENCHMARK(BM_SaveShowToFile)->Unit(benchmark::kMillisecond);

void BM_ReadShow(benchmark::State& state) {
  const ShowDocument source = LargeShow();
  const QByteArray bytes = source.Encode();
  for (auto _ : state) {
    ShowDocument show;
    TTextReader reader(bytes);
    ReadSettings(reader, show);
    benchmark::DoNotOptimize(show.Lines.size());
  }
  state.SetBytesProcessed(state.iterations() * bytes.size());
}
BENCHMARK(BM_ReadShow)->Unit(benchmark::kMillisecond);

void BM_LoadShowFromFile(benchmark::State& state) {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("show.lw"));
  LargeShow().Save(path);
  for (auto _ : state) {
    ShowDocument show;
    show.Load(path);
    benchmark::DoNotOptimize(show.Lines.size());
  }
}
BENCHMARK(BM_LoadShowFromFile)->Unit(benchmark::kMillisecond);

}  // namespace
