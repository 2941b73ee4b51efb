#pragma once
// TsSkinableMenus: the skin manager's popup-menu painter. Menus stay the
// platform's own; hooked ones become owner-drawn and their items get the
// measure and draw handlers below. Each open popup window gets one prepared
// background (section "MAINMENU" with its border, the icon column and the
// extra line) that every item is drawn over; the window's region follows
// the border's corner key pixels.
//
// The menu window itself is wrapped (TacMnuWnd) by the first item drawn in
// it, so the window never needs to be looked up later from the queue.

#include <windows.h>

#include <functional>
#include <memory>
#include <unordered_set>
#include <vector>

#include "core/paint/geometry.h"
#include "framework/controls/control_types.h"
#include "framework/graphics/font.h"
#include "framework/stdctrls/label.h"
#include "framework/menus/menu.h"

class TBitmap;
class TsSkinManager;

// The prepared background of one open popup.
struct TacMenuInfo {
  TMenuItem* FirstItem = nullptr;
  std::unique_ptr<TBitmap> Bmp;
  HWND Wnd = nullptr;
  bool HaveExtraLine = false;
};

class TsSkinableMenus {
 public:
  explicit TsSkinableMenus(TsSkinManager* owner);
  ~TsSkinableMenus();
  TsSkinableMenus(const TsSkinableMenus&) = delete;
  TsSkinableMenus& operator=(const TsSkinableMenus&) = delete;

  // --- published
  int Margin = 2;
  TAlignment Alignment = taLeftJustify;
  int BevelWidth = 0;
  int BorderWidth = 3;
  TFont CaptionFont;
  int SkinBorderWidth = -1;  // measured from "MAINMENU" on first use
  int Spacing = 8;
  // Draws over a finished item picture (before the disabled fade).
  std::function<void(TMenuItem* item, TBitmap& picture, const RECT& rect, TOwnerDrawState state)> OnDrawItem;

  std::vector<zelvan::paint::TRect> ArOR;  // cut out of the popup window's region
  bool Pressed = false;
  bool BorderDrawing = false;

  // True while the manager skins popups with an active skin.
  bool Active() const;

  // The menu becomes owner-drawn with the skin's handlers (active), or
  // plain again with them removed; the application's own handlers stay.
  void HookPopupMenu(TMenu& menu, bool active);
  void HookItem(TMenuItem& item, bool active);
  void InitItem(TMenuItem& item, bool active);
  // Every menu of the application.
  void InitItems(bool active);
  // Hooks again after a skin change.
  void UpdateMenus();
  // Menu bar items: the framework has no main menu, so none is a top-line item.
  bool IsTopLine(const TMenuItem*) const { return false; }
  bool IsPopupItem(const TMenuItem* item) const;

  void sMeasureItem(TMenuItem* item, HDC dc, int& width, int& height);
  void sAdvancedDrawItem(TMenuItem* item, HDC dc, const RECT& rect, TOwnerDrawState state);

  // The popup's prepared background, made when missing.
  TacMenuInfo* GetMenuInfo(TMenuItem* item, int width, HWND window, int height);
  TacMenuInfo* PrepareMenuBG(TMenuItem* firstItem, int width, HWND window, int height);
  // Region and picture of the popup window, once per shown window.
  void DrawWndBorder(HWND window, TBitmap& bitmap);
  int GetSkinBorderWidth();
  int ExtraWidth(const TacMenuInfo& info) const;
  // The prepared background of a window, or null.
  static TacMenuInfo* MenuInfoOf(HWND window);
  // Frees every prepared background.
  static void ClearMenuInfo();
  // Items drawn since the flag was cleared (a popup window is being skinned).
  static bool& SkinnedPopupFlag();

 private:
  // The item's font; true when the application changed its colour.
  bool MakeFont(TMenuItem* item, int state, TFont& font);
  SIZE GlyphSize(TMenuItem* item) const;
  void DrawSeparator(TBitmap& picture, const TacMenuInfo& info, TMenuItem* item, int width);
  void DrawCaptionItem(TBitmap& picture, TMenuItem* item);
  void DrawNormalItem(TBitmap& picture, TMenuItem* item, bool selected, bool fontColorChanged);
  void DrawCheckAndGlyph(TBitmap& picture, TMenuItem* item, bool selected);
  void DrawExtraLine(TBitmap& bitmap, TMenuItem* firstItem, int border, int height);
  void CopyFrameParts(HDC dc, const TacMenuInfo& info, TMenuItem* item, const RECT& rect, POINT offset);

  // The platform's menu font, read again whenever a menu is hooked (it shows).
  void ReadMenuFont();
  LOGFONTW FMenuFont{};
  bool FMenuFontRead = false;
  std::unique_ptr<TBitmap> FPicture;  // the item being drawn

  TsSkinManager* FOwner;
  std::unordered_set<TMenuItem*> FHooked;  // items carrying the skin's handlers
};

// The manager's menu painter (made on first use, freed with the manager).
TsSkinableMenus* SkinableMenusOf(TsSkinManager* manager);
void ForgetSkinableMenus(TsSkinManager* manager);
// Hooks every popup of the application into the default manager's menu
// painting as it shows (installed once by the first manager).
void InstallPopupSkinning();
