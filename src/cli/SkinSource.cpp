// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "cli/SkinSource.h"

#include "cli/CliCommand.h"
#include "platform/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/data/StoredSkinData.h"
#include "skin/data/ZlibStreams.h"

namespace {

QByteArray ReadWholeFile(const QString& path) {
  TMemoryStream bytes;
  bytes.LoadFromFile(path);
  return bytes.Memory();
}

}  // namespace

void AddSkinSourceOptions(QCommandLineParser& parser) {
  parser.addOption({QStringLiteral("ini"), QStringLiteral("Load a skin folder through its skin INI file."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("package"), QStringLiteral("Load an uncompressed skin package."),
                    QStringLiteral("file")});
  parser.addOption({QStringLiteral("compressed"), QStringLiteral("Load a compressed skin file."),
                    QStringLiteral("file")});
}

void LoadSkinSource(const QCommandLineParser& parser, TCompressedStoredSkin& stored) {
  const QStringList sources{QStringLiteral("ini"), QStringLiteral("package"), QStringLiteral("compressed")};
  QStringList chosen;
  for (const QString& s : sources)
    if (parser.isSet(s)) chosen << s;
  if (chosen.size() > 1) throw CliError(QStringLiteral("give only one of --ini, --package and --compressed"));
  const QString source = chosen.value(0);
  const QString path = source.isEmpty() ? QString() : parser.value(source);
  if (source == QLatin1String("ini")) {
    if (!stored.LoadFromIniFile(path))
      throw CliError(QStringLiteral("%1 is not a skin description (it lacks one of the sections VERSION, "
                                    "PICTURES, FORMINFO, SKINOBJECTS, SKINCONTROLS)")
                         .arg(path));
  } else if (source == QLatin1String("package")) {
    TMemoryStream package;
    package.Assign(ReadWholeFile(path));
    CompressStream(package, stored.CompressedStream());
  } else if (source == QLatin1String("compressed")) {
    stored.LoadFromCompressedFile(path);
    if (stored.IsEmpty()) throw CliError(QStringLiteral("%1 holds no skin package (or one of a newer version)").arg(path));
  } else {
    stored.SetCompressedData(StoredSkinCompressedData());
    if (stored.IsEmpty()) throw CliError(QStringLiteral("this program was built without a stored skin"));
  }
}

TSkinData* LoadSkinOrNone(const QCommandLineParser& parser, bool noSkin, TCompressedStoredSkin& stored, TSkinData& skin) {
  if (noSkin) {
    for (const char* source : {"ini", "package", "compressed"})
      if (parser.isSet(QLatin1String(source))) throw CliError(QStringLiteral("--no-skin takes no skin source"));
    return nullptr;
  }
  LoadSkinSource(parser, stored);
  skin.SetCompressedStoredSkin(&stored);
  if (skin.Empty()) throw CliError(QStringLiteral("the skin could not be loaded"));
  return &skin;
}
