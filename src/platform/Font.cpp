#include "platform/Font.h"

#include <QFontMetrics>
#include <QHash>
#include <cstdint>
#include <cstdlib>

int MulDiv(int a, int b, int c) {
  if (c == 0) return -1;
  const std::int64_t product = std::int64_t(a) * b;
  const std::int64_t half = std::llabs(c) / 2;
  const bool negative = (product < 0) != (c < 0);
  const std::int64_t magnitude = (std::llabs(product) + half) / std::llabs(c);
  return int(negative ? -magnitude : magnitude);
}

int TFont::Size() const { return -MulDiv(Height, 72, kScreenPixelsPerInch); }

void TFont::SetSize(int points) { Height = -MulDiv(points, kScreenPixelsPerInch, 72); }

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

QFont TFont::ToQFont() const {
  QFont font;
  font.setFamilies(FontFamiliesFor(Name));
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
    font.setPixelSize(-Height);  // character height: what a pixel size means to Qt
  } else if (Height > 0) {
    // Cell height: shrink the pixel size until ascent + descent fits the requested cell.
    int pixels = Height;
    font.setPixelSize(pixels);
    while (pixels > 1 && QFontMetrics(font).height() > Height) font.setPixelSize(--pixels);
  } else {
    font.setPixelSize(MulDiv(8, kScreenPixelsPerInch, 72));  // platform default: 8 points
  }
  return font;
}
