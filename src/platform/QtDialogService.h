#pragma once
// The real dialogs, shown modally on the active window.
#include "platform/DialogService.h"

class QtDialogService : public DialogService {
 public:
  void ShowMessage(const QString& title, const QString& text) override;
  bool ChooseFont(TFont& font) override;
  std::optional<QString> GetOpenFileName(const QString& filter) override;
  std::optional<QString> GetSaveFileName(const QString& filter) override;
};
