// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// What the harnesses share: the input as bytes, a check that turns a broken promise of a reader
// into a crash that libFuzzer keeps, an offscreen application for the readers that need one, and
// the way a skin reaches TSkinData (inside a stored skin, as the running program gets it).
#include <QByteArray>
#include <cstddef>
#include <cstdint>

class TSkinData;

inline QByteArray FuzzInput(const std::uint8_t* data, std::size_t size) {
  return QByteArray(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
}

// Aborts with the message when `holds` is false.
void Require(bool holds, const char* promise);

// Creates the offscreen application once, for readers that work on widgets or fonts.
void EnsureApplication();

// The package as a stored skin would hold it (a zlib stream, stored without compression so that
// the harness spends its time in the readers) loaded into `skin`; the reader's own errors are
// expected and swallowed. Returns whether the load completed.
bool LoadSkinPackage(const QByteArray& package, TSkinData& skin);
