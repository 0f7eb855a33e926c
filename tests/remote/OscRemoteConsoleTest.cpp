// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Cues over OSC reaching the window through the server on 127.0.0.1, seen from inside: each runs
// as the operator's own action would and leaves the window's state as that action does, and the
// server counts what it ignored and answered. (What reaches the sign and every command's answer,
// and that garbage goes unanswered, are checked with the console as a process.)
#include <gmock/gmock.h>

#include <QAbstractItemView>
#include <QDeadlineTimer>
#include <QDir>

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
  // goto shows the line's settings, as a click does; go sends the playhead's line and leaves the
  // selection and the selector alone.
  client->Ask(OscMessage("/lumetra/goto", {2}));
  EXPECT_EQ(form->CurrentMode(), 5);
  client->Ask(OscMessage("/lumetra/go"));
  EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(QStringLiteral("二"), form->CaptionFont, 5)));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_EQ(form->Playhead(), 2);
  EXPECT_EQ(form->CurrentMode(), 5);
  EXPECT_EQ(form->Image1->Picture().Image(), form->LedFrame.Image());
  // next moves the playhead on and shows the line it selects.
  client->Ask(OscMessage("/lumetra/next"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 0);
  EXPECT_EQ(form->CurrentMode(), 0);

  // blank and text leave the selection, the current mode and the lists alone; a text shows at
  // once unless it names its mode.
  client->Ask(OscMessage("/lumetra/goto", {2}));
  client->Ask(OscMessage("/lumetra/blank"));
  client->Ask(OscMessage("/lumetra/text", {std::string("请关闭手机")}));
  client->Ask(OscMessage("/lumetra/text", {std::string("谢幕"), 9}));
  for (const auto& [caption, mode] : {std::pair{QString(), 0}, {QStringLiteral("请关闭手机"), 0}, {QStringLiteral("谢幕"), 9}})
    EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(caption, form->CaptionFont, mode))) << caption.toStdString();
  EXPECT_EQ(form->LastCaption, QStringLiteral("谢幕"));
  EXPECT_EQ(form->ListBox1->SelectedLine(), 1);
  EXPECT_EQ(form->CurrentMode(), 5);
  EXPECT_EQ(form->CaptionLines(), QStringList({"一", "二", "三"}));
  EXPECT_EQ(form->ListBox1->Lines(), form->CaptionLines());
}

TEST_F(OscRemoteConsole, GarbageIsCountedAndNothingIsDone) {
  // (That no answer goes back is seen on the wire, with the console as a process.)
  client->Send(QByteArray("\x00\x01garbage", 9));
  client->Send(OscMessage("/other/go"));
  client->Send(OscMessage("/lumetra/send", {2}).left(10));
  EXPECT_EQ(client->Ask(OscMessage("/lumetra/state")), (RemoteState{1, QStringLiteral("一"), 3}));
  EXPECT_EQ(server->Ignored(), 3);
  EXPECT_EQ(server->Answered(), 1);
  EXPECT_TRUE(sign.Received().isEmpty());
}

TEST_F(OscRemoteConsole, QueuedCuesRunOneSendATurnInArrivalOrderEachAnswered) {
  const QByteArray cues[] = {OscMessage("/lumetra/send", {3}), OscMessage("/lumetra/state"),
                             OscMessage("/lumetra/send", {1}), OscMessage("/lumetra/text", {std::string("幕间休息")}),
                             OscMessage("/lumetra/blank"),     OscMessage("/lumetra/send", {2})};
  for (const QByteArray& cue : cues) client->Send(cue);
  // Each turn of the event loop runs at most one send: the window paints and takes keys between.
  for (const QDeadlineTimer deadline(10000); form->SendsMade < 5 && !deadline.hasExpired();) {
    const qint64 before = form->SendsMade;
    QCoreApplication::processEvents();
    ASSERT_LE(form->SendsMade - before, 1);
  }
  ASSERT_EQ(form->SendsMade, 5);
  const QStringList expected[] = {
      {"/lumetra/sent 3 0 \"ok\""}, {"/lumetra/signs 1"}, {"/lumetra/sent 1 0 \"ok\""}, {"/lumetra/sent 0 0 \"ok\""},
      {"/lumetra/sent 0 0 \"ok\""}, {"/lumetra/sent 2 5 \"ok\""},
  };
  for (const QStringList& answers : expected) {
    EXPECT_TRUE(client->Reply());
    EXPECT_EQ(client->before, answers);
  }
  for (const auto& [caption, mode] : {std::pair{QStringLiteral("三"), 0}, {QStringLiteral("一"), 0},
                                      {QStringLiteral("幕间休息"), 0}, {QString(), 0}, {QStringLiteral("二"), 5}})
    EXPECT_TRUE(SamePacket(sign.TakePacket(), ExpectedPacket(caption, form->CaptionFont, mode))) << caption.toStdString();
}

TEST_F(OscRemoteConsole, ASentAnswerNamesWhatTheSignCannotShow) {
  const QString nowhere = QDir::current().filePath(QStringLiteral("no-such-device"));
  qputenv("LUMETRA_COM7", nowhere.toLocal8Bit());
  const struct {
    int port;
    std::string text;
    QString answer;
  } cases[] = {
      // U+1FAE0, a face no font of the machine draws: still sent, as the box the sign then shows.
      {1, "笑 \xF0\x9F\xAB\xA0 \xF0\x9F\xAB\xA0", QStringLiteral("/lumetra/sent 0 0 \"ok; no glyph for U+1FAE0\"")},
      {1, "笑", QStringLiteral("/lumetra/sent 0 0 \"ok\"")},
      {7, "笑", QStringLiteral("/lumetra/sent 0 0 \"Com error: ")},
  };
  for (const auto& c : cases) {
    form->UpDown3->SetPosition(c.port);
    client->Ask(OscMessage("/lumetra/text", {c.text}));
    ASSERT_EQ(client->before.size(), 1) << c.text;
    EXPECT_TRUE(client->before[0].startsWith(c.answer)) << client->before[0].toStdString();
  }
  qunsetenv("LUMETRA_COM7");
}

// A cue that moves the selection ends the operator's mode edit unchosen; a go leaves it alone,
// and the choice lands on the line it was begun for.
TEST_F(OscRemoteConsole, ACueThatMovesTheSelectionEndsTheOperatorsModeEditUnchosenAndAGoDoesNot) {
  const std::pair<QByteArray, bool> cues[] = {{OscMessage("/lumetra/goto", {3}), true},
                                              {OscMessage("/lumetra/next"), true},
                                              {OscMessage("/lumetra/send", {3}), true},
                                              {OscMessage("/lumetra/go"), false}};
  for (const auto& [message, moves] : cues) {
    const std::string cue = DescribeReply(message).toStdString();
    form->Window()->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(form->Window()));
    form->LineSettings[0].Mode = 0;
    form->LineSettings[1].Mode = 5;
    form->LineSettings[2].Mode = 0;
    ClickLine(0);
    client->Ask(OscMessage("/lumetra/goto", {2}));  // the playhead elsewhere than the selection
    ClickLine(0);
    // The operator opens the mode list for line 1 (or keeps the selector's keys) ...
    form->ComboBox1->setFocus();
    ASSERT_TRUE(form->ComboBox1->hasFocus()) << cue;
    form->ComboBox1->showPopup();
    QAbstractItemView* list = form->ComboBox1->view();
    ASSERT_TRUE(list->isVisible()) << cue;
    // ... when the cue comes.
    client->Ask(message);
    EXPECT_EQ(form->ListBox1->SelectedLine() != 0, moves) << cue;
    if (moves) {
      EXPECT_FALSE(form->ComboBox1->hasFocus()) << cue;
    }
    // A choice still open would land on the cued line: the list must have closed unchosen.
    EXPECT_EQ(list->isVisible(), !moves) << cue;
    if (list->isVisible()) {
      const QModelIndex index = list->model()->index(6, 0);
      QTest::mouseClick(list->viewport(), Qt::LeftButton, {}, list->visualRect(index).center());
    }
    const int modes[] = {form->LineSettings[0].Mode, form->LineSettings[1].Mode, form->LineSettings[2].Mode};
    EXPECT_THAT(modes, ::testing::ElementsAre(moves ? 0 : 6, 5, 0)) << cue;
  }
}
