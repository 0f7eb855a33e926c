// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A dialog service for when nobody is there to answer: messages go to standard error and every
// question is answered with "cancel".
#include "platform/DialogService.h"

// One line of the console's own on standard error, "lumetra: <line>": what it tells without
// stopping anyone (a server that did not start, a file it could not keep).
void SayOnStandardError(const QString& line);

class StandardErrorDialogs : public DialogService {
 public:
  void ShowMessage(const QString& title, const QString& text) override;
  bool ChooseFont(TFont&) override { return false; }
  std::optional<QString> GetOpenFileName(const QString&) override { return std::nullopt; }
  std::optional<QString> GetSaveFileName(const QString&) override { return std::nullopt; }
};
