// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#pragma once
// The parsed skin: the skin's pictures, the window-frame geometry, the popup-menu and hint-window
// frames, the skin colours and the owned lists of skin objects and control skins. Every skinned
// component holds a reference to one TSkinData, finds its entries by name or by class and reads
// their fields. TSkinData never draws.
//
// The skin is loaded when a stored skin is assigned. A load announces itself to every form with
// the skin messages (SkinMessages.h): SKINMSG_BEFORE_CHANGE before anything is cleared, then,
// once all data is read, SKINMSG_CHANGE and SKINMSG_AFTER_CHANGE. A load that fails part-way
// raises; it keeps what it read, stays Empty and SkinChanging, and sends neither closing message.
#include <QString>
#include <QStringList>
#include <memory>
#include <span>
#include <vector>

#include "platform/Bitmap.h"
#include "platform/Component.h"
#include "platform/IniFile.h"
#include "platform/Types.h"
#include "skin/data/SkinColors.h"
#include "skin/data/SkinControls.h"
#include "skin/data/SkinIniValues.h"
#include "skin/data/SkinKeyTable.h"
#include "skin/data/SkinMessages.h"
#include "skin/data/SkinObjects.h"
#include "skin/data/SkinWindows.h"

class TCompressedStoredSkin;
struct StoredPackageRead;
class TResourceStrData;
class TStream;

class TSkinData : public TComponent {
 public:
  explicit TSkinData(TForm* owner = nullptr);
  ~TSkinData() override;

  // Animated effects; users treat effects as on only when the skin data is set, not Empty, and
  // this is true.
  bool EnableSkinEffects = true;

  // The source of the skin. Assigning a stored skin in the running program loads it at once.
  TCompressedStoredSkin* CompressedStoredSkin() const { return compressedStoredSkin_; }
  void SetCompressedStoredSkin(TCompressedStoredSkin* storedSkin);
  // The source of user-interface strings; assigning it (also to nothing) announces
  // SKINMSG_RESSTR_CHANGE in the running program.
  TResourceStrData* ResourceStrData() const { return resourceStrData_; }
  void SetResourceStrData(TResourceStrData* resourceStrData);

  // The load: does nothing for an empty stored skin, otherwise reads the whole skin anew.
  void LoadFromCompressedStoredSkin(TCompressedStoredSkin& storedSkin);

  // Index of the first entry whose IDName equals the name exactly (letter case included), or -1.
  int GetObjectIndex(const QString& name) const;
  int GetControlIndex(const QString& name) const;

  // Frees the skin objects, control skins and active pictures, empties the picture names,
  // resets the window picture indexes of PopupWindow and HintWindow to -1 and the skin colours
  // to their defaults.
  void ClearObjects();
  // ClearObjects, then empties the three pictures; the skin data is Empty afterwards.
  void ClearAll();

  // Sends the message to the owner form first (when there is one), then to every other form,
  // synchronously, with this skin data as wParam and 1000 as lParam.
  void BroadcastSkinMessage(unsigned message);

  // The FORMINFO keys in reading order (the order that also suits a listing).
  static std::span<const TSkinKey<TSkinData>> FormInfoKeys();

  bool Empty() const { return empty_; }
  bool SkinChanging() const { return skinChanging_; }

  TSkinColors SkinColors;
  TRect ButtonsRect{};
  TRect CaptionRect{};
  int ButtonsOffset = 0;
  bool ButtonsInLeft = false;
  bool AutoRenderingInActiveImage = false;
  TSkinEffect InActiveEffect = TSkinEffect::ieBrightness;
  TDataSkinPopupWindow PopupWindow;
  TDataSkinHintWindow HintWindow;

  // The picture the frame parts cut their rectangles from, the frame picture of an inactive
  // window (empty when the skin has none) and the 1-bit mask of Picture for window regions.
  TBitmap Picture;
  TBitmap InActivePicture;
  TBitmap MaskPicture;
  // Further pictures, addressed by the picture indexes of the skin entries.
  std::vector<std::unique_ptr<TBitmap>> ActivePictures;
  // File names as written in the skin INI (the pictures themselves come from the package).
  QString PictureName;
  QString InActivePictureName;
  QString MaskPictureName;
  QStringList ActivePictureNames;

  std::vector<std::unique_ptr<TDataSkinObject>> SkinObjects;
  std::vector<std::unique_ptr<TDataSkinControl>> SkinControls;

  // Corner points that cut Picture into the nine parts of the frame.
  TPoint LeftTopPoint{};
  TPoint RightTopPoint{};
  TPoint LeftBottomPoint{};
  TPoint RightBottomPoint{};
  // Index into ActivePictures of a client background, -1 none; the same for an MDI client.
  int BGPictureIndex = -1;
  int MDIBGPictureIndex = -1;
  bool MainMenuPopupUp = false;
  // The part of MaskPicture that shapes the window.
  TRect MaskRectArea{};
  // Corner points for sizing hit tests.
  TPoint HitTestLeftTopPoint{};
  TPoint HitTestRightTopPoint{};
  TPoint HitTestLeftBottomPoint{};
  TPoint HitTestRightBottomPoint{};
  // The client area inside Picture.
  TRect ClientRect{};
  int BorderWidth = 0;
  int FormMinWidth = 0;
  // Edge strips stretched (true) or tiled (false).
  bool TopStretch = false;
  bool LeftStretch = false;
  bool RightStretch = false;
  bool BottomStretch = false;

  QString SkinName;
  QString SkinAuthor;
  QString AuthorURL;
  QString AuthorEmail;
  QString SkinComments;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  void BeginLoad();
  // Takes the package as read (raising its failure); false when it is of a newer version and
  // was left unread.
  bool TakePackage(const StoredPackageRead& read);
  void ReadIni(const TMemIniFile& ini);
  void ReadFormInfo(const TMemIniFile& ini);
  void ReadEntries(const TMemIniFile& ini);
  void EndLoad();

  TCompressedStoredSkin* compressedStoredSkin_ = nullptr;
  TResourceStrData* resourceStrData_ = nullptr;
  bool empty_ = true;
  bool skinChanging_ = false;
};
