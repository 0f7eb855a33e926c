#pragma once
// The caption options shared by the rendering and sending commands: --font, --height, --mode.
#include <QCommandLineParser>

#include "platform/Font.h"

void AddCaptionFontOptions(QCommandLineParser& parser);
void AddModeOption(QCommandLineParser& parser);
// The console's initial caption font, with --font and --height applied.
TFont CaptionFontFromOptions(const QCommandLineParser& parser);
int ModeFromOptions(const QCommandLineParser& parser);
// The single TEXT argument.
QString CaptionArgument(const QCommandLineParser& parser);
