// TsSkinProvider: the caption buttons' pictures, their hot and pressed
// states, the window commands they send, clicks on the caption and icon,
// and the system menu they open.
//
// A press takes the mouse capture, so its release is seen wherever it
// happens; losing the capture cancels the press. Non-client leave tracking
// clears the hot element when the mouse leaves through the title band.
#include <windowsx.h>

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/alpha_blend.h"
#include "core/paint/block_transfer.h"
#include "core/paint/button_glyph.h"
#include "core/paint/frame_layout.h"
#include "core/paint/image_part.h"
#include "core/paint/mask_painting.h"
#include "framework/application/application.h"
#include "framework/forms/custom_form.h"
#include "framework/menus/menu.h"
#include "framework/system/flag_scope.h"
#include "skin/menus/skinable_menus.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/caption_animation.h"
#include "skin/window/item_animation.h"
#include "skin/window/skin_provider.h"
#include "skin/window/system_menu.h"
#include "skin/window/title_bar.h"
#include "skin/window/title_bar_paint.h"

namespace {

// An element was pressed and not yet released (one for the process).
bool ButtonPressed = false;

bool IsSystemButton(int code) {
  return code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP;
}

// A user button's event with the cursor in the button's own coordinates.
void UserMouse(const TsSkinProvider& provider, TObject* sender, const RECT& place, const TMouseEvent& event) {
  if (!event) return;
  POINT cursor{};
  GetCursorPos(&cursor);
  const POINT at = provider.ScreenToCache(cursor);
  event(sender, mbLeft, KeyboardShiftState(), at.x - place.left, at.y - place.top);
}

bool IsUserElement(int code) { return IsTitleButtonCode(code) || IsTitleItemCode(code); }

const zelvan::store::TsMaskData* Part(const TsSkinManager* manager, int index) {
  return manager && manager->IsValidImgIndex(index) ? &manager->ma[static_cast<size_t>(index)] : nullptr;
}

}  // namespace

TsCaptionButton::TsCaptionButton() = default;
TsCaptionButton::~TsCaptionButton() = default;
TsCaptionButton::TsCaptionButton(TsCaptionButton&&) noexcept = default;
TsCaptionButton& TsCaptionButton::operator=(TsCaptionButton&&) noexcept = default;

bool CaptionButtonPressed() { return ButtonPressed; }

// ---------------------------------------------------------------- rules

bool TsSkinProvider::EnabledMax() const { return FSystemMenu ? FSystemMenu->EnabledMax() : false; }
bool TsSkinProvider::EnabledMin() const { return FSystemMenu ? FSystemMenu->EnabledMin() : false; }
bool TsSkinProvider::EnabledRestore() const { return FSystemMenu ? FSystemMenu->EnabledRestore() : false; }

TsCaptionButton* TsSkinProvider::ButtonByCode(int code) {
  if (TsTitleButton* user = TitleButtonByCode(code)) return &user->Data;
  if (TacTitleBarItem* item = TitleItemByCode(code)) return &item->Data;
  for (TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    if (button->HitCode == code && code != 0) return button;
  }
  return nullptr;
}

TacTitleBarItem* TsSkinProvider::TitleItemByCode(int code) const {
  if (!IsTitleItemCode(code)) return nullptr;
  TsTitleBar* bar = TitleBarOf(FForm);
  return bar ? bar->Items(code - kTitleItemCodeFirst) : nullptr;
}

TsTitleButton* TsSkinProvider::TitleButtonByCode(int code) const {
  return IsTitleButtonCode(code) ? TitleButtons.Items(code - kTitleButtonCodeFirst) : nullptr;
}

std::vector<TsCaptionButton*> TsSkinProvider::Elements() {
  std::vector<TsCaptionButton*> all{&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp};
  for (int i = 0; i < TitleButtons.Count(); ++i) all.push_back(&TitleButtons.Items(i)->Data);
  if (TsTitleBar* bar = TitleBarOf(FForm)) {
    for (int i = 0; i < bar->Count(); ++i) all.push_back(&bar->Items(i)->Data);
  }
  return all;
}

// ---------------------------------------------------------------- painting

void TsSkinProvider::PaintCaptionButtons(TBitmap& cache) {
  if (!FSystemMenu && FForm->HandleAllocated()) FSystemMenu = std::make_unique<TsSystemMenu>(this, FForm);
  const int bandHeight = std::min(cache.Height(), FrameHeight() + CaptionHeight());
  if (bandHeight <= 0) return;
  if (!FTempBmp) FTempBmp = std::make_unique<TBitmap>();
  FTempBmp->SetSize(cache.Width(), bandHeight);
  zelvan::paint::CopyBlock(FTempBmp->Image(), {0, 0}, cache.Image(), {0, 0, cache.Width(), bandHeight});
  for (const TsCaptionButton* button : Elements()) DrawElement(cache, *button);
}

void TsSkinProvider::DrawElement(TBitmap& cache, const TsCaptionButton& button) {
  if (IsRectEmpty(&button.Rect)) return;
  if (TsTitleBar* bar = TitleBarOf(FForm)) {
    for (int i = 0; i < bar->Count(); ++i) {
      if (&bar->Items(i)->Data != &button) continue;
      PaintTitleItem(*this, *bar, *bar->Items(i), cache, FTempBmp.get());
      return;
    }
  }
  const TsTitleButton* user = TitleButtonByCode(button.HitCode);
  const bool enabled = user                                ? user->Enabled()
                       : button.HitCode == HTMAXBUTTON     ? EnabledMax() || (IsZoomed(FForm->Handle()) && EnabledRestore())
                       : button.HitCode == HTMINBUTTON     ? EnabledMin()
                                                           : true;
  const int state = button.Timer ? 0 : button.State;
  const int mode = (!FormActive || !enabled) && state == 0 ? 2 : 1;
  if (const auto* part = Part(SkinData.SkinManager(), button.ImageIndex)) {
    zelvan::paint::DrawMaskGlyph(cache.Image(), {button.Rect.left, button.Rect.top}, state, zelvan::paint::TCacheInfo{},
                                 *part, mode);
  }
  if (!user || user->Glyph().Empty()) return;
  // The glyph centred, one pixel right and down while pressed.
  TBitmap& glyph = const_cast<TBitmap&>(user->Glyph());
  const int shift = state == 2 ? 1 : 0;
  const int left = (button.Rect.left + button.Rect.right - glyph.Width()) / 2 + shift;
  const int top = (button.Rect.top + button.Rect.bottom - glyph.Height()) / 2 + shift;
  const zelvan::paint::TRect place = zelvan::paint::ClipToSize({left, top, left + glyph.Width(), top + glyph.Height()}, cache.Width(),
                                                cache.Height());
  if (place.IsEmpty()) return;
  if (glyph.PixelFormat() == pf32bit) {
    zelvan::paint::DrawAlphaImage(place, {place.Left - left, place.Top - top, place.Right - left, place.Bottom - top},
                                  cache.Image(), false, 0, zelvan::paint::kNoColorValue, false, zelvan::paint::TCacheInfo{},
                                  glyph.Image());
  } else {
    zelvan::paint::DrawClassicGlyph(glyph.Image(), cache.Image(), {left, top, left + glyph.Width(), top + glyph.Height()},
                                    zelvan::paint::TClassicGlyph{});
  }
}

void TsSkinProvider::RepaintButton(TsCaptionButton& button) {
  if (!SkinsFrame() || IsRectEmpty(&button.Rect) || FormsLocked) return;
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty() || !FTempBmp || SkinData.BGChanged) return RenderFrame();
  const zelvan::paint::TRect r{button.Rect.left, button.Rect.top, button.Rect.right, button.Rect.bottom};
  const zelvan::paint::TRect band = zelvan::paint::ClipToSize(r, FTempBmp->Width(), FTempBmp->Height());
  zelvan::paint::CopyBlock(cache->Image(), {band.Left, band.Top}, FTempBmp->Image(), band);
  DrawElement(*cache, button);
  GdiFlush();
  ++FFrameStamp;
  UnionRect(&FFrameDirty, &FFrameDirty, &button.Rect);
  if (ExBorders()) return UpdateExBorders();
  HWND window = FForm->Handle();
  if (HDC dc = GetWindowDC(window)) {
    CopyBitmapToDC(*cache, dc, button.Rect, POINT{button.Rect.left, button.Rect.top});
    ReleaseDC(window, dc);
  }
}

// ---------------------------------------------------------------- states

// System buttons fade through a layered window where the manager allows
// glowing (or extended borders are on), on forms of their own.
bool TsSkinProvider::AnimatedButtons() const {
  const TsSkinManager* manager = SkinData.SkinManager();
  return manager && (manager->Effects.AllowGlowing() || manager->ExtendedBordersInEffect()) && !FForm->Parent() &&
         FForm->HandleAllocated() && IsWindowVisible(FForm->Handle());
}

// Title items always fade, on forms of their own.
bool TsSkinProvider::AnimatedItems() const {
  return !FForm->Parent() && FForm->HandleAllocated() && IsWindowVisible(FForm->Handle());
}

void TsSkinProvider::ShowButtonState(TsCaptionButton& button) {
  if (button.State > 0 || button.Timer) {
    if (IsSystemButton(button.HitCode) && AnimatedButtons()) {
      if (!button.Timer) button.Timer = std::make_unique<TacSBAnimation>(*this, button);
      button.Timer->ChangeState(button.State);
    } else if (TacTitleBarItem* item = TitleItemByCode(button.HitCode); item && AnimatedItems()) {
      if (!button.Timer) button.Timer = std::make_unique<TacItemAnimation>(*this, *TitleBarOf(FForm), *item);
      button.Timer->ChangeState(button.State);
    }
  }
  RepaintButton(button);
}

void TsSkinProvider::SetHotElement(int code, bool repaint) {
  if (code != CurrentHT) {
    if (TsTitleButton* user = TitleButtonByCode(CurrentHT)) user->HintWnd.Hide();
    if (TacTitleBarItem* item = TitleItemByCode(CurrentHT)) {
      item->HintWnd.Hide();
      if (item->OnMouseLeave) item->OnMouseLeave(item);
    }
    if (TsCaptionButton* old = ButtonByCode(CurrentHT); old && old->State != 0) {
      old->State = 0;
      if (repaint) ShowButtonState(*old);
    }
  }
  const bool entered = code != CurrentHT;
  CurrentHT = code;
  if (ButtonPressed || code < 1) return;
  if (TsCaptionButton* button = ButtonByCode(code); button && button->State != 1) {
    button->State = 1;
    if (TacTitleBarItem* item = TitleItemByCode(code); item && entered && item->OnMouseEnter) item->OnMouseEnter(item);
    ShowButtonState(*button);
    ShowTitleHint(code);
  }
}

// A hot user button or title bar item shows its hint under itself.
void TsSkinProvider::ShowTitleHint(int code) {
  if (!Application || !Application->ShowHint) return;
  TacTitleHint* hint = nullptr;
  const std::wstring* text = nullptr;
  const RECT* place = nullptr;
  if (TsTitleButton* user = TitleButtonByCode(code)) {
    hint = &user->HintWnd;
    text = &user->Hint;
    place = &user->Data.Rect;
  } else if (TacTitleBarItem* item = TitleItemByCode(code); item && item->ShowHint) {
    hint = &item->HintWnd;
    text = &item->Hint;
    place = &item->Data.Rect;
  }
  if (!hint || text->empty()) return;
  hint->Show(*text, CacheToScreen(POINT{place->left, place->bottom + 2}), FForm->Handle());
}

// A press on an item of the title bar: tabs are chosen at once and drop-down
// items show their menu; the others are pressed like a button.
void TsSkinProvider::PressTitleItem(int code) {
  TacTitleBarItem* item = TitleItemByCode(code);
  if (!item || !item->Enabled || item->FPressed || !item->Clickable()) return;
  item->HintWnd.Hide();
  HWND window = FForm->Handle();
  item->FPressed = true;
  UserMouse(*this, item, item->Data.Rect, item->OnMouseDown);
  if (item->Style == bsTab) {
    item->FPressed = false;
    CurrentHT = -1;
    if (item->Down) return;
    if (item->OnClick) item->OnClick(item);
    if (TsTitleBar* bar = TitleBarOf(FForm)) {
      for (int i = 0; i < bar->Count(); ++i) {
        TacTitleBarItem* other = bar->Items(i);
        if (other != item && other->Style == bsTab && other->Visible && other->GroupIndex == item->GroupIndex)
          other->Down = false;
      }
    }
    item->Down = true;
    item->Data.Timer.reset();  // the band shows the chosen tab itself
    TitleChanged();
    return;
  }
  if (TPopupMenu* menu = item->DropdownMenu(); menu && (item->Style == bsButton || item->Style == bsMenu)) {
    item->Data.State = 2;
    ShowButtonState(item->Data);
    const POINT at = CacheToScreen(POINT{item->Data.Rect.left, item->Data.Rect.bottom});
    menu->Popup(at.x, at.y);
    // The item may have gone with the menu's command.
    if (TacTitleBarItem* still = TitleItemByCode(code); still == item) {
      item->FPressed = false;
      item->Data.State = 0;
      item->Data.Timer.reset();  // back to normal at once, its fade stopped
      CurrentHT = 0;
      RepaintButton(item->Data);
      if (item->OnClick) item->OnClick(item);
    }
    return;
  }
  PressElement(code);
  if (ButtonPressed) SetCapture(window);
  else item->FPressed = false;
}

void TsSkinProvider::PressElement(int code) {
  if (code != CurrentHT) {
    if (TsCaptionButton* old = ButtonByCode(CurrentHT); old && old->State != 0) {
      old->State = 0;
      ShowButtonState(*old);
    }
  }
  CurrentHT = code;
  TsCaptionButton* button = ButtonByCode(code);
  if (!button) return;
  if (TsTitleButton* user = TitleButtonByCode(code)) {
    user->HintWnd.Hide();
    if (!user->Enabled()) {
      CurrentHT = 0;
      return;
    }
  }
  if (code == HTMAXBUTTON && !(EnabledMax() || (IsZoomed(FForm->Handle()) && EnabledRestore()))) {
    CurrentHT = 0;
    return;
  }
  if (code == HTMINBUTTON && !EnabledMin()) {
    CurrentHT = 0;
    return;
  }
  button->State = 2;
  ButtonPressed = true;
  ShowButtonState(*button);
}

// The press is over: the command when released on the pressed element.
void TsSkinProvider::ButtonReleased(int code) {
  HWND window = FForm->Handle();
  const int pressed = CurrentHT;
  const bool inside = code == pressed && ButtonPressed;
  if (inside) {
    switch (code) {
      case HTMINBUTTON: {
        const bool restore = IsIconic(window) && Application && Application->MainForm() != FForm;
        PostMessageW(window, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MINIMIZE, 0);
        SkinData.BGChanged = RgnChanged = true;
        break;
      }
      case HTMAXBUTTON:
        if (EnabledMax() || (IsZoomed(window) && EnabledRestore())) {
          PostMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
        }
        break;
      case HTCLOSE:
        if (TsCaptionButton* close = ButtonByCode(HTCLOSE)) close->State = 0;
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      case HTHELP:
        PostMessageW(window, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        break;
      default:
        if (TsTitleButton* user = TitleButtonByCode(code)) UserMouse(*this, user, user->Data.Rect, user->OnMouseUp);
        if (TacTitleBarItem* item = TitleItemByCode(code)) {
          UserMouse(*this, item, item->Data.Rect, item->OnMouseUp);
          const bool click = item->FPressed && item->Style != bsTab;
          item->FPressed = false;
          if (click && item->OnClick) item->OnClick(item);
        }
        break;
    }
  }
  if (TacTitleBarItem* item = TitleItemByCode(pressed)) item->FPressed = false;
  ButtonPressed = false;
  SetHotElement(0, true);
  if (TsCaptionButton* button = ButtonByCode(pressed); button && button->State != 0) {
    button->State = 0;
    ShowButtonState(*button);
  }
}

// ---------------------------------------------------------------- mouse

bool TsSkinProvider::CaptionMouse(TMessage& m, const TWndMethod& next) {
  HWND window = FForm->Handle();
  switch (m.Msg) {
    case WM_NCMOUSEMOVE: {
      if (!FForm->Enabled()) return false;
      // Over the border window the mouse is not over the form: that window tracks it.
      if (!FromBorderForm()) {
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, window, 0};
        TrackMouseEvent(&track);
      }
      const TFactsScope facts(*this);
      const int code = FrameHitTest(ScreenToCache(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)}));
      m.WParam = static_cast<WPARAM>(code);
      if (IsSystemButton(code) || IsUserElement(code)) {
        SetHotElement(code, true);
        m.Result = 0;
        return true;
      }
      SetHotElement(0, true);
      return false;
    }
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      // While a press holds the capture, only the release or the capture's loss ends it.
      if (ButtonPressed && GetCapture() == window) return false;
      SetHotElement(-1, true);
      ButtonPressed = false;
      return false;
    case WM_CAPTURECHANGED:
      if (ButtonPressed && reinterpret_cast<HWND>(m.LParam) != window) {
        ButtonPressed = false;
        SetHotElement(-1, true);
        for (TsCaptionButton* button : Elements()) {
          if (button->State != 0) {
            button->State = 0;
            ShowButtonState(*button);
          }
        }
      }
      return false;
    case WM_NCLBUTTONDOWN: {
      const int code = static_cast<int>(m.WParam);
      if (code == HTSYSMENU) {
        SetHotElement(0, true);
        ButtonPressed = false;
        const RECT icon = IconRect();
        const POINT at = CacheToScreen(POINT{icon.left, icon.bottom});
        DropSysMenu(at.x, at.y);
        m.Result = 0;
        return true;
      }
      if (!IsSystemButton(code) && !IsUserElement(code)) {
        SetHotElement(0, true);
        return false;
      }
      if (IsTitleItemCode(code)) {
        PressTitleItem(code);
        m.Result = 0;
        return true;
      }
      PressElement(code);
      if (ButtonPressed) SetCapture(window);
      if (TsTitleButton* user = TitleButtonByCode(code); user && ButtonPressed) UserMouse(*this, user, user->Data.Rect, user->OnMouseDown);
      m.Result = 0;
      return true;
    }
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP: {
      if (!ButtonPressed) return false;
      // Where the release happened, in window coordinates (client ones for the captured client message).
      POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
      if (m.Msg == WM_LBUTTONUP) ClientToScreen(window, &at);
      const int code = FrameHitTest(ScreenToCache(at));
      ButtonReleased(code);
      if (GetCapture() == window) ReleaseCapture();
      m.Result = 0;
      return true;
    }
    case WM_MOUSEMOVE:
      return ButtonPressed && GetCapture() == window;  // the press keeps its look until released
    case WM_NCLBUTTONDBLCLK: {
      const int code = static_cast<int>(m.WParam);
      // A quick second click on a user button is a press like the first.
      if (IsUserElement(code)) {
        m.Msg = WM_NCLBUTTONDOWN;
        const bool handled = CaptionMouse(m, next);
        m.Msg = WM_NCLBUTTONDBLCLK;
        return handled;
      }
      if (code == HTSYSMENU && FormHasSysMenu()) {
        PostMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
      } else if (code == HTCAPTION) {
        if (IsIconic(window)) {
          PostMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
        } else if (FormHasSysMenu() && (EnabledMax() || EnabledRestore())) {
          PostMessageW(window, WM_SYSCOMMAND, IsZoomed(window) ? SC_RESTORE : SC_MAXIMIZE, 0);
        }
      } else if (!IsSystemButton(code)) {
        return false;
      }
      m.Result = 0;
      return true;
    }
    case WM_NCRBUTTONDOWN:
      if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) return false;
      m.Result = 0;
      return true;
    case WM_NCRBUTTONUP:
      if (m.WParam != HTCAPTION && m.WParam != HTSYSMENU) return false;
      SetHotElement(0, true);
      DropSysMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      m.Result = 0;
      return true;
    case WM_SYSCOMMAND:
      // Alt+Space: the form has no system-menu style while skinned.
      if ((m.WParam & 0xFFF0) == SC_KEYMENU && m.LParam == L' ' && FormHasSysMenu()) {
        const RECT icon = IconRect();
        const POINT at = CacheToScreen(POINT{icon.left, std::max<int>(icon.bottom, FrameHeight() + CaptionHeight())});
        DropSysMenu(at.x, at.y);
        m.Result = 0;
        return true;
      }
      return false;
    default:
      (void)next;
      return false;
  }
}

// ---------------------------------------------------------------- system menu

void TsSkinProvider::DropSysMenu(int x, int y) {
  if (!FormHasSysMenu()) return;
  HWND window = FForm->Handle();
  if (!FSystemMenu) FSystemMenu = std::make_unique<TsSystemMenu>(this, FForm);
  TsSkinManager* manager = SkinData.SkinManager();
  if (manager && manager->SkinnedPopups()) {
    FSystemMenu->UpdateItems(true);
    if (MakeSkinMenu) FSystemMenu->MakeSkinItems();
    if (TsSkinableMenus* painter = SkinableMenusOf(manager)) painter->HookPopupMenu(*FSystemMenu, painter->Active());
    FSystemMenu->Popup(x, y);
    return;
  }
  // The platform's own menu, its items set by the same rules; the style it
  // needs is lent for the call and given back on every path.
  struct TLentStyle {
    TsSkinProvider& Provider;
    HWND Window;
    bool Lent;
    ~TLentStyle() {
      if (Lent && IsWindow(Window)) Provider.SetSysMenuStyle(false);
    }
  } lent{*this, window, !(GetWindowLongPtrW(window, GWL_STYLE) & WS_SYSMENU)};
  if (lent.Lent) SetSysMenuStyle(true);
  HMENU menu = GetSystemMenu(window, FALSE);
  if (!menu) return;
  FSystemMenu->UpdateItems(false);
  const auto enable = [menu](UINT command, bool on) {
    EnableMenuItem(menu, command, MF_BYCOMMAND | (on ? MF_ENABLED : MF_GRAYED));
  };
  enable(SC_RESTORE, FSystemMenu->EnabledRestore());
  enable(SC_MOVE, !IsZoomed(window));
  enable(SC_SIZE, FSystemMenu->ItemSize && FSystemMenu->ItemSize->Enabled);
  enable(SC_MINIMIZE, FSystemMenu->EnabledMin());
  enable(SC_MAXIMIZE, FSystemMenu->EnabledMax());
  const UINT command = static_cast<UINT>(
      TrackPopupMenu(menu, TPM_RETURNCMD | TPM_RIGHTBUTTON | TPM_LEFTALIGN, x, y, 0, window, nullptr));
  if (command) PostMessageW(window, WM_SYSCOMMAND, command, 0);
}
