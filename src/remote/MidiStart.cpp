// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/MidiStart.h"

#include <QStringList>

#include "platform/StandardErrorDialogs.h"
#include "remote/MidiShowControl.h"

namespace {

// The numbers of a comma-separated list, each least..most in `base`; nullopt when one is not.
std::optional<std::vector<int>> NumberList(const QString& text, int base, int least, int most) {
  std::vector<int> numbers;
  for (QString item : text.split(u',')) {
    item = item.trimmed();
    if (base == 16 && item.startsWith(QLatin1String("0x"), Qt::CaseInsensitive)) item.remove(0, 2);
    bool ok = false;
    const int number = item.toInt(&ok, base);
    // toInt takes a sign, which no MIDI number has.
    if (!ok || item.startsWith(u'+') || item.startsWith(u'-') || number < least || number > most) return std::nullopt;
    numbers.push_back(number);
  }
  return numbers;
}

QString Joined(const std::vector<int>& numbers, int base) {
  QStringList texts;
  for (const int number : numbers)
    texts << (base == 16 ? QString::number(number, 16).toUpper().rightJustified(2, u'0') : QString::number(number));
  return texts.join(u',');
}

}  // namespace

std::optional<MidiListening> ReadMidiListening(const ConsoleOptions& options, QString& error) {
  MidiListening listening;
  std::vector<int> deviceId, goNote;
  const struct {
    const QString& text;
    const char* option;
    int base;
    int least;
    int most;
    bool several;
    const char* wanted;
    std::vector<int>* into;
  } settings[] = {
      {options.midiId, "--midi-id", 10, 0, kMscLastDeviceId, false, "a device ID 0..111", &deviceId},
      {options.midiGroups, "--midi-group", 10, 1, kMscGroupCount, true, "groups 1..15", &listening.groups},
      {options.midiFormats, "--midi-format", 16, 1, kMscEveryFormat, true, "command formats 01..7F in hex",
       &listening.formats},
      {options.midiGoNote, "--midi-go-note", 10, 0, 127, false, "a note 0..127", &goNote},
  };
  for (const auto& setting : settings) {
    if (setting.text.isEmpty()) continue;
    const std::optional<std::vector<int>> numbers = NumberList(setting.text, setting.base, setting.least, setting.most);
    if (!numbers || (!setting.several && numbers->size() != 1)) {
      error = QStringLiteral("%1 %2: not %3").arg(QLatin1String(setting.option), setting.text,
                                                  QLatin1String(setting.wanted));
      return std::nullopt;
    }
    *setting.into = *numbers;
  }
  if (!deviceId.empty()) listening.deviceId = deviceId[0];
  if (!goNote.empty()) listening.goNote = goNote[0];
  return listening;
}

bool WatchMidiDevice(MidiInput& input, const ConsoleOptions& options, StartLosses& losses) {
  QString error = options.midiError;
  if (error.isEmpty() && options.midi.isEmpty()) return false;
  const std::optional<MidiListening> listening = error.isEmpty() ? ReadMidiListening(options, error) : std::nullopt;
  if (!listening) {
    SayOnStandardError(error + QStringLiteral("; running without MIDI"));
    losses.Add(QStringLiteral("MIDI 设置有误（%1）：本控制台不接收灯光台的 MIDI 提示。").arg(error));
    return false;
  }
  if (input.Watch(options.midi, *listening, error)) {
    QString whose = QStringLiteral("device ID %1").arg(listening->deviceId);
    if (!listening->groups.empty()) whose += QStringLiteral(", groups ") + Joined(listening->groups, 10);
    if (!listening->formats.empty()) whose += QStringLiteral(", formats ") + Joined(listening->formats, 16);
    if (listening->goNote) whose += QStringLiteral(", GO on note %1").arg(*listening->goNote);
    SayOnStandardError(QStringLiteral("reading MIDI cues from %1 (%2)").arg(options.midi, whose));
    return true;
  }
  SayOnStandardError(QStringLiteral("--midi %1: %2; trying it again every %3 s")
                         .arg(options.midi, error)
                         .arg(kMidiReopenMs / 1000));
  losses.Add(QStringLiteral("MIDI 设备 %1 无法打开（%2）：每 %3 秒重试一次；接通之前，灯光台的 GO 不会起作用。")
                 .arg(options.midi, error)
                 .arg(kMidiReopenMs / 1000));
  return false;
}
