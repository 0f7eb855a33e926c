// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Reading a section of 200,000 keys key by key: each lookup finds its key without searching the
// section (the skin's INI and the settings read sections this way).
#include <benchmark/benchmark.h>

#include <QStringList>

#include "platform/IniFile.h"

namespace {

constexpr int kKeys = 200000;

void BM_IniLongSectionLookups(benchmark::State& state) {
  QStringList lines{QStringLiteral("[long]")};
  for (int i = 0; i < kKeys; ++i) lines << QStringLiteral("%1=v%1").arg(i);
  const TMemIniFile ini(lines);
  for (auto _ : state) {
    int found = 0;
    for (int i = 0; i < kKeys; ++i) found += !ini.ReadString(QStringLiteral("long"), QString::number(i), {}).isEmpty();
    benchmark::DoNotOptimize(found);
  }
}
BENCHMARK(BM_IniLongSectionLookups)->Unit(benchmark::kMillisecond);

}  // namespace
