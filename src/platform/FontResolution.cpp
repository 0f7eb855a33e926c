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
  static const QStringList sans = {QStringLiteral("Liberation Sans"), QStringLiteral("Arimo"),
                                   QStringLiteral("DejaVu Sans")};
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
// such names are left out of the families a font asks for.
bool FamilyFound(const QString& family) {
  static QMutex mutex;
  static QHash<QString, bool> found;
  const QMutexLocker lock(&mutex);
  const auto known = found.constFind(family);
  if (known != found.constEnd()) return *known;
  const bool result =
      QFontDatabase::hasFamily(family) || QFontDatabase::families().contains(family, Qt::CaseInsensitive);
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
    // Cell height: the largest pixel size whose ascent + descent fits the requested cell. The
    // cell never shrinks as the pixel size grows, so halving the range finds that size in a few
    // steps however large the cell asked for.
    const auto fits = [&font, this](int pixels) {
      font.setPixelSize(pixels);
      return QFontMetrics(font).height() <= Height;
    };
    int low = 1, high = Height;  // the size sought lies in low..high, or is 1 when none fits
    while (low < high) {
      const int middle = low + (high - low + 1) / 2;
      if (fits(middle))
        low = middle;
      else
        high = middle - 1;
    }
    font.setPixelSize(low);
  } else {
    font.setPixelSize(MulDiv(8, kScreenPixelsPerInch, 72));  // platform default: 8 points
  }
  return font;
}
