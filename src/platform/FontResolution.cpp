// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// How a platform font becomes a Qt font: the families that stand in for its name and the pixel
// size of its height. Kept apart from the font's plain data, which programs without a graphical
// application (the command line's text commands) use without linking the graphical libraries.
#include "platform/Font.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QHash>
#include <QMutex>
#include <algorithm>
#include <cstdint>
#include <limits>

QStringList FontFamiliesFor(const QString& name) {
  static const QStringList song = {QStringLiteral("AR PL UMing CN"), QStringLiteral("AR PL UMing TW"),
                                   QStringLiteral("WenQuanYi Zen Hei")};
  // The sans faces have no Chinese; the console's captions in them ("调入文件") take the sans CJK
  // face the package installs. Named here, it is found at once; left to the toolkit's fallbacks,
  // every face before it in the font configuration's order is matched and searched first.
  static const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                   QStringLiteral("DejaVu Sans"), QStringLiteral("WenQuanYi Zen Hei")};
  static const QHash<QString, QStringList> substitutes = {
      {QStringLiteral("宋体"), song},     {QStringLiteral("SimSun"), song},
      {QStringLiteral("新宋体"), song},   {QStringLiteral("NSimSun"), song},
      {QStringLiteral("Arial"), sans},    {QStringLiteral("MS Sans Serif"), sans},
      {QStringLiteral("Tahoma"), sans},   {QStringLiteral("Verdana"), sans},
  };
  QStringList families{name};
  families += substitutes.value(name);
  return families;
}

namespace {

// Whether the toolkit can find the family at all; asked once per name. A family it cannot find
// is looked for anew (through the whole font configuration) every time a font asks for it, so
// such names are left out of the families a font asks for. The installed families are looked at
// first: asking whether a name stands for another (an alias) matches it against every font.
bool FamilyFound(const QString& family) {
  static QMutex mutex;
  static QHash<QString, bool> found;
  const QMutexLocker lock(&mutex);
  const auto known = found.constFind(family);
  if (known != found.constEnd()) return *known;
  const bool result =
      QFontDatabase::families().contains(family, Qt::CaseInsensitive) || QFontDatabase::hasFamily(family);
  found.insert(family, result);
  return result;
}

// The families the font asks for: the substitutes for `name` that can be found, best first; all
// of them when none can (the toolkit then takes its own default, as it would anyway).
QStringList FamiliesToAskFor(const QString& name) {
  const QStringList families = FontFamiliesFor(name);
  QStringList found;
  for (const QString& family : families)
    if (FamilyFound(family)) found << family;
  return found.isEmpty() ? families : found;
}

// The largest size in 1..cell for which `fits` holds, or 1 when it holds for none; `fits` holds
// up to some size and for none above it. A good guess settles it in two measurements; past
// that, halving the range finds the size in a few steps however large the cell asked for.
template <typename Fits>
int LargestFittingSize(int cell, int guess, Fits fits) {
  int low = 1, high = cell;  // the size sought lies in low..high, or is 1 when none fits
  if (fits(guess)) {
    if (guess == cell || !fits(guess + 1)) return guess;
    low = guess + 1;
  } else {
    high = guess - 1;
    if (high <= 1) return 1;
    if (fits(high)) return high;
    --high;
  }
  while (low < high) {
    const int middle = low + (high - low + 1) / 2;
    if (fits(middle))
      low = middle;
    else
      high = middle - 1;
  }
  return low;
}

// Cell height: the largest pixel size whose ascent + descent fits the requested cell. Each size
// measured loads the font anew (a match through the whole font configuration), so the guess
// starts where a font's cell usually lies, near 8/7 of its size, and answers are remembered: a
// skin's caption asks for its font at every paint.
int CellPixelSize(QFont& font, const TFont& wanted) {
  static QMutex mutex;
  static QHash<QString, int> sizes;
  const QString key = font.families().join(u'\n') + QStringLiteral("\n%1 %2 %3")
                                                       .arg(wanted.Style.Bits())
                                                       .arg(int(wanted.Quality))
                                                       .arg(wanted.Height);
  {
    const QMutexLocker lock(&mutex);
    const auto known = sizes.constFind(key);
    if (known != sizes.constEnd()) return *known;
  }
  const int cell = wanted.Height;
  const int guess = std::max(1, int(std::int64_t(cell) * 7 / 8));
  const int pixels = LargestFittingSize(cell, guess, [&font, cell](int size) {
    font.setPixelSize(size);
    return QFontMetrics(font).height() <= cell;
  });
  const QMutexLocker lock(&mutex);
  sizes.insert(key, pixels);
  return pixels;
}

}  // namespace

QFont TFont::ToQFont() const {
  QFont font;
  font.setFamilies(FamiliesToAskFor(Name));
  font.setBold(Style.Has(TFontStyle::fsBold));
  font.setItalic(Style.Has(TFontStyle::fsItalic));
  font.setUnderline(Style.Has(TFontStyle::fsUnderline));
  font.setStrikeOut(Style.Has(TFontStyle::fsStrikeOut));
  font.setHintingPreference(QFont::PreferFullHinting);
  if (Quality == TFontQuality::fqNonAntialiased)
    font.setStyleStrategy(QFont::StyleStrategy(QFont::NoAntialias | QFont::PreferMatch));
  else if (Quality == TFontQuality::fqAntialiased)
    font.setStyleStrategy(QFont::PreferAntialias);

  if (Height < 0) {
    // Character height: what a pixel size means to Qt.
    font.setPixelSize(int(std::min<std::int64_t>(-std::int64_t(Height), std::numeric_limits<int>::max())));
  } else if (Height > 0) {
    font.setPixelSize(CellPixelSize(font, *this));
  } else {
    font.setPixelSize(MulDiv(8, kScreenPixelsPerInch, 72));  // platform default: 8 points
  }
  return font;
}
