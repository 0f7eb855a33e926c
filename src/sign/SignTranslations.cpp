// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignTranslations.h"

#include "platform/InstalledLayout.h"
#include "platform/QtTranslations.h"

QString SignTranslationFolder(const QString& programFolder) {
  return RunsInstalled(programFolder) ? PackageDataFolder(programFolder) + QStringLiteral("/translations")
                                      : programFolder;
}

bool InstallSignTranslations(const QString& programFolder, const QLocale& locale) {
  InstallQtTranslations(locale);
  return InstallProgramTranslations(QLatin1String(kSignCatalogue), SignTranslationFolder(programFolder), locale);
}
