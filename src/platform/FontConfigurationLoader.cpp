#include "platform/FontConfigurationLoader.h"

#include <fontconfig/fontconfig.h>

// The toolkit finds the configuration already loaded (fontconfig keeps one, safe across threads)
// and reads the font list from it.
FontConfigurationLoader::FontConfigurationLoader() : thread_([] { FcInit(); }) {}

void FontConfigurationLoader::Wait() {
  if (thread_.joinable()) thread_.join();
}
