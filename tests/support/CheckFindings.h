// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Reading a checked line of `lumetra-cli check --json`.
#include <QJsonArray>
#include <QJsonValue>
#include <QString>

// The detail of the line's finding of that kind; a null string when there is none.
inline QString Finding(const QJsonValue& line, const QString& kind) {
  for (const QJsonValue finding : line[QStringLiteral("findings")].toArray())
    if (finding[QStringLiteral("kind")].toString() == kind) return finding[QStringLiteral("detail")].toString();
  return QString();
}

inline bool HasFinding(const QJsonValue& line, const QString& kind) { return !Finding(line, kind).isNull(); }
