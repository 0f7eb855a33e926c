// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The console window shown on a working state of `lines` lines, with a pty as the sign of its
// port and the remote control the remote inputs drive: what their benchmarks send through.
#include <QCoreApplication>

#include "BigShow.h"
#include "SignPty.h"
#include "console/FormRemoteControl.h"
#include "console/Unit1.h"

struct ShownConsole {
  SignPty sign;
  BigWorkingState working;
  TForm1 form{working.folder.path()};
  FormRemoteControl remote{form};

  explicit ShownConsole(int lines) : working(lines) {
    form.Show();
    QCoreApplication::processEvents();
  }
};
