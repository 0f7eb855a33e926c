// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// BMP file images as skins store them: the 14-byte file header ("BM", the total size bfSize,
// two reserved words, the pixel offset), the info header, the colour table and the rows.
// An image stored among other data ends after exactly bfSize bytes.
#include <QByteArray>
#include <QImage>
#include <QString>
#include <cstdint>

#include "platform/Exceptions.h"

class TStream;

// A picture that is not a valid BMP file image: "Bitmap image is not valid".
class EInvalidGraphic : public Exception {
 public:
  EInvalidGraphic();
  explicit EInvalidGraphic(const QString& message) : Exception(message) {}
};

// Reads one BMP file image: exactly bfSize bytes from the stream's position. Raises
// EInvalidGraphic when it does not start with "BM" or its size cannot hold its headers, and
// EReadError when the stream ends first.
QByteArray ReadBmpFileImage(TStream& stream);

// Decodes a BMP file image of any bit depth and compression; raises EInvalidGraphic, also for a
// picture whose headers claim more than 16M pixels or more rows than its data holds.
QImage DecodeBmpFileImage(const QByteArray& bytes);

// The pixels a BMP file image's headers claim (width times height), before any decoding; 0 when
// they cannot be read.
std::int64_t BmpPixelCount(const QByteArray& bytes);

// The bits per pixel a BMP file image's headers state; 0 when they cannot be read.
int BmpBitCount(const QByteArray& bytes);

// ReadBmpFileImage followed by DecodeBmpFileImage.
QImage ReadBmpImage(TStream& stream);

// The BMP file image of a BMP file, ready to be stored among other data: the file's own bytes
// up to its bfSize, or, when the file's bfSize does not describe it (some writers leave it 0),
// the decoded picture written anew. Raises EFOpenError when the file cannot be opened and
// EInvalidGraphic when it is not a BMP picture.
QByteArray LoadBmpFile(const QString& fileName);
