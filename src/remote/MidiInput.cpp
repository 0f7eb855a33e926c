// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/MidiInput.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <termios.h>
#include <unistd.h>

#include <QFile>
#include <QSocketNotifier>
#include <QTimer>
#include <cerrno>
#include <cstring>

#include "platform/StandardErrorDialogs.h"

namespace {

// Read in one readable moment at most, so that a flood cannot hold the event loop in the read:
// far more than a MIDI cable carries in a second (about 3 KiB).
constexpr int kReadBytes = 4096;
constexpr int kReadsAtOnce = 16;
// Far beyond any desk's burst of cues; each message is at most a system exclusive kilobyte.
constexpr std::size_t kQueuedMessagesAtMost = 4096;
// Messages run in one turn when none of them sends (other devices' traffic, clock): cheap, but
// bounded.
constexpr int kMessagesPerTurn = 256;

QString SystemError() { return QString::fromLocal8Bit(std::strerror(errno)); }

// Rule 1: every byte as it comes.
bool MakeRaw(int fd) {
  termios settings{};
  if (::tcgetattr(fd, &settings) != 0) return false;
  ::cfmakeraw(&settings);
  settings.c_cflag |= CREAD | CLOCAL;
  settings.c_cc[VMIN] = 1;
  settings.c_cc[VTIME] = 0;
  return ::tcsetattr(fd, TCSANOW, &settings) == 0;
}

}  // namespace

MidiInput::MidiInput(RemoteControl& target, QObject* parent) : QObject(parent), target_(target) {
  next_ = new QTimer(this);
  next_->setSingleShot(true);
  next_->setInterval(0);
  QObject::connect(next_, &QTimer::timeout, this, [this] { RunQueued(); });
  check_.OnTimer = [this] { Check(); };
}

MidiInput::~MidiInput() {
  delete notifier_;
  if (fd_ >= 0) ::close(fd_);
}

bool MidiInput::Watch(const QString& device, const MidiListening& listening, QString& error) {
  device_ = device;
  source_ = QStringLiteral("midi ") + device;
  dispatcher_.emplace(target_, listening);
  check_.Start();
  return OpenDevice(error);
}

bool MidiInput::OpenDevice(QString& error) {
  const int fd = ::open(QFile::encodeName(device_).constData(), O_RDONLY | O_NONBLOCK | O_NOCTTY | O_CLOEXEC);
  if (fd < 0) {
    error = SystemError();
    return false;
  }
  struct stat status{};
  if (::fstat(fd, &status) != 0 || !(S_ISCHR(status.st_mode) || S_ISFIFO(status.st_mode))) {
    error = QStringLiteral("not a character device or FIFO");
  } else if (::isatty(fd) && !MakeRaw(fd)) {
    error = QStringLiteral("cannot put the terminal in raw mode: ") + SystemError();
  } else {
    fd_ = fd;
    isFifo_ = S_ISFIFO(status.st_mode);
    openDevice_ = status.st_dev;
    openInode_ = status.st_ino;
    reader_.Restart();  // a new stream: nothing of the last one's message under way belongs to it
    notifier_ = new QSocketNotifier(qintptr(fd_), QSocketNotifier::Read);
    QObject::connect(notifier_, &QSocketNotifier::activated, this, [this] { ReadPending(); });
    return true;
  }
  ::close(fd);
  return false;
}

void MidiInput::Close() {
  if (notifier_ != nullptr) {
    // Possibly inside its own signal: it goes once that has returned.
    notifier_->setEnabled(false);
    notifier_->deleteLater();
    notifier_ = nullptr;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void MidiInput::Lose(const QString& why) {
  Close();
  SayOnStandardError(QStringLiteral("MIDI device %1 is gone (%2); trying it again every %3 s")
                         .arg(device_, why)
                         .arg(kMidiReopenMs / 1000));
}

void MidiInput::Check() {
  if (fd_ >= 0) {
    struct stat status{};
    if (::stat(QFile::encodeName(device_).constData(), &status) == 0 && status.st_dev == openDevice_ &&
        status.st_ino == openInode_)
      return;
    Lose(QStringLiteral("removed or replaced"));
  }
  QString error;
  if (OpenDevice(error)) SayOnStandardError(QStringLiteral("MIDI device %1 is back").arg(device_));
}

void MidiInput::ReadPending() {
  char buffer[kReadBytes];
  for (int i = 0; i < kReadsAtOnce && fd_ >= 0; ++i) {
    const ssize_t size = ::read(fd_, buffer, sizeof buffer);
    if (size > 0) {
      const RemoteClock::time_point arrival = RemoteClock::now();
      for (QByteArray& message : reader_.Feed(QByteArrayView(buffer, size))) Queue(std::move(message), arrival);
      continue;
    }
    if (size < 0 && (errno == EAGAIN || errno == EINTR)) break;
    if (size == 0 && isFifo_) {
      // Rule 5: the writer closed its end.
      Close();
      QString error;
      if (!OpenDevice(error)) Lose(error);
    } else {
      Lose(size == 0 ? QStringLiteral("end of file") : QStringLiteral("read: ") + SystemError());
    }
    break;
  }
  if (!queue_.empty() && !running_ && !next_->isActive()) next_->start();
}

void MidiInput::Queue(QByteArray message, RemoteClock::time_point arrival) {
  if (queue_.size() >= kQueuedMessagesAtMost) {
    if (dropped_++ == 0)
      SayOnStandardError(QStringLiteral("MIDI messages come faster than they run (%1 waiting); dropping what comes "
                                        "until fewer wait")
                             .arg(queue_.size()));
    return;
  }
  queue_.push_back({std::move(message), arrival});
}

void MidiInput::RunQueued() {
  if (running_) return;
  running_ = true;
  for (int i = 0; i < kMessagesPerTurn && !queue_.empty(); ++i) {
    const Queued queued = std::move(queue_.front());
    queue_.pop_front();
    const MidiAnswer answer = dispatcher_->Dispatch(queued.message, queued.arrival, source_);
    if (answer.outcome == MidiOutcome::Ignored) {
      ++ignored_;
    } else if (answer.outcome == MidiOutcome::Refused) {
      SayOnStandardError(QStringLiteral("MIDI %1 from %2 refused: %3").arg(answer.cue, device_, answer.refusal));
    }
    if (answer.sends > 0) break;  // the window's turn before the next send
  }
  running_ = false;
  if (!queue_.empty()) next_->start();
}
