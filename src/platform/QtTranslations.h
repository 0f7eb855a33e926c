// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Texts in the user's language: Qt's own (the file dialogs, message-box buttons, edit menus) and
// a program's own catalogue where it has one (the virtual sign's window). The console's own texts
// need none; they read as the console was written.
#include <QLocale>
#include <QString>

// Loads Qt's translations for `locale` from the system's translation folder and installs them
// in the application. Returns false when there are none for that language (Qt's English stays).
bool InstallQtTranslations(const QLocale& locale = QLocale::system());

// Loads `<catalogue>_<language>.qm` for `locale` from `folder` and installs it in the
// application. Returns false when there is none for that language (the program's English stays).
bool InstallProgramTranslations(const QString& catalogue, const QString& folder,
                                const QLocale& locale = QLocale::system());
