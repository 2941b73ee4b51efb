#include "skin/controls/mask_edit.h"

#include "skin/paint/skinned_text.h"

int MaskEditTextOffset(const TCustomEdit& edit) { return edit.BorderStyle() == bsSingleBorder ? 3 : 0; }

RECT MaskEditTextRect(TCustomEdit& edit, int right) {
  const int o = MaskEditTextOffset(edit);
  const SIZE line = TextSizeByFont(edit.Font().Handle(), L"Wy");
  return RECT{o, o, right, o + line.cy + 2};
}

UINT MaskEditTextFlags(const TCustomEdit& edit) {
  // The external leading keeps the text where the platform edit puts it.
  return DT_SINGLELINE | DT_NOPREFIX | DT_LEFT | (edit.PasswordChar() ? 0 : DT_EXTERNALLEADING);
}

TsMaskEdit::TsMaskEdit(TComponent* owner)
    : TMaskEdit(owner), SkinData(this, true), FBoundLabel(this, &SkinData), FSkin(*this, SkinData, *this, &FBoundLabel) {
  SkinData.COC = 3;
  if (SkinData.SkinSection().empty()) SkinData.SetSkinSection("EDIT");
  ControlStyle().Exclude(csSetCaption);
}

void TsMaskEdit::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (value == FSkin.DisabledKind) return;
  FSkin.DisabledKind = value;
  FSkin.Repaint();
}

void TsMaskEdit::Loaded() {
  TMaskEdit::Loaded();
  SkinData.Loaded();
}

void TsMaskEdit::WndProc(TMessage& message) {
  if (FSkin.Dispatch(message)) return;
  TMaskEdit::WndProc(message);
  FSkin.AfterFramework(message);
}
