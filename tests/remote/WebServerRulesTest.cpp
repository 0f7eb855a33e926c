// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages' server against what a venue's network may send it, one table per rule, through
// the real server on this machine: requests too long, with a body or another method; hosts and
// origins; who may control; how many connections, from where, and for how long.
#include <gtest/gtest.h>

#include <QJsonDocument>
#include <QJsonObject>
#include <QTest>

#include "remote/WebServer.h"
#include "support/RawWebClient.h"
#include "support/RecordingControl.h"

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");

OscAllowList Allowing(const char* list) {
  QString error;
  return *OscAllowList::Parse(QString::fromLatin1(list), error);
}

struct RulesServer {
  explicit RulesServer(WebLimits limits = {}, const char* controlFrom = "127.0.0.0/8", const QString& key = kKey)
      : control(console, key), server(control, {false, Allowing(controlFrom), {"sign.local"}}, limits) {
    QString error;
    listening = server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error);
  }
  QByteArray Host() const { return "127.0.0.1:" + QByteArray::number(server.Port()); }

  RecordingControl console;
  WebControl control;
  WebServer server;
  bool listening = false;
};

QByteArray Get(const QByteArray& target, const QByteArray& fields = {}) {
  return "GET " + target + " HTTP/1.1\r\nHost: 127.0.0.1\r\n" + fields + "\r\n";
}

QJsonObject Json(const QByteArray& text) { return QJsonDocument::fromJson(text).object(); }

}  // namespace

TEST(WebServerRules, RequestsAreSmallGetsOrHeadsAndAreRefusedOnTheirHeadAlone) {
  RulesServer rules;
  ASSERT_TRUE(rules.listening);
  const QByteArray long9k(9000, 'a');
  const struct {
    const char* what;
    QByteArray request;
    int status;
  } cases[] = {
      {"the audience's page", Get("/"), 200},
      {"the stage's page, head only", "HEAD /stage HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 200},
      {"a file of the pages, HTTP/1.0", "GET /live.js HTTP/1.0\r\nHost: 127.0.0.1\r\nConnection: keep-alive\r\n\r\n", 200},
      {"no such page", Get("/../etc/passwd"), 404},
      {"a POST announcing 300 MiB", "POST / HTTP/1.1\r\nHost: 127.0.0.1\r\nContent-Length: 314572800\r\n\r\n", 405},
      {"DELETE", "DELETE / HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 405},
      {"OPTIONS", "OPTIONS * HTTP/1.1\r\nHost: 127.0.0.1\r\n\r\n", 405},
      {"a GET with a body", Get("/", "Content-Length: 5\r\n") + "hello", 413},
      {"a GET with a chunked body", Get("/", "Transfer-Encoding: chunked\r\n"), 413},
      {"a path of 9,000 bytes", Get("/" + long9k), 414},
      {"a header of 9,000 bytes", Get("/", "X-Pad: " + long9k + "\r\n"), 431},
      {"a folded line", Get("/", "X-A: 1\r\n 2\r\n"), 400},
      {"a space before the colon", Get("/", "X-A : 1\r\n"), 400},
      {"another protocol", "GET / HTTP/2.0\r\nHost: 127.0.0.1\r\n\r\n", 400},
      {"no Host", "GET / HTTP/1.1\r\n\r\n", 400},
      {"two Hosts", Get("/", "Host: 127.0.0.1\r\n"), 400},
      {"the socket without its upgrade", Get("/live"), 426},
      {"a socket of another version", Get("/live", "Upgrade: websocket\r\nConnection: Upgrade\r\n"), 426},
  };
  for (const auto& c : cases) {
    RawWebClient client(rules.server.Port());
    ASSERT_TRUE(client.Send(c.request)) << c.what;
    EXPECT_EQ(client.Status(), c.status) << c.what;
    // A refusal ends the connection; a page keeps it for the next request.
    EXPECT_EQ(client.Ended(c.status == 200 ? 100 : 5000), c.status != 200) << c.what;
  }
  // None is left behind.
  EXPECT_TRUE(QTest::qWaitFor([&] { return rules.server.Counts().connections == 0; }, 5000));
}

TEST(WebServerRules, PagesAreServedUnderThisMachinesNamesAndTheSocketOnlyToTheirOwnOrigin) {
  RulesServer rules;
  ASSERT_TRUE(rules.listening);
  const QByteArray port = ":" + QByteArray::number(rules.server.Port());
  const QByteArray own = "127.0.0.1" + port;
  const struct {
    const char* what;
    QByteArray host;
    QByteArray origin;
    int status;
  } cases[] = {
      {"a theatre's tool: no origin", own, {}, 101},
      {"the page's own origin", own, "http://" + own, 101},
      {"localhost, reached on loopback", "localhost" + port, "http://localhost" + port, 101},
      {"a name given with --web-host", "SIGN.local" + port, "http://sign.local" + port, 101},
      {"a page of another site", own, "http://evil.example", 403},
      {"this host at another port", own, "http://127.0.0.1:1", 403},
      {"an opaque origin", own, "null", 403},
      {"a name made to point here", "evil.example" + port, "http://evil.example" + port, 421},
      {"another address", "10.9.8.7" + port, {}, 421},
  };
  for (const auto& c : cases) {
    RawWebClient client(rules.server.Port());
    EXPECT_EQ(client.Upgrade("/live", c.host, c.origin), c.status) << c.what;
  }
  RawWebClient rebound(rules.server.Port());
  ASSERT_TRUE(rebound.Send("GET /stage HTTP/1.1\r\nHost: evil.example" + port + "\r\n\r\n"));
  EXPECT_EQ(rebound.Status(), 421);
}

TEST(WebServerRules, OnlyListedAddressesControlWithTheKeyOrWithout) {
  const struct {
    const char* what;
    const char* from;
    bool offered;
    QByteArray key;
    bool control;      // the hello says control works from there
    QString refusal;   // empty: the go ran
  } cases[] = {
      {"a listed address with the key", "127.0.0.2", true, kKey.toLatin1(), true, {}},
      {"a listed address without it", "127.0.0.3", true, "", true, "key"},
      {"the audience's address, key and all", "127.0.0.9", true, kKey.toLatin1(), false, "address"},
      {"this machine, not listed", "127.0.0.1", true, kKey.toLatin1(), false, "address"},
      {"a console that offers no control", "127.0.0.2", false, kKey.toLatin1(), false, "control off"},
  };
  for (const auto& c : cases) {
    RulesServer rules({}, "127.0.0.2, 127.0.0.3/32", c.offered ? kKey : QString());
    ASSERT_TRUE(rules.listening);
    RawWebClient page(rules.server.Port(), c.from);
    ASSERT_EQ(page.Upgrade("/live", rules.Host()), 101) << c.what;
    EXPECT_EQ(Json(page.NextText())["control"].toBool(), c.control) << c.what;
    ASSERT_TRUE(page.SendText(R"({"type":"go","key":")" + c.key + R"("})")) << c.what;
    if (c.refusal.isEmpty()) {
      ASSERT_TRUE(QTest::qWaitFor([&] { return !rules.console.calls.isEmpty(); }, 5000)) << c.what;
      EXPECT_TRUE(rules.console.calls[0].startsWith(QStringLiteral("go web %1:").arg(QLatin1String(c.from))));
    } else {
      EXPECT_EQ(Json(page.NextText())["reason"].toString(), c.refusal) << c.what;
      EXPECT_TRUE(rules.console.calls.isEmpty()) << c.what;
    }
  }
}

TEST(WebServerRules, ConnectionsAreCappedInAllAndPerAddressAndThoseWithoutAHeadAreClosed) {
  WebLimits limits;
  limits.mostConnections = 4;
  limits.mostPerPeer = 2;
  limits.headMs = 1500;  // well beyond the steps before the silent ones are looked at
  RulesServer rules(limits);
  ASSERT_TRUE(rules.listening);
  // In order: a page stays, a silent connection is closed after headMs, the newest past a cap is
  // refused; the connections already in are never the ones that go.
  enum class Does { Page, Silent };
  const struct {
    const char* from;
    Does does;
    bool admitted;
  } steps[] = {
      {"127.0.0.2", Does::Page, true},   {"127.0.0.2", Does::Silent, true},  {"127.0.0.2", Does::Page, false},
      {"127.0.0.3", Does::Silent, true}, {"127.0.0.4", Does::Page, true},    {"127.0.0.5", Does::Page, false},
  };
  std::vector<std::unique_ptr<RawWebClient>> clients;
  int admitted = 0;
  for (const auto& step : steps) {
    clients.push_back(std::make_unique<RawWebClient>(rules.server.Port(), step.from));
    admitted += step.admitted;
    if (step.does == Does::Page || !step.admitted) {
      EXPECT_EQ(clients.back()->Upgrade("/live", rules.Host()), step.admitted ? 101 : 503) << step.from;
    }
    ASSERT_TRUE(QTest::qWaitFor([&] { return rules.server.Counts().connections == admitted; }, 5000)) << step.from;
  }
  EXPECT_EQ(rules.server.Counts().refused, 2);
  // The silent ones go once their time is up; the pages stay.
  EXPECT_TRUE(clients[1]->Ended());
  EXPECT_TRUE(clients[3]->Ended());
  EXPECT_EQ(rules.server.Counts().timedOut, 2);
  EXPECT_EQ(rules.server.Counts().pages, 2);
  // Their places are free again.
  RawWebClient later(rules.server.Port(), "127.0.0.5");
  EXPECT_EQ(later.Upgrade("/live", rules.Host()), 101);
}
