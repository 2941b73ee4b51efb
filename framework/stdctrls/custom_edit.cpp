#include "framework/stdctrls/custom_edit.h"

TCustomEdit::TCustomEdit(TComponent* owner) : TWinControl(owner) {
  // An edit starts empty: its name does not become its text.
  ControlStyle() = TControlStyle{csCaptureMouse, csClickEvents, csDoubleClicks};
  SetTabStop(true);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& params) {
  TWinControl::CreateParams(params);
  params.SubClass(L"EDIT");
  params.Style |= ES_AUTOHSCROLL | ES_LEFT;
  if (FReadOnly) params.Style |= ES_READONLY;
  if (FBorderStyle == bsSingleBorder) params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  HWND window = Handle();
  SendMessageW(window, EM_LIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
  if (FPasswordChar) SendMessageW(window, EM_SETPASSWORDCHAR, FPasswordChar, 0);
  FAnnouncedText = Text();
}

void TCustomEdit::SetMaxLength(int length) {
  if (length == FMaxLength) return;
  FMaxLength = length;
  if (HandleAllocated()) SendMessageW(Handle(), EM_LIMITTEXT, static_cast<WPARAM>(length), 0);
}

void TCustomEdit::SetReadOnly(bool readOnly) {
  if (readOnly == FReadOnly) return;
  FReadOnly = readOnly;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, readOnly, 0);
}

void TCustomEdit::SetPasswordChar(wchar_t passwordChar) {
  if (passwordChar == FPasswordChar) return;
  FPasswordChar = passwordChar;
  if (HandleAllocated()) {
    SendMessageW(Handle(), EM_SETPASSWORDCHAR, passwordChar, 0);
    Invalidate();
  }
}

void TCustomEdit::SetBorderStyle(TBorderStyle style) {
  if (style == FBorderStyle) return;
  FBorderStyle = style;
  RecreateWnd();
}

int TCustomEdit::SelStart() {
  DWORD start = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), 0);
  return static_cast<int>(start);
}

void TCustomEdit::SetSelStart(int start) { SendMessageW(Handle(), EM_SETSEL, start, start); }

int TCustomEdit::SelLength() {
  DWORD start = 0;
  DWORD end = 0;
  SendMessageW(Handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
  return static_cast<int>(end - start);
}

void TCustomEdit::SetSelLength(int length) {
  const int start = SelStart();
  SendMessageW(Handle(), EM_SETSEL, start, start + length);
}

void TCustomEdit::SelectAll() { SendMessageW(Handle(), EM_SETSEL, 0, -1); }

void TCustomEdit::Change() {
  if (OnChange) OnChange(this);
}

void TCustomEdit::NoteTextChange() {
  std::wstring text = Text();
  if (text == FAnnouncedText) return;
  FAnnouncedText = std::move(text);
  if (!ComponentState().Contains(csLoading)) Change();
}

void TCustomEdit::Loaded() {
  TWinControl::Loaded();
  FAnnouncedText = Text();
}

void TCustomEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CN_COMMAND:
      if (HIWORD(message.WParam) == EN_CHANGE) {
        NoteTextChange();
        return;
      }
      break;
    case CM_TEXTCHANGED:
      // Text set while the control has no window never reaches EN_CHANGE.
      NoteTextChange();
      break;
    case WM_SETTEXT:
      // Multi-line edits send no EN_CHANGE for a text set from outside.
      TWinControl::WndProc(message);
      NoteTextChange();
      return;
    case CM_ENTER:
      if (FAutoSelect && HandleAllocated() && !(GetKeyState(VK_LBUTTON) & 0x8000)) SelectAll();
      break;
    default:
      break;
  }
  TWinControl::WndProc(message);
}
