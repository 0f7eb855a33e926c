// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The real dialogs, shown modally on the active window.
#include "platform/DialogService.h"

// Narrower, a window manager's decorations leave no room for the title and the text sits against
// the edge; desktop message boxes are laid out at least this wide.
constexpr int kMinimumMessageBoxWidth = 320;

class QtDialogService : public DialogService {
 public:
  void ShowMessage(const QString& title, const QString& text) override;
  void ShowError(const QString& title, const QString& text) override;
  bool ChooseFont(TFont& font) override;
  std::optional<QString> GetOpenFileName(const QString& filter) override;
  std::optional<QString> GetSaveFileName(const QString& filter) override;
};
