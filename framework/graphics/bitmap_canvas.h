#pragma once
// The canvas of a TBitmap: a memory device context, made on first use, with
// the bitmap's DIB section selected into it.

#include "framework/graphics/canvas.h"
#include "framework/system/win_handles.h"

class TBitmap;

class TBitmapCanvas : public TCanvas {
 public:
  explicit TBitmapCanvas(TBitmap& bitmap) : FBitmap(bitmap) {}
  ~TBitmapCanvas() override;
  // Deselects the bitmap and frees the context (before the bitmap changes).
  void FreeHandle();

 protected:
  void CreateHandle() override;

 private:
  TBitmap& FBitmap;
  TMemoryDcHandle FDc;
  HGDIOBJ FOldBitmap = nullptr;
};
