// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The console's dialogs through the real dialog service: each one opens as the operator sees it,
// shows the parts the operator needs, and its answer reaches the console.
#include <QAbstractItemView>
#include <QCheckBox>
#include <QComboBox>
#include <QCompleter>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileSystemModel>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTreeView>
#include <atomic>
#include <chrono>
#include <fcntl.h>
#include <sys/inotify.h>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "platform/FontDialog.h"
#include "platform/QtDialogService.h"
#include "support/CliRunner.h"
#include "support/ConsoleFixture.h"
#include "support/FileBytes.h"
#include "support/ModalDriver.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"

namespace {

void ClickRow(QListWidget* list, const QString& text) {
  const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
  ASSERT_FALSE(found.isEmpty()) << text.toStdString();
  list->scrollToItem(found.first());
  QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualItemRect(found.first()).center());
}

void Retype(QLineEdit* edit, const QString& text) {
  edit->setFocus();
  edit->selectAll();
  QTest::keyClicks(edit, text);
}

// Presses the file dialog's Open or Save button, as the operator does after typing a name.
void Accept(QFileDialog* dialog) {
  auto* buttons = dialog->findChild<QDialogButtonBox*>();
  ASSERT_NE(buttons, nullptr);
  QPushButton* accept = buttons->button(dialog->acceptMode() == QFileDialog::AcceptSave ? QDialogButtonBox::Save
                                                                                         : QDialogButtonBox::Open);
  ASSERT_TRUE(ShownInside(accept, dialog));
  QTRY_VERIFY(accept->isEnabled());
  QTest::mouseClick(accept, Qt::LeftButton);
}

// Opens a subtitle file through the open dialog as the operator does: in the file's folder, the
// subtitle entry chosen among the file types, the file's name typed and Open pressed.
std::unique_ptr<ModalDriver> OpenSubtitleFile(const QString& folder, const QString& name) {
  return ModalDriver::For<QFileDialog>([=](QFileDialog* dialog) {
    // The documented entry first and unchanged, subtitle files second.
    EXPECT_EQ(dialog->nameFilters(),
              (QStringList{QStringLiteral("文本文件;设置文件 (*.txt *.lw)"), QStringLiteral("字幕文件 (*.srt)")}));
    dialog->setDirectory(folder);
    auto* types = Find<QComboBox>(dialog, "fileTypeCombo");
    ASSERT_TRUE(ShownInside(types, dialog));
    types->setFocus();
    QTest::keyClick(types, Qt::Key_Down);
    EXPECT_EQ(dialog->selectedNameFilter(), QStringLiteral("字幕文件 (*.srt)"));
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([&] { return model->index(QDir(folder).absoluteFilePath(name)).isValid(); }));
    Retype(Find<QLineEdit>(dialog, "fileNameEdit"), name);
    Accept(dialog);
  });
}

// The caption lines lumetra-cli show lists for a file.
QStringList CliShowLines(const QString& path) {
  const CliRun run = RunCli({QStringLiteral("show"), QStringLiteral("--json"), path});
  EXPECT_EQ(run.exitCode, 0) << run.err.toStdString();
  QStringList lines;
  for (const QJsonValue line : QJsonDocument::fromJson(run.out).object()[QStringLiteral("lines")].toArray())
    lines << line.toObject()[QStringLiteral("text")].toString();
  return lines;
}

// The names of the files in a folder that anything opened (reading their content), as the kernel
// reports them; opening the folder itself to list it does not count.
class FileOpenWatch {
 public:
  explicit FileOpenWatch(const QString& folder) : fd_(::inotify_init1(IN_NONBLOCK | IN_CLOEXEC)) {
    EXPECT_GE(::inotify_add_watch(fd_, QFile::encodeName(folder).constData(), IN_OPEN), 0);
  }
  ~FileOpenWatch() { ::close(fd_); }
  QStringList Opened() {
    QStringList names;
    alignas(inotify_event) char buffer[4096];
    for (ssize_t size; (size = ::read(fd_, buffer, sizeof buffer)) > 0;) {
      for (ssize_t at = 0; at < size;) {
        const auto* event = reinterpret_cast<const inotify_event*>(buffer + at);
        if (event->len > 0 && !(event->mask & IN_ISDIR)) names << QFile::decodeName(event->name);
        at += ssize_t(sizeof(inotify_event) + event->len);
      }
    }
    return names;
  }

 private:
  int fd_;
};

// Releases whoever opens a FIFO for reading, which would otherwise wait for a writer for good,
// so that a dialog that does cannot hang the test: opening it for writing without blocking
// succeeds only while a reader has it open.
class FifoReaderRelease {
 public:
  explicit FifoReaderRelease(const QString& path) : path_(QFile::encodeName(path)), watch_([this] { Watch(); }) {}
  ~FifoReaderRelease() {
    stop_ = true;
    watch_.join();
  }

 private:
  void Watch() {
    while (!stop_) {
      if (const int fd = ::open(path_.constData(), O_WRONLY | O_NONBLOCK); fd >= 0) ::close(fd);
      std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
  }

  QByteArray path_;
  std::atomic<bool> stop_{false};
  std::thread watch_;
};

}  // namespace

class ConsoleRealDialogs : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    SetDialogService(nullptr);  // the real dialogs, not the script
    savedTitle_ = Application().Title;
    Application().Title = QStringLiteral("Lumetra");  // as the program sets it before the window
  }
  // The application object outlives the test; later tests in this process expect no title.
  void TearDown() override {
    Application().Title = savedTitle_;
    ConsoleFixture::TearDown();
  }

 private:
  QString savedTitle_;
};

TEST_F(ConsoleRealDialogs, FontDialogShowsEveryPartInOneWindowAndItsChoiceDrawsTheNextSend) {
  PtySign sign{1};
  const TFont initial = form->CaptionFont;
  auto driver = ModalDriver::For<TFontDialogWindow>([](TFontDialogWindow* dialog) {
    for (const char* part : {"familyEdit", "familyList", "styleEdit", "styleList", "sizeEdit", "sizeList",
                             "strikeOut", "underline", "colour", "sample", "ok", "cancel"})
      EXPECT_TRUE(ShownInside(Find<QWidget>(dialog, part), dialog)) << part;
    auto* families = Find<QListWidget>(dialog, "familyList");
    ASSERT_NE(families->currentItem(), nullptr);
    EXPECT_EQ(families->currentItem()->text(), QStringLiteral("宋体"));  // the name the operator knows
    EXPECT_GT(families->count(), 1);
    EXPECT_EQ(Find<QLineEdit>(dialog, "sizeEdit")->text(), QStringLiteral("14"));
    EXPECT_EQ(Find<QComboBox>(dialog, "colour")->currentText(), QStringLiteral("红色"));

    ClickRow(families, QStringLiteral("WenQuanYi Zen Hei"));
    ClickRow(Find<QListWidget>(dialog, "styleList"), QStringLiteral("粗体"));
    Retype(Find<QLineEdit>(dialog, "sizeEdit"), QStringLiteral("12"));
    auto* underline = Find<QCheckBox>(dialog, "underline");
    underline->setFocus();
    QTest::keyClick(underline, Qt::Key_Space);
    auto* colour = Find<QComboBox>(dialog, "colour");
    colour->setFocus();
    for (int i = 0; i < 3; ++i) QTest::keyClick(colour, Qt::Key_Down);  // red -> lime, yellow, blue
    EXPECT_EQ(colour->currentText(), QStringLiteral("蓝色"));
    EXPECT_EQ(Find<QLabel>(dialog, "sample")->font().underline(), true);
    QTest::mouseClick(Find<QPushButton>(dialog, "ok"), Qt::LeftButton);
  });
  QTest::mouseClick(form->SkinButton3, Qt::LeftButton);
  ASSERT_TRUE(driver->Ran());

  TFont expected = initial;
  expected.Name = QStringLiteral("WenQuanYi Zen Hei");
  expected.Height = -16;
  expected.Style = TFontStyle::fsBold | TFontStyle::fsUnderline;
  expected.Color = clBlue;
  EXPECT_EQ(form->CaptionFont, expected);
  EXPECT_EQ(form->CaptionFont.Charset, GB2312_CHARSET);

  SetCaptions({QStringLiteral("字幕ABC")});
  DoubleClickLine(0);
  const PacketReport sent = sign.TakePacket();
  EXPECT_TRUE(SamePacket(sent, ExpectedPacket(QStringLiteral("字幕ABC"), expected, 0)));
  EXPECT_FALSE(SamePacket(sent, ExpectedPacket(QStringLiteral("字幕ABC"), initial, 0)));
}

TEST_F(ConsoleRealDialogs, FontDialogCancelChangesNothingAndOkWithoutChangeKeepsTheFont) {
  const TFont initial = form->CaptionFont;
  auto cancel = ModalDriver::For<TFontDialogWindow>([](TFontDialogWindow* dialog) {
    ClickRow(Find<QListWidget>(dialog, "familyList"), QStringLiteral("WenQuanYi Zen Hei"));
    QTest::keyClick(Find<QCheckBox>(dialog, "strikeOut"), Qt::Key_Space);
    QTest::mouseClick(Find<QPushButton>(dialog, "cancel"), Qt::LeftButton);
  });
  form->SkinButton3->click();
  ASSERT_TRUE(cancel->Ran());
  EXPECT_EQ(form->CaptionFont, initial);

  auto confirm = ModalDriver::For<TFontDialogWindow>(
      [](TFontDialogWindow* dialog) { QTest::keyClick(dialog, Qt::Key_Return); });
  form->SkinButton3->click();
  ASSERT_TRUE(confirm->Ran());
  EXPECT_EQ(form->CaptionFont, initial);
}

TEST_F(ConsoleRealDialogs, OpenDialogLoadsTheChosenTextFile) {
  WriteBytes(QStringLiteral("captions.txt"), "Act One\r\nScene 2\r\n");
  auto driver = ModalDriver::For<QFileDialog>([](QFileDialog* dialog) {
    EXPECT_TRUE(dialog->isVisible());
    EXPECT_GT(dialog->width(), 100);
    EXPECT_TRUE(dialog->nameFilters().contains(QStringLiteral("文本文件;设置文件 (*.txt *.lw)")));
    EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
    auto* name = Find<QLineEdit>(dialog, "fileNameEdit");
    ASSERT_TRUE(ShownInside(name, dialog));
    EXPECT_EQ(dialog->directory(), QDir::current());  // it opens where the program was started
    Retype(name, QStringLiteral("captions.txt"));
    Accept(dialog);
  });
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(driver->Ran());
  EXPECT_EQ(form->Memo1->toPlainText(), QStringLiteral("Act One\nScene 2\n"));
  EXPECT_EQ(form->ListBox1->count(), 2);
}

TEST_F(ConsoleRealDialogs, SaveDialogWritesTheShowWhereTheOperatorSaid) {
  SetCaptions({QStringLiteral("A")});
  auto driver = ModalDriver::For<QFileDialog>([](QFileDialog* dialog) {
    EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
    EXPECT_TRUE(dialog->nameFilters().contains(QStringLiteral("设置文件 (*.lw)")));
    auto* name = Find<QLineEdit>(dialog, "fileNameEdit");
    ASSERT_TRUE(ShownInside(name, dialog));
    Retype(name, QStringLiteral("tonight"));
    Accept(dialog);
  });
  QTest::mouseClick(form->SkinButton2, Qt::LeftButton);
  ASSERT_TRUE(driver->Ran());
  EXPECT_TRUE(ReadBytes(QStringLiteral("tonight.lw")).endsWith("A\r\n0\r\n5\r\n0\r\n"));
}

TEST_F(ConsoleRealDialogs, AFailedLoadShowsTheMessageBoxWithItsOkButton) {
  WriteBytes(QStringLiteral("broken.lw"), "x\r\n");
  auto open = ModalDriver::For<QFileDialog>([](QFileDialog* dialog) {
    auto* name = Find<QLineEdit>(dialog, "fileNameEdit");
    Retype(name, QStringLiteral("broken.lw"));
    Accept(dialog);
  });
  QString shown;
  auto message = ModalDriver::For<QMessageBox>([&shown](QMessageBox* box) {
    shown = box->text();
    EXPECT_EQ(box->windowTitle(), QStringLiteral("Lumetra"));
    // Wide enough for its title under a window manager's decorations, with the error icon.
    EXPECT_GE(box->width(), kMinimumMessageBoxWidth);
    EXPECT_EQ(box->icon(), QMessageBox::Critical);
    QAbstractButton* ok = box->button(QMessageBox::Ok);
    ASSERT_TRUE(ShownInside(ok, box));
    QTest::mouseClick(ok, Qt::LeftButton);
  });
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(open->Ran());
  QTRY_VERIFY(message->Ran());
  EXPECT_EQ(shown, QStringLiteral("Invalid numeric input."));
  EXPECT_TRUE(form->Visible());
}

TEST_F(ConsoleRealDialogs, OpenDialogImportsASubtitleFileAsTheCommandLineListsIt) {
  WriteBytes(QStringLiteral("act1.srt"),
             "\xEF\xBB\xBF" "1\r\n00:00:01,000 --> 00:00:04,000\r\n<i>\xE7\xAC\xAC\xE4\xB8\x80\xE5\xB9\x95</i>\r\n"
             "Who goes there?\r\n\r\n2\r\n00:00:05,000 --> 00:00:06,000\r\n{\\an8}End\r\n");
  form->LineSettings[1].Mode = 7;
  auto open = OpenSubtitleFile(QDir::currentPath(), QStringLiteral("act1.srt"));
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(open->Ran());
  const QStringList imported = form->CaptionLines();
  EXPECT_EQ(imported, (QStringList{QStringLiteral("第一幕"), "Who goes there?", "End"}));
  EXPECT_EQ(imported, CliShowLines(QStringLiteral("act1.srt")));
  EXPECT_EQ(form->ListBox1->Lines(), imported);
  EXPECT_EQ(form->LineSettings[1].Mode, 7);  // an import leaves the settings alone

  // A malformed file: its error, naming the line, and the show as it was.
  WriteBytes(QStringLiteral("bad.SRT"), "1\r\n00:00:01,000 --> 00:00:02,000\r\nA\r\n\r\n2\r\nB\r\n");
  auto bad = OpenSubtitleFile(QDir::currentPath(), QStringLiteral("bad.SRT"));
  QString shown;
  auto message = ModalDriver::For<QMessageBox>([&shown](QMessageBox* box) {
    shown = box->text();
    QTest::keyClick(box, Qt::Key_Return);
  });
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(bad->Ran());
  QTRY_VERIFY(message->Ran());
  EXPECT_TRUE(shown.endsWith(QStringLiteral("bad.SRT, line 6: expected a time line such as \"00:00:01,000 --> 00:00:04,000\"")))
      << shown.toStdString();
  EXPECT_EQ(form->CaptionLines(), imported);

  // ".lw" anywhere in the path still means a settings file, as it always did.
  QDir().mkpath(QStringLiteral("show.lw"));
  WriteBytes(QStringLiteral("show.lw/act2.srt"), "3\r\n14\r\n255\r\nX\r\nSet\r\n0\r\n5\r\n2\r\n");
  auto settings = OpenSubtitleFile(QDir::current().absoluteFilePath(QStringLiteral("show.lw")), QStringLiteral("act2.srt"));
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(settings->Ran());
  EXPECT_EQ(form->CaptionLines(), (QStringList{"Set"}));
  EXPECT_EQ(form->PortNumber(), 3);
}

TEST_F(ConsoleRealDialogs, FileDialogsBrowseFifosAndProcWithoutReadingAnyFile) {
  ASSERT_TRUE(QDir().mkpath(QStringLiteral("cues")));
  const QString folder = QDir::current().absoluteFilePath(QStringLiteral("cues"));
  const QString fifo = folder + QStringLiteral("/remote.txt");
  ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
  FifoReaderRelease release(fifo);
  // A name that matches a known type, and names that say nothing about the content.
  for (const char* name : {"act1.txt", "notes", "cue.17"}) WriteBytes(QStringLiteral("cues/") + name, "A\r\n");
  FileOpenWatch watch(folder);

  // The folder listed with every file's type, and the FIFO's name typed.
  auto open = ModalDriver::For<QFileDialog>([&](QFileDialog* dialog) {
    QTest::mouseClick(Find<QWidget>(dialog, "detailModeButton"), Qt::LeftButton);
    dialog->setDirectory(folder);
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    model->setNameFilterDisables(true);  // every file in the list, the filtered ones greyed
    auto* files = Find<QTreeView>(dialog, "treeView");
    ASSERT_TRUE(ShownInside(files, dialog));
    // The three files; the dialog leaves FIFOs out of its list, as it does devices.
    EXPECT_TRUE(QTest::qWaitFor([files] { return files->model()->rowCount(files->rootIndex()) == 3; }));
    for (int row = 0; row < 3; ++row)  // the type column
      EXPECT_FALSE(files->model()->index(row, 2, files->rootIndex()).data().toString().isEmpty()) << row;
    Retype(Find<QLineEdit>(dialog, "fileNameEdit"), QStringLiteral("remote.txt"));
    dialog->reject();
  });
  QTest::mouseClick(form->SkinButton1, Qt::LeftButton);
  ASSERT_TRUE(open->Ran());
  ASSERT_EQ(watch.Opened(), QStringList()) << "the dialog read files to tell their types";

  // A path under /proc typed into the save dialog: the folder is listed, no file in it is read.
  auto save = ModalDriver::For<QFileDialog>([](QFileDialog* dialog) {
    auto* name = Find<QLineEdit>(dialog, "fileNameEdit");
    Retype(name, QStringLiteral("/proc/kmsg"));
    auto* model = dialog->findChild<QFileSystemModel*>();
    ASSERT_NE(model, nullptr);
    EXPECT_TRUE(QTest::qWaitFor([model] { return model->rowCount(model->index(QStringLiteral("/proc"))) > 0; }));
    dialog->reject();
  });
  QTest::mouseClick(form->SkinButton2, Qt::LeftButton);
  ASSERT_TRUE(save->Ran());
}
