// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// lumetra-cli skin-render --menu: the level-0 popup of a menu, drawn as the skinned menu draws
// it. The menu is given as ITEMS, entries separated by "|": "CAPTION" or "CAPTION=NAME"; the
// caption "-" is a separator; a leading "!" disables the entry and a leading "*" checks it; a
// trailing ">" gives it a sub-menu (one item "x"); "\t" (backslash, t) starts its shortcut
// ("&Close\tAlt+F4=SF_CLOSE").
#include <QCommandLineParser>

void AddMenuRenderOptions(QCommandLineParser& parser);
// CliError when a menu-only option comes without --menu.
void RejectMenuRenderOptions(const QCommandLineParser& parser);
int RunMenuRender(const QCommandLineParser& parser);
