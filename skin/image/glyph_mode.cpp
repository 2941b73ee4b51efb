#include "skin/image/glyph_mode.h"

#include "core/image/list_picture.h"
#include "framework/controls/control.h"
#include "skin/image/alpha_image_list.h"

namespace {

bool Settling(const TComponent& c) {
  return c.ComponentState().Contains(csLoading) || c.ComponentState().Contains(csDestroying);
}

zelvan::image::TGlyphModeSize SizeOf(const TImageList& list) {
  return zelvan::image::GlyphModeSize(list.Width(), list.Height());
}

}  // namespace

bool TsGlyphMode::ButtonReady() const { return Btn && !Settling(Btn->ButtonControl()); }

void TsGlyphMode::SetImages(TImageList* images) {
  if (images == FImages) return;
  FImages = images;
  Invalidate();
}

void TsGlyphMode::SetImageIndex(int index) {
  if (index == FImageIndex) return;
  FImageIndex = index;
  Invalidate();
}

void TsGlyphMode::SetImageIndexHot(int index) {
  if (index == FImageIndexHot) return;
  FImageIndexHot = index;
  Invalidate();
}

void TsGlyphMode::SetImageIndexPressed(int index) {
  if (index == FImageIndexPressed) return;
  FImageIndexPressed = index;
  Invalidate();
}

int TsGlyphMode::Blend() const { return ButtonReady() ? Btn->Blend() : 0; }
void TsGlyphMode::SetBlend(int value) {
  if (ButtonReady()) Btn->SetBlend(value);
}
bool TsGlyphMode::Grayed() const { return ButtonReady() && Btn->Grayed(); }
void TsGlyphMode::SetGrayed(bool value) {
  if (ButtonReady()) Btn->SetGrayed(value);
}
std::wstring TsGlyphMode::Hint() const { return ButtonReady() ? Btn->Hint() : std::wstring(); }
void TsGlyphMode::SetHint(const std::wstring& value) {
  if (ButtonReady()) Btn->SetHint(value);
}

TImageList& TsGlyphMode::ListInUse() const {
  if (FImages && FImageIndex >= 0 && FImageIndex < FImages->Count()) return *FImages;
  return StdGlyphList();
}

int TsGlyphMode::ImageCount() const { return SizeOf(ListInUse()).ImageCount; }
int TsGlyphMode::Width() const { return SizeOf(ListInUse()).Width; }
int TsGlyphMode::Height() const { return SizeOf(ListInUse()).Height; }

void TsGlyphMode::Invalidate() {
  if (!ButtonReady() || (FOwner && Settling(*FOwner))) return;
  TControl& button = Btn->ButtonControl();
  button.SetWidth(Width() + 2);
  Btn->SetNumGlyphs(ImageCount());
  button.Invalidate();
}
