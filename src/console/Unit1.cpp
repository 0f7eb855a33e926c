// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "console/Unit1.h"

#include <QCoreApplication>
#include <QDir>
#include <QTimer>

#include "console/CaptionListTabKeys.h"
#include "console/ConsoleLook.h"
#include "console/WindowSettingsSink.h"
#include "keeping/ConsoleStateFolder.h"
#include "platform/DialogService.h"
#include "show/CaptionFont.h"
#include "show/CaptionImport.h"
#include "show/CaptionLines.h"
#include "show/PortNumber.h"
#include "show/SettingsFile.h"
#include "show/ShowPaths.h"
#include "show/WorkingState.h"
#include "skin/data/StoredSkinData.h"
#include "wire/DisplayModes.h"
#include "wire/LedFrame.h"
#include "wire/SignLink.h"

namespace {

constexpr int kClientWidth = 530;
constexpr int kClientHeight = 337;
// Longer shows go into the caption list piece by piece, the window answering in between.
constexpr qsizetype kCaptionLinesAtOnce = 1000;

}  // namespace

TForm1::TForm1(const QString& programFolder)
    : TForm(ConsoleWindowFont()), CaptionFont(InitialCaptionFont()), ProgramFolder(programFolder) {
  SetBorderStyle(TFormBorderStyle::bsSingle);
  SetClientSize(kClientWidth, kClientHeight);
  SetColor(clMoneyGreen);
  SetCaption(QStringLiteral("Lumetra2.0版"));
  // The skin's package is inflated and read on a thread of its own while the controls are built.
  CompressedStoredSkin1.SetCompressedData(StoredSkinCompressedData());
  CompressedStoredSkin1.ReadPackageAhead();
  CreateControls();
  SetUpSkinForm();
  LoadStoredSkin();
  // The window's client size holds under whatever frame the skin gives it.
  SetClientSize(kClientWidth, kClientHeight);
  SetTabOrder();
  ConnectHandlers();
  FormCreate();
}

void TForm1::LoadStoredSkin() {
  // A skin that cannot be read is reported, and the console runs on with its plain look.
  CompressedStoredSkin1.Name = QStringLiteral("CompressedStoredSkin1");
  SkinData1.Name = QStringLiteral("SkinData1");
  Application().Guard([this] { SkinData1.SetCompressedStoredSkin(&CompressedStoredSkin1); });
}

TForm1::~TForm1() = default;

void TForm1::SetUpSkinForm() {
  SkinForm1.Name = QStringLiteral("SkinForm1");
  SkinForm1.SetBorderIcons(biRollUp);
  SkinForm1.UseSkinFontInMenu = true;
  SkinForm1.SetDefMenuItemHeight(20);
  SkinForm1.DefMenuItemFont.Color = clWindowText;
  SkinForm1.SetSkinData(&SkinData1);
}

TSkinButton* TForm1::MakeSkinButton(QWidget* parent, const TRect& bounds, const QString& caption) {
  auto* button = new TSkinButton(parent);
  button->SetSkinDataName(QStringLiteral("button"));
  button->SetUseSkinSize(true);
  button->UseSkinFont = true;
  button->SetUseSkinFontColor(true);
  button->SetCaption(caption);
  button->SetBounds(bounds.Left, bounds.Top, bounds.Width(), bounds.Height());
  button->SetSkinData(&SkinData1);
  return button;
}

void TForm1::CreateControls() {
  QWidget* window = Client();

  Label4 = MakeLabel(window, Bounds(8, 2, 80, 16), QStringLiteral("编辑信息："));
  SetControlFont(Label4, ConsoleFont(-16, clBlack));
  Memo1 = new QPlainTextEdit(window);
  Memo1->setGeometry(Bounds(3, 21, 250, 235).ToQRect());
  Memo1->setLineWrapMode(QPlainTextEdit::NoWrap);
  // Tab and Shift+Tab move the focus, as in every other control: the operator reaches the play
  // list from the keyboard, and no tab character goes into a caption and on to the sign.
  new CaptionListTabKeys(Memo1);
  SetControlFont(Memo1, ConsoleFont(-16, clRed));
  SetTextColours(Memo1, clBlack, clRed);
  captionChanges_ = new CaptionChanges(Memo1->document());
  captionFill_ = new CaptionListFill(Memo1, [this] { CaptionListFilled(); });
  Label5 = MakeLabel(window, Bounds(245, 1, 80, 16), QStringLiteral("播放信息："));
  Image1 = new TImage(window);
  Image1->setGeometry(Bounds(329, 3, kLedWidth, kLedHeight).ToQRect());
  ListBox1 = new PlayList(window);
  ListBox1->setGeometry(Bounds(274, 21, 250, 235).ToQRect());
  SetControlFont(ListBox1, ConsoleFont(-16, clRed));
  SetTextColours(ListBox1, clBlack, clRed);

  GroupBox1 = MakeGroupBox(window, Bounds(253, 257, 271, 48));
  Label3 = MakeLabel(GroupBox1, Bounds(5, 24, 64, 16), QStringLiteral("显示方式"));
  const TFont modeFont = ConsoleFont(-13, clWindowText);
  ComboBox1 = new ModeSelector(GroupBox1, modeFont.ToQFont());
  ComboBox1->setGeometry(Bounds(71, 23, 109, 21).ToQRect());
  SetControlFont(ComboBox1, modeFont);
  CheckBox1 = new QCheckBox(QStringLiteral("全部应用"), GroupBox1);
  CheckBox1->setGeometry(Bounds(184, 24, 85, 17).ToQRect());
  // The speed and dwell editors hold the current values but are never shown.
  Label1 = MakeLabel(GroupBox1, Bounds(151, 49, 64, 16), QStringLiteral("播放速度"));
  Edit1 = new QLineEdit(GroupBox1);
  Edit1->setGeometry(Bounds(221, 46, 25, 24).ToQRect());
  UpDown1 = new TUpDown(GroupBox1);
  UpDown1->setGeometry(Bounds(246, 46, 17, 24).ToQRect());
  UpDown1->SetRange(0, 1000);
  UpDown1->SetAssociate(Edit1);
  Label2 = MakeLabel(GroupBox1, Bounds(6, 49, 64, 16), QStringLiteral("停留时间"));
  Edit2 = new QLineEdit(GroupBox1);
  Edit2->setGeometry(Bounds(74, 44, 25, 24).ToQRect());
  UpDown2 = new TUpDown(GroupBox1);
  UpDown2->setGeometry(Bounds(99, 44, 17, 24).ToQRect());
  UpDown2->SetRange(0, 1000);
  UpDown2->SetAssociate(Edit2);
  UpDown2->SetPosition(5);
  for (QWidget* hidden : std::initializer_list<QWidget*>{Label1, Edit1, UpDown1, Label2, Edit2, UpDown2})
    hidden->hide();

  GroupBox2 = MakeGroupBox(window, Bounds(4, 256, 246, 73));
  Label6 = MakeLabel(GroupBox2, Bounds(4, 47, 48, 16), QStringLiteral("串口："));
  Edit3 = new QLineEdit(GroupBox2);
  Edit3->setGeometry(Bounds(46, 44, 31, 24).ToQRect());
  UpDown3 = new TUpDown(GroupBox2);
  UpDown3->setGeometry(Bounds(79, 45, 20, 24).ToQRect());
  UpDown3->SetRange(kMinPortNumber, kMaxPortNumber);
  UpDown3->SetAssociate(Edit3);
  SkinButton4 = MakeSkinButton(GroupBox2, Bounds(164, 44, 75, 25), QStringLiteral("退出系统"));
  // These three lie over the lower part of GroupBox2 and are drawn above it.
  SkinButton1 = MakeSkinButton(window, Bounds(8, 272, 75, 25), QStringLiteral("调入文件"));
  SkinButton2 = MakeSkinButton(window, Bounds(88, 272, 75, 25), QStringLiteral("保存文件"));
  SkinButton3 = MakeSkinButton(window, Bounds(168, 272, 75, 25), QStringLiteral("字体设置"));

  Image2 = new TImage(window);
  Image2->setGeometry(Bounds(258, 310, 24, 24).ToQRect());
  Image2->SetPicture(ConsoleBadge());
  Image2->SetStretch(true);
  Label7 = MakeLabel(window, Bounds(283, 311, 226, 21), QStringLiteral(" LumetraV2.0 "));
  TFont badgeFont = ConsoleFont(-21, clBlue);
  badgeFont.Style = TFontStyle::fsBold | TFontStyle::fsItalic | TFontStyles(TFontStyle::fsUnderline);
  SetControlFont(Label7, badgeFont);

  // The font, save and load commands stand beyond the client edge: the operator reaches them
  // through the command buttons above.
  Button5 = MakeCommandButton(window, Bounds(615, 12, 70, 25), QStringLiteral("字体设置"));
  Button15 = MakeCommandButton(window, Bounds(616, 44, 70, 25), QStringLiteral("保存文件"));
  Button6 = MakeCommandButton(window, Bounds(616, 76, 70, 25), QStringLiteral("调入文件"));
  for (QPushButton* button : {Button5, Button15, Button6}) SetControlFont(button, ConsoleFont(-13, clWindowText));
}

void TForm1::SetTabOrder() {
  const QWidget* order[] = {Memo1, ListBox1, Button5, Button15, Button6, ComboBox1,   CheckBox1,
                            Edit3, SkinButton4, SkinButton1, SkinButton2, SkinButton3};
  for (std::size_t i = 0; i + 1 < std::size(order); ++i)
    QWidget::setTabOrder(const_cast<QWidget*>(order[i]), const_cast<QWidget*>(order[i + 1]));
  for (QWidget* passive : std::initializer_list<QWidget*>{Image1, Image2, UpDown3}) passive->setFocusPolicy(Qt::NoFocus);
}

void TForm1::ConnectHandlers() {
  QObject::connect(Memo1, &QPlainTextEdit::textChanged, Window(), Guarded(&TForm1::Memo1Change));
  QObject::connect(ListBox1, &PlayList::lineClicked, Window(), Guarded(&TForm1::ListBox1Click));
  QObject::connect(ListBox1, &PlayList::doubleClicked, Window(), Guarded(&TForm1::ListBox1DblClick));
  QObject::connect(ListBox1, &PlayList::keyReleased, Window(), [this](int key) {
    Application().Guard([this, key] { ListBox1KeyUp(key); });
    AfterOperatorAction();
  });
  QObject::connect(ComboBox1, &ModeSelector::modeChosen, Window(), Guarded(&TForm1::ComboBox1Click));
  QObject::connect(CheckBox1, &QCheckBox::clicked, Window(), Guarded(&TForm1::CheckBox1Click));
  QObject::connect(Edit1, &QLineEdit::textChanged, Window(), Guarded(&TForm1::Edit1Change));
  QObject::connect(Edit2, &QLineEdit::textChanged, Window(), Guarded(&TForm1::Edit2Change));
  QObject::connect(Button5, &QPushButton::clicked, Window(), Guarded(&TForm1::Button5Click));
  QObject::connect(Button15, &QPushButton::clicked, Window(), Guarded(&TForm1::Button15Click));
  QObject::connect(Button6, &QPushButton::clicked, Window(), Guarded(&TForm1::Button6Click));
  // The port has no handler of its own; the recovery copy still follows it.
  QObject::connect(UpDown3, &TUpDown::positionChangedByUser, Window(), [this] { AfterOperatorAction(); });
  SkinButton1->OnClick = Guarded(&TForm1::SkinButton1Click);
  SkinButton2->OnClick = Guarded(&TForm1::SkinButton2Click);
  SkinButton3->OnClick = Guarded(&TForm1::SkinButton3Click);
  SkinButton4->OnClick = Guarded(&TForm1::SkinButton4Click);
}

void TForm1::FormCreate() {
  ResetLineSettings(LineSettings);
  ComboBox1->SetModeSilently(0);
  CentreOnScreen();
  TCanvas& preview = Image1->Canvas();
  preview.Brush.Color = clBlack;
  preview.Pen.Color = clBlack;
  preview.FillRect(Rect(0, 0, Image1->width(), Image1->height()));
  Image1->Changed();
  UpDown3->SetPosition(1);
  LedFrame = CreateLedFrame();
}

void TForm1::CentreOnScreen() {
  // By outer size, dividing with truncation toward zero.
  Window()->move((ScreenWidth() - Width()) / 2, (ScreenHeight() - Height()) / 2);
}

void TForm1::DoShow() {
  // The system frame's size is known only once the window is shown: centre by the outer size
  // again if the frame changed it.
  if (Window()->frameGeometry().size() != Window()->size()) CentreOnScreen();
  FormShow();
}

void TForm1::FormShow() {
  SetCaptionLines({});
  // A recovery copy left behind is newer than "lw1.ini": the run that left it never closed. Only
  // a start after such a run finds one and takes it up before the window shows; any other start
  // takes up the recovery copy once the window is up, so that the window comes no later for it.
  if (ShowRecovery::LeftBehindIn(ConsoleStateFolder())) {
    TakeUpRecovery(true);
    return;
  }
  RestoreWorkingState({});
  QTimer::singleShot(0, Window(), [this] { TakeUpRecovery(false); });
}

void TForm1::TakeUpRecovery(bool restore) {
  const RecoveryLeftBehind left = Recovery.Begin(ConsoleStateFolder());
  if (!left.notice.isEmpty()) TellOnceShown(left.notice);
  if (restore || !left.path.isEmpty()) RestoreWorkingState(left);
  Recovery.Kept(RecoveryNow(), PositionNow(), !left.path.isEmpty());
  MarkPlayhead();
}

void TForm1::RestoreWorkingState(const RecoveryLeftBehind& left) {
  const QString saved =
      left.path.isEmpty() ? WorkingStateToRestore(QDir::currentPath(), UserStateFolder()) : left.path;
  if (!saved.isEmpty()) {
    WindowSettingsSink sink(*this);
    LoadSettingsFile(saved, sink);
  }
  ShowLine(0);
  if (left.resumeLine >= 0) {
    SelectLineAsClicked(left.resumeLine);  // nothing is sent
    PositionTracker.Cued(left.resumeLine);
  }
}

void TForm1::TellOnceShown(const QString& notice) {
  QTimer::singleShot(0, Window(), [notice] {
    Application().Guard([&] { Dialogs().ShowMessage(Application().Title, notice); });
  });
}

void TForm1::FormClose(TCloseAction&) {
  // Beside the program; an installed program's folder refuses, and the per-user folder takes it.
  SaveWorkingState(EncodeSettingsFile(PortNumber(), CaptionFont, CaptionLines(), LineSettings),
                   ProgramFolder, UserStateFolder());
  // Only a close that kept the working state ends the need for its recovery copy.
  Recovery.Discard();
}

RecoveryState TForm1::RecoveryNow() const {
  return RecoveryState{EncodeSettingsHead(PortNumber(), CaptionFont), ListBox1->Lines(), LineSettings};
}

void TForm1::AfterOperatorAction() {
  Recovery.Changed();
  Recovery.PositionNow(PositionNow());
  MarkPlayhead();
}

void TForm1::MarkPlayhead() {
  if (remoteInputOn_) ListBox1->MarkPlayhead(Playhead());
}

void TForm1::RemoteInputStarted() {
  remoteInputOn_ = true;
  AfterOperatorAction();  // the mark shows, and the show is now taken up at the playhead
}

int TForm1::ProgrammedMode(int line) const {
  return HasLineSetting(line) ? SentModeIndex(LineSettings[std::size_t(line)].Mode) : ComboBox1->CommittedMode();
}

QStringList TForm1::CaptionLines() const {
  captionFill_->Finish();  // the whole text, also while a long show is still going in
  return SplitCaptionLines(Memo1->toPlainText());
}

void TForm1::SetCaptionLines(const QStringList& lines) {
  captionFill_->Finish();
  if (lines.size() > kCaptionLinesAtOnce) {
    // A long show: the play list takes every line now, the caption list follows piece by piece
    // (one change of the caption list, mirrored as it begins).
    captionChanges_->Pause();
    PositionTracker.Edited(0, ListBox1->Lines(), lines);
    ListBox1->Mirror(lines);
    captionFill_->Start(lines);
    return;
  }
  // Every line ends with a line end, so an empty last line is a line of its own.
  QString text;
  for (const QString& line : lines) text += line + u'\n';
  Memo1->setPlainText(text);
}

void TForm1::CaptionListFilled() {
  // The caption list holds what the play list shows, unless a line held a character that the
  // caption list keeps as a line end or shows differently.
  const QStringList lines = captionChanges_->Resume();
  if (lines != ListBox1->Lines()) {
    PositionTracker.Edited(0, ListBox1->Lines(), lines);
    ListBox1->Mirror(lines);
  }
  // What the fill ended with is the working state now, whether or not anyone acts next.
  AfterOperatorAction();
}

void TForm1::Memo1Change() {
  if (captionFill_->Active()) return;
  for (const CaptionChanges::Change& change : captionChanges_->Take()) {
    PositionTracker.Edited(change.first, ListBox1->Lines().mid(change.first, change.removed), change.lines);
    ListBox1->ReplaceLines(change.first, change.removed, change.lines);
  }
  ListBox1->ShowFromTop();
}

void TForm1::ShowLine(int line) {
  if (!HasLineSetting(line)) return;  // lines beyond the table have no settings to show
  // Each step reads the entry at that moment: a change handler of the step before may have
  // stored into it.
  UpDown1->SetPosition(std::int16_t(LineSettings[line].Speed));
  UpDown2->SetPosition(std::int16_t(LineSettings[line].Dwell));
  ComboBox1->SetModeSilently(LineSettings[line].Mode);
}

void TForm1::StoreToAll() {
  LineSettings.fill(LineSetting{CurrentSpeed(), CurrentDwell(), CurrentMode()});
}

void TForm1::ListBox1Click() {
  PositionTracker.Selected(ListBox1->SelectedLine());
  ShowLine(ListBox1->SelectedLine());
}

void TForm1::SelectLineAsClicked(int line) {
  ListBox1->SelectLineSilently(line);
  ListBox1->scrollTo(ListBox1->currentIndex());
  ListBox1Click();
}

void TForm1::ListBox1DblClick() { SendSelectedLine(QStringLiteral("double-click")); }

void TForm1::SendSelectedLine(const QString& source) {
  const int line = ListBox1->SelectedLine();
  if (line < 0) return;
  SendLineInMode(line, CurrentMode(), source);
}

void TForm1::SendLineInMode(int line, int mode, const QString& source) {
  PositionTracker.Sent(line);
  SendCaption(ListBox1->Lines()[line], mode, line + 1, source);
}

void TForm1::SendCaption(const QString& caption, int mode, int line, const QString& source) {
  LastCaption = caption;
  RenderCentred(LedFrame, CaptionFont, LastCaption);
  Image1->Canvas().Draw(0, 0, LedFrame);
  Image1->Changed();
  const SignSendResult result = SendToSign(LedFrame, LastCaption, mode, PortNumber());
  // A port that cannot be opened, and one that stalls or vanishes mid-send, both show here.
  if (!result.complete) SetCaption(QStringLiteral("Com error"));
  LastSend = SendRecordOf(source, line, mode, caption, result);
  ++SendsMade;
  Sends.Append(LastSend);
  if (SendDone) SendDone(LastSend);
}

void TForm1::ListBox1KeyUp(int key) {
  if (key == VK_RETURN) SendAndStep(QStringLiteral("key"));
}

void TForm1::SendAndStep(const QString& source) {
  SendSelectedLine(source);
  const int line = ListBox1->SelectedLine();
  if (line < 0) return;
  // The program's own step: the current values stay those of the line just sent.
  ListBox1->SelectLineSilently(line == ListBox1->count() - 1 ? 0 : line + 1);
}

void TForm1::StoreCurrent(void (*store)(LineSetting& entry, const TForm1& form)) {
  if (CheckBox1->isChecked()) {
    StoreToAll();
    return;
  }
  const int line = ListBox1->SelectedLine();
  if (HasLineSetting(line)) store(LineSettings[line], *this);
}

void TForm1::ComboBox1Click() {
  StoreCurrent([](LineSetting& entry, const TForm1& form) {
    entry = LineSetting{form.CurrentSpeed(), form.CurrentDwell(), form.CurrentMode()};
  });
}

void TForm1::CheckBox1Click() {
  if (CheckBox1->isChecked()) StoreToAll();
}

void TForm1::Edit1Change() {
  StoreCurrent([](LineSetting& entry, const TForm1& form) { entry.Speed = form.CurrentSpeed(); });
}

void TForm1::Edit2Change() {
  StoreCurrent([](LineSetting& entry, const TForm1& form) { entry.Dwell = form.CurrentDwell(); });
}

void TForm1::Button5Click() {
  TFont chosen = CaptionFont;
  if (!Dialogs().ChooseFont(chosen)) return;
  CaptionFont = chosen;
  LedFrame.Canvas.Font = CaptionFont;
}

void TForm1::Button6Click() {
  const std::optional<QString> path = Dialogs().GetOpenFileName(CaptionFilesFilter());
  if (!path) return;
  // A show loaded is played from its first line.
  if (!IsSettingsFilePath(*path)) {
    SetCaptionLines(ImportCaptionFile(*path));  // port, font and settings stay as they are
    PositionTracker.Cued(0);
    return;
  }
  {
    WindowSettingsSink sink(*this);
    LoadSettingsFile(*path, sink);
  }
  ShowLine(0);
  PositionTracker.Cued(0);
}

void TForm1::Button15Click() {
  const std::optional<QString> path = Dialogs().GetSaveFileName(QStringLiteral("设置文件|*.lw"));
  if (!path) return;
  SaveSettingsFile(WithSettingsExtension(*path), PortNumber(), CaptionFont, CaptionLines(), LineSettings);
}

void TForm1::SkinButton1Click() { Button6->click(); }
void TForm1::SkinButton2Click() { Button15->click(); }
void TForm1::SkinButton3Click() { Button5->click(); }
void TForm1::SkinButton4Click() { Close(); }
