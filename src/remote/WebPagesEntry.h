// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The one way into the web pages' module: StartWebPages under a plain name that the console
// program looks up once it has loaded the module. The pages it returns belong to the caller.
#include "remote/WebPages.h"

using StartWebPagesEntry = WebPages* (*)(const ConsoleOptions& options, TForm1& form, RemoteControl& remote,
                                          StartLosses& losses);
inline constexpr char kStartWebPagesEntry[] = "lumetra_start_web_pages";

extern "C" __attribute__((visibility("default"))) WebPages* lumetra_start_web_pages(
    const ConsoleOptions& options, TForm1& form, RemoteControl& remote, StartLosses& losses);
