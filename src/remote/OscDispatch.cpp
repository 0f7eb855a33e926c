// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/OscDispatch.h"

#include <lo/lo.h>

#include <QStringDecoder>
#include <QStringEncoder>
#include <climits>
#include <cmath>
#include <cstring>
#include <memory>

namespace {

enum class Command { Go, GoTo, Next, Previous, Send, Blank, Text, State };

struct CommandEntry {
  const char* path;
  const char* argumentKinds;  // "" none, "n" a line number, "s" a string
  Command command;
};

constexpr CommandEntry kCommands[] = {
    {"/lumetra/go", "", Command::Go},       {"/lumetra/goto", "n", Command::GoTo},
    {"/lumetra/next", "", Command::Next},   {"/lumetra/prev", "", Command::Previous},
    {"/lumetra/send", "n", Command::Send},  {"/lumetra/blank", "", Command::Blank},
    {"/lumetra/text", "s", Command::Text},  {"/lumetra/state", "", Command::State},
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

// An argument's value. liblo's arguments lie 4-byte aligned in the message, which is not enough
// for its 8-byte union: read each as bytes, never through the union.
template <typename Value>
Value ArgumentValue(const lo_arg* arg) {
  Value value;
  std::memcpy(&value, static_cast<const void*>(arg), sizeof value);
  return value;
}

// The number truncated toward zero; nullopt when it is no int (NaN, infinite, too large).
std::optional<int> LineNumber(char type, const lo_arg* arg) {
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

}  // namespace

OscOutcome OscDispatcher::Dispatch(QByteArrayView datagram, qint64 arrivalMs, const QString& source) {
  // liblo reads from memory of its own; it wants it writable.
  QByteArray bytes(datagram.data(), datagram.size());
  int result = 0;
  const Message message(lo_message_deserialise(bytes.data(), std::size_t(bytes.size()), &result));
  if (!message || result != 0) return OscOutcome::Ignored;
  const char* path = lo_get_path(bytes.data(), bytes.size());
  const char* types = lo_message_get_types(message.get());
  lo_arg** argv = lo_message_get_argv(message.get());
  if (path == nullptr || types == nullptr) return OscOutcome::Ignored;

  const CommandEntry* entry = nullptr;
  for (const CommandEntry& candidate : kCommands)
    if (qstrcmp(candidate.path, path) == 0) entry = &candidate;
  if (entry == nullptr || !ArgumentsFit(entry->argumentKinds, types)) return OscOutcome::Ignored;

  const int lineCount = target_.State().lineCount;
  std::optional<int> line;
  if (entry->argumentKinds[0] == 'n') {
    line = LineNumber(types[0], argv[0]);
    if (!line || *line < 1 || *line > lineCount) return OscOutcome::Refused;
  }
  switch (entry->command) {
    case Command::Go: {
      if (!goGuard_.Admit(arrivalMs)) return OscOutcome::Refused;
      target_.Go(source);
      break;
    }
    case Command::GoTo: target_.Select(*line); break;
    case Command::Next: target_.Next(); break;
    case Command::Previous: target_.Previous(); break;
    case Command::Send: target_.SendLine(*line, source); break;
    case Command::Blank: target_.Blank(source); break;
    case Command::Text: {
      const std::optional<QString> text = CaptionText(reinterpret_cast<const char*>(argv[0]));
      if (!text) return OscOutcome::Refused;
      target_.SendText(*text, source);
      break;
    }
    case Command::State: break;
  }
  return OscOutcome::Done;
}

QByteArray OscStateReply(const RemoteState& state) {
  const Message message(lo_message_new());
  const QByteArray text = state.text.toUtf8();
  lo_message_add_int32(message.get(), state.selectedLine);
  lo_message_add_string(message.get(), text.constData());
  lo_message_add_int32(message.get(), state.lineCount);
  std::size_t size = 0;
  void* bytes = lo_message_serialise(message.get(), "/lumetra/state", nullptr, &size);
  const QByteArray reply(static_cast<const char*>(bytes), qsizetype(size));
  std::free(bytes);
  return reply;
}
