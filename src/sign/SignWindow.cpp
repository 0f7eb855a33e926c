// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "sign/SignWindow.h"

#include <QHBoxLayout>
#include <QVBoxLayout>

#include "sign/SignModeTitle.h"

namespace {

QLabel* StatusLabel(QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

}  // namespace

SignWindow::SignWindow(const QString& listeningOn, QWidget* parent)
    : QWidget(parent),
      matrix_(new LedMatrixWidget(this)),
      mode_(StatusLabel(this)),
      count_(StatusLabel(this)),
      error_(StatusLabel(this)),
      line_(StatusLabel(this)),
      listeningOn_(listeningOn) {
  setWindowTitle(tr("Lumetra sign (simulation)"));
  QPalette dark = palette();
  dark.setColor(QPalette::Window, QColor(20, 20, 20));
  dark.setColor(QPalette::WindowText, QColor(216, 216, 216));
  setPalette(dark);
  setAutoFillBackground(true);

  auto* status = new QHBoxLayout;
  status->addWidget(mode_, 2);
  status->addWidget(count_, 1);
  status->addWidget(error_, 3);
  auto* note =
      new QLabel(tr("Simulation: shows what the sign receives. The entry effects are an approximation; "
                    "the sign's controller decides the real ones."),
                 this);
  note->setWordWrap(true);
  dark.setColor(QPalette::WindowText, QColor(154, 154, 154));
  note->setPalette(dark);
  line_->setPalette(dark);
  line_->setText(tr("Listening on %1").arg(listeningOn_));

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(matrix_, 1);
  layout->addLayout(status);
  layout->addWidget(note);
  layout->addWidget(line_);

  connect(&player_, &SignPlayer::FrameChanged, this, [this] { matrix_->SetFrame(player_.Frame()); });
  mode_->setText(tr("Mode: -"));
  error_->setText(tr("Last error: none"));
  ShowCount();
}

void SignWindow::Receive(const PacketReport& report) {
  if (!report.stray) ++packets_;
  if (report.valid) {
    const QString title = SignModeTitle(report.mode);
    mode_->setText(tr("Mode: %1 %2")
                       .arg(report.mode)
                       .arg(title.isEmpty() ? tr("(not a known effect)") : title));
    player_.Play(report);
  } else {
    ++faults_;
    error_->setText(tr("Last error: %1").arg(report.error));
  }
  ShowCount();
}

void SignWindow::ShowStalled(std::int64_t bytes) {
  line_->setText(tr("Listening on %1; stopped reading after %2 bytes, as a sign that hangs")
                     .arg(listeningOn_)
                     .arg(bytes));
}

void SignWindow::ShowEnded(const QString& why) { line_->setText(tr("The line ended: %1").arg(why)); }

void SignWindow::ShowCount() { count_->setText(tr("Packets: %1   Faults: %2").arg(packets_).arg(faults_)); }
