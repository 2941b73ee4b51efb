// TacDialogWnd: life, parameters, metrics and the dialog's messages.
#include "skin/window/dialog_wnd.h"

#include <windowsx.h>

#include <algorithm>

#include "framework/system/flag_scope.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/core/window_animation.h"
#include "skin/store/skin_manager.h"
#include "skin/window/border_form.h"
#include "skin/window/caption_animation.h"
#include "skin/window/ac_provider.h"
#include "skin/window/dialog_system_menu.h"
#include "skin/window/frame_paint_helpers.h"

namespace {

constexpr UINT kRewrapMessage1 = WM_USER + 1;  // 0x0401
constexpr UINT kRewrapMessage2 = 0x052E;
constexpr UINT kOdtStatic = 5;

bool PlatformAbove5() {
  OSVERSIONINFOW info{};
  info.dwOSVersionInfoSize = sizeof(info);
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wdeprecated-declarations"
  const bool known = GetVersionExW(&info) != FALSE;
#pragma GCC diagnostic pop
  return known && info.dwMajorVersion > 5;
}

}  // namespace

TacDialogWnd* DialogWndOf(HWND window) { return dynamic_cast<TacDialogWnd*>(WrapperOf(window)); }

TacDialogWnd::TacDialogWnd(HWND handle, TsSkinManager* manager, TacProvider* provider)
    : TacScrollWnd(handle, nullptr, manager, "DIALOG", true),
      FWMPaintForbidden(PlatformAbove5()),
      TempBmp(std::make_unique<TBitmap>()),
      Provider(provider) {
  ButtonClose.HitCode = HTCLOSE;
  ButtonMax.HitCode = HTMAXBUTTON;
  ButtonMin.HitCode = HTMINBUTTON;
  ButtonHelp.HitCode = HTHELP;
}

TacDialogWnd::~TacDialogWnd() {
  KillAnimations();
  // The window gets back what skinning took, unless it is gone.
  if (!Destroyed && IsWindow(CtrlHandle)) {
    SetSysMenuStyle(true);
    if (FRgnApplied) SetWindowRgn(CtrlHandle, nullptr, FALSE);
    ForbidCompositorTransitions(CtrlHandle, false);
  }
  if (FDlgBrush) DeleteObject(FDlgBrush);
}

void TacDialogWnd::AfterHook() {
  // The scroll wrapper lays the frame out anew at once; a dialog is often
  // wrapped before its first message, and only one with bars needs that.
  if (GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & (WS_HSCROLL | WS_VSCROLL)) TacScrollWnd::AfterHook();
  SystemMenu = std::make_unique<TacSystemMenu>(this);
  SystemMenu->UpdateItems();
  SkinData->SetUpdating(true);
  ForbidCompositorTransitions(CtrlHandle, true);
  UpdateIconsIndexes();
}

bool TacDialogWnd::SkinActive() const {
  return !Destroyed && SkinManager && SkinManager->Active() && SkinManager->SkinData && SkinData &&
         SkinManager->IsValidSkinIndex(SkinData->SkinIndex);
}

// ---------------------------------------------------------------- parameters

void TacDialogWnd::InitParams() {
  dwStyle = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  dwExStyle = GetWindowLongPtrW(CtrlHandle, GWL_EXSTYLE);
  BorderStyle = zelvan::paint::DialogBorderStyle(static_cast<uint32_t>(dwStyle));
  FClassNoClose = (GetClassLongPtrW(CtrlHandle, GCL_STYLE) & CS_NOCLOSE) != 0;
  ReadPlatformClose();
  PrepareTitleGlyph();
  UpdateIconsIndexes();
  frame_paint::UseCaptionFont(TitleFont);
  SetSysMenuStyle(false);
  if (SystemMenu) SystemMenu->UpdateItems();
  RgnChanged = true;
  SkinData->BGChanged = true;
}

// A box offering Yes/No or Abort/Retry/Ignore without Cancel has no answer
// for closing: the platform would turn a close into Cancel all the same.
static bool NoCancelAnswer(HWND dialog) {
  const auto shown = [dialog](int id) {
    HWND button = GetDlgItem(dialog, id);
    return button && (GetWindowLongPtrW(button, GWL_STYLE) & WS_VISIBLE) && IsWindowEnabled(button);
  };
  return (shown(IDYES) || shown(IDABORT)) && !shown(IDCANCEL);
}

// Whether closing is unavailable: Close disabled or taken out of the
// platform's own system menu (read while the window has the system-menu
// style), or a box without a Cancel answer.
void TacDialogWnd::ReadPlatformClose() {
  if (!(dwStyle & WS_SYSMENU)) return;
  const bool lent = !(GetWindowLongPtrW(CtrlHandle, GWL_STYLE) & WS_SYSMENU);
  if (lent) SetSysMenuStyle(true);
  HMENU menu = GetSystemMenu(CtrlHandle, FALSE);
  const UINT state = menu ? GetMenuState(menu, SC_CLOSE, MF_BYCOMMAND) : 0;
  FCloseGrayed =
      state == static_cast<UINT>(-1) || (state & (MF_GRAYED | MF_DISABLED)) != 0 || NoCancelAnswer(CtrlHandle);
  if (lent) SetSysMenuStyle(false);
}

void TacDialogWnd::SetSysMenuStyle(bool present) {
  if (!IsWindow(CtrlHandle)) return;
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  const LONG_PTR wanted =
      present && (dwStyle & WS_SYSMENU) ? style | WS_SYSMENU : style & ~static_cast<LONG_PTR>(WS_SYSMENU);
  if (wanted != style) SetWindowLongPtrW(CtrlHandle, GWL_STYLE, wanted);
}

void TacDialogWnd::PrepareTitleGlyph() {
  TitleIcon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, WM_GETICON, ICON_SMALL, 0));
  if (!TitleIcon) TitleIcon = reinterpret_cast<HICON>(SendMessageW(CtrlHandle, WM_GETICON, ICON_BIG, 0));
  TitleGlyph.reset();
  if (!TitleIcon) return;
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  TitleGlyph = std::make_unique<TBitmap>(w, h, pf32bit);
  TitleGlyph->Canvas().Brush().SetColor(static_cast<TColor>(0xFF00FF));
  TitleGlyph->Canvas().FillRect(RECT{0, 0, w, h});
  if (!DrawIconEx(TitleGlyph->Canvas().Handle(), 0, 0, TitleIcon, w, h, 0, nullptr, DI_NORMAL)) {
    DrawIconEx(TitleGlyph->Canvas().Handle(), 0, 0, LoadIconW(nullptr, IDI_APPLICATION), w, h, 0, nullptr, DI_NORMAL);
  }
}

void TacDialogWnd::UpdateIconsIndexes() {
  if (!SkinManager || !SkinManager->SkinData ||
      !SkinManager->IsValidSkinIndex(SkinManager->ConstData.IndexGLobalInfo)) {
    return;
  }
  FBigButtons = zelvan::paint::DialogBigButtons(BorderStyle);
  TitleSection = FBigButtons ? "FORMTITLE" : "DIALOGTITLE";
  TitleIndex = SkinManager->GetSkinIndex(TitleSection);
  if (!SkinManager->IsValidSkinIndex(TitleIndex)) {
    TitleSection = "FORMTITLE";
    TitleIndex = SkinManager->GetSkinIndex(TitleSection);
  }
  FCaptionSkinIndex = SkinManager->GetSkinIndex("CAPTION");
  CalcButtons();
}

// ---------------------------------------------------------------- metrics

RECT TacDialogWnd::Bounds() const {
  RECT r{};
  GetWindowRect(CtrlHandle, &r);
  return r;
}

RECT TacDialogWnd::ClientInWindow() const {
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  POINT origin{0, 0};
  ClientToScreen(CtrlHandle, &origin);
  const RECT bounds = Bounds();
  OffsetRect(&client, origin.x - bounds.left, origin.y - bounds.top);
  return client;
}

zelvan::paint::TDialogFacts TacDialogWnd::Facts() const {
  zelvan::paint::TDialogFacts f;
  f.Style = static_cast<uint32_t>(dwStyle);
  f.ExStyle = static_cast<uint32_t>(dwExStyle);
  f.Minimized = IsIconic(CtrlHandle) != FALSE;
  f.Maximized = IsZoomed(CtrlHandle) != FALSE;
  f.ClassNoClose = FClassNoClose;
  f.CloseGrayed = FCloseGrayed;
  return f;
}

// Measured from the window's rectangles (the platform may pad its frame);
// the metric serves while minimised.
int TacDialogWnd::FrameWidth() const {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  const bool thick = style & WS_THICKFRAME;
  if (!thick && !(style & (WS_BORDER | WS_DLGFRAME | DS_MODALFRAME))) return 0;
  if (IsIconic(CtrlHandle)) return GetSystemMetrics(thick ? SM_CXFRAME : SM_CXDLGFRAME);
  return std::max(0, static_cast<int>(ClientInWindow().left));
}

int TacDialogWnd::CaptionHeight() const {
  const bool iconic = IsIconic(CtrlHandle) != FALSE;
  if ((dwStyle & WS_CAPTION) != WS_CAPTION && !iconic) return 0;
  const bool tool = (dwExStyle & WS_EX_TOOLWINDOW) != 0;
  if (iconic) return GetSystemMetrics(tool ? SM_CYSMCAPTION : SM_CYCAPTION);
  return std::max(0, static_cast<int>(ClientInWindow().top) - FrameWidth());
}

int TacDialogWnd::OffsetX() const { return std::max(0, static_cast<int>(ClientInWindow().left)); }
int TacDialogWnd::OffsetY() const { return std::max(0, static_cast<int>(ClientInWindow().top)); }

RECT TacDialogWnd::IconRect() const {
  const int left = FrameWidth() + (SkinManager && SkinManager->SkinData ? SkinManager->SkinData->BILeftMargin : 0);
  const int w = GetSystemMetrics(SM_CXSMICON), h = GetSystemMetrics(SM_CYSMICON);
  const int top = (HeaderHeight() - h) / 2;
  return RECT{left, top, left + w, top + h};
}

int TacDialogWnd::SysButtonWidth(const TsCaptionButton& button) const {
  return frame_paint::PartWidth(SkinManager, button.ImageIndex);
}

int TacDialogWnd::ButtonHeight(int imageIndex) const { return frame_paint::PartHeight(SkinManager, imageIndex); }

int TacDialogWnd::TitleBtnsWidth() const {
  if (!VisibleClose()) return 0;
  int width = SysButtonWidth(ButtonClose);
  if (VisibleMax()) width += SysButtonWidth(ButtonMax);
  if (VisibleMin()) width += SysButtonWidth(ButtonMin);
  if (VisibleHelp()) width += SysButtonWidth(ButtonHelp);
  return width;
}

// ---------------------------------------------------------------- children

void TacDialogWnd::WrapChildren() {
  if (Provider && SkinActive()) Provider->InitHwndControls(CtrlHandle);
}

// ---------------------------------------------------------------- animations

// lParam other than 0: the owner is minimised or restored, not this window.
void TacDialogWnd::ShowAnimated(TMessage& m) {
  if (m.WParam != 0 && m.LParam == 0 && !IsWindowVisible(CtrlHandle) && SkinManager &&
      SkinManager->AnimEffects.DialogShow.Active && SkinManager->AnimEffects.DialogShow.Time > 0) {
    WrapChildren();  // the picture shows them skinned
    DialogShowAnimation(CtrlHandle, SkinManager);
  }
  CallPrevWndProc(m);
}

// Without a picture from a closing command the window is taken as it is now
// (hidden windows still print).
void TacDialogWnd::HideAnimated(TMessage& m) {
  CallPrevWndProc(m);
  if (!IsWindow(CtrlHandle)) return;
  std::unique_ptr<TBitmap> snapshot = std::move(FHideSnapshot);
  if (!snapshot) snapshot = DialogHideSnapshot(CtrlHandle, SkinManager);
  if (snapshot) DialogHideAnimation(CtrlHandle, SkinManager, std::move(snapshot), Bounds());
}

// ---------------------------------------------------------------- messages

void TacDialogWnd::HiddenCall(TMessage& message) {
  const LONG_PTR style = GetWindowLongPtrW(CtrlHandle, GWL_STYLE);
  const bool visible = style & WS_VISIBLE;
  if (visible) SetWindowLongPtrW(CtrlHandle, GWL_STYLE, style & ~static_cast<LONG_PTR>(WS_VISIBLE));
  CallPrevWndProc(message);
  if (visible && IsWindow(CtrlHandle)) {
    SetWindowLongPtrW(CtrlHandle, GWL_STYLE, GetWindowLongPtrW(CtrlHandle, GWL_STYLE) | WS_VISIBLE);
  }
}

HBRUSH TacDialogWnd::CtlColorBrush() {
  const COLORREF color =
      SkinManager ? static_cast<COLORREF>(SkinManager->GetGlobalColor()) & 0xFFFFFF : GetSysColor(COLOR_BTNFACE);
  if (!FDlgBrush || color != FDlgBrushColor) {
    if (FDlgBrush) DeleteObject(FDlgBrush);
    FDlgBrush = CreateSolidBrush(color);
    FDlgBrushColor = color;
  }
  return FDlgBrush;
}

void TacDialogWnd::Ac_DrawStaticItem(TMessage& message) {
  const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam);
  if (item && item->CtlType == kOdtStatic) SetBkMode(item->hDC, TRANSPARENT);
  CallPrevWndProc(message);
}

void TacDialogWnd::Ac_WMNCActivate(TMessage& message) {
  if (!IsWindowVisible(CtrlHandle)) {
    CallPrevWndProc(message);
    return;
  }
  SendMessageW(CtrlHandle, WM_SETREDRAW, FALSE, 0);
  CallPrevWndProc(message);
  SendMessageW(CtrlHandle, WM_SETREDRAW, TRUE, 0);
  message.Result = TRUE;
  FFormActive = message.WParam != 0;
  SkinData->BGChanged = true;
  InvalidateRect(CtrlHandle, nullptr, TRUE);
  RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_ERASE);
}

// Skin commands; true when answered here.
bool TacDialogWnd::DialogCommand(TMessage& message) {
  const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinManager);
  switch (SkinCommandCode(message.WParam)) {
    case SKC_SKIN_LOADED:
      if (!own) return false;
      SkinData->UpdateIndexes();
      SkinData->BGChanged = RgnChanged = true;
      UpdateIconsIndexes();
      for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        SendMessageW(child, message.Msg, message.WParam, message.LParam);
      }
      return true;
    case SKC_REFRESH:
      if (!own) return false;
      SkinData->UpdateIndexes();
      UpdateIconsIndexes();
      SkinData->BGChanged = RgnChanged = true;
      if (IsWindowVisible(CtrlHandle)) {
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      return true;
    case SKC_SET_UPDATING:
      SkinData->SetUpdating(SkinCommandArgument(message.WParam) == 1);
      if (SkinData->Updating()) SkinData->BGChanged = true;
      return true;
    case SKC_GET_UPDATING:
      message.Result = SkinData->Updating() ? 1 : 0;
      return true;
    case SKC_MOVE_NEEDS_REPAINT:
      message.Result = (SkinData->CtrlSkinState & kStatePlain) ? 0 : 1;
      return true;
    case SKC_GET_BG_COLOR:
      SkinData->CommandHandler(message);
      return true;
    case SKC_INIT_DIALOG_CONTROLS:
      WrapChildren();
      return true;
    case SKC_GET_BG_INFO: {
      auto* request = reinterpret_cast<TBgRequest*>(message.LParam);
      if (!request) return true;
      if (SkinData->BGChanged || !SkinData->CacheBmp() || SkinData->CacheBmp()->Empty()) PaintAll();
      const int dx = OffsetX(), dy = OffsetY();
      if (request->PaintToDC) request->X += dx, request->Y += dy;
      SkinData->AnswerBgRequest(*request, 0, nullptr);
      if (!request->PaintToDC && request->Kind == bgBitmap) request->X += dx, request->Y += dy;
      return true;
    }
    case SKC_GET_CLIENT_OFFSET:
      message.Result = static_cast<LRESULT>((OffsetX() & 0xFFFF) | ((OffsetY() & 0xFFFF) << 16));
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    default:
      return false;
  }
}

void TacDialogWnd::WrapperWndProc(TMessage& m) {
  DialogMessage(m);
  BorderAfter(m);
}

void TacDialogWnd::BorderAfter(const TMessage& m) {
  switch (m.Msg) {
    case WM_DESTROY:
    case WM_NCDESTROY:
      BorderForm.reset();
      return;
    case SKM_COMMAND:
      if (SkinCommandCode(m.WParam) == SKC_SKIN_REMOVED) {
        BorderForm.reset();
        return;
      }
      if (SkinCommandCode(m.WParam) != SKC_SKIN_LOADED && SkinCommandCode(m.WParam) != SKC_REFRESH) return;
      if (BorderForm) BorderForm->Invalidate();  // new templates
      break;
    case WM_WINDOWPOSCHANGED:
    case WM_NCACTIVATE:
    case WM_SIZE:
    case WM_SHOWWINDOW:
      break;
    default:
      return;
  }
  if (IsWindow(CtrlHandle)) FollowExtendedBorder(BorderForm, CtrlHandle, SkinManager, SkinActive(), FFormActive);
}

void TacDialogWnd::DialogMessage(TMessage& m) {
  if (m.Msg == WM_DESTROY || m.Msg == WM_NCDESTROY) {
    // Nothing of the wrapper may outlive the window: timers, capture, brush.
    KillAnimations();
    FHideSnapshot.reset();
    return TacScrollWnd::WrapperWndProc(m);
  }
  if (!SkinActive()) return TacScrollWnd::WrapperWndProc(m);
  if (m.Msg == SKM_COMMAND) {
    if (!DialogCommand(m)) TacScrollWnd::WrapperWndProc(m);
    return;
  }
  switch (m.Msg) {
    case WM_INITDIALOG: {
      // The platform reads and changes its system menu now (a box without
      // Cancel disables Close): it has the style for the call.
      SetSysMenuStyle(true);
      CallPrevWndProc(m);
      ReadPlatformClose();
      SetSysMenuStyle(false);
      SkinData->BGChanged = true;
      return;
    }
    case WM_NCPAINT:
      if (!IsWindowVisible(CtrlHandle)) break;
      Ac_WMNCPaint();
      m.Result = 0;
      return;
    case WM_ERASEBKGND: {
      if (!Initialized) {
        Initialized = true;
        WrapChildren();
      }
      auto dc = reinterpret_cast<HDC>(m.WParam);
      Ac_WMPaint(dc);
      m.Result = 1;
      return;
    }
    case WM_PAINT:
      if (!FWMPaintForbidden) break;
      {
        // The background is the whole picture; the erase comes through BeginPaint.
        PAINTSTRUCT ps;
        if (BeginPaint(CtrlHandle, &ps)) EndPaint(CtrlHandle, &ps);
      }
      m.Result = 0;
      return;
    case WM_PRINT:
      if (m.LParam & PRF_NONCLIENT) {
        if (SkinData->BGChanged || !SkinData->CacheBmp() || SkinData->CacheBmp()->Empty()) PaintAll();
        PaintCaption(reinterpret_cast<HDC>(m.WParam));
      }
      if (m.LParam & (PRF_CLIENT | PRF_ERASEBKGND)) {
        auto dc = reinterpret_cast<HDC>(m.WParam);
        const int saved = SaveDC(dc);
        SetViewportOrgEx(dc, OffsetX(), OffsetY(), nullptr);
        Ac_WMPaint(dc);
        if (m.LParam & PRF_CHILDREN && Provider) Provider->PrintHwndControls(CtrlHandle, dc);
        RestoreDC(dc, saved);
      }
      m.Result = 0;
      return;
    case WM_NCHITTEST: {
      const int code = Ac_WMNCHitTest(POINT{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)});
      if (code == HTNOWHERE || code == HTCAPTION) {
        SetHotHT(0);
        break;
      }
      m.Result = code;
      return;
    }
    case WM_NCMOUSELEAVE:
    case WM_MOUSELEAVE:
      if (!FPressed) SetHotHT(0);
      break;
    case WM_NCLBUTTONDOWN:
      if (Ac_WMNCLButtonDown(m)) return;
      break;
    case WM_NCLBUTTONUP:
    case WM_LBUTTONUP:
      if (Ac_WMLButtonUp(m)) return;
      break;
    case WM_CAPTURECHANGED:
      if (FPressed && reinterpret_cast<HWND>(m.LParam) != CtrlHandle) {
        FPressed = false;
        SetHotHT(0);
      }
      break;
    case WM_NCLBUTTONDBLCLK:
      if (m.WParam == HTCAPTION && (EnabledMax() || EnabledRestore())) {
        const bool restore = IsZoomed(CtrlHandle) || IsIconic(CtrlHandle);
        SendMessageW(CtrlHandle, WM_SYSCOMMAND, restore ? SC_RESTORE : SC_MAXIMIZE, 0);
        if (SystemMenu) SystemMenu->UpdateItems();
      } else if (m.WParam == HTSYSMENU && EnabledClose()) {
        PostMessageW(CtrlHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
      }
      m.Result = 0;
      return;
    case WM_NCRBUTTONDOWN:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        m.Result = 0;
        return;
      }
      break;
    case WM_NCRBUTTONUP:
      if (m.WParam == HTCAPTION || m.WParam == HTSYSMENU) {
        SetHotHT(0);
        DropSysMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
        m.Result = 0;
        return;
      }
      break;
    case WM_CONTEXTMENU:
    case 0x0313:  // WM_POPUPSYSTEMMENU
      if (m.Msg == WM_CONTEXTMENU && reinterpret_cast<HWND>(m.WParam) != CtrlHandle) break;
      DropSysMenu(GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam));
      m.Result = 0;
      return;
    case WM_MOUSEMOVE:
      if (IsWindowEnabled(CtrlHandle) && SkinManager) SkinManager->SetActiveControl(nullptr);
      CallPrevWndProc(m);
      return;
    case WM_SIZE:
      SkinData->BGChanged = RgnChanged = true;
      CallPrevWndProc(m);
      if (IsWindowVisible(CtrlHandle)) {
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      GetClientRect(CtrlHandle, &LastClientRect);
      return;
    case WM_WINDOWPOSCHANGED:
      if (!(reinterpret_cast<const WINDOWPOS*>(m.LParam)->flags & SWP_HIDEWINDOW)) break;
      RgnChanged = true;
      HideAnimated(m);
      return;
    case WM_SHOWWINDOW:
      ShowAnimated(m);
      return;
    case WM_COMMAND:
      // Cancel and Yes end a box: its picture is taken while it is whole.
      if ((LOWORD(m.WParam) == IDCANCEL || LOWORD(m.WParam) == IDYES) && HIWORD(m.WParam) == 0) {
        FHideSnapshot = DialogHideSnapshot(CtrlHandle, SkinManager);
        CallPrevWndProc(m);
        // Not closed after all: the picture would be stale at a later hide.
        if (IsWindow(CtrlHandle)) FHideSnapshot.reset();
        return;
      }
      break;
    case WM_ACTIVATE:
      CallPrevWndProc(m);
      if (IsWindowVisible(CtrlHandle)) {
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
      }
      return;
    case WM_NCACTIVATE:
      Ac_WMNCActivate(m);
      return;
    case WM_SETTEXT:
    case WM_ENABLE:
      if (!IsWindowVisible(CtrlHandle)) break;
      HiddenCall(m);
      if (m.Msg == WM_SETTEXT) Caption.clear();
      SkinData->BGChanged = true;
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    case WM_CTLCOLORDLG:
      m.Result = reinterpret_cast<LRESULT>(CtlColorBrush());
      return;
    case WM_DRAWITEM:
      Ac_DrawStaticItem(m);
      return;
    case WM_SYSCOMMAND: {
      const WPARAM command = m.WParam & 0xFFF0;
      if (command == SC_KEYMENU && m.LParam == L' ' && (dwStyle & WS_SYSMENU)) {
        const RECT bounds = Bounds();
        DropSysMenu(bounds.left + FrameWidth(), bounds.top + HeaderHeight());
        m.Result = 0;
        return;
      }
      if (command == SC_CLOSE && !EnabledClose()) {
        m.Result = 0;  // as the platform does for a disabled Close (Alt+F4 included)
        return;
      }
      CallPrevWndProc(m);
      if (!IsWindow(CtrlHandle)) return;
      if (command == SC_MAXIMIZE || command == SC_RESTORE) SetHotHT(0);
      return;
    }
    case kRewrapMessage1:
      TacScrollWnd::WrapperWndProc(m);
      WrapChildren();
      return;
    case kRewrapMessage2:
      CallPrevWndProc(m);
      WrapChildren();
      RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
      return;
    default:
      break;
  }
  TacScrollWnd::WrapperWndProc(m);
}
