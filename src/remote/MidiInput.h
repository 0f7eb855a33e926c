// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The MIDI input of the console: a raw MIDI device (a USB interface's /dev/snd/midiC1D0, a serial
// line, a FIFO) read by the GUI thread's event loop, as the OSC socket is.
//
// 1. The device is opened read-only without blocking, and never as the console's controlling
//    terminal. A terminal is put in raw mode: it passes every byte as it comes, none taken as a
//    line to edit or a signal. Anything but a character device or a FIFO is refused.
// 2. Each readable moment reads what is waiting (bounded), stamps it with the time it was read and
//    queues the messages it completes. The queue is bounded; what it cannot take is dropped and
//    said on standard error.
// 3. The queued messages run in arrival order from the event loop, at most one that sends a turn,
//    so that the window paints and takes the operator's keys between sends. A refused cue is one
//    line on standard error: the desk gets no answer.
// 4. A device that goes away (a read gives an error or, but for a FIFO, an end of file) is closed
//    and tried again every 2 s, as one missing at start is; every 2 s the name of an open device is
//    also checked to name the same file still (one removed and made again is opened anew). Every
//    loss and every return is one line on standard error, nothing in the window: the show goes on.
// 5. A FIFO's end of file says only that its writer closed it: it is opened again at once, silently,
//    for the next writer.
#include <QByteArray>
#include <QObject>
#include <QString>
#include <deque>
#include <optional>
#include <sys/types.h>

#include "platform/WindowTimer.h"
#include "remote/MidiDispatch.h"
#include "remote/MidiStreamReader.h"

class QSocketNotifier;
class QTimer;

constexpr int kMidiReopenMs = 2000;

class MidiInput : public QObject {
 public:
  // `target`: the console behind the remote inputs' one GO guard.
  explicit MidiInput(RemoteControl& target, QObject* parent = nullptr);
  ~MidiInput() override;

  // Takes the cues of `device` from now on: opened at once when it can be; false with `error`
  // saying why when it cannot, and then tried again every 2 s.
  bool Watch(const QString& device, const MidiListening& listening, QString& error);
  bool IsOpen() const { return fd_ >= 0; }
  // Whether it takes a device's cues, open now or tried again every 2 s.
  bool Watching() const { return dispatcher_.has_value(); }
  // What tries the device again and checks its name (rule 4); tests tick it.
  TWindowTimer& CheckTimer() { return check_; }
  // Takes what is waiting on the device, without blocking; the cues run from the event loop.
  void ReadPending();

  // Messages ignored, the reader's drops, and messages the full queue dropped, so far.
  qint64 Ignored() const { return ignored_; }
  const MidiStreamReader& Reader() const { return reader_; }
  qint64 Dropped() const { return dropped_; }

 private:
  struct Queued {
    QByteArray message;
    RemoteClock::time_point arrival;
  };
  bool OpenDevice(QString& error);
  void Close();
  void Lose(const QString& why);
  void Check();
  void Queue(QByteArray message, RemoteClock::time_point arrival);
  void RunQueued();

  RemoteControl& target_;
  std::optional<MidiDispatcher> dispatcher_;
  QString device_;
  QString source_;  // for the send log
  int fd_ = -1;
  bool isFifo_ = false;
  dev_t openDevice_ = 0;  // what the name named when it was opened
  ino_t openInode_ = 0;
  MidiStreamReader reader_;
  QSocketNotifier* notifier_ = nullptr;
  TWindowTimer check_{kMidiReopenMs};
  QTimer* next_ = nullptr;  // the next turn's cues
  std::deque<Queued> queue_;
  bool running_ = false;
  qint64 ignored_ = 0;
  qint64 dropped_ = 0;
};
