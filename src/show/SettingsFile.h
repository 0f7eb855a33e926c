// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The settings file of a show (".lw" files and the working state "lw1.ini"), one value per line,
// every line ended by CR LF:
//   port number
//   caption font size in points
//   caption font colour (signed decimal, 0x00BBGGRR; negative = system colour)
//   caption font name
//   then per caption line: text, Speed, Dwell, Mode
// There is no count and no end marker: the records run to the end of the file.
#include <QByteArray>
#include <QByteArrayView>
#include <QString>
#include <QStringList>
#include <cstdint>

#include "platform/Font.h"
#include "show/LineSettingTable.h"
#include "show/SettingsSink.h"

class ShowTextWriter;
class TTextReader;

// The steps of reading a settings file with each text as the file's bytes, not yet decoded, for
// readers that pass the texts on instead of holding them. The views stay valid while the reader
// lives.
class SettingsBytesSink {
 public:
  virtual ~SettingsBytesSink() = default;
  virtual void SetPort(std::int32_t port) = 0;
  virtual void SetFontSize(std::int32_t points) = 0;
  virtual void SetFontColor(std::int32_t color) = 0;
  virtual void SetFontName(QByteArrayView name) = 0;
  virtual void ClearCaptionLines() = 0;
  // A caption record: its text, then its three numbers (Speed, Dwell, Mode) one by one as read.
  virtual void BeginCaptionRecord(QByteArrayView text) = 0;
  virtual void AddRecordNumber(std::int32_t value) = 0;
};
void ReadSettingsBytes(TTextReader& reader, SettingsBytesSink& sink);

// Reads a settings file into `sink`, step by step. The end of the file is tested only before
// each record; a record once begun is read whole (numbers that meet the end of the file are 0).
// Every caption text is appended; settings are passed on only for lines 0..1000. I/O errors
// (EInOutError) abort at the failing step.
void ReadSettings(TTextReader& reader, SettingsSink& sink);
void LoadSettingsFile(const QString& path, SettingsSink& sink);

// The bytes of a settings file for this show. Every caption line is written; lines without an
// entry in the table (1001 and up) are written with the default settings.
QByteArray EncodeSettingsFile(int port, const TFont& font, const QStringList& lines, const LineSettingTable& table);
// The same in two steps: the port and font lines, which ask the font (on the GUI thread), and the
// file made from them and the lines, which may be done on any thread.
QByteArray EncodeSettingsHead(int port, const TFont& font);
QByteArray EncodeSettingsFile(QByteArrayView head, const QStringList& lines, const LineSettingTable& table);
// Its pieces, for files written while another is read: the port and font, and the numbers that
// follow each caption text (its line end included).
void AppendSettingsHead(ShowTextWriter& writer, int port, const TFont& font);
void AppendLineSettingNumbers(ShowTextWriter& writer, const LineSetting& setting);

// Writes the settings file to exactly `path`; a failed write leaves any previous file untouched.
void SaveSettingsFile(const QString& path, int port, const TFont& font, const QStringList& lines,
                      const LineSettingTable& table);
