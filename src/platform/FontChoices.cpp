// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/FontChoices.h"

#include <algorithm>
#include <cstdlib>

namespace {

constexpr NamedFontColour kColours[] = {
    {"黑色", clBlack},  {"褐红色", clMaroon}, {"绿色", clGreen},   {"橄榄色", clOlive},
    {"深蓝色", clNavy}, {"紫色", clPurple},   {"深青色", clTeal},  {"灰色", clGray},
    {"银色", clSilver}, {"红色", clRed},      {"酸橙色", clLime},  {"黄色", clYellow},
    {"蓝色", clBlue},   {"紫红色", clFuchsia}, {"水绿色", clAqua}, {"白色", clWhite},
};

constexpr unsigned kBold = unsigned(TFontStyle::fsBold);
constexpr unsigned kItalic = unsigned(TFontStyle::fsItalic);
constexpr NamedFontStyle kStyles[] = {
    {"常规", 0}, {"斜体", kItalic}, {"粗体", kBold}, {"粗斜体", kBold | kItalic}};

constexpr int kSizes[] = {8, 9, 10, 11, 12, 14, 16, 18, 20, 22, 24, 26, 28, 36, 48, 72};

}  // namespace

std::span<const NamedFontColour> FontDialogColours() { return kColours; }

int FontColourIndex(TColor colour) {
  const TColor rgb = ColorToRGB(colour);
  for (size_t i = 0; i < std::size(kColours); ++i)
    if (kColours[i].colour == rgb) return int(i);
  return -1;
}

std::span<const NamedFontStyle> FontDialogStyles() { return kStyles; }

int FontStyleIndex(TFontStyles style) {
  const unsigned bits = style.Bits() & (kBold | kItalic);
  for (size_t i = 0; i < std::size(kStyles); ++i)
    if (kStyles[i].bits == bits) return int(i);
  return 0;
}

std::span<const int> FontDialogSizes() { return kSizes; }

QStringList FontDialogFamilies(const QString& current, const QStringList& installed) {
  QStringList families;
  if (!current.isEmpty()) families << current;
  for (const QString& family : installed)
    if (!families.contains(family)) families << family;
  return families;
}

FontChoice ChoiceOf(const TFont& font) {
  FontChoice choice;
  choice.family = font.Name;
  choice.styleRow = FontStyleIndex(font.Style);
  choice.points = std::abs(font.Size());  // a cell height reads as a negative size
  choice.underline = font.Style.Has(TFontStyle::fsUnderline);
  choice.strikeOut = font.Style.Has(TFontStyle::fsStrikeOut);
  choice.colour = font.Color;
  return choice;
}

TFont ApplyChoice(const TFont& font, const FontChoice& choice) {
  TFont result = font;
  if (!choice.family.isEmpty()) result.Name = choice.family;
  if (choice.points != std::abs(font.Size()))
    result.SetSize(std::clamp(choice.points, kMinFontDialogSize, kMaxFontDialogSize));
  unsigned bits = kStyles[std::clamp(choice.styleRow, 0, int(std::size(kStyles)) - 1)].bits;
  if (choice.underline) bits |= unsigned(TFontStyle::fsUnderline);
  if (choice.strikeOut) bits |= unsigned(TFontStyle::fsStrikeOut);
  result.Style = TFontStyles::FromBits(bits);
  result.Color = choice.colour;
  return result;
}
