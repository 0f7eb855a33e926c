// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Who may cue the console, and what a start that cannot listen tells the operator.
#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <unistd.h>

#include "remote/OscStart.h"
#include "support/OscClient.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

sockaddr_storage Sender(const char* address) {
  sockaddr_storage sender{};
  auto* v4 = reinterpret_cast<sockaddr_in*>(&sender);
  auto* v6 = reinterpret_cast<sockaddr_in6*>(&sender);
  if (::inet_pton(AF_INET, address, &v4->sin_addr) == 1) {
    v4->sin_family = AF_INET;
  } else {
    EXPECT_EQ(::inet_pton(AF_INET6, address, &v6->sin6_addr), 1) << address;
    v6->sin6_family = AF_INET6;
  }
  return sender;
}

bool Allows(const OscAllowList& list, const char* address) {
  const sockaddr_storage sender = Sender(address);
  return list.Allows(reinterpret_cast<const sockaddr*>(&sender), sizeof sender);
}

}  // namespace

TEST(OscAllowList, AddressesAndRangesLetInTheirSendersOnly) {
  QString error;
  const std::optional<OscAllowList> list =
      OscAllowList::Parse(QStringLiteral(" 192.168.1.20, 10.0.0.0/24,fd00::/8, [::1], 172.16.0.1/33x"), error);
  EXPECT_FALSE(list) << "a bad prefix spoils the list";
  const std::optional<OscAllowList> good = OscAllowList::Parse(QStringLiteral(" 192.168.1.20, 10.0.0.0/23,fd00::/8, [::1]"), error);
  ASSERT_TRUE(good) << error.toStdString();
  const std::pair<const char*, bool> senders[] = {
      {"192.168.1.20", true}, {"192.168.1.21", false},  {"10.0.1.255", true},  {"10.0.2.0", false},
      {"fd12::5", true},      {"fe80::1", false},       {"::1", true},         {"127.0.0.1", false},
      {"::ffff:10.0.0.7", true},  // an IPv4 sender on an IPv6 socket
  };
  for (const auto& [sender, allowed] : senders) EXPECT_EQ(Allows(*good, sender), allowed) << sender;
  const std::optional<OscAllowList> everyone = OscAllowList::Parse(QStringLiteral("0.0.0.0/0,::/0"), error);
  ASSERT_TRUE(everyone);
  EXPECT_TRUE(Allows(*everyone, "203.0.113.9"));
  EXPECT_TRUE(Allows(*everyone, "2001:db8::1"));

  for (const char* bad : {"", " , ", "localhost", "10.0.0.0/", "10.0.0.0/-1", "10.0.0.0/+8", "::/129", "1.2.3"}) {
    QString why;
    EXPECT_FALSE(OscAllowList::Parse(QString::fromLatin1(bad), why)) << bad;
    EXPECT_FALSE(why.isEmpty()) << bad;
  }
}

TEST(OscStart, WhatCannotListenIsALossOfTheStart) {
  const HeldUdpPort busy;
  const QString port = QString::number(busy.port);

  const auto options = [](const QString& osc, const QString& allow = {}, const QString& error = {}) {
    ConsoleOptions o;
    o.osc = osc;
    o.oscAllow = allow;
    o.error = error;
    return o;
  };
  const struct {
    ConsoleOptions options;
    bool listens;
    QString loss;
  } cases[] = {
      {options({}), false, {}},
      {options("0"), true, {}},
      {options("[::1]:0"), true, {}},
      {options("0.0.0.0:0", "127.0.0.1"), true, {}},
      {options("0.0.0.0:0"), false, "OSC 地址 0.0.0.0:0 不限于本机，但 --osc-allow 没有列出允许的提示系统"},
      {options("[::]:0"), false, "OSC 地址 [::]:0 不限于本机"},
      {options("0", "nobody"), false, "--osc-allow: \"nobody\" is no numeric IPv4 or IPv6 address or range"},
      {options(port), false, "cannot listen on 127.0.0.1:" + port},
      {options({}, {}, "--osc needs [HOST:]PORT"), false, "--osc needs [HOST:]PORT"},
  };
  for (const auto& c : cases) {
    RecordingControl control;
    OscServer server(control);
    StartLosses losses;
    EXPECT_EQ(ListenForCues(server, c.options, losses), c.listens) << c.options.osc.toStdString();
    EXPECT_EQ(losses.Empty(), c.loss.isEmpty()) << c.options.osc.toStdString();
    EXPECT_TRUE(losses.Notice().contains(c.loss)) << losses.Notice().toStdString();
    if (c.listens) {
      EXPECT_GE(server.ReceiveBufferBytes(), 400 * 1024);  // a burst of cues fits, also where the system caps it
    }
  }
}
