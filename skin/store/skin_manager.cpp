#include "skin/store/skin_manager.h"

#include "skin/menus/skinable_menus.h"

#include <exception>
#include <sstream>

#include "core/text/utf.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "framework/forms/message_dialogs.h"
#include "framework/system/exception.h"
#include "framework/system/flag_scope.h"
#include "skin/core/skinned_windows.h"
#include "skin/store/builtin_shadows.h"
#include "skin/store/manager_seams.h"
#include "skin/store/platform_services.h"

using zelvan::store::TMessageKind;
using zelvan::text::Utf16ToUtf8;
using zelvan::text::Utf8ToUtf16;

namespace {

TsSkinManager* gDefaultManager = nullptr;

std::u16string U16(const std::wstring& text) { return std::u16string(text.begin(), text.end()); }
std::wstring Wide(const std::u16string& text) { return std::wstring(text.begin(), text.end()); }

// The lines of a stored text, split at line breaks.
std::vector<std::wstring> SplitLines(const std::wstring& text) {
  std::vector<std::wstring> lines;
  std::wstring line;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'\r' || text[i] == L'\n') {
      if (text[i] == L'\r' && i + 1 < text.size() && text[i + 1] == L'\n') ++i;
      lines.push_back(line);
      line.clear();
    } else {
      line += text[i];
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

}  // namespace

TsSkinManager* DefaultManager() { return gDefaultManager; }
bool SkinChanging() { return TsSkinManager::FSkinChanging; }

// ---------------------------------------------------------------- lifetime

TsSkinManager::TsSkinManager(TComponent* owner)
    : TComponent(owner),
      TsSkinStore(PlatformSkinServices([this](TMessageKind kind, const std::string& text) {
                    const std::wstring message = Wide(Utf8ToUtf16(text));
                    if (kind == TMessageKind::mkError) return ShowLoadError(message);
                    // Standard dialogs stay unskinned while a warning about the skin is up.
                    const TacSkinningRules rules = FSkinningRules;
                    if (kind == TMessageKind::mkWarning) FSkinningRules.Exclude(srStdDialogs);
                    Application->MessageBox(message, Application->Title(),
                                            MB_OK | (kind == TMessageKind::mkWarning ? MB_ICONWARNING
                                                                                      : MB_ICONINFORMATION));
                    FSkinningRules = rules;
                  }),
                  FSettings),
      ThirdLists(ThirdPartyList::kCount) {
  FSettings.InternalSkins = &FInternalSkins;
  FInternalSkins.OnChange = [this] {
    if (OnSkinListChanged) OnSkinListChanged(this);
  };
  SkinData->Active = false;
  for (TStringList& list : ThirdLists) list.SetCaseSensitive(true);
  if (!gDefaultManager) {
    gDefaultManager = this;
    InstallApplicationHook(*this);
  }
  FillThirdLists();
  InstallPopupSkinning();
}

TsSkinManager::~TsSkinManager() {
  Destroying();
  try {
    if (FSettings.Active && !SkinRemoving) RemoveSkinFromAllWindows();
  } catch (...) {
    // Windows that failed to hear of it keep painting from their own caches.
  }
  FSettings.Active = false;
  RemoveExtendedBorders(*this);
  if (FActiveGraphControl) FActiveGraphControl->RemoveFreeNotification(this);
  if (gDefaultManager == this) {
    UnInstallHook();
    RemoveApplicationHook(*this);
    gDefaultManager = nullptr;
    UseTaskDialogs = true;
  }
  WriteThirdLists();
  ForgetSkinableMenus(this);
  FreeSkin();
}

void TsSkinManager::Loaded() {
  TComponent::Loaded();
  if (FSettings.SkinDirectory.empty()) FSettings.SkinDirectory = u"c:\\Skins";
  if (MenuSupport.IcoLineSkin.empty()) MenuSupport.IcoLineSkin = L"ICOLINE";
  FillThirdLists();
  if (std::exchange(FReloadWhenLoaded, false) && FSettings.Active) {
    LoadSkin(SkinName());
  } else if (FSettings.Active && !FSettings.SkinName.empty()) {
    TellAllWindows(false);
  }
  UpdateStdDialogs();
  if (FSettings.Active && OnActivate) OnActivate(this);
}

void TsSkinManager::Notification(TComponent* component, TOperation operation) {
  TComponent::Notification(component, operation);
  if (operation == opRemove && component == FActiveGraphControl) FActiveGraphControl = nullptr;
}

// ---------------------------------------------------------------- loading

std::wstring TsSkinManager::SkinName() const { return Wide(FSettings.SkinName); }

void TsSkinManager::SetSkinName(const std::wstring& value) {
  const std::wstring oldName = SkinName();
  FSettings.SkinName = U16(value);
  if (!FSettings.Active) {
    UpdateStdDialogs();
    return;
  }
  LoadSkin(oldName);
}

void TsSkinManager::LoadSkin(const std::wstring& oldName) {
  if (OnBeforeChange) OnBeforeChange(this);
  if (ExtendedBordersInEffect() && !NonAutoUpdate && AnimEffects.SkinChanging.Active) {
    for (int i = 0; i < SkinnedFormList().Count(); ++i) {
      TCustomForm* form = SkinnedFormList().Items(i);
      TacProviderLink* provider = ProviderOf(form);
      if (provider && form->HandleAllocated() && IsWindowVisible(form->Handle()) && !form->Parent()) {
        provider->CaptureSkinChangeLook();
      }
    }
  }
  {
    TFlagScope changing(FSkinChanging, true);
    SkinData->Active = false;
    try {
      LoadSkinByName(FSettings.SkinName);
    } catch (const std::exception& e) {
      FSettings.SkinName = U16(oldName);
      // A handed-over text belonged to the name that failed, not to the old one.
      FSettings.HandedOverOptions.reset();
      ShowLoadError(Wide(Utf8ToUtf16(e.what())));
      RestoreSkin();
    }
    if (FSettings.Active) {
      if (!NonAutoUpdate) TellAllWindows(true);
      if (!Reading() && OnActivate) OnActivate(this);
    } else {
      RemoveSkinFromAllWindows();
      if (OnActivate) OnActivate(this);
    }
  }
  if (OnAfterChange) OnAfterChange(this);
  UpdateStdDialogs();
}

// After a failed load: the skin of the restored name again, so that name and
// pictures agree; a skin that fails again leaves nothing half-loaded.
void TsSkinManager::RestoreSkin() {
  try {
    LoadSkinByName(FSettings.SkinName);
  } catch (const std::exception&) {
    FreeSkin();
    InitConstantIndexes();
  }
}

void TsSkinManager::ShowLoadError(const std::wstring& text) {
  Application->MessageBox(text, Application->Title(), MB_OK | MB_ICONERROR);
}

std::wstring TsSkinManager::SkinDirectory() const { return Wide(FSettings.SkinDirectory); }

void TsSkinManager::SetSkinDirectory(const std::wstring& value) {
  if (U16(value) == FSettings.SkinDirectory) return;
  FSettings.SkinDirectory = U16(value);
  SkinData->SkinPath = GetFullSkinDirectory();
  if (OnSkinListChanged) OnSkinListChanged(this);
}

std::wstring TsSkinManager::SkinInfo() const {
  if (!FSettings.Active || !SkinData->Active) return L"N/A";
  std::wostringstream text;
  text << SkinData->Version;  // shortest form: "8", "7.62"
  return text.str();
}

// ---------------------------------------------------------------- settings

void TsSkinManager::SetActive(bool value) {
  if (value == FSettings.Active) return;
  FSettings.Active = value;
  if (value) return SetSkinName(SkinName());
  if (Reading()) {
    FreeSkin();
  } else {
    RemoveSkinFromAllWindows();
  }
  InitConstantIndexes();
  UpdateStdDialogs();
  if (OnDeactivate) OnDeactivate(this);
}

void TsSkinManager::SetHueOffset(int value) {
  if (value == FSettings.HueOffset) return;
  FSettings.HueOffset = value;
  if (FSettings.Active && !Reading()) LoadSkin(SkinName());
}

void TsSkinManager::SetSaturation(int value) {
  if (value == FSettings.Saturation) return;
  FSettings.Saturation = value;
  if (FSettings.Active && !Reading()) LoadSkin(SkinName());
}

void TsSkinManager::SetExtendedBorders(bool value) {
  if (value == FSettings.ExtendedBorders) return;
  FSettings.ExtendedBorders = value;
  if (!FSettings.Active || Reading()) return;
  CheckShadows();
  LoadSkin(SkinName());
}

bool TsSkinManager::ExtendedBordersInEffect() const { return FSettings.ExtendedBorders && AllowExtendedBorders; }

bool TsSkinManager::IsDefault() const { return gDefaultManager == this; }

void TsSkinManager::SetIsDefault(bool value) {
  if (!value && gDefaultManager) return;
  gDefaultManager = this;
  if (Reading()) return;
  if (FSettings.Active) {
    TellAllWindows(true);
  } else {
    RemoveSkinFromAllWindows();
  }
}

void TsSkinManager::SetSkinnedPopups(bool value) {
  FSkinnedPopups = value;
  if (value && !Reading() && IsDefault()) ReskinExistingMenus(*this);
}

std::vector<std::wstring> TsSkinManager::CommonSections() const {
  std::vector<std::wstring> lines;
  for (const std::string& line : FSettings.CommonSections) lines.push_back(Wide(Utf8ToUtf16(line)));
  return lines;
}

void TsSkinManager::SetCommonSections(const std::vector<std::wstring>& lines) {
  FSettings.CommonSections.clear();
  for (std::wstring line : lines) {
    if (!line.starts_with(L";")) std::erase(line, L' ');
    FSettings.CommonSections.push_back(Utf16ToUtf8(U16(line)));
  }
  // While the layout is read the skin name (stored later) loads with these
  // lines; loading here would load the name not read yet.
  if (Reading()) {
    FReloadWhenLoaded = !gd.empty();
    return;
  }
  SetSkinName(SkinName());
}

void TsSkinManager::SetSkinningRules(TacSkinningRules rules) {
  FSkinningRules = rules;
  UpdateStdDialogs();
}

void TsSkinManager::UpdateStdDialogs() {
  if (!IsDefault()) return;
  UseTaskDialogs = !(FSettings.Active && FSkinningRules.Contains(srStdDialogs));
}

// ---------------------------------------------------------------- class lists

void TsSkinManager::FillThirdLists() {
  for (int i = 0; i < ThirdPartyList::kCount; ++i) {
    if (ThirdParty.Text(i).empty()) ThirdParty.SetText(i, ThirdPartyList::Defaults()[static_cast<size_t>(i)]);
    TStringList& list = ThirdLists[static_cast<size_t>(i)];
    list.Clear();
    for (const std::wstring& line : SplitLines(ThirdParty.Text(i))) list.Add(line);
  }
}

void TsSkinManager::WriteThirdLists() {
  for (int i = 0; i < ThirdPartyList::kCount; ++i) {
    const TStringList& list = ThirdLists[static_cast<size_t>(i)];
    std::wstring text;
    for (int j = 0; j < list.Count(); ++j) text += (j ? L"\r\n" : L"") + list.Get(j);
    ThirdParty.SetText(i, text);
  }
}

// ---------------------------------------------------------------- shadows

void TsSkinManager::CheckShadows() {
  const bool inEffect = FSettings.Active && ExtendedBordersInEffect();
  zelvan::store::CheckShadows(*this, inEffect, BuiltInShadow(true), BuiltInShadow(false), Shadows);
}

void TsSkinManager::ConstantIndexesComputed() { CheckShadows(); }
