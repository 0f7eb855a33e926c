// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// One keystroke in a long caption list: the play list mirrors the caption list on every change.
#include <QTextBlock>
#include <QTextCursor>
#include <benchmark/benchmark.h>

#include "console/Unit1.h"

namespace {

void KeystrokeIn10000Lines(benchmark::State& state) {
  TForm1 form;
  QStringList lines;
  for (int i = 0; i < 10000; ++i) lines << QStringLiteral("第%1行 caption line").arg(i);
  form.SetCaptionLines(lines);
  QTextCursor cursor(form.Memo1->document()->findBlockByNumber(5000));
  for (auto _ : state) {
    cursor.insertText(QStringLiteral("字"));  // one typed character ...
    cursor.deletePreviousChar();               // ... and its Backspace: two changes
  }
  benchmark::DoNotOptimize(form.ListBox1->count());
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(KeystrokeIn10000Lines)->Unit(benchmark::kMillisecond);

void LoadFirstMirrorOf10000Lines(benchmark::State& state) {
  TForm1 form;
  QStringList lines;
  for (int i = 0; i < 10000; ++i) lines << QStringLiteral("第%1行").arg(i);
  for (auto _ : state) {
    form.SetCaptionLines({});
    form.SetCaptionLines(lines);
  }
}
BENCHMARK(LoadFirstMirrorOf10000Lines)->Unit(benchmark::kMillisecond);

}  // namespace
