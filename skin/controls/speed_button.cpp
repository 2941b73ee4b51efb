#include "skin/controls/speed_button.h"

#include <algorithm>

#include "core/paint/block_transfer.h"
#include "core/paint/fill.h"
#include "core/paint/mask_painting.h"
#include "core/paint/system_colors.h"
#include "framework/application/application.h"
#include "framework/graphics/canvas.h"
#include "framework/graphics/image_list.h"
#include "framework/menus/menu.h"
#include "skin/controls/button_face.h"
#include "skin/core/skin_messages.h"
#include "skin/core/skinned_windows.h"
#include "skin/paint/control_paint.h"
#include "skin/paint/skinned_text.h"
#include "skin/store/skin_manager.h"

namespace {

zelvan::paint::THorzAlign HorzAlign(TAlignment alignment) {
  return alignment == taLeftJustify    ? zelvan::paint::haLeft
         : alignment == taRightJustify ? zelvan::paint::haRight
                                       : zelvan::paint::haCenter;
}

bool Gone(const TComponent& c) { return c.ComponentState().Contains(csDestroying); }

}  // namespace

TsSpeedButton::TsSpeedButton(TComponent* owner) : TSpeedButton(owner), SkinData(this, true) {
  SkinData.COC = 92;
  // New or changed images of the list show at once.
  FImageChangeLink.OnChange = [this] { Changed(); };
}

TsSpeedButton::~TsSpeedButton() {
  StopAnimation();
  if (FHeld) ReleaseHints();
  if (TsSkinManager* manager = SkinData.SkinManager(); manager && manager->ActiveGraphControl() == this) {
    manager->SetActiveGraphControl(nullptr);
  }
}

// ---------------------------------------------------------------- setters

void TsSpeedButton::Changed() {
  SkinData.BGChanged = true;
  GraphRepaint();
}

void TsSpeedButton::Invalidate() {
  // The framework's state, layout and glyph changes come here: the cache is stale.
  SkinData.BGChanged = true;
  TSpeedButton::Invalidate();
}

void TsSpeedButton::SetAlignment(TAlignment value) {
  if (StoreChanged(FAlignment, value)) Changed();
}
void TsSpeedButton::SetBlend(int value) {
  if (StoreChanged(FBlend, std::clamp(value, 0, 100))) Changed();
}
void TsSpeedButton::SetButtonStyle(TToolButtonStyle value) {
  if (StoreChanged(FButtonStyle, value)) Changed();
}
void TsSpeedButton::SetDisabledGlyphKind(TsDisabledGlyphKind value) {
  if (StoreChanged(FDisabledGlyphKind, value)) Changed();
}
void TsSpeedButton::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (StoreChanged(FDisabledKind, value)) Changed();
}
void TsSpeedButton::SetGrayed(bool value) {
  if (StoreChanged(FGrayed, value)) Changed();
}
void TsSpeedButton::SetImages(TImageList* value) {
  if (value == FImages) return;
  if (FImages) {
    FImages->UnRegisterChanges(&FImageChangeLink);
    FImages->RemoveFreeNotification(this);
  }
  FImages = value;
  if (FImages) {
    FImages->RegisterChanges(&FImageChangeLink);
    FImages->FreeNotification(this);
  }
  Changed();
}

void TsSpeedButton::Notification(TComponent* component, TOperation operation) {
  TSpeedButton::Notification(component, operation);
  if (operation == opRemove && component == FImages) {
    FImages = nullptr;
    Changed();
  }
  if (operation == opRemove && component == FDropdownMenu) FDropdownMenu = nullptr;
}

void TsSpeedButton::SetDropdownMenu(TPopupMenu* menu) {
  if (menu == FDropdownMenu) return;
  if (FDropdownMenu) FDropdownMenu->RemoveFreeNotification(this);
  FDropdownMenu = menu;
  if (FDropdownMenu) FDropdownMenu->FreeNotification(this);
}

namespace {
bool DropDownOpen = false;  // one drop-down menu at a time in the process
}

// The arrow part opens the menu, and so does the whole button when it has no
// click of its own; the button shows pressed meanwhile and no click follows.
bool TsSpeedButton::DropDownPressed(TMouseButton button, int x) {
  if (button != mbLeft || FButtonStyle != tbsDropDown || !FDropdownMenu || !Enabled()) return false;
  if (x < Width() - DropDownWidth() && OnClick) return false;
  StopAnimation();
  if (DropDownOpen) return true;
  DropDownOpen = true;
  DroppedDown = true;
  Changed();
  TWinControl* parent = Parent();
  POINT corner{Left(), Top() + Height() + 1};
  if (parent && parent->HandleAllocated()) ::ClientToScreen(parent->Handle(), &corner);
  FDropdownMenu->PopupComponent = this;
  FDropdownMenu->Popup(corner.x, corner.y);
  DropDownOpen = false;
  DroppedDown = false;
  if (Gone(*this)) return true;
  // The mouse may have gone while the menu was open.
  POINT cursor{};
  GetCursorPos(&cursor);
  if (parent && parent->HandleAllocated()) ::ScreenToClient(parent->Handle(), &cursor);
  if (cursor.x < Left() || cursor.x >= Left() + Width() || cursor.y < Top() || cursor.y >= Top() + Height()) {
    Perform(CM_MOUSELEAVE);
  }
  Changed();
  if (!SkinData.Skinned()) TSpeedButton::Invalidate();
  return true;
}
void TsSpeedButton::SetImageIndex(int value) {
  if (StoreChanged(FImageIndex, value)) Changed();
}
void TsSpeedButton::SetReflected(bool value) {
  if (StoreChanged(FReflected, value)) Changed();
}
void TsSpeedButton::SetShowCaption(bool value) {
  if (StoreChanged(FShowCaption, value)) Changed();
}
void TsSpeedButton::SetDrawOverBorder(bool value) {
  if (StoreChanged(FDrawOverBorder, value)) Changed();
}
void TsSpeedButton::SetTextOffset(int value) {
  if (StoreChanged(FTextOffset, value)) Changed();
}
void TsSpeedButton::SetTextAlignment(TAlignment value) {
  if (StoreChanged(FTextAlignment, value)) GraphRepaint();
}
void TsSpeedButton::SetHotState(bool value) {
  if (StoreChanged(FHotState, value)) Changed();
}

// ---------------------------------------------------------------- layout

int TsSpeedButton::CurrentState() const {
  if ((State() == bsDown || State() == bsExclusive) && !FMenuOwnerMode) return 2;
  if (DroppedDown && !OnClick) return 2;  // the whole button opened the menu
  return SkinData.IsHot() || FHotState || FMenuOwnerMode ? 1 : 0;
}

void TsSpeedButton::SetMenuOwnerMode(bool value) {
  if (StoreChanged(FMenuOwnerMode, value)) Changed();
}

SIZE TsSpeedButton::GlyphSize() {
  const int count = std::max(NumGlyphs(), 1);
  if (Glyph().Width() > 0) return SIZE{Glyph().Width() / count, Glyph().Height()};
  if (FImages && FImages->Count() > 0 && FImageIndex >= 0 && FImageIndex < FImages->Count()) {
    return SIZE{FImages->Width() / count, FImages->Height()};
  }
  return SIZE{0, 0};
}

SIZE TsSpeedButton::TextSize(TCanvas& canvas) {
  const std::wstring caption = Text();
  if (!FShowCaption || caption.empty()) return SIZE{0, 0};
  const SIZE glyph = GlyphSize();
  int room = Width() - 2 * Margin() - DropDownWidth();
  if ((Layout() == blGlyphLeft || Layout() == blGlyphRight) && glyph.cx > 0) room -= glyph.cx + Spacing();
  RECT r{0, 0, std::max(room, 0), 0};
  canvas.TextRect(r, caption, DT_CALCRECT | DT_WORDBREAK | DT_EXPANDTABS);
  return SIZE{r.right - r.left, r.bottom - r.top};
}

zelvan::paint::TSpeedPlace TsSpeedButton::Place(TCanvas& canvas, int state) {
  const SIZE glyph = GlyphSize(), text = TextSize(canvas);
  zelvan::paint::TSpeedLayoutInput in;
  in.Width = Width(), in.Height = Height(), in.DropDown = DropDownWidth();
  in.Margin = Margin(), in.Spacing = Spacing();
  in.GlyphWidth = glyph.cx, in.GlyphHeight = glyph.cy, in.TextWidth = text.cx, in.TextHeight = text.cy;
  in.HasCaption = FShowCaption && !Text().empty();
  in.TextOffset = FTextOffset;
  in.Alignment = HorzAlign(FAlignment);
  in.Layout = static_cast<zelvan::paint::TGlyphSide>(Layout());
  in.Pressed = state == 2;
  in.Reflected = FReflected;
  return zelvan::paint::SpeedButtonLayout(in);
}

// ---------------------------------------------------------------- painting

void TsSpeedButton::CopyBehind(TBitmap& cache, const zelvan::paint::TCacheInfo& behind) {
  GdiFlush();
  if (behind.Ready && behind.Bmp) {
    zelvan::paint::CopyBlock(cache.Image(), {0, 0}, *behind.Bmp,
                             {behind.X, behind.Y, behind.X + cache.Width(), behind.Y + cache.Height()});
  } else {
    const zelvan::paint::TColor colour =
        behind.FillColor != zelvan::paint::kKeyColor ? behind.FillColor
                                                     : zelvan::paint::ColorToRGB(Parent() ? Parent()->Color() : clBtnFace);
    zelvan::paint::FillRect32(cache.Image(), {0, 0, cache.Width(), cache.Height()}, colour, 255);
  }
}

void TsSpeedButton::PaintContent(TBitmap& cache, int state, const zelvan::paint::TCacheInfo& behind) {
  const int w = cache.Width(), h = cache.Height();
  const int painted = ButtonPaintedState(SkinData, state);
  zelvan::paint::PaintItem(ItemSkinOf(SkinData), behind, true, cache.Image(), {0, 0}, {0, 0, w, h}, painted);
  if (FButtonStyle == tbsDropDown) {
    const int part = DroppedDown || Down() || State() == bsDown || State() == bsExclusive ? 2
                     : SkinData.IsHot()                                                  ? 1
                                                                                         : 0;
    zelvan::paint::PaintItem(ItemSkinOf(SkinData), behind, true, cache.Image(), {0, 0}, {w - 16, 0, w, h},
                             ButtonPaintedState(SkinData, part));
    const auto* section = SkinData.Section();
    const TColor colour =
        section ? static_cast<TColor>(section->Props[part == 0 ? 0 : 1].FontColor.Color) : Font().Color();
    RECT arrow{w - 16, 0, w, h};
    if (part == 2) OffsetRect(&arrow, 1, 1);
    DrawSmallArrow(cache.Canvas(), colour, arrow, 8);
  }
  const zelvan::paint::TSpeedPlace place = Place(cache.Canvas(), state);
  if (FShowCaption && !Text().empty()) {
    const UINT flags = AlignmentTextFlag(FTextAlignment) | DT_VCENTER | DT_EXPANDTABS | DT_WORDBREAK;
    cache.Canvas().Brush().SetStyle(bsClear);
    WriteTextEx(cache.Canvas(), Text(), Enabled(), state > 0 ? 1 : 0, &SkinData, flags,
                RECT{place.Caption.Left, place.Caption.Top, place.Caption.Right, place.Caption.Bottom});
  }
  TsGlyphParams params;
  params.SkinData = &SkinData;
  params.Glyph = Glyph().Width() > 0 ? &Glyph() : nullptr;
  params.Images = FImages;
  params.ImageIndex = FImageIndex;
  params.ImgRect = {place.Glyph.Left, place.Glyph.Top, place.Glyph.Right, place.Glyph.Bottom};
  params.NumGlyphs = NumGlyphs();
  params.Blend = FBlend;
  params.Down = Down();
  params.Grayed = FGrayed;
  params.State = state;
  params.DisabledGlyphKind = FDisabledGlyphKind;
  params.Reflected = FReflected;
  params.Enabled = Enabled();
  params.Width = w;
  params.Height = h;
  DrawBtnGlyph(params, nullptr);
  if (!FDrawOverBorder) {
    // The frame over caption and glyph.
    if (const auto* mask = ButtonBorderMask(SkinData)) {
      GdiFlush();
      zelvan::paint::DrawMaskRect(cache.Image(), {0, 0, w, h}, true, painted, *mask, behind);
    }
  }
}

bool TsSpeedButton::PrepareCache() {
  if (!SkinData.Skinned()) return false;
  zelvan::paint::TCacheInfo behind;
  SkinData.GetParentCache(behind);
  if (!behind.Ready && behind.FillColor == zelvan::paint::kKeyColor) {
    SkinData.SetUpdating(true);  // the parent is rebuilding: painted when it says so
    return false;
  }
  SkinData.InitCacheBmp();
  TBitmap* cache = SkinData.CacheBmp();
  if (!cache || cache->Empty()) return false;
  cache->Canvas().Font().Assign(Font());
  const int state = CurrentState();
  if (FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) {
    CopyBehind(*cache, behind);
    TsSkinManager* manager = SkinData.SkinManager();
    const int mask = manager ? manager->GetMaskIndex("DIVIDER", "BORDERSMASK") : -1;
    if (FButtonStyle == tbsDivider && manager && manager->IsValidImgIndex(mask)) {
      GdiFlush();
      const int x = Width() / 2 - 1;
      zelvan::paint::DrawMaskRect(cache->Image(), {x, 0, x + 2, Height()}, true, 0,
                                  manager->ma[static_cast<size_t>(mask)], behind);
    }
  } else {
    PaintContent(*cache, state, behind);
  }
  if (!Enabled()) PaintButtonDisabled(SkinData, *this, FDisabledKind, behind);
  if (OnPaint) OnPaint(this, *cache);
  SkinData.BGChanged = false;
  return true;
}

void TsSpeedButton::Paint() {
  if (!SkinData.Skinned() || Width() <= 0 || Height() <= 0) return TSpeedButton::Paint();
  TCanvas& canvas = Canvas();
  if (FadeTimer && FadeTimer->TmpBmp && FadeTimer->TmpBmp->Width() == Width()) {
    CopyBitmapToDC(*FadeTimer->TmpBmp, canvas.Handle(), RECT{0, 0, Width(), Height()}, POINT{0, 0});
    return;
  }
  bool changed = CurrentState() != 0 || Down() != FStoredDown || SkinData.BGChanged;
  FStoredDown = Down();
  if (changed) {
    FOldNumGlyphs = NumGlyphs();
    FOldSpacing = Spacing();
  } else if (FOldNumGlyphs != NumGlyphs() || FOldSpacing != Spacing()) {
    changed = true;
  }
  TBitmap* cache = SkinData.CacheBmp();
  if ((changed || !cache || cache->Empty()) && !SkinData.UrgentPainting && !PrepareCache()) return;
  cache = SkinData.CacheBmp();
  if (cache && !cache->Empty()) CopyBitmapToDC(*cache, canvas.Handle(), RECT{0, 0, Width(), Height()}, POINT{0, 0});
}

void TsSpeedButton::GraphRepaint() {
  TWinControl* parent = Parent();
  if (!parent || !parent->HandleAllocated() || !Visible() || !IsWindowVisible(parent->Handle()) ||
      ComponentState().Contains(csLoading) || Gone(*this) || FormsLocked) {
    return;
  }
  if (!SkinData.Skinned()) return TSpeedButton::Invalidate();
  if (SkinData.Updating()) return;
  if (SkinData.BGChanged && !FadeTimer && !PrepareCache()) return;
  TBitmap* frame = FadeTimer && FadeTimer->TmpBmp && FadeTimer->TmpBmp->Width() == Width() ? FadeTimer->TmpBmp.get()
                                                                                          : SkinData.CacheBmp();
  if (!frame || frame->Empty()) return;
  // Straight onto the parent, inside the button only and never over child windows.
  HDC dc = GetDCEx(parent->Handle(), nullptr, DCX_CACHE | DCX_CLIPCHILDREN | DCX_CLIPSIBLINGS);
  IntersectClipRect(dc, Left(), Top(), Left() + Width(), Top() + Height());
  CopyBitmapToDC(*frame, dc, RECT{Left(), Top(), Left() + Width(), Top() + Height()}, POINT{0, 0});
  ReleaseDC(parent->Handle(), dc);
}

// ---------------------------------------------------------------- state changes

void TsSpeedButton::StopAnimation() {
  if (!FadeTimer) return;
  const bool midway = FadeTimer->Progress.FadeLevel != 0;
  StopFade(FadeTimer, SkinData);
  if (midway) Changed();
}

void TsSpeedButton::StateChanged(TacAnimatEvent event, bool half) {
  const auto* section = SkinData.Section();
  TBitmap* cache = SkinData.CacheBmp();
  const bool animate = EventAnimates(event, AnimatEvents, SkinData.SkinManager());
  if (animate && SkinData.Skinned() && section && section->FadingEnabled && !AnimationsSuppressed() &&
      !FormsLocked && !SkinData.BGChanged && cache && !cache->Empty()) {
    // A fade cut short starts the new one as far in as the old one had left.
    int level = 1;
    if (FadeTimer) {
      level = std::max(FadeTimer->Progress.Iterations - FadeTimer->Progress.FadeLevel, 1);
      StopFade(FadeTimer, SkinData);
    }
    SkinData.BGChanged = true;
    auto from = std::make_unique<TBitmap>(cache->Width(), cache->Height());
    from->Assign(*cache);
    if (!PrepareCache()) return;
    FillParentCorners(SkinData, ButtonPaintedState(SkinData, CurrentState()), 15);
    auto* timer = new TsAnimTimer(FadeTimer, &SkinData);
    if (half) timer->Progress.Iterations = std::max(timer->Progress.Iterations / 2, 1);
    timer->BmpFrom = std::move(from);
    timer->Progress.FadeLevel = std::min(level, timer->Progress.Iterations);
    timer->DoFade();
  } else {
    SkinData.BGChanged = true;
    StopFade(FadeTimer, SkinData);
    GraphRepaint();
  }
  SkinData.ShowGlow();
}

void TsSpeedButton::Entered(bool enter) {
  TsSkinManager* manager = SkinData.SkinManager();
  if (enter) {
    if (SkinData.MouseAbove() || FButtonStyle == tbsSeparator || FButtonStyle == tbsDivider) return;
    SkinData.SetMouseAbove(true);
    if (manager) manager->SetActiveGraphControl(this);
    if (FMenuOwnerMode) {
      SkinData.BGChanged = true;
      return;
    }
    StateChanged(aeMouseEnter, false);
    return;
  }
  SkinData.SetMouseAbove(false);
  if (manager && manager->ActiveGraphControl() == this) manager->SetActiveGraphControl(nullptr);
  if (!Visible() || FMenuOwnerMode) {
    SkinData.BGChanged = true;
    return;
  }
  StateChanged(aeMouseLeave, false);
}

// The framework's state change marks the cache stale, yet it still holds
// the picture shown, which the press or release fades from.
void TsSpeedButton::KeepShown(const std::function<void()>& frameworkChange) {
  const bool shownValid = !SkinData.BGChanged && !FadeTimer;
  frameworkChange();
  if (shownValid) SkinData.BGChanged = false;
}

void TsSpeedButton::MouseDown(TMouseButton button, TShiftState shift, int x, int y) {
  if (DropDownPressed(button, x)) return;
  KeepShown([&] { TSpeedButton::MouseDown(button, shift, x, y); });
  if (button != mbLeft || !SkinData.Skinned() || !Enabled()) return;
  if (!FHeld) HoldHints();
  FHeld = true;
  StateChanged(aeMouseDown, true);
}

void TsSpeedButton::MouseUp(TMouseButton button, TShiftState shift, int x, int y) {
  if (button == mbLeft && FHeld) {
    FHeld = false;
    ReleaseHints();
  }
  KeepShown([&] { TSpeedButton::MouseUp(button, shift, x, y); });
  if (button != mbLeft || Gone(*this) || !SkinData.Skinned()) return;
  StateChanged(aeMouseUp, true);
}

// ---------------------------------------------------------------- messages

void TsSpeedButton::WndProc(TMessage& message) {
  if (message.Msg == SKM_COMMAND) {
    const uint16_t code = SkinCommandCode(message.WParam);
    const bool own = message.LParam == reinterpret_cast<LPARAM>(SkinData.SkinManager());
    switch (code) {
      case SKC_SKIN_LOADED:
      case SKC_REFRESH:
        if (!own) break;
        StopAnimation();
        SkinData.CommandHandler(message);
        if (SkinData.Skinned()) ControlStyle().Include(csOpaque);
        if (code == SKC_REFRESH && Visible()) Changed();
        return;
      case SKC_SKIN_REMOVED:
        if (!own) break;
        StopAnimation();
        SkinData.CommandHandler(message);
        ControlStyle().Exclude(csOpaque);
        TSpeedButton::Invalidate();
        return;
      case SKC_PARENT_UPDATED:
        SkinData.SetUpdating(false);
        Changed();
        return;
      case SKC_IS_SKINNED:
        message.Result = 1;
        return;
      case SKC_REPAINT_NOW:
        SkinData.SetUpdating(false);
        SkinData.BGChanged = !FadeTimer;
        GraphRepaint();
        return;
      case SKC_MOUSE_LEAVE:
        Entered(false);
        return;
      case SKC_GET_APPLICATION:
        message.Result = reinterpret_cast<LRESULT>(Application);
        return;
      case SKC_GET_UPDATING:
        if (!SkinData.Skinned()) break;
        message.Result = SkinData.Updating() ? 1 : 0;
        return;
      case SKC_STOP_ANIMATION:
        if (!SkinData.Skinned()) break;
        StopAnimation();
        return;
      case SKC_SECTION_CHANGED:
        if (SkinData.Skinned()) Changed();
        break;
      default:
        break;
    }
    if (SkinData.CommandHandler(message)) return;
    return TSpeedButton::WndProc(message);
  }
  switch (message.Msg) {
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (message.LParam != 0 || !SkinData.Skinned()) break;
      TSpeedButton::WndProc(message);  // the events, the framework's hot flag
      if (Enabled()) Entered(message.Msg == CM_MOUSEENTER);
      return;
    case WM_MOUSEMOVE:
      if (SkinData.Skinned() && SkinData.MouseAbove()) {
        // Another windowless control took the manager's hot slot: come back.
        TsSkinManager* manager = SkinData.SkinManager();
        if (manager && manager->ActiveGraphControl() && manager->ActiveGraphControl() != this) {
          SkinData.SetMouseAbove(false);
          Perform(CM_MOUSEENTER);
        }
      }
      break;
    case CM_ENABLEDCHANGED:
      TSpeedButton::WndProc(message);
      if (!Enabled()) StopAnimation();
      Changed();
      return;
    case CM_VISIBLECHANGED:
      SkinData.BGChanged = true;
      SkinData.SetMouseAbove(false);
      break;
    default:
      break;
  }
  TSpeedButton::WndProc(message);
  SkinData.CommonMessage(message);
}
