#include "skin/controls/button.h"

#include <uxtheme.h>
#include <windowsx.h>
#include <vsstyle.h>

#include <algorithm>

#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "skin/core/skin_messages.h"
#include "skin/image/button_glyphs.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

namespace {

// The split part at the right edge.
constexpr int kSplitWidth = 16;

bool Loading(const TComponent& c) { return c.ComponentState().Contains(csLoading); }

// The command link's caption: bold and two points larger, for as long as it lives.
class TCommandLinkFont {
 public:
  TCommandLinkFont(TCanvas& canvas, bool on) : FCanvas(canvas), FOn(on) {
    if (!on) return;
    FSaved.Assign(canvas.Font());
    TFontStyles style = canvas.Font().Style();
    style.Include(fsBold);
    canvas.Font().SetStyle(style);
    canvas.Font().SetSize(canvas.Font().Size() + 2);
  }
  ~TCommandLinkFont() {
    if (FOn) FCanvas.Font().Assign(FSaved);
  }

 private:
  TCanvas& FCanvas;
  bool FOn;
  TFont FSaved;
};

}  // namespace

TsButton::TsButton(TComponent* owner) : TButton(owner), SkinData(this, true), FFace(*this, SkinData, *this) {
  ControlStyle().Exclude(csOpaque);
  ControlStyle().Exclude(csDoubleClicks);
  SkinData.COC = 93;
  SetWordWrap(true);
}

TsButton::~TsButton() { FFace.StopAnimation(); }

// ---------------------------------------------------------------- setters

void TsButton::ButtonLookChanged() {
  if (!Loading(*this)) SkinData.Invalidate();
}

void TsButton::SetDown(bool value) {
  if (!StoreChanged(FDown, value)) return;
  FFace.RegionChanged = true;
  ButtonLookChanged();
}

void TsButton::SetShowFocus(bool value) {
  if (StoreChanged(FShowFocus, value)) ButtonLookChanged();
}

void TsButton::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (StoreChanged(FDisabledKind, value)) ButtonLookChanged();
}

void TsButton::SetReflected(bool value) {
  if (StoreChanged(FReflected, value)) ButtonLookChanged();
}

void TsButton::SetContentMargin(int value) {
  if (StoreChanged(FContentMargin, value)) ButtonLookChanged();
}

// ---------------------------------------------------------------- state and layout

int TsButton::CurrentState() {
  if (FFace.Pushed() || FDown || DroppedDown) return 2;
  if (SkinData.IsHot()) return 1;
  return Default() ? 3 : 0;
}

bool TsButton::ValidImage() const {
  return Images() && ImageIndex() >= 0 && ImageIndex() < Images()->Count();
}

SIZE TsButton::ImageExtent() const {
  const TImageMargins& m = ImageMargins();
  const int w = ValidImage() ? Images()->Width() : 32, h = ValidImage() ? Images()->Height() : 32;
  return SIZE{w + m.Left + m.Right, h + m.Top + m.Bottom};
}

int TsButton::GlyphIndex(int state) {
  const int count = Images() ? Images()->Count() : 0;
  const auto valid = [count](int index) { return index >= 0 && index < count; };
  int index = -1;
  if (!Enabled()) {
    index = DisabledImageIndex();
  } else if (state == 2) {
    index = PressedImageIndex();
  } else if (Focused()) {
    index = SelectedImageIndex();
  } else if (state == 1) {
    index = HotImageIndex();
  }
  return valid(index) ? index : ImageIndex();
}

SIZE TsButton::CaptionSize(TCanvas& canvas) {
  const std::wstring caption = Text();
  if (caption.empty()) return SIZE{0, 0};
  const bool link = Style() == bsCommandLink;
  TCommandLinkFont font(canvas, link);
  const int limit = link ? Width() - 2 * FContentMargin - ImageExtent().cx - 6 : Width();
  RECT r{0, 0, std::max(limit, 0), 0};
  canvas.TextRect(r, caption, DT_CALCRECT | DT_CENTER | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
  return SIZE{r.right - r.left, r.bottom - r.top};
}

RECT TsButton::CaptionRect(TCanvas& canvas, int state) {
  const SIZE text = CaptionSize(canvas);
  const int w = Width() - (Style() == bsSplitButton ? kSplitWidth : 0), h = Height(), m = FContentMargin;
  const TImageMargins& im = ImageMargins();
  const int iw = ValidImage() ? Images()->Width() : 0, ih = ValidImage() ? Images()->Height() : 0;
  RECT r{};
  const int top = (h - text.cy) / 2;
  if (Style() == bsCommandLink) {
    r = {ImageExtent().cx + m + 6, m, w - m, m + text.cy};
  } else if (!ValidImage() || ImageAlignment() == iaCenter) {
    r.left = (w - text.cx) / 2 - 1;
    r = {r.left, top, r.left + text.cx + 2, h - top};
  } else if (ImageAlignment() == iaLeft) {
    r = {iw + im.Left + im.Right + m, top, w - m, h - top};
  } else if (ImageAlignment() == iaRight) {
    r = {m, top, w - m - iw - im.Left - im.Right, h - top};
  } else if (ImageAlignment() == iaTop) {
    int t = im.Top + 2 * m + ih;
    t += (h - m - (t + text.cy)) / 2;
    r = {m, t, w - m, t + text.cy};
  } else {
    const int bottom = h - im.Bottom - m - ih - im.Top;
    const int t = im.Top + (bottom - im.Top - text.cy) / 2;
    r = {m, t, w - m, t + text.cy};
  }
  if (state == 2) OffsetRect(&r, 1, 1);
  return r;
}

RECT TsButton::ImageRect(int state) {
  if (!ValidImage()) return RECT{};
  const int w = Width() - (Style() == bsSplitButton ? kSplitWidth : 0), h = Height(), m = FContentMargin;
  const TImageMargins& im = ImageMargins();
  const int iw = Images()->Width(), ih = Images()->Height();
  POINT at{(w - iw) / 2, (h - ih) / 2};
  if (Style() == bsCommandLink) {
    at = {im.Left + m, m};
  } else {
    switch (ImageAlignment()) {
      case iaLeft: at.x = im.Left + m; break;
      case iaRight: at.x = w - im.Right - m - iw; break;
      case iaTop: at.y = im.Top + m; break;
      case iaBottom: at.y = h - im.Bottom - m - ih; break;
      case iaCenter: break;
    }
  }
  RECT r{at.x, at.y, at.x + iw, at.y + ih};
  if (state == 2) OffsetRect(&r, 1, 1);
  return r;
}

// ---------------------------------------------------------------- painting

void TsButton::DrawCaption(TCanvas& canvas, int state, bool skinned) {
  const std::wstring caption = Text();
  const bool link = Style() == bsCommandLink;
  const RECT r = CaptionRect(canvas, state);
  UINT flags = DT_EXPANDTABS | (link ? DT_WORDBREAK | DT_LEFT : DT_CENTER | DT_VCENTER);
  if (!link) flags |= WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
  if (HandleAllocated() && (GetWindowLongPtrW(Handle(), GWL_EXSTYLE) & WS_EX_RTLREADING)) flags |= DT_RTLREADING;
  canvas.Brush().SetStyle(bsClear);
  {
    TCommandLinkFont font(canvas, link);
    WriteTextEx(canvas, caption, Enabled(), state > 0 ? 1 : 0, skinned ? &SkinData : nullptr, flags, r);
  }
  if (link && !CommandLinkHint().empty()) {
    const RECT hint{r.left, r.bottom + 6, r.right, Height() - FContentMargin};
    WriteTextEx(canvas, CommandLinkHint(), Enabled(), state > 0 ? 1 : 0, skinned ? &SkinData : nullptr, flags, hint);
  }
  const auto* section = SkinData.Section();
  if (skinned && Focused() && Enabled() && !caption.empty() && FShowFocus && section && section->ShowFocus) {
    DrawButtonFocus(canvas, r, FFocusMargin);
  }
}

void TsButton::DrawImage(TCanvas* canvas, int state) {
  if (!ValidImage()) return;
  TsGlyphParams params;
  params.SkinData = canvas ? nullptr : &SkinData;
  params.Images = Images();
  params.ImageIndex = GlyphIndex(state);
  params.ImgRect = ImageRect(state);
  params.Reflected = FReflected;
  params.State = state;
  params.Enabled = Enabled();
  params.Width = Width();
  params.Height = Height();
  DrawBtnGlyph(params, canvas);
}

void TsButton::DrawSplit(TCanvas& canvas, TColor color) {
  const int x = Width() - 15;
  canvas.Pen().SetColor(color);
  canvas.MoveTo(x, 4);
  canvas.LineTo(x, Height() - 4);
  DrawSmallArrow(canvas, color, RECT{Width() - kSplitWidth, 0, Width(), Height()}, 8);
}

bool TsButton::PrepareCache() {
  zelvan::paint::TCacheInfo behind;
  const int state = CurrentState();
  if (!PaintButtonBackground(SkinData, *this, Font(), state, behind)) return false;
  FFace.BuildRegion(state);
  TBitmap* cache = SkinData.CacheBmp();
  DrawImage(nullptr, state);
  DrawCaption(cache->Canvas(), state, true);
  if (Style() == bsSplitButton) {
    const auto* section = SkinData.Section();
    DrawSplit(cache->Canvas(), section ? static_cast<TColor>(section->Props[state == 0 ? 0 : 1].FontColor.Color) : Font().Color());
  }
  if (!Enabled()) PaintButtonDisabled(SkinData, *this, FDisabledKind, behind);
  SkinData.BGChanged = false;
  return true;
}

namespace {

// The platform theme's push button, when the application is themed; false
// leaves the classic frame to the caller.
bool DrawThemedFrame(HWND window, HDC dc, RECT rect, int state) {
  if (!IsAppThemed() || !(GetThemeAppProperties() & STAP_ALLOW_CONTROLS)) return false;
  HTHEME theme = OpenThemeData(window, L"BUTTON");
  if (!theme) return false;
  if (IsThemeBackgroundPartiallyTransparent(theme, BP_PUSHBUTTON, state)) DrawThemeParentBackground(window, dc, &rect);
  DrawThemeBackground(theme, dc, BP_PUSHBUTTON, state, &rect, nullptr);
  CloseThemeData(theme);
  return true;
}

}  // namespace

void TsButton::DrawUnskinned(const DRAWITEMSTRUCT& item) {
  RECT rect = item.rcItem;
  HDC dc = item.hDC;
  const bool pressed = (item.itemState & ODS_SELECTED) != 0 || FDown || DroppedDown;
  const bool focused = (item.itemState & ODS_FOCUS) != 0;
  const bool disabled = (item.itemState & ODS_DISABLED) != 0;
  const int themeState = disabled                ? PBS_DISABLED
                         : pressed               ? PBS_PRESSED
                         : SkinData.MouseAbove() ? PBS_HOT
                         : Default() || focused  ? PBS_DEFAULTED
                                                 : PBS_NORMAL;
  const bool themed = DrawThemedFrame(Handle(), dc, rect, themeState);
  if (!themed) {
    if (Default() || focused) {
      FrameRect(dc, &rect, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
      InflateRect(&rect, -1, -1);
    }
    if (pressed) {
      FillRect(dc, &rect, GetSysColorBrush(COLOR_BTNFACE));
      FrameRect(dc, &rect, GetSysColorBrush(COLOR_BTNSHADOW));
    } else {
      DrawFrameControl(dc, &rect, DFC_BUTTON, DFCS_BUTTONPUSH | (disabled ? DFCS_INACTIVE : 0));
    }
  }
  TCanvas canvas;
  PaintOnCanvas(canvas, dc, Font(), Color(), [&] {
    // The theme's pressed button keeps its caption in place.
    const int state = pressed && !themed ? 2 : 0;
    DrawCaption(canvas, state, false);
    DrawImage(&canvas, state);
    if (Style() == bsSplitButton) DrawSplit(canvas, GetSysColor(COLOR_BTNTEXT));
  });
  if (focused) {
    RECT focus = item.rcItem;
    InflateRect(&focus, -4, -4);
    if (Style() == bsSplitButton) focus.right -= 14;
    DrawFocusRect(dc, &focus);
  }
}

// ---------------------------------------------------------------- messages

// A press on a split button's arrow part opens its menu below the button
// and is no click; the button shows pressed while the menu is open.
bool TsButton::DropDownPressed(const TMessage& message) {
  if (message.Msg != WM_LBUTTONDOWN && message.Msg != WM_LBUTTONDBLCLK) return false;
  if (Style() != bsSplitButton || !DropDownMenu() || !Enabled()) return false;
  if (GET_X_LPARAM(message.LParam) < Width() - kSplitWidth) return false;
  DroppedDown = true;
  SkinData.BGChanged = true;
  Invalidate();
  Update();
  POINT corner{0, Height()};
  ::ClientToScreen(Handle(), &corner);
  DropDownMenu()->PopupComponent = this;
  DropDownMenu()->Popup(corner.x, corner.y);
  DroppedDown = false;
  SkinData.BGChanged = true;
  Invalidate();
  return true;
}

void TsButton::WndProc(TMessage& message) {
  if (DropDownPressed(message)) return;
  if (message.Msg == CN_DRAWITEM && !SkinData.Skinned()) {
    DrawUnskinned(*reinterpret_cast<const DRAWITEMSTRUCT*>(message.LParam));
    message.Result = TRUE;
    return;
  }
  if (FFace.Dispatch(message)) return;
  TButton::WndProc(message);
  SkinData.CommonMessage(message);
}
