// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/HeadlessReport.h"

#include <QDir>

#include "wire/DisplayModes.h"

namespace {

QByteArray JsonString(const QString& text) {
  QByteArray out = "\"";
  for (char c : text.toUtf8()) {
    switch (c) {
      case '"': out += "\\\""; break;
      case '\\': out += "\\\\"; break;
      case '\n': out += "\\n"; break;
      case '\r': out += "\\r"; break;
      case '\t': out += "\\t"; break;
      default:
        if (quint8(c) < 0x20)
          out += QByteArray("\\u00") + QByteArray::number(quint8(c), 16).rightJustified(2, '0');
        else
          out += c;
    }
  }
  return out + '"';
}

}  // namespace

QByteArray ReportJsonLine(const PacketReport& report) {
  return QByteArray("{\"bytes\":") + QByteArray::number(report.bytes) +
         ",\"pages\":" + QByteArray::number(qulonglong(report.pages.size())) +
         ",\"mode\":" + QByteArray::number(report.mode) + ",\"mode_name\":" + JsonString(DisplayModeName(report.mode)) +
         ",\"valid\":" + (report.valid ? "true" : "false") +
         ",\"error\":" + (report.valid ? QByteArray("null") : JsonString(report.error)) + "}\n";
}

QImage PageImage(const LedPage& page) {
  QImage image(kLedWidth, kLedHeight, QImage::Format_RGB32);
  for (int y = 0; y < kLedHeight; ++y)
    for (int x = 0; x < kLedWidth; ++x) image.setPixel(x, y, page.IsLit(x, y) ? 0xFFFFFFFF : 0xFF000000);
  return image;
}

QString WritePagePngs(const QString& folder, int reportIndex, const PacketReport& report) {
  for (std::size_t i = 0; i < report.pages.size(); ++i) {
    const QString path = QDir(folder).filePath(QStringLiteral("packet%1-page%2.png").arg(reportIndex).arg(i));
    if (!PageImage(report.pages[i]).save(path, "PNG")) return path;
  }
  return QString();
}
