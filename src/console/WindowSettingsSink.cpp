// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/WindowSettingsSink.h"

#include "console/Unit1.h"
#include "show/CaptionLines.h"
#include "show/PortNumber.h"

WindowSettingsSink::~WindowSettingsSink() {
  if (cleared_) form_.SetCaptionLines(lines_);
}

void WindowSettingsSink::SetPort(std::int32_t port) { form_.UpDown3->SetPosition(ClampPortNumber(port)); }
void WindowSettingsSink::SetFontSize(std::int32_t points) { form_.CaptionFont.SetSize(points); }
void WindowSettingsSink::SetFontColor(TColor color) { form_.CaptionFont.Color = color; }
void WindowSettingsSink::SetFontName(const QString& name) { form_.CaptionFont.Name = name; }

void WindowSettingsSink::ClearCaptionLines() {
  form_.SetCaptionLines({});
  cleared_ = true;
  lines_.clear();
}

// One record, one caption line: a line that fell apart would hand every later line the
// settings of the line before it.
void WindowSettingsSink::AppendCaptionLine(const QString& text) { lines_.append(AsOneCaptionLine(text)); }
void WindowSettingsSink::SetLineSpeed(int line, std::int32_t speed) { form_.LineSettings.at(line).Speed = speed; }
void WindowSettingsSink::SetLineDwell(int line, std::int32_t dwell) { form_.LineSettings.at(line).Dwell = dwell; }
void WindowSettingsSink::SetLineMode(int line, std::int32_t mode) { form_.LineSettings.at(line).Mode = mode; }
