// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The uncompressed skin package: version, three flagged pictures, the active pictures and the
// skin INI text.
//
// Layout (integers 32-bit signed little-endian):
//   version (readers accept 3 or less; the writer writes 3)
//   for the main, inactive and mask picture: one flag byte (0 = a BMP file image follows,
//     anything else = no picture) and the BMP file image when the flag is 0
//   version 2 only: two more flag-and-picture pairs, read and dropped
//   active picture count N, then N BMP file images without flags
//   the INI text, lines ended by CR LF, up to the end of the package (no length field)
#include <QByteArray>
#include <QImage>
#include <QStringList>
#include <cstdint>
#include <vector>

class TStream;

inline constexpr std::int32_t SkinPackageVersion = 3;
// All pictures of a package together, as their headers claim them (eight of 2048 x 2048).
inline constexpr std::int64_t MaxSkinPackagePixels = std::int64_t(1) << 25;
// A whole package inflated: those pictures at 32 bits a pixel take half of it, the rest leaves
// room for the INI text.
inline constexpr std::int64_t MaxSkinPackageBytes = std::int64_t(1) << 28;

// A package as read. A null QImage is a picture the package does not hold.
struct SkinPackage {
  std::int32_t Version = SkinPackageVersion;
  QImage Picture;
  QImage InActivePicture;
  QImage MaskPicture;
  std::vector<QImage> ActivePictures;
  QStringList IniLines;
};

// Reads a package from the stream's current position to its end into `package`, filling it
// field by field so that a caller keeps what was read before a failure. Returns false, with
// only the version filled in, when the package is newer than this reader (it is then ignored).
// Raises EReadError "Stream read error" when the package ends early and EInvalidGraphic
// "Bitmap image is not valid" for a picture that is not a BMP file image (or "The skin's pictures
// hold more than ... pixels" once the pictures together claim more than MaxSkinPackagePixels).
bool ReadSkinPackage(TStream& stream, SkinPackage& package);

// A package as written: the BMP file images exactly as stored (empty = no picture) and the
// INI text lines as bytes in the ANSI code page, without line ends.
struct SkinPackageImages {
  QByteArray Picture;
  QByteArray InActivePicture;
  QByteArray MaskPicture;
  std::vector<QByteArray> ActivePictures;
  std::vector<QByteArray> IniLines;
};

// Reads a package keeping the BMP file images byte for byte, for tools that write them out again;
// otherwise as ReadSkinPackage.
bool ReadSkinPackageImages(TStream& stream, std::int32_t& version, SkinPackageImages& package);

// Writes a version 3 package.
void WriteSkinPackage(TStream& stream, const SkinPackageImages& package);
