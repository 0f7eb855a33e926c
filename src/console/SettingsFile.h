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
#include <QString>
#include <QStringList>

#include "console/LineSettingTable.h"
#include "console/SettingsSink.h"
#include "platform/Font.h"

class TTextReader;

// Reads a settings file into `sink`, step by step. The end of the file is tested only before
// each record; a record once begun is read whole (numbers that meet the end of the file are 0).
// Every caption text is appended; settings are passed on only for lines 0..1000. I/O errors
// (EInOutError) abort at the failing step.
void ReadSettings(TTextReader& reader, SettingsSink& sink);
void LoadSettingsFile(const QString& path, SettingsSink& sink);

// The bytes of a settings file for this show. Every caption line is written; lines without an
// entry in the table (1001 and up) are written with the default settings.
QByteArray EncodeSettingsFile(int port, const TFont& font, const QStringList& lines, const LineSettingTable& table);

// Writes the settings file to exactly `path`; a failed write leaves any previous file untouched.
void SaveSettingsFile(const QString& path, int port, const TFont& font, const QStringList& lines,
                      const LineSettingTable& table);
