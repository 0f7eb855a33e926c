// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
// The window's outline, cut from the skin's mask picture in every state, and the mask test the
// sizing edges use.
#include "skin/controls/SkinRegion.h"
#include "skin/data/SkinData.h"
#include "skin/form/SkinForm.h"

namespace {

void EmptyStrips(TBorderStrips& strips) {
  for (TBitmap* strip : {&strips.Top, &strips.Bottom, &strips.Left, &strips.Right}) strip->SetSize(0, 0);
}

}  // namespace

// The region, in order: none without a border; none without a mask; from the stretched mask,
// its four border strips (kept for the mask test) around the moved mask area; or from the whole
// mask, unscaled.
void TSkinForm::SetRegion(bool stretch) {
  if (form_.BorderStyle() == TFormBorderStyle::bsNone) {
    form_.SetWindowRgn(std::nullopt, true);
    windowRegion_.reset();
    return;
  }
  if (!skinData_ || skinData_->MaskPicture.Empty()) {
    if (windowRegion_) {
      form_.SetWindowRgn(std::nullopt, true);
      windowRegion_.reset();
      EmptyStrips(maskStrips_);
    }
    return;
  }
  if (stretch) {
    const TFrameSkinGeometry& g = geometry_;
    const NinePartSkin mask{g.LT, g.RT, g.LB, g.RB, g.MaskRectArea};
    const NinePartSkin sized{layout_.NewLT, layout_.NewRT, layout_.NewLB, layout_.NewRB, layout_.NewMaskRectArea};
    BuildNinePartMaskStrips(mask, sized, skinData_->MaskPicture, frameWidth_, maskStrips_);
    windowRegion_ = BorderStripsRegion(maskStrips_, layout_.NewMaskRectArea);
  } else {
    windowRegion_ = MaskToRegion(skinData_->MaskPicture, 0, 0);
  }
  form_.SetWindowRgn(windowRegion_, true);
}

// A point of the moved mask area belongs to the window; elsewhere the matching strip's pixel
// decides (exactly black belongs), and a point outside every strip does not.
bool TSkinForm::MaskHitTest(TPoint p) const {
  const TRect& area = layout_.NewMaskRectArea;
  if (area.Contains(p)) return true;
  const TBitmap* strip = nullptr;
  TPoint at = p;
  if (p.Y <= area.Top) {
    strip = &maskStrips_.Top;
  } else if (p.Y < area.Bottom && p.X > area.Left) {
    strip = &maskStrips_.Right;
    at = {p.X - area.Right, p.Y - area.Top};
  } else if (p.Y < area.Bottom) {
    strip = &maskStrips_.Left;
    at = {p.X, p.Y - area.Top};
  } else {
    strip = &maskStrips_.Bottom;
    at = {p.X, p.Y - area.Bottom};
  }
  if (at.X < 0 || at.Y < 0 || at.X >= strip->Width() || at.Y >= strip->Height()) return false;
  return (strip->Image().pixel(at.X, at.Y) & 0xFFFFFF) == 0;
}
