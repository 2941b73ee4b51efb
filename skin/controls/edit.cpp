#include "skin/controls/edit.h"

TsEdit::TsEdit(TComponent* owner)
    : TEdit(owner), SkinData(this, true), FBoundLabel(this, &SkinData), FSkin(*this, SkinData, *this, &FBoundLabel) {
  SkinData.COC = 3;
}

void TsEdit::SetDisabledKind(zelvan::paint::TsDisabledKind value) {
  if (value == FSkin.DisabledKind) return;
  FSkin.DisabledKind = value;
  FSkin.Repaint();
}

void TsEdit::Loaded() {
  TEdit::Loaded();
  SkinData.Loaded();
}

RECT TsEdit::SkinTextRect() {
  const int a = FSkin.TextOffset();
  RECT r{a, a, Width() - a, Height() - a};
  if (BorderStyle() == bsSingleBorder) {
    // One more pixel inside a single border, where the platform starts its text.
    ++r.left;
    ++r.top;
    --r.right;
  }
  return r;
}

void TsEdit::WndProc(TMessage& message) {
  if (FSkin.Dispatch(message)) return;
  TEdit::WndProc(message);
  FSkin.AfterFramework(message);
}
