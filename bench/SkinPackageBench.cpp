// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Loading the stored skin at start-up: inflating the compressed package and parsing it into
// pictures and INI lines. The package is shaped like the program's own skin: an 8-bit main
// picture, a 1-bit mask, six 8-bit active pictures and about 28 KB of INI text.
#include <benchmark/benchmark.h>

#include <QBuffer>
#include <QImage>

#include "platform/Streams.h"
#include "skin/data/SkinPackage.h"
#include "skin/data/StoredSkinData.h"
#include "skin/data/ZlibStreams.h"

namespace {

QByteArray BmpOf(int width, int height, QImage::Format format) {
  QImage image(width, height, format);
  const int colours = format == QImage::Format_Mono ? 2 : 256;
  image.setColorCount(colours);
  for (int i = 0; i < colours; ++i) image.setColor(i, qRgb(i, 255 - i, i * 7 & 255));
  // Areas of flat colour with some texture, as skin pictures have.
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) image.setPixel(x, y, ((x / 9 + y / 5) * 31 + (x * y) % 3) % colours);
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "BMP");
  return bytes;
}

QByteArray RealisticCompressedPackage() {
  SkinPackageImages images;
  images.Picture = BmpOf(277, 116, QImage::Format_Indexed8);
  images.MaskPicture = BmpOf(277, 116, QImage::Format_Mono);
  for (auto [width, height] : {std::pair{95, 268}, {88, 80}, {68, 116}, {42, 22}, {516, 281}, {72, 21}})
    images.ActivePictures.push_back(BmpOf(width, height, QImage::Format_Indexed8));
  for (int i = 0; i < 1400; ++i)
    images.IniLines.push_back("key" + QByteArray::number(i % 37) + "=" + QByteArray::number(i * 7 % 300) + "," +
                              QByteArray::number(i % 50));
  TMemoryStream package;
  WriteSkinPackage(package, images);
  TMemoryStream compressed;
  CompressStream(package, compressed);
  return compressed.Memory();
}

const QByteArray& CompressedPackage() {
  static const QByteArray compressed = RealisticCompressedPackage();
  return compressed;
}

void Inflate(benchmark::State& state, const QByteArray& compressed) {
  for (auto _ : state) {
    TMemoryStream source(compressed);
    TMemoryStream package;
    DecompressStream(package, source);
    benchmark::DoNotOptimize(package.Memory().constData());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * compressed.size());
}

void InflateAndParse(benchmark::State& state, const QByteArray& compressed) {
  if (compressed.isEmpty()) {
    state.SkipWithError("the program was built without a stored skin");
    return;
  }
  for (auto _ : state) {
    TMemoryStream source(compressed);
    TMemoryStream stream;
    DecompressStream(stream, source);
    stream.SetPosition(0);
    SkinPackage package;
    ReadSkinPackage(stream, package);
    benchmark::DoNotOptimize(package.IniLines.size());
  }
}

void BM_InflateSkinPackage(benchmark::State& state) { Inflate(state, CompressedPackage()); }
void BM_InflateAndParseSkinPackage(benchmark::State& state) { InflateAndParse(state, CompressedPackage()); }
void BM_InflateAndParseProgramSkin(benchmark::State& state) { InflateAndParse(state, StoredSkinCompressedData()); }

void BM_CompressSkinPackageAtMax(benchmark::State& state) {
  TMemoryStream compressed(CompressedPackage());
  TMemoryStream package;
  DecompressStream(package, compressed);
  for (auto _ : state) {
    TMemoryStream destination;
    CompressStream(package, destination);
    benchmark::DoNotOptimize(destination.Memory().constData());
  }
  state.SetBytesProcessed(static_cast<int64_t>(state.iterations()) * package.Size());
}

}  // namespace

BENCHMARK(BM_InflateSkinPackage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InflateAndParseSkinPackage)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_InflateAndParseProgramSkin)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_CompressSkinPackageAtMax)->Unit(benchmark::kMillisecond);
