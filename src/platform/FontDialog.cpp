// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/FontDialog.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFontDatabase>
#include <QGridLayout>
#include <QGroupBox>
#include <QIntValidator>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPixmap>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr int kListHeight = 120;
constexpr int kFamilyWidth = 200;
constexpr int kStyleWidth = 110;
constexpr int kSizeWidth = 64;

QIcon Swatch(TColor colour) {
  QPixmap swatch(24, 12);
  swatch.fill(ToQColor(colour));
  return QIcon(swatch);
}

// An edit box above a list, as the platform's font dialog pairs them: picking in the list fills
// the edit; typing in the edit selects the first row that begins with the text.
void PairEditWithList(QLineEdit* edit, QListWidget* list) {
  QObject::connect(list, &QListWidget::currentTextChanged, edit, [edit](const QString& text) {
    if (!text.isEmpty() && !edit->hasFocus()) edit->setText(text);
  });
  QObject::connect(list, &QListWidget::itemClicked, edit, [edit](QListWidgetItem* item) { edit->setText(item->text()); });
  QObject::connect(edit, &QLineEdit::textEdited, list, [list](const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchStartsWith);
    if (found.isEmpty()) return;
    const QSignalBlocker quiet(list);  // keep what the operator typed
    list->setCurrentItem(found.first());
    list->scrollToItem(found.first());
  });
}

QLineEdit* NamedEdit(const char* name, int width, QWidget* parent) {
  auto* edit = new QLineEdit(parent);
  edit->setObjectName(QLatin1String(name));
  edit->setFixedWidth(width);
  return edit;
}

QListWidget* NamedList(const char* name, int width, QWidget* parent) {
  auto* list = new QListWidget(parent);
  list->setObjectName(QLatin1String(name));
  list->setFixedWidth(width);
  list->setMinimumHeight(kListHeight);
  return list;
}

}  // namespace

TFontDialogWindow::TFontDialogWindow(const TFont& font, QWidget* parent)
    : QDialog(parent),
      font_(font),
      familyEdit_(NamedEdit("familyEdit", kFamilyWidth, this)),
      familyList_(NamedList("familyList", kFamilyWidth, this)),
      styleEdit_(NamedEdit("styleEdit", kStyleWidth, this)),
      styleList_(NamedList("styleList", kStyleWidth, this)),
      sizeEdit_(NamedEdit("sizeEdit", kSizeWidth, this)),
      sizeList_(NamedList("sizeList", kSizeWidth, this)),
      strikeOut_(new QCheckBox(QStringLiteral("删除线(&K)"), this)),
      underline_(new QCheckBox(QStringLiteral("下划线(&U)"), this)),
      colour_(new QComboBox(this)),
      sample_(new QLabel(QStringLiteral("AaBbYy 字幕"), this)) {
  setWindowTitle(QStringLiteral("字体"));
  strikeOut_->setObjectName(QStringLiteral("strikeOut"));
  underline_->setObjectName(QStringLiteral("underline"));
  colour_->setObjectName(QStringLiteral("colour"));
  sample_->setObjectName(QStringLiteral("sample"));
  sample_->setAlignment(Qt::AlignCenter);
  sample_->setMinimumWidth(200);
  sample_->setFixedHeight(64);  // a large size is cut off rather than growing the dialog
  styleEdit_->setReadOnly(true);
  sizeEdit_->setValidator(new QIntValidator(kMinFontDialogSize, kMaxFontDialogSize, sizeEdit_));
  BuildLists();

  auto* grid = new QGridLayout;
  const auto label = [this](const QString& text, QWidget* buddy) {
    auto* l = new QLabel(text, this);
    l->setBuddy(buddy);
    return l;
  };
  grid->addWidget(label(QStringLiteral("字体(&F):"), familyEdit_), 0, 0);
  grid->addWidget(label(QStringLiteral("字形(&Y):"), styleList_), 0, 1);
  grid->addWidget(label(QStringLiteral("大小(&S):"), sizeEdit_), 0, 2);
  grid->addWidget(familyEdit_, 1, 0);
  grid->addWidget(styleEdit_, 1, 1);
  grid->addWidget(sizeEdit_, 1, 2);
  grid->addWidget(familyList_, 2, 0);
  grid->addWidget(styleList_, 2, 1);
  grid->addWidget(sizeList_, 2, 2);

  auto* effects = new QGroupBox(QStringLiteral("效果"), this);
  auto* effectsLayout = new QVBoxLayout(effects);
  effectsLayout->addWidget(strikeOut_);
  effectsLayout->addWidget(underline_);
  effectsLayout->addWidget(label(QStringLiteral("颜色(&C):"), colour_));
  effectsLayout->addWidget(colour_);
  auto* sampleBox = new QGroupBox(QStringLiteral("示例"), this);
  auto* sampleLayout = new QVBoxLayout(sampleBox);
  sampleLayout->addWidget(sample_);
  grid->addWidget(effects, 3, 0);
  grid->addWidget(sampleBox, 3, 1, 1, 2);

  auto* ok = new QPushButton(QStringLiteral("确定"), this);
  auto* cancel = new QPushButton(QStringLiteral("取消"), this);
  ok->setObjectName(QStringLiteral("ok"));
  cancel->setObjectName(QStringLiteral("cancel"));
  ok->setDefault(true);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);
  auto* buttons = new QVBoxLayout;
  buttons->addWidget(ok);
  buttons->addWidget(cancel);
  buttons->addStretch();

  auto* outer = new QHBoxLayout(this);
  outer->addLayout(grid, 1);
  outer->addLayout(buttons);

  ShowChoice(ChoiceOf(font_));
  familyEdit_->selectAll();  // typing replaces the family, as in any such dialog
  for (QListWidget* list : {familyList_, styleList_, sizeList_})
    connect(list, &QListWidget::currentRowChanged, this, &TFontDialogWindow::UpdateSample);
  for (QLineEdit* edit : {familyEdit_, sizeEdit_}) connect(edit, &QLineEdit::textEdited, this, &TFontDialogWindow::UpdateSample);
  for (QCheckBox* box : {strikeOut_, underline_}) connect(box, &QCheckBox::toggled, this, &TFontDialogWindow::UpdateSample);
  connect(colour_, &QComboBox::currentIndexChanged, this, &TFontDialogWindow::UpdateSample);
  UpdateSample();
}

void TFontDialogWindow::BuildLists() {
  familyList_->addItems(FontDialogFamilies(font_.Name, QFontDatabase::families()));
  for (const NamedFontStyle& style : FontDialogStyles()) styleList_->addItem(QString::fromUtf8(style.name));
  for (int points : FontDialogSizes()) sizeList_->addItem(QString::number(points));
  PairEditWithList(familyEdit_, familyList_);
  PairEditWithList(styleEdit_, styleList_);
  PairEditWithList(sizeEdit_, sizeList_);
  for (const NamedFontColour& c : FontDialogColours())
    colour_->addItem(Swatch(c.colour), QString::fromUtf8(c.name), c.colour);
  if (FontColourIndex(font_.Color) < 0)  // a colour the list does not name stays choosable
    colour_->addItem(Swatch(font_.Color), QStringLiteral("自定义"), font_.Color);
}

void TFontDialogWindow::ShowChoice(const FontChoice& choice) {
  const auto select = [](QListWidget* list, QLineEdit* edit, const QString& text) {
    const QList<QListWidgetItem*> found = list->findItems(text, Qt::MatchExactly);
    if (!found.isEmpty()) {
      list->setCurrentItem(found.first());
      list->scrollToItem(found.first(), QAbstractItemView::PositionAtTop);
    }
    edit->setText(text);
  };
  select(familyList_, familyEdit_, choice.family);
  select(styleList_, styleEdit_, QString::fromUtf8(FontDialogStyles()[choice.styleRow].name));
  select(sizeList_, sizeEdit_, QString::number(choice.points));
  strikeOut_->setChecked(choice.strikeOut);
  underline_->setChecked(choice.underline);
  const int colour = FontColourIndex(choice.colour);
  colour_->setCurrentIndex(colour >= 0 ? colour : colour_->count() - 1);
}

FontChoice TFontDialogWindow::Choice() const {
  FontChoice choice = ChoiceOf(font_);
  if (const QListWidgetItem* family = familyList_->currentItem()) choice.family = family->text();
  if (styleList_->currentRow() >= 0) choice.styleRow = styleList_->currentRow();
  bool valid = false;
  const int points = sizeEdit_->text().toInt(&valid);
  if (valid && points >= kMinFontDialogSize && points <= kMaxFontDialogSize) choice.points = points;
  choice.strikeOut = strikeOut_->isChecked();
  choice.underline = underline_->isChecked();
  choice.colour = colour_->currentData().toInt();
  return choice;
}

void TFontDialogWindow::UpdateSample() {
  const TFont chosen = ChosenFont();
  sample_->setFont(chosen.ToQFont());
  QPalette palette = sample_->palette();
  palette.setColor(QPalette::WindowText, ToQColor(chosen.Color));
  sample_->setPalette(palette);
}

bool ExecFontDialog(TFont& font, QWidget* parent) {
  TFontDialogWindow dialog(font, parent);
  if (dialog.exec() != QDialog::Accepted) return false;
  font = dialog.ChosenFont();
  return true;
}
