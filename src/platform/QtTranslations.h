#pragma once
// Qt's own texts (the file dialogs, message-box buttons, edit menus) in the user's language.
// The program's own texts are not translated; they read as the console was written.
#include <QLocale>

// Loads Qt's translations for `locale` from the system's translation folder and installs them
// in the application. Returns false when there are none for that language (Qt's English stays).
bool InstallQtTranslations(const QLocale& locale = QLocale::system());
