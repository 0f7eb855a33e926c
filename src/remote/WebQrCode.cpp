// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebQrCode.h"

#include <qrencode.h>

#include <QPainter>
#include <memory>

namespace {

constexpr int kQuietModules = 4;

struct QrFree {
  void operator()(QRcode* code) const { QRcode_free(code); }
};

}  // namespace

QImage QrCodeImage(const QString& text, int scale) {
  const QByteArray bytes = text.toUtf8();
  const std::unique_ptr<QRcode, QrFree> code(QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M));
  if (!code || scale < 1) return {};
  const int side = (code->width + 2 * kQuietModules) * scale;
  QImage image(side, side, QImage::Format_RGB32);
  image.fill(Qt::white);
  QPainter painter(&image);
  for (int y = 0; y < code->width; ++y)
    for (int x = 0; x < code->width; ++x)
      if (code->data[y * code->width + x] & 1)  // bit 0: a dark module
        painter.fillRect((x + kQuietModules) * scale, (y + kQuietModules) * scale, scale, scale, Qt::black);
  return image;
}
