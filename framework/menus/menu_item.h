#pragma once
// TMenuItem: one entry of a menu and, through its children, the submenu it
// opens. Items keep their own settings; the platform menu is built from them
// on demand (TMenu::Handle), so a change is seen at the next popup.
//
// A caption of exactly "-" is a separator. Each item has a command number
// unique in the process, which the platform's WM_COMMAND carries back.

#include <windows.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "framework/component/component.h"
#include "framework/controls/control_types.h"

class TBitmap;
class TCanvas;
class TImageList;
class TMenu;
class TMenuItem;

enum TMenuBreak { mbNone, mbBreak, mbBarBreak };

enum TOwnerDrawStateItem { odSelected, odGrayed, odDisabled, odChecked, odFocused, odDefault, odNoAccel };
using TOwnerDrawState = TSet<TOwnerDrawStateItem>;

using TMenuMeasureItemEvent = std::function<void(TMenuItem* sender, HDC dc, int& width, int& height)>;
using TAdvancedMenuDrawItemEvent =
    std::function<void(TMenuItem* sender, HDC dc, const RECT& rect, TOwnerDrawState state)>;

class TMenuItem : public TComponent {
 public:
  explicit TMenuItem(TComponent* owner = nullptr);
  ~TMenuItem() override;
  std::wstring ClassName() const override { return L"TMenuItem"; }

  // --- published
  std::wstring Caption;
  std::wstring ShortCutText;  // shown right-aligned ("Ctrl+A"); the menu does not translate keys
  bool Checked = false;
  bool RadioItem = false;
  bool Enabled = true;
  bool Visible = true;
  bool Default = false;
  TMenuBreak Break = mbNone;
  int ImageIndex = -1;
  TImageList* SubMenuImages = nullptr;  // images of the children
  TNotifyEvent OnClick;
  TMenuMeasureItemEvent OnMeasureItem;
  TAdvancedMenuDrawItemEvent OnAdvancedDrawItem;
  // The item's bitmap (made on first use); null when it has none.
  TBitmap* Bitmap() const { return FBitmap.get(); }
  TBitmap& NewBitmap();

  // --- tree
  int Count() const { return static_cast<int>(FItems.size()); }
  TMenuItem* Items(int index) const { return FItems.at(static_cast<size_t>(index)).get(); }
  TMenuItem* Parent() const { return FParent; }
  int MenuIndex() const;
  // The item takes `item`; returns it.
  TMenuItem* Add(TMenuItem* item);
  TMenuItem* Insert(int index, TMenuItem* item);
  // A new child with a caption (and click handler).
  TMenuItem* Add(const std::wstring& caption, TNotifyEvent onClick = nullptr);
  void Delete(int index);
  void Clear();
  // The menu the item belongs to (through its parents), or null.
  TMenu* GetParentMenu() const;
  bool IsLine() const { return Caption == L"-"; }

  // --- platform
  UINT Command() const { return FCommand; }
  // The item (in this tree) with the command, or null.
  TMenuItem* Find(UINT command);
  // The item whose submenu is the platform menu, or null.
  TMenuItem* FindBySubMenu(HMENU menu);
  // The submenu made by the last build; null for items without children.
  HMENU SubMenuHandle() const { return FSubMenu; }

  // What the platform's messages do with the item.
  virtual void Click();
  void MeasureItem(HDC dc, int& width, int& height);
  void AdvancedDrawItem(HDC dc, const RECT& rect, TOwnerDrawState state);
  // The plain look, for handlers that have nothing to draw with.
  void DrawDefault(HDC dc, const RECT& rect, TOwnerDrawState state);
  // True while the item is alive (the platform hands back raw pointers).
  static bool IsAlive(const TMenuItem* item);

 private:
  friend class TMenu;
  // Appends the children to the platform menu; owner-drawn when ownerDraw.
  void BuildInto(HMENU menu, bool ownerDraw);

  TMenu* FMenu = nullptr;  // set on the root item of a menu
  TMenuItem* FParent = nullptr;
  std::vector<std::unique_ptr<TMenuItem>> FItems;
  std::unique_ptr<TBitmap> FBitmap;
  UINT FCommand;
  HMENU FSubMenu = nullptr;  // owned by the parent's platform menu
};
