// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The window frame drawn by the frame engine itself, as the window shows it: the skinned frame
// (objects and caption text included) or the default frame without a skin, over the client
// background, with the window's region.
#include <QImage>
#include <QRegion>
#include <QString>
#include <optional>

#include "platform/Types.h"

class TSkinData;

struct RenderedFrame {
  QImage picture;
  std::optional<QRegion> region;  // none: the window keeps its full rectangle
};

// CliError when a skinned frame is asked for below the skin's minimum size.
RenderedFrame RenderFrameThroughEngine(TSkinData* skin, TSize size, bool inactive, const QString& caption);
