// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A stored skin's package inflated and read in one piece of work that needs no window and no GUI
// thread, so that it can run on a thread of its own while the program builds its controls.
#include <QByteArray>
#include <exception>

#include "platform/IniFile.h"
#include "skin/data/SkinPackage.h"

struct StoredPackageRead {
  QByteArray Compressed;               // the compressed package it was read from
  std::exception_ptr InflateFailure;   // the package could not be inflated: nothing was read
  std::exception_ptr ReadFailure;      // reading stopped here; Package holds what came before
  bool Current = false;                // ReadSkinPackage's answer
  SkinPackage Package;                 // its pictures 32 bits a pixel, as the skin keeps them
  TMemIniFile Ini;                     // its INI text, parsed (when the whole package was read)
};

// Inflates `compressed` (at most MaxSkinPackageBytes) and reads the package from it. Never
// throws: a failure is kept, to be raised where the load that takes it would have raised it.
StoredPackageRead ReadStoredPackage(const QByteArray& compressed);
