// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the virtual sign writes without a window: one line of JSON per report on standard output
//   {"bytes":N,"pages":N,"mode":N,"mode_name":S,"valid":B,"error":S|null}
// and, when asked, each page as packet<K>-page<I>.png (192 x 16, white where lit), K counting
// the reports and I the pages from 0.
#include <QByteArray>
#include <QImage>
#include <QString>

#include "wire/DisplayPacketDecoder.h"

QByteArray ReportJsonLine(const PacketReport& report);
QImage PageImage(const LedPage& page);
// Writes the report's pages into `folder`; the path that failed, or an empty string.
QString WritePagePngs(const QString& folder, int reportIndex, const PacketReport& report);
