#include "framework/stdctrls/combo_edit.h"

int ShortCutOf(WORD key, TShiftState shift) {
  int shortCut = key & 0xFF;
  if (shift.Contains(ssShift)) shortCut |= scShift;
  if (shift.Contains(ssCtrl)) shortCut |= scCtrl;
  if (shift.Contains(ssAlt)) shortCut |= scAlt;
  return shortCut;
}

TEditButton::TEditButton(TCustomComboEdit* owner) : TSpeedButton(owner), FOwner(*owner) {
  SetFlat(true);
  SetWidth(kDefaultWidth);
}

void TEditButton::Click() {
  TSpeedButton::Click();
  FOwner.DoClick();
}

TCustomComboEdit::TCustomComboEdit(TComponent* owner)
    : TCustomComboEdit(owner, [](TCustomComboEdit* edit) { return new TEditButton(edit); }) {}

TCustomComboEdit::TCustomComboEdit(TComponent* owner, const TComboButtonFactory& makeButton)
    : TCustomMaskEdit(owner) {
  FButton = makeButton(this);
  SetHeight(21);
  FButton->SetParent(this);
  UpdateEditRect();
}

void TCustomComboEdit::CreateParams(TCreateParams& params) {
  TCustomMaskEdit::CreateParams(params);
  params.Style |= ES_MULTILINE | WS_CLIPCHILDREN;
}

void TCustomComboEdit::CreateWnd() {
  TCustomMaskEdit::CreateWnd();
  UpdatePlatformReadOnly();
  UpdateEditRect();
}

void TCustomComboEdit::SetBounds(int left, int top, int width, int height) {
  TCustomMaskEdit::SetBounds(left, top, width, height);
  UpdateEditRect();
}

void TCustomComboEdit::UpdateEditRect() {
  if (!FButton) return;
  const RECT client = ClientRect();
  FButton->SetBounds(client.right - FButton->Width(), 0, FButton->Width(), client.bottom);
  if (!HandleAllocated()) return;
  RECT edit{BorderStyle() == bsSingleBorder ? 0 : 2, 0, client.right - ButtonWidth(), client.bottom};
  SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&edit));
}

void TCustomComboEdit::SetShowButton(bool value) {
  if (value == FShowButton) return;
  FShowButton = value;
  FButton->SetVisible(value);
  UpdateEditRect();
}

void TCustomComboEdit::SetReadOnly(bool value) {
  FReadOnly = value;
  UpdatePlatformReadOnly();
}

void TCustomComboEdit::SetDirectInput(bool value) {
  FDirectInput = value;
  UpdatePlatformReadOnly();
}

void TCustomComboEdit::UpdatePlatformReadOnly() { TCustomMaskEdit::SetReadOnly(FReadOnly || !FDirectInput); }

void TCustomComboEdit::ButtonClick() {
  if (OnButtonClick) OnButtonClick(this);
}

void TCustomComboEdit::DoClick() {
  if (FReadOnly) return;
  ButtonClick();
}

void TCustomComboEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_GETDLGCODE:
      // A multi-line edit asks for every key; this one leaves Tab, Enter and
      // Escape to the form.
      TCustomMaskEdit::WndProc(message);
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS | DLGC_WANTTAB);
      return;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN: {
      const WORD key = static_cast<WORD>(message.WParam);
      if (ButtonWidth() > 0 && ShortCutOf(key, KeyboardShiftState()) == FClickKey) {
        DoClick();
        return;
      }
      if (key == VK_RETURN) return;
      break;
    }
    case WM_CHAR:
      if (message.WParam == L'\r' || message.WParam == L'\n') return;
      break;
    case WM_PASTE:
    case WM_CUT:
      if (FReadOnly || !FDirectInput) return;
      break;
    case WM_SETCURSOR: {
      // The edit would show its text cursor over the button too.
      POINT point{};
      GetCursorPos(&point);
      point = ScreenToClient(point);
      const RECT button = FButton->BoundsRect();
      if (FShowButton && PtInRect(&button, point)) {
        SetCursor(LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW)));
        message.Result = TRUE;
        return;
      }
      break;
    }
    case WM_SIZE:
    case WM_SETFONT:
      TCustomMaskEdit::WndProc(message);
      UpdateEditRect();
      return;
    default:
      break;
  }
  TCustomMaskEdit::WndProc(message);
}
