// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A font as the desktop platform describes it: name, height in pixels with the platform's sign
// convention (negative = character height, positive = cell height), size in points at 96 dpi,
// style, character set, colour and rendering quality.
#include <QFont>
#include <QString>

#include "platform/Color.h"

enum class TFontStyle : unsigned { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

class TFontStyles {
 public:
  constexpr TFontStyles() = default;
  constexpr TFontStyles(TFontStyle s) : bits_(unsigned(s)) {}
  static constexpr TFontStyles FromBits(unsigned bits) { TFontStyles s; s.bits_ = bits & 15u; return s; }
  constexpr bool Has(TFontStyle s) const { return (bits_ & unsigned(s)) != 0; }
  constexpr TFontStyles operator|(TFontStyles o) const { return FromBits(bits_ | o.bits_); }
  constexpr unsigned Bits() const { return bits_; }
  friend constexpr bool operator==(TFontStyles, TFontStyles) = default;

 private:
  unsigned bits_ = 0;
};
constexpr TFontStyles operator|(TFontStyle a, TFontStyle b) { return TFontStyles(a) | TFontStyles(b); }

enum class TFontQuality { fqDefault, fqNonAntialiased, fqAntialiased };

constexpr int DEFAULT_CHARSET = 1;
constexpr int ANSI_CHARSET = 0;
constexpr int GB2312_CHARSET = 134;

constexpr int kScreenPixelsPerInch = 96;

class TFont {
 public:
  QString Name = QStringLiteral("MS Sans Serif");
  int Height = -11;  // pixels; negative: character height without internal leading
  TFontStyles Style;
  int Charset = DEFAULT_CHARSET;
  TColor Color = clWindowText;
  TFontQuality Quality = TFontQuality::fqDefault;

  // Size in points at 96 dpi, rounded as the platform's MulDiv does.
  int Size() const;
  void SetSize(int points);

  // The Qt font that draws this font: the name is resolved through the substitution table,
  // the height becomes a pixel size.
  QFont ToQFont() const;

  friend bool operator==(const TFont&, const TFont&) = default;
};

// MulDiv of the platform: a * b / c rounded half away from zero, in 64 bits.
int MulDiv(int a, int b, int c);

// Installed families that stand in for a requested family ("宋体"/"SimSun" -> a Song/Ming CJK
// font, "Arial" -> a metric-compatible sans, then a sans CJK face for its Chinese), best first;
// the requested name itself first.
QStringList FontFamiliesFor(const QString& name);
