// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The value kinds of the skin INI and their reading rules and written forms.
//
// A missing key or section is never an error: every reader has a default. The one failure is a
// rectangle or point field without digits, which raises the platform's conversion error.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "platform/Color.h"
#include "platform/Font.h"
#include "platform/IniFile.h"
#include "platform/Types.h"

enum class TAlignment : std::uint8_t { taLeftJustify, taRightJustify, taCenter };

// The look of an inactive window's frame picture.
enum class TSkinEffect : std::uint8_t {
  ieBrightness,
  ieDarkness,
  ieGrayScale,
  ieNoise,
  ieSplitBlur,
  ieInvert,
};

// How a skin object blends from one look to another.
enum class TMorphKind : std::uint8_t {
  mkDefault,
  mkGradient,
  mkLeftGradient,
  mkRightGradient,
  mkLeftSlide,
  mkRightSlide,
  mkPush,
};

// The window command of a caption button.
enum class SkinCommand : std::uint8_t {
  cmClose,
  cmMaximize,
  cmMinimize,
  cmSysMenu,
  cmDefault,
  cmRollUp,
  cmMinimizeToTray,
};

namespace SkinIni {

// integer and colour: decimal or hexadecimal; empty or unparsable gives the default.
int ReadInteger(const TMemIniFile& ini, const QString& section, const QString& key, int defaultValue);
TColor ReadColor(const TMemIniFile& ini, const QString& section, const QString& key, TColor defaultValue);
// boolean: exactly the integer 1 is true; missing, empty and every other value are false.
bool ReadBoolean(const TMemIniFile& ini, const QString& section, const QString& key);
QString ReadString(const TMemIniFile& ini, const QString& section, const QString& key,
                   const QString& defaultValue = QString());
// rectangle "l,t,r,b" and point "x,y"; a missing key reads as all zeros.
TRect ReadRect(const TMemIniFile& ini, const QString& section, const QString& key);
TPoint ReadPoint(const TMemIniFile& ini, const QString& section, const QString& key);
TFontStyles ReadFontStyle(const TMemIniFile& ini, const QString& section, const QString& key);
TAlignment ReadAlignment(const TMemIniFile& ini, const QString& section, const QString& key);
TSkinEffect ReadEffect(const TMemIniFile& ini, const QString& section, const QString& key);
TMorphKind ReadMorphKind(const TMemIniFile& ini, const QString& section, const QString& key);
SkinCommand ReadCommand(const TMemIniFile& ini, const QString& section, const QString& key);
// list L: the count under "<L>count" (default 0), the items under "0", "1", ... in order.
// A list claims no more items than its section has keys.
QStringList ReadList(const TMemIniFile& ini, const QString& section, const QString& listName);
// The numbers 0..count-1 that the section holds as item keys ("0", "1", ...), ascending: what a
// walk over the numbered keys up to count would find, without walking a damaged count.
std::vector<int> PresentItems(const TMemIniFile& ini, const QString& section, int count);

// The text-level rules, for values that do not come straight from an INI key.
//
// Rectangle and point fields: a comma closes a field, digits are kept, every other character
// (blank, minus sign, letter) is dropped; each field must hold digits. Negative numbers
// therefore cannot be written: "-5,0,10,10" reads as 5,0,10,10. Fields beyond the fourth
// (second for a point) are ignored.
TRect RectFromText(const QString& text);
TPoint PointFromText(const QString& text);
TFontStyles FontStyleFromText(const QString& text);
TAlignment AlignmentFromText(const QString& text);
TSkinEffect EffectFromText(const QString& text);
TMorphKind MorphKindFromText(const QString& text);
SkinCommand CommandFromText(const QString& text);

// Written forms: numbers joined by "," without blanks, the words of the enumerations, font
// style words in the order bold, italic, underline, strike-out joined by ",".
QString RectToText(const TRect& rect);
QString PointToText(const TPoint& point);
QString FontStyleToText(TFontStyles style);
QString AlignmentToText(TAlignment alignment);
QString EffectToText(TSkinEffect effect);
QString MorphKindToText(TMorphKind kind);
QString CommandToText(SkinCommand command);

void WriteRect(TMemIniFile& ini, const QString& section, const QString& key, const TRect& rect);
void WritePoint(TMemIniFile& ini, const QString& section, const QString& key, const TPoint& point);
// boolean: "1" or "0".
void WriteBoolean(TMemIniFile& ini, const QString& section, const QString& key, bool value);
void WriteList(TMemIniFile& ini, const QString& section, const QString& listName, const QStringList& items);

}  // namespace SkinIni
