// SPDX-License-Identifier: GPL-3.0-or-later
// License: GNU General Public License, version 3 or any later version.
#include "skin/data/SkinEntryKinds.h"

#include <array>
#include <cstring>
#include <tuple>
#include <type_traits>

#include "skin/data/SkinCustomControls.h"

namespace {

template <class Root>
struct FamilyOf;
template <>
struct FamilyOf<TDataSkinObject> {
  using Classes = TSkinObjectClasses;
};
template <>
struct FamilyOf<TDataSkinControl> {
  using Classes = TSkinControlClasses;
};

template <class C, class... Classes>
constexpr bool IsOneOf(std::tuple<Classes...>*) {
  return (std::is_same_v<C, Classes> || ...);
}

template <class Root, class C>
constexpr TSkinEntryKind<Root> Kind(const char* keyword) {
  static_assert(IsOneOf<C>(static_cast<typename FamilyOf<Root>::Classes*>(nullptr)),
                "a keyword must name a class of its family's list");
  return {keyword, C::kClassName, [](const QString& name) -> std::unique_ptr<Root> { return std::make_unique<C>(name); }};
}

constexpr auto kObjectKinds = std::to_array<TSkinEntryKind<TDataSkinObject>>({
    Kind<TDataSkinObject, TDataSkinMenuItem>("menuitem"),
    Kind<TDataSkinObject, TDataSkinMainMenuBarItem>("mainmenubaritem"),
    Kind<TDataSkinObject, TDataSkinStdButton>("stdbutton"),
    Kind<TDataSkinObject, TDataSkinMainMenuBarButton>("mainmenubarbutton"),
    Kind<TDataSkinObject, TDataSkinButton>("button"),
    Kind<TDataSkinObject, TDataSkinCaption>("caption"),
    Kind<TDataSkinObject, TDataSkinAnimate>("animate"),
    Kind<TDataSkinObject, TDataUserObject>("userobject"),
});
// With every keyword naming a class of the list, as many keywords as classes leaves none out.
static_assert(kObjectKinds.size() == std::tuple_size_v<TSkinObjectClasses>);

constexpr auto kControlKinds = std::to_array<TSkinEntryKind<TDataSkinControl>>({
    Kind<TDataSkinControl, TDataSkinPanelControl>("panel"),
    Kind<TDataSkinControl, TDataSkinExPanelControl>("expanel"),
    Kind<TDataSkinControl, TDataSkinMenuButtonControl>("menubutton"),
    Kind<TDataSkinControl, TDataSkinButtonControl>("button"),
    Kind<TDataSkinControl, TDataSkinCheckRadioControl>("checkradio"),
    Kind<TDataSkinControl, TDataSkinGaugeControl>("gauge"),
    Kind<TDataSkinControl, TDataSkinSplitterControl>("splitter"),
    Kind<TDataSkinControl, TDataSkinTrackBarControl>("trackbar"),
    Kind<TDataSkinControl, TDataSkinLabelControl>("label"),
    Kind<TDataSkinControl, TDataSkinStdLabelControl>("stdlabel"),
    Kind<TDataSkinControl, TDataSkinUpDownControl>("updown"),
    Kind<TDataSkinControl, TDataSkinGridControl>("grid"),
    Kind<TDataSkinControl, TDataSkinBevel>("bevel"),
    Kind<TDataSkinControl, TDataSkinListView>("listview"),
    Kind<TDataSkinControl, TDataSkinTabControl>("tab"),
    Kind<TDataSkinControl, TDataSkinMainMenuBar>("mainmenubar"),
    Kind<TDataSkinControl, TDataSkinControlBar>("controlbar"),
    Kind<TDataSkinControl, TDataSkinMemoControl>("memo"),
    Kind<TDataSkinControl, TDataSkinEditControl>("edit"),
    Kind<TDataSkinControl, TDataSkinCheckListBox>("checklistbox"),
    Kind<TDataSkinControl, TDataSkinListBox>("listbox"),
    Kind<TDataSkinControl, TDataSkinComboBox>("combobox"),
    Kind<TDataSkinControl, TDataSkinScrollBarControl>("scrollbar"),
    Kind<TDataSkinControl, TDataSkinSpinEditControl>("spinedit"),
    Kind<TDataSkinControl, TDataSkinScrollBoxControl>("scrollbox"),
    Kind<TDataSkinControl, TDataSkinTreeView>("treeview"),
    Kind<TDataSkinControl, TDataSkinSlider>("slider"),
    Kind<TDataSkinControl, TDataSkinRichEdit>("richedit"),
});
static_assert(kControlKinds.size() == std::tuple_size_v<TSkinControlClasses>);

template <class Root>
std::unique_ptr<Root> Create(std::span<const TSkinEntryKind<Root>> kinds, const QString& keyword,
                             const QString& name) {
  for (const TSkinEntryKind<Root>& kind : kinds)
    if (keyword == QLatin1String(kind.keyword)) return kind.create(name);
  return nullptr;
}

template <class Root>
QString KeywordOf(std::span<const TSkinEntryKind<Root>> kinds, const Root& entry) {
  for (const TSkinEntryKind<Root>& kind : kinds)
    if (std::strcmp(kind.className, entry.ClassName()) == 0) return QLatin1String(kind.keyword);
  return QString();
}

}  // namespace

std::span<const TSkinEntryKind<TDataSkinObject>> SkinObjectKinds() { return kObjectKinds; }
std::span<const TSkinEntryKind<TDataSkinControl>> SkinControlKinds() { return kControlKinds; }

std::unique_ptr<TDataSkinObject> CreateSkinObject(const QString& keyword, const QString& name) {
  return Create(SkinObjectKinds(), keyword, name);
}

std::unique_ptr<TDataSkinControl> CreateSkinControl(const QString& keyword, const QString& name) {
  return Create(SkinControlKinds(), keyword, name);
}

QString SkinObjectKeyword(const TDataSkinObject& object) { return KeywordOf(SkinObjectKinds(), object); }
QString SkinControlKeyword(const TDataSkinControl& control) { return KeywordOf(SkinControlKinds(), control); }
