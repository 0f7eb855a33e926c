// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The virtual sign's window: the LED matrix playing what arrived, the mode's name, the packet
// count and the last error, and a line saying that this is a simulation. Its texts are in the
// operator's language where the sign has a translation for it, in English otherwise.
#include <QLabel>
#include <QWidget>
#include <cstdint>

#include "sign/LedMatrixWidget.h"
#include "sign/SignPlayer.h"

class SignWindow : public QWidget {
  Q_OBJECT

 public:
  explicit SignWindow(const QString& listeningOn, QWidget* parent = nullptr);

  void Receive(const PacketReport& report);
  void ShowStalled(std::int64_t bytes);
  void ShowEnded(const QString& why);

  LedMatrixWidget* Matrix() const { return matrix_; }
  SignPlayer& Player() { return player_; }
  QString ModeText() const { return mode_->text(); }
  QString CountText() const { return count_->text(); }
  QString ErrorText() const { return error_->text(); }

 private:
  void ShowCount();

  SignPlayer player_;
  LedMatrixWidget* matrix_;
  QLabel* mode_;
  QLabel* count_;
  QLabel* error_;
  QLabel* line_;
  QString listeningOn_;
  int packets_ = 0;
  int faults_ = 0;  // invalid packets and stray bytes
};
