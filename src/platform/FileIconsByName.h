// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Icons and type names for the file dialogs, told by the file's name alone. The toolkit's own
// provider reads a file whose name says nothing to guess its type; a special file (a FIFO, a
// device, a kernel file under /proc) can block that read for good, and the dialog with it.
#include <QFileIconProvider>

class FileIconsByName : public QFileIconProvider {
 public:
  using QFileIconProvider::icon;
  QIcon icon(const QFileInfo& info) const override;
  QString type(const QFileInfo& info) const override;
};
