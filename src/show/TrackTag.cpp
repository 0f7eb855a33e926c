// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "show/TrackTag.h"

#include <QLocale>

namespace {

constexpr qsizetype kLongestSubtag = 8;
constexpr qsizetype kShortestLanguage = 2;

constexpr bool IsAsciiLetter(char16_t c) { return (c >= u'a' && c <= u'z') || (c >= u'A' && c <= u'Z'); }
constexpr bool IsAsciiDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

QString Quoted(QStringView text) { return u'"' + text.toString() + u'"'; }

// "1 letter", "9 letters".
QString CountWord(qsizetype count, QLatin1StringView unit) {
  return QString::number(count) + u' ' + unit + (count == 1 ? QString() : QStringLiteral("s"));
}

QString LanguageProblem(QStringView language) {
  for (const QChar c : language)
    if (!IsAsciiLetter(c.unicode())) return QStringLiteral("the language subtag %1 must be letters only").arg(Quoted(language));
  if (language.size() < kShortestLanguage || language.size() > kLongestSubtag)
    return QStringLiteral("the language subtag %1 has %2; it needs 2 to 8")
        .arg(Quoted(language), CountWord(language.size(), QLatin1StringView("letter")));
  return QString();
}

}  // namespace

QString TrackTagProblem(QStringView tag) {
  if (tag.isEmpty()) return QStringLiteral("the tag is empty");
  for (const QChar c : tag) {
    const char16_t unit = c.unicode();
    if (IsAsciiLetter(unit) || IsAsciiDigit(unit) || unit == u'-') continue;
    return QStringLiteral("%1 is not an ASCII letter, digit or hyphen%2")
        .arg(Quoted(QStringView(&c, 1)),
             unit == u'_' ? QStringLiteral(" (subtags are joined by hyphens: en-GB)") : QString());
  }
  const QList<QStringView> subtags = tag.split(u'-');
  for (const QStringView subtag : subtags)
    if (subtag.isEmpty()) return QStringLiteral("a hyphen must stand between two subtags");
  if (QString problem = LanguageProblem(subtags.front()); !problem.isEmpty()) return problem;
  for (const QStringView subtag : subtags.mid(1))
    if (subtag.size() > kLongestSubtag)
      return QStringLiteral("the subtag %1 has %2; a subtag has 1 to 8")
          .arg(Quoted(subtag), CountWord(subtag.size(), QLatin1StringView("character")));
  return QString();
}

bool SameTrackTag(QStringView a, QStringView b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

QString TrackLanguageInEnglish(const QString& tag) {
  const QStringView language = QStringView(tag).left(tag.indexOf(u'-'));
  const QLocale::Language known = QLocale::codeToLanguage(language);
  if (known == QLocale::AnyLanguage || known == QLocale::C) return QString();
  const QString name = QLocale::languageToString(known);
  return language.size() == tag.size() ? name : QStringLiteral("%1 (%2)").arg(name, tag);
}

QString TrackNameInEnglish(const QString& tag) {
  const QString language = TrackLanguageInEnglish(tag);
  return language.isEmpty() ? Quoted(tag) : language;
}
