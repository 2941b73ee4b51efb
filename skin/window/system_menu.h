#pragma once
// TsSystemMenu: the skinned replacement of a skinned form's system menu. It
// is generated from the platform's own system menu (its texts, and any
// commands the application added there), shows and enables its entries by
// the form's border style, icons and state, and can carry the list of the
// manager's skins.

#include <windows.h>

#include <string>

#include "core/paint/system_menu_rules.h"
#include "framework/menus/menu.h"

class TCustomForm;
class TsSkinProvider;

enum TacItemPosition { ipTop, ipBottom, ipBeforeClose };

// An extra entry of a form's system menu: a submenu with the caption that
// holds copies of the popup menu's items. Added only when both are set. The
// popup menu is set through the provider (SetSysSubMenuPopup), which forgets
// it when it is freed.
struct TacSysSubMenu {
  std::wstring Caption;
  TPopupMenu* PopupMenu = nullptr;
  TacItemPosition Position = ipBeforeClose;
};

// What the system-menu rules ask of a form.
zelvan::paint::TSysMenuFacts SysMenuFacts(TCustomForm& form);

class TsSystemMenu : public TPopupMenu {
 public:
  TsSystemMenu(TsSkinProvider* owner, TCustomForm* form);
  std::wstring ClassName() const override { return L"TsSystemMenu"; }

  TsSkinProvider* FOwner;
  TCustomForm* FForm;
  TMenuItem* ItemRestore = nullptr;
  TMenuItem* ItemMove = nullptr;
  TMenuItem* ItemSize = nullptr;
  TMenuItem* ItemMinimize = nullptr;
  TMenuItem* ItemMaximize = nullptr;
  TMenuItem* ItemClose = nullptr;
  TMenuItem* SubMenu = nullptr;
  int ExtItemsCount = 0;  // the platform's own commands copied in

  // Rebuilds the items from the platform's system menu.
  void Generate();
  // Visibility and enabling by the form's state; with full, regenerated
  // first when the platform menu changed.
  void UpdateItems(bool full = false);
  // The "Available skins" item at the top, one radio item per skin.
  void MakeSkinItems();
  void UpdateGlyphs() {}
  // True when the platform's system menu no longer has the items last read.
  bool PlatformChanged() const;

  virtual bool VisibleClose() const;
  virtual bool VisibleMax() const;
  virtual bool VisibleMin() const;
  virtual bool EnabledMax() const;
  virtual bool EnabledMin() const;
  virtual bool EnabledRestore() const;
  zelvan::paint::TSysMenuFacts Facts() const;

  void RestoreClick(TObject*) { Send(SC_RESTORE); }
  void MoveClick(TObject*) { Send(SC_MOVE); }
  void SizeClick(TObject*) { Send(SC_SIZE); }
  void MinClick(TObject*) { Send(SC_MINIMIZE); }
  void MaxClick(TObject*) { Send(SC_MAXIMIZE); }
  void CloseClick(TObject*) { Send(SC_CLOSE); }
  void ExtClick(TObject* sender);
  static void CopyItems(const TMenuItem& from, TMenuItem& to);
  void SkinSelect(TObject* sender);

 private:
  void Send(WPARAM command);
  int FPlatformCount = -1;
};

// Shows and enables the six window-command items of a system menu by the
// rules' state (items that are null are passed over).
void ApplySysMenuState(const zelvan::paint::TSysMenuState& state, TMenuItem* restore, TMenuItem* move, TMenuItem* size,
                       TMenuItem* minimize, TMenuItem* maximize, TMenuItem* close);

// The skin name a skin-list caption stands for (accelerators and the
// "(internal)" suffix removed).
std::wstring SkinNameOfCaption(const std::wstring& caption);
