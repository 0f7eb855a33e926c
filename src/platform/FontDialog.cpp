#include "platform/FontDialog.h"

#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFontDialog>
#include <QFontInfo>
#include <QFormLayout>
#include <QPixmap>
#include <QVBoxLayout>

namespace {

struct NamedColour {
  const char* name;
  TColor colour;
};

// The sixteen colours the platform's font dialog offers.
constexpr NamedColour kFontColours[] = {
    {"Black", clBlack},   {"Maroon", clMaroon}, {"Green", clGreen},   {"Olive", clOlive},
    {"Navy", clNavy},     {"Purple", clPurple}, {"Teal", clTeal},     {"Gray", clGray},
    {"Silver", clSilver}, {"Red", clRed},       {"Lime", clLime},     {"Yellow", clYellow},
    {"Blue", clBlue},     {"Fuchsia", clFuchsia}, {"Aqua", clAqua},   {"White", clWhite},
};

}  // namespace

bool ExecFontDialog(TFont& font, QWidget* parent) {
  QDialog dialog(parent);
  dialog.setWindowTitle(QStringLiteral("字体"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* chooser = new QFontDialog(&dialog);
  chooser->setOptions(QFontDialog::NoButtons | QFontDialog::DontUseNativeDialog);
  QFont initial = font.ToQFont();
  initial.setFamily(font.Name);
  initial.setPointSize(font.Size());
  chooser->setCurrentFont(initial);
  layout->addWidget(chooser);

  auto* colours = new QComboBox(&dialog);
  int selected = -1;
  for (const NamedColour& c : kFontColours) {
    QPixmap swatch(16, 12);
    swatch.fill(ToQColor(c.colour));
    colours->addItem(QIcon(swatch), QString::fromLatin1(c.name), c.colour);
    if (ColorToRGB(font.Color) == c.colour) selected = colours->count() - 1;
  }
  if (selected < 0) {
    QPixmap swatch(16, 12);
    swatch.fill(ToQColor(font.Color));
    colours->addItem(QIcon(swatch), QStringLiteral("Custom"), font.Color);
    selected = colours->count() - 1;
  }
  colours->setCurrentIndex(selected);
  auto* form = new QFormLayout;
  form->addRow(QStringLiteral("颜色:"), colours);
  layout->addLayout(form);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  layout->addWidget(buttons);

  if (dialog.exec() != QDialog::Accepted) return false;
  const QFont chosen = chooser->currentFont();
  // Keep the requested name (say "宋体") when the operator kept the family that stands in for it.
  if (chosen.family() != QFontInfo(initial).family()) font.Name = chosen.family();
  if (chosen.pointSize() > 0) font.SetSize(chosen.pointSize());
  unsigned style = 0;
  if (chosen.bold()) style |= unsigned(TFontStyle::fsBold);
  if (chosen.italic()) style |= unsigned(TFontStyle::fsItalic);
  if (chosen.underline()) style |= unsigned(TFontStyle::fsUnderline);
  if (chosen.strikeOut()) style |= unsigned(TFontStyle::fsStrikeOut);
  font.Style = TFontStyles::FromBits(style);
  font.Color = colours->currentData().toInt();
  return true;
}
