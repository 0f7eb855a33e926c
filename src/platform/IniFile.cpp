// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

#include "platform/Convert.h"
#include "platform/InOutError.h"

namespace {

// Section and key names compare without regard to letter case.
QString Folded(const QString& name) { return name.toCaseFolded(); }

}  // namespace

TMemIniFile::TMemIniFile(const QStringList& lines) { SetStrings(lines); }

TMemIniFile TMemIniFile::FromFile(const QString& fileName) {
  TMemIniFile ini;
  QFile file(fileName);
  if (!file.exists()) return ini;
  if (!file.open(QIODevice::ReadOnly)) throw InOutError(kAccessDenied);
  QStringDecoder decode("GB18030");
  const QString text = decode(file.readAll());
  QStringList lines = text.split(QLatin1Char('\n'));
  for (QString& line : lines)
    if (line.endsWith(QLatin1Char('\r'))) line.chop(1);
  ini.SetStrings(lines);
  return ini;
}

void TMemIniFile::SetStrings(const QStringList& lines) {
  sections_.clear();
  Section* current = nullptr;
  for (const QString& raw : lines) {
    const QString line = raw.trimmed();
    if (line.isEmpty() || line.startsWith(QLatin1Char(';'))) continue;
    if (line.startsWith(QLatin1Char('[')) && line.endsWith(QLatin1Char(']'))) {
      sections_.push_back(Section{line.mid(1, line.size() - 2).trimmed(), {}, {}});
      current = &sections_.back();
      continue;
    }
    if (!current) continue;
    const qsizetype eq = line.indexOf(QLatin1Char('='));
    if (eq < 0)
      current->lines.push_back(Line{line, QString(), false});
    else
      current->lines.push_back(Line{line.left(eq).trimmed(), line.mid(eq + 1).trimmed(), true});
  }
  IndexSections();
}

void TMemIniFile::IndexSections() {
  ForgetLastSection();
  sectionIndex_.clear();
  for (std::size_t i = 0; i < sections_.size(); ++i) {
    sectionIndex_.insert(Folded(sections_[i].name), i);  // a later section hides an earlier one
    IndexKeys(sections_[i]);
  }
}

void TMemIniFile::IndexKeys(Section& section) {
  section.keys.clear();
  for (std::size_t i = 0; i < section.lines.size(); ++i)
    if (section.lines[i].hasValue) section.keys.insert(Folded(section.lines[i].key), i);  // the later line counts
}

QStringList TMemIniFile::GetStrings() const {
  QStringList out;
  for (const Section& section : sections_) {
    out << QLatin1Char('[') + section.name + QLatin1Char(']');
    for (const Line& line : section.lines)
      out << (line.hasValue ? line.key + QLatin1Char('=') + line.value : line.key);
    out << QString();
  }
  return out;
}

void TMemIniFile::SaveToFile(const QString& fileName) const {
  QFile file(fileName);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
    throw InOutError(kAccessDenied);
  QStringEncoder encode("GB18030");
  QByteArray bytes;
  for (const QString& line : GetStrings()) {
    bytes += encode(line);
    bytes += "\r\n";
  }
  if (file.write(bytes) != bytes.size()) throw InOutError(kDiskFull);
}

const TMemIniFile::Section* TMemIniFile::FindSection(const QString& section) const {
  // Readers ask for many keys of one section in a row: the last answer saves folding the name.
  if (!lastSectionKnown_ || lastSectionName_ != section) {
    const auto found = sectionIndex_.constFind(Folded(section));
    lastSectionIndex_ = found == sectionIndex_.constEnd() ? -1 : qsizetype(*found);
    lastSectionName_ = section;
    lastSectionKnown_ = true;
  }
  return lastSectionIndex_ < 0 ? nullptr : &sections_[std::size_t(lastSectionIndex_)];
}

TMemIniFile::Section* TMemIniFile::FindSection(const QString& section) {
  return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

const TMemIniFile::Line* TMemIniFile::FindLine(const Section& section, const QString& key) {
  const auto found = section.keys.constFind(Folded(key));
  return found == section.keys.constEnd() ? nullptr : &section.lines[*found];
}

bool TMemIniFile::SectionExists(const QString& section) const { return FindSection(section) != nullptr; }

bool TMemIniFile::ValueExists(const QString& section, const QString& key) const {
  const Section* s = FindSection(section);
  return s && FindLine(*s, key);
}

QString TMemIniFile::ReadString(const QString& section, const QString& key,
                                const QString& defaultValue) const {
  const Section* s = FindSection(section);
  const Line* line = s ? FindLine(*s, key) : nullptr;
  return line ? line->value : defaultValue;
}

int TMemIniFile::ReadInteger(const QString& section, const QString& key, int defaultValue) const {
  int value = 0;
  return TryStrToInt(ReadString(section, key, QString()), value) ? value : defaultValue;
}

bool TMemIniFile::ReadBool(const QString& section, const QString& key, bool defaultValue) const {
  return ReadInteger(section, key, defaultValue ? 1 : 0) != 0;
}

void TMemIniFile::WriteString(const QString& section, const QString& key, const QString& value) {
  Section* s = FindSection(section);
  if (!s) {
    sections_.push_back(Section{section, {}, {}});
    sectionIndex_.insert(Folded(section), sections_.size() - 1);
    ForgetLastSection();
    s = &sections_.back();
  }
  if (Line* line = const_cast<Line*>(FindLine(*s, key))) {
    line->value = value;
    return;
  }
  s->lines.push_back(Line{key, value, true});
  s->keys.insert(Folded(key), s->lines.size() - 1);
}

void TMemIniFile::WriteInteger(const QString& section, const QString& key, int value) {
  WriteString(section, key, QString::number(value));
}

void TMemIniFile::WriteBool(const QString& section, const QString& key, bool value) {
  WriteString(section, key, value ? QStringLiteral("1") : QStringLiteral("0"));
}

QStringList TMemIniFile::ReadSection(const QString& section) const {
  QStringList keys;
  if (const Section* s = FindSection(section))
    for (const Line& line : s->lines)
      if (line.hasValue) keys << line.key;
  return keys;
}

QStringList TMemIniFile::ReadSections() const {
  QStringList names;
  for (const Section& section : sections_) names << section.name;
  return names;
}

void TMemIniFile::EraseSection(const QString& section) {
  const QString name = Folded(section);
  std::erase_if(sections_, [&](const Section& s) { return Folded(s.name) == name; });
  IndexSections();
}

void TMemIniFile::DeleteKey(const QString& section, const QString& key) {
  Section* s = FindSection(section);
  if (!s) return;
  const QString name = Folded(key);
  std::erase_if(s->lines, [&](const Line& l) { return l.hasValue && Folded(l.key) == name; });
  IndexKeys(*s);
}
