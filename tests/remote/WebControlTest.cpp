// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages' control without a socket: which messages reach the console and as what, which
// are refused and which ignored; the lines GO sends next; the key kept between runs.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <QDir>
#include <QFile>

#include "console/ConsoleStateFolder.h"
#include "remote/OscDispatch.h"
#include "remote/WebControl.h"
#include "remote/WebKey.h"
#include "remote/WebMessages.h"
#include "support/OscClient.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

const QString kKey = QStringLiteral("0123456789abcdef0123456789abcdef");
const QString kSender = QStringLiteral("web 127.0.0.1:5000");

}  // namespace

TEST(WebControl, EachMessageRunsItsCommandIsRefusedOrIsIgnored) {
  struct Case {
    const char* what;
    QByteArray message;
    QString consoleKey;  // empty: no control offered
    WebControlOutcome outcome;
    QStringList calls;
    QByteArray answer;
  };
  const QByteArray go = R"({"type":"go","key":"0123456789abcdef0123456789abcdef"})";
  const Case cases[] = {
      {"go", go, kKey, WebControlOutcome::Done, {"go " + kSender}, {}},
      {"back", R"({"type":"back","key":"0123456789abcdef0123456789abcdef"})", kKey, WebControlOutcome::Done,
       {"previous"}, {}},
      {"blank", R"({"key":"0123456789abcdef0123456789abcdef","type":"blank","extra":1})", kKey,
       WebControlOutcome::Done, {"blank " + kSender}, {}},
      // Refused: answered to the sender, nothing done.
      {"control not offered", go, {}, WebControlOutcome::Refused, {},
       R"({"command":"go","reason":"control off","type":"refused"})"},
      {"no key", R"({"type":"go"})", kKey, WebControlOutcome::Refused, {},
       R"({"command":"go","reason":"key","type":"refused"})"},
      {"wrong key", R"({"type":"blank","key":"0123456789abcdef0123456789abcdee"})", kKey, WebControlOutcome::Refused,
       {}, R"({"command":"blank","reason":"key","type":"refused"})"},
      {"key cut short", R"({"type":"go","key":"0123456789abcdef"})", kKey, WebControlOutcome::Refused, {},
       R"({"command":"go","reason":"key","type":"refused"})"},
      {"key too long", R"({"type":"go","key":"0123456789abcdef0123456789abcdef0"})", kKey,
       WebControlOutcome::Refused, {}, R"({"command":"go","reason":"key","type":"refused"})"},
      {"empty key to a console without control", R"({"type":"go","key":""})", {}, WebControlOutcome::Refused, {},
       R"({"command":"go","reason":"control off","type":"refused"})"},
      // Ignored: no answer.
      {"not JSON", "go", kKey, WebControlOutcome::Ignored, {}, {}},
      {"an array", R"(["go"])", kKey, WebControlOutcome::Ignored, {}, {}},
      {"unknown type", R"({"type":"send","key":"0123456789abcdef0123456789abcdef"})", kKey,
       WebControlOutcome::Ignored, {}, {}},
      {"type upper case", R"({"type":"GO","key":"0123456789abcdef0123456789abcdef"})", kKey,
       WebControlOutcome::Ignored, {}, {}},
      {"key a number", R"({"type":"go","key":123})", kKey, WebControlOutcome::Ignored, {}, {}},
      {"cut JSON", go.left(go.size() - 1), kKey, WebControlOutcome::Ignored, {}, {}},
      {"empty", "", kKey, WebControlOutcome::Ignored, {}, {}},
  };
  for (const Case& c : cases) {
    RecordingControl console;
    GoGuard guard;
    WebControl control(console, guard, c.consoleKey);
    const WebControlResult result = control.Handle(c.message, 1000, kSender);
    EXPECT_EQ(result.outcome, c.outcome) << c.what;
    EXPECT_EQ(console.calls, c.calls) << c.what;
    EXPECT_EQ(result.answer, c.answer) << c.what;
  }
}

TEST(WebControl, AGoFromThePageRightAfterAnOscGoIsADoubleTrigger) {
  RecordingControl console;
  GoGuard guard;
  OscDispatcher cues(console, &guard);
  WebControl page(console, guard, kKey);
  const QByteArray go = R"({"type":"go","key":"0123456789abcdef0123456789abcdef"})";
  EXPECT_EQ(cues.Dispatch(OscMessage("/lumetra/go"), 1000, QStringLiteral("osc")).outcome, OscOutcome::Done);
  const WebControlResult refused = page.Handle(go, 1000 + kDoubleTriggerMs - 1, kSender);
  EXPECT_EQ(refused.answer, R"({"command":"go","reason":"double trigger","type":"refused"})");
  EXPECT_EQ(page.Handle(go, 1000 + 3 * kDoubleTriggerMs, kSender).outcome, WebControlOutcome::Done);
  EXPECT_EQ(cues.Dispatch(OscMessage("/lumetra/go"), 1000 + 3 * kDoubleTriggerMs + 1, QStringLiteral("osc")).outcome,
            OscOutcome::Refused);
  EXPECT_EQ(console.calls, (QStringList{"go osc", "go " + kSender}));
}

TEST(WebMessages, TheNextLinesWrapAsEnterDoesEachInTheCarriedMode) {
  const QStringList three{"一", "二", "三"};
  struct Case {
    QStringList lines;
    int selected;
    QList<WebNextLine> next;
  };
  const Case cases[] = {
      {three, 0, {{1, "一", 7}, {2, "二", 7}, {3, "三", 7}}},
      {three, 2, {{3, "三", 7}, {1, "一", 7}, {2, "二", 7}}},
      {{"一", "二"}, 1, {{2, "二", 7}, {1, "一", 7}}},
      {{"一"}, 0, {{1, "一", 7}}},
      {three, -1, {}},  // nothing selected: GO sends nothing
      {{}, 0, {}},
  };
  for (const Case& c : cases) EXPECT_EQ(NextLines(c.lines, c.selected, 7), c.next) << c.selected;
  // A selector that shows no mode sends 0xFF.
  EXPECT_TRUE(WebStateMessage({1, 1, -1, NextLines({"一"}, 0, -1)}, 1).contains(R"("mode":255,"modeName":"")"));
}

TEST(WebKey, TheKeyIsKeptForItsOwnerAloneAndReplacedOnlyWhenAskedOrUnreadable) {
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

  QFile broken(path);
  ASSERT_TRUE(broken.open(QIODevice::WriteOnly));
  broken.write("not a key\n");
  broken.close();
  const WebKeyResult remade = LoadOrMakeWebKey(folder, false);
  EXPECT_TRUE(remade.notice.contains(QStringLiteral("holds no key"))) << remade.notice.toStdString();
  EXPECT_EQ(remade.key.size(), 32);
  EXPECT_EQ(LoadOrMakeWebKey(folder, false).key, remade.key);
  EXPECT_EQ(QDir(folder).entryList(QDir::Files | QDir::Hidden), QStringList{"web.key"});  // no temporary file left
}
