#include "skin/controls/edit_skin.h"

#include "core/paint/item_paint.h"
#include "framework/application/application.h"
#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "skin/controls/button_face.h"
#include "skin/controls/label.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

using zelvan::paint::TCacheInfo;

namespace {

bool Loading(const TComponent& c) { return c.ComponentState().Contains(csLoading); }
bool Destroying(const TComponent& c) { return c.ComponentState().Contains(csDestroying); }

// The control lies partly outside its parent's client area.
bool PartlyHidden(TControl& control) {
  TWinControl* parent = control.Parent();
  if (!parent || !parent->HandleAllocated()) return false;
  RECT client{};
  GetClientRect(parent->Handle(), &client);
  const RECT bounds = control.BoundsRect();
  RECT inside{};
  IntersectRect(&inside, &bounds, &client);
  return !EqualRect(&inside, &bounds);
}

}  // namespace

std::wstring TsEditOwner::SkinText() { return L""; }

std::wstring PasswordText(const std::wstring& text, wchar_t passwordChar) {
  if (!passwordChar) return text;
  return std::wstring(text.size(), passwordChar == L'*' ? L'\x25CF' : passwordChar);
}

TsEditSkin::TsEditSkin(TCustomEdit& edit, TsCommonData& data, TsEditOwner& owner, TsBoundLabel* boundLabel)
    : FEdit(edit), FData(data), FOwner(owner), FBoundLabel(boundLabel) {}

// The frame the skin paints: the platform's border and, inside it, a bevel.
int TsEditSkin::BorderWidth() const { return FEdit.BorderStyle() == bsSingleBorder ? 2 + FEdit.BevelSize() : 0; }

// ---------------------------------------------------------------- painting

void TsEditSkin::PaintText(TBitmap& cache, int state) {
  const std::wstring text = FOwner.SkinText();
  if (text.empty()) return;
  TCanvas& canvas = cache.Canvas();
  canvas.Font().Assign(FEdit.Font());
  canvas.Brush().SetStyle(bsClear);
  WriteTextEx(canvas, text, FEdit.Enabled(), state, &FData, FOwner.SkinTextFlags(), FOwner.SkinTextRect());
}

bool TsEditSkin::PrepareCache() {
  if (!FData.Skinned()) return false;
  TCacheInfo behind;
  FData.GetParentCache(behind);
  if (!behind.Ready && behind.FillColor == zelvan::paint::kKeyColor) {
    FData.SetUpdating(true);  // the parent is rebuilding: painted when it says so
    return false;
  }
  FData.InitCacheBmp();
  TBitmap* cache = FData.CacheBmp();
  if (!cache || cache->Empty()) return false;
  const int state = State();
  zelvan::paint::TItemSkin skin = ItemSkinOf(FData);
  if (BorderWidth() == 0) skin.BorderIndex = -1;
  GdiFlush();
  zelvan::paint::PaintItem(skin, behind, true, cache->Image(), {0, 0}, {0, 0, cache->Width(), cache->Height()},
                           state);
  PaintText(*cache, state);
  FOwner.PaintChildrenIntoCache(*cache);
  if (!FEdit.Enabled()) PaintButtonDisabled(FData, FEdit, DisabledKind, behind);
  FData.BGChanged = false;
  return true;
}

bool TsEditSkin::PaintsHeldBack() const { return FData.Updating() || Loading(FEdit) || Destroying(FEdit); }

bool TsEditSkin::CacheStale() const {
  TBitmap* cache = FData.CacheBmp();
  return FData.BGChanged || !cache || cache->Empty() || cache->Width() != FEdit.Width() ||
         cache->Height() != FEdit.Height();
}

void TsEditSkin::PaintWindow(HDC given) {
  HWND window = FEdit.Handle();
  PAINTSTRUCT ps{};
  // Validated whatever happens: an unvalidated region comes straight back
  // as the next WM_PAINT.
  HDC client = given ? given : BeginPaint(window, &ps);
  const auto done = [&] {
    if (!given) EndPaint(window, &ps);
  };
  if ((FormsLocked && !given) || PaintsHeldBack()) return done();
  bool changed = CacheStale();
  const bool hidden = PartlyHidden(FEdit);
  TWinControl* parent = FEdit.Parent();
  if (hidden || (parent && LOBYTE(SendSkinCommand(parent->Handle(), SKC_GET_HALF_VISIBLE, 0)))) changed = true;
  FData.HalfVisible = hidden;
  if (changed && !FData.UrgentPainting && !PrepareCache()) return done();
  TBitmap* cache = FData.CacheBmp();
  if (!cache || cache->Empty()) return done();
  ++Paints;
  // The whole window, frame included, through the window's own context.
  HDC dc = given ? given : GetWindowDC(window);
  const int saved = SaveDC(dc);
  const int b = given ? 0 : BorderWidth();
  for (int i = 0; i < FEdit.ControlCount(); ++i) {
    auto* child = dynamic_cast<TWinControl*>(FEdit.Controls(i));
    if (!child || !child->Visible()) continue;
    RECT r = child->BoundsRect();
    OffsetRect(&r, b, b);
    ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
  }
  if (given) {
    CopyBitmapToDC(*cache, dc, RECT{0, 0, FEdit.Width() - 2 * BorderWidth(), FEdit.Height() - 2 * BorderWidth()},
                   POINT{BorderWidth(), BorderWidth()});
  } else {
    CopyBitmapToDC(*cache, dc, RECT{0, 0, FEdit.Width(), FEdit.Height()}, POINT{0, 0});
  }
  RestoreDC(dc, saved);
  if (!given) ReleaseDC(window, dc);
  FEdit.PaintControls(client);
  FData.ShowGlow();
  done();
}

void TsEditSkin::PaintBorder() {
  const int b = BorderWidth();
  if (b == 0 || !FEdit.HandleAllocated() || FData.Updating() || Loading(FEdit)) return;
  if (CacheStale() && !PrepareCache()) return;
  TBitmap* cache = FData.CacheBmp();
  if (!cache || cache->Empty()) return;
  HWND window = FEdit.Handle();
  HDC dc = GetWindowDC(window);
  ExcludeClipRect(dc, b, b, FEdit.Width() - b, FEdit.Height() - b);
  CopyBitmapToDC(*cache, dc, RECT{0, 0, FEdit.Width(), FEdit.Height()}, POINT{0, 0});
  ReleaseDC(window, dc);
  FData.ShowGlow();
}

void TsEditSkin::PrintClient(HDC dc) {
  FData.SetUpdating(false);
  if (CacheStale() && !PrepareCache()) return;
  const int b = BorderWidth();
  CopyBitmapToDC(*FData.CacheBmp(), dc, RECT{0, 0, FEdit.Width() - 2 * b, FEdit.Height() - 2 * b}, POINT{b, b});
  const int saved = SaveDC(dc);
  FEdit.PaintControls(dc);
  RestoreDC(dc, saved);
}

void TsEditSkin::AnswerBackground(TBgRequest& request, int dx, int dy) {
  TBitmap* cache = FData.CacheBmp();
  if (!FData.Skinned() || !cache || cache->Empty()) {
    request.Kind = bgColor;
    request.Color = ColorToRGB(FEdit.Color());
    return;
  }
  request.Kind = bgBitmap;
  if (request.PaintToDC) {
    if (request.DC) CopyBitmapToDC(*cache, request.DC, request.R, POINT{request.X + dx, request.Y + dy});
    return;
  }
  request.Bmp = &cache->Image();
  request.X = dx;
  request.Y = dy;
}

void TsEditSkin::Repaint() {
  FData.BGChanged = true;
  if (!FEdit.HandleAllocated() || !IsWindowVisible(FEdit.Handle()) || Loading(FEdit) || FormsLocked) return;
  RedrawWindow(FEdit.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_ALLCHILDREN);
}

// ---------------------------------------------------------------- messages

bool TsEditSkin::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(FData.SkinManager());
  switch (code) {
    case SKC_SKIN_LOADED:
    case SKC_SKIN_REMOVED:
      FData.CommandHandler(message);
      if (own) Repaint();
      return true;
    case SKC_REFRESH:
      FData.CommandHandler(message);
      if (own) Repaint();
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_MOVE_NEEDS_REPAINT:
      message.Result = 0;
      return true;
    case SKC_GET_BG_COLOR:
      if (FData.Skinned()) break;
      message.Result = static_cast<LRESULT>(ColorToRGB(FEdit.Color()));
      return true;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    case SKC_PARENT_UPDATED:
      if (FData.Updating() || FData.BGChanged) {
        FData.SetUpdating(false);
        Repaint();
      }
      return true;
    case SKC_MOUSE_ENTER:
    case SKC_MOUSE_LEAVE:
      // The client area changes hands between the cache and the platform edit.
      FData.CommandHandler(message);
      if (own && FData.Skinned()) Repaint();
      return true;
    default:
      break;
  }
  return FData.CommandHandler(message);
}

bool TsEditSkin::Dispatch(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (SkinCommand(message)) return true;
    FOwner.InheritedMessage(message);
    return true;
  }
  if (!FData.Skinned()) return false;
  switch (message.Msg) {
    case WM_PAINT:
      if (PaintsHeldBack()) {
        PAINTSTRUCT ps{};
        if (!message.WParam) {
          BeginPaint(FEdit.Handle(), &ps);
          EndPaint(FEdit.Handle(), &ps);
        }
        return true;
      }
      if (FEdit.Enabled() && FOwner.PlatformPaints()) return false;
      PaintWindow(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return true;
    case WM_ERASEBKGND:
      if (PaintsHeldBack() || !FEdit.Enabled() || !FOwner.PlatformPaints()) {
        message.Result = 1;  // the cache covers the client area
        return true;
      }
      return false;
    case WM_NCPAINT:
      PaintBorder();
      message.Result = 0;
      return true;
    case WM_PRINTCLIENT:
      PrintClient(reinterpret_cast<HDC>(message.WParam));
      message.Result = 0;
      return true;
    case CM_COLORCHANGED:
      if (FData.CustomColor()) FData.BGChanged = true;
      return false;
    default:
      return false;
  }
}

void TsEditSkin::AfterFramework(TMessage& message) {
  if (FBoundLabel) FBoundLabel->Follow(message.Msg, FEdit.Enabled() || DisabledKind != zelvan::paint::dkBlended);
  FData.CommonMessage(message);
  if (!FData.Skinned() || Destroying(FEdit)) return;
  switch (message.Msg) {
    case WM_SIZE:
      FData.BGChanged = true;
      if (FEdit.HandleAllocated()) SendMessageW(FEdit.Handle(), WM_NCPAINT, 0, 0);
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case CM_EXIT:
      if (message.Msg != WM_SETFOCUS) FData.SetMouseAbove(false);
      Repaint();
      break;
    case WM_SETTEXT:
    case WM_SETFONT:
    case EM_SETPASSWORDCHAR:
    case CM_VISIBLECHANGED:
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
      if (!Loading(FEdit) && !FormsLocked) Repaint();
      break;
    default:
      break;
  }
}
