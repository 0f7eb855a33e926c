// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Key tables of the skin data classes.
//
// Each data class lists its own INI keys once, in reading order: the key, its value kind, its
// default and the field that holds it. Reading and writing both walk that list, so the two can
// never drift apart. TSkinKeyed<Self, Base> supplies LoadFromIni and SaveToIni for a class:
// the base class's keys first, then Self::Keys(); a class that writes in another order gives
// Self::WriteKeys(), and one that forces values after reading gives AfterLoad().
#include <QString>
#include <algorithm>
#include <array>
#include <cstddef>
#include <span>
#include <string_view>
#include <variant>

#include "platform/IniFile.h"
#include "skin/data/SkinFont.h"
#include "skin/data/SkinIniValues.h"

enum class TSkinValueKind {
  Integer,
  Color,
  Boolean,
  String,
  Rect,
  Point,
  FontStyle,
  Alignment,
  Effect,
  MorphKind,
  Command,
};

template <class C>
struct TSkinKey {
  using Field = std::variant<int C::*, bool C::*, QString C::*, TRect C::*, TPoint C::*, TFontStyles C::*,
                             TAlignment C::*, TSkinEffect C::*, TMorphKind C::*, SkinCommand C::*>;
  const char* name;
  TSkinValueKind kind;
  Field field;
  int defaultNumber = 0;           // integers and colours
  const char* defaultText = "";    // strings
};

// Builders: the kind follows from the builder, the field type is checked by the compiler.
template <class C>
constexpr TSkinKey<C> IntegerKey(const char* name, int C::*field, int defaultValue = 0) {
  return {name, TSkinValueKind::Integer, field, defaultValue, ""};
}
template <class C>
constexpr TSkinKey<C> ColorKey(const char* name, TColor C::*field, TColor defaultValue = 0) {
  return {name, TSkinValueKind::Color, field, defaultValue, ""};
}
template <class C>
constexpr TSkinKey<C> BooleanKey(const char* name, bool C::*field) {
  return {name, TSkinValueKind::Boolean, field};
}
template <class C>
constexpr TSkinKey<C> StringKey(const char* name, QString C::*field, const char* defaultValue = "") {
  return {name, TSkinValueKind::String, field, 0, defaultValue};
}
template <class C>
constexpr TSkinKey<C> RectKey(const char* name, TRect C::*field) {
  return {name, TSkinValueKind::Rect, field};
}
template <class C>
constexpr TSkinKey<C> PointKey(const char* name, TPoint C::*field) {
  return {name, TSkinValueKind::Point, field};
}
template <class C>
constexpr TSkinKey<C> FontStyleKey(const char* name, TFontStyles C::*field) {
  return {name, TSkinValueKind::FontStyle, field};
}
template <class C>
constexpr TSkinKey<C> AlignmentKey(const char* name, TAlignment C::*field) {
  return {name, TSkinValueKind::Alignment, field};
}
template <class C>
constexpr TSkinKey<C> EffectKey(const char* name, TSkinEffect C::*field) {
  return {name, TSkinValueKind::Effect, field};
}
template <class C>
constexpr TSkinKey<C> MorphKindKey(const char* name, TMorphKind C::*field) {
  return {name, TSkinValueKind::MorphKind, field};
}
template <class C>
constexpr TSkinKey<C> CommandKey(const char* name, SkinCommand C::*field) {
  return {name, TSkinValueKind::Command, field};
}

// The four keys of a font in a skin entry (name, height, style, colour), in that order, for the
// fields FontName, FontHeight, FontStyle and FontColor; an entry's second font carries a prefix
// ("captionfontname" -> CaptionFontName, "fixedfontname" -> FixedFontName).
template <class C>
constexpr std::array<TSkinKey<C>, 4> FontKeys() {
  return {StringKey("fontname", &C::FontName, kSkinFontName), IntegerKey("fontheight", &C::FontHeight, kSkinFontHeight),
          FontStyleKey("fontstyle", &C::FontStyle), ColorKey("fontcolor", &C::FontColor)};
}
template <class C>
constexpr std::array<TSkinKey<C>, 4> CaptionFontKeys() {
  return {StringKey("captionfontname", &C::CaptionFontName, kSkinFontName),
          IntegerKey("captionfontheight", &C::CaptionFontHeight, kSkinFontHeight),
          FontStyleKey("captionfontstyle", &C::CaptionFontStyle), ColorKey("captionfontcolor", &C::CaptionFontColor)};
}
template <class C>
constexpr std::array<TSkinKey<C>, 4> FixedFontKeys() {
  return {StringKey("fixedfontname", &C::FixedFontName, kSkinFontName),
          IntegerKey("fixedfontheight", &C::FixedFontHeight, kSkinFontHeight),
          FontStyleKey("fixedfontstyle", &C::FixedFontStyle), ColorKey("fixedfontcolor", &C::FixedFontColor)};
}

// Key lists joined in order into one table.
template <class C, std::size_t... N>
constexpr std::array<TSkinKey<C>, (N + ...)> JoinKeys(const std::array<TSkinKey<C>, N>&... parts) {
  std::array<TSkinKey<C>, (N + ...)> joined{};
  std::size_t next = 0;
  ((std::copy(parts.begin(), parts.end(), joined.begin() + next), next += N), ...);
  return joined;
}

// The same keys with one key moved to stand right after another; for the classes whose written
// order differs from their reading order. Naming a key that is not in the list fails to compile.
template <class C, std::size_t N>
constexpr std::array<TSkinKey<C>, N> MovedAfter(const std::array<TSkinKey<C>, N>& keys, std::string_view moved,
                                                std::string_view after) {
  std::size_t from = N;
  for (std::size_t i = 0; i < N; ++i)
    if (moved == keys[i].name) from = i;
  if (from == N) throw "MovedAfter: no such key";
  std::array<TSkinKey<C>, N> result{};
  std::size_t out = 0;
  bool placed = false;
  for (std::size_t i = 0; i < N; ++i) {
    if (i == from) continue;
    result[out++] = keys[i];
    if (after == keys[i].name) {
      result[out++] = keys[from];
      placed = true;
    }
  }
  if (!placed) throw "MovedAfter: no such anchor key";
  return result;
}

template <class C>
void ReadSkinKeys(const TMemIniFile& ini, const QString& section, C& object, std::span<const TSkinKey<C>> keys) {
  for (const TSkinKey<C>& k : keys) {
    const QString key = QLatin1String(k.name);
    switch (k.kind) {
      case TSkinValueKind::Integer:
        object.*std::get<int C::*>(k.field) = SkinIni::ReadInteger(ini, section, key, k.defaultNumber);
        break;
      case TSkinValueKind::Color:
        object.*std::get<int C::*>(k.field) = SkinIni::ReadColor(ini, section, key, k.defaultNumber);
        break;
      case TSkinValueKind::Boolean:
        object.*std::get<bool C::*>(k.field) = SkinIni::ReadBoolean(ini, section, key);
        break;
      case TSkinValueKind::String:
        object.*std::get<QString C::*>(k.field) =
            SkinIni::ReadString(ini, section, key, QString::fromLatin1(k.defaultText));
        break;
      case TSkinValueKind::Rect:
        object.*std::get<TRect C::*>(k.field) = SkinIni::ReadRect(ini, section, key);
        break;
      case TSkinValueKind::Point:
        object.*std::get<TPoint C::*>(k.field) = SkinIni::ReadPoint(ini, section, key);
        break;
      case TSkinValueKind::FontStyle:
        object.*std::get<TFontStyles C::*>(k.field) = SkinIni::ReadFontStyle(ini, section, key);
        break;
      case TSkinValueKind::Alignment:
        object.*std::get<TAlignment C::*>(k.field) = SkinIni::ReadAlignment(ini, section, key);
        break;
      case TSkinValueKind::Effect:
        object.*std::get<TSkinEffect C::*>(k.field) = SkinIni::ReadEffect(ini, section, key);
        break;
      case TSkinValueKind::MorphKind:
        object.*std::get<TMorphKind C::*>(k.field) = SkinIni::ReadMorphKind(ini, section, key);
        break;
      case TSkinValueKind::Command:
        object.*std::get<SkinCommand C::*>(k.field) = SkinIni::ReadCommand(ini, section, key);
        break;
    }
  }
}

// The written form of the key's value: integers and colours in decimal, booleans as 1 or 0,
// rectangles and points as numbers joined by ",", the other kinds as their words.
template <class C>
QString SkinKeyText(const C& object, const TSkinKey<C>& k) {
  switch (k.kind) {
    case TSkinValueKind::Integer:
    case TSkinValueKind::Color:
      return QString::number(object.*std::get<int C::*>(k.field));
    case TSkinValueKind::Boolean:
      return object.*std::get<bool C::*>(k.field) ? QStringLiteral("1") : QStringLiteral("0");
    case TSkinValueKind::String:
      return object.*std::get<QString C::*>(k.field);
    case TSkinValueKind::Rect:
      return SkinIni::RectToText(object.*std::get<TRect C::*>(k.field));
    case TSkinValueKind::Point:
      return SkinIni::PointToText(object.*std::get<TPoint C::*>(k.field));
    case TSkinValueKind::FontStyle:
      return SkinIni::FontStyleToText(object.*std::get<TFontStyles C::*>(k.field));
    case TSkinValueKind::Alignment:
      return SkinIni::AlignmentToText(object.*std::get<TAlignment C::*>(k.field));
    case TSkinValueKind::Effect:
      return SkinIni::EffectToText(object.*std::get<TSkinEffect C::*>(k.field));
    case TSkinValueKind::MorphKind:
      return SkinIni::MorphKindToText(object.*std::get<TMorphKind C::*>(k.field));
    case TSkinValueKind::Command:
      return SkinIni::CommandToText(object.*std::get<SkinCommand C::*>(k.field));
  }
  return QString();
}

template <class C>
void WriteSkinKeys(TMemIniFile& ini, const QString& section, const C& object, std::span<const TSkinKey<C>> keys) {
  for (const TSkinKey<C>& k : keys) ini.WriteString(section, QLatin1String(k.name), SkinKeyText(object, k));
}

// Sets every field of the table to its key's default (all keys missing).
template <class C>
void ResetSkinKeys(C& object, std::span<const TSkinKey<C>> keys) {
  ReadSkinKeys(TMemIniFile(), QString(), object, keys);
}

// LoadFromIni and SaveToIni of a data class that adds the keys of Self::Keys() to Base's.
template <class Self, class Base>
class TSkinKeyed : public Base {
 public:
  using Base::Base;

  void LoadFromIni(const TMemIniFile& ini) override {
    Base::LoadFromIni(ini);
    Self& self = static_cast<Self&>(*this);
    ReadSkinKeys<Self>(ini, this->IDName, self, Self::Keys());
    if constexpr (requires { self.AfterLoad(); }) self.AfterLoad();
  }

  void SaveToIni(TMemIniFile& ini) const override {
    Base::SaveToIni(ini);
    const Self& self = static_cast<const Self&>(*this);
    if constexpr (requires { Self::WriteKeys(); })
      WriteSkinKeys<Self>(ini, this->IDName, self, Self::WriteKeys());
    else
      WriteSkinKeys<Self>(ini, this->IDName, self, Self::Keys());
  }

  const char* ClassName() const override { return Self::kClassName; }
};
