// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "keeping/ShowRecovery.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "platform/Exceptions.h"
#include "platform/StandardErrorDialogs.h"
#include "platform/TextFile.h"
#include "show/SettingsFile.h"

namespace {

// Long enough to gather a burst of typing into one write, short enough that little is lost.
constexpr int kGatherMilliseconds = 1000;
// A failed write is tried again this often; well within two seconds of the failure.
constexpr int kRetryMilliseconds = 1000;
// A clean close waits this long at most for the files to go.
constexpr std::chrono::seconds kDiscardBound{3};
constexpr std::chrono::seconds kWrittenBound{10};
// A cue's answer waits this long at most for its position: a stuck disk must not stop the show.
constexpr std::chrono::seconds kPositionBound{2};

// Reads a settings file through every step without keeping anything but the number of lines: a
// copy that cannot be read fails here, before anything of the window has changed.
class LineCounter : public SettingsBytesSink {
 public:
  int lines = 0;
  void SetPort(std::int32_t) override {}
  void SetFontSize(std::int32_t) override {}
  void SetFontColor(std::int32_t) override {}
  void SetFontName(QByteArrayView) override {}
  void ClearCaptionLines() override { lines = 0; }
  void BeginCaptionRecord(QByteArrayView) override { ++lines; }
  void AddRecordNumber(std::int32_t) override {}
};

int CountReadableLines(const QString& path) {
  TTextReader reader = TTextReader::FromFile(path);
  LineCounter counter;
  ReadSettingsBytes(reader, counter);
  return counter.lines;
}

// The whole file, or its first `limit` bytes.
QByteArray ReadFile(const QString& path, qint64 limit = -1) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return {};
  return limit < 0 ? file.readAll() : file.read(limit);
}

// Keeps one damaged copy for whoever wants to look at it; one that cannot be kept goes, so that
// the next start does not find it again.
void SetAside(const QString& path, const QString& aside) {
  QFile::remove(aside);
  if (!QDir().rename(path, aside) && !QFile::remove(path)) QDir().rmdir(path);
}

QString RestoredNotice(const QString& path, int lines, int resumeLine) {
  const QString when = QFileInfo(path).lastModified().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
  QString notice = QStringLiteral("上次运行没有正常结束。已从 %1 保存的恢复副本恢复 %2 行字幕").arg(when).arg(lines);
  if (resumeLine >= 0) notice += QStringLiteral("，播放列表停在第 %1 行").arg(resumeLine + 1);
  return notice + QStringLiteral("。没有发送任何内容到显示屏。");
}

}  // namespace

ShowRecovery::ShowRecovery(std::function<RecoveryState()> snapshot)
    : snapshot_(std::move(snapshot)), timer_(kGatherMilliseconds), retry_(kRetryMilliseconds) {
  timer_.OnTimer = [this] {
    timer_.Stop();
    WriteIfChanged();
  };
  retry_.OnTimer = [this] {
    if (!writer_ || !writer_->RetryUnwritten()) retry_.Stop();
  };
}

ShowRecovery::~ShowRecovery() = default;

bool ShowRecovery::LeftBehindIn(const QString& folder) {
  return QFileInfo::exists(QDir(folder).filePath(QLatin1String(kRecoveryFileName)));
}

RecoveryLeftBehind ShowRecovery::Begin(const QString& folder) {
  if (begun_) return {};
  begun_ = true;
  QDir().mkpath(folder);
  QFile::setPermissions(folder, QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  const QDir dir(folder);
  if (!lock_.TryLock(dir.filePath(QLatin1String(kRecoveryLockFileName)))) {
    SayOnStandardError(QStringLiteral("cannot keep a recovery copy in %1 (%2); this console runs without recovery")
                           .arg(folder, lock_.Error()));
    return {};
  }
  // Temporary files of writes that a crash cut off; with the lock held nobody else writes here.
  for (const QString& stale : dir.entryList({QStringLiteral(".recovery.*.tmp")}, QDir::Files | QDir::Hidden))
    QFile::remove(dir.filePath(stale));
  const QString statePath = dir.filePath(QLatin1String(kRecoveryFileName));
  const QString positionPath = dir.filePath(QLatin1String(kRecoveryPositionFileName));
  writer_ = std::make_unique<RecoveryWriter>(statePath, positionPath);

  RecoveryLeftBehind left;
  if (!QFileInfo::exists(statePath)) {
    QFile::remove(positionPath);  // a position without its lines counts nothing
    return left;
  }
  try {
    const int lines = CountReadableLines(statePath);
    const QByteArray copy = ReadFile(statePath);
    writer_->StateOnDisk(copy);
    // A position that names another copy counts in lines that are not these.
    const ShowPosition position = DecodeShowPosition(ReadFile(positionPath, 4096));
    left.path = statePath;
    if (position.copy.isEmpty() || position.copy == StampOfCopy(copy)) left.resumeLine = ResumeLine(position, lines);
    left.notice = RestoredNotice(statePath, lines, left.resumeLine);
  } catch (const Exception& error) {
    SetAside(statePath, dir.filePath(QLatin1String(kDamagedRecoveryFileName)));
    QFile::remove(positionPath);
    left.notice = QStringLiteral("上次运行留下的恢复副本无法读取（%1），已另存为 %2。已按上次正常退出时保存的状态启动。")
                      .arg(error.Message(), dir.filePath(QLatin1String(kDamagedRecoveryFileName)));
  }
  return left;
}

void ShowRecovery::Kept(RecoveryState state, const ShowPosition& position, bool onDisk) {
  kept_ = std::move(state);
  position_ = handed_ = position;
  keptOnDisk_ = onDisk;
  if (!std::exchange(changedEarly_, false) || !writer_) return;
  kept_ = {};  // what changed before is kept now, as any change is
  timer_.Start();
}

void ShowRecovery::Changed() {
  if (!writer_) changedEarly_ = !begun_;
  else if (!timer_.Active()) timer_.Start();
}

void ShowRecovery::WriteIfChanged() {
  if (writer_) Hand(snapshot_());
}

void ShowRecovery::Hand(RecoveryState now) {
  const bool positionMoved = position_ != handed_;
  // The first position brings its state with it: the copy on disk has the lines it counts in.
  if (now != kept_ || (positionMoved && !keptOnDisk_)) {
    kept_ = std::move(now);
    keptOnDisk_ = true;
    handed_ = position_;
    writer_->WriteState(kept_, position_);
  } else if (positionMoved) {
    handed_ = position_;
    writer_->WritePosition(position_);
  } else {
    return;
  }
  retry_.Start();
}

void ShowRecovery::PositionNow(const ShowPosition& position) {
  if (!writer_ || position == position_) return;
  position_ = position;
  RecoveryState now = snapshot_();
  // With the state changed too, the position goes with it once the change is gathered.
  if (now != kept_) {
    if (!timer_.Active()) timer_.Start();
    return;
  }
  Hand(std::move(now));
}

bool ShowRecovery::PositionOnDisk(const ShowPosition& position) {
  if (!writer_) return false;
  position_ = position;
  // The state goes first when it changed: the position counts in its lines. What was handed over
  // before (by the action's own PositionNow) may still be under way.
  Hand(snapshot_());
  return writer_->WaitUntilIdle(kPositionBound);
}

void ShowRecovery::Discard() {
  timer_.Stop();
  retry_.Stop();
  if (!writer_) return;
  if (!writer_->Discard(kDiscardBound))
    SayOnStandardError(QStringLiteral("the recovery copy could not be removed in time; the next start offers it again"));
  writer_.reset();
}

bool ShowRecovery::WaitUntilWritten() { return !writer_ || writer_->WaitUntilIdle(kWrittenBound); }
