#include "framework/graphics/image_list.h"

#include <algorithm>

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/system/exception.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() {
  for (TChangeLink* link : FLinks) link->FSender = nullptr;
  FreeHandle();
}

TChangeLink::~TChangeLink() {
  if (FSender) FSender->UnRegisterChanges(this);
}

void TImageList::RegisterChanges(TChangeLink* link) {
  if (!link || link->FSender == this) return;
  if (link->FSender) link->FSender->UnRegisterChanges(link);
  link->FSender = this;
  FLinks.push_back(link);
}

void TImageList::UnRegisterChanges(TChangeLink* link) {
  if (!link || link->FSender != this) return;
  FLinks.erase(std::remove(FLinks.begin(), FLinks.end(), link), FLinks.end());
  link->FSender = nullptr;
}

void TImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
  FShareImages = false;
}

void TImageList::SetWidth(int width) {
  if (width == FWidth || width <= 0) return;
  FWidth = width;
  FreeHandle();
  Changed();
}

void TImageList::SetHeight(int height) {
  if (height == FHeight || height <= 0) return;
  FHeight = height;
  FreeHandle();
  Changed();
}

void TImageList::SetBkColor(TColor color) {
  FBkColor = color;
  if (FHandle) ImageList_SetBkColor(FHandle, color == clNone ? CLR_NONE : ColorToRGB(color));
}

void TImageList::Change() {
  if (OnChange) OnChange(this);
  // A listener may leave while told: the list is copied first.
  const std::vector<TChangeLink*> links = FLinks;
  for (TChangeLink* link : links) {
    if (link->FSender == this && link->OnChange) link->OnChange();
  }
}

void TImageList::Changed() {
  if (FUpdateCount > 0) {
    FChangedMeanwhile = true;
    return;
  }
  Change();
}

void TImageList::EndUpdate() {
  if (FUpdateCount > 0 && --FUpdateCount == 0 && FChangedMeanwhile) {
    FChangedMeanwhile = false;
    Change();
  }
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle) {
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!FHandle) throw Exception(L"Cannot create an image list");
    if (FBkColor != clNone) ImageList_SetBkColor(FHandle, ColorToRGB(FBkColor));
  }
  return FHandle;
}

void TImageList::SetHandle(HIMAGELIST handle, bool shareImages) {
  FreeHandle();
  FHandle = handle;
  FShareImages = shareImages;
  if (handle) ImageList_GetIconSize(handle, &FWidth, &FHeight);
  Changed();
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  // The platform copies from bitmaps that no device context holds.
  image.ReleaseCanvasHandle();
  if (mask) mask->ReleaseCanvasHandle();
  const int index = ImageList_Add(Handle(), image.Handle(), mask ? mask->Handle() : nullptr);
  Changed();
  return index;
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  image.ReleaseCanvasHandle();
  const int index = ImageList_AddMasked(Handle(), image.Handle(), ColorToRGB(maskColor));
  Changed();
  return index;
}

int TImageList::AddIcon(HICON icon) {
  const int index = ImageList_ReplaceIcon(Handle(), -1, icon);
  Changed();
  return index;
}

bool TImageList::ReplaceIcon(int index, HICON icon) {
  if (!FHandle || index < 0 || index >= Count()) return false;
  const bool replaced = ImageList_ReplaceIcon(FHandle, index, icon) == index;
  Changed();
  return replaced;
}

HICON TImageList::GetIcon(int index) {
  if (!FHandle || index < 0 || index >= Count()) return nullptr;
  return ImageList_GetIcon(FHandle, index, ILD_NORMAL);
}

void TImageList::Delete(int index) {
  if (!FHandle) return;
  ImageList_Remove(FHandle, index);
  Changed();
}

void TImageList::Clear() {
  if (!FHandle) return;
  ImageList_Remove(FHandle, -1);
  Changed();
}

void TImageList::Draw(TCanvas& canvas, int x, int y, int index, bool enabled) {
  if (!FHandle || index < 0 || index >= Count()) return;
  IMAGELISTDRAWPARAMS params{};
  params.cbSize = sizeof(params);
  params.himl = FHandle;
  params.i = index;
  params.hdcDst = canvas.Handle();
  params.x = x;
  params.y = y;
  params.rgbBk = CLR_NONE;
  params.rgbFg = CLR_DEFAULT;
  params.fStyle = ILD_TRANSPARENT;
  if (!enabled) params.fState = ILS_SATURATE;
  ImageList_DrawIndirect(&params);
}
