// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The parameter records and codes of the non-client protocol a custom-frame form generates:
// frame size, size limits, move and size loops, system commands and the cursor.
#include <cstdint>

#include "platform/Messages.h"
#include "platform/Types.h"

// WM_NCCALCSIZE with wParam 1: lParam points here. rgrc[0] holds the proposed window rectangle
// (parent coordinates) and is changed by the handler into the client rectangle.
struct TNCCalcSizeParams {
  TRect rgrc[3];
  void* lppos = nullptr;
};

// WM_GETMINMAXINFO: lParam points here; the handler changes the sizes it limits.
struct TMinMaxInfo {
  TPoint ptReserved;
  TPoint ptMaxSize;
  TPoint ptMaxPosition;
  TPoint ptMinTrackSize;
  TPoint ptMaxTrackSize;
};

// WM_SIZING: wParam names the edge being dragged, lParam points to the proposed window
// rectangle (screen coordinates), which the handler may change. WM_MOVING: the same rectangle.
constexpr int WMSZ_LEFT = 1;
constexpr int WMSZ_RIGHT = 2;
constexpr int WMSZ_TOP = 3;
constexpr int WMSZ_TOPLEFT = 4;
constexpr int WMSZ_TOPRIGHT = 5;
constexpr int WMSZ_BOTTOM = 6;
constexpr int WMSZ_BOTTOMLEFT = 7;
constexpr int WMSZ_BOTTOMRIGHT = 8;

constexpr unsigned WM_SYNCPAINT = 0x0088;

// System commands (WM_SYSCOMMAND wParam).
constexpr WPARAM SC_SIZE = 0xF000;
constexpr WPARAM SC_MOVE = 0xF010;
constexpr WPARAM SC_MINIMIZE = 0xF020;
constexpr WPARAM SC_MAXIMIZE = 0xF030;
constexpr WPARAM SC_CLOSE = 0xF060;
constexpr WPARAM SC_KEYMENU = 0xF100;
constexpr WPARAM SC_RESTORE = 0xF120;

// The hit code of the engine's own frame areas: the window system does nothing with it.
constexpr int HTOBJECT = 19;

constexpr int GWL_STYLE = -16;
constexpr int GWL_EXSTYLE = -20;
constexpr std::uint32_t WS_EX_LAYERED = 0x00080000;

constexpr LPARAM MAKELPARAM(int low, int high) {
  return LPARAM(std::uint32_t(std::uint16_t(low)) | (std::uint32_t(std::uint16_t(high)) << 16));
}
constexpr int LOWORD(LPARAM value) { return int(std::uint16_t(value & 0xFFFF)); }
constexpr int HIWORD(LPARAM value) { return int(std::uint16_t((value >> 16) & 0xFFFF)); }
// The two halves of a point parameter, each taken as signed 16 bits.
constexpr TPoint PointFromLParam(LPARAM value) {
  return {int(std::int16_t(value & 0xFFFF)), int(std::int16_t((value >> 16) & 0xFFFF))};
}
constexpr LPARAM PointToLParam(TPoint p) { return MAKELPARAM(p.X, p.Y); }
