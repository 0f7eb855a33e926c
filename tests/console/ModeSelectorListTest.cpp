// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The mode selector's open list shows every mode name whole, while the selector keeps its size.
#include <QAbstractItemView>
#include <QStyle>
#include <QTest>

#include "support/ConsoleFixture.h"

using ModeSelectorList = ConsoleFixture;

TEST_F(ModeSelectorList, OpensAsWideAsItsLongestNameInTheConsolesFont) {
  ModeSelector* selector = form->ComboBox1;
  selector->showPopup();
  QAbstractItemView* list = selector->view();
  QTRY_VERIFY(list->isVisible());
  ASSERT_EQ(list->font(), selector->font());
  // An item's text stands inside margins on both sides (the style's focus frame and one pixel).
  const int margins = 2 * (list->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, list) + 1);
  const QFontMetrics metrics(list->font());
  int longest = 0;
  for (int mode = 0; mode < selector->count(); ++mode) {
    const int width = metrics.horizontalAdvance(selector->itemText(mode));
    longest = std::max(longest, width);
    EXPECT_GE(list->viewport()->width(), width + margins) << selector->itemText(mode).toStdString();
  }
  EXPECT_GT(longest + margins, selector->width());  // the names need more than the selector
  EXPECT_EQ(selector->geometry(), QRect(71, 23, 109, 21));
  selector->hidePopup();
  EXPECT_EQ(selector->geometry(), QRect(71, 23, 109, 21));
}
