#include <QApplication>
#include <QScreen>
#include <QTest>

#include "console/DisplayModes.h"
#include "support/ConsoleFixture.h"

namespace {

QRect BoundsOf(const QWidget* w) { return w->geometry(); }

}  // namespace

using ConsoleWindow = ConsoleFixture;

TEST_F(ConsoleWindow, HasTheDocumentedLayout) {
  EXPECT_EQ(form->Caption(), QStringLiteral("Lumetra2.0版"));
  EXPECT_EQ(form->ClientWidth(), 530);
  EXPECT_EQ(form->ClientHeight(), 337);
  EXPECT_EQ(form->Client()->palette().color(QPalette::Window), QColor(192, 220, 192));

  struct Expected {
    const QWidget* control;
    QRect bounds;
    const QWidget* parent;
  };
  const QWidget* window = form->Client();
  // The skinned buttons are placed at 75 x 25; the skin's button keeps its own height of 21.
  const Expected table[] = {
      {form->Label4, {8, 2, 80, 16}, window},          {form->Memo1, {3, 21, 250, 235}, window},
      {form->Label5, {245, 1, 80, 16}, window},        {form->Image1, {329, 3, 192, 16}, window},
      {form->ListBox1, {274, 21, 250, 235}, window},   {form->GroupBox1, {253, 257, 271, 48}, window},
      {form->Label3, {5, 24, 64, 16}, form->GroupBox1}, {form->ComboBox1, {71, 23, 109, 21}, form->GroupBox1},
      {form->CheckBox1, {184, 24, 85, 17}, form->GroupBox1}, {form->Edit1, {221, 46, 25, 24}, form->GroupBox1},
      {form->UpDown1, {246, 46, 17, 24}, form->GroupBox1}, {form->Edit2, {74, 44, 25, 24}, form->GroupBox1},
      {form->UpDown2, {99, 44, 17, 24}, form->GroupBox1}, {form->GroupBox2, {4, 256, 246, 73}, window},
      {form->Label6, {4, 47, 48, 16}, form->GroupBox2}, {form->Edit3, {46, 44, 31, 24}, form->GroupBox2},
      {form->UpDown3, {79, 45, 20, 24}, form->GroupBox2}, {form->SkinButton4, {164, 44, 75, 21}, form->GroupBox2},
      {form->SkinButton1, {8, 272, 75, 21}, window},   {form->SkinButton2, {88, 272, 75, 21}, window},
      {form->SkinButton3, {168, 272, 75, 21}, window}, {form->Image2, {258, 310, 24, 24}, window},
      {form->Label7, {283, 311, 226, 21}, window},     {form->Button5, {615, 12, 70, 25}, window},
      {form->Button15, {616, 44, 70, 25}, window},     {form->Button6, {616, 76, 70, 25}, window},
  };
  for (const Expected& e : table) {
    EXPECT_EQ(BoundsOf(e.control), e.bounds) << e.control->metaObject()->className();
    EXPECT_EQ(e.control->parentWidget(), e.parent);
  }

  // Texts and visibility.
  EXPECT_EQ(form->Label4->text(), QStringLiteral("编辑信息："));
  EXPECT_EQ(form->Label5->text(), QStringLiteral("播放信息："));
  EXPECT_EQ(form->Label3->text(), QStringLiteral("显示方式"));
  EXPECT_EQ(form->CheckBox1->text(), QStringLiteral("全部应用"));
  EXPECT_EQ(form->Label6->text(), QStringLiteral("串口："));
  EXPECT_EQ(form->Label7->text(), QStringLiteral(" LumetraV2.0 "));
  EXPECT_EQ(form->SkinButton1->text(), QStringLiteral("调入文件"));
  EXPECT_EQ(form->SkinButton2->text(), QStringLiteral("保存文件"));
  EXPECT_EQ(form->SkinButton3->text(), QStringLiteral("字体设置"));
  EXPECT_EQ(form->SkinButton4->text(), QStringLiteral("退出系统"));
  EXPECT_EQ(form->Button5->text(), QStringLiteral("字体设置"));
  EXPECT_EQ(form->Button15->text(), QStringLiteral("保存文件"));
  EXPECT_EQ(form->Button6->text(), QStringLiteral("调入文件"));
  for (const QWidget* hidden : {static_cast<QWidget*>(form->Label1), static_cast<QWidget*>(form->Edit1),
                                static_cast<QWidget*>(form->UpDown1), static_cast<QWidget*>(form->Label2),
                                static_cast<QWidget*>(form->Edit2), static_cast<QWidget*>(form->UpDown2)})
    EXPECT_FALSE(hidden->isVisible());
  EXPECT_TRUE(form->Memo1->isVisible());
  // Beyond the client edge, yet still in the tab order after the play list.
  form->ListBox1->setFocus();
  for (QWidget* next : {static_cast<QWidget*>(form->Button5), static_cast<QWidget*>(form->Button15),
                        static_cast<QWidget*>(form->Button6), static_cast<QWidget*>(form->ComboBox1)}) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    EXPECT_TRUE(next->hasFocus() || next->isAncestorOf(QApplication::focusWidget())) << next->metaObject()->className();
  }

  // Fonts and colours of the lists.
  EXPECT_EQ(form->Memo1->font().pixelSize(), 16);
  EXPECT_EQ(form->Memo1->palette().color(QPalette::Base), QColor(Qt::black));
  EXPECT_EQ(form->ListBox1->palette().color(QPalette::Text), QColor(Qt::red));
  EXPECT_EQ(form->ComboBox1->font().pixelSize(), 13);
  EXPECT_EQ(form->Label7->font().pixelSize(), 21);
  EXPECT_TRUE(form->Label7->font().bold() && form->Label7->font().italic() && form->Label7->font().underline());
}

TEST_F(ConsoleWindow, StartsWithTheDefaults) {
  EXPECT_EQ(form->ListBox1->count(), 0);
  EXPECT_TRUE(form->Memo1->toPlainText().isEmpty());
  EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("立即显示"));
  EXPECT_EQ(form->ComboBox1->count(), kDisplayModeCount);
  EXPECT_EQ(form->ComboBox1->itemText(19), QStringLiteral("从下至上逐行展开"));
  EXPECT_EQ(form->PortNumber(), 1);
  EXPECT_EQ(form->Edit3->text(), QStringLiteral("1"));
  EXPECT_EQ(form->CurrentSpeed(), 0);
  EXPECT_EQ(form->CurrentDwell(), 5);
  EXPECT_FALSE(form->CheckBox1->isChecked());
  for (const LineSetting& entry : form->LineSettings) EXPECT_EQ(entry, (LineSetting{0, 5, 0}));
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("宋体"));
  EXPECT_EQ(form->CaptionFont.Height, -19);
  EXPECT_EQ(form->CaptionFont.Charset, GB2312_CHARSET);
  EXPECT_EQ(form->CaptionFont.Color, clRed);
  // The preview is black until the first send.
  const QImage& preview = form->Image1->Picture().Image();
  ASSERT_EQ(preview.size(), QSize(192, 16));
  for (int y = 0; y < 16; ++y)
    for (int x = 0; x < 192; ++x) ASSERT_EQ(QColor(preview.pixel(x, y)), QColor(Qt::black));
}

TEST_F(ConsoleWindow, WearsTheSkinsFrameAroundItsClientArea) {
  EXPECT_TRUE(form->SkinForm1.Skinned());
  EXPECT_EQ(form->SkinForm1.SkinData(), &form->SkinData1);
  EXPECT_EQ(form->SkinForm1.BorderIcons(), TBorderIcons(biRollUp));
  EXPECT_TRUE(form->Window()->windowFlags() & Qt::FramelessWindowHint);
  EXPECT_EQ(form->Width(), 555);
  EXPECT_EQ(form->Height(), 392);
  EXPECT_EQ(form->Client()->geometry(), QRect(13, 46, 530, 337));
  ASSERT_TRUE(form->WindowRgn().has_value());
  EXPECT_FALSE(form->WindowRgn()->contains(QPoint(0, 0)));
}

TEST_F(ConsoleWindow, IsCentredByOuterSize) {
  const QSize screen = QGuiApplication::primaryScreen()->geometry().size();
  EXPECT_EQ(form->Left(), (screen.width() - form->Width()) / 2);
  EXPECT_EQ(form->Top(), (screen.height() - form->Height()) / 2);
}

TEST(Centring, TruncatesTowardZero) {
  // A window wider than the screen by an odd amount: -5 div 2 is -2.
  EXPECT_EQ(Div(-5, 2), -2);
  EXPECT_EQ(Div(5, 2), 2);
}

TEST_F(ConsoleWindow, FontCommandChangesTheCaptionFontOnlyWhenConfirmed) {
  form->SkinButton3->click();  // cancelled
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("宋体"));
  dialogs->fontAnswers.push_back([](TFont& font) {
    font.Name = QStringLiteral("WenQuanYi Zen Hei");
    font.SetSize(12);
    font.Color = clBlue;
  });
  QTest::mouseClick(form->SkinButton3, Qt::LeftButton);
  EXPECT_EQ(form->CaptionFont.Name, QStringLiteral("WenQuanYi Zen Hei"));
  EXPECT_EQ(form->CaptionFont.Height, -16);
  EXPECT_EQ(form->LedFrame.Canvas.Font.Name, QStringLiteral("WenQuanYi Zen Hei"));
}

TEST_F(ConsoleWindow, QuitButtonClosesTheWindow) {
  QTest::mouseClick(form->SkinButton4, Qt::LeftButton);
  EXPECT_FALSE(form->Visible());
}

TEST_F(ConsoleWindow, LoadsTheStoredSkinAtStartUp) {
  EXPECT_FALSE(form->CompressedStoredSkin1.IsEmpty());
  EXPECT_EQ(form->SkinData1.CompressedStoredSkin(), &form->CompressedStoredSkin1);
  EXPECT_FALSE(form->SkinData1.Empty());
  EXPECT_FALSE(form->SkinData1.SkinChanging());
  EXPECT_EQ(form->SkinData1.SkinObjects.size(), 12u);
  EXPECT_GE(form->SkinData1.GetControlIndex(QStringLiteral("button")), 0);
  EXPECT_TRUE(dialogs->messages.isEmpty());
}
