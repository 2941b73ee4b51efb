#include "framework/stdctrls/label.h"

#include <cwctype>

#include "framework/controls/win_control.h"

namespace {

// The screen's context, for measuring text outside painting.
class TScreenDC {
 public:
  TScreenDC() : FDC(GetDC(nullptr)) {}
  ~TScreenDC() { ReleaseDC(nullptr, FDC); }
  TScreenDC(const TScreenDC&) = delete;
  TScreenDC& operator=(const TScreenDC&) = delete;
  HDC Handle() const { return FDC; }

 private:
  HDC FDC;
};

}  // namespace

wchar_t AccelCharOf(const std::wstring& text) {
  for (size_t i = 0; i + 1 < text.size(); ++i) {
    if (text[i] != L'&') continue;
    if (text[i + 1] != L'&') return static_cast<wchar_t>(std::towupper(text[i + 1]));
    ++i;  // "&&" is a literal ampersand
  }
  return 0;
}

TCustomLabel::TCustomLabel(TComponent* owner) : TGraphicControl(owner) {
  ControlStyle().Include(csOpaque);
  SetParentColor(true);
  SetBounds(0, 0, 65, 17);
}

void TCustomLabel::SetAutoSize(bool value) {
  if (value == FAutoSize) return;
  FAutoSize = value;
  AdjustBounds();
}

void TCustomLabel::SetAlignment(TAlignment value) {
  if (value == FAlignment) return;
  FAlignment = value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout value) {
  if (value == FLayout) return;
  FLayout = value;
  Invalidate();
}

void TCustomLabel::SetWordWrap(bool value) {
  if (value == FWordWrap) return;
  FWordWrap = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetTransparent(bool value) {
  if (value == FTransparent) return;
  FTransparent = value;
  if (value) {
    ControlStyle().Exclude(csOpaque);
  } else {
    ControlStyle().Include(csOpaque);
  }
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool value) {
  if (value == FShowAccelChar) return;
  FShowAccelChar = value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetFocusControl(TWinControl* control) {
  if (FFocusControl) FFocusControl->RemoveFreeNotification(this);
  FFocusControl = control;
  if (control) control->FreeNotification(this);
}

void TCustomLabel::Notification(TComponent* component, TOperation operation) {
  TGraphicControl::Notification(component, operation);
  if (operation == opRemove && component == FFocusControl) FFocusControl = nullptr;
}

UINT TCustomLabel::DrawTextFlags() const {
  static constexpr UINT kAlign[] = {DT_LEFT, DT_RIGHT, DT_CENTER};
  UINT flags = DT_EXPANDTABS | kAlign[FAlignment];
  flags |= FWordWrap ? DT_WORDBREAK : 0;
  flags |= FShowAccelChar ? 0 : DT_NOPREFIX;
  return flags;
}

void TCustomLabel::DoDrawText(RECT& rect, UINT flags) {
  std::wstring text = Text();
  // An empty text measures as one line, so an empty auto-sized label keeps its height.
  if ((flags & DT_CALCRECT) && text.empty()) text = L" ";
  if (!Enabled() && !(flags & DT_CALCRECT)) {
    Canvas().Font().SetColor(clGrayText);
  }
  Canvas().TextRect(rect, text, flags);
}

void TCustomLabel::Paint() {
  RECT rect{0, 0, Width(), Height()};
  if (!FTransparent) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(rect);
  }
  Canvas().Brush().SetStyle(bsClear);
  const UINT flags = DrawTextFlags();
  if (FLayout != tlTop) {
    RECT measured = rect;
    DoDrawText(measured, flags | DT_CALCRECT);
    const int textHeight = measured.bottom - measured.top;
    rect.top = FLayout == tlBottom ? rect.bottom - textHeight : (rect.bottom - textHeight) / 2;
  }
  DoDrawText(rect, flags);
  TGraphicControl::Paint();
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || ComponentState().Contains(csLoading)) return;
  TScreenDC screen;
  RECT rect{0, 0, FWordWrap ? Width() : 0, 0};
  PaintOnCanvas(Canvas(), screen.Handle(), Font(), Color(),
                [&] { DoDrawText(rect, DrawTextFlags() | DT_CALCRECT); });
  int left = Left();
  const int width = rect.right;
  // A right-aligned label keeps its right edge where it was.
  if (FAlignment == taRightJustify && !FWordWrap) left += Width() - width;
  SetBounds(left, Top(), width, rect.bottom);
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::WndProc(TMessage& message) {
  switch (message.Msg) {
    case CM_TEXTCHANGED:
      Invalidate();
      AdjustBounds();
      break;
    case CM_FONTCHANGED:
      AdjustBounds();
      break;
    case CM_DIALOGCHAR:
      if (FFocusControl && FShowAccelChar && Enabled() &&
          AccelCharOf(Text()) == static_cast<wchar_t>(std::towupper(static_cast<wint_t>(message.WParam))) &&
          FFocusControl->CanFocus()) {
        FFocusControl->SetFocus();
        message.Result = 1;
        return;
      }
      break;
    default:
      break;
  }
  TGraphicControl::WndProc(message);
}
