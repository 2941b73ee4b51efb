#include "framework/stdctrls/button.h"

#include "framework/forms/custom_form.h"
#include "framework/menus/menu.h"

TButton::TButton(TComponent* owner) : TWinControl(owner) {
  // Clicks come from the platform (BN_CLICKED), not from the mouse handling.
  ControlStyle() = TControlStyle{csSetCaption, csDoubleClicks};
  SetColor(clBtnFace);
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"BUTTON");
  params.Style |= ButtonStyle() | (FWordWrap ? BS_MULTILINE : 0);
}

void TButton::SetDefault(bool value) {
  if (value == FDefault) return;
  FDefault = value;
  if (HandleAllocated()) {
    SendMessageW(Handle(), BM_SETSTYLE, ButtonStyle(), TRUE);
  }
}

namespace {

template <typename T>
bool Store(T& field, const T& value) {
  if (field == value) return false;
  field = value;
  return true;
}

}  // namespace

void TButton::SetDropDownMenu(TPopupMenu* menu) {
  if (menu == FDropDownMenu) return;
  if (FDropDownMenu) FDropDownMenu->RemoveFreeNotification(this);
  FDropDownMenu = menu;
  if (FDropDownMenu) FDropDownMenu->FreeNotification(this);
}

void TButton::Notification(TComponent* component, TOperation operation) {
  TWinControl::Notification(component, operation);
  if (operation == opRemove && component == FDropDownMenu) FDropDownMenu = nullptr;
}

void TButton::SetWordWrap(bool value) {
  if (!Store(FWordWrap, value)) return;
  if (HandleAllocated()) {
    const LONG_PTR style = GetWindowLongPtrW(Handle(), GWL_STYLE);
    SetWindowLongPtrW(Handle(), GWL_STYLE, value ? (style | BS_MULTILINE) : (style & ~static_cast<LONG_PTR>(BS_MULTILINE)));
  }
  ButtonLookChanged();
}

void TButton::SetImages(TImageList* images) {
  if (Store(FImages, images)) ButtonLookChanged();
}
void TButton::SetImageIndex(int index) {
  if (Store(FImageIndex, index)) ButtonLookChanged();
}
void TButton::SetHotImageIndex(int index) {
  if (Store(FHotImageIndex, index)) ButtonLookChanged();
}
void TButton::SetPressedImageIndex(int index) {
  if (Store(FPressedImageIndex, index)) ButtonLookChanged();
}
void TButton::SetSelectedImageIndex(int index) {
  if (Store(FSelectedImageIndex, index)) ButtonLookChanged();
}
void TButton::SetDisabledImageIndex(int index) {
  if (Store(FDisabledImageIndex, index)) ButtonLookChanged();
}
void TButton::SetImageAlignment(TImageAlignment value) {
  if (Store(FImageAlignment, value)) ButtonLookChanged();
}
void TButton::SetImageMargins(const TImageMargins& value) {
  const bool same = FImageMargins.Left == value.Left && FImageMargins.Top == value.Top &&
                    FImageMargins.Right == value.Right && FImageMargins.Bottom == value.Bottom;
  if (same) return;
  FImageMargins = value;
  ButtonLookChanged();
}
void TButton::SetStyle(TButtonStyle value) {
  if (Store(FStyle, value)) ButtonLookChanged();
}
void TButton::SetCommandLinkHint(const std::wstring& value) {
  if (Store(FCommandLinkHint, value)) ButtonLookChanged();
}

void TButton::Click() {
  if (FModalResult != 0) {
    if (TCustomForm* form = GetParentForm(this)) form->SetModalResult(FModalResult);
  }
  TWinControl::Click();
}

bool TButton::TakesEnter() {
  // The focused button takes Enter; the default one when no button has the focus.
  if (Focused()) return true;
  return FDefault && !dynamic_cast<TButton*>(FindControl(GetFocus()));
}

void TButton::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == BN_CLICKED) return Click();
      break;
    case CM_DIALOGKEY:
      if ((message.WParam == VK_RETURN && TakesEnter()) ||
          (message.WParam == VK_ESCAPE && FCancel)) {
        if (Enabled() && Visible()) {
          Click();
          message.Result = 1;
          return;
        }
      }
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
