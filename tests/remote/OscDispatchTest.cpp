// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// Cues over OSC without a window: which messages reach the console and as what, what each is
// answered, and which are ignored.
#include <gtest/gtest.h>

#include <cmath>

#include "remote/OscDispatch.h"
#include "support/OscClient.h"
#include "support/QtPrinters.h"
#include "support/RecordingControl.h"

namespace {

const QString kSender = QStringLiteral("osc 127.0.0.1:5000");
const QString kState = QStringLiteral("/lumetra/state 2 \"二\" 3");

struct Case {
  const char* what;
  QByteArray datagram;
  QStringList calls;
  QStringList answers;  // before the state; none at all when ignored
  OscOutcome outcome = OscOutcome::Done;
};

QStringList Described(const std::vector<QByteArray>& replies) {
  QStringList described;
  for (const QByteArray& reply : replies) described << DescribeReply(reply);
  return described;
}

QString Refused(const char* address, const char* reason) {
  return QStringLiteral("/lumetra/refused \"%1\" \"%2\"").arg(QLatin1String(address), QString::fromUtf8(reason));
}

}  // namespace

TEST(OscDispatch, EachMessageRunsItsCommandIsRefusedOrIsIgnoredAndSaysSo) {
  const auto refused = OscOutcome::Refused;
  const Case cases[] = {
      {"go", OscMessage("/lumetra/go"), {"go " + kSender}, {"/lumetra/sent 2 5 \"ok\""}},
      {"goto int", OscMessage("/lumetra/goto", {3}), {"goto 3"}, {}},
      {"goto float truncates", OscMessage("/lumetra/goto", {2.9f}), {"goto 2"}, {}},
      {"goto double", OscMessage("/lumetra/goto", {1.5}), {"goto 1"}, {}},
      {"next", OscMessage("/lumetra/next"), {"next"}, {}},
      {"prev", OscMessage("/lumetra/prev"), {"previous"}, {}},
      {"send", OscMessage("/lumetra/send", {1}), {"send 1 " + kSender}, {"/lumetra/sent 1 5 \"ok\""}},
      {"blank", OscMessage("/lumetra/blank"), {"blank " + kSender}, {"/lumetra/sent 0 0 \"ok\""}},
      // A text shows at once unless its mode is named, whatever mode the selected line has.
      {"text", OscMessage("/lumetra/text", {std::string("谢幕 Bows")}), {QStringLiteral("text 0 谢幕 Bows ") + kSender},
       {"/lumetra/sent 0 0 \"Com error: no such device\""}},
      {"text in mode 4", OscMessage("/lumetra/text", {std::string("谢幕"), 4}), {QStringLiteral("text 4 谢幕 ") + kSender},
       {"/lumetra/sent 0 4 \"Com error: no such device\""}},
      {"text of 255 pages", OscMessage("/lumetra/text", {std::string(255, 'x'), 1.0f}),
       {QStringLiteral("text 1 ") + QString(255, u'x') + u' ' + kSender}, {"/lumetra/sent 0 1 \"Com error: no such device\""}},
      {"state", OscMessage("/lumetra/state"), {}, {"/lumetra/signs 1"}},
      // Refused: answered why, nothing done.
      {"goto beyond the list", OscMessage("/lumetra/goto", {4}), {},
       {Refused("/lumetra/goto", "line 4 is not in the list of 3 lines")}, refused},
      {"goto 0", OscMessage("/lumetra/goto", {0}), {}, {Refused("/lumetra/goto", "line 0 is not in the list of 3 lines")}, refused},
      {"goto -0.5 is 0", OscMessage("/lumetra/goto", {-0.5f}), {}, {Refused("/lumetra/goto", "line 0 is not in the list of 3 lines")}, refused},
      {"send NaN", OscMessage("/lumetra/send", {std::nan("")}), {}, {Refused("/lumetra/send", "not a line number")}, refused},
      {"send huge", OscMessage("/lumetra/send", {1e300}), {}, {Refused("/lumetra/send", "not a line number")}, refused},
      {"text not UTF-8", OscMessage("/lumetra/text", {std::string("\xff\xfe")}), {},
       {Refused("/lumetra/text", "the text is no UTF-8 that the sign's encoding (GB18030) holds")}, refused},
      {"text lone surrogate", OscMessage("/lumetra/text", {std::string("\xed\xa0\x80")}), {},
       {Refused("/lumetra/text", "the text is no UTF-8 that the sign's encoding (GB18030) holds")}, refused},
      {"text in mode 20", OscMessage("/lumetra/text", {std::string("a"), 20}), {},
       {Refused("/lumetra/text", "mode 20 is not 0..19")}, refused},
      {"text in mode -1", OscMessage("/lumetra/text", {std::string("a"), -1}), {},
       {Refused("/lumetra/text", "mode -1 is not 0..19")}, refused},
      // Malformed, but naming our address: refused too, so the cue system's log says why.
      {"unknown address", OscMessage("/lumetra/stop"), {}, {Refused("/lumetra/stop", "unknown address")}, refused},
      {"goto without a line", OscMessage("/lumetra/goto"), {},
       {Refused("/lumetra/goto", "arguments \"\" do not fit: expects i")}, refused},
      {"goto with a string", OscMessage("/lumetra/goto", {std::string("2")}), {},
       {Refused("/lumetra/goto", "arguments \"s\" do not fit: expects i")}, refused},
      {"goto with two lines", OscMessage("/lumetra/goto", {1, 2}), {},
       {Refused("/lumetra/goto", "arguments \"ii\" do not fit: expects i")}, refused},
      {"go with an argument", OscMessage("/lumetra/go", {1.0f}), {},
       {Refused("/lumetra/go", "arguments \"f\" do not fit: expects none")}, refused},
      {"text with a number", OscMessage("/lumetra/text", {1}), {},
       {Refused("/lumetra/text", "arguments \"i\" do not fit: expects s or s i")}, refused},
      // Ignored: not ours, or no OSC message at all.
      {"prefix only", OscMessage("/lumetra"), {}, {}, OscOutcome::Ignored},
      {"another program's address", OscMessage("/cue/go"), {}, {}, OscOutcome::Ignored},
      {"empty datagram", QByteArray(), {}, {}, OscOutcome::Ignored},
      {"bundle", QByteArray("#bundle\0\0\0\0\0\0\0\0\1", 16), {}, {}, OscOutcome::Ignored},
      {"no type tags", QByteArray("/lumetra/go\0", 12), {}, {}, OscOutcome::Ignored},
  };
  for (const Case& c : cases) {
    RecordingControl control;
    OscDispatcher dispatcher(control);
    const OscAnswer answer = dispatcher.Dispatch(c.datagram, {}, kSender);
    EXPECT_EQ(answer.outcome, c.outcome) << c.what;
    EXPECT_EQ(control.calls, c.calls) << c.what;
    QStringList expected = c.answers;
    if (c.outcome != OscOutcome::Ignored) expected << kState;
    EXPECT_EQ(Described(answer.replies), expected) << c.what;
    EXPECT_EQ(answer.sends, int(c.answers.filter(QStringLiteral("/lumetra/sent")).size())) << c.what;
  }
}

TEST(OscDispatch, EveryCutOfAMessageAndStrayBytesAreIgnored) {
  RecordingControl control;
  OscDispatcher dispatcher(control);
  for (const QByteArray& whole : {OscMessage("/lumetra/send", {2}), OscMessage("/lumetra/text", {std::string("abcdefg")})})
    for (qsizetype size = 0; size < whole.size(); ++size)
      EXPECT_EQ(dispatcher.Dispatch(whole.left(size), {}, kSender).outcome, OscOutcome::Ignored) << size;
  QByteArray garbage = OscMessage("/lumetra/send", {2});
  garbage[16] = 'x';  // a type tag liblo does not know
  EXPECT_EQ(dispatcher.Dispatch(garbage, {}, kSender).outcome, OscOutcome::Ignored);
  EXPECT_TRUE(control.calls.isEmpty());
}

TEST(OscDispatch, AnswersOnlyTheSendsItsOwnCueMadeAndWhatTheConsoleRefused) {
  // A console whose go is refused, and one that made sends for another input meanwhile: the
  // answer holds the refusal, and no send of another input.
  struct RefusingControl : RecordingControl {
    RemoteResult Go(RemoteClock::time_point, const QString&) override {
      return RemoteResult::Refusing(RemoteRefusal::NoMode, QStringLiteral("line 2 has no display mode"));
    }
  } control;
  OscDispatcher dispatcher(control);
  control.Blank(QStringLiteral("web 127.0.0.1:6000"));
  EXPECT_EQ(Described(dispatcher.Dispatch(OscMessage("/lumetra/state"), {}, kSender).replies),
            QStringList({"/lumetra/signs 1", kState}));
  EXPECT_EQ(Described(dispatcher.Dispatch(OscMessage("/lumetra/go"), {}, kSender).replies),
            QStringList({Refused("/lumetra/go", "line 2 has no display mode"), kState}));
}

TEST(OscDispatch, TheStateReplyCarriesThePlayheadsLineTextAndCount) {
  EXPECT_EQ(DecodeStateReply(OscStateReply({2, QStringLiteral("第二行"), 3})), (RemoteState{2, QStringLiteral("第二行"), 3}));
  EXPECT_EQ(DecodeStateReply(OscStateReply({})), (RemoteState{0, QString(), 0}));
}
