#include "skin/controls/combo_edit.h"

#include <algorithm>

#include "framework/folder_picker/directory_edit.h"

#include "core/controls/popup_place.h"
#include "framework/forms/custom_form.h"
#include "skin/controls/mask_edit.h"
#include "skin/image/alpha_image_list.h"

// ---------------------------------------------------------------- TsEditButton

TsEditButton::TsEditButton(TCustomComboEdit* edit, TsComboEditParts& parts)
    : TsSpeedButton(edit), FEdit(*edit), FParts(parts) {
  SkinData.SetSkinSection("SPEEDBUTTON_SMALL");
  SetDisabledGlyphKind(dgBlended);
  SetFlat(true);
  SetWidth(TEditButton::kDefaultWidth);
  SetText(L"");
  AnimatEvents = TacAnimatEvents{aeMouseEnter, aeMouseLeave};
}

void TsEditButton::Click() {
  TsSpeedButton::Click();
  FEdit.DoClick();
}

void TsEditButton::TakeOrdinaryGlyph() {
  TsGlyphMode& mode = FParts.GlyphMode();
  TImageList* list = mode.Images();
  int index = mode.ImageIndex(), pictures = 1;
  if (!list || index < 0 || index >= list->Count()) {
    list = FParts.DefBmpID() >= 0 ? &StdGlyphList() : nullptr;
    index = FParts.DefBmpID();
    pictures = 3;  // normal, hot, pressed
  }
  if (Images()) SetImages(nullptr);
  if (!list || index < 0 || index >= list->Count()) return;
  const TColor behind = ColorToRGB(FEdit.Color());
  if (FOrdinaryList == list && FOrdinaryIndex == index && FOrdinaryBehind == behind) return;
  FOrdinaryList = list;
  FOrdinaryIndex = index;
  FOrdinaryBehind = behind;
  // Drawn over the edit's colour: its soft edges blend into it, and that
  // colour (the bottom-left pixel) is the see-through one.
  const int width = std::max(1, list->Width() / pictures), height = list->Height();
  TBitmap all(list->Width(), height, pf32bit);
  all.Canvas().Brush().SetColor(behind);
  all.Canvas().FillRect(RECT{0, 0, list->Width(), height});
  list->Draw(all.Canvas(), 0, 0, index);
  Glyph().SetSize(width, height);
  BitBlt(Glyph().Canvas().Handle(), 0, 0, width, height, all.Canvas().Handle(), 0, 0, SRCCOPY);
  if (NumGlyphs() != 1) TsSpeedButton::SetNumGlyphs(1);
}

void TsEditButton::TakeGlyph(int state) {
  // Without a skin the ordinary painting shows the glyph bitmap.
  if (!SkinData.Skinned()) return TakeOrdinaryGlyph();
  if (FOrdinaryList) {
    Glyph().SetSize(0, 0);
    FOrdinaryList = nullptr;
  }
  TsGlyphMode& mode = FParts.GlyphMode();
  TImageList* own = mode.Images();
  if (own && mode.ImageIndex() >= 0 && mode.ImageIndex() < own->Count()) {
    const int wanted = state == 2 ? mode.ImageIndexPressed() : state == 1 ? mode.ImageIndexHot() : -1;
    SetImages(own);
    SetImageIndex(wanted >= 0 && wanted < own->Count() ? wanted : mode.ImageIndex());
    if (NumGlyphs() != 1) TsSpeedButton::SetNumGlyphs(1);  // a repaint each time otherwise
    return;
  }
  SetImages(FParts.DefBmpID() >= 0 ? &StdGlyphList() : nullptr);
  SetImageIndex(FParts.DefBmpID());
  if (NumGlyphs() != 3) TsSpeedButton::SetNumGlyphs(3);
}

void TsEditButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_PAINT:
      TakeGlyph(CurrentState());
      break;
    default:
      break;
  }
  TsSpeedButton::WndProc(message);
}

// ---------------------------------------------------------------- TsCustomComboEdit

template <class ComboEdit>
TsComboEditOf<ComboEdit>::TsComboEditOf(TComponent* owner)
    : ComboEdit(owner,
                [](TCustomComboEdit* edit) {
                  return new TsEditButton(edit, *static_cast<TsComboEditOf*>(edit));
                }),
      SkinData(this, true),
      FBoundLabel(this, &SkinData),
      FSkin(*this, SkinData, *this, &FBoundLabel),
      FGlyphMode(this, nullptr) {
  SkinData.COC = 138;
  SkinData.SetSkinSection("EDIT");
  this->ControlStyle().Exclude(csSetCaption);
  FEditButton = &static_cast<TsEditButton&>(this->Button());
  FGlyphMode.Btn = FEditButton;
  this->SetHeight(21);
}

template <class ComboEdit>
TsComboEditOf<ComboEdit>::~TsComboEditOf() { FGlyphMode.Btn = nullptr; }

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (value == FSkin.DisabledKind) return;
  FSkin.DisabledKind = value;
  FEditButton->SetDisabledKind(value);
  FSkin.Repaint();
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::SetDefBmpID(int value) {
  if (value == FDefBmpID) return;
  FDefBmpID = value;
  FEditButton->Invalidate();
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::Loaded() {
  ComboEdit::Loaded();
  SkinData.Loaded();
  this->UpdateEditRect();
}

template <class ComboEdit>
int TsComboEditOf<ComboEdit>::ShownButtonWidth() const { return this->ShowButton() ? FEditButton->Width() : 0; }

template <class ComboEdit>
RECT TsComboEditOf<ComboEdit>::SkinTextRect() {
  const int o = MaskEditTextOffset(*this);
  return RECT{o, o, this->Width() - o - ShownButtonWidth(), this->Height() - o};
}

template <class ComboEdit>
UINT TsComboEditOf<ComboEdit>::SkinTextFlags() { return MaskEditTextFlags(*this); }

template <class ComboEdit>
bool TsComboEditOf<ComboEdit>::IsHot() const {
  return SkinData.IsHot() || FEditButton->SkinData.MouseAbove() || FEditButton->CurrentState() > 0;
}

// ---------------------------------------------------------------- popup

template <class ComboEdit>
bool TsComboEditOf<ComboEdit>::PopupShowing() const {
  return FPopupWindow && FPopupWindow->HandleAllocated() && IsWindowVisible(FPopupWindow->Handle());
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::ShowPopup() {
  if (!FPopupWindow || this->ReadOnly() || PopupShowing()) return;
  FPopupWindow->SetVisible(false);
  FPopupWindow->SetBounds(FPopupWindow->Left(), FPopupWindow->Top(), FPopupWidth, FPopupHeight);
  RECT edit{};
  GetWindowRect(this->Handle(), &edit);
  RECT desktop{};
  SystemParametersInfoW(SPI_GETWORKAREA, 0, &desktop, 0);
  const zelvan::paint::TPoint at = zelvan::controls::PopupOrigin(
      {edit.left, edit.top, edit.right, edit.bottom}, FPopupWidth, FPopupHeight,
      {desktop.left, desktop.top, desktop.right, desktop.bottom},
      FPopupWindowAlign == pwaRight ? zelvan::controls::TPopupAlign::Right : zelvan::controls::TPopupAlign::Left);
  if (this->CanFocus()) this->SetFocus();
  HWND popup = FPopupWindow->Handle();
  TCustomForm* form = GetParentForm(this);
  const bool stayOnTop = form && form->HandleAllocated() && (GetWindowLongPtrW(form->Handle(), GWL_EXSTYLE) & WS_EX_TOPMOST);
  SetWindowPos(popup, stayOnTop ? HWND_TOPMOST : HWND_TOP, at.X, at.Y, FPopupWidth, FPopupHeight,
               SWP_NOACTIVATE | SWP_SHOWWINDOW);
  FPopupWindow->SetVisible(true);
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::ClosePopup() {
  if (PopupShowing()) FPopupWindow->SetVisible(false);
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::ButtonClick() {
  ComboEdit::ButtonClick();
  if (PopupShowing()) {
    ClosePopup();
  } else {
    ShowPopup();
  }
}

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::Change() {
  if (!PopupShowing()) ComboEdit::Change();
}

// ---------------------------------------------------------------- messages

template <class ComboEdit>
void TsComboEditOf<ComboEdit>::WndProc(TMessage& message) {
  switch (message.Msg) {
    case SKM_COMMAND:
      if (SkinCommandCode(message.WParam) == SKC_GET_BG_INFO) {
        // The button's background: the cache at its place inside the frame.
        if (auto* request = reinterpret_cast<TBgRequest*>(message.LParam)) {
          const int b = FSkin.BorderWidth();
          FSkin.AnswerBackground(*request, b, b);
        }
        return;
      }
      if (SkinCommandCode(message.WParam) == SKC_GET_UPDATING) {
        message.Result = 0;
        return;
      }
      if (SkinCommandCode(message.WParam) <= SKC_REFRESH) {
        FEditButton->SkinData.SetSkinManager(SkinData.ManagerStored() ? SkinData.SkinManager() : nullptr);
        FSkin.Dispatch(message);
        this->UpdateEditRect();
        return;
      }
      break;
    case WM_LBUTTONDOWN:
      ClosePopup();
      break;
    case WM_KILLFOCUS:
    case CM_EXIT:
      ClosePopup();
      break;
    case WM_CANCELMODE: {
      HWND from = reinterpret_cast<HWND>(message.LParam);
      const bool ours = !from || from == this->Handle() ||
                        (FPopupWindow && FPopupWindow->HandleAllocated() &&
                         (from == FPopupWindow->Handle() || IsChild(FPopupWindow->Handle(), from)));
      if (!ours) ClosePopup();
      break;
    }
    default:
      break;
  }
  if (FSkin.Dispatch(message)) return;
  ComboEdit::WndProc(message);
  FSkin.AfterFramework(message);
  switch (message.Msg) {
    case CM_ENABLEDCHANGED:
      FEditButton->SetEnabled(this->Enabled());
      break;
    default:
      break;
  }
}

template class TsComboEditOf<TCustomComboEdit>;
template class TsComboEditOf<TDirectoryEdit>;
