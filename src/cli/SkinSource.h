// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The skin sources the skin commands read: a skin folder (--ini), an uncompressed skin package
// (--package), a compressed skin file (--compressed), or, without any of them, the skin built
// into the program.
#include <QCommandLineParser>

class TCompressedStoredSkin;
class TSkinData;

void AddSkinSourceOptions(QCommandLineParser& parser);

// Fills the stored skin from the chosen source, as the form or the designer would; CliError when
// more than one source is given or the source holds no skin.
void LoadSkinSource(const QCommandLineParser& parser, TCompressedStoredSkin& stored);

// The skin a drawing command works with: with `noSkin` (--no-skin) none, refusing a skin source
// given as well; else the chosen source loaded into `skin`, CliError when it holds no skin.
TSkinData* LoadSkinOrNone(const QCommandLineParser& parser, bool noSkin, TCompressedStoredSkin& stored, TSkinData& skin);
