// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// Drives a real modal dialog: the action runs once the dialog is up (inside its own event loop),
// so a test can look at its widgets and press its buttons as the operator would.
#include <QPointer>
#include <QTimer>
#include <QWidget>
#include <functional>
#include <memory>

class ModalDriver {
 public:
  // Starts watching for the next modal dialog; `act` receives it and should close it (a dialog
  // it leaves open is closed after it, so a failed check cannot hang the test).
  explicit ModalDriver(std::function<void(QWidget*)> act);
  // The same, for the next modal dialog of type T only (others are left to their own drivers).
  template <typename T>
  static std::unique_ptr<ModalDriver> For(std::function<void(T*)> act) {
    auto driver = std::make_unique<ModalDriver>([act](QWidget* w) { act(static_cast<T*>(w)); });
    driver->matches_ = [](QWidget* w) { return qobject_cast<T*>(w) != nullptr; };
    return driver;
  }
  ~ModalDriver();
  ModalDriver(const ModalDriver&) = delete;
  ModalDriver& operator=(const ModalDriver&) = delete;

  // Whether the action ran; a dialog that never opened leaves it false.
  bool Ran() const { return ran_; }

 private:
  std::function<void(QWidget*)> act_;
  std::function<bool(QWidget*)> matches_ = [](QWidget*) { return true; };
  QTimer poll_;
  int polls_ = 0;
  bool ran_ = false;
};

// The first child of `dialog` with the given type and object name (any name when empty).
template <typename T>
T* Find(QWidget* dialog, const char* name = nullptr) {
  return name ? dialog->findChild<T*>(QLatin1String(name)) : dialog->findChild<T*>();
}

// Visible, not zero-sized, and inside the dialog's own window (not a window of its own).
bool ShownInside(const QWidget* widget, const QWidget* dialog);
