#include "framework/graphics/bitmap_canvas.h"

#include "framework/graphics/bitmap.h"
#include "framework/system/exception.h"

TBitmapCanvas::~TBitmapCanvas() { FreeHandle(); }

void TBitmapCanvas::CreateHandle() {
  FDc.Reset(CreateCompatibleDC(nullptr));
  if (!FDc) throw Exception(L"Cannot create a device context for a bitmap");
  if (HBITMAP bitmap = FBitmap.DibHandle()) FOldBitmap = SelectObject(FDc.Get(), bitmap);
  SetHandle(FDc.Get());
}

void TBitmapCanvas::FreeHandle() {
  if (!FDc) return;
  SetHandle(nullptr);
  if (FOldBitmap) SelectObject(FDc.Get(), FOldBitmap);
  FOldBitmap = nullptr;
  FDc.Reset();
}
