// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Start-up: building the console window, which also inflates and parses the compiled-in skin.
#include <benchmark/benchmark.h>

#include "console/Unit1.h"

namespace {

void CreateConsoleWindow(benchmark::State& state) {
  for (auto _ : state) {
    TForm1 form;
    benchmark::DoNotOptimize(form.SkinData1.Empty());
  }
}
BENCHMARK(CreateConsoleWindow)->Unit(benchmark::kMillisecond);

}  // namespace
