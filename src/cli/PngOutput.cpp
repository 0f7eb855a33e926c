// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/PngOutput.h"

#include <QBuffer>
#include <QFileInfo>
#include <QPainter>

#include "cli/CliCommand.h"

namespace {

// "f.png" -> "f-region.png"
QString RegionPath(const QString& out) {
  const QString suffix = QFileInfo(out).suffix();
  if (suffix.isEmpty()) return out + QStringLiteral("-region");
  return out.chopped(suffix.size() + 1) + QStringLiteral("-region.") + suffix;
}

}  // namespace

void SavePng(const QImage& image, const QString& path) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  if (!image.save(&buffer, "PNG")) throw CliError(QStringLiteral("cannot encode %1").arg(path));
  WriteOutput(path, bytes);
}

QString SaveRegionPicture(const QRegion& region, int width, int height, const QString& out) {
  QImage image(width, height, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (const QRect& r : region) painter.fillRect(r, Qt::black);
  painter.end();
  const QString path = RegionPath(out);
  SavePng(image, path);
  return path;
}
