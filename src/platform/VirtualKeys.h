// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The platform's virtual key codes for Qt keys: letters and digits are their upper-case
// characters, F1.. are 0x70.., and the named keys carry the platform's numbers.
class QKeyEvent;

// 0 for keys that have no code here.
int VirtualKeyOf(int qtKey);
int VirtualKeyOf(const QKeyEvent& event);
