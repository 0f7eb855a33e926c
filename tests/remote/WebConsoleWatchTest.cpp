// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The web pages following the console window from inside: an edit, a click and a failed send each
// reach a page as it happens, the send with "Com error" and the very page the sign would have got;
// a caption of many pages reaches the stage as its first and last page and the audience as text.
#include <QJsonArray>
#include <QJsonObject>

#include "console/FormRemoteControl.h"
#include "remote/WebConsoleWatch.h"
#include "support/ConsoleFixture.h"
#include "support/LivePage.h"
#include "support/SignPackets.h"
#include "wire/DisplayModes.h"

class WebPagesFollowTheWindow : public ConsoleFixture {};

TEST_F(WebPagesFollowTheWindow, EditsClicksAndAFailedSendEachReachAPage) {
  qputenv("LUMETRA_COM1", "/nonexistent/tty");  // the port cannot be opened
  FormRemoteControl remote(*form);
  GoGuard guard;
  WebControl control(remote, guard, QString());
  WebServer server(control, {});
  QString error;
  ASSERT_TRUE(server.Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error)) << error.toStdString();
  WebConsoleWatch watch(*form, server);
  const std::unique_ptr<LivePage> page = OpenLivePage(server.Port());
  QList<QJsonObject>& received = page->received;
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.size() == 2; }, 10000));  // hello and the state
  EXPECT_EQ(received[1]["count"].toInt(), 0);

  SetCaptions({QStringLiteral("一"), QStringLiteral("二")});
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.last()["count"].toInt() == 2; }, 10000));
  ClickLine(1);
  ChooseMode(5);
  ASSERT_TRUE(QTest::qWaitFor([&] { return received.last()["mode"].toInt() == 5; }, 10000));
  EXPECT_EQ(received.last()["line"].toInt(), 2);
  EXPECT_EQ(received.last()["next"].toArray().size(), 2);

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
  // Enter's step: line 1 next, in the mode carried from line 2.
  const QJsonObject state = received[before + 1];
  EXPECT_EQ(state["line"].toInt(), 1);
  EXPECT_EQ(state["next"].toArray()[0].toObject()["mode"].toInt(), 5);
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
