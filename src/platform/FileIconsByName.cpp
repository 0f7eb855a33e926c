// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/FileIconsByName.h"

#include <QMimeDatabase>

namespace {

QMimeType TypeByName(const QFileInfo& info) {
  return QMimeDatabase().mimeTypeForFile(info.fileName(), QMimeDatabase::MatchExtension);
}

}  // namespace

QIcon FileIconsByName::icon(const QFileInfo& info) const {
  if (info.isDir()) return icon(Folder);
  // A FIFO or a device is shown as a plain file: its kind would take a look at the file itself.
  if (!info.isFile()) return icon(File);
  const QMimeType type = TypeByName(info);
  for (const QString& name : {type.iconName(), type.genericIconName()})
    if (const QIcon themed = QIcon::fromTheme(name); !themed.isNull()) return themed;
  return icon(File);
}

QString FileIconsByName::type(const QFileInfo& info) const {
  // Only regular files have their content looked at by the toolkit; the rest it names by kind.
  if (!info.isFile()) return QFileIconProvider::type(info);
  const QMimeType type = TypeByName(info);
  return type.comment().isEmpty() ? type.name() : type.comment();
}
