// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The web pages of a running console, when the operator asked for them (--web): the server, the
// watch that feeds it and the key of its control. Without --web nothing of it is made.
#include <QString>
#include <memory>

struct ConsoleOptions;
class RemoteControl;
class StartLosses;
class TForm1;

class WebPages {
 public:
  virtual ~WebPages() = default;
  // Where the pages are, e.g. "http://127.0.0.1:8080/".
  virtual QString Url() const = 0;
};

// Starts the pages and says on standard error where they are (and the control address); once the
// window is up it shows the same in a notice. An address that is no address, or a port in use, is
// told in one line, noted among the start's `losses`, and the console runs without them: nullptr.
// `remote` is the console behind the remote inputs' one GO guard; once the pages listen it is told
// that a remote input is on.
std::unique_ptr<WebPages> StartWebPages(const ConsoleOptions& options, TForm1& form, RemoteControl& remote,
                                        StartLosses& losses);
