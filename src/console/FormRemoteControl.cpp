// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/FormRemoteControl.h"

#include "console/Unit1.h"
#include "platform/Application.h"

void FormRemoteControl::Run(const std::function<void()>& action) {
  Application().Guard(action);
  form_.AfterOperatorAction();  // as after the operator's own action: the recovery copy follows
}

RemoteState FormRemoteControl::State() const {
  const int selected = form_.ListBox1->SelectedLine();
  return {selected + 1, selected >= 0 ? form_.ListBox1->Lines()[selected] : QString(), form_.ListBox1->count()};
}

void FormRemoteControl::Go(const QString& source) {
  Run([&] { form_.SendAndStep(source); });
}

void FormRemoteControl::SelectAsClicked(int index) {
  Run([&] { form_.SelectLineAsClicked(index); });
}

void FormRemoteControl::Select(int line) { SelectAsClicked(line - 1); }

void FormRemoteControl::Next() {
  const int count = form_.ListBox1->count();
  if (count == 0) return;
  const int selected = form_.ListBox1->SelectedLine();
  SelectAsClicked(selected < 0 || selected == count - 1 ? 0 : selected + 1);
}

void FormRemoteControl::Previous() {
  const int selected = form_.ListBox1->SelectedLine();
  if (form_.ListBox1->count() == 0 || selected == 0) return;  // the arrow key stops at the first line
  SelectAsClicked(selected < 0 ? 0 : selected - 1);
}

void FormRemoteControl::SendLine(int line, const QString& source) {
  SelectAsClicked(line - 1);
  Run([&] { form_.SendSelectedLine(source); });
}

void FormRemoteControl::Blank(const QString& source) {
  Run([&] { form_.SendCaption(QString(), 0, 0, source); });
}

void FormRemoteControl::SendText(const QString& text, const QString& source) {
  Run([&] { form_.SendCaption(text, form_.CurrentMode(), 0, source); });
}
