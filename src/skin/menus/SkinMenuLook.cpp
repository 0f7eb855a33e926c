// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinFont.h"
#include "skin/menus/SkinMenuLook.h"

#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinData.h"

namespace {

const TBitmap* PictureAt(const TSkinData& skin, int index) {
  if (index < 0 || index >= int(skin.ActivePictures.size())) return nullptr;
  const TBitmap* picture = skin.ActivePictures[std::size_t(index)].get();
  return picture && !picture->Empty() ? picture : nullptr;
}

const TDataSkinMenuItem* FirstMenuItemObject(const TSkinData& skin) {
  for (const auto& object : skin.SkinObjects)
    if (const auto* item = dynamic_cast<const TDataSkinMenuItem*>(object.get())) return item;
  return nullptr;
}

std::optional<TPopupFrameLook> FrameLookOf(const TSkinData& skin) {
  const TDataSkinPopupWindow& p = skin.PopupWindow;
  const TBitmap* picture = PictureAt(skin, p.WindowPictureIndex);
  if (!picture) return std::nullopt;
  TPopupFrameLook frame;
  frame.Picture = *picture;
  if (const TBitmap* mask = PictureAt(skin, p.MaskPictureIndex)) frame.Mask = *mask;
  frame.Geometry = {p.LeftTopPoint, p.RightTopPoint, p.LeftBottomPoint, p.RightBottomPoint, p.ItemsRect};
  frame.Stretch = {p.LeftStretch, p.TopStretch, p.RightStretch, p.BottomStretch};
  frame.ScrollMarkerColor = p.ScrollMarkerColor;
  frame.ScrollMarkerActiveColor = p.ScrollMarkerActiveColor;
  return frame;
}

// An object whose picture is missing would make items without height, which nobody could see or
// reach; such a skin gets the built-in look instead.
std::optional<TMenuItemLook> ItemLookOf(const TSkinData& skin) {
  const TDataSkinMenuItem* o = FirstMenuItemObject(skin);
  const TBitmap* picture = o ? PictureAt(skin, o->ActivePictureIndex) : nullptr;
  if (!picture) return std::nullopt;
  TMenuItemLook look;
  look.Picture = *picture;
  look.SkinRect = o->SkinRect;
  look.ActiveSkinRect = o->ActiveSkinRect;
  look.Morphing = o->Morphing;
  look.MorphKind = o->MorphKind;
  look.ItemLeftOffset = o->ItemLeftOffset;
  look.ItemRightOffset = o->ItemRightOffset;
  look.DividerRect = o->DividerRect;
  look.DividerLeftOffset = o->DividerLeftOffset;
  look.DividerRightOffset = o->DividerRightOffset;
  look.TextRect = o->TextRect;
  look.ImageRect = o->ImageRect;
  look.FontName = o->FontName;
  look.FontHeight = o->FontHeight;
  look.FontStyle = o->FontStyle;
  look.FontColor = o->FontColor;
  look.ActiveFontColor = o->ActiveFontColor;
  look.UnEnabledFontColor = o->UnEnabledFontColor;
  look.StretchEffect = o->StretchEffect;
  look.InActiveStretchEffect = o->InActiveStretchEffect;
  look.DividerStretchEffect = o->DividerStretchEffect;
  look.AnimateSkinRect = o->AnimateSkinRect;
  look.FrameCount = o->FrameCount;
  look.AnimateInterval = o->AnimateInterval;
  look.InActiveAnimation = o->InActiveAnimation;
  look.UseImageColor = o->UseImageColor;
  look.ImageColor = o->ImageColor;
  look.ActiveImageColor = o->ActiveImageColor;
  return look;
}

}  // namespace

TFont TSkinMenuSettings::DefaultMenuItemFont() { return SkinDefaultFont(TFont().Color); }

TSkinMenuLook SkinMenuLookOf(const TSkinData* skin, const TSkinMenuSettings& settings) {
  TSkinMenuLook look;
  look.Font = settings.DefMenuItemFont;
  if (skin && !skin->Empty()) {
    look.EffectsOn = skin->EnableSkinEffects;
    look.Frame = FrameLookOf(*skin);
    if (look.Frame) look.Item = ItemLookOf(*skin);
    if (!look.Item) look.Frame.reset();
  }
  if (look.Skinned() && settings.UseSkinFont) {
    look.Font.Name = look.Item->FontName;
    look.Font.Height = look.Item->FontHeight;
    look.Font.Style = look.Item->FontStyle;
  }
  if (skin && skin->ResourceStrData()) look.Font.Charset = skin->ResourceStrData()->CharSet;
  return look;
}
