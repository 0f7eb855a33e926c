// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reading a settings file into a fresh console's port, font and settings while the caption texts
// are passed on as the file's bytes: for readers that write something from each caption line at
// once instead of holding the lines.
#include <QByteArrayView>
#include <cstdint>

#include "show/SettingsFile.h"
#include "show/ShowDocument.h"
#include "show/ShowText.h"

class FreshShowSink : public SettingsBytesSink {
 public:
  void SetPort(std::int32_t port) override;
  void SetFontSize(std::int32_t points) override;
  void SetFontColor(std::int32_t color) override;
  void SetFontName(QByteArrayView name) override;
  void ClearCaptionLines() override;
  void BeginCaptionRecord(QByteArrayView text) override;
  void AddRecordNumber(std::int32_t value) override;

  // The port, font and settings read so far; no caption lines.
  const ShowDocument& Show() const { return show_; }
  int LinesRead() const { return line_; }

 protected:
  // Port and font have been read; the caption records come next.
  virtual void HeadRead() {}
  // A whole caption record: its text as the file holds it, and the settings the console saves
  // and shows the line with (the defaults for lines past the settings table).
  virtual void RecordRead(int line, QByteArrayView text, const LineSetting& setting) = 0;

  ShowTextDecoder decoder_;

 private:
  ShowDocument show_;
  QByteArrayView text_;
  int line_ = 0;
  int numbers_ = 0;
};
