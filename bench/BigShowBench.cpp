// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console holding a 100,000-line show: restoring it from the working state as the window
// shows, and what the operator then does with it: a keystroke in the caption list, a click in the
// play list and the send of its last line (to a pseudo-terminal standing in for the sign).
#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <benchmark/benchmark.h>
#include <memory>

#include "BigShow.h"
#include "SignPty.h"
#include "console/Unit1.h"
#include "keeping/RecoveryWriter.h"

namespace {

// The console shown with the big show restored and all of it in the caption list.
struct BigConsole {
  BigWorkingState state;
  TForm1 form{state.folder.path()};

  BigConsole() {
    form.Show();
    QCoreApplication::processEvents();
    form.CaptionLines();  // puts in what is still going in
    QCoreApplication::processEvents();
  }
};

void Click(QWidget* widget, QPoint at, QEvent::Type type = QEvent::MouseButtonPress) {
  const QPointF global = widget->mapToGlobal(QPointF(at));
  QMouseEvent event(type, QPointF(at), global, Qt::LeftButton,
                    type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(widget, &event);
}

// Until the window is shown with the show in the play list and the first of it in the caption
// list (the rest goes in afterwards, piece by piece).
void BM_RestoreBigShowOnShow(benchmark::State& state) {
  BigWorkingState working;
  for (auto _ : state) {
    TForm1 form(working.folder.path());
    form.Show();
    QCoreApplication::processEvents();
    benchmark::DoNotOptimize(form.ListBox1->count());
  }
}
BENCHMARK(BM_RestoreBigShowOnShow)->Unit(benchmark::kMillisecond)->Iterations(3);

// The same until all of the show is in the caption list too.
void BM_RestoreBigShowCompletely(benchmark::State& state) {
  BigWorkingState working;
  for (auto _ : state) {
    TForm1 form(working.folder.path());
    form.Show();
    benchmark::DoNotOptimize(form.CaptionLines().size());
  }
}
BENCHMARK(BM_RestoreBigShowCompletely)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_KeystrokeInBigShow(benchmark::State& state) {
  BigConsole console;
  QTextCursor cursor(console.form.Memo1->document()->findBlockByNumber(kBigShowLines / 2));
  cursor.movePosition(QTextCursor::EndOfBlock);
  for (auto _ : state) {
    cursor.insertText(QStringLiteral("字"));  // one typed character ...
    cursor.deletePreviousChar();               // ... and its Backspace: two changes
  }
  state.SetItemsProcessed(2 * state.iterations());
}
BENCHMARK(BM_KeystrokeInBigShow)->Unit(benchmark::kMillisecond);

// The same with the recovery copy kept after every keystroke (the gathering timer run out each
// time): the snapshot on the GUI thread, and the caption list's first change after it, which
// copies the list the snapshot shares; the copy itself is written on the writer's thread.
void BM_KeystrokeInBigShowWithRecovery(benchmark::State& state) {
  BigConsole console;
  QTextCursor cursor(console.form.Memo1->document()->findBlockByNumber(kBigShowLines / 2));
  cursor.movePosition(QTextCursor::EndOfBlock);
  for (auto _ : state) {
    cursor.insertText(QStringLiteral("字"));
    console.form.Recovery.Timer().Tick();
    cursor.deletePreviousChar();
    console.form.Recovery.Timer().Tick();
  }
  state.SetItemsProcessed(2 * state.iterations());
  if (!console.form.Recovery.WaitUntilWritten()) state.SkipWithError("the recovery copy was not written");
}
BENCHMARK(BM_KeystrokeInBigShowWithRecovery)->Unit(benchmark::kMillisecond);

// The recovery copy of the whole show written by the writer: encoded, flushed and renamed.
void BM_WriteBigRecoveryCopy(benchmark::State& state) {
  BigConsole console;
  RecoveryWriter writer(console.state.folder.filePath(QStringLiteral("recovery.lw")),
                        console.state.folder.filePath(QStringLiteral("recovery.pos")));
  const RecoveryState copy = console.form.RecoveryNow();
  for (auto _ : state) {
    writer.WriteState(copy, console.form.PositionNow());
    if (!writer.WaitUntilIdle(std::chrono::seconds(30))) state.SkipWithError("the write did not finish");
  }
}
BENCHMARK(BM_WriteBigRecoveryCopy)->Unit(benchmark::kMillisecond);

void BM_ClickInBigPlayList(benchmark::State& state) {
  BigConsole console;
  PlayList* list = console.form.ListBox1;
  list->scrollToBottom();
  QCoreApplication::processEvents();
  const QPoint lines[] = {list->visualRect(list->model()->index(kBigShowLines - 2, 0)).center(),
                          list->visualRect(list->model()->index(kBigShowLines - 1, 0)).center()};
  Click(list->viewport(), lines[1]);
  Click(list->viewport(), lines[1], QEvent::MouseButtonRelease);
  if (list->SelectedLine() != kBigShowLines - 1) state.SkipWithError("the click selected no line");
  int i = 0;
  for (auto _ : state) {
    const QPoint at = lines[i++ % 2];  // another line each time, so the selection changes
    Click(list->viewport(), at);
    Click(list->viewport(), at, QEvent::MouseButtonRelease);
  }
}
BENCHMARK(BM_ClickInBigPlayList)->Unit(benchmark::kMillisecond);

void BM_SendLastLineOfBigShow(benchmark::State& state) {
  SignPty sign;
  BigConsole console;
  console.form.ListBox1->SelectLineSilently(kBigShowLines - 1);
  for (auto _ : state) console.form.ListBox1DblClick();
  benchmark::DoNotOptimize(console.form.LastCaption);
}
BENCHMARK(BM_SendLastLineOfBigShow)->Unit(benchmark::kMillisecond);

}  // namespace
