// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Writes the binary seeds of the skin harnesses into a corpus folder, from the program's own
// stored skin and from small packages built with the package writer:
//   fuzz-seeds <corpus folder>
// The text seeds (shows, packets) come from lumetra-cli; see make-seeds.sh.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <cstdio>

#include "BmpBuilder.h"
#include "platform/Streams.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/StoredSkinData.h"
#include "skin/data/ZlibStreams.h"

namespace {

void Write(const QString& path, const QByteArray& bytes) {
  QDir().mkpath(QFileInfo(path).path());
  QFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size()) {
    std::fprintf(stderr, "fuzz-seeds: cannot write %s\n", qPrintable(path));
    std::exit(1);
  }
}

QByteArray Int32(std::int32_t value) {
  TMemoryStream stream;
  stream.WriteInt32(value);
  return stream.Memory();
}

QByteArray Compressed(const QByteArray& plain, CompressionLevel level) {
  TMemoryStream compressed;
  TCompressionStream deflater(level, compressed);
  deflater.WriteBuffer(plain.constData(), std::int32_t(plain.size()));
  deflater.Finish();
  return compressed.Memory();
}

QByteArray Inflated(const QByteArray& compressed) {
  TMemoryStream source(compressed), plain;
  DecompressStream(plain, source);
  return plain.Memory();
}

// A small skin that names a few entries of both lists, with pictures of every depth and both
// run-length encodings.
QByteArray SmallPackage() {
  SkinPackageImages images;
  images.Picture = MakeBmp({12, 6, 8, true});
  images.MaskPicture = MakeBmp({12, 6, 1});
  images.ActivePictures = {MakeBmp({7, 3, 4, true}), MakeBmp({5, 2, 24}), MakeBmp({3, 2, 32}), MakeBmp({9, 4, 4})};
  images.IniLines = {"[VERSION]", "skinname=small", "[PICTURES]", "picture=main.bmp", "mask=mask.bmp",
                     "activepicturescount=2", "0=a.bmp", "1=b.bmp", "[FORMINFO]", "lefttoppoint=2,2",
                     "rightbottompoint=10,4", "clientrect=2,2,10,4", "maskrectarea=0,0,12,6", "[SKINOBJECTS]",
                     "count=2", "0=caption:caption", "1=closebutton:stdbutton", "[caption]", "skinrect=0,0,12,2",
                     "alignment=taleftjustify", "[closebutton]", "skinrect=8,0,12,2", "command=cmclose",
                     "[SKINCONTROLS]", "count=1", "0=button:button", "[button]", "skinrect=0,0,6,6",
                     "fontstyle=fsbold", "[SKINCOLORS]", "cbtnface=$FF00000F"};
  TMemoryStream package;
  WriteSkinPackage(package, images);
  return package.Memory();
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication application(argc, argv);
  if (argc != 2) {
    std::fprintf(stderr, "usage: fuzz-seeds <corpus folder>\n");
    return 2;
  }
  const QDir corpus(QString::fromLocal8Bit(argv[1]));
  const QByteArray storedCompressed = StoredSkinCompressedData();
  const QByteArray stored = Inflated(storedCompressed);
  const QByteArray small = SmallPackage();
  const QByteArray smallCompressed = Compressed(small, CompressionLevel::Max);

  Write(corpus.filePath("skin-package/stored-skin.pkg"), stored);
  Write(corpus.filePath("skin-package/small.pkg"), small);
  Write(corpus.filePath("compressed-skin-file/stored-skin.lsk"),
        Int32(SkinPackageVersion) + Int32(std::int32_t(storedCompressed.size())) + storedCompressed);
  Write(corpus.filePath("compressed-skin-file/small.lsk"),
        Int32(SkinPackageVersion) + Int32(std::int32_t(smallCompressed.size())) + smallCompressed);
  Write(corpus.filePath("zlib-stream/small-max.z"), smallCompressed);
  Write(corpus.filePath("zlib-stream/small-fastest.z"), Compressed(small, CompressionLevel::Fastest));
  Write(corpus.filePath("zlib-stream/small-stored.z"), Compressed(small.left(300), CompressionLevel::None));
  return 0;
}
