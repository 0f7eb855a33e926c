// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/FreshShowSink.h"

void FreshShowSink::SetPort(std::int32_t port) { show_.SetPort(port); }
void FreshShowSink::SetFontSize(std::int32_t points) { show_.SetFontSize(points); }
void FreshShowSink::SetFontColor(std::int32_t color) { show_.SetFontColor(color); }
void FreshShowSink::SetFontName(QByteArrayView name) { show_.SetFontName(decoder_.Decode(name)); }

void FreshShowSink::ClearCaptionLines() {
  show_.ClearCaptionLines();
  HeadRead();
}

void FreshShowSink::BeginCaptionRecord(QByteArrayView text) {
  text_ = text;
  numbers_ = 0;
}

void FreshShowSink::AddRecordNumber(std::int32_t value) {
  // Numbers of lines without an entry are read all the same, and dropped.
  if (HasLineSetting(line_)) {
    if (numbers_ == 0) show_.SetLineSpeed(line_, value);
    else if (numbers_ == 1) show_.SetLineDwell(line_, value);
    else show_.SetLineMode(line_, value);
  }
  if (++numbers_ < 3) return;
  RecordRead(line_, text_, show_.SettingOf(line_));
  ++line_;
}
