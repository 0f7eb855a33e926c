// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Listings written straight into a byte string, so that a long one needs no document tree or
// string formatting per value. JSON is written compact, with the object keys in the order the
// caller gives them (sorted, as Qt's JSON documents keep them).
#include <QStringView>
#include <cstdint>
#include <string>
#include <string_view>

// Appends `text` as a JSON string: quotes, backslash and control characters escaped, everything
// else as UTF-8; a surrogate without its pair as a \u escape.
void AppendJsonString(std::string& out, QStringView text);
// The same, but null for an empty text.
void AppendJsonStringOrNull(std::string& out, QStringView text);
// Appends `text` as UTF-8, a surrogate without its pair as "?" (as QString::toUtf8 writes it).
void AppendUtf8(std::string& out, QStringView text);

// Appends the value in plain decimal (also a JSON number).
void AppendDecimal(std::string& out, std::int64_t value);

// Takes `closing` (what ended a JSON object, "}" or "}\n") off the end of `out`, so that more keys
// can follow the object's last; a std::logic_error when `out` does not end with it.
void ReopenJsonObject(std::string& out, std::string_view closing);
