// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console's main window: every piece of console state lives in its controls or in a few
// window-wide values, and its handlers do all of the console's work.
#include <QCheckBox>
#include <QCoreApplication>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QString>
#include <functional>

#include "console/CaptionChanges.h"
#include "console/CaptionListFill.h"
#include "console/ModeSelector.h"
#include "console/PlayList.h"
#include "keeping/ConsoleStateFolder.h"
#include "keeping/SendLog.h"
#include "keeping/ShowPositionTracker.h"
#include "keeping/ShowRecovery.h"
#include "platform/Application.h"
#include "platform/Bitmap.h"
#include "platform/Form.h"
#include "platform/Image.h"
#include "platform/UpDown.h"
#include "show/LineSettingTable.h"
#include "show/TranslationTrack.h"
#include "skin/controls/SkinButton.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

class TForm1 : public TForm {
 public:
  // The working state is written into `programFolder` on close: the program's own folder, or a
  // folder of the caller's (tests, which must never write beside the test programs).
  explicit TForm1(const QString& programFolder = QCoreApplication::applicationDirPath());
  ~TForm1() override;

  // Controls, by their form names.
  QLabel* Label4;
  QPlainTextEdit* Memo1;
  QLabel* Label5;
  TImage* Image1;
  PlayList* ListBox1;
  QGroupBox* GroupBox1;
  QLabel* Label3;
  ModeSelector* ComboBox1;
  QCheckBox* CheckBox1;
  QLabel* Label1;
  QLineEdit* Edit1;
  TUpDown* UpDown1;
  QLabel* Label2;
  QLineEdit* Edit2;
  TUpDown* UpDown2;
  QGroupBox* GroupBox2;
  QLabel* Label6;
  QLineEdit* Edit3;
  TUpDown* UpDown3;
  TSkinButton* SkinButton4;
  TSkinButton* SkinButton1;
  TSkinButton* SkinButton2;
  TSkinButton* SkinButton3;
  TImage* Image2;
  QLabel* Label7;
  QPushButton* Button5;
  QPushButton* Button15;
  QPushButton* Button6;

  // The skin components: the frame skinner (it takes the window's frame over as it is made), the
  // stored skin compiled into the program and the skin data that parses it at start-up for the
  // skinned frame and buttons.
  TSkinForm SkinForm1{this};
  TCompressedStoredSkin CompressedStoredSkin1{this};
  TSkinData SkinData1{this};

  // Console state beyond the controls.
  LineSettingTable LineSettings;
  TFont CaptionFont;  // the font dialog's font
  TBitmap LedFrame;
  QString LastCaption;  // the caption of the last send
  SendRecord LastSend;    // what the last send did, as the send log has it
  qint64 SendsMade = 0;   // sends so far, tried or not: a remote input tells its own from them
  ShowPositionTracker PositionTracker;  // the lines sent and selected, as edits move them
  SendLog Sends{ConsoleStateFolder()};  // one line per send, whatever started it
  // The show's translation tracks, line i of each beside caption line i; none unless given.
  QList<TranslationTrack> Tracks;
  // Told of every send once its result is known (the web pages follow the sign by it).
  std::function<void(const SendRecord& send)> SendDone;
  // Where the working state is written on close: the program's own folder.
  QString ProgramFolder;
  // The copy of the working state kept while the console runs, for a start after a crash.
  ShowRecovery Recovery{[this] { return RecoveryNow(); }};

  // Handlers.
  void FormCreate();
  void FormShow();
  void FormClose(TCloseAction& action);
  void Memo1Change();
  void ListBox1Click();
  void ListBox1DblClick();
  void ListBox1KeyUp(int key);
  void ComboBox1Click();
  void CheckBox1Click();
  void Edit1Change();
  void Edit2Change();
  void Button5Click();
  void Button6Click();
  void Button15Click();
  void SkinButton1Click();
  void SkinButton2Click();
  void SkinButton3Click();
  void SkinButton4Click();

  // The send of the selected line (a double-click), Enter's send and step, the send of a line in
  // a given mode (GO), and the send of a caption that is no line of the list (`line` 0; the blank
  // page, announcements). `source` tells the send log what started it.
  void SendSelectedLine(const QString& source);
  void SendAndStep(const QString& source);
  void SendLineInMode(int line, int mode, const QString& source);
  void SendCaption(const QString& caption, int mode, int line, const QString& source);

  // The playhead: the line (from 0) the next GO sends, -1 when the list is empty; marked in the
  // play list, and where the show is taken up after a crash, once a remote input is on.
  int Playhead() const { return PositionTracker.Playhead(ListBox1->count()); }
  void RemoteInputStarted();
  bool RemoteInputOn() const { return remoteInputOn_; }
  // The mode a line goes out in as programmed: its entry's (what a click on it shows), past the
  // table the mode the selector holds once an edit under way is given up; -1 when that is none.
  int ProgrammedMode(int line) const;

  // Shared steps of the play list.
  // Selects a line and shows its settings, as the operator's click on it does.
  void SelectLineAsClicked(int line);
  void ShowLine(int line);
  void StoreToAll();
  // After a change of the current values: with "全部应用" ticked every entry takes them, else
  // `store` writes them into the selected line's entry (none beyond the table).
  void StoreCurrent(void (*store)(LineSetting& entry, const TForm1& form));

  // The caption list as lines, and the current values the window shows.
  QStringList CaptionLines() const;
  // Replaces the caption list (the play list follows).
  void SetCaptionLines(const QStringList& lines);
  int CurrentSpeed() const { return UpDown1->Position(); }
  int CurrentDwell() const { return UpDown2->Position(); }
  int CurrentMode() const { return ComboBox1->Mode(); }
  int PortNumber() const { return UpDown3->Position(); }
  // What the working state would now hold, and where the show stands, for the recovery copy.
  RecoveryState RecoveryNow() const;
  ShowPosition PositionNow() const { return PositionTracker.Position(ListBox1->count(), remoteInputOn_); }
  // After every operator action (and remote cue): the recovery copy notes what may have changed.
  void AfterOperatorAction();
  // Tells the operator something once the window is up, without holding up its showing.
  void TellOnceShown(const QString& notice);

 protected:
  void DoShow() override;
  void DoClose(TCloseAction& action) override { FormClose(action); }

 private:
  // What edits of the caption list changed, for the play list; and the caption list's filling
  // with a long show.
  CaptionChanges* captionChanges_ = nullptr;
  CaptionListFill* captionFill_ = nullptr;
  void CaptionListFilled();
  bool remoteInputOn_ = false;
  // The play list marks the playhead's line while a remote input is on.
  void MarkPlayhead();

  void CreateControls();
  // A command button drawn from the skin's "button" entry, its size and caption font and
  // colours taken from the skin.
  TSkinButton* MakeSkinButton(QWidget* parent, const TRect& bounds, const QString& caption);
  // The frame skinner's settings; it shows its default frame until the stored skin is loaded.
  void SetUpSkinForm();
  void LoadStoredSkin();
  void ConnectHandlers();
  void SetTabOrder();
  void CentreOnScreen();
  // Looks for a recovery copy left behind and keeps the copy from now on, restoring the working
  // state first (`restore`, or when a copy was found after all): from what was left behind, else
  // from "lw1.ini".
  void TakeUpRecovery(bool restore);
  void RestoreWorkingState(const RecoveryLeftBehind& left);
  // Runs a handler through the application's standard exception handler.
  template <typename Handler>
  auto Guarded(Handler handler) {
    return [this, handler](auto&&...) {
      Application().Guard([this, handler] { (this->*handler)(); });
      AfterOperatorAction();
    };
  }
};
