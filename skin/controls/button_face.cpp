#include "skin/controls/button_face.h"

#include <algorithm>
#include <vector>

#include "core/image/working_bitmap.h"
#include "core/paint/mask_painting.h"
#include "core/paint/system_colors.h"
#include "framework/application/application.h"
#include "framework/graphics/canvas.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

bool ButtonForcedPress = false;

namespace {

bool HintsWereShown = true;
int HintHolds = 0;

bool Destroying(const TComponent& c) { return c.ComponentState().Contains(csDestroying); }

}  // namespace

// ---------------------------------------------------------------- shared painting

int ButtonPaintedState(const TsCommonData& data, int state) {
  const auto* section = data.Section();
  const int states = section ? std::max<int>(section->States, 1) : 1;
  if (state == 3 && states < 4) state = 1;
  return std::min(state, states - 1);
}

const zelvan::store::TsMaskData* ButtonBorderMask(const TsCommonData& data) {
  TsSkinManager* manager = data.SkinManager();
  if (!manager || !manager->IsValidImgIndex(data.BorderIndex)) return nullptr;
  return &manager->ma[static_cast<size_t>(data.BorderIndex)];
}

bool CutsRegion(const zelvan::store::TsMaskData& part, int state) {
  return part.CornerType == 2 && (state > 0 || !(part.DrawMode & 2));
}

HRGN ButtonCornerRegion(const zelvan::store::TsMaskData& part, int state, int width, int height) {
  HRGN region = CreateRectRgn(0, 0, width, height);
  if (width < 2 || height < 2 || !CutsRegion(part, state)) return region;
  // The frame painted on scratch only to learn which corner pixels are see-through.
  zelvan::image::TWorkingBitmap scratch(width, height);
  std::vector<zelvan::paint::TRect> cut;
  zelvan::paint::DrawMaskRectRegion(scratch, cut, state, part);
  for (const auto& r : cut) {
    HRGN piece = CreateRectRgn(r.Left, r.Top, r.Right, r.Bottom);
    CombineRgn(region, region, piece, RGN_DIFF);
    DeleteObject(piece);
  }
  return region;
}

bool PaintButtonBackground(TsCommonData& data, TControl& control, TFont& font, int state,
                           zelvan::paint::TCacheInfo& behind) {
  if (!data.Skinned()) return false;
  data.InitCacheBmp();
  TBitmap* cache = data.CacheBmp();
  if (!cache || cache->Empty()) return false;
  data.GetParentCache(behind);
  if (!behind.Ready && behind.FillColor == zelvan::paint::kKeyColor) {
    data.SetUpdating(true);  // the parent is being updated: painted when it says so
    return false;
  }
  cache->Canvas().Font().Assign(font);
  // The parent's picture shows through the frame's see-through corners.
  if (!PaintItemWithParent(data, control.Parent(), true, cache->Image(), {0, 0},
                           {0, 0, cache->Width(), cache->Height()}, ButtonPaintedState(data, state))) {
    data.SetUpdating(true);
    return false;
  }
  return true;
}

void PaintButtonDisabled(TsCommonData& data, TControl& control, zelvan::paint::TsDisabledKind kind,
                         const zelvan::paint::TCacheInfo& behind) {
  TBitmap* cache = data.CacheBmp();
  if (!cache || cache->Empty()) return;
  GdiFlush();
  zelvan::paint::TDisabledControl disabled;
  disabled.Position = {control.Left(), control.Top()};
  disabled.ParentColor = zelvan::paint::ColorToRGB(control.Parent() ? control.Parent()->Color() : clBtnFace);
  zelvan::paint::PaintDisabled(cache->Image(), kind, disabled, {0, 0, cache->Width(), cache->Height()}, behind);
}

void DrawButtonFocus(TCanvas& canvas, RECT rect, int margin) {
  InflateRect(&rect, margin, margin);
  DrawDottedRect(canvas, rect, clBtnFace, clBlack);
}

void HoldHints() {
  if (HintHolds++ == 0) HintsWereShown = Application->ShowHint;
  Application->ShowHint = false;
}

void ReleaseHints() {
  if (HintHolds == 0) return;
  if (--HintHolds == 0) Application->ShowHint = HintsWereShown;
}

bool HintsHeld() { return HintHolds > 0; }

// ---------------------------------------------------------------- windowed face

TsButtonFace::TsButtonFace(TWinControl& control, TsCommonData& data, TsFaceOwner& owner)
    : FControl(control), FData(data), FOwner(owner) {}

TsButtonFace::~TsButtonFace() {
  StopFade(FadeTimer, FData);
  if (MouseClicked) ReleaseHints();
  if (FRegion) DeleteObject(FRegion);
}

bool TsButtonFace::Pushed() const {
  if (!FControl.HandleAllocated()) return ButtonForcedPress;
  const bool pushed = (SendMessageW(FControl.Handle(), BM_GETSTATE, 0, 0) & BST_PUSHED) != 0;
  if (!pushed && !ButtonForcedPress) return false;
  return FData.MouseAbove() || !(GetKeyState(VK_LBUTTON) & 0x8000);
}

void TsButtonFace::BuildRegion(int state) {
  const auto* mask = ButtonBorderMask(FData);
  if (!RegionChanged || !mask || mask->CornerType != 2 || FormsLocked || FadeTimer) return;
  // A region built earlier and never applied goes before the new one.
  if (FRegion) DeleteObject(FRegion);
  FRegion = ButtonCornerRegion(*mask, ButtonPaintedState(FData, state), FControl.Width(), FControl.Height());
}

bool TsButtonFace::ApplyRegion(bool first) {
  if (!FRegion || !FControl.HandleAllocated()) return false;
  // The system owns an applied region.
  SetWindowRgn(FControl.Handle(), FRegion, first ? TRUE : FALSE);
  FRegion = nullptr;
  return true;
}

void TsButtonFace::DropRegion() {
  if (FRegion) DeleteObject(FRegion);
  FRegion = nullptr;
  if (FControl.HandleAllocated()) SetWindowRgn(FControl.Handle(), nullptr, TRUE);
  FFirstRegion = true;
}

void TsButtonFace::StopAnimation() { StopFade(FadeTimer, FData); }

void TsButtonFace::Animate(TacAnimatEvent event, bool half) {
  ChangeState(FadeTimer, FData, false, half, EventAnimates(event, AnimatEvents, FData.SkinManager()));
}

void TsButtonFace::Repaint() {
  FData.BGChanged = true;
  if (FControl.HandleAllocated()) RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
}

void TsButtonFace::Paint(HDC given, bool printing) {
  PAINTSTRUCT ps{};
  HDC dc = given;
  // The update region is always validated, so a fade's own frames are not
  // followed by a stream of paint messages.
  if (!dc) dc = BeginPaint(FControl.Handle(), &ps);
  const auto done = [&] {
    if (!given) EndPaint(FControl.Handle(), &ps);
  };
  if ((FormsLocked && dc != FData.PrintDC) || FData.Updating() || FadeTimer) return done();
  bool changed = FData.BGChanged || FOwner.FaceChanged();
  if (TWinControl* parent = FControl.Parent()) {
    RECT client{};
    GetClientRect(parent->Handle(), &client);
    const RECT bounds{FControl.Left(), FControl.Top(), FControl.Left() + FControl.Width(),
                      FControl.Top() + FControl.Height()};
    RECT inside{};
    IntersectRect(&inside, &bounds, &client);
    if (!EqualRect(&inside, &bounds)) changed = true;
    if (LOBYTE(SendSkinCommand(parent->Handle(), SKC_GET_HALF_VISIBLE, 0))) changed = true;
  }
  const bool first = FFirstRegion;
  const auto* mask = ButtonBorderMask(FData);
  if (RegionChanged && mask && mask->CornerType == 2) {
    if (!FOwner.PrepareCache()) return done();
    const RECT bounds{FControl.Left(), FControl.Top(), FControl.Left() + FControl.Width(),
                      FControl.Top() + FControl.Height()};
    if (!printing && ApplyRegion(first)) {
      FFirstRegion = false;
      const int oldW = FLastRect.right - FLastRect.left, oldH = FLastRect.bottom - FLastRect.top;
      TWinControl* parent = FControl.Parent();
      if (parent && (FControl.Width() < oldW || FControl.Height() < oldH)) {
        // The old corners lie outside the new region: the parent shows there again.
        const int l = std::max<int>(mask->WL, 1), t = std::max<int>(mask->WT, 1);
        const int r = std::max<int>(mask->WR, 1), b = std::max<int>(mask->WB, 1);
        const RECT corners[] = {{FLastRect.right - r, FLastRect.top, FLastRect.right, FLastRect.top + t},
                                {FLastRect.right - r, FLastRect.bottom - b, FLastRect.right, FLastRect.bottom},
                                {FLastRect.left, FLastRect.bottom - b, FLastRect.left + l, FLastRect.bottom}};
        for (const RECT& corner : corners) InvalidateRect(parent->Handle(), &corner, TRUE);
      }
      FLastRect = bounds;
    }
    RegionChanged = false;
  } else {
    RegionChanged = false;
    if (changed && !FOwner.PrepareCache()) return done();
  }
  if (TBitmap* cache = FData.CacheBmp(); cache && !cache->Empty()) {
    CopyBitmapToDC(*cache, dc, RECT{0, 0, FControl.Width(), FControl.Height()}, POINT{0, 0});
  }
  FOwner.Repainted();
  done();
}

void TsButtonFace::WithoutRedraw(TMessage& message) {
  SendMessageW(FControl.Handle(), WM_SETREDRAW, FALSE, 0);
  FOwner.InheritedMessage(message);
  FData.CommonMessage(message);
  SendMessageW(FControl.Handle(), WM_SETREDRAW, TRUE, 0);
}

void TsButtonFace::MouseDown(TMessage& message) {
  FData.SetUpdating(false);
  const bool left = message.Msg != WM_RBUTTONDOWN;
  if (left && !MouseClicked) HoldHints();
  MouseClicked = true;
  // The platform sets the pushed bit: the new look is taken after it. The
  // focus it gives on the way marks the background, yet the cache still
  // holds the picture shown, which the press fades from.
  const bool shownValid = !FData.BGChanged;
  FOwner.InheritedMessage(message);
  FData.CommonMessage(message);
  if (shownValid && !FadeTimer) FData.BGChanged = false;
  if (left && !FOwner.Down()) {
    RegionChanged = true;
    Animate(aeMouseDown, true);
  }
}

void TsButtonFace::MouseUp(TMessage& message) {
  if (!MouseClicked) return;  // no press began here: no click either
  MouseClicked = false;
  ReleaseHints();
  if (FadeTimer) {
    // A quick click: the pressed look stays visible a moment.
    StopAnimation();
    FData.BGChanged = true;
    ButtonForcedPress = true;
    RedrawWindow(FControl.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW);
    ButtonForcedPress = false;
    Sleep(30);
  }
  FData.SetUpdating(false);
  RegionChanged = true;
  FOwner.InheritedMessage(message);
  if (Destroying(FControl)) return;
  FData.CommonMessage(message);
  Animate(aeMouseUp, true);
}

void TsButtonFace::Focus(TMessage& message, bool gained) {
  if (!FControl.Visible() || !FControl.Enabled() || Destroying(FControl)) {
    FOwner.InheritedMessage(message);
    FData.CommonMessage(message);
    return;
  }
  if (gained) {
    if (FInFocus) {
      FOwner.InheritedMessage(message);
      return;
    }
    FInFocus = true;
    WithoutRedraw(message);
    FInFocus = false;
    if (FadeTimer) {
      StartFade(FadeTimer, FData, false, fdUp);
    } else {
      FData.Invalidate();
    }
    return;
  }
  StopAnimation();
  WithoutRedraw(message);
  IsFocused = false;
  RegionChanged = true;
  FData.Invalidate();
  FData.RemoveGlow();
}

bool TsButtonFace::SeeThrough() const {
  const auto* section = FData.Section();
  if (!section) return false;
  return section->Props[0].Transparency > 0 || (FData.MouseAbove() && section->Props[1].Transparency > 0);
}

bool TsButtonFace::SkinnedMessage(TMessage& message) {
  const bool enabled = FControl.Enabled();
  switch (message.Msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      if (!enabled) return false;
      MouseDown(message);
      return true;
    case WM_LBUTTONUP:
      if (Destroying(FControl) || !enabled) return false;
      MouseUp(message);
      return true;
    case WM_CAPTURECHANGED:
    case WM_CANCELMODE:
      // A press that ends without a release gives the hints back too.
      if (MouseClicked && message.Msg == WM_CANCELMODE) {
        MouseClicked = false;
        ReleaseHints();
      }
      if (message.Msg == WM_CANCELMODE) FData.RemoveGlow();
      return false;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE: {
      if (message.LParam != 0) return false;
      // The framework fires the event and tells the parents first.
      FOwner.InheritedMessage(message);
      const bool enter = message.Msg == CM_MOUSEENTER;
      if (enter && (!enabled || FData.MouseAbove())) return true;
      FData.SetMouseAbove(enter);
      Animate(enter ? aeMouseEnter : aeMouseLeave, false);
      return true;
    }
    case WM_SETFOCUS:
      Focus(message, true);
      return true;
    case WM_KILLFOCUS:
      Focus(message, false);
      return true;
    case WM_KEYDOWN:
      if (message.WParam != VK_SPACE || !enabled) return false;
      FOwner.InheritedMessage(message);
      StopAnimation();
      Repaint();
      return true;
    case WM_KEYUP:
      if (message.WParam != VK_SPACE) return false;
      FOwner.InheritedMessage(message);
      RegionChanged = true;
      Repaint();
      return true;
    case WM_ENABLE:
      return true;
    case WM_PAINT:
      if (FControl.Visible() && FControl.Parent()) {
        Paint(reinterpret_cast<HDC>(message.WParam), false);
      } else {
        ValidateRect(FControl.Handle(), nullptr);
      }
      message.Result = 0;
      return true;
    case WM_PRINTCLIENT:
      RegionChanged = true;
      FData.SetUpdating(false);
      Paint(reinterpret_cast<HDC>(message.WParam), true);
      return true;
    case WM_ERASEBKGND:
      if (FControl.Visible() && message.WParam && !FData.BGChanged && !FadeTimer) {
        if (TBitmap* cache = FData.CacheBmp(); cache && !cache->Empty()) {
          CopyBitmapToDC(*cache, reinterpret_cast<HDC>(message.WParam), RECT{0, 0, FControl.Width(), FControl.Height()},
                         POINT{0, 0});
        }
      }
      message.Result = 0;
      return true;
    case WM_UPDATEUISTATE:
      if (!FControl.Visible()) return false;
      message.Result = UiStateAnswer;
      return true;
    case WM_SIZE:
      RegionChanged = true;
      FData.RemoveGlow();
      return false;
    case WM_MOVE:
      // A see-through look shows the parent at its new place.
      if (SeeThrough()) {
        FData.BGChanged = true;
        FData.Invalidate();
      }
      return false;
    case WM_WINDOWPOSCHANGING:
    case WM_WINDOWPOSCHANGED: {
      // Applying a region sends these without moving or sizing: no rebuild then.
      const auto* pos = reinterpret_cast<const WINDOWPOS*>(message.LParam);
      if (pos && (pos->flags & (SWP_NOSIZE | SWP_NOMOVE)) != (SWP_NOSIZE | SWP_NOMOVE)) {
        RegionChanged = true;
        if (message.Msg == WM_WINDOWPOSCHANGED) FData.BGChanged = true;
      }
      return false;
    }
    case CN_DRAWITEM:
      message.Result = 1;  // the skin paints, not the owner
      return true;
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case WM_SETFONT:
      FOwner.InheritedMessage(message);
      FData.CommonMessage(message);
      FData.SetUpdating(false);
      FData.Invalidate();
      return true;
    case CM_ENABLEDCHANGED:
      FOwner.InheritedMessage(message);
      FData.CommonMessage(message);
      if (!enabled) StopAnimation();
      FData.SetUpdating(false);
      FData.Invalidate();
      return true;
    case CM_VISIBLECHANGED:
      FOwner.InheritedMessage(message);
      FData.CommonMessage(message);
      FData.BGChanged = true;
      FData.SetUpdating(false);
      if (FControl.Visible()) FData.Invalidate();
      return true;
    default:
      return false;
  }
}

bool TsButtonFace::Dispatch(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    if (!SkinCommand(message)) FOwner.InheritedMessage(message);
    return true;
  }
  if (message.Msg == BM_SETSTYLE) {
    // The platform's default-button handling: the look follows.
    FOwner.InheritedMessage(message);
    IsFocused = (message.WParam & 0x0F) == BS_DEFPUSHBUTTON;
    FData.Invalidate();
    return true;
  }
  return FData.Skinned() ? SkinnedMessage(message) : UnskinnedMessage(message);
}

bool TsButtonFace::UnskinnedMessage(TMessage& message) {
  if ((message.Msg != CM_MOUSEENTER && message.Msg != CM_MOUSELEAVE) || message.LParam != 0) return false;
  FData.SetMouseAbove(message.Msg == CM_MOUSEENTER);
  if (FControl.HandleAllocated()) InvalidateRect(FControl.Handle(), nullptr, FALSE);
  return false;  // the framework fires the event
}

bool TsButtonFace::SkinCommand(TMessage& message) {
  const uint16_t code = SkinCommandCode(message.WParam);
  const bool own = message.LParam == reinterpret_cast<LPARAM>(FData.SkinManager());
  switch (code) {
    case SKC_SKIN_LOADED:
      if (!own) break;
      RegionChanged = true;
      StopAnimation();
      break;
    case SKC_SKIN_REMOVED:
      if (!own || Destroying(FControl)) break;
      StopAnimation();
      FData.CommandHandler(message);
      DropRegion();
      if (FControl.HandleAllocated()) InvalidateRect(FControl.Handle(), nullptr, TRUE);
      return true;
    case SKC_REFRESH:
      if (!own) break;
      StopAnimation();
      DropRegion();
      FData.CommandHandler(message);
      RegionChanged = true;
      if (!(FData.CtrlSkinState & kStatePrinting)) Repaint();
      return true;
    case SKC_PARENT_UPDATED:
      if (FData.Updating()) {
        FData.SetUpdating(false);
        Repaint();
      }
      return true;
    case SKC_IS_SKINNED:
      message.Result = 1;
      return true;
    case SKC_URGENT_PAINT:
      if (FData.UrgentPainting) FOwner.PrepareCache();
      break;
    case SKC_STOP_ANIMATION:
      StopAnimation();
      return true;
    case SKC_PREPARE_CACHE:
      FOwner.PrepareCache();
      break;
    case SKC_PAINT_FADE_FRAME:
      if (FRegion) DeleteObject(FRegion);
      FRegion = nullptr;
      break;
    case SKC_GET_APPLICATION:
      message.Result = reinterpret_cast<LRESULT>(Application);
      return true;
    default:
      break;
  }
  return FData.CommandHandler(message);
}
