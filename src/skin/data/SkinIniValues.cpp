// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinIniValues.h"

#include <algorithm>
#include <array>
#include <iterator>

#include "platform/Convert.h"

namespace {

// Word tables in value order; a table per enumeration, tied to its size.
constexpr std::array<const char*, 3> kAlignmentWords = {"taleftjustify", "tarightjustify", "tacenter"};
constexpr std::array<const char*, 6> kEffectWords = {"iebrightness", "iedarkness", "iegrayscale",
                                                     "ienoise",      "iesplitblur", "ieinvert"};
constexpr std::array<const char*, 7> kMorphKindWords = {"mkdefault",      "mkgradient",  "mkleftgradient",
                                                        "mkrightgradient", "mkleftslide", "mkrightslide",
                                                        "mkpush"};
constexpr std::array<const char*, 7> kCommandWords = {"cmclose",  "cmmaximize", "cmminimize",      "cmsysmenu",
                                                      "cmdefault", "cmrollup",  "cmminimizetotray"};
static_assert(kEffectWords.size() == std::size_t(TSkinEffect::ieInvert) + 1);
static_assert(kMorphKindWords.size() == std::size_t(TMorphKind::mkPush) + 1);
static_assert(kCommandWords.size() == std::size_t(SkinCommand::cmMinimizeToTray) + 1);

struct FontStyleWord {
  const char* word;
  TFontStyle style;
};
constexpr std::array<FontStyleWord, 4> kFontStyleWords = {{{"fsbold", TFontStyle::fsBold},
                                                            {"fsitalic", TFontStyle::fsItalic},
                                                            {"fsunderline", TFontStyle::fsUnderline},
                                                            {"fsstrikeout", TFontStyle::fsStrikeOut}}};

// Index of the word that equals the text exactly (letter case included), or -1.
template <std::size_t N>
int WordIndex(const std::array<const char*, N>& words, const QString& text) {
  for (std::size_t i = 0; i < N; ++i)
    if (text == QLatin1String(words[i])) return int(i);
  return -1;
}

// Splits a rectangle or point text into `count` numbers by the comma rule.
template <std::size_t N>
std::array<int, N> NumberFields(const QString& text) {
  std::array<QString, N> fields;
  std::size_t current = 0;
  QString digits;
  for (const QChar c : text) {
    if (c == QLatin1Char(',')) {
      if (current < N) fields[current] = digits;
      digits.clear();
      ++current;
    } else if (c >= QLatin1Char('0') && c <= QLatin1Char('9')) {
      digits += c;
    }
  }
  if (current < N) fields[current] = digits;
  std::array<int, N> numbers{};
  for (std::size_t i = 0; i < N; ++i) numbers[i] = StrToInt(fields[i]);
  return numbers;
}

}  // namespace

namespace SkinIni {

int ReadInteger(const TMemIniFile& ini, const QString& section, const QString& key, int defaultValue) {
  return ini.ReadInteger(section, key, defaultValue);
}

TColor ReadColor(const TMemIniFile& ini, const QString& section, const QString& key, TColor defaultValue) {
  return ini.ReadInteger(section, key, defaultValue);
}

bool ReadBoolean(const TMemIniFile& ini, const QString& section, const QString& key) {
  return ini.ReadInteger(section, key, 0) == 1;
}

QString ReadString(const TMemIniFile& ini, const QString& section, const QString& key,
                   const QString& defaultValue) {
  return ini.ReadString(section, key, defaultValue);
}

TRect ReadRect(const TMemIniFile& ini, const QString& section, const QString& key) {
  return RectFromText(ini.ReadString(section, key, QStringLiteral("0,0,0,0")));
}

TPoint ReadPoint(const TMemIniFile& ini, const QString& section, const QString& key) {
  return PointFromText(ini.ReadString(section, key, QStringLiteral("0,0")));
}

TFontStyles ReadFontStyle(const TMemIniFile& ini, const QString& section, const QString& key) {
  return FontStyleFromText(ini.ReadString(section, key, QString()));
}

TAlignment ReadAlignment(const TMemIniFile& ini, const QString& section, const QString& key) {
  return AlignmentFromText(ini.ReadString(section, key, QStringLiteral("tacenter")));
}

TSkinEffect ReadEffect(const TMemIniFile& ini, const QString& section, const QString& key) {
  return EffectFromText(ini.ReadString(section, key, QStringLiteral("iebrightness")));
}

TMorphKind ReadMorphKind(const TMemIniFile& ini, const QString& section, const QString& key) {
  return MorphKindFromText(ini.ReadString(section, key, QStringLiteral("mkdefault")));
}

SkinCommand ReadCommand(const TMemIniFile& ini, const QString& section, const QString& key) {
  return CommandFromText(ini.ReadString(section, key, QStringLiteral("cmdefault")));
}

QStringList ReadList(const TMemIniFile& ini, const QString& section, const QString& listName) {
  QStringList items;
  // A list of more items than its section has keys is damaged; it is cut there, so that a
  // damaged count cannot make a list of millions of empty items.
  const int count = std::min(ini.ReadInteger(section, listName + QStringLiteral("count"), 0),
                             int(ini.ReadSection(section).size()));
  for (int i = 0; i < count; ++i) items << ini.ReadString(section, QString::number(i), QString());
  return items;
}

std::vector<int> PresentItems(const TMemIniFile& ini, const QString& section, int count) {
  std::vector<int> items;
  for (const QString& key : ini.ReadSection(section)) {
    bool number = false;
    const int item = key.toInt(&number);
    // Only the key that the item's own number names ("7", not "07" or "+7").
    if (number && item >= 0 && item < count && key == QString::number(item)) items.push_back(item);
  }
  std::sort(items.begin(), items.end());
  items.erase(std::unique(items.begin(), items.end()), items.end());
  return items;
}

TRect RectFromText(const QString& text) {
  const auto n = NumberFields<4>(text);
  return {n[0], n[1], n[2], n[3]};
}

TPoint PointFromText(const QString& text) {
  const auto n = NumberFields<2>(text);
  return {n[0], n[1]};
}

TFontStyles FontStyleFromText(const QString& text) {
  TFontStyles style;
  for (const FontStyleWord& w : kFontStyleWords)
    if (text.contains(QLatin1String(w.word), Qt::CaseSensitive)) style = style | w.style;
  return style;
}

TAlignment AlignmentFromText(const QString& text) {
  if (text == QLatin1String("tacenter")) return TAlignment::taCenter;
  if (text == QLatin1String("taleftjustify")) return TAlignment::taLeftJustify;
  return TAlignment::taRightJustify;
}

TSkinEffect EffectFromText(const QString& text) {
  const int index = WordIndex(kEffectWords, text);
  return index < 0 ? TSkinEffect::ieGrayScale : TSkinEffect(index);
}

TMorphKind MorphKindFromText(const QString& text) {
  const int index = WordIndex(kMorphKindWords, text);
  return index < 0 ? TMorphKind::mkDefault : TMorphKind(index);
}

SkinCommand CommandFromText(const QString& text) {
  // Only the words up to "cmrollup" are matched; everything else means minimise to tray.
  const int index = WordIndex(kCommandWords, text);
  return index < 0 || index > int(SkinCommand::cmRollUp) ? SkinCommand::cmMinimizeToTray : SkinCommand(index);
}

QString RectToText(const TRect& rect) {
  return QStringLiteral("%1,%2,%3,%4").arg(rect.Left).arg(rect.Top).arg(rect.Right).arg(rect.Bottom);
}

QString PointToText(const TPoint& point) { return QStringLiteral("%1,%2").arg(point.X).arg(point.Y); }

QString FontStyleToText(TFontStyles style) {
  QStringList words;
  for (const FontStyleWord& w : kFontStyleWords)
    if (style.Has(w.style)) words << QLatin1String(w.word);
  return words.join(QLatin1Char(','));
}

QString AlignmentToText(TAlignment alignment) {
  return QLatin1String(kAlignmentWords.at(std::size_t(alignment)));
}
QString EffectToText(TSkinEffect effect) { return QLatin1String(kEffectWords.at(std::size_t(effect))); }
QString MorphKindToText(TMorphKind kind) { return QLatin1String(kMorphKindWords.at(std::size_t(kind))); }
QString CommandToText(SkinCommand command) { return QLatin1String(kCommandWords.at(std::size_t(command))); }

void WriteRect(TMemIniFile& ini, const QString& section, const QString& key, const TRect& rect) {
  ini.WriteString(section, key, RectToText(rect));
}

void WritePoint(TMemIniFile& ini, const QString& section, const QString& key, const TPoint& point) {
  ini.WriteString(section, key, PointToText(point));
}

void WriteBoolean(TMemIniFile& ini, const QString& section, const QString& key, bool value) {
  ini.WriteInteger(section, key, value ? 1 : 0);
}

void WriteList(TMemIniFile& ini, const QString& section, const QString& listName, const QStringList& items) {
  ini.WriteInteger(section, listName + QStringLiteral("count"), int(items.size()));
  for (int i = 0; i < items.size(); ++i) ini.WriteString(section, QString::number(i), items[i]);
}

}  // namespace SkinIni
