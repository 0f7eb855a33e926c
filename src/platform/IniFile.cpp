#include "platform/IniFile.h"

#include <QFile>
#include <QStringDecoder>
#include <QStringEncoder>
#include <utility>

#include "platform/Convert.h"
#include "platform/InOutError.h"

namespace {

bool SameName(const QString& a, const QString& b) { return a.compare(b, Qt::CaseInsensitive) == 0; }

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
      sections_.push_back(Section{line.mid(1, line.size() - 2).trimmed(), {}});
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

// Later sections of the same name hide earlier ones, so lookups run from the back.
const TMemIniFile::Section* TMemIniFile::FindSection(const QString& section) const {
  for (auto it = sections_.rbegin(); it != sections_.rend(); ++it)
    if (SameName(it->name, section)) return &*it;
  return nullptr;
}

TMemIniFile::Section* TMemIniFile::FindSection(const QString& section) {
  return const_cast<Section*>(std::as_const(*this).FindSection(section));
}

const TMemIniFile::Line* TMemIniFile::FindLine(const Section& section, const QString& key) {
  for (auto it = section.lines.rbegin(); it != section.lines.rend(); ++it)
    if (it->hasValue && SameName(it->key, key)) return &*it;
  return nullptr;
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
    sections_.push_back(Section{section, {}});
    s = &sections_.back();
  }
  if (Line* line = const_cast<Line*>(FindLine(*s, key))) {
    line->value = value;
    return;
  }
  s->lines.push_back(Line{key, value, true});
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
  std::erase_if(sections_, [&](const Section& s) { return SameName(s.name, section); });
}

void TMemIniFile::DeleteKey(const QString& section, const QString& key) {
  if (Section* s = FindSection(section))
    std::erase_if(s->lines, [&](const Line& l) { return l.hasValue && SameName(l.key, key); });
}
