// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The serial port number of the sign link: com1 .. com255.
#include <algorithm>

constexpr int kMinPortNumber = 1;
constexpr int kMaxPortNumber = 255;

constexpr int ClampPortNumber(int port) { return std::clamp(port, kMinPortNumber, kMaxPortNumber); }
