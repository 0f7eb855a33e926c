// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinColors.h"

#include <array>

namespace {

constexpr auto kSkinColorKeys = std::to_array<TSkinKey<TSkinColors>>({
    ColorKey("cbtnface", &TSkinColors::CBtnFace, clBtnFace),
    ColorKey("cbtntext", &TSkinColors::CBtnText, clBtnText),
    ColorKey("cwindow", &TSkinColors::CWindow, clWindow),
    ColorKey("cwindowtext", &TSkinColors::CWindowText, clWindowText),
    ColorKey("chighlight", &TSkinColors::CHighlight, clHighlight),
    ColorKey("chighlighttext", &TSkinColors::CHighlightText, clHighlightText),
    ColorKey("cbtnhighlight", &TSkinColors::CBtnHighlight, clBtnHighlight),
    ColorKey("cbtnshadow", &TSkinColors::CBtnShadow, clBtnShadow),
});

}  // namespace

std::span<const TSkinKey<TSkinColors>> TSkinColors::Keys() { return kSkinColorKeys; }

void TSkinColors::SetDefaults() { ResetSkinKeys<TSkinColors>(*this, Keys()); }

void TSkinColors::LoadFromIni(const TMemIniFile& ini) {
  ReadSkinKeys<TSkinColors>(ini, QLatin1String(kSection), *this, Keys());
}
