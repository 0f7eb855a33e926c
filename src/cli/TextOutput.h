// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Listings written straight into a byte string, so that a long one needs no document tree or
// string formatting per value. JSON is written compact, with the object keys in the order the
// caller gives them (sorted, as Qt's JSON documents keep them).
#include <QStringView>
#include <cstdint>
#include <string>

// Appends `text` as a JSON string: quotes, backslash and control characters escaped, everything
// else as UTF-8; a surrogate without its pair as a \u escape.
void AppendJsonString(std::string& out, QStringView text);
// Appends `text` as UTF-8, a surrogate without its pair as "?" (as QString::toUtf8 writes it).
void AppendUtf8(std::string& out, QStringView text);

// Appends the value in plain decimal (also a JSON number).
void AppendDecimal(std::string& out, std::int64_t value);
