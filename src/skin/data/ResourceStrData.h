// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Replaceable user-interface texts of the skinned window (system-menu captions, caption-button
// hints and the texts of further skinned dialogs) as NAME=text lines, so that they can be
// translated without touching the program.
#include <QString>
#include <QStringList>

#include "platform/Component.h"

class TResourceStrData : public TComponent {
 public:
  explicit TResourceStrData(TForm* owner = nullptr);

  const QStringList& ResStrings() const { return resStrings_; }
  // Copies the given lines.
  void SetResStrings(const QStringList& lines) { resStrings_ = lines; }

  // The text of the first line whose name (the part before its first "=") equals the name
  // without regard to letter case: everything after that "=". Empty when no line matches.
  QString GetResStr(const QString& name) const;

  // Character set of the fonts that show these texts.
  int CharSet = 1;

  // The 119 lines a new component starts with.
  static QStringList DefaultResStrings();

 private:
  QStringList resStrings_;
};
