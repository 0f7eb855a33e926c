// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Builds BMP file images in memory for tests: any of 1, 4, 8, 24 and 32 bits per pixel,
// bottom-up rows, optionally run-length encoded (8 bits: RLE8, 4 bits: RLE4). The pixels follow
// a fixed pattern with runs of equal pixels, so a decoder can be checked pixel by pixel with
// BmpTestPixel.
#include <QByteArray>
#include <QImage>
#include <QRgb>

struct BmpTestImage {
  int width = 4;
  int height = 3;
  int bits = 8;
  bool runLengthEncoded = false;
};

QByteArray MakeBmp(const BmpTestImage& image);

// The colour MakeBmp gives pixel (x, y) (y counted from the top).
QRgb BmpTestPixel(const BmpTestImage& image, int x, int y);

// True when the decoded picture has the size and every pixel of the built one (colour only).
bool MatchesBmpTestImage(const QImage& decoded, const BmpTestImage& image);
