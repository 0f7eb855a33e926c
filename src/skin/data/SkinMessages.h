// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skin messages: sent synchronously to every form, with the skin data as wParam and 1000 as
// lParam. Receivers compare wParam with the skin data they are bound to.
#include "platform/Messages.h"

// A load starts; nothing has been cleared yet.
constexpr unsigned SKINMSG_BEFORE_CHANGE = WM_USER + 201;
// All data is loaded (Empty is already false, SkinChanging still true).
constexpr unsigned SKINMSG_CHANGE = WM_USER + 202;
// Right after SkinChanging went back to false.
constexpr unsigned SKINMSG_AFTER_CHANGE = WM_USER + 203;
// The resource string source was assigned.
constexpr unsigned SKINMSG_RESSTR_CHANGE = WM_USER + 250;

constexpr LPARAM kSkinMessageLParam = 1000;
