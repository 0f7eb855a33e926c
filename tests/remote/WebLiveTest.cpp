// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The live WebSocket of the web pages with many real WebSocket clients: every page gets every
// message of its view in order, a page that never reads is dropped without holding up the others,
// and a flood of messages that are no control changes nothing.
#include <gtest/gtest.h>
#include <unistd.h>

#include <QJsonObject>
#include <QTest>
#include <QWebSocket>
#include <algorithm>
#include <memory>
#include <vector>

#include "remote/WebMessages.h"
#include "remote/WebServer.h"
#include "support/LivePage.h"
#include "support/RecordingControl.h"

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");

// Many pages from this one machine: no cap per address.
WebLimits ManyFromOneAddress() {
  WebLimits limits;
  limits.mostPerPeer = limits.mostConnections;
  return limits;
}

class LiveServer {
 public:
  LiveServer() : control(console, kKey), server(control, {}, ManyFromOneAddress()) {
    QString error;
    OscEndpoint endpoint = *ParseOscEndpoint(QStringLiteral("0"), error);
    listening = server.Listen(endpoint, error);
  }
  std::unique_ptr<LivePage> Open(const QString& query = {}) { return OpenLivePage(server.Port(), query); }
  int Pages() const { return server.Counts().pages; }

  RecordingControl console;
  WebControl control;
  WebServer server;
  bool listening = false;
};

// A state message `bytes` long or so, numbered.
QByteArray StateOfSize(qint64 seq, int bytes) {
  return WebStateMessage({1, 1, 0, {{1, QString(bytes, u'x'), 0}}}, seq);
}

}  // namespace

TEST(WebLive, TwoHundredPagesGetEveryMessageOfTheirViewInOrder) {
  LiveServer live;
  ASSERT_TRUE(live.listening);
  // What a page that opens gets first.
  live.server.Publish(WebView::Stage, StateOfSize(1, 10), WebServer::Keep::LastState);
  live.server.Publish(WebView::Caption, WebCaptionMessage(QStringLiteral("第一幕"), 1), WebServer::Keep::LastSend);
  std::vector<std::unique_ptr<LivePage>> pages;
  for (int i = 0; i < 200; ++i) pages.push_back(live.Open());
  const std::unique_ptr<LivePage> audience = live.Open(QStringLiteral("view=caption"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return live.Pages() == 201; }, 20000));
  constexpr int kMessages = 30;
  for (int seq = 2; seq <= kMessages; ++seq) {
    live.server.Publish(WebView::Stage, StateOfSize(seq, 100), WebServer::Keep::LastState);
    live.server.Publish(WebView::Caption, WebCaptionMessage(QString::number(seq), seq), WebServer::Keep::LastSend);
  }
  const auto allArrived = [&] {
    for (const auto& page : pages)
      if (page->received.size() < kMessages + 1) return false;
    return true;
  };
  ASSERT_TRUE(QTest::qWaitFor(allArrived, 30000));
  for (const auto& page : pages) {
    ASSERT_EQ(page->received.size(), kMessages + 1);
    EXPECT_EQ(page->received[0]["type"].toString(), QStringLiteral("hello"));
    EXPECT_TRUE(page->received[0]["control"].toBool());
    for (int seq = 1; seq <= kMessages; ++seq) ASSERT_EQ(page->received[seq]["seq"].toInt(), seq);
  }
  // The audience's page: the captions alone, the language with each.
  ASSERT_TRUE(QTest::qWaitFor([&] { return audience->received.size() == kMessages + 1; }, 30000));
  EXPECT_EQ(audience->received[1]["text"].toString(), QStringLiteral("第一幕"));
  EXPECT_EQ(audience->received[1]["lang"].toString(), QStringLiteral("zh"));
  EXPECT_EQ(audience->received[kMessages]["type"].toString(), QStringLiteral("caption"));
  EXPECT_EQ(audience->received[kMessages]["lang"].toString(), QStringLiteral("und"));
  EXPECT_EQ(live.server.Counts().dropped, 0);
}

TEST(WebLive, APageThatNeverReadsIsDroppedAndTheOthersGetEverything) {
  LiveServer live;
  ASSERT_TRUE(live.listening);
  std::vector<std::unique_ptr<LivePage>> pages;
  for (int i = 0; i < 3; ++i) pages.push_back(live.Open());
  const int dead = OpenRawPage(live.server.Port(), 1024);  // reads nothing, with a small buffer
  ASSERT_GE(dead, 0);
  ASSERT_TRUE(QTest::qWaitFor([&] { return live.Pages() == 4; }, 10000));
  // Far more than the system's buffers and the page's queue hold; published a piece at a time, as
  // sends come, the pages that read a few messages behind at most.
  constexpr int kMessages = 400;
  constexpr int kBehind = 4;
  for (int seq = 1; seq <= kMessages; ++seq) {
    live.server.Publish(WebView::Stage, StateOfSize(seq, 32 * 1024), WebServer::Keep::LastState);
    ASSERT_TRUE(QTest::qWaitFor([&] {
      return std::all_of(pages.begin(), pages.end(), [&](const auto& page) { return page->received.size() > seq - kBehind; });
    }, 10000));
  }
  ASSERT_TRUE(QTest::qWaitFor([&] { return live.server.Counts().dropped == 1; }, 20000));
  EXPECT_EQ(live.Pages(), 3);
  ASSERT_TRUE(QTest::qWaitFor([&] { return pages.back()->received.size() == kMessages + 1; }, 30000));
  for (const auto& page : pages) {
    ASSERT_TRUE(QTest::qWaitFor([&] { return page->received.size() == kMessages + 1; }, 30000));
    for (int seq = 1; seq <= kMessages; ++seq) ASSERT_EQ(page->received[seq]["seq"].toInt(), seq);
  }
  ::close(dead);
}

TEST(WebLive, AFloodOfMessagesThatAreNoControlChangesNothing) {
  LiveServer live;
  ASSERT_TRUE(live.listening);
  const std::unique_ptr<LivePage> flooder = live.Open();
  const std::unique_ptr<LivePage> watcher = live.Open();
  // Open on both ends: each has its hello.
  ASSERT_TRUE(QTest::qWaitFor([&] { return flooder->received.size() == 1 && watcher->received.size() == 1; }, 10000));
  const QStringList malformed = {
      "", "go", "{", "[]", "null", R"({"type":"go","key":7})", R"({"type":"Go"})", R"({"type":["go"]})",
      R"({"type":"state","key":"0123456789abcdef0123456789abcdef"})", QString(3000, u'{'), QStringLiteral("\u0000"),
  };
  constexpr int kRounds = 100;
  for (int round = 0; round < kRounds; ++round)
    for (const QString& message : malformed) flooder->socket.sendTextMessage(message);
  flooder->socket.sendBinaryMessage(QByteArray(R"({"type":"go","key":"0123456789abcdef0123456789abcdef"})"));
  flooder->socket.sendTextMessage(QStringLiteral(R"({"type":"go"})"));  // answered: all before it was taken
  ASSERT_TRUE(QTest::qWaitFor([&] { return flooder->received.size() == 2; }, 20000));
  EXPECT_EQ(flooder->received[1]["reason"].toString(), QStringLiteral("key"));
  EXPECT_EQ(live.server.Ignored(), kRounds * malformed.size());
  EXPECT_TRUE(live.console.calls.isEmpty()) << live.console.calls.join(u',').toStdString();
  EXPECT_EQ(watcher->received.size(), 1);  // its hello only

  // Longer than a page's message may be: that page is closed, and nothing runs.
  flooder->socket.sendTextMessage(QStringLiteral(R"({"type":"go","key":"%1","pad":"%2"})").arg(kKey, QString(5000, u'x')));
  ASSERT_TRUE(QTest::qWaitFor([&] { return live.Pages() == 1; }, 10000));
  EXPECT_TRUE(live.console.calls.isEmpty());
  // The one control with the key still runs.
  watcher->socket.sendTextMessage(QStringLiteral(R"({"type":"blank","key":"%1"})").arg(kKey));
  ASSERT_TRUE(QTest::qWaitFor([&] { return !live.console.calls.isEmpty(); }, 10000));
  EXPECT_TRUE(live.console.calls[0].startsWith(QStringLiteral("blank web 127.0.0.1:")));
}
