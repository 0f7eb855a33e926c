// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The platform's in-memory INI file.
//
// Reading rules (skins and settings rely on them exactly):
//  - every line is trimmed; empty lines and lines starting with ";" are dropped;
//  - "[name]" opens a section (name trimmed); lines before the first section are dropped;
//  - other lines are split at the first "=" into a trimmed key and a trimmed value; a line
//    without "=" stays in its section (and is written back) but is no key and has no value;
//  - section and key names compare without regard to letter case; of two sections with the
//    same name only the later one is found, of two equal keys in a section the later line counts;
//  - a present key returns its value even when that value is empty; only a missing key gives
//    the caller's default.
#include <QHash>
#include <QString>
#include <QStringList>
#include <vector>

class TMemIniFile {
 public:
  TMemIniFile() = default;
  explicit TMemIniFile(const QStringList& lines);
  // Reads the file's text (ANSI code page, CR LF or LF line ends). A missing file gives an
  // empty INI file, as the platform's INI files do; an unreadable one raises EInOutError.
  static TMemIniFile FromFile(const QString& fileName);

  // Replaces the whole content by the given lines, parsed by the rules above.
  void SetStrings(const QStringList& lines);
  // The content as text lines: per section "[name]", its lines as "key=value", one empty line.
  QStringList GetStrings() const;
  // Writes GetStrings to the file in the ANSI code page with CR LF line ends.
  void SaveToFile(const QString& fileName) const;

  bool SectionExists(const QString& section) const;
  bool ValueExists(const QString& section, const QString& key) const;

  QString ReadString(const QString& section, const QString& key, const QString& defaultValue) const;
  // Decimal with optional sign, or hexadecimal after "$" or "0x"; an empty or unparsable value
  // (or one outside 32 bits) gives the default. Eight hex digits wrap into the signed range, so
  // colours such as $FF00000F read as written.
  int ReadInteger(const QString& section, const QString& key, int defaultValue) const;
  // Read as integer; any non-zero value is true.
  bool ReadBool(const QString& section, const QString& key, bool defaultValue) const;

  // Replaces the value of the (later) key, or appends the key to the section; creates the
  // section at the end when it does not exist.
  void WriteString(const QString& section, const QString& key, const QString& value);
  void WriteInteger(const QString& section, const QString& key, int value);
  void WriteBool(const QString& section, const QString& key, bool value);

  // The key names of a section in line order (lines without "=" are not keys).
  QStringList ReadSection(const QString& section) const;
  // The section names in file order (a repeated name appears once per occurrence).
  QStringList ReadSections() const;
  // Removes the section (every section of that name) with all its lines.
  void EraseSection(const QString& section);
  void DeleteKey(const QString& section, const QString& key);
  void Clear() {
    sections_.clear();
    sectionIndex_.clear();
    ForgetLastSection();
  }

 private:
  struct Line {
    QString key;    // whole line text when hasValue is false
    QString value;
    bool hasValue = false;
  };
  struct Section {
    QString name;
    std::vector<Line> lines;
    // Case-folded key -> its later line, so that a long section is not searched key by key.
    QHash<QString, std::size_t> keys;
  };

  const Section* FindSection(const QString& section) const;
  Section* FindSection(const QString& section);
  static const Line* FindLine(const Section& section, const QString& key);
  // Rebuild the lookup tables after lines or sections went away.
  void IndexSections();
  static void IndexKeys(Section& section);

  std::vector<Section> sections_;
  // Case-folded name -> the later section of that name.
  QHash<QString, std::size_t> sectionIndex_;
  // The last section looked up, by the name it was asked by. Forgotten on every change of the
  // sections.
  mutable QString lastSectionName_;
  mutable qsizetype lastSectionIndex_ = -1;
  mutable bool lastSectionKnown_ = false;
  void ForgetLastSection() { lastSectionKnown_ = false; }
};
