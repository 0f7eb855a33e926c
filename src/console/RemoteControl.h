// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the console offers to a remote input (the OSC cues, the web pages, a lighting desk's
// MIDI): the window implements it with its own handlers, so a remote action is the operator's own.
// 1. GO sends the playhead's line (the line after the one sent last, by any input, unless a cue
//    moved the playhead since) in the mode programmed for it, and moves the playhead on; it
//    neither reads nor moves the operator's selection.
// 2. goto, next and prev move the playhead and select its line as the operator's click does.
// 3. Each call returns what it did: the sends it made, oldest first, or why it was refused
//    (nothing was sent then). An input answers only from what its own calls returned.
// 4. A remote action never puts a packet of more than 255 pages on the wire, never the mode byte
//    of no mode (0xFF), and never a text that holds the line for more than 10 s.
#include <QString>
#include <chrono>
#include <vector>

// The one clock of every remote input: a GO is stamped on it when its bytes arrive.
using RemoteClock = std::chrono::steady_clock;

struct RemoteState {
  int playhead = 0;  // the line GO sends next, 1-based; 0 when the list is empty
  QString text;      // that line's text
  int lineCount = 0;
  int signs = 1;  // the signs a send drives: the devices the port names
  bool operator==(const RemoteState&) const = default;
};

// What one send did, for the input that asked for it.
struct RemoteSend {
  int line = 0;    // 1-based, 0 for a caption of no line (a blank page, an announcement)
  int mode = 0;    // the mode byte's index
  QString result;  // "ok", "ok; no glyph for U+1F600", "Com error: <reason>",
                   // "Com error (1 of 2 signs): /dev/ttyUSB1: <reason>"
  bool operator==(const RemoteSend&) const = default;
};

// NoLine: an empty list, or a line not in it; BadArgument: a value the call cannot take.
enum class RemoteRefusal { None, DoubleTrigger, NoLine, NoMode, TooManyPages, TooLong, BadArgument };
constexpr int kRemoteRefusalCount = 7;

struct RemoteResult {
  RemoteRefusal refusal = RemoteRefusal::None;
  QString reason;                 // in English, when refused
  std::vector<RemoteSend> sends;  // the sends the call made, oldest first

  bool Refused() const { return refusal != RemoteRefusal::None; }
  static RemoteResult Refusing(RemoteRefusal refusal, const QString& reason) { return {refusal, reason, {}}; }
  bool operator==(const RemoteResult&) const = default;
};

// The longest a text sent by a remote input may hold the line.
constexpr double kLongestRemoteTextMs = 10000;

// Line numbers passed in are 1-based and within the list; modes are 0..19.
class RemoteControl {
 public:
  virtual ~RemoteControl() = default;
  virtual RemoteState State() const = 0;
  // `arrival`: when the GO's bytes reached the machine; a GO within 250 ms of another is refused
  // by the guard every input's GO passes.
  virtual RemoteResult Go(RemoteClock::time_point arrival, const QString& source) = 0;
  virtual RemoteResult GoTo(int line) = 0;
  virtual RemoteResult Next() = 0;
  virtual RemoteResult Previous() = 0;
  // As a double-click on the line: selected as clicked, then sent.
  virtual RemoteResult SendLine(int line, const QString& source) = 0;
  virtual RemoteResult Blank(const QString& source) = 0;
  // The text as a caption in `mode`, whatever line is selected, not added to the lists.
  virtual RemoteResult SendText(const QString& text, int mode, const QString& source) = 0;
  // A remote input listens from now on: the window marks the playhead.
  virtual void InputOn() = 0;
};
