// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/FormRemoteControl.h"

#include "console/Unit1.h"
#include "platform/Application.h"
#include "wire/DisplayModes.h"
#include "wire/DisplayPacket.h"
#include "wire/GlyphCoverage.h"
#include "wire/SignLink.h"
#include "wire/SignPorts.h"

namespace {

QString LineWords(int line) { return line > 0 ? QStringLiteral("line %1").arg(line) : QStringLiteral("the caption"); }

}  // namespace

RemoteResult FormRemoteControl::Run(const std::function<void()>& action) {
  const int selected = form_.ListBox1->SelectedLine();
  const qint64 sends = form_.SendsMade;
  Application().Guard(action);
  RemoteResult result;
  if (form_.SendsMade != sends) {
    const SendRecord& sent = form_.LastSend;
    QString words = sent.result;
    // Drawn in the font the frame drew it in: the sign gets an empty box for these.
    const QString note = NoGlyphNote(MissingGlyphs(form_.LedFrame.Canvas.Font.ToQFont(), sent.caption));
    if (words == QLatin1String("ok") && !note.isEmpty()) words += QStringLiteral("; ") + note;
    result.sends.push_back({sent.line, sent.mode, words});
  }
  if (form_.ListBox1->SelectedLine() != selected) form_.ComboBox1->AbandonEdit();
  form_.AfterOperatorAction();  // as after the operator's own action: the recovery copy follows
  form_.Recovery.PositionOnDisk(form_.PositionNow());
  return result;
}

RemoteResult FormRemoteControl::Limits(const QString& text, int mode, int line) const {
  if (mode < 0 || mode >= kDisplayModeCount)
    return RemoteResult::Refusing(RemoteRefusal::NoMode,
                                  line > 0 ? QStringLiteral("line %1 has no display mode: its stored mode is not 0..%2")
                                                 .arg(line)
                                                 .arg(kDisplayModeCount - 1)
                                           : QStringLiteral("mode %1 is not 0..%2").arg(mode).arg(kDisplayModeCount - 1));
  // Counted as the send counts them, on a frame of its own: the window's is left as it is.
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, form_.CaptionFont);
  const int pages = DisplayPacketPages(frame, text, mode);
  // The count byte would wrap and the sign take a broken packet.
  if (pages > kMostPacketPages)
    return RemoteResult::Refusing(RemoteRefusal::TooManyPages,
                                  QStringLiteral("%1 needs %2 pages in mode %3; a packet holds at most %4")
                                      .arg(LineWords(line))
                                      .arg(pages)
                                      .arg(mode)
                                      .arg(kMostPacketPages));
  // A show's own lines are the show's; an announcement must not hold the show up.
  const double ms = WireMilliseconds(qint64(kPacketHeader.size()) + 1 + qint64(pages) * kPageRecordSize);
  if (line == 0 && ms > kLongestRemoteTextMs)
    return RemoteResult::Refusing(RemoteRefusal::TooLong,
                                  QStringLiteral("the caption would hold the line for %1 s in mode %2; a text may take "
                                                 "at most %3 s")
                                      .arg(ms / 1000, 0, 'f', 2)
                                      .arg(mode)
                                      .arg(kLongestRemoteTextMs / 1000, 0, 'f', 0));
  return {};
}

RemoteState FormRemoteControl::State() const {
  const int playhead = form_.Playhead();
  return {playhead + 1, playhead >= 0 ? form_.ListBox1->Lines()[playhead] : QString(), form_.ListBox1->count(),
          SignCountOfPort(form_.PortNumber())};
}

RemoteResult FormRemoteControl::Go(RemoteClock::time_point, const QString& source) {
  const int line = form_.Playhead();
  if (line < 0) return RemoteResult::Refusing(RemoteRefusal::NoLine, QStringLiteral("the list has no lines"));
  if (!HasLineSetting(line)) form_.ComboBox1->AbandonEdit();  // past the table the selector gives the mode
  const int mode = form_.ProgrammedMode(line);
  if (RemoteResult refused = Limits(form_.ListBox1->Lines()[line], mode, line + 1); refused.Refused()) return refused;
  return Run([&] { form_.SendLineInMode(line, mode, source); });
}

RemoteResult FormRemoteControl::Cue(int index) {
  return Run([&] {
    form_.SelectLineAsClicked(index);
    form_.PositionTracker.Cued(index);
  });
}

RemoteResult FormRemoteControl::GoTo(int line) { return Cue(line - 1); }

RemoteResult FormRemoteControl::Next() {
  const int count = form_.ListBox1->count();
  if (count == 0) return {};
  const int playhead = form_.Playhead();
  return Cue(playhead == count - 1 ? 0 : playhead + 1);
}

RemoteResult FormRemoteControl::Previous() {
  const int playhead = form_.Playhead();
  if (playhead <= 0) return {};  // the arrow key stops at the first line
  return Cue(playhead - 1);
}

RemoteResult FormRemoteControl::SendLine(int line, const QString& source) {
  RemoteResult refused;
  RemoteResult sent = Run([&] {
    form_.SelectLineAsClicked(line - 1);
    form_.ComboBox1->AbandonEdit();  // the send reads the selector: an edit under way gives way
    refused = Limits(form_.ListBox1->Lines()[line - 1], form_.CurrentMode(), line);
    if (!refused.Refused()) form_.SendSelectedLine(source);
  });
  return refused.Refused() ? refused : sent;
}

RemoteResult FormRemoteControl::Blank(const QString& source) {
  return Run([&] { form_.SendCaption(QString(), 0, 0, source); });
}

RemoteResult FormRemoteControl::SendText(const QString& text, int mode, const QString& source) {
  if (RemoteResult refused = Limits(text, mode, 0); refused.Refused()) return refused;
  return Run([&] { form_.SendCaption(text, mode, 0, source); });
}

void FormRemoteControl::InputOn() { form_.RemoteInputStarted(); }
