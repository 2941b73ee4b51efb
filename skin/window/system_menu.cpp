#include "skin/window/system_menu.h"

#include <vector>

#include "core/paint/menu_layout.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "skin/store/skin_manager.h"
#include "skin/window/skin_provider.h"

namespace {

constexpr wchar_t kSkinItemName[] = L"SkinSelectItem";

struct TPlatformItem {
  UINT Command = 0;
  std::wstring Text;
  bool Separator = false;
};

std::vector<TPlatformItem> PlatformItems(HWND window) {
  std::vector<TPlatformItem> items;
  HMENU menu = window ? GetSystemMenu(window, FALSE) : nullptr;
  const int count = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < count; ++i) {
    wchar_t buffer[256] = {};
    MENUITEMINFOW info{};
    info.cbSize = sizeof(info);
    info.fMask = MIIM_FTYPE | MIIM_ID | MIIM_STRING;
    info.dwTypeData = buffer;
    info.cch = 255;
    if (!GetMenuItemInfoW(menu, static_cast<UINT>(i), TRUE, &info)) continue;
    items.push_back({info.wID, buffer, (info.fType & MFT_SEPARATOR) != 0});
  }
  return items;
}

// The platform's text for a command, split at its tab; the default when it has none.
void SetText(TMenuItem& item, const std::vector<TPlatformItem>& platform, UINT command, const wchar_t* fallback) {
  std::wstring text;
  for (const TPlatformItem& p : platform) {
    if (p.Command == command) text = p.Text;
  }
  if (const size_t tab = text.find(L'\t'); tab != std::wstring::npos) {
    item.ShortCutText = text.substr(tab + 1);
    text.resize(tab);
  }
  item.Caption = text.empty() ? fallback : text;
}

zelvan::paint::TFormBorderKind BorderKind(TFormBorderStyle style) {
  using K = zelvan::paint::TFormBorderKind;
  switch (style) {
    case bsNone: return K::None;
    case bsSingle: return K::Single;
    case bsSizeable: return K::Sizeable;
    case bsDialog: return K::Dialog;
    case bsToolWindow: return K::ToolWindow;
    case bsSizeToolWin: return K::SizeToolWin;
  }
  return K::Sizeable;
}

}  // namespace

std::wstring SkinNameOfCaption(const std::wstring& caption) {
  std::wstring name = zelvan::paint::StripAccelerators(caption);
  const std::wstring suffix = L"(internal)";
  if (const size_t at = name.rfind(suffix); at != std::wstring::npos && at + suffix.size() == name.size()) {
    name.resize(at);
    while (!name.empty() && name.back() == L' ') name.pop_back();
  }
  return name;
}

TsSystemMenu::TsSystemMenu(TsSkinProvider* owner, TCustomForm* form) : TPopupMenu(nullptr), FOwner(owner), FForm(form) {
  SetName(L"acSysMenu");
  Generate();
}

bool TsSystemMenu::PlatformChanged() const {
  HMENU menu = FForm->HandleAllocated() ? GetSystemMenu(FForm->Handle(), FALSE) : nullptr;
  return menu && GetMenuItemCount(menu) != FPlatformCount;
}

void TsSystemMenu::Generate() {
  Items().Clear();
  ItemRestore = ItemMove = ItemSize = ItemMinimize = ItemMaximize = ItemClose = SubMenu = nullptr;
  ExtItemsCount = 0;
  HWND window = FForm->HandleAllocated() ? FForm->Handle() : nullptr;
  const std::vector<TPlatformItem> platform = PlatformItems(window);
  FPlatformCount = window && GetSystemMenu(window, FALSE) ? GetMenuItemCount(GetSystemMenu(window, FALSE)) : -1;
  const auto add = [&](TMenuItem*& slot, UINT command, const wchar_t* fallback, void (TsSystemMenu::*click)(TObject*)) {
    slot = Items().Add(L"", [this, click](TObject* sender) { (this->*click)(sender); });
    slot->SetTag(static_cast<intptr_t>(command));
    SetText(*slot, platform, command, fallback);
  };
  const TacSysSubMenu& extra = FOwner->SysSubMenu;
  const auto addExtra = [&] {
    if (extra.Caption.empty() || !extra.PopupMenu) return;
    SubMenu = Items().Add(extra.Caption);
    SubMenu->SubMenuImages = extra.PopupMenu->Images;
    CopyItems(extra.PopupMenu->Items(), *SubMenu);
  };
  if (extra.Position == ipTop) addExtra();
  add(ItemRestore, SC_RESTORE, L"Restore", &TsSystemMenu::RestoreClick);
  add(ItemMove, SC_MOVE, L"Move", &TsSystemMenu::MoveClick);
  add(ItemSize, SC_SIZE, L"Size", &TsSystemMenu::SizeClick);
  add(ItemMinimize, SC_MINIMIZE, L"Minimize", &TsSystemMenu::MinClick);
  add(ItemMaximize, SC_MAXIMIZE, L"Maximize", &TsSystemMenu::MaxClick);
  Items().Add(L"-");
  for (const TPlatformItem& p : platform) {
    if (p.Separator || (p.Command >= 0xF000 && p.Command <= 0xF1FF)) continue;
    TMenuItem* item = Items().Add(L"", [this](TObject* sender) { ExtClick(sender); });
    item->SetTag(static_cast<intptr_t>(p.Command));
    std::wstring text = p.Text;
    if (const size_t tab = text.find(L'\t'); tab != std::wstring::npos) {
      item->ShortCutText = text.substr(tab + 1);
      text.resize(tab);
    }
    item->Caption = text;
    ++ExtItemsCount;
  }
  if (ExtItemsCount > 0) Items().Add(L"-");
  if (extra.Position == ipBeforeClose) addExtra();
  add(ItemClose, SC_CLOSE, L"Close", &TsSystemMenu::CloseClick);
  if (extra.Position == ipBottom && !extra.Caption.empty() && extra.PopupMenu) {
    Items().Add(L"-");
    addExtra();
  }
}

// The copies click as the originals do; submenus are copied whole.
void TsSystemMenu::CopyItems(const TMenuItem& from, TMenuItem& to) {
  for (int i = 0; i < from.Count(); ++i) {
    const TMenuItem& source = *from.Items(i);
    TMenuItem* copy = to.Add(source.Caption, source.OnClick);
    copy->ShortCutText = source.ShortCutText;
    copy->Checked = source.Checked;
    copy->RadioItem = source.RadioItem;
    copy->Enabled = source.Enabled;
    copy->Visible = source.Visible;
    copy->Default = source.Default;
    copy->Break = source.Break;
    copy->ImageIndex = source.ImageIndex;
    copy->SubMenuImages = source.SubMenuImages;
    CopyItems(source, *copy);
  }
}

zelvan::paint::TSysMenuFacts SysMenuFacts(TCustomForm& form) {
  zelvan::paint::TSysMenuFacts f;
  const TBorderIcons icons = form.BorderIcons();
  f.Border = BorderKind(form.BorderStyle());
  f.SystemMenu = icons.Contains(biSystemMenu);
  f.MaximizeIcon = icons.Contains(biMaximize);
  f.MinimizeIcon = icons.Contains(biMinimize);
  if (form.HandleAllocated()) {
    f.Minimized = IsIconic(form.Handle()) != FALSE;
    f.Maximized = IsZoomed(form.Handle()) != FALSE;
    HMENU menu = GetSystemMenu(form.Handle(), FALSE);
    f.PlatformHasClose = menu && GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) != static_cast<UINT>(-1);
  }
  f.IsMainForm = Application && Application->MainForm() == &form;
  f.MainFormOnTaskbar = Application && Application->MainFormOnTaskbar();
  return f;
}

zelvan::paint::TSysMenuFacts TsSystemMenu::Facts() const { return SysMenuFacts(*FForm); }

bool TsSystemMenu::VisibleClose() const { return Facts().PlatformHasClose; }
bool TsSystemMenu::VisibleMax() const { return zelvan::paint::VisibleMax(Facts()); }
bool TsSystemMenu::VisibleMin() const { return zelvan::paint::VisibleMin(Facts()); }
bool TsSystemMenu::EnabledMax() const { return zelvan::paint::EnabledMax(Facts()); }
bool TsSystemMenu::EnabledMin() const { return zelvan::paint::EnabledMin(Facts()); }
bool TsSystemMenu::EnabledRestore() const { return zelvan::paint::EnabledRestore(Facts()); }

void TsSystemMenu::UpdateItems(bool full) {
  if (full && PlatformChanged()) Generate();
  ApplySysMenuState(zelvan::paint::SysMenuState(Facts()), ItemRestore, ItemMove, ItemSize, ItemMinimize, ItemMaximize,
                    ItemClose);
}

void ApplySysMenuState(const zelvan::paint::TSysMenuState& state, TMenuItem* restore, TMenuItem* move, TMenuItem* size,
                       TMenuItem* minimize, TMenuItem* maximize, TMenuItem* close) {
  const auto apply = [](TMenuItem* item, const zelvan::paint::TSysMenuEntry& entry) {
    if (!item) return;
    item->Visible = entry.Visible;
    item->Enabled = entry.Enabled;
  };
  apply(restore, state.Restore);
  apply(move, state.Move);
  apply(size, state.Size);
  apply(minimize, state.Minimize);
  apply(maximize, state.Maximize);
  apply(close, state.Close);
}

void TsSystemMenu::MakeSkinItems() {
  for (int i = Items().Count() - 1; i >= 0; --i) {
    if (Items().Items(i)->Name() == kSkinItemName) Items().Delete(i);
  }
  TsSkinManager* manager = FOwner ? FOwner->SkinData.SkinManager() : nullptr;
  if (!manager) return;
  std::vector<std::u16string> names;
  manager->GetSkinNames(names, zelvan::store::stAllSkins);
  auto* list = new TMenuItem();
  list->SetName(kSkinItemName);
  list->Caption = L"Available skins";
  const std::wstring current = manager->SkinName();
  for (size_t i = 0; i < names.size(); ++i) {
    TMenuItem* item = list->Add(std::wstring(names[i].begin(), names[i].end()), [this](TObject* sender) { SkinSelect(sender); });
    item->RadioItem = true;
    item->Checked = SkinNameOfCaption(item->Caption) == current;
    if (zelvan::paint::MenuColumnBreakBefore(static_cast<int>(i))) item->Break = mbBreak;
  }
  Items().Insert(0, list);
}

void TsSystemMenu::Send(WPARAM command) {
  if (FForm->HandleAllocated()) PostMessageW(FForm->Handle(), WM_SYSCOMMAND, command, 0);
}

void TsSystemMenu::ExtClick(TObject* sender) {
  if (auto* item = dynamic_cast<TMenuItem*>(sender)) Send(static_cast<WPARAM>(item->Tag()));
}

void TsSystemMenu::SkinSelect(TObject* sender) {
  auto* item = dynamic_cast<TMenuItem*>(sender);
  TsSkinManager* manager = FOwner ? FOwner->SkinData.SkinManager() : nullptr;
  if (item && manager) manager->SetSkinName(SkinNameOfCaption(item->Caption));
}
