#include "skin/controls/spin_edit.h"

#include <algorithm>

#include "core/controls/spin_value.h"
#include "framework/graphics/bitmap.h"
#include "framework/system/wide_text.h"
#include "skin/controls/button_face.h"
#include "skin/paint/control_paint.h"

namespace {
bool Loading(const TComponent& c) { return c.ComponentState().Contains(csLoading); }
}  // namespace

// ---------------------------------------------------------------- TsBaseSpinEdit

TsBaseSpinEdit::TsBaseSpinEdit(TComponent* owner)
    : TSpinEdit(owner, [](TSpinEdit* edit) { return new TsSpinButton(edit); }),
      SkinData(this, true),
      FBoundLabel(this, &SkinData),
      FSkin(*this, SkinData, *this, &FBoundLabel) {
  SkinData.COC = 3;
  FSpinButton = &dynamic_cast<TsSpinButton&>(ArrowControl());
  FSpinButton->EditSkin = &FSkin;
  FSpinButton->EditData = &SkinData;
  FSpinButton->SetFocusControl(this);
  FSpinButton->OnUpClick = [this](TObject*) { UpClick(); };
  FSpinButton->OnDownClick = [this](TObject*) { DownClick(); };
  PlaceButton();
}

void TsBaseSpinEdit::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (value == FSkin.DisabledKind) return;
  FSkin.DisabledKind = value;
  FSkin.Repaint();
}

void TsBaseSpinEdit::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  if (HandleAllocated()) RecreateWnd();
}

void TsBaseSpinEdit::SetShowSpinButtons(bool value) {
  if (value == FShowSpinButtons) return;
  FShowSpinButtons = value;
  FSpinButton->SetVisible(ArrowWindowShown());
  PlaceButton();
  FSkin.Repaint();
}

void TsBaseSpinEdit::CreateParams(TCreateParams& params) {
  TSpinEdit::CreateParams(params);
  params.Style &= ~static_cast<DWORD>(ES_LEFT | ES_RIGHT | ES_CENTER);
  params.Style |= FAlignment == taRightJustify ? ES_RIGHT : FAlignment == taCenter ? ES_CENTER : ES_LEFT;
}

void TsBaseSpinEdit::Loaded() {
  TSpinEdit::Loaded();
  SkinData.Loaded();
  PlaceButton();
}

bool TsBaseSpinEdit::ArrowWindowShown() const {
  // Disabled and skinned, the cache carries the arrows, blended with the rest;
  // arrows the skin has no section for still show themselves.
  const bool cached = SkinData.Skinned() && FSpinButton->UpButton().SkinData.Skinned();
  return FShowSpinButtons && (Enabled() || !cached);
}

int TsBaseSpinEdit::ButtonWidth() const {
  return FSpinButton && FSpinButton->Visible() ? FSpinButton->Width() : 0;
}

void TsBaseSpinEdit::PlaceButton() {
  if (!FSpinButton) return;  // the framework's constructor calls before the arrows are known
  const int b = FSkin.BorderWidth();
  FSpinButton->SetBounds(Width() - FSpinButton->Width() - 2 * b, 0, FSpinButton->Width(), Height() - 2 * b);
  if (!HandleAllocated()) return;
  const RECT client = ClientRect();
  RECT edit{0, 0, Width() - ButtonWidth() - 3, client.bottom + 1};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&edit));
}

bool TsBaseSpinEdit::IsValidChar(wchar_t key) {
  zelvan::controls::TSpinKeyContext context;
  const std::u16string text = WideToU16(Text());
  context.Text = text;
  context.SelStart = HandleAllocated() ? SelStart() : 0;
  context.SelLength = HandleAllocated() ? SelLength() : 0;
  context.EditorEnabled = EditorEnabled();
  context.AllowNegative = FAllowNegative;
  context.MinValue = MinValue();
  return zelvan::controls::SpinKeyVerdict(static_cast<char16_t>(key), context) == zelvan::controls::TSpinKey::Accept;
}

RECT TsBaseSpinEdit::SkinTextRect() {
  const int a = FSkin.TextOffset();
  return RECT{a + 1, a + 1, Width() - a - ButtonWidth(), Height() - a};
}

UINT TsBaseSpinEdit::SkinTextFlags() {
  return DT_SINGLELINE | DT_NOPREFIX | AlignmentTextFlag(FAlignment == taRightJustify ? 1 : FAlignment == taCenter ? 2 : 0);
}

void TsBaseSpinEdit::PaintChildrenIntoCache(TBitmap& cache) {
  // Disabled, the arrow pair is hidden: the cache alone shows it, blended.
  if (!FShowSpinButtons || (Enabled() && SkinData.IsHot())) return;
  const int b = FSkin.BorderWidth();
  for (TsTimerSpeedButton* arrow : {&FSpinButton->UpButton(), &FSpinButton->DownButton()}) {
    if (!arrow->PrepareCache()) continue;
    TBitmap* picture = arrow->SkinData.CacheBmp();
    const RECT at{b + FSpinButton->Left() + arrow->Left(), b + FSpinButton->Top() + arrow->Top(),
                  b + FSpinButton->Left() + arrow->Left() + arrow->Width(),
                  b + FSpinButton->Top() + arrow->Top() + arrow->Height()};
    CopyBitmapToDC(*picture, cache.Canvas().Handle(), at, POINT{0, 0});
  }
  GdiFlush();
}

bool TsBaseSpinEdit::TabToNeighbour(bool backward) {
  TWinControl* target = backward ? FPrevTabControl : FNextTabControl;
  if (!target || !target->CanFocus()) return false;
  target->SetFocus();
  return true;
}

void TsBaseSpinEdit::ArrowsFollowSkin() {
  for (TsTimerSpeedButton* arrow : {&FSpinButton->UpButton(), &FSpinButton->DownButton()}) {
    arrow->SkinData.SetSkinManager(SkinData.ManagerStored() ? SkinData.SkinManager() : nullptr);
  }
}

void TsBaseSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      if (message.WParam == VK_TAB || message.WParam == VK_RETURN) {
        if (TabToNeighbour(GetKeyState(VK_SHIFT) < 0)) return;
      }
      break;
    case WM_GETDLGCODE:
      TSpinEdit::WndProc(message);
      message.Result &= ~static_cast<LRESULT>(DLGC_HASSETSEL);
      if (FNextTabControl || FPrevTabControl) message.Result |= DLGC_WANTTAB;
      return;
    case WM_PASTE:
    case WM_CUT:
      if (!EditorEnabled() || ReadOnly()) return;
      break;
    case SKM_COMMAND: {
      const uint16_t code = SkinCommandCode(message.WParam);
      if (code >= SKC_SKIN_LOADED && code <= SKC_REFRESH) ArrowsFollowSkin();
      FSkin.Dispatch(message);  // passes the managers' commands on to the arrows
      if (code >= SKC_SKIN_LOADED && code <= SKC_REFRESH) {
        FSpinButton->SetVisible(ArrowWindowShown());
        PlaceButton();
      }
      return;
    }
    case WM_PAINT:
      if (SkinData.Skinned() && Enabled() && !SkinData.Updating()) {
        for (TsTimerSpeedButton* arrow : {&FSpinButton->UpButton(), &FSpinButton->DownButton()}) {
          arrow->Perform(SKM_COMMAND, SkinCommandWParam(SKC_STOP_ANIMATION), 0);
          arrow->SkinData.BGChanged = true;
        }
      }
      break;
    default:
      break;
  }
  if (FSkin.Dispatch(message)) return;
  TSpinEdit::WndProc(message);
  FSkin.AfterFramework(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      FSpinButton->SetEnabled(Enabled());
      FSpinButton->SetVisible(ArrowWindowShown());
      break;
    case CM_MOUSEENTER:
    case CM_MOUSELEAVE:
      if (message.LParam != 0) break;
      for (TsTimerSpeedButton* arrow : {&FSpinButton->UpButton(), &FSpinButton->DownButton()}) {
        arrow->SkinData.SetMouseAbove(false);
        arrow->Perform(SKM_COMMAND, SkinCommandWParam(SKC_STOP_ANIMATION), 0);
        arrow->Invalidate();
      }
      break;
    case WM_SETFONT:
      PlaceButton();
      break;
    default:
      break;
  }
}

// ---------------------------------------------------------------- TsSpinEdit

int TsSpinEdit::CheckValue(int value) const {
  return zelvan::controls::CheckSpinValue(value, {MinValue(), MaxValue(), AllowNegative()});
}

void TsSpinEdit::SetValue(int value) {
  if (value < 0 && !AllowNegative()) value = std::max(0, MinValue());
  if (Loading(*this)) {
    // Limits stored after the value still apply: the text is written in Loaded.
    FValueStored = true;
    FStoredValue = value;
    return;
  }
  SetText(std::to_wstring(CheckValue(value)));
}

void TsSpinEdit::Loaded() {
  if (FValueStored) {
    // Written while the edit still counts as loading: no OnChange for it.
    FValueStored = false;
    const int value = FStoredValue < 0 && !AllowNegative() ? std::max(0, MinValue()) : FStoredValue;
    SetText(std::to_wstring(CheckValue(value)));
  }
  TsBaseSpinEdit::Loaded();
}

void TsSpinEdit::Step(int direction) {
  if (ReadOnly()) return (void)MessageBeep(0);
  const TNotifyEvent& event = direction > 0 ? OnUpClick : OnDownClick;
  if (event) return event(this);
  SetValue(zelvan::controls::SteppedValue(Value(), direction, Increment()));
}

void TsSpinEdit::UpClick() { Step(1); }
void TsSpinEdit::DownClick() { Step(-1); }

void TsSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_EXIT: {
      if (const auto corrected = zelvan::controls::LeaveCorrection(WideToU16(Text()))) {
        SetText(U16ToWide(*corrected));
      }
      const int value = Value();
      if (CheckValue(value) != value) SetValue(value);
      break;
    }
    case WM_PASTE: {
      if (!EditorEnabled() || ReadOnly()) return;
      const int before = Value();
      TsBaseSpinEdit::WndProc(message);
      if (!zelvan::controls::ParseWholeNumber(WideToU16(Text()))) SetText(std::to_wstring(before));
      return;
    }
    default:
      break;
  }
  TsBaseSpinEdit::WndProc(message);
}
