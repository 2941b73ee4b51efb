#include "skin/controls/radio_button.h"

#include <algorithm>

#include "core/paint/alpha_blend.h"
#include "core/paint/alpha_channel.h"
#include "core/paint/mask_painting.h"
#include "core/paint/system_colors.h"
#include "framework/application/application.h"
#include "framework/graphics/canvas.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

namespace {

bool Loading(const TComponent& c) { return c.ComponentState().Contains(csLoading); }

// The size of one state image of a strip: square images side by side, else
// the whole picture.
SIZE StripImageSize(const TBitmap& bitmap) {
  const int w = bitmap.Width(), h = bitmap.Height();
  if (h > 0 && w % h == 0) return SIZE{h, h};
  return SIZE{w, h};
}

}  // namespace

TsRadioButton::TsRadioButton(TComponent* owner) : TRadioButton(owner), SkinData(this, true) { SkinData.COC = 33; }

TsRadioButton::~TsRadioButton() { StopFade(FadeTimer, SkinData); }

void TsRadioButton::SetChecked(bool checked) {
  const bool before = Checked();
  TRadioButton::SetChecked(checked);
  if (Checked() != before && OnValueChanged) OnValueChanged(this);
}

// ---------------------------------------------------------------- setters

void TsRadioButton::Repaint() {
  SkinData.BGChanged = true;
  if (HandleAllocated()) RedrawWindow(Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsRadioButton::SetAutoSize(bool value) {
  FAutoSize = value;
  AdjustSize();
}

void TsRadioButton::SetMargin(int value) {
  if (value == FMargin) return;
  FMargin = value;
  AdjustSize();
  SkinData.Invalidate();
}

void TsRadioButton::SetTextIndent(int value) {
  if (value == FTextIndent) return;
  FTextIndent = value;
  AdjustSize();
  SkinData.Invalidate();
}

void TsRadioButton::SetShowFocus(bool value) {
  if (value == FShowFocus) return;
  FShowFocus = value;
  SkinData.Invalidate();
}

void TsRadioButton::SetWordWrap(bool value) {
  // Automatic sizing keeps the text on one line.
  FWordWrap = value && !FAutoSize;
  SkinData.Invalidate();
}

void TsRadioButton::SetVerticalAlign(TsVerticalAlign value) {
  FVerticalAlign = value;
  Repaint();
}

void TsRadioButton::SetAlignment(TAlignment value) {
  FAlignment = value;
  SkinData.Invalidate();
}

void TsRadioButton::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  FDisabledKind = value;
  SkinData.Invalidate();
}

void TsRadioButton::SetGlyphChecked(const TBitmap& bitmap) {
  FGlyphChecked.Assign(bitmap);
  AdjustSize();
  if (Checked()) SkinData.Invalidate();
}

void TsRadioButton::SetGlyphUnChecked(const TBitmap& bitmap) {
  FGlyphUnChecked.Assign(bitmap);
  AdjustSize();
  if (!Checked()) SkinData.Invalidate();
}

// ---------------------------------------------------------------- the mark

bool TsRadioButton::TextRightOfMark() const {
  const bool rtl = HandleAllocated() && (GetWindowLongPtrW(const_cast<TsRadioButton*>(this)->Handle(), GWL_EXSTYLE) &
                                         WS_EX_RTLREADING);
  return (FAlignment == taRightJustify) != rtl;
}

const TBitmap* TsRadioButton::UserGlyph() const {
  const TBitmap& glyph = Checked() ? FGlyphChecked : FGlyphUnChecked;
  return glyph.Empty() ? nullptr : &glyph;
}
TBitmap* TsRadioButton::UserGlyph() { return const_cast<TBitmap*>(std::as_const(*this).UserGlyph()); }

int TsRadioButton::MaskIndex() const {
  TsSkinManager* manager = SkinData.SkinManager();
  if (!manager || !manager->Active()) return -1;
  return manager->GetMaskIndex("GLOBALINFO", Checked() ? "RADIOCHECKED" : "RADIOUNCHECKED");
}

SIZE TsRadioButton::MarkSize() const {
  if (const TBitmap* glyph = UserGlyph()) return StripImageSize(*glyph);
  TsSkinManager* manager = SkinData.SkinManager();
  const int mask = MaskIndex();
  if (!manager || !manager->IsValidImgIndex(mask)) return SIZE{16, 16};
  const auto& part = manager->ma[static_cast<size_t>(mask)];
  // The part's own image count and mask type, also for a bitmap of its own.
  const int width = part.Bmp ? part.Bmp->Width() : part.R.Width();
  const int height = part.Bmp ? part.Bmp->Height() : part.R.Height();
  return SIZE{width / std::max<int>(part.ImageCount, 1), height / (part.MaskType + 1)};
}

int TsRadioButton::MarkStateCount() const {
  if (const TBitmap* glyph = UserGlyph()) {
    const SIZE one = StripImageSize(*glyph);
    return one.cx > 0 ? std::max(1, static_cast<int>(glyph->Width() / one.cx)) : 1;
  }
  TsSkinManager* manager = SkinData.SkinManager();
  const int mask = MaskIndex();
  if (!manager || !manager->IsValidImgIndex(mask)) return 1;
  return std::max<int>(manager->ma[static_cast<size_t>(mask)].ImageCount, 1);
}

RECT TsRadioButton::MarkRect() const {
  const SIZE mark = MarkSize();
  const int top = FVerticalAlign == vaTop      ? 0
                  : FVerticalAlign == vaBottom ? Height() - mark.cy
                                               : (Height() - mark.cy) / 2;
  const int left = TextRightOfMark() ? FMargin : Width() - mark.cx - FMargin;
  return RECT{left, top, left + mark.cx, top + mark.cy};
}

int TsRadioButton::MarkState() const {
  const int state = FPressed ? 2 : SkinData.IsHot() && !FReadOnly ? 1 : 0;
  return std::min(state, MarkStateCount() - 1);
}

void TsRadioButton::DrawMark(TBitmap& cache, const zelvan::paint::TCacheInfo& behind) {
  const RECT r = MarkRect();
  const int state = MarkState();
  GdiFlush();
  if (TBitmap* glyph = UserGlyph()) {
    // A private opaque 32-bit copy: the user's image stays as it was given.
    TBitmap copy(glyph->Width(), glyph->Height(), pf32bit);
    copy.Assign(*glyph);
    if (copy.PixelFormat() != pf32bit) copy.SetPixelFormat(pf32bit);
    if (glyph->PixelFormat() != pf32bit) {
      zelvan::paint::SetRectAlpha(copy.Image(), {0, 0, copy.Width(), copy.Height()}, 255, false);
    }
    const int w = r.right - r.left, h = r.bottom - r.top;
    zelvan::paint::AlphaBlendOver({r.left, r.top, r.right, r.bottom}, {state * w, 0, state * w + w, h}, cache.Image(),
                                  false, behind, copy.Image());
    return;
  }
  TsSkinManager* manager = SkinData.SkinManager();
  const int mask = MaskIndex();
  if (!manager || !manager->IsValidImgIndex(mask)) return;
  zelvan::paint::TCacheInfo own;
  own.Bmp = &cache.Image();
  own.Ready = true;
  zelvan::paint::DrawMaskGlyph(cache.Image(), {r.left, r.top}, state, own, manager->ma[static_cast<size_t>(mask)], 1);
}

// ---------------------------------------------------------------- text and cache

void TsRadioButton::WriteCaption(TCanvas& canvas) {
  const std::wstring caption = Text();
  const SIZE mark = MarkSize();
  const int available = std::max(0, static_cast<int>(Width() - mark.cx - FTextIndent - 2 * FMargin - 2));
  const UINT wrap = FWordWrap ? DT_WORDBREAK : DT_SINGLELINE;
  RECT measured{0, 0, available, 0};
  DrawTextW(canvas.Handle(), caption.c_str(), static_cast<int>(caption.size()), &measured, DT_CALCRECT | wrap);
  const int textWidth = measured.right - measured.left, textHeight = measured.bottom - measured.top;
  const int top = std::max((Height() - textHeight) / 2, FMargin);
  const bool rtl = HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING);
  UINT flags = wrap;
  RECT r{};
  if (TextRightOfMark()) {
    if (!rtl) {
      const int left = FMargin + mark.cx + FTextIndent + 4;
      r = {left, top, left + std::min(textWidth, available), top + textHeight};
    } else {
      const int right = Width() - FMargin - mark.cx - FTextIndent - 4;
      r = {right - std::min(textWidth, available), top, right, top + textHeight};
      if (!FWordWrap) flags |= DT_RIGHT;
    }
  } else {
    r = {FMargin, top, FMargin + available, top + textHeight};
  }
  OffsetRect(&r, FWordWrap ? -1 : 0, -1);
  if (rtl) flags |= DT_RTLREADING;
  WriteTextEx(canvas, caption, Enabled(), PaintState(), &SkinData, flags, r);
  if (Focused() && FShowFocus && Enabled()) {
    RECT focus = r;
    if (!FWordWrap) focus.bottom -= 1;
    focus.top += 1;
    InflateRect(&focus, 1, 1);
    DrawDottedRect(canvas, focus, clBtnFace, clBlack);
  }
}

bool TsRadioButton::PrepareCache() {
  if (!SkinData.Skinned()) return false;
  SkinData.InitCacheBmp();
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return false;
  zelvan::paint::TCacheInfo behind;
  SkinData.GetParentCache(behind);
  if (!behind.Ready && behind.FillColor == zelvan::paint::kKeyColor) {
    SkinData.SetUpdating(true);  // the parent is being updated: painted when it says so
    return false;
  }
  cache->Canvas().Font().Assign(Font());
  zelvan::paint::PaintItem(ItemSkinOf(SkinData), behind, true, cache->Image(), {0, 0},
                           {0, 0, cache->Width(), cache->Height()}, PaintState());
  WriteCaption(cache->Canvas());
  DrawMark(*cache, behind);
  if (!Enabled()) {
    GdiFlush();
    zelvan::paint::TDisabledControl control;
    control.Position = {Left(), Top()};
    control.ParentColor = zelvan::paint::ColorToRGB(Parent() ? Parent()->Color() : clBtnFace);
    zelvan::paint::PaintDisabled(cache->Image(), FDisabledKind, control, {0, 0, cache->Width(), cache->Height()},
                                 behind);
  }
  SkinData.BGChanged = false;
  return true;
}

void TsRadioButton::Paint(HDC givenDC) {
  PAINTSTRUCT ps{};
  HDC dc = givenDC ? givenDC : BeginPaint(Handle(), &ps);
  const int saved = SaveDC(dc);
  if (!SkinData.Updating() && !FadeTimer && !(FormsLocked && dc != SkinData.PrintDC) && PrepareCache()) {
    SkinData.ShowGlow();
    CopyBitmapToDC(*SkinData.CacheBmp(), dc, RECT{0, 0, Width(), Height()}, POINT{0, 0});
  }
  RestoreDC(dc, saved);
  if (!givenDC) EndPaint(Handle(), &ps);
}

void TsRadioButton::AdjustSize() {
  if (!FAutoSize || Loading(*this) || !HandleAllocated()) return;
  const std::wstring caption = Text();
  HDC screen = GetDC(nullptr);
  HGDIOBJ old = SelectObject(screen, Font().Handle());
  SIZE text{0, 0};
  if (!caption.empty()) GetTextExtentPoint32W(screen, caption.c_str(), static_cast<int>(caption.size()), &text);
  SelectObject(screen, old);
  ReleaseDC(nullptr, screen);
  if (SkinData.Skinned()) {
    const SIZE mark = MarkSize();
    const int width = mark.cx + 2 * FMargin + (caption.empty() ? 0 : text.cx + FTextIndent + 8);
    const int height = std::max(static_cast<int>(mark.cy), (caption.empty() ? 0 : static_cast<int>(text.cy)) + 2 * FMargin) + 2;
    SetBounds(Left(), Top(), width, height);
  } else {
    SetBounds(Left(), Top(), text.cx + 20, std::max(static_cast<int>(text.cy) + 4, 20));
  }
}

// ---------------------------------------------------------------- messages

void TsRadioButton::Animate(TacAnimatEvent event, bool half) {
  ChangeState(FadeTimer, SkinData, false, half, EventAnimates(event, AnimatEvents, SkinData.SkinManager()));
}

void TsRadioButton::StopAnimation() { StopFade(FadeTimer, SkinData); }

void TsRadioButton::UnskinnedMessage(TMessage& message, bool& handled) {
  handled = false;
  switch (message.Msg) {
    case WM_LBUTTONDBLCLK:
      handled = FReadOnly;
      break;
    case BM_SETCHECK:
    case BM_SETSTATE:
      handled = FReadOnly && FPressed && !ComponentState().Contains(csLoading);
      break;
    case CN_COMMAND:
      // The framework turns clicks into a check: not for a read-only button.
      handled = FReadOnly && (HIWORD(message.WParam) == BN_CLICKED || HIWORD(message.WParam) == BN_DOUBLECLICKED);
      break;
    case WM_LBUTTONDOWN:
    case WM_KEYDOWN:
      if (message.Msg == WM_LBUTTONDOWN || message.WParam == VK_SPACE) FPressed = true;
      break;
    case WM_LBUTTONUP:
    case WM_KEYUP:
      if (message.Msg == WM_LBUTTONUP || message.WParam == VK_SPACE) FPressed = false;
      break;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TRadioButton::WndProc(message);
      AdjustSize();
      handled = true;
      break;
    default:
      break;
  }
}

bool TsRadioButton::SkinnedMessage(TMessage& message) {
  const bool enabled = Enabled();
  switch (message.Msg) {
    case WM_SETFOCUS:
      if (!enabled) return false;
      TRadioButton::WndProc(message);
      SkinData.CommonMessage(message);
      Animate(aeMouseEnter, false);
      return true;
    case WM_KILLFOCUS:
      if (!enabled) return false;
      StopAnimation();
      SendMessageW(Handle(), WM_SETREDRAW, FALSE, 0);
      TRadioButton::WndProc(message);
      SkinData.CommonMessage(message);
      SendMessageW(Handle(), WM_SETREDRAW, TRUE, 0);
      SkinData.SetMouseAbove(false);
      SkinData.Invalidate();
      return true;
    case CM_MOUSEENTER:
      if (message.LParam != 0) return false;
      if (OnMouseEnter) OnMouseEnter(this);
      if (!enabled || SkinData.MouseAbove()) return true;
      SkinData.SetMouseAbove(true);
      Animate(aeMouseEnter, false);
      return true;
    case CM_MOUSELEAVE:
      if (message.LParam != 0) return false;
      if (OnMouseLeave) OnMouseLeave(this);
      if (!enabled) return true;
      SkinData.SetMouseAbove(false);
      FPressed = false;  // a press that left the button checks nothing
      Animate(aeMouseLeave, false);
      return true;
    case WM_ENABLE:
    case WM_NCPAINT:
    case BM_SETSTATE:
      return true;
    case WM_PAINT:
      Paint(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      message.Result = 1;
      return true;
    case WM_PRINTCLIENT:
      SkinData.SetUpdating(false);
      Paint(reinterpret_cast<HDC>(message.WParam));
      return true;
    case BM_SETCHECK: {
      if (FInSetCheck) return false;
      FInSetCheck = true;
      struct Clear {
        bool& flag;
        ~Clear() { flag = false; }
      } clear{FInSetCheck};
      TRadioButton::WndProc(message);
      SkinData.BGChanged = true;
      if (FadeTimer) {
        StopAnimation();
        Repaint();
      }
      if (message.WParam == BST_UNCHECKED || message.WParam == BST_CHECKED) SetChecked(message.WParam == BST_CHECKED);
      Animate(aeMouseUp, false);
      return true;
    }
    case WM_KEYDOWN:
      if (message.WParam != VK_SPACE || !enabled) return false;
      if (!FReadOnly) {
        FPressed = true;
        if (CanFocus()) SetFocus();
        Repaint();
        TRadioButton::WndProc(message);  // OnKeyDown
      }
      return true;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return false;
      if (FReadOnly) return true;
      if (FPressed) {
        FPressed = false;
        SetChecked(true);
      }
      Repaint();
      TRadioButton::WndProc(message);  // OnKeyUp
      return true;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!enabled) return false;
      if (FReadOnly) return true;
      FPressed = true;
      Animate(aeMouseDown, true);
      if (CanFocus()) SetFocus();
      if (message.Msg == WM_LBUTTONDBLCLK) DblClick();
      return true;
    case WM_LBUTTONUP:
      if (!enabled) return false;
      if (!FReadOnly && FPressed) SetChecked(true);
      FPressed = false;
      Repaint();
      return true;
    case CN_COMMAND:
      return true;  // the skinned button checks itself on release
    case CM_ENABLEDCHANGED:
      TRadioButton::WndProc(message);
      SkinData.CommonMessage(message);
      Repaint();
      return true;
    case CM_FONTCHANGED:
    case CM_TEXTCHANGED:
      TRadioButton::WndProc(message);
      SkinData.CommonMessage(message);
      AdjustSize();
      Repaint();
      return true;
    default:
      return false;
  }
}

void TsRadioButton::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    const uint16_t code = SkinCommandCode(message.WParam);
    const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
    switch (code) {
      case SKC_SKIN_LOADED:
        if (own) StopAnimation();
        break;
      case SKC_SKIN_REMOVED:
        if (!own) break;
        StopAnimation();
        SkinData.CommandHandler(message);
        if (HandleAllocated()) SendMessageW(Handle(), BM_SETCHECK, Checked() ? BST_CHECKED : BST_UNCHECKED, 0);
        AdjustSize();
        if (HandleAllocated()) InvalidateRect(Handle(), nullptr, TRUE);
        return;
      case SKC_REFRESH:
        if (!own) break;
        StopAnimation();
        SkinData.CommandHandler(message);
        AdjustSize();
        Repaint();
        return;
      case SKC_PARENT_UPDATED:
        if (SkinData.Updating()) {
          SkinData.SetUpdating(false);
          Repaint();
        }
        return;
      case SKC_IS_SKINNED:
        message.Result = 1;
        return;
      case SKC_STOP_ANIMATION:
        StopAnimation();
        return;
      case SKC_PREPARE_CACHE:
        PrepareCache();
        break;
      case SKC_GET_APPLICATION:
        message.Result = reinterpret_cast<LRESULT>(Application);
        return;
      default:
        break;
    }
    if (SkinData.CommandHandler(message)) return;
    return TRadioButton::WndProc(message);
  }
  if (SkinData.Skinned()) {
    if (SkinnedMessage(message)) return;
  } else {
    bool handled = false;
    UnskinnedMessage(message, handled);
    if (handled) return;
  }
  TRadioButton::WndProc(message);
  SkinData.CommonMessage(message);
}
