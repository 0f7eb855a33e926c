// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/ScriptedDialogs.h"

ScriptedDialogs& ScriptedDialogs::Install() {
  auto dialogs = std::make_unique<ScriptedDialogs>();
  ScriptedDialogs& installed = *dialogs;
  SetDialogService(std::move(dialogs));
  return installed;
}

void ScriptedDialogs::ShowMessage(const QString& title, const QString& text) {
  messageTitles << title;
  messages << text;
}

bool ScriptedDialogs::ChooseFont(TFont& font) {
  if (fontAnswers.empty()) return false;
  auto answer = std::move(fontAnswers.front());
  fontAnswers.pop_front();
  if (!answer) return false;
  answer(font);
  return true;
}

namespace {
std::optional<QString> Next(std::deque<std::optional<QString>>& answers) {
  if (answers.empty()) return std::nullopt;
  std::optional<QString> answer = answers.front();
  answers.pop_front();
  return answer;
}
}  // namespace

std::optional<QString> ScriptedDialogs::GetOpenFileName(const QString& filter) {
  filters << filter;
  return Next(openAnswers);
}

std::optional<QString> ScriptedDialogs::GetSaveFileName(const QString& filter) {
  filters << filter;
  return Next(saveAnswers);
}
