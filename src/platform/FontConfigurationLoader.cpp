// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/FontConfigurationLoader.h"

#include <fontconfig/fontconfig.h>

// The toolkit finds the configuration already loaded (fontconfig keeps one, safe across threads)
// and reads the font list from it.
FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

void FontConfigurationLoader::Wait() {
  if (thread_.joinable()) thread_.join();
}
