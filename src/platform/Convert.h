// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The platform's text-to-number conversion with its conversion error.
#include <QString>

#include "platform/Exceptions.h"

class EConvertError : public Exception {
 public:
  using Exception::Exception;
};

// Integers are decimal with optional sign, or hexadecimal after "$" or "0x". Decimal values
// must fit 32 signed bits; up to eight hex digits wrap into the signed range, so colours such as
// $FF00000F read as written.

// False when the text is not such an integer (value unchanged).
bool TryStrToInt(const QString& text, int& value);
// Raises EConvertError "'<text>' is not a valid integer value" when the text is not one.
int StrToInt(const QString& text);
