// TacDialogWnd: the dialog's picture in its cache (background, title band,
// icon, caption, caption buttons), the window region, the hit test and the
// caption buttons' states, with the form frame's painting helpers.
#include <windowsx.h>

#include <algorithm>

#include "core/image/bitmap32.h"
#include "core/paint/block_transfer.h"
#include "core/paint/frame_region.h"
#include "core/paint/item_paint.h"
#include "core/paint/mask_painting.h"
#include "core/paint/system_colors.h"
#include "framework/system/flag_scope.h"
#include "skin/core/common_data.h"
#include "skin/core/skin_messages.h"
#include "skin/menus/skinable_menus.h"
#include "skin/paint/control_paint.h"
#include "skin/store/skin_manager.h"
#include "skin/window/caption_animation.h"
#include "skin/window/dialog_system_menu.h"
#include "skin/window/dialog_wnd.h"
#include "skin/window/frame_paint_helpers.h"

using frame_paint::FromRect;
using frame_paint::Part;
using frame_paint::ToRect;
using zelvan::paint::TCacheInfo;
using zelvan::paint::TRect;

// ---------------------------------------------------------------- layout

void TacDialogWnd::CalcButtons() {
  const TsSkinManager* manager = SkinManager;
  if (!manager || !manager->SkinData || !IsWindow(CtrlHandle)) return;
  const zelvan::store::TsSkinData& info = *manager->SkinData;
  const zelvan::store::TConstantSkinData& c = manager->ConstData;
  const zelvan::paint::TDialogFacts facts = Facts();
  const bool maximized = facts.Maximized, minimized = facts.Minimized;
  const bool showMax = zelvan::paint::VisibleMax(facts), showMin = zelvan::paint::VisibleMin(facts);
  const frame_paint::TCaptionParts parts =
      frame_paint::CaptionButtonParts(*manager, FBigButtons, showMax, showMin, maximized, minimized);
  const bool big = parts.Big;
  const int closePart = parts.Close;
  ButtonClose.ImageIndex = closePart;
  ButtonMax.ImageIndex = parts.Max;
  ButtonMin.ImageIndex = parts.Min;
  ButtonHelp.ImageIndex = parts.Help;

  zelvan::paint::TDialogButtonRow row;
  const RECT bounds = Bounds();
  row.Right = (bounds.right - bounds.left) - info.BIRightMargin - FrameWidth();
  row.Spacing = big || closePart == c.MaskCloseBtn ? info.BISpacing : 0;
  row.BandHeight = HeaderHeight();
  row.TopAlignedY = big && info.BIVAlign == 1 ? (maximized ? 7 : 0) : -1;
  TsCaptionButton* buttons[] = {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp};
  for (int i = 0; i < 4; ++i) {
    row.Widths[i] = frame_paint::PartWidth(manager, buttons[i]->ImageIndex);
    row.Heights[i] = frame_paint::PartHeight(manager, buttons[i]->ImageIndex);
  }
  const std::vector<TRect> rects = zelvan::paint::DialogButtonRects(facts, row);
  for (size_t i = 0; i < 4; ++i) buttons[i]->Rect = ToRect(rects[i]);
  ButtonClose.Enabled = zelvan::paint::EnabledClose(facts);
  ButtonMax.Enabled = zelvan::paint::EnabledMax(facts) || (maximized && zelvan::paint::EnabledRestore(facts));
  ButtonMin.Enabled = zelvan::paint::EnabledMin(facts);
  ButtonHelp.Enabled = true;
}

TsCaptionButton* TacDialogWnd::ButtonByCode(int code) {
  for (TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    if (button->HitCode == code && code != 0) return button;
  }
  return nullptr;
}

// ---------------------------------------------------------------- rendering

bool TacDialogWnd::PaintAll() {
  if ((FormState & 0x80) || !SkinActive()) return false;
  const RECT bounds = Bounds();
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  TBitmap* cache = SkinData->CacheBmp();
  if (!cache || width <= 0 || height <= 0) return false;
  const bool fresh = cache->Empty();
  if (cache->Width() != width || cache->Height() != height) cache->SetSize(width, height);
  if (fresh) SkinData->UpdatePlainState(false);
  if (!SkinData->BGChanged && !fresh) return true;
  GdiFlush();
  RgnChanged = true;
  CalcButtons();
  const int state = FFormActive ? 1 : 0;
  const TRect whole{0, 0, width, height};
  TCacheInfo behind;
  behind.FillColor = zelvan::paint::ColorToRGB(static_cast<TColor>(SkinManager->GetGlobalColor()));
  zelvan::paint::PaintItem(ItemSkinOf(*SkinData), behind, false, cache->Image(), {0, 0}, whole, state);
  if (CaptionHeight() > 0) {
    const TRect band{0, 0, width, std::min(height, HeaderHeight())};
    frame_paint::PaintTitleBand(SkinManager, TitleIndex, TitleSection, *cache, band, state, behind.FillColor);
    PaintTitleIcon(*cache);
    PaintCaptionText(*cache, state);
    PaintBorderIcons();
  }
  GdiFlush();
  SkinData->BGChanged = false;
  SkinData->SetUpdating(false);
  return true;
}

void TacDialogWnd::PaintTitleIcon(TBitmap& cache) {
  if (!TitleGlyph || !(dwStyle & WS_SYSMENU)) return;
  const RECT r = IconRect();
  // The glyph's magenta ground is see-through.
  TransparentBlt(cache.Canvas().Handle(), r.left, r.top, r.right - r.left, r.bottom - r.top,
                 TitleGlyph->Canvas().Handle(), 0, 0, TitleGlyph->Width(), TitleGlyph->Height(), 0xFF00FF);
}

void TacDialogWnd::PaintCaptionText(TBitmap& cache, int state) {
  const int length = GetWindowTextLengthW(CtrlHandle);
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  text.resize(static_cast<size_t>(GetWindowTextW(CtrlHandle, text.data(), length + 1)));
  if (text.empty()) return;
  const int iconWidth = TitleGlyph && (dwStyle & WS_SYSMENU) ? GetSystemMetrics(SM_CXSMICON) : 0;
  const int left = FrameWidth() + iconWidth + SkinManager->SkinData->BILeftMargin + 4;
  const RECT place{left, 2, cache.Width() - TitleBtnsWidth() - 6, HeaderHeight()};
  if (place.right <= place.left) return;
  UINT flags = DT_SINGLELINE | DT_VCENTER | DT_NOPREFIX | DT_END_ELLIPSIS;
  if (dwExStyle & (WS_EX_RTLREADING | WS_EX_LAYOUTRTL)) flags |= DT_RIGHT | DT_RTLREADING;
  const zelvan::paint::TColor fill = zelvan::paint::ColorToRGB(static_cast<TColor>(SkinManager->GetGlobalColor()));
  frame_paint::PaintCaptionPlate(SkinManager, FCaptionSkinIndex, cache, place, state, fill);
  TCanvas& canvas = cache.Canvas();
  canvas.Font().Assign(TitleFont);
  if (const frame_paint::TCaptionGlow glow = frame_paint::CaptionGlow(SkinManager, TitleIndex, state); glow.Size > 0) {
    DrawTextGlow(cache, canvas.Font(), text, place, FGlow, static_cast<TColor>(glow.Color), glow.Size, kAllSides, flags);
  }
  WriteSectionText(canvas, text, true, SkinManager, state, TitleIndex, flags, place);
}

void TacDialogWnd::PaintBorderIcons() {
  if (!(dwStyle & WS_SYSMENU)) return;
  TBitmap* cache = SkinData->CacheBmp();
  const int band = std::min(cache->Height(), HeaderHeight());
  if (band <= 0) return;
  TempBmp->SetSize(cache->Width(), band);
  zelvan::paint::CopyBlock(TempBmp->Image(), {0, 0}, cache->Image(), {0, 0, cache->Width(), band});
  for (TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    const auto* part = Part(SkinManager, button->ImageIndex);
    if (!part || IsRectEmpty(&button->Rect)) continue;
    const int state = button->Enabled ? button->State : 0;
    const int mode = (!FFormActive || !button->Enabled) && state == 0 ? 2 : 1;
    zelvan::paint::DrawMaskGlyph(cache->Image(), {button->Rect.left, button->Rect.top}, state, TCacheInfo{}, *part,
                                 mode);
  }
}

// ---------------------------------------------------------------- window

void TacDialogWnd::PaintCaption(HDC given) {
  if (!PaintAll()) return;
  HDC dc = given ? given : GetWindowDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  const RECT client = ClientInWindow();
  ExcludeClipRect(dc, client.left, client.top, client.right, client.bottom);
  TBitmap& cache = *SkinData->CacheBmp();
  CopyBitmapToDC(cache, dc, RECT{0, 0, cache.Width(), cache.Height()}, POINT{0, 0});
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
}

void TacDialogWnd::BuildRegion() {
  ArOR.clear();
  const RECT bounds = Bounds();
  const int width = bounds.right - bounds.left, height = bounds.bottom - bounds.top;
  if (const auto* border = Part(SkinManager, SkinData->BorderIndex)) {
    zelvan::paint::AppendCornerKeyRuns(*border, width, height, zelvan::paint::crBoth, ArOR);
  }
  if (CaptionHeight() > 0 && SkinManager->IsValidSkinIndex(TitleIndex)) {
    if (const auto* border = Part(SkinManager, SkinManager->gd[static_cast<size_t>(TitleIndex)].BorderIndex)) {
      zelvan::paint::AppendCornerKeyRuns(*border, width, height, zelvan::paint::crTop, ArOR);
    }
  }
  RgnChanged = false;
  const bool none = BorderStyle == zelvan::paint::acbsNone && !IsIconic(CtrlHandle);
  if (none && !(dwStyle & WS_THICKFRAME)) return;
  const SIZE size{width, height};
  // Every SetWindowRgn repaints the whole window: only when it changed.
  if (FRgnApplied == !ArOR.empty() && ArOR == FAppliedRgn && size.cx == FAppliedSize.cx && size.cy == FAppliedSize.cy) {
    return;
  }
  HRGN region = nullptr;
  if (!ArOR.empty()) {
    region = CreateRectRgn(0, 0, width, height);
    if (HRGN cut = frame_paint::RectsRegion(ArOR)) {
      CombineRgn(region, region, cut, RGN_DIFF);
      DeleteObject(cut);
    }
  }
  if (!region && !FRgnApplied) return;
  if (!SetWindowRgn(CtrlHandle, region, IsWindowVisible(CtrlHandle))) {
    if (region) DeleteObject(region);  // the system owns it only after success
    return;
  }
  FRgnApplied = region != nullptr;
  FAppliedRgn = ArOR;
  FAppliedSize = size;
}

void TacDialogWnd::Ac_WMNCPaint() {
  WrapChildren();
  if (!PaintAll()) return;
  if (RgnChanged) BuildRegion();
  PaintCaption(nullptr);
}

// The client part of the cache, around the children that paint themselves.
void TacDialogWnd::Ac_WMPaint(HDC given) {
  if (!PaintAll()) return;
  HDC dc = given ? given : GetDC(CtrlHandle);
  if (!dc) return;
  const int saved = SaveDC(dc);
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (!IsWindowVisible(child)) continue;
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    wchar_t name[16]{};
    GetClassNameW(child, name, 16);
    const bool groupBox = (style & 7) == 7 && _wcsicmp(name, L"button") == 0;
    const bool transparentStatic = _wcsicmp(name, L"static") == 0 && (style & 0x10000);
    if (groupBox || transparentStatic) continue;
    RECT r{};
    GetWindowRect(child, &r);
    MapWindowPoints(nullptr, CtrlHandle, reinterpret_cast<POINT*>(&r), 2);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  RECT client{};
  GetClientRect(CtrlHandle, &client);
  CopyBitmapToDC(*SkinData->CacheBmp(), dc, client, POINT{OffsetX(), OffsetY()});
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(CtrlHandle, dc);
  for (HWND child = GetWindow(CtrlHandle, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    SendSkinCommand(child, SKC_PARENT_UPDATED);
  }
}

// ---------------------------------------------------------------- hit test and buttons

int TacDialogWnd::Ac_WMNCHitTest(POINT screen) {
  CalcButtons();
  const RECT bounds = Bounds();
  zelvan::paint::TDialogHitFacts frame;
  frame.Width = bounds.right - bounds.left;
  frame.Height = bounds.bottom - bounds.top;
  frame.FrameWidth = FrameWidth();
  const int closeHeight = frame_paint::PartHeight(SkinManager, ButtonClose.ImageIndex);
  frame.BandTop = (HeaderHeight() - closeHeight) / 2;
  frame.BandHeight = CaptionHeight() > 0 ? closeHeight : 0;
  frame.IconWidth = GetSystemMetrics(SM_CXSMICON);
  for (const TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    frame.Buttons.push_back(FromRect(button->Rect));
  }
  const int code = zelvan::paint::DialogHitTest(Facts(), frame, {screen.x - bounds.left, screen.y - bounds.top});
  if (ButtonByCode(code)) {
    SetHotHT(code);
    TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE | TME_NONCLIENT, CtrlHandle, 0};
    TrackMouseEvent(&track);
  } else if (code == zelvan::paint::htTransparent) {
    SetHotHT(0);
  }
  return code;
}

void TacDialogWnd::SetHotHT(int code, bool repaint) {
  if (code != CurrentHT) {
    if (TsCaptionButton* old = ButtonByCode(CurrentHT); old && old->State != 0) {
      old->State = 0;
      if (repaint) RepaintButton(old->HitCode);
    }
  }
  CurrentHT = code;
  FPressed = false;
  TsCaptionButton* button = ButtonByCode(code);
  if (button && button->Enabled && button->State != 1) {
    button->State = 1;
    if (repaint) RepaintButton(code);
  }
}

void TacDialogWnd::SetPressedHT(int code) {
  if (code != CurrentHT) SetHotHT(0);
  TsCaptionButton* button = ButtonByCode(code);
  if (!button || !button->Enabled) return;
  CurrentHT = code;
  button->State = 2;
  FPressed = true;
  RepaintButton(code);
}

// One button painted again over the band kept from under the buttons.
void TacDialogWnd::RepaintButton(int code) {
  TsCaptionButton* button = ButtonByCode(code);
  TBitmap* cache = SkinData ? SkinData->CacheBmp() : nullptr;
  if (!button || IsRectEmpty(&button->Rect) || !cache || cache->Empty() || TempBmp->Empty() || !SkinActive()) return;
  const auto* part = Part(SkinManager, button->ImageIndex);
  if (!part) return;
  const TRect r = FromRect(button->Rect);
  const TRect band = zelvan::paint::ClipToSize(r, TempBmp->Width(), TempBmp->Height());
  zelvan::paint::CopyBlock(cache->Image(), {band.Left, band.Top}, TempBmp->Image(), band);
  const int state = button->Enabled ? button->State : 0;
  const int mode = (!FFormActive || !button->Enabled) && state == 0 ? 2 : 1;
  zelvan::paint::DrawMaskGlyph(cache->Image(), {r.Left, r.Top}, state, TCacheInfo{}, *part, mode);
  GdiFlush();
  if (HDC dc = GetWindowDC(CtrlHandle)) {
    CopyBitmapToDC(*cache, dc, button->Rect, POINT{button->Rect.left, button->Rect.top});
    ReleaseDC(CtrlHandle, dc);
  }
}

void TacDialogWnd::DropSysMenu(int x, int y) {
  if (!SystemMenu || !(dwStyle & WS_SYSMENU)) return;
  SystemMenu->UpdateItems();
  if (SkinManager && SkinManager->SkinnedPopups()) {
    if (TsSkinableMenus* painter = SkinableMenusOf(SkinManager)) painter->HookPopupMenu(*SystemMenu, painter->Active());
  }
  SystemMenu->Popup(x, y);
}

void TacDialogWnd::KillAnimations() {
  if (FPressed && GetCapture() == CtrlHandle) ReleaseCapture();
  FPressed = false;
  CurrentHT = 0;
  for (TsCaptionButton* button : {&ButtonClose, &ButtonMax, &ButtonMin, &ButtonHelp}) {
    button->State = 0;
    button->Timer.reset();
  }
}

bool TacDialogWnd::Ac_WMNCLButtonDown(TMessage& m) {
  const int code = static_cast<int>(m.WParam);
  if (code == HTSYSMENU) {
    SetHotHT(0);
    const RECT bounds = Bounds();
    DropSysMenu(bounds.left + FrameWidth(), bounds.top + BorderHeight() + GetSystemMetrics(SM_CYSMICON));
    m.Result = 0;
    return true;
  }
  if (code == HTMINBUTTON || code == HTMAXBUTTON || code == HTCLOSE || code == HTHELP) {
    SetPressedHT(code);
    if (FPressed) SetCapture(CtrlHandle);
    m.Result = 0;
    return true;
  }
  if (IsIconic(CtrlHandle)) {
    SendMessageW(CtrlHandle, WM_SYSCOMMAND, SC_MOVE | HTCAPTION, m.LParam);
    m.Result = 0;
    return true;
  }
  SetHotHT(0);
  return false;
}

bool TacDialogWnd::Ac_WMLButtonUp(TMessage& m) {
  if (!FPressed) {
    if (m.Msg == WM_NCLBUTTONUP) SetHotHT(0);
    return false;
  }
  const int pressed = CurrentHT;
  // Where the release happened: screen coordinates, client ones for the captured client message.
  POINT at{GET_X_LPARAM(m.LParam), GET_Y_LPARAM(m.LParam)};
  if (m.Msg == WM_LBUTTONUP) ClientToScreen(CtrlHandle, &at);
  const int code = Ac_WMNCHitTest(at);
  if (GetCapture() == CtrlHandle) ReleaseCapture();
  FPressed = false;
  if (code == pressed) {
    switch (code) {
      case HTMINBUTTON:
        PostMessageW(CtrlHandle, WM_SYSCOMMAND, IsIconic(CtrlHandle) ? SC_RESTORE : SC_MINIMIZE, 0);
        break;
      case HTMAXBUTTON:
        PostMessageW(CtrlHandle, WM_SYSCOMMAND, IsZoomed(CtrlHandle) ? SC_RESTORE : SC_MAXIMIZE, 0);
        break;
      case HTCLOSE:
        ButtonClose.State = 0;
        KillAnimations();
        PostMessageW(CtrlHandle, WM_SYSCOMMAND, SC_CLOSE, 0);
        break;
      case HTHELP:
        PostMessageW(CtrlHandle, WM_SYSCOMMAND, SC_CONTEXTHELP, 0);
        RedrawWindow(CtrlHandle, nullptr, nullptr, RDW_FRAME | RDW_INVALIDATE);
        break;
      default:
        break;
    }
    if (SystemMenu) SystemMenu->UpdateItems();
  }
  SetHotHT(0);
  if (TsCaptionButton* button = ButtonByCode(pressed); button && button->State != 0) {
    button->State = 0;
    RepaintButton(pressed);
  }
  m.Result = 0;
  return true;
}
