// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The language tag that names a translation track, written as language tags are: "en", "ja",
// "zh-Hant", "pt-BR", "sr-Latn-RS", "de-CH-1996". Accepted, and nothing else:
//   1. subtags separated by single hyphens, made of ASCII letters and digits only;
//   2. the first, the language, of 2 to 8 letters;
//   3. every further one of 1 to 8 letters or digits.
// Case does not matter: "en-GB" and "EN-gb" name the same track. Whether the language exists is
// not asked; a language the toolkit does not know is named by its tag.
#include <QString>
#include <QStringView>

// Empty for a tag of that form, else what is wrong with it, as one clause
// ("the language subtag "e" has 1 letter; it needs 2 to 8").
QString TrackTagProblem(QStringView tag);

// Whether two tags name the same track.
bool SameTrackTag(QStringView a, QStringView b);

// The tag's language in English: "English"; "English (en-GB)" for a tag that says more than its
// language; empty for a language the toolkit does not know.
QString TrackLanguageInEnglish(const QString& tag);
// The same for messages, where an unknown language is named by its tag in quotes.
QString TrackNameInEnglish(const QString& tag);
