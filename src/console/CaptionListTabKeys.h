// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Keeps the tab keys from typing into the caption list. With the list set to let Tab and
// Shift+Tab move the focus, those two move on; the same keys with Ctrl or Alt held would still
// type a tab character, which would go to the sign as part of the caption: they do nothing.
#include <QObject>

class QPlainTextEdit;

class CaptionListTabKeys : public QObject {
 public:
  // Sets `memo` to move the focus on Tab and watches its keys; lives as long as `memo`.
  explicit CaptionListTabKeys(QPlainTextEdit* memo);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;
};
