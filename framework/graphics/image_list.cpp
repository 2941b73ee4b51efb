#include "framework/graphics/image_list.h"

#include "framework/graphics/bitmap.h"
#include "framework/graphics/canvas.h"
#include "framework/system/exception.h"

TImageList::TImageList(TComponent* owner) : TComponent(owner) {}

TImageList::~TImageList() { FreeHandle(); }

void TImageList::FreeHandle() {
  if (FHandle && !FShareImages) ImageList_Destroy(FHandle);
  FHandle = nullptr;
  FShareImages = false;
}

void TImageList::SetWidth(int width) {
  if (width == FWidth || width <= 0) return;
  FWidth = width;
  FreeHandle();
}

void TImageList::SetHeight(int height) {
  if (height == FHeight || height <= 0) return;
  FHeight = height;
  FreeHandle();
}

HIMAGELIST TImageList::Handle() {
  if (!FHandle) {
    FHandle = ImageList_Create(FWidth, FHeight, ILC_COLOR32 | ILC_MASK, 4, 4);
    if (!FHandle) throw Exception(L"Cannot create an image list");
  }
  return FHandle;
}

void TImageList::SetHandle(HIMAGELIST handle, bool shareImages) {
  FreeHandle();
  FHandle = handle;
  FShareImages = shareImages;
  if (handle) ImageList_GetIconSize(handle, &FWidth, &FHeight);
}

int TImageList::Count() const { return FHandle ? ImageList_GetImageCount(FHandle) : 0; }

int TImageList::Add(TBitmap& image, TBitmap* mask) {
  // The platform copies from bitmaps that no device context holds.
  image.ReleaseCanvasHandle();
  if (mask) mask->ReleaseCanvasHandle();
  return ImageList_Add(Handle(), image.Handle(), mask ? mask->Handle() : nullptr);
}

int TImageList::AddMasked(TBitmap& image, TColor maskColor) {
  image.ReleaseCanvasHandle();
  return ImageList_AddMasked(Handle(), image.Handle(), ColorToRGB(maskColor));
}

void TImageList::Delete(int index) {
  if (FHandle) ImageList_Remove(FHandle, index);
}

void TImageList::Clear() {
  if (FHandle) ImageList_Remove(FHandle, -1);
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
