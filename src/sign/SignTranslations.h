// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The sign's window in the operator's language: its own catalogue "lumetra-sign" (from the
// package's translation folder when installed, from beside the program in a build folder, where
// the build puts it) and Qt's own texts (the labels' copy menu). English where neither has the
// language. Output without a window stays English: scripts read it.
#include <QLocale>
#include <QString>

inline constexpr char kSignCatalogue[] = "lumetra-sign";

QString SignTranslationFolder(const QString& programFolder);

// Returns whether the sign's own catalogue has the language of `locale`.
bool InstallSignTranslations(const QString& programFolder, const QLocale& locale = QLocale::system());
