// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The one place through which the console asks the operator something: message boxes, the font
// dialog and the open/save dialogs. Tests replace it to script the operator's answers.
#include <QString>
#include <memory>
#include <optional>

#include "platform/Font.h"

class DialogService {
 public:
  virtual ~DialogService() = default;
  virtual void ShowMessage(const QString& title, const QString& text) = 0;
  // A message that reports a failure; where no error look is offered, a message like any other.
  virtual void ShowError(const QString& title, const QString& text) { ShowMessage(title, text); }
  // Edits `font` (name, size, style, colour, character set kept); false when cancelled.
  virtual bool ChooseFont(TFont& font) = 0;
  // Filters use the platform's form "description|pattern;pattern|...".
  virtual std::optional<QString> GetOpenFileName(const QString& filter) = 0;
  virtual std::optional<QString> GetSaveFileName(const QString& filter) = 0;
};

// The service in use; by default the real dialogs.
DialogService& Dialogs();
// Replaces the service; returns the previous one. Passing nullptr restores the real dialogs.
std::unique_ptr<DialogService> SetDialogService(std::unique_ptr<DialogService> service);

// "文本文件;设置文件|*.txt;*.lw" -> "文本文件;设置文件 (*.txt *.lw)", one Qt filter per pair.
QString ToQtFileFilter(const QString& filter);
