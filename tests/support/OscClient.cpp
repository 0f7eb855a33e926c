// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "support/OscClient.h"

#include <arpa/inet.h>
#include <lo/lo.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <QCoreApplication>
#include <QProcess>
#include <QDeadlineTimer>
#include <cstring>

#include "support/ProcessSockets.h"

namespace {

constexpr int kReplyWaitMs = 5000;

sockaddr_in Loopback(int port, const char* host = "127.0.0.1") {
  sockaddr_in address{};
  address.sin_family = AF_INET;
  address.sin_port = htons(std::uint16_t(port));
  ::inet_pton(AF_INET, host, &address.sin_addr);
  return address;
}

// liblo's arguments are only 4-byte aligned: read them as bytes, not through its 8-byte union.
std::int32_t Int32Argument(const lo_arg* arg) {
  std::int32_t value;
  std::memcpy(&value, static_cast<const void*>(arg), sizeof value);
  return value;
}

// Hands the message in `datagram` to `read` as its path, type tags and arguments; nothing when the
// datagram is no OSC message.
template <typename Read>
void ReadMessage(const QByteArray& datagram, Read read) {
  QByteArray bytes = datagram;  // liblo takes the bytes as writable
  int result = 0;
  lo_message message = lo_message_deserialise(bytes.data(), std::size_t(bytes.size()), &result);
  if (message == nullptr) return;
  read(lo_get_path(bytes.data(), bytes.size()), lo_message_get_types(message), lo_message_get_argv(message));
  lo_message_free(message);
}

}  // namespace

QByteArray OscMessage(const char* path, std::initializer_list<OscArgument> arguments) {
  lo_message message = lo_message_new();
  for (const OscArgument& argument : arguments) {
    if (const int* i = std::get_if<int>(&argument)) lo_message_add_int32(message, *i);
    if (const float* f = std::get_if<float>(&argument)) lo_message_add_float(message, *f);
    if (const double* d = std::get_if<double>(&argument)) lo_message_add_double(message, *d);
    if (const std::string* s = std::get_if<std::string>(&argument)) lo_message_add_string(message, s->c_str());
  }
  std::size_t size = 0;
  void* bytes = lo_message_serialise(message, path, nullptr, &size);
  const QByteArray datagram(static_cast<const char*>(bytes), qsizetype(size));
  std::free(bytes);
  lo_message_free(message);
  return datagram;
}

std::optional<RemoteState> DecodeStateReply(const QByteArray& datagram) {
  std::optional<RemoteState> state;
  ReadMessage(datagram, [&](const char* path, const char* types, lo_arg** argv) {
    if (path != nullptr && std::strcmp(path, "/lumetra/state") == 0 && std::strcmp(types, "isi") == 0)
      state = RemoteState{Int32Argument(argv[0]), QString::fromUtf8(reinterpret_cast<const char*>(argv[1])),
                          Int32Argument(argv[2])};
  });
  return state;
}

QString DescribeReply(const QByteArray& datagram) {
  QString line;
  ReadMessage(datagram, [&](const char* path, const char* types, lo_arg** argv) {
    line = QString::fromUtf8(path);
    for (int i = 0; types[i] != '\0'; ++i) {
      if (types[i] == LO_INT32) line += u' ' + QString::number(Int32Argument(argv[i]));
      else if (types[i] == LO_STRING) line += QStringLiteral(" \"%1\"").arg(QString::fromUtf8(reinterpret_cast<const char*>(argv[i])));
      else line += QStringLiteral(" ?");
    }
  });
  return line;
}

OscClient::OscClient(int port, const char* from) : port_(port) {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  const sockaddr_in any = Loopback(0, from);
  ::bind(fd_, reinterpret_cast<const sockaddr*>(&any), sizeof any);
}

OscClient::~OscClient() { ::close(fd_); }

void OscClient::Send(const QByteArray& datagram) {
  const sockaddr_in to = Loopback(port_);
  ::sendto(fd_, datagram.constData(), std::size_t(datagram.size()), 0, reinterpret_cast<const sockaddr*>(&to), sizeof to);
}

bool OscClient::AnswerWithin(int ms) {
  const QDeadlineTimer deadline(ms);
  pollfd waiting{fd_, POLLIN, 0};
  while (!deadline.hasExpired()) {
    QCoreApplication::processEvents();
    if (::poll(&waiting, 1, 5) > 0) return true;
  }
  return false;
}

std::optional<RemoteState> OscClient::Reply() {
  before.clear();
  while (AnswerWithin(kReplyWaitMs)) {
    QByteArray datagram(65536, '\0');
    const ssize_t size = ::recv(fd_, datagram.data(), std::size_t(datagram.size()), 0);
    if (size < 0) return std::nullopt;
    datagram.resize(size);
    if (const std::optional<RemoteState> state = DecodeStateReply(datagram)) return state;
    before << DescribeReply(datagram);
  }
  return std::nullopt;
}

QStringList OscClient::AskAll(const QByteArray& datagram) {
  const std::optional<RemoteState> state = Ask(datagram);
  QStringList all = before;
  if (state)
    all << QStringLiteral("/lumetra/state %1 \"%2\" %3").arg(state->playhead).arg(state->text).arg(state->lineCount);
  return all;
}

std::optional<RemoteState> OscClient::Ask(const QByteArray& datagram) {
  Send(datagram);
  return Reply();
}

HeldUdpPort::HeldUdpPort() {
  fd_ = ::socket(AF_INET, SOCK_DGRAM | SOCK_CLOEXEC, 0);
  sockaddr_in address = Loopback(0);
  socklen_t length = sizeof address;
  if (::bind(fd_, reinterpret_cast<sockaddr*>(&address), sizeof address) == 0 &&
      ::getsockname(fd_, reinterpret_cast<sockaddr*>(&address), &length) == 0)
    port = ntohs(address.sin_port);
}

HeldUdpPort::~HeldUdpPort() { ::close(fd_); }

int ListeningPort(QProcess& console, QByteArray& err) {
  return SaidOnStandardError(console, err, QStringLiteral("listening for OSC cues on 127\\.0\\.0\\.1:(\\d+)")).toInt();
}
