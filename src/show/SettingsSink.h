// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What reading a settings file does to the console, one step at a time, in file order. A load
// that fails part-way leaves exactly the steps made before the failure.
#include <QString>
#include <cstdint>

#include "platform/Color.h"

class SettingsSink {
 public:
  virtual ~SettingsSink() = default;

  // The port as read; the receiver keeps it within 1..255.
  virtual void SetPort(std::int32_t port) = 0;
  virtual void SetFontSize(std::int32_t points) = 0;
  virtual void SetFontColor(TColor color) = 0;
  virtual void SetFontName(const QString& name) = 0;
  virtual void ClearCaptionLines() = 0;
  virtual void AppendCaptionLine(const QString& text) = 0;
  // One member of entry `line` of the settings table; called only for lines 0..1000.
  virtual void SetLineSpeed(int line, std::int32_t speed) = 0;
  virtual void SetLineDwell(int line, std::int32_t dwell) = 0;
  virtual void SetLineMode(int line, std::int32_t mode) = 0;
};
