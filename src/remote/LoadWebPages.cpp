// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/LoadWebPages.h"

#include <QDir>
#include <QFileInfo>
#include <QLibrary>

#include "keeping/StartLosses.h"
#include "platform/StandardErrorDialogs.h"
#include "remote/ConsoleOptions.h"
#include "remote/WebPagesEntry.h"

QStringList WebPagesModulePaths(const QString& programFolder, const QString& fileName, const QString& fromProgram) {
  return {QDir(programFolder).filePath(fileName),
          QDir::cleanPath(QDir(programFolder).filePath(fromProgram + u'/' + fileName))};
}

namespace {

// A bad value of the web option (which leaves it empty), said on standard error and noted among
// the start's `losses`: told here, where no module is needed for it.
void NoteBadWebOption(const ConsoleOptions& options, StartLosses& losses) {
  if (options.webError.isEmpty()) return;
  SayOnStandardError(options.webError + QStringLiteral("; running without the web pages"));
  losses.Add(QStringLiteral("网页设置有误（%1）：舞台监督和观众的网页无法打开。").arg(options.webError));
}

// The entry of the first module that exists; `error` says why there is none.
StartWebPagesEntry LoadEntry(const QStringList& modulePaths, QString& error) {
  for (const QString& path : modulePaths) {
    if (!QFileInfo(path).isFile()) continue;
    QLibrary module(path);
    // Every symbol now: a module that does not fit this program fails here, not during the show.
    module.setLoadHints(QLibrary::ResolveAllSymbolsHint);
    // Never unloaded (QLibrary leaves it loaded): the pages' code runs until the program ends.
    if (!module.load()) {
      error = module.errorString();
      return nullptr;
    }
    const auto entry = reinterpret_cast<StartWebPagesEntry>(module.resolve(kStartWebPagesEntry));
    if (!entry) error = module.errorString();
    return entry;
  }
  error = QStringLiteral("no %1").arg(modulePaths.join(QStringLiteral(" or ")));
  return nullptr;
}

}  // namespace

std::unique_ptr<WebPages> LoadWebPages(const QStringList& modulePaths, const ConsoleOptions& options, TForm1& form,
                                       RemoteControl& remote, StartLosses& losses) {
  NoteBadWebOption(options, losses);
  if (options.web.isEmpty()) return nullptr;
  QString error;
  const StartWebPagesEntry start = LoadEntry(modulePaths, error);
  if (!start) {
    SayOnStandardError(
        QStringLiteral("--web %1: cannot load the web pages (%2); running without them").arg(options.web, error));
    losses.Add(QStringLiteral("无法载入网页模块（%1）：舞台监督和观众的网页无法打开。").arg(error));
    return nullptr;
  }
  return std::unique_ptr<WebPages>(start(options, form, remote, losses));
}
