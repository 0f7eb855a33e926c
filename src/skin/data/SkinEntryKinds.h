// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The type keywords of the section entries "name:keyword": which data class a keyword of
// "SKINOBJECTS" or of "SKINCONTROLS" creates. Keywords compare exactly, letter case included.
#include <QString>
#include <memory>
#include <span>

#include "skin/data/SkinControls.h"
#include "skin/data/SkinObjects.h"

template <class Root>
struct TSkinEntryKind {
  const char* keyword;
  const char* className;
  std::unique_ptr<Root> (*create)(const QString& name);
};

std::span<const TSkinEntryKind<TDataSkinObject>> SkinObjectKinds();
std::span<const TSkinEntryKind<TDataSkinControl>> SkinControlKinds();

// The object of the class the keyword names, with the name as its IDName; null for a keyword
// that names no class.
std::unique_ptr<TDataSkinObject> CreateSkinObject(const QString& keyword, const QString& name);
std::unique_ptr<TDataSkinControl> CreateSkinControl(const QString& keyword, const QString& name);

// The keyword that creates objects of the entry's class (empty for a base class).
QString SkinObjectKeyword(const TDataSkinObject& object);
QString SkinControlKeyword(const TDataSkinControl& control);
