// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/FormRemoteControl.h"

#include <utility>

#include "console/Unit1.h"
#include "platform/Application.h"
#include "wire/DisplayPacket.h"
#include "wire/GlyphCoverage.h"
#include "wire/SignPorts.h"

void FormRemoteControl::Run(const std::function<void()>& action) {
  const int selected = form_.ListBox1->SelectedLine();
  const qint64 sends = form_.SendsMade;
  Application().Guard(action);
  if (form_.SendsMade != sends) {
    const SendRecord& sent = form_.LastSend;
    QString result = sent.result;
    // Drawn in the font the frame drew it in: the sign gets an empty box for these.
    const QString note = NoGlyphNote(MissingGlyphs(form_.LedFrame.Canvas.Font.ToQFont(), sent.caption));
    if (result == QLatin1String("ok") && !note.isEmpty()) result += QStringLiteral("; ") + note;
    sends_.push_back({sent.line, sent.mode, result});
  }
  if (form_.ListBox1->SelectedLine() != selected) form_.ComboBox1->AbandonEdit();
  form_.AfterOperatorAction();  // as after the operator's own action: the recovery copy follows
}

RemoteState FormRemoteControl::State() const {
  const int selected = form_.ListBox1->SelectedLine();
  return {selected + 1, selected >= 0 ? form_.ListBox1->Lines()[selected] : QString(), form_.ListBox1->count(),
          SignCountOfPort(form_.PortNumber())};
}

void FormRemoteControl::Go(const QString& source) {
  Run([&] { form_.SendAndStep(source); });
}

void FormRemoteControl::SelectAsClicked(int index) {
  Run([&] { form_.SelectLineAsClicked(index); });
}

void FormRemoteControl::Select(int line) { SelectAsClicked(line - 1); }

void FormRemoteControl::Next() {
  const int count = form_.ListBox1->count();
  if (count == 0) return;
  const int selected = form_.ListBox1->SelectedLine();
  SelectAsClicked(selected < 0 || selected == count - 1 ? 0 : selected + 1);
}

void FormRemoteControl::Previous() {
  const int selected = form_.ListBox1->SelectedLine();
  if (form_.ListBox1->count() == 0 || selected == 0) return;  // the arrow key stops at the first line
  SelectAsClicked(selected < 0 ? 0 : selected - 1);
}

void FormRemoteControl::SendLine(int line, const QString& source) {
  SelectAsClicked(line - 1);
  Run([&] { form_.SendSelectedLine(source); });
}

void FormRemoteControl::Blank(const QString& source) {
  Run([&] { form_.SendCaption(QString(), 0, 0, source); });
}

void FormRemoteControl::SendText(const QString& text, const QString& source) {
  SendText(text, form_.CurrentMode(), source);
}

void FormRemoteControl::SendText(const QString& text, int mode, const QString& source) {
  Run([&] { form_.SendCaption(text, mode, 0, source); });
}

int FormRemoteControl::PacketPages(const QString& text, int mode) const {
  // Counted as the send counts them, on a frame of its own: the window's is left as it is.
  TBitmap frame = CreateLedFrame();
  PrepareFrame(frame, form_.CaptionFont);
  return DisplayPacketPages(frame, text, mode);
}

std::vector<RemoteSend> FormRemoteControl::TakeSends() { return std::exchange(sends_, {}); }
