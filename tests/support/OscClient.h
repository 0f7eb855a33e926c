// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// A cue system for the tests: OSC messages made by liblo, sent over UDP from a socket of its own
// on a loopback address, and the console's answers read back.
#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>
#include <initializer_list>
#include <optional>
#include <string>
#include <variant>

#include "remote/OscDispatch.h"

using OscArgument = std::variant<int, float, double, std::string>;

// One message as bytes.
QByteArray OscMessage(const char* path, std::initializer_list<OscArgument> arguments = {});
// The /lumetra/state answer in a datagram; nullopt when it is none.
std::optional<RemoteState> DecodeStateReply(const QByteArray& datagram);
// Any answer as one line: the address, then each argument, strings quoted
// ("/lumetra/sent 1 0 \"ok\""); empty when the datagram is no OSC message.
QString DescribeReply(const QByteArray& datagram);

class OscClient {
 public:
  // Sends to 127.0.0.1:`port`, from `from` (another loopback address plays another machine).
  explicit OscClient(int port, const char* from = "127.0.0.1");
  ~OscClient();
  OscClient(const OscClient&) = delete;
  OscClient& operator=(const OscClient&) = delete;

  void Send(const QByteArray& datagram);
  // The answers up to and including the next state, waiting a few seconds at most for each; the
  // event loop runs meanwhile, so a server in this process answers too. Those before the state
  // are kept in `before`, described.
  std::optional<RemoteState> Reply();
  // Sends the message and waits for its state answer.
  std::optional<RemoteState> Ask(const QByteArray& datagram);
  // Sends the message and gives every answer to it, described, the state last.
  QStringList AskAll(const QByteArray& datagram);
  // Whether an answer comes within `ms` (for messages that must go unanswered).
  bool AnswerWithin(int ms);

  QStringList before;

 private:
  int fd_ = -1;
  int port_;
};

// A UDP port of 127.0.0.1 that a socket of the test's holds while it lives: a port in use.
class HeldUdpPort {
 public:
  HeldUdpPort();
  ~HeldUdpPort();
  HeldUdpPort(const HeldUdpPort&) = delete;
  HeldUdpPort& operator=(const HeldUdpPort&) = delete;
  int port = 0;

 private:
  int fd_ = -1;
};

// Reads a console's standard error (a few seconds at most) until it tells where it listens for
// cues on 127.0.0.1; 0 when it never does. What it read is kept in `err`.
int ListeningPort(QProcess& console, QByteArray& err);
