// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/DialogService.h"

#include <QStringList>

#include "platform/QtDialogService.h"

namespace {
std::unique_ptr<DialogService>& Current() {
  static std::unique_ptr<DialogService> service = std::make_unique<QtDialogService>();
  return service;
}
}  // namespace

DialogService& Dialogs() { return *Current(); }

std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service) {
  if (!service) service = std::make_unique<QtDialogService>();
  std::swap(Current(), service);
  return service;
}

QString ToQtFileFilter(const QString& filter) {
  const QStringList parts = filter.split(u'|');
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    const QString patterns = QString(parts[i + 1]).replace(u';', u' ');
    filters << QStringLiteral("%1 (%2)").arg(parts[i], patterns);
  }
  return filters.join(QStringLiteral(";;"));
}
