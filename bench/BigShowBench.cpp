// The console holding a 100,000-line show: restoring it from the working state as the window
// shows, and what the operator then does with it: a keystroke in the caption list, a click in the
// play list and the send of its last line (to a pseudo-terminal standing in for the sign).
#include <pty.h>
#include <unistd.h>

#include <QApplication>
#include <QDir>
#include <QMouseEvent>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextCursor>
#include <atomic>
#include <benchmark/benchmark.h>
#include <memory>
#include <thread>

#include "BigShow.h"
#include "console/ShowDocument.h"
#include "console/Unit1.h"

namespace {

// A working state "lw1.ini" of the big show in a folder of its own, made current.
struct BigWorkingState {
  QTemporaryDir folder;
  QString previous = QDir::currentPath();

  BigWorkingState() {
    ShowDocument show;
    for (int i = 0; i < kBigShowLines; ++i) show.Lines << BigShowCaption(i);
    for (int i = 0; i < kLineSettingCount; ++i) show.Settings[std::size_t(i)] = {i % 7, i % 11, i % 20};
    show.Save(folder.filePath(QStringLiteral("lw1.ini")));
    QDir::setCurrent(folder.path());
    qputenv("XDG_CONFIG_HOME", folder.filePath(QStringLiteral("config")).toLocal8Bit());
  }
  ~BigWorkingState() { QDir::setCurrent(previous); }
};

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

// A pseudo-terminal as "com1", drained all the time so that a send never waits for room.
class DrainedPty {
 public:
  DrainedPty() {
    char name[256] = {};
    if (openpty(&master_, &slave_, name, nullptr, nullptr) != 0) return;
    qputenv("LUMETRA_COM1", name);
    reader_ = std::thread([this] {
      char buffer[4096];
      while (!stop_ && read(master_, buffer, sizeof buffer) > 0) {
      }
    });
  }
  ~DrainedPty() {
    stop_ = true;
    close(slave_);
    close(master_);
    if (reader_.joinable()) reader_.join();
  }

 private:
  int master_ = -1, slave_ = -1;
  std::atomic<bool> stop_{false};
  std::thread reader_;
};

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
  DrainedPty sign;
  BigConsole console;
  console.form.ListBox1->SelectLineSilently(kBigShowLines - 1);
  for (auto _ : state) console.form.ListBox1DblClick();
  benchmark::DoNotOptimize(console.form.LastCaption);
}
BENCHMARK(BM_SendLastLineOfBigShow)->Unit(benchmark::kMillisecond);

}  // namespace
