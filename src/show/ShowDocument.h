// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A show held in memory, with the console's state and rules but no window: the port, the caption
// font, the caption lines and the settings table. lumetra-cli reads, prints and converts shows
// through it.
#include <QString>
#include <QStringList>

#include "platform/Font.h"
#include "show/CaptionFont.h"
#include "show/LineSettingTable.h"
#include "show/SettingsSink.h"

enum class ShowFileKind { Settings, Text, Subtitles };

class ShowDocument : public SettingsSink {
 public:
  // A fresh console: port 1, the initial caption font, no lines, every entry at its defaults.
  int Port = 1;
  TFont Font = InitialCaptionFont();
  QStringList Lines;
  LineSettingTable Settings{};

  // Loads `path` as the console's load does: a path containing ".lw" is read as a settings file,
  // any other is imported as plain text (port, font and settings stay as they are). A failure
  // raises the console's error and leaves what was read up to it.
  ShowFileKind Load(const QString& path);

  // The show's bytes as a settings file.
  QByteArray Encode() const;
  // Writes the show as a settings file to exactly `path`.
  void Save(const QString& path) const;

  LineSetting SettingOf(int line) const { return SettingOfLine(Settings, line); }

  void SetPort(std::int32_t port) override;
  void SetFontSize(std::int32_t points) override;
  void SetFontColor(TColor color) override;
  void SetFontName(const QString& name) override;
  void ClearCaptionLines() override;
  void AppendCaptionLine(const QString& text) override;
  void SetLineSpeed(int line, std::int32_t speed) override;
  void SetLineDwell(int line, std::int32_t dwell) override;
  void SetLineMode(int line, std::int32_t mode) override;
};
