// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages' control without a socket: which messages reach the console and as what, which
// are refused and which ignored; the one GO guard of every remote input; the lines GO sends next;
// the key kept between runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "keeping/ConsoleStateFolder.h"
#include "remote/GoGuard.h"
#include "remote/OscDispatch.h"
#include "remote/WebControl.h"
#include "remote/WebKey.h"
#include "remote/WebMessages.h"
#include "support/FileBytes.h"
#include "support/OscClient.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");
const QString kSender = QStringLiteral("web 127.0.0.1:5000");

// A control message of the page's own shape, with the console's key unless another is given.
QByteArray Control(const char* type, const QString& key = kKey) {
  return QStringLiteral(R"({"type":"%1","key":"%2"})").arg(QLatin1String(type), key).toUtf8();
}

QByteArray Refusal(const char* command, const char* reason) {
  return QStringLiteral(R"({"command":"%1","reason":"%2","type":"refused"})")
      .arg(QLatin1String(command), QLatin1String(reason))
      .toUtf8();
}

}  // namespace

TEST(WebControl, EachMessageRunsItsCommandIsRefusedOrIsIgnored) {
  using enum WebControlOutcome;
  struct Case {
    const char* what;
    QByteArray message;
    WebControlOutcome outcome;
    QStringList calls = {};
    QByteArray answer = {};
    bool offered = true;  // whether the console offers control at all
  };
  const QByteArray go = Control("go");
  const Case cases[] = {
      {"go", go, Done, {"go " + kSender}},
      {"back", Control("back"), Done, {"previous"}},
      {"blank", R"({"key":"0123456789abcdef0123456789abcdef","type":"blank","extra":1})", Done, {"blank " + kSender}},
      // Refused: answered to the sender, nothing done.
      {"control not offered", go, Refused, {}, Refusal("go", "control off"), false},
      {"no key", R"({"type":"go"})", Refused, {}, Refusal("go", "key")},
      {"wrong key", Control("blank", "0123456789abcdef0123456789abcdee"), Refused, {}, Refusal("blank", "key")},
      {"key cut short", Control("go", "0123456789abcdef"), Refused, {}, Refusal("go", "key")},
      {"key too long", Control("go", kKey + u'0'), Refused, {}, Refusal("go", "key")},
      {"empty key to a console without control", Control("go", {}), Refused, {}, Refusal("go", "control off"), false},
      // Ignored: no answer.
      {"not JSON", "go", Ignored},
      {"an array", R"(["go"])", Ignored},
      {"unknown type", Control("send"), Ignored},
      {"type upper case", Control("GO"), Ignored},
      {"key a number", R"({"type":"go","key":123})", Ignored},
      {"cut JSON", go.left(go.size() - 1), Ignored},
      {"empty", "", Ignored},
  };
  for (const Case& c : cases) {
    RecordingControl console;
    WebControl control(console, c.offered ? kKey : QString());
    const WebControlResult result = control.Handle(c.message, {}, kSender);
    EXPECT_EQ(result.outcome, c.outcome) << c.what;
    EXPECT_EQ(console.calls, c.calls) << c.what;
    EXPECT_EQ(result.answer, c.answer) << c.what;
  }
}

TEST(WebControl, TheServerAloneRefusesControlsFromUnlistedOrBackloggedPagesAndIgnoresTheRest) {
  const struct {
    QByteArray message;
    bool offered;
    WebSender sender;
    std::optional<QByteArray> answer;  // nullopt: the console decides
  } cases[] = {
      {Control("go"), true, {true, false}, std::nullopt},
      {Control("go"), true, {false, false}, Refusal("go", "address")},
      {Control("blank"), true, {true, true}, Refusal("blank", "busy")},
      {Control("back"), false, {false, true}, Refusal("back", "control off")},
      {"not a control", true, {false, false}, QByteArray()},
  };
  for (const auto& c : cases) {
    const std::optional<WebControlResult> decided =
        WebControlDecidedAtOnce(ReadWebControlMessage(c.message), c.offered, c.sender);
    ASSERT_EQ(decided.has_value(), c.answer.has_value()) << c.message.constData();
    if (decided) {
      EXPECT_EQ(decided->answer, *c.answer) << c.message.constData();
    }
  }
}

// Every remote GO passes the one guard, stamped when its bytes arrived: a GO within 250 ms of
// another is refused whichever input sent either and in whatever order they are handled.
TEST(GoGuard, AGoWithin250MsOfAnotherFromAnyInputIsRefused) {
  struct Go {
    bool osc;  // else a page's
    int atMs;
    int refusedMs = -1;  // how far from the nearest GO, when refused
  };
  const struct {
    const char* what;
    std::vector<Go> gos;  // in the order they are handled
  } cases[] = {
      {"a page's 50 ms after a cue's", {{true, 0}, {false, 50, 50}}},
      {"a cue's 249 ms after a page's", {{false, 0}, {true, 249, 249}}},
      {"250 ms apart", {{true, 0}, {false, 250}, {true, 500}}},
      {"a double tap handled late", {{false, 0}, {false, 32, 32}}},
      {"handled in the other order", {{false, 50}, {true, 0, 50}}},
      {"a repeating trigger", {{true, 0}, {true, 200, 200}, {true, 400, 200}, {false, 650}}},
  };
  for (const auto& c : cases) {
    RecordingControl console;
    GuardedRemoteControl guarded(console);
    OscDispatcher cues(guarded);
    WebControl pages(guarded, kKey);
    for (const Go& go : c.gos) {
      const RemoteClock::time_point at = RemoteClock::time_point() + std::chrono::milliseconds(go.atMs);
      const QString refused = QStringLiteral("/lumetra/refused \"/lumetra/go\" \"double trigger: %1 ms from the previous go\"");
      const QString said = go.osc ? DescribeReply(cues.Dispatch(OscMessage("/lumetra/go"), at, kSender).replies.front())
                                  : QString::fromUtf8(pages.Handle(Control("go"), at, kSender).answer);
      const QString sent = go.osc ? QStringLiteral("/lumetra/sent 2 5 \"ok\"") : QString();
      const QString refusal = go.osc ? refused.arg(go.refusedMs) : QString::fromUtf8(Refusal("go", "double trigger"));
      EXPECT_EQ(said, go.refusedMs < 0 ? sent : refusal) << c.what << " at " << go.atMs;
    }
  }
}

TEST(WebMessages, TheNextLinesWrapAsGoDoesEachInItsProgrammedMode) {
  const QStringList three{"一", "二", "三"};
  const auto modeOf = [](int line) { return line + 4; };
  struct Case {
    QStringList lines;
    int playhead;
    QList<WebNextLine> next;
  };
  const Case cases[] = {
      {three, 0, {{1, "一", 4}, {2, "二", 5}, {3, "三", 6}}},
      {three, 2, {{3, "三", 6}, {1, "一", 4}, {2, "二", 5}}},
      {{"一", "二"}, 1, {{2, "二", 5}, {1, "一", 4}}},
      {{"一"}, 0, {{1, "一", 4}}},
      {three, -1, {}},  // no lines: GO sends nothing
      {{}, 0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(NextLines(c.lines, c.playhead, modeOf), c.next) << c.playhead;
  // A line without a mode is shown as the byte no mode would be.
  EXPECT_TRUE(WebStateMessage({1, 1, -1, NextLines({"一"}, 0, [](int) { return -1; })}, 1).contains(R"("mode":255,"modeName":"")"));
}

TEST(WebKey, TheKeyIsKeptForItsOwnerAloneAndReplacedOnlyWhenAskedOrHoldingNone) {
  const QString folder = ConsoleStateFolder();
  const QString path = folder + QStringLiteral("/web.key");
  const WebKeyResult first = LoadOrMakeWebKey(folder, false);
  EXPECT_TRUE(first.notice.isEmpty()) << first.notice.toStdString();
  EXPECT_EQ(first.key.size(), 32);
  struct stat info{};
  ASSERT_EQ(::stat(QFile::encodeName(path).constData(), &info), 0);
  EXPECT_EQ(info.st_mode & 0777, 0600u);
  EXPECT_EQ(LoadOrMakeWebKey(folder, false).key, first.key);

  const WebKeyResult fresh = LoadOrMakeWebKey(folder, true);
  EXPECT_NE(fresh.key, first.key);
  EXPECT_EQ(LoadOrMakeWebKey(folder, false).key, fresh.key);

  QFile::setPermissions(path, QFile::ReadOwner | QFile::WriteOwner | QFile::ReadOther);
  EXPECT_EQ(LoadOrMakeWebKey(folder, false).key, fresh.key);
  EXPECT_EQ(QFile::permissions(path) & QFile::ReadOther, 0);

  ASSERT_NO_FATAL_FAILURE(WriteBytes(path, "not a key\n"));
  const WebKeyResult remade = LoadOrMakeWebKey(folder, false);
  EXPECT_TRUE(remade.notice.contains(QStringLiteral("holds no key"))) << remade.notice.toStdString();
  EXPECT_EQ(remade.key.size(), 32);
  EXPECT_EQ(LoadOrMakeWebKey(folder, false).key, remade.key);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"web.key"});  // no temporary file left

  // A kept file that cannot be read gives no key and stays as it is.
  ASSERT_TRUE(QFile::remove(path));
  ASSERT_TRUE(QDir().mkpath(path));
  const WebKeyResult unreadable = LoadOrMakeWebKey(folder, false);
  EXPECT_TRUE(unreadable.unreadable);
  EXPECT_TRUE(unreadable.key.isEmpty());
  EXPECT_TRUE(unreadable.notice.startsWith(QStringLiteral("cannot read the web key"))) << unreadable.notice.toStdString();
  EXPECT_TRUE(QFileInfo(path).isDir());
}
