// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the console offers to a remote input (the OSC cues, the web pages): the window implements
// it with its own handlers, so a remote action is the operator's own.
#include <QString>
#include <vector>

struct RemoteState {
  int selectedLine = 0;  // 1-based, 0 when none
  QString text;
  int lineCount = 0;
  int signs = 1;  // the signs a send drives: the devices the port names
  bool operator==(const RemoteState&) const = default;
};

// What one send did, for the input that asked for it.
struct RemoteSend {
  int line = 0;    // 1-based, 0 for a caption of no line (a blank page, an announcement)
  int mode = 0;    // the mode byte's index
  QString result;  // "ok", "ok; no glyph for U+1F600", "Com error: <reason>"
  bool operator==(const RemoteSend&) const = default;
};

// Line numbers passed in are 1-based and within the list.
class RemoteControl {
 public:
  virtual ~RemoteControl() = default;
  virtual RemoteState State() const = 0;
  virtual void Go(const QString& source) = 0;
  virtual void Select(int line) = 0;
  virtual void Next() = 0;
  virtual void Previous() = 0;
  virtual void SendLine(int line, const QString& source) = 0;
  virtual void Blank(const QString& source) = 0;
  // The text as a caption in the current mode, not added to the lists.
  virtual void SendText(const QString& text, const QString& source) = 0;
  // The text as a caption in `mode` (0..19), whatever line is selected, not added to the lists.
  virtual void SendText(const QString& text, int mode, const QString& source) = 0;
  // The page records a caption of `text` in `mode` would need (a packet holds at most 255).
  virtual int PacketPages(const QString& text, int mode) const {
    (void)text;
    (void)mode;
    return 1;
  }
  // The sends made since the last call, oldest first.
  virtual std::vector<RemoteSend> TakeSends() { return {}; }
};
