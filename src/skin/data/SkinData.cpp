// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinData.h"

#include <algorithm>

#include "platform/Form.h"
#include "platform/Forms.h"
#include "platform/Streams.h"
#include "skin/data/CompressedStoredSkin.h"
#include "skin/data/ResourceStrData.h"
#include "skin/data/SkinEntryKinds.h"
#include "skin/data/SkinPackage.h"

namespace {

const QString kVersion = QStringLiteral("VERSION");
const QString kPictures = QStringLiteral("PICTURES");
const QString kFormInfo = QStringLiteral("FORMINFO");
const QString kPopupWindow = QStringLiteral("POPUPWINDOW");
const QString kHintWindow = QStringLiteral("HINTWINDOW");
const QString kSkinObjects = QStringLiteral("SKINOBJECTS");
const QString kSkinControls = QStringLiteral("SKINCONTROLS");

constexpr auto kVersionKeys = std::to_array<TSkinKey<TSkinData>>({
    StringKey("skinname", &TSkinData::SkinName),
    StringKey("skinauthor", &TSkinData::SkinAuthor),
    StringKey("authoremail", &TSkinData::AuthorEmail),
    StringKey("authorurl", &TSkinData::AuthorURL),
    StringKey("skincomments", &TSkinData::SkinComments),
});

constexpr auto kPictureKeys = std::to_array<TSkinKey<TSkinData>>({
    StringKey("picture", &TSkinData::PictureName),
    StringKey("inactivepicture", &TSkinData::InActivePictureName),
    StringKey("mask", &TSkinData::MaskPictureName),
});

// FORMINFO is read in two parts with the mask adjustments between them.
constexpr auto kFormInfoFrameKeys = std::to_array<TSkinKey<TSkinData>>({
    PointKey("lefttoppoint", &TSkinData::LeftTopPoint),
    PointKey("righttoppoint", &TSkinData::RightTopPoint),
    PointKey("leftbottompoint", &TSkinData::LeftBottomPoint),
    PointKey("rightbottompoint", &TSkinData::RightBottomPoint),
    RectKey("clientrect", &TSkinData::ClientRect),
    IntegerKey("bgpictureindex", &TSkinData::BGPictureIndex, -1),
    IntegerKey("mdibgpictureindex", &TSkinData::MDIBGPictureIndex, -1),
    BooleanKey("leftstretch", &TSkinData::LeftStretch),
    BooleanKey("rightstretch", &TSkinData::RightStretch),
    BooleanKey("topstretch", &TSkinData::TopStretch),
    BooleanKey("bottomstretch", &TSkinData::BottomStretch),
    RectKey("maskrectarea", &TSkinData::MaskRectArea),
    PointKey("hittestlefttoppoint", &TSkinData::HitTestLeftTopPoint),
    PointKey("hittestrighttoppoint", &TSkinData::HitTestRightTopPoint),
    PointKey("hittestleftbottompoint", &TSkinData::HitTestLeftBottomPoint),
    PointKey("hittestrightbottompoint", &TSkinData::HitTestRightBottomPoint),
});

constexpr auto kFormInfoCaptionKeys = std::to_array<TSkinKey<TSkinData>>({
    RectKey("buttonsrect", &TSkinData::ButtonsRect),
    RectKey("captionrect", &TSkinData::CaptionRect),
    IntegerKey("buttonsoffset", &TSkinData::ButtonsOffset),
    BooleanKey("buttonsinleft", &TSkinData::ButtonsInLeft),
    BooleanKey("mainmenupopupup", &TSkinData::MainMenuPopupUp),
    IntegerKey("borderwidth", &TSkinData::BorderWidth),
    IntegerKey("formminwidth", &TSkinData::FormMinWidth),
    BooleanKey("autorenderinginactiveimage", &TSkinData::AutoRenderingInActiveImage),
    EffectKey("inactiveeffect", &TSkinData::InActiveEffect),
});

template <class T, std::size_t A, std::size_t B>
constexpr std::array<T, A + B> Joined(const std::array<T, A>& a, const std::array<T, B>& b) {
  std::array<T, A + B> joined{};
  std::copy(a.begin(), a.end(), joined.begin());
  std::copy(b.begin(), b.end(), joined.begin() + A);
  return joined;
}

constexpr auto kFormInfoKeys = Joined(kFormInfoFrameKeys, kFormInfoCaptionKeys);

void AssignPicture(TBitmap& bitmap, const QImage& image) {
  if (image.isNull())
    bitmap.Assign(QImage());
  else
    bitmap.Assign(image);
}

// The entries "name:keyword" of a section, in order, each created by its keyword and reading the
// section named like it. A keyword that names no class creates nothing.
template <class Root>
void ReadSectionEntries(const TMemIniFile& ini, const QString& section,
                        std::unique_ptr<Root> (*create)(const QString&, const QString&),
                        std::vector<std::unique_ptr<Root>>& list) {
  const int count = SkinIni::ReadInteger(ini, section, QStringLiteral("count"), 0);
  for (const int i : SkinIni::PresentItems(ini, section, count)) {
    const QString entry = SkinIni::ReadString(ini, section, QString::number(i));
    const qsizetype colon = entry.indexOf(QLatin1Char(':'));
    const QString name = colon < 0 ? QString() : entry.left(colon);
    const QString keyword = colon < 0 ? QString() : entry.mid(colon + 1);
    std::unique_ptr<Root> object = create(keyword, name);
    if (!object) continue;
    Root& added = *list.emplace_back(std::move(object));
    added.LoadFromIni(ini);
  }
}

template <class Root>
int IndexOfName(const std::vector<std::unique_ptr<Root>>& list, const QString& name) {
  for (std::size_t i = 0; i < list.size(); ++i)
    if (list[i]->IDName == name) return int(i);
  return -1;
}

}  // namespace

TSkinData::TSkinData(TForm* owner) : TComponent(owner) {}

TSkinData::~TSkinData() {
  empty_ = true;
  ClearObjects();
}

void TSkinData::SetCompressedStoredSkin(TCompressedStoredSkin* storedSkin) {
  if (compressedStoredSkin_ && compressedStoredSkin_ != storedSkin) RemoveFreeNotification(compressedStoredSkin_);
  compressedStoredSkin_ = storedSkin;
  if (storedSkin) FreeNotification(storedSkin);
  if (!Designing() && storedSkin) LoadFromCompressedStoredSkin(*storedSkin);
}

void TSkinData::SetResourceStrData(TResourceStrData* resourceStrData) {
  if (resourceStrData_ && resourceStrData_ != resourceStrData) RemoveFreeNotification(resourceStrData_);
  resourceStrData_ = resourceStrData;
  if (resourceStrData) FreeNotification(resourceStrData);
  if (!Designing()) BroadcastSkinMessage(SKINMSG_RESSTR_CHANGE);
}

void TSkinData::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation != TOperation::opRemove) return;
  if (component == compressedStoredSkin_) compressedStoredSkin_ = nullptr;
  if (component == resourceStrData_) resourceStrData_ = nullptr;
}

// The load, in order:
//   1. an empty stored skin changes nothing and sends nothing;
//   2. Empty and SkinChanging on, SKINMSG_BEFORE_CHANGE, everything cleared;
//   3. the package: version (a newer one stops here, stuck in the loading state), pictures,
//      active pictures, INI text;
//   4. the INI sections: VERSION, PICTURES, FORMINFO, POPUPWINDOW, HINTWINDOW, SKINCOLORS,
//      SKINOBJECTS, SKINCONTROLS;
//   5. Empty off, SKINMSG_CHANGE, SkinChanging off, SKINMSG_AFTER_CHANGE.
// An error stops the load where it happens and propagates; steps 5 and after never run.
void TSkinData::LoadFromCompressedStoredSkin(TCompressedStoredSkin& storedSkin) {
  if (storedSkin.IsEmpty()) return;
  BeginLoad();
  if (!TakePackage(storedSkin.ReadPackage())) return;
  EndLoad();
}

void TSkinData::BeginLoad() {
  empty_ = true;
  skinChanging_ = true;
  BroadcastSkinMessage(SKINMSG_BEFORE_CHANGE);
  ClearAll();
}

bool TSkinData::TakePackage(const StoredPackageRead& read) {
  if (read.InflateFailure) std::rethrow_exception(read.InflateFailure);
  const SkinPackage& package = read.Package;
  // Pictures read before a failure stay, as the rest of a failed load does.
  const auto takePictures = [&] {
    AssignPicture(Picture, package.Picture);
    AssignPicture(InActivePicture, package.InActivePicture);
    AssignPicture(MaskPicture, package.MaskPicture);
    for (const QImage& image : package.ActivePictures) ActivePictures.push_back(std::make_unique<TBitmap>(image));
  };
  if (read.ReadFailure) {
    takePictures();
    std::rethrow_exception(read.ReadFailure);
  }
  if (!read.Current) return false;
  takePictures();
  ReadIni(read.Ini);
  return true;
}

void TSkinData::ReadIni(const TMemIniFile& ini) {
  ReadSkinKeys<TSkinData>(ini, kVersion, *this, kVersionKeys);
  ReadSkinKeys<TSkinData>(ini, kPictures, *this, kPictureKeys);
  ActivePictureNames += SkinIni::ReadList(ini, kPictures, QStringLiteral("activepictures"));
  ReadFormInfo(ini);
  PopupWindow.LoadFromIni(ini, kPopupWindow);
  HintWindow.LoadFromIni(ini, kHintWindow);
  SkinColors.LoadFromIni(ini);
  ReadEntries(ini);
}

// FORMINFO, in order: the frame keys; with a mask, the mask area grows to hold the client area
// and unset hit-test points follow the corner points; the caption-bar keys; last the corner
// points are pulled inside the client area (unless they lie in one row or column, as the points
// of a skin without them do).
void TSkinData::ReadFormInfo(const TMemIniFile& ini) {
  ReadSkinKeys<TSkinData>(ini, kFormInfo, *this, kFormInfoFrameKeys);

  if (!MaskPictureName.isEmpty()) {
    if (MaskRectArea.Width() < 1 || MaskRectArea.Height() < 1) {
      MaskRectArea = ClientRect;
    } else {
      MaskRectArea = {std::min(MaskRectArea.Left, ClientRect.Left), std::min(MaskRectArea.Top, ClientRect.Top),
                      std::max(MaskRectArea.Right, ClientRect.Right),
                      std::max(MaskRectArea.Bottom, ClientRect.Bottom)};
    }
    const auto follow = [](TPoint& hitTest, const TPoint& corner) {
      if (hitTest.X == 0 || hitTest.Y == 0) hitTest = corner;
    };
    follow(HitTestLeftTopPoint, LeftTopPoint);
    follow(HitTestRightTopPoint, RightTopPoint);
    follow(HitTestLeftBottomPoint, LeftBottomPoint);
    follow(HitTestRightBottomPoint, RightBottomPoint);
  }

  ReadSkinKeys<TSkinData>(ini, kFormInfo, *this, kFormInfoCaptionKeys);

  if (RightBottomPoint.X != LeftTopPoint.X && RightBottomPoint.Y != LeftTopPoint.Y) {
    LeftTopPoint = {std::max(LeftTopPoint.X, ClientRect.Left), std::max(LeftTopPoint.Y, ClientRect.Top)};
    RightTopPoint = {std::min(RightTopPoint.X, ClientRect.Right), std::max(RightTopPoint.Y, ClientRect.Top)};
    LeftBottomPoint = {std::max(LeftBottomPoint.X, ClientRect.Left), std::min(LeftBottomPoint.Y, ClientRect.Bottom)};
    RightBottomPoint = {std::min(RightBottomPoint.X, ClientRect.Right), std::min(RightBottomPoint.Y, ClientRect.Bottom)};
  }
}

std::span<const TSkinKey<TSkinData>> TSkinData::FormInfoKeys() { return kFormInfoKeys; }

void TSkinData::ReadEntries(const TMemIniFile& ini) {
  ReadSectionEntries<TDataSkinObject>(ini, kSkinObjects, &CreateSkinObject, SkinObjects);
  ReadSectionEntries<TDataSkinControl>(ini, kSkinControls, &CreateSkinControl, SkinControls);
}

void TSkinData::EndLoad() {
  empty_ = false;
  BroadcastSkinMessage(SKINMSG_CHANGE);
  skinChanging_ = false;
  BroadcastSkinMessage(SKINMSG_AFTER_CHANGE);
}

int TSkinData::GetObjectIndex(const QString& name) const { return IndexOfName(SkinObjects, name); }

int TSkinData::GetControlIndex(const QString& name) const { return IndexOfName(SkinControls, name); }

void TSkinData::ClearObjects() {
  SkinObjects.clear();
  SkinControls.clear();
  ActivePictures.clear();
  ActivePictureNames.clear();
  PopupWindow.WindowPictureIndex = -1;
  HintWindow.WindowPictureIndex = -1;
  SkinColors.SetDefaults();
}

void TSkinData::ClearAll() {
  ClearObjects();
  Picture.Assign(QImage());
  MaskPicture.Assign(QImage());
  InActivePicture.Assign(QImage());
  empty_ = true;
}

void TSkinData::BroadcastSkinMessage(unsigned message) {
  const auto send = [&](TForm* form) { form->Perform(message, reinterpret_cast<WPARAM>(this), kSkinMessageLParam); };
  TForm* owner = Owner();
  if (owner && IsLiveForm(owner)) send(owner);
  for (TForm* form : Forms()) {
    // A receiver may free forms while the broadcast runs.
    if (form == owner || !IsLiveForm(form)) continue;
    send(form);
  }
}
