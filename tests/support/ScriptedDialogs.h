// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A dialog service that plays the operator: answers queued by the test, messages recorded.
#include <QStringList>
#include <deque>
#include <functional>
#include <optional>

#include "platform/DialogService.h"

class ScriptedDialogs : public DialogService {
 public:
  // Makes a fresh scripted service the dialog service of this (test) process.
  static ScriptedDialogs& Install();

  void ShowMessage(const QString& title, const QString& text) override;
  bool ChooseFont(TFont& font) override;
  std::optional<QString> GetOpenFileName(const QString& filter) override;
  std::optional<QString> GetSaveFileName(const QString& filter) override;

  // Queued answers; an empty optional / nullptr edit is the operator cancelling.
  std::deque<std::optional<QString>> openAnswers;
  std::deque<std::optional<QString>> saveAnswers;
  std::deque<std::function<void(TFont&)>> fontAnswers;

  QStringList messages;       // texts of the message boxes shown
  QStringList messageTitles;  // their titles
  QStringList filters;        // the filters the file dialogs were opened with
};
