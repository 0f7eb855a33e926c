// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The caption options shared by the rendering and sending commands: --font, --height, --mode.
#include <QCommandLineParser>

#include "platform/Font.h"
#include "show/CaptionFont.h"

// The tallest caption font the commands draw, in pixels.
constexpr int kMaxCaptionHeight = 1000;

void AddCaptionFontOptions(QCommandLineParser& parser);
void AddModeOption(QCommandLineParser& parser);
// The caption font (the console's initial one unless given) with --font and --height applied.
TFont CaptionFontFromOptions(const QCommandLineParser& parser, TFont font = InitialCaptionFont());
int ModeFromOptions(const QCommandLineParser& parser);
// The single TEXT argument.
QString CaptionArgument(const QCommandLineParser& parser);
