#include "platform/QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QMessageBox>

#include "platform/FontDialog.h"

namespace {
QWidget* DialogParent() { return QApplication::activeWindow(); }
}  // namespace

void QtDialogService::ShowMessage(const QString& title, const QString& text) {
  QMessageBox box(QMessageBox::NoIcon, title, text, QMessageBox::Ok, DialogParent());
  box.exec();
}

bool QtDialogService::ChooseFont(TFont& font) { return ExecFontDialog(font, DialogParent()); }

std::optional<QString> QtDialogService::GetOpenFileName(const QString& filter) {
  const QString path = QFileDialog::getOpenFileName(DialogParent(), QString(), QString(), ToQtFileFilter(filter));
  if (path.isEmpty()) return std::nullopt;
  return path;
}

std::optional<QString> QtDialogService::GetSaveFileName(const QString& filter) {
  // The console decides about replacing and extensions itself, so the dialog neither asks nor adds.
  const QString path = QFileDialog::getSaveFileName(DialogParent(), QString(), QString(), ToQtFileFilter(filter),
                                                    nullptr, QFileDialog::DontConfirmOverwrite);
  if (path.isEmpty()) return std::nullopt;
  return path;
}
