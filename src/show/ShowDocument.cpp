// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/ShowDocument.h"

#include "show/PortNumber.h"
#include "show/SettingsFile.h"
#include "show/ShowPaths.h"
#include "show/TextImport.h"

ShowFileKind ShowDocument::Load(const QString& path) {
  if (IsSettingsFilePath(path)) {
    LoadSettingsFile(path, *this);
    return ShowFileKind::Settings;
  }
  Lines = ImportTextFile(path);
  return ShowFileKind::Text;
}

QByteArray ShowDocument::Encode() const { return EncodeSettingsFile(Port, Font, Lines, Settings); }

void ShowDocument::Save(const QString& path) const { SaveSettingsFile(path, Port, Font, Lines, Settings); }

void ShowDocument::SetPort(std::int32_t port) { Port = ClampPortNumber(port); }
void ShowDocument::SetFontSize(std::int32_t points) { Font.SetSize(points); }
void ShowDocument::SetFontColor(TColor color) { Font.Color = color; }
void ShowDocument::SetFontName(const QString& name) { Font.Name = name; }
void ShowDocument::ClearCaptionLines() { Lines.clear(); }
void ShowDocument::AppendCaptionLine(const QString& text) { Lines.append(text); }
void ShowDocument::SetLineSpeed(int line, std::int32_t speed) { Settings.at(std::size_t(line)).Speed = speed; }
void ShowDocument::SetLineDwell(int line, std::int32_t dwell) { Settings.at(std::size_t(line)).Dwell = dwell; }
void ShowDocument::SetLineMode(int line, std::int32_t mode) { Settings.at(std::size_t(line)).Mode = mode; }
