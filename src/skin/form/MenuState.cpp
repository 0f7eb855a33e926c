// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/form/MenuState.h"

#include "platform/NonClientMessages.h"
#include "skin/controls/SkinHint.h"
#include "skin/form/SkinForm.h"
#include "skin/menus/SkinMenu.h"

void TMenuState::Opening() {
  if (!hookSaved_) {
    savedHook_ = Application().OnMessage();
    hookSaved_ = true;
    Application().SetOnMessage([this](TMessage& message, bool& handled) { MessageHook(message, handled); });
  }
  if (open_) return;
  open_ = true;
  if (engine_.OnSkinMenuOpen) engine_.OnSkinMenuOpen(&engine_);
}

void TMenuState::Closed() {
  open_ = false;
  for (const auto& object : engine_.ObjectList())
    if (object->ReleaseFromMenu()) break;
  ReleaseHook();
  if (engine_.OnSkinMenuClose) engine_.OnSkinMenuClose(&engine_);
}

void TMenuState::ReleaseHook() {
  if (!hookSaved_) return;
  hookSaved_ = false;
  Application().SetOnMessage(std::move(savedHook_));
  savedHook_ = nullptr;
}

void TMenuState::Close() {
  TSkinMenu& menu = engine_.SkinMenu();
  if (menu.Visible()) menu.CloseAll();  // the menu reports back: Closed
  else if (open_) Closed();
}

// While a menu is open its keys and typed characters go to it and the wheel does nothing; Alt and
// F10 keys pass, as the menu keys and shortcuts of the window.
void TMenuState::MessageHook(TMessage& message, bool& handled) {
  if (message.Msg == WM_KEYDOWN) {
    KeyDown(int(message.WParam));
    handled = true;
  } else if (message.Msg == WM_CHAR) {
    engine_.SkinMenu().CharTyped(QChar(char16_t(message.WParam)));
    handled = true;
  } else if (message.Msg == WM_MOUSEWHEEL) {
    handled = true;
  }
}

void TMenuState::KeyDown(int key) {
  TSkinMenu& menu = engine_.SkinMenu();
  menu.KeyDown(key);
  // Esc on the last popup closes it without telling the window.
  if (key == VK_ESCAPE && !menu.Visible() && open_) Closed();
}

void TMenuState::ClosingFilter(const TMessage& message) {
  switch (message.Msg) {
    case WM_MOVE:
    case WM_SIZE:
    case WM_ACTIVATE:
    case WM_KILLFOCUS:
    case WM_CANCELMODE:
    case WM_MOUSEACTIVATE:
    case WM_NCLBUTTONDOWN:
    case WM_NCRBUTTONDOWN:
    case WM_NCMBUTTONDOWN:
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_PARENTNOTIFY: break;
    default: return;
  }
  if (engine_.ShowObjectHint && engine_.SkinHint()) engine_.SkinHint()->HideObjectHint();
  Close();
}
