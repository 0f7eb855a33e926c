// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/ShortCut.h"

#include <QStringList>
#include <array>

namespace {

struct KeyName {
  int key;
  const char* name;
};

// Keys with a name of their own; letters, digits and F1..F24 are spelt out below.
constexpr std::array<KeyName, 15> kNamedKeys{{
    {0x08, "BkSp"}, {0x09, "Tab"},  {0x0D, "Enter"}, {0x1B, "Esc"},  {0x20, "Space"},
    {0x21, "PgUp"}, {0x22, "PgDn"}, {0x23, "End"},   {0x24, "Home"}, {0x25, "Left"},
    {0x26, "Up"},   {0x27, "Right"}, {0x28, "Down"}, {0x2D, "Ins"},  {0x2E, "Del"},
}};

constexpr int kF1 = 0x70;
constexpr int kF24 = 0x87;

QString KeyText(int key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return QString(QChar(key));
  if (key >= kF1 && key <= kF24) return QStringLiteral("F%1").arg(key - kF1 + 1);
  for (const KeyName& k : kNamedKeys)
    if (k.key == key) return QLatin1String(k.name);
  return {};
}

// The key a name stands for, or 0.
int KeyOfText(const QString& text) {
  if (text.size() == 1) {
    const QChar c = text[0].toUpper();
    if ((c >= u'0' && c <= u'9') || (c >= u'A' && c <= u'Z')) return c.unicode();
  }
  for (int key = 0; key < 0x100; ++key) {
    const QString name = KeyText(key);
    if (!name.isEmpty() && name.compare(text, Qt::CaseInsensitive) == 0) return key;
  }
  return 0;
}

struct Modifier {
  TShortCut flag;
  const char* prefix;
};
constexpr std::array<Modifier, 3> kModifiers{{{scShift, "Shift+"}, {scCtrl, "Ctrl+"}, {scAlt, "Alt+"}}};

}  // namespace

QString ShortCutToText(TShortCut shortCut) {
  const QString key = KeyText(shortCut & 0xFF);
  if (key.isEmpty()) return {};
  QString text;
  for (const Modifier& m : kModifiers)
    if (shortCut & m.flag) text += QLatin1String(m.prefix);
  return text + key;
}

TShortCut TextToShortCut(const QString& text) {
  QString rest = text.trimmed();
  TShortCut modifiers = scNone;
  for (bool found = true; found;) {
    found = false;
    for (const Modifier& m : kModifiers) {
      const QLatin1String prefix(m.prefix);
      // "+" alone is a key, not a modifier with nothing after it.
      if (rest.size() > prefix.size() && rest.startsWith(prefix, Qt::CaseInsensitive)) {
        modifiers |= m.flag;
        rest = rest.mid(prefix.size());
        found = true;
      }
    }
  }
  const int key = KeyOfText(rest);
  return key == 0 ? scNone : ShortCut(key, modifiers);
}
