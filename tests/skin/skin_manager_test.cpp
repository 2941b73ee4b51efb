// The skin manager under Wine: loading and its failures, telling the
// windows, update blocks, recolouring, the skin-change lock, stored layouts.
#include "skin/store/skin_manager.h"

#include <gtest/gtest.h>

#include <cstring>
#include <memory>
#include <stdexcept>

#include "../core/store/skin_fixture.h"
#include "../framework/test_support.h"
#include "core/image/bitmap32.h"
#include "framework/forms/message_dialogs.h"
#include "skin_test_kit.h"

namespace {

using zelvan::store::testing::TempFolder;
using Codes = std::vector<uint16_t>;

std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// A shown form with a stand-in provider and one skinned child of each kind,
// all following the manager given.
struct SkinnedWindow {
  explicit SkinnedWindow(TsSkinManager* manager) {
    form = new TForm(Application);
    form->SetName(L"SkinnedForm");
    form->SetBounds(40, 40, 240, 160);
    provider = new TStandInProvider(form);
    panel = Make<TSkinnedPanel>(form, L"Panel");
    shape = Make<TSkinnedShape>(form, L"Shape");
    provider->Skin.Manager = panel->Skin.Manager = shape->Skin.Manager = manager;
    form->Show();
  }
  ~SkinnedWindow() { delete form; }
  TForm* form;
  TStandInProvider* provider;
  TSkinnedPanel* panel;
  TSkinnedShape* shape;
};

class SkinManagerTest : public ::testing::Test {
 protected:
  void SetUp() override { CommandLog().Clear(); }
  // A manager on the committed skins folder, Air loaded.
  std::unique_ptr<TsSkinManager> AirManager() {
    auto manager = std::make_unique<TsSkinManager>(nullptr);
    manager->SetSkinDirectory(SkinsFolder());
    manager->SetSkinName(L"Air");
    return manager;
  }
  TMessageBoxRecorder boxes;
};

TEST_F(SkinManagerTest, DefaultsOfTheComponent) {
  TsSkinManager m(nullptr);
  EXPECT_TRUE(m.Active());
  EXPECT_EQ(m.SkinDirectory(), L"c:\\Skins");
  EXPECT_EQ(m.SkinInfo(), L"N/A");
  EXPECT_EQ(m.Version(), L"8.13");
  EXPECT_EQ(m.SkinningRules(), (TacSkinningRules{srStdForms, srStdDialogs, srThirdParty}));
  EXPECT_EQ(m.AnimEffects.SkinChanging.Time, 100);
  EXPECT_EQ(m.AnimEffects.SkinChanging.Mode, atFading);
  EXPECT_FALSE(m.AnimEffects.BlendOnMoving.Active);
  EXPECT_EQ(m.AnimEffects.BlendOnMoving.BlendValue, 170);
  EXPECT_EQ(m.AnimEffects.Minimizing.Time, 200);
  EXPECT_EQ(m.AnimEffects.FormShow.Mode, atAero);
  ASSERT_EQ(m.ThirdLists.size(), 21u);
  EXPECT_EQ(m.ThirdLists[1].Count(), 1);
  EXPECT_EQ(m.ThirdLists[1].Get(0), L"TButton");
  EXPECT_EQ(m.ThirdLists[0].Get(0), L" ") << "a single space names no class";
  m.Effects.SetAllowGlowing(false);
  EXPECT_FALSE(m.Effects.AllowGlowing());
  m.Effects.SetAllowGlowing(true);
  // A 32-bit process on Wine's 64-bit system sees no desktop composition.
  if (sizeof(void*) == 8) {
    EXPECT_TRUE(m.Effects.AllowGlowing());
  }
}

TEST_F(SkinManagerTest, AMissingSkinTurnsTheManagerOffWithoutAMessage) {
  TempFolder empty;
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  SkinnedWindow window(manager.get());
  int activations = 0;
  manager->OnActivate = [&](TObject*) { ++activations; };
  manager->SetSkinDirectory(Wide(empty.Path()));
  manager->SetSkinName(L"Air");
  EXPECT_FALSE(manager->Active());
  EXPECT_TRUE(manager->gd.empty());
  EXPECT_EQ(manager->SkinInfo(), L"N/A");
  EXPECT_TRUE(boxes.Texts.empty());
  EXPECT_EQ(activations, 1) << "the change ends with OnActivate even when it ended inactive";
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_SKIN_REMOVED), 1);
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_SKIN_LOADED), 0);
}

TEST_F(SkinManagerTest, LoadingTellsEveryWindowOnceAndInOrder) {
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  SkinnedWindow window(manager.get());
  CommandLog().Clear();  // the application's activation by the new window repaints it; the load comes after
  manager->SetSkinDirectory(SkinsFolder());
  manager->SetSkinName(L"Air");
  ASSERT_TRUE(manager->Active());
  EXPECT_EQ(manager->SkinInfo(), L"8");
  EXPECT_FALSE(manager->gd.empty());
  for (const wchar_t* receiver : {L"SkinnedForm", L"Panel", L"Shape"}) {
    EXPECT_EQ(CommandLog().Codes(receiver), (Codes{SKC_SKIN_LOADED, SKC_STOP_ANIMATION, SKC_REFRESH})) << receiver;
  }
  EXPECT_TRUE(boxes.Texts.empty());
}

TEST_F(SkinManagerTest, AnUnknownNameTakesTheFirstBuiltInSkin) {
  TempFolder empty;
  TsSkinManager manager(nullptr);
  zelvan::store::TsStoredSkin& stored = manager.InternalSkins().Add();
  stored.Name = u"Packed Air";
  stored.PackedData = zelvan::io::TMemoryStream(SkinsFile("Air.asz"));
  manager.SetSkinDirectory(Wide(empty.Path()));
  manager.SetSkinName(L"Nowhere");
  EXPECT_TRUE(manager.Active());
  EXPECT_EQ(manager.SkinName(), L"Packed Air");
  EXPECT_TRUE(manager.SkinIsPacked);
  EXPECT_GE(manager.GetSkinIndex("BUTTON"), 0);
}

TEST_F(SkinManagerTest, ADamagedArchiveKeepsTheSkinAndShowsOneError) {
  TempFolder dir;
  dir.Write("Air.asz", SkinsFile("Air.asz"));
  std::vector<uint8_t> damaged = SkinsFile("Air.asz");
  damaged.resize(damaged.size() / 2);
  dir.Write("Broken.asz", damaged);
  auto manager = std::make_unique<TsSkinManager>(nullptr);
  manager->SetSkinDirectory(Wide(dir.Path()));
  manager->SetSkinName(L"Air");
  const auto sections = manager->gd.size();
  ASSERT_GT(sections, 0u);
  manager->SetSkinName(L"Broken");
  EXPECT_EQ(boxes.Texts.size(), 1u);
  EXPECT_EQ(manager->SkinName(), L"Air");
  EXPECT_TRUE(manager->Active());
  EXPECT_EQ(manager->gd.size(), sections) << "the name and the pictures agree again";
}

TEST_F(SkinManagerTest, AnUpdateBlockHoldsEveryCommandBack) {
  auto manager = AirManager();
  SkinnedWindow window(manager.get());
  CommandLog().Clear();
  manager->BeginUpdate();
  manager->SetHueOffset(60);
  manager->SetSkinName(L"Air");
  EXPECT_TRUE(CommandLog().Codes(L"Panel").empty());
  EXPECT_EQ(window.provider->Animations, 0);
  manager->EndUpdate(true, false);
  EXPECT_EQ(CommandLog().Codes(L"Panel"), (Codes{SKC_SKIN_LOADED, SKC_STOP_ANIMATION, SKC_REFRESH}));
  EXPECT_EQ(window.provider->Animations, 0) << "EndUpdate without animation does not animate";
  EXPECT_TRUE(manager->AnimEffects.SkinChanging.Active) << "the animation switch is back";
}

TEST_F(SkinManagerTest, ActiveOffAndOnAgainReloadsTheSameSkin) {
  auto manager = AirManager();
  SkinnedWindow window(manager.get());
  const auto sections = manager->gd.size();
  int deactivations = 0;
  manager->OnDeactivate = [&](TObject*) { ++deactivations; };
  CommandLog().Clear();
  manager->SetActive(false);
  EXPECT_TRUE(manager->gd.empty());
  EXPECT_EQ(manager->ConstData.IndexGLobalInfo, -1);
  EXPECT_EQ(manager->SkinInfo(), L"N/A");
  EXPECT_EQ(deactivations, 1);
  if (manager->IsDefault()) {
    EXPECT_TRUE(UseTaskDialogs) << "without a skin the task dialogs are back";
  }
  manager->SetActive(true);
  EXPECT_EQ(manager->SkinName(), L"Air");
  EXPECT_EQ(manager->gd.size(), sections);
  EXPECT_EQ(CommandLog().Codes(L"Shape"), (Codes{SKC_SKIN_REMOVED, SKC_SKIN_LOADED, SKC_STOP_ANIMATION, SKC_REFRESH}));
}

TEST_F(SkinManagerTest, HueThereAndBackIsAFreshLoad) {
  auto turned = AirManager();
  turned->SetHueOffset(120);
  const zelvan::store::TsGeneralData button = turned->gd[static_cast<size_t>(turned->GetSkinIndex("BUTTON"))];
  turned->SetHueOffset(0);
  const auto fresh = AirManager();
  ASSERT_EQ(turned->gd.size(), fresh->gd.size());
  EXPECT_NE(button, fresh->gd[static_cast<size_t>(fresh->GetSkinIndex("BUTTON"))]) << "hue 120 changed colours";
  EXPECT_TRUE(turned->gd == fresh->gd);
  EXPECT_TRUE(*turned->SkinData == *fresh->SkinData);
  const auto& a = *turned->MasterBitmap;
  const auto& b = *fresh->MasterBitmap;
  ASSERT_EQ(a.Width(), b.Width());
  ASSERT_EQ(a.Height(), b.Height());
  for (int y = 0; y < a.Height(); ++y) {
    ASSERT_EQ(0, std::memcmp(a.Row32(y), b.Row32(y), size_t(a.Width()) * 4)) << "row " << y;
  }
}

TEST_F(SkinManagerTest, KeepHueSparesTheTitleButtonsItNames) {
  using zelvan::store::testing::SolidBmp;
  const uint32_t red = 0xFFFF0000;
  const struct {
    int keep;
    bool closeKept, maxKept;
  } cases[] = {{1, true, true}, {2, true, false}};
  for (const auto& c : cases) {
    TempFolder dir;
    dir.Write("Keep/Options.dat", "[GLOBALINFO]\nVERSION=8\nMASTERBITMAP=m.bmp\nBIKEEPHUE=" + std::to_string(c.keep) +
                                      "\nBICONCLOSE=@0000,0000,0010,0010,1,0\nBICONMAX=@0010,0000,0020,0010,1,0\n");
    dir.Write("Keep/m.bmp", SolidBmp(40, 10, 0xFF0000));
    TsSkinManager manager(nullptr);
    manager.SetSkinDirectory(Wide(dir.Path()));
    manager.SetSkinName(L"Keep");
    manager.SetHueOffset(120);
    ASSERT_TRUE(manager.MasterBitmap);
    const auto pixel = [&](int x) { return zelvan::image::GetPixel32(*manager.MasterBitmap, x, 5); };
    EXPECT_EQ(pixel(5) == red, c.closeKept) << c.keep;
    EXPECT_EQ(pixel(15) == red, c.maxKept) << c.keep;
    EXPECT_NE(pixel(30), red) << "the rest of the master bitmap turns";
  }
}

TEST_F(SkinManagerTest, TheLockIsReleasedEvenWhenAControlFails) {
  auto manager = AirManager();
  ASSERT_TRUE(manager->IsDefault()) << "only the default manager animates skin changes";
  SkinnedWindow window(manager.get());
  Pump(20);
  bool lockedDuringRefresh = false, visibleDuringRefresh = true;
  window.panel->Skin.OnCommand = [&](uint16_t code) {
    if (code != SKC_REFRESH) return;
    lockedDuringRefresh = FormsLocked;
    visibleDuringRefresh = IsWindowVisible(window.form->Handle()) != 0;
  };
  manager->UpdateSkin(true);
  EXPECT_TRUE(lockedDuringRefresh);
  EXPECT_FALSE(visibleDuringRefresh) << "redrawing is off while the forms are locked";
  EXPECT_FALSE(FormsLocked);
  EXPECT_TRUE(IsWindowVisible(window.form->Handle()));
  EXPECT_EQ(window.provider->Animations, 1);
  EXPECT_EQ(window.provider->LastAnimationTime, 100u);

  for (const uint16_t failing : {SKC_SKIN_LOADED, SKC_REFRESH}) {
    window.shape->Skin.OnCommand = [failing](uint16_t code) {
      if (code == failing) throw std::runtime_error("control failed");
    };
    EXPECT_THROW(manager->UpdateSkin(true), std::runtime_error);
    EXPECT_FALSE(FormsLocked) << failing;
    EXPECT_FALSE(SkinChanging()) << failing;
    EXPECT_TRUE(IsWindowVisible(window.form->Handle())) << failing;
    EXPECT_TRUE(GetWindowLongW(window.form->Handle(), GWL_STYLE) & WS_VISIBLE) << failing;
  }
}

TEST_F(SkinManagerTest, OneSectionChangedTravelsByName) {
  auto manager = AirManager();
  SkinnedWindow window(manager.get());
  CommandLog().Clear();
  manager->UpdateSkinSection("button");
  EXPECT_EQ(ChangedSectionName(), "BUTTON");
  EXPECT_EQ(CommandLog().Receivers(SKC_SECTION_CHANGED), (std::vector<std::wstring>{L"SkinnedForm", L"Panel", L"Shape"}));
}

TEST_F(SkinManagerTest, TheControlUnderTheMouseIsToldWhenItChanges) {
  auto manager = AirManager();
  SkinnedWindow window(manager.get());
  auto* other = Make<TSkinnedPanel>(window.form, L"Other");
  other->Skin.Manager = manager.get();
  auto* shape2 = Make<TSkinnedShape>(window.form, L"Shape2");
  shape2->Skin.Manager = manager.get();
  CommandLog().Clear();
  manager->SetActiveControl(window.panel->Handle());
  manager->SetActiveControl(other->Handle());
  EXPECT_EQ(CommandLog().Codes(L"Panel"), (Codes{SKC_MOUSE_ENTER, SKC_MOUSE_LEAVE}));
  EXPECT_EQ(CommandLog().Codes(L"Other"), (Codes{SKC_MOUSE_ENTER}));
  manager->SetActiveGraphControl(window.shape);
  EXPECT_EQ(manager->ActiveControl(), nullptr) << "a graphic control takes the place of the windowed one";
  EXPECT_EQ(CommandLog().Count(L"Other", SKC_MOUSE_LEAVE), 1);
  manager->SetActiveGraphControl(shape2);
  EXPECT_EQ(CommandLog().Count(L"Shape", SKC_MOUSE_LEAVE), 1);
  delete shape2;
  EXPECT_EQ(manager->ActiveGraphControl(), nullptr) << "a control that goes is forgotten";
  manager->SetActiveControl(window.panel->Handle());
  EXPECT_EQ(CommandLog().Count(L"Panel", SKC_MOUSE_ENTER), 2);
}

TEST_F(SkinManagerTest, TheDefaultManagerHooksWindowCreationOnce) {
  auto first = AirManager();
  ASSERT_TRUE(first->IsDefault());
  EXPECT_TRUE(first->GlobalHookInstalled());
  auto second = AirManager();
  EXPECT_FALSE(second->IsDefault());
  EXPECT_FALSE(second->GlobalHookInstalled());
  EXPECT_FALSE(UseTaskDialogs) << "the default manager's skin takes the message dialogs";
  first->SetActive(false);
  EXPECT_FALSE(first->GlobalHookInstalled());
  EXPECT_TRUE(UseTaskDialogs);
  second->SetIsDefault(true);
  EXPECT_TRUE(second->IsDefault());
  EXPECT_TRUE(second->GlobalHookInstalled());
  first.reset();
  EXPECT_EQ(DefaultManager(), second.get());
}

TEST_F(SkinManagerTest, SkinListsPassHiddenAndSystemEntriesOver) {
  TempFolder dir;
  for (const char* name : {"Shown", "Hidden", "System"}) dir.Write(std::string(name) + "/Options.dat", "[GLOBALINFO]\n");
  for (const char* name : {"Shown.asz", "Hidden.asz"}) dir.Write(name, SkinsFile("Air.asz"));
  const std::wstring root = Wide(dir.Path());
  SetFileAttributesW((root + L"\\Hidden").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW((root + L"\\Hidden.asz").c_str(), FILE_ATTRIBUTE_HIDDEN);
  SetFileAttributesW((root + L"\\System").c_str(), FILE_ATTRIBUTE_SYSTEM);
  TsSkinManager manager(nullptr);
  manager.SetSkinDirectory(root);
  std::vector<std::u16string> names;
  manager.GetSkinNames(names, zelvan::store::stAllSkins);
  EXPECT_EQ(names, (std::vector<std::u16string>{u"Shown", u"Shown"}));
}

TEST_F(SkinManagerTest, AStoredLayoutLoadsTheSkinWhileItIsRead) {
  RegisterSkinManagerClass();
  const TLayout layout{L"TSkinLayoutForm", L"SkinLayoutForm", {{L"Caption", std::wstring(L"layout")}},
      {{L"TsSkinManager", L"sSkinManager1", L"",
        {{L"AnimEffects.SkinChanging.Time", int64_t{250}},
         {L"AnimEffects.FormShow.Mode", TIdent{L"atFading"}},
         {L"CommonSections", TStringsValue{{L"[MY SECTION]", L"COLOR = 255", L"; a comment stays as it is"}}},
         {L"MenuSupport.ExtraLineFont.Name", std::wstring(L"Tahoma")},
         {L"MenuSupport.ExtraLineFont.Height", int64_t{-11}},
         {L"SkinDirectory", SkinsFolder()},
         {L"SkinName", std::wstring(L"Air")},
         {L"SkinInfo", std::wstring(L"8")},
         {L"ThirdParty.ThirdButtons", std::wstring(L"TButton\r\nTMyButton")},
         {L"ThirdParty.ThirdEdits", std::wstring(L" ")}}}}};
  std::unique_ptr<TForm> form(TForm::CreateFromLayout(Application, layout));
  auto* manager = dynamic_cast<TsSkinManager*>(form->FindComponent(L"sSkinManager1"));
  ASSERT_NE(manager, nullptr);
  EXPECT_TRUE(manager->Active());
  EXPECT_GE(manager->GetSkinIndex("BUTTON"), 0);
  EXPECT_GE(manager->GetSkinIndex("MYSECTION"), 0) << "the common sections, stored first, are part of the load";
  EXPECT_EQ(manager->CommonSections()[2], L"; a comment stays as it is");
  EXPECT_EQ(manager->AnimEffects.SkinChanging.Time, 250);
  EXPECT_EQ(manager->AnimEffects.FormShow.Mode, atFading);
  EXPECT_EQ(manager->MenuSupport.ExtraLineFont.Height(), -11);
  EXPECT_EQ(manager->MenuSupport.IcoLineSkin, L"ICOLINE");
  EXPECT_EQ(manager->ThirdLists[1].Count(), 2);
  EXPECT_EQ(manager->ThirdLists[1].Get(1), L"TMyButton");
  EXPECT_EQ(manager->ThirdLists[0].Get(0), L" ");
  EXPECT_EQ(manager->SkinInfo(), L"8");
  EXPECT_TRUE(boxes.Texts.empty());
}

TEST_F(SkinManagerTest, ALayoutWithAMissingSkinFolderStaysSilentAndInactive) {
  RegisterSkinManagerClass();
  const TLayout layout{L"TMissingSkinForm", L"MissingSkinForm", {},
      {{L"TsSkinManager", L"sSkinManager1", L"",
        {{L"SkinDirectory", std::wstring(L"F:\\no\\such\\folder")}, {L"SkinName", std::wstring(L"Air")}}}}};
  std::unique_ptr<TForm> form(TForm::CreateFromLayout(Application, layout));
  auto* manager = dynamic_cast<TsSkinManager*>(form->FindComponent(L"sSkinManager1"));
  ASSERT_NE(manager, nullptr);
  EXPECT_FALSE(manager->Active());
  EXPECT_TRUE(boxes.Texts.empty());
}

}  // namespace
