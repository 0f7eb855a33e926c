// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages following the console window from inside: an edit, a click and a failed send each
// reach a page as it happens, the send with "Com error" and the very page the sign would have got;
// a caption of many pages reaches the stage as its first and last page and the audience as text;
// a page's GO and a cue's GO that came together send once, however long the first send takes.
#include <unistd.h>

#include <QJsonArray>
#include <QJsonObject>
#include <chrono>
#include <thread>

#include "console/FormRemoteControl.h"
#include "remote/GoGuard.h"
#include "remote/OscServer.h"
#include "remote/WebConsoleWatch.h"
#include "support/ConsoleFixture.h"
#include "support/LivePage.h"
#include "support/OscClient.h"
#include "support/PtySign.h"
#include "support/SignPackets.h"
#include "support/WideCaption.h"
#include "wire/DisplayModes.h"

class WebPagesFollowTheWindow : public ConsoleFixture {};

TEST_F(WebPagesFollowTheWindow, EditsClicksAndAFailedSendEachReachAPage) {
  qputenv("LUMETRA_COM1", "/nonexistent/tty");  // the port cannot be opened
  FormRemoteControl remote(*form);
  WebControl control(remote, QString());
  WebServer server(control);
  QString error;
  ASSERT_TRUE(server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error)) << error.toStdString();
  WebConsoleWatch watch(*form, server);
  const std::unique_ptr<LivePage> page = OpenLivePage(server.Port());
  QList<QJsonObject>& received = page->received;
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 10000));  // hello and the state
  EXPECT_EQ(received[1]["count"].toInt(), 0);

  SetCaptions({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.last()["count"].toInt() == 3; }, 10000));
  ClickLine(1);
  ChooseMode(5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.last()["mode"].toInt() == 5; }, 10000));
  EXPECT_EQ(received.last()["line"].toInt(), 1);  // the playhead: a click does not move it
  EXPECT_EQ(received.last()["next"].toArray().size(), 3);
  EXPECT_EQ(received.last()["next"].toArray()[1].toObject()["mode"].toInt(), 5);

  const qsizetype before = received.size();
  PressKeyInPlayList(Qt::Key_Return);
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == before + 2; }, 10000));
  const QJsonObject send = received[before];
  EXPECT_EQ(send["type"].toString(), QStringLiteral("send"));
  EXPECT_FALSE(send["ok"].toBool());
  EXPECT_TRUE(send["result"].toString().startsWith(QStringLiteral("Com error: "))) << send["result"].toString().toStdString();
  EXPECT_EQ(send["line"].toInt(), 2);
  EXPECT_EQ(send["mode"].toInt(), 5);
  const PacketReport expected = ExpectedPacket(QStringLiteral("二"), form->CaptionFont, 5);
  ASSERT_EQ(send["pages"].toArray().size(), 1);
  const QByteArray packed = QByteArray::fromBase64(send["pages"].toArray()[0].toString().toLatin1());
  EXPECT_EQ(packed, QByteArray(reinterpret_cast<const char*>(expected.pages[0].packed.data()), kPackedFrameSize));
  // Line 3 next, in its own mode as GO sends it, not the mode Enter carried.
  const QJsonObject state = received[before + 1];
  EXPECT_EQ(state["line"].toInt(), 3);
  EXPECT_EQ(state["next"].toArray()[0].toObject()["mode"].toInt(), 0);
  EXPECT_GT(send["seq"].toInt(), received[1]["seq"].toInt());
  EXPECT_EQ(state["seq"].toInt(), send["seq"].toInt() + 1);

  // Scrolling in: the stage gets the count and the first and last of the pages, the audience the text.
  const std::unique_ptr<LivePage> audience = OpenLivePage(server.Port(), QStringLiteral("view=caption"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return audience->received.size() == 2; }, 10000));  // hello and the last caption
  const QString wide = QStringLiteral("第一幕开场，欢迎各位观众光临今晚的演出，请将手机调至静音");
  FormRemoteControl(*form).SendText(wide, kScrollInFromRightMode, QStringLiteral("test"));
  ASSERT_TRUE(QTest::qWaitFor([&] { return audience->received.size() == 3; }, 10000));
  EXPECT_EQ(audience->received[2], (QJsonObject{{"type", "caption"}, {"seq", 2}, {"text", wide}, {"lang", "zh"}}));
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.last()["caption"].toString() == wide; }, 10000));
  const PacketReport scrolled = ExpectedPacket(wide, form->CaptionFont, kScrollInFromRightMode);
  ASSERT_GT(scrolled.pages.size(), 2u);
  const QJsonArray pages = received.last()["pages"].toArray();
  EXPECT_EQ(received.last()["pageCount"].toInt(), int(scrolled.pages.size()));
  ASSERT_EQ(pages.size(), 2);
  for (const auto& [shown, page] : {std::pair{0, scrolled.pages.front()}, std::pair{1, scrolled.pages.back()}})
    EXPECT_EQ(QByteArray::fromBase64(pages[shown].toString().toLatin1()),
              QByteArray(reinterpret_cast<const char*>(page.packed.data()), kPackedFrameSize));
  qunsetenv("LUMETRA_COM1");
}

// The desk's GO sends a scrolling caption to a sign that has stalled, which holds the window for
// seconds; a page's GO 50 ms later is handled only then, and refused by when it came.
TEST_F(WebPagesFollowTheWindow, APagesGoRightAfterACuesGoIsRefusedHoweverLongTheSendHeldTheWindow) {
  PtySign sign(1);
  sign.StopReading();
  SetCaptions({CaptionWiderThan(form->CaptionFont, 100 * kLedWidth)});
  form->LineSettings[0].Mode = kScrollInFromRightMode;
  FormRemoteControl console(*form);
  GuardedRemoteControl remote(console);
  const QString key(32, u'a');
  WebControl control(remote, key);
  WebServer server(control);
  OscServer cues(remote);
  QString error;
  ASSERT_TRUE(server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error) &&
              cues.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error));
  const int page = OpenRawPage(server.Port());
  ASSERT_TRUE(QTest::qWaitFor([&] { return server.Counts().pages == 1; }, 10000));
  OscClient desk(cues.Address().section(u':', -1).toInt());
  std::thread deskThenPage([&] {
    desk.Send(OscMessage("/lumetra/go"));
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
    SendRawText(page, QStringLiteral(R"({"type":"go","key":"%1"})").arg(key).toUtf8());
  });
  ASSERT_TRUE(desk.Reply());
  QByteArray heard;
  EXPECT_TRUE(QTest::qWaitFor([&] { return (heard += ReadRawPage(page)).contains(R"("reason":"double trigger")"); }, 10000));
  deskThenPage.join();
  EXPECT_EQ(form->SendsMade, 1);
  EXPECT_TRUE(desk.before.value(0).startsWith(QStringLiteral("/lumetra/sent 1 1 \"Com error"))) << desk.before.value(0).toStdString();
  ::close(page);
}
