// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscDispatch.h"

#include <lo/lo.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <QStringList>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>

#include "wire/DisplayModes.h"

namespace {

enum class Command { Go, GoTo, Next, Previous, Send, Blank, Text, State };

struct CommandEntry {
  const char* path;
  const char* argumentKinds;  // one letter an argument: "n" a number (a line or a mode), "s" a string
  Command command;
};

constexpr char kAddressPrefix[] = "/lumetra/";

constexpr CommandEntry kCommands[] = {
    {"/lumetra/go", "", Command::Go},       {"/lumetra/goto", "n", Command::GoTo},
    {"/lumetra/next", "", Command::Next},   {"/lumetra/prev", "", Command::Previous},
    {"/lumetra/send", "n", Command::Send},  {"/lumetra/blank", "", Command::Blank},
    {"/lumetra/text", "s", Command::Text},  {"/lumetra/text", "sn", Command::Text},
    {"/lumetra/state", "", Command::State},
};

bool IsNumber(char type) { return type == LO_INT32 || type == LO_INT64 || type == LO_FLOAT || type == LO_DOUBLE; }

bool ArgumentsFit(const char* kinds, const char* types) {
  for (; *kinds != '\0'; ++kinds, ++types) {
    if (*types == '\0') return false;
    if (*kinds == 'n' && !IsNumber(*types)) return false;
    if (*kinds == 's' && *types != LO_STRING) return false;
  }
  return *types == '\0';
}

// "s i", "none": the arguments an entry takes, as a cue system's operator writes them.
QString ArgumentsWanted(const char* kinds) {
  QStringList wanted;
  for (; *kinds != '\0'; ++kinds) wanted << (*kinds == 'n' ? QStringLiteral("i") : QStringLiteral("s"));
  return wanted.isEmpty() ? QStringLiteral("none") : wanted.join(u' ');
}

// An argument's value. liblo's arguments lie 4-byte aligned in the message, which is not enough
// for its 8-byte union: read each as bytes, never through the union.
template <typename Value>
Value ArgumentValue(const lo_arg* arg) {
  Value value;
  std::memcpy(&value, static_cast<const void*>(arg), sizeof value);
  return value;
}

// The number truncated toward zero; nullopt when it is no int (NaN, infinite, too large).
std::optional<int> WholeNumber(char type, const lo_arg* arg) {
  double value = 0;
  switch (type) {
    case LO_INT32: return ArgumentValue<std::int32_t>(arg);
    case LO_INT64: value = double(ArgumentValue<std::int64_t>(arg)); break;
    case LO_FLOAT: value = ArgumentValue<float>(arg); break;
    default: value = ArgumentValue<double>(arg); break;
  }
  if (!std::isfinite(value)) return std::nullopt;
  value = std::trunc(value);
  if (value < INT_MIN || value > INT_MAX) return std::nullopt;
  return int(value);
}

// The text when it is valid UTF-8 and GB18030 holds every character of it.
std::optional<QString> CaptionText(const char* utf8) {
  QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
  const QString text = decoder.decode(QByteArrayView(utf8));
  if (decoder.hasError()) return std::nullopt;
  QStringEncoder encoder("GB18030", QStringEncoder::Flag::Stateless);
  const QByteArray encoded = encoder.encode(text);
  if (!encoder.isValid() || encoder.hasError()) return std::nullopt;
  QStringDecoder back("GB18030", QStringDecoder::Flag::Stateless);
  if (QString(back.decode(encoded)) != text) return std::nullopt;
  return text;
}

struct MessageFree {
  void operator()(lo_message message) const { lo_message_free(message); }
};
using Message = std::unique_ptr<std::remove_pointer_t<lo_message>, MessageFree>;

QByteArray Serialised(const Message& message, const char* path) {
  std::size_t size = 0;
  void* bytes = lo_message_serialise(message.get(), path, nullptr, &size);
  const QByteArray datagram(static_cast<const char*>(bytes), qsizetype(size));
  std::free(bytes);
  return datagram;
}

// One cue that fits its entry: its numbers (a line or a mode; nullopt when no int) and its text.
struct Cue {
  Command command;
  std::optional<int> number;
  const char* text = nullptr;
  bool hasNumber = false;
};

// Runs the cue on the console: what it did, or why it was refused.
RemoteResult RunCue(RemoteControl& target, const Cue& cue, RemoteClock::time_point arrival, const QString& source) {
  const auto refused = [](const QString& reason) { return RemoteResult::Refusing(RemoteRefusal::BadArgument, reason); };
  const int lineCount = target.State().lineCount;
  const bool takesLine = cue.command == Command::GoTo || cue.command == Command::Send;
  if (takesLine) {
    if (!cue.number) return refused(QStringLiteral("not a line number"));
    if (*cue.number < 1 || *cue.number > lineCount)
      return RemoteResult::Refusing(RemoteRefusal::NoLine,
                                    QStringLiteral("line %1 is not in the list of %2 lines").arg(*cue.number).arg(lineCount));
  }
  switch (cue.command) {
    case Command::Go: return target.Go(arrival, source);
    case Command::GoTo: return target.GoTo(*cue.number);
    case Command::Next: return target.Next();
    case Command::Previous: return target.Previous();
    case Command::Send: return target.SendLine(*cue.number, source);
    case Command::Blank: return target.Blank(source);
    case Command::Text: {
      int mode = 0;  // an announcement shows at once, whatever mode the selected line has
      if (cue.hasNumber) {
        if (!cue.number || *cue.number < 0 || *cue.number >= kDisplayModeCount)
          return refused(QStringLiteral("mode %1 is not 0..%2")
                             .arg(cue.number ? QString::number(*cue.number) : QStringLiteral("?"))
                             .arg(kDisplayModeCount - 1));
        mode = *cue.number;
      }
      const std::optional<QString> text = CaptionText(cue.text);
      if (!text) return refused(QStringLiteral("the text is no UTF-8 that the sign's encoding (GB18030) holds"));
      return target.SendText(*text, mode, source);
    }
    case Command::State: break;
  }
  return {};
}

}  // namespace

OscAnswer OscDispatcher::Dispatch(QByteArrayView datagram, RemoteClock::time_point arrival, const QString& source) {
  OscAnswer answer;
  // liblo reads from memory of its own; it wants it writable.
  QByteArray bytes(datagram.data(), datagram.size());
  int result = 0;
  const Message message(lo_message_deserialise(bytes.data(), std::size_t(bytes.size()), &result));
  if (!message || result != 0) return answer;
  const char* path = lo_get_path(bytes.data(), bytes.size());
  const char* types = lo_message_get_types(message.get());
  lo_arg** argv = lo_message_get_argv(message.get());
  if (path == nullptr || types == nullptr || std::strncmp(path, kAddressPrefix, std::strlen(kAddressPrefix)) != 0)
    return answer;

  const CommandEntry* entry = nullptr;
  QStringList wanted;
  for (const CommandEntry& candidate : kCommands) {
    if (qstrcmp(candidate.path, path) != 0) continue;
    wanted << ArgumentsWanted(candidate.argumentKinds);
    if (ArgumentsFit(candidate.argumentKinds, types)) entry = &candidate;
  }
  RemoteResult done;
  std::optional<QString> refusal;
  if (wanted.isEmpty()) {
    refusal = QStringLiteral("unknown address");
  } else if (entry == nullptr) {
    refusal = QStringLiteral("arguments \"%1\" do not fit: expects %2")
                  .arg(QString::fromLatin1(types), wanted.join(QStringLiteral(" or ")));
  } else {
    Cue cue{entry->command, std::nullopt, nullptr, false};
    for (int i = 0; entry->argumentKinds[i] != '\0'; ++i) {
      if (entry->argumentKinds[i] == 's') cue.text = reinterpret_cast<const char*>(argv[i]);
      if (entry->argumentKinds[i] == 'n') {
        cue.number = WholeNumber(types[i], argv[i]);
        cue.hasNumber = true;
      }
    }
    done = RunCue(target_, cue, arrival, source);
    if (done.Refused()) refusal = done.reason;
  }

  // Enough of the address for the sender to know its cue, however long the one it sent.
  const QString address = QString::fromUtf8(path).left(256);
  if (refusal) answer.replies.push_back(OscRefusedReply(address, *refusal));
  for (const RemoteSend& send : done.sends) {
    answer.replies.push_back(OscSentReply(send));
    ++answer.sends;
  }
  const RemoteState state = target_.State();
  if (entry != nullptr && entry->command == Command::State && !refusal) answer.replies.push_back(OscSignsReply(state));
  answer.replies.push_back(OscStateReply(state));
  answer.outcome = refusal ? OscOutcome::Refused : OscOutcome::Done;
  return answer;
}

QByteArray OscStateReply(const RemoteState& state) {
  const Message message(lo_message_new());
  const QByteArray text = state.text.toUtf8();
  lo_message_add_int32(message.get(), state.playhead);
  lo_message_add_string(message.get(), text.constData());
  lo_message_add_int32(message.get(), state.lineCount);
  return Serialised(message, "/lumetra/state");
}

QByteArray OscSignsReply(const RemoteState& state) {
  const Message message(lo_message_new());
  lo_message_add_int32(message.get(), state.signs);
  return Serialised(message, "/lumetra/signs");
}

QByteArray OscRefusedReply(const QString& address, const QString& reason) {
  const Message message(lo_message_new());
  lo_message_add_string(message.get(), address.toUtf8().constData());
  lo_message_add_string(message.get(), reason.toUtf8().constData());
  return Serialised(message, "/lumetra/refused");
}

QByteArray OscSentReply(const RemoteSend& send) {
  const Message message(lo_message_new());
  lo_message_add_int32(message.get(), send.line);
  lo_message_add_int32(message.get(), send.mode);
  lo_message_add_string(message.get(), send.result.toUtf8().constData());
  return Serialised(message, "/lumetra/sent");
}
