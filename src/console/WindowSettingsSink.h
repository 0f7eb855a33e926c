// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reading a settings file into the console window. Caption lines are gathered and handed to the
// caption list in one change when the sink goes away (also after a failed read, so the lines
// read so far arrive): line by line, the play list would mirror the whole list once per line.
#include <QStringList>

#include "show/SettingsSink.h"

class TForm1;

class WindowSettingsSink : public SettingsSink {
 public:
  explicit WindowSettingsSink(TForm1& form) : form_(form) {}
  ~WindowSettingsSink() override;
  WindowSettingsSink(const WindowSettingsSink&) = delete;
  WindowSettingsSink& operator=(const WindowSettingsSink&) = delete;

  void SetPort(std::int32_t port) override;
  void SetFontSize(std::int32_t points) override;
  void SetFontColor(TColor color) override;
  void SetFontName(const QString& name) override;
  void ClearCaptionLines() override;
  void AppendCaptionLine(const QString& text) override;
  void SetLineSpeed(int line, std::int32_t speed) override;
  void SetLineDwell(int line, std::int32_t dwell) override;
  void SetLineMode(int line, std::int32_t mode) override;

 private:
  TForm1& form_;
  bool cleared_ = false;
  QStringList lines_;
};
