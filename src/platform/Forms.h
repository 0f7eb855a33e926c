// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The application's list of live forms, in creation order. Every form enters it when it is
// created and leaves it when it is freed; broadcasts to "every form" walk this list.
#include <vector>

class TForm;

// A copy, so that receivers may create or free forms while a broadcast walks it.
std::vector<TForm*> Forms();
bool IsLiveForm(const TForm* form);

// Called by the form itself on creation and destruction.
void RegisterForm(TForm* form);
void UnregisterForm(TForm* form);
