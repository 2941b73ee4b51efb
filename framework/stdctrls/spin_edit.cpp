#include "framework/stdctrls/spin_edit.h"

#include "core/controls/spin_value.h"
#include "framework/stdctrls/spin_button.h"
#include "framework/system/wide_text.h"

std::optional<int> ParseWholeNumber(const std::wstring& text) {
  return zelvan::controls::ParseWholeNumber(WideToU16(text));
}

TSpinEdit::TSpinEdit(TComponent* owner)
    : TSpinEdit(owner, [](TSpinEdit* edit) {
        auto* arrows = new TSpinButton(edit);
        arrows->OnUpClick = [edit](TObject*) { edit->UpClick(); };
        arrows->OnDownClick = [edit](TObject*) { edit->DownClick(); };
        return arrows;
      }) {}

TSpinEdit::TSpinEdit(TComponent* owner, const std::function<TWinControl*(TSpinEdit*)>& makeArrows)
    : TCustomEdit(owner) {
  FButton = makeArrows(this);
  FButton->SetParent(this);
  PlaceButton();
}

TSpinButton& TSpinEdit::Button() { return dynamic_cast<TSpinButton&>(*FButton); }

void TSpinEdit::CreateParams(TCreateParams& params) {
  TCustomEdit::CreateParams(params);
  // The arrow buttons are a child window inside the edit.
  params.Style |= WS_CLIPCHILDREN | ES_MULTILINE;
}

void TSpinEdit::CreateWnd() {
  TCustomEdit::CreateWnd();
  PlaceButton();
}

void TSpinEdit::PlaceButton() {
  if (!FButton) return;
  const int buttonWidth = GetSystemMetrics(SM_CXVSCROLL);
  RECT client = ClientRect();
  FButton->SetBounds(client.right - buttonWidth, 0, buttonWidth, client.bottom);
  if (HandleAllocated()) {
    // The text stops where the buttons begin.
    RECT edit{0, 0, client.right - buttonWidth - 2, client.bottom};
    edit.left = 2;
    SendMessageW(Handle(), EM_SETRECTNP, 0, reinterpret_cast<LPARAM>(&edit));
  }
}

void TSpinEdit::SetBounds(int left, int top, int width, int height) {
  TCustomEdit::SetBounds(left, top, width, height);
  PlaceButton();
}

int TSpinEdit::CheckValue(int value) const {
  if (FMinValue == 0 && FMaxValue == 0) return value;
  if (value < FMinValue) return FMinValue;
  if (FMaxValue != 0 && value > FMaxValue) return FMaxValue;
  return value;
}

int TSpinEdit::Value() {
  const std::wstring text = Text();
  if (text.empty()) return 0;
  return ParseWholeNumber(text).value_or(FMinValue);
}

void TSpinEdit::SetValue(int value) {
  SetText(std::to_wstring(CheckValue(value)));
}

// Steps saturate: holding an arrow at the end of the int range stays there.
void TSpinEdit::UpClick() {
  if (ReadOnly()) return (void)MessageBeep(0);
  SetValue(zelvan::controls::SteppedValue(Value(), 1, FIncrement));
}

void TSpinEdit::DownClick() {
  if (ReadOnly()) return (void)MessageBeep(0);
  SetValue(zelvan::controls::SteppedValue(Value(), -1, FIncrement));
}

bool TSpinEdit::IsValidChar(wchar_t key) {
  if (key < L' ') return true;
  if (!FEditorEnabled) return false;
  if (key >= L'0' && key <= L'9') return true;
  // A sign only goes in front, and only when negative values are allowed.
  return (key == L'-' || key == L'+') && SelStart() == 0 && FMinValue <= 0;
}

void TSpinEdit::WndProc(TMessage& message) {
  switch (message.Msg) {
    case WM_KEYDOWN:
      if (message.WParam == VK_UP || message.WParam == VK_DOWN) {
        message.WParam == VK_UP ? UpClick() : DownClick();
        return;
      }
      break;
    case WM_CHAR:
      if (message.WParam == VK_RETURN || message.WParam == VK_TAB) return;  // single line
      if (!IsValidChar(static_cast<wchar_t>(message.WParam))) {
        MessageBeep(0);
        return;
      }
      break;
    case WM_GETDLGCODE:
      // Multi-line only for the text rectangle: Tab and Enter still move on.
      TCustomEdit::WndProc(message);
      message.Result &= ~static_cast<LRESULT>(DLGC_WANTALLKEYS);
      message.Result |= DLGC_WANTARROWS;
      return;
    case WM_MOUSEWHEEL:
      if (!ReadOnly()) {
        const int64_t notches = zelvan::controls::WheelSteps(GET_WHEEL_DELTA_WPARAM(message.WParam));
        SetValue(zelvan::controls::SteppedValue(Value(), notches, FIncrement));
        return;
      }
      break;
    case CM_EXIT: {
      // Leaving with a text that is not a valid value shows the value it reads as.
      const std::wstring text = Text();
      if (!text.empty() && text != std::to_wstring(CheckValue(Value()))) SetValue(Value());
      break;
    }
    case WM_SIZE:
      TCustomEdit::WndProc(message);
      PlaceButton();
      return;
    default:
      break;
  }
  TCustomEdit::WndProc(message);
}
