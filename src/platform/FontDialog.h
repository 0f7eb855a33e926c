// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The font dialog, in one window: family, style and size lists with their edit boxes, the
// effects (strike-out, underline, colour) and a sample drawn as the choice will draw.
#include <QDialog>

#include "platform/Font.h"
#include "platform/FontChoices.h"

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QListWidget;

class TFontDialogWindow : public QDialog {
  Q_OBJECT
 public:
  TFontDialogWindow(const TFont& font, QWidget* parent = nullptr);

  // The operator's current choice; the font it makes is ApplyChoice(font, Choice()).
  FontChoice Choice() const;
  TFont ChosenFont() const { return ApplyChoice(font_, Choice()); }

 private:
  void BuildLists();
  void ShowChoice(const FontChoice& choice);
  void UpdateSample();

  TFont font_;
  QLineEdit* familyEdit_;
  QListWidget* familyList_;
  QLineEdit* styleEdit_;
  QListWidget* styleList_;
  QLineEdit* sizeEdit_;
  QListWidget* sizeList_;
  QCheckBox* strikeOut_;
  QCheckBox* underline_;
  QComboBox* colour_;
  QLabel* sample_;
};

// Shows the dialog modally; on OK the font takes the choice and true is returned.
bool ExecFontDialog(TFont& font, QWidget* parent);
