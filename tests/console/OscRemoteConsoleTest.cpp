// Cues over OSC reaching the window through the server on 127.0.0.1: each runs as the operator's
// own action would, and the window shows it so.
#include "console/FormRemoteControl.h"
#include "console/OscServer.h"
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
  RemoteState State(int line, const QString& text) { return {line, text, 3}; }
  PacketReport Expected(const QString& caption, int mode) { return ExpectedPacket(caption, form->CaptionFont, mode); }

  PtySign sign{1};
  std::unique_ptr<FormRemoteControl> remote;
  std::unique_ptr<OscServer> server;
  std::unique_ptr<OscClient> client;
};

TEST_F(OscRemoteConsole, GotoShowsTheLineAndGoSendsAndStepsKeepingItsMode) {
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/state")), State(0, {}));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/goto", {2})), State(2, QStringLiteral("二")));
  EXPECT_EQ(form->CurrentMode(), 5);  // the line's settings are shown, as on a click
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/goto", {9})), State(2, QStringLiteral("二")));  // out of range
  EXPECT_TRUE(sign.Received().isEmpty());

  EXPECT_EQ(client->Ask(OscMessage("/lumetra/go")), State(3, QStringLiteral("三")));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), Expected(QStringLiteral("二"), 5)));
  EXPECT_EQ(form->CurrentMode(), 5);  // as after Enter: the mode of the line just sent
  EXPECT_EQ(form->LastCaption, QStringLiteral("二"));
  EXPECT_EQ(form->Image1->Picture().Image(), form->LedFrame.Image());
}

TEST_F(OscRemoteConsole, NextWrapsPrevStopsAtTheFirstLineAndSendSelectsAndSends) {
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/next")), State(1, QStringLiteral("一")));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/prev")), State(1, QStringLiteral("一")));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/next")), State(2, QStringLiteral("二")));
  EXPECT_EQ(form->CurrentMode(), 5);
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/next")), State(3, QStringLiteral("三")));
  EXPECT_EQ(form->CurrentMode(), 0);
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/next")), State(1, QStringLiteral("一")));
  EXPECT_TRUE(sign.Received().isEmpty());

  EXPECT_EQ(client->Ask(OscMessage("/lumetra/send", {2.7f})), State(2, QStringLiteral("二")));  // no step
  EXPECT_TRUE(SamePacket(sign.TakePacket(), Expected(QStringLiteral("二"), 5)));
}

TEST_F(OscRemoteConsole, BlankAndTextSendWithoutTouchingTheListsOrTheCurrentValues) {
  client->Ask(OscMessage("/lumetra/goto", {2}));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/blank")), State(2, QStringLiteral("二")));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), Expected(QString(), 0)));
  EXPECT_EQ(form->CurrentMode(), 5);

  EXPECT_EQ(client->Ask(OscMessage("/lumetra/text", {std::string("请关闭手机")})), State(2, QStringLiteral("二")));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), Expected(QStringLiteral("请关闭手机"), 5)));
  EXPECT_EQ(form->ListBox1->Lines(), QStringList({"一", "二", "三"}));
  EXPECT_EQ(form->CaptionLines(), QStringList({"一", "二", "三"}));

  // Refused text is answered, and nothing goes out.
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/text", {std::string("\xff")})), State(2, QStringLiteral("二")));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/state")), State(2, QStringLiteral("二")));
  EXPECT_TRUE(sign.Received().isEmpty());
}

TEST_F(OscRemoteConsole, GarbageIsCountedAndGoesUnanswered) {
  client->Send(QByteArray("\x00\x01garbage", 9));
  client->Send(OscMessage("/lumetra/goto", {std::string("2")}));
  client->Send(OscMessage("/lumetra/send", {2}).left(10));
  // Answers come in order: the one to the state is the first and only one.
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/state")), State(0, {}));
  EXPECT_FALSE(client->AnswerWithin(0));
  EXPECT_EQ(server->Ignored(), 3);
  EXPECT_EQ(server->Answered(), 1);
  EXPECT_TRUE(sign.Received().isEmpty());
}
