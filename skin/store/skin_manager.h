#pragma once
// TsSkinManager: the non-visual component that holds the active skin, loads
// it (folder, archive or built-in skin), recolours it, tells every window of
// the application when it was loaded, changed or removed, and carries the
// engine's effect, animation, menu and class-list settings. The first manager
// made becomes the process-wide default manager.
//
// The loaded skin itself (sections gd, image parts ma, patterns pa, the
// master bitmap, SkinData, ConstData and their lookups) is the store this
// class derives from.

#include <windows.h>

#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "core/store/shadow_templates.h"
#include "core/store/skin_store.h"
#include "core/store/stored_skins.h"
#include "framework/component/component.h"
#include "framework/controls/control_types.h"
#include "framework/utils/string_list.h"
#include "skin/store/manager_options.h"

class TControl;

enum TacSkinningRule { srStdForms, srStdDialogs, srThirdParty };
using TacSkinningRules = TSet<TacSkinningRule>;

enum TacShowAction { saIgnore, saRestore, saMinimize };

// Callbacks passed on to the menu and dialog skinning.
using TacGetExtraLineData = std::function<void(TObject* firstItem, std::wstring& sectionName, std::wstring& text,
                                               HBITMAP& glyph, bool& lineVisible)>;
using TacGetPopupItemData = std::function<void(TObject* item, int state, TFont& font)>;
using TacSysDlgInit = std::function<void(HWND dialog, bool& allowSkinning)>;

// Holds the settings the store reads, so that they exist before the store.
struct TsSkinManagerSettings {
  zelvan::store::TSkinSettings FSettings;
};

class TsSkinManager : private TsSkinManagerSettings, public TComponent, public zelvan::store::TsSkinStore {
 public:
  explicit TsSkinManager(TComponent* owner);
  ~TsSkinManager() override;
  std::wstring ClassName() const override { return L"TsSkinManager"; }

  // --- published
  TacSkinEffects Effects;
  bool ExtendedBorders() const { return FSettings.ExtendedBorders; }
  void SetExtendedBorders(bool value);
  bool SkinnedPopups() const { return FSkinnedPopups; }
  void SetSkinnedPopups(bool value);
  TacAnimEffects AnimEffects;
  bool IsDefault() const;
  void SetIsDefault(bool value);
  bool Active() const { return FSettings.Active; }
  void SetActive(bool value);
  std::vector<std::wstring> CommonSections() const;
  void SetCommonSections(const std::vector<std::wstring>& lines);
  int Saturation() const { return FSettings.Saturation; }
  void SetSaturation(int value);
  int HueOffset() const { return FSettings.HueOffset; }
  void SetHueOffset(int value);
  zelvan::store::TsStoredSkins& InternalSkins() { return FInternalSkins; }
  TacMenuSupport MenuSupport;
  std::wstring SkinDirectory() const;
  void SetSkinDirectory(const std::wstring& value);
  std::wstring SkinName() const;
  void SetSkinName(const std::wstring& value);
  // The loaded skin's version ("8", "7.62"), "N/A" while no skin is active.
  std::wstring SkinInfo() const;
  void SetSkinInfo(const std::wstring&) {}
  TacSkinningRules SkinningRules() const { return FSkinningRules; }
  void SetSkinningRules(TacSkinningRules rules);
  ThirdPartyList ThirdParty;
  static std::wstring Version() { return L"8.13"; }

  TNotifyEvent OnActivate;
  TNotifyEvent OnAfterChange;
  TNotifyEvent OnBeforeChange;
  TNotifyEvent OnDeactivate;
  TNotifyEvent OnSkinListChanged;
  TacGetExtraLineData OnGetMenuExtraLineData;
  TacGetPopupItemData OnGetPopupItemData;
  TacSysDlgInit OnSysDlgInit;

  // --- public state
  std::vector<TStringList> ThirdLists;  // the ThirdParty texts split into lines, case-sensitive
  zelvan::store::TShadowTemplates Shadows;
  zelvan::image::TWorkingBitmap* ShdaTemplate() const { return Shadows.Active.get(); }
  zelvan::image::TWorkingBitmap* ShdiTemplate() const { return Shadows.Inactive.get(); }
  const zelvan::paint::TRect& FormShadowSize() const { return Shadows.Size; }
  bool NonAutoUpdate = false;
  bool SkinRemoving = false;
  TacShowAction ShowState = saIgnore;
  bool GlobalHookInstalled() const;
  // Extended borders are on here and the form skinning allows them.
  bool ExtendedBordersInEffect() const;

  // --- operations
  void UpdateSkin(bool repaint = true);
  void UpdateSkinSection(const std::string& section);
  void RepaintForms(bool lock = true);
  void BeginUpdate() { NonAutoUpdate = true; }
  void EndUpdate(bool repaint = true, bool animation = false);
  // A skin handed over by an editing tool: from the first one on, a folder of
  // the set name wins over an archive of it; while a text is handed over,
  // loads read it instead of the folder's description file.
  void SetPreviewMode() { FSettings.PreviewMode = true; }
  bool PreviewMode() const { return FSettings.PreviewMode; }
  void SetHandedOverOptions(std::optional<std::string> text) { FSettings.HandedOverOptions = std::move(text); }
  void InstallHook();
  void UnInstallHook();
  // The windowed control under the mouse (its window), and the graphic one.
  void SetActiveControl(HWND control);
  HWND ActiveControl() const { return FActiveControl; }
  // False when the current graphic control keeps its place (clearing only).
  bool SetActiveGraphControl(TControl* control);
  TControl* ActiveGraphControl() const { return FActiveGraphControl; }
  void CheckShadows();

  void Loaded() override;
  void ConstantIndexesComputed() override;

 protected:
  void Notification(TComponent* component, TOperation operation) override;

 private:
  bool Reading() const { return ComponentState().Contains(csReading); }
  // Loads the current name again, telling the windows (SkinName's steps 3 to 7).
  void LoadSkin(const std::wstring& oldName);
  void SendToAllForms(uint16_t code, LPARAM lParam);
  void TellAllWindows(bool repaint);
  void RemoveSkinFromAllWindows();
  void UpdateStdDialogs();
  void FillThirdLists();
  void WriteThirdLists();
  void ShowLoadError(const std::wstring& text);
  void RestoreSkin();

  static inline bool FSkinChanging = false;  // process-wide, read through SkinChanging()
  friend bool SkinChanging();
  bool FSkinnedPopups = true;
  TacSkinningRules FSkinningRules{srStdForms, srStdDialogs, srThirdParty};
  zelvan::store::TsStoredSkins FInternalSkins;
  bool FReloadWhenLoaded = false;
  HWND FActiveControl = nullptr;
  TControl* FActiveGraphControl = nullptr;
};

// The process-wide default manager, or null.
TsSkinManager* DefaultManager();
// True while windows are being told of a new skin.
bool SkinChanging();

// Registers TsSkinManager and its published properties for stored layouts.
void RegisterSkinManagerClass();
