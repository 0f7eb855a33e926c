// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The skin load that every program start pays: inflating the stored skin, decoding its bitmaps
// and parsing its INI text into the skin objects (announced to no form).
#include <benchmark/benchmark.h>

#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"

namespace {

void BM_LoadStoredSkin(benchmark::State& state) {
  TCompressedStoredSkin stored;
  stored.SetCompressedData(StoredSkinCompressedData());
  for (auto _ : state) {
    TSkinData skin;
    skin.SetCompressedStoredSkin(&stored);
    benchmark::DoNotOptimize(skin.SkinControls.size());
  }
}
BENCHMARK(BM_LoadStoredSkin)->Unit(benchmark::kMillisecond);

// The INI part alone: about 28 KB of skin description into 64 entries.
void BM_ParseSkinIni(benchmark::State& state) {
  QStringList lines;
  for (int i = 0; i < 64; ++i) {
    lines << QStringLiteral("[entry%1]").arg(i);
    for (int k = 0; k < 20; ++k) lines << QStringLiteral("skinrect%1=%2,%3,%4,%5").arg(k).arg(i).arg(k).arg(i + 10).arg(k + 10);
  }
  for (auto _ : state) {
    const TMemIniFile ini(lines);
    benchmark::DoNotOptimize(SkinIni::ReadRect(ini, QStringLiteral("entry63"), QStringLiteral("skinrect19")));
  }
}
BENCHMARK(BM_ParseSkinIni)->Unit(benchmark::kMicrosecond);

}  // namespace
