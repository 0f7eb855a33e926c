// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/QtTranslations.h"

#include <QCoreApplication>
#include <QLibraryInfo>
#include <QTranslator>

bool InstallQtTranslations(const QLocale& locale) {
  // "qt" is the catalogue that pulls in qtbase and the other modules' catalogues.
  return InstallProgramTranslations(QStringLiteral("qt"), QLibraryInfo::path(QLibraryInfo::TranslationsPath), locale);
}

bool InstallProgramTranslations(const QString& catalogue, const QString& folder, const QLocale& locale) {
  auto* translator = new QTranslator(QCoreApplication::instance());
  if (!translator->load(locale, catalogue, QStringLiteral("_"), folder) ||
      !QCoreApplication::installTranslator(translator)) {
    delete translator;
    return false;
  }
  return true;
}
