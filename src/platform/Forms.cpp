// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/Forms.h"

#include <algorithm>

namespace {

std::vector<TForm*>& LiveForms() {
  static std::vector<TForm*> forms;
  return forms;
}

}  // namespace

std::vector<TForm*> Forms() { return LiveForms(); }

bool IsLiveForm(const TForm* form) {
  const auto& forms = LiveForms();
  return std::find(forms.begin(), forms.end(), form) != forms.end();
}

void RegisterForm(TForm* form) {
  if (!IsLiveForm(form)) LiveForms().push_back(form);
}

void UnregisterForm(TForm* form) { std::erase(LiveForms(), form); }
