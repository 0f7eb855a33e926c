// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/MidiDispatch.h"

#include <algorithm>

#include "remote/MidiShowControl.h"

namespace {

struct Cue {
  MscCommand command;
  MscCueNumber number;
};

bool Contains(const std::vector<int>& values, int value) {
  return std::find(values.begin(), values.end(), value) != values.end();
}

bool ForThisConsole(const MscMessage& message, const MidiListening& listening) {
  const int device = message.device;
  const bool addressed = device == listening.deviceId || device == kMscEveryDevice ||
                         (device >= kMscFirstGroup && Contains(listening.groups, device - kMscFirstGroup + 1));
  return addressed &&
         (listening.formats.empty() || message.format == kMscEveryFormat || Contains(listening.formats, message.format));
}

// The cue a message is for this console; nullopt when it is none.
std::optional<Cue> CueOf(QByteArrayView message, const MidiListening& listening) {
  const auto status = std::uint8_t(message[0]);
  if ((status & 0xF0) == 0x90 && message.size() == 3 && listening.goNote && message[1] == *listening.goNote &&
      message[2] != 0)
    return Cue{MscCommand::Go, {}};
  const std::optional<MscMessage> msc = DecodeMsc(message);
  if (!msc || !ForThisConsole(*msc, listening)) return std::nullopt;
  switch (MscCommand(msc->command)) {
    case MscCommand::Go:
    case MscCommand::Load: return Cue{MscCommand(msc->command), CueNumberOf(msc->data)};
    case MscCommand::AllOff:
    case MscCommand::Reset: return Cue{MscCommand(msc->command), {}};
  }
  return std::nullopt;
}

// The cue as the desk's operator would read it ("GO 12"), its number cut short and without
// control bytes.
QString CueName(QByteArrayView message, const Cue& cue) {
  if ((std::uint8_t(message[0]) & 0xF0) == 0x90) return QStringLiteral("note %1").arg(int(message[1]));
  const char* word = "GO";
  switch (cue.command) {
    case MscCommand::Go: break;
    case MscCommand::Load: word = "LOAD"; break;
    case MscCommand::AllOff: word = "ALL_OFF"; break;
    case MscCommand::Reset: word = "RESET"; break;
  }
  QString name = QString::fromLatin1(word) + u' ' + QString::fromLatin1(cue.number.text.left(20));
  for (QChar& c : name)
    if (!c.isPrint()) c = u'?';
  return name.trimmed();
}

// The line a cue number names; nullopt with the reason when it names none of the list.
std::optional<int> LineOf(const MscCueNumber& number, int lineCount, QString& refusal) {
  if (!number.whole) {
    refusal = number.text.contains('.') ? QStringLiteral("a cue number with a point; lines are whole numbers")
                                        : QStringLiteral("not a cue number");
    return std::nullopt;
  }
  if (*number.whole < 1 || *number.whole > lineCount) {
    refusal = QStringLiteral("line %1 is not in the list of %2 lines")
                  .arg(QString::fromLatin1(number.text.left(20)))
                  .arg(lineCount);
    return std::nullopt;
  }
  return number.whole;
}

}  // namespace

MidiAnswer MidiDispatcher::Dispatch(QByteArrayView message, RemoteClock::time_point arrival, const QString& source) {
  MidiAnswer answer;
  if (message.isEmpty()) return answer;
  const std::optional<Cue> cue = CueOf(message, listening_);
  if (!cue) return answer;
  answer.cue = CueName(message, *cue);
  const auto refuse = [&](const QString& reason) {
    answer.outcome = MidiOutcome::Refused;
    answer.refusal = reason;
    return answer;
  };
  std::optional<int> line;
  if (!cue->number.text.isEmpty() && !(line = LineOf(cue->number, target_.State().lineCount, answer.refusal)))
    return refuse(answer.refusal);
  RemoteResult done;
  switch (cue->command) {
    case MscCommand::Go:
      if (line) done = target_.GoTo(*line);
      if (!done.Refused()) done = target_.Go(arrival, source);
      break;
    case MscCommand::Load:
      if (!line) return refuse(QStringLiteral("no cue number"));
      done = target_.GoTo(*line);
      break;
    case MscCommand::Reset:
      if (target_.State().lineCount == 0) return refuse(QStringLiteral("the list is empty"));
      done = target_.GoTo(1);
      break;
    case MscCommand::AllOff: done = target_.Blank(source); break;
  }
  if (done.Refused()) return refuse(done.reason);
  answer.sends = int(done.sends.size());
  answer.outcome = MidiOutcome::Done;
  return answer;
}
