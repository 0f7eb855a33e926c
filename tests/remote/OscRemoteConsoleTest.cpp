// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Cues over OSC reaching the window through the server on 127.0.0.1, seen from inside: each runs
// as the operator's own action would and leaves the window's state as that action does. (What
// reaches the sign and every command's answer are checked with the console as a process.)
#include "console/FormRemoteControl.h"
#include "remote/OscServer.h"
#include "support/ConsoleFixture.h"
#include "support/OscClient.h"
#include "support/PtySign.h"
#include "support/QtPrinters.h"
#include "support/SignPackets.h"

class OscRemoteConsole : public ConsoleFixture {
 protected:
  void SetUp() override {
    ConsoleFixture::SetUp();
    remote = std::make_unique<FormRemoteControl>(*form);
    server = std::make_unique<OscServer>(*remote);
    QString error;
    ASSERT_TRUE(server->Listen(*ParseOscEndpoint(QStringLiteral("0"), error), error)) << error.toStdString();
    client = std::make_unique<OscClient>(server->Address().section(u':', -1).toInt());
    SetCaptions({QStringLiteral("一"), QStringLiteral("二"), QStringLiteral("三")});
    form->LineSettings[1].Mode = 5;
  }
  void TearDown() override {
    client.reset();
    server.reset();
    remote.reset();
    ConsoleFixture::TearDown();
  }

  PtySign sign{1};
  std::unique_ptr<FormRemoteControl> remote;
  std::unique_ptr<OscServer> server;
  std::unique_ptr<OscClient> client;
};

TEST_F(OscRemoteConsole, CuesLeaveTheWindowAsTheOperatorsActionsDo) {
  // goto shows the line's settings, as a click does; go keeps them for the next line, as Enter.
  client->Ask(OscMessage("/lumetra/goto", {2}));
  EXPECT_EQ(form->CurrentMode(), 5);
  client->Ask(OscMessage("/lumetra/go"));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("二"), form->CaptionFont, 5)));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 2);
  EXPECT_EQ(form->CurrentMode(), 5);
  EXPECT_EQ(form->Image1->Picture().Image(), form->LedFrame.Image());
  // next shows the line it selects.
  client->Ask(OscMessage("/lumetra/next"));
  EXPECT_EQ(form->CurrentMode(), 0);

  // blank and text leave the selection, the current mode and the lists alone.
  client->Ask(OscMessage("/lumetra/goto", {2}));
  client->Ask(OscMessage("/lumetra/blank"));
  client->Ask(OscMessage("/lumetra/text", {std::string("请关闭手机")}));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QString(), form->CaptionFont, 0)));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("请关闭手机"), form->CaptionFont, 5)));
  EXPECT_EQ(form->LastCaption, QStringLiteral("请关闭手机"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_EQ(form->CurrentMode(), 5);
  EXPECT_EQ(form->CaptionLines(), QStringList({"一", "二", "三"}));
  EXPECT_EQ(form->ListBox1->Lines(), form->CaptionLines());
}

TEST_F(OscRemoteConsole, GarbageIsCountedAndGoesUnanswered) {
  client->Send(QByteArray("\x00\x01garbage", 9));
  client->Send(OscMessage("/lumetra/goto", {std::string("2")}));
  client->Send(OscMessage("/lumetra/send", {2}).left(10));
  // Answers come in order: the one to the state is the first and only one.
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/state")), (RemoteState{0, {}, 3}));
  EXPECT_FALSE(client->AnswerWithin(0));
  EXPECT_EQ(server->Ignored(), 3);
  EXPECT_EQ(server->Answered(), 1);
  EXPECT_TRUE(sign.Received().isEmpty());
}
