// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The play list follows every change of the caption list by the lines it touched; whatever the
// edits, it must hold what rebuilding it from the whole text gives. Long shows go into the caption
// list piece by piece; the play list has them at once, and nothing reads a caption list that is
// still filling.
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <random>

#include "show/CaptionLines.h"
#include "show/SettingsFile.h"
#include "show/ShowDocument.h"
#include "support/ConsoleFixture.h"

using PlayListMirror = ConsoleFixture;

namespace {

QString RandomPiece(std::mt19937& random) {
  static const QString kCharacters = QStringLiteral("ab第幕 \n\n\r\t\u2028\u2029\u00a0");
  QString piece;
  const int length = std::uniform_int_distribution<int>(0, 6)(random);
  for (int i = 0; i < length; ++i)
    piece += kCharacters[std::uniform_int_distribution<int>(0, int(kCharacters.size()) - 1)(random)];
  return piece;
}

}  // namespace

TEST_F(PlayListMirror, FollowsRandomEditsExactlyAsARebuildWould) {
  std::mt19937 random(2024);
  QTextDocument* document = form->Memo1->document();
  const auto at = [&](int end) { return std::uniform_int_distribution<int>(0, end)(random); };
  form->Memo1->setPlainText(QStringLiteral("one\ntwo\nthree\n"));
  for (int step = 0; step < 600; ++step) {
    const int length = document->characterCount() - 1;  // the last block's end is no character
    QTextCursor cursor(document);
    switch (std::uniform_int_distribution<int>(0, 7)(random)) {
      case 0:
      case 1:
        cursor.setPosition(at(length));
        cursor.insertText(RandomPiece(random));
        break;
      case 2:
        cursor.setPosition(at(length));
        cursor.setPosition(at(length), QTextCursor::KeepAnchor);
        cursor.removeSelectedText();
        break;
      case 3:
        cursor.setPosition(at(length));
        cursor.setPosition(at(length), QTextCursor::KeepAnchor);
        cursor.insertText(RandomPiece(random));
        break;
      case 4:
        document->undo();
        break;
      case 5:
        document->redo();
        break;
      case 6: {
        // Keys typed where the operator's cursor stands.
        form->Memo1->setFocus();
        QTextCursor caret = form->Memo1->textCursor();
        caret.setPosition(at(length));
        form->Memo1->setTextCursor(caret);
        static const Qt::Key kKeys[] = {Qt::Key_Return, Qt::Key_Backspace, Qt::Key_Delete, Qt::Key_A};
        QTest::keyClick(form->Memo1, kKeys[at(3)], at(4) == 0 ? Qt::ShiftModifier : Qt::NoModifier);
        break;
      }
      default:
        if (at(10) == 0) form->Memo1->setPlainText(RandomPiece(random) + RandomPiece(random));
        break;
    }
    ASSERT_EQ(form->ListBox1->Lines(), SplitCaptionLines(form->Memo1->toPlainText())) << "step " << step;
    ASSERT_EQ(form->ListBox1->SelectedLine(), -1);
  }
}

TEST_F(PlayListMirror, ALongShowIsInThePlayListAtOnceAndInTheCaptionListSoonAfter) {
  QStringList lines;
  for (int i = 0; i < 20000; ++i) lines << QStringLiteral("第%1行 line %1").arg(i);
  form->SetCaptionLines(lines);
  EXPECT_EQ(form->ListBox1->Lines(), lines);
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
  EXPECT_TRUE(form->Memo1->isReadOnly());  // still going in
  EXPECT_LT(form->Memo1->document()->blockCount(), 20000);

  // The play list can be used meanwhile, and a selection made then survives the filling.
  ClickLine(19999);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 19999);
  QTRY_VERIFY_WITH_TIMEOUT(!form->Memo1->isReadOnly(), 60000);
  EXPECT_EQ(form->ListBox1->SelectedLine(), 19999);
  EXPECT_EQ(SplitCaptionLines(form->Memo1->toPlainText()), lines);
  EXPECT_FALSE(form->Memo1->document()->isUndoAvailable());  // the filling is no edit to undo

  // Editing then goes on as with any show.
  QTextCursor cursor(form->Memo1->document()->findBlockByNumber(5));
  cursor.insertText(QStringLiteral("new\n"));
  EXPECT_EQ(form->ListBox1->Lines()[5], QStringLiteral("new"));
  EXPECT_EQ(form->ListBox1->count(), 20001);
  EXPECT_EQ(form->ListBox1->SelectedLine(), -1);
}

TEST_F(PlayListMirror, TheWholeShowIsReadWhileTheCaptionListIsStillFilling) {
  QStringList lines;
  for (int i = 0; i < 20000; ++i) lines << QStringLiteral("line %1").arg(i);
  form->SetCaptionLines(lines);
  ASSERT_TRUE(form->Memo1->isReadOnly());
  EXPECT_EQ(form->CaptionLines(), lines);  // finishes the filling first
  EXPECT_FALSE(form->Memo1->isReadOnly());

  // A close right after a long show was loaded saves all of it.
  form->SetCaptionLines(lines);
  ASSERT_TRUE(form->Memo1->isReadOnly());
  form->Close();
  ShowDocument saved;
  LoadSettingsFile(QStringLiteral("lw1.ini"), saved);
  EXPECT_EQ(saved.Lines, lines);
}

TEST_F(PlayListMirror, ALongShowWithLineEndsInsideItsLinesEndsAsTheCaptionListHasIt) {
  QStringList lines;
  for (int i = 0; i < 3000; ++i) lines << QStringLiteral("line %1").arg(i);
  lines[10] = QStringLiteral("two\u2028halves");  // a line separator ends a caption line
  lines[20] = QStringLiteral("no\u00a0break");
  form->SetCaptionLines(lines);
  QTRY_VERIFY_WITH_TIMEOUT(!form->Memo1->isReadOnly(), 60000);
  EXPECT_EQ(form->ListBox1->Lines(), SplitCaptionLines(form->Memo1->toPlainText()));
  EXPECT_EQ(form->ListBox1->count(), 3001);
  EXPECT_EQ(form->ListBox1->Lines()[11], QStringLiteral("halves"));
  EXPECT_EQ(form->ListBox1->Lines()[21], QStringLiteral("no break"));
}
