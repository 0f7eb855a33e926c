// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebLimits.h"

#include <algorithm>

#include "platform/OpenFileLimit.h"

int WebConnectionBound(qint64 openFileLimit, int openNow) {
  // A few connections even at a limit too low for the show's reserve: the pages then tell that
  // they are refused instead of never answering.
  constexpr qint64 kFewest = 16;
  return int(std::clamp(openFileLimit - openNow - kFilesKeptForTheShow, kFewest, qint64(kMostWebConnections)));
}

WebLimits WebLimitsOfThisProcess() {
  WebLimits limits;
  limits.mostConnections = WebConnectionBound(OpenFileLimit(), OpenFilesNow());
  return limits;
}
