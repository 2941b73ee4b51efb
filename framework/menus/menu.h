#pragma once
// TMenu and TPopupMenu: a tree of TMenuItem shown as a platform menu. The
// platform menu is rebuilt from the items for every popup (and freed after
// it), owner-drawn when OwnerDraw is set; its measure, draw, command and
// init-popup messages go to one hidden window (TPopupList) that hands them
// back to the items.

#include <windows.h>

#include <functional>
#include <string>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"
#include "framework/menus/menu_item.h"

class TImageList;

enum TPopupAlignment { paLeft, paRight, paCenter };
enum TMenuAnimationItem { maLeftToRight, maRightToLeft, maTopToBottom, maBottomToTop, maNone };
using TMenuAnimation = TSet<TMenuAnimationItem>;

class TMenu : public TComponent {
 public:
  explicit TMenu(TComponent* owner);
  ~TMenu() override;
  std::wstring ClassName() const override { return L"TMenu"; }

  TMenuItem& Items() { return FItems; }
  TImageList* Images = nullptr;
  bool OwnerDraw() const { return FOwnerDraw; }
  void SetOwnerDraw(bool value) { FOwnerDraw = value; }
  bool RightToLeft = false;
  bool IsRightToLeft() const { return RightToLeft; }

  // A fresh platform menu of the visible items (the previous one is freed).
  HMENU Handle();
  // The platform menu of the last build, or null.
  HMENU CurrentHandle() const { return FHandle; }
  void DestroyHandle();

 protected:
  virtual HMENU CreateMenuHandle() { return CreatePopupMenu(); }

 private:
  TMenuItem FItems;
  HMENU FHandle = nullptr;
  bool FOwnerDraw = false;
};

class TPopupMenu : public TMenu {
 public:
  explicit TPopupMenu(TComponent* owner);
  ~TPopupMenu() override;
  std::wstring ClassName() const override { return L"TPopupMenu"; }

  bool AutoPopup = true;
  TPopupAlignment Alignment = paLeft;
  TMenuAnimation MenuAnimation;
  UINT TrackButton = TPM_RIGHTBUTTON;
  TComponent* PopupComponent = nullptr;
  TNotifyEvent OnPopup;
  TNotifyEvent OnClose;

  // Shows the menu at a screen point and runs the platform's menu loop; the
  // chosen item's click runs when its command message is handled.
  virtual void Popup(int x, int y);
  // The window that receives the menu's messages.
  static HWND PopupListWindow();
  // Runs before every popup builds its platform menu (menu painters hook in here).
  static std::function<void(TPopupMenu& menu)>& BeforePopup();
};

// Every live menu, for the popup list's lookups.
TMenuItem* FindMenuItemByCommand(UINT command);
TMenuItem* FindMenuItemBySubMenu(HMENU menu);
void ForEachMenu(const std::function<void(TMenu& menu)>& action);
