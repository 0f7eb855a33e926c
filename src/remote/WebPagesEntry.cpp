// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "remote/WebPagesEntry.h"

#include <type_traits>

// Checked here, where a change of either would otherwise only show when the module is loaded.
static_assert(std::is_same_v<StartWebPagesEntry, decltype(&lumetra_start_web_pages)>);

WebPages* lumetra_start_web_pages(const ConsoleOptions& options, TForm1& form, RemoteControl& remote,
                                  StartLosses& losses) {
  return StartWebPages(options, form, remote, losses).release();
}
