// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "platform/QtDialogService.h"

#include <QApplication>
#include <QFileDialog>
#include <QGridLayout>
#include <QMessageBox>

#include "platform/FileIconsByName.h"
#include "platform/FontDialog.h"

namespace {

QWidget* DialogParent() { return QApplication::activeWindow(); }

void ExecMessageBox(QMessageBox::Icon icon, const QString& title, const QString& text) {
  QMessageBox box(icon, title, text, QMessageBox::Ok, DialogParent());
  // The box sizes itself to its layout: a row of the minimum width below the rest widens it.
  if (auto* grid = qobject_cast<QGridLayout*>(box.layout()))
    grid->addItem(new QSpacerItem(kMinimumMessageBoxWidth, 0, QSizePolicy::Fixed, QSizePolicy::Minimum),
                  grid->rowCount(), 0, 1, grid->columnCount());
  box.exec();
}

std::optional<QString> ExecFileDialog(QFileDialog::AcceptMode mode, const QString& filter) {
  FileIconsByName icons;  // declared first: the dialog's file list asks it until the dialog is gone
  QFileDialog dialog(DialogParent());
  // The toolkit's own dialog, whose icon provider can be replaced: no file's content is read.
  dialog.setOption(QFileDialog::DontUseNativeDialog);
  dialog.setIconProvider(&icons);
  dialog.setAcceptMode(mode);
  dialog.setFileMode(mode == QFileDialog::AcceptOpen ? QFileDialog::ExistingFile : QFileDialog::AnyFile);
  // The console decides about replacing and extensions itself, so the dialog neither asks nor adds.
  dialog.setOption(QFileDialog::DontConfirmOverwrite);
  dialog.setNameFilter(ToQtFileFilter(filter));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  const QString path = dialog.selectedFiles().value(0);
  if (path.isEmpty()) return std::nullopt;
  return path;
}

}  // namespace

void QtDialogService::ShowMessage(const QString& title, const QString& text) {
  ExecMessageBox(QMessageBox::NoIcon, title, text);
}

void QtDialogService::ShowError(const QString& title, const QString& text) {
  ExecMessageBox(QMessageBox::Critical, title, text);
}

bool QtDialogService::ChooseFont(TFont& font) { return ExecFontDialog(font, DialogParent()); }

std::optional<QString> QtDialogService::GetOpenFileName(const QString& filter) {
  return ExecFileDialog(QFileDialog::AcceptOpen, filter);
}

std::optional<QString> QtDialogService::GetSaveFileName(const QString& filter) {
  return ExecFileDialog(QFileDialog::AcceptSave, filter);
}
