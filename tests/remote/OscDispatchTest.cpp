// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Cues over OSC without a window: which messages reach the console and as what, which are only
// answered, and which are ignored.
#include <gtest/gtest.h>

#include <cmath>

#include "remote/OscDispatch.h"
#include "support/OscClient.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

const QString kSender = QStringLiteral("osc 127.0.0.1:5000");

struct Case {
  const char* what;
  QByteArray datagram;
  OscOutcome outcome;
  QStringList calls;
};

}  // namespace

TEST(OscDispatch, EachMessageRunsItsCommandIsRefusedOrIsIgnored) {
  const std::string tooLong = std::string(3000, 'x') + "\xe4\xb8\x80";
  const Case cases[] = {
      {"go", OscMessage("/lumetra/go"), OscOutcome::Done, {"go " + kSender}},
      {"goto int", OscMessage("/lumetra/goto", {3}), OscOutcome::Done, {"select 3"}},
      {"goto float truncates", OscMessage("/lumetra/goto", {2.9f}), OscOutcome::Done, {"select 2"}},
      {"goto double", OscMessage("/lumetra/goto", {1.5}), OscOutcome::Done, {"select 1"}},
      {"next", OscMessage("/lumetra/next"), OscOutcome::Done, {"next"}},
      {"prev", OscMessage("/lumetra/prev"), OscOutcome::Done, {"previous"}},
      {"send", OscMessage("/lumetra/send", {1}), OscOutcome::Done, {"send 1 " + kSender}},
      {"blank", OscMessage("/lumetra/blank"), OscOutcome::Done, {"blank " + kSender}},
      {"text", OscMessage("/lumetra/text", {std::string("谢幕 Bows")}), OscOutcome::Done,
       {QStringLiteral("text 谢幕 Bows ") + kSender}},
      {"long text", OscMessage("/lumetra/text", {tooLong}), OscOutcome::Done,
       {QStringLiteral("text ") + QString::fromStdString(tooLong) + u' ' + kSender}},
      {"state", OscMessage("/lumetra/state"), OscOutcome::Done, {}},
      // Refused: answered, nothing done.
      {"goto beyond the list", OscMessage("/lumetra/goto", {4}), OscOutcome::Refused, {}},
      {"goto 0", OscMessage("/lumetra/goto", {0}), OscOutcome::Refused, {}},
      {"goto -0.5 is 0", OscMessage("/lumetra/goto", {-0.5f}), OscOutcome::Refused, {}},
      {"send NaN", OscMessage("/lumetra/send", {std::nan("")}), OscOutcome::Refused, {}},
      {"send huge", OscMessage("/lumetra/send", {1e300}), OscOutcome::Refused, {}},
      {"text not UTF-8", OscMessage("/lumetra/text", {std::string("\xff\xfe")}), OscOutcome::Refused, {}},
      {"text lone surrogate", OscMessage("/lumetra/text", {std::string("\xed\xa0\x80")}), OscOutcome::Refused, {}},
      // Ignored: unknown addresses, wrong types or counts.
      {"unknown address", OscMessage("/lumetra/stop"), OscOutcome::Ignored, {}},
      {"prefix only", OscMessage("/lumetra"), OscOutcome::Ignored, {}},
      {"goto without a line", OscMessage("/lumetra/goto"), OscOutcome::Ignored, {}},
      {"goto with a string", OscMessage("/lumetra/goto", {std::string("2")}), OscOutcome::Ignored, {}},
      {"goto with two lines", OscMessage("/lumetra/goto", {1, 2}), OscOutcome::Ignored, {}},
      {"go with an argument", OscMessage("/lumetra/go", {1.0f}), OscOutcome::Ignored, {}},
      {"text with a number", OscMessage("/lumetra/text", {1}), OscOutcome::Ignored, {}},
      {"empty datagram", QByteArray(), OscOutcome::Ignored, {}},
      {"bundle", QByteArray("#bundle\0\0\0\0\0\0\0\0\1", 16), OscOutcome::Ignored, {}},
      {"no type tags", QByteArray("/lumetra/go\0", 12), OscOutcome::Ignored, {}},
  };
  for (const Case& c : cases) {
    RecordingControl control;
    OscDispatcher dispatcher(control);
    EXPECT_EQ(dispatcher.Dispatch(c.datagram, 0, kSender), c.outcome) << c.what;
    EXPECT_EQ(control.calls, c.calls) << c.what;
  }
}

TEST(OscDispatch, EveryCutOfAMessageAndStrayBytesAreIgnored) {
  RecordingControl control;
  OscDispatcher dispatcher(control);
  for (const QByteArray& whole : {OscMessage("/lumetra/send", {2}), OscMessage("/lumetra/text", {std::string("abcdefg")})})
    for (qsizetype size = 0; size < whole.size(); ++size)
      EXPECT_EQ(dispatcher.Dispatch(whole.left(size), 0, kSender), OscOutcome::Ignored) << size;
  QByteArray garbage = OscMessage("/lumetra/send", {2});
  garbage[16] = 'x';  // a type tag liblo does not know
  EXPECT_EQ(dispatcher.Dispatch(garbage, 0, kSender), OscOutcome::Ignored);
  EXPECT_TRUE(control.calls.isEmpty());
}

TEST(OscDispatch, AGoWithin250MsOfThePreviousGoIsADoubleTrigger) {
  RecordingControl control;
  OscDispatcher dispatcher(control);
  const QByteArray go = OscMessage("/lumetra/go");
  const std::pair<qint64, OscOutcome> arrivals[] = {
      {1000, OscOutcome::Done},
      {1000 + kDoubleTriggerMs - 1, OscOutcome::Refused},
      // Measured from the previous go, also a refused one: a trigger that keeps repeating fast
      // stays refused.
      {1000 + 2 * kDoubleTriggerMs - 2, OscOutcome::Refused},
      {1000 + 3 * kDoubleTriggerMs - 2, OscOutcome::Done},
      {500, OscOutcome::Done},  // a clock set back is no double trigger
  };
  for (const auto& [at, outcome] : arrivals) EXPECT_EQ(dispatcher.Dispatch(go, at, kSender), outcome) << at;
  // Other commands in between do not count as a go.
  EXPECT_EQ(dispatcher.Dispatch(OscMessage("/lumetra/next"), 501, kSender), OscOutcome::Done);
  EXPECT_EQ(dispatcher.Dispatch(go, 500 + kDoubleTriggerMs, kSender), OscOutcome::Done);
  EXPECT_EQ(control.calls.count("go " + kSender), 4);
}

TEST(OscDispatch, TheStateReplyCarriesLineTextAndCount) {
  EXPECT_EQ(DecodeStateReply(OscStateReply({2, QStringLiteral("第二行"), 3})), (RemoteState{2, QStringLiteral("第二行"), 3}));
  EXPECT_EQ(DecodeStateReply(OscStateReply({})), (RemoteState{0, QString(), 0}));
}
