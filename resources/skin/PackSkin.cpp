// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Build step: packs the program's skin folder (skin.ini and the bitmaps it names) exactly as
// the stored skin component does at design time, and writes the compressed bytes as a C++
// source that defines StoredSkinCompressedData().
//
//   lumetra-pack-skin <skin.ini> <output.cpp>
//
// A folder without skin.ini, or one that cannot be packed yet (a skin still being drawn), gives
// an empty stored skin with a warning, so the program still builds; the test suite compares the
// compiled-in skin with the folder and fails loudly instead.
#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <cstdio>

#include "skin/data/CompressedStoredSkin.h"

namespace {

QByteArray CppSource(const QByteArray& data) {
  QByteArray source =
      "// Generated at build time from the skin folder by lumetra-pack-skin; do not edit.\n"
      "#include \"skin/data/StoredSkinData.h\"\n\n"
      "namespace {\n"
      "const unsigned char Data[] = {";
  for (qsizetype i = 0; i < data.size(); ++i) {
    if (i % 16 == 0) source += "\n   ";
    source += ' ' + QByteArray::number(static_cast<unsigned char>(data[i])) + ',';
  }
  if (data.isEmpty()) source += "0";  // an array cannot be empty; the size below says 0
  source +=
      "\n};\n}  // namespace\n\n"
      "QByteArray StoredSkinCompressedData() {\n"
      "  return QByteArray::fromRawData(reinterpret_cast<const char*>(Data), " +
      QByteArray::number(data.size()) + ");\n}\n";
  return source;
}

void WarnNoSkin(const QString& reason) {
  std::fprintf(stderr, "lumetra-pack-skin: warning: %s; the program gets no stored skin\n", qPrintable(reason));
}

QByteArray PackSkin(const QString& iniFile) {
  if (!QFileInfo::exists(iniFile)) {
    WarnNoSkin(QStringLiteral("no %1").arg(iniFile));
    return {};
  }
  try {
    TCompressedStoredSkin skin;
    if (skin.LoadFromIniFile(iniFile)) return skin.CompressedData();
    WarnNoSkin(QStringLiteral("%1 lacks one of the sections VERSION, PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS")
                   .arg(iniFile));
  } catch (const Exception& e) {
    WarnNoSkin(e.Message());
  }
  return {};
}

}  // namespace

int main(int argc, char** argv) {
  QCoreApplication app(argc, argv);
  if (argc != 3) {
    std::fprintf(stderr, "usage: lumetra-pack-skin <skin.ini> <output.cpp>\n");
    return 1;
  }
  try {
    const QByteArray source = CppSource(PackSkin(QString::fromLocal8Bit(argv[1])));
    QFile output(QString::fromLocal8Bit(argv[2]));
    if (!output.open(QIODevice::WriteOnly | QIODevice::Truncate) || output.write(source) != source.size() ||
        !output.flush())
      throw Exception(QStringLiteral("cannot write %1: %2").arg(output.fileName(), output.errorString()));
  } catch (const std::exception& e) {
    std::fprintf(stderr, "lumetra-pack-skin: %s\n", e.what());
    return 1;
  }
  return 0;
}
