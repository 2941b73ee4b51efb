#include "skin/window/title_buttons.h"

#include <algorithm>

void TsTitleButton::SetEnabled(bool enabled) {
  if (enabled == FEnabled) return;
  FEnabled = enabled;
  Changed();
}

void TsTitleButton::SetGlyph(const TBitmap& glyph) {
  FGlyph.Assign(glyph);
  Changed();
}

void TsTitleButton::SetUseSkinData(bool use) {
  if (use == FUseSkinData) return;
  FUseSkinData = use;
  Changed();
}

void TsTitleButton::SetVisible(bool visible) {
  if (visible == FVisible) return;
  FVisible = visible;
  if (!visible) HintWnd.Hide();
  Changed();
}

int TsTitleButton::Index() const { return FOwner.IndexOf(this); }

void TsTitleButton::Changed() { FOwner.Changed(); }

TsTitleButton* TsTitleButtons::Add() {
  FItems.push_back(std::make_unique<TsTitleButton>(*this));
  Changed();
  return FItems.back().get();
}

void TsTitleButtons::Delete(int index) {
  if (index < 0 || index >= Count()) return;
  FItems.erase(FItems.begin() + index);
  Changed();
}

void TsTitleButtons::Clear() {
  if (FItems.empty()) return;
  FItems.clear();
  Changed();
}

TsTitleButton* TsTitleButtons::Items(int index) const {
  return index >= 0 && index < Count() ? FItems[static_cast<size_t>(index)].get() : nullptr;
}

int TsTitleButtons::IndexOf(const TsTitleButton* button) const {
  const auto it = std::find_if(FItems.begin(), FItems.end(), [button](const auto& item) { return item.get() == button; });
  return it == FItems.end() ? -1 : static_cast<int>(it - FItems.begin());
}
