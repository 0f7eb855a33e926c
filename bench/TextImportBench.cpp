// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Importing a caption script of 100,000 lines in each encoding, and a subtitle file as long.
#include <benchmark/benchmark.h>

#include <QStringEncoder>

#include "show/SubtitleFile.h"
#include "show/TextImport.h"

namespace {

constexpr int kScriptLines = 100000;

QString Script() {
  QString text;
  for (int i = 0; i < kScriptLines; ++i)
    text += i % 2 ? QStringLiteral("第%1幕 字幕行\r\n").arg(i) : QStringLiteral("Caption line %1\r\n").arg(i);
  return text;
}

QByteArray Encoded(const QString& text, const char* encoding) {
  QStringEncoder encoder(encoding, QStringConverter::Flag::WriteBom);
  return encoder.encode(text);
}

void ImportScript(benchmark::State& state, const QByteArray& bytes) {
  for (auto _ : state) benchmark::DoNotOptimize(DecodeCaptionText(bytes));
  state.SetBytesProcessed(state.iterations() * bytes.size());
}

void BM_ImportGb18030Script(benchmark::State& state) { ImportScript(state, Encoded(Script(), "GB18030")); }
BENCHMARK(BM_ImportGb18030Script)->Unit(benchmark::kMillisecond);

// Chinese only on the last line: the UTF-8 check runs through the whole file before it fails.
void BM_ImportGb18030ScriptLateChinese(benchmark::State& state) {
  QString text = Script();
  text.replace(QStringLiteral("第"), QStringLiteral("No. ")).replace(QStringLiteral("幕 字幕行"), QStringLiteral(" act"));
  ImportScript(state, Encoded(text + QStringLiteral("完"), "GB18030"));
}
BENCHMARK(BM_ImportGb18030ScriptLateChinese)->Unit(benchmark::kMillisecond);

void BM_ImportUtf8Script(benchmark::State& state) { ImportScript(state, Script().toUtf8()); }
BENCHMARK(BM_ImportUtf8Script)->Unit(benchmark::kMillisecond);

void BM_ImportUtf16Script(benchmark::State& state) { ImportScript(state, Encoded(Script(), "UTF-16LE")); }
BENCHMARK(BM_ImportUtf16Script)->Unit(benchmark::kMillisecond);

void BM_ReadSubtitles(benchmark::State& state) {
  QString text;
  for (int i = 0; i < kScriptLines / 2; ++i)
    text += QStringLiteral("%1\r\n00:%2:%3,000 --> 00:%2:%3,500\r\n<i>第%1句</i>\r\nLine two\r\n\r\n")
                .arg(i + 1)
                .arg(i / 60 % 60, 2, 10, QChar(u'0'))
                .arg(i % 60, 2, 10, QChar(u'0'));
  for (auto _ : state) benchmark::DoNotOptimize(SubtitleCaptions(text));
}
BENCHMARK(BM_ReadSubtitles)->Unit(benchmark::kMillisecond);

}  // namespace
