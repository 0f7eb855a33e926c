// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The font configuration (dozens of files, parsed when the first font is looked up) takes longer
// to read than the application object takes to start. Read on a thread of its own from the very
// start of the program, it is ready when the first font is wanted: create the loader before the
// application object and Wait() after it.
#include <thread>

class FontConfigurationLoader {
 public:
  FontConfigurationLoader();
  ~FontConfigurationLoader() { Wait(); }
  FontConfigurationLoader(const FontConfigurationLoader&) = delete;
  FontConfigurationLoader& operator=(const FontConfigurationLoader&) = delete;

  void Wait();

 private:
  std::thread thread_;
};
